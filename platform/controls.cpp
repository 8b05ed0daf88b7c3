#include "platform/controls.h"

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QValidator>
#include <cmath>
#include <limits>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kviz {

namespace {

int pixels(int twips) { return static_cast<int>(std::lround(twips / Canvas::kTwipsPerPixel)); }

// A label whose picture, without see-through pixels, covers it whole is opaque, so that what
// lies under it is not painted first.
void fitOpacity(QLabel& label) {
    const QPixmap picture = label.pixmap();
    const bool covers = !picture.isNull() && !picture.hasAlphaChannel() &&
                        label.contentsRect() == label.rect() && label.text().isEmpty() &&
                        label.alignment() == (Qt::AlignLeft | Qt::AlignTop) &&
                        picture.deviceIndependentSize().width() >= label.width() &&
                        picture.deviceIndependentSize().height() >= label.height();
    label.setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void showPicture(QLabel& label, const QPixmap& picture) {
    label.setPixmap(picture);
    fitOpacity(label);
}

// A label that reports clicks; also the face of images and picture boxes. It takes the mouse
// presses over it, so that they never reach the form's surface beneath. The second click of a
// double click is no click: it goes to the double-click callback, where there is one.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent) : QLabel(parent) {}
    std::function<void()> clicked;
    std::function<void()> doubleClicked;
    std::function<void(int)> released;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        fitOpacity(*this);
    }
    void mousePressEvent(QMouseEvent* event) override {
        afterDoubleClick_ = false;
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            mousePressEvent(event); // only the left button makes double clicks
            return;
        }
        afterDoubleClick_ = true;
        if (doubleClicked)
            doubleClicked();
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        int button = event->button() == Qt::RightButton    ? buttons::Right
                     : event->button() == Qt::MiddleButton ? buttons::Middle
                                                           : buttons::Left;
        bool secondOfDouble = afterDoubleClick_;
        afterDoubleClick_ = false;
        if (released)
            released(button);
        if (secondOfDouble)
            return;
        if (clicked && rect().contains(event->position().toPoint()))
            clicked();
    }

private:
    bool afterDoubleClick_ = false;
};

class PieWidget : public QWidget {
public:
    explicit PieWidget(QWidget* parent) : QWidget(parent) {}
    const PieChart* chart = nullptr;
    QColor firstColor{Qt::red};
    QColor secondColor{Qt::darkGreen};

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (chart == nullptr)
            return;
        double total = chart->first() + chart->second();
        int side = std::min(width(), height()) - 8;
        QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
        painter.setPen(QPen(Qt::black, 1));
        if (total <= 0) {
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(circle);
            return;
        }
        // Slices start at twelve o'clock and run clockwise, in the order of the values.
        int start = 90 * 16;
        int firstSpan = -static_cast<int>(std::lround(chart->first() / total * 360.0 * 16));
        int secondSpan = -360 * 16 - firstSpan;
        // A slice of the whole circle is the circle itself, with no radius at twelve o'clock.
        auto slice = [&](const QColor& color, int from, int span) {
            painter.setBrush(color);
            if (std::abs(span) >= 360 * 16)
                painter.drawEllipse(circle);
            else if (span != 0)
                painter.drawPie(circle, from, span);
        };
        slice(firstColor, start, firstSpan);
        slice(secondColor, start + firstSpan, secondSpan);
    }
};

// Keeps out of a text box every character that a line of the trainer's files cannot hold:
// line breaks, other control characters and characters beyond Windows-1250. What is typed or
// pasted loses them; the rest of the text stays.
class Cp1250Validator : public QValidator {
public:
    explicit Cp1250Validator(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override {
        QString kept = printableCp1250(input);
        if (kept.size() != input.size()) {
            pos = static_cast<int>(printableCp1250(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }
};

} // namespace

// ---- Control ----------------------------------------------------------------------------

Control::Control(Form& form, QString name, QWidget* widget)
    : form_(form), name_(std::move(name)), widget_(widget) {
    widget_->setObjectName(name_);
    // A press on a control belongs to the control: one that has no use for it (a label without
    // a click, a progress bar, a disabled control) drops it, and it never reaches the form's
    // surface beneath.
    widget_->setAttribute(Qt::WA_NoMousePropagation);
    form_.registerControl(this);
}

Control::~Control() {
    form_.unregisterControl(this);
    delete widget_;
}

void Control::setBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    widget_->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

void Control::setLeft(int left) { setBounds(left, top_, width_, height_); }

void Control::setVisible(bool visible) {
    visible_ = visible;
    if (!visible)
        form_.focusLeaves(this);
    widget_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled)
        form_.focusLeaves(this);
    widget_->setEnabled(enabled);
}

bool Control::canTakeFocus() const {
    return widget_->isVisible() && widget_->isEnabled() && widget_->focusPolicy() != Qt::NoFocus;
}

void Control::setFocus() {
    if (!canTakeFocus())
        return;
    widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const { return form_.focusedControl() == this; }

void Control::setFont(const QString& name, double sizePoints, bool bold) {
    widget_->setFont(Canvas::screenFont(name, sizePoints, bold));
}

void Control::setToolTip(const QString& text) { widget_->setToolTip(text); }

// ---- Label ------------------------------------------------------------------------------

Label::Label(Form& form, QString name, QWidget* parent, const QString& caption)
    : Control(form, std::move(name), new ClickLabel(parent)),
      label_(static_cast<QLabel*>(widget())) {
    auto* face = static_cast<ClickLabel*>(label_);
    face->clicked = [this] {
        if (enabled() && onClick)
            onClick();
    };
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setFocusPolicy(Qt::NoFocus);
    setFont(kSansSerif, 8.25, false);
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    label_->setText(caption);
    if (autoSize_)
        setBounds(left(), top(),
                  std::max(designWidth_, static_cast<int>(captionWidth() * Canvas::kTwipsPerPixel)),
                  height());
}

int Label::captionWidth() {
    // Captions come back, as a help line that alternates between a few: each is measured once.
    if (label_->font() != measuredFont_ || label_->frameStyle() != measuredFrame_) {
        captionWidths_.clear();
        measuredFont_ = label_->font();
        measuredFrame_ = label_->frameStyle();
    }
    auto known = captionWidths_.constFind(caption_);
    if (known != captionWidths_.cend())
        return *known;
    if (captionWidths_.size() >= 64)
        captionWidths_.clear();
    return *captionWidths_.insert(caption_, label_->sizeHint().width());
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    designWidth_ = width();
    setCaption(caption_);
}

void Label::setBackColor(QColor color) {
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, color);
    label_->setPalette(palette);
}

void Label::setForeColor(QColor color) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, color);
    label_->setPalette(palette);
}

void Label::setBorder(bool single) {
    border_ = single;
    label_->setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

// ---- TextBox ----------------------------------------------------------------------------

TextBox::TextBox(Form& form, QString name, QWidget* parent, const QString& text)
    : Control(form, std::move(name), new QLineEdit(parent)),
      edit_(static_cast<QLineEdit*>(widget())) {
    edit_->setValidator(new Cp1250Validator(edit_));
    edit_->setText(text);
    setFont(kSansSerif, 8.25, false);
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] {
        if (onChange)
            onChange();
        if (!settingText_ && onUserChange)
            onUserChange();
    });
}

void TextBox::setForeColor(QColor color) {
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Text, color);
    edit_->setPalette(palette);
}

QString TextBox::text() const { return edit_->text(); }
void TextBox::setText(const QString& text) {
    const bool outer = std::exchange(settingText_, true);
    edit_->setText(text);
    settingText_ = outer;
}

void TextBox::setMaxLength(int length) {
    const bool outer = std::exchange(settingText_, true); // a longer text is cut
    edit_->setMaxLength(length > 0 ? length : 32767);
    settingText_ = outer;
}

// ---- CommandButton ----------------------------------------------------------------------

CommandButton::CommandButton(Form& form, QString name, QWidget* parent, const QString& caption)
    : Control(form, std::move(name), new QPushButton(parent)),
      button_(static_cast<QPushButton*>(widget())) {
    button_->setText(caption);
    button_->setAutoDefault(false);
    button_->setFocusPolicy(Qt::StrongFocus);
    setFont(kSansSerif, 8.25, false);
    QObject::connect(button_, &QPushButton::clicked, button_, [this] { press(); });
}

void CommandButton::setCaption(const QString& caption) { button_->setText(caption); }
QString CommandButton::caption() const { return button_->text(); }

void CommandButton::press() {
    if (enabled() && onClick)
        onClick();
}

// ---- ComboBox ---------------------------------------------------------------------------

namespace {
// Shows each entry of a combo box's list on one row, with a line end inside the entry shown as
// a blank. The entries keep their text.
class OneRowEntries : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override {
        return value.toString().replace(u'\r', u' ').replace(u'\n', u' ');
    }
};
} // namespace

namespace {
// Far more characters than the widest box shows. A text beyond it is shown cut, since laying out
// a text of millions of characters would hold up the window for many seconds.
constexpr qsizetype kLongestShownEntry = 200;

QString shownCut(const QString& text) {
    return text.size() > kLongestShownEntry ? text.left(kLongestShownEntry - 1) + QChar(0x2026)
                                            : text;
}

// Eats the wheel over a closed combo box, which would otherwise choose an entry unasked.
class NoWheel : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Wheel; }
};
} // namespace

ComboBox::ComboBox(Form& form, QString name, QWidget* parent, const QString& text)
    : Control(form, std::move(name), new QComboBox(parent)),
      combo_(static_cast<QComboBox*>(widget())) {
    combo_->setEditable(true);
    // The field fills itself with the base colour that the box draws under it, so a new text
    // repaints the field alone and not the box and what lies under the box.
    combo_->lineEdit()->setAutoFillBackground(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
    combo_->setItemDelegate(new OneRowEntries(combo_));
    // When the field loses the focus or takes Enter, Qt selects the entry whose text matches
    // the field. The selection changes only when the user chooses an entry.
    QObject::disconnect(combo_->lineEdit(), &QLineEdit::editingFinished, combo_, nullptr);
    combo_->setFocusPolicy(Qt::StrongFocus);
    showText(text);
    setFont(kSansSerif, 8.25, false);
    combo_->installEventFilter(new NoWheel(combo_));
    QObject::connect(combo_, qOverload<int>(&QComboBox::activated), combo_,
                     [this](int index) { listIndex_ = index; });
    // An entry that becomes current shows in the field cut, as the list shows it.
    QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this](int index) {
        if (index >= 0)
            whole_ = combo_->itemData(index, Qt::UserRole).toString();
    });
}

QString ComboBox::text() const {
    const QString shown = combo_->currentText();
    return shown == shownCut(whole_) ? whole_ : shown;
}

void ComboBox::showText(const QString& text) {
    whole_ = text;
    combo_->setEditText(shownCut(text));
}

void ComboBox::setText(const QString& text) {
    // Setting the text the field holds, in the state that setting it leaves, changes nothing;
    // it would only lay the text out again.
    const QLineEdit* edit = combo_->lineEdit();
    if (whole_ == text && edit->text() == shownCut(text) &&
        edit->cursorPosition() == edit->text().size() && !edit->hasSelectedText() &&
        !edit->isModified() && !edit->isUndoAvailable() && !edit->isRedoAvailable())
        return;
    showText(text);
}

void ComboBox::addItem(const QString& item) {
    QString text = this->text();
    combo_->addItem(shownCut(item), item);
    // Qt selects the first entry of an empty list by itself; the field keeps its text and the
    // selection stays as it was.
    if (combo_->currentIndex() != listIndex_) {
        combo_->setCurrentIndex(listIndex_);
        showText(text);
    }
}

void ComboBox::clear() {
    const QString text = this->text();
    combo_->clear();
    listIndex_ = -1;
    showText(text);
}

int ComboBox::listCount() const { return combo_->count(); }

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= combo_->count())
        return;
    listIndex_ = index;
    if (index >= 0) {
        combo_->setCurrentIndex(index);
        showText(combo_->itemData(index, Qt::UserRole).toString());
    } else {
        QString text = this->text();
        combo_->setCurrentIndex(-1);
        showText(text);
    }
}

void ComboBox::selectOrAppend(const QString& text) {
    for (int i = 0; i < combo_->count(); ++i) {
        if (combo_->itemData(i, Qt::UserRole).toString() == text) {
            setListIndex(i);
            return;
        }
    }
    addItem(text);
    setListIndex(combo_->count() - 1);
}

QStringList ComboBox::items() const {
    QStringList list;
    for (int i = 0; i < combo_->count(); ++i)
        list << combo_->itemData(i, Qt::UserRole).toString();
    return list;
}

// ---- Image and PictureBox ---------------------------------------------------------------

namespace {
// No picture of a bank comes near this size; a larger file is a picture that cannot be loaded,
// and no more of it than this is ever read, so it never holds up the window.
constexpr qint64 kLargestPicture = 32 * 1024 * 1024;

// The file's bytes when it holds at most kLargestPicture of them; empty otherwise.
QByteArray readBounded(QFile& file) {
    QByteArray bytes;
    char chunk[64 * 1024];
    for (qint64 got; bytes.size() <= kLargestPicture && (got = file.read(chunk, sizeof chunk)) > 0;)
        bytes.append(chunk, got);
    return bytes.size() > kLargestPicture ? QByteArray() : bytes;
}

// What tells one state of a picture file from another: its path, length and time of change.
// Empty when no regular file stands at the path. It is taken at every question, so with one
// call.
#ifndef _WIN32
QString stampOf(const QString& path, const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return QString();
    return QStringLiteral("%1|%2|%3.%4")
        .arg(path)
        .arg(static_cast<qint64>(info.st_size))
        .arg(static_cast<qint64>(info.st_mtim.tv_sec))
        .arg(static_cast<qint64>(info.st_mtim.tv_nsec));
}

QString pictureStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();
    return stampOf(path, info);
}

// The bytes of the regular file at the path, and its stamp as it was read. A FIFO, a device
// or a folder there (or a link to one), and a file larger than any picture, are refused at once
// and nothing is read from them, so a picture never holds up the window. Empty stamp when
// nothing was read.
QByteArray readRegularFile(const QString& path, QString& stamp) {
    stamp.clear();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kLargestPicture) {
        ::close(fd);
        return QByteArray();
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QByteArray();
    }
    stamp = stampOf(path, info);
    return readBounded(file);
}
#else
QString pictureStamp(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile())
        return QString();
    return QStringLiteral("%1|%2|%3")
        .arg(path)
        .arg(file.size())
        .arg(file.lastModified().toMSecsSinceEpoch());
}

QByteArray readRegularFile(const QString& path, QString& stamp) {
    stamp = pictureStamp(path);
    QFile file(path);
    if (stamp.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return readBounded(file);
}
#endif

// Decodes the picture file at the path; its stamp as read goes to stamp, or an empty one when
// nothing could be decoded. The file's suffix names the format first, as for a file opened by
// name.
QImage readPicture(const QString& path, QString& stamp) {
    QByteArray bytes = readRegularFile(path, stamp);
    QBuffer buffer(&bytes);
    QImage image = QImageReader(&buffer, QFileInfo(path).suffix().toLower().toLatin1()).read();
    if (image.isNull())
        stamp.clear();
    return image;
}

constexpr const char* kPictureStamp = "kvizPictureStamp";

bool showsAlready(const QLabel* label, const QString& path, const QString& keptPath,
                  const QString& stamp) {
    return !stamp.isEmpty() && path == keptPath && label->property(kPictureStamp) == stamp;
}

// Shows the picture file on the label. A picture read ahead is taken in place of reading the
// file when the file has not changed since.
bool loadInto(QLabel* label, const QString& path, QString& keptPath, QString* aheadStamp = nullptr,
              QImage* aheadImage = nullptr) {
    // The unchanged file that the label shows already (two questions may share a picture) is
    // neither decoded nor repainted again.
    const QString stamp = pictureStamp(path);
    if (showsAlready(label, path, keptPath, stamp))
        return true;
    QImage image;
    QString shownStamp = stamp;
    if (aheadStamp != nullptr && !stamp.isEmpty() && *aheadStamp == stamp)
        image = std::move(*aheadImage);
    else
        image = readPicture(path, shownStamp);
    if (image.isNull())
        return false;
    showPicture(*label, QPixmap::fromImage(std::move(image)));
    label->setProperty(kPictureStamp, shownStamp);
    keptPath = path;
    return true;
}

// Runs a function once the events waiting now have been handled, the widgets' repaints (which
// Qt posts at low priority) included.
class AfterRepaints : public QObject {
public:
    AfterRepaints(QObject* parent, std::function<void()> run)
        : QObject(parent), run_(std::move(run)) {}
    void post() {
        if (posted_)
            return;
        posted_ = true;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User),
                                    std::numeric_limits<int>::min());
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        posted_ = false;
        run_();
        return true;
    }

private:
    std::function<void()> run_;
    bool posted_ = false;
};
} // namespace

Image::Image(Form& form, QString name, QWidget* parent)
    : Control(form, std::move(name), new ClickLabel(parent)),
      label_(static_cast<QLabel*>(widget())) {
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setFocusPolicy(Qt::NoFocus);
    auto* face = static_cast<ClickLabel*>(label_);
    face->clicked = [this] {
        if (enabled() && onClick)
            onClick();
    };
    face->released = [this](int button) {
        if (enabled() && onMouseUp)
            onMouseUp(button, 0, 0, 0);
    };
    face->doubleClicked = [this] {
        if (enabled() && onDblClick)
            onDblClick();
    };
}

bool Image::loadPicture(const QString& path) { return loadInto(label_, path, path_); }
void Image::setPicture(const QPixmap& pixmap) {
    showPicture(*label_, pixmap);
    label_->setProperty(kPictureStamp, QVariant());
}

PictureBox::PictureBox(Form& form, QString name, QWidget* parent)
    : Control(form, std::move(name), new ClickLabel(parent)),
      label_(static_cast<QLabel*>(widget())),
      aheadCall_(new AfterRepaints(label_, [this] { readAhead(); })) {
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setFocusPolicy(Qt::NoFocus);
    auto* face = static_cast<ClickLabel*>(label_);
    face->clicked = [this] {
        if (enabled() && onClick)
            onClick();
    };
}

bool PictureBox::loadPicture(const QString& path) {
    const bool loaded = loadInto(label_, path, path_, &aheadStamp_, &aheadImage_);
    if (aheadImage_.isNull())
        aheadStamp_.clear();
    return loaded;
}

void PictureBox::preloadPicture(const QString& path) {
    aheadPath_ = path;
    static_cast<AfterRepaints*>(aheadCall_)->post();
}

void PictureBox::readAhead() {
    const QString stamp = pictureStamp(aheadPath_);
    if (stamp.isEmpty() || stamp == aheadStamp_ || showsAlready(label_, aheadPath_, path_, stamp))
        return;
    aheadImage_ = readPicture(aheadPath_, aheadStamp_);
}

void PictureBox::setBackColor(QColor color) {
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, color);
    label_->setPalette(palette);
}

QWidget* PictureBox::container() const { return label_; }

// ---- VScrollBar -------------------------------------------------------------------------

namespace {
// The Fusion style paints a scroll bar's groove as a gradient and lines the height of the
// bar, which Qt's raster engine hands, like every fill of 96 rows or more, to its thread pool
// at each repaint; the wake-ups cost more than the work. The groove does not depend on the
// value, so it is drawn once for each size and look and then copied in bands of rows, and the
// arrows and the box are drawn over it as the style draws them.
class GrooveCachingStyle : public QProxyStyle {
public:
    void polish(QWidget* widget) override {
        QProxyStyle::polish(widget);
        // Fusion marks the bar see-through when it polishes it, but its groove fills every
        // pixel of the bar unless the bar fades in and out: what lies under it is not painted.
        if (qobject_cast<QScrollBar*>(widget) != nullptr)
            widget->setAttribute(Qt::WA_OpaquePaintEvent,
                                 !styleHint(SH_ScrollBar_Transient, nullptr, widget));
    }
    using QProxyStyle::polish;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || bar == nullptr || !(bar->subControls & SC_ScrollBarGroove)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                                .arg(bar->rect.width())
                                .arg(bar->rect.height())
                                .arg(ratio)
                                .arg(bar->palette.cacheKey())
                                .arg(int(bar->palette.currentColorGroup()))
                                .arg(int(bar->state))
                                .arg(int(bar->activeSubControls));
        if (key != grooveKey_) {
            grooveKey_ = key;
            groove_ = QPixmap((QSizeF(bar->rect.size()) * ratio).toSize());
            groove_.setDevicePixelRatio(ratio);
            groove_.fill(Qt::transparent);
            QPainter groovePainter(&groove_);
            QStyleOptionSlider grooveOnly = *bar;
            grooveOnly.rect.moveTopLeft(QPoint(0, 0));
            grooveOnly.subControls = SC_ScrollBarGroove;
            QProxyStyle::drawComplexControl(control, &grooveOnly, &groovePainter, widget);
        }
        const QRect& r = bar->rect;
        for (int top = 0; top < r.height(); top += 64) {
            const int rows = std::min(64, r.height() - top);
            painter->drawPixmap(QRectF(r.left(), r.top() + top, r.width(), rows), groove_,
                                QRectF(0, top * ratio, r.width() * ratio, rows * ratio));
        }
        QStyleOptionSlider rest = *bar;
        rest.subControls &= ~SC_ScrollBarGroove;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
    }

private:
    mutable QString grooveKey_;
    mutable QPixmap groove_;
};
} // namespace

VScrollBar::VScrollBar(Form& form, QString name, QWidget* parent)
    : Control(form, std::move(name), new QScrollBar(Qt::Vertical, parent)),
      bar_(static_cast<QScrollBar*>(widget())) {
    bar_->setFocusPolicy(Qt::NoFocus);
    if (QApplication::style()->name() == QLatin1String("fusion")) {
        style_ = std::make_unique<GrooveCachingStyle>();
        bar_->setStyle(style_.get());
    }
    syncWidget();
    QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this](int v) {
        if (!syncing_)
            userMoved(v, bar_->isSliderDown());
    });
    QObject::connect(bar_, &QScrollBar::sliderPressed, bar_,
                     [this] { valueAtDragStart_ = value_; });
    QObject::connect(bar_, &QScrollBar::sliderReleased, bar_, [this] { dragEnded(); });
}

VScrollBar::~VScrollBar() {
    if (widget() != nullptr)
        widget()->setStyle(nullptr); // back to the application's style before its own goes
}

int VScrollBar::fromWidget(int widgetValue) const {
    // With the minimum above the maximum the bar runs the other way.
    return min_ <= max_ ? widgetValue : min_ + max_ - widgetValue;
}

void VScrollBar::syncWidget() {
    syncing_ = true;
    int low = std::min(min_, max_);
    int high = std::max(min_, max_);
    bar_->setRange(low, high);
    bar_->setPageStep(1);
    bar_->setValue(min_ <= max_ ? value_ : min_ + max_ - value_);
    syncing_ = false;
}

void VScrollBar::setMin(int min) { setRange(min, max_); }

void VScrollBar::setMax(int max) { setRange(min_, max); }

void VScrollBar::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    int low = std::min(min_, max_), high = std::max(min_, max_);
    bool changed = false;
    if (value_ < low || value_ > high) {
        value_ = value_ < low ? low : high;
        changed = true;
    }
    syncWidget();
    if (changed && onChange)
        onChange();
}

bool VScrollBar::setValue(int value) {
    int low = std::min(min_, max_), high = std::max(min_, max_);
    if (value < low || value > high)
        return false;
    if (value == value_)
        return true;
    value_ = value;
    syncWidget();
    if (onChange)
        onChange();
    return true;
}

void VScrollBar::userMoved(int widgetValue, bool dragging) {
    int value = fromWidget(widgetValue);
    if (value == value_)
        return;
    value_ = value;
    if (dragging) {
        if (onScroll)
            onScroll();
    } else if (onChange) {
        onChange();
    }
}

void VScrollBar::dragEnded() {
    if (value_ != valueAtDragStart_ && onChange)
        onChange();
}

// ---- ProgressBar ------------------------------------------------------------------------

ProgressBar::ProgressBar(Form& form, QString name, QWidget* parent)
    : Control(form, std::move(name), new QProgressBar(parent)),
      bar_(static_cast<QProgressBar*>(widget())) {
    bar_->setTextVisible(false);
    bar_->setRange(0, max_);
    bar_->setValue(0);
}

void ProgressBar::setMax(int max) {
    max_ = std::max(max, 0);
    if (value_ > max_)
        value_ = max_;
    bar_->setRange(0, max_);
    bar_->setValue(value_);
}

bool ProgressBar::setValue(int value) {
    if (value < 0 || value > max_)
        return false;
    value_ = value;
    bar_->setValue(value);
    return true;
}

// ---- PieChart ---------------------------------------------------------------------------

PieChart::PieChart(Form& form, QString name, QWidget* parent)
    : Control(form, std::move(name), new PieWidget(parent)) {
    static_cast<PieWidget*>(widget())->chart = this;
}

void PieChart::setValues(double first, double second) {
    first_ = first;
    second_ = second;
    widget()->update();
}

void PieChart::setColors(QColor first, QColor second) {
    auto* pie = static_cast<PieWidget*>(widget());
    pie->firstColor = first;
    pie->secondColor = second;
    pie->update();
}

// ---- Timer ------------------------------------------------------------------------------

Timer::Timer(QString name) : name_(std::move(name)), timer_(new QTimer) {
    timer_->setInterval(1000);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        if (onTick)
            onTick();
    });
}

Timer::~Timer() { delete timer_; }

void Timer::setInterval(int milliseconds) { timer_->setInterval(milliseconds); }
int Timer::interval() const { return timer_->interval(); }

void Timer::setEnabled(bool enabled) {
    if (enabled && timer_->interval() > 0)
        timer_->start();
    else
        timer_->stop();
}

bool Timer::enabled() const { return timer_->isActive(); }

// ---- MenuItem ---------------------------------------------------------------------------

MenuItem::MenuItem(Form& form, QString name, MenuItem* parent)
    : form_(form), name_(std::move(name)), parent_(parent) {}

MenuItem::~MenuItem() {
    for (MenuItem* item : items_)
        delete item;
    delete menu_;
}

MenuItem& MenuItem::addItem(const QString& name, const QString& caption,
                            const QKeySequence& shortcut) {
    if (menu_ == nullptr) {
        menu_ = new QMenu;
        action_->setMenu(menu_);
    }
    auto* item = new MenuItem(form_, name, this);
    item->action_ = menu_->addAction(caption);
    item->action_->setShortcut(shortcut);
    item->action_->setShortcutContext(Qt::WindowShortcut);
    form_.window()->addAction(item->action_);
    QObject::connect(item->action_, &QAction::triggered, item->action_, [item] {
        // The action must not change its own check mark; the handler decides.
        item->action_->setChecked(item->checked_);
        item->choose();
    });
    items_.push_back(item);
    item->applyEnabled();
    return *item;
}

MenuItem& MenuItem::addSeparator(const QString& name) {
    if (menu_ == nullptr) {
        menu_ = new QMenu;
        action_->setMenu(menu_);
    }
    auto* item = new MenuItem(form_, name, this);
    item->separator_ = true;
    item->action_ = menu_->addSeparator();
    items_.push_back(item);
    return *item;
}

void MenuItem::setCaption(const QString& caption) { action_->setText(caption); }
QString MenuItem::caption() const { return action_->text(); }
QKeySequence MenuItem::shortcut() const { return action_->shortcut(); }

void MenuItem::setChecked(bool checked) {
    checked_ = checked;
    action_->setCheckable(true);
    action_->setChecked(checked);
}

void MenuItem::setEnabled(bool enabled) {
    enabled_ = enabled;
    applyEnabled();
}

void MenuItem::applyEnabled() {
    bool effective = enabled_ && (parent_ == nullptr || parent_->enabled_);
    action_->setEnabled(effective);
    for (MenuItem* item : items_)
        item->applyEnabled();
}

void MenuItem::setVisible(bool visible) {
    visible_ = visible;
    action_->setVisible(visible);
}

void MenuItem::choose() {
    bool effective = enabled_ && (parent_ == nullptr || parent_->enabled_);
    if (effective && !separator_ && onClick)
        onClick();
}

} // namespace kviz
