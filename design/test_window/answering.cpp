// The window's own mouse and key handlers: answering by click or by the keys A to D, the hot
// zones of the surface, the hover frame, and the right and double click as a step on.
#include "core/kvizomat_module.h"
#include "design/test_window.h"

namespace kviz {

bool TestWindow::KeyPreviewGuard() {
    if (keyPreview)
        return false;
    keyPreview = true;
    FocusAnswerStart();
    return true;
}

void TestWindow::FocusAnswerInput() { CmdSledecepitanje->setFocus(); }

bool TestWindow::AnswerInputOpen() const {
    return questionIndex >= 1 && questionIndex <= questionCount && !reviewMode && !quickReviewMode;
}

bool TestWindow::AnswerBand(int answer, int& top, int& bottom) const {
    const int tops[4] = {topA, topB, topC, topD};
    if (answer < 0 || answer > 3 || tops[answer] <= 0)
        return false;
    top = tops[answer];
    // The last answer's band runs to the bottom of the answers; d's to the end of the text.
    bottom = answer == 3 ? textBottom : answersBottom;
    for (int next = answer + 1; next < 4; ++next)
        if (tops[next] > 0) {
            bottom = tops[next];
            break;
        }
    return true;
}

char TestWindow::AnswerBandAt(double y, int* bandTop, int* bandBottom) const {
    for (int k = 0; k < 4; ++k) {
        int top = 0, bottom = 0;
        if (AnswerBand(k, top, bottom) && y >= top && y < bottom) {
            if (bandTop != nullptr)
                *bandTop = top;
            if (bandBottom != nullptr)
                *bandBottom = bottom;
            return static_cast<char>('a' + k);
        }
    }
    return 0;
}

void TestWindow::Form_Click() {
    if (KeyPreviewGuard())
        return;
    if (quickReviewMode) {
        stopRequested = true;
        return;
    }
    if (!reviewMode && clickMarker == 2) {
        clickMarker = 0; // the click that a right-button release leaves behind
        return;
    }
    if (reviewMode) {
        ShowNextQuestion();
        return;
    }
    if (HotZoneClick())
        return;
    const double answerAreaX = layout_.question.textX;
    const HotZones& z = layout_.hotZones;
    if (mouseX > answerAreaX && mouseY > z.goToTop &&
        mouseY < static_cast<std::int16_t>(topA - z.goToAboveAnswers)) {
        PromptGoToQuestion();
        return;
    }
    if (mouseX < answerAreaX || mouseY < topA || mouseY >= answersBottom)
        return;
    if (!AnswerInputOpen())
        return;
    int top = 0;
    char letter = AnswerBandAt(mouseY, &top);
    if (letter == 0) {
        services().beeper->beep(); // no offered answer stands there
        return;
    }
    Judge(letter, top);
}

bool TestWindow::HotZoneClick() {
    const HotZones& z = layout_.hotZones;
    if (mouseY > z.clockTop && mouseY < z.clockBottom && mouseX > z.clockLeft) {
        mnuPodesavanjaTekucevreme_Click();
        return true;
    }
    if (mouseY > z.helpLineTop && mouseY < z.helpLineBottom) {
        mnuPodesavanjaPomocuprvomredu_Click();
        return true;
    }
    if (mouseY > z.barTop && mouseY < z.barBottom && mouseX > z.barLeft && mouseX < z.barRight) {
        mnuPodesavanjaGrafprprotvremena_Click();
        return true;
    }
    return false;
}

void TestWindow::Form_KeyPress(int& keyAscii) {
    if (keyAscii == keys::Escape) {
        if (quickReviewMode || reviewMode)
            cmdKrajrada_Click();
        return;
    }
    const int tops[4] = {topA, topB, topC, topD};
    for (int k = 0; k < 4; ++k) {
        if (keyAscii != 'A' + k && keyAscii != 'a' + k)
            continue;
        if (!AnswerInputOpen())
            return; // no answer while a review runs or when there is no question
        if (tops[k] == 0) {
            services().beeper->beep(); // the question does not offer this answer
            return;
        }
        Judge(static_cast<char>('a' + k), tops[k]);
        return;
    }
}

void TestWindow::Judge(char letter, int top) {
    Canvas& c = canvas();
    const bool right = correctLetter == std::string(1, letter);
    c.setFont(kSerif, 14, true);
    c.setForeColor(right ? correctColor() : kLightRed);
    c.currentX = layout_.question.verdictX;
    c.currentY = static_cast<std::int16_t>(top + 4);
    if (!mnuPodesavanjaIspDaNeubojinakonodg->checked())
        return;
    const auto q = static_cast<std::size_t>(questionIndex);
    if (right) {
        SetHelpLine("Dvostrukim klikom misa prelazite na sledece pitanje.");
        c.print("DA");
        if (firstAttemptOpen) {
            answerCorrect = true;
            firstAttemptOpen = false;
            resultLetters[q] = 'T';
            answerLetters[q] = letter;
        }
        answerGiven = true;
        FrameCorrectAnswer();
    } else {
        c.print("NE");
        if (firstAttemptOpen) {
            firstAttemptOpen = false;
            resultLetters[q] = 'N';
            answerLetters[q] = letter;
        }
        answerGiven = true;
        if (mnuPodesavanjaZvuknakonnetacnogodg->checked())
            services().beeper->beep();
    }
}

void TestWindow::Form_MouseMove(int, int, double x, double y) {
    if (!keyPreview || reviewMode || quickReviewMode)
        return;
    mouseX = x;
    mouseY = y;
    EraseAnswerFrames();
    FrameCorrectAnswer();
    const QuestionGeometry& g = layout_.question;
    if (x < g.hoverLeft || x > g.hoverRight || y < topA || y >= answersBottom ||
        !mnuPodesavanjaPojavokviraokoodg->checked())
        return;
    int top = 0, bottom = 0;
    if (AnswerBandAt(y, &top, &bottom) != 0)
        canvas().box(g.hoverLeft, top, g.hoverRight, bottom, kGrey);
}

void TestWindow::Form_MouseUp(int button, int, double, double) {
    if (button != buttons::Right)
        return;
    clickMarker = 2;
    Form_DblClick();
}

void TestWindow::Form_DblClick() {
    if (KeyPreviewGuard())
        return;
    if (!quickReviewMode && !reviewMode)
        ShowNextQuestion();
    else
        stopRequested = true;
}

void TestWindow::picSlika_Click() {
    if (quickReviewMode)
        stopRequested = true;
    else
        ShowNextQuestion();
}

} // namespace kviz
