// The intersections test: a picture of an intersection, and up to eight boxes under it into
// which the candidate types the numbers of the vehicles in the order they pass. The right
// numbers come from the answer-key file, one record per box.
#pragma once

#include "design/typed_answer_window.h"

#include <array>
#include <string>

namespace kviz {

class frmRaskrsnice : public TypedAnswerWindow {
    Q_OBJECT
public:
    explicit frmRaskrsnice(Services services);
    static constexpr int kBoxes = 8;

    Image* imgSlika = nullptr;
    // The keys of the question on screen, one character each, boxes 1..8 at 0..7.
    std::array<std::string, kBoxes> boxKeys{};
    // The stored answer split for display, boxes 1..8 at 0..7.
    std::array<std::string, kBoxes> storedFields{};

    void ShowQuestion() override;
    QString AnsweringHelpText() const override;

    void txtOdgovor_KeyUp();
    void txtOdgovor_Change();
    void CmdSledecepitanje_GotFocus();

protected:
    void StoreTypedAnswer() override;

private:
    // The number of boxes in use: the boxes before the first key whose number is 0.
    int usedBoxes() const;
    std::string boxText(int box) const;
    void ReadKeys();
    void PrintWrongKeys(const std::array<std::string, kBoxes>& shown);
};

} // namespace kviz
