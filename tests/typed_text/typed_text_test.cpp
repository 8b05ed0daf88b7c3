// The typed-answer text windows: the cloze line, judging as it is typed, the verdict, counting,
// progress rows, review and demonstration.
#include "tests/support/menus.h"
#include "tests/support/user_input.h"
#include "tests/support/window_fixture.h"
#include "typed_text/frm_typed_text.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

namespace kviz {
namespace {

using testing::choiceBank;
using testing::click;
using testing::clickAt;
using testing::readBytes;

// Question q: the answer "abc" (question 1) or "q<q>" on its third line.
std::vector<std::string> clozeQuestion(int q) {
    const std::string answer = q == 1 ? "abc" : "q" + std::to_string(q);
    return {"Pitanje broj " + std::to_string(q) + " glasi:", "",
            "Tacan odgovor je *" + answer + "* i nista drugo.", ""};
}

class TypedText : public testing::WindowFixture {
protected:
    std::unique_ptr<TypedTextWindow> open(int questions = 3, bool firstAid = false) {
        std::vector<std::vector<std::string>> bank;
        for (int q = 1; q <= questions; ++q)
            bank.push_back(clozeQuestion(q));
        writeBank(firstAid ? "ppomodg" : "suvaodg", firstAid ? "ppomodg.pit" : "suvaodg.pit",
                  choiceBank(std::to_string(questions), bank, 73, 13));
        // The start-up window has made the progress folders.
        std::filesystem::create_directories(stateRoot() / (firstAid ? "PPOMODG" : "SUVAODG"));
        std::unique_ptr<TypedTextWindow> w;
        if (firstAid)
            w = std::make_unique<frmPrvaPomocpitanjasaunosenjemodgovora>(services());
        else
            w = std::make_unique<frmSuvapitanjasaunosenjemodgovora>(services());
        w->show();
        return w;
    }
    static void type(TypedTextWindow& w, const QString& text) {
        testing::retype(w.txtOdgovor[0], text);
    }
    static char result(TypedTextWindow& w, int q) {
        return w.resultLetters[static_cast<std::size_t>(q)];
    }
    // The verdict texts on the surface.
    static QStringList verdicts(TypedTextWindow& w) {
        QStringList out;
        for (const DrawOp& op : texts(w))
            if (op.fontName == "MS Serif")
                out << op.text;
        return out;
    }
};

TEST_F(TypedText, TheBoxLiesOverTheGap) {
    auto w = open();
    EXPECT_EQ(w->clozeAnswer, "abc");
    auto lines = texts(*w);
    ASSERT_GE(lines.size(), 3u);
    // The box starts on the pixel where the first star is printed and spans the stars and the
    // answer; the verdicts stand 50 units right of its left edge.
    w->canvas().setFont(kSansSerif, 12, true);
    const double starX = 790 + w->canvas().textWidth("Tacan odgovor je ");
    const double boxLeft = w->txtOdgovor[0]->left() / 0.784221;
    EXPECT_LE(boxLeft, starX + 0.7);
    EXPECT_GT(boxLeft, starX - 15 / 0.784221); // less than a pixel before it
    EXPECT_NEAR(w->txtOdgovor[0]->top() / 0.817635, lines[2].at.y() - 8, 1.5);
    EXPECT_NEAR(w->verdictX, boxLeft + 50, 0.01);
}

TEST_F(TypedText, JudgedOnEveryKeyRelease) {
    auto w = open();
    struct Case {
        const char* typed;
        std::string stored;
        char result;
    };
    const Case cases[] = {
        {"abc", "abc", 'T'},   {"Abc", "Abc", 'N'}, {" abc", " abc", 'N'},
        {"abc ", "abc ", 'N'}, {"x", "x ", 'N'},
    };
    for (const auto& c : cases) {
        type(*w, c.typed);
        EXPECT_EQ(w->typedAnswers[1], c.stored) << c.typed;
        EXPECT_EQ(result(*w, 1), c.result) << c.typed;
    }
    type(*w, ""); // emptied: the result stays
    EXPECT_EQ(w->typedAnswers[1], "");
    EXPECT_EQ(result(*w, 1), 'N');
    EXPECT_FALSE(w->answerGiven);

    w->StoreAnswerAndShowNext();
    type(*w, " "); // a blank alone is nothing typed
    EXPECT_EQ(w->typedAnswers[2], "");
    EXPECT_EQ(result(*w, 2), '\0');
}

TEST_F(TypedText, VerdictWhenTheButtonTakesTheFocus) {
    auto w = open();
    w->CmdSledecepitanje->setFocus(); // never typed into: nothing
    EXPECT_NE(texts(*w).back().text, "NE");
    type(*w, "Abc");
    w->CmdSledecepitanje->setFocus();
    auto marks = texts(*w);
    EXPECT_EQ(marks[marks.size() - 2].text, "NE");
    EXPECT_EQ(marks[marks.size() - 2].at, QPointF(w->verdictX, w->verdictY - 750));
    EXPECT_EQ(marks.back().text, "abc");
    EXPECT_EQ(marks.back().at, QPointF(w->verdictX, w->verdictY));
    type(*w, "abc"); // the change wipes the verdict
    w->CmdSledecepitanje->setFocus();
    EXPECT_EQ(texts(*w).back().text, "DA");
}

TEST_F(TypedText, AnAnswerGivenByTheBoxsMenuIsJudged) {
    auto w = open(2);
    activate(*w);
    QApplication::clipboard()->setText("abc");
    QWidget* box = w->txtOdgovor[0]->widget();
    ASSERT_TRUE(testing::chooseFromBoxMenu(box, "Nalepi"));
    EXPECT_EQ(result(*w, 1), 'T');
    // Taken back by the menu, the answer is right no more.
    ASSERT_TRUE(testing::chooseFromBoxMenu(box, "Izaberi sve"));
    ASSERT_TRUE(testing::chooseFromBoxMenu(box, "Obrisi"));
    EXPECT_EQ(result(*w, 1), 'N');
    ASSERT_TRUE(testing::chooseFromBoxMenu(box, "Nalepi"));
    click(w->CmdSledecepitanje);
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->typedAnswers[1], "abc");
}

TEST_F(TypedText, CountsAreThoseOfTheStoredVerdicts) {
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
    fakes.dialogs.answers = {"ana"};
    auto w = open(3);
    activate(*w);
    auto counts = [&] {
        return std::make_pair(basKvizomat.answeredCount, basKvizomat.correctCount);
    };
    keys(*w, " "); // a blank is no answer
    press(*w, Qt::Key_PageDown);
    EXPECT_EQ(counts(), std::make_pair(0, 0));
    keys(*w, "q2\n"); // "DA", then an edit without another verdict; counted when left
    EXPECT_EQ(counts(), std::make_pair(0, 0));
    press(*w, Qt::Key_Tab, Qt::ShiftModifier);
    keys(*w, "x");
    press(*w, Qt::Key_PageDown);
    EXPECT_EQ(counts(), std::make_pair(1, 0));
    press(*w, Qt::Key_PageUp);
    press(*w, Qt::Key_PageUp);
    keys(*w, "abc\n\n"); // question 1 answered at last, the verdict, and on
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(counts(), std::make_pair(2, 1));
    press(*w, Qt::Key_PageDown);
    keys(*w, "q3"); // right, on screen when the work is saved: in the file, not the header
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 2");
    EXPECT_EQ(w->lblOcenaPolozioNijepolozio->caption(), "Ocena: NIJE POLOZIO(50%)");
    w->SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "SUVAODG" / "BrZadPit.1"),
              "3 Broj zadnjeg pitanja\r\n3 Ukupno odgovora\r\n2 Tacnih odgovora\r\n"
              "abcT\r\nxN\r\nq3T\r\n");
}

// A name given later keeps the candidate's first attempts, her typed text with her verdict; the
// answer being typed stays open, and counts once it is left.
TEST_F(TypedText, ANameGivenLaterKeepsHerTypedAnswers) {
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
    fakes.dialogs.answers = {""};
    auto w = open(3);
    testing::writeBytes(stateRoot() / "SUVAODG" / "BrZadPit.1",
                        std::string("1 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n"
                                    "1 Tacnih odgovora\r\nabcT\r\n\0\r\n\0\r\n",
                                    75));
    activate(*w);
    keys(*w, "x\n\nq"); // question 1 wrong and left, question 2 being typed
    fakes.dialogs.answers = {"ana"};
    testing::chooseFromMenuBar(w->mnuKandidat);
    EXPECT_EQ(w->typedAnswers[1], "abc");
    EXPECT_EQ(result(*w, 1), 'T');
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "q");
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 1");
    keys(*w, "2\n\n");
    EXPECT_EQ(w->lblUkupnoodgovora->caption(), "Ukupno odgovora: 2");
    EXPECT_EQ(w->lblTacnihodgovora->caption(), "Tacnih odgovora: 2");
}

// Another window of the program, or a setting that redraws the question, leaves the answer
// being typed as it stands.
TEST_F(TypedText, AnotherWindowLeavesTheAnswerBeingTyped) {
    for (bool firstAid : {false, true})
        for (Qt::Key key : {Qt::Key_F1, Qt::Key_F4, Qt::Key_F8, Qt::Key_F12}) {
            auto w = open(3, firstAid);
            activate(*w);
            keys(*w, "ab");
            press(*w, key);
            EXPECT_TRUE(verdicts(*w).isEmpty()) << key << firstAid; // nothing judged or shown
            EXPECT_EQ(w->txtOdgovor[0]->text(), "ab") << key << firstAid;
            EXPECT_EQ(w->focusedControl(), w->txtOdgovor[0]) << key << firstAid;
            keys(*w, "c\n"); // still open, and judged on Enter
            EXPECT_EQ(result(*w, 1), 'T') << key << firstAid;
            EXPECT_EQ(verdicts(*w), QStringList{"DA"}) << key << firstAid;
        }
    // The help box and About; the results table only beeps, as nothing was left yet.
    EXPECT_EQ(fakes.dialogs.calls.size(), 4u);
}

// Pixels in which two pictures of the surface differ.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

TEST_F(TypedText, AWipedVerdictLeavesTheQuestionAsItWasDrawn) {
    // The gap at the start of its line: the answer shown below it stands over the "(" two lines
    // further down, and "DA" over the end of the line above.
    writeBank("suvaodg", "suvaodg.pit",
              choiceBank("1",
                         {{"Na kojoj strani sveta je podne kad je Sunce najvise, a kako se zove",
                           "pravac koji je sa leve strane kad se gleda ka severu?",
                           "*zapad* je pravac.", "", "(Upisite rec.)"}},
                         73, 13));
    std::filesystem::create_directories(stateRoot() / "SUVAODG");
    frmSuvapitanjasaunosenjemodgovora w(services());
    w.show();
    const QImage question = w.canvas().image().copy();
    for (const char* typed : {"jug", "zapad"}) { // "NE" with the answer below, then "DA"
        type(w, typed);
        w.CmdSledecepitanje->setFocus();
        ASSERT_GT(differingPixels(w.canvas().image(), question), 0) << typed;
        type(w, "x"); // the change wipes the verdict
        EXPECT_EQ(differingPixels(w.canvas().image(), question), 0) << typed;
    }
}

TEST_F(TypedText, TheBoxHidesBothStarsOfTheGap) {
    std::vector<std::vector<std::string>> bank;
    const char* answers[] = {"5", "ab", "130", "levo", "km/h", "zapad"};
    for (int q = 0; q < 6; ++q) // prefixes of different widths put the gap at other fractions
        bank.push_back({"Pitanje", "",
                        "Odgovor" + std::string(static_cast<std::size_t>(q), 'i') + " je *" +
                            answers[q] + "* ovde."});
    writeBank("suvaodg", "suvaodg.pit", choiceBank("6", bank, 73, 13));
    std::filesystem::create_directories(stateRoot() / "SUVAODG");
    frmSuvapitanjasaunosenjemodgovora w(services());
    w.show();
    for (int q = 1; q <= 6; ++q) {
        w.questionIndex = q;
        w.ShowQuestion();
        const QImage& image = w.canvas().image();
        const qreal ratio = image.devicePixelRatio();
        const QRect box = w.txtOdgovor[0]->widget()->geometry();
        // Blanks stand before and after the stars: right beside the box the line is white.
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x : {box.left() - 1, box.right() + 1})
                EXPECT_EQ(image.pixelColor(QPoint(x, y) * ratio), QColor(Qt::white))
                    << "question " << q << " at " << x << ", " << y;
    }
}

TEST_F(TypedText, HeaderShowsTheLongestTextsWhole) {
    for (bool firstAid : {false, true}) {
        auto w = open(3, firstAid);
        const std::pair<Control*, QString> cases[] = {
            {w->lblUkupnoodgovora, "Ukupno odgovora: 9999"},
            {w->lblTacnihodgovora, "Tacnih odgovora: 9999"},
            {w->lblOcenaPolozioNijepolozio, "Ocena: NIJE POLOZIO(100%)"},
            {w->lblPitanje2, "32767."},
        };
        for (const auto& [control, text] : cases) {
            static_cast<Label*>(control)->setCaption(text);
            EXPECT_GE(control->widget()->width(),
                      QFontMetrics(control->widget()->font()).horizontalAdvance(text))
                << control->name().toStdString() << (firstAid ? " first aid" : "");
        }
        w->cmbKandidat->setText(QString(20, 'W'));
        EXPECT_GE(
            w->cmbKandidat->comboBox()->lineEdit()->width(),
            QFontMetrics(w->cmbKandidat->widget()->font()).horizontalAdvance(QString(20, 'W')) + 4);
    }
}

TEST_F(TypedText, ProgressRowsRoundTrip) {
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
    fakes.dialogs.answers = {"ana"};
    {
        auto w = open(3);
        w->ShowNextQuestion();
        type(*w, "x");             // one letter on question 2,
        w->ShowPreviousQuestion(); // left by the previous-question button
        w->SaveSession();
    }
    EXPECT_EQ(readBytes(stateRoot() / "SUVAODG" / "BrZadPit.1"),
              std::string("1 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n0 Tacnih odgovora\r\n"
                          "\0\r\nx N\r\n\0\r\n",
                          73));
    startProgramAgain();
    fakes.dialogs.answers = {"ana"};
    auto w = open(3);
    EXPECT_EQ(result(*w, 1), '\0');
    w->ShowNextQuestion();
    EXPECT_EQ(w->typedAnswers[2], "x ");
    EXPECT_EQ(result(*w, 2), 'N');
    EXPECT_EQ(w->txtOdgovor[0]->text(), "x");
    EXPECT_EQ(texts(*w).back().text, "q2"); // "NE" and the expected answer
}

TEST_F(TypedText, ResetLeavesBlankResults) {
    writeCandidateList("NOVI KANDIDAT\r\nANA\r\n");
    fakes.dialogs.answers = {"ana"};
    auto w = open(2);
    type(*w, "abc");
    w->StoreAnswerAndShowNext();
    fakes.dialogs.answers = {"DA"};
    click(w->cmdReset);
    EXPECT_EQ(result(*w, 1), ' ');
    EXPECT_EQ(w->typedAnswers[1], "");
    w->CmdSledecepitanje->setFocus(); // after a reset an empty box gets "NE" and the answer
    EXPECT_EQ(texts(*w).back().text, "q2");
    w->StoreAnswerAndShowNext();
    EXPECT_EQ(basKvizomat.answeredCount, 0);
    w->SaveSession();
    EXPECT_EQ(readBytes(stateRoot() / "SUVAODG" / "BrZadPit.1").substr(62), " \r\n \r\n");
}

TEST_F(TypedText, DemonstrationShowsTheAnswersInADisabledBox) {
    auto w = open(3, true);
    w->mnuPodesavanjaPojavokviraokoodg->setChecked(true);
    click(w->cmdBrziPregled);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "abc"); // the box locked and the verdict: the snapshots
    for (int q = 2; q <= 3; ++q) {              // on by itself, or by the next-question image
        q == 2 ? w->tmrTimer1_Timer() : click(w->imgtoolbar[10]);
        EXPECT_EQ(w->txtOdgovor[0]->text(), QString("q%1").arg(q));
    }
    w->tmrTimer1_Timer();
    EXPECT_FALSE(w->quickReviewMode);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "");
    EXPECT_FALSE(w->mnuPodesavanjaPojavokviraokoodg->checked()); // not brought back here
    for (int q = 1; q <= 3; ++q) {
        EXPECT_EQ(w->typedAnswers[static_cast<std::size_t>(q)], "") << q; // nothing stored
        EXPECT_EQ(result(*w, q), '\0') << q;
    }
    EXPECT_EQ(basKvizomat.answeredCount, 0);
}

TEST_F(TypedText, ReviewShowsTheStoredAnswersAndAClickMovesOn) {
    auto w = open(3);
    type(*w, "abc");
    w->StoreAnswerAndShowNext();
    click(w->cmdPregled); // the question greyed, the box locked, the verdict: the snapshots
    EXPECT_EQ(w->txtOdgovor[0]->text(), "abc");
    clickAt(*w, {60, 3700});
    EXPECT_EQ(w->questionIndex, 2);
    click(w->cmdKrajrada);
    EXPECT_EQ(w->questionIndex, 2);
}

TEST_F(TypedText, ClicksOnlyHitTheHotZones) {
    auto w = open(3);
    clickAt(*w, {900, 2000}); // the question text: nothing
    EXPECT_EQ(fakes.dialogs.calls.size(), 0u);
    EXPECT_EQ(w->questionIndex, 1);
    // The clock zone lies under the toolbar strip: the clock takes the click, then the strip.
    clickAt(*w, {9947, 40});
    EXPECT_FALSE(w->lblTekucevreme->visible());
    clickAt(*w, {9947, 40});
    EXPECT_FALSE(w->lblTekucevreme->visible());
    // A right click moves on, and the click it leaves behind is spent doing nothing.
    activate(*w);
    clickAt(*w, {60, 3700}, Qt::RightButton);
    EXPECT_EQ(w->questionIndex, 2);
    EXPECT_EQ(w->clickMarker, 0);
}

TEST_F(TypedText, EnterWalksFromTheBoxToTheVerdictAndOn) {
    auto w = open(1); // on from the only question is back to it
    activate(*w);
    ASSERT_EQ(w->focusedControl(), w->txtOdgovor[0]);
    QTest::keyClicks(w->txtOdgovor[0]->widget(), "abc");
    EXPECT_EQ(result(*w, 1), 'T');
    QTest::keyClick(w->txtOdgovor[0]->widget(), Qt::Key_Return);
    EXPECT_EQ(fakes.keystrokes.tabs, 1);
    EXPECT_EQ(w->focusedControl(), w->CmdSledecepitanje);
    EXPECT_EQ(verdicts(*w), QStringList{"DA"});
    QTest::keyClick(w->CmdSledecepitanje->widget(), Qt::Key_Return); // presses the button
    EXPECT_EQ(fakes.keystrokes.tabs, 1);
    EXPECT_EQ(fakes.beeper.count, 1);
    EXPECT_FALSE(w->firstAttemptOpen); // shown again as answered, with its verdict
    EXPECT_EQ(verdicts(*w), QStringList{"DA"});
    EXPECT_EQ(w->focusedControl(), w->txtOdgovor[0]);
}

TEST_F(TypedText, ANewCandidateStartsWithEmptyBoxes) {
    auto w = open(3);
    fakes.dialogs.answers = {"ana"};
    activate(*w);
    testing::chooseFromMenuBar(w->mnuKandidat);
    type(*w, "abc");
    w->StoreAnswerAndShowNext();
    type(*w, "q2");
    fakes.dialogs.answers = {"pera"}; // toolbar image 17
    click(w->imgtoolbar[16]);
    EXPECT_EQ(w->questionIndex, 1);
    EXPECT_EQ(w->txtOdgovor[0]->text(), "");
    w->StoreAnswerAndShowNext();
    w->SaveSession();
    const std::string pera = readBytes(stateRoot() / "SUVAODG" / "BrZadPit.2");
    EXPECT_EQ(pera.find("abc"), std::string::npos);
    EXPECT_EQ(pera.find("q2"), std::string::npos);
}

} // namespace
} // namespace kviz
