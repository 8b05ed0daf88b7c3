// A key held down, sent as an X11 server sends it: the press, then each repeat as a release and a
// press with one time stamp, neither marked as a repeat, and at last the release.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace kviz::testing {

// True once the last release has reached the window.
inline bool holdKey(QWidget& window, Qt::Key key, int repeats, const QString& text = {}) {
    static quint64 time = 1000; // the server's clock, in milliseconds
    QWidget* target = nullptr;
    auto send = [&](QEvent::Type type) {
        target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
        if (type == QEvent::KeyPress &&
            qt_sendShortcutOverrideEvent(target, time, key, Qt::NoModifier, text))
            return;
        QKeyEvent event(type, key, Qt::NoModifier, text);
        event.setTimestamp(time);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::KeyPress);
    for (int i = 0; i < repeats; ++i) {
        time += 40;
        send(QEvent::KeyRelease);
        send(QEvent::KeyPress);
    }
    time += 40;
    send(QEvent::KeyRelease);
    // The last release reaches the window once no press has followed it.
    struct Seen : QObject {
        Qt::Key key;
        bool released = false;
        explicit Seen(Qt::Key k) : key(k) {}
        bool eventFilter(QObject*, QEvent* e) override {
            released |= e->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(e)->key() == key;
            return false;
        }
    } seen(key);
    target->installEventFilter(&seen);
    const bool released = QTest::qWaitFor([&seen] { return seen.released; }, 1000);
    target->removeEventFilter(&seen);
    return released;
}

} // namespace kviz::testing
