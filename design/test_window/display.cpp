// Drawing the question on screen, and the frames round its answer bands.
#include "core/kvizomat_module.h"
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

namespace kviz {

bool TestWindow::BeginQuestionDrawing(bool& newVisit, bool& countedOnLeave) {
    canvas().clear();
    firstAttemptOpen = true;

    QString number = QString::number(questionIndex);
    cmbPitanje->setText(number);
    ShowQuestionNumber(number + ".");
    // A new number moves the scroll bar, whose change handler draws the new question at once;
    // that drawing counts the question left, and this one is then complete.
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
    if (inRange && picSlika != nullptr) {
        picSlika->loadPicture(QString::fromStdString(basKvizomat.pictureFolder +
                                                     pictureFileName(test_, questionIndex)));
        // The next question's picture (after the last comes the first) is read while the user
        // looks at this one.
        picSlika->preloadPicture(QString::fromStdString(
            basKvizomat.pictureFolder + pictureFileName(test_, questionIndex % questionCount + 1)));
    }

    c.setFont(kSansSerif, 12, true);
    c.setForeColor(quickReviewMode || reviewMode ? kGrey : kBlack);
    c.currentY = layout_.question.textTop;
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
        ShowAnsweringHelpLine();
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
                c.setFont(kSansSerif, 12, false);
        }
        if (line.correctLetter != 0)
            correctLetter = std::string(1, line.correctLetter);
        lineBuffer = line.shown;
        if (topA > 0 && c.currentY > topA && isBlankLine(lineBuffer))
            break;
        c.currentX = layout_.question.textX;
        c.currentY += layout_.question.lineGap;
        c.print(fromCp1250(lineBuffer));
    }
    textBottom = static_cast<int>(basic::roundHalfEven(c.currentY));
    answersBottom = textBottom;

    if (mnuPodesavanjaokokotxtpitiodg->checked())
        c.box(layout_.question.textFrame.left(), layout_.question.textFrame.top(),
              layout_.question.textFrame.right(), layout_.question.textFrame.bottom(), kBlack);

    if (!quickReviewMode) {
        const char stored = answerLetters[static_cast<std::size_t>(questionIndex)];
        for (int k = 0; k < 4; ++k) {
            if (stored != 'a' + k)
                continue;
            firstAttemptOpen = false;
            c.setFont(kSerif, 14, true);
            c.currentX = layout_.question.verdictX;
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

    ShowAnsweringHelpLine();
    ++drawings;
    FocusAnswerInput();
}

void TestWindow::FrameCorrectAnswer() {
    if (!answerCorrect || !mnuPodesavanjazelokvokotacnogodg->checked())
        return;
    int top = 0, bottom = 0;
    if (correctLetter.size() != 1 || !AnswerBand(correctLetter[0] - 'a', top, bottom))
        return;
    const QuestionGeometry& g = layout_.question;
    canvas().box(g.greenLeft, top + 10, g.greenRight, bottom - 10, correctColor());
}

void TestWindow::EraseAnswerFrames() {
    Canvas& c = canvas();
    const QuestionGeometry& g = layout_.question;
    for (int answer = 0; answer < 4; ++answer) {
        int top = 0, bottom = 0;
        if (!AnswerBand(answer, top, bottom))
            continue;
        c.box(g.greenLeft, top + 10, g.greenRight, bottom - 10, kWhite);
        c.box(g.hoverLeft, top, g.hoverRight, bottom, kWhite);
    }
}

QString TestWindow::AnsweringHelpLine() const {
    if (topD > 0)
        return "Kliknite misom na ponudjeni a), b), c) ili d) odgovor.";
    if (topC > 0)
        return "Kliknite misom na ponudjeni a), b) ili c) odgovor.";
    return "Kliknite misom na ponudjeni a) ili b) odgovor.";
}

void TestWindow::ShowAnsweringHelpLine() {
    // Outside the reviews the help line tells how to answer.
    if (!quickReviewMode && !reviewMode)
        SetHelpLine(AnsweringHelpLine());
}

} // namespace kviz
