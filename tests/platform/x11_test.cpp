// The drawing surface and the keys on a real X11 server, which the offscreen platform cannot
// show. CTest runs this program only under xvfb-run, with QT_QPA_PLATFORM=xcb; elsewhere each
// test fails, saying so.
#include "platform/canvas.h"
#include "tests/platform/recording_form.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace kviz::testing {
namespace {

const char* const kNeedsAnXServer = "needs an X server: QT_QPA_PLATFORM=xcb xvfb-run ...";

TEST(Canvas, OnAnX11ScreenTheWindowKeepsWhatItShowsFromOneRepaintToTheNext) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb") << kNeedsAnXServer;
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

// Presses or releases the A key of a PC keyboard as a user would, through the server.
void keyA(xcb_connection_t* server, uint8_t type) {
    xcb_test_fake_input(server, type, 38, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(server);
}

// Looks, as soon as the window has handed a key's release from the server on to its widgets,
// whether the form has had it.
struct ReleaseCheck : QObject {
    explicit ReleaseCheck(RecordingForm& form) : form(form) {
        form.window()->windowHandle()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease)
            QTimer::singleShot(0, this, [this] { releasedAtOnce << form.events.count(keyUp); });
        return false;
    }
    RecordingForm& form;
    const QString keyUp = "Form_KeyUp 65 0";
    QList<int> releasedAtOnce; // the form's releases, counted after each release of the window
};

// The server sends a held key as its press, a press again with each repeat and one release. The
// repeats go only to the window that took the press, here while another has the keyboard, as
// after a key that opens a window; the release reaches the form as it is read, held back for no
// press that might follow it.
TEST(Keys, OnAnX11ServerAHeldKeyIsReleasedOnce) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb") << kNeedsAnXServer;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr) << kNeedsAnXServer;
    Window first, opened;
    first.form.keyPreview = opened.form.keyPreview = true;
    auto& box = opened.place<TextBox>("txt", 300);
    ASSERT_TRUE(showActive(first.form));
    keyA(x11->connection(), XCB_KEY_PRESS);
    QTest::qWait(100);
    ASSERT_TRUE(opened.focusOn(box));
    EventCount presses(opened.form.window()->windowHandle(), QEvent::KeyPress);
    ReleaseCheck check(opened.form);
    QTest::qWait(1100); // the server repeats a key held for more than about 660 ms
    keyA(x11->connection(), XCB_KEY_RELEASE);
    QTest::qWait(100);

    EXPECT_GE(presses.count, 5);
    EXPECT_EQ(first.form.only({"Form_Key"}),
              QStringList({"Form_KeyDown 65 0", "Form_KeyPress 97"}));
    EXPECT_EQ(opened.form.events, QStringList({"Form_KeyUp 65 0", "txt KeyUp 65 0"}));
    EXPECT_EQ(check.releasedAtOnce, QList<int>{1});
}

// A key released while another program has the keyboard is up for this one: its next press is a
// press of its own, in whichever window of the program has the keyboard then.
TEST(Keys, OnAnX11ServerAKeyReleasedInAnotherProgramIsPressedAnew) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb") << kNeedsAnXServer;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr) << kNeedsAnXServer;
    xcb_connection_t* server = x11->connection();
    Window first, second;
    auto& box = second.place<TextBox>("txt", 300);
    ASSERT_TRUE(showActive(first.form));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(server)).data;
    const xcb_window_t other = xcb_generate_id(server); // a window that no widget knows
    xcb_create_window(server, XCB_COPY_FROM_PARENT, other, screen->root, 0, 0, 50, 50, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_map_window(server, other);
    keyA(server, XCB_KEY_PRESS);
    QTest::qWait(100);
    xcb_set_input_focus(server, XCB_INPUT_FOCUS_POINTER_ROOT, other, XCB_CURRENT_TIME);
    xcb_flush(server);
    const bool left = QTest::qWaitFor(
        [] { return QGuiApplication::applicationState() != Qt::ApplicationActive; });
    keyA(server, XCB_KEY_RELEASE);
    xcb_destroy_window(server, other);
    ASSERT_TRUE(left);
    ASSERT_TRUE(second.focusOn(box));
    keyA(server, XCB_KEY_PRESS);
    keyA(server, XCB_KEY_RELEASE);
    QTest::qWait(100);

    EXPECT_EQ(box.text(), "a");
}

} // namespace
} // namespace kviz::testing
