// Moving between questions in the traffic-situation window.
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

#include <QScrollBar>

namespace kviz {
namespace {

using Navigation = testing::PictureWindowTest;

TEST_F(Navigation, NextWrapsToTheFirstWithABeep) {
    auto w = start(3);
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    EXPECT_EQ(w->questionIndex, 3);
    EXPECT_EQ(beeps(), 0);
    key(*w, 'a'); // answer the last question, then wrap
    w->ShowNextQuestion();
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(w->cmbPitanje->text(), "1");
    EXPECT_EQ(w->lblPitanje2->caption(), "1.");
    EXPECT_EQ(w->VScrollzapitanje->value(), 1);
    EXPECT_EQ(basKvizomat.answeredCount, 1); // the last question was counted on the way
}

TEST_F(Navigation, OneQuestionTestRedrawsWithABeep) {
    auto w = start(1);
    w->ShowNextQuestion();
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(basKvizomat.answeredCount, 0);
}

TEST_F(Navigation, GoToPrompt) {
    struct Case {
        const char* name;
        std::vector<QString> answers;
        int expected;
        int prompts;
        int beeps;
    };
    const Case cases[] = {
        {"zero", {"0"}, 3, 1, 0},
        {"empty", {""}, 3, 1, 0},
        {"cancel", {}, 3, 1, 0},
        {"no number", {"abc"}, 3, 1, 0},
        {"negative asks again", {"-3", "5"}, 5, 2, 1},
        {"above the count asks again", {"16", "7"}, 7, 2, 1},
        {"number then letters", {"12abc"}, 12, 1, 0},
        {"leading blank", {" 12"}, 12, 1, 0},
        {"half down to even", {"2.5"}, 2, 1, 0},
        {"half up to even", {"3.5"}, 4, 1, 0},
        {"rounds to zero", {"0.4"}, 3, 1, 0},
    };
    for (const auto& c : cases) {
        auto w = start(15);
        w->questionIndex = 3;
        w->ShowQuestion();
        fakes.dialogs.calls.clear();
        fakes.beeper.count = 0;
        fakes.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        w->PromptGoToQuestion();
        EXPECT_EQ(w->questionIndex, c.expected) << c.name;
        EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), c.prompts) << c.name;
        EXPECT_EQ(beeps(), c.beeps) << c.name;
        EXPECT_TRUE(w->lblPomocuprvomredu->visible()) << c.name;
        EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Input)->defaultAnswer, "3") << c.name;
    }
}

TEST_F(Navigation, GoToRemembersTheNumber) {
    auto w = start(15);
    fakes.dialogs.answers = {"12", "12", "4"};
    w->PromptGoToQuestion();
    w->PromptGoToQuestion();
    w->PromptGoToQuestion();
    EXPECT_EQ(w->cmbPitanje->items(), (QStringList{"12", "4"}));
    EXPECT_EQ(w->cmbPitanje->listIndex(), 1);
}

TEST_F(Navigation, QuestionBoxEnter) {
    auto w = start(15);
    const auto typeIntoTheBox = [&](const char* text) {
        w->cmbPitanje->setFocus();
        w->cmbPitanje->setText("");
        QTest::keyClicks(w->window()->focusWidget(), text);
        QTest::keyClick(w->window()->focusWidget(), Qt::Key_Return);
    };
    w->cmbPitanje->setFocus();
    EXPECT_FALSE(w->keyPreview);
    EXPECT_EQ(w->lblPomocuprvomredu->caption(),
              "Upisite ili izaberite broj Pitanja i pritisnite Enter.");
    typeIntoTheBox("12");
    typeIntoTheBox("12");
    EXPECT_EQ(w->questionIndex, 12);
    EXPECT_EQ(w->cmbPitanje->items(), QStringList{"12"});
    typeIntoTheBox("012");
    EXPECT_EQ(w->cmbPitanje->items(), (QStringList{"12", "012"}));
    EXPECT_EQ(w->cmbPitanje->text(), "12");
    // Enter moved on: the window sees the keys again, and the help line is question 12's.
    EXPECT_EQ(w->focusedControl(), w->CmdSledecepitanje);
    EXPECT_TRUE(w->keyPreview);
    EXPECT_EQ(w->lblPomocuprvomredu->caption(),
              "Kliknite misom na ponudjeni a), b) ili c) odgovor.");
}

// No text covers another: a long question number, question-box text or candidate name keeps to
// its own place.
TEST_F(Navigation, NoHeaderTextCoversItsNeighbour) {
    auto w = start(1234);
    fakes.dialogs.answers = {"1234"};
    testing::chooseFromMenuBar(w->mnuPitanjeOdredjenopitanje);
    ASSERT_EQ(w->lblPitanje2->caption(), "1234.");
    const double textLeft = w->layout().question.textX * w->canvas().twipsPerUnitX();
    const int numberPixels =
        QFontMetrics(w->lblPitanje2->widget()->font()).horizontalAdvance("1234.");
    EXPECT_LE(numberPixels * 15, w->lblPitanje2->width());                 // whole
    EXPECT_LE(w->lblPitanje2->left() + (numberPixels + 3) * 15, textLeft); // 3 pixels apart
    w->cmbPitanje->setText(QString(40, '9'));
    EXPECT_LT(w->cmbPitanje->left() + w->cmbPitanje->width(), w->lblUkupnoodgovora->left());
    w->cmbKandidat->setText(QString(60, 'M'));
    EXPECT_LT(w->cmbKandidat->left() + w->cmbKandidat->width(),
              w->lblOcenaPolozioNijepolozio->left());
}

TEST_F(Navigation, QuestionBoxOutOfRangeKeepsTheQuestionOnScreen) {
    auto w = start(15);
    w->questionIndex = 3;
    w->ShowQuestion();
    enterIn(*w, w->cmbPitanje, "99999999999"); // far beyond 16 bits too
    EXPECT_EQ(beeps(), 1);
    const DialogCall* box = fakes.dialogs.last(DialogCall::Kind::Message);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, "\nMaksimalni broj pitanja je 15.");
    EXPECT_EQ(box->title, "Greska");
    EXPECT_EQ(box->icon, MessageIcon::Critical);
    EXPECT_EQ(w->cmbPitanje->text(), "15");
    EXPECT_EQ(w->questionIndex, 3); // the question on screen stays
    press(*w, Qt::Key_Return);      // a second Enter goes to the corrected number
    EXPECT_EQ(w->questionIndex, 15);

    for (const char* low : {"0", "abc", "-4"}) {
        enterIn(*w, w->cmbPitanje, low);
        EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
                  "\nMinimalni broj pitanja je 1.");
        EXPECT_EQ(w->cmbPitanje->text(), "1");
        EXPECT_EQ(w->questionIndex, 15);
    }
    // A click gives the keys back to the window: the unconfirmed text leaves the box, and the
    // number the window keeps is the one it shows, which an answer now belongs to.
    QTest::mouseClick(w->surface(), Qt::LeftButton);
    EXPECT_EQ(w->cmbPitanje->text(), "15");
    key(*w, 'b');
    EXPECT_EQ(w->answerLetters[15], 'b');
    EXPECT_EQ(w->answerLetters[1], '\0');
}

TEST_F(Navigation, ScrollBarChangeAndScroll) {
    auto w = start(5);
    auto* bar = static_cast<QScrollBar*>(w->VScrollzapitanje->widget());
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); // an arrow
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->lblPitanje2->caption(), "2.");
    bar->setSliderDown(true);
    bar->setSliderPosition(4); // dragging the thumb shows each question passed
    EXPECT_EQ(w->questionIndex, 4);
    bar->setSliderDown(false);
    EXPECT_EQ(w->questionIndex, 4);
}

} // namespace
} // namespace kviz
