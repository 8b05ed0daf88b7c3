// Counting the questions left, the grade in the header, and Reset.
#include "tests/choice_picture/picture_window.h"

#include <QScrollBar>

namespace kviz {
namespace {

using Counting = testing::PictureWindowTest;

TEST_F(Counting, LeavingAnAnsweredQuestionCountsIt) {
    auto w = start(5);
    key(*w, 'b'); // right
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(basKvizomat.correctCount, 1);
    key(*w, 'c'); // wrong
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 2);
    EXPECT_EQ(basKvizomat.correctCount, 1);
    EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena: NIJE POLOZIO(50%)");
    w->ShowNextQuestion(); // unanswered: nothing added, the grade written again
    EXPECT_EQ(basKvizomat.answeredCount, 2);
    w->ShowPreviousQuestion();
    w->ShowPreviousQuestion(); // back to answered questions: never counted again
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 2);
}

TEST_F(Counting, EveryRouteOfLeavingCountsOnce) {
    auto w = start(10);
    auto* bar = static_cast<QScrollBar*>(w->VScrollzapitanje->widget());
    const std::vector<std::pair<const char*, std::function<void()>>> routes = {
        {"next", [&] { w->ShowNextQuestion(); }},
        {"go-to prompt",
         [&] {
             fakes.dialogs.answers = {"5"};
             w->PromptGoToQuestion();
         }},
        {"previous", [&] { w->ShowPreviousQuestion(); }},
        {"question box", [&] { enterIn(*w, w->cmbPitanje, "7"); }},
        {"scroll-bar arrow", [&] { bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); }},
        {"thumb drag",
         [&] {
             bar->setSliderDown(true);
             bar->setSliderPosition(10);
             bar->setSliderDown(false);
         }},
        {"wrap to 1", [&] { w->ShowNextQuestion(); }},
    };
    for (const auto& [name, leave] : routes) {
        ASSERT_EQ(w->answerLetters[static_cast<std::size_t>(w->questionIndex)], '\0') << name;
        key(*w, 'a');
        int before = basKvizomat.answeredCount;
        leave();
        EXPECT_EQ(basKvizomat.answeredCount - before, 1) << name;
    }
    EXPECT_EQ(w->questionIndex, 1);
}

TEST_F(Counting, RedrawingTheSameQuestionKeepsItCountable) {
    auto w = start(5);
    key(*w, 'b');
    w->ShowPreviousQuestion(); // at question 1: a redraw
    w->activate();             // every activation redraws too
    w->ShowQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 0);
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(basKvizomat.correctCount, 1);
    w->ShowPreviousQuestion();
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
}

TEST_F(Counting, NothingIsCountedDuringAReview) {
    auto w = start(5);
    key(*w, 'b');
    w->ShowNextQuestion();
    testing::click(w->cmdPregled);
    for (int q = 1; q <= 5; ++q) {
        key(*w, 'a'); // refused: nothing is recorded that could be counted
        w->ShowNextQuestion();
    }
    testing::click(w->cmdKrajrada); // back at question 2, which was never answered
    EXPECT_EQ(w->questionIndex, 2);
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 1");
    for (int q = 2; q <= 5; ++q)
        EXPECT_EQ(w->answerLetters[static_cast<std::size_t>(q)], '\0') << q;
}

TEST_F(Counting, Reset) {
    struct Case {
        const char* name;
        std::vector<QString> answers;
        bool resets;
    };
    const Case cases[] = {
        {"DA", {"DA"}, true},
        {"da", {"da"}, true},
        {"Da", {"Da"}, true},
        {"dA", {"dA"}, true},
        {"leading blank", {" DA"}, false},
        {"trailing blank", {"DA "}, false},
        {"Ne", {"Ne"}, false},
        {"cancel", {}, false},
    };
    for (const auto& c : cases) {
        startProgramAgain();
        fakes.dialogs.calls.clear();
        auto w = start(5);
        key(*w, 'b');
        w->ShowNextQuestion();
        key(*w, 'a'); // question 2 answered, still on screen
        fakes.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        testing::click(w->cmdReset);
        const DialogCall* call = fakes.dialogs.last(DialogCall::Kind::Input);
        ASSERT_NE(call, nullptr) << c.name;
        EXPECT_TRUE(w->lblPomocuprvomredu->visible()) << c.name; // back after the box
        EXPECT_EQ(call->title, "Reset");
        EXPECT_EQ(call->defaultAnswer, "Ne");
        EXPECT_EQ(call->text, "Da li zelite da postavite\nUkupno odgovora i\nTacnih odgovora na "
                              "nulu.\n\nUpisite: Da ili Ne.");
        EXPECT_EQ(call->position, QPoint(2700, 2200));
        if (c.resets) {
            EXPECT_EQ(basKvizomat.answeredCount, 0) << c.name;
            EXPECT_EQ(w->answerLetters[1], ' ') << c.name;
            EXPECT_EQ(w->resultLetters[2], ' ') << c.name;
            EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 0");
            EXPECT_EQ(w->lblTacnihodgovora->caption(), "Tacnih odgovora: 0");
            EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena:");
            EXPECT_FALSE(w->answerGiven) << c.name; // drawn as unanswered
            key(*w, 'c');
            w->ShowNextQuestion(); // answered again, it counts again
            EXPECT_EQ(basKvizomat.answeredCount, 1) << c.name;
        } else {
            EXPECT_EQ(basKvizomat.answeredCount, 1) << c.name;
            EXPECT_EQ(w->answerLetters[1], 'b') << c.name;
            w->ShowNextQuestion(); // question 2's answer still counts when left
            EXPECT_EQ(basKvizomat.answeredCount, 2) << c.name;
        }
    }
}

TEST_F(Counting, ResetLetsAQuestionAnsweredBeforeCountAgain) {
    auto w = start(5);
    key(*w, 'b');
    w->ShowNextQuestion();
    w->ShowPreviousQuestion(); // question 1, shown with its answer
    fakes.dialogs.answers = {"DA"};
    testing::click(w->cmdReset);
    key(*w, 'b');
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
}

TEST_F(Counting, ResetWithNothingCountedOnlyBeeps) {
    auto w = start(5);
    testing::click(w->cmdReset);
    EXPECT_EQ(beeps(), 1);
    EXPECT_TRUE(fakes.dialogs.calls.empty());
}

} // namespace
} // namespace kviz
