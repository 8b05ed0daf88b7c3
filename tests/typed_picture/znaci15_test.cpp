// The fifteen-signs test: numbering by question and task, the verdict labels, the counts.
#include "tests/support/window_fixture.h"
#include "typed_picture/frm_saobracajni_znaci15.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTest>

namespace kviz {
namespace {

using testing::record;

// An answer-key file: the count, then twenty 5-byte records per task.
std::string signKeys(const std::vector<std::vector<std::string>>& tasks) {
    std::string bytes = record(std::to_string(tasks.size()), 5);
    for (const auto& keys : tasks)
        for (std::size_t i = 0; i < 20; ++i)
            bytes += record(i < keys.size() ? keys[i] : "0", 5);
    return bytes;
}

class FifteenSigns : public testing::WindowFixture {
protected:
    std::unique_ptr<frmSaobracajniznaci15znakova> open(int tasks = 2) {
        std::vector<std::vector<std::string>> keys(static_cast<std::size_t>(tasks),
                                                   {"12", " 3", "7"});
        writeBank("saobzn15", "saobzn15.odg", signKeys(keys));
        std::filesystem::create_directories(stateRoot() / "SAOBZN15");
        auto w = std::make_unique<frmSaobracajniznaci15znakova>(services());
        w->show();
        return w;
    }
    static void type(frmSaobracajniznaci15znakova& w, const std::vector<QString>& boxes) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            w.txtOdgovor[i]->setText(boxes[i]);
        w.txtOdgovor_KeyUp();
    }
    // Shows the window as the active one, with Enter's Tab keystroke moving the focus on.
    void activate(frmSaobracajniznaci15znakova& w) {
        fakes.keystrokes.onTab = [] {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
        };
        w.window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == w.window(); }));
    }
    static void press(frmSaobracajniznaci15znakova& w, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(w.window()->focusWidget(), key);
    }
    static QStringList verdicts(frmSaobracajniznaci15znakova& w) {
        QStringList out;
        for (Label* label : w.lblTacodgovor)
            out << label->caption();
        return out;
    }
};

TEST_F(FifteenSigns, QuestionNumbersByTaskAndBox) {
    auto w = open(2);
    EXPECT_EQ(w->caption(), "Saobracajni znaci 15 znakova");
    EXPECT_EQ(w->questionCount, 2);
    EXPECT_EQ(w->questionLabels[0]->caption(), "1.");
    w->ShowNextQuestion();
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->questionLabels[0]->caption(), "16.");
    EXPECT_EQ(w->questionLabels[14]->caption(), "30.");
    w->txtOdgovor_GotFocus(7); // row 2, column 3
    EXPECT_EQ(w->cmbPitanje->text(), "23");
    EXPECT_EQ(w->boxKeys[1], "3  ");
    EXPECT_EQ(frmSaobracajniznaci15znakova::taskOf(15), 1);
    EXPECT_EQ(frmSaobracajniznaci15znakova::boxOf(15), 14);
    EXPECT_EQ(frmSaobracajniznaci15znakova::taskOf(16), 2);
}

TEST_F(FifteenSigns, VerdictLabelsAndNoNe) {
    auto w = open();
    type(*w, {"12", "3", "7"});
    EXPECT_EQ(w->resultLetters[1], 'T');
    w->CmdSledecepitanje_GotFocus();
    EXPECT_EQ(verdicts(*w), QStringList(QList<QString>(15, "DA")));
    type(*w, {"12", "4", "7"}); // the change empties every label first
    EXPECT_EQ(w->resultLetters[1], 'N');
    w->CmdSledecepitanje_GotFocus();
    QStringList expected(QList<QString>(15, QString()));
    expected[1] = "3";
    EXPECT_EQ(verdicts(*w), expected);
    EXPECT_TRUE(w->canvas().log().empty()); // no "NE" in this window
}

TEST_F(FifteenSigns, RightTasksCountOnlyWithTheirVerdict) {
    auto w = open(3);
    type(*w, {"12", "3", "7"});
    w->txtOdgovor_LostFocus();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    w->CmdSledecepitanje_GotFocus();
    w->StoreAnswerAndShowNext();
    EXPECT_EQ(basKvizomat.correctCount, 1);
    type(*w, {"12", "3", "7"});
    w->txtOdgovor_LostFocus();
    int down = keys::PageDown;
    w->Form_KeyUp(down, 0); // right, but no verdict
    EXPECT_EQ(basKvizomat.answeredCount, 2);
    EXPECT_EQ(basKvizomat.correctCount, 1);
    EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena: NIJE POLOZIO(50%)");
}

TEST_F(FifteenSigns, AnsweredTasksAreThoseStartingWithANumber) {
    auto w = open(3);
    w->typedAnswers[1] = "  5";
    w->typedAnswers[2] = "a 3 ";
    w->txtOdgovor_LostFocus();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 1");
}

TEST_F(FifteenSigns, QuestionBoxAndGoToWorkInQuestionNumbers) {
    auto w = open(20);
    int enter = 13;
    w->cmbPitanje->setText("23");
    w->cmbPitanje_KeyPress(enter);
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->questionNumber, 23);
    w->cmbPitanje->setText("15");
    w->cmbPitanje_KeyPress(enter);
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(w->questionNumber, 15);
    w->cmbPitanje->setText("301");
    w->cmbPitanje_KeyPress(enter);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
              "\nMaksimalni broj pitanja je 300.");
    EXPECT_EQ(w->cmbPitanje->text(), "286");
    EXPECT_EQ(w->questionIndex, 1); // the task on screen stays
    fakes.dialogs.answers = {"301", "47"};
    w->PromptGoToQuestion();
    const DialogCall* ask = fakes.dialogs.last(DialogCall::Kind::Input);
    EXPECT_EQ(ask->text, "Upisite broj pitanja na koje zelite da predjete: (1-300)");
    EXPECT_EQ(fakes.beeper.count, 2);
    EXPECT_EQ(w->questionIndex, 4);
    EXPECT_EQ(w->questionNumber, 47);
}

TEST_F(FifteenSigns, PreviousFromTheFirstTaskBeeps) {
    auto w = open(2);
    w->ShowPreviousQuestion();
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(fakes.beeper.count, 1);
}

TEST_F(FifteenSigns, DemonstrationFillsTheKeys) {
    auto w = open(2);
    w->cmdBrziPregled->press();
    EXPECT_EQ(w->txtOdgovor[0]->text(), "12");
    EXPECT_EQ(w->txtOdgovor[3]->text(), "");
    EXPECT_EQ(verdicts(*w)[5], "DA");
    EXPECT_FALSE(w->questionLabels[0]->enabled());
    w->cmdKrajrada->press();
    w->tmrTimer1_Timer();
    EXPECT_TRUE(w->questionLabels[0]->enabled());
}

TEST_F(FifteenSigns, AJumpLandsOnTheBoxOfTheQuestion) {
    auto w = open(3);
    activate(*w);
    for (const bool byGoToBox : {false, true}) {
        w->ShowPreviousQuestion(); // task 1
        if (byGoToBox) {
            fakes.dialogs.answers = {"23"};
            press(*w, Qt::Key_F5);
        } else {
            w->cmbPitanje->setFocus();
            w->cmbPitanje->setText("");
            QTest::keyClicks(w->window()->focusWidget(), "23");
            press(*w, Qt::Key_Return);
        }
        EXPECT_EQ(w->questionIndex, 2) << byGoToBox;
        EXPECT_EQ(w->focusedControl(), w->txtOdgovor[7]) << byGoToBox;
        EXPECT_EQ(w->cmbPitanje->text(), "23") << byGoToBox;
    }
    // Leaving the question box puts back the question of the box in use, not the task.
    w->cmbPitanje->setFocus();
    QTest::keyClicks(w->window()->focusWidget(), "9");
    w->CmdPrethodnopitanje->setFocus();
    EXPECT_EQ(w->cmbPitanje->text(), "23");
    EXPECT_EQ(w->questionLabels[0]->caption(), "16.");
}

TEST_F(FifteenSigns, EachDrawingShowsOnlyTheVerdictOfItsTask) {
    auto w = open(3);
    activate(*w);
    QTest::keyClicks(w->window()->focusWidget(), "9");
    press(*w, Qt::Key_Backspace);
    press(*w, Qt::Key_Return, 15); // through every box to the button: the verdict
    ASSERT_EQ(w->focusedControl(), w->CmdSledecepitanje);
    QStringList keys(QList<QString>(15, QString()));
    keys[0] = "12", keys[1] = "3", keys[2] = "7";
    EXPECT_EQ(verdicts(*w), keys);
    press(*w, Qt::Key_Return); // the next task
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(verdicts(*w), QStringList(QList<QString>(15, QString())));
    // Task 1 shows its stored verdict again, until a clean start for another candidate.
    w->ShowPreviousQuestion();
    EXPECT_EQ(verdicts(*w), keys);
    std::fill(w->typedAnswers.begin(), w->typedAnswers.end(), std::string());
    std::fill(w->resultLetters.begin(), w->resultLetters.end(), '\0');
    w->ShowQuestion();
    EXPECT_EQ(verdicts(*w), QStringList(QList<QString>(15, QString())));
}

TEST_F(FifteenSigns, StoredAnswersComeBackIntoTheirBoxes) {
    auto w = open(3);
    activate(*w);
    struct Row {
        std::vector<QString> typed; // keys typed into the boxes, or none
        std::string stored;         // the answer as kept in the progress row
        std::vector<QString> shown; // the boxes when the task is shown again
    };
    const Row rows[] = {
        {{"1234", "4", ""},
         "123"
         "4  "
         "   ",
         {"123", "4", ""}}, // a box takes three
        {{"12", "3", "7"},
         "12"
         "3 "
         "7 ",
         {"12", "3", "7"}},              // two-character fields
        {{}, "5 12  ", {"5", "12", ""}}, // a row of the old layout
        {{}, "1234 ", {"12", "34", ""}}, // old, three characters
    };
    for (const Row& row : rows) {
        if (row.typed.empty()) {
            w->typedAnswers[1] = row.stored;
        } else {
            for (std::size_t i = 0; i < row.typed.size(); ++i) {
                w->txtOdgovor[i]->setFocus();
                w->txtOdgovor[i]->setText("");
                QTest::keyClicks(w->window()->focusWidget(), row.typed[i]);
            }
            press(*w, Qt::Key_PageDown);
            EXPECT_EQ(w->typedAnswers[1], row.stored);
        }
        w->resultLetters[1] = '\0';
        w->JumpToQuestion(1);
        for (std::size_t i = 0; i < row.shown.size(); ++i)
            EXPECT_EQ(w->txtOdgovor[i]->text(), row.shown[i]) << row.stored << " box " << i;
        w->typedAnswers[1].clear();
    }
}

TEST_F(FifteenSigns, FiveDigitQuestionNumbersShowWhole) {
    auto w = open(2184); // the most tasks there can be
    w->JumpToQuestion(2184);
    EXPECT_EQ(w->questionLabels[14]->caption(), "32760.");
    for (Label* label : w->questionLabels)
        EXPECT_GE(label->widget()->width(), label->widget()->sizeHint().width())
            << label->caption().toStdString();
}

TEST_F(FifteenSigns, TheDemonstrationStoresNothing) {
    auto w = open(3);
    activate(*w);
    w->cmdBrziPregled->press();
    press(*w, Qt::Key_PageDown);
    w->txtOdgovor_KeyUp(); // the boxes hold the keys
    w->imgtoolbar[10]->onClick();
    w->CmdSledecepitanje_GotFocus();
    EXPECT_EQ(w->questionIndex, 3);
    w->cmdKrajrada->press();
    fakes.clock.now += 1;
    w->tmrTimer1_Timer();
    EXPECT_FALSE(w->quickReviewMode);
    for (int t = 1; t <= 3; ++t) {
        EXPECT_EQ(w->typedAnswers[static_cast<std::size_t>(t)], "") << t;
        EXPECT_EQ(w->resultLetters[static_cast<std::size_t>(t)], '\0') << t;
    }
    w->txtOdgovor_LostFocus();
    EXPECT_EQ(basKvizomat.answeredCount, 0);
}

} // namespace
} // namespace kviz
