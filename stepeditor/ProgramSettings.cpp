#include "ProgramSettings.h"

#include "util/property/SettingsTable.h"

namespace QelmStp {

std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& appName, const QString& appPath)
{
    using namespace settingkeys;
    using Ostrel7::SettingType;
    return std::make_unique<Ostrel7::SettingsTable>(
        appName, QList<Ostrel7::SettingDecl>{
                     {kFileInfo, kInitialPath, appPath, SettingType::Text},
                     {kGeneral, kDoesViewRemarkColumn, true, SettingType::Bool},
                     {kGeneral, kDoesViewButtonCaption, true, SettingType::Bool},
                     {kGeneral, kDoesViewInputMethod, true, SettingType::Bool},
                     {kGeneral, kDoesReplaceFunction, true, SettingType::Bool},
                     {kGeneral, kDoesAskInReplacing, true, SettingType::Bool},
                     {kGeneral, kDoesAskInEditingMode, true, SettingType::Bool},
                     {kLocation, kRemarkColumnWidth, 1200, SettingType::Int},
                 });
}

void writeMyPath(const QString& programFolder)
{
    const QString section = QStringLiteral("SETTING");
    const QString key = QStringLiteral("MYPATH");
    const Ostrel7::SettingsTable myPath(QStringLiteral("QELM_STP"),
                                        {{section, key, QString(), Ostrel7::SettingType::Text}});
    myPath.write(section, key, programFolder);
}

} // namespace QelmStp
