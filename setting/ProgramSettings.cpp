#include "ProgramSettings.h"

#include "util/property/SettingsTable.h"

namespace QelmSet {

std::unique_ptr<Ostrel7::SettingsTable> makeProgramSettings(const QString& regAppName, const QString& appPath)
{
    using Ostrel7::SettingType;
    const QString fileInfo = QStringLiteral("FileInfo");
    const QString general = QStringLiteral("General");
    const QString location = QStringLiteral("Location");
    return std::make_unique<Ostrel7::SettingsTable>(
        regAppName, QList<Ostrel7::SettingDecl>{
                        {fileInfo, QStringLiteral("StdReadingPath"), appPath, SettingType::Text},
                        {fileInfo, QStringLiteral("PrevStd_ExtFilterIndex"), 1, SettingType::Int},
                        {fileInfo, QStringLiteral("PrevUsr_ExtFilterIndex"), 1, SettingType::Int},
                        {general, QStringLiteral("PassWordSpecial"), QStringLiteral("4829"), SettingType::Text},
                        {general, QStringLiteral("DoesNeedPassWord"), true, SettingType::Bool},
                        {location, QStringLiteral("wdt_Custom_StdKino"), 1900, SettingType::Int},
                        {location, QStringLiteral("wdt_Custom_UsrKino"), 1900, SettingType::Int},
                    });
}

void writeMyPath(const QString& programFolder)
{
    const Ostrel7::SettingsTable myPath(QStringLiteral("QELM_SET"),
                                        {{QStringLiteral("SETTING"), QStringLiteral("MYPATH"), QString(),
                                          Ostrel7::SettingType::Text}});
    // Written only when it changed: the value is the same at every start from one folder.
    if (myPath.readText(QStringLiteral("SETTING"), QStringLiteral("MYPATH")) != programFolder)
        myPath.write(QStringLiteral("SETTING"), QStringLiteral("MYPATH"), programFolder);
}

} // namespace QelmSet
