#include "small_windows/frm_skracenatabela.h"

#include "core/colours.h"
#include "core/kvizomat_module.h"
#include "core/pass_mark.h"
#include "platform/qt_text.h"

#include <QFontMetrics>
#include <QWidget>

namespace kviz {

namespace {
const QColor kLightGrey(colours::kLightGrey);
constexpr int kClientWidth = 5475; // twips
} // namespace

frmSkracenatabela::frmSkracenatabela(Services services) : Form(services, kClientWidth, 5490) {
    setCaption("Skracena tabela sa rezultatima testa");
    setPosition(2070, 435);
    canvas().setBackColor(kLightGrey);
    QWidget* client = surface();
    auto label = [&](const char* name, const char* caption, int l, int t, int w, int h) {
        Label& made = add<Label>(name, client, caption);
        made.setBounds(l, t, w, h);
        made.setFont(kSansSerif, 12, true);
        return &made;
    };
    Label1 = label("Label1", "Kandidat:", 120, 120, 1155, 300);
    Label1->setBackColor(kLightGrey);
    lblKandidatskrtabela = label("lblKandidatskrtabela", " NOVI KANDIDAT", 1440, 135, 2145, 300);
    lblKandidatskrtabela->setBackColor(kLightGrey);
    Label2 = label("Label2", "Ocena:", 400, 420, 870, 300);
    Label2->setBackColor(kLightGrey);
    lblOcNijepolPoluskrtab = label("lblOcNijepolPoluskrtab", " NIJE POLOZIO", 1440, 420, 1905, 300);
    lblNetacodg = label("lblNetacodg", "Netacnih odgovora", 120, 720, 2265, 300);
    lblNetacodg->setForeColor(QColor(colours::kLightRed));
    lblNetacodg->setBackColor(kLightGrey);
    lblTacnodg = label("lblTacnodg", "Tacnih odgovora", 390, 960, 1995, 300);
    lblTacnodg->setForeColor(QColor(colours::kCorrectGreen));
    lblTacnodg->setBackColor(kLightGrey);
    // The wrong share in red first, then the right share in green.
    MSChart1 = &add<PieChart>("MSChart1", client);
    MSChart1->setBounds(1140, 1320, 3255, 3495);
    MSChart1->setColors(QColor(colours::kLightRed), QColor(colours::kCorrectGreen));
    // The texts the load writes can be wider than the designed labels.
    for (Label* grows : {lblKandidatskrtabela, lblOcNijepolPoluskrtab, lblNetacodg, lblTacnodg})
        grows->setAutoSize(true);
    cmdIzlaz = &add<CommandButton>("cmdIzlaz", client, "&Izlaz");
    cmdIzlaz->setBounds(4200, 4940, 1215, 495);
    cmdIzlaz->onClick = [this] { cmdIzlaz_Click(); };
    keyPreview = true;
}

void frmSkracenatabela::Form_Load() {
    const std::int32_t answered = basKvizomat.answeredCount;
    const std::int32_t correct = basKvizomat.correctCount;
    const std::int32_t wrong = answered - correct;
    MSChart1->setVisible(true);
    lblTacnodg->setCaption(QString("Tacnih odgovora: %1").arg(correct));
    lblNetacodg->setCaption(QString("Netacnih odgovora: %1").arg(wrong));
    // A name too wide for the room up to the window's right margin, as wide as the left one,
    // is shown in a smaller type, as small as it takes down to a size still easy to read; a
    // name wider still (a name typed into the list is not cut) is cut short with an ellipsis.
    const QString name = " " + fromCp1250(basKvizomat.candidateName);
    const int room = kClientWidth - Label1->left() - lblKandidatskrtabela->left();
    lblKandidatskrtabela->setFont(kSansSerif,
                                  Canvas::fittingSize(kSansSerif, true, name, 0, room, 6.75), true);
    lblKandidatskrtabela->setCaption(
        QFontMetrics(lblKandidatskrtabela->widget()->font())
            .elidedText(name, Qt::ElideRight, static_cast<int>(room / Canvas::kTwipsPerPixel)));
    if (answered == 0) {
        // Nothing counted: no shares and no grade to show.
        services().beeper->beep();
        MSChart1->setVisible(false);
        return;
    }
    MSChart1->setValues(wrong * 360.0 / answered, correct * 360.0 / answered);
    lblOcNijepolPoluskrtab->setCaption(" " + QString::fromStdString(gradeWords(answered, correct)));
    cmdIzlaz->setFocus();
}

void frmSkracenatabela::Form_KeyPress(int& keyAscii) {
    if (keyAscii == keys::Escape)
        cmdIzlaz_Click();
}

void frmSkracenatabela::cmdIzlaz_Click() { unload(); }

} // namespace kviz
