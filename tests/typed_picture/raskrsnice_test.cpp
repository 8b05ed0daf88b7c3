// The intersections test: keys, live scoring, the verdict, counting and the stored answers.
#include "tests/support/menus.h"
#include "tests/support/user_input.h"
#include "tests/support/window_fixture.h"
#include "typed_picture/frm_raskrsnice.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTest>

namespace kviz {
namespace {

using testing::click;
using testing::clickAt;
using testing::record;

// An answer-key file: the count, then eight 5-byte records per question.
std::string answerKeys(const std::vector<std::vector<std::string>>& questions) {
    std::string bytes = record(std::to_string(questions.size()), 5);
    for (const auto& keys : questions)
        for (std::size_t i = 0; i < 8; ++i)
            bytes += record(i < keys.size() ? keys[i] : "0", 5);
    return bytes;
}

class Intersections : public testing::WindowFixture {
protected:
    std::unique_ptr<frmRaskrsnice> open(const std::vector<std::vector<std::string>>& keys) {
        return open(keys, services());
    }
    std::unique_ptr<frmRaskrsnice> open(const std::vector<std::vector<std::string>>& keys,
                                        Services with) {
        writeBank("raskrsn", "raskrsn.odg", answerKeys(keys));
        writePicture("raskrsn", "1rask.JPG", Qt::gray);
        std::filesystem::create_directories(stateRoot() / "RASKRSN");
        auto w = std::make_unique<frmRaskrsnice>(with);
        w->show();
        return w;
    }
    static void type(frmRaskrsnice& w, const std::vector<QString>& boxes) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            testing::retype(w.txtOdgovor[i], boxes[i]);
    }
    static int visibleBoxes(frmRaskrsnice& w) {
        int n = 0;
        for (TextBox* box : w.txtOdgovor)
            n += box->visible() ? 1 : 0;
        return n;
    }
    const std::vector<std::vector<std::string>> kFour = {
        {"4", "1", "2", "3"}, {"3", "0", "5"}, {"2", "1"}};
};

TEST_F(Intersections, UsedBoxesAndTheirKeys) {
    auto w = open(kFour);
    EXPECT_EQ(w->questionCount, 3);
    EXPECT_EQ(visibleBoxes(*w), 4);
    activate(*w);
    w->ShowNextQuestion();
    // Box 3 shows, since its own key is not 0, but judging stops at box 2.
    EXPECT_EQ(visibleBoxes(*w), 2);
    EXPECT_TRUE(w->txtOdgovor[2]->visible());
    type(*w, {"3"});
    EXPECT_EQ(w->resultLetters[2], 'T');
    EXPECT_EQ(w->typedAnswers[2], "3 ");
    // A box shows by its record's number, whatever the record's first character; none covers
    // the scroll bar.
    auto records = open({{"3", "05", " 2", "0", "4"}});
    const bool shown[8] = {true, true, true, false, true, false, false, false};
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(records->txtOdgovor[k]->visible(), shown[k]) << k;
        EXPECT_FALSE(records->txtOdgovor[k]->widget()->geometry().intersects(
            records->VScrollzapitanje->widget()->geometry()))
            << k;
    }
}

TEST_F(Intersections, LiveScoringOfEveryKeyRelease) {
    auto w = open(kFour);
    type(*w, {"3", "", "5"});
    EXPECT_EQ(w->typedAnswers[1], "3   5   ");
    EXPECT_EQ(w->resultLetters[1], 'N');
    type(*w, {"4", "1", "2", "3"});
    EXPECT_EQ(w->typedAnswers[1], "4 1 2 3 ");
    EXPECT_EQ(w->resultLetters[1], 'T');
    type(*w, {"04", "1", "2", "3"}); // 04 is the number 4
    EXPECT_EQ(w->resultLetters[1], 'T');
    type(*w, {"", "", "", ""}); // a right answer taken back is right no more
    EXPECT_EQ(w->typedAnswers[1], "");
    EXPECT_EQ(w->resultLetters[1], 'N');
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    type(*w, {"0", "a"}); // numbers 0 only: no letter
    EXPECT_EQ(w->resultLetters[3], '\0');
}

TEST_F(Intersections, VerdictShowsTheRightDigitsOfWrongBoxes) {
    auto w = open(kFour);
    type(*w, {"4", "1", "3", "2"});
    w->CmdSledecepitanje->setFocus();
    auto marks = texts(*w);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].text, "NE");
    EXPECT_EQ(marks[1].text, "2");
    EXPECT_EQ(marks[1].at, QPointF(7680 + 500 * 3, 6040));
    EXPECT_EQ(marks[2].text, "3");
    EXPECT_EQ(marks[2].at, QPointF(7680 + 500 * 4, 6040));
    w->txtOdgovor[2]->setText("2"); // any change wipes the verdict
    EXPECT_TRUE(texts(*w).empty());
    type(*w, {"04", "1", "2", "9"}); // 04 is right, but shown as a string it differs
    w->CmdSledecepitanje->setFocus();
    marks = texts(*w);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[1].text, "4");
    EXPECT_EQ(marks[2].text, "3");
}

TEST_F(Intersections, CountsAreThoseOfTheStoredVerdicts) {
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
    fakes.dialogs.answers = {"ana"};
    auto w = open(kFour);
    activate(*w);
    auto counts = [&] {
        return std::make_pair(basKvizomat.answeredCount, basKvizomat.correctCount);
    };
    keys(*w, "4\n1\n2\n3\n"); // Enter from the last box reaches the button: the verdict
    ASSERT_EQ(w->focusedControl(), w->CmdSledecepitanje);
    ASSERT_FALSE(texts(*w).empty());
    EXPECT_EQ(texts(*w).back().text, "DA");
    EXPECT_EQ(counts(), std::make_pair(0, 0)); // counted once it is left
    press(*w, Qt::Key_Tab, Qt::ShiftModifier);
    keys(*w, "2"); // wrong after the verdict, and left without another
    press(*w, Qt::Key_PageDown);
    EXPECT_EQ(counts(), std::make_pair(1, 0));
    keys(*w, "3"); // right, left without a verdict
    press(*w, Qt::Key_PageDown);
    EXPECT_EQ(counts(), std::make_pair(2, 1));
    keys(*w, "2\n1"); // right, on screen when the work is saved: in the file, not the header
    EXPECT_EQ(w->lblTacnihodgovora->caption(), "Tacnih odgovora: 1");
    w->SaveSession();
    EXPECT_EQ(testing::readBytes(stateRoot() / "RASKRSN" / "BrZadPit.1"),
              "3 Broj zadnjeg pitanja\r\n3 Ukupno odgovora\r\n2 Tacnih odgovora\r\n"
              "4 1 2 2 N\r\n3 T\r\n2 1 T\r\n");
    press(*w, Qt::Key_PageDown); // from the last question back to 1, with a beep
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(fakes.beeper.count, 1);
    EXPECT_EQ(texts(*w).front().text, "NE"); // shown with its stored verdict, never counted again
    keys(*w, "\b3");
    press(*w, Qt::Key_PageDown);
    EXPECT_EQ(counts(), std::make_pair(3, 2));
    EXPECT_EQ(w->typedAnswers[1], "4 1 2 2 ");
    EXPECT_EQ(w->resultLetters[1], 'N');
}

// Another window of the program, or a setting that redraws the question, leaves the answer
// being typed as it stands.
TEST_F(Intersections, AnotherWindowLeavesTheAnswerBeingTyped) {
    const struct {
        Qt::Key key;
        int dialogs; // the help box, the About window; the results table beeps, nothing was left
    } rows[] = {{Qt::Key_F1, 1}, {Qt::Key_F4, 0}, {Qt::Key_F8, 0}, {Qt::Key_F12, 1}};
    for (const auto& row : rows) {
        auto w = open(kFour);
        activate(*w);
        keys(*w, "4\n1\n");
        press(*w, row.key);
        EXPECT_EQ(fakes.dialogs.calls.size(), static_cast<std::size_t>(row.dialogs)) << row.key;
        EXPECT_TRUE(texts(*w).empty()) << row.key; // nothing judged, nothing revealed
        EXPECT_EQ(w->txtOdgovor[1]->text(), "1") << row.key;
        EXPECT_EQ(w->focusedControl(), w->txtOdgovor[2]) << row.key;
        keys(*w, "2\n3\n"); // the answer is still open
        EXPECT_EQ(w->resultLetters[1], 'T') << row.key;
        fakes.dialogs.calls.clear();
        press(*w, row.key); // a verdict on screen stays, with the focus on the button
        ASSERT_FALSE(texts(*w).empty()) << row.key;
        EXPECT_EQ(texts(*w).back().text, "DA") << row.key;
        EXPECT_EQ(w->focusedControl(), w->CmdSledecepitanje) << row.key;
        fakes.dialogs.calls.clear();
    }
}

TEST_F(Intersections, EnterWalksTheBoxesToTheVerdictBeforeQtSeesTheWindowActive) {
    // Right after a switch or a dialog Qt may name no active window while the keys reach one.
    Services system = services();
    system.keystrokes = systemServices().keystrokes;
    auto w = open(kFour, system);
    activate(*w);
    QApplication::setActiveWindow(nullptr);
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    keys(*w, "4\n1\n2\n3\n"); // the verdict when the button takes the focus
    EXPECT_EQ(w->focusedControl(), w->CmdSledecepitanje);
    ASSERT_FALSE(texts(*w).empty());
    EXPECT_EQ(texts(*w).back().text, "DA");
    keys(*w, "\n"); // Enter presses the button
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->focusedControl(), w->txtOdgovor[0]);
    // An answer given by the box's menu alone is judged, and counted once it is left.
    QApplication::clipboard()->setText("3");
    ASSERT_TRUE(testing::chooseFromBoxMenu(w->txtOdgovor[0]->widget(), "Nalepi"));
    EXPECT_EQ(w->resultLetters[2], 'T');
    EXPECT_EQ(basKvizomat.correctCount, 1);
}

TEST_F(Intersections, ProgressRowsAndReset) {
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
    fakes.dialogs.answers = {"ana"};
    auto w = open(kFour);
    type(*w, {"4", "1", "2", "3"});
    w->StoreAnswerAndShowNext();
    w->SaveSession();
    EXPECT_EQ(testing::readBytes(stateRoot() / "RASKRSN" / "BrZadPit.1").substr(62),
              std::string("4 1 2 3 T\r\n\0\r\n\0\r\n", 17));
    fakes.dialogs.answers = {"DA"};
    click(w->cmdReset);
    EXPECT_EQ(w->resultLetters[1], '\0');
    EXPECT_EQ(w->typedAnswers[1], "");
}

TEST_F(Intersections, DemonstrationShowsTheKeys) {
    auto w = open(kFour);
    click(w->cmdBrziPregled);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "4");
    w->tmrTimer1_Timer();
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "3");
    // A review shows the answers, and the boxes take no typing.
    activate(*w);
    press(*w, Qt::Key_Escape);
    w->tmrTimer1_Timer();
    press(*w, Qt::Key_F9);
    keys(*w, "7");
    EXPECT_EQ(w->txtOdgovor[0]->text(), "");
    EXPECT_EQ(w->typedAnswers[1], "");
}

// The time bar's zone lies under the bar and the help line's strip: a click reaches it where the
// hidden bar stood.
TEST_F(Intersections, HotZonesOfThisWindow) {
    auto w = open(kFour);
    activate(*w);
    clickAt(*w, {100, 6700}); // the help line
    EXPECT_FALSE(w->helpLineOn);
    press(*w, Qt::Key_F7, Qt::ControlModifier); // the bar off
    clickAt(*w, {7220, 7250});                  // the first pixel right of the bar zone
    EXPECT_FALSE(w->ProgressBar1->visible());
    clickAt(*w, {7200, 7250}); // the pixel that holds its right end
    EXPECT_TRUE(w->ProgressBar1->visible());
    EXPECT_EQ(w->questionIndex, 1); // no answer zone, no go-to zone
}

} // namespace
} // namespace kviz
