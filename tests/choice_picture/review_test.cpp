// Review of solved questions and the demonstration.
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

namespace kviz {
namespace {

using Review = testing::PictureWindowTest;

// Every control and top menu that a mode locks is enabled again, and the button reads
// "Kraj rada".
bool allEnabled(TestWindow& w) {
    bool ok = w.cmdKrajrada->caption() == "&Kraj rada";
    for (const char* name : {"lblProteklovreme",    "lblPomocuprvomredu",
                             "lblTekucevreme",      "lblKandidat",
                             "cmbKandidat",         "lblPitanje",
                             "cmbPitanje",          "lblOcenaPolozioNijepolozio",
                             "lblUkupnoodgovora",   "lblTacnihodgovora",
                             "lblPitanje2",         "CmdSledecepitanje",
                             "CmdPrethodnopitanje", "CmdOdredjenoPitanje",
                             "cmdTabela",           "cmdBrziPregled",
                             "cmdPregled",          "cmdReset",
                             "ProgressBar1",        "VScrollzapitanje"}) {
        const Control* c = w.findControl(name);
        ok = ok && c != nullptr && c->enabled();
    }
    for (const char* name : {"mnuTest", "mnuKandidat", "mnuPitanje", "mnuTabela",
                             "mnuPregledresenihpitanja", "mnuReset", "mnuPodesavanja"}) {
        const MenuItem* m = w.findMenu(name);
        ok = ok && m != nullptr && m->enabled();
    }
    return ok;
}

class Demonstration : public Review {
protected:
    void tick(TestWindow& w) {
        fakes.clock.now += 1;
        w.tmrTimer1_Timer();
    }
};

TEST_F(Demonstration, StepsThroughTheCorrectAnswersAndComesBack) {
    auto w = start(3);
    key(*w, 'a'); // a wrong answer to question 1
    w->ShowNextQuestion();
    testing::click(w->cmdBrziPregled);
    EXPECT_TRUE(w->quickReviewMode);
    EXPECT_EQ(w->questionIndex, 1);
    for (int q = 1; q <= 3; ++q) {
        tick(*w);
        ASSERT_TRUE(w->quickReviewMode) << q;
        const DrawOp mark = texts(*w).back();
        EXPECT_EQ(mark.text, "DA") << q;
        const int top = q % 2 == 1 ? w->topB : w->topA;
        EXPECT_EQ(mark.at, QPointF(6090, top + 4)) << q;
        EXPECT_EQ(w->questionIndex, q + 1);
    }
    tick(*w); // tick N + 1 ends it
    EXPECT_FALSE(w->quickReviewMode);
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_TRUE(allEnabled(*w));
    EXPECT_TRUE(w->mnuPodesavanjaPojavokviraokoodg->checked());
    EXPECT_EQ(texts(*w).front().color, QColor(0, 0, 0));
    EXPECT_EQ(basKvizomat.answeredCount, 1);
}

TEST_F(Demonstration, FromTheLastQuestionEndsOnTheSecondTick) {
    auto w = start(4);
    fakes.dialogs.answers = {"4"};
    testing::chooseFromMenuBar(w->mnuPregrespitBrzpregodzadpitdokr);
    const DialogCall* ask = fakes.dialogs.last(DialogCall::Kind::Input);
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(ask->text, "Upisite broj pitanja od koga pocinje pregled: (1-4)");
    EXPECT_EQ(ask->title, "Brzi pregled resenih pitanja");
    EXPECT_EQ(ask->defaultAnswer, "1");
    EXPECT_EQ(w->questionIndex, 4);
    EXPECT_EQ(w->cmbPitanje->items(), QStringList{"4"});
    tick(*w);
    EXPECT_EQ(texts(*w).back().text, "DA");
    tick(*w);
    EXPECT_FALSE(w->quickReviewMode);
    EXPECT_EQ(w->questionIndex, 1);
}

TEST_F(Demonstration, StartBoxRangeAndCancel) {
    auto w = start(4);
    fakes.dialogs.answers = {"9", "-1", "0.4"};
    testing::chooseFromMenuBar(w->mnuPregrespitBrzpregodzadpitdokr);
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 3);
    EXPECT_FALSE(w->quickReviewMode); // no number: no demonstration
    EXPECT_TRUE(allEnabled(*w));
    EXPECT_EQ(w->questionIndex, 1);
    testing::chooseFromMenuBar(w->mnuPregrespitPreglodzadpitdokr); // Cancel: the review stays on
    EXPECT_TRUE(w->reviewMode);
    EXPECT_EQ(w->questionIndex, 1);
}

TEST_F(Demonstration, WaitsForItsStartBoxWhileTheTickGoesOn) {
    auto w = start(24);
    w->JumpToQuestion(23);
    fakes.dialogs.whileOpen = [&](const DialogCall& call) {
        for (int i = 0; call.kind == DialogCall::Kind::Input && i < 3; ++i)
            tick(*w);
    };
    struct Row {
        const char* answer;
        bool runs;
        int shown;
    };
    for (const Row& row : {Row{"5", true, 5}, Row{"", false, 23}}) {
        fakes.dialogs.answers = {row.answer};
        testing::chooseFromMenuBar(w->mnuPregrespitBrzpregodzadpitdokr);
        EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Input)->defaultAnswer, "23") << row.answer;
        EXPECT_EQ(w->quickReviewMode, row.runs) << row.answer;
        EXPECT_EQ(w->questionIndex, row.shown) << row.answer;
        EXPECT_EQ(allEnabled(*w), !row.runs) << row.answer;
        if (w->quickReviewMode) {
            testing::click(w->cmdKrajrada);
            tick(*w);
        }
        EXPECT_EQ(w->questionIndex, 23) << row.answer;
    }
    EXPECT_EQ(fakes.programEnd.count, 0);
}

TEST_F(Demonstration, IzlazGivesTheWindowBackAtOnce) {
    auto w = start(5);
    key(*w, 'b');
    w->ShowNextQuestion();
    testing::click(w->cmdBrziPregled);
    tick(*w);
    press(*w, Qt::Key_Escape);
    EXPECT_TRUE(allEnabled(*w));
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_TRUE(w->quickReviewMode); // still in the demonstration's look until the tick
    tick(*w);
    EXPECT_FALSE(w->quickReviewMode);
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(texts(*w).front().color, QColor(0, 0, 0));
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    w->ShowPreviousQuestion(); // question 1, answered before: never counted again
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
}

TEST_F(Demonstration, TimeLimitEndsTheWorkWithoutAStep) {
    auto w = startAsAna(5);
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada5minuta);
    testing::click(w->cmdBrziPregled);
    tick(*w);
    const int shown = w->questionIndex;
    fakes.clock.now = w->workStartTime + 300;
    const auto logSize = w->canvas().log().size();
    w->tmrTimer1_Timer();
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(w->questionIndex, shown);
    EXPECT_EQ(w->canvas().log().size(), logSize);
    EXPECT_EQ(testing::readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1").substr(0, 24),
              "3 Broj zadnjeg pitanja\r\n");
}

TEST_F(Review, StepsOnAndComesBack) {
    auto w = start(5);
    key(*w, 'a');
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    testing::click(w->cmdPregled);
    EXPECT_TRUE(w->reviewMode);
    EXPECT_EQ(w->questionIndex, 1);
    testing::click(w->CmdSledecepitanje);
    QTest::mouseClick(w->surface(), Qt::LeftButton); // a click moves on in a review
    EXPECT_EQ(w->questionIndex, 3);
    press(*w, Qt::Key_PageDown);
    EXPECT_EQ(w->questionIndex, 4);
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    testing::click(w->imgtoolbar[17]); // "Izlaz"
    EXPECT_FALSE(w->reviewMode);
    EXPECT_EQ(w->questionIndex, 3);
    EXPECT_TRUE(allEnabled(*w));
    EXPECT_EQ(fakes.programEnd.count, 0);
    EXPECT_EQ(w->lblPomocuprvomredu->caption(),
              "Kliknite misom na ponudjeni a), b), c) ili d) odgovor.");
}

TEST_F(Review, TheHoverFrameOptionComesBackAsItWas) {
    auto w = start(3);
    for (bool on : {false, true}) {
        w->mnuPodesavanjaPojavokviraokoodg->setChecked(on);
        QTest::keyClick(w->window()->focusWidget(), Qt::Key_F9);
        EXPECT_FALSE(w->mnuPodesavanjaPojavokviraokoodg->checked());
        QTest::keyClick(w->window()->focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(w->mnuPodesavanjaPojavokviraokoodg->checked(), on);
    }
}

TEST_F(Review, HelpLineShownForTheModeOnly) {
    auto w = start(3);
    testing::chooseFromMenuBar(w->mnuPodesavanjaPomocuprvomredu);
    ASSERT_FALSE(w->helpLineOn);
    testing::click(w->cmdPregled);
    EXPECT_TRUE(w->lblPomocuprvomredu->visible());
    EXPECT_TRUE(w->mnuPodesavanjaPomocuprvomredu->checked());
    EXPECT_FALSE(w->helpLineOn);
    testing::click(w->cmdKrajrada);
    EXPECT_FALSE(w->lblPomocuprvomredu->visible());
    EXPECT_FALSE(w->mnuPodesavanjaPomocuprvomredu->checked());
}

TEST_F(Review, TheQuestionOnScreenCountsWhenAModeBegins) {
    auto w = start(3);
    key(*w, 'b');
    testing::click(w->cmdPregled);
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    testing::click(w->cmdKrajrada);
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
}

TEST_F(Review, ADemonstrationStartedDuringAReviewTakesItsPlace) {
    auto w = start(5);
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    ASSERT_TRUE(w->mnuPodesavanjaPojavokviraokoodg->checked());
    testing::click(w->imgtoolbar[13]); // review
    w->ShowNextQuestion();
    testing::click(w->imgtoolbar[14]); // demonstration, during the review
    EXPECT_TRUE(w->quickReviewMode);
    EXPECT_FALSE(w->reviewMode);
    for (int i = 0; i < 7; ++i) {
        fakes.clock.now += 1;
        w->tmrTimer1_Timer();
    }
    EXPECT_FALSE(w->quickReviewMode);
    EXPECT_FALSE(w->reviewMode);
    // What was on before the first start comes back.
    EXPECT_EQ(w->questionIndex, 3);
    EXPECT_TRUE(w->mnuPodesavanjaPojavokviraokoodg->checked());
    EXPECT_TRUE(allEnabled(*w));
    testing::click(w->cmdKrajrada); // no mode is left over: this ends the work
    EXPECT_EQ(fakes.programEnd.count, 1);
}

TEST_F(Review, ClosingTheWindowLeavesTheModeSavesAndEnds) {
    auto w = startAsAna(5);
    w->ShowNextQuestion();
    testing::click(w->cmdPregled);
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    w->window()->close();
    EXPECT_FALSE(w->reviewMode);
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(testing::readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1").substr(0, 24),
              "2 Broj zadnjeg pitanja\r\n");
}

} // namespace
} // namespace kviz
