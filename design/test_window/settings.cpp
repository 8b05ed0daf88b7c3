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
    // The line starts again from its start; in the picture windows it sets out to the left.
    if (test_.pictureRule != PictureRule::None)
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

void TestWindow::mnuPodesavanjaZvuknakonnetacnogodg_Click() {
    mnuPodesavanjaZvuknakonnetacnogodg->setChecked(!mnuPodesavanjaZvuknakonnetacnogodg->checked());
}

void TestWindow::mnuPodesavanjaPojavokviraokoodg_Click() {
    mnuPodesavanjaPojavokviraokoodg->setChecked(!mnuPodesavanjaPojavokviraokoodg->checked());
}

void TestWindow::mnuPodesavanjaJedanpokzatacanodg_Click() {
    mnuPodesavanjaJedanpokzatacanodg->setChecked(!mnuPodesavanjaJedanpokzatacanodg->checked());
}

void TestWindow::mnuPodesavanjaIspDaNeubojinakonodg_Click() {
    mnuPodesavanjaIspDaNeubojinakonodg->setChecked(!mnuPodesavanjaIspDaNeubojinakonodg->checked());
    ShowQuestion();
}

void TestWindow::mnuPodesavanjazelokvokotacnogodg_Click() {
    const bool on = !mnuPodesavanjazelokvokotacnogodg->checked();
    mnuPodesavanjazelokvokotacnogodg->setChecked(on);
    if (test_.answerMode == AnswerMode::TypedAnswer)
        return; // the typed windows have no answer frames
    if (on)
        FrameCorrectAnswer();
    else
        EraseAnswerFrames();
}

void TestWindow::mnuPodesavanjaokokotxtpitiodg_Click() {
    if (!mnuPodesavanjaokokotxtpitiodg->checked()) {
        mnuPodesavanjaokokotxtpitiodg->setChecked(true);
        ShowQuestion();
    } else {
        mnuPodesavanjaokokotxtpitiodg->setChecked(false);
        if (test_.answerMode == AnswerMode::TypedAnswer)
            return; // the frame goes with the next drawing
        const QRectF& frame = layout_.question.textFrame;
        canvas().box(frame.left(), frame.top(), frame.right(), frame.bottom(), kWhite);
    }
}

void TestWindow::lblPomocuprvomredu_Click() {
    if (layout_.helpLineClickToggles)
        mnuPodesavanjaPomocuprvomredu_Click();
}

void TestWindow::mnuPodesavanjaStandpodesavanja_Click() {
    helpLineOn = true;
    lblPomocuprvomredu->setVisible(true);
    mnuPodesavanjaZvuknakonnetacnogodg->setChecked(false);
    mnuPodesavanjaIspDaNeubojinakonodg->setChecked(true);
    ShowQuestion();
    mnuPodesavanjazelokvokotacnogodg->setChecked(true);
    mnuPodesavanjaPojavokviraokoodg->setChecked(true);
    mnuPodesavanjaJedanpokzatacanodg->setChecked(false);
    mnuPodesavanjaokokotxtpitiodg->setChecked(true);
    ShowQuestion();
    for (Label* header : {lblKandidat, lblPitanje, lblOcenaPolozioNijepolozio, lblUkupnoodgovora,
                          lblTacnihodgovora})
        header->setBorder(false);
    mnuPodesavanjaTekucevreme->setChecked(true);
    lblTekucevreme->setVisible(true);
    lblTekucevreme->setBorder(false);
    mnuPodesavanjaGrafprprotvremena->setChecked(true);
    ProgressBar1->setVisible(true);
    // The working-time group shows the limit in force, which the restore does not change.
    UncheckWorkTimeMenus();
    bool marked = false;
    for (std::size_t i = 0; i < shortWorkTimeItems.size(); ++i)
        if (workLimitMinutes == kShortWorkLimits[i]) {
            shortWorkTimeItems[i]->setChecked(true);
            marked = true;
        }
    vremerada->setChecked(!marked);
    mnuPodesavanjaPomocuprvomredu->setChecked(true);
    lblPomocuprvomredu->setBorder(false);
}

} // namespace kviz
