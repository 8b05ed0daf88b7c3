// The two text windows where the answer is typed: text questions and first-aid questions. One
// line of each question holds the expected answer between two stars; the window lays an answer
// box over it, judges what is typed on every key release, and shows the verdict when the box
// is left with Enter.
#pragma once

#include "design/typed_answer_window.h"

#include <QColor>
#include <QString>
#include <string>
#include <vector>

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
    QString AnsweringHelpLine() const override;

    void txtOdgovor_KeyUp();
    void txtOdgovor_Change();
    void CmdSledecepitanje_GotFocus() override;

protected:
    void StoreTypedAnswer() override;

private:
    // The answer box's text as the files keep it.
    std::string boxText() const;
    // Wipes the places of the verdict texts, and what they covered, back to the question alone.
    void WipeVerdicts();

    // The question as drawn: its lines (position, text, colour) and whether it has the frame,
    // so that a wipe can draw again what a verdict covered.
    struct PrintedLine {
        double y;
        QString text;
        QColor color;
    };
    std::vector<PrintedLine> printedLines_;
    bool frameDrawn_ = false;
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
