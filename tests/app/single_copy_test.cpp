// One copy of the program at a time on a state folder.
#include "app/single_copy.h"
#include "platform/fakes.h"
#include "tests/support/temp_folder.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kviz {
namespace {

using testing::TempFolder;
using namespace std::chrono_literals;

class SingleCopyTest : public ::testing::Test {
protected:
    SingleCopyTest() { fakes.locations.root = dir / "KVIZOMAT"; }

    std::vector<std::string> stateFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir / "KVIZOMAT"))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TempFolder dir;
    FakeServices fakes;
};

TEST_F(SingleCopyTest, ASecondCopyIsRefusedWhileTheFirstRuns) {
    auto first = std::make_unique<SingleCopy>(fakes.services());
    ASSERT_TRUE(first->claim()); // the state folder is created for the lock
    EXPECT_EQ(fakes.dialogs.calls.size(), 0u);

    SingleCopy second(fakes.services());
    EXPECT_FALSE(second.claim());
    ASSERT_EQ(fakes.dialogs.calls.size(), 1u);
    const DialogCall& told = fakes.dialogs.calls[0];
    EXPECT_EQ(told.kind, DialogCall::Kind::Message);
    EXPECT_EQ(told.text, "Program je vec pokrenut.");
    EXPECT_EQ(told.title, "Greska");
    EXPECT_EQ(told.icon, MessageIcon::Critical);
    EXPECT_EQ(stateFiles(), std::vector<std::string>{"Kvizomat.lck"});

    first.reset();
    EXPECT_TRUE(SingleCopy(fakes.services()).claim());
    EXPECT_EQ(fakes.dialogs.calls.size(), 1u);
}

// A lock file that a copy wrote a day ago and holds no other lock on: it blocks as long as the
// copy's process runs, and not once that process has ended.
TEST_F(SingleCopyTest, AnOldLockBlocksOnlyWhileItsProcessRuns) {
    const pid_t ended = fork();
    ASSERT_GE(ended, 0);
    if (ended == 0)
        _exit(0);
    ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
    const struct {
        const char* name;
        pid_t pid;
        bool refused;
    } rows[] = {{"running", getpid(), true}, {"ended", ended, false}};
    for (const auto& row : rows) {
        TempFolder state;
        fakes.locations.root = state.path();
        fakes.dialogs.calls.clear();
        const auto lock = state / "Kvizomat.lck";
        testing::writeBytes(lock, std::to_string(row.pid) + "\n" +
                                      QCoreApplication::applicationName().toStdString() + "\n" +
                                      QSysInfo::machineHostName().toStdString() + "\n");
        std::filesystem::last_write_time(lock, std::filesystem::last_write_time(lock) - 24h);

        SingleCopy copy(fakes.services());
        EXPECT_EQ(copy.claim(), !row.refused) << row.name;
        EXPECT_EQ(fakes.dialogs.calls.size(), row.refused ? 1u : 0u) << row.name;
        if (!row.refused) { // and now holds it
            EXPECT_FALSE(SingleCopy(fakes.services()).claim()) << row.name;
        }
    }
}

} // namespace
} // namespace kviz
