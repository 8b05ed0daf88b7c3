// The intersections test: a picture of an intersection, and up to eight boxes under it into
// which the candidate types the numbers of the vehicles in the order they pass. The right
// numbers come from the answer-key file, one record per box.
#pragma once

#include "typed_picture/keyed_answer_window.h"

#include <array>
#include <string>

namespace kviz {

class frmRaskrsnice : public KeyedAnswerWindow {
    Q_OBJECT
public:
    explicit frmRaskrsnice(Services services);
    static constexpr int kBoxes = 8;

    Image* imgSlika = nullptr;

    void ShowQuestion() override;
    QString AnsweringHelpText() const override;

    void txtOdgovor_Change();
    void CmdSledecepitanje_GotFocus() override;

private:
    // Reads the keys of the question on screen, and which boxes its records use.
    void ReadKeys();
    void PrintWrongKeys(const std::vector<std::string>& shown);
    // A box shows while its key record holds a number other than 0.
    std::array<bool, kBoxes> boxInUse_{};
};

} // namespace kviz
