// The candidate list in cmbKandidat, the name prompt, and the choice of a candidate.
#include "core/kvizomat_module.h"
#include "core/progress_file.h"
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace kviz {

namespace {
const char* const kUnnamedCandidate = "Novi kandidat";
} // namespace

bool TestWindow::AskCandidateName() {
    if (basKvizomat.candidateName.empty())
        basKvizomat.candidateName = kUnnamedCandidate;
    QString answer = services().dialogs->inputBox(
        "Upisite ime kandidata:", "Kandidat", fromCp1250(basKvizomat.candidateName), kInputBoxAt);
    // Only printable characters that the list file can hold make a name.
    answer = printableCp1250(answer);
    if (answer.isEmpty()) {
        basKvizomat.candidateName = kUnnamedCandidate;
        return false;
    }
    basKvizomat.candidateName = basic::upper(toCp1250(answer.left(20)));
    cmbKandidat->setText(fromCp1250(basKvizomat.candidateName));
    SelectOrAddCandidate();
    return true;
}

void TestWindow::SelectOrAddCandidate() {
    const int entries = cmbKandidat->listCount();
    cmbKandidat->selectOrAppend(cmbKandidat->text());
    if (cmbKandidat->listCount() == entries || ListPosition() < 1)
        return;
    // A new name starts with no progress in any test. A file under its position was left by a
    // name the list no longer holds: it is nobody's, and is kept aside unread. One that cannot be
    // moved yet stays in the way of the name: it is neither read nor written over.
    for (std::string_view folder : progressFoldersInCreationOrder()) {
        const auto path = stateRoot() / folder / progressFileName(ListPosition());
        if (!setAsideProgressFile(path))
            filesInTheWay.insert(path);
    }
}

std::vector<std::filesystem::path> TestWindow::FilesStillInTheWay() {
    std::erase_if(filesInTheWay,
                  [](const std::filesystem::path& path) { return setAsideProgressFile(path); });
    return {filesInTheWay.begin(), filesInTheWay.end()};
}

bool TestWindow::IsNewCandidateName() const {
    return basic::upper(basKvizomat.candidateName).find(kNewCandidate) != std::string::npos;
}

int TestWindow::ListPosition() const {
    return candidateListUnreadable ? -1 : cmbKandidat->listIndex();
}

void TestWindow::ConfirmCandidate() {
    const int chosen = ListPosition();
    if (chosen == candidatePosition)
        return;
    if (candidatePosition >= 1) {
        // The outgoing candidate keeps what was done for them, and is shown while it is saved;
        // the chosen one starts afresh. What cannot be saved stays on screen, with its candidate.
        const std::string chosenName = basKvizomat.candidateName;
        cmbKandidat->setListIndex(candidatePosition);
        basKvizomat.candidateName = toCp1250(cmbKandidat->text());
        TallyAnswer();
        if (!SaveWork("Kandidat nije promenjen."))
            return;
        cmbKandidat->setListIndex(chosen);
        basKvizomat.candidateName = chosenName;
        StartClean();
    }
    candidatePosition = chosen;
}

void TestWindow::StartClean() {
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
    const QString text = printableCp1250(cmbKandidat->text());
    if (text.isEmpty()) {
        services().beeper->beep();
        services().dialogs->messageBox("\nIme kandidata mora sadrzati\n\nnajmanje jedan znak.",
                                       "Greska", MessageIcon::Critical);
        cmbKandidat->setText(kNewCandidate);
        return;
    }
    basKvizomat.candidateName = basic::upper(toCp1250(text));
    cmbKandidat->setText(fromCp1250(basKvizomat.candidateName));
    const int before = candidatePosition;
    SelectOrAddCandidate();
    ConfirmCandidate();
    // The candidate at work chosen again keeps the work done since the last save.
    if (candidatePosition != before)
        LoadProgress();
    FocusAnswerInput();
}

void TestWindow::cmbKandidat_LostFocus() {
    HeaderBoxLostFocus();
    // A name typed or picked without Enter leaves the field, and the selection with it.
    cmbKandidat->setListIndex(candidatePosition);
    cmbKandidat->setText(fromCp1250(basKvizomat.candidateName));
    RememberQuestionNumber();
}

void TestWindow::mnuKandidat_Click() {
    HideHelpLine();
    const int before = candidatePosition;
    if (AskCandidateName())
        ConfirmCandidate();
    if (candidatePosition != before)
        LoadProgress();
    ShowHelpLine();
    ShowQuestion();
}

void TestWindow::lblKandidat_Click() {
    mnuKandidat_Click();
    FocusAnswerInput();
}

} // namespace kviz
