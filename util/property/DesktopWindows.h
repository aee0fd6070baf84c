#pragma once
// The program's windows as the caption lookups see them: every top-level widget
// followed by its child widgets, listed through xNEED's window list.

#include <QSet>
#include <QString>

class QWidget;

namespace Ostrel7::desktopwindows {

// Resets xNEED's window list and fills it through ChildCallBack: each window in
// the order Qt keeps its native windows (never-shown windows last), each one
// followed by its non-window child widgets, depth first.
void enumerate();

// Walks the window list from entry 1: the first window whose caption equals
// `caption` or, when `included`, contains it (case-sensitive), leaving out the
// windows in `skip`. nullptr when none matches.
QWidget* findInList(const QString& caption, bool included, const QSet<const QWidget*>& skip = {});

// True when `widget` is a widget that still exists. Only addresses are
// compared, so a dangling pointer is safe to ask about.
bool isLive(const QWidget* widget);

} // namespace Ostrel7::desktopwindows
