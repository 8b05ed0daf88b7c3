// What the windows with typed answers share: answer boxes instead of answers to click, the
// typed answers kept per question, Enter walking the boxes, the next-question step that stores
// what was typed, and a demonstration that only steps on.
//
// The result letter of a question ('T' right, 'N' wrong) is its verdict, recorded at each change
// of the boxes while its answer is open. The counts are those of the letters: every question
// with a verdict is answered, the ones with 'T' are right. The header and the results table
// count a question once it is left, so they stand still while its answer is typed; the progress
// file counts every stored verdict, the one being typed too, so it always agrees with its rows.
//
// A redraw of the question whose answer is being typed (the return from another window of the
// program, a setting that redraws) leaves that answer as it stands: the boxes keep their text,
// the answer stays open, a verdict on screen stays, and the focus goes back where it was.
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
    std::vector<std::string> ProgressRows() const override;
    void ApplyProgressRows(const std::vector<std::string>& rows) override;

    void Form_Click() override;
    void Form_DblClick() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;

    // Stores what is typed, while the question is still open, and shows the next question.
    virtual void StoreAnswerAndShowNext();
    // Reset: every typed answer back to never answered.
    void ClearAnswers() override;
    void ForgetAnswers() override;
    // Sets the counts from the result letters, but that of the answer still open, and shows them.
    void TallyAnswer() override;
    // The question on screen while its answer is being typed; 0 for none.
    int openQuestion() const override;
    std::pair<std::int32_t, std::int32_t> CountsInFile() const override;
    // Takes the lines of a progress file; the counts are those of the verdicts taken.
    void takeLines(const std::vector<std::string>& lines, bool openStays) override;
    // The verdict on the boxes as they stand, drawn when the next-question button takes the
    // focus; it records nothing.
    virtual void CmdSledecepitanje_GotFocus() = 0;

protected:
    // The first steps of drawing a typed question (see BeginQuestionDrawing); false when there is
    // nothing more to draw, also when there is no question to show.
    bool BeginTypedDrawing();
    // The last steps: the help line and the focus, and a verdict that stood on the answer being
    // typed.
    void FinishTypedDrawing();
    // Gives the focus back to the box that had it last.
    virtual void FocusBoxLeft();
    // The verdict is drawn whenever the next-question button takes the focus, but when the
    // window gives it the focus in a review, where the stored verdict is drawn already.
    void VerdictOnButtonFocus();
    // The answer boxes in tab order, the next-question button after the last of them.
    void ChainAnswerBoxes();
    // Hides the hover-frame and answer-frame settings, which these windows do not use.
    void HideFrameSettings();
    // Adds an answer box to the window, after the ones there are.
    TextBox& AddAnswerBox(QWidget* parent, const QString& name);
    // Stores the boxes' texts as the answer of the question on screen.
    virtual void StoreTypedAnswer() = 0;
    // Records the answer being typed and its result, as every change of the boxes does: a blank
    // answer leaves the result as it was, except that an answer taken back is right no more.
    void RecordTypedAnswer(std::string answer, bool given, bool right);
    bool questionOnScreen() const { return questionIndex >= 1 && questionIndex <= questionCount; }
    // The answered and right questions by their result letters, leaving one out (0 for none).
    std::pair<std::int32_t, std::int32_t> CountVerdicts(int leaveOut) const;
    std::string& typedAnswer() { return typedAnswers[static_cast<std::size_t>(questionIndex)]; }
    char& resultLetter() { return resultLetters[static_cast<std::size_t>(questionIndex)]; }
    // Prints a verdict text in "MS Serif" 14 bold.
    void PrintVerdict(const QString& text, QColor color, double x, double y);

    // The drawing under way redraws the answer being typed, which it leaves as it stands.
    bool continuingAnswer = false;
    // The verdict on the boxes stands on screen; a change of a box takes it away.
    bool verdictOnScreen = false;

private:
    // The box that had the focus last in this visit.
    std::size_t boxLeft_ = 0;
    // The button takes the focus from the window, with no verdict to draw.
    bool focusWithoutVerdict_ = false;
    // The control that had the focus when the drawing under way began.
    Control* focusBeforeDrawing_ = nullptr;
};

} // namespace kviz
