#pragma once
// The step editor's per-user settings, declared once, and the entry through
// which the setting program finds the step editor.

#include <QString>
#include <memory>

namespace Ostrel7 {
class SettingsTable;
}

namespace QelmStp {

// The sections and keys of the options.
namespace settingkeys {
inline const QString kFileInfo = QStringLiteral("FileInfo");
inline const QString kGeneral = QStringLiteral("General");
inline const QString kLocation = QStringLiteral("Location");
inline const QString kInitialPath = QStringLiteral("InitialPath");
inline const QString kDoesViewRemarkColumn = QStringLiteral("DoesViewRemarkColumn");
inline const QString kDoesViewButtonCaption = QStringLiteral("DoesViewButtonCaption");
inline const QString kDoesViewInputMethod = QStringLiteral("DoesViewInputMethod");
inline const QString kDoesReplaceFunction = QStringLiteral("DoesReplaceFunction");
inline const QString kDoesAskInReplacing = QStringLiteral("DoesAskInReplacing");
inline const QString kDoesAskInEditingMode = QStringLiteral("DoesAskInEditingMode");
inline const QString kRemarkColumnWidth = QStringLiteral("RemarkColumnWidth");
} // namespace settingkeys

// The eight options of the application appName (the executable's name), in
// the order they are checked and written: the first folder of the step-file
// dialogs (default appPath), the five view and renumbering switches, the
// selection dialog's question before its editing mode (all True), and the
// remark column's width in twips (1200).
std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& appName, const QString& appPath);

// Records the program folder under the fixed application "QELM_STP", section
// SETTING, key MYPATH, whatever the executable is called: the setting program
// starts the step editor from there. Written at every start.
void writeMyPath(const QString& programFolder);

} // namespace QelmStp
