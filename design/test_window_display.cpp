// Drawing the question on screen, and the frames round its answer bands.
#include "app/kvizomat_module.h"
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

namespace kviz {

namespace {
constexpr double kTextTop = 1320;
constexpr double kLineGap = 8;
} // namespace

bool TestWindow::BeginQuestionDrawing(bool& newVisit, bool& countedOnLeave) {
    canvas().clear();
    firstAttemptOpen = true;

    QString number = QString::number(questionIndex);
    cmbPitanje->setText(number);
    lblPitanje2->setCaption(number + ".");
    // A new number moves the scroll bar, whose change handler draws the new question at once
    // (and counts the question left); the drawing is then complete.
    const int drawingsBefore = drawings;
    VScrollzapitanje->setValue(questionIndex);
    if (drawings != drawingsBefore)
        return false;

    // Leaving a question counts it; a redraw of the same question keeps its visit.
    newVisit = questionIndex != visitQuestion;
    if (newVisit) {
        TallyAnswer();
        visitQuestion = questionIndex;
    }
    countedOnLeave = countOnLeave;
    return true;
}

void TestWindow::ShowQuestion() {
    bool newVisit = false, countedOnLeave = false;
    if (!BeginQuestionDrawing(newVisit, countedOnLeave))
        return;
    Canvas& c = canvas();

    const bool inRange = questionIndex >= 1 && questionIndex <= questionCount;
    if (inRange && picSlika != nullptr)
        picSlika->loadPicture(QString::fromStdString(basKvizomat.pictureFolder +
                                                     pictureFileName(test_, questionIndex)));

    c.setFont("MS Sans Serif", 12, true);
    c.setForeColor(quickReviewMode || reviewMode ? kGrey : kBlack);
    c.currentY = kTextTop;
    answerGiven = false;
    answerCorrect = false;
    correctLetter.clear();
    topA = topB = topC = topD = 0;
    textBottom = 0;

    if (!inRange) {
        // No question to show: nothing can be answered or counted.
        firstAttemptOpen = false;
        countOnLeave = false;
        answersBottom = 0;
        ++drawings;
        return;
    }

    int* tops[4] = {&topA, &topB, &topC, &topD};
    for (int i = 1; i <= test_.recordsPerQuestion; ++i) {
        lineBuffer = questionFile_.line(questionIndex, i);
        ChoiceLine line = analyseChoiceLine(lineBuffer);
        for (int k = 0; k < 4; ++k) {
            if (!line.marks[k])
                continue;
            *tops[k] = static_cast<int>(basic::roundHalfEven(c.currentY));
            if (k == 0)
                c.setFont("MS Sans Serif", 12, false);
        }
        if (line.correctLetter != 0)
            correctLetter = std::string(1, line.correctLetter);
        lineBuffer = line.shown;
        if (topA > 0 && c.currentY > topA && isBlankLine(lineBuffer))
            break;
        c.currentX = layout_.choice.textX;
        c.currentY += kLineGap;
        c.print(fromCp1250(lineBuffer));
    }
    textBottom = static_cast<int>(basic::roundHalfEven(c.currentY));
    answersBottom = textBottom;

    if (mnuPodesavanjaokokotxtpitiodg->checked())
        c.box(layout_.choice.textFrame.left(), layout_.choice.textFrame.top(),
              layout_.choice.textFrame.right(), layout_.choice.textFrame.bottom(), kBlack);

    if (!quickReviewMode) {
        const char stored = answerLetters[static_cast<std::size_t>(questionIndex)];
        for (int k = 0; k < 4; ++k) {
            if (stored != 'a' + k)
                continue;
            firstAttemptOpen = false;
            c.setFont("MS Serif", 14, true);
            c.currentX = layout_.choice.verdictX;
            c.currentY = *tops[k] + 4;
            answerGiven = true;
            char& result = resultLetters[static_cast<std::size_t>(questionIndex)];
            if (result == 'T') {
                answerCorrect = true;
                c.setForeColor(correctColor());
                c.print("DA");
            } else {
                result = 'N';
                answerCorrect = false;
                c.setForeColor(kLightRed);
                c.print("NE");
            }
        }
    }
    countOnLeave = newVisit ? !answerGiven : countedOnLeave;

    if (!quickReviewMode && !reviewMode) {
        QString help = "Kliknite misom na ponudjeni a) ili b) odgovor.";
        if (topC > 0 && topD == 0)
            help = "Kliknite misom na ponudjeni a), b) ili c) odgovor.";
        if (topD > 0)
            help = "Kliknite misom na ponudjeni a), b), c) ili d) odgovor.";
        lblPomocuprvomredu->setCaption(help);
    }
    ++drawings;
    FocusAnswerInput();
}

void TestWindow::FrameCorrectAnswer() {
    if (!answerCorrect || !mnuPodesavanjazelokvokotacnogodg->checked())
        return;
    QColor green = correctColor();
    Canvas& c = canvas();
    const double left = layout_.choice.greenLeft, right = layout_.choice.greenRight;
    if (correctLetter == "a") {
        c.box(left, topA + 10, right, topB - 10, green);
    } else if (correctLetter == "b") {
        c.box(left, topB + 10, right, (topC < 1 ? answersBottom : topC) - 10, green);
    } else if (correctLetter == "c") {
        c.box(left, topC + 10, right, (topD < 1 ? answersBottom : topD) - 10, green);
    } else if (correctLetter == "d" && topD >= 1) {
        c.box(left, topD + 10, right, textBottom - 10, green);
    }
}

void TestWindow::EraseAnswerFrames() {
    Canvas& c = canvas();
    auto erase = [&](int top, int bottom) {
        const ChoiceGeometry& g = layout_.choice;
        c.box(g.greenLeft, top + 10, g.greenRight, bottom - 10, kWhite);
        c.box(g.hoverLeft, top, g.hoverRight, bottom, kWhite);
    };
    if (topA > 0)
        erase(topA, topB);
    erase(topB, topC > 0 ? topC : answersBottom);
    if (topC > 0)
        erase(topC, topD > 0 ? topD : answersBottom);
    if (topD > 0)
        erase(topD, textBottom);
}

} // namespace kviz
