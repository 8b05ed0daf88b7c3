// A top-level window of the trainer: a menu bar above a client area sized in twips, with the
// controls placed on it and a drawing surface (Canvas) in the window's own user scale.
//
// Events come in this order:
// - Load runs once; Activate runs after the load at the first showing, and again each time a
//   modal window of the program closes over this one, never on a return from a message box,
//   an input box or another application.
// - With key preview on, the form sees a key before the focused control and can cancel it by
//   setting its code to 0. The character code of a key press is its Windows-1250 byte.
//   Enter on a focused command button presses it.
// - An access letter shared by a command button and a top menu presses the enabled, visible
//   button at once.
// - Mouse: down, up, then click; the second click of a double click gives a double click in
//   place of a click. Only the left button makes double clicks: each press of another button
//   is a click of its own. Presses over a control go to the control alone, also where it has
//   no click of its own; on a label, an image or a picture box the second click of a double
//   click is no click either, while on a command button each press is a click. The form has
//   no context menu.
// - Repeats of a held key go only to the window that took its first press, so that a key that
//   opens a window never types into it or presses its buttons.
// - GotFocus and LostFocus of the controls fire only when the focus moves between controls of
//   this window, also while the system does not see the window as active. A control that is
//   hidden or disabled with the focus loses it (LostFocus) to no other control.
// - A key held down gives its press again with each repeat, and one release. Where the X server
//   confirms that it sends a held key so, as the program asks it to, a release from it reaches
//   the window at once; from any other window system, once the next key event, or a few
//   milliseconds without one, shows that it is no part of a repeat.
#pragma once

#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/services.h"

#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <memory>
#include <vector>

class QKeyEvent;
class QShortcutEvent;
class QMainWindow;
class QMenuBar;
class QWidget;

namespace kviz {

enum class MousePointer { Default, Hourglass };

class Form : public QObject {
    Q_OBJECT
public:
    Form(Services services, int clientWidthTwips, int clientHeightTwips);
    ~Form() override;

    Services& services() { return services_; }
    QMainWindow* window() const { return window_; }
    QWidget* surface() const;
    Canvas& canvas() { return *canvas_; }

    void setCaption(const QString& caption);
    QString caption() const;
    // Places the window's client area at a point on the screen, in twips.
    void setPosition(int leftTwips, int topTwips);

    // Runs the load once. When the load shows the window, the activation follows the load.
    void load();
    bool loaded() const { return loaded_; }
    // Shows the window, loading it first when needed. The first showing activates it, after
    // the load has finished.
    void show();
    bool visible() const;
    // Runs the activation.
    void activate();
    // Hides the window and ends its life as a window of the program; no handler runs after it.
    void unload();
    bool unloaded() const { return unloaded_; }

    // Shows another form modally; when it has closed, this form is activated again.
    void showModalForm(Form& other);

    bool keyPreview = false;
    void setMousePointer(MousePointer pointer);
    MousePointer mousePointer() const { return pointer_; }

    template <typename T, typename... Args> T& add(Args&&... args) {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    Control* findControl(const QString& name) const;
    Control* controlOf(QWidget* widget) const;
    Control* focusedControl() const { return focused_; }

    MenuItem& addTopMenu(const QString& name, const QString& caption);
    const std::vector<std::unique_ptr<MenuItem>>& menus() const { return menus_; }
    MenuItem* findMenu(const QString& name) const;

signals:
    // The form has been unloaded.
    void unloadedSignal();

public:
    // Event entry points, also used by tests that drive the window through its events.
    void dispatchMouseDown(int button, int shift, QPointF units);
    void dispatchMouseMove(int button, int shift, QPointF units);
    void dispatchMouseUp(int button, int shift, QPointF units);
    void dispatchClick();
    void dispatchDblClick();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    // The user asks to close the window by its close box or the system menu. Setting cancel
    // keeps it open; otherwise the form is unloaded.
    virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
    virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }
    virtual void Form_KeyUp(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void Form_MouseDown(int button, int shift, double x, double y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void Form_MouseMove(int button, int shift, double x, double y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void Form_MouseUp(int button, int shift, double x, double y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Control;
    friend class MenuItem;
    class Window;
    class Surface;

    void registerControl(Control* control);
    void unregisterControl(Control* control);
    void focusChanged(QWidget* old, QWidget* now);
    void watchFocusOfInactiveWindow();
    void focusMovedTo(Control* control);
    // The control is hidden or disabled; if it has the focus, the focus leaves it.
    void focusLeaves(Control* control);
    bool handleKey(QWidget* receiver, QKeyEvent* event, bool press);
    bool handleAmbiguousAccessKey(QObject* watched, QShortcutEvent* event);
    void closeRequested(bool& accept);

    Services services_;
    QMainWindow* window_;
    Surface* surface_;
    Canvas* canvas_;
    QRegion canvasChanges_; // drawn, not yet handed to Qt
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> registered_;
    std::vector<std::unique_ptr<MenuItem>> menus_;
    Control* focused_ = nullptr;
    QPointer<QObject> watchedHandle_; // the window handle whose focus moves are followed
    MousePointer pointer_ = MousePointer::Default;
    bool loaded_ = false;
    bool loading_ = false;
    bool shownOnce_ = false;
    bool unloaded_ = false;
};

// Makes a shown top-level window the active one, so that its shortcuts and menus take the keys
// too, also where no window manager activates the windows.
void giveKeyboardTo(QWidget* window);
// The window a message or input box opens over: the modal window or the active window, or
// while none is active yet, the window that has or was last given the keyboard.
QWidget* dialogOwner();

// The key codes the key handlers receive: the virtual-key numbers of the keys. Back, Tab, Return,
// Escape and Space are also the characters the key-press handlers receive for those keys.
namespace keys {
constexpr int Back = 8, Tab = 9, Return = 13, Escape = 27, Space = 32, PageUp = 33, PageDown = 34,
              End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46, F1 = 112;
} // namespace keys

// The mouse buttons as the mouse handlers number them.
namespace buttons {
constexpr int Left = 1, Right = 2, Middle = 4;
}

// Converts a Qt key to the key code the handlers receive (0 when there is none).
int keyCodeFromQt(int qtKey);

} // namespace kviz
