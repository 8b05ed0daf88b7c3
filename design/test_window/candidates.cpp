// The candidate box and the name prompt. Whose work the window holds is the candidate roster's
// to say; the window shows it and answers its questions about the work on screen.
#include "core/candidate_roster.h"
#include "core/kvizomat_module.h"
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace kviz {

namespace {

// The text without line breaks and other control characters, which a name cannot hold.
QString withoutControls(const QString& text) {
    QString out;
    for (QChar ch : text)
        if (ch.isPrint())
            out.append(ch);
    return out;
}

} // namespace

std::optional<std::string> TestWindow::askName(const std::string& defaultAnswer) {
    QString shown = fromCp1250(defaultAnswer);
    for (;;) {
        const QString answer = withoutControls(
            services().dialogs->inputBox("Upisite ime kandidata:", "Kandidat", shown, kInputBoxAt));
        if (answer.isEmpty())
            return std::nullopt;
        if (!RefuseName(answer, 20))
            return basic::upper(toCp1250(answer.left(20)));
        shown = answer; // asked again, with the name to mend
    }
}

bool TestWindow::RefuseName(const QString& name, qsizetype keep) {
    QString why;
    if (!std::all_of(name.begin(), name.end(), cp1250Holds))
        why = "\nIme kandidata sadrzi znak koji\nlista kandidata ne moze da sacuva.";
    else if (!candidateRoster.hasRoomFor(basic::upper(toCp1250(name.left(keep)))))
        why = "\nLista kandidata je puna:\nnovo ime ne moze da se doda.";
    if (why.isEmpty())
        return false;
    services().beeper->beep();
    services().dialogs->messageBox(why, "Greska", MessageIcon::Critical);
    return true;
}

void TestWindow::ShowCandidates() {
    QStringList entries;
    for (const std::string& entry : candidateRoster.entries())
        entries << fromCp1250(entry);
    if (cmbKandidat->items() != entries) {
        cmbKandidat->setListIndex(-1);
        cmbKandidat->clear();
        for (const QString& entry : entries)
            cmbKandidat->addItem(entry);
    }
    // The owner's entry, selected; entry 0 while the work has none.
    const int owner = candidateRoster.owner();
    cmbKandidat->setListIndex(owner);
    cmbKandidat->setText(entries.value(std::max(owner, 0)));
}

void TestWindow::ShowProgress() {
    ShowCandidates();
    ShowCounts();
    RememberQuestionNumber();
    ShowQuestion();
}

void TestWindow::startClean() {
    WorkQuestion() = 1;
    ForgetAnswers();
    ZeroCounts();
}

void TestWindow::ForgetAnswers() {
    std::fill(answerLetters.begin(), answerLetters.end(), '\0');
    std::fill(resultLetters.begin(), resultLetters.end(), '\0');
}

void TestWindow::cmbKandidat_GotFocus() {
    HeaderBoxGotFocus("Upisite ili izaberite ime Kandidata i pritisnite Enter.");
}

void TestWindow::cmbKandidat_KeyPress(int& keyAscii) {
    if (keyAscii != keys::Return)
        return;
    const QString text = withoutControls(cmbKandidat->text());
    if (text.isEmpty()) {
        services().beeper->beep();
        services().dialogs->messageBox("\nIme kandidata mora sadrzati\n\nnajmanje jedan znak.",
                                       "Greska", MessageIcon::Critical);
        cmbKandidat->setText(kNewCandidate);
        return;
    }
    if (RefuseName(text))
        return; // the name stays in the box, to be mended
    candidateRoster.choose(basic::upper(toCp1250(text)), *this);
    ShowProgress();
    FocusAnswerInput();
}

void TestWindow::cmbKandidat_LostFocus() {
    HeaderBoxLostFocus();
    // A name typed or picked without Enter leaves the field, and the selection with it.
    ShowCandidates();
    RememberQuestionNumber();
}

void TestWindow::mnuKandidat_Click() {
    HideHelpLine();
    candidateRoster.ask(*this);
    ShowHelpLine();
    ShowProgress();
}

void TestWindow::lblKandidat_Click() {
    mnuKandidat_Click();
    FocusAnswerInput();
}

} // namespace kviz
