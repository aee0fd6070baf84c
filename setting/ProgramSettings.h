#pragma once
// The setting program's per-user settings, declared once: their names and
// their table.

#include "util/property/SettingsTable.h"

#include <QString>
#include <memory>

namespace QelmSet {

// The names of the settings, as stored.
namespace settingkeys {
inline constexpr Ostrel7::SettingName kStdReadingPath{"FileInfo", "StdReadingPath"};
inline constexpr Ostrel7::SettingName kPrevStd_ExtFilterIndex{"FileInfo", "PrevStd_ExtFilterIndex"};
inline constexpr Ostrel7::SettingName kPrevUsr_ExtFilterIndex{"FileInfo", "PrevUsr_ExtFilterIndex"};
inline constexpr Ostrel7::SettingName kPassWordSpecial{"General", "PassWordSpecial"};
inline constexpr Ostrel7::SettingName kDoesNeedPassWord{"General", "DoesNeedPassWord"};
inline constexpr Ostrel7::SettingName kWdt_Custom_StdKino{"Location", "wdt_Custom_StdKino"};
inline constexpr Ostrel7::SettingName kWdt_Custom_UsrKino{"Location", "wdt_Custom_UsrKino"};
} // namespace settingkeys

// The seven settings of the application regAppName (the executable's name):
// the dialogs' reading folder (default appPath) and filter indexes, the
// special group's password and whether it is asked, and the customize
// window's two function-column widths; then the two programs' published
// folders (QelmCommon::kSettingProgramFolder, which this program writes, and
// QelmCommon::kStepEditorFolder, where it finds the step editor).
std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& regAppName, const QString& appPath);

// Records the program folder (without a trailing separator) under the
// program's fixed name "QELM_SET", whatever the executable is called.
void writeMyPath(const Ostrel7::SettingsTable& settings, const QString& programFolder);

} // namespace QelmSet
