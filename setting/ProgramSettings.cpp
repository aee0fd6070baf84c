#include "ProgramSettings.h"

#include "common/PublishedFolders.h"

namespace QelmSet {

std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& regAppName, const QString& appPath)
{
    using namespace settingkeys;
    using Ostrel7::SettingType;
    return std::make_unique<Ostrel7::SettingsTable>(
        regAppName, QList<Ostrel7::SettingDecl>{
                        {kStdReadingPath, appPath, SettingType::Text},
                        {kPrevStd_ExtFilterIndex, 1, SettingType::Int},
                        {kPrevUsr_ExtFilterIndex, 1, SettingType::Int},
                        {kPassWordSpecial, QStringLiteral("4829"), SettingType::Text},
                        {kDoesNeedPassWord, true, SettingType::Bool},
                        {kWdt_Custom_StdKino, 1900, SettingType::Int},
                        {kWdt_Custom_UsrKino, 1900, SettingType::Int},
                        {QelmCommon::kSettingProgramFolder, QString(), SettingType::Text},
                        {QelmCommon::kStepEditorFolder, QString(), SettingType::Text},
                    });
}

void writeMyPath(const Ostrel7::SettingsTable& settings, const QString& programFolder)
{
    // Written only when it changed: the value is the same at every start from one folder.
    if (settings.readText(QelmCommon::kSettingProgramFolder) != programFolder)
        settings.write(QelmCommon::kSettingProgramFolder, programFolder);
}

} // namespace QelmSet
