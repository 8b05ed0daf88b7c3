// Switching between the test windows.
#include "app/window_switch.h"
#include "tests/support/menus.h"
#include "tests/support/user_input.h"
#include "tests/support/window_fixture.h"

#include <QCoreApplication>

#include <stdexcept>

namespace kviz {
namespace {

using testing::choiceBank;
using testing::chooseFromMenuBar;
using testing::click;
using testing::readBytes;

std::vector<std::string> question(char correct) {
    std::vector<std::string> lines = {"Pitanje", std::string(correct == 'a' ? "*" : " ") + "a) da",
                                      std::string(correct == 'b' ? "*" : " ") + "b) ne"};
    return lines;
}

class Switching : public testing::WindowFixture {
protected:
    Switching() {
        writeBank("ssitabcd", "ssitabcd.pit",
                  choiceBank("3", {question('a'), question('b'), question('a')}));
        writeBank("znovlica", "znovlica.pit", choiceBank("2", {question('b'), question('a')}));
        writeCandidateList("NOVI KANDIDAT\r\nANA\r\nPERA\r\n");
        fakes.dialogs.answers = {"pera"};
        windows.start();
    }
    TestWindow& current() { return *windows.current(); }

    static std::pair<MousePointer, Qt::CursorShape> pointer(Form& w) {
        return {w.mousePointer(), w.window()->cursor().shape()};
    }
    // Keeps the pointer of the window a switch replaces, as it is while the target loads.
    struct Host : WindowHost {
        using WindowHost::WindowHost;
        void open(const TestDescriptor& target) override {
            pointerWhileLoading = pointer(*current());
            WindowHost::open(target);
        }
        std::pair<MousePointer, Qt::CursorShape> pointerWhileLoading;
    } windows{fakes.services()};
};

TEST_F(Switching, TheTargetGoesOnWithTheCandidateAtWork) {
    TestWindow* first = &current();
    ASSERT_EQ(candidateRoster.owner(), 2);
    activate(*first);
    press(*first, Qt::Key_A);
    first->ShowNextQuestion();
    chooseFromMenuBar(first->findMenu("mnuTestZnacikojedajuovlsaobrlica"));

    // The first window saved its work and closed.
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.2").substr(0, 43),
              "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
    EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"), "NOVI KANDIDAT\r\nANA\r\nPERA\r\n");
    EXPECT_TRUE(first->unloaded());
    EXPECT_FALSE(first->tmrTimer1->enabled());

    TestWindow& target = current();
    EXPECT_NE(&target, first);
    EXPECT_EQ(target.caption(), "Znaci koje daju ovlascena saobracajna lica");
    EXPECT_EQ(target.tmrTimer1->name(), "tmrTimer2");
    EXPECT_EQ(target.questionIndex, 1);
    EXPECT_EQ(target.questionCount, 2);
    EXPECT_EQ(target.cmbKandidat->listIndex(), 2);
    EXPECT_EQ(candidateRoster.owner(), 2);
    EXPECT_EQ(target.lblUkupnoodgovora->caption(), "Ukupno odgovora: 0");
    EXPECT_EQ(basKvizomat.candidateName, "PERA");
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 1); // no name asked again
    EXPECT_EQ(basKvizomat.pictureFolder,
              (fakes.locations.program / "znovlica" / "JPGSLIKE").string() + "/");

    // The work done here is PERA's, in this test's own file.
    activate(target);
    press(target, Qt::Key_B);
    target.ShowNextQuestion();
    target.SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "ZNOVLICA" / "BrZadPit.2").substr(0, 66),
              "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n1 Tacnih odgovora\r\nbT\r\n");

    // Back in the first test, PERA's answers there come back.
    chooseFromMenuBar(target.testMenuItems[0]);
    EXPECT_EQ(candidateRoster.owner(), 2);
    EXPECT_EQ(current().questionIndex, 2);
    EXPECT_EQ(current().answerLetters[1], 'a');
    QCoreApplication::processEvents(); // the replaced windows are dropped
}

// The candidate at work goes on in the next test with the work saved there, whatever the name
// reads: a cancelled prompt keeps PERA, in the box and for the results table.
TEST_F(Switching, TheOwnerGoesOnIntoTheNextTestWithItsSavedWork) {
    std::filesystem::create_directories(stateRoot() / "ZNOVLICA");
    testing::writeBytes(
        stateRoot() / "ZNOVLICA" / "BrZadPit.2",
        "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n1 Tacnih odgovora\r\nbT\r\n");
    activate(current());
    press(current(), Qt::Key_A);
    fakes.dialogs.answers = {};
    chooseFromMenuBar(current().mnuKandidat);
    EXPECT_EQ(current().cmbKandidat->text(), "PERA");
    const auto officers = static_cast<std::size_t>(testCatalogue()[1].toolbarImage - 1);
    click(current().imgtoolbar[officers]);
    TestWindow& target = current();
    EXPECT_EQ(target.caption(), "Znaci koje daju ovlascena saobracajna lica");
    EXPECT_EQ(target.cmbKandidat->text(), "PERA");
    EXPECT_EQ(target.cmbKandidat->listIndex(), 2);
    EXPECT_EQ(target.cmbPitanje->text(), "2");
    EXPECT_EQ(target.lblUkupnoodgovora->caption(), "Ukupno odgovora: 1");
    EXPECT_EQ(basKvizomat.candidateName, "PERA");
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.2").substr(0, 43),
              "1 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
    QCoreApplication::processEvents();
}

TEST_F(Switching, WorkThatCannotBeSavedKeepsTheWindow) {
    TestWindow* first = &current();
    activate(*first);
    press(*first, Qt::Key_A);
    first->ShowNextQuestion();
    const auto perasFile = stateRoot() / "SSITABCD" / "BrZadPit.2";
    std::filesystem::remove(perasFile);
    std::filesystem::create_directories(perasFile);          // it cannot be written
    chooseFromMenuBar(first->mnuPodesavanjaPomocuprvomredu); // the help line off,
    click(first->cmdPregled);                                // but for the review's
    click(first->imgtoolbar[1]);
    EXPECT_EQ(&current(), first);
    EXPECT_FALSE(first->unloaded());
    EXPECT_TRUE(first->tmrTimer1->enabled());
    EXPECT_TRUE(first->lblPomocuprvomredu->visible());
    EXPECT_EQ(first->lblPomocuprvomredu->caption(), "Pregled resenih pitanja.");
    EXPECT_EQ(basKvizomat.answeredCount, 1);
    EXPECT_EQ(fakes.dialogs.last(DialogCall::Kind::Message)->text,
              "\nNije moguce sacuvati:\n" + QString::fromStdString(perasFile.string()) +
                  " - nije obican fajl\n\nTest nije promenjen.");
    std::filesystem::remove(perasFile); // space freed: the switch goes through
    click(first->imgtoolbar[1]);
    EXPECT_TRUE(first->unloaded());
    EXPECT_EQ(readBytes(perasFile).substr(0, 43),
              "2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
    // Work on the new-candidate entry whose name prompt is cancelled keeps the window too.
    chooseFromMenuBar(current().findMenu("mnuTestZnacikojedajuovlsaobrlica"));
    TestWindow* second = &current();
    activate(*second);
    enterIn(*second, second->cmbKandidat, "novi kandidat");
    press(*second, Qt::Key_B);
    fakes.dialogs.calls.clear();
    fakes.dialogs.answers = {""};
    chooseFromMenuBar(second->testMenuItems[0]);
    EXPECT_EQ(&current(), second);
    EXPECT_EQ(fakes.dialogs.calls.size(), 1u); // the prompt alone
    EXPECT_EQ(second->answerLetters[1], 'b');
    fakes.dialogs.answers = {"mika"};
    chooseFromMenuBar(second->testMenuItems[0]);
    EXPECT_EQ(readBytes(stateRoot() / "ZNOVLICA" / "BrZadPit.3").substr(0, 43),
              "1 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n");
    QCoreApplication::processEvents();
}

// Each toolbar image or Test menu item opens its test's window, with its own item checked; the own
// image only beeps. The replaced window shows the hourglass while the target loads, but from the
// text questions to the first aid ones; then both show the arrow.
TEST_F(Switching, EveryTestHasItsWindow) {
    const auto& catalogue = testCatalogue();
    const struct {
        std::size_t to; // a row of the catalogue, from the window of the row before
        bool byMenu, hourglass;
    } rows[] = {{1, false, true}, {2, true, true},  {3, false, true}, {4, true, true},
                {5, false, true}, {6, true, true},  {7, false, true}, {8, true, false},
                {0, false, true}, {8, true, true},  {7, true, true},  {8, false, false},
                {3, true, true},  {8, false, true}, {4, false, true}, {8, true, true},
                {6, true, true},  {8, false, true}, {0, true, true}};
    const auto hourglass = std::pair(MousePointer::Hourglass, Qt::WaitCursor);
    const auto arrow = std::pair(MousePointer::Default, Qt::ArrowCursor);
    click(current().imgtoolbar[0]); // its own: nothing saved, and the rows go on from it
    EXPECT_EQ(std::filesystem::file_size(stateRoot() / "SSITABCD" / "BrZadPit.2"), 0u);
    for (const auto& row : rows) {
        const TestDescriptor& to = catalogue[row.to];
        TestWindow& from = current();
        SCOPED_TRACE(std::string(from.test().window) + " -> " + std::string(to.window));
        activate(from);
        if (row.byMenu)
            chooseFromMenuBar(from.testMenuItems[row.to]);
        else
            click(from.imgtoolbar[static_cast<std::size_t>(to.toolbarImage - 1)]);
        EXPECT_EQ(&current().test(), &to);
        EXPECT_EQ(windows.pointerWhileLoading, row.hourglass ? hourglass : arrow);
        EXPECT_EQ(pointer(from), arrow);
        EXPECT_EQ(pointer(current()), arrow);
    }
    EXPECT_EQ(fakes.beeper.count, 1);
    // A test that is not in the catalogue has no window: the switch says so and keeps the window.
    const TestDescriptor stranger = catalogue[1];
    EXPECT_THROW(windows.open(stranger), std::logic_error);
    EXPECT_EQ(&current().test(), &catalogue[0]);
    QCoreApplication::processEvents();
}

// The working-time limit reached while a switch asks the name: the end comes in place of the
// switch, with the name given; a cancel there gets the end's question, never the window back.
TEST_F(Switching, TheLimitReachedWhileTheSwitchAsksTheNameEndsTheWork) {
    for (bool cancelled : {false, true}) {
        SCOPED_TRACE(cancelled ? "cancelled" : "named");
        if (cancelled) {
            startProgramAgain();
            fakes.dialogs.answers = {"pera"};
            windows.start();
        }
        TestWindow* w = &current();
        activate(*w);
        enterIn(*w, w->cmbKandidat, "novi kandidat");
        chooseFromMenuBar(w->shortWorkTimeItems[0]);
        press(*w, Qt::Key_A);
        press(*w, Qt::Key_PageDown);
        press(*w, Qt::Key_B);
        fakes.dialogs.calls.clear();
        fakes.programEnd.count = 0;
        fakes.dialogs.answers =
            cancelled ? std::deque<QString>{"", "Ne", "ana"} : std::deque<QString>{"ana"};
        fakes.dialogs.whileOpen = [&](const DialogCall&) { fakes.clock.now += 5 * 60; };
        click(w->imgtoolbar[5]);
        fakes.dialogs.whileOpen = nullptr;
        EXPECT_EQ(&current(), w); // no switch
        EXPECT_EQ(fakes.programEnd.count, 1);
        EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), cancelled ? 3 : 1);
        EXPECT_EQ(fakes.dialogs.calls[1].title,
                  cancelled ? "Kraj rada" : "Skracena tabela sa rezultatima testa");
        EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 1); // the results table
        EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.1").substr(0, 43),
                  "2 Broj zadnjeg pitanja\r\n2 Ukupno odgovora\r\n");
    }
}

TEST_F(Switching, DuringADemonstrationByAToolbarImage) {
    TestWindow* first = &current();
    first->ShowNextQuestion();
    click(first->cmdBrziPregled);
    first->tmrTimer1_Timer();
    click(first->imgtoolbar[6]); // the officers' signals, while the menus are off
    EXPECT_TRUE(first->unloaded());
    EXPECT_EQ(readBytes(stateRoot() / "SSITABCD" / "BrZadPit.2").substr(0, 24),
              "2 Broj zadnjeg pitanja\r\n");
    TestWindow& target = current();
    EXPECT_FALSE(target.quickReviewMode);
    EXPECT_FALSE(target.reviewMode);
    EXPECT_EQ(target.cmdKrajrada->caption(), "&Kraj rada");
    click(target.imgtoolbar[0]); // and back
    EXPECT_EQ(current().caption(), "Slike saobracajnih situacija sa ponudjenim ABCD odgovorima");
    QCoreApplication::processEvents();
}

} // namespace
} // namespace kviz
