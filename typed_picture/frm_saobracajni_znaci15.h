// The traffic-signs test with fifteen answers per picture. A task is a picture of fifteen
// signs with a picture of numbered meanings below it; over each sign lies a box, which is one
// question with its own number, and the candidate types the number of the sign's meaning.
// questionIndex and questionCount count tasks; questionNumber is the question of the box in
// use.
#pragma once

#include "typed_picture/keyed_answer_window.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace kviz {

class frmSaobracajniznaci15znakova : public KeyedAnswerWindow {
    Q_OBJECT
public:
    explicit frmSaobracajniznaci15znakova(Services services);
    static constexpr int kBoxes = 15;

    Image* imgslika = nullptr;
    Image* imgTekst = nullptr;
    std::array<Label*, kBoxes> questionLabels{}; // lblPitanje2(0..14)
    std::array<Label*, kBoxes> lblTacodgovor{};
    // The question of the box in use; 0 when the task was changed by stepping.
    int questionNumber = 0;

    // Question numbers: box i of task t, and the task and box of question q.
    static int questionOf(int task, int box) { return (task - 1) * kBoxes + 1 + box; }
    static int taskOf(int question) { return (question - 1) / kBoxes + 1; }
    static int boxOf(int question) { return ((question - 1) % kBoxes + kBoxes) % kBoxes; }

    void ShowQuestion() override;
    void ShowPreviousQuestion() override;
    void PromptGoToQuestion() override;
    void JumpToQuestion(int task) override;
    void cmbPitanje_KeyPress(int& keyAscii) override;
    // Puts the question of the box in use back into the question box.
    void cmbPitanje_LostFocus() override;
    // Gives the focus to the box of the question in use; after the go-to button and the
    // candidate actions, to the task's first box.
    void FocusAnswerInput() override;
    void FocusAnswerStart() override {
        EndingInFirstBox([this] { FocusAnswerInput(); });
    }
    void StoreAnswerAndShowNext() override;
    QString AnsweringHelpText() const override;

    void txtOdgovor_Change();
    void txtOdgovor_GotFocus(int box);
    void txtOdgovor_LostFocus();
    void CmdSledecepitanje_GotFocus() override;
    void imgslika_DblClick();

protected:
    void LockModeControls(bool locked) override;
    void FocusBoxLeft() override { FocusAnswerInput(); }

private:
    void ReadKeys();
    void NumberLabels(int task);
    void SetVerdictLabels(const QString& text);
    void ShowWrongKeys(const std::vector<std::string>& shown);
    int questionCountTotal() const { return kBoxes * questionCount; }
    // The question in use when it lies on the task on screen, else the task's first.
    int currentQuestion() const;
    // Runs a shared action whose focus goes to the task's first box.
    void EndingInFirstBox(const std::function<void()>& action);
    bool firstBoxNext_ = false;
    std::optional<int> questionNumberBeforeMode_; // until the mode's end brings it back
};

} // namespace kviz
