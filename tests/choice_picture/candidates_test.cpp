// The candidate list, the name prompt and the choice of a candidate.
#include "platform/files.h"
#include "small_windows/frm_skracenatabela.h"
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace kviz {
namespace {

using testing::readBytes;

std::string progressBytes(const std::string& header, const std::vector<std::string>& rows) {
    std::string out = header;
    for (const auto& row : rows)
        out += row + "\r\n";
    return out;
}

class Candidates : public testing::PictureWindowTest {
protected:
    // The list "NOVI KANDIDAT", "ANA", and ANA's saved progress in this test.
    void anaHasSaved(const std::string& header, const std::vector<std::string>& rows) {
        writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
        std::filesystem::create_directories(stateRoot() / "SSITABCD");
        testing::writeBytes(stateRoot() / "SSITABCD" / "BrZadPit.1", progressBytes(header, rows));
    }
};

TEST_F(Candidates, LaterStartAsksAndLoadsTheChosenCandidate) {
    anaHasSaved("3 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n0 Tacnih odgovora\r\n",
                {"aN", std::string(2, '\0'), std::string(2, '\0')});
    fakes.dialogs.answers = {"ana"};
    writeBank("ssitabcd", "ssitabcd.pit",
              testing::choiceBank("3", {testing::testQuestion(1), testing::testQuestion(2),
                                        testing::testQuestion(3)}));
    auto w = std::make_unique<frmSlisaobrsitsaponudjABCDodgovorima>(services());
    bool helpHidden = false;
    fakes.dialogs.whileOpen = [&](const DialogCall&) {
        helpHidden = !w->lblPomocuprvomredu->visible() && w->lblPomocuprvomredu->caption() == "";
    };
    w->show();
    ASSERT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 1);
    EXPECT_TRUE(helpHidden);
    const DialogCall* ask = fakes.dialogs.last(DialogCall::Kind::Input);
    EXPECT_EQ(ask->text, "Upisite ime kandidata:");
    EXPECT_EQ(ask->title, "Kandidat");
    EXPECT_EQ(ask->defaultAnswer, "NOVI KANDIDAT");
    EXPECT_EQ(ask->position, QPoint(2700, 2200));
    EXPECT_EQ(basKvizomat.candidateName, "ANA");
    EXPECT_EQ(w->cmbKandidat->listIndex(), 1);
    EXPECT_EQ(candidateRoster.owner(), 1);
    EXPECT_EQ(w->questionIndex, 3);
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(w->answerLetters[1], 'a');
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 1");
    EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena: NIJE POLOZIO(0%)");
    EXPECT_TRUE(w->lblPomocuprvomredu->visible());
}

TEST_F(Candidates, EnterInTheComboSelectsOrAppends) {
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
    fakes.dialogs.answers = {""}; // the start-up prompt is cancelled
    auto w = start(3);
    EXPECT_EQ(basKvizomat.candidateName, "Novi kandidat");
    w->cmbKandidat->setFocus();
    EXPECT_FALSE(w->keyPreview);
    w->cmbKandidat->setText("ana");
    press(*w, Qt::Key_Return);
    EXPECT_EQ(w->cmbKandidat->listIndex(), 1);
    EXPECT_EQ(w->cmbKandidat->listCount(), 2);
    enterIn(*w, w->cmbKandidat, "ana ");
    EXPECT_EQ(w->cmbKandidat->items(), (QStringList{"NOVI KANDIDAT", "ANA", "ANA "}));
    EXPECT_EQ(candidateRoster.owner(), 2);
}

TEST_F(Candidates, LongNames) {
    auto w = start(3);
    fakes.dialogs.answers = {"abcdefghijklmnopqrstuvwxy"};
    testing::chooseFromMenuBar(w->mnuKandidat);
    EXPECT_EQ(basKvizomat.candidateName, "ABCDEFGHIJKLMNOPQRST");
    enterIn(*w, w->cmbKandidat, "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(basKvizomat.candidateName, "ABCDEFGHIJKLMNOPQRSTUVWXY");
}

// A name that the list cannot keep is refused, with a beep and a box, and never stands for
// another: an empty one, or one with a character that the list file cannot hold.
TEST_F(Candidates, NamesTheListCannotKeepAreRefused) {
    auto w = start(3);
    basKvizomat.candidateName = "PERA";
    const QString empty = "\nIme kandidata mora sadrzati\n\nnajmanje jedan znak.";
    const QString foreign = "\nIme kandidata sadrzi znak koji\nlista kandidata ne moze da sacuva.";
    const struct {
        QString typed, box, left;
    } rows[] = {{"", empty, "NOVI KANDIDAT"},
                {"\n\r\t", empty, "NOVI KANDIDAT"},
                {QString::fromUtf8("\xd0\x96"), foreign, QString::fromUtf8("\xd0\x96")},
                {QString::fromUtf8("\xd0\x90na"), foreign, QString::fromUtf8("\xd0\x90na")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        fakes.dialogs.calls.clear();
        enterIn(*w, w->cmbKandidat, row.typed);
        const DialogCall* box = fakes.dialogs.last(DialogCall::Kind::Message);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text, row.box);
        EXPECT_EQ(box->title, "Greska");
        EXPECT_EQ(box->icon, MessageIcon::Critical);
        EXPECT_EQ(w->cmbKandidat->text(), row.left);
        EXPECT_EQ(basKvizomat.candidateName, "PERA");
    }
    EXPECT_EQ(beeps(), 4);
    EXPECT_EQ(w->cmbKandidat->listCount(), 1);
}

// Line breaks and control characters are left out of a name; a name with a character that the
// list file cannot hold is asked again, with what was typed to mend.
TEST_F(Candidates, NamesKeepOnlyPrintableCharactersOfTheListFile) {
    auto w = start(3);
    fakes.dialogs.answers = {QString::fromUtf8("pe\nra\x01 \xc5\xa1\xd0\x96"),
                             QString::fromUtf8("pe\nra\x01 \xc5\xa1")}; // s caron kept
    testing::chooseFromMenuBar(w->mnuKandidat);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 2);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Input)->defaultAnswer,
              QString::fromUtf8("pera \xc5\xa1\xd0\x96"));
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(basKvizomat.candidateName, "PERA \x8a");
    enterIn(*w, w->cmbKandidat, "mi\r\nka");
    w->SaveSession();
    // One name a line: the line breaks could not split the list.
    EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"), "NOVI KANDIDAT\r\nPERA \x8a\r\nMIKA\r\n");
    fakes.dialogs.answers = {"\x01\x02"}; // nothing printable: as a cancelled prompt, keeps MIKA
    testing::chooseFromMenuBar(w->mnuKandidat);
    EXPECT_EQ(basKvizomat.candidateName, "MIKA");
    EXPECT_EQ(candidateRoster.owner(), 2);
}

// The list is never written past what can be read back: the name that would take it past is
// refused and asked again, and everyone else saves as before.
TEST_F(Candidates, ANameTheFullListCannotTakeIsAskedAgain) {
    const std::string list =
        "NOVI KANDIDAT\r\nANA\r\n" + std::string(files::kLargestTextFile - 28, 'X') + "\r\n";
    auto w = startAsAna(3, list);
    fakes.dialogs.answers = {"mikas", "mika"};
    testing::chooseFromMenuBar(w->mnuKandidat);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
              "\nLista kandidata je puna:\nnovo ime ne moze da se doda.");
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 3);
    EXPECT_EQ(basKvizomat.candidateName, "MIKA");
    w->SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"), list + "MIKA\r\n");
    enterIn(*w, w->cmbKandidat, "ana"); // names on the list are always taken
    EXPECT_EQ(candidateRoster.owner(), 1);
    EXPECT_EQ(beeps(), 1);
}

TEST_F(Candidates, PickWithoutEnterChangesNothing) {
    auto w = startAsAna(3, "NOVI KANDIDAT\r\nANA\r\nPERA\r\n");
    ASSERT_EQ(candidateRoster.owner(), 1);
    key(*w, 'b');
    w->cmbKandidat->setFocus();
    w->cmbKandidat->setListIndex(2); // picked from the drop-down list
    w->cmdReset->setFocus();
    EXPECT_EQ(w->cmbKandidat->text(), "ANA");
    EXPECT_EQ(w->cmbKandidat->listIndex(), 1);
    EXPECT_TRUE(w->keyPreview);
    w->SaveSession();
    EXPECT_TRUE(std::filesystem::exists(stateRoot() / "SSITABCD" / "BrZadPit.1"));
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1").substr(0, 1), "1");
    EXPECT_FALSE(std::filesystem::exists(stateRoot() / "SSITABCD" / "BrZadPit.2"));
}

// When the work of the candidate at work cannot be saved, another candidate is not chosen: the
// window stays with the candidate and the answers.
TEST_F(Candidates, AFailedSaveKeepsTheCandidateAndTheWork) {
    auto w = startAsAna(3, "NOVI KANDIDAT\r\nANA\r\nPERA\r\n");
    key(*w, 'b');
    w->ShowNextQuestion();
    const auto anasFile = stateRoot() / "SSITABCD" / "BrZadPit.1";
    std::filesystem::remove(anasFile);
    std::filesystem::create_directories(anasFile); // it cannot be written
    QString shownWithTheBox;
    fakes.dialogs.whileOpen = [&](const DialogCall&) { shownWithTheBox = w->cmbKandidat->text(); };
    enterIn(*w, w->cmbKandidat, "pera");
    const DialogCall* box = fakes.dialogs.last(DialogCall::Kind::Message);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title, "Greska");
    EXPECT_EQ(box->text, "\nNije moguce sacuvati:\n" + QString::fromStdString(anasFile.string()) +
                             " - nije obican fajl\n\nKandidat nije promenjen.");
    EXPECT_EQ(shownWithTheBox, "ANA");
    EXPECT_EQ(w->cmbKandidat->text(), "ANA");
    EXPECT_EQ(w->cmbPitanje->text(), "2");
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 1");
}

// Work done before a name was given joins that candidate's saved work, as if she had been chosen
// before it began: her first attempts stay, its answers fill only the questions she left open
// and count once each, and it goes on at the question on screen, still to be counted.
TEST_F(Candidates, ANameGivenLaterKeepsTheCandidatesFirstAttempts) {
    anaHasSaved("2 Broj zadnjeg pitanja\r\n2 Ukupno odgovora\r\n1 Tacnih odgovora\r\n",
                {"aN", "bT", std::string(2, '\0'), std::string(2, '\0')});
    fakes.dialogs.answers = {""};
    auto w = start(4);
    for (Qt::Key answer : {Qt::Key_A, Qt::Key_A, Qt::Key_B}) { // a wrong, a and b right
        press(*w, answer);
        press(*w, Qt::Key_PageDown);
    }
    press(*w, Qt::Key_A); // right, on screen
    fakes.dialogs.answers = {"ana"};
    testing::click(w->cmdKrajrada);
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1"),
              progressBytes("4 Broj zadnjeg pitanja\r\n4 Ukupno odgovora\r\n3 Tacnih odgovora\r\n",
                            {"aN", "bT", "bT", "aT"}));
    EXPECT_EQ(basKvizomat.answeredCount, 3); // the table counts the questions left
    EXPECT_EQ(basKvizomat.correctCount, 2);
}

TEST_F(Candidates, LinesNotEditedKeepTheirBytes) {
    // Bytes that Windows-1250 leaves undefined, a name written in UTF-8 by another program, and
    // lone line ends inside a name, which move no later name and show as blanks on its one row.
    const std::string list =
        "NOVI KANDIDAT\r\nA\x81\x83\x88\x90\x98\r\nAN\rA\nX\r\n\xc4\x90or\xc4\x91\x65\r\n";
    writeCandidateList(list);
    fakes.dialogs.answers = {"mika"};
    auto w = start(3);
    EXPECT_EQ(candidateRoster.owner(), 4);
    const QAbstractItemView* rows = w->cmbKandidat->comboBox()->view();
    for (int row = 1; row < 5; ++row)
        EXPECT_EQ(rows->sizeHintForRow(row), rows->sizeHintForRow(0)) << row;
    w->SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"), list + "MIKA\r\n");
}

// Work that a save does not keep is never let go unasked, whatever ends the work: its file cannot
// be written (reported), or the name prompt gave it no name (Otkazi, or the new-candidate
// entry). The end asks whether to end without it; Ne keeps the window with the work and its
// help line, except at the working-time limit, which asks the name again until one is given.
TEST_F(Candidates, WorkNotSavedIsLetGoOnlyWhenTheUserSaysSo) {
    const std::pair<const char*, std::function<void(TestWindow&)>> ends[] = {
        {"menu", [](TestWindow& w) { testing::chooseFromMenuBar(w.mnuTestKrajrada); }},
        {"button", [](TestWindow& w) { testing::click(w.cmdKrajrada); }},
        {"close box", [](TestWindow& w) { w.window()->close(); }},
        {"time limit",
         [this](TestWindow& w) {
             fakes.clock.now = w.workStartTime + 360 * 60;
             w.tmrTimer1_Timer();
         }},
    };
    const QString endUnsaved = "Da li zelite da zavrsite rad\nbez cuvanja?\n\nUpisite: Da ili Ne.";
    for (const char* name : {"", "novi kandidat", "ana (a file that cannot be written)"}) {
        const bool unwritable = std::string(name).size() > 13;
        for (const auto& [end, doEnd] : ends) {
            SCOPED_TRACE(std::string(end) + ", name " + name);
            startProgramAgain();
            std::filesystem::remove_all(stateRoot());
            if (unwritable)
                std::filesystem::create_directories(stateRoot() / "SSITABCD" / "BrZadPit.1");
            auto w = unwritable ? startAsAna(3) : start(3);
            key(*w, 'b');
            w->ShowNextQuestion();
            const bool atLimit = std::string(end) == "time limit";
            fakes.dialogs.calls.clear();
            fakes.programEnd.count = 0;
            fakes.dialogs.answers = {"Ne"};
            if (!unwritable)
                fakes.dialogs.answers = {name, "Ne", "pera"}; // at the limit, asked again
            doEnd(*w);
            EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), unwritable ? 1
                                                                    : atLimit  ? 3
                                                                               : 2);
            ASSERT_GE(fakes.dialogs.calls.size(), 2u);
            const DialogCall& ask = fakes.dialogs.calls[1];
            EXPECT_EQ(ask.text, endUnsaved);
            EXPECT_EQ(ask.title, "Kraj rada");
            EXPECT_EQ(ask.defaultAnswer, "Ne");
            if (atLimit && !unwritable) {
                EXPECT_EQ(fakes.programEnd.count, 1);
                EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"), "NOVI KANDIDAT\r\nPERA\r\n");
                EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1").substr(0, 43),
                          "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
                continue;
            }
            EXPECT_EQ(fakes.programEnd.count, 0);
            EXPECT_FALSE(w->unloaded());
            EXPECT_TRUE(w->window()->isVisible());
            EXPECT_TRUE(w->tmrTimer1->enabled());
            EXPECT_EQ(w->answerLetters[1], 'b');
            EXPECT_TRUE(w->lblPomocuprvomredu->visible()); // the help line of answering is back
            EXPECT_EQ(w->lblPomocuprvomredu->caption(),
                      "Kliknite misom na ponudjeni a), b) ili c) odgovor.");
            fakes.dialogs.answers = {"da"};
            if (!unwritable)
                fakes.dialogs.answers = {name, "da"};
            testing::chooseFromMenuBar(w->mnuTestKrajrada);
            EXPECT_EQ(fakes.programEnd.count, 1);
            // The other files are still written; nothing else is.
            EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"),
                      unwritable ? "NOVI KANDIDAT\r\nANA\r\n" : "NOVI KANDIDAT\r\n");
            EXPECT_TRUE(std::filesystem::is_regular_file(stateRoot() / "SSITABCD" / "BrZadPit.0"));
            if (unwritable)
                EXPECT_EQ(
                    fakes.dialogs.last(DialogCall::Kind::Message)->text,
                    "\nNije moguce sacuvati:\n" +
                        QString::fromStdString((stateRoot() / "SSITABCD" / "BrZadPit.1").string()) +
                        " - nije obican fajl");
            else
                EXPECT_FALSE(std::filesystem::exists(stateRoot() / "SSITABCD" / "BrZadPit.1"));
        }
    }
}

TEST_F(Candidates, ToolbarImageAndLabelAskForTheName) {
    auto w = start(3);
    fakes.dialogs.answers = {"ana", "mika"};
    testing::click(w->imgtoolbar[16]);
    EXPECT_EQ(basKvizomat.candidateName, "ANA");
    testing::click(w->lblKandidat);
    EXPECT_EQ(basKvizomat.candidateName, "MIKA");
    EXPECT_EQ(w->cmbKandidat->items(), (QStringList{"NOVI KANDIDAT", "ANA", "MIKA"}));
}

} // namespace
} // namespace kviz

namespace kviz {
namespace {

TEST_F(Candidates, TypingANameIntoTheComboWithRealKeys) {
    auto w = start(3);
    w->cmbKandidat->setFocus();
    ASSERT_EQ(w->focusedControl(), w->cmbKandidat);
    EXPECT_FALSE(w->keyPreview); // letters go to the box, not to the answers
    w->cmbKandidat->setText("");
    QTest::keyClicks(w->window()->focusWidget(), "ana");
    EXPECT_EQ(w->answerLetters[1], '\0');
    EXPECT_EQ(w->cmbKandidat->text(), "ana");
    QTest::keyClick(w->window()->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(basKvizomat.candidateName, "ANA");
    EXPECT_EQ(candidateRoster.owner(), 1);
    EXPECT_EQ(w->cmbKandidat->items(), (QStringList{"NOVI KANDIDAT", "ANA"}));
    // Enter moved the focus on to the answers, and the window sees the keys again.
    EXPECT_EQ(w->focusedControl(), w->CmdSledecepitanje);
    EXPECT_TRUE(w->keyPreview);
    QTest::keyClick(w->window()->focusWidget(), Qt::Key_B);
    EXPECT_EQ(w->answerLetters[1], 'b');
    // Another candidate starts on question 1, whose help line comes back with the keys.
    QTest::keyClick(w->window()->focusWidget(), Qt::Key_PageDown);
    QTest::keyClick(w->window()->focusWidget(), Qt::Key_PageDown);
    ASSERT_EQ(w->lblPomocuprvomredu->caption(),
              "Kliknite misom na ponudjeni a), b), c) ili d) odgovor.");
    w->cmbKandidat->setFocus();
    w->cmbKandidat->setText("");
    QTest::keyClicks(w->window()->focusWidget(), "pera");
    QTest::keyClick(w->window()->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(w->lblPomocuprvomredu->caption(), "Kliknite misom na ponudjeni a) ili b) odgovor.");
}

// A right click is a double click on the window; with the name box at work it only gives the
// keys back to the window.
TEST_F(Candidates, RightClickWhileTheNameBoxHasTheFocus) {
    auto w = start(3);
    w->cmbKandidat->setFocus();
    ASSERT_FALSE(w->keyPreview);
    QTest::mouseClick(w->surface(), Qt::RightButton, {}, QPoint(300, 300));
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_TRUE(w->keyPreview);
    EXPECT_EQ(w->focusedControl(), w->CmdSledecepitanje);
}

} // namespace
} // namespace kviz
