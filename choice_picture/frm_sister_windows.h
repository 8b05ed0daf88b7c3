// The two other multiple-choice picture windows: signals given by authorised traffic officers,
// and pictures of traffic signs. They differ from the traffic-situation window only in their
// catalogue rows and layout constants.
#pragma once

#include "design/test_window.h"

namespace kviz {

class frmZnacikojedajuovlsaobrlica : public TestWindow {
    Q_OBJECT
public:
    explicit frmZnacikojedajuovlsaobrlica(Services services);
    static WindowLayout windowLayout();
};

class frmSlisaobrznaksaponudjABCDodg : public TestWindow {
    Q_OBJECT
public:
    explicit frmSlisaobrznaksaponudjABCDodg(Services services);
    static WindowLayout windowLayout();
};

} // namespace kviz
