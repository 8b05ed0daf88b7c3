// Saving a candidate's progress in this test, and loading it back.
#include "core/kvizomat_module.h"
#include "core/progress_file.h"
#include "design/test_window.h"
#include "platform/basic.h"
#include "platform/files.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace kviz {

bool TestWindow::SaveSession(const QString& consequence) {
    lblPomocuprvomredu->setVisible(false);
    // The work at hand belongs to the entry chosen. Only work of the new-candidate entry (or of
    // none) is given a name here, and only while no name was given: a cancelled prompt leaves
    // "Novi kandidat", which asks again. A name given here takes that work.
    if (candidatePosition <= 0 && IsNewCandidateName() && AskCandidateName())
        candidatePosition = ListPosition();
    TallyAnswer(); // the question on screen counts before it is saved
    return SaveWork(consequence);
}

bool TestWindow::SaveWork(const QString& consequence) {
    const auto failed = SaveListAndProgress();
    // The work of a candidate with a list position is kept by a file, and so would be that of a
    // named candidate while the list cannot be read; other work is nobody's.
    const bool owned = candidatePosition >= 1 || (candidateListUnreadable && !IsNewCandidateName());
    const auto templatePath = progressFolder() / progressFileName(0);
    const bool kept =
        !owned || std::all_of(failed.begin(), failed.end(),
                              [&](const std::filesystem::path& p) { return p == templatePath; });
    ReportFailedSaves(failed, kept ? QString() : consequence);
    return kept;
}

std::vector<std::filesystem::path> TestWindow::SaveListAndProgress() {
    // A list that could not be read at the load holds only the names given since: written, it
    // would hand the positions of the names it lost to others. Nor is a new name written while
    // another's file still lies under its position.
    std::vector<std::filesystem::path> failed = FilesStillInTheWay();
    std::vector<std::string> names;
    for (const QString& entry : cmbKandidat->items())
        names.push_back(toCp1250(entry));
    const bool listSaved =
        !candidateListUnreadable && failed.empty() && files::writeLines(candidateListPath(), names);
    if (!listSaved)
        failed.insert(failed.begin(), candidateListPath());
    for (auto& path : SaveProgress(listSaved))
        if (std::find(failed.begin(), failed.end(), path) == failed.end())
            failed.push_back(path);
    return failed;
}

void TestWindow::ReportFailedSaves(const std::vector<std::filesystem::path>& failed,
                                   const QString& consequence) {
    if (failed.empty())
        return;
    QString text = "\nNije moguce sacuvati:";
    for (const auto& path : failed)
        text += "\n" + QString::fromStdString(path.string());
    if (!consequence.isEmpty())
        text += "\n\n" + consequence;
    services().dialogs->messageBox(text, "Greska", MessageIcon::Critical);
}

std::vector<std::filesystem::path> TestWindow::SaveProgress(bool listSaved) {
    std::vector<std::filesystem::path> failed;
    const auto templatePath = progressFolder() / progressFileName(0);
    if (!files::writeLines(templatePath, templateLines(questionCount)))
        failed.push_back(templatePath);
    if (candidatePosition <= 0)
        return failed;
    const auto path = progressFolder() / progressFileName(candidatePosition);
    // A file under a position belongs to the name at that position in the list on disk.
    if (!listSaved) {
        failed.push_back(path);
        return failed;
    }
    const int shown = WorkQuestion();
    const int last = shown >= 1 && shown <= questionCount ? shown : 1;
    auto lines = progressHeader(last, basKvizomat.answeredCount, basKvizomat.correctCount);
    for (auto& row : ProgressRows())
        lines.push_back(std::move(row));
    if (!files::writeLines(path, lines))
        failed.push_back(path);
    return failed;
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

void TestWindow::LoadProgress() {
    if (candidatePosition < 0)
        return;
    TallyAnswer(); // what was answered here before the load still counts
    const auto path = progressFolder() / progressFileName(candidatePosition);
    // Another's file under a new name's position is no progress of the name's.
    const auto inTheWay = FilesStillInTheWay();
    auto length = std::find(inTheWay.begin(), inTheWay.end(), path) != inTheWay.end()
                      ? std::nullopt
                      : files::lengthCreatingIfMissing(path);
    if (length && *length > 0) {
        // A file that cannot be read counts as one without saved progress.
        if (auto lines = files::readLines(path)) {
            ProgressHeader header = parseProgressHeader(*lines, questionCount);
            if (header.lastQuestion)
                WorkQuestion() = *header.lastQuestion;
            if (header.answered)
                basKvizomat.answeredCount = *header.answered;
            if (header.correct)
                basKvizomat.correctCount = *header.correct;
            basKvizomat.correctCount =
                std::min(basKvizomat.correctCount, basKvizomat.answeredCount);
            ApplyProgressRows(progressRows(*lines, questionCount));
            // The loaded answer of the question on screen is never counted again.
            visitQuestion = 0;
            countOnLeave = false;
        }
    }
    ShowCounts();
    RememberQuestionNumber();
    ShowQuestion();
}

} // namespace kviz
