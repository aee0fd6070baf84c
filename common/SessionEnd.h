#pragma once
// The end of the desktop session: a program with unsaved work asks its user
// first, as closing its main window does, and a refusal keeps the session
// (and the program with all its windows) going.

#include <functional>

class QGuiApplication;
class QObject;

namespace QelmCommon {

// `mayEnd` asks the user about unsaved work and answers whether the program may
// end; it tears nothing down. Connected for as long as `window` lives.
void AskBeforeSessionEnds(QGuiApplication& app, QObject& window, std::function<bool()> mayEnd);

} // namespace QelmCommon
