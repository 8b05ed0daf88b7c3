// A form that writes every event it gets into a list, and helpers that let the controls write
// theirs into the same list, so that a test can check the order of events across both.
#pragma once

#include "platform/fakes.h"
#include "platform/form.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointF>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

// Lets the test output show texts and lists of texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kviz::testing {

class RecordingForm : public Form {
public:
    explicit RecordingForm(Services services, int widthTwips = 6000, int heightTwips = 4500)
        : Form(services, widthTwips, heightTwips) {}

    QStringList events;
    std::vector<QPointF> mousePoints; // in units, one per mouse down, move and up
    std::function<void()> whileLoading;
    int cancelKeyDown = -1;  // a key code that Form_KeyDown sets to 0
    int cancelKeyPress = -1; // a character code that Form_KeyPress sets to 0

    // The events whose names start with one of the prefixes.
    QStringList only(const QStringList& prefixes) const {
        QStringList kept;
        for (const QString& e : events)
            if (std::any_of(prefixes.begin(), prefixes.end(),
                            [&e](auto& p) { return e.startsWith(p); }))
                kept << e;
        return kept;
    }

protected:
    void Form_Load() override {
        events << "Load";
        if (whileLoading)
            whileLoading();
    }
    void Form_Activate() override { events << "Activate"; }
    void Form_Unload() override { events << "Unload"; }
    void Form_KeyDown(int& keyCode, int shift) override {
        events << QString("Form_KeyDown %1 %2").arg(keyCode).arg(shift);
        if (keyCode == cancelKeyDown)
            keyCode = 0;
    }
    void Form_KeyPress(int& keyAscii) override {
        events << QString("Form_KeyPress %1").arg(keyAscii);
        if (keyAscii == cancelKeyPress)
            keyAscii = 0;
    }
    void Form_KeyUp(int& keyCode, int shift) override {
        events << QString("Form_KeyUp %1 %2").arg(keyCode).arg(shift);
    }
    void Form_MouseDown(int button, int shift, double x, double y) override {
        events << QString("MouseDown %1").arg(button) + shiftText(shift);
        mousePoints.emplace_back(x, y);
    }
    void Form_MouseMove(int button, int, double x, double y) override {
        events << QString("MouseMove %1").arg(button);
        mousePoints.emplace_back(x, y);
    }
    void Form_MouseUp(int button, int shift, double x, double y) override {
        events << QString("MouseUp %1").arg(button) + shiftText(shift);
        mousePoints.emplace_back(x, y);
    }
    void Form_Click() override { events << "Click"; }
    static QString shiftText(int shift) {
        return shift != 0 ? QString(" shift %1").arg(shift) : QString();
    }
    void Form_DblClick() override { events << "DblClick"; }
};

// Lets a control write its key and focus events into the list, prefixed with its name.
inline void record(Control& control, QStringList& events) {
    QString name = control.name();
    control.onKeyDown = [&events, name](int& keyCode, int shift) {
        events << QString("%1 KeyDown %2 %3").arg(name).arg(keyCode).arg(shift);
    };
    control.onKeyPress = [&events, name](int& keyAscii) {
        events << QString("%1 KeyPress %2").arg(name).arg(keyAscii);
    };
    control.onKeyUp = [&events, name](int& keyCode, int shift) {
        events << QString("%1 KeyUp %2 %3").arg(name).arg(keyCode).arg(shift);
    };
    control.onGotFocus = [&events, name] { events << name + " GotFocus"; };
    control.onLostFocus = [&events, name] { events << name + " LostFocus"; };
}

// Counts the events of one type that an object receives.
struct EventCount : QObject {
    EventCount(QObject* object, QEvent::Type type) : type(type) {
        object->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == type;
        return false;
    }
    QEvent::Type type;
    int count = 0;
};

// Waits until the window is the application's active window. (QTest::qWaitForWindowActive
// takes a dialog for active while its owner is, so it cannot tell the two apart.)
inline bool waitActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

// Makes the window the active one again, as a click on it would.
inline bool reactivate(QWidget* window) {
    window->activateWindow();
    return waitActive(window);
}

// Shows the form and waits until its window is the active one.
inline bool showActive(Form& form) {
    form.show();
    return reactivate(form.window());
}

// A form with its fake services: a test's fixture, or a form of its own for each row of a table.
struct Window {
    FakeServices fakes;
    RecordingForm form{fakes.services()};

    // A box at the given top that writes its key and focus events into the form's list.
    template <typename T> T& place(const QString& name, int top, const QString& text = QString()) {
        T& control = form.add<T>(name, form.surface(), text);
        control.setBounds(300, top, 2400, 360);
        record(control, form.events);
        return control;
    }
    // Shows the form as the active window and gives the control the focus; the events until
    // then are forgotten.
    bool focusOn(Control& control) {
        if (!showActive(form))
            return false;
        control.setFocus();
        form.events.clear();
        return QApplication::focusWidget() == control.widget();
    }
};

} // namespace kviz::testing
