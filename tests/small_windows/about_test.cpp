// The About windows through real events: "O Programu" closes by its button, the maker's window
// can be made smaller or larger than its design size, grey all over.
#include "platform/fakes.h"
#include "small_windows/frm_oprogramu.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace kviz {
namespace {

TEST(AboutWindows, IzlazClosesTheProgramsWindow) {
    FakeServices fakes;
    frmOProgramu about(fakes.services());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.window()));
    QTest::mouseClick(about.Command1->widget(), Qt::LeftButton);
    EXPECT_TRUE(about.unloaded());
    EXPECT_FALSE(about.visible());
}

TEST(AboutWindows, TheMakersWindowResizesBothWays) {
    FakeServices fakes;
    frmOAutoru about(fakes.services());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.window()));
    const QSize designed(312, 213); // 4680 x 3195 twips

    for (QSize change : {QSize(-150, -100), QSize(100, 80)}) {
        const QSize asked = about.window()->size() + change;
        about.window()->resize(asked);
        QApplication::processEvents();
        EXPECT_EQ(about.window()->size(), asked);
        EXPECT_EQ(about.surface()->size(), designed + change);
        const QImage shown = about.surface()->grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(192, 192, 192));
        about.window()->resize(about.window()->size() - change);
    }
}

} // namespace
} // namespace kviz
