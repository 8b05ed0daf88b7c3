// The drawing surface and the keys on a real X11 server, which the offscreen platform cannot
// show. CTest runs this program only under xvfb-run, with QT_QPA_PLATFORM=xcb.
#include "platform/canvas.h"
#include "tests/platform/recording_form.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

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

// Each repeat of a held key is a release and a press with one time stamp; here each press comes
// after its release has been read, as on a busy desktop, so that Qt does not mark the two.
TEST(Keys, OnAnX11ServerAHeldKeyIsReleasedOnce) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    FakeServices fakes;
    RecordingForm form(fakes.services());
    form.keyPreview = true;
    ASSERT_TRUE(showActive(form));
    xcb_key_press_event_t event{};
    event.detail = 38; // the A key of a PC keyboard
    event.time = 1000;
    event.event = static_cast<xcb_window_t>(form.window()->winId());
    event.same_screen = 1;
    auto send = [&](uint8_t type) {
        event.response_type = type;
        xcb_send_event(x11, false, event.event, 0, reinterpret_cast<const char*>(&event));
        xcb_flush(x11);
        QTest::qWait(5);
    };
    send(XCB_KEY_PRESS);
    for (int repeat = 0; repeat < 5; ++repeat) {
        event.time += 40;
        send(XCB_KEY_RELEASE);
        send(XCB_KEY_PRESS);
    }
    event.time += 40;
    send(XCB_KEY_RELEASE);
    QTest::qWait(200);

    EXPECT_EQ(form.events.count("Form_KeyDown 65 0"), 6);
    EXPECT_EQ(form.events.count("Form_KeyUp 65 0"), 1);
}

} // namespace
} // namespace kviz::testing
