// Counting the questions left, the grade in the header, and Reset.
#include "core/kvizomat_module.h"
#include "core/pass_mark.h"
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

namespace kviz {

void TestWindow::TallyAnswer() {
    if (reviewMode || quickReviewMode)
        return;
    if (!countOnLeave)
        return;
    if (answerGiven) {
        countOnLeave = false; // a visit counts once
        ++basKvizomat.answeredCount;
        if (answerCorrect)
            ++basKvizomat.correctCount;
    }
    ShowCounts();
}

void TestWindow::ShowCounts() {
    ShowAnsweredCount();
    lblTacnihodgovora->setCaption(QString("Tacnih odgovora: %1").arg(basKvizomat.correctCount));
    lblOcenaPolozioNijepolozio->setCaption(
        QString::fromStdString(gradeLabel(basKvizomat.answeredCount, basKvizomat.correctCount)));
}

void TestWindow::ShowAnsweredCount() {
    lblUkupnoodgovora->setCaption(QString("Ukupno odgovora: %1").arg(basKvizomat.answeredCount));
}

void TestWindow::ZeroCounts() {
    basKvizomat.answeredCount = 0;
    basKvizomat.correctCount = 0;
    // The question on screen starts a new visit: answered again, it counts again.
    visitQuestion = 0;
    countOnLeave = false;
    ShowCounts();
}

void TestWindow::ClearAnswers() {
    for (int q = 1; q <= questionCount; ++q) {
        answerLetters[static_cast<std::size_t>(q)] = ' ';
        resultLetters[static_cast<std::size_t>(q)] = ' ';
    }
}

void TestWindow::cmdReset_Click() {
    if (basKvizomat.answeredCount == 0 && basKvizomat.correctCount == 0) {
        services().beeper->beep();
        return;
    }
    HideHelpLine();
    QString answer = services().dialogs->inputBox(
        "Da li zelite da postavite\nUkupno odgovora i\nTacnih odgovora na nulu.\n\nUpisite: Da "
        "ili Ne.",
        "Reset", "Ne", kInputBoxAt);
    if (basic::upper(toCp1250(answer)) == "DA") {
        ClearAnswers();
        ZeroCounts();
    }
    ShowQuestion();
    ShowHelpLine();
}

} // namespace kviz
