// The settings items of the window.
#include "design/test_window.h"

namespace kviz {

void TestWindow::HideHelpLine() {
    if (helpLineOn)
        lblPomocuprvomredu->setVisible(false);
}

void TestWindow::ShowHelpLine() {
    if (helpLineOn)
        lblPomocuprvomredu->setVisible(true);
}

void TestWindow::mnuPodesavanjaTekucevreme_Click() {
    const bool on = !mnuPodesavanjaTekucevreme->checked();
    mnuPodesavanjaTekucevreme->setChecked(on);
    lblTekucevreme->setVisible(on);
}

void TestWindow::mnuPodesavanjaGrafprprotvremena_Click() {
    const bool on = !mnuPodesavanjaGrafprprotvremena->checked();
    mnuPodesavanjaGrafprprotvremena->setChecked(on);
    ProgressBar1->setVisible(on);
}

void TestWindow::mnuPodesavanjaPomocuprvomredu_Click() {
    helpLineMovingRight = false;
    helpLineX = layout_.helpLineStart;
    if (!mnuPodesavanjaPomocuprvomredu->checked()) {
        helpLineOn = true;
        mnuPodesavanjaPomocuprvomredu->setChecked(true);
        lblPomocuprvomredu->setVisible(true);
        lblPomocuprvomredu->setLeft(helpLineX);
    } else {
        helpLineOn = false;
        mnuPodesavanjaPomocuprvomredu->setChecked(false);
        lblPomocuprvomredu->setVisible(false);
    }
}

} // namespace kviz
