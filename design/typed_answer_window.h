// What the windows with typed answers share: answer boxes instead of answers to click, the
// typed answers kept per question, Enter walking the boxes, the next-question step that stores
// what was typed, and a demonstration that only steps on.
#pragma once

#include "design/test_window.h"

#include <string>
#include <vector>

namespace kviz {

// The layout values every typed window shares: no picture box, no hover frame to keep, and the
// help line's start and right bound.
WindowLayout typedAnswerLayout();

class TypedAnswerWindow : public TestWindow {
    Q_OBJECT
public:
    TypedAnswerWindow(Services services, const TestDescriptor& test, WindowLayout layout);

    // The answer boxes, in tab order.
    std::vector<TextBox*> txtOdgovor;
    // The stored answer texts, index 0 unused; their result letters are resultLetters.
    std::vector<std::string> typedAnswers;

    void LoadQuestionCount() override;
    void FocusAnswerInput() override;
    void ShowNextQuestion() override { StoreAnswerAndShowNext(); }
    void CmdSledecepitanje_Click() override { StoreAnswerAndShowNext(); }
    std::vector<std::string> ProgressRows() const override;
    void ApplyProgressRows(const std::vector<std::string>& rows) override;

    void Form_Click() override;
    void Form_DblClick() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;

    // Stores what is typed, while the question is still open, and shows the next question.
    virtual void StoreAnswerAndShowNext();
    // Reset: every typed answer back to never answered.
    void ClearAnswers() override;
    void ForgetAnswers() override;

protected:
    // The first steps of drawing a typed question (see BeginQuestionDrawing); false when there is
    // nothing more to draw, also when there is no question to show.
    bool BeginTypedDrawing(bool& newVisit, bool& countedOnLeave);
    // The last steps: the visit's counting state, the help line and the focus.
    void FinishTypedDrawing(bool newVisit, bool countedOnLeave);
    // The answer boxes in tab order, the next-question button after the last of them.
    void ChainAnswerBoxes();
    // Hides the hover-frame and answer-frame settings, which these windows do not use.
    void HideFrameSettings();
    // Adds an answer box to the window, after the ones there are.
    TextBox& AddAnswerBox(QWidget* parent, const QString& name);
    // Stores the boxes' texts as the answer of the question on screen.
    virtual void StoreTypedAnswer() = 0;
    bool questionOnScreen() const { return questionIndex >= 1 && questionIndex <= questionCount; }
    std::string& typedAnswer() { return typedAnswers[static_cast<std::size_t>(questionIndex)]; }
    char& resultLetter() { return resultLetters[static_cast<std::size_t>(questionIndex)]; }
    // Prints a verdict text in "MS Serif" 14 bold.
    void PrintVerdict(const QString& text, QColor color, double x, double y);
};

} // namespace kviz
