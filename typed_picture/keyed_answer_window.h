// What the two typed picture tests share: a number typed into each used box, judged against
// the answer-key file while it is typed, and kept as one answer in fields of two characters.
#pragma once

#include "design/typed_answer_window.h"

#include <string>
#include <vector>

namespace kviz {

class KeyedAnswerWindow : public TypedAnswerWindow {
    Q_OBJECT
public:
    KeyedAnswerWindow(Services services, const TestDescriptor& test, WindowLayout layout,
                      int boxes);

    // The keys of the question on screen and its stored answer split for display, boxes
    // 1..B at 0..B-1.
    std::vector<std::string> boxKeys;
    std::vector<std::string> storedFields;

    // Judges the boxes on every key release and records the answer while it is open.
    void txtOdgovor_KeyUp();

    // The number of a text: its leading decimal number, blanks skipped, or 0.
    static double numberOf(std::string_view text);

protected:
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
    // The boxes' texts in two-character fields, up to the first unused box.
    std::string answerFromBoxes(bool& given, bool& allRight) const;
};

} // namespace kviz
