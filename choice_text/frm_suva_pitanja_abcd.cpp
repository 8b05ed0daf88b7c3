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
    QuestionGeometry& g = layout.question;
    g.textX = 790;
    g.verdictX = 230;
    const double right = firstAid ? 11740 : 11780;
    g.textFrame = QRectF(QPointF(0, 1320), QPointF(right, 6800));
    g.hoverLeft = 790;
    g.hoverRight = right - 20;
    g.greenLeft = 810;
    g.greenRight = right - 40;
    layout.demonstration.stopAfterMark = true;
    layout.demonstration.markWithoutMarkedAnswer = true;
    return layout;
}

ChoiceTextWindow::ChoiceTextWindow(Services services, const TestDescriptor& test,
                                   WindowLayout layout)
    : TestWindow(services, test, std::move(layout)) {}

frmSuvapitsaponudjABCDodgovorima::frmSuvapitsaponudjABCDodgovorima(Services services)
    : ChoiceTextWindow(services, catalogueRow(TestId::TheoryChoice), textLayout(false)) {}

frmSuvapitizPrvepomocisaponudjABCDodg::frmSuvapitizPrvepomocisaponudjABCDodg(Services services)
    : ChoiceTextWindow(services, catalogueRow(TestId::FirstAidChoice), textLayout(true)) {}

} // namespace kviz
