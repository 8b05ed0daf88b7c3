// Start-up and activation of a test window, and its question file.
#include "core/folders.h"
#include "core/kvizomat_module.h"
#include "design/test_window.h"
#include "platform/files.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace kviz {

void TestWindow::Form_Load() {
    if (layout_.startupWindow) {
        show(); // the user sees the window while the rest of the load runs
        CreateStateFolders();
    }
    SetFolders();
    workStartTime = services().clock->seconds();
    lblTekucevreme->setCaption(services().clock->timeOfDayText());
    keyPreview = true;
    OpenQuestionFile();
    LoadQuestionCount();
    LoadCandidateList();
    SetLoadDefaults();
    if (layout_.startupWindow)
        ShowQuestion();
}

void TestWindow::CreateStateFolders() {
    std::filesystem::path root = stateRoot();
    files::createFolder(root);
    for (std::string_view folder : progressFoldersInCreationOrder())
        files::createFolder(root / folder);
}

void TestWindow::SetFolders() {
    std::string program = services().locations->programFolder().string();
    if (layout_.startupWindow)
        basKvizomat.programFolder = folderWithSeparator(program);
    basKvizomat.testFolder = subfolder(program, test_.testWord);
    if (test_.pictureRule != PictureRule::None)
        basKvizomat.pictureFolder = subfolder(basKvizomat.testFolder, kPictureFolder);
    basKvizomat.questionFolder = subfolder(basKvizomat.testFolder, kQuestionFolder);
}

void TestWindow::SetLoadDefaults() {
    workLimitMinutes = 360;
    elapsedMinutes = 0;
    helpLineX = layout_.helpLineStart;
    helpLineMovingRight = false;
    quickReviewMode = false;
    reviewMode = false;
    stopRequested = false;
    answerGiven = false;
    basKvizomat.answeredCount = 0;
    basKvizomat.correctCount = 0;
    helpLineOn = true;
    questionIndex = 1;
}

void TestWindow::LoadCandidateList() {
    // A list that cannot be probed or read counts as empty, and is never written over.
    candidateListUnreadable = files::unreadable(candidateListPath());
    auto length = files::lengthCreatingIfMissing(candidateListPath());
    std::optional<std::vector<std::string>> lines;
    if (length && *length > 0)
        lines = files::readLines(candidateListPath());
    if (!lines || lines->empty()) {
        basKvizomat.candidateName = kNewCandidate;
        cmbKandidat->addItem(kNewCandidate);
        candidatePosition = -1;
        return;
    }
    for (const auto& line : *lines)
        cmbKandidat->addItem(fromCp1250(line));
    // The candidate at work, carried over from the window before, goes on with their own entry;
    // a name the list does not hold leaves the first entry chosen.
    const auto atWork = std::find(lines->begin(), lines->end(), basKvizomat.candidateName);
    const bool known = !basKvizomat.candidateName.empty() && atWork != lines->end();
    cmbKandidat->setText(fromCp1250(basKvizomat.candidateName));
    candidatePosition = known ? static_cast<int>(atWork - lines->begin()) : 0;
    cmbKandidat->setListIndex(candidatePosition);
}

void TestWindow::Form_Activate() {
    if (ending)
        return; // the results table at the end of work closed
    if (layout_.startupWindow)
        basKvizomat.programFolder =
            folderWithSeparator(services().locations->programFolder().string());
    basKvizomat.correctColour = colours::kCorrectGreen;
    ShowQuestion();
    // A return from one of the program's own windows only redraws: the progress is loaded and
    // the working clock started at the first activation alone.
    const bool first = !activatedOnce;
    activatedOnce = true;
    bool progressLoaded = false;
    if (basKvizomat.candidateName.empty()) {
        if (helpLineOn)
            lblPomocuprvomredu->setVisible(false);
        lblPomocuprvomredu->setCaption(QString());
        basKvizomat.candidateName = kNewCandidate;
        cmbKandidat->setText(kNewCandidate);
        if (AskCandidateName())
            ConfirmCandidate();
        LoadProgress();
        progressLoaded = true;
    }
    tmrTimer1->setInterval(1000);
    tmrTimer1->setEnabled(true);
    if (first)
        workStartTime = services().clock->seconds();
    lblTekucevreme->setCaption(services().clock->timeOfDayText());
    if (helpLineOn)
        lblPomocuprvomredu->setVisible(true);
    if (first && !progressLoaded && candidatePosition >= 1)
        LoadProgress();
    VScrollzapitanje->setMin(1);
    VScrollzapitanje->setMax(questionCount);
}

void TestWindow::OpenQuestionFile() {
    std::filesystem::path path = basKvizomat.questionFolder + std::string(test_.dataFile);
    questionFile_.open(path, test_.recordLength, test_.recordsPerQuestion);
}

void TestWindow::LoadQuestionCount() {
    questionCount = questionFile_.questionCount();
    answerLetters.assign(static_cast<std::size_t>(questionCount) + 1, '\0');
    resultLetters.assign(static_cast<std::size_t>(questionCount) + 1, '\0');
}

} // namespace kviz
