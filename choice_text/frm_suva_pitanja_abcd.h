// The two multiple-choice text windows: text questions and first-aid text questions. They
// draw thirteen lines of 73 characters without a picture, from the left edge of the window.
#pragma once

#include "design/test_window.h"

namespace kviz {

// What the two text windows share: their layout.
class ChoiceTextWindow : public TestWindow {
    Q_OBJECT
public:
    ChoiceTextWindow(Services services, const TestDescriptor& test, WindowLayout layout);

protected:
    // The layout of both windows; the first-aid window narrows a few right edges.
    static WindowLayout textLayout(bool firstAid);
};

class frmSuvapitsaponudjABCDodgovorima : public ChoiceTextWindow {
    Q_OBJECT
public:
    explicit frmSuvapitsaponudjABCDodgovorima(Services services);
};

class frmSuvapitizPrvepomocisaponudjABCDodg : public ChoiceTextWindow {
    Q_OBJECT
public:
    explicit frmSuvapitizPrvepomocisaponudjABCDodg(Services services);
};

} // namespace kviz
