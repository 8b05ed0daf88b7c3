// A candidate's progress in this test as the lines of its file: the work on screen given to the
// candidate roster, and lines read or joined taken back.
#include "core/candidate_roster.h"
#include "core/kvizomat_module.h"
#include "core/progress_file.h"
#include "design/test_window.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace kviz {

SaveOutcome TestWindow::SaveSession(const QString& consequence) {
    lblPomocuprvomredu->setVisible(false);
    const SaveOutcome outcome = candidateRoster.save(*this, toCp1250(consequence));
    ShowCandidates();
    ShowCounts();
    return outcome;
}

void TestWindow::reportUnsaved(const std::vector<UnsavedFile>& failed,
                               const std::string& consequence) {
    ShowCandidates(); // the box names the candidate whose work it is
    QString text = "\nNije moguce sacuvati:";
    for (const UnsavedFile& unsaved : failed)
        text += "\n" + QString::fromStdString(unsaved.file.string()) + " - " +
                fromCp1250(unsaved.reason);
    if (!consequence.empty())
        text += "\n\n" + fromCp1250(consequence);
    services().dialogs->messageBox(text, "Greska", MessageIcon::Critical);
}

int TestWindow::openQuestion() const {
    return countOnLeave && !reviewMode && !quickReviewMode ? questionIndex : 0;
}

std::pair<std::int32_t, std::int32_t> TestWindow::CountsInFile() const {
    // The counts shown wait for the question on screen to be left.
    const bool pending = openQuestion() != 0 && answerGiven;
    return {basKvizomat.answeredCount + (pending ? 1 : 0),
            basKvizomat.correctCount + (pending && answerCorrect ? 1 : 0)};
}

std::vector<std::string> TestWindow::workLines() const {
    const auto [answered, correct] = CountsInFile();
    const int shown = WorkQuestion();
    auto lines =
        progressHeader(shown >= 1 && shown <= questionCount ? shown : 1, answered, correct);
    for (auto& row : ProgressRows())
        lines.push_back(std::move(row));
    return lines;
}

void TestWindow::takeLines(const std::vector<std::string>& lines, bool openStays) {
    const ProgressHeader header = parseProgressHeader(lines, questionCount);
    if (header.lastQuestion)
        WorkQuestion() = *header.lastQuestion;
    if (header.answered)
        basKvizomat.answeredCount = *header.answered;
    if (header.correct)
        basKvizomat.correctCount = *header.correct;
    basKvizomat.correctCount = std::min(basKvizomat.correctCount, basKvizomat.answeredCount);
    ApplyProgressRows(progressRows(lines, questionCount));
    // An answer taken onto the screen is never counted again.
    if (!openStays) {
        visitQuestion = 0;
        countOnLeave = false;
    }
}

std::vector<std::string> TestWindow::ProgressRows() const {
    return choiceRows(answerLetters, resultLetters);
}

void TestWindow::ApplyProgressRows(const std::vector<std::string>& rows) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        auto [letter, result] = readChoiceRow(rows[k]);
        answerLetters[k + 1] = letter;
        resultLetters[k + 1] = result;
    }
}

} // namespace kviz
