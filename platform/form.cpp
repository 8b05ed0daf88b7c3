#include "platform/form.h"

#include "platform/qt_text.h"
#include "platform/standard_texts.h"
#include "platform/x11.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <utility>

namespace kviz {

namespace {

int shiftState(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return buttons::Left;
    case Qt::RightButton:
        return buttons::Right;
    case Qt::MiddleButton:
        return buttons::Middle;
    default:
        return 0;
    }
}

int buttonsCode(Qt::MouseButtons pressed) {
    int code = 0;
    if (pressed & Qt::LeftButton)
        code |= buttons::Left;
    if (pressed & Qt::RightButton)
        code |= buttons::Right;
    if (pressed & Qt::MiddleButton)
        code |= buttons::Middle;
    return code;
}

// Before each repaint, Qt's X11 backing store waits until the X server has read the last
// repaint out of shared memory: one round trip to the server. Waited for right after a
// repaint has gone out, while the user reads it, the wait is no longer in the way of the
// next key's repaint. An empty paint is all it takes.
void awaitRepaintRead(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        window.testAttribute(Qt::WA_TranslucentBackground))
        return; // a see-through window's paint would first clear what it covers
    QBackingStore* store = window.backingStore();
    if (store == nullptr || store->size().isEmpty())
        return; // nothing has been painted yet
    store->beginPaint(QRegion(window.rect()));
    store->endPaint();
}

// Sorts out the repeats of a held key, for every window of the program.
// - Where the X server confirms that it sends a held key as presses and one release, a press of
//   a key that is already down is a repeat, and a release goes on at once.
// - Elsewhere some window systems send each repeat as a release and a press with the same time
//   stamp, and Qt marks the pair as a repeat only when the press has already arrived with the
//   release. A release with a time stamp is therefore held back until the next key event: a
//   press of the same key with the same time stamp makes the pair a repeat, and the release is
//   dropped; anything else, or a short wait with no key at all, lets it go on to where it was
//   sent.
// - Repeats go only to the window that took the key's first press. A key that opens a window
//   (a menu's access key, Enter on a button) and is held past the repeat delay would otherwise
//   type into the window it opened, or press that window's buttons.
class KeyRepeatGuard : public QObject {
public:
    explicit KeyRepeatGuard(QObject* parent)
        : QObject(parent), pressesOfHeldKeys_(askForPressesOfHeldKeys()) {
        setObjectName(kName);
        wait_.setSingleShot(true);
        wait_.setInterval(kPairWaitMs);
        connect(&wait_, &QTimer::timeout, this, [this] { letHeldReleaseGo(); });
        // The release of a key held while another program has the keyboard goes to that program.
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive)
                        down_.clear();
                });
    }
    static constexpr const char* kName = "kvizKeyRepeatGuard";
    // Far below the interval of a key's repeats, and too short for a user to notice.
    static constexpr int kPairWaitMs = 30;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || event == lettingGo_)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (held_ != nullptr) {
            if (type != QEvent::KeyRelease && key->key() == held_->key() &&
                key->timestamp() == held_->timestamp()) {
                // The release and this press are a repeat: the key is still down.
                wait_.stop();
                repeatKey_ = key->key();
                repeatTime_ = key->timestamp();
                held_.reset();
            } else {
                letHeldReleaseGo();
            }
        }
        // Asked first, since it also keeps which keys are down.
        const bool repeat = isPressOfKeyDown(*key) || key->isAutoRepeat() ||
                            (type != QEvent::KeyRelease && key->key() == repeatKey_ &&
                             key->timestamp() == repeatTime_);
        if (!repeat) {
            if (type == QEvent::KeyRelease) {
                if (key->timestamp() == 0 || pressesOfHeldKeys_)
                    return false; // no press follows it as a repeat
                held_.reset(key->clone());
                heldReceiver_ = widget;
                wait_.start();
                return true;
            }
            // A key that a shortcut takes reaches the widgets only as its ShortcutOverride.
            firstPressWindow_ = widget->window();
            return false;
        }
        return type != QEvent::ShortcutOverride && widget->window() != firstPressWindow_;
    }

private:
    // Keeps which keys from the window system are down, where it sends a held key as presses.
    // The first press of a key reaches the widgets as a ShortcutOverride and a KeyPress with one
    // time stamp; a repeat has a later one.
    bool isPressOfKeyDown(const QKeyEvent& key) {
        if (!pressesOfHeldKeys_ || key.timestamp() == 0)
            return false;
        const quint32 code = key.nativeScanCode() != 0 ? key.nativeScanCode() : key.key();
        if (key.type() == QEvent::KeyRelease) {
            down_.erase(code);
            return false;
        }
        const auto [first, isNew] = down_.emplace(code, key.timestamp());
        return !isNew && first->second != key.timestamp();
    }

    void letHeldReleaseGo() {
        wait_.stop();
        std::unique_ptr<QKeyEvent> release = std::move(held_);
        if (release == nullptr || heldReceiver_ == nullptr)
            return;
        lettingGo_ = release.get();
        QCoreApplication::sendEvent(heldReceiver_, release.get());
        lettingGo_ = nullptr;
    }

    const bool pressesOfHeldKeys_;
    std::map<quint32, quint64> down_; // each key down, with the time stamp of its first press
    QPointer<QWidget> firstPressWindow_;
    std::unique_ptr<QKeyEvent> held_;
    QPointer<QWidget> heldReceiver_;
    QEvent* lettingGo_ = nullptr;
    QTimer wait_;
    int repeatKey_ = 0;
    quint64 repeatTime_ = 0;
};

QPointer<QWidget> lastGivenKeyboard; // the window that giveKeyboardTo was last asked for

// What every window of the program relies on, put in place for the application. The guard
// goes (again) in front of the forms' own filters, which Qt asks in the reverse order of
// their installation.
void prepareApplication() {
    installStandardTexts();
    auto* guard = qApp->findChild<QObject*>(KeyRepeatGuard::kName, Qt::FindDirectChildrenOnly);
    qApp->installEventFilter(guard != nullptr ? guard : new KeyRepeatGuard(qApp));
}

} // namespace

void giveKeyboardTo(QWidget* window) {
    if (window == nullptr || !window->isVisible())
        return;
    lastGivenKeyboard = window;
    window->activateWindow();
}

QWidget* dialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // No window is active yet (nobody activates the windows where no window manager runs, and
    // a window asked to take the keyboard becomes active only after the system's reply): the
    // window that has the keyboard focus, or else the one that was last given it.
    if (QWindow* focus = QGuiApplication::focusWindow())
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == focus && top->isVisible())
                return top;
    return lastGivenKeyboard != nullptr && lastGivenKeyboard->isVisible() ? lastGivenKeyboard
                                                                          : nullptr;
}

int keyCodeFromQt(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // 'A'..'Z'
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return keys::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return keys::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return keys::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keys::Return;
    case Qt::Key_Escape:
        return keys::Escape;
    case Qt::Key_Space:
        return keys::Space;
    case Qt::Key_PageUp:
        return keys::PageUp;
    case Qt::Key_PageDown:
        return keys::PageDown;
    case Qt::Key_End:
        return keys::End;
    case Qt::Key_Home:
        return keys::Home;
    case Qt::Key_Left:
        return keys::Left;
    case Qt::Key_Up:
        return keys::Up;
    case Qt::Key_Right:
        return keys::Right;
    case Qt::Key_Down:
        return keys::Down;
    case Qt::Key_Delete:
        return keys::Delete;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    default:
        return 0;
    }
}

class Form::Window : public QMainWindow {
public:
    explicit Window(Form& form) : form_(form) {}

protected:
    bool event(QEvent* event) override {
        const bool handled = QMainWindow::event(event);
        if (event->type() == QEvent::UpdateRequest)
            awaitRepaintRead(*this);
        return handled;
    }
    void closeEvent(QCloseEvent* event) override {
        bool accept = true;
        form_.closeRequested(accept);
        if (accept)
            event->accept();
        else
            event->ignore();
    }

private:
    Form& form_;
};

// The client area: shows the canvas and turns mouse events into the form's events.
class Form::Surface : public QWidget {
public:
    Surface(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
        setMouseTracking(true);
        setContextMenuPolicy(Qt::PreventContextMenu);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent); // the canvas covers the whole surface
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        // The back buffer follows the ratio of the screen the window is on; it covers the
        // whole surface, so only the parts asked for are copied.
        Canvas& canvas = form_.canvas();
        canvas.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(this);
        for (const QRect& area : event->region())
            canvas.paintOn(painter, area);
    }
    void mousePressEvent(QMouseEvent* event) override {
        afterDoubleClick_ = false; // a new press starts a new click
        // A press where the pointer was not seen arriving (a window shown under a pointer at
        // rest) first moves it there, so the click acts where the pointer is.
        if (units(event) != lastMove_)
            moveTo(event, event->buttons() & ~event->button());
        form_.dispatchMouseDown(buttonCode(event->button()), shiftState(event->modifiers()),
                                units(event));
    }
    void mouseMoveEvent(QMouseEvent* event) override { moveTo(event, event->buttons()); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        form_.dispatchMouseUp(buttonCode(event->button()), shiftState(event->modifiers()),
                              units(event));
        if (afterDoubleClick_) {
            afterDoubleClick_ = false;
            return;
        }
        form_.dispatchClick();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            // Only the left button makes double clicks; a quick second press of another
            // button is a press of its own, with its own click.
            mousePressEvent(event);
            return;
        }
        form_.dispatchMouseDown(buttonCode(event->button()), shiftState(event->modifiers()),
                                units(event));
        afterDoubleClick_ = true;
        form_.dispatchDblClick();
    }

private:
    QPointF units(QMouseEvent* event) const {
        return form_.canvas().unitsFromPixels(event->position());
    }
    void moveTo(QMouseEvent* event, Qt::MouseButtons buttons) {
        lastMove_ = units(event);
        form_.dispatchMouseMove(buttonsCode(buttons), shiftState(event->modifiers()), lastMove_);
    }
    Form& form_;
    bool afterDoubleClick_ = false;
    QPointF lastMove_{-1, -1}; // where the last move took the pointer, in canvas units
};

Form::Form(Services services, int clientWidthTwips, int clientHeightTwips) : services_(services) {
    window_ = new Window(*this);
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    canvas_ = new Canvas(clientWidthTwips, clientHeightTwips, this);
    surface_ = new Surface(*this, window_);
    surface_->setFixedSize(canvas_->size());
    QPalette palette = surface_->palette();
    palette.setColor(QPalette::Window, canvas_->backColor());
    surface_->setPalette(palette);
    surface_->setAutoFillBackground(true);
    window_->setCentralWidget(surface_);
    window_->menuBar()->setNativeMenuBar(false);
    // What a handler draws reaches Qt once, after the handler, so that the surface and the
    // controls that the handler changed on it are repainted in one pass.
    connect(canvas_, &Canvas::changed, this, [this](const QRect& area) {
        if (canvasChanges_.isEmpty())
            QMetaObject::invokeMethod(
                this, [this] { surface_->update(std::exchange(canvasChanges_, QRegion())); },
                Qt::QueuedConnection);
        canvasChanges_ += area;
    });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { focusChanged(old, now); });
    qApp->installEventFilter(this);
    prepareApplication();
}

Form::~Form() {
    qApp->removeEventFilter(this);
    menus_.clear();
    while (!controls_.empty())
        controls_.pop_back(); // the controls inside a container go before it
    delete window_;
}

QWidget* Form::surface() const { return surface_; }

void Form::setCaption(const QString& caption) { window_->setWindowTitle(caption); }
QString Form::caption() const { return window_->windowTitle(); }

void Form::setPosition(int leftTwips, int topTwips) {
    window_->move(static_cast<int>(std::lround(leftTwips / Canvas::kTwipsPerPixel)),
                  static_cast<int>(std::lround(topTwips / Canvas::kTwipsPerPixel)));
}

void Form::load() {
    if (loaded_)
        return;
    loaded_ = true;
    loading_ = true;
    Form_Load();
    loading_ = false;
    // A show() during the load made the window visible and left its activation for now.
    if (!unloaded_ && window_->isVisible() && !shownOnce_) {
        shownOnce_ = true;
        activate();
    }
}

void Form::show() {
    if (unloaded_)
        return;
    load();
    if (unloaded_)
        return;
    const bool shownBefore = window_->isVisible();
    window_->show();
    if (!shownBefore)
        giveKeyboardTo(window_); // as a window manager gives it to a new window
    watchFocusOfInactiveWindow();
    if (loading_)
        return; // load() activates the window when the load has finished
    if (!shownOnce_) {
        shownOnce_ = true;
        activate();
    }
}

bool Form::visible() const { return window_->isVisible(); }

void Form::activate() {
    if (unloaded_)
        return;
    Form_Activate();
}

void Form::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    Form_Unload();
    window_->hide();
    emit unloadedSignal();
}

void Form::showModalForm(Form& other) {
    services_.dialogs->showModal(other);
    giveKeyboardTo(window_);
    activate();
}

void Form::closeRequested(bool& accept) {
    if (unloaded_) {
        accept = true;
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
        accept = false;
        return;
    }
    accept = true;
    unload();
}

void Form::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    if (pointer == MousePointer::Hourglass)
        window_->setCursor(Qt::WaitCursor);
    else
        window_->unsetCursor();
}

void Form::registerControl(Control* control) { registered_.push_back(control); }

void Form::unregisterControl(Control* control) {
    registered_.erase(std::remove(registered_.begin(), registered_.end(), control),
                      registered_.end());
    if (focused_ == control)
        focused_ = nullptr;
}

Control* Form::findControl(const QString& name) const {
    for (Control* c : registered_)
        if (c->name() == name)
            return c;
    return nullptr;
}

Control* Form::controlOf(QWidget* widget) const {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        for (Control* c : registered_)
            if (c->widget() == w)
                return c;
        if (w == window_)
            break;
    }
    return nullptr;
}

MenuItem& Form::addTopMenu(const QString& name, const QString& caption) {
    menus_.push_back(std::unique_ptr<MenuItem>(new MenuItem(*this, name, nullptr)));
    MenuItem& menu = *menus_.back();
    menu.action_ = window_->menuBar()->addAction(caption);
    QObject::connect(menu.action_, &QAction::triggered, this, [&menu] {
        if (menu.menu_ == nullptr)
            menu.choose();
    });
    return menu;
}

MenuItem* Form::findMenu(const QString& name) const {
    std::vector<MenuItem*> pending;
    for (const auto& m : menus_)
        pending.push_back(m.get());
    while (!pending.empty()) {
        MenuItem* m = pending.back();
        pending.pop_back();
        if (m->name() == name)
            return m;
        for (MenuItem* child : m->items())
            pending.push_back(child);
    }
    return nullptr;
}

void Form::focusChanged(QWidget* old, QWidget* now) {
    (void)old;
    if (unloaded_ || now == nullptr || now->window() != window_)
        return; // a dialog, a drop-down list or another application took the focus
    focusMovedTo(controlOf(now));
}

void Form::watchFocusOfInactiveWindow() {
    QWindow* handle = window_->windowHandle();
    if (handle == nullptr || watchedHandle_ == handle)
        return;
    watchedHandle_ = handle;
    // While Qt does not see the window as active (no window manager has activated it yet), the
    // keys still reach its focused control and move the focus, but Qt reports the moves only
    // to the window.
    connect(handle, &QWindow::focusObjectChanged, this, [this](QObject* object) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!unloaded_ && !window_->isActiveWindow() && widget != nullptr && widget != window_)
            focusMovedTo(controlOf(widget));
    });
}

void Form::focusMovedTo(Control* control) {
    if (control == nullptr || control == focused_)
        return;
    Control* previous = focused_;
    focused_ = control;
    if (previous != nullptr && previous->onLostFocus)
        previous->onLostFocus();
    if (focused_ == control && control->onGotFocus)
        control->onGotFocus();
}

void Form::focusLeaves(Control* control) {
    QWidget* focus = window_->focusWidget();
    if (focus == nullptr || controlOf(focus) != control)
        return;
    // The focus stays with no control rather than passing from one control to the next, each
    // with its own GotFocus; the window goes on taking the keys.
    focus->clearFocus();
    if (focused_ != control)
        return;
    focused_ = nullptr;
    if (control->onLostFocus)
        control->onLostFocus();
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (unloaded_)
        return false;
    if (event->type() == QEvent::Shortcut)
        return handleAmbiguousAccessKey(watched, static_cast<QShortcutEvent*>(event));
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_)
        return false;
    // A key goes first to the window's focus widget; when that does not take it, it travels
    // on to the parents. Handle it once, where it starts.
    QWidget* target = window_->focusWidget();
    if (target == nullptr)
        target = window_;
    if (widget != target)
        return false;
    return handleKey(widget, static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
}

bool Form::handleAmbiguousAccessKey(QObject* watched, QShortcutEvent* event) {
    // When a button and a top menu (or another button) share an access letter, Qt only moves
    // the focus from one to the next. The enabled, visible button takes the key and is pressed
    // at once, as a button whose letter is its own would be.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!event->isAmbiguous() || widget == nullptr || widget->window() != window_)
        return false;
    for (Control* control : registered_) {
        auto* button = dynamic_cast<CommandButton*>(control);
        if (button == nullptr || !button->widget()->isVisible() || !button->widget()->isEnabled())
            continue;
        if (QKeySequence::mnemonic(button->caption()) != event->key())
            continue;
        button->setFocus();
        button->press();
        return true;
    }
    return false;
}

bool Form::handleKey(QWidget* receiver, QKeyEvent* event, bool press) {
    const int keyCodeIn = keyCodeFromQt(event->key());
    if (keyCodeIn == keys::Tab)
        return false; // Tab moves the focus and is no key event of the window
    int shift = shiftState(event->modifiers());
    Control* control = controlOf(receiver);
    // A handler cancels a key by setting its code to 0. A key that has no code of its own
    // (punctuation, letters beyond A to Z) arrives with 0 and goes on unless its character is
    // cancelled.
    int keyCode = keyCodeIn;
    auto keyCancelled = [&] { return keyCodeIn != 0 && keyCode == 0; };
    if (!press) {
        // A key held down is released once. Its repeats are presses; the releases that some
        // systems send between them are no releases of the key.
        if (event->isAutoRepeat())
            return false;
        if (keyPreview) {
            Form_KeyUp(keyCode, shift);
            if (keyCancelled())
                return true;
        }
        if (control != nullptr && control->onKeyUp)
            control->onKeyUp(keyCode, shift);
        return keyCancelled();
    }
    if (keyPreview) {
        Form_KeyDown(keyCode, shift);
        if (keyCancelled())
            return true;
    }
    if (control != nullptr && control->onKeyDown) {
        control->onKeyDown(keyCode, shift);
        if (keyCancelled())
            return true;
    }
    QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // The character code is the character's Windows-1250 byte; a character that Windows-1250
    // cannot hold has none and goes to the control unseen.
    QChar ch = text.at(0);
    if (ch == u'\n')
        ch = QChar(keys::Return);
    if (!cp1250Holds(ch))
        return false;
    int ascii = static_cast<unsigned char>(toCp1250(QString(ch)).front());
    if (keyPreview) {
        Form_KeyPress(ascii);
        if (ascii == 0)
            return true;
    }
    if (control != nullptr && control->onKeyPress) {
        control->onKeyPress(ascii);
        if (ascii == 0)
            return true;
    }
    if (ascii == keys::Return && control != nullptr) {
        if (auto* button = dynamic_cast<CommandButton*>(control)) {
            button->press();
            return true;
        }
    }
    return false;
}

void Form::dispatchMouseDown(int button, int shift, QPointF units) {
    if (!unloaded_)
        Form_MouseDown(button, shift, units.x(), units.y());
}

void Form::dispatchMouseMove(int button, int shift, QPointF units) {
    if (!unloaded_)
        Form_MouseMove(button, shift, units.x(), units.y());
}

void Form::dispatchMouseUp(int button, int shift, QPointF units) {
    if (!unloaded_)
        Form_MouseUp(button, shift, units.x(), units.y());
}

void Form::dispatchClick() {
    if (!unloaded_)
        Form_Click();
}

void Form::dispatchDblClick() {
    if (!unloaded_)
        Form_DblClick();
}

} // namespace kviz
