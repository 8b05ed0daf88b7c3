#include "design/typed_answer_window.h"

#include "design/typed_answer.h"

#include <algorithm>

namespace kviz {

WindowLayout typedAnswerLayout() {
    WindowLayout layout;
    layout.hasPicture = false;
    layout.keepsHoverFrame = false;
    layout.helpLineStart = 3700;
    layout.helpLineRightBound = 5900;
    layout.demonstration.advanceFirst = true;
    layout.demonstration.markRightAnswer = false; // the drawing shows the answer
    return layout;
}

TypedAnswerWindow::TypedAnswerWindow(Services services, const TestDescriptor& test,
                                     WindowLayout layout)
    : TestWindow(services, test, std::move(layout)) {
    mnuPodesavanjaIspDaNeubojinakonodg->setCaption("&Ispis broja u boji nakon odgovora");
    mnuPodesavanjazelokvokotacnogodg->setCaption("Zeleni broj za tacan odgovor");
    mnuPodesavanjaokokotxtpitiodg->setCaption("Okvir oko odgovora");
}

void TypedAnswerWindow::ChainAnswerBoxes() {
    for (std::size_t i = 0; i + 1 < txtOdgovor.size(); ++i)
        QWidget::setTabOrder(txtOdgovor[i]->widget(), txtOdgovor[i + 1]->widget());
    QWidget::setTabOrder(txtOdgovor.back()->widget(), CmdSledecepitanje->widget());
}

void TypedAnswerWindow::HideFrameSettings() {
    for (MenuItem* hidden : {mnuPodesavanjaPojavokviraokoodg, mnuPodesavanjaokokotxtpitiodg}) {
        hidden->setVisible(false);
        hidden->setEnabled(false);
    }
}

TextBox& TypedAnswerWindow::AddAnswerBox(QWidget* parent, const QString& name) {
    TextBox& box = add<TextBox>(name, parent, QString());
    box.setFont("MS Sans Serif", 9.75, true);
    txtOdgovor.push_back(&box);
    return box;
}

void TypedAnswerWindow::LoadQuestionCount() {
    TestWindow::LoadQuestionCount();
    typedAnswers.assign(static_cast<std::size_t>(questionCount) + 1, std::string());
}

bool TypedAnswerWindow::BeginTypedDrawing(bool& newVisit, bool& countedOnLeave) {
    if (!BeginQuestionDrawing(newVisit, countedOnLeave))
        return false;
    answerCorrect = false;
    answerGiven = false;
    if (questionOnScreen())
        return true;
    // No question to show: nothing can be typed, judged or counted.
    firstAttemptOpen = false;
    countOnLeave = false;
    for (TextBox* box : txtOdgovor)
        box->setVisible(false);
    ShowAnsweringHelpLine();
    ++drawings;
    return false;
}

void TypedAnswerWindow::FinishTypedDrawing(bool newVisit, bool countedOnLeave) {
    countOnLeave = newVisit ? !answerGiven : countedOnLeave;
    ShowAnsweringHelpLine();
    ++drawings;
    FocusAnswerInput();
}

void TypedAnswerWindow::FocusAnswerInput() { txtOdgovor.front()->setFocus(); }

void TypedAnswerWindow::PrintVerdict(const QString& text, QColor color, double x, double y) {
    Canvas& c = canvas();
    c.setFont("MS Serif", 14, true);
    c.setForeColor(color);
    c.currentX = x;
    c.currentY = y;
    c.print(text);
}

void TypedAnswerWindow::StoreAnswerAndShowNext() {
    // During a review or the demonstration the boxes show, they take no answer.
    if (firstAttemptOpen && questionOnScreen() && !reviewMode && !quickReviewMode)
        StoreTypedAnswer();
    ++questionIndex;
    if (questionIndex > questionCount) {
        services().beeper->beep();
        questionIndex = 1;
    }
    ShowQuestion();
}

void TypedAnswerWindow::ClearAnswers() { ForgetAnswers(); }

void TypedAnswerWindow::ForgetAnswers() {
    TestWindow::ForgetAnswers();
    std::fill(typedAnswers.begin(), typedAnswers.end(), std::string());
}

std::vector<std::string> TypedAnswerWindow::ProgressRows() const {
    std::vector<std::string> rows;
    for (std::size_t q = 1; q < typedAnswers.size(); ++q)
        rows.push_back(typedRow(typedAnswers[q], resultLetters[q]));
    return rows;
}

void TypedAnswerWindow::ApplyProgressRows(const std::vector<std::string>& rows) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (auto entry = readTypedRow(rows[k])) {
            typedAnswers[k + 1] = entry->first;
            resultLetters[k + 1] = entry->second;
        }
    }
}

void TypedAnswerWindow::Form_Click() {
    if (KeyPreviewGuard())
        return;
    if (quickReviewMode) {
        stopRequested = true;
        return;
    }
    if (reviewMode) {
        StoreAnswerAndShowNext();
        return;
    }
    if (clickMarker == 2) {
        clickMarker = 0; // the click that a right-button release leaves behind
        return;
    }
    HotZoneClick(); // there is nothing to answer by clicking
}

void TypedAnswerWindow::Form_DblClick() {
    if (KeyPreviewGuard())
        return;
    if (quickReviewMode || reviewMode)
        stopRequested = true;
    else
        StoreAnswerAndShowNext();
}

void TypedAnswerWindow::Form_KeyPress(int& keyAscii) {
    if (!keyPreview) {
        keyPreview = true;
        return;
    }
    if (keyAscii == 13) {
        // Enter on a focused button presses it; elsewhere it moves on to the next tab stop.
        if (dynamic_cast<CommandButton*>(focusedControl()) != nullptr)
            return;
        keyAscii = 0;
        services().keystrokes->sendTab();
        return;
    }
    if (keyAscii == 27 && (quickReviewMode || reviewMode))
        cmdKrajrada_Click();
}

void TypedAnswerWindow::Form_KeyUp(int& keyCode, int) {
    if (KeyPreviewGuard())
        return;
    if (keyCode == keys::PageDown)
        StoreAnswerAndShowNext();
    else if (keyCode == keys::PageUp)
        ShowPreviousQuestion();
}

void TypedAnswerWindow::Form_MouseMove(int, int, double x, double y) {
    if (!keyPreview || reviewMode || quickReviewMode)
        return;
    mouseX = x;
    mouseY = y;
}

} // namespace kviz
