#include "XConnection.h"

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

} // namespace xdesktop::xconnection
