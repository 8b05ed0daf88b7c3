// The results table and the end of work.
#include "app/kvizomat_module.h"
#include "design/test_window.h"
#include "small_windows/frm_skracenatabela.h"

namespace kviz {

void TestWindow::ShowResultsTable() {
    if (basKvizomat.answeredCount == 0) {
        services().beeper->beep();
        return;
    }
    HideHelpLine();
    frmSkracenatabela table(services());
    showModalForm(table);
}

void TestWindow::cmdKrajrada_Click() {
    if (quickReviewMode) {
        // The demonstration ends at the next tick; the window is given back at once.
        stopRequested = true;
        reviewMode = false;
        RestoreAfterReview();
        return;
    }
    if (reviewMode) {
        reviewMode = false;
        RestoreAfterReview();
        return;
    }
    EndWork(true);
}

void TestWindow::mnuTestKrajrada_Click() { EndWork(false); }

void TestWindow::EndWork(bool withTable) {
    if (ending)
        return;
    ending = true;
    tmrTimer1->setEnabled(false);
    SaveSession();
    if (withTable)
        ShowResultsTable();
    services().programEnd->endProgram();
    unload();
}

void TestWindow::Form_QueryUnload(bool& cancel) {
    // Closing the window by its close box ends the work as the menu's "Kraj rada" does, after
    // leaving a review or the demonstration.
    cancel = false;
    if (!ending && (reviewMode || quickReviewMode)) {
        reviewMode = false;
        quickReviewMode = false;
        stopRequested = false;
        RestoreAfterReview();
    }
    EndWork(false);
}

} // namespace kviz
