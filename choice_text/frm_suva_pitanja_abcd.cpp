#include "choice_text/frm_suva_pitanja_abcd.h"

namespace kviz {

WindowLayout ChoiceTextWindow::textLayout(bool firstAid) {
    WindowLayout layout;
    layout.hasPicture = false;
    layout.hiddenTestItems = true;
    layout.helpLineStart = firstAid ? 3200 : 3100;
    layout.helpLineRightBound = firstAid ? 5400 : 5300;
    const int narrow = firstAid ? 120 : 118;
    layout.fillerLabels = {{1, 6289, 0, narrow},
                           {2, 6760, 0, narrow},
                           {3, 7246, 0, narrow},
                           {4, 5772, 0, 157},
                           {5, 4878, 0, 150},
                           {6, 4368, 0, 150},
                           {7, firstAid ? 3105 : 3106, 0, 150},
                           {8, 3937, 0, 110},
                           {9, 5355, 0, 71}};
    layout.questionNumberLabel = {8, 1374, 570, 315};
    layout.scrollBar = {firstAid ? 9238 : 9254, 1063, 267, 4497};
    layout.elapsedStripTop = 5789;
    ChoiceGeometry& g = layout.choice;
    g.textX = 790;
    g.verdictX = 230;
    const double right = firstAid ? 11740 : 11780;
    g.textFrame = QRectF(QPointF(0, 1320), QPointF(right, 6800));
    g.hoverLeft = 790;
    g.hoverRight = right - 20;
    g.greenLeft = 810;
    g.greenRight = right - 40;
    return layout;
}

ChoiceTextWindow::ChoiceTextWindow(Services services, const TestDescriptor& test,
                                   WindowLayout layout)
    : TestWindow(services, test, std::move(layout)) {}

void ChoiceTextWindow::DemonstrationStep() {
    if (questionIndex > questionCount || questionIndex < 1) {
        quickReviewMode = false;
        stopRequested = false;
        RestoreAfterReview();
        return;
    }
    ShowQuestion();
    Canvas& c = canvas();
    c.setFont("MS Serif", 14, true);
    c.setForeColor(correctColor());
    c.currentX = layout().choice.verdictX;
    // Without a marked answer the mark stands where the drawing of the question ended.
    const int tops[4] = {topA, topB, topC, topD};
    if (correctLetter.size() == 1 && correctLetter[0] >= 'a' && correctLetter[0] <= 'd')
        c.currentY = tops[correctLetter[0] - 'a'] + 4;
    c.print("DA");
    ++questionIndex;
    if (stopRequested) {
        quickReviewMode = false;
        stopRequested = false;
        RestoreAfterReview();
    }
}

frmSuvapitsaponudjABCDodgovorima::frmSuvapitsaponudjABCDodgovorima(Services services)
    : ChoiceTextWindow(services, catalogueRow("frmSuvapitsaponudjABCDodgovorima"),
                       textLayout(false)) {}

frmSuvapitizPrvepomocisaponudjABCDodg::frmSuvapitizPrvepomocisaponudjABCDodg(Services services)
    : ChoiceTextWindow(services, catalogueRow("frmSuvapitizPrvepomocisaponudjABCDodg"),
                       textLayout(true)) {}

} // namespace kviz
