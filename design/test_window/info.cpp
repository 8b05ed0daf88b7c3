// The help box and the two About windows.
#include "core/help_texts.h"
#include "design/test_window.h"
#include "small_windows/frm_oprogramu.h"

#include <QMainWindow>

namespace kviz {

QString TestWindow::AnsweringHelpText() const {
    const int answers = topD > 0 ? 4 : topC > 0 ? 3 : 2;
    return QString::fromStdString(choiceHelpText(answers));
}

void TestWindow::mnuPomocPomoczaaktivniprogram_Click() {
    HideHelpLine();
    QString shown = AnsweringHelpText();
    if (quickReviewMode)
        shown = QString::fromStdString(demonstrationHelpText());
    else if (reviewMode)
        shown = QString::fromStdString(reviewHelpText());
    services().dialogs->messageBox(shown, "Pomoc", MessageIcon::Information);
    ShowHelpLine();
}

void TestWindow::mnuInfoOAutoru_Click() {
    HideHelpLine();
    frmOAutoru about(services());
    showModalForm(about);
    ShowHelpLine();
}

void TestWindow::mnuInfoOProgramu_Click() {
    HideHelpLine();
    frmOProgramu about(services(), window());
    showModalForm(about);
    ShowHelpLine();
}

} // namespace kviz
