// The event semantics of a form, driven through real Qt events on the offscreen platform:
// key preview, Enter on a button, the mouse, focus, activation, menu shortcuts and the timer.
#include "tests/platform/recording_form.h"
#include "tests/support/held_key.h"

#include "platform/qt_text.h"

#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <gtest/gtest.h>

namespace kviz::testing {
namespace {

class FormEvents : public ::testing::Test, protected Window {};

// ---- Key preview ------------------------------------------------------------------------

TEST(FormKeyPreview, FormSeesEveryKeyOnceBeforeTheFocusedControl) {
    struct Row {
        const char* name;
        Qt::Key key;
        QStringList expected;
        QString text;
        int repeats = 0;    // held down this many repeats
        bool marked = true; // Qt marks the repeats as such
        bool keyPreview = true;
    };
    const QStringList heldA{"Form_KeyDown 65 0", "txt KeyDown 65 0", "Form_KeyPress 97",
                            "txt KeyPress 97"};
    const QStringList releasedA{"Form_KeyUp 65 0", "txt KeyUp 65 0"};
    // Keys that the text box does not take travel on to its parents; they are still seen once.
    const Row rows[] = {
        {"letter", Qt::Key_A, heldA + releasedA, "a"},
        {"Enter",
         Qt::Key_Return,
         {"Form_KeyDown 13 0", "txt KeyDown 13 0", "Form_KeyPress 13", "txt KeyPress 13",
          "Form_KeyUp 13 0", "txt KeyUp 13 0"},
         ""},
        {"function key",
         Qt::Key_F2,
         {"Form_KeyDown 113 0", "txt KeyDown 113 0", "Form_KeyUp 113 0", "txt KeyUp 113 0"},
         ""},
        // A release comes on once no press follows it. Each repeat comes as a release and a
        // press, as X11 sends it: one release in all.
        {"held letter", Qt::Key_A, heldA + heldA + heldA + releasedA, "aaa", 2},
        {"held letter, repeats unmarked", Qt::Key_A, heldA + heldA + heldA + releasedA, "aaa", 2,
         false},
        {"without key preview only the control sees the key",
         Qt::Key_B,
         {"txt KeyDown 66 0", "txt KeyPress 98", "txt KeyUp 66 0"},
         "b",
         0,
         true,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        w.form.keyPreview = row.keyPreview;
        auto& box = w.place<TextBox>("txt", 300);
        ASSERT_TRUE(w.focusOn(box));

        holdKey(*w.form.window(), row.key, row.repeats, row.marked);

        EXPECT_EQ(w.form.events, row.expected);
        EXPECT_EQ(box.text(), row.text);
    }
}

TEST_F(FormEvents, CancelledKeyDownNeverReachesTheControlsKeyDown) {
    form.keyPreview = true;
    form.cancelKeyDown = keys::Down;
    auto& box = place<TextBox>("txt", 300);
    ASSERT_TRUE(focusOn(box));

    QTest::keyClick(box.widget(), Qt::Key_Down);

    EXPECT_EQ(form.only({"Form_KeyDown", "txt KeyDown"}), QStringList({"Form_KeyDown 40 0"}));
}

// Types each character as a key of its own, as a keyboard layout that has it would.
void typeKeys(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch),
                                Qt::NoModifier);
    }
}

// Each key press reaches the form with its character's Windows-1250 code, then the box, unless
// the form's key-press handler cancels it there.
TEST(FormKeyPreview, TypedCharactersReachTheFormAndThenTheBoxUnlessTheFormCancelsThem) {
    struct Row {
        const char* name;
        int cancelKeyPress;
        QString typed;
        QString expected;
        QString start = QString();
        bool combo = false; // a combo box, else a text box
    };
    const Row rows[] = {
        {"nothing cancelled", -1, QString::fromUtf8("8.0-x,y/z!\u010d\u0107\u017e\u0161\u0111"),
         QString::fromUtf8("8.0-x,y/z!\u010d\u0107\u017e\u0161\u0111")},
        {"capitals", -1, QString::fromUtf8("\u010c\u0106\u017d\u0160\u0110"),
         QString::fromUtf8("\u010c\u0106\u017d\u0160\u0110")},
        // A handler cancels a letter beyond ASCII by its Windows-1250 code.
        {"c caron cancelled", 0xE8, QString::fromUtf8("a\u010db"), "ab"},
        {"slash cancelled", '/', "km/h", "kmh"},
        {"x cancelled in a text box", 'x', "xc", "abc", "ab"},
        {"x cancelled in a combo box", 'x', "xc", "abc", "ab", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        w.form.keyPreview = true;
        w.form.cancelKeyPress = row.cancelKeyPress;
        auto* combo = row.combo ? &w.place<ComboBox>("txt", 300, row.start) : nullptr;
        auto* text = row.combo ? nullptr : &w.place<TextBox>("txt", 300, row.start);
        Control& box = combo != nullptr ? static_cast<Control&>(*combo) : *text;
        ASSERT_TRUE(w.focusOn(box));

        typeKeys(box.widget(), row.typed);

        EXPECT_EQ(combo != nullptr ? combo->text() : text->text(), row.expected);
        QStringList presses;
        for (QChar ch : row.typed) {
            const int code = static_cast<unsigned char>(toCp1250(QString(ch)).front());
            presses << QString("Form_KeyPress %1").arg(code);
            if (code != row.cancelKeyPress)
                presses << QString("txt KeyPress %1").arg(code);
        }
        EXPECT_EQ(w.form.only({"Form_KeyPress", "txt KeyPress"}), presses);
        EXPECT_EQ(w.form.only({"txt KeyUp"}).size(), row.typed.size())
            << "the box misses the release of a key";
    }
}

// ---- Enter on a command button ----------------------------------------------------------

TEST(FormEnter, EnterOnAFocusedButtonPressesItOnceUnlessTheFormCancelsIt) {
    struct Row {
        const char* name;
        bool keyPreview;
        Qt::Key key;
        int cancelKeyPress = -1;
    };
    const Row rows[] = {
        {"Return, no preview", false, Qt::Key_Return},
        {"keypad Enter, no preview", false, Qt::Key_Enter},
        {"Return, preview", true, Qt::Key_Return},
        {"keypad Enter, preview", true, Qt::Key_Enter},
        {"Return cancelled in the form's key press", true, Qt::Key_Return, keys::Return},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        w.form.keyPreview = row.keyPreview;
        w.form.cancelKeyPress = row.cancelKeyPress;
        auto& button = w.form.add<CommandButton>("cmd", w.form.surface(), "OK");
        button.setBounds(300, 300, 1200, 400);
        button.onClick = [&w] { w.form.events << "cmd Click"; };
        ASSERT_TRUE(w.focusOn(button));

        QTest::keyClick(button.widget(), row.key);

        const QStringList pressed =
            row.cancelKeyPress < 0 ? QStringList{"cmd Click"} : QStringList();
        EXPECT_EQ(w.form.only({"cmd"}), pressed);
        if (row.keyPreview) {
            EXPECT_EQ(w.form.only({"Form_KeyPress", "cmd"}),
                      QStringList{"Form_KeyPress 13"} + pressed);
        }
    }
}

// ---- Mouse on the form's surface --------------------------------------------------------
// The mouse goes through the window, as the window system would deliver it, so that Qt
// itself turns two quick clicks into a double click.

// Sequences of presses, releases and double clicks, on the surface and on a control, and the
// procedures that each must reach, in order. Only the left button makes double clicks: a quick
// second press of another button is a press with its click of its own. A double click is a
// click and then a double click, and a press after it starts a new click. The form's surface
// asks for no context menu.
TEST(FormMouse, EverySequenceReachesItsProceduresInOrder) {
    enum Target {
        OnSurface,
        OnButton,
        OnLabel,
        OnImage,
        OnImageWithDblClick,
        OnPictureBox,
        OnProgressBar,
        OnDisabledLabel
    };
    struct Step {
        char what; // 'c' click, 'd' double click, 'p' press, 'r' release, 's' click beside
        Qt::MouseButton button = Qt::LeftButton;
        Qt::KeyboardModifiers modifiers = {};
    };
    const Qt::MouseButton right = Qt::RightButton;
    const QStringList clickL{"MouseDown 1", "MouseUp 1", "Click"};
    const QStringList clickR{"MouseDown 2", "MouseUp 2", "Click"};
    const QStringList dblClickL = clickL + QStringList{"MouseDown 1", "DblClick", "MouseUp 1"};
    const struct {
        const char* name;
        Target target;
        std::vector<Step> steps;
        QStringList expected;
        bool withClick = true; // the control has a click procedure
        bool moves = false;    // the moves are part of what is checked
    } rows[] = {
        {"left click", OnSurface, {{'c'}}, clickL},
        {"a click where the pointer was not seen arriving moves it there first",
         OnSurface,
         {{'c'}, {'c'}},
         QStringList{"MouseMove 0"} + clickL + clickL,
         true,
         true},
        {"left press and release apart", OnSurface, {{'p'}, {'r'}}, clickL},
        {"shift and left click",
         OnSurface,
         {{'c', Qt::LeftButton, Qt::ShiftModifier}},
         {"MouseDown 1 shift 1", "MouseUp 1 shift 1", "Click"}},
        {"left double click", OnSurface, {{'d'}}, dblClickL},
        {"a click after a double click", OnSurface, {{'d'}, {'c'}}, dblClickL + clickL},
        {"ctrl and left double click",
         OnSurface,
         {{'d', Qt::LeftButton, Qt::ControlModifier}},
         {"MouseDown 1 shift 2", "MouseUp 1 shift 2", "Click", "MouseDown 1 shift 2", "DblClick",
          "MouseUp 1 shift 2"}},
        {"right click", OnSurface, {{'c', right}}, clickR},
        {"right double click", OnSurface, {{'d', right}}, clickR + clickR},
        {"right click after a left double click",
         OnSurface,
         {{'d'}, {'c', right}},
         dblClickL + clickR},
        // On a control the presses go to it alone. A button takes each press of a double click
        // as a click; on the other controls the second is no click, with or without a double
        // click of their own.
        {"double click on a button, then a click beside it",
         OnButton,
         {{'d'}, {'s'}},
         QStringList{"ctl Click", "ctl Click"} + clickL},
        // Controls without a click of their own take the presses too, and lose no later click.
        {"double click on a progress bar", OnProgressBar, {{'d'}, {'s'}}, clickL},
        {"double click on a disabled label", OnDisabledLabel, {{'d'}, {'s'}}, clickL},
        {"double click on a label", OnLabel, {{'d'}}, {"ctl Click"}},
        {"double click on a toolbar image", OnImage, {{'d'}}, {"ctl Click"}},
        {"double click on a picture box", OnPictureBox, {{'d'}, {'c'}}, {"ctl Click", "ctl Click"}},
        {"double click on an image with its own",
         OnImageWithDblClick,
         {{'d'}, {'c'}},
         {"ctl MouseUp 1", "ctl Click", "ctl DblClick", "ctl MouseUp 1", "ctl MouseUp 1",
          "ctl Click"}},
        {"right double click on an image",
         OnImageWithDblClick,
         {{'d', right}},
         {"ctl MouseUp 2", "ctl MouseUp 2"},
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeServices fakes;
        RecordingForm form(fakes.services());
        QWidget* target = form.surface();
        if (row.target != OnSurface) {
            Control* control = nullptr;
            if (row.target == OnButton)
                control = &form.add<CommandButton>("ctl", form.surface(), "OK");
            else if (row.target == OnLabel || row.target == OnDisabledLabel)
                control = &form.add<Label>("ctl", form.surface(), "label");
            else if (row.target == OnProgressBar)
                control = &form.add<ProgressBar>("ctl", form.surface());
            else if (row.target == OnPictureBox)
                control = &form.add<PictureBox>("ctl", form.surface());
            else
                control = &form.add<Image>("ctl", form.surface());
            control->setEnabled(row.target != OnDisabledLabel);
            if (row.withClick && row.target != OnProgressBar && row.target != OnDisabledLabel)
                control->onClick = [&form] { form.events << "ctl Click"; };
            if (row.target == OnImageWithDblClick) {
                auto* image = static_cast<Image*>(control);
                image->onDblClick = [&form] { form.events << "ctl DblClick"; };
                image->onMouseUp = [&form](int button, int, double, double) {
                    form.events << QString("ctl MouseUp %1").arg(button);
                };
            }
            control->setBounds(1500, 1500, 1500, 600);
            target = control->widget();
        }
        ASSERT_TRUE(showActive(form));
        EventCount contextMenus(form.window(), QEvent::ContextMenu);
        QWindow* handle = form.window()->windowHandle();
        const QPoint at = target->mapTo(form.window(), target->rect().center());
        const QPoint beside = form.surface()->mapTo(form.window(), QPoint(20, 20));
        for (const Step& step : row.steps) {
            if (step.what == 'c')
                QTest::mouseClick(handle, step.button, step.modifiers, at);
            else if (step.what == 'd')
                QTest::mouseDClick(handle, step.button, step.modifiers, at);
            else if (step.what == 's')
                QTest::mouseClick(handle, step.button, step.modifiers, beside, 600);
            else if (step.what == 'p')
                QTest::mousePress(handle, step.button, step.modifiers, at);
            else
                QTest::mouseRelease(handle, step.button, step.modifiers, at, 300);
        }
        QStringList kinds{"ctl", "MouseDown", "MouseUp", "Click", "DblClick"};
        if (row.moves)
            kinds << "MouseMove";
        EXPECT_EQ(form.only(kinds), row.expected);
        EXPECT_EQ(contextMenus.count, 0);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}

TEST(FormMouseScale, CoordinatesReachTheHandlersInTheUserScale) {
    struct Row {
        const char* name;
        double twipsPerUnitX, twipsPerUnitY;
        QPoint pixels;
        QPointF units;
    };
    const Row rows[] = {
        {"pixels", 15, 15, {40, 20}, {40, 20}},
        {"twips", 1, 1, {41, 22}, {615, 330}},
        {"uneven scale", 30, 7.5, {42, 24}, {21, 48}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        w.form.canvas().setScale(row.twipsPerUnitX, row.twipsPerUnitY);
        ASSERT_TRUE(showActive(w.form));
        QWindow* handle = w.form.window()->windowHandle();
        QPoint at = w.form.surface()->mapTo(w.form.window(), row.pixels);

        QTest::mouseMove(handle, at);
        QTest::mouseClick(handle, Qt::LeftButton, {}, at);

        ASSERT_FALSE(w.form.mousePoints.empty());
        for (QPointF p : w.form.mousePoints) {
            EXPECT_DOUBLE_EQ(p.x(), row.units.x());
            EXPECT_DOUBLE_EQ(p.y(), row.units.y());
        }
        EXPECT_TRUE(w.form.events.contains("MouseMove 0"));
    }
}

// ---- Focus ------------------------------------------------------------------------------

TEST_F(FormEvents, FocusEventsFireWhenTheFocusMovesBetweenControls) {
    auto& first = place<TextBox>("first", 300);
    auto& second = place<TextBox>("second", 900);
    ASSERT_TRUE(focusOn(first));

    second.setFocus();
    QTest::keyClick(second.widget(), Qt::Key_Tab); // back to the first

    EXPECT_EQ(
        form.only({"first Got", "first Lost", "second Got", "second Lost"}),
        QStringList({"first LostFocus", "second GotFocus", "second LostFocus", "first GotFocus"}));
    EXPECT_TRUE(first.hasFocus());
}

// The focus goes away from the window's controls and comes back to the one that had it, and no
// control sees it go.
TEST(FormFocus, NoFocusEventsWhenADialogAnotherWindowOrADropDownTakesTheFocusAndGivesItBack) {
    struct Row {
        const char* name;
        bool comboBox; // the control with the focus: a combo box with two entries, else a text box
        std::function<void(QWidget* window, QComboBox* combo)> takeTheFocus;
    };
    const Row rows[] = {
        {"dialog", false,
         [](QWidget* window, QComboBox*) {
             QDialog dialog(window);
             auto* edit = new QLineEdit(&dialog);
             (new QVBoxLayout(&dialog))->addWidget(edit);
             QWidget* focusInDialog = nullptr;
             QTimer::singleShot(0, &dialog, [&] {
                 if (waitActive(&dialog))
                     focusInDialog = QApplication::focusWidget();
                 dialog.accept();
             });
             dialog.exec();
             EXPECT_EQ(focusInDialog, edit);
         }},
        {"another window", false,
         [](QWidget* window, QComboBox*) {
             QWidget other;
             auto* edit = new QLineEdit(&other);
             (new QVBoxLayout(&other))->addWidget(edit);
             other.show();
             ASSERT_TRUE(reactivate(&other));
             EXPECT_EQ(QApplication::focusWidget(), edit);
             ASSERT_TRUE(reactivate(window));
         }},
        {"drop-down", true,
         [](QWidget*, QComboBox* combo) {
             combo->showPopup();
             QApplication::processEvents();
             EXPECT_NE(QApplication::activePopupWidget(), nullptr);
             combo->hidePopup();
             QApplication::processEvents();
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        ComboBox* combo = row.comboBox ? &w.place<ComboBox>("cmb", 300) : nullptr;
        Control& control =
            combo != nullptr ? static_cast<Control&>(*combo) : w.place<TextBox>("txt", 300);
        if (combo != nullptr) {
            combo->addItem("one");
            combo->addItem("two");
        }
        ASSERT_TRUE(w.focusOn(control));

        row.takeTheFocus(w.form.window(), combo != nullptr ? combo->comboBox() : nullptr);
        ASSERT_TRUE(reactivate(w.form.window()));

        EXPECT_EQ(QApplication::focusWidget(), control.widget());
        EXPECT_TRUE(control.hasFocus());
        EXPECT_EQ(w.form.events, QStringList());
    }
}

TEST(FormFocus, SetFocusOnAHiddenOrDisabledControlDoesNothing) {
    struct Row {
        const char* name;
        std::function<void(Control& target, PictureBox& container)> prepare;
    };
    const Row rows[] = {
        {"hidden", [](Control& c, PictureBox&) { c.setVisible(false); }},
        {"disabled", [](Control& c, PictureBox&) { c.setEnabled(false); }},
        {"in a hidden container", [](Control&, PictureBox& box) { box.setVisible(false); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        auto& first = w.place<TextBox>("first", 300);
        auto& box = w.form.add<PictureBox>("pic", w.form.surface());
        box.setBounds(300, 900, 3000, 1500);
        auto& target = w.form.add<TextBox>("target", box.container(), QString());
        target.setBounds(0, 0, 2400, 360);
        record(target, w.form.events);
        ASSERT_TRUE(w.focusOn(first));

        row.prepare(target, box);
        target.setFocus();

        EXPECT_EQ(QApplication::focusWidget(), first.widget());
        EXPECT_TRUE(first.hasFocus());
        EXPECT_EQ(w.form.events, QStringList());
    }
}

// ---- Activation -------------------------------------------------------------------------

// The first showing activates the form once, after its load, also when the load shows it.
TEST(FormActivation, TheFirstShowingActivatesOnceAfterTheLoad) {
    struct Row {
        const char* name;
        void (Form::*start)();
        bool showsWhileLoading;
    };
    const Row rows[] = {
        {"loaded, then shown twice", &Form::load, false},
        {"shown by its load, started by show", &Form::show, true},
        {"shown by its load, started by load", &Form::load, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        bool visibleDuringLoad = false;
        if (row.showsWhileLoading) {
            w.form.whileLoading = [&w, &visibleDuringLoad] {
                w.form.show();
                visibleDuringLoad = w.form.visible();
                w.form.events << "end of load";
            };
        }

        (w.form.*row.start)();
        const QStringList loaded = row.showsWhileLoading
                                       ? QStringList{"Load", "end of load", "Activate"}
                                       : QStringList{"Load"};
        EXPECT_EQ(w.form.events, loaded);
        EXPECT_EQ(visibleDuringLoad, row.showsWhileLoading);
        w.form.show();
        w.form.show();

        EXPECT_EQ(w.form.events, row.showsWhileLoading ? loaded : loaded + QStringList{"Activate"});
    }
}

// Activate fires when one of the program's own modal forms closes, after it closes, and never on
// the return from a message box, an input box or another window. A box belongs to the window
// that opens it, also while no window is active, and the window takes the keyboard back when it
// closes: no window manager need do either.
TEST(FormActivation, OnlyAModalFormActivatesItsOwnerAgainWhenItCloses) {
    FakeServices fakes;
    Services services = fakes.services();
    services.dialogs = systemServices().dialogs;
    RecordingForm form(services);
    ASSERT_TRUE(showActive(form));
    QStringList buttons;
    QWidgetList owners;
    auto closeTheBoxSoon = [&] {
        QTimer::singleShot(20, [&] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                for (const QPushButton* button : box->findChildren<QPushButton*>())
                    buttons << button->text();
                owners << box->parentWidget();
                box->reject();
            }
        });
    };
    QApplication::setActiveWindow(nullptr);

    closeTheBoxSoon();
    services.dialogs->messageBox("Text", "Title", MessageIcon::Information);
    EXPECT_TRUE(waitActive(form.window())) << "the window takes the keyboard back";
    closeTheBoxSoon();
    QString answer = services.dialogs->inputBox("Prompt", "Title", "default", {1500, 1500});
    EXPECT_TRUE(waitActive(form.window()));
    QWidget other;
    other.show();
    ASSERT_TRUE(reactivate(&other));
    ASSERT_TRUE(reactivate(form.window()));

    EXPECT_EQ(owners, QWidgetList({form.window(), form.window()}));
    EXPECT_EQ(answer, QString()) << "Cancel gives an empty answer";
    EXPECT_EQ(form.events, QStringList({"Load", "Activate"}));
    EXPECT_EQ(buttons, QStringList({"OK", "OK", "Otkazi"}));

    RecordingForm modal(services);
    bool modalWasVisible = false;
    QTimer::singleShot(20, &modal, [&] {
        modalWasVisible = modal.visible();
        EXPECT_EQ(form.events.size(), 2) << "the owner is activated while the modal form is open";
        modal.unload();
    });
    form.showModalForm(modal);

    EXPECT_TRUE(modalWasVisible);
    EXPECT_EQ(modal.events, QStringList({"Load", "Activate", "Unload"}));
    EXPECT_EQ(form.events, QStringList({"Load", "Activate", "Activate"}));
    EXPECT_FALSE(modal.visible());
    EXPECT_TRUE(waitActive(form.window())) << "the owner takes the keyboard back";
}

// ---- Menus ------------------------------------------------------------------------------

TEST_F(FormEvents, ADisabledTopMenuDisablesTheShortcutsOfItsItems) {
    MenuItem& top = form.addTopMenu("mnuTest", "Test");
    MenuItem& item = top.addItem("mnuRefresh", "Refresh", QKeySequence(Qt::Key_F5));
    int runs = 0;
    item.onClick = [&] { ++runs; };
    ASSERT_TRUE(showActive(form));
    auto pressF5 = [&] { QTest::keyClick(form.window(), Qt::Key_F5); };

    pressF5();
    ASSERT_EQ(runs, 1) << "the shortcut does not work at all";

    top.setEnabled(false);
    pressF5();
    item.choose();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(item.enabled()) << "the item keeps its own setting";

    top.setEnabled(true);
    pressF5();
    EXPECT_EQ(runs, 2);

    item.setEnabled(false);
    pressF5();
    EXPECT_EQ(runs, 2);
}

TEST(FormAccessKeys, ALetterSharedByATopMenuAndAButtonPressesTheButtonAtOnce) {
    enum class State { Enabled, Disabled, Hidden };
    struct Row {
        const char* name;
        Qt::Key key;
        State button;
        int buttonClicks, menuClicks;
    };
    const Row rows[] = {
        {"Alt+D", Qt::Key_D, State::Enabled, 1, 0},
        {"Alt+L", Qt::Key_L, State::Enabled, 1, 0},
        {"Alt+R", Qt::Key_R, State::Enabled, 1, 0},
        {"Alt+R, button disabled", Qt::Key_R, State::Disabled, 0, 1},
        {"Alt+R, button hidden", Qt::Key_R, State::Hidden, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        QStringList clicks;
        w.form.addTopMenu("mnuPregled", "Pregle&d pitanja").addItem("mnuOd1", "Od &1.");
        w.form.addTopMenu("mnuTabela", "Tabe&la").addItem("mnuSkracena", "&Skracena");
        MenuItem& reset = w.form.addTopMenu("mnuReset", "&Reset");
        reset.onClick = [&] { clicks << "mnuReset"; };
        auto& box = w.place<TextBox>("txt", 300);
        int left = 300;
        for (const char* caption : {"Pregle&d", "Tabe&la", "&Reset"}) {
            auto& button = w.form.add<CommandButton>(caption, w.form.surface(), caption);
            button.setBounds(left, 1500, 1000, 450);
            left += 1100;
            button.onClick = [&clicks, caption] { clicks << caption; };
            if (QKeySequence::mnemonic(caption) != QKeySequence(Qt::ALT | row.key))
                continue;
            if (row.button == State::Disabled)
                button.setEnabled(false);
            if (row.button == State::Hidden)
                button.setVisible(false);
        }
        ASSERT_TRUE(w.focusOn(box));

        QTest::keyClick(box.widget(), row.key, Qt::AltModifier);
        const QStringList atOnce = clicks;
        QTest::qWait(150); // a click that Qt delays would come by now

        EXPECT_EQ(clicks, atOnce);
        EXPECT_EQ(clicks.size(), row.buttonClicks + row.menuClicks)
            << clicks.join(", ").toStdString();
        EXPECT_EQ(clicks.count("mnuReset"), row.menuClicks);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "a menu opened";
        EXPECT_EQ(box.text(), QString());
    }
}

// A key held past the repeat delay goes on arriving as repeats, at the window that has the
// focus by then: here the box that the key's first press opened.
TEST(FormMenus, AHeldAccessKeyNeverTypesIntoTheBoxItsMenuOpens) {
    FakeServices fakes;
    Services services = fakes.services();
    services.dialogs = systemServices().dialogs;
    RecordingForm form(services);
    // What the user does in the box: the N of Alt+N is still held, then a key of its own.
    auto holdNThenType = [] {
        QWidget* box = nullptr;
        if (!QTest::qWaitFor([&box] {
                box = QApplication::activeModalWidget();
                return box != nullptr && QApplication::activeWindow() == box;
            }))
            return;
        QWindow* handle = box->windowHandle();
        for (int i = 0; i < 3; ++i) {
            QTest::simulateEvent(handle, false, Qt::Key_N, Qt::NoModifier, "n", true);
            QTest::simulateEvent(handle, true, Qt::Key_N, Qt::NoModifier, "n", true);
        }
        QTest::simulateEvent(handle, false, Qt::Key_N, Qt::NoModifier, "n", false);
        QTest::keyClick(handle, Qt::Key_X);
        QTest::keyClick(handle, Qt::Key_Return);
    };
    QString answer = "none";
    form.addTopMenu("mnuKandidat", "Ka&ndidat").onClick = [&] {
        QTimer::singleShot(0, holdNThenType);
        answer = services.dialogs->inputBox("Ime", "Kandidat", "NOVI KANDIDAT", {1500, 1500});
    };
    ASSERT_TRUE(showActive(form));

    QTest::keyClick(form.window()->windowHandle(), Qt::Key_N, Qt::AltModifier);

    EXPECT_EQ(answer, "x");
}

TEST(FormMenus, ChoosingAnItemDoesNotChangeItsCheckMark) {
    struct Row {
        const char* name;
        bool checked;
        bool byShortcut;
    };
    const Row rows[] = {
        {"checked, from the menu", true, false},
        {"unchecked, from the menu", false, false},
        {"checked, by shortcut", true, true},
        {"unchecked, by shortcut", false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        MenuItem& top = w.form.addTopMenu("mnuOptions", "Options");
        MenuItem& item = top.addItem("mnuSound", "Sound", QKeySequence(Qt::Key_F6));
        item.setChecked(row.checked);
        int runs = 0;
        item.onClick = [&] { ++runs; };
        ASSERT_TRUE(showActive(w.form));

        if (row.byShortcut)
            QTest::keyClick(w.form.window(), Qt::Key_F6);
        else
            item.action()->trigger();

        EXPECT_EQ(runs, 1);
        EXPECT_EQ(item.checked(), row.checked);
        EXPECT_EQ(item.action()->isChecked(), row.checked);

        // The handler is the one that changes the mark.
        item.onClick = [&] { item.setChecked(!item.checked()); };
        item.action()->trigger();
        EXPECT_EQ(item.checked(), !row.checked);
        EXPECT_EQ(item.action()->isChecked(), !row.checked);
    }
}

// ---- Timer ------------------------------------------------------------------------------

TEST(FormTimer, TicksWhileADialogIsOpen) {
    struct Row {
        const char* name;
        std::function<void()> runModal;
    };
    const Row rows[] = {
        {"dialog",
         [] {
             QDialog dialog;
             QTimer::singleShot(150, &dialog, &QDialog::accept);
             dialog.exec();
         }},
        {"event loop",
         [] {
             QEventLoop loop;
             QTimer::singleShot(150, &loop, &QEventLoop::quit);
             loop.exec();
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Timer timer("tmrTimer1");
        int ticks = 0;
        timer.onTick = [&] { ++ticks; };
        timer.setInterval(10);
        timer.setEnabled(true);

        row.runModal();

        EXPECT_GE(ticks, 3);
        EXPECT_TRUE(timer.enabled());
    }
}

} // namespace
} // namespace kviz::testing
