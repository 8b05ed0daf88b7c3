// The intersections test: keys, live scoring, the verdict, counting and the stored answers.
#include "tests/support/window_fixture.h"
#include "typed_picture/frm_raskrsnice.h"
#include "typed_picture/frm_saobracajni_znaci15.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

namespace kviz {
namespace {

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
        writeBank("raskrsn", "raskrsn.odg", answerKeys(keys));
        writePicture("raskrsn", "1rask.JPG", Qt::gray);
        std::filesystem::create_directories(stateRoot() / "RASKRSN");
        auto w = std::make_unique<frmRaskrsnice>(services());
        w->show();
        return w;
    }
    static void type(frmRaskrsnice& w, const std::vector<QString>& boxes) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            w.txtOdgovor[i]->setText(boxes[i]);
        w.txtOdgovor_KeyUp();
    }
    static std::vector<DrawOp> texts(frmRaskrsnice& w) {
        std::vector<DrawOp> out;
        for (const auto& op : w.canvas().log())
            if (op.kind == DrawOp::Kind::Text)
                out.push_back(op);
        return out;
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
    EXPECT_EQ(w->caption(), "Raskrsnice");
    EXPECT_EQ(w->questionCount, 3);
    EXPECT_EQ(visibleBoxes(*w), 4);
    EXPECT_TRUE(w->imgSlika->picturePath().endsWith("raskrsn/JPGSLIKE/1rask.JPG"));
    EXPECT_EQ(w->lblPomocuprvomredu->caption(), "Upisite odgovarajuci broj i pritisnite Enter.");
    QApplication::setActiveWindow(w->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->window()));
    EXPECT_EQ(w->focusedControl(), w->txtOdgovor[0]);
    w->ShowNextQuestion();
    // Box 3 shows, since its own key is not 0, but judging stops at box 2.
    EXPECT_EQ(visibleBoxes(*w), 2);
    EXPECT_TRUE(w->txtOdgovor[2]->visible());
    type(*w, {"3"});
    EXPECT_EQ(w->resultLetters[2], 'T');
    EXPECT_EQ(w->typedAnswers[2], "3 ");
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
    type(*w, {"", "", "", ""}); // emptied after an answer: the letter stays
    EXPECT_EQ(w->typedAnswers[1], "");
    EXPECT_EQ(w->resultLetters[1], 'T');
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    type(*w, {"0", "a"}); // numbers 0 only: no letter
    EXPECT_EQ(w->resultLetters[3], '\0');
}

TEST_F(Intersections, VerdictShowsTheRightDigitsOfWrongBoxes) {
    auto w = open(kFour);
    type(*w, {"4", "1", "3", "2"});
    w->CmdSledecepitanje_GotFocus();
    auto marks = texts(*w);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].text, "NE");
    EXPECT_EQ(marks[0].at, QPointF(7300, 6040));
    EXPECT_EQ(marks[0].color, QColor(255, 0, 0));
    EXPECT_EQ(marks[1].text, "2");
    EXPECT_EQ(marks[1].at, QPointF(7680 + 500 * 3, 6040));
    EXPECT_EQ(marks[2].text, "3");
    EXPECT_EQ(marks[2].at, QPointF(7680 + 500 * 4, 6040));
    EXPECT_EQ(marks[2].color, QColor(10, 170, 10));
    w->txtOdgovor[2]->setText("2"); // any change wipes the verdict
    EXPECT_TRUE(texts(*w).empty());
    type(*w, {"04", "1", "2", "9"}); // 04 is right, but shown as a string it differs
    w->CmdSledecepitanje_GotFocus();
    marks = texts(*w);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[1].text, "4");
    EXPECT_EQ(marks[2].text, "3");
}

TEST_F(Intersections, RightOnlyWithAVerdict) {
    auto w = open(kFour);
    type(*w, {"4", "1", "2", "3"});
    w->CmdSledecepitanje_GotFocus();
    EXPECT_EQ(texts(*w).back().text, "DA");
    w->CmdSledecepitanje->press();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(basKvizomat.correctCount, 1);
    type(*w, {"3"});
    int down = keys::PageDown;
    w->Form_KeyUp(down, 0); // right, but no verdict
    EXPECT_EQ(w->resultLetters[2], 'T');
    EXPECT_EQ(basKvizomat.answeredCount, 2);
    EXPECT_EQ(basKvizomat.correctCount, 1);
    w->Form_KeyUp(down, 0); // from the last question back to 1, with a beep
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(fakes.beeper.count, 1);
    EXPECT_EQ(texts(*w).back().text, "DA"); // shown with its stored verdict
    EXPECT_FALSE(w->firstAttemptOpen);
    EXPECT_EQ(w->txtOdgovor[3]->text(), "3");
}

TEST_F(Intersections, AWrongAnswerShownAgainChangesNothing) {
    auto w = open(kFour);
    type(*w, {"4", "1", "3", "2"});
    w->StoreAnswerAndShowNext();
    w->ShowPreviousQuestion();
    EXPECT_EQ(w->txtOdgovor[2]->text(), "3");
    auto marks = texts(*w);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].text, "NE");
    type(*w, {"4", "1", "2", "3"});
    w->StoreAnswerAndShowNext();
    EXPECT_EQ(w->resultLetters[1], 'N');
    EXPECT_EQ(w->typedAnswers[1], "4 1 3 2 ");
    EXPECT_EQ(basKvizomat.answeredCount, 1);
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
    w->cmdReset_Click();
    EXPECT_EQ(w->resultLetters[1], '\0');
    EXPECT_EQ(w->typedAnswers[1], "");
}

TEST_F(Intersections, DemonstrationShowsTheKeys) {
    auto w = open(kFour);
    w->cmdBrziPregled->press();
    EXPECT_EQ(w->txtOdgovor[0]->text(), "4");
    EXPECT_FALSE(w->txtOdgovor[0]->enabled());
    EXPECT_EQ(texts(*w).back().text, "DA");
    w->tmrTimer1_Timer();
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "3");
}

TEST_F(Intersections, HotZonesOfThisWindow) {
    auto w = open(kFour);
    auto click = [&](double x, double y) {
        w->Form_MouseMove(0, 0, x, y);
        w->Form_Click();
    };
    click(100, 6700); // the help line
    EXPECT_FALSE(w->helpLineOn);
    click(100, 6900); // between: nothing
    EXPECT_TRUE(w->ProgressBar1->visible());
    click(7200, 7000); // right of the bar zone
    EXPECT_TRUE(w->ProgressBar1->visible());
    click(7199, 7000);
    EXPECT_FALSE(w->ProgressBar1->visible());
    EXPECT_EQ(w->questionIndex, 1); // no answer zone, no go-to zone
}

TEST_F(Intersections, HelpText) {
    auto w = open(kFour);
    w->mnuPomocPomoczaaktivniprogram->choose();
    EXPECT_TRUE(fakes.dialogs.last(DialogCall::Kind::Message)
                    ->text.startsWith("\nUpisite odgovarajuci broj i pritisnite Enter.\n\n\n"));
}

TEST_F(Intersections, WithNoQuestionTheHelpLineSaysHowToAnswer) {
    // No answer-key file in either keyed window; the help line is that of answering, also after
    // a review.
    std::filesystem::create_directories(stateRoot() / "RASKRSN");
    std::filesystem::create_directories(stateRoot() / "SAOBZN15");
    frmRaskrsnice intersections(services());
    frmSaobracajniznaci15znakova signs(services());
    for (TestWindow* w :
         {static_cast<TestWindow*>(&intersections), static_cast<TestWindow*>(&signs)}) {
        w->show();
        ASSERT_EQ(w->questionCount, 0);
        w->cmdPregled->press();
        w->cmdKrajrada->press();
        EXPECT_EQ(w->lblPomocuprvomredu->caption(), "Upisite odgovarajuci broj i pritisnite Enter.")
            << w->caption().toStdString();
    }
}

} // namespace
} // namespace kviz
