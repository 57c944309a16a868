#include "platform/frameextents.h"

#include <QWidget>

#ifdef SALTOR_HAVE_XKB
#include <QGuiApplication>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <thread>
#endif

namespace saltor {

#ifdef SALTOR_HAVE_XKB

namespace {

// The four CARDINALs left, right, top, bottom of _NET_FRAME_EXTENTS, when the window has them.
bool readExtents(Display* display, Window window, Atom extents, QMargins& margins)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, extents, 0, 4, False, XA_CARDINAL, &type,
                                          &format, &count, &after, &data);
    const bool found = status == Success && type == XA_CARDINAL && format == 32 && count == 4;
    if (found) {
        const auto* values = reinterpret_cast<const long*>(data);
        margins = QMargins(int(values[0]), int(values[2]), int(values[1]), int(values[3]));
    }
    if (data)
        XFree(data);
    return found;
}

// True when the running window manager lists atom in _NET_SUPPORTED.
bool supportedByWindowManager(Display* display, Atom atom)
{
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM,
                           &type, &format, &count, &after, &data) == Success
        && type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !found; ++i)
            found = atoms[i] == atom;
    }
    if (data)
        XFree(data);
    return found;
}

} // namespace

QMargins frameExtents(const QWidget* window)
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display() || !window || !window->isWindow())
        return QMargins();
    Display* display = x11->display();
    const Window id = static_cast<Window>(window->winId());
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    QMargins margins;
    if (readExtents(display, id, extents, margins))
        return margins;

    const Atom request = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    if (!supportedByWindowManager(display, request))
        return QMargins();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = request;
    event.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
    // The window manager answers by setting the property, as a rule within a millisecond; one
    // that never answers costs a fifth of a second, once per window.
    for (int attempt = 0; attempt < 2000; ++attempt) {
        if (readExtents(display, id, extents, margins))
            return margins;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return QMargins();
}

#else

QMargins frameExtents(const QWidget*)
{
    return QMargins();
}

#endif

} // namespace saltor
