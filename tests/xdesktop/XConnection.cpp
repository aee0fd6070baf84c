#include "XConnection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <sstream>

namespace xdesktop::xconnection {

namespace {

Display* display()
{
    static Display* const connection = XOpenDisplay(nullptr);
    return connection;
}

} // namespace

std::string strike(unsigned long keysym)
{
    Display* x = display();
    if (!x)
        return "no connection to the X server";
    const KeyCode code = XKeysymToKeycode(x, keysym);
    if (code == 0) {
        std::ostringstream error;
        error << "the X keyboard has no key for keysym 0x" << std::hex << keysym;
        return error.str();
    }
    XTestFakeKeyEvent(x, code, True, CurrentTime);
    XTestFakeKeyEvent(x, code, False, CurrentTime);
    XSync(x, False);
    return {};
}

std::string click(int x, int y)
{
    Display* x11 = display();
    if (!x11)
        return "no connection to the X server";
    XTestFakeMotionEvent(x11, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(x11, 1, True, CurrentTime);
    XTestFakeButtonEvent(x11, 1, False, CurrentTime);
    XSync(x11, False);
    return {};
}

std::string sendDeleteWindow(unsigned long window)
{
    Display* x = display();
    if (!x)
        return "no connection to the X server";
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(x, window, False, NoEventMask, &message))
        return "the close message could not be sent";
    XSync(x, False);
    return {};
}

bool keptAbove(unsigned long window)
{
    Display* x = display();
    if (!x)
        return false;
    const Atom above = XInternAtom(x, "_NET_WM_STATE_ABOVE", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(x, window, XInternAtom(x, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM, &type, &format,
                           &count, &left, &data) != Success ||
        !data)
        return false;
    bool found = false;
    const auto* states = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count && format == 32; ++i)
        found = found || states[i] == above;
    XFree(data);
    return found;
}

std::vector<unsigned long> stackingOrder()
{
    Display* x = display();
    if (!x)
        return {};
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(x, DefaultRootWindow(x), XInternAtom(x, "_NET_CLIENT_LIST_STACKING", False), 0, 4096,
                           False, XA_WINDOW, &type, &format, &count, &left, &data) != Success ||
        !data)
        return {};
    std::vector<unsigned long> windows;
    const auto* ids = reinterpret_cast<const Window*>(data);
    for (unsigned long i = 0; i < count && format == 32; ++i)
        windows.push_back(ids[i]);
    XFree(data);
    return windows;
}

} // namespace xdesktop::xconnection
