// "O Programu": the program's title, the questions of each test, their total and the version.
#pragma once

#include "platform/form.h"

#include <array>

namespace kviz {

class frmOProgramu : public Form {
    Q_OBJECT
public:
    explicit frmOProgramu(Services services);

    // Label1 .. Label11 and Label14.
    std::array<Label*, 12> labels{};
    CommandButton* Command1 = nullptr;

    void Form_Load() override;
    void Command1_Click() { unload(); }
};

// The window without code about the program's maker.
class frmOAutoru : public Form {
    Q_OBJECT
public:
    explicit frmOAutoru(Services services);

    Label* Label1 = nullptr;
    Label* Label3 = nullptr;
};

} // namespace kviz
