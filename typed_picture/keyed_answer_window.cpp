#include "typed_picture/keyed_answer_window.h"

#include "core/typed_answer.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace kviz {

KeyedAnswerWindow::KeyedAnswerWindow(Services services, const TestDescriptor& test,
                                     WindowLayout layout, int boxes, int boxWidth)
    : TypedAnswerWindow(services, test, std::move(layout)),
      boxKeys(static_cast<std::size_t>(boxes)), storedFields(static_cast<std::size_t>(boxes)),
      boxWidth_(boxWidth) {}

TextBox& KeyedAnswerWindow::AddKeyedBox(QWidget* parent, int index) {
    TextBox& box = AddAnswerBox(parent, QString("txtOdgovor%1").arg(index));
    box.setMaxLength(boxWidth_);
    // Judged once at each change the user makes: by a key, the box's menu, a drop, Undo.
    box.onUserChange = [this] { txtOdgovor_KeyUp(); };
    return box;
}

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
    given = false;
    allRight = true;
    std::vector<std::string> typed;
    std::size_t width = 2;
    for (int i = 0; i < usedBoxes(); ++i) {
        typed.push_back(boxText(i));
        if (numberOf(typed.back()) != 0)
            given = true;
        if (numberOf(typed.back()) != numberOf(boxKeys[static_cast<std::size_t>(i)]))
            allRight = false;
        width = std::max(width, std::min(typed.back().size(), static_cast<std::size_t>(boxWidth_)));
    }
    std::string answer;
    for (const std::string& text : typed)
        answer += answerField(text, width);
    return answer;
}

void KeyedAnswerWindow::txtOdgovor_KeyUp() {
    if (!firstAttemptOpen || !questionOnScreen() || reviewMode || quickReviewMode)
        return;
    bool allRight = true;
    std::string answer = answerFromBoxes(answerGiven, allRight);
    RecordTypedAnswer(std::move(answer), answerGiven, allRight);
}

void KeyedAnswerWindow::StoreTypedAnswer() {
    bool given = false, allRight = true;
    typedAnswer() = answerFromBoxes(given, allRight);
}

void KeyedAnswerWindow::SplitStoredAnswer() {
    const std::string& stored = typedAnswer();
    const auto used = static_cast<std::size_t>(usedBoxes());
    const std::size_t width = boxWidth_ >= 3 && used > 0 && stored.size() == 3 * used ? 3 : 2;
    for (std::size_t k = 0; k < storedFields.size(); ++k) {
        storedFields[k] =
            width * k < stored.size() ? basic::trimEnd(stored.substr(width * k, width)) : "";
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
