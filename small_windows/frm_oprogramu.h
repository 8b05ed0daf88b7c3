// "O Programu": the program's title, the questions of each test, their total and the version.
#pragma once

#include "platform/form.h"

#include <array>

namespace kviz {

// A fixed dialog, centred on its owner window when it is shown.
class frmOProgramu : public Form {
    Q_OBJECT
public:
    explicit frmOProgramu(Services services, QWidget* owner = nullptr);

    // Label1 .. Label11 and Label14.
    std::array<Label*, 12> labels{};
    CommandButton* Command1 = nullptr;

    void Form_Load() override;
    void Command1_Click() { unload(); }

private:
    QWidget* owner_;
};

// The window without code about the program's maker: an ordinary window that can be resized.
class frmOAutoru : public Form {
    Q_OBJECT
public:
    explicit frmOAutoru(Services services);

    Label* Label1 = nullptr;
    Label* Label3 = nullptr;
};

} // namespace kviz
