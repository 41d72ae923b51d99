#include "X11Selection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kSecretHint = "secret";

} // namespace

struct X11Selection::Atoms {
    explicit Atoms(Display* display)
        : clipboard(XInternAtom(display, "CLIPBOARD", False)), targets(XInternAtom(display, "TARGETS", False)),
          utf8(XInternAtom(display, "UTF8_STRING", False)), text(XInternAtom(display, "TEXT", False)),
          plainUtf8(XInternAtom(display, "text/plain;charset=utf-8", False)), plain(XInternAtom(display, "text/plain", False)),
          hint(XInternAtom(display, "x-kde-passwordManagerHint", False))
    {
    }

    bool isText(Atom target) const { return target == utf8 || target == text || target == plainUtf8 || target == plain; }

    Atom clipboard, targets, utf8, text, plainUtf8, plain, hint;
};

X11Selection::X11Selection(std::string value) : value(std::move(value)) {}

X11Selection::~X11Selection()
{
    if (display)
        XCloseDisplay(display);
}

bool X11Selection::take(std::string& error)
{
    display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        error = std::string("Cannot open the X display \"") + (name ? name : "") + "\".";
        return false;
    }
    atoms = std::make_unique<Atoms>(display);
    window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    // The clipboard is taken at a real server time (a change to a property of
    // the window tells it), which requests for older times are measured against.
    XSelectInput(display, window, PropertyChangeMask);
    XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent(display, window, PropertyChangeMask, &event);
    ownedSince = event.xproperty.time;
    XSetSelectionOwner(display, atoms->clipboard, window, ownedSince);
    if (XGetSelectionOwner(display, atoms->clipboard) != window) {
        error = "Cannot take the X clipboard.";
        return false;
    }
    XFlush(display);
    return true;
}

void X11Selection::serveFor(int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == SelectionClear)
                return; // another program copied something
            if (event.type == SelectionRequest)
                answer(event);
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            break;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left));
    }
    XSetSelectionOwner(display, atoms->clipboard, None, CurrentTime);
    XSync(display, False);
}

void X11Selection::answer(const XEvent& event)
{
    const XSelectionRequestEvent& request = event.xselectionrequest;
    // Clients of old put no property in their request: the target stands for it.
    const Atom property = request.property == None ? request.target : request.property;
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = display;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = property;
    const bool current = request.time == CurrentTime || request.time >= ownedSince;
    if (!current || request.selection != atoms->clipboard) {
        reply.property = None;
    } else if (request.target == atoms->targets) {
        const Atom offered[] = {atoms->targets, atoms->utf8, atoms->plainUtf8, atoms->plain, atoms->text, atoms->hint};
        XChangeProperty(display, request.requestor, property, XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(offered),
                        sizeof offered / sizeof offered[0]);
    } else if (atoms->isText(request.target)) {
        const Atom type = request.target == atoms->text ? atoms->utf8 : request.target;
        XChangeProperty(display, request.requestor, property, type, 8, PropModeReplace, reinterpret_cast<const unsigned char*>(value.data()),
                        static_cast<int>(value.size()));
    } else if (request.target == atoms->hint) {
        XChangeProperty(display, request.requestor, property, atoms->hint, 8, PropModeReplace, reinterpret_cast<const unsigned char*>(kSecretHint),
                        static_cast<int>(std::strlen(kSecretHint)));
    } else {
        reply.property = None;
    }
    XSendEvent(display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    XFlush(display);
}
