// The fifteen-signs test: numbering by question and task, the verdict labels, the counts.
#include "tests/support/window_fixture.h"
#include "typed_picture/frm_saobracajni_znaci15.h"

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

} // namespace
} // namespace kviz
