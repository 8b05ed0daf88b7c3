// A key held down as an X11 server sends it unless asked for presses alone: the press, each repeat
// as a release and a press with one time stamp (marked as a repeat only where Qt sees the two
// together), and the release.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace kviz::testing {

inline void holdKey(QWidget& window, Qt::Key key, int repeats, bool marked = false) {
    static quint64 time = 1000; // the server's clock, in milliseconds
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii != 0 ? QString(QChar::fromLatin1(ascii)) : QString();
    auto send = [&](QEvent::Type type, bool repeat = false) {
        QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
        if (type == QEvent::KeyPress &&
            qt_sendShortcutOverrideEvent(target, time, key, Qt::NoModifier, text, repeat))
            return;
        QKeyEvent event(type, key, Qt::NoModifier, text, repeat);
        event.setTimestamp(time);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::KeyPress);
    for (int i = 0; i < repeats; ++i) {
        time += 40;
        send(QEvent::KeyRelease, marked);
        send(QEvent::KeyPress, marked);
    }
    time += 40;
    send(QEvent::KeyRelease);
    // The last release reaches the window once no press has followed it; each wait lets it go on
    // should the one before have been taken up by a long repaint.
    for (int i = 0; i < 10; ++i)
        QTest::qWait(10);
}

} // namespace kviz::testing
