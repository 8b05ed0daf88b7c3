// Start-up and activation of a test window, and its question file.
#include "core/candidate_roster.h"
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
    candidateRoster.setStateRoot(stateRoot());
    candidateRoster.open();
    ShowCandidates();
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
    if (first) {
        // The name is asked while there is none; the owner's saved progress in this test joins
        // the work.
        const bool asking = basKvizomat.candidateName.empty();
        if (asking) {
            if (helpLineOn)
                lblPomocuprvomredu->setVisible(false);
            lblPomocuprvomredu->setCaption(QString());
        }
        candidateRoster.activate(*this);
        if (asking || candidateRoster.ownerHasFile())
            ShowProgress();
    }
    tmrTimer1->setInterval(1000);
    tmrTimer1->setEnabled(true);
    if (first)
        workStartTime = services().clock->seconds();
    lblTekucevreme->setCaption(services().clock->timeOfDayText());
    if (helpLineOn)
        lblPomocuprvomredu->setVisible(true);
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
