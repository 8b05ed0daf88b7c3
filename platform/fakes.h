// Stand-ins for the system services, for tests: a clock driven by hand, a beep counter,
// a recorded end of the program, folders of the test's choosing, and scripted dialogs that
// answer from a queue and record every call.
#pragma once

#include "platform/services.h"

#include <QPoint>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace kviz {

class FakeClock : public Clock {
public:
    QString timeText = "12:00:00";
    double now = 1000.0;
    QString timeOfDayText() override { return timeText; }
    double seconds() override { return now; }
};

class FakeBeeper : public Beeper {
public:
    int count = 0;
    void beep() override { ++count; }
};

class FakeKeystrokes : public Keystrokes {
public:
    int tabs = 0;
    std::function<void()> onTab;
    void sendTab() override {
        ++tabs;
        if (onTab)
            onTab();
    }
};

class FakeProgramEnd : public ProgramEnd {
public:
    int count = 0;
    void endProgram() override { ++count; }
};

class FakeLocations : public Locations {
public:
    std::filesystem::path root;
    std::filesystem::path program;
    std::filesystem::path stateRoot() override { return root; }
    std::filesystem::path programFolder() override { return program; }
};

struct DialogCall {
    enum class Kind { Message, Input, Modal };
    Kind kind = Kind::Message;
    QString text;  // message text or input prompt
    QString title; // title, or the modal form's caption
    QString defaultAnswer;
    QString answer;
    MessageIcon icon = MessageIcon::None;
    QPoint position;
};

class ScriptedDialogs : public Dialogs {
public:
    // Answers for the next input boxes, in order; an empty queue answers as Cancel does.
    std::deque<QString> answers;
    std::vector<DialogCall> calls;
    // Runs while a modal form is shown; by default the form is closed at once.
    std::function<void(Form&)> onModal;
    // Runs while a message box or an input box is open.
    std::function<void(const DialogCall&)> whileOpen;

    void messageBox(const QString& text, const QString& title, MessageIcon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                     QPoint topLeftTwips) override;
    void showModal(Form& form) override;

    int count(DialogCall::Kind kind) const;
    const DialogCall* last(DialogCall::Kind kind) const;
};

// Every fake at once, with the services that point at them.
struct FakeServices {
    FakeClock clock;
    FakeBeeper beeper;
    FakeKeystrokes keystrokes;
    FakeProgramEnd programEnd;
    FakeLocations locations;
    ScriptedDialogs dialogs;
    Services services() {
        return Services{&clock, &beeper, &keystrokes, &programEnd, &locations, &dialogs};
    }
};

} // namespace kviz
