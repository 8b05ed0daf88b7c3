// A candidate's progress in this test as the lines of its file: the work on screen given to the
// candidate roster, and lines read or joined taken back.
#include "core/candidate_roster.h"
#include "core/kvizomat_module.h"
#include "core/progress_file.h"
#include "design/test_window.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace kviz {

bool TestWindow::SaveSession(const QString& consequence) {
    lblPomocuprvomredu->setVisible(false);
    const bool kept = candidateRoster.save(*this, toCp1250(consequence));
    ShowCandidates();
    ShowCounts();
    return kept;
}

void TestWindow::reportUnsaved(const std::vector<std::filesystem::path>& failed,
                               const std::string& consequence) {
    ShowCandidates(); // the box names the candidate whose work it is
    QString text = "\nNije moguce sacuvati:";
    for (const auto& path : failed)
        text += "\n" + QString::fromStdString(path.string());
    if (!consequence.empty())
        text += "\n\n" + fromCp1250(consequence);
    services().dialogs->messageBox(text, "Greska", MessageIcon::Critical);
}

std::vector<std::string> TestWindow::workLines() {
    TallyAnswer(); // the question on screen counts before it is saved
    const int shown = WorkQuestion();
    const int last = shown >= 1 && shown <= questionCount ? shown : 1;
    auto lines = progressHeader(last, basKvizomat.answeredCount, basKvizomat.correctCount);
    for (auto& row : ProgressRows())
        lines.push_back(std::move(row));
    return lines;
}

void TestWindow::takeLines(const std::vector<std::string>& lines) {
    const ProgressHeader header = parseProgressHeader(lines, questionCount);
    if (header.lastQuestion)
        WorkQuestion() = *header.lastQuestion;
    if (header.answered)
        basKvizomat.answeredCount = *header.answered;
    if (header.correct)
        basKvizomat.correctCount = *header.correct;
    basKvizomat.correctCount = std::min(basKvizomat.correctCount, basKvizomat.answeredCount);
    ApplyProgressRows(progressRows(lines, questionCount));
    // The answer taken on screen is never counted again.
    visitQuestion = 0;
    countOnLeave = false;
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
