// The short results table: the candidate, the grade, the wrong and right answers and a chart
// of the two. It reads the shared counts and the candidate's name, and changes nothing.
#pragma once

#include "platform/form.h"

namespace kviz {

class frmSkracenatabela : public Form {
    Q_OBJECT
public:
    explicit frmSkracenatabela(Services services);

    Label* Label1 = nullptr;
    Label* lblKandidatskrtabela = nullptr;
    Label* Label2 = nullptr;
    Label* lblOcNijepolPoluskrtab = nullptr;
    Label* lblNetacodg = nullptr;
    Label* lblTacnodg = nullptr;
    PieChart* MSChart1 = nullptr;
    CommandButton* cmdIzlaz = nullptr;

    void Form_Load() override;
    void Form_KeyPress(int& keyAscii) override;
    void cmdIzlaz_Click();
};

} // namespace kviz
