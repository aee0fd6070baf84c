#pragma once
// The feed-pitch table of one axis: 16 unkeyed rows, one per pitch band, read
// from and written into the 128-byte block of a setting table.

#include "datamodel/common/Enums.h"
#include "datamodel/okuri/OkuriBlock.h"
#include "datamodel/okuri/clsOkuri.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {


class colclsOkuri {
public:
    using Rows = std::vector<std::shared_ptr<clsOkuri>>;

    colclsOkuri();
    ~colclsOkuri();
    colclsOkuri(const colclsOkuri&) = delete;
    colclsOkuri& operator=(const colclsOkuri&) = delete;

    // The pitch band of row 1-16 ("0.1 - 0.8" ...); an empty value for any other row.
    QVariant GetPitchCaption(int32_t Row) const;

    // Writes the rows into the table image the parameter save has prepared:
    // one block at lngStarting, or, for a one-table source saved as an
    // eight-table file, the same block at lngOffset of every table.
    bool SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lngStarting,
                  ENUM_ETBSTG eNewETBSTG, int32_t lngOffset);

    // Appends a row without key and returns it; P1 or P2 outside 0..255 raises
    // Overflow and appends nothing.
    std::shared_ptr<clsOkuri> Add(int64_t P1, int64_t P2, int32_t T1, int32_t T2, int32_t B);
    // Rows by 1-based position; a position out of range is runtime error 9.
    std::shared_ptr<clsOkuri> Item(int32_t vntIndexKey) const;
    int32_t Count() const { return static_cast<int32_t>(rows_.size()); }
    void Remove(int32_t vntIndexKey);
    Rows::const_iterator begin() const { return rows_.begin(); }
    Rows::const_iterator end() const { return rows_.end(); }
    void ResetCollection();

    // Replaces the rows by the 16 rows of the block at lngStartAdrs; False
    // (after a report, rows kept) when the whole block can't be read.
    bool ReadData(const QString& sFullFname, int32_t lngStartAdrs);

    // The feed-pitch report: colOkuriX from row 1 and colOkuriY from row 20 of
    // one worksheet, written as a workbook; True when it was saved.
    bool PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                      colclsOkuri& colOkuriX, colclsOkuri& colOkuriY);

    // Progress of the feed-pitch report.
    std::function<void(const QString&)> Doing;

private:
    std::optional<OkuriBlock> ConvertudtOkuri();
    std::optional<Rows> ConvrtInteger(const OkuriBlock& block);
    // Writes the block into the file's image in memory; SaveData replaces the file whole.
    bool SaveOkuriTable(QByteArray& image, int64_t position);

    size_t checked(int32_t position) const;

    std::unique_ptr<Ostrel7::clsMethod> method_;
    Rows rows_;
};

} // namespace Telva27
