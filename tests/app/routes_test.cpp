// Every route between questions and into and out of a review or the demonstration, by real
// keys, clicks, toolbar images and menu items on each of the nine windows, on the sample banks:
// the question each leads to, whether a mode runs, and outside the modes where the focus is.
#include "app/window_switch.h"
#include "tests/support/held_key.h"
#include "tests/support/menus.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <functional>

namespace kviz {
namespace {

// The kinds of window, in the order of the expectation columns.
enum Kind { ChoicePicture, ChoiceText, TypedText, Junctions, FifteenSigns };

Kind kindOf(const TestDescriptor& test) {
    const bool picture = test.pictureRule != PictureRule::None;
    if (test.answerMode == AnswerMode::MultipleChoice)
        return picture ? ChoicePicture : ChoiceText;
    return !picture ? TypedText : test.testWord == "raskrsn" ? Junctions : FifteenSigns;
}

class Routes : public testing::WindowFixture, public ::testing::WithParamInterface<std::size_t> {
protected:
    Routes() {
        fakes.locations.program = KVIZ_SAMPLE_BANKS;
        writeCandidateList("NOVI KANDIDAT\r\nANA\r\nPERA\r\n");
        fakes.dialogs.answers = {"ana"};
        windows.start();
        if (GetParam() != 0) {
            windows.current()->TestItem_Click(GetParam());
            windows.dropRetired();
        }
    }
    WindowHost windows{fakes.services()};
};

// Each column says, for its kind of window, what the step leads to: the question (the task in
// the fifteen-signs window), "R" while a review runs and "D" while the demonstration does, and
// after "@" the control with the focus where it is not the kind's answer input. "-": the kind
// has no such route.
TEST_P(Routes, EveryRouteThroughRealEvents) {
    TestWindow& w = *windows.current();
    const Kind kind = kindOf(w.test());
    activate(w);
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        return [&w, k, m] { press(w, k, m); };
    };
    // Held for ten repeats; the test ticks by hand, so the window's own ticks wait meanwhile.
    const auto held = [&w](Qt::Key k) {
        return [&w, k] {
            w.tmrTimer1->setEnabled(false);
            testing::holdKey(*w.window(), k, 10);
            w.tmrTimer1->setEnabled(true);
        };
    };
    const auto click = [](Control* c) {
        return [c] { QTest::mouseClick(c->widget(), Qt::LeftButton); };
    };
    const auto clickTwice = [&w](Control* c) { // through the window, where Qt makes double clicks
        return [&w, c] {
            QTest::mouseDClick(w.window()->windowHandle(), Qt::LeftButton, {},
                               c->widget()->mapTo(w.window(), c->widget()->rect().center()));
        };
    };
    const auto menu = [](MenuItem* item) { return [item] { testing::chooseFromMenuBar(item); }; };
    const auto asking = [&](const char* answer, std::function<void()> act) {
        return [this, answer, act] {
            fakes.dialogs.answers = {answer};
            act();
        };
    };
    const auto tick = [&](std::function<void()> act) {
        return [&w, act] {
            act();
            w.tmrTimer1_Timer();
        };
    };
    // A place of the window's own surface, beside every control and zone: right of the answers
    // in the picture windows, in the left margin of the others.
    const QPointF besideUnits = kind == ChoicePicture ? QPointF(9000, 6600) : QPointF(60, 3700);
    const QPoint beside =
        w.surface()->mapTo(w.window(), w.canvas().pixelsFromUnits(besideUnits).toPoint());
    EXPECT_EQ(w.surface()->childAt(w.surface()->mapFrom(w.window(), beside)), nullptr);
    const auto onSurface = [&](Qt::MouseButton button, bool twice) {
        return [&w, beside, button, twice] {
            if (twice)
                QTest::mouseDClick(w.window()->windowHandle(), button, {}, beside);
            else
                QTest::mouseClick(w.window()->windowHandle(), button, {}, beside);
        };
    };
    Control* picture = nullptr;
    for (const char* name : {"picSlika", "imgslika", "imgSlika"})
        picture = picture != nullptr ? picture : w.findControl(name);
    const auto onPicture = [&](bool twice) {
        return [picture, twice] {
            if (twice)
                QTest::mouseDClick(picture->widget(), Qt::LeftButton);
            else
                QTest::mouseClick(picture->widget(), Qt::LeftButton);
        };
    };
    const auto onText = [&] {
        const double y = w.topA > 0 ? (1320 + w.topA - 360) / 2 : 1500;
        const QPointF units(kind == ChoicePicture ? 7000 : 900, std::max(y, 1400.0));
        QTest::mouseClick(
            w.window()->windowHandle(), Qt::LeftButton, {},
            w.surface()->mapTo(w.window(), w.canvas().pixelsFromUnits(units).toPoint()));
    };
    struct Step {
        const char* route;
        std::function<void()> act;
        std::array<const char*, 5> after; // by Kind
    };
    const Step steps[] = {
        {"PageDown", key(Qt::Key_PageDown), {"2", "2", "2", "2", "2"}},
        {"PageUp", key(Qt::Key_PageUp), {"1", "1", "1", "1", "1"}},
        {"Sledece pitanje", click(w.CmdSledecepitanje), {"2", "2", "2", "2", "2"}},
        {"Prethodno pitanje", click(w.CmdPrethodnopitanje), {"1", "1", "1", "1", "1"}},
        {"menu Sledece pitanje", menu(w.mnuPitanjeSledecepitanje), {"2", "2", "2", "2", "2"}},
        {"menu Prethodno pitanje", menu(w.mnuPitanjePrethodnopitanje), {"1", "1", "1", "1", "1"}},
        {"image 11", click(w.imgtoolbar[10]), {"2", "2", "2", "2", "2"}},
        {"image 10", click(w.imgtoolbar[9]), {"1", "1", "1", "1", "1"}},
        {"PageDown held", held(Qt::Key_PageDown), {"2", "2", "2", "2", "2"}},
        {"a double click on image 10", clickTwice(w.imgtoolbar[9]), {"1", "1", "1", "1", "1"}},
        {"a double click on image 11", clickTwice(w.imgtoolbar[10]), {"2", "2", "2", "2", "2"}},
        // The fifteen-signs window, of three tasks here, goes to a question's task and box; its
        // review and demonstration start at a task.
        {"Odredjeno pitanje, 6",
         asking("6", click(w.CmdOdredjenoPitanje)),
         {"6", "6", "6", "6", "1"}},
        {"F5, 3", asking("3", key(Qt::Key_F5)), {"3", "3", "3", "3", "1@txtOdgovor2"}},
        {"menu Odredjeno pitanje, 4",
         asking("4", menu(w.mnuPitanjeOdredjenopitanje)),
         {"4", "4", "4", "4", "1@txtOdgovor3"}},
        {"a click on Pitanje:, 2", asking("2", click(w.lblPitanje)),
         {"2", "2", "2", "2", "1@txtOdgovor1"}},
        {"image 12, 4", asking("4", click(w.imgtoolbar[11])), {"4", "4", "4", "4", "1"}},
        {"the question box, 5 and Enter",
         [&] {
             QTest::mouseClick(w.cmbPitanje->widget(), Qt::LeftButton);
             keys(w, "\b\b5\n");
         },
         {"5", "5", "5", "5", "1@txtOdgovor4"}},
        {"a click beside", onSurface(Qt::LeftButton, false), {"5", "5", "5", "5", "1@txtOdgovor4"}},
        {"a double click beside", onSurface(Qt::LeftButton, true), {"6", "6", "6", "6", "2"}},
        {"a right click", onSurface(Qt::RightButton, false), {"7", "7", "7", "7", "3"}},
        {"a click on the picture", onPicture(false), {"8", "-", "-", "7", "3"}},
        {"a double click on the picture", onPicture(true), {"8", "-", "-", "7", "1"}},
        {"Odredjeno pitanje, cancelled",
         asking("", click(w.CmdOdredjenoPitanje)),
         {"8", "7", "7", "7", "1"}},
        // A review: steps on by PageDown and a click, and a double click moves on only by its
        // first click; Esc returns to the question it left.
        {"F9", key(Qt::Key_F9), {"1R", "1R", "1R", "1R", "1R"}},
        {"PageDown in the review", key(Qt::Key_PageDown), {"2R", "2R", "2R", "2R", "2R"}},
        {"a click in the review", onSurface(Qt::LeftButton, false), {"3R", "3R", "3R", "3R", "3R"}},
        {"a double click in the review",
         onSurface(Qt::LeftButton, true),
         {"4R", "4R", "4R", "4R", "1R"}},
        {"a click on the picture in the review", onPicture(false), {"5R", "-", "-", "4R", "1R"}},
        {"Esc", key(Qt::Key_Escape), {"8", "7", "7", "7", "1"}},
        {"menu review from 1",
         menu(w.mnuPreglrespitanjaProd1pitdokraja),
         {"1R", "1R", "1R", "1R", "1R"}},
        {"PageDown held in it", held(Qt::Key_PageDown), {"2R", "2R", "2R", "2R", "2R"}},
        // PERA, chosen in the review, starts afresh; the review goes on where it was.
        {"image 17 in the review, PERA",
         asking("pera", click(w.imgtoolbar[16])),
         {"2R", "2R", "2R", "2R", "2R"}},
        {"Izlaz", click(w.cmdKrajrada), {"1", "1", "1", "1", "1"}},
        {"Ctrl+F9, 3",
         asking("3", key(Qt::Key_F9, Qt::ControlModifier)),
         {"3R", "3R", "3R", "3R", "3R"}},
        {"Esc", key(Qt::Key_Escape), {"1", "1", "1", "1", "1"}},
        {"menu review from a question, 2",
         asking("2", menu(w.mnuPregrespitPreglodzadpitdokr)),
         {"2R", "2R", "2R", "2R", "2R"}},
        {"Esc", key(Qt::Key_Escape), {"1", "1", "1", "1", "1"}},
        // The demonstration steps at each tick and ends at the tick after a stop request.
        {"Demo", click(w.cmdBrziPregled), {"1D", "1D", "1D", "1D", "1D"}},
        {"a tick", [&] { w.tmrTimer1_Timer(); }, {"2D", "2D", "2D", "2D", "2D"}},
        {"PageDown held in the demonstration",
         held(Qt::Key_PageDown),
         {"3D", "3D", "3D", "3D", "3D"}},
        {"a click in it, and a tick",
         tick(onSurface(Qt::LeftButton, false)),
         {"1", "1", "1", "1", "1"}},
        {"menu demonstration from a question, 3",
         asking("3", menu(w.mnuPregrespitBrzpregodzadpitdokr)),
         {"3D", "3D", "3D", "3D", "3D"}},
        {"a double click in it, and a tick",
         tick(onSurface(Qt::LeftButton, true)),
         {"1", "1", "1", "1", "1"}},
        {"menu demonstration from 1",
         menu(w.mnuPreglrespitBrziprod1pitdokr),
         {"1D", "1D", "1D", "1D", "1D"}},
        {"a right click in it, and a tick",
         tick(onSurface(Qt::RightButton, false)),
         {"1", "1", "1", "1", "1"}},
        {"Demo again", click(w.cmdBrziPregled), {"1D", "1D", "1D", "1D", "1D"}},
        {"a click on the picture in it, and a tick", tick(onPicture(false)),
         {"1", "-", "-", "2D", "2D"}},
        {"Esc in it, and a tick", tick(key(Qt::Key_Escape)), {"1", "1", "1", "1", "1"}},
        {"image 18 in a demonstration, and a tick",
         [&] {
             click(w.cmdBrziPregled)();
             tick(click(w.imgtoolbar[17]))();
         },
         {"1", "1", "1", "1", "1"}},
        // Above the answers the question's text asks where to go; the typed text asks nothing.
        // The first click after a right click in a demonstration is ignored.
        {"a click on the question's text", asking("9", onText), {"1", "1", "1", "-", "-"}},
        {"a click on the question's text, 9", asking("9", onText), {"9", "9", "1", "-", "-"}},
    };
    Control* const answerInput = w.findControl(
        kind == ChoicePicture || kind == ChoiceText ? "CmdSledecepitanje" : "txtOdgovor0");
    for (const Step& step : steps) {
        const std::string expected = step.after[kind];
        if (expected == "-")
            continue;
        SCOPED_TRACE(std::string(w.test().testWord) + ": " + step.route);
        step.act();
        const std::size_t at = expected.find('@');
        const std::string state = expected.substr(0, at);
        const char mode = state.back() == 'R' || state.back() == 'D' ? state.back() : ' ';
        EXPECT_EQ(w.questionIndex, std::stoi(state));
        EXPECT_EQ(w.reviewMode, mode == 'R');
        EXPECT_EQ(w.quickReviewMode, mode == 'D');
        if (mode == ' ') {
            Control* focused = w.focusedControl();
            EXPECT_EQ(focused != nullptr ? focused->name().toStdString() : "(none)",
                      at == std::string::npos ? answerInput->name().toStdString()
                                              : expected.substr(at + 1));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Routes, ::testing::Range<std::size_t>(0, 9),
                         [](const auto& info) {
                             return std::string(testCatalogue()[info.param].testWord);
                         });

} // namespace
} // namespace kviz
