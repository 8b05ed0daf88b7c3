// Snapshots of the nine windows: what each shows on the sample banks in the states a candidate
// meets, compared line by line with its record in tests/snapshots/<test word>/<state>.txt.
// KVIZ_SNAPSHOT_UPDATE=1 rewrites the records from the windows instead (tests/snapshots/README.md):
//   KVIZ_SNAPSHOT_UPDATE=1 build/bin/app_tests --gtest_filter='*Snapshots*'
#include "tests/support/program_fixture.h"
#include "tests/support/snapshot.h"
#include "typed_picture/keyed_answer_window.h"
#include "typed_text/frm_typed_text.h"

#include <QApplication>
#include <functional>

namespace kviz {
namespace {

class Snapshots : public testing::ProgramFixture {
protected:
    void open() {
        startOnRow();
        w = windows.current();
        activate(*w);
        w->tmrTimer1->setEnabled(false); // it ticks only when the test ticks it
    }
    void check(const std::string& state, const DialogCall* box = nullptr, Form* over = nullptr) {
        testing::expectSnapshot(KVIZ_SNAPSHOT_DIR, std::string(w->test().testWord), state,
                                testing::snapshotOf(*w, tokens, box, over));
    }
    // Records the screen while the box or the window of the program that the action opens is open
    // over the window; a window is shown, as the program shows it.
    void whileOpen(const std::string& state, const std::function<void()>& act,
                   const QString& answer = {}) {
        int opened = 0;
        fakes.dialogs.answers = {answer};
        fakes.dialogs.whileOpen = [&](const DialogCall& box) {
            if (opened++ == 0)
                check(state, &box);
        };
        fakes.dialogs.onModal = [&](Form& form) {
            form.window()->show();
            QApplication::setActiveWindow(form.window());
            (void)QTest::qWaitForWindowActive(form.window()); // the record tells where the focus is
            if (opened++ == 0)
                check(state, nullptr, &form);
        };
        act();
        fakes.dialogs.whileOpen = nullptr;
        fakes.dialogs.onModal = nullptr;
        EXPECT_EQ(opened, 1) << state;
        activate(*w); // the window is the active one again once the other has closed
        w->tmrTimer1->setEnabled(false);
    }
    void tick() {
        fakes.clock.now += 1;
        w->tmrTimer1_Timer();
    }
    // Answers the question on screen by keys: its letter, or its numbers or word and Enter to the
    // verdict; a wrong answer misses the first number.
    void answer(bool right) {
        if (auto* typed = dynamic_cast<TypedTextWindow*>(w)) {
            keys(*w, right ? QString::fromStdString(typed->clozeAnswer) : "x");
        } else if (auto* keyed = dynamic_cast<KeyedAnswerWindow*>(w)) {
            for (std::size_t i = 0; i < keyed->boxKeys.size(); ++i) {
                const double key = KeyedAnswerWindow::numberOf(keyed->boxKeys[i]);
                if (key == 0)
                    break;
                keys(*w, QString::number(right || i > 0 ? key : key == 9 ? 8 : 9) + '\n');
            }
        } else {
            const char letter = w->correctLetter.at(0);
            QTest::keyClick(target(*w->window()), right ? letter : letter == 'a' ? 'b' : 'a');
            return;
        }
        for (int i = 0; i < 20 && QApplication::focusWidget() != w->CmdSledecepitanje->widget();
             ++i)
            press(*w, Qt::Key_Return);
    }
    TestWindow* w = nullptr;
    const testing::PathTokens tokens{{dir.path(), "<temp>"}, {KVIZ_SAMPLE_BANKS, "<program>"}};
};

TEST_P(Snapshots, EveryStateOfTheWindow) {
    fakes.locations.program = KVIZ_SAMPLE_BANKS;
    open();
    check("first");
    answer(true);
    check("right");
    press(*w, Qt::Key_Return); // on to question 2, which counts question 1
    answer(false);
    check("wrong");
    whileOpen("go-to", [&] { press(*w, Qt::Key_F5); });
    whileOpen(
        "reset", [&] { testing::click(w->cmdReset); }, "Ne");
    whileOpen("help", [&] { press(*w, Qt::Key_F1); });
    whileOpen("results-table", [&] { press(*w, Qt::Key_F8); });
    whileOpen("about-program", [&] { press(*w, Qt::Key_F12); });
    whileOpen("about-author", [&] { press(*w, Qt::Key_F11); });
    press(*w, Qt::Key_F9);
    check("review");
    press(*w, Qt::Key_Escape);
    testing::click(w->cmdBrziPregled);
    tick();
    tick();
    check("demonstration");
    press(*w, Qt::Key_Escape);
    tick();
    testing::click(w->cmbKandidat);
    check("candidate-box");
    QTest::mouseMove(w->cmdKrajrada->widget()); // and on to the surface beside every control
    testing::clickAt(*w, w->picSlika != nullptr ? QPointF(9000, 6600) : QPointF(60, 3700));
    check("candidate-box-left");
    for (int i = 0; i < 100 && !w->helpLineMovingRight; ++i)
        tick();
    check("help-line-left-end");
    for (int i = 0; i < 100 && w->helpLineMovingRight; ++i)
        tick();
    check("help-line-right-end");
    whileOpen("name-prompt", [&] { testing::click(w->lblKandidat); });
}

TEST_P(Snapshots, WithoutQuestions) {
    open(); // the program's folder holds no test's data
    check("no-questions");
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Snapshots, ::testing::Range<std::size_t>(0, kTestCount),
                         [](const auto& info) {
                             return std::string(testCatalogue()[info.param].testWord);
                         });

} // namespace
} // namespace kviz
