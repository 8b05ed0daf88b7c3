// Review of solved questions and the demonstration of the correct answers. Both lock most of
// the window, turn "Kraj rada" into "Izlaz", and on leaving bring back the question and the
// hover-frame option of the time before.
#include "core/kvizomat_module.h"
#include "design/test_window.h"

namespace kviz {

std::vector<std::pair<Control*, MenuItem*>> TestWindow::LockedSet() const {
    std::vector<std::pair<Control*, MenuItem*>> set;
    for (Control* c :
         std::initializer_list<Control*>{lblProteklovreme,    lblPomocuprvomredu,
                                         lblTekucevreme,      lblKandidat,
                                         cmbKandidat,         lblPitanje,
                                         cmbPitanje,          lblOcenaPolozioNijepolozio,
                                         lblUkupnoodgovora,   lblTacnihodgovora,
                                         lblPitanje2,         CmdSledecepitanje,
                                         CmdPrethodnopitanje, CmdOdredjenoPitanje,
                                         cmdTabela,           cmdBrziPregled,
                                         cmdPregled,          cmdReset,
                                         ProgressBar1,        VScrollzapitanje})
        set.emplace_back(c, nullptr);
    for (MenuItem* m : {mnuTest, mnuKandidat, mnuPitanje, mnuTabela, mnuPregledresenihpitanja,
                        mnuReset, mnuPodesavanja})
        set.emplace_back(nullptr, m);
    return set;
}

void TestWindow::BeginMode(bool demonstration) {
    const bool modeRunning = reviewMode || quickReviewMode;
    if (!modeRunning) {
        // The question on screen counts now, before the mode leaves it.
        TallyAnswer();
        if (layout_.keepsHoverFrame)
            savedHoverFrame = mnuPodesavanjaPojavokviraokoodg->checked();
        savedQuestionIndex = questionIndex;
    }
    if (!helpLineOn) {
        mnuPodesavanjaPomocuprvomredu->setChecked(true);
        lblPomocuprvomredu->setVisible(true);
    }
    mnuPodesavanjaPojavokviraokoodg->setChecked(false);
    for (auto [control, menu] : LockedSet()) {
        const bool navigation = control == CmdSledecepitanje || control == CmdPrethodnopitanje ||
                                control == CmdOdredjenoPitanje || control == cmdTabela;
        const bool enabled = navigation && !demonstration;
        if (control != nullptr)
            control->setEnabled(enabled);
        else
            menu->setEnabled(false);
    }
    LockModeControls(true);
    cmdKrajrada->setCaption("&Izlaz");
    // A mode started while the other runs takes its place; what the end brings back stays
    // that of the first start.
    if (demonstration) {
        reviewMode = false;
        stopRequested = false;
        quickReviewMode = true;
        SetHelpLine("Brzi pregled tacnih odgovora.");
        cmdKrajrada->setFocus(); // Enter leaves the demonstration
    } else {
        quickReviewMode = false;
        reviewMode = true;
        SetHelpLine("Pregled resenih pitanja.");
    }
}

void TestWindow::BeginReview() { BeginMode(false); }

void TestWindow::BeginQuickReview() { BeginMode(true); }

void TestWindow::LeaveMode() {
    questionIndex = savedQuestionIndex;
    if (layout_.keepsHoverFrame)
        mnuPodesavanjaPojavokviraokoodg->setChecked(savedHoverFrame);
    for (auto [control, menu] : LockedSet()) {
        if (control != nullptr)
            control->setEnabled(true);
        else
            menu->setEnabled(true);
    }
    LockModeControls(false);
    if (!helpLineOn) {
        mnuPodesavanjaPomocuprvomredu->setChecked(false);
        lblPomocuprvomredu->setVisible(false);
    }
    cmdKrajrada->setCaption("&Kraj rada");
    // The question comes back as on arrival: it was counted before the mode began.
    visitQuestion = 0;
    countOnLeave = false;
    ShowQuestion();
}

void TestWindow::cmdPregled_Click() { mnuPreglrespitanjaProd1pitdokraja_Click(); }

void TestWindow::mnuPreglrespitanjaProd1pitdokraja_Click() {
    BeginReview();
    questionIndex = 1;
    ShowQuestion();
}

void TestWindow::cmdBrziPregled_Click() {
    BeginQuickReview();
    questionIndex = 1;
    ShowQuestion();
}

void TestWindow::StartModeFromAskedQuestion(bool demonstration) {
    if (demonstration)
        BeginQuickReview();
    else
        BeginReview();
    ShowQuestion();
    // The tick goes on while the box is open; the demonstration waits for its start.
    modeStartBoxOpen = true;
    const int start = AskQuestionNumber(
        QString("Upisite broj pitanja od koga pocinje pregled: (1-%1)").arg(questionCount),
        "Brzi pregled resenih pitanja", false);
    modeStartBoxOpen = false;
    if (ending || unloaded())
        return;
    if (start >= 1)
        JumpToQuestion(start);
    else if (demonstration && quickReviewMode) {
        // Cancel or 0 starts no demonstration.
        quickReviewMode = false;
        stopRequested = false;
        LeaveMode();
    }
    // 0 or Cancel: a review runs from the question on screen.
}

void TestWindow::mnuPregrespitPreglodzadpitdokr_Click() { StartModeFromAskedQuestion(false); }

void TestWindow::mnuPregrespitBrzpregodzadpitdokr_Click() { StartModeFromAskedQuestion(true); }

void TestWindow::DemonstrationStep() {
    const DemonstrationOrder& order = layout_.demonstration;
    if (order.advanceFirst)
        ++questionIndex;
    const bool stopNow = stopRequested && !order.stopAfterMark;
    if (stopNow || questionIndex < 1 || questionIndex > questionCount) {
        EndDemonstration();
        return;
    }
    ShowQuestion();
    const int tops[4] = {topA, topB, topC, topD};
    const bool marked =
        correctLetter.size() == 1 && correctLetter[0] >= 'a' && correctLetter[0] <= 'd';
    if (order.markRightAnswer && (marked || order.markWithoutMarkedAnswer)) {
        Canvas& c = canvas();
        c.setFont(kSerif, 14, true);
        c.setForeColor(correctColor());
        c.currentX = layout_.question.verdictX;
        if (marked)
            c.currentY = tops[correctLetter[0] - 'a'] + 4;
        c.print("DA");
    }
    if (!order.advanceFirst)
        ++questionIndex;
    if (stopRequested)
        EndDemonstration();
}

void TestWindow::EndDemonstration() {
    quickReviewMode = false;
    stopRequested = false;
    LeaveMode();
}

} // namespace kviz
