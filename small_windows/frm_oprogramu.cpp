#include "small_windows/frm_oprogramu.h"

#include "core/colours.h"

#include <QLayout>
#include <QMainWindow>

namespace kviz {

namespace {

struct Line {
    int top;
    const char* text;
};

// Label1 .. Label11 and Label14, with the texts the load gives them.
constexpr std::array<Line, 12> kLines = {{
    {240, "Test iz saobracajnih propisa za vozacki ispit A, B kategorije"},
    {600, "Slike saobracajnih situacija sa ponudjenim odgovorima=360"},
    {840, "Suva pitanja sa ponudjenim odgovorima=524"},
    {1080, "Suva pitanja sa unosenjem odgovora=69"},
    {1320, "Suva pitanja iz Prve pomoci sa ponudjenim odgovorima=82"},
    {1560, "Suva pitanja iz Prve pomoci sa unosenjem odgovora=24"},
    {1800, "Saobracajni znaci(15 znakova)=20"},
    {2040, "Znaci koje daju ovlascena saobracajna lica=7"},
    {2280, "Slike saobracajnih znakova sa ponudjenim odgovorima=13"},
    {2520, "Raskrsnice=40"},
    {2880, "Ukupno 1139 pitanja."},
    {3480, "Verzija:  3.1 od 27.07.1995. godine"},
}};

} // namespace

frmOProgramu::frmOProgramu(Services services, QWidget* owner)
    : Form(services, 6825, 4680), owner_(owner) {
    setCaption("O Programu");
    // A dialog of its owner (no taskbar entry) with a title and a close box only, at its size.
    window()->setParent(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                   Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint);
    window()->layout()->setSizeConstraint(QLayout::SetFixedSize);
    canvas().setBackColor(QColor(colours::kLightGrey));
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        const int number = i < 11 ? static_cast<int>(i) + 1 : 14;
        Label& label = add<Label>(QString("Label%1").arg(number), surface(), "Label1");
        label.setBounds(240, kLines[i].top, 600, 240);
        label.setFont(kSansSerif, 9.75, true);
        label.setAutoSize(true);
        labels[i] = &label;
    }
    Command1 = &add<CommandButton>("Command1", surface(), "&Izlaz");
    Command1->setBounds(5520, 4080, 1215, 495);
    Command1->setFont(kSansSerif, 9.75, false);
    Command1->onClick = [this] { Command1_Click(); };
}

void frmOProgramu::Form_Load() {
    for (std::size_t i = 0; i < kLines.size(); ++i)
        labels[i]->setCaption(kLines[i].text);
    Command1->setFocus();
    if (owner_ != nullptr) {
        QMainWindow* dialog = window();
        dialog->adjustSize();
        QRect placed = dialog->frameGeometry();
        placed.moveCenter(owner_->frameGeometry().center());
        dialog->move(placed.topLeft());
    }
}

frmOAutoru::frmOAutoru(Services services) : Form(services, 4680, 3195) {
    setCaption("Form1");
    canvas().setBackColor(QColor(colours::kLightGrey));
    Label1 = &add<Label>("Label1", surface(), "Ravnodar");
    Label1->setBounds(1560, 480, 600, 420);
    Label1->setFont(kSansSerif, 17.25, true);
    Label1->setAutoSize(true);
    Label3 = &add<Label>("Label3", surface(), "E-mail: ravnodar@example.com");
    Label3->setBounds(840, 1200, 600, 300);
    Label3->setFont(kSansSerif, 12, false);
    Label3->setAutoSize(true);
    // The window opens at its design size; the client area follows it when it is made larger
    // or smaller, and the surface's back colour fills it whole.
    const QSize designed = window()->sizeHint();
    QWidget* client = surface();
    client->setMinimumSize(0, 0);
    client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window()->resize(designed);
}

} // namespace kviz
