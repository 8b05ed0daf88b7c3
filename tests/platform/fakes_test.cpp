// The scripted dialogs that window tests put in place of the message and input boxes.
#include "platform/fakes.h"
#include "tests/platform/recording_form.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include <cstdlib>

#include <gtest/gtest.h>

namespace kviz::testing {
namespace {

TEST(ScriptedDialogs, InputBoxesAnswerFromTheQueueThenCancel) {
    ScriptedDialogs dialogs;
    dialogs.answers = {"Petar", ""};

    // The third finds the queue empty and answers as Cancel does.
    for (const char* answer : {"Petar", "", ""})
        EXPECT_EQ(dialogs.inputBox("Ime?", "Kandidat", "NOVI", {1500, 3000}), answer);
    EXPECT_TRUE(dialogs.answers.empty());
    ASSERT_EQ(dialogs.calls.size(), 3u);
    const DialogCall& first = dialogs.calls[0];
    EXPECT_EQ(first.kind, DialogCall::Kind::Input);
    EXPECT_EQ(first.text, "Ime?");
    EXPECT_EQ(first.title, "Kandidat");
    EXPECT_EQ(first.defaultAnswer, "NOVI");
    EXPECT_EQ(first.answer, "Petar");
    EXPECT_EQ(first.position, QPoint(1500, 3000));
}

TEST(ScriptedDialogs, MessageBoxesAreRecordedInOrderWithTheOthers) {
    ScriptedDialogs dialogs;
    QStringList seenWhileOpen;
    dialogs.whileOpen = [&](const DialogCall& call) { seenWhileOpen << call.text; };

    dialogs.messageBox("Kraj testa", "Kvizomat", MessageIcon::Information);
    dialogs.inputBox("Ime?", "Kandidat", QString(), {});
    dialogs.messageBox("Greska", "Kvizomat", MessageIcon::Critical);

    EXPECT_EQ(seenWhileOpen, QStringList({"Kraj testa", "Ime?", "Greska"}));
    EXPECT_EQ(dialogs.count(DialogCall::Kind::Message), 2);
    EXPECT_EQ(dialogs.count(DialogCall::Kind::Input), 1);
    EXPECT_EQ(dialogs.count(DialogCall::Kind::Modal), 0);
    ASSERT_NE(dialogs.last(DialogCall::Kind::Message), nullptr);
    EXPECT_EQ(dialogs.last(DialogCall::Kind::Message)->text, "Greska");
    EXPECT_EQ(dialogs.last(DialogCall::Kind::Message)->icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.last(DialogCall::Kind::Modal), nullptr);
}

TEST(ScriptedDialogs, ModalFormIsLoadedRunAndUnloaded) {
    FakeServices fakes;
    RecordingForm modal(fakes.services());
    modal.setCaption("Rezultati");
    QStringList seen;
    fakes.dialogs.onModal = [&](Form& form) {
        seen = static_cast<RecordingForm&>(form).events;
        EXPECT_FALSE(form.unloaded());
    };

    fakes.dialogs.showModal(modal);

    EXPECT_EQ(seen, QStringList({"Load"}));
    EXPECT_EQ(modal.events, QStringList({"Load", "Unload"}));
    ASSERT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 1);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Modal)->title, "Rezultati");
}

} // namespace
} // namespace kviz::testing

namespace kviz::testing {
namespace {

TEST(SystemServices, StateRootIsKvizomatInTheHomeFolder) {
    Services services = systemServices();
#ifdef _WIN32
    EXPECT_EQ(services.locations->stateRoot(), std::filesystem::path("C:\\KVIZOMAT"));
#else
    const std::filesystem::path temp = std::filesystem::temp_directory_path() / "kviz-home";
    const std::filesystem::path account(getpwuid(getuid())->pw_dir);
    struct Row {
        const char* name;
        const char* home; // null: unset
        std::filesystem::path expected;
    } rows[] = {
        {"HOME set", temp.c_str(), temp / "KVIZOMAT"},
        {"HOME empty", "", account / "KVIZOMAT"},
        {"HOME unset", nullptr, account / "KVIZOMAT"},
    };
    const bool homeWasSet = qEnvironmentVariableIsSet("HOME");
    const QByteArray home = qgetenv("HOME");
    for (const Row& row : rows) {
        row.home != nullptr ? setenv("HOME", row.home, 1) : unsetenv("HOME");
        EXPECT_EQ(services.locations->stateRoot(), row.expected) << row.name;
    }
    homeWasSet ? qputenv("HOME", home) : qunsetenv("HOME");
#endif
    EXPECT_FALSE(services.locations->programFolder().empty());
    const double before = services.clock->seconds();
    EXPECT_GE(services.clock->seconds(), before); // monotonic
    EXPECT_EQ(services.clock->timeOfDayText().size(), 8);
}

} // namespace
} // namespace kviz::testing
