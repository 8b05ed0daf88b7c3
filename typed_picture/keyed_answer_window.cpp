#include "typed_picture/keyed_answer_window.h"

#include "design/typed_answer.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

namespace kviz {

KeyedAnswerWindow::KeyedAnswerWindow(Services services, const TestDescriptor& test,
                                     WindowLayout layout, int boxes)
    : TypedAnswerWindow(services, test, std::move(layout)),
      boxKeys(static_cast<std::size_t>(boxes)), storedFields(static_cast<std::size_t>(boxes)) {}

double KeyedAnswerWindow::numberOf(std::string_view text) { return basic::leadingNumber(text); }

int KeyedAnswerWindow::usedBoxes() const {
    int used = 0;
    while (used < static_cast<int>(boxKeys.size()) &&
           numberOf(boxKeys[static_cast<std::size_t>(used)]) != 0)
        ++used;
    return used;
}

std::string KeyedAnswerWindow::boxText(int box) const {
    return toCp1250(txtOdgovor[static_cast<std::size_t>(box)]->text());
}

std::string KeyedAnswerWindow::answerFromBoxes(bool& given, bool& allRight) const {
    std::string answer;
    given = false;
    allRight = true;
    for (int i = 0; i < usedBoxes(); ++i) {
        const std::string typed = boxText(i);
        if (numberOf(typed) != 0)
            given = true;
        if (numberOf(typed) != numberOf(boxKeys[static_cast<std::size_t>(i)]))
            allRight = false;
        answer += answerField(typed);
    }
    return answer;
}

void KeyedAnswerWindow::txtOdgovor_KeyUp() {
    if (!firstAttemptOpen || !questionOnScreen())
        return;
    bool allRight = true;
    const std::string answer = answerFromBoxes(answerGiven, allRight);
    if (isBlank(answer)) {
        typedAnswer().clear(); // nothing typed: the result stays as it was
        return;
    }
    typedAnswer() = answer;
    if (answerGiven)
        resultLetter() = allRight ? 'T' : 'N';
}

void KeyedAnswerWindow::StoreTypedAnswer() {
    bool given = false, allRight = true;
    typedAnswer() = answerFromBoxes(given, allRight);
}

void KeyedAnswerWindow::SplitStoredAnswer() {
    const std::string& stored = typedAnswer();
    for (std::size_t k = 0; k < storedFields.size(); ++k) {
        std::string piece = 2 * k < stored.size() ? stored.substr(2 * k, 2) : std::string();
        while (!piece.empty() && piece.back() == ' ')
            piece.pop_back();
        storedFields[k] = piece;
    }
}

std::vector<std::string> KeyedAnswerWindow::JudgeBoxes() {
    bool given = false, allRight = true;
    answerFromBoxes(given, allRight);
    if (given)
        answerGiven = true;
    answerCorrect = allRight;
    std::vector<std::string> shown(boxKeys.size());
    for (int i = 0; i < usedBoxes(); ++i)
        shown[static_cast<std::size_t>(i)] = boxText(i);
    return shown;
}

} // namespace kviz
