// The multiple-choice text windows: drawing, answering, the demonstration's own step.
#include "app/window_switch.h"
#include "choice_text/frm_suva_pitanja_abcd.h"
#include "tests/support/menus.h"
#include "tests/support/user_input.h"
#include "tests/support/window_fixture.h"

namespace kviz {
namespace {

using testing::choiceBank;
using testing::click;
using testing::clickAt;
using testing::moveTo;
using testing::readBytes;

// Question q: a two-line text, answers a to c (d on odd questions), the right one b.
std::vector<std::string> textQuestion(int q) {
    std::vector<std::string> lines = {"Tekst pitanja broj " + std::to_string(q) +
                                          " koji zauzima vise od jednog reda,",
                                      "drugi red pitanja."};
    lines.push_back(" a) prvi ponudjeni odgovor");
    lines.push_back("*b) drugi ponudjeni odgovor");
    lines.push_back(" c) treci ponudjeni odgovor");
    if (q % 2 == 1)
        lines.push_back(" d) cetvrti ponudjeni odgovor");
    return lines;
}

class TextWindows : public testing::WindowFixture {
protected:
    void writeTextBank(const std::string& word, int questions) {
        std::vector<std::vector<std::string>> bank;
        for (int q = 1; q <= questions; ++q)
            bank.push_back(textQuestion(q));
        writeBank(word, word + ".pit", choiceBank(std::to_string(questions), bank, 73, 13));
    }
    template <typename Window> std::unique_ptr<TestWindow> open(int questions = 4) {
        auto w = std::make_unique<Window>(services());
        writeTextBank(std::string(w->test().testWord), questions);
        w->show();
        return w;
    }
};

TEST_F(TextWindows, ThirteenLinesWithoutAClosingRecord) {
    std::vector<std::string> full = {"Pitanje", " a) jedan", "*b) dva"};
    while (full.size() < 13)
        full.push_back("    nastavak");
    writeBank("ppomabcd", "ppomabcd.pit", choiceBank("1", {full}, 73, 13));
    frmSuvapitizPrvepomocisaponudjABCDodg w(services());
    w.show();
    EXPECT_EQ(drawn(w, DrawOp::Kind::Text).size(), 13u);
    EXPECT_EQ(drawn(w, DrawOp::Kind::Box).back().rect,
              QRectF(QPointF(0, 1320), QPointF(11740, 6800)));
}

TEST_F(TextWindows, AnswerAreaAndGoToZone) {
    auto w = open<frmSuvapitsaponudjABCDodgovorima>();
    clickAt(*w, {790, w->topA - 400.0}); // the go-to zone needs X above 790
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 0);
    clickAt(*w, {805, w->topA - 300.0}); // too close to the answers
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 0);
    clickAt(*w, {805, w->topA - 400.0});
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 1);
    clickAt(*w, {805, w->topB + 20.0}); // the answer area starts at X 790
    EXPECT_EQ(w->answerLetters[1], 'b');
    EXPECT_EQ(drawn(*w, DrawOp::Kind::Box).back().rect,
              QRectF(QPointF(810, w->topB + 10), QPointF(11740, w->topC - 10)));
}

TEST_F(TextWindows, HoverFrameEdges) {
    auto text = open<frmSuvapitsaponudjABCDodgovorima>();
    moveTo(*text, {11750, text->topA + 20.0});
    EXPECT_EQ(drawn(*text, DrawOp::Kind::Box).back().rect,
              QRectF(QPointF(790, text->topA), QPointF(11760, text->topB)));
    EXPECT_EQ(drawn(*text, DrawOp::Kind::Box).back().color, QColor(128, 128, 128));
    moveTo(*text, {11770, text->topA + 20.0});
    EXPECT_EQ(drawn(*text, DrawOp::Kind::Box).back().color, QColor(255, 255, 255));

    auto firstAid = open<frmSuvapitizPrvepomocisaponudjABCDodg>();
    moveTo(*firstAid, {11710, firstAid->topA + 20.0});
    EXPECT_EQ(drawn(*firstAid, DrawOp::Kind::Box).back().rect.right(), 11720);
    moveTo(*firstAid, {11730, firstAid->topA + 20.0});
    EXPECT_EQ(drawn(*firstAid, DrawOp::Kind::Box).back().color, QColor(255, 255, 255));
}

TEST_F(TextWindows, DemonstrationDrawsOneMoreQuestionBeforeItStops) {
    auto w = open<frmSuvapitsaponudjABCDodgovorima>(4);
    click(w->cmdBrziPregled);
    w->tmrTimer1_Timer(); // question 1 marked
    EXPECT_EQ(drawn(*w, DrawOp::Kind::Text).back().at, QPointF(230, w->topB + 4));
    clickAt(*w, {60, 3700}); // a stop request
    QStringList marked;      // the questions marked "DA" in the demonstration's grey look
    QObject::connect(&w->canvas(), &Canvas::changed, [&] {
        const DrawOp& last = w->canvas().log().back();
        if (w->quickReviewMode && last.kind == DrawOp::Kind::Text && last.text == "DA" &&
            !marked.contains(QString::number(w->questionIndex)))
            marked << QString::number(w->questionIndex);
    });
    w->tmrTimer1_Timer(); // question 2 drawn and marked, then the end
    EXPECT_EQ(marked, QStringList{"2"});
    EXPECT_FALSE(w->quickReviewMode);
    EXPECT_EQ(w->questionIndex, 1);
}

TEST_F(TextWindows, DemonstrationMarkWithoutACorrectAnswer) {
    writeBank("suvaabcd", "suvaabcd.pit",
              choiceBank("1", {{"Pitanje bez oznake", " a) jedan", " b) dva"}}, 73, 13));
    frmSuvapitsaponudjABCDodgovorima w(services());
    w.show();
    click(w.cmdBrziPregled);
    w.tmrTimer1_Timer();
    const DrawOp mark = drawn(w, DrawOp::Kind::Text).back();
    EXPECT_EQ(mark.text, "DA");
    EXPECT_NEAR(mark.at.y(), w.answersBottom, 0.5); // where the drawing ended
}

TEST_F(TextWindows, ClickOnTheHelpLineSwitchesItOff) {
    auto w = open<frmSuvapitizPrvepomocisaponudjABCDodg>();
    activate(*w);
    click(w->lblPomocuprvomredu);
    EXPECT_FALSE(w->helpLineOn);
    EXPECT_FALSE(w->mnuPodesavanjaPomocuprvomredu->checked());
    w->helpLineMovingRight = true;
    testing::chooseFromMenuBar(w->mnuPodesavanjaPomocuprvomredu);
    EXPECT_EQ(w->helpLineX, 3200);
    EXPECT_TRUE(w->helpLineMovingRight); // from the start, whatever the direction
}

TEST_F(TextWindows, EachWindowKeepsItsOwnProgress) {
    writeTextBank("suvaabcd", 3);
    writeTextBank("ppomabcd", 3);
    writeBank("ssitabcd", "ssitabcd.pit", choiceBank("1", {{"P", "*a) x", " b) y"}}));
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\nPERA\r\nMIKA\r\n");
    fakes.dialogs.answers = {"mika"};
    WindowHost windows(fakes.services());
    windows.start();
    click(windows.current()->imgtoolbar[1]); // text questions
    TestWindow* text = windows.current();
    EXPECT_EQ(text->test().testWord, "suvaabcd");
    text->cmbKandidat->setFocus();
    text->cmbKandidat->setText("MIKA");
    press(*text, Qt::Key_Return);
    click(text->imgtoolbar[1]); // its own image only beeps
    EXPECT_EQ(windows.current(), text);
    press(*text, Qt::Key_B);
    click(text->imgtoolbar[3]); // first aid
    TestWindow* firstAid = windows.current();
    EXPECT_EQ(firstAid->test().testWord, "ppomabcd");
    activate(*firstAid);
    firstAid->cmbKandidat->setFocus();
    firstAid->cmbKandidat->setText("MIKA");
    press(*firstAid, Qt::Key_Return);
    press(*firstAid, Qt::Key_A);
    testing::chooseFromMenuBar(firstAid->mnuTestKrajrada);
    EXPECT_EQ(readBytes(stateRoot() / "SUVAABCD" / "BrZadPit.3").substr(62, 2), "bT");
    EXPECT_EQ(readBytes(stateRoot() / "PPOMABCD" / "BrZadPit.3").substr(62, 2), "aN");
}

} // namespace
} // namespace kviz
