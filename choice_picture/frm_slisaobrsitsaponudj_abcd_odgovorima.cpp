#include "choice_picture/frm_slisaobrsitsaponudj_abcd_odgovorima.h"

namespace kviz {

WindowLayout frmSlisaobrsitsaponudjABCDodgovorima::windowLayout() {
    WindowLayout layout;
    layout.helpLineStart = 3000;
    layout.helpLineRightBound = 5200;
    layout.startupWindow = true;
    layout.helpLineClickToggles = false;
    layout.fillerLabels = pictureWindowFillers(10);
    return layout;
}

frmSlisaobrsitsaponudjABCDodgovorima::frmSlisaobrsitsaponudjABCDodgovorima(Services services)
    : TestWindow(services, catalogueRow(TestId::SituationPictures), windowLayout()) {}

} // namespace kviz
