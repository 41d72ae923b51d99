#include "frame/LockKeyState.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

bool lockKeyLightOn(const char* name)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}
