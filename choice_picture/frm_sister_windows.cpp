#include "choice_picture/frm_sister_windows.h"

namespace kviz {

WindowLayout frmZnacikojedajuovlsaobrlica::windowLayout() {
    WindowLayout layout;
    layout.helpLineStart = 3000;
    layout.helpLineRightBound = 5200;
    layout.timerName = "tmrTimer2";
    return layout;
}

frmZnacikojedajuovlsaobrlica::frmZnacikojedajuovlsaobrlica(Services services)
    : TestWindow(services, catalogueRow(TestId::OfficerSignals), windowLayout()) {}

WindowLayout frmSlisaobrznaksaponudjABCDodg::windowLayout() {
    WindowLayout layout;
    layout.helpLineStart = 3100;
    layout.helpLineRightBound = 5300;
    return layout;
}

frmSlisaobrznaksaponudjABCDodg::frmSlisaobrznaksaponudjABCDodg(Services services)
    : TestWindow(services, catalogueRow(TestId::SignPictures), windowLayout()) {}

} // namespace kviz
