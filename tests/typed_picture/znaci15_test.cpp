// The fifteen-signs test: numbering by question and task, the verdict labels, the counts.
#include "tests/support/user_input.h"
#include "tests/support/window_fixture.h"
#include "typed_picture/frm_saobracajni_znaci15.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTest>

namespace kviz {
namespace {

using testing::click;
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
    static QString counts(frmSaobracajniznaci15znakova& w) {
        return w.lblUkupnoodgovora->caption() + ", " + w.lblTacnihodgovora->caption();
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
    EXPECT_EQ(w->questionCount, 2);
    w->ShowNextQuestion();
    EXPECT_EQ(w->questionIndex, 2);
    click(w->txtOdgovor[7]); // row 2, column 3
    EXPECT_EQ(w->cmbPitanje->text(), "23");
}

TEST_F(FifteenSigns, VerdictLabelsAndNoNe) {
    auto w = open();
    activate(*w);
    keys(*w, "12\n3\n7");
    EXPECT_EQ(w->resultLetters[1], 'T');
    w->CmdSledecepitanje->setFocus();
    EXPECT_EQ(verdicts(*w), QStringList(QList<QString>(15, "DA")));
    w->txtOdgovor[1]->setFocus();
    keys(*w, "\b4"); // the change empties every label first
    EXPECT_EQ(w->resultLetters[1], 'N');
    w->CmdSledecepitanje->setFocus();
    QStringList expected(QList<QString>(15, QString()));
    expected[1] = "3";
    EXPECT_EQ(verdicts(*w), expected);
    EXPECT_TRUE(w->canvas().log().empty()); // no "NE" in this window
}

TEST_F(FifteenSigns, CountsAreThoseOfTheTasksWithAVerdict) {
    auto w = open(4);
    activate(*w);
    keys(*w, "12\n"); // a task counts once, however many of its boxes are answered
    EXPECT_EQ(counts(*w), "Ukupno odgovora: 1, Tacnih odgovora: 0");
    keys(*w, "3\n7\n"); // right, counted as right when the task is left
    EXPECT_EQ(counts(*w), "Ukupno odgovora: 1, Tacnih odgovora: 0");
    keys(*w, QString(12, '\n')); // through the unused boxes to the button: the verdict
    EXPECT_EQ(verdicts(*w), QStringList(QList<QString>(15, "DA")));
    press(*w, Qt::Key_Return); // the next task
    keys(*w, "12\n3\n7");
    press(*w, Qt::Key_PageDown); // right, left without a verdict
    EXPECT_EQ(counts(*w), "Ukupno odgovora: 2, Tacnih odgovora: 2");
    keys(*w, "a\n3\n"); // wrong, though it does not start with a number
    EXPECT_EQ(counts(*w), "Ukupno odgovora: 3, Tacnih odgovora: 2");
    EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena: POLOZIO(100%)");
    click(w->imgTekst); // the text picture moves on, and the grade follows
    EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena: NIJE POLOZIO(66%)");
    EXPECT_EQ(w->questionIndex, 4);
    EXPECT_EQ(w->typedAnswers[3], "a 3   ");
    EXPECT_EQ(w->resultLetters[3], 'N');
    // A right click on the signs picture moves on once, and leaves no click to swallow: no
    // click of the window follows it.
    QTest::mouseClick(w->imgslika->widget(), Qt::RightButton);
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(w->clickMarker, 0);
    press(*w, Qt::Key_PageUp); // back from the first task: a beep, and the first again
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(fakes.beeper.count, 2);
}

// Another window of the program, or a setting that redraws the task, leaves the answer being
// typed as it stands.
TEST_F(FifteenSigns, AnotherWindowLeavesTheAnswerBeingTyped) {
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F4, Qt::Key_F8, Qt::Key_F12}) {
        auto w = open();
        activate(*w);
        keys(*w, "12\n");
        press(*w, key);
        EXPECT_EQ(verdicts(*w), QStringList(QList<QString>(15, QString()))) << key;
        EXPECT_EQ(w->txtOdgovor[0]->text(), "12") << key;
        EXPECT_EQ(w->focusedControl(), w->txtOdgovor[1]) << key;
        keys(*w, "3\n7"); // the answer is still open
        EXPECT_EQ(w->resultLetters[1], 'T') << key;
    }
    EXPECT_EQ(fakes.dialogs.calls.size(), 3u); // the help box, the results table, About
}

TEST_F(FifteenSigns, QuestionBoxAndGoToWorkInQuestionNumbers) {
    auto w = open(20);
    activate(*w);
    // Typed with Enter: the task shown, the box with the focus, the number in the question box.
    const std::tuple<const char*, int, std::size_t, const char*> rows[] = {
        {"23", 2, 7, "23"}, {"15", 1, 14, "15"}, {"301", 1, 0, "286"}}; // the task stays
    for (const auto& [typed, task, box, shown] : rows) {
        w->cmbPitanje->setFocus();
        w->cmbPitanje->setText(typed);
        press(*w, Qt::Key_Return);
        EXPECT_EQ(w->questionIndex, task) << typed;
        EXPECT_EQ(w->focusedControl(), w->txtOdgovor[box]) << typed;
        EXPECT_EQ(w->cmbPitanje->text(), shown) << typed;
    }
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
              "\nMaksimalni broj pitanja je 300.");
    fakes.dialogs.answers = {"301", "47"};
    w->PromptGoToQuestion();
    const DialogCall* ask = fakes.dialogs.last(DialogCall::Kind::Input);
    EXPECT_EQ(ask->text, "Upisite broj pitanja na koje zelite da predjete: (1-300)");
    EXPECT_EQ(fakes.beeper.count, 2);
    EXPECT_EQ(w->questionIndex, 4);
    EXPECT_EQ(w->questionNumber, 47);
}

TEST_F(FifteenSigns, TheFocusLandsOnTheBoxOfTheQuestionOrTheTasksFirst) {
    auto w = open(3);
    activate(*w);
    const struct {
        const char* action;
        QString answer;      // to the input box, or typed into the header box
        Control* clicked;    // or, with no header box either, F5
        ComboBox* headerBox; // takes the answer and Enter
        int task;
        std::size_t box; // after a review or the demonstration, once it has ended
        QString question;
        std::vector<Qt::Key> pressed = {};
        std::size_t from = 5; // the box in use before
    } rows[] = {
        {"review", "", nullptr, nullptr, 1, 5, "6", {Qt::Key_F9}},
        {"review, on to the next task",
         "",
         nullptr,
         nullptr,
         2,
         5,
         "16",
         {Qt::Key_F9, Qt::Key_PageDown}},
        {"demonstration", "", w->cmdBrziPregled, nullptr, 1, 5, "6"},
        {"candidate label", "ana", w->lblKandidat, nullptr, 1, 0, "1"},
        {"candidate image", "ana", w->imgtoolbar[16], nullptr, 1, 0, "1"},
        {"candidate box", "ana", nullptr, w->cmbKandidat, 1, 0, "1"},
        {"question box below 1", "0", nullptr, w->cmbPitanje, 1, 0, "1"},
        {"question box past the last", "47", nullptr, w->cmbPitanje, 1, 1, "31"},
        {"go-to image from the first box", "23", w->imgtoolbar[11], nullptr, 2, 0, "16", {}, 0},
    };
    for (const auto& row : rows) {
        w->ShowPreviousQuestion();      // task 1
        click(w->txtOdgovor[row.from]); // the question box follows the box clicked
        ASSERT_EQ(w->cmbPitanje->text(), QString::number(row.from + 1)) << row.action;
        fakes.dialogs.answers = {row.answer};
        if (row.clicked != nullptr) {
            click(row.clicked);
        } else if (row.headerBox != nullptr) {
            row.headerBox->setFocus();
            row.headerBox->setText("");
            keys(*w, row.answer + "\n");
        } else {
            for (Qt::Key key : row.pressed)
                press(*w, key);
        }
        EXPECT_EQ(w->questionIndex, row.task) << row.action;
        EXPECT_EQ(w->cmbPitanje->text(), row.question) << row.action;
        if (w->reviewMode || w->quickReviewMode) { // leaving brings back the box in use
            press(*w, Qt::Key_Escape);
            w->tmrTimer1_Timer();
        }
        EXPECT_EQ(w->focusedControl(), w->txtOdgovor[row.box]) << row.action;
    }
    // A click on the window while the name box has the focus gives it to the task's first box.
    click(w->txtOdgovor[5]);
    w->cmbKandidat->setFocus();
    QTest::mouseClick(w->surface(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w->focusedControl(), w->txtOdgovor[0]);
    // Leaving the question box puts back the question of the box in use, not the task.
    w->JumpToQuestion(2);
    click(w->txtOdgovor[7]);
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
    keys(*w, QString(15, '\n')); // through every box to the button: the verdict
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
        {{"1234", "4", ""}, "1234     ", {"123", "4", ""}}, // a box takes three: "123" "4  " "   "
        {{"12", "3", "7"}, "123 7 ", {"12", "3", "7"}},     // fields of two: "12" "3 " "7 "
        {{}, "5 12  ", {"5", "12", ""}},                    // a row of the old layout
        {{}, "1234 ", {"12", "34", ""}},                    // old, three characters
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
        w->JumpToQuestion(2);
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

TEST_F(FifteenSigns, TheDemonstrationFillsTheKeysAndStoresNothing) {
    auto w = open(3);
    activate(*w);
    click(w->cmdBrziPregled);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "12");
    EXPECT_EQ(w->txtOdgovor[3]->text(), "");
    press(*w, Qt::Key_PageDown);
    keys(*w, "5"); // the boxes take no key
    click(w->imgtoolbar[10]);
    w->CmdSledecepitanje->setFocus();
    EXPECT_EQ(w->questionIndex, 3);
    click(w->cmdKrajrada);
    fakes.clock.now += 1;
    w->tmrTimer1_Timer();
    EXPECT_FALSE(w->quickReviewMode);
    for (int t = 1; t <= 3; ++t) {
        EXPECT_EQ(w->typedAnswers[static_cast<std::size_t>(t)], "") << t;
        EXPECT_EQ(w->resultLetters[static_cast<std::size_t>(t)], '\0') << t;
    }
    w->CmdSledecepitanje->setFocus(); // the box in use loses the focus: the count again
    EXPECT_EQ(basKvizomat.answeredCount, 0);
}

} // namespace
} // namespace kviz
