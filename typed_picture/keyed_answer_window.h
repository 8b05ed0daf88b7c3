// What the two typed picture tests share: a number typed into each used box, judged against
// the answer-key file while it is typed, and kept as one answer in fields of equal width.
//
// A box takes at most boxWidth characters (2 for the intersections, 3 for the fifteen signs).
// An answer is kept in fields of two characters, the fields of the typed progress rows,
// while every box holds at most two; when a box holds three, every field of that answer is
// three wide. A stored answer exactly three times as long as the boxes in use is split in
// threes, any other in twos, so rows of either kind come back into the boxes they came from.
#pragma once

#include "core/help_texts.h"
#include "design/typed_answer_window.h"

#include <string>
#include <vector>

namespace kviz {

class KeyedAnswerWindow : public TypedAnswerWindow {
    Q_OBJECT
public:
    KeyedAnswerWindow(Services services, const TestDescriptor& test, WindowLayout layout, int boxes,
                      int boxWidth);

    // The keys of the question on screen and its stored answer split for display, boxes
    // 1..B at 0..B-1.
    std::vector<std::string> boxKeys;
    std::vector<std::string> storedFields;

    // Judges the boxes on every key release and records the answer while it is open; records
    // nothing during a review or the demonstration.
    void txtOdgovor_KeyUp();

    // The number of a text: its leading decimal number, blanks skipped, or 0.
    static double numberOf(std::string_view text);

protected:
    QString AnsweringHelpLine() const override { return kTypeTheNumber; }
    // Adds an answer box that takes at most boxWidth characters.
    TextBox& AddKeyedBox(QWidget* parent, int index);
    // Stores the boxes' texts, in fields of one width, as the answer of the question on screen.
    void StoreTypedAnswer() override;
    // The boxes in use: those before the first key whose number is 0.
    int usedBoxes() const;
    std::string boxText(int box) const;
    // Splits the stored answer of the question on screen into storedFields.
    void SplitStoredAnswer();
    // The verdict's judging of the boxes as they stand: sets answerGiven and answerCorrect,
    // and gives the box texts.
    std::vector<std::string> JudgeBoxes();

private:
    // The boxes' texts in fields of one width, up to the first unused box.
    std::string answerFromBoxes(bool& given, bool& allRight) const;
    const int boxWidth_;
};

} // namespace kviz
