// Start-up of the traffic-situation window and the drawing of its first question.
#include "choice_picture/frm_slisaobrsitsaponudj_abcd_odgovorima.h"
#include "tests/support/window_fixture.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QWidget>

namespace kviz {
namespace {

using testing::choiceBank;
using testing::readBytes;

const std::vector<std::string> kQuestion1 = {
    "Koje vozilo prvo prolazi kroz",
    "raskrsnicu?",
    " a) vozilo broj 1",
    "*b) vozilo broj 2",
    " c) vozilo broj 3",
};
const std::vector<std::string> kQuestion2 = {
    "Da li vozac sme da skrene levo?",
    "",
    " a) sme",
    "*b) ne sme",
};

// A window that notes the order of its load, drawing and activation.
class ObservedWindow : public frmSlisaobrsitsaponudjABCDodgovorima {
public:
    using frmSlisaobrsitsaponudjABCDodgovorima::frmSlisaobrsitsaponudjABCDodgovorima;
    std::vector<std::string> events;
    void LoadQuestionCount() override {
        events.push_back(visible() ? "count while visible" : "count while hidden");
        TestWindow::LoadQuestionCount();
    }
    void ShowQuestion() override {
        events.push_back("show");
        TestWindow::ShowQuestion();
    }

protected:
    void Form_Activate() override {
        events.push_back("activate");
        TestWindow::Form_Activate();
    }
};

class Startup : public testing::WindowFixture {
protected:
    void writeDefaultBank() {
        writeBank("ssitabcd", "ssitabcd.pit", choiceBank("2", {kQuestion1, kQuestion2}));
    }
    std::unique_ptr<ObservedWindow> start() {
        auto window = std::make_unique<ObservedWindow>(services());
        window->show();
        return window;
    }
};

TEST_F(Startup, FirstStartCreatesTheStateFoldersAndAnEmptyList) {
    writeDefaultBank();
    auto w = start();
    for (const char* folder : {"PPOMABCD", "PPOMODG", "RASKRSN", "SAOBZN15", "SLSAOBZN", "SSITABCD",
                               "SUVAABCD", "SUVAODG", "ZNOVLICA"})
        EXPECT_TRUE(std::filesystem::is_directory(stateRoot() / folder)) << folder;
    EXPECT_TRUE(std::filesystem::exists(stateRoot() / "Kandidat.ime"));
    EXPECT_EQ(readBytes(stateRoot() / "Kandidat.ime"), "");
    EXPECT_EQ(w->cmbKandidat->items(), QStringList{"NOVI KANDIDAT"});
    EXPECT_EQ(w->cmbKandidat->listIndex(), -1);
    EXPECT_EQ(w->cmbKandidat->text(), "NOVI KANDIDAT");
    EXPECT_EQ(basKvizomat.candidateName, "NOVI KANDIDAT");
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 0);
}

TEST_F(Startup, WindowIsVisibleDuringItsLoadAndActivatedAfterIt) {
    writeDefaultBank();
    auto w = start();
    // The load's drawing moves the scroll bar, whose handler draws once more inside it.
    EXPECT_EQ(w->events, (std::vector<std::string>{"count while visible", "show", "show",
                                                   "activate", "show"}));
    EXPECT_TRUE(w->visible());
    EXPECT_EQ(w->caption(), "Slike saobracajnih situacija sa ponudjenim ABCD odgovorima");
}

TEST_F(Startup, ListWithEntriesSelectsEntryZero) {
    writeDefaultBank();
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\nPERA\r\n");
    auto w = start();
    EXPECT_EQ(w->cmbKandidat->items(), (QStringList{"NOVI KANDIDAT", "ANA", "PERA"}));
    EXPECT_EQ(w->cmbKandidat->listIndex(), 0);
    EXPECT_EQ(w->cmbKandidat->text(), "NOVI KANDIDAT");
}

TEST_F(Startup, AnUnreadableListCountsAsEmpty) {
    writeDefaultBank();
    std::filesystem::create_directories(stateRoot() / "Kandidat.ime"); // a folder in its place
    auto w = start();
    EXPECT_EQ(w->cmbKandidat->items(), QStringList{"NOVI KANDIDAT"});
    EXPECT_EQ(basKvizomat.candidateName, "NOVI KANDIDAT");
}

TEST_F(Startup, WindowVariablesAfterTheLoad) {
    writeDefaultBank();
    auto w = start();
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(w->questionCount, 2);
    EXPECT_FALSE(w->quickReviewMode);
    EXPECT_FALSE(w->reviewMode);
    EXPECT_FALSE(w->stopRequested);
    EXPECT_TRUE(w->helpLineOn);
    EXPECT_EQ(w->helpLineX, 3000);
    EXPECT_EQ(w->elapsedMinutes, 0);
    EXPECT_EQ(w->workLimitMinutes, 360);
    EXPECT_EQ(w->workStartTime, fakes.clock.now);
    EXPECT_EQ(w->answerLetters.size(), 3u);
    EXPECT_EQ(w->answerLetters[1], '\0');
    EXPECT_EQ(basKvizomat.answeredCount, 0);
    EXPECT_EQ(basKvizomat.correctCount, 0);
    EXPECT_EQ(basKvizomat.correctColour, 0x0AAA0Au);
    EXPECT_TRUE(w->keyPreview);
    EXPECT_EQ(w->lblTekucevreme->caption(), "12:00:00");
    EXPECT_EQ(w->VScrollzapitanje->min(), 1);
    EXPECT_EQ(w->VScrollzapitanje->max(), 2);
    EXPECT_EQ(w->VScrollzapitanje->value(), 1);
    EXPECT_TRUE(w->tmrTimer1->enabled());
    EXPECT_EQ(w->tmrTimer1->interval(), 1000);
    EXPECT_EQ(w->tmrTimer1->name(), "tmrTimer1");
}

TEST_F(Startup, FolderStrings) {
    writeDefaultBank();
    auto w = start();
    const std::string program = fakes.locations.program.string();
    EXPECT_EQ(basKvizomat.programFolder, program + "/");
    EXPECT_EQ(basKvizomat.testFolder, program + "/ssitabcd/");
    EXPECT_EQ(basKvizomat.pictureFolder, program + "/ssitabcd/JPGSLIKE/");
    EXPECT_EQ(basKvizomat.questionFolder, program + "/ssitabcd/pitiodg/");
}

TEST_F(Startup, ProgramFolderAtTheRootGivesNoDoubledSeparator) {
    fakes.locations.program = "/";
    auto w = start();
    EXPECT_EQ(basKvizomat.programFolder, "/");
    EXPECT_EQ(basKvizomat.testFolder, "/ssitabcd/");
    EXPECT_EQ(basKvizomat.questionFolder, "/ssitabcd/pitiodg/");
}

TEST_F(Startup, FirstQuestionIsDrawnWithItsAnswerBands) {
    writeDefaultBank();
    auto w = start();
    auto lines = texts(*w);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text.trimmed(), "Koje vozilo prvo prolazi kroz");
    EXPECT_EQ(lines[0].text.size(), 33); // the whole record, blanks included
    EXPECT_DOUBLE_EQ(lines[0].at.x(), 6650);
    EXPECT_DOUBLE_EQ(lines[0].at.y(), 1328);
    EXPECT_EQ(lines[0].fontName, "MS Sans Serif");
    EXPECT_DOUBLE_EQ(lines[0].fontSize, 12);
    EXPECT_TRUE(lines[0].bold);
    EXPECT_EQ(lines[0].color, QColor(0, 0, 0));
    EXPECT_TRUE(lines[1].bold);
    EXPECT_FALSE(lines[2].bold);              // from answer a on, the font is not bold
    EXPECT_EQ(lines[3].text.left(4), " b) "); // the "*" is shown as a blank
    EXPECT_EQ(w->correctLetter, "b");
    EXPECT_EQ(w->topA, static_cast<int>(lines[2].at.y() - 8 + 0.5));
    EXPECT_GT(w->topB, w->topA);
    EXPECT_GT(w->topC, w->topB);
    EXPECT_EQ(w->topD, 0);
    EXPECT_GT(w->textBottom, w->topC);
    EXPECT_EQ(w->answersBottom, w->textBottom);
    EXPECT_EQ(w->cmbPitanje->text(), "1");
    EXPECT_EQ(w->lblPitanje2->caption(), "1.");
    EXPECT_EQ(w->lblPomocuprvomredu->caption(),
              "Kliknite misom na ponudjeni a), b) ili c) odgovor.");
    EXPECT_TRUE(w->firstAttemptOpen);
    EXPECT_FALSE(w->answerGiven);
    EXPECT_TRUE(w->countOnLeave);
    // The text frame is on by default and drawn after the text.
    const auto& last = w->canvas().log().back();
    EXPECT_EQ(last.kind, DrawOp::Kind::Box);
    EXPECT_EQ(last.rect, QRectF(QPointF(5860, 1300), QPointF(11740, 6781)));
}

TEST_F(Startup, BlankLineInsideTheTextIsShownAndTheQuestionEndsAfterTheAnswers) {
    writeDefaultBank();
    auto w = start();
    w->questionIndex = 2;
    w->ShowQuestion();
    auto lines = texts(*w);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].text, QString(33, ' '));
    EXPECT_EQ(w->lblPomocuprvomredu->caption(), "Kliknite misom na ponudjeni a) ili b) odgovor.");
    EXPECT_EQ(w->topC, 0);
    EXPECT_EQ(w->topD, 0);
}

TEST_F(Startup, AQuestionOfSixteenLinesHasNoClosingRecord) {
    std::vector<std::string> full = {"Pitanje", " a) prvi", "*b) drugi"};
    while (full.size() < 16)
        full.push_back("    nastavak odgovora b");
    writeBank("ssitabcd", "ssitabcd.pit", choiceBank("1", {full}));
    auto w = start();
    EXPECT_EQ(texts(*w).size(), 16u);
    EXPECT_EQ(w->textBottom, static_cast<int>(w->canvas().currentY + 0.5));
}

TEST_F(Startup, StoredVerdicts) {
    writeDefaultBank();
    auto w = start();
    w->answerLetters[1] = 'b';
    w->resultLetters[1] = 'T';
    w->visitQuestion = 0; // drawn as on arrival at the question
    w->ShowQuestion();
    auto lines = texts(*w);
    ASSERT_EQ(lines.back().text, "DA");
    EXPECT_EQ(lines.back().color, QColor(10, 170, 10));
    EXPECT_EQ(lines.back().at, QPointF(6090, w->topB + 4));
    EXPECT_EQ(lines.back().fontName, "MS Serif");
    EXPECT_DOUBLE_EQ(lines.back().fontSize, 14);
    EXPECT_TRUE(w->answerGiven);
    EXPECT_TRUE(w->answerCorrect);
    EXPECT_FALSE(w->firstAttemptOpen);
    EXPECT_FALSE(w->countOnLeave);

    w->answerLetters[1] = 'c';
    w->resultLetters[1] = ' ';
    w->ShowQuestion();
    lines = texts(*w);
    EXPECT_EQ(lines.back().text, "NE");
    EXPECT_EQ(lines.back().color, QColor(255, 0, 0));
    EXPECT_EQ(w->resultLetters[1], 'N');
    EXPECT_FALSE(w->answerCorrect);

    w->answerLetters[1] = ' '; // cleared by a reset: no verdict
    w->ShowQuestion();
    EXPECT_NE(texts(*w).back().text, "NE");
    EXPECT_FALSE(w->answerGiven);
}

TEST_F(Startup, RedrawingGivesTheSameSurface) {
    writeDefaultBank();
    auto w = start();
    w->ShowQuestion();
    QImage first = w->canvas().image().copy();
    auto firstLog = w->canvas().log().size();
    w->ShowQuestion();
    EXPECT_EQ(w->canvas().image(), first);
    EXPECT_EQ(w->canvas().log().size(), firstLog);
}

TEST_F(Startup, TextFrameOnlyWhenChecked) {
    writeDefaultBank();
    auto w = start();
    w->mnuPodesavanjaokokotxtpitiodg->setChecked(false);
    w->ShowQuestion();
    for (const auto& op : w->canvas().log())
        EXPECT_NE(op.kind, DrawOp::Kind::Box);
}

// A picture file of the largest size loads; one a byte larger, or none, keeps the one shown before.
TEST_F(Startup, TwoQuestionsShareAPicture) {
    writeBank("ssitabcd", "ssitabcd.pit",
              choiceBank("4", {kQuestion1, kQuestion2, kQuestion1, kQuestion2}));
    writePicture("ssitabcd", "1ssit.JPG", Qt::red);
    writePicture("ssitabcd", "3ssit.JPG", Qt::blue);
    const auto first = fakes.locations.program / "ssitabcd" / "JPGSLIKE" / "1ssit.JPG";
    const std::uintmax_t largest = 32 * 1024 * 1024;
    std::filesystem::resize_file(first, largest);
    auto w = start();
    EXPECT_TRUE(w->picSlika->picturePath().endsWith("/ssitabcd/JPGSLIKE/1ssit.JPG"));
    w->questionIndex = 2;
    w->ShowQuestion();
    EXPECT_TRUE(w->picSlika->picturePath().endsWith("1ssit.JPG"));
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"one byte too large", [&] { std::filesystem::resize_file(first, largest + 1); }},
        {"missing", [&] { std::filesystem::remove(first); }}};
    for (const auto& [name, change] : rows) {
        SCOPED_TRACE(name);
        w->questionIndex = 4;
        w->ShowQuestion();
        EXPECT_TRUE(w->picSlika->picturePath().endsWith("3ssit.JPG"));
        change();
        w->questionIndex = 1;
        w->ShowQuestion();
        EXPECT_TRUE(w->picSlika->picturePath().endsWith("3ssit.JPG"));
    }
}

TEST_F(Startup, MissingDataFolderGivesNoQuestionAndCreatesNothing) {
    auto w = start();
    EXPECT_EQ(w->questionCount, 0);
    EXPECT_EQ(w->answerLetters.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(fakes.locations.program / "ssitabcd"));
    EXPECT_TRUE(texts(*w).empty());
    EXPECT_FALSE(w->firstAttemptOpen);
    EXPECT_EQ(w->VScrollzapitanje->min(), 1);
    EXPECT_EQ(w->VScrollzapitanje->max(), 0);
}

TEST_F(Startup, NoQuestionStillGivesTheHelpLineOfAnswering) {
    auto w = start(); // no question file
    const QString answering = "Kliknite misom na ponudjeni a) ili b) odgovor.";
    EXPECT_EQ(w->lblPomocuprvomredu->caption(), answering);
    testing::click(w->cmdPregled);
    EXPECT_EQ(w->lblPomocuprvomredu->caption(), "Pregled resenih pitanja.");
    testing::click(w->cmdKrajrada); // leaves the review
    EXPECT_EQ(w->lblPomocuprvomredu->caption(), answering);
}

TEST_F(Startup, BlankHeaderGivesNoQuestion) {
    writeBank("ssitabcd", "ssitabcd.pit", choiceBank("", {kQuestion1}));
    auto w = start();
    EXPECT_EQ(w->questionCount, 0);
    EXPECT_TRUE(texts(*w).empty());
}

TEST_F(Startup, CountAboveTheFileIsLimitedToWhatItHolds) {
    writeBank("ssitabcd", "ssitabcd.pit", choiceBank("500", {kQuestion1, kQuestion2}));
    auto w = start();
    EXPECT_EQ(w->questionCount, 2);
    EXPECT_EQ(w->answerLetters.size(), 3u);
}

TEST_F(Startup, ControlsAtTheirDesignedPlaces) {
    writeDefaultBank();
    auto w = start();
    struct Place {
        const char* name;
        int left, top, width, height;
    };
    const Place places[] = {
        {"Picture1", 0, 0, 9540, 360},
        {"lblTekucevreme", 7710, 0, 1815, 390},
        {"Picture2", 0, 343, 9536, 703},
        {"lblKandidat", 45, 20, 1155, 300},
        {"cmbKandidat", 1320, 20, 3615, 315},
        {"lblPitanje", 45, 350, 915, 300},
        {"cmbPitanje", 1080, 350, 1335, 315},
        {"lblUkupnoodgovora", 2520, 350, 2430, 300},
        {"lblTacnihodgovora", 5700, 350, 4335, 375},
        {"lblOcenaPolozioNijepolozio", 5700, 20, 4335, 255},
        {"picSlika", 39, 1063, 4486, 4497},
        {"lblPitanje2", 4605, 1080, 570, 315},
        {"VScrollzapitanje", 9238, 1080, 267, 4489},
        {"Picture3", 0, 5576, 9528, 229},
        {"lblPomocuprvomredu", 2900, 0, 3585, 180},
        {"Picture4", 0, 5805, 4575, 343},
        {"lblProteklovreme", 0, 0, 4605, 255},
        {"ProgressBar1", 4590, 5805, 4933, 262},
        {"CmdSledecepitanje", 0, 6075, 1521, 458},
        {"CmdPrethodnopitanje", 1537, 6075, 1521, 458},
        {"CmdOdredjenoPitanje", 3066, 6075, 1537, 458},
        {"cmdTabela", 4627, 6075, 972, 458},
        {"cmdPregled", 5607, 6075, 965, 458},
        {"cmdBrziPregled", 6587, 6075, 965, 458},
        {"cmdReset", 7560, 6075, 965, 458},
        {"cmdKrajrada", 8532, 6075, 988, 458},
        {"Label1", 7246, -45, 118, 420},
        {"Label10", 5355, 0, 71, 420},
        {"imgtoolbar12", 4060, -40, 300, 360},
        {"imgtoolbar18", 6901, 20, 300, 280},
    };
    for (const auto& p : places) {
        Control* c = w->findControl(p.name);
        ASSERT_NE(c, nullptr) << p.name;
        EXPECT_EQ(c->left(), p.left) << p.name;
        EXPECT_EQ(c->top(), p.top) << p.name;
        EXPECT_EQ(c->width(), p.width) << p.name;
        EXPECT_EQ(c->height(), p.height) << p.name;
    }
    EXPECT_EQ(w->cmdKrajrada->caption(), "&Kraj rada");
    EXPECT_EQ(w->cmdTabela->caption(), "Tabe&la");
    EXPECT_EQ(w->lblProteklovreme->caption(), "Proteklo vreme: 0. minuta od 360. minuta");
    EXPECT_EQ(w->ProgressBar1->max(), 360);
    const char* const tips[19] = {"Slike saobr. sit. sa ponudj. odgovorima",
                                  "Suva pitanja sa ponudjenim odgovorima",
                                  "Suva pitanja sa unosenjem odgovora",
                                  "Suva pit. iz Prve pomoci sa ponudj. odg.",
                                  "Suva pit. iz prve pomoci sa unos. odg.",
                                  "Saobracajni znaci(15 znakova)",
                                  "Znaci koje daju ovl. saobracajna lica",
                                  "Slike saobr. znak. sa ponudj. odg.",
                                  "Raskrsnice",
                                  "Prethodno pitanje",
                                  "Sledece pitanje",
                                  "Odredjeno pitanje",
                                  "Tabela",
                                  "Pregled",
                                  "Demo",
                                  "Tekuce vreme",
                                  "Kandidat",
                                  "Kraj rada",
                                  "Pomoc"};
    for (std::size_t i = 0; i < 19; ++i)
        EXPECT_EQ(w->imgtoolbar[i]->widget()->toolTip(), tips[i]) << i + 1;
    // Every menu with its caption, access letter and shortcut.
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } menus[] = {
        {"mnuTest", "&Test", {}},
        {"mnuTestSliksaobrsitsaponudjodg", "&Slike saobr. sit. sa ponudj. odgovorima", {}},
        {"mnuTestsuvapitsaponudjodg", "Su&va pitanja sa ponudjenim odgovorima", {}},
        {"mnuTestSuvapitsaunosodg", "Suva pitanja sa &unosenjem odgovora", {}},
        {"mnuTestSuvapitizppsaponudjodg", "Suva pit. iz &Prve pomoci sa pon. odg.", {}},
        {"mnuTestSuvapitizPPsaunosodg", "Suva pit. iz Prve pomoci sa unos. &odg.", {}},
        {"mnuTestSaobracajniznaci15znakova", "Saobracajni &znaci(15 znakova)", {}},
        {"mnuTestZnacikojedajuovlsaobrlica", "Znaci koje daju ovl. saobracajna &lica", {}},
        {"mnuTestSlsaobrznaksaponudjodg", "Sl&ike saobr. znak. sa ponudj. odg.", {}},
        {"mnuTestRaskrsnice", "&Raskrsnice", {}},
        {"mnuKandidat", "Ka&ndidat", {}},
        {"mnuPitanje", "Pitanj&e", {}},
        {"mnuPitanjeSledecepitanje", "&Sledece pitanje                  Ctrl+S", {}},
        {"mnuPitanjePrethodnopitanje", "&Prethodno pitanje               Ctrl+P", {}},
        {"mnuPitanjeOdredjenopitanje", "&Odredjeno pitanje", Qt::Key_F5},
        {"mnuTabela", "Tabe&la", {}},
        {"mnuTabelaskracenatabela", "&Skracena tabela          ", Qt::Key_F8},
        {"mnuPregledresenihpitanja", "Pregle&d pitanja", {}},
        {"mnuPreglrespitanjaProd1pitdokraja", "Pregled od &1. pitanja do kraja", Qt::Key_F9},
        {"mnuPregrespitPreglodzadpitdokr", "Pregled od &zadatog pitanja do kraja",
         Qt::CTRL | Qt::Key_F9},
        {"mnuPreglrespitBrziprod1pitdokr", "Brzi pregled od 1. pitanja do kraja", {}},
        {"mnuPregrespitBrzpregodzadpitdokr", "Brzi pregled od zadatog pitanja do kraja", {}},
        {"mnuReset", "&Reset", {}},
        {"mnuPodesavanja", "Podesa&vanja", {}},
        {"mnuPodesavanjaZvuknakonnetacnogodg", "&Zvuk nakon netacnog odgovora", Qt::Key_F3},
        {"mnuPodesavanjaIspDaNeubojinakonodg", "&Ispis DA/Ne  u boji nakon odgovora", Qt::Key_F4},
        {"mnuPodesavanjazelokvokotacnogodg", "Zeleni okvir oko tacnog  odgovora", {}},
        {"mnuPodesavanjaPojavokviraokoodg", "Pojavljivanje &okvira oko odgovora", {}},
        {"mnuPodesavanjaJedanpokzatacanodg", "&Jedan pokusaj za tacan odgovor", Qt::Key_F6},
        {"mnuPodesavanjaokokotxtpitiodg", "Okvir oko teksta pitanja i odgovora", {}},
        {"mnuPodesavanjaTekucevreme", "&Tekuce vreme", Qt::Key_F7},
        {"mnuPodesavanjaGrafprprotvremena", "&Graficki prikaz protoka vremena",
         Qt::CTRL | Qt::Key_F7},
        {"mnuPodesavanjaVremerada45minuta", "&Vreme rada: 45 minuta", {}},
        {"mnuPodesavanjaPomocuprvomredu", "&Ispis teksta za Pomoc u prvom redu",
         Qt::CTRL | Qt::Key_F1},
        {"mnuPodesavanjaStandpodesavanja", "&Ucitavanje stand. podesavanja(Default)", {}},
        {"mnuInfo", "In&fo", {}},
        {"mnuInfoOAutoru", "O &Autoru", Qt::Key_F11},
        {"mnuInfoOProgramu", "O &Programu", Qt::Key_F12},
        {"mnuPomoc", "Pomo&c", {}},
        {"mnuPomocPomoczaaktivniprogram", "Pomoc za &aktivni program", Qt::Key_F1},
    };
    for (const auto& menu : menus) {
        const MenuItem* item = w->findMenu(menu.name);
        ASSERT_NE(item, nullptr) << menu.name;
        EXPECT_EQ(item->caption(), menu.caption) << menu.name;
        EXPECT_EQ(item->shortcut(), menu.shortcut) << menu.name;
    }
    EXPECT_EQ(w->lblKandidat->widget()->font().pixelSize(), 16);
    EXPECT_TRUE(w->lblKandidat->widget()->font().bold());
    EXPECT_EQ(w->lblTekucevreme->widget()->font().pixelSize(), 18);
    EXPECT_EQ(w->surface()->size(), QSize(636, 437));
}

// How many pixels of a text a header control cuts off, in the type it shows the text in: a label
// shows the text as its caption, a box in its edit field (which keeps 2 pixels free on either
// side).
int cutOff(Control& control, const QString& text) {
    const auto advance = [&] {
        return QFontMetrics(control.widget()->font()).horizontalAdvance(text);
    };
    if (auto* label = dynamic_cast<Label*>(&control)) {
        label->setCaption(text);
        return advance() - control.widget()->width();
    }
    auto& box = dynamic_cast<ComboBox&>(control);
    box.setText(text);
    return advance() + 4 - box.comboBox()->lineEdit()->width();
}

TEST_F(Startup, HeaderShowsTheLongestTextsWhole) {
    writeDefaultBank();
    auto w = start();
    const std::pair<Control*, QString> cases[] = {
        {w->lblUkupnoodgovora, "Ukupno odgovora: 9999"},
        {w->lblTacnihodgovora, "Tacnih odgovora: 9999"},
        {w->lblOcenaPolozioNijepolozio, "Ocena: NIJE POLOZIO(100%)"},
        {w->cmbKandidat, QString(20, 'W')}, // the name prompt keeps 20 characters
        {w->cmbPitanje, "32767"},
        {w->lblPitanje2, "32767."},
        {w->lblProteklovreme, "Proteklo vreme: 360. minuta od 360. minuta"},
        {w->lblTekucevreme, "23:59:59"},
    };
    for (const auto& [control, text] : cases)
        EXPECT_LE(cutOff(*control, text), 0) << control->name().toStdString();
    w->cmbKandidat->setText("ANA"); // a short name back in the designed width
    EXPECT_EQ(w->cmbKandidat->width(), 3615);
}

TEST_F(Startup, MenusWithTheirDesignStates) {
    writeDefaultBank();
    auto w = start();
    MenuItem* own = w->findMenu("mnuTestSliksaobrsitsaponudjodg");
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(own->checked());
    EXPECT_FALSE(own->enabled());
    EXPECT_TRUE(w->findMenu("mnuTestRaskrsnice")->enabled());
    EXPECT_EQ(w->mnuTestKrajrada->caption(), "&Kraj rada                        Alt+F4");
    EXPECT_TRUE(w->mnuTestKrajrada->shortcut().isEmpty());
    EXPECT_EQ(w->mnuPitanjeOdredjenopitanje->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(w->mnuPodesavanjaGrafprprotvremena->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
    EXPECT_TRUE(w->vremerada->checked());
    EXPECT_FALSE(w->mnuPodesavanjaVremerada45minuta->checked());
    EXPECT_FALSE(w->mnuPodesavanjaZvuknakonnetacnogodg->checked());
    EXPECT_TRUE(w->mnuPodesavanjaPomocuprvomredu->checked());
}

} // namespace
} // namespace kviz
