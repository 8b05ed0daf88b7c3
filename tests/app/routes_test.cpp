// Every route between questions and into and out of a review or the demonstration, by real
// keys, clicks, toolbar images and menu items on each of the nine windows, on the sample banks:
// the question each leads to, whether a mode runs, and outside the modes where the focus is.
#include "tests/support/held_key.h"
#include "tests/support/menus.h"
#include "tests/support/program_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <QWheelEvent>
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

using Routes = testing::ProgramFixture;

// Each column says, for its kind of window, what the user sees and hears after the step: the
// number in the question box and over the question (in the fifteen-signs window the task, whose
// first question is over it, while the box shows the question of the box with the focus), "R"
// while a review runs and "D" while the demonstration does, "!" for a beep, after a blank the
// verdict shown, and after "@" the control with the focus where it is not the one the mode gives
// it. The help line and the caption of the last button follow from the mode; a step opens the
// dialogs it answers and no others. "-": the kind has no such route.
TEST_P(Routes, EveryRouteThroughRealEvents) {
    fakes.locations.program = KVIZ_SAMPLE_BANKS;
    startOnRow();
    TestWindow& w = *windows.current();
    const Kind kind = kindOf(w.test());
    activate(w);
    w.tmrTimer1->setEnabled(false); // the steps tick by hand, however long a step takes
    QWindow* const window = w.window()->windowHandle();
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        return [&w, k, m] { press(w, k, m); };
    };
    const auto alt = [&w, window](Qt::Key k) {
        return [&w, window, k] { // a button shows itself pressed a moment before it acts
            QTest::keyClick(window, k, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&w] {
                for (auto* button : w.window()->findChildren<QAbstractButton*>())
                    if (button->isDown())
                        return false;
                return true;
            }));
        };
    };
    // Tab or Shift+Tab until "Sledece pitanje" has the focus, then Enter on it.
    const auto tabToNext = [&w](Qt::Key tab) {
        return [&w, tab] {
            for (int i = 0;
                 i < 30 && (i == 0 || QApplication::focusWidget() != w.CmdSledecepitanje->widget());
                 ++i)
                press(w, tab, tab == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            press(w, Qt::Key_Return);
        };
    };
    const auto held = [&w](Qt::Key k) { return [&w, k] { testing::holdKey(*w.window(), k, 10); }; };
    // Clicks through the window, where Qt makes double clicks, at a place of a control given as
    // a share of its width and height.
    const auto clickAt = [&w, window](Control* c, bool twice, double x = 0.5, double y = 0.5) {
        return [&w, window, c, twice, x, y] {
            QWidget* widget = c->widget();
            const QPoint at =
                widget->mapTo(w.window(), QPoint(static_cast<int>((widget->width() - 1) * x),
                                                 static_cast<int>((widget->height() - 1) * y)));
            QTest::mouseMove(window, at);
            if (twice)
                QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            else
                QTest::mouseClick(window, Qt::LeftButton, {}, at);
        };
    };
    const auto click = [&](Control* c) { return clickAt(c, false); };
    const auto wheel = [](QWidget* widget) {
        return [widget] {
            const QPointF at = QRectF(widget->rect()).center();
            QWheelEvent down(at, widget->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                             Qt::NoScrollPhase, false);
            QApplication::sendEvent(widget, &down);
        };
    };
    const auto menu = [](MenuItem* item) { return [item] { testing::chooseFromMenuBar(item); }; };
    int answersGiven = 0; // the dialogs the step is to open
    const auto asking = [&](const char* answer, std::function<void()> act) {
        return [this, &answersGiven, answer, act] {
            fakes.dialogs.answers = {answer};
            ++answersGiven;
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
        return [window, beside, button, twice] {
            if (twice)
                QTest::mouseDClick(window, button, {}, beside);
            else
                QTest::mouseClick(window, button, {}, beside);
        };
    };
    Control* picture = nullptr;
    for (const char* name : {"picSlika", "imgslika", "imgSlika"})
        picture = picture != nullptr ? picture : w.findControl(name);
    const auto onText = [&] {
        const double y = w.topA > 0 ? (1320 + w.topA - 360) / 2 : 1500;
        const QPointF units(kind == ChoicePicture ? 7000 : 900, std::max(y, 1400.0));
        QTest::mouseClick(
            window, Qt::LeftButton, {},
            w.surface()->mapTo(w.window(), w.canvas().pixelsFromUnits(units).toPoint()));
    };
    const auto last = [&] {
        ++answersGiven;
        fakes.dialogs.answers = {
            QString::number(w.questionCount * (kind == FifteenSigns ? 15 : 1))};
        press(w, Qt::Key_F5);
    };
    Control* const numberLabel =
        w.findControl(kind == FifteenSigns ? "lblPitanje2_0" : "lblPitanje2");
    struct Step {
        const char* route;
        std::function<void()> act;
        std::array<const char*, 5> after; // by Kind
    };
    const Step steps[] = {
        {"PageDown", key(Qt::Key_PageDown), {"2", "2", "2", "2", "2"}},
        {"PageUp", key(Qt::Key_PageUp), {"1", "1", "1", "1", "1"}},
        {"Esc outside the modes", key(Qt::Key_Escape), {"1", "1", "1", "1", "1"}},
        {"Sledece pitanje", click(w.CmdSledecepitanje), {"2", "2", "2", "2", "2"}},
        {"Prethodno pitanje", click(w.CmdPrethodnopitanje), {"1", "1", "1", "1", "1"}},
        {"menu Sledece pitanje", menu(w.mnuPitanjeSledecepitanje), {"2", "2", "2", "2", "2"}},
        {"menu Prethodno pitanje", menu(w.mnuPitanjePrethodnopitanje), {"1", "1", "1", "1", "1"}},
        {"image 11", click(w.imgtoolbar[10]), {"2", "2", "2", "2", "2"}},
        {"image 10", click(w.imgtoolbar[9]), {"1", "1", "1", "1", "1"}},
        {"PageDown held", held(Qt::Key_PageDown), {"2", "2", "2", "2", "2"}},
        {"a double click on image 10", clickAt(w.imgtoolbar[9], true), {"1", "1", "1", "1", "1"}},
        {"a double click on image 11", clickAt(w.imgtoolbar[10], true), {"2", "2", "2", "2", "2"}},
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
        {"a click on the picture", click(picture), {"8", "-", "-", "7", "3"}},
        {"a double click on the picture", clickAt(picture, true), {"9", "-", "-", "7", "1!"}},
        {"Odredjeno pitanje, cancelled",
         asking("", click(w.CmdOdredjenoPitanje)),
         {"9", "7", "7", "7", "1"}},
        {"a wrong answer, Enter in the typed box", [&] { keys(w, "99\n"); }, {"-", "-", "7 NE@CmdSledecepitanje", "7@txtOdgovor1", "1@txtOdgovor1"}},
        {"a click on the question number, 3", asking("3", click(numberLabel)), {"3", "3", "3", "3", "1@txtOdgovor2"}},
        {"F5, 1", asking("1", key(Qt::Key_F5)), {"1", "1", "1", "1", "1"}},
        {"PageUp on question 1", key(Qt::Key_PageUp), {"1!", "1!", "1!", "1!", "1!"}},
        {"the scroll bar's lower arrow", clickAt(w.VScrollzapitanje, false, 0.5, 0.99), {"2", "2", "2", "2", "2"}},
        {"the scroll bar below its thumb", clickAt(w.VScrollzapitanje, false, 0.5, 0.8), {"3", "3", "3", "3", "3"}},
        {"the scroll bar's upper arrow", clickAt(w.VScrollzapitanje, false, 0.5, 0.01), {"2", "2", "2", "2", "2"}},
        {"the wheel over the scroll bar", wheel(w.VScrollzapitanje->widget()), {"3", "3", "3", "3", "3"}},
        {"the wheel over the window", wheel(w.surface()), {"3", "3", "3", "3", "3"}},
        {"Tab onto Sledece pitanje, Enter", tabToNext(Qt::Key_Tab), {"4", "4", "4", "4", "1! 17"}},
        {"Shift+Tab onto Sledece pitanje, Enter", tabToNext(Qt::Key_Backtab), {"5", "5", "5", "5", "2"}},
        {"Alt+S", alt(Qt::Key_S), {"6", "6", "6", "6", "3"}},
        {"Alt+P", alt(Qt::Key_P), {"5", "5", "5", "5", "2"}},
        {"Alt+O, 7", asking("7", alt(Qt::Key_O)), {"7", "7", "7 NE", "7 NE", "1 17"}},
        {"PageDown past the last question", [&] { last(); press(w, Qt::Key_PageDown); }, {"1!", "1!", "1!", "1!", "1! 17"}},
        {"Pregled", click(w.cmdPregled), {"1R", "1R", "1R", "1R", "1R 17"}},
        {"PageUp in the review", key(Qt::Key_PageUp), {"1R!", "1R!", "1R!", "1R!", "1R! 17"}},
        {"a right click in the review", onSurface(Qt::RightButton, false), {"2R", "2R", "2R", "2R", "2R"}},
        {"letters in the review", [&] { keys(w, "a5"); }, {"2R", "2R", "2R", "2R", "2R"}},
        {"image 15 in the review", click(w.imgtoolbar[14]), {"1D", "1D", "1D DA", "1D DA", "1D DA"}},
        {"letters in the demonstration", [&] { keys(w, "a5"); }, {"1D", "1D", "1D DA", "1D DA", "1D DA"}},
        {"image 14 in the demonstration", click(w.imgtoolbar[13]), {"1R", "1R", "1R@cmdKrajrada", "1R@cmdKrajrada", "1R 17@cmdKrajrada"}},
        {"Alt+I", alt(Qt::Key_I), {"1", "1", "1", "1", "1 17"}},
        {"image 15", click(w.imgtoolbar[14]), {"1D", "1D", "1D DA", "1D DA", "1D DA"}},
        {"image 17 in the demonstration, ANA", asking("ana", click(w.imgtoolbar[16])), {"1D", "1D", "1D DA", "1D DA", "1D DA"}},
        {"a tick", [&] { w.tmrTimer1_Timer(); }, {"1D DA", "1D DA", "2D DA", "2D DA", "2D DA"}},
        {"Esc, and a tick", tick(key(Qt::Key_Escape)), {"1", "1", "1", "1", "1 17"}},
        // A review: steps on by PageDown and a click, and a double click moves on only by its
        // first click; Esc returns to the question it left.
        {"F9", key(Qt::Key_F9), {"1R", "1R", "1R", "1R", "1R 17"}},
        {"PageDown in the review", key(Qt::Key_PageDown), {"2R", "2R", "2R", "2R", "2R"}},
        {"a click in the review", onSurface(Qt::LeftButton, false), {"3R", "3R", "3R", "3R", "3R"}},
        {"a double click in the review",
         onSurface(Qt::LeftButton, true),
         {"4R", "4R", "4R", "4R", "1R! 17"}},
        {"a click on the picture in the review", click(picture), {"5R", "-", "-", "4R", "1R 17"}},
        {"Esc", key(Qt::Key_Escape), {"1", "1", "1", "1", "1 17"}},
        {"menu review from 1",
         menu(w.mnuPreglrespitanjaProd1pitdokraja),
         {"1R", "1R", "1R", "1R", "1R 17"}},
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
        {"Demo", click(w.cmdBrziPregled), {"1D", "1D", "1D DA", "1D DA", "1D DA"}},
        {"a tick", [&] { w.tmrTimer1_Timer(); }, {"1D DA", "1D DA", "2D DA", "2D DA", "2D DA"}},
        {"PageDown held in the demonstration",
         held(Qt::Key_PageDown),
         {"3D", "3D", "3D DA", "3D DA", "3D DA"}},
        {"a click in it, and a tick",
         tick(onSurface(Qt::LeftButton, false)),
         {"1", "1", "1", "1", "1"}},
        {"menu demonstration from a question, 3",
         asking("3", menu(w.mnuPregrespitBrzpregodzadpitdokr)),
         {"3D", "3D", "3D DA", "3D DA", "3D DA"}},
        {"a double click in it, and a tick",
         tick(onSurface(Qt::LeftButton, true)),
         {"1", "1", "1", "1", "1"}},
        {"menu demonstration from 1",
         menu(w.mnuPreglrespitBrziprod1pitdokr),
         {"1D", "1D", "1D DA", "1D DA", "1D DA"}},
        {"a right click in it, and a tick",
         tick(onSurface(Qt::RightButton, false)),
         {"1", "1", "1", "1", "1"}},
        {"Demo again", click(w.cmdBrziPregled), {"1D", "1D", "1D DA", "1D DA", "1D DA"}},
        {"a click on the picture in it, and a tick", tick(click(picture)),
         {"1", "-", "-", "2D DA", "2D DA"}},
        {"Esc in it, and a tick", tick(key(Qt::Key_Escape)), {"1", "1", "1", "1", "1"}},
        {"image 18 in a demonstration, and a tick",
         [&] {
             click(w.cmdBrziPregled)();
             tick(click(w.imgtoolbar[17]))();
         },
         {"1", "1", "1", "1", "1"}},
        // Above the answers the question's text asks where to go; the typed text asks nothing.
        // The first click after a right click in a demonstration is ignored.
        {"a click on the question's text", onText, {"1", "1", "1", "-", "-"}},
        {"a click on the question's text, 9", asking("9", onText), {"9", "9", "-", "-", "-"}},
    };
    // What the user sees of a control: a label's or a box's text, or "(hidden)".
    const auto shown = [](Control* control) {
        QWidget* widget = control->widget();
        if (!widget->isVisible())
            return QString("(hidden)");
        if (auto* label = qobject_cast<QLabel*>(widget))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text();
        return qobject_cast<QComboBox*>(widget)->currentText();
    };
    // The help line of answering: in a multiple-choice window it names the answers drawn.
    const auto answeringHelp = [&]() -> QString {
        if (kind == TypedText)
            return "Upisite odgovor i pritisnite taster Enter.";
        if (kind == Junctions || kind == FifteenSigns)
            return "Upisite odgovarajuci broj i pritisnite Enter.";
        int answers = 0;
        for (const DrawOp& op : texts(w))
            for (int k = 0; k < 4; ++k)
                if (op.text.trimmed().startsWith(QString(QChar('a' + k)) + ')'))
                    answers = std::max(answers, k + 1);
        return answers == 4   ? "Kliknite misom na ponudjeni a), b), c) ili d) odgovor."
               : answers == 3 ? "Kliknite misom na ponudjeni a), b) ili c) odgovor."
                              : "Kliknite misom na ponudjeni a) ili b) odgovor.";
    };
    const auto verdictShown = [&] {
        QString verdict = kind == FifteenSigns ? shown(w.findControl("lblTacodgovor0")) : QString();
        for (const DrawOp& op : texts(w))
            if (op.text == "DA" || op.text == "NE")
                verdict += op.text;
        return verdict;
    };
    const auto focusShown = [&] {
        QWidget* focus = QApplication::focusWidget();
        Control* control = focus != nullptr ? w.controlOf(focus) : nullptr;
        return control != nullptr ? control->name() : QString("(none)");
    };
    const QString answerInput =
        kind == ChoicePicture || kind == ChoiceText ? "CmdSledecepitanje" : "txtOdgovor0";
    for (const Step& step : steps) {
        const std::string expected = step.after[kind];
        if (expected == "-")
            continue;
        SCOPED_TRACE(std::string(w.test().testWord) + ": " + step.route);
        const std::size_t dialogsBefore = fakes.dialogs.calls.size();
        const int beepsBefore = fakes.beeper.count;
        answersGiven = 0;
        step.act();
        const QString after = QString::fromStdString(expected);
        const QString focus = after.section('@', 1);
        QString state = after.section('@', 0, 0).section(' ', 0, 0);
        const bool beep = state.endsWith('!');
        state.chop(beep ? 1 : 0);
        const QChar mode = state.back().isDigit() ? ' ' : state.back();
        const int number = state.chopped(mode == ' ' ? 0 : 1).toInt();
        EXPECT_EQ(fakes.beeper.count > beepsBefore, beep);
        EXPECT_EQ(fakes.dialogs.calls.size() - dialogsBefore, std::size_t(answersGiven));
        const int first = kind == FifteenSigns ? (number - 1) * 15 + 1 : number;
        const int inBox = focus.startsWith("txtOdgovor") ? first + focus.mid(10).toInt() : first;
        EXPECT_EQ(shown(w.cmbPitanje), QString::number(kind == FifteenSigns ? inBox : number));
        EXPECT_EQ(shown(numberLabel), QString("%1.").arg(first));
        EXPECT_EQ(verdictShown(), after.section('@', 0, 0).section(' ', 1));
        EXPECT_EQ(shown(w.lblPomocuprvomredu), mode == 'R'   ? "Pregled resenih pitanja."
                                               : mode == 'D' ? "Brzi pregled tacnih odgovora."
                                                             : answeringHelp());
        EXPECT_EQ(shown(w.cmdKrajrada), mode == ' ' ? "&Kraj rada" : "&Izlaz");
        EXPECT_EQ(focusShown(), !focus.isEmpty() ? focus
                                : mode == 'R'    ? "CmdSledecepitanje"
                                : mode == 'D'    ? "cmdKrajrada"
                                                 : answerInput);
    }
}

// With no question to show, the help line of answering (see the snapshots) comes back when a
// review is left.
TEST_P(Routes, WithoutQuestionsTheHelpLineOfAnsweringComesBack) {
    startOnRow(); // the program's folder holds no test's data
    TestWindow& w = *windows.current();
    ASSERT_EQ(w.questionCount, 0);
    const QString answering = w.lblPomocuprvomredu->caption();
    testing::click(w.cmdPregled);
    EXPECT_EQ(w.lblPomocuprvomredu->caption(), "Pregled resenih pitanja.");
    testing::click(w.cmdKrajrada);
    EXPECT_EQ(w.lblPomocuprvomredu->caption(), answering);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Routes, ::testing::Range<std::size_t>(0, 9),
                         [](const auto& info) {
                             return std::string(testCatalogue()[info.param].testWord);
                         });

} // namespace
} // namespace kviz
