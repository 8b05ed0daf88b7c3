// A test window's surroundings: temporary state and program folders, fake services, and the
// shared variables reset before each test.
#pragma once

#include "core/candidate_roster.h"
#include "core/kvizomat_module.h"
#include "platform/fakes.h"
#include "platform/form.h"
#include "tests/support/bank.h"
#include "tests/support/qt_print.h"
#include "tests/support/temp_folder.h"
#include "tests/support/user_input.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace kviz::testing {

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() {
        startProgramAgain();
        fakes.locations.root = dir / "KVIZOMAT";
        fakes.locations.program = dir / "program";
        std::filesystem::create_directories(fakes.locations.program);
    }

    // The shared values and the candidate roster as a new run of the program finds them.
    static void startProgramAgain() {
        basKvizomat = SharedVariables{};
        candidateRoster.reset();
    }

    Services services() { return fakes.services(); }
    std::filesystem::path stateRoot() const { return dir / "KVIZOMAT"; }

    // Writes a test's question file and returns its folder.
    std::filesystem::path writeBank(const std::string& testWord, const std::string& fileName,
                                    const std::string& bytes) {
        auto folder = fakes.locations.program / testWord / "pitiodg";
        std::filesystem::create_directories(folder);
        writeBytes(folder / fileName, bytes);
        return folder;
    }

    // Writes a small JPEG picture of a test.
    void writePicture(const std::string& testWord, const std::string& fileName, QColor color) {
        auto folder = fakes.locations.program / testWord / "JPGSLIKE";
        std::filesystem::create_directories(folder);
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(color);
        image.save(QString::fromStdString((folder / fileName).string()), "JPG");
    }

    // Shows the window as the active one, with Enter's Tab keystroke moving the focus on in it.
    void activate(Form& w) {
        QPointer<QMainWindow> window = w.window();
        fakes.keystrokes.onTab = [window] {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
            if (window != nullptr)
                QApplication::sendEvent(target(*window), &tab);
        };
        QApplication::setActiveWindow(w.window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window()));
    }
    // The control with the focus, or the window when none has it.
    static QWidget* target(QWidget& window) {
        return window.focusWidget() != nullptr ? window.focusWidget() : &window;
    }
    static void press(Form& w, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(target(*w.window()), key, mods);
    }
    // Gives the box the focus, puts the text in it and presses Enter there.
    static void enterIn(Form& w, ComboBox* box, const QString& text) {
        box->setFocus();
        box->setText(text);
        press(w, Qt::Key_Return);
    }
    // Keys to the control with the focus: characters, and Enter for a line feed.
    static void keys(Form& w, const QString& typed) {
        for (QChar c : typed) {
            if (c == '\n')
                press(w, Qt::Key_Return);
            else
                QTest::keyClicks(target(*w.window()), QString(c));
        }
    }

    // What was drawn on the window since the last clear, of one kind: the texts, the boxes.
    static std::vector<DrawOp> drawn(Form& w, DrawOp::Kind kind) {
        std::vector<DrawOp> out;
        for (const auto& op : w.canvas().log())
            if (op.kind == kind)
                out.push_back(op);
        return out;
    }
    static std::vector<DrawOp> texts(Form& w) { return drawn(w, DrawOp::Kind::Text); }
    static std::vector<DrawOp> boxes(Form& w) { return drawn(w, DrawOp::Kind::Box); }

    void writeCandidateList(const std::string& bytes) {
        std::filesystem::create_directories(stateRoot());
        writeBytes(stateRoot() / "Kandidat.ime", bytes);
    }

    TempFolder dir;
    FakeServices fakes;
};

} // namespace kviz::testing
