#include "typed_picture/frm_raskrsnice.h"

#include "core/help_texts.h"
#include "core/kvizomat_module.h"
#include "core/typed_answer.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

namespace kviz {

namespace {

constexpr double kVerdictX = 7300, kVerdictY = 6040;

WindowLayout intersectionsLayout() {
    WindowLayout layout = typedAnswerLayout();
    layout.clientWidth = 9510;
    layout.clientHeight = 6570;
    layout.questionNumberLabel = {5662, 5217, 745, 330};
    // The bar ends where the row of boxes begins, so the last box leaves its down arrow free.
    layout.scrollBar = {9238, 1080, 267, 4137};
    layout.hotZones.helpLineTop = 6650;
    layout.hotZones.helpLineBottom = 6900;
    layout.hotZones.barTop = 6900;
    layout.hotZones.barBottom = 7380;
    layout.hotZones.barRight = 7200;
    return layout;
}

} // namespace

frmRaskrsnice::frmRaskrsnice(Services services)
    : KeyedAnswerWindow(services, catalogueRow(TestId::Junctions), intersectionsLayout(), kBoxes,
                        2) {
    imgSlika = &add<Image>("imgSlika", surface());
    imgSlika->setBounds(960, 1080, 7335, 3855);
    static constexpr int kLefts[kBoxes] = {6384, 6776, 7168, 7560, 7950, 8336, 8736, 9113};
    for (int i = 0; i < kBoxes; ++i) {
        TextBox& box = AddKeyedBox(surface(), i);
        box.setBounds(kLefts[i], 5217, 369, 360);
        box.onChange = [this] { txtOdgovor_Change(); };
    }
    lblPitanje2->setFont(kSerif, 18, true);
    CmdSledecepitanje->setBounds(0, 6100, 1521, 458);
    VerdictOnButtonFocus();
    // The boxes come first in the tab order, then the next-question button.
    ChainAnswerBoxes();

    HideFrameSettings();
}

void frmRaskrsnice::ReadKeys() {
    for (int i = 1; i <= kBoxes; ++i) {
        lineBuffer = questionFile_.line(questionIndex, i);
        const bool used = numberOf(lineBuffer) != 0;
        boxInUse_[static_cast<std::size_t>(i - 1)] = used;
        boxKeys[static_cast<std::size_t>(i - 1)] = used ? lineBuffer.substr(0, 1) : "0";
    }
}

void frmRaskrsnice::PrintWrongKeys(const std::vector<std::string>& shown) {
    for (int i = 0; i < usedBoxes(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (shown[k] != boxKeys[k])
            PrintVerdict(fromCp1250(boxKeys[k]), correctColor(), 7680 + 500.0 * (i + 1), kVerdictY);
    }
}

void frmRaskrsnice::ShowQuestion() {
    if (!BeginTypedDrawing())
        return;
    imgSlika->loadPicture(
        QString::fromStdString(basKvizomat.pictureFolder + pictureFileName(test(), questionIndex)));
    for (std::size_t k = 0; k < txtOdgovor.size(); ++k) {
        if (!continuingAnswer)
            txtOdgovor[k]->setText(QString());
        storedFields[k].clear();
    }
    ReadKeys();
    SplitStoredAnswer();
    for (std::size_t k = 0; k < txtOdgovor.size(); ++k)
        txtOdgovor[k]->setVisible(boxInUse_[k]);

    if (continuingAnswer) {
        // The answer being typed stays in its boxes.
    } else if (quickReviewMode) {
        // The demonstration shows the keys in disabled boxes, with "DA".
        for (std::size_t k = 0; k < txtOdgovor.size(); ++k) {
            txtOdgovor[k]->setEnabled(false);
            if (boxInUse_[k])
                txtOdgovor[k]->setText(fromCp1250(boxKeys[k]));
        }
        PrintVerdict("DA", correctColor(), kVerdictX, kVerdictY);
        answerCorrect = true;
        answerGiven = true;
    } else {
        for (std::size_t k = 0; k < txtOdgovor.size(); ++k) {
            txtOdgovor[k]->setEnabled(!reviewMode);
            if (boxInUse_[k])
                txtOdgovor[k]->setText(fromCp1250(basic::trim(storedFields[k])));
        }
        if (resultLetter() == 'N') {
            firstAttemptOpen = false;
            answerGiven = true;
            answerCorrect = false;
            PrintVerdict("NE", kLightRed, kVerdictX, kVerdictY);
            PrintWrongKeys(storedFields);
        } else if (resultLetter() == 'T') {
            firstAttemptOpen = false;
            answerGiven = true;
            answerCorrect = true;
            PrintVerdict("DA", correctColor(), kVerdictX, kVerdictY);
        }
    }
    FinishTypedDrawing();
}

void frmRaskrsnice::txtOdgovor_Change() {
    verdictOnScreen = false;
    canvas().clear(); // wipes the verdict; the picture and the boxes are controls
}

void frmRaskrsnice::CmdSledecepitanje_GotFocus() {
    if (!questionOnScreen() || resultLetter() == '\0')
        return; // never answered: no verdict
    const std::vector<std::string> shown = JudgeBoxes();
    verdictOnScreen = true;
    if (answerCorrect) {
        PrintVerdict("DA", correctColor(), kVerdictX, kVerdictY);
        return;
    }
    PrintVerdict("NE", kLightRed, kVerdictX, kVerdictY);
    PrintWrongKeys(shown);
}

QString frmRaskrsnice::AnsweringHelpText() const {
    return QString::fromStdString(typedHelpText(kTypeTheNumber));
}

} // namespace kviz
