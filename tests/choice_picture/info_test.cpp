// The help box and the About windows.
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

#include <QApplication>

namespace kviz {
namespace {

using Info = testing::PictureWindowTest;

// The help box's text for three and four answers is in the snapshots; here two answers, and the
// modes.
TEST_F(Info, HelpTextFollowsTheAnswersAndTheMode) {
    auto w = start(1);
    testing::chooseFromMenuBar(w->mnuPomocPomoczaaktivniprogram);
    ASSERT_NE(fakes.dialogs.last(DialogCall::Kind::Message), nullptr);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
              "\nKliknite misom na ponudjeni a) ili b) odgovor,\n\nili pritisnite slovo A ili B."
              "\n\n\nDesnim klikom misa , pritiskom na taster Enter,\n\nili klikom misa u "
              "vertikalni skrol bar prelazite na\n\nsledece pitanje.");
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

// The help line hidden while the help box or an About window is open (see the snapshots) is shown
// again when it closes; switched off, it stays off.
TEST_F(Info, HelpLineBackAfterTheBoxAndTheAboutWindows) {
    auto w = start(3);
    for (MenuItem* item : {w->mnuPomocPomoczaaktivniprogram, w->mnuInfoOProgramu}) {
        testing::chooseFromMenuBar(item);
        EXPECT_TRUE(w->lblPomocuprvomredu->visible()) << item->name().toStdString();
    }
    testing::chooseFromMenuBar(w->mnuPodesavanjaPomocuprvomredu);
    for (MenuItem* item : {w->mnuPomocPomoczaaktivniprogram, w->mnuInfoOAutoru}) {
        testing::chooseFromMenuBar(item);
        EXPECT_FALSE(w->lblPomocuprvomredu->visible()) << item->name().toStdString();
    }
}

TEST_F(Info, AboutWindowsShownOverTheTestWindow) {
    auto w = start(3);
    QRect grown;
    QSize minimum, maximum;
    bool title = false, close = false, minimise = true, maximise = true;
    fakes.dialogs.onModal = [&](Form& form) {
        QMainWindow* shown = form.window();
        shown->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
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
