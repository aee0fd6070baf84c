#include "ProgramSettings.h"

#include "common/PublishedFolders.h"

namespace QelmStp {

std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& appName, const QString& appPath)
{
    using namespace settingkeys;
    using Ostrel7::SettingType;
    return std::make_unique<Ostrel7::SettingsTable>(
        appName, QList<Ostrel7::SettingDecl>{
                     {kInitialPath, appPath, SettingType::Text},
                     {kDoesViewRemarkColumn, true, SettingType::Bool},
                     {kDoesViewButtonCaption, true, SettingType::Bool},
                     {kDoesViewInputMethod, true, SettingType::Bool},
                     {kDoesReplaceFunction, true, SettingType::Bool},
                     {kDoesAskInReplacing, true, SettingType::Bool},
                     {kDoesAskInEditingMode, true, SettingType::Bool},
                     {kRemarkColumnWidth, 1200, SettingType::Int},
                     {QelmCommon::kStepEditorFolder, QString(), SettingType::Text},
                 });
}

void writeMyPath(const Ostrel7::SettingsTable& settings, const QString& programFolder)
{
    settings.write(QelmCommon::kStepEditorFolder, programFolder);
}

} // namespace QelmStp
