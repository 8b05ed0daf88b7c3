// The results table and the end of work.
#include "core/kvizomat_module.h"
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/qt_text.h"
#include "small_windows/frm_skracenatabela.h"

namespace kviz {

void TestWindow::ShowResultsTable() {
    if (basKvizomat.answeredCount == 0) {
        services().beeper->beep();
        return;
    }
    HideHelpLine();
    frmSkracenatabela table(services());
    resultsTableOpen = true;
    showModalForm(table);
    resultsTableOpen = false;
}

void TestWindow::cmdKrajrada_Click() {
    if (quickReviewMode) {
        // The demonstration ends at the next tick; the window is given back at once.
        stopRequested = true;
        reviewMode = false;
        LeaveMode();
        return;
    }
    if (reviewMode) {
        reviewMode = false;
        LeaveMode();
        return;
    }
    EndWork(true);
}

void TestWindow::mnuTestKrajrada_Click() { EndWork(false); }

bool TestWindow::EndWork(bool withTable, bool atLimit, std::optional<SaveOutcome> saved) {
    if (ending)
        return true;
    ending = true;
    tmrTimer1->setEnabled(false);
    const bool helpLineShown = lblPomocuprvomredu->visible();
    for (SaveOutcome outcome = saved ? *saved : SaveSession();; outcome = SaveSession()) {
        if (outcome == SaveOutcome::Saved || EndWithoutSaving())
            break;
        if (outcome == SaveOutcome::Unnamed && atLimit)
            continue; // the limit stands: the name is asked again
        // The work stays on screen, to be saved once the cause is mended or a name is given.
        ending = false;
        tmrTimer1->setEnabled(true);
        lblPomocuprvomredu->setVisible(helpLineShown);
        return false;
    }
    if (withTable)
        ShowResultsTable();
    services().programEnd->endProgram();
    unload();
    return true;
}

bool TestWindow::EndWithoutSaving() {
    const QString answer = services().dialogs->inputBox(
        "Da li zelite da zavrsite rad\nbez cuvanja?\n\nUpisite: Da ili Ne.", "Kraj rada", "Ne",
        kInputBoxAt);
    return basic::upper(toCp1250(answer)) == "DA";
}

void TestWindow::Form_QueryUnload(bool& cancel) {
    // Closing the window by its close box ends the work as the menu's "Kraj rada" does, after
    // leaving a review or the demonstration.
    if (!ending && (reviewMode || quickReviewMode)) {
        reviewMode = false;
        EndDemonstration();
    }
    cancel = !EndWork(false);
}

} // namespace kviz
