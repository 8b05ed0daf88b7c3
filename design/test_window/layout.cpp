// The controls, menus and toolbar of a test window, placed as designed (twips).
#include "design/test_window.h"

#include "core/help_texts.h"
#include "core/kvizomat_module.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace kviz {

namespace {

// The least space between a header text and the next one to its right, twips.
constexpr int kHeaderGap = 90;

// A 20 x 20 toolbar picture: a framed square with a short symbol.
QPixmap toolbarPicture(int image) {
    static const char* symbols[19] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "<",
                                      ">", "?", "T", "P", "D", "V", "K", "X", "!"};
    QPixmap pixmap(20, 20);
    pixmap.fill(QColor(colours::kToolbarGrey));
    QPainter painter(&pixmap);
    QColor face = image <= 9 ? QColor(0, 0, 160) : QColor(0, 110, 0);
    if (image == 18)
        face = QColor(180, 0, 0);
    painter.setPen(QColor(colours::kGrey));
    painter.drawRect(0, 0, 19, 19);
    painter.setPen(face);
    painter.setFont(Canvas::screenFont(kSansSerif, 9, true));
    painter.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, symbols[image - 1]);
    return pixmap;
}

// The largest type of the header font, from 12 points down to 8.25, in which the text and the
// extra pixels around it fit in the room (twips); the smallest one when none does.
double fittingSize(const QString& text, int extraPixels, int roomTwips) {
    return Canvas::fittingSize(kSansSerif, true, text, extraPixels, roomTwips);
}

// Lets a header box widen to show its whole text, as a label with auto size does: never
// narrower than its width when the program first writes into it, which is the designed one, and
// never over the control to its right. A text too long for that room is shown in a smaller type;
// one too long even then scrolls in the box.
void widenWithItsText(ComboBox& box, const Control& neighbour) {
    QComboBox* combo = box.comboBox();
    auto designWidth = std::make_shared<int>(-1);
    auto shownSize = std::make_shared<double>(12);
    QObject::connect(combo, &QComboBox::editTextChanged, combo,
                     [&box, &neighbour, combo, designWidth, shownSize](const QString& text) {
                         if (*designWidth < 0)
                             *designWidth = box.width();
                         QStyleOptionComboBox option;
                         option.initFrom(combo);
                         option.editable = true;
                         option.rect = QRect(0, 0, 200, std::max(combo->height(), 1));
                         const QRect field = combo->style()->subControlRect(
                             QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
                         // The field's own margins of 2 pixels a side, and the cursor.
                         const int margins = (200 - field.width()) + 2 * 2 + 2;
                         const int room = neighbour.left() - kHeaderGap - box.left();
                         const double size = fittingSize(text, margins, room);
                         if (size != *shownSize) {
                             *shownSize = size;
                             box.setFont(kSansSerif, size, true);
                         }
                         const int pixels = combo->fontMetrics().horizontalAdvance(text) + margins;
                         const int needed = static_cast<int>(pixels * Canvas::kTwipsPerPixel);
                         box.setBounds(box.left(), box.top(),
                                       std::max(*designWidth, std::min(needed, room)),
                                       box.height());
                     });
}

} // namespace

std::vector<FillerLabel> pictureWindowFillers(int count) {
    static const int left[10] = {7246, 6760, 6289, 5772, 5772, 4878, 4368, 3106, 3937, 5355};
    static const int width[10] = {118, 120, 120, 157, 157, 150, 150, 150, 110, 71};
    std::vector<FillerLabel> fillers;
    for (int i = 0; i < count; ++i)
        fillers.push_back({i + 1, left[i], i < 2 ? -45 : 0, width[i]});
    return fillers;
}

TestWindow::TestWindow(Services services, const TestDescriptor& test, WindowLayout layout)
    : Form(services, layout.clientWidth, layout.clientHeight), test_(test), layout_(layout) {
    canvas().setScale(0.784221, 0.817635);
    setCaption(
        QString::fromLatin1(test.caption.data(), static_cast<qsizetype>(test.caption.size())));
    setPosition(45, 615);
    buildControls();
    buildToolbar();
    buildMenus();
    connectHandlers();
}

TestWindow::~TestWindow() = default;

QColor TestWindow::correctColor() const { return QColor(basKvizomat.correctColour); }

void TestWindow::buildControls() {
    QWidget* client = surface();

    Picture1 = &add<PictureBox>("Picture1", client);
    Picture1->setBounds(0, 0, 9540, 360);
    Picture1->setBackColor(QColor(colours::kToolbarGrey));
    QWidget* strip1 = Picture1->container();

    for (const FillerLabel& spec : layout_.fillerLabels) {
        auto& filler = add<Label>(QString("Label%1").arg(spec.number), strip1, QString());
        filler.setBounds(spec.left, spec.top, spec.width, 420);
        filler.setBackColor(QColor(colours::kToolbarGrey));
        fillerLabels.push_back(&filler);
    }

    lblTekucevreme = &add<Label>("lblTekucevreme", strip1, QString());
    lblTekucevreme->setBounds(7710, 0, 1815, 390);
    lblTekucevreme->setFont(kSerif, 13.5, true);
    lblTekucevreme->setAutoSize(true);

    Picture2 = &add<PictureBox>("Picture2", client);
    Picture2->setBounds(0, 343, 9536, 703);
    Picture2->setBackColor(kWhite);
    QWidget* strip2 = Picture2->container();

    lblKandidat = &add<Label>("lblKandidat", strip2, "Kandidat:");
    lblKandidat->setBounds(45, 20, 1155, 300);
    cmbKandidat = &add<ComboBox>("cmbKandidat", strip2, kNewCandidate);
    cmbKandidat->setBounds(1320, 20, 3615, 315);
    lblPitanje = &add<Label>("lblPitanje", strip2, "Pitanje:");
    lblPitanje->setBounds(45, 350, 915, 300);
    cmbPitanje = &add<ComboBox>("cmbPitanje", strip2, "1");
    cmbPitanje->setBounds(1080, 350, 1335, 315);
    lblUkupnoodgovora = &add<Label>("lblUkupnoodgovora", strip2, "Ukupno odgovora: 0");
    lblUkupnoodgovora->setBounds(2520, 350, 2430, 300);
    lblTacnihodgovora = &add<Label>("lblTacnihodgovora", strip2, "Tacnih odgovora: 0");
    lblTacnihodgovora->setBounds(5700, 350, 4335, 375);
    lblOcenaPolozioNijepolozio = &add<Label>("lblOcenaPolozioNijepolozio", strip2, "Ocena:");
    lblOcenaPolozioNijepolozio->setBounds(5700, 20, 4335, 255);
    for (Control* header : std::initializer_list<Control*>{
             lblKandidat, cmbKandidat, lblPitanje, cmbPitanje, lblUkupnoodgovora, lblTacnihodgovora,
             lblOcenaPolozioNijepolozio})
        header->setFont(kSansSerif, 12, true);
    // The counts, the grade and the candidate's name can outgrow the designed widths.
    for (Label* grows : {lblUkupnoodgovora, lblTacnihodgovora, lblOcenaPolozioNijepolozio})
        grows->setAutoSize(true);
    widenWithItsText(*cmbKandidat, *lblOcenaPolozioNijepolozio);
    widenWithItsText(*cmbPitanje, *lblUkupnoodgovora);

    if (layout_.hasPicture) {
        picSlika = &add<PictureBox>("picSlika", client);
        picSlika->setBounds(39, 1063, 4486, 4497);
    }
    lblPitanje2 = &add<Label>("lblPitanje2", client, "1.");
    const Placement& number = layout_.questionNumberLabel;
    lblPitanje2->setBounds(number.left, number.top, number.width, number.height);
    lblPitanje2->setFont(kSansSerif, 12, true);
    lblPitanje2->setAutoSize(true);
    VScrollzapitanje = &add<VScrollBar>("VScrollzapitanje", client);
    const Placement& bar = layout_.scrollBar;
    VScrollzapitanje->setBounds(bar.left, bar.top, bar.width, bar.height);

    Picture3 = &add<PictureBox>("Picture3", client);
    Picture3->setBounds(0, 5576, 9528, 229);
    Picture3->setBackColor(kWhite);
    lblPomocuprvomredu = &add<Label>("lblPomocuprvomredu", Picture3->container(), kTypeTheNumber);
    lblPomocuprvomredu->setBounds(2900, 0, 3585, 180);
    lblPomocuprvomredu->setAutoSize(true);

    Picture4 = &add<PictureBox>(layout_.elapsedStripName, client);
    Picture4->setBounds(0, layout_.elapsedStripTop, 4575, 343);
    Picture4->setBackColor(kWhite);
    lblProteklovreme = &add<Label>("lblProteklovreme", Picture4->container(),
                                   "Proteklo vreme: 0. minuta od 360. minuta");
    lblProteklovreme->setBounds(0, 0, 4605, 255);
    lblProteklovreme->setAutoSize(true);

    ProgressBar1 = &add<ProgressBar>("ProgressBar1", client);
    ProgressBar1->setBounds(4590, 5805, 4933, 262);
    ProgressBar1->setMax(360);

    tmrTimer1 = std::make_unique<Timer>(layout_.timerName);
    tmrTimer1->setInterval(1000);

    struct ButtonSpec {
        CommandButton** slot;
        const char* name;
        const char* caption;
        int left, width;
    };
    const ButtonSpec buttons[] = {
        {&CmdSledecepitanje, "CmdSledecepitanje", "&Sledece pitanje", 0, 1521},
        {&CmdPrethodnopitanje, "CmdPrethodnopitanje", "&Prethodno pitanje", 1537, 1521},
        {&CmdOdredjenoPitanje, "CmdOdredjenoPitanje", "&Odredjeno pitanje", 3066, 1537},
        {&cmdTabela, "cmdTabela", "Tabe&la", 4627, 972},
        {&cmdPregled, "cmdPregled", "Pregle&d", 5607, 965},
        {&cmdBrziPregled, "cmdBrziPregled", "De&mo", 6587, 965},
        {&cmdReset, "cmdReset", "&Reset", 7560, 965},
        {&cmdKrajrada, "cmdKrajrada", "&Kraj rada", 8532, 988},
    };
    for (const auto& spec : buttons) {
        *spec.slot = &add<CommandButton>(spec.name, client, spec.caption);
        (*spec.slot)->setBounds(spec.left, 6075, spec.width, 458);
    }
    // CmdSledecepitanje is first in the tab order.
    QWidget::setTabOrder(CmdSledecepitanje->widget(), CmdPrethodnopitanje->widget());
}

void TestWindow::buildToolbar() {
    struct ImageSpec {
        int left, top, width, height;
        const char* tip;
    };
    static const ImageSpec images[19] = {
        {0, 1, 330, 300, "Slike saobr. sit. sa ponudj. odgovorima"},
        {345, 1, 330, 300, "Suva pitanja sa ponudjenim odgovorima"},
        {690, 1, 330, 300, "Suva pitanja sa unosenjem odgovora"},
        {1035, 1, 330, 300, "Suva pit. iz Prve pomoci sa ponudj. odg."},
        {1380, 1, 330, 300, "Suva pit. iz prve pomoci sa unos. odg."},
        {1725, 1, 330, 300, "Saobracajni znaci(15 znakova)"},
        {2070, 1, 330, 300, "Znaci koje daju ovl. saobracajna lica"},
        {2415, 1, 330, 300, "Slike saobr. znak. sa ponudj. odg."},
        {2760, 1, 330, 300, "Raskrsnice"},
        {3220, 1, 330, 320, "Prethodno pitanje"},
        {3620, 0, 330, 320, "Sledece pitanje"},
        {4060, -40, 300, 360, "Odredjeno pitanje"},
        {4531, 0, 330, 300, "Tabela"},
        {5019, 1, 330, 300, "Pregled"},
        {5442, 1, 330, 300, "Demo"},
        {5970, 1, 300, 300, "Tekuce vreme"},
        {6415, 1, 330, 300, "Kandidat"},
        {6901, 20, 300, 280, "Kraj rada"},
        {7330, 1, 330, 300, "Pomoc"},
    };
    for (int i = 0; i < 19; ++i) {
        auto& image = add<Image>(QString("imgtoolbar%1").arg(i + 1), Picture1->container());
        image.setBounds(images[i].left, images[i].top, images[i].width, images[i].height);
        image.setToolTip(images[i].tip);
        image.setPicture(toolbarPicture(i + 1));
        imgtoolbar[static_cast<std::size_t>(i)] = &image;
    }
}

void TestWindow::buildMenus() {
    mnuTest = &addTopMenu("mnuTest", "&Test");
    if (layout_.hiddenTestItems) {
        mnuTest
            ->addItem("mnuTestKompletankvizomat", "Kompletan &Kvizo-mat", QKeySequence(Qt::Key_F2))
            .setVisible(false);
        mnuTest->addSeparator("mnuTestprvacrtica").setVisible(false);
    }
    struct TestItem {
        const char* name;
        const char* caption;
    };
    static const TestItem testItems[9] = {
        {"mnuTestSliksaobrsitsaponudjodg", "&Slike saobr. sit. sa ponudj. odgovorima"},
        {"mnuTestsuvapitsaponudjodg", "Su&va pitanja sa ponudjenim odgovorima"},
        {"mnuTestSuvapitsaunosodg", "Suva pitanja sa &unosenjem odgovora"},
        {"mnuTestSuvapitizppsaponudjodg", "Suva pit. iz &Prve pomoci sa pon. odg."},
        {"mnuTestSuvapitizPPsaunosodg", "Suva pit. iz Prve pomoci sa unos. &odg."},
        {"mnuTestSaobracajniznaci15znakova", "Saobracajni &znaci(15 znakova)"},
        {"mnuTestZnacikojedajuovlsaobrlica", "Znaci koje daju ovl. saobracajna &lica"},
        {"mnuTestSlsaobrznaksaponudjodg", "Sl&ike saobr. znak. sa ponudj. odg."},
        {"mnuTestRaskrsnice", "&Raskrsnice"},
    };
    for (const auto& spec : testItems) {
        MenuItem& item = mnuTest->addItem(spec.name, spec.caption);
        for (std::size_t row = 0; row < testCatalogue().size(); ++row)
            if (testCatalogue()[row].testMenuItem == spec.name)
                testMenuItems[row] = &item;
        if (test_.testMenuItem == spec.name) {
            item.setChecked(true);
            item.setEnabled(false);
        }
        if (layout_.hiddenTestItems && item.name() == "mnuTestSaobracajniznaci15znakova")
            mnuTest->addItem("mnuTestSaobracajniznaci16znakova", "Saobracajni z&naci(16 znakova)")
                .setVisible(false);
    }
    mnuTest->addSeparator("mnuTestdrugacrtica");
    mnuTestKrajrada =
        &mnuTest->addItem("mnuTestKrajrada", "&Kraj rada                        Alt+F4");

    mnuKandidat = &addTopMenu("mnuKandidat", "Ka&ndidat");

    mnuPitanje = &addTopMenu("mnuPitanje", "Pitanj&e");
    mnuPitanjeSledecepitanje = &mnuPitanje->addItem("mnuPitanjeSledecepitanje",
                                                    "&Sledece pitanje                  Ctrl+S");
    mnuPitanjePrethodnopitanje = &mnuPitanje->addItem("mnuPitanjePrethodnopitanje",
                                                      "&Prethodno pitanje               Ctrl+P");
    mnuPitanje->addSeparator("mnuPitanjeprvacrtica");
    mnuPitanjeOdredjenopitanje = &mnuPitanje->addItem(
        "mnuPitanjeOdredjenopitanje", "&Odredjeno pitanje", QKeySequence(Qt::Key_F5));

    mnuTabela = &addTopMenu("mnuTabela", "Tabe&la");
    mnuTabelaskracenatabela = &mnuTabela->addItem(
        "mnuTabelaskracenatabela", "&Skracena tabela          ", QKeySequence(Qt::Key_F8));

    mnuPregledresenihpitanja = &addTopMenu("mnuPregledresenihpitanja", "Pregle&d pitanja");
    mnuPreglrespitanjaProd1pitdokraja = &mnuPregledresenihpitanja->addItem(
        "mnuPreglrespitanjaProd1pitdokraja", "Pregled od &1. pitanja do kraja",
        QKeySequence(Qt::Key_F9));
    mnuPregrespitPreglodzadpitdokr = &mnuPregledresenihpitanja->addItem(
        "mnuPregrespitPreglodzadpitdokr", "Pregled od &zadatog pitanja do kraja",
        QKeySequence(Qt::CTRL | Qt::Key_F9));
    mnuPregledresenihpitanja->addSeparator("mnuPreglrespitanja1crtica");
    mnuPreglrespitBrziprod1pitdokr = &mnuPregledresenihpitanja->addItem(
        "mnuPreglrespitBrziprod1pitdokr", "Brzi pregled od 1. pitanja do kraja");
    mnuPregrespitBrzpregodzadpitdokr = &mnuPregledresenihpitanja->addItem(
        "mnuPregrespitBrzpregodzadpitdokr", "Brzi pregled od zadatog pitanja do kraja");

    mnuReset = &addTopMenu("mnuReset", "&Reset");

    mnuPodesavanja = &addTopMenu("mnuPodesavanja", "Podesa&vanja");
    MenuItem& settings = *mnuPodesavanja;
    mnuPodesavanjaZvuknakonnetacnogodg =
        &settings.addItem("mnuPodesavanjaZvuknakonnetacnogodg", "&Zvuk nakon netacnog odgovora",
                          QKeySequence(Qt::Key_F3));
    settings.addSeparator("mnuPodesavanja1crtica");
    mnuPodesavanjaIspDaNeubojinakonodg =
        &settings.addItem("mnuPodesavanjaIspDaNeubojinakonodg",
                          "&Ispis DA/Ne  u boji nakon odgovora", QKeySequence(Qt::Key_F4));
    mnuPodesavanjazelokvokotacnogodg =
        &settings.addItem("mnuPodesavanjazelokvokotacnogodg", "Zeleni okvir oko tacnog  odgovora");
    mnuPodesavanjaPojavokviraokoodg =
        &settings.addItem("mnuPodesavanjaPojavokviraokoodg", "Pojavljivanje &okvira oko odgovora");
    mnuPodesavanjaJedanpokzatacanodg =
        &settings.addItem("mnuPodesavanjaJedanpokzatacanodg", "&Jedan pokusaj za tacan odgovor",
                          QKeySequence(Qt::Key_F6));
    settings.addSeparator("mnuPodesavanja3crtica");
    mnuPodesavanjaokokotxtpitiodg =
        &settings.addItem("mnuPodesavanjaokokotxtpitiodg", "Okvir oko teksta pitanja i odgovora");
    settings.addSeparator("mnuPodesavanja4crtica");
    mnuPodesavanjaTekucevreme =
        &settings.addItem("mnuPodesavanjaTekucevreme", "&Tekuce vreme", QKeySequence(Qt::Key_F7));
    mnuPodesavanjaGrafprprotvremena =
        &settings.addItem("mnuPodesavanjaGrafprprotvremena", "&Graficki prikaz protoka vremena",
                          QKeySequence(Qt::CTRL | Qt::Key_F7));
    settings.addSeparator("mnuPodesavanja5crtica");
    mnuPodesavanjaVremerada5minuta =
        &settings.addItem("mnuPodesavanjaVremerada5minuta", "Vreme rada:  5 minuta");
    mnuPodesavanjaVremerada10minuta =
        &settings.addItem("mnuPodesavanjaVremerada10minuta", "Vreme rada: 10 minuta");
    mnuPodesavanjaVremerada15minuta =
        &settings.addItem("mnuPodesavanjaVremerada15minuta", "Vreme rada: 15 minuta");
    mnuPodesavanjaVremerada30minuta =
        &settings.addItem("mnuPodesavanjaVremerada30minuta", "Vreme rada: 30 minuta");
    mnuPodesavanjaVremerada45minuta =
        &settings.addItem("mnuPodesavanjaVremerada45minuta", "&Vreme rada: 45 minuta");
    vremerada = &settings.addItem("vremerada", "Vreme rada: 360 minuta");
    shortWorkTimeItems = {mnuPodesavanjaVremerada5minuta, mnuPodesavanjaVremerada10minuta,
                          mnuPodesavanjaVremerada15minuta, mnuPodesavanjaVremerada30minuta,
                          mnuPodesavanjaVremerada45minuta};
    settings.addSeparator("mnuPodesavanja6crtica");
    mnuPodesavanjaPomocuprvomredu =
        &settings.addItem("mnuPodesavanjaPomocuprvomredu", "&Ispis teksta za Pomoc u prvom redu",
                          QKeySequence(Qt::CTRL | Qt::Key_F1));
    settings.addSeparator("mnuPodesavanja7crtica");
    mnuPodesavanjaStandpodesavanja = &settings.addItem("mnuPodesavanjaStandpodesavanja",
                                                       "&Ucitavanje stand. podesavanja(Default)");

    // The design defaults of the settings.
    for (MenuItem* item :
         {mnuPodesavanjaIspDaNeubojinakonodg, mnuPodesavanjazelokvokotacnogodg,
          mnuPodesavanjaPojavokviraokoodg, mnuPodesavanjaokokotxtpitiodg, mnuPodesavanjaTekucevreme,
          mnuPodesavanjaGrafprprotvremena, vremerada, mnuPodesavanjaPomocuprvomredu})
        item->setChecked(true);
    for (MenuItem* item : {mnuPodesavanjaZvuknakonnetacnogodg, mnuPodesavanjaJedanpokzatacanodg,
                           mnuPodesavanjaVremerada5minuta, mnuPodesavanjaVremerada10minuta,
                           mnuPodesavanjaVremerada15minuta, mnuPodesavanjaVremerada30minuta,
                           mnuPodesavanjaVremerada45minuta})
        item->setChecked(false);

    mnuInfo = &addTopMenu("mnuInfo", "In&fo");
    mnuInfoOAutoru = &mnuInfo->addItem("mnuInfoOAutoru", "O &Autoru", QKeySequence(Qt::Key_F11));
    mnuInfoOProgramu =
        &mnuInfo->addItem("mnuInfoOProgramu", "O &Programu", QKeySequence(Qt::Key_F12));

    mnuPomoc = &addTopMenu("mnuPomoc", "Pomo&c");
    mnuPomocPomoczaaktivniprogram = &mnuPomoc->addItem(
        "mnuPomocPomoczaaktivniprogram", "Pomoc za &aktivni program", QKeySequence(Qt::Key_F1));
}

void TestWindow::ShowQuestionNumber(const QString& caption) {
    // The number beside the question never runs into the question's text: a number too wide for
    // the room before the text is shown in a smaller type.
    const int room = static_cast<int>(layout_.question.textX * canvas().twipsPerUnitX()) -
                     layout_.questionNumberLabel.left;
    if (room > 0 && caption.size() != numberCaptionLength_) {
        numberCaptionLength_ = static_cast<int>(caption.size());
        const QString& font = layout_.questionNumberFont;
        lblPitanje2->setFont(
            font, Canvas::fittingSize(font, true, caption, 2, room - kHeaderGap / 3), true);
    }
    lblPitanje2->setCaption(caption);
}

} // namespace kviz
