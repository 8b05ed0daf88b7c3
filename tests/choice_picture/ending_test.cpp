// The results table's routes and the end of work.
#include "small_windows/frm_skracenatabela.h"
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

namespace kviz {
namespace {

using testing::readBytes;
using Ending = testing::PictureWindowTest;

// The button, the menu item (F8), the three header labels and toolbar image 13.
void openResultsTableByEveryRoute(TestWindow& w) {
    for (Control* c :
         std::initializer_list<Control*>{w.cmdTabela, w.lblUkupnoodgovora, w.lblTacnihodgovora,
                                         w.lblOcenaPolozioNijepolozio, w.imgtoolbar[12]})
        QTest::mouseClick(c->widget(), Qt::LeftButton);
    testing::chooseFromMenuBar(w.mnuTabelaskracenatabela);
}

class EndingAsAna : public Ending {
protected:
    std::string anaFile() { return readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1"); }
};

TEST_F(EndingAsAna, NothingAnsweredSavesBeepsAndEnds) {
    auto w = startAsAna();
    testing::click(w->cmdKrajrada);
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 0);
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(anaFile().substr(0, 24), "1 Broj zadnjeg pitanja\r\n");
    EXPECT_TRUE(w->unloaded());
}

TEST_F(EndingAsAna, AnsweredWorkShowsTheTableBeforeTheEnd) {
    auto w = startAsAna();
    key(*w, 'b');
    w->ShowNextQuestion();
    bool savedBeforeTable = false;
    QString candidate;
    fakes.dialogs.onModal = [&](Form& form) {
        savedBeforeTable = std::filesystem::file_size(stateRoot() / "SSITABCD" / "BrZadPit.1") > 0;
        candidate = static_cast<frmSkracenatabela&>(form).lblKandidatskrtabela->caption();
        EXPECT_EQ(fakes.programEnd.count, 0);
    };
    testing::click(w->cmdKrajrada);
    EXPECT_TRUE(savedBeforeTable);
    EXPECT_EQ(candidate, " ANA");
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Modal)->title,
              "Skracena tabela sa rezultatima testa");
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(anaFile().substr(0, 43), "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
}

// The question on screen, answered and not left, counts in the file but not in the table.
TEST_F(EndingAsAna, TheQuestionOnScreenIsCountedInTheFileOnly) {
    auto w = startAsAna();
    key(*w, 'b');
    testing::click(w->cmdKrajrada);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 0);
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(anaFile().substr(0, 43), "1 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
}

TEST_F(EndingAsAna, MenuItemEndsWithoutTheTable) {
    auto w = startAsAna();
    key(*w, 'b');
    w->ShowNextQuestion();
    testing::chooseFromMenuBar(w->mnuTestKrajrada);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 0);
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(anaFile().substr(0, 43), "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
}

TEST_F(EndingAsAna, ToolbarImageEndsAsTheButtonDoesOnce) {
    auto w = startAsAna();
    key(*w, 'b');
    w->ShowNextQuestion();
    testing::click(w->imgtoolbar[17]);
    testing::click(w->cmdKrajrada);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 1);
    EXPECT_EQ(fakes.programEnd.count, 1);
}

TEST_F(EndingAsAna, ClosingTheWindowSavesAndEnds) {
    auto w = startAsAna();
    key(*w, 'b');
    w->ShowNextQuestion();
    w->window()->close();
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 0);
    EXPECT_EQ(anaFile().substr(0, 43), "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
    EXPECT_TRUE(w->unloaded());
}

TEST_F(EndingAsAna, DuringAReviewTheQuestionBeforeItIsSaved) {
    auto w = startAsAna(3);
    w->ShowNextQuestion();
    testing::click(w->cmdPregled);
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    ASSERT_EQ(w->questionIndex, 3);
    w->window()->close();
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(anaFile().substr(0, 24), "2 Broj zadnjeg pitanja\r\n");
}

// The tick that reaches the limit puts the minutes on the bar and ends; the labels keep the
// texts of the tick before.
TEST_F(EndingAsAna, TimeUpShowsTheMinutesOnTheBarOnly) {
    auto w = startAsAna();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada5minuta);
    fakes.clock.now = w->workStartTime + 240;
    w->tmrTimer1_Timer();
    fakes.clock.timeText = "12:05:00";
    fakes.clock.now = w->workStartTime + 300;
    w->tmrTimer1_Timer();
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(w->ProgressBar1->value(), 5);
    EXPECT_EQ(w->lblProteklovreme->caption(), "Proteklo vreme: 4. minuta od 5. minuta");
    EXPECT_EQ(w->lblTekucevreme->caption(), "12:00:00");
}

TEST_F(Ending, UnnamedCandidateIsAskedBeforeAnythingIsWritten) {
    auto w = start();
    key(*w, 'b');
    w->ShowNextQuestion();
    std::string listAtPrompt = "unread";
    fakes.dialogs.whileOpen = [&](const DialogCall& call) {
        if (call.title == "Kandidat")
            listAtPrompt = readBytes(stateRoot() / "Kandidat.ime");
    };
    fakes.dialogs.answers = {"mika"};
    testing::click(w->cmdKrajrada);
    EXPECT_EQ(listAtPrompt, "");
    EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"), "NOVI KANDIDAT\r\nMIKA\r\n");
    EXPECT_TRUE(std::filesystem::exists(stateRoot() / "SSITABCD" / "BrZadPit.1"));
}

TEST_F(Ending, ResultsTableRoutesBeepWithNothingCounted) {
    auto w = start();
    openResultsTableByEveryRoute(*w);
    EXPECT_EQ(beeps(), 6);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 0);
}

TEST_F(Ending, ResultsTableRoutesOpenItAndTheQuestionIsDrawnAgain) {
    auto w = start();
    key(*w, 'b');
    w->ShowNextQuestion();
    bool helpHidden = false;
    fakes.dialogs.onModal = [&](Form&) { helpHidden = !w->lblPomocuprvomredu->visible(); };
    openResultsTableByEveryRoute(*w);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 6);
    EXPECT_TRUE(helpHidden);
    EXPECT_TRUE(w->lblPomocuprvomredu->visible()); // the activation shows it again
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_FALSE(texts(*w).empty());
}

} // namespace
} // namespace kviz
