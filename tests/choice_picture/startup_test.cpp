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

// The modes off, the help line on, the time and the counts at zero: the snapshots.
TEST_F(Startup, WindowVariablesAfterTheLoad) {
    writeDefaultBank();
    auto w = start();
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(w->questionCount, 2);
    EXPECT_FALSE(w->stopRequested);
    EXPECT_EQ(w->helpLineX, 3000);
    EXPECT_EQ(w->workStartTime, fakes.clock.now);
    EXPECT_EQ(w->answerLetters.size(), 3u);
    EXPECT_EQ(w->answerLetters[1], '\0');
    EXPECT_TRUE(w->keyPreview);
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
    EXPECT_EQ(w->correctLetter, "b");
    EXPECT_EQ(w->topA, static_cast<int>(lines[2].at.y() - 8 + 0.5));
    EXPECT_GT(w->topB, w->topA);
    EXPECT_GT(w->topC, w->topB);
    EXPECT_EQ(w->topD, 0);
    EXPECT_GT(w->textBottom, w->topC);
    EXPECT_EQ(w->answersBottom, w->textBottom);
    EXPECT_TRUE(w->firstAttemptOpen);
    EXPECT_FALSE(w->answerGiven);
    EXPECT_TRUE(w->countOnLeave);
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
    EXPECT_EQ(lines.back().at, QPointF(6090, w->topB + 4));
    EXPECT_TRUE(w->answerGiven);
    EXPECT_TRUE(w->answerCorrect);
    EXPECT_FALSE(w->firstAttemptOpen);
    EXPECT_FALSE(w->countOnLeave);

    w->answerLetters[1] = 'c';
    w->resultLetters[1] = ' ';
    w->ShowQuestion();
    lines = texts(*w);
    EXPECT_EQ(lines.back().text, "NE");
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
    EXPECT_FALSE(w->firstAttemptOpen);
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

} // namespace
} // namespace kviz
