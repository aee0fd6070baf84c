#pragma once
// The export settings of the dialog library: the workbook saved last and the
// options of the export dialog. Read when clsPrint is created, written by the
// export: the three options at every press of the create button, the workbook
// once its path is settled.

#include "util/property/SettingsTable.h"

#include <QString>
#include <cstdint>

namespace Ostrel7 {
class clsProperty;
}

namespace Sorvi27 {

class ExportSettings {
public:
    // libraryFolder ends with a separator; the first workbook is
    // QELMFUNC.xlsx there.
    explicit ExportSettings(const QString& libraryFolder);

    // Writes the default of each setting whose value is missing or empty;
    // False at the first one that fails (RegDefaultKey has reported it).
    bool writeMissingDefaults(Ostrel7::clsProperty& property) const;
    // Reads the four values. A stored option that does not convert, or a
    // version outside the version list, reads as its default, and the answer
    // is then False. Throws the store's error when it cannot be read.
    bool read();
    // Stores DoesOpenSavedFile, DoesOverWrite and ExcelVersionIndex, in this order.
    void writeOptions() const;
    void writeLatestExcelFullFname() const;

    // The number of entries of the version list: 0 for borders drawn for
    // newer spreadsheet programs, 1 for older ones.
    static constexpr int32_t kVersionCount = 2;

    // Full path of the workbook saved last.
    QString LatestExcelFullFname;
    // Open the workbook after saving it.
    bool DoesOpenSavedFile = false;
    // Write over the last workbook without a file dialog.
    bool DoesOverWrite = false;
    // Telva27::ENUM_EXCELVERSIONINDEX.
    int32_t ExcelVersionIndex = 0;

private:
    Ostrel7::SettingsTable table_;
};

} // namespace Sorvi27
