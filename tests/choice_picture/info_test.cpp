// The help box and the About windows.
#include "small_windows/frm_oprogramu.h"
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

#include <QApplication>

namespace kviz {
namespace {

using Info = testing::PictureWindowTest;

const QString kStepOn = "\n\n\nDesnim klikom misa , pritiskom na taster Enter,\n\nili klikom "
                        "misa u vertikalni skrol bar prelazite na\n\nsledece pitanje.";

TEST_F(Info, HelpTextFollowsTheAnswersAndTheMode) {
    auto w = start(3); // questions offer 2, 3 and 4 answers
    struct Case {
        int question;
        QString text;
    };
    const Case cases[] = {
        {1, "\nKliknite misom na ponudjeni a) ili b) odgovor,\n\nili pritisnite slovo A ili B." +
                kStepOn},
        {2, "\nKliknite misom na ponudjeni a), b) ili c) odgovor,\n\nili pritisnite slovo A, B "
            "ili C." +
                kStepOn},
        {3, "\nKliknite misom na ponudjeni a), b), c) ili d) odgovor,\n\nili pritisnite slovo "
            "A, B, C ili D." +
                kStepOn},
    };
    for (const auto& c : cases) {
        w->questionIndex = c.question;
        w->ShowQuestion();
        testing::chooseFromMenuBar(w->mnuPomocPomoczaaktivniprogram);
        const DialogCall* box = fakes.dialogs.last(DialogCall::Kind::Message);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text, c.text) << c.question;
        EXPECT_EQ(box->title, "Pomoc");
        EXPECT_EQ(box->icon, MessageIcon::Information);
    }
    testing::click(w->cmdBrziPregled);
    testing::click(w->imgtoolbar[18]); // the menus are off, the toolbar is not
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
              "\nZa izlaz kliknite misom bilo gde\n\nili pritisnite taster Enter.\n\n");
    testing::click(w->cmdKrajrada);
    w->tmrTimer1_Timer();
    testing::click(w->cmdPregled);
    testing::click(w->imgtoolbar[18]);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
              "\nZa izlaz kliknite misom na Izlaz.\n");
}

TEST_F(Info, FunctionKeysOpenTheHelpAndTheAboutWindows) {
    auto w = start(3);
    const struct {
        Qt::Key key;
        DialogCall::Kind kind;
        const char* title;
    } rows[] = {{Qt::Key_F1, DialogCall::Kind::Message, "Pomoc"},
                {Qt::Key_F12, DialogCall::Kind::Modal, "O Programu"},
                {Qt::Key_F11, DialogCall::Kind::Modal, "Form1"}};
    for (const auto& row : rows) {
        fakes.dialogs.calls.clear();
        QTest::keyClick(w->window()->focusWidget(), row.key);
        ASSERT_EQ(fakes.dialogs.calls.size(), 1u) << row.title;
        EXPECT_EQ(fakes.dialogs.calls[0].kind, row.kind) << row.title;
        EXPECT_EQ(fakes.dialogs.calls[0].title, row.title);
    }
}

TEST_F(Info, HelpLineHiddenWhileTheBoxIsOpen) {
    auto w = start(3);
    bool shownDuring = true;
    fakes.dialogs.whileOpen = [&](const DialogCall&) {
        shownDuring = w->lblPomocuprvomredu->visible();
    };
    testing::chooseFromMenuBar(w->mnuPomocPomoczaaktivniprogram);
    EXPECT_FALSE(shownDuring);
    EXPECT_TRUE(w->lblPomocuprvomredu->visible());
    testing::chooseFromMenuBar(w->mnuPodesavanjaPomocuprvomredu); // the help line off stays off
    testing::chooseFromMenuBar(w->mnuPomocPomoczaaktivniprogram);
    EXPECT_FALSE(w->lblPomocuprvomredu->visible());
}

TEST_F(Info, AboutTheProgram) {
    auto w = start(3);
    std::vector<QString> captions;
    fakes.dialogs.onModal = [&](Form& form) {
        if (auto* about = dynamic_cast<frmOProgramu*>(&form))
            for (Label* label : about->labels)
                captions.push_back(label->caption());
        EXPECT_FALSE(w->lblPomocuprvomredu->visible());
    };
    testing::chooseFromMenuBar(w->mnuInfoOProgramu);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Modal)->title, "O Programu");
    ASSERT_EQ(captions.size(), 12u);
    EXPECT_EQ(captions[0], "Test iz saobracajnih propisa za vozacki ispit A, B kategorije");
    EXPECT_EQ(captions[11], "Verzija:  3.1 od 27.07.1995. godine");
    int total = 0;
    for (std::size_t i = 1; i <= 9; ++i)
        total += captions[i].section('=', 1).toInt();
    EXPECT_EQ(total, 1139);
    EXPECT_EQ(captions[10], "Ukupno 1139 pitanja.");
    EXPECT_TRUE(w->lblPomocuprvomredu->visible());

    testing::chooseFromMenuBar(w->mnuPodesavanjaPomocuprvomredu);
    testing::chooseFromMenuBar(w->mnuInfoOAutoru);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Modal)->title, "Form1");
    EXPECT_FALSE(w->lblPomocuprvomredu->visible());
}

TEST_F(Info, AboutWindowsShownOverTheTestWindow) {
    auto w = start(3);
    w->window()->move(300, 200);
    QRect dialog, owner, grown;
    QSize minimum, maximum;
    bool title = false, close = false, minimise = true, maximise = true;
    fakes.dialogs.onModal = [&](Form& form) {
        QMainWindow* shown = form.window();
        shown->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
        dialog = shown->frameGeometry();
        owner = w->window()->frameGeometry();
        minimum = shown->minimumSize();
        maximum = shown->maximumSize();
        const Qt::WindowFlags flags = shown->windowFlags();
        title = flags.testFlag(Qt::WindowTitleHint);
        close = flags.testFlag(Qt::WindowCloseButtonHint);
        minimise = flags.testFlag(Qt::WindowMinimizeButtonHint);
        maximise = flags.testFlag(Qt::WindowMaximizeButtonHint);
        shown->resize(shown->size() + QSize(100, 80));
        QApplication::processEvents();
        grown = form.surface()->geometry();
    };
    testing::chooseFromMenuBar(w->mnuInfoOProgramu);
    EXPECT_NEAR(dialog.center().x(), owner.center().x(), 2);
    EXPECT_NEAR(dialog.center().y(), owner.center().y(), 2);
    EXPECT_EQ(minimum, maximum); // a fixed size
    EXPECT_TRUE(title && close);
    EXPECT_FALSE(minimise || maximise);
    EXPECT_EQ(grown.size(), QSize(455, 312)); // 6825 x 4680 twips, whatever the resize asked

    testing::chooseFromMenuBar(w->mnuInfoOAutoru);
    EXPECT_NE(minimum, maximum);
    EXPECT_EQ(grown.size(), QSize(312 + 100, 213 + 80)); // the client area follows the window
}

} // namespace
} // namespace kviz
