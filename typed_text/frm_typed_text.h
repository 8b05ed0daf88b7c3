// The two text windows where the answer is typed: text questions and first-aid questions. One
// line of each question holds the expected answer between two stars; the window lays an answer
// box over it, judges what is typed on every key release, and shows the verdict when the box
// is left with Enter.
#pragma once

#include "design/typed_answer_window.h"

#include <string>

namespace kviz {

class TypedTextWindow : public TypedAnswerWindow {
    Q_OBJECT
public:
    TypedTextWindow(Services services, const TestDescriptor& test, bool firstAid);

    // The expected answer of the question on screen (Windows-1250 bytes).
    std::string clozeAnswer;
    double verdictX = 0, verdictY = 0;

    void ShowQuestion() override;
    void ClearAnswers() override;
    QString AnsweringHelpText() const override;

    void txtOdgovor_KeyUp();
    void txtOdgovor_Change();
    void CmdSledecepitanje_GotFocus();

protected:
    void StoreTypedAnswer() override;

private:
    // The answer box's text as the files keep it.
    std::string boxText() const;
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
