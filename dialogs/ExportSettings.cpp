#include "ExportSettings.h"

#include "LibraryState.h"

namespace Sorvi27 {

namespace {

const QString kFileInfo = QStringLiteral("FileInfo");
const QString kLatestExcelFullFname = QStringLiteral("LatestExcelFullFname");
const QString kDoesOpenSavedFile = QStringLiteral("DoesOpenSavedFile");
const QString kDoesOverWrite = QStringLiteral("DoesOverWrite");
const QString kExcelVersionIndex = QStringLiteral("ExcelVersionIndex");

QList<Ostrel7::SettingDecl> exportSettings(const QString& libraryFolder)
{
    using Ostrel7::SettingType;
    return {
        {kFileInfo, kLatestExcelFullFname, libraryFolder + QStringLiteral("QELMFUNC.xlsx"), SettingType::Text},
        {LibraryState::kGeneral, kDoesOpenSavedFile, false, SettingType::Bool},
        {LibraryState::kGeneral, kDoesOverWrite, false, SettingType::Bool},
        {LibraryState::kGeneral, kExcelVersionIndex, 0, SettingType::Int},
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
    bool converts = true;
    for (const Ostrel7::SettingDecl& decl : table_.settings())
        converts = table_.storedValueConverts(decl.section, decl.key) && converts;
    LatestExcelFullFname = table_.readText(kFileInfo, kLatestExcelFullFname);
    DoesOpenSavedFile = table_.readBool(LibraryState::kGeneral, kDoesOpenSavedFile);
    DoesOverWrite = table_.readBool(LibraryState::kGeneral, kDoesOverWrite);
    ExcelVersionIndex = table_.readInt(LibraryState::kGeneral, kExcelVersionIndex);
    if (ExcelVersionIndex < 0 || ExcelVersionIndex >= kVersionCount) {
        ExcelVersionIndex = 0;
        converts = false;
    }
    return converts;
}

void ExportSettings::writeOptions() const
{
    table_.write(LibraryState::kGeneral, kDoesOpenSavedFile, DoesOpenSavedFile);
    table_.write(LibraryState::kGeneral, kDoesOverWrite, DoesOverWrite);
    table_.write(LibraryState::kGeneral, kExcelVersionIndex, ExcelVersionIndex);
}

void ExportSettings::writeLatestExcelFullFname() const
{
    table_.write(kFileInfo, kLatestExcelFullFname, LatestExcelFullFname);
}

} // namespace Sorvi27
