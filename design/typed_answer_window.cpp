#include "design/typed_answer_window.h"

#include "core/kvizomat_module.h"
#include "core/typed_answer.h"

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
    box.setFont(kSansSerif, 9.75, true);
    box.onGotFocus = [this, index = txtOdgovor.size()] { boxLeft_ = index; };
    txtOdgovor.push_back(&box);
    return box;
}

void TypedAnswerWindow::LoadQuestionCount() {
    TestWindow::LoadQuestionCount();
    typedAnswers.assign(static_cast<std::size_t>(questionCount) + 1, std::string());
}

bool TypedAnswerWindow::BeginTypedDrawing() {
    // The answer being typed: that of this visit's question, still open, outside the modes.
    const bool answering = firstAttemptOpen && questionOnScreen() &&
                           questionIndex == visitQuestion && !reviewMode && !quickReviewMode;
    Control* focus = focusedControl();
    bool newVisit = false, countedOnLeave = false;
    if (!BeginQuestionDrawing(newVisit, countedOnLeave))
        return false;
    continuingAnswer = answering;
    focusBeforeDrawing_ = focus;
    if (!continuingAnswer) {
        answerCorrect = false;
        answerGiven = false;
        verdictOnScreen = false;
        boxLeft_ = 0;
    }
    if (questionOnScreen())
        return true;
    // No question to show: nothing can be typed, judged or counted.
    firstAttemptOpen = false;
    countOnLeave = false;
    for (TextBox* box : txtOdgovor)
        box->setVisible(false);
    CmdSledecepitanje->setFocus(); // the focus the hidden boxes cannot take
    ShowAnsweringHelpLine();
    ++drawings;
    return false;
}

void TypedAnswerWindow::FinishTypedDrawing() {
    countOnLeave = false; // the counts follow the result letters, not the leaving
    ShowAnsweringHelpLine();
    ++drawings;
    if (!continuingAnswer) {
        FocusAnswerInput();
        // In a review the boxes take nothing: Enter presses the next-question button.
        if (reviewMode && focusedControl() == nullptr) {
            focusWithoutVerdict_ = true;
            CmdSledecepitanje->setFocus();
            focusWithoutVerdict_ = false;
        }
        return;
    }
    continuingAnswer = false;
    if (verdictOnScreen)
        CmdSledecepitanje_GotFocus();
    if (focusBeforeDrawing_ == CmdSledecepitanje)
        CmdSledecepitanje->setFocus();
    else
        FocusBoxLeft();
}

void TypedAnswerWindow::VerdictOnButtonFocus() {
    CmdSledecepitanje->onGotFocus = [this] {
        if (!focusWithoutVerdict_)
            CmdSledecepitanje_GotFocus();
    };
}

void TypedAnswerWindow::FocusAnswerInput() { txtOdgovor.front()->setFocus(); }

void TypedAnswerWindow::FocusBoxLeft() { txtOdgovor[boxLeft_]->setFocus(); }

int TypedAnswerWindow::openQuestion() const {
    return firstAttemptOpen && questionOnScreen() && questionIndex == visitQuestion &&
                   !reviewMode && !quickReviewMode
               ? questionIndex
               : 0;
}

std::pair<std::int32_t, std::int32_t> TypedAnswerWindow::CountVerdicts(int leaveOut) const {
    std::int32_t answered = 0, right = 0;
    for (std::size_t q = 1; q < resultLetters.size(); ++q) {
        if (static_cast<int>(q) == leaveOut)
            continue;
        answered += resultLetters[q] == 'T' || resultLetters[q] == 'N' ? 1 : 0;
        right += resultLetters[q] == 'T' ? 1 : 0;
    }
    return {answered, right};
}

std::pair<std::int32_t, std::int32_t> TypedAnswerWindow::CountsInFile() const {
    return CountVerdicts(0);
}

void TypedAnswerWindow::TallyAnswer() {
    std::tie(basKvizomat.answeredCount, basKvizomat.correctCount) = CountVerdicts(openQuestion());
    ShowCounts();
}

void TypedAnswerWindow::takeLines(const std::vector<std::string>& lines, bool openStays) {
    TestWindow::takeLines(lines, openStays);
    TallyAnswer(); // the counts are those of the verdicts taken
}

void TypedAnswerWindow::RecordTypedAnswer(std::string answer, bool given, bool right) {
    if (isBlank(answer)) {
        typedAnswer().clear();
        if (resultLetter() == 'T')
            resultLetter() = 'N';
    } else {
        typedAnswer() = std::move(answer);
        if (given)
            resultLetter() = right ? 'T' : 'N';
    }
}

void TypedAnswerWindow::PrintVerdict(const QString& text, QColor color, double x, double y) {
    Canvas& c = canvas();
    c.setFont(kSerif, 14, true);
    c.setForeColor(color);
    c.currentX = x;
    c.currentY = y;
    c.print(text);
}

void TypedAnswerWindow::StoreAnswerAndShowNext() {
    // During a review or the demonstration the boxes show, they take no answer.
    if (firstAttemptOpen && questionOnScreen() && !reviewMode && !quickReviewMode)
        StoreTypedAnswer();
    // The answer is left, and counts: the question is drawn afresh, also when it is the only one.
    firstAttemptOpen = false;
    TallyAnswer();
    TestWindow::ShowNextQuestion();
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
    if (keyAscii == keys::Return) {
        // Enter on a focused button presses it; elsewhere it moves on to the next tab stop.
        if (dynamic_cast<CommandButton*>(focusedControl()) != nullptr)
            return;
        keyAscii = 0;
        services().keystrokes->sendTab();
        return;
    }
    if (keyAscii == keys::Escape && (quickReviewMode || reviewMode))
        cmdKrajrada_Click();
}

void TypedAnswerWindow::Form_MouseMove(int, int, double x, double y) {
    if (!keyPreview || reviewMode || quickReviewMode)
        return;
    mouseX = x;
    mouseY = y;
}

} // namespace kviz
