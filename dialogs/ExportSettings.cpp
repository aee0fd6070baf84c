#include "ExportSettings.h"

#include "LibraryState.h"

namespace Sorvi27 {

namespace {

// The names of the export dialog's settings, as stored.
constexpr Ostrel7::SettingName kLatestExcelFullFname{"FileInfo", "LatestExcelFullFname"};
constexpr Ostrel7::SettingName kDoesOpenSavedFile{"General", "DoesOpenSavedFile"};
constexpr Ostrel7::SettingName kDoesOverWrite{"General", "DoesOverWrite"};
constexpr Ostrel7::SettingName kExcelVersionIndex{"General", "ExcelVersionIndex"};

QList<Ostrel7::SettingDecl> exportSettings(const QString& libraryFolder)
{
    using Ostrel7::SettingType;
    return {
        {kLatestExcelFullFname, libraryFolder + QStringLiteral("QELMFUNC.xlsx"), SettingType::Text},
        {kDoesOpenSavedFile, false, SettingType::Bool},
        {kDoesOverWrite, false, SettingType::Bool},
        {kExcelVersionIndex, 0, SettingType::Int},
    };
}

} // namespace

ExportSettings::ExportSettings(const QString& libraryFolder)
    : table_(LibraryState::kAppName, exportSettings(libraryFolder))
{
}

bool ExportSettings::writeMissingDefaults(Ostrel7::clsProperty& property) const
{
    return table_.writeMissingDefaults(property);
}

bool ExportSettings::read()
{
    bool converts = table_.everyStoredValueConverts();
    LatestExcelFullFname = table_.readText(kLatestExcelFullFname);
    DoesOpenSavedFile = table_.readBool(kDoesOpenSavedFile);
    DoesOverWrite = table_.readBool(kDoesOverWrite);
    ExcelVersionIndex = table_.readInt(kExcelVersionIndex);
    if (ExcelVersionIndex < 0 || ExcelVersionIndex >= kVersionCount) {
        ExcelVersionIndex = 0;
        converts = false;
    }
    return converts;
}

void ExportSettings::writeOptions() const
{
    table_.write(kDoesOpenSavedFile, DoesOpenSavedFile);
    table_.write(kDoesOverWrite, DoesOverWrite);
    table_.write(kExcelVersionIndex, ExcelVersionIndex);
}

void ExportSettings::writeLatestExcelFullFname() const
{
    table_.write(kLatestExcelFullFname, LatestExcelFullFname);
}

} // namespace Sorvi27
