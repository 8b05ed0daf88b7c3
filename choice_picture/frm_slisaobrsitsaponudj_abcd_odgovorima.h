// The window the program starts with: pictures of traffic situations with offered answers.
#pragma once

#include "design/test_window.h"

namespace kviz {

class frmSlisaobrsitsaponudjABCDodgovorima : public TestWindow {
    Q_OBJECT
public:
    explicit frmSlisaobrsitsaponudjABCDodgovorima(Services services);
    static WindowLayout windowLayout();
};

} // namespace kviz
