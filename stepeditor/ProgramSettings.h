#pragma once
// The step editor's per-user settings, declared once, and the entry through
// which the setting program finds the step editor.

#include <QString>
#include <memory>

#include "util/property/SettingsTable.h"


namespace QelmStp {

// The names of the options, as stored.
namespace settingkeys {
inline constexpr Ostrel7::SettingName kInitialPath{"FileInfo", "InitialPath"};
inline constexpr Ostrel7::SettingName kDoesViewRemarkColumn{"General", "DoesViewRemarkColumn"};
inline constexpr Ostrel7::SettingName kDoesViewButtonCaption{"General", "DoesViewButtonCaption"};
inline constexpr Ostrel7::SettingName kDoesViewInputMethod{"General", "DoesViewInputMethod"};
inline constexpr Ostrel7::SettingName kDoesReplaceFunction{"General", "DoesReplaceFunction"};
inline constexpr Ostrel7::SettingName kDoesAskInReplacing{"General", "DoesAskInReplacing"};
inline constexpr Ostrel7::SettingName kDoesAskInEditingMode{"General", "DoesAskInEditingMode"};
inline constexpr Ostrel7::SettingName kRemarkColumnWidth{"Location", "RemarkColumnWidth"};
} // namespace settingkeys

// The eight options of the application appName (the executable's name), in
// the order they are checked and written: the first folder of the step-file
// dialogs (default appPath), the five view and renumbering switches, the
// selection dialog's question before its editing mode (all True), and the
// remark column's width in twips (1200); then the folder the program
// publishes (QelmCommon::kStepEditorFolder).
std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& appName, const QString& appPath);

// Records the program folder under the fixed application "QELM_STP", section
// SETTING, key MYPATH (QelmCommon::kStepEditorFolder), whatever the executable
// is called: the setting program starts the step editor from there. Written
// at every start.
void writeMyPath(const Ostrel7::SettingsTable& settings, const QString& programFolder);

} // namespace QelmStp
