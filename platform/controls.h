// The controls of a form: label, text box, combo box, command button, image, picture box,
// vertical scroll bar, progress bar, two-slice pie chart, timer and menu item.
//
// Controls are placed in twips (15 to a pixel) on the form's client area or inside a picture
// box. Events are callbacks; a key callback can cancel its key by setting the code to 0.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QKeySequence>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QStyle;
class QTimer;

namespace kviz {

class Form;
class PictureBox;

class Control {
public:
    Control(Form& form, QString name, QWidget* widget);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    QWidget* widget() const { return widget_; }
    Form& form() const { return form_; }

    // Position and size in twips, relative to the form's client area or the container.
    void setBounds(int left, int top, int width, int height);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int left);

    void setVisible(bool visible);
    bool visible() const { return visible_; }
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }

    // Gives the control the keyboard focus; does nothing while it, or the form, is hidden or
    // disabled.
    void setFocus();
    bool hasFocus() const;
    bool canTakeFocus() const;

    void setFont(const QString& name, double sizePoints, bool bold);
    void setToolTip(const QString& text);

    std::function<void()> onClick;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;

private:
    Form& form_;
    QString name_;
    QPointer<QWidget> widget_; // a container deletes the controls inside it
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
};

class Label : public Control {
public:
    Label(Form& form, QString name, QWidget* parent, const QString& caption);
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    void setBackColor(QColor color);
    void setForeColor(QColor color);
    void setBorder(bool single);
    bool border() const { return border_; }
    // A label that widens to show its whole caption; it is never narrower than it was made.
    void setAutoSize(bool autoSize);

private:
    int captionWidth();

    QLabel* label_;
    QString caption_;
    bool border_ = false;
    bool autoSize_ = false;
    int designWidth_ = 0;
    // The widths of the captions shown so far, in pixels, in the font and frame they were
    // measured in.
    QHash<QString, int> captionWidths_;
    QFont measuredFont_;
    int measuredFrame_ = 0;
};

// A single-line text box. It holds only characters that a line of the trainer's files can
// hold: line breaks, other control characters and characters beyond Windows-1250 that are
// typed, pasted or set never reach its text.
class TextBox : public Control {
public:
    TextBox(Form& form, QString name, QWidget* parent, const QString& text);
    QString text() const;
    void setText(const QString& text);
    void setMaxLength(int length);
    void setForeColor(QColor color);
    QLineEdit* lineEdit() const { return edit_; }
    // The text has changed, by typing or by setText; not when it stays the same.
    std::function<void()> onChange;
    // The user has changed the text: by a key, the box's own menu, a paste with the middle
    // button, a drop or Undo. Never for a text set by the program.
    std::function<void()> onUserChange;

private:
    QLineEdit* edit_;
    bool settingText_ = false;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, QString name, QWidget* parent, const QString& caption);
    void setCaption(const QString& caption);
    QString caption() const;
    // Presses the button: runs its click callback while it is enabled.
    void press();

private:
    QPushButton* button_;
};

// An editable combo box that never inserts or completes entries by itself. Its selected
// entry (list index, -1 for none) is kept apart from the text in its field.
// An entry longer than a box could ever show is shown cut, with an ellipsis, in the field and in
// the list, quickly however long it is; text() and items() still give it whole.
class ComboBox : public Control {
public:
    ComboBox(Form& form, QString name, QWidget* parent, const QString& text);
    QString text() const;
    void setText(const QString& text);
    void addItem(const QString& item);
    // Removes every entry; the field keeps its text.
    void clear();
    int listCount() const;
    int listIndex() const { return listIndex_; }
    // Selects an entry and shows its text; -1 selects none and leaves the text.
    void setListIndex(int index);
    QStringList items() const;
    // Selects the first entry equal to the text, case and blanks counting; when there is none,
    // appends the text as a new last entry and selects it.
    void selectOrAppend(const QString& text);
    QComboBox* comboBox() const { return combo_; }

private:
    // Puts the text in the field, cut when it is long.
    void showText(const QString& text);

    QComboBox* combo_;
    int listIndex_ = -1;
    QString whole_; // the text whose cut form the field shows
};

// A picture shown at its own size, clipped by the control. Loading a picture that cannot be
// read keeps the picture shown before.
class Image : public Control {
public:
    Image(Form& form, QString name, QWidget* parent);
    // The second click of a double click, which is no click.
    std::function<void()> onDblClick;
    bool loadPicture(const QString& path);
    void setPicture(const QPixmap& pixmap);
    QString picturePath() const { return path_; }

private:
    QLabel* label_;
    QString path_;
};

// A container for other controls, which can also show a picture. As on a label, the second
// click of a double click on it is no click.
class PictureBox : public Control {
public:
    PictureBox(Form& form, QString name, QWidget* parent);
    bool loadPicture(const QString& path);
    // Reads a picture ahead, once the repaints waiting now are done, so that a later
    // loadPicture of the same unchanged file shows it without reading it then. Only the last
    // picture asked for is kept.
    void preloadPicture(const QString& path);
    QString picturePath() const { return path_; }
    void setBackColor(QColor color);
    QWidget* container() const;

private:
    void readAhead();

    QLabel* label_;
    QString path_;
    QObject* aheadCall_;
    QString aheadPath_;
    QString aheadStamp_; // the state of the file when aheadImage_ was read
    QImage aheadImage_;
};

// A vertical scroll bar: a value outside the range is refused,
// the minimum may lie above the maximum, Change fires when the value changes by an arrow, a
// page click, the end of a drag or a value set in code, and Scroll fires while dragging.
class VScrollBar : public Control {
public:
    VScrollBar(Form& form, QString name, QWidget* parent);
    ~VScrollBar() override;
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    void setMin(int min);
    void setMax(int max);
    // False, and nothing changes, when the value lies outside the range.
    bool setValue(int value);

    std::function<void()> onChange;
    std::function<void()> onScroll;

private:
    // A value outside the new range moves to its nearer end, which is a change.
    void setRange(int min, int max);
    void syncWidget();
    void userMoved(int widgetValue, bool dragging);
    void dragEnded();
    int fromWidget(int widgetValue) const;

    QScrollBar* bar_;
    std::unique_ptr<QStyle> style_;
    int min_ = 0, max_ = 32767, value_ = 0;
    int valueAtDragStart_ = 0;
    bool syncing_ = false;
};

// A progress bar whose value stays within 0 and its maximum: other values are refused.
class ProgressBar : public Control {
public:
    ProgressBar(Form& form, QString name, QWidget* parent);
    int max() const { return max_; }
    int value() const { return value_; }
    void setMax(int max);
    bool setValue(int value);

private:
    QProgressBar* bar_;
    int max_ = 100, value_ = 0;
};

// A pie of two slices, drawn in the order the values are given.
class PieChart : public Control {
public:
    PieChart(Form& form, QString name, QWidget* parent);
    void setValues(double first, double second);
    double first() const { return first_; }
    double second() const { return second_; }
    void setColors(QColor first, QColor second);

private:
    double first_ = 0, second_ = 0;
};

class Timer {
public:
    explicit Timer(QString name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    const QString& name() const { return name_; }
    void setInterval(int milliseconds);
    int interval() const;
    void setEnabled(bool enabled);
    bool enabled() const;
    std::function<void()> onTick;

private:
    QString name_;
    QTimer* timer_;
};

// An item of the menu bar: a top menu, an item of a top menu, or a separator. A disabled top
// menu disables its items too, shortcuts included. Choosing an item does not change its check
// mark by itself.
class MenuItem {
public:
    const QString& name() const { return name_; }
    MenuItem& addItem(const QString& name, const QString& caption,
                      const QKeySequence& shortcut = {});
    MenuItem& addSeparator(const QString& name);

    void setCaption(const QString& caption);
    QString caption() const;
    QKeySequence shortcut() const;
    void setChecked(bool checked);
    bool checked() const { return checked_; }
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    void setVisible(bool visible);
    bool visible() const { return visible_; }
    const std::vector<MenuItem*>& items() const { return items_; }

    // Chooses the item as the user would: runs its click callback while it is enabled.
    void choose();
    std::function<void()> onClick;

    QAction* action() const { return action_; }
    ~MenuItem();

private:
    friend class Form;
    MenuItem(Form& form, QString name, MenuItem* parent);
    void applyEnabled();

    Form& form_;
    QString name_;
    MenuItem* parent_;
    QAction* action_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<MenuItem*> items_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool separator_ = false;
};

} // namespace kviz
