#pragma once
// The setting program's per-user settings, declared once.

#include <QString>
#include <memory>

namespace Ostrel7 {
class SettingsTable;
}

namespace QelmSet {

// The seven settings of the application regAppName (the executable's name):
// the dialogs' reading folder (default appPath) and filter indexes, the
// special group's password and whether it is asked, and the customize
// window's two function-column widths.
std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& regAppName, const QString& appPath);

// Records the program folder (without a trailing separator) under the
// program's fixed name "QELM_SET", whatever the executable is called.
void writeMyPath(const QString& programFolder);

} // namespace QelmSet
