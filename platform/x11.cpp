#include "platform/x11.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

namespace kviz {

bool askForPressesOfHeldKeys() {
#if QT_CONFIG(xcb)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return false;
    // False where the server has no XKB or refuses the flag; it then reports what is set.
    Bool supported = False;
    return XkbSetDetectableAutoRepeat(display, True, &supported) && supported;
#else
    return false;
#endif
}

} // namespace kviz
