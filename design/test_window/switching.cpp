// Switching to another test: the Test menu and toolbar images 1 to 9.
#include "design/test_window.h"

namespace kviz {

void TestWindow::TestItem_Click(std::size_t catalogueRow) {
    const TestDescriptor& target = testCatalogue()[catalogueRow];
    if (target.window == test_.window) {
        services().beeper->beep(); // the window's own test
        return;
    }
    WindowSwitch(target);
}

void TestWindow::WindowSwitch(const TestDescriptor& target) {
    if (testSwitch == nullptr)
        return; // a window on its own, as in the tests of one window
    const bool helpLineShown = lblPomocuprvomredu->visible();
    const SaveOutcome saved = SaveSession("Test nije promenjen.");
    if (WorkLimitReached()) {
        // The limit came while the name was asked: the end comes in place of the switch, with
        // the name given.
        lblPomocuprvomredu->setVisible(helpLineShown);
        EndAtLimit(saved);
        return;
    }
    if (saved != SaveOutcome::Saved) {
        // The window stays as it was, with the work that could not be saved or was given no
        // name.
        lblPomocuprvomredu->setVisible(helpLineShown);
        return;
    }
    tmrTimer1->setEnabled(false); // no tick of this window runs once it is replaced
    questionFile_.close();
    const bool hourglass = target.testWord != test_.switchWithoutHourglass;
    if (hourglass)
        setMousePointer(MousePointer::Hourglass);
    testSwitch->open(target);
    if (hourglass)
        setMousePointer(MousePointer::Default);
    unload();
    testSwitch->dropReplacedLater();
}

} // namespace kviz
