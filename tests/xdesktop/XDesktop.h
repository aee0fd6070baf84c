#pragma once
// The window system as a user meets it, for the tests that run under a real X
// server with a window manager (tools/xdesktop-tests starts both): keys struck
// on the keyboard, the close box of a window's frame, the frame itself.

#include <gtest/gtest.h>

class QPoint;
class QWidget;

namespace xdesktop {

// True when the program shows its windows on an X server (Qt's xcb platform).
bool onXServer();

// Presses and releases the key of that X keysym (XK_F1 ...) as the keyboard
// does, into whichever window has the keyboard focus, and waits until the
// program has been handed the release, so that the press has had all its
// effects. False when the key never reached the program.
bool strikeKey(unsigned long keysym);

// Clicks the left mouse button at a point of the widget as the mouse does:
// the window manager activates the window under the pointer. False when the
// click never reached the program.
bool clickWidget(QWidget& widget, const QPoint& point);

// Asks the window to close as a window manager's close box does: the
// WM_DELETE_WINDOW message of the WM_PROTOCOLS, sent to its X window.
void closeFromFrame(QWidget& window);

// Waits until the window manager has put the top-level window into its frame
// (with a title bar above it); False when that did not happen in time.
bool waitUntilFramed(QWidget& window);

// Waits until the window manager keeps the top-level window above all other
// windows (a top-most window); False when that did not happen in time.
bool waitUntilKeptAbove(QWidget& window);

// Waits until the window manager stacks the top-level window above every
// other window it manages, top-most ones included; False when that did not
// happen in time.
bool waitUntilOnTop(QWidget& window);

// Fails the running test unless the window's whole frame, title bar included,
// lies on the screen's available area.
void expectFrameOnScreen(const QWidget& window);

// Puts the programs' own Ui service, real dialogs, in place of the scripted
// one for its life. A test holding one holds a ModalLoopWatch::Pause too and
// ends every dialog it opens.
class RealUi {
public:
    RealUi();
    ~RealUi();
    RealUi(const RealUi&) = delete;
    RealUi& operator=(const RealUi&) = delete;
};

} // namespace xdesktop

// Skips the running test when no X server shows the windows (plain ctest, offscreen).
#define XDESKTOP_SKIP_WITHOUT_X_SERVER()                                                                         \
    if (!xdesktop::onXServer())                                                                                  \
    GTEST_SKIP() << "needs an X server with a window manager: tools/xdesktop-tests runs this test"
