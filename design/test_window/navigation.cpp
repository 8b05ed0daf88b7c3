// Moving between questions: next and previous, the go-to prompt, the question-number box and
// the scroll bar. Every path ends in ShowQuestion with a new questionIndex.
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

namespace kviz {

void TestWindow::ShowNextQuestion() {
    ++questionIndex;
    if (questionIndex > questionCount) {
        services().beeper->beep();
        questionIndex = 1;
    }
    ShowQuestion();
}

void TestWindow::ShowPreviousQuestion() {
    --questionIndex;
    if (questionIndex <= 0) {
        services().beeper->beep();
        questionIndex = 1;
    }
    ShowQuestion();
}

int TestWindow::AskQuestionNumber(const QString& prompt, const QString& title, bool hideHelpLine) {
    return AskQuestionNumber(prompt, title, hideHelpLine, questionCount,
                             QString::number(questionIndex));
}

int TestWindow::AskQuestionNumber(const QString& prompt, const QString& title, bool hideHelpLine,
                                  int maximum, const QString& defaultAnswer) {
    double v = 0;
    for (;;) {
        if (hideHelpLine)
            HideHelpLine();
        QString answer = services().dialogs->inputBox(prompt, title, defaultAnswer, kInputBoxAt);
        v = basic::leadingNumber(toCp1250(answer));
        if (v >= 0 && v <= maximum)
            break;
        services().beeper->beep();
    }
    if (hideHelpLine)
        ShowHelpLine();
    return static_cast<int>(basic::roundHalfEven(v));
}

void TestWindow::JumpToQuestion(int number) {
    questionIndex = number;
    cmbPitanje->setText(QString::number(number));
    RememberQuestionNumber();
    ShowQuestion();
}

void TestWindow::PromptGoToQuestion() {
    const int n = AskQuestionNumber(
        QString("Upisite broj pitanja na koje zelite da predjete: (1-%1)").arg(questionCount),
        "Odredjeno Pitanje", true);
    if (n >= 1)
        JumpToQuestion(n);
}

void TestWindow::RememberQuestionNumber() { cmbPitanje->selectOrAppend(cmbPitanje->text()); }

void TestWindow::CmdSledecepitanje_Click() { ShowNextQuestion(); }

void TestWindow::CmdPrethodnopitanje_Click() { ShowPreviousQuestion(); }

void TestWindow::CmdOdredjenoPitanje_Click() {
    PromptGoToQuestion();
    FocusAnswerInput();
}

void TestWindow::HeaderBoxGotFocus(const QString& instruction) {
    keyPreview = false; // keys typed into the box do not reach the window
    savedHelpCaption = lblPomocuprvomredu->caption();
    lblPomocuprvomredu->setCaption(instruction);
    headerBoxHelp = true;
}

void TestWindow::HeaderBoxLostFocus() {
    keyPreview = true;
    headerBoxHelp = false;
    lblPomocuprvomredu->setCaption(savedHelpCaption);
}

void TestWindow::SetHelpLine(const QString& text) {
    if (headerBoxHelp)
        savedHelpCaption = text; // shown once the box gives the help line back
    else
        lblPomocuprvomredu->setCaption(text);
}

void TestWindow::cmbPitanje_GotFocus() {
    HeaderBoxGotFocus("Upisite ili izaberite broj Pitanja i pritisnite Enter.");
}

void TestWindow::cmbPitanje_KeyPress(int& keyAscii) {
    if (keyAscii != keys::Return)
        return;
    const double n = basic::roundHalfEven(basic::leadingNumber(toCp1250(cmbPitanje->text())));
    if (n >= 1 && n <= questionCount) {
        questionIndex = static_cast<int>(n);
        RememberQuestionNumber();
        ShowQuestion();
        FocusAnswerInput();
        return;
    }
    // Out of range: only the box is corrected; the question on screen and its number stay, so
    // a second Enter goes to the corrected number.
    RefuseQuestionNumber(n > questionCount, questionCount, QString::number(questionCount));
}

void TestWindow::RefuseQuestionNumber(bool aboveMaximum, int maximum, const QString& inTheBox) {
    services().beeper->beep();
    if (aboveMaximum) {
        services().dialogs->messageBox(QString("\nMaksimalni broj pitanja je %1.").arg(maximum),
                                       "Greska", MessageIcon::Critical);
        cmbPitanje->setText(inTheBox);
    } else {
        services().dialogs->messageBox("\nMinimalni broj pitanja je 1.", "Greska",
                                       MessageIcon::Critical);
        cmbPitanje->setText("1");
    }
}

void TestWindow::cmbPitanje_LostFocus() {
    HeaderBoxLostFocus();
    cmbPitanje->setText(QString::number(questionIndex));
}

void TestWindow::VScrollzapitanje_Change() {
    questionIndex = VScrollzapitanje->value();
    ShowQuestion();
    if (!reviewMode && !quickReviewMode)
        FocusAnswerInput();
}

// Dragging the thumb shows each question it passes, as a change does.
void TestWindow::VScrollzapitanje_Scroll() { VScrollzapitanje_Change(); }

void TestWindow::Form_KeyUp(int& keyCode, int) {
    if (keyCode == keys::PageDown)
        ShowNextQuestion();
    else if (keyCode == keys::PageUp)
        ShowPreviousQuestion();
}

} // namespace kviz
