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
    if (SaveSession("Test nije promenjen.") != SaveOutcome::Saved) {
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
