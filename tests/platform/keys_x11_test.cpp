// Keys as a real X server sends them, which the offscreen platform cannot. CTest runs this
// program only under xvfb-run, with QT_QPA_PLATFORM=xcb.
#include "tests/platform/recording_form.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace kviz::testing {
namespace {

// The key code that the server's keyboard map gives a key symbol, or 0.
xcb_keycode_t keycodeOf(xcb_connection_t* connection, xcb_keysym_t symbol) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    xcb_keycode_t found = 0;
    if (map != nullptr) {
        const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(map);
        for (int i = 0; found == 0 && i < count * map->keysyms_per_keycode; ++i)
            if (symbols[i] == symbol)
                found =
                    static_cast<xcb_keycode_t>(setup->min_keycode + i / map->keysyms_per_keycode);
        free(map);
    }
    return found;
}

// Each repeat of a held key is a release and a press with one time stamp. Here the press of
// each pair reaches the program only after its release has been read, as on a busy desktop,
// so that Qt does not mark them as a repeat: the window still sees one press per repeat and
// one release.
TEST(Keys, OnAnX11ServerAHeldKeyIsReleasedOnce) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb")
        << "needs an X server: QT_QPA_PLATFORM=xcb xvfb-run ...";
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const xcb_keycode_t pageDown = keycodeOf(connection, 0xff56); // Page_Down
    ASSERT_NE(pageDown, 0);
    FakeServices fakes;
    RecordingForm form(fakes.services());
    form.keyPreview = true;
    ASSERT_TRUE(showActive(form));
    const auto window = static_cast<xcb_window_t>(form.window()->winId());
    xcb_timestamp_t time = 1000;
    auto send = [&](uint8_t type) {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.detail = pageDown;
        event.time = time;
        event.root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        event.event = window;
        event.same_screen = 1;
        xcb_send_event(connection, false, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(connection);
        QTest::qWait(5);
    };
    const int repeats = 5;
    send(XCB_KEY_PRESS);
    for (int i = 0; i < repeats; ++i) {
        time += 40;
        send(XCB_KEY_RELEASE);
        send(XCB_KEY_PRESS);
    }
    time += 40;
    send(XCB_KEY_RELEASE);
    QTest::qWait(200);

    EXPECT_EQ(form.events.count("Form_KeyDown 34 0"), repeats + 1);
    EXPECT_EQ(form.events.count("Form_KeyUp 34 0"), 1);
}

} // namespace
} // namespace kviz::testing
