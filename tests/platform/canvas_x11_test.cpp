// The drawing surface on a real X11 screen, which the offscreen platform cannot show. CTest runs
// this program only under xvfb-run, with QT_QPA_PLATFORM=xcb.
#include "platform/canvas.h"
#include "tests/platform/recording_form.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <gtest/gtest.h>

namespace kviz::testing {
namespace {

TEST(Canvas, OnAnX11ScreenTheWindowKeepsWhatItShowsFromOneRepaintToTheNext) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb")
        << "needs an X server: QT_QPA_PLATFORM=xcb xvfb-run ...";
    FakeServices fakes;
    RecordingForm form(fakes.services(), 3000, 1500);
    form.canvas().setScale(15, 15);
    ASSERT_TRUE(showActive(form));
    QWidget* window = form.window();
    for (QColor color : {Qt::red, Qt::blue}) {
        form.canvas().filledBox(10, 10, 19, 19, color);
        form.canvas().print("DA");
        QTest::qWait(50); // the repaint
        // What the window holds between repaints goes to the screen as it is.
        window->backingStore()->flush(QRegion(window->rect()));
        const QImage onScreen = window->screen()->grabWindow(window->winId()).toImage();
        EXPECT_EQ(onScreen.convertToFormat(QImage::Format_RGB32),
                  window->grab().toImage().convertToFormat(QImage::Format_RGB32))
            << color.name().toStdString();
    }
}

} // namespace
} // namespace kviz::testing
