// The traffic-situation window on a small bank of its own, for the window tests.
#pragma once

#include "choice_picture/frm_slisaobrsitsaponudj_abcd_odgovorima.h"
#include "tests/support/window_fixture.h"

#include <QMainWindow>
#include <QTest>
#include <QWidget>

namespace kviz::testing {

// Question q of the test bank: answers a and b always, c from question 2 on, d from question
// 3 on when q is odd; the correct answer is b for odd q and a for even q.
inline std::vector<std::string> testQuestion(int q) {
    std::vector<std::string> lines = {"Pitanje broj " + std::to_string(q), "drugi red teksta"};
    lines.push_back(std::string(q % 2 == 0 ? "*" : " ") + "a) prvi odgovor");
    lines.push_back(std::string(q % 2 == 1 ? "*" : " ") + "b) drugi odgovor");
    lines.push_back("   nastavak drugog odgovora");
    if (q >= 2)
        lines.push_back(" c) treci odgovor");
    if (q >= 3 && q % 2 == 1)
        lines.push_back(" d) cetvrti odgovor");
    return lines;
}

class PictureWindowTest : public WindowFixture {
protected:
    std::unique_ptr<TestWindow> start(int questions = 5) {
        std::vector<std::vector<std::string>> bank;
        for (int q = 1; q <= questions; ++q)
            bank.push_back(testQuestion(q));
        writeBank("ssitabcd", "ssitabcd.pit", choiceBank(std::to_string(questions), bank));
        return startWindow();
    }
    // Starts with the list "NOVI KANDIDAT", "ANA" (or the list given), and ANA named at the
    // start-up prompt.
    std::unique_ptr<TestWindow> startAsAna(int questions = 5,
                                           const std::string& list = "NOVI KANDIDAT\r\nANA\r\n") {
        writeCandidateList(list);
        fakes.dialogs.answers = {"ana"};
        return start(questions);
    }
    std::unique_ptr<TestWindow> startWindow() {
        auto window = std::make_unique<frmSlisaobrsitsaponudjABCDodgovorima>(services());
        window->show();
        activate(*window);
        return window;
    }
    // A click at a point in canvas units, finer than a pixel, through the window's event entry.
    static void clickAt(TestWindow& w, double x, double y) {
        w.dispatchMouseMove(0, 0, {x, y});
        w.dispatchMouseDown(1, 0, {x, y});
        w.dispatchMouseUp(1, 0, {x, y});
        w.dispatchClick();
    }
    // A character key pressed and released, to the control with the focus.
    static void key(TestWindow& w, char ascii) { QTest::keyClick(target(*w.window()), ascii); }
    int beeps() const { return fakes.beeper.count; }
};

} // namespace kviz::testing
