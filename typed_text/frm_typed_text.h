// The two text windows where the answer is typed: text questions and first-aid questions. One
// line of each question holds the expected answer between two stars; the window lays an answer
// box over it, judges what is typed on every key release, and shows the verdict when the box
// is left with Enter.
#pragma once

#include "design/test_window.h"

#include <array>
#include <string>
#include <vector>

namespace kviz {

class TypedTextWindow : public TestWindow {
    Q_OBJECT
public:
    TypedTextWindow(Services services, const TestDescriptor& test, bool firstAid);

    // The answer boxes; only box 0 is used, box 1 stays hidden.
    std::array<TextBox*, 2> txtOdgovor{};
    // The stored answer texts, index 0 unused; the result letters are resultLetters.
    std::vector<std::string> typedAnswers;
    // The expected answer of the question on screen (Windows-1250 bytes).
    std::string clozeAnswer;
    double verdictX = 0, verdictY = 0;

    void LoadQuestionCount() override;
    void ShowQuestion() override;
    void FocusAnswerInput() override;
    void ShowNextQuestion() override { StoreAnswerAndShowNext(); }
    void CmdSledecepitanje_Click() override { StoreAnswerAndShowNext(); }
    void ClearAnswers() override;
    std::vector<std::string> ProgressRows() const override;
    void ApplyProgressRows(const std::vector<std::string>& rows) override;
    QString AnsweringHelpText() const override;
    void DemonstrationStep() override;

    void Form_Click() override;
    void Form_DblClick() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;

    void txtOdgovor_KeyUp();
    void txtOdgovor_Change();
    void CmdSledecepitanje_GotFocus();
    // Stores what is typed, when the question is still open, and shows the next question.
    void StoreAnswerAndShowNext();

private:
    // The answer box's text as the files keep it.
    std::string boxText() const;
    bool questionOnScreen() const;
    void printVerdict(const QString& text, QColor color, double y);
};

class frmSuvapitanjasaunosenjemodgovora : public TypedTextWindow {
    Q_OBJECT
public:
    explicit frmSuvapitanjasaunosenjemodgovora(Services services);
};

class frmPrvaPomocpitanjasaunosenjemodgovora : public TypedTextWindow {
    Q_OBJECT
public:
    explicit frmPrvaPomocpitanjasaunosenjemodgovora(Services services);
};

} // namespace kviz
