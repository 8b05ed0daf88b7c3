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

void TestWindow::cmdKrajrada_Click() { EndWork(true); }

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
    // Closing the window by its close box ends the work as the menu's "Kraj rada" does.
    cancel = false;
    EndWork(false);
}

} // namespace kviz
