// Answering a multiple-choice picture question: bands, keys, judging, frames and hot zones.
#include "tests/choice_picture/picture_window.h"

namespace kviz {
namespace {

using Answering = testing::PictureWindowTest;

TEST_F(Answering, ClickJudgesTheBandItLandsIn) {
    auto w = start();
    // Question 1 offers a, b (two lines) and ... b is correct.
    ASSERT_GT(w->topB, w->topA);
    clickAt(*w, 6650, w->topB); // the band includes its top and the left edge
    EXPECT_EQ(w->answerLetters[1], 'b');
    EXPECT_EQ(w->resultLetters[1], 'T');
    EXPECT_TRUE(w->answerGiven);
    EXPECT_TRUE(w->answerCorrect); // the verdict drawn: the snapshots
}

TEST_F(Answering, ClicksOutsideTheAnswerBandsJudgeNothing) {
    auto w = start();
    struct Case {
        const char* name;
        double x, y;
    };
    const Case cases[] = {
        {"at the bottom of the answers", 7000, static_cast<double>(w->answersBottom)},
        {"left of the answer area", 6649.9, static_cast<double>(w->topA)},
        {"left edge on the question text", 6650, 1500},
        {"just above answer a", 7000, w->topA - 1.0},
        {"inside the gap above the answers", 7000, w->topA - 360.0},
        {"before any mouse movement", 0, 0},
    };
    for (const auto& c : cases) {
        clickAt(*w, c.x, c.y);
        EXPECT_EQ(w->answerLetters[1], '\0') << c.name;
        EXPECT_EQ(fakes.dialogs.calls.size(), 0u) << c.name;
    }
    EXPECT_EQ(beeps(), 0);
}

TEST_F(Answering, QuestionTextAboveTheAnswersOpensTheGoToPrompt) {
    auto w = start();
    ASSERT_GT(w->topA - 360, 1321);
    clickAt(*w, 6651, 1321);
    ASSERT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 1);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Input)->title, "Odredjeno Pitanje");
}

TEST_F(Answering, HotZonesHaveStrictBounds) {
    auto w = start();
    struct Case {
        const char* name;
        double x, y;
        bool clock, helpLine, bar;
    };
    const Case cases[] = {
        {"clock", 9947, 21, true, false, false},
        {"clock top edge", 9947, 20, false, false, false},
        {"clock bottom edge", 9947, 380, false, false, false},
        {"clock left edge", 9946, 200, false, false, false},
        {"help line", 100, 6842, false, true, false},
        {"help line top edge", 100, 6841, false, false, false},
        {"between help line and bar", 100, 7099, false, false, false},
        {"time bar", 51, 7100, false, false, true},
        {"time bar left edge", 50, 7100, false, false, false},
        {"time bar bottom edge", 51, 7480, false, false, false},
    };
    for (const auto& c : cases) {
        bool clock = w->mnuPodesavanjaTekucevreme->checked();
        bool help = w->mnuPodesavanjaPomocuprvomredu->checked();
        bool bar = w->mnuPodesavanjaGrafprprotvremena->checked();
        clickAt(*w, c.x, c.y);
        EXPECT_EQ(w->mnuPodesavanjaTekucevreme->checked() != clock, c.clock) << c.name;
        EXPECT_EQ(w->mnuPodesavanjaPomocuprvomredu->checked() != help, c.helpLine) << c.name;
        EXPECT_EQ(w->mnuPodesavanjaGrafprprotvremena->checked() != bar, c.bar) << c.name;
    }
    EXPECT_FALSE(w->ProgressBar1->visible()); // the bar zone hid it
    EXPECT_FALSE(w->lblTekucevreme->visible());
}

TEST_F(Answering, LetterKeysJudgeInBothCases) {
    auto w = start();
    key(*w, 'B');
    EXPECT_EQ(w->answerLetters[1], 'b');
    w->ShowNextQuestion();
    key(*w, 'c'); // question 2: a is correct
    EXPECT_EQ(w->answerLetters[2], 'c');
    EXPECT_EQ(w->resultLetters[2], 'N');
    EXPECT_EQ(texts(*w).back().text, "NE");
}

TEST_F(Answering, KeyForAnAnswerNotOfferedOnlyBeeps) {
    auto w = start();
    key(*w, 'c'); // question 1 has two answers
    key(*w, 'D');
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(w->answerLetters[1], '\0');
    EXPECT_FALSE(w->answerGiven);
    w->mnuPodesavanjaIspDaNeubojinakonodg->setChecked(false);
    key(*w, 'd'); // whatever the settings
    EXPECT_EQ(beeps(), 3);
}

TEST_F(Answering, MissingAnswerBIsNotJudged) {
    // A damaged question that offers only answer a.
    writeBank("ssitabcd", "ssitabcd.pit", testing::choiceBank("1", {{"Pitanje", "*a) jedini"}}));
    auto w = startWindow();
    ASSERT_GT(w->topA, 0);
    ASSERT_EQ(w->topB, 0);
    key(*w, 'b');
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(w->answerLetters[1], '\0');
    clickAt(*w, 7000, w->topA); // the band of a runs to the bottom of the answers
    EXPECT_EQ(w->answerLetters[1], 'a');
}

TEST_F(Answering, OnlyAnswerAOfferedFramesAndWipesItsOwnBand) {
    writeBank("ssitabcd", "ssitabcd.pit", testing::choiceBank("1", {{"Pitanje", "*a) jedini"}}));
    auto w = startWindow();
    ASSERT_EQ(w->topB, 0);
    key(*w, 'a'); // right: the green frame round the band of a, which runs to the answers' end
    const QRectF band(QPointF(6670, w->topA + 10), QPointF(11700, w->answersBottom - 10));
    ASSERT_FALSE(boxes(*w).empty());
    EXPECT_EQ(boxes(*w).back().rect, band);
    EXPECT_EQ(boxes(*w).back().color, QColor(10, 170, 10));
    const auto before = w->canvas().log().size();
    w->dispatchMouseMove(0, 0, {7000, w->topA + 5.0}); // wipes the frames, then draws them again
    const auto& log = w->canvas().log();
    ASSERT_GT(log.size(), before);
    for (auto op = log.begin() + static_cast<std::ptrdiff_t>(before); op != log.end(); ++op)
        EXPECT_GE(op->rect.top(), w->topA) << "a frame or wipe above the answers";
}

TEST_F(Answering, NoQuestionNothingToJudge) {
    auto w = startWindow(); // no question file at all
    ASSERT_EQ(w->questionCount, 0);
    key(*w, 'a');
    key(*w, 'b');
    clickAt(*w, 7000, 10);
    clickAt(*w, 7000, 2000);
    EXPECT_FALSE(w->answerGiven);
    EXPECT_EQ(w->answerLetters.size(), 1u);
    w->ShowNextQuestion();
    w->ShowPreviousQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 0);
}

TEST_F(Answering, ColouredVerdictOffLeavesTheQuestionUnanswered) {
    auto w = start();
    w->mnuPodesavanjaIspDaNeubojinakonodg->setChecked(false);
    key(*w, 'b');
    clickAt(*w, 7000, w->topA);
    EXPECT_FALSE(w->answerGiven);
    EXPECT_EQ(w->answerLetters[1], '\0');
    EXPECT_TRUE(texts(*w).back().text != "DA");
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 0);
}

TEST_F(Answering, WrongThenRightKeepsTheFirstAttempt) {
    auto w = start();
    key(*w, 'a');
    key(*w, 'b');
    auto marks = texts(*w);
    EXPECT_EQ(marks[marks.size() - 2].text, "NE");
    EXPECT_EQ(marks.back().text, "DA");
    EXPECT_EQ(w->answerLetters[1], 'a');
    EXPECT_EQ(w->resultLetters[1], 'N');
    EXPECT_TRUE(w->answerGiven);
    EXPECT_FALSE(w->answerCorrect);
    EXPECT_TRUE(boxes(*w).size() == 1u); // the text frame only: no green frame
    EXPECT_EQ(w->lblPomocuprvomredu->caption(),
              "Dvostrukim klikom misa prelazite na sledece pitanje.");
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(basKvizomat.correctCount, 0);
}

TEST_F(Answering, RightAnswerAgainPrintsAgainAndRecordsNothingNew) {
    auto w = start();
    key(*w, 'b');
    key(*w, 'b');
    auto marks = texts(*w);
    EXPECT_EQ(marks.back().text, "DA");
    EXPECT_EQ(marks[marks.size() - 2].text, "DA");
    EXPECT_EQ(marks.back().at, marks[marks.size() - 2].at);
    EXPECT_EQ(w->resultLetters[1], 'T');
}

TEST_F(Answering, WrongAnswerBeepsOnlyWithTheSoundOption) {
    auto w = start();
    key(*w, 'a');
    EXPECT_EQ(beeps(), 0);
    w->mnuPodesavanjaZvuknakonnetacnogodg->setChecked(true);
    key(*w, 'a');
    EXPECT_EQ(beeps(), 1);
    w->mnuPodesavanjaIspDaNeubojinakonodg->setChecked(false);
    key(*w, 'a');
    EXPECT_EQ(beeps(), 1);
}

TEST_F(Answering, GreenFrameAndHoverFrame) {
    auto w = start();
    key(*w, 'b'); // right: the green frame of the snapshots

    w->Form_MouseMove(0, 0, 11720, w->topA); // the hover's right bound is inclusive
    auto after = boxes(*w);
    EXPECT_EQ(after.back().color, QColor(128, 128, 128));
    EXPECT_EQ(after.back().rect, QRectF(QPointF(6650, w->topA), QPointF(11720, w->topB)));
    EXPECT_EQ(after[after.size() - 2].color, QColor(10, 170, 10)); // redrawn after the wipe

    auto count = w->canvas().log().size();
    w->Form_MouseMove(0, 0, 11721, w->topA); // outside: wipe and green frame only
    EXPECT_EQ(w->canvas().log().back().color, QColor(10, 170, 10));
    EXPECT_GT(w->canvas().log().size(), count);

    // While a header box has the focus the window leaves the mouse alone; then without the
    // option, the green frame only.
    for (ComboBox* box : {w->cmbPitanje, w->cmbKandidat}) {
        box->setFocus();
        count = w->canvas().log().size();
        QTest::mouseMove(w->surface(),
                         w->canvas().pixelsFromUnits({7000.0, double(w->topA)}).toPoint());
        EXPECT_EQ(w->canvas().log().size(), count) << box->name().toStdString();
    }
    w->mnuPodesavanjaPojavokviraokoodg->setChecked(false);
    w->Form_MouseMove(0, 0, 7000, w->topA);
    EXPECT_EQ(w->canvas().log().back().color, QColor(10, 170, 10));
}

TEST_F(Answering, GreenFrameRoundEachRightAnswer) {
    std::vector<std::vector<std::string>> bank;
    for (char right : {'a', 'b', 'c', 'd'}) {
        std::vector<std::string> lines = {"Pitanje"};
        for (char letter : {'a', 'b', 'c', 'd'})
            lines.push_back(std::string(letter == right ? "*" : " ") + letter + ") odgovor");
        bank.push_back(lines);
    }
    writeBank("ssitabcd", "ssitabcd.pit", testing::choiceBank("4", bank));
    auto w = startWindow();
    for (int q = 1; q <= 4; ++q) {
        const int tops[5] = {w->topA, w->topB, w->topC, w->topD, w->textBottom};
        key(*w, 'a' + q - 1);
        ASSERT_FALSE(boxes(*w).empty()) << q;
        EXPECT_EQ(boxes(*w).back().color, QColor(10, 170, 10)) << q;
        EXPECT_EQ(boxes(*w).back().rect,
                  QRectF(QPointF(6670, tops[q - 1] + 10), QPointF(11700, tops[q] - 10)))
            << q;
        w->ShowNextQuestion();
    }
}

TEST_F(Answering, MovingOffAnAnswerWipesItsHoverFrame) {
    auto w = start();
    w->Form_MouseMove(0, 0, 7000, w->topA);
    const QRectF hover(QPointF(6650, w->topA), QPointF(11720, w->topB));
    ASSERT_EQ(boxes(*w).back().rect, hover);
    const auto before = static_cast<std::ptrdiff_t>(w->canvas().log().size());
    w->Form_MouseMove(0, 0, 7000, w->topB);
    const auto& log = w->canvas().log();
    bool wiped = false;
    for (auto op = log.begin() + before; op != log.end(); ++op)
        wiped = wiped || (op->kind == DrawOp::Kind::Box && op->rect == hover &&
                          op->color == QColor(255, 255, 255));
    EXPECT_TRUE(wiped);
}

TEST_F(Answering, HoverFrameOfAnswerDRunsToTheTextBottom) {
    auto w = start();
    w->questionIndex = 3;
    w->ShowQuestion();
    ASSERT_GT(w->topD, 0);
    w->Form_MouseMove(0, 0, 7000, w->topD + 1);
    EXPECT_EQ(boxes(*w).back().rect, QRectF(QPointF(6650, w->topD), QPointF(11720, w->textBottom)));
}

TEST_F(Answering, DoubleClickOnABandJudgesThenMovesOn) {
    auto w = start();
    const double y = w->topA + 1;
    w->dispatchMouseMove(0, 0, {7000, y});
    w->dispatchMouseUp(1, 0, {7000, y});
    w->dispatchClick();
    w->dispatchDblClick();
    EXPECT_EQ(w->answerLetters[1], 'a');
    EXPECT_EQ(w->questionIndex, 2);
}

TEST_F(Answering, NoAnswerWhileAReviewRuns) {
    auto w = start();
    w->reviewMode = true;
    key(*w, 'b');
    EXPECT_EQ(w->answerLetters[1], '\0');
    w->reviewMode = false;
    w->quickReviewMode = true;
    w->ShowQuestion(); // the demonstration leaves the first attempt open
    key(*w, 'a');
    EXPECT_EQ(w->answerLetters[1], '\0');
    clickAt(*w, 7000, w->topA);
    EXPECT_TRUE(w->stopRequested);
    EXPECT_EQ(w->answerLetters[1], '\0');
    w->Form_MouseMove(0, 0, 1234, 4321);
    EXPECT_NE(w->mouseX, 1234); // no position is kept during a mode
}

// A click that finds the keys with a header box only gives them back to the window; the keys
// themselves reach the window only while it sees them.
TEST_F(Answering, KeyPreviewOffOnlyTurnsItBackOn) {
    auto w = start();
    w->keyPreview = false;
    clickAt(*w, 7000, w->topB);
    EXPECT_TRUE(w->keyPreview);
    EXPECT_EQ(w->answerLetters[1], '\0');
}

TEST_F(Answering, RealMouseAndKeyEvents) {
    auto w = start();
    QWidget* surface = w->surface();
    QPointF pixels = w->canvas().pixelsFromUnits({8000, w->topA + 30.0});
    QTest::mouseMove(surface, pixels.toPoint());
    QTest::mouseClick(surface, Qt::LeftButton, {}, pixels.toPoint());
    EXPECT_EQ(w->answerLetters[1], 'a');
    EXPECT_EQ(texts(*w).back().text, "NE");

    w->ShowNextQuestion();
    QWidget* focus = w->window()->focusWidget();
    ASSERT_EQ(focus, w->CmdSledecepitanje->widget());
    QTest::keyClick(focus, Qt::Key_A);
    EXPECT_EQ(w->answerLetters[2], 'a');
    EXPECT_EQ(w->questionIndex, 2);         // the letter did not press the focused button
    QTest::keyClick(focus, Qt::Key_Return); // Enter presses "Sledece pitanje"
    EXPECT_EQ(w->questionIndex, 3);
    QTest::keyClick(w->window()->focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(w->questionIndex, 2);
}

} // namespace
} // namespace kviz
