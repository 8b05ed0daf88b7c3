// The services a window asks of the system, each behind its own interface, so that tests can
// put fakes in their place: the clock, the beep, keystrokes, the end of the program, the
// state and program folders, and the dialogs (message box, input box, modal windows).
#pragma once

#include <QPoint>
#include <QString>
#include <filesystem>

namespace kviz {

class Form;

class Clock {
public:
    virtual ~Clock() = default;
    // The time of day as text, hours, minutes and seconds.
    virtual QString timeOfDayText() = 0;
    // Seconds on a monotonic clock, with a fraction; only differences have a meaning.
    virtual double seconds() = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    // Sends a Tab key to the window that has the focus.
    virtual void sendTab() = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program: every window closes and no further handler runs.
    virtual void endProgram() = 0;
};

class Locations {
public:
    virtual ~Locations() = default;
    // The folder that holds the candidate list and the progress folders: C:\KVIZOMAT on
    // Windows, elsewhere KVIZOMAT in $HOME (the account's home folder when HOME is unset or
    // empty).
    virtual std::filesystem::path stateRoot() = 0;
    // The folder of the program's executable, beside which the test data folders lie.
    virtual std::filesystem::path programFolder() = 0;
};

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with one OK button.
    virtual void messageBox(const QString& text, const QString& title, MessageIcon icon) = 0;
    // An input box whose top-left corner is at the given point in twips on the screen.
    // Cancel gives an empty answer.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultAnswer, QPoint topLeftTwips) = 0;
    // Loads the form, shows it modally and returns when it has been closed and unloaded.
    virtual void showModal(Form& form) = 0;

    // One of the boxes or modal forms is open.
    bool anyOpen() const { return open_ > 0; }

protected:
    // Counts a box or modal form as open while it lives.
    class Open {
    public:
        explicit Open(Dialogs& dialogs) : dialogs_(dialogs) { ++dialogs_.open_; }
        ~Open() { --dialogs_.open_; }
        Open(const Open&) = delete;
        Open& operator=(const Open&) = delete;

    private:
        Dialogs& dialogs_;
    };

private:
    int open_ = 0;
};

struct Services {
    Clock* clock = nullptr;
    Beeper* beeper = nullptr;
    Keystrokes* keystrokes = nullptr;
    ProgramEnd* programEnd = nullptr;
    Locations* locations = nullptr;
    Dialogs* dialogs = nullptr;
};

// The real services of the running program.
Services systemServices();

} // namespace kviz
