// The real services of the running program.
#include "platform/form.h"
#include "platform/services.h"
#include "platform/standard_texts.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTime>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <vector>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace kviz {

namespace {

class SystemClock : public Clock {
public:
    SystemClock() { timer_.start(); }
    QString timeOfDayText() override { return QTime::currentTime().toString("HH:mm:ss"); }
    double seconds() override { return static_cast<double>(timer_.nsecsElapsed()) / 1e9; }

private:
    QElapsedTimer timer_;
};

class SystemBeeper : public Beeper {
public:
    void beep() override { QApplication::beep(); }
};

// The control that takes the keyboard. Right after a switch or a dialog Qt may see no window
// as active while the keys already reach one: then it is the focus widget of the window with
// the keyboard focus, or of the one window shown.
QWidget* keyboardTarget() {
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    QWidget* window = QApplication::activeWindow();
    if (window == nullptr) {
        std::vector<QWidget*> shown;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || top->windowType() == Qt::Popup ||
                top->windowType() == Qt::ToolTip)
                continue;
            if (top->windowHandle() != nullptr &&
                top->windowHandle() == QGuiApplication::focusWindow()) {
                window = top;
                break;
            }
            shown.push_back(top);
        }
        if (window == nullptr && shown.size() == 1)
            window = shown.front();
    }
    return window != nullptr ? window->focusWidget() : nullptr;
}

class SystemKeystrokes : public Keystrokes {
public:
    void sendTab() override {
        QWidget* target = keyboardTarget();
        if (target == nullptr)
            return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, "\t");
        if (QWidget* next = keyboardTarget())
            QApplication::sendEvent(next, &release);
    }
};

class SystemProgramEnd : public ProgramEnd {
public:
    void endProgram() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QCoreApplication::exit(0);
    }
};

class SystemLocations : public Locations {
public:
    std::filesystem::path stateRoot() override {
#ifdef _WIN32
        return std::filesystem::path("C:\\KVIZOMAT");
#else
        // HOME first, as every desktop program takes it, so that a user or a script can keep
        // a separate state; the account's home folder only when HOME is unset or empty.
        const char* home = std::getenv("HOME");
        if (home != nullptr && *home != '\0')
            return std::filesystem::path(home) / "KVIZOMAT";
        const passwd* entry = getpwuid(getuid());
        std::filesystem::path account = entry != nullptr && entry->pw_dir != nullptr
                                            ? std::filesystem::path(entry->pw_dir)
                                            : std::filesystem::path("/tmp");
        return account / "KVIZOMAT";
#endif
    }
    std::filesystem::path programFolder() override {
        return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    }
};

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

class SystemDialogs : public Dialogs {
public:
    void messageBox(const QString& text, const QString& title, MessageIcon icon) override {
        const Open open(*this);
        installStandardTexts(); // a box may come before the first window
        QPointer<QWidget> owner = dialogOwner();
        QMessageBox box(owner);
        box.setWindowTitle(title);
        box.setText(text);
        switch (icon) {
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::None:
            break;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        giveKeyboardTo(owner);
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer,
                     QPoint topLeftTwips) override {
        const Open open(*this);
        installStandardTexts();
        QPointer<QWidget> owner = dialogOwner();
        QDialog dialog(owner);
        dialog.setWindowTitle(title);
        auto* layout = new QVBoxLayout(&dialog);
        auto* label = new QLabel(prompt, &dialog);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
        auto* edit = new QLineEdit(defaultAnswer, &dialog);
        edit->selectAll();
        layout->addWidget(edit);
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        dialog.setMinimumWidth(pixels(4800));
        dialog.move(pixels(topLeftTwips.x()), pixels(topLeftTwips.y()));
        const bool accepted = dialog.exec() == QDialog::Accepted;
        giveKeyboardTo(owner);
        return accepted ? edit->text() : QString();
    }

    void showModal(Form& form) override {
        const Open open(*this);
        form.load();
        if (form.unloaded())
            return;
        QEventLoop loop;
        QObject::connect(&form, &Form::unloadedSignal, &loop, &QEventLoop::quit);
        form.window()->setWindowModality(Qt::ApplicationModal);
        form.show();
        if (!form.unloaded())
            loop.exec();
    }
};

} // namespace

Services systemServices() {
    static SystemClock clock;
    static SystemBeeper beeper;
    static SystemKeystrokes keystrokes;
    static SystemProgramEnd programEnd;
    static SystemLocations locations;
    static SystemDialogs dialogs;
    return Services{&clock, &beeper, &keystrokes, &programEnd, &locations, &dialogs};
}

} // namespace kviz
