#include "colclsOkuri.h"

#include "datamodel/io/BinaryFile.h"
#include "datamodel/io/FileLimits.h"
#include "datamodel/okuri/OkuriBlock.h"
#include "datamodel/reports/PitchReport.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"


#include <array>

namespace Telva27 {

namespace {

// The values a 16-bit field holds: 0 to 65535 as themselves, a negative value
// as its two's complement (reading back as value + 65536).
uint16_t toField(int32_t value)
{
    if (value < -32768 || value > 65535)
        throw platform::RuntimeError(platform::errOverflow);
    return static_cast<uint16_t>(value & 0xFFFF);
}

// The 1-based positions of the blocks a save writes, by the kinds of the
// source and the target file.
std::vector<int64_t> blockPositions(ENUM_ETBSTG eCrntETBSTG, ENUM_ETBSTG eNewETBSTG, int32_t lngStarting,
                                    int32_t lngOffset)
{
    if (eNewETBSTG == eETB && (eCrntETBSTG == eETB || eCrntETBSTG == eSTG))
        return {lngStarting};
    if (eNewETBSTG == eSTG && eCrntETBSTG == eSTG)
        return {lngStarting};
    if (eNewETBSTG == eSTG && eCrntETBSTG == eETB) {
        // A single table becomes all eight: each receives the same pitch table.
        std::vector<int64_t> positions;
        for (int64_t t = 0; t < OkuriBlock::kTableCount; ++t)
            positions.push_back(t * OkuriBlock::kTableSize + 1 + lngOffset);
        return positions;
    }
    // Kinds the file formats don't know: nothing would be written, which is no save.
    throw platform::RuntimeError(platform::errInvalidCall);
}

// A block must lie inside one table of the prepared file: writing past its end
// or across a table boundary would corrupt the image.
void checkBlockPosition(int64_t position, int64_t fileSize)
{
    const int64_t first = position - 1;
    const bool insideTable = first >= 0 && first % OkuriBlock::kTableSize + OkuriBlock::kSize <= OkuriBlock::kTableSize;
    if (!insideTable || first + OkuriBlock::kSize > fileSize)
        throw platform::RuntimeError(platform::errBadRecordNumber);
}

const std::array<const char*, OkuriBlock::kRows> kPitchCaptions = {
    "0.1 - 0.8", "0.9 - 1.6", "1.7 - 2.4",   "2.5 - 3.2",   "3.3 - 4.0",   "4.1 - 4.8",
    "4.9 - 5.6", "5.7 - 6.4", "6.5 - 7.2",   "7.3 - 8.0",   "8.1 - 8.8",   "8.9 - 9.6",
    "9.7 - 10.4", "10.5 - 11.2", "11.3 - 12.0", "12.1 - 12.7",
};

} // namespace

colclsOkuri::colclsOkuri() : method_(std::make_unique<Ostrel7::clsMethod>()) {}

colclsOkuri::~colclsOkuri() = default;

// ---- rows ------------------------------------------------------------------

std::shared_ptr<clsOkuri> colclsOkuri::Add(int64_t P1, int64_t P2, int32_t T1, int32_t T2, int32_t B)
{
    auto row = std::make_shared<clsOkuri>();
    row->setP1(P1);
    row->setP2(P2);
    row->setT1(T1);
    row->setT2(T2);
    row->setB(B);
    rows_.push_back(row);
    return row;
}

std::shared_ptr<clsOkuri> colclsOkuri::Item(int32_t vntIndexKey) const { return rows_[checked(vntIndexKey)]; }

void colclsOkuri::Remove(int32_t vntIndexKey)
{
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(checked(vntIndexKey)));
}

void colclsOkuri::ResetCollection() { rows_.clear(); }

size_t colclsOkuri::checked(int32_t position) const
{
    if (position < 1 || position > Count())
        throw platform::RuntimeError(platform::errSubscript);
    return static_cast<size_t>(position - 1);
}

QVariant colclsOkuri::GetPitchCaption(int32_t Row) const
{
    if (Row < 1 || Row > OkuriBlock::kRows)
        return QVariant();
    return QString::fromLatin1(kPitchCaptions[static_cast<size_t>(Row - 1)]);
}

// ---- reading ---------------------------------------------------------------

bool colclsOkuri::ReadData(const QString& sFullFname, int32_t lngStartAdrs)
{
    std::optional<OkuriBlock> block = Ostrel7::trapped(*method_, QStringLiteral("ReadData"), [&] {
        BinaryFile file(sFullFname, filelimits::kTableFile);
        if (lngStartAdrs < 1)
            throw platform::RuntimeError(platform::errBadRecordNumber);
        // A file ending inside the block would give a table half of zeros.
        if (int64_t{lngStartAdrs} - 1 + OkuriBlock::kSize > file.size())
            throw platform::RuntimeError(platform::errInputPastEnd);
        return std::optional<OkuriBlock>(OkuriBlock::decode(file.read(lngStartAdrs, OkuriBlock::kSize)));
    });
    if (!block)
        return false;
    std::optional<Rows> rows = ConvrtInteger(*block);
    if (!rows)
        return false;
    rows_ = std::move(*rows);
    return true;
}

std::optional<colclsOkuri::Rows> colclsOkuri::ConvrtInteger(const OkuriBlock& block)
{
    return Ostrel7::trapped(*method_, QStringLiteral("ConvrtInteger"), [&] {
        Rows rows;
        for (const udtOkuri& r : block.records) {
            auto row = std::make_shared<clsOkuri>();
            row->setP1(r.P1);
            row->setP2(r.P2);
            row->setT1(r.T1);
            row->setT2(r.T2);
            row->setB(r.B);
            rows.push_back(std::move(row));
        }
        return std::optional<Rows>(std::move(rows));
    });
}

// ---- saving ----------------------------------------------------------------

bool colclsOkuri::SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lngStarting,
                           ENUM_ETBSTG eNewETBSTG, int32_t lngOffset)
{
    return Ostrel7::trapped(*method_, QStringLiteral("SaveData"), [&] {
        const std::vector<int64_t> positions = blockPositions(eCrntETBSTG, eNewETBSTG, lngStarting, lngOffset);
        // The parameter save has built the whole image; a missing file means it
        // didn't, and must not be replaced by one holding only the pitch table.
        QByteArray image = platform::readWholeFile(sNewUserFullFname, filelimits::kTableFile);
        for (const int64_t position : positions)
            checkBlockPosition(position, image.size());
        for (const int64_t position : positions)
            if (!SaveOkuriTable(image, position))
                return false;
        // Replaced whole: a failure on the way leaves the file as it was.
        platform::replaceFile(sNewUserFullFname, image);
        return true;
    });
}

bool colclsOkuri::SaveOkuriTable(QByteArray& image, int64_t position)
{
    const std::optional<OkuriBlock> block = ConvertudtOkuri();
    if (!block)
        return false;
    return Ostrel7::trapped(*method_, QStringLiteral("SaveOkuriTable"), [&] {
        const QByteArray bytes = block->encode();
        image.replace(position - 1, bytes.size(), bytes);
        return true;
    });
}

std::optional<OkuriBlock> colclsOkuri::ConvertudtOkuri()
{
    return Ostrel7::trapped(*method_, QStringLiteral("ConvertudtOkuri"), [&] {
        // Rows missing from a short table are written as zero records; a row
        // that has no record, or a value its field can't hold, fails the save
        // rather than storing something other than what the table shows.
        if (Count() > OkuriBlock::kRows)
            throw platform::RuntimeError(platform::errSubscript);
        OkuriBlock block;
        size_t k = 0;
        for (const auto& row : rows_) {
            udtOkuri& r = block.records[k++];
            r.P1 = row->P1();
            r.P2 = row->P2();
            r.T1 = toField(row->T1());
            r.T2 = toField(row->T2());
            r.B = toField(row->B());
        }
        return std::optional<OkuriBlock>(block);
    });
}

// ---- report ----------------------------------------------------------------

bool colclsOkuri::PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname,
                               colclsOkuri& colOkuriX, colclsOkuri& colOkuriY)
{
    ReportFrame frame(*method_, Doing);
    PitchReport report(frame, *this);
    return frame.run(
        eExcelVersionIndex, sExcelFullFname,
        [&](platform::workbook::Application&, platform::workbook::Worksheet& sheet) {
            report.PrintExcelRows(sheet, colOkuriX, 1);
            report.PrintExcelRows(sheet, colOkuriY, 20);
        },
        [&](platform::workbook::Application& app, platform::workbook::Worksheet& sheet) {
            report.ArrangeFace(app, sheet);
        });
}

} // namespace Telva27
