#pragma once
// Where each program publishes its folder at start: under the program's fixed
// name, whatever the executable is called, so that the other program finds
// it. The setting program starts the step editor from the step editor's.

#include "util/property/SettingsTable.h"

namespace QelmCommon {

inline constexpr Ostrel7::SettingName kSettingProgramFolder{"SETTING", "MYPATH", "QELM_SET"};
inline constexpr Ostrel7::SettingName kStepEditorFolder{"SETTING", "MYPATH", "QELM_STP"};

} // namespace QelmCommon
