#pragma once
// The tests' own connection to the X server, beside the program's: what it
// sends reaches the program as a user's input does. Kept apart from Qt code,
// whose names the X headers' macros (None, KeyPress, Bool ...) would clash with.

#include <string>
#include <vector>

namespace xdesktop::xconnection {

// Presses and releases the key of the keysym through XTest. "" when sent, else what failed.
std::string strike(unsigned long keysym);

// Moves the pointer to the screen position and clicks the left button
// through XTest. "" when sent, else what failed.
std::string click(int x, int y);

// Sends WM_PROTOCOLS / WM_DELETE_WINDOW to the X window, as a window manager's
// close box does. "" when sent, else what failed.
std::string sendDeleteWindow(unsigned long window);

// Whether the window manager keeps the X window above the others
// (_NET_WM_STATE_ABOVE in its _NET_WM_STATE).
bool keptAbove(unsigned long window);

// The X windows the window manager manages, from the bottom of its stacking
// order to the top (_NET_CLIENT_LIST_STACKING of the root window).
std::vector<unsigned long> stackingOrder();

} // namespace xdesktop::xconnection
