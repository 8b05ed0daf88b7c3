// The controls' own semantics: the scroll bar's Change and Scroll, the combo box that never
// inserts or completes entries, the picture read ahead, the progress bar's range and the pie
// chart's slices.
#include "tests/platform/recording_form.h"
#include "tests/support/menus.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kviz::testing {
namespace {

class Controls : public ::testing::Test, protected Window {};

// ---- VScrollBar -------------------------------------------------------------------------

class ScrollBarTest : public Controls {
protected:
    ScrollBarTest() {
        bar.setBounds(300, 300, 255, 3000);
        bar.onChange = [this] { events << QString("Change %1").arg(bar.value()); };
        bar.onScroll = [this] { events << QString("Scroll %1").arg(bar.value()); };
    }
    void range(int min, int max, int value) {
        bar.setMin(min);
        bar.setMax(max);
        ASSERT_TRUE(bar.setValue(value));
        events.clear();
    }
    QScrollBar* widget() { return static_cast<QScrollBar*>(bar.widget()); }

    VScrollBar& bar = form.add<VScrollBar>("vsb", form.surface());
    QStringList events;
};

// Arrows, page clicks and a value set in code fire Change once, before they return, and only when
// the value moves; a value outside the range is refused, not clamped.
TEST_F(ScrollBarTest, ArrowsPagesAndValuesSetInCodeFireChangeOnceWhenTheValueMoves) {
    constexpr auto inCode = QAbstractSlider::SliderNoAction; // the row's value is set in code
    struct Row {
        const char* name;
        int min, max, start;
        QAbstractSlider::SliderAction action;
        int expected;
        int value = 0;
    };
    const Row rows[] = {
        {"arrow down", 0, 100, 50, QAbstractSlider::SliderSingleStepAdd, 51},
        {"arrow up", 0, 100, 50, QAbstractSlider::SliderSingleStepSub, 49},
        // A page is one step.
        {"page down", 0, 100, 50, QAbstractSlider::SliderPageStepAdd, 51},
        {"page up", 0, 100, 50, QAbstractSlider::SliderPageStepSub, 49},
        // With the minimum above the maximum, the bottom of the bar is the maximum.
        {"reversed, arrow down", 100, 0, 50, QAbstractSlider::SliderSingleStepAdd, 49},
        {"reversed, arrow up", 100, 0, 50, QAbstractSlider::SliderSingleStepSub, 51},
        {"arrow at the end", 0, 10, 10, QAbstractSlider::SliderSingleStepAdd, 10},
        {"page up at the start", 0, 10, 0, QAbstractSlider::SliderPageStepSub, 0},
        {"set in code", 0, 100, 5, inCode, 42, 42},
        {"the same value set in code", 0, 10, 10, inCode, 10, 10},
        {"above", 0, 10, 4, inCode, 4, 11},
        {"below", 0, 10, 4, inCode, 4, -1},
        {"far above", 0, 10, 4, inCode, 4, 32767},
        {"reversed, above both", 10, 0, 4, inCode, 4, 11},
        {"reversed, below both", 10, 0, 4, inCode, 4, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        range(row.min, row.max, row.start);

        if (row.action == inCode) {
            EXPECT_EQ(bar.setValue(row.value), row.value == row.expected);
        } else {
            widget()->triggerAction(row.action);
        }

        EXPECT_EQ(bar.value(), row.expected);
        EXPECT_EQ(events, row.expected == row.start
                              ? QStringList()
                              : QStringList{QString("Change %1").arg(row.expected)});
        if (row.min < row.max) {
            EXPECT_EQ(widget()->value(), row.expected);
        }
    }
}

TEST_F(ScrollBarTest, ClicksOnTheArrowAndTheTroughFireChange) {
    range(0, 100, 0);
    form.show();
    QStyleOptionSlider option;
    option.initFrom(widget());
    option.orientation = Qt::Vertical;
    option.minimum = widget()->minimum();
    option.maximum = widget()->maximum();
    option.sliderPosition = option.sliderValue = widget()->value();
    option.singleStep = widget()->singleStep();
    option.pageStep = widget()->pageStep();
    option.subControls = QStyle::SC_All;
    auto centreOf = [&](QStyle::SubControl part) {
        return widget()
            ->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, part, widget())
            .center();
    };

    QTest::mouseClick(widget(), Qt::LeftButton, {}, centreOf(QStyle::SC_ScrollBarAddLine));
    QTest::mouseClick(widget(), Qt::LeftButton, {}, centreOf(QStyle::SC_ScrollBarAddPage));

    EXPECT_EQ(events, QStringList({"Change 1", "Change 2"}));
}

TEST_F(ScrollBarTest, MinimumAboveMaximumIsAllowed) {
    bar.setMax(0);
    bar.setMin(10);
    EXPECT_EQ(bar.min(), 10);
    EXPECT_EQ(bar.max(), 0);
    for (int v : {0, 3, 10}) {
        EXPECT_TRUE(bar.setValue(v)) << v;
        EXPECT_EQ(bar.value(), v);
    }
    // The top of the bar is the minimum.
    EXPECT_EQ(widget()->value(), widget()->minimum());
}

// A drag fires Scroll at every step and Change once at its end, if the value moved; on a
// reversed range the values count from the maximum at the top.
TEST_F(ScrollBarTest, DraggingFiresScrollAtEveryStepThenChangeIfTheValueMoved) {
    struct Row {
        const char* name;
        int min, max, start;
        std::vector<int> steps; // slider positions, from the top of the bar
        QStringList scrolls, change;
    };
    const Row rows[] = {
        {"down", 0, 100, 10, {20, 30}, {"Scroll 20", "Scroll 30"}, {"Change 30"}},
        {"back to the start", 0, 100, 10, {20, 10}, {"Scroll 20", "Scroll 10"}, {}},
        {"reversed range, from the top", 100, 0, 100, {25}, {"Scroll 75"}, {"Change 75"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        range(row.min, row.max, row.start);

        widget()->setSliderDown(true);
        for (int step : row.steps)
            widget()->setSliderPosition(widget()->minimum() + step);
        EXPECT_EQ(events, row.scrolls);
        widget()->setSliderDown(false);

        EXPECT_EQ(events, row.scrolls + row.change);
    }
}

TEST_F(ScrollBarTest, LooksAsTheStyleDrawsItAtEveryValue) {
    // The bar keeps its groove from one repaint to the next; a plain bar of the same size and
    // value, drawn whole by the style each time, shows what must be on screen.
    QScrollBar plain(Qt::Vertical, form.surface());
    plain.setGeometry(widget()->geometry().translated(widget()->width() + 10, 0));
    plain.setRange(1, 24);
    plain.setPageStep(1);
    range(1, 24, 1);
    ASSERT_TRUE(showActive(form));
    for (int value : {1, 7, 24, 7}) {
        ASSERT_TRUE(bar.setValue(value));
        plain.setValue(value);
        EXPECT_EQ(widget()->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  plain.grab().toImage().convertToFormat(QImage::Format_RGB32))
            << value;
    }
}

TEST_F(ScrollBarTest, TheSurfaceUnderTheBarIsNotRepaintedWhenItMoves) {
    range(1, 24, 1);
    ASSERT_TRUE(showActive(form));
    EventCount surface(form.surface(), QEvent::Paint), barItself(widget(), QEvent::Paint);
    for (int value : {7, 24, 1}) {
        ASSERT_TRUE(bar.setValue(value));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(barItself.count, 3);
    EXPECT_EQ(surface.count, 0);
}

TEST_F(Controls, ALabelOnWhatAHandlerDrawsIsRepaintedOnce) {
    auto& number = form.add<Label>("lbl", form.surface(), "1.");
    number.setBounds(300, 300, 570, 315);
    ASSERT_TRUE(showActive(form));
    EventCount label(number.widget(), QEvent::Paint), surface(form.surface(), QEvent::Paint);
    // As a handler draws the next question: the surface under the label first, then the label.
    form.canvas().filledBox(0, 0, 1500, 1500, Qt::yellow);
    number.setCaption("2.");
    QCoreApplication::processEvents();
    EXPECT_EQ(label.count, 1);
    EXPECT_EQ(surface.count, 1);
}

// ---- ComboBox ---------------------------------------------------------------------------

class ComboBoxTest : public Controls {
protected:
    ComboBoxTest() { combo.setBounds(300, 300, 2400, 360); }
    void focus() {
        ASSERT_TRUE(showActive(form));
        combo.setFocus();
        ASSERT_EQ(QApplication::focusWidget(), combo.widget());
    }
    void type(const QString& text) {
        combo.comboBox()->lineEdit()->selectAll();
        QTest::keyClicks(combo.widget(), text);
    }
    ComboBox& combo = form.add<ComboBox>("cmb", form.surface(), "");
};

// Typing neither completes an entry nor opens the list, and neither Enter nor leaving the field
// adds or selects an entry.
TEST_F(ComboBoxTest, TypingEnterOrLeavingTheFieldCompletesAddsOrSelectsNoEntry) {
    struct Row {
        const char* name;
        QString typed;
        bool leave = false; // the focus moves to another box, else Enter is pressed
    };
    const Row rows[] = {
        {"new text", "Zoran"},
        {"text of an entry", "Petar"},
        {"start of an entry", "Pe"},
        {"text of an entry, then leaving", "Petar", true},
    };
    auto& other = form.add<TextBox>("txt", form.surface(), QString());
    other.setBounds(300, 900, 2400, 360);
    const QStringList entries{"Petar", "Milan", "Petar Petrovic"};
    for (const QString& entry : entries)
        combo.addItem(entry);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        focus();
        combo.setListIndex(-1);
        type(row.typed);
        EXPECT_EQ(combo.comboBox()->lineEdit()->selectedText(), QString());
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

        if (row.leave)
            other.setFocus();
        else
            QTest::keyClick(combo.widget(), Qt::Key_Return);

        EXPECT_EQ(combo.items(), entries);
        EXPECT_EQ(combo.text(), row.typed);
        EXPECT_EQ(combo.listIndex(), -1);
    }
}

TEST_F(ComboBoxTest, TheListIndexAndTheTextAreKeptApartAlsoWhenEntriesAreAdded) {
    combo.setText("NOVI KANDIDAT");
    combo.addItem("Petar");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "NOVI KANDIDAT");

    combo.setListIndex(0);
    combo.setText("Petar P");
    combo.addItem("Milan");
    EXPECT_EQ(combo.listIndex(), 0);
    EXPECT_EQ(combo.text(), "Petar P");
    EXPECT_EQ(combo.listCount(), 2);

    combo.setListIndex(1);
    EXPECT_EQ(combo.text(), "Milan");
    combo.setText("Zoran");
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(combo.text(), "Zoran");

    combo.setListIndex(-1);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "Zoran");

    combo.setListIndex(5); // no such entry
    EXPECT_EQ(combo.listIndex(), -1);
}

// The wheel over a closed box, with the focus or without it, chooses nothing.
TEST_F(ComboBoxTest, ArrowKeyChoosesTheNextEntryAndTheWheelNone) {
    combo.addItem("Petar");
    combo.addItem("Milan");
    ASSERT_TRUE(showActive(form));
    for (int turn = 0; turn < 2; ++turn) {
        const QPointF at(10, 10);
        QWheelEvent wheel(at, combo.widget()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo.widget(), &wheel);
        EXPECT_EQ(combo.listIndex(), -1);
        EXPECT_EQ(combo.text(), "");
        focus();
    }
    QTest::keyClick(combo.widget(), Qt::Key_Down);
    EXPECT_EQ(combo.listIndex(), 0);
    EXPECT_EQ(combo.text(), "Petar");
    QTest::keyClick(combo.widget(), Qt::Key_Down);
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(combo.text(), "Milan");
    // An entry longer than any box shows is shown cut, in the field and the list, and kept whole.
    const QString longEntry(300, u'A');
    combo.addItem(longEntry);
    QTest::keyClick(combo.widget(), Qt::Key_Down);
    EXPECT_EQ(combo.text(), longEntry);
    EXPECT_EQ(combo.items().last(), longEntry);
    EXPECT_EQ(combo.comboBox()->lineEdit()->text(), QString(199, u'A') + QChar(0x2026));
    EXPECT_EQ(combo.comboBox()->itemText(2), combo.comboBox()->lineEdit()->text());
}

TEST_F(ComboBoxTest, ANewTextRepaintsTheFieldAloneAndTheFieldLooksTheSame) {
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0); // a steady cursor, the same in both pictures
    QLineEdit* field = combo.comboBox()->lineEdit();
    for (const char* state : {"focused", "unfocused", "disabled"}) {
        focus();
        if (QString(state) != "focused")
            combo.widget()->clearFocus();
        combo.widget()->setEnabled(QString(state) != "disabled");
        QCoreApplication::processEvents();
        EventCount box(combo.widget(), QEvent::Paint), surface(form.surface(), QEvent::Paint);
        combo.setText(state);
        QCoreApplication::processEvents();
        EXPECT_EQ(box.count, 0) << state;
        EXPECT_EQ(surface.count, 0) << state;
        const QImage filled = combo.widget()->grab().toImage();
        field->setAutoFillBackground(false);
        const QImage seeThrough = combo.widget()->grab().toImage();
        field->setAutoFillBackground(true);
        EXPECT_EQ(filled.convertToFormat(QImage::Format_RGB32),
                  seeThrough.convertToFormat(QImage::Format_RGB32))
            << state;
    }
    QApplication::setCursorFlashTime(flashTime);
}

// ---- Context menus ----------------------------------------------------------------------

TEST_F(Controls, TheContextMenusOfTheEditFieldsAndTheScrollBarSpeakSerbian) {
    const QStringList edit{"Opozovi", "Ponovi", "Iseci",      "Kopiraj",
                           "Nalepi",  "Obrisi", "Izaberi sve"};
    auto& box = form.add<TextBox>("txt", form.surface(), "tekst");
    box.setBounds(300, 300, 2400, 360);
    auto& combo = form.add<ComboBox>("cmb", form.surface(), "tekst");
    combo.setBounds(300, 900, 2400, 360);
    auto& bar = form.add<VScrollBar>("vsb", form.surface());
    bar.setBounds(3000, 300, 255, 3000);
    ASSERT_TRUE(showActive(form));
    const struct {
        Control* control;
        QStringList texts;
    } rows[] = {
        {&box, edit},
        {&combo, edit},
        {&bar,
         {"Pomeri ovde", "Na vrh", "Na dno", "Strana gore", "Strana dole", "Pomeri gore",
          "Pomeri dole"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control->name().toStdString());
        QStringList texts;
        // The scroll bar's menu runs a loop of its own until it closes.
        QTimer::singleShot(0, [&texts] {
            if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
                return;
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    if (!action->isSeparator())
                        texts << action->text().section('\t', 0, 0).remove('&');
                menu->close();
            }
        });
        QWidget* face = row.control->widget();
        QTest::mouseClick(form.window()->windowHandle(), Qt::RightButton, {},
                          face->mapTo(form.window(), face->rect().center()));
        EXPECT_TRUE(QTest::qWaitFor([&texts] { return !texts.isEmpty(); }, 1000));
        EXPECT_EQ(texts, row.texts);
    }
}

// ---- TextBox ----------------------------------------------------------------------------

TEST(TextBoxTest, HoldsOnlyCharactersThatALineOfTheFilesCanHold) {
    // The box's own menu takes the items given, one after another, on a box holding "ab".
    enum class Way { Paste, Type, SetText, Menu, Drop };
    struct Row {
        const char* name;
        Way way;
        QString input;
        QString expected;
    };
    const Row rows[] = {
        {"pasted line break", Way::Paste, "5\n0", "50"},
        {"pasted CR LF and tab", Way::Paste, "a\tb\r\nc", "abc"},
        {"pasted letters beyond Windows-1250", Way::Paste, QString::fromUtf8("\u00f1\u010d\u4e2d"),
         QString::fromUtf8("\u010d")},
        {"typed control characters", Way::Type,
         QString("1\x01\x0b\x7f"
                 "2"),
         "12"},
        {"typed letter beyond Windows-1250", Way::Type, QString::fromUtf8("a\u00f1b"), "ab"},
        {"set line break", Way::SetText, "5\r\n0", "50"},
        {"pasted by the menu", Way::Menu, "Nalepi", "ab5"},
        {"deleted by the menu, then undone", Way::Menu, "Izaberi sve|Obrisi|Opozovi", "ab"},
        {"dropped", Way::Drop, "7", "7ab"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        auto& box = w.place<TextBox>("txt", 300);
        ASSERT_TRUE(w.focusOn(box));
        int userChanges = 0;
        box.onUserChange = [&userChanges] { ++userChanges; };
        QMimeData dropped;
        dropped.setText(row.input);
        QGuiApplication::clipboard()->setText("5");

        switch (row.way) {
        case Way::Paste:
            QGuiApplication::clipboard()->setText(row.input);
            QTest::keyClick(box.widget(), Qt::Key_V, Qt::ControlModifier);
            break;
        case Way::Type:
            for (QChar ch : row.input)
                QTest::sendKeyEvent(QTest::Click, box.widget(), Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            break;
        case Way::SetText:
            box.setText(row.input);
            break;
        case Way::Menu:
            box.setText("ab");
            for (const QString& item : row.input.split('|'))
                EXPECT_TRUE(chooseFromBoxMenu(box.widget(), item)) << item.toStdString();
            break;
        case Way::Drop:
            box.setText("ab");
            QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QApplication::sendEvent(box.widget(), &enter);
            QApplication::sendEvent(box.widget(), &drop);
            break;
        }

        EXPECT_EQ(box.text(), row.expected);
        EXPECT_EQ(userChanges > 0, row.way != Way::SetText); // the user's changes only
    }
}

TEST_F(Controls, SelfSizingLabelFitsItsCaptionInEveryPlaceFontAndFrame) {
    Label& label = form.add<Label>("lbl", form.surface(), "kratko");
    label.setBounds(100, 0, 300, 180);
    label.setAutoSize(true);
    label.setCaption("Kliknite misom na ponudjeni a), b), c) ili d) odgovor.");
    const int width = label.width();
    EXPECT_GT(width, 300);
    EXPECT_EQ(label.widget()->width(), label.widget()->sizeHint().width());
    label.setCaption("x");
    EXPECT_EQ(label.width(), 300); // never narrower than it was made
    label.setCaption("Kliknite misom na ponudjeni a), b), c) ili d) odgovor.");
    label.setLeft(2000);
    EXPECT_EQ(label.width(), width);
    EXPECT_EQ(label.widget()->width(), label.widget()->sizeHint().width());
    // A caption shown before is measured again in a new font or frame.
    label.setFont("MS Sans Serif", 16, true);
    label.setCaption("Kliknite misom na ponudjeni a), b), c) ili d) odgovor.");
    EXPECT_GT(label.width(), width);
    EXPECT_EQ(label.widget()->width(), label.widget()->sizeHint().width());
    label.setBorder(true);
    label.setCaption("Kliknite misom na ponudjeni a), b), c) ili d) odgovor.");
    EXPECT_EQ(label.widget()->width(), label.widget()->sizeHint().width());
}

// ---- PictureBox -------------------------------------------------------------------------

class PictureTest : public Controls {
protected:
    // Writes a picture of one colour; a new size makes a new file length.
    QString write(const QString& name, QColor color, int side = 8) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(color);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
    QColor shown() const {
        return static_cast<QLabel*>(box.container())->pixmap().toImage().pixelColor(0, 0);
    }
    // Lets the read-ahead run, as the event loop does once the repaints are done.
    static void idle() { QCoreApplication::sendPostedEvents(); }

    QTemporaryDir folder;
    PictureBox& box = form.add<PictureBox>("pic", form.surface());
};

// A picture read ahead is shown when its turn comes, and read again if its file changed since.
TEST_F(PictureTest, PictureReadAheadIsShownWhenItsTurnComes) {
    for (bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "changed after it was read ahead" : "unchanged");
        const QString first = write("1.png", Qt::red), second = write("2.png", Qt::blue);
        ASSERT_TRUE(box.loadPicture(first));
        box.preloadPicture(second);
        idle();
        EXPECT_EQ(shown(), QColor(Qt::red)); // reading ahead shows nothing
        if (changed)
            write("2.png", Qt::green, 16);

        ASSERT_TRUE(box.loadPicture(second));

        EXPECT_EQ(shown(), changed ? QColor(Qt::green) : QColor(Qt::blue));
        EXPECT_EQ(box.picturePath(), second);
    }
}

// What stands at a picture's path and is no regular file (a FIFO, a device, a folder, or a
// link to one), or a picture file larger than 32 MiB, is no picture: nothing is read from it,
// and the picture shown before stays. A
// FIFO without a writer would hold a reader up until one comes; one comes here after two
// seconds, so that such a wait fails the test rather than hanging it.
TEST_F(PictureTest, WhatIsNoRegularFileIsNoPictureAndHoldsNothingUp) {
    const QString fifo = folder.filePath("fifo.png"), link = folder.filePath("link.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, link));
    ASSERT_TRUE(QFile::link("/dev/zero", folder.filePath("device.png")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.png"));
    std::jthread writerComes([path = QFile::encodeName(fifo)](std::stop_token stop) {
        for (int ms = 0; !stop.stop_requested(); ms += 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (int fd = ms >= 2000 ? ::open(path.constData(), O_WRONLY | O_NONBLOCK) : -1; fd >= 0)
                ::close(fd);
        }
    });
    ASSERT_TRUE(QFile::resize(write("huge.png", Qt::blue), 32 * 1024 * 1024 + 1));
    const QString red = write("1.png", Qt::red);
    for (const char* name : {"fifo.png", "link.png", "device.png", "folder.png", "huge.png"}) {
        const QString path = folder.filePath(name);
        ASSERT_TRUE(box.loadPicture(red));
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(box.loadPicture(path)) << name;
        box.preloadPicture(path);
        idle();
        EXPECT_FALSE(box.loadPicture(path)) << name;
        EXPECT_LT(timer.elapsed(), 1000) << name;
        EXPECT_EQ(shown(), QColor(Qt::red)) << name;
        EXPECT_EQ(box.picturePath(), red) << name;
    }
}

TEST_F(PictureTest, TheSurfaceShowsAroundAPictureSmallerThanItsBox) {
    // A box of 40 x 40 pixels, loaded so, and one that grows to it after its picture of
    // 20 x 20 covered it.
    for (int twipsAtLoad : {600, 300}) {
        box.setBounds(0, 0, twipsAtLoad, twipsAtLoad);
        ASSERT_TRUE(box.loadPicture(write(QString("%1.png").arg(twipsAtLoad), Qt::red, 20)));
        box.setBounds(0, 0, 600, 600);
        ASSERT_TRUE(showActive(form));
        const QImage shot = form.surface()->grab().toImage();
        EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::red)) << twipsAtLoad;
        EXPECT_EQ(shot.pixelColor(30, 30), QColor(Qt::white)) << twipsAtLoad;
    }
}

// ---- ProgressBar and PieChart -----------------------------------------------------------

TEST_F(Controls, ProgressBarRefusesValuesOutsideItsRange) {
    auto& bar = form.add<ProgressBar>("prb", form.surface());
    bar.setMax(10);
    ASSERT_TRUE(bar.setValue(4));
    const std::pair<int, bool> cases[] = {{-1, false}, {0, true}, {10, true}, {11, false}};
    for (auto [value, accepted] : cases) {
        int before = bar.value();
        EXPECT_EQ(bar.setValue(value), accepted) << value;
        EXPECT_EQ(bar.value(), accepted ? value : before) << value;
    }
}

TEST_F(Controls, PieChartDrawsItsTwoValuesInOrder) {
    auto& pie = form.add<PieChart>("pie", form.surface());
    pie.setBounds(0, 0, 1500, 1500); // 100 x 100 pixels
    pie.setColors(Qt::red, Qt::blue);
    pie.setValues(1, 3);
    EXPECT_EQ(pie.first(), 1);
    EXPECT_EQ(pie.second(), 3);

    // The first value takes the quarter from twelve to three o'clock.
    QImage image = pie.widget()->grab().toImage();
    QPoint centre(image.width() / 2, image.height() / 2);
    EXPECT_EQ(image.pixelColor(centre + QPoint(20, -20)), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(centre + QPoint(20, 20)), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(centre + QPoint(-20, -20)), QColor(Qt::blue));
}

} // namespace
} // namespace kviz::testing
