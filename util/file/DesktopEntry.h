#pragma once
// The Linux form of a shortcut: a desktop entry (a ".desktop" file) that
// starts a program with its arguments.

#include <QString>

namespace Ostrel7::desktopentry {

// The text of a launcher named `name` for `program` with `arguments` (one
// command-line text, split at blanks with "..." grouping).
QString launcher(const QString& name, const QString& program, const QString& arguments);

} // namespace Ostrel7::desktopentry
