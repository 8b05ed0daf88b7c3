// Saving and loading a candidate's progress in the traffic-situation window.
#include "tests/choice_picture/picture_window.h"

#include <QImage>

namespace kviz {
namespace {

using testing::readBytes;
using testing::writeBytes;
using Progress = testing::PictureWindowTest;

// A modal window of the program that closes at once.
class SmallWindow : public Form {
public:
    explicit SmallWindow(Services services) : Form(services, 3000, 2000) {
        setCaption("Mali prozor");
    }
};

using ProgressWithAna = Progress;

TEST_F(ProgressWithAna, SaveAndReloadInANewWindow) {
    {
        auto w = startAsAna();
        key(*w, 'b');
        w->ShowNextQuestion();
        key(*w, 'c');
        w->ShowNextQuestion();
        w->ShowNextQuestion();
        w->SaveSession();
    }
    startProgramAgain();
    fakes.dialogs.answers = {"ana"};
    auto w = start(5);
    EXPECT_EQ(w->questionIndex, 4);
    EXPECT_EQ(basKvizomat.answeredCount, 2);
    EXPECT_EQ(basKvizomat.correctCount, 1);
    EXPECT_EQ(w->answerLetters[2], 'c');
    EXPECT_EQ(w->resultLetters[2], 'N');
    // The number shown before the load joins the history.
    EXPECT_EQ(w->cmbPitanje->items(), QStringList{"1"});
    EXPECT_EQ(w->cmbPitanje->text(), "4");
    // Loaded answers are never counted again.
    w->ShowPreviousQuestion();
    w->ShowPreviousQuestion();
    w->ShowPreviousQuestion();
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 2);
}

// The file's last question is the one on screen at the load, whose visit goes on.
TEST_F(ProgressWithAna, TheAnswerReloadedOnScreenIsNotCountedAgain) {
    std::filesystem::create_directories(stateRoot() / "SSITABCD");
    writeBytes(stateRoot() / "SSITABCD" / "BrZadPit.1",
               "1 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n1 Tacnih odgovora\r\nbT\r\n");
    auto w = startAsAna(3);
    ASSERT_EQ(w->answerLetters[1], 'b');
    w->ShowNextQuestion();
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(basKvizomat.correctCount, 1);
}

TEST_F(ProgressWithAna, ReturningFromAModalWindowKeepsTheWorkAndTheClock) {
    auto w = startAsAna();
    key(*w, 'b');
    w->ShowNextQuestion();
    w->SaveSession();
    key(*w, 'a'); // after the save
    w->ShowNextQuestion();
    const double started = w->workStartTime;
    fakes.clock.now += 600;
    SmallWindow small(services());
    w->showModalForm(small);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Modal)->title, "Mali prozor");
    EXPECT_EQ(w->questionIndex, 3);
    EXPECT_EQ(basKvizomat.answeredCount, 2);
    EXPECT_EQ(w->answerLetters[2], 'a');
    EXPECT_EQ(w->workStartTime, started);
}

TEST_F(ProgressWithAna, ResetIsNotUndoneByAModalWindow) {
    auto w = startAsAna();
    key(*w, 'b');
    w->ShowNextQuestion();
    w->SaveSession();
    fakes.dialogs.answers = {"DA"};
    testing::click(w->cmdReset);
    SmallWindow small(services());
    w->showModalForm(small);
    EXPECT_EQ(basKvizomat.answeredCount, 0);
    EXPECT_EQ(w->answerLetters[1], ' ');
}

TEST_F(ProgressWithAna, DamagedFileLoadsWithinTheBank) {
    std::filesystem::create_directories(stateRoot() / "SSITABCD");
    writeBytes(stateRoot() / "SSITABCD" / "BrZadPit.1",
               "77 Broj zadnjeg pitanja\r\n40 Ukupno odgovora\r\n50 Tacnih odgovora\r\n"
               "bT\r\nzz\r\n\r\naN\r\ncT\r\ndT\r\ndT\r\n");
    auto w = startAsAna(5);
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(basKvizomat.answeredCount, 5);
    EXPECT_EQ(basKvizomat.correctCount, 5);
    EXPECT_EQ(w->answerLetters[1], 'b');
    EXPECT_EQ(w->answerLetters[2], '\0');
    EXPECT_EQ(w->answerLetters[3], ' ');
    EXPECT_EQ(w->answerLetters[5], 'c');
    // A row beyond the bank has no place; nothing was written past the tables.
    EXPECT_EQ(w->answerLetters.size(), 6u);
    w->ShowNextQuestion();
    w->ShowNextQuestion();
    EXPECT_EQ(w->questionIndex, 3);
}

TEST_F(ProgressWithAna, ShortFileKeepsTheRestAsItWas) {
    std::filesystem::create_directories(stateRoot() / "SSITABCD");
    writeBytes(stateRoot() / "SSITABCD" / "BrZadPit.1",
               "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n1 Tacnih odgovora\r\nbT\r\n");
    auto w = startAsAna(5);
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->answerLetters[1], 'b');
    EXPECT_EQ(w->answerLetters[2], '\0');
    w->SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1"),
              std::string("2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n1 Tacnih odgovora\r\n"
                          "bT\r\n\0\0\r\n\0\0\r\n\0\0\r\n\0\0\r\n",
                          82));
}

TEST_F(ProgressWithAna, BlankRowsAfterAResetLoadAsBlanks) {
    auto w = startAsAna(2);
    key(*w, 'b');
    w->ShowNextQuestion();
    fakes.dialogs.answers = {"da"};
    testing::click(w->cmdReset);
    w->SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1"),
              "2 Broj zadnjeg pitanja\r\n0 Ukupno odgovora\r\n0 Tacnih odgovora\r\n  \r\n  \r\n");
    startProgramAgain();
    fakes.dialogs.answers = {"ana"};
    auto again = start(2);
    EXPECT_EQ(again->answerLetters[1], ' ');
    EXPECT_EQ(again->resultLetters[2], ' ');
}

TEST_F(ProgressWithAna, EntryZeroLoadsTheTemplate) {
    auto w = startAsAna(3);
    key(*w, 'b');
    w->ShowNextQuestion();
    w->SaveSession();
    enterIn(*w, w->cmbKandidat, "NOVI KANDIDAT");
    EXPECT_EQ(candidateRoster.owner(), 0);
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 0");
    EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena:");
    EXPECT_EQ(w->answerLetters[1], ' ');
    // A save now writes the template only.
    auto before = readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1");
    key(*w, 'a');
    w->SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1"), before);
}

// The question on screen counts in the file it is saved to; on screen it counts once it is
// left, and once only.
TEST_F(ProgressWithAna, TheQuestionOnScreenIsCountedInTheFile) {
    auto w = startAsAna(3);
    key(*w, 'b');
    w->SaveSession();
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 0");
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1").substr(0, 62),
              "1 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n1 Tacnih odgovora\r\n");
    press(*w, Qt::Key_PageDown);
    press(*w, Qt::Key_PageUp);
    press(*w, Qt::Key_PageDown);
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 1");
}

TEST_F(ProgressWithAna, FailedSaveIsReported) {
    auto w = startAsAna(3);
    key(*w, 'b');
    std::filesystem::remove_all(stateRoot());
    writeBytes(stateRoot(), "not a folder");
    w->SaveSession();
    const DialogCall* box = fakes.dialogs.last(DialogCall::Kind::Message);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title, "Greska");
    EXPECT_EQ(box->icon, MessageIcon::Critical);
    EXPECT_TRUE(box->text.startsWith("\nNije moguce sacuvati:"));
    for (const char* file : {"Kandidat.ime - ", "BrZadPit.0 - ", "BrZadPit.1 - "})
        EXPECT_TRUE(box->text.contains(QString(file) + "nema foldera")) << file;
}

} // namespace
} // namespace kviz
