#pragma once
// How one program of the suite starts the other minimised: the starting
// program names the window state in an environment variable of the suite's
// own, which the started program reads once at its start. (A program started
// on X11 or Wayland has no portable way to be told to open minimised.)

#include <QString>

class QWidget;

namespace QelmCommon {

// The variable, and the one value it takes.
inline constexpr char kStartStateVariable[] = "QELM_START_WINDOW_STATE";
inline constexpr char kStartMinimized[] = "minimized";

// Starts the program detached with no arguments, asking it to come up
// minimised; False when it could not be started. This program's own
// environment is left as it was.
bool StartProgramMinimized(const QString& program);

// Shows a program's main window as its starter asked: minimised when the
// variable says so, else normally. The variable is removed, so that a program
// started from this one does not inherit the request.
void ShowMainWindow(QWidget& window);

} // namespace QelmCommon
