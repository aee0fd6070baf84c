#include "ParameterTableFile.h"

#include "datamodel/common/ModelMessages.h"
#include "datamodel/io/BinaryFile.h"
#include "datamodel/io/FileLimits.h"
#include "datamodel/parameters/ParameterImage.h"
#include "datamodel/io/TableHeader.h"
#include "datamodel/parameters/colclsFunction.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "util/method/Trap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Telva27 {

namespace {

constexpr int32_t kTableSize = ParameterImage::kTableSize;
constexpr int32_t kTableCount = 8;

const char* const kEtbEtbZero = "ETB->ETB Read failure (SaveData) ERR: buf1Table is all zero.";
const char* const kStgStgZero8 = "STG->STG Read failure (SaveData) ERR: buf8Table is all zero.";
const char* const kStgStgZero1 = "STG->STG Read failure (SaveData) ERR: buf1Table is all zero.";
const char* const kEtbStgZero = "ETB->STG Read failure (SaveData) ERR: buf1Table is all zero.";

// Places bytes at a 1-based position of the new file's content, growing it with
// zeros as a positioned write into a file would.
void put(QByteArray& content, int64_t position, const QByteArray& bytes)
{
    if (position < 1)
        throw platform::RuntimeError(platform::errBadRecordNumber);
    const int64_t end = position - 1 + bytes.size();
    if (content.size() < end)
        content.resize(end, '\0');
    std::copy(bytes.begin(), bytes.end(), content.begin() + (position - 1));
}

} // namespace

// ---- reading -------------------------------------------------------------

void ParameterTableFile::ReadSEK(const QString& sSEKFullFname) { readSekFile(sSEKFullFname); }

bool ParameterTableFile::readSekFile(const QString& sSEKFullFname)
{
    // An empty SEK file is an empty companion; only a failed read keeps the old bytes.
    return Ostrel7::trapped(model_.method(), QStringLiteral("ReadSEK"), [&] {
        model_.setSekBuffer(platform::readWholeFile(sSEKFullFname, filelimits::kSekFile));
        return true;
    });
}

bool ParameterTableFile::ReadData(ENUM_USRSTD eSTDUSR, const QString& sTempFullFname, int32_t lStarting,
                                  const QString& sSEKFullFname)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("ReadData"), [&] {
        BinaryFile file(sTempFullFname, filelimits::kTableFile);
        // A user table whose SEK companion can't be read is not loaded: its
        // predecessor's SEK would otherwise be saved beside it.
        if (eSTDUSR == eUSR && !sSEKFullFname.isEmpty() && !readSekFile(sSEKFullFname))
            return false;
        if (!ReadHeader(eSTDUSR, file, lStarting))
            return false;
        ParameterImage(model_).readValues(file.read(lStarting, kTableSize), eSTDUSR);
        return true;
    });
}

bool ParameterTableFile::ReadHeader(ENUM_USRSTD eSTDUSR, BinaryFile& file, int32_t lStarting)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("ReadHeader"), [&] {
        // The header belongs to the user's table; a factory table leaves it alone.
        if (eSTDUSR != eUSR)
            return true;
        const TableHeader header = TableHeader::decode(file.read(lStarting, TableHeader::kSize));
        model_.setTableFlag(header.tableFlag);
        model_.setSettingTableNo(header.settingTableNo);
        model_.setDataVersion(header.dataVersion);
        model_.setKishuName(header.kishuName);
        return true;
    });
}

// ---- saving --------------------------------------------------------------

bool ParameterTableFile::SaveData(ENUM_ETBSTG eCrntETBSTG, const QString& sNewUserFullFname, int32_t lStart,
                                  ENUM_ETBSTG eNewETBSTG, const QString& sCrntUserFullFname)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("SaveData"), [&] {
        // The source is read before the new file is made, so both may be the same path.
        QByteArray buf1Table;
        QByteArray buf8Table;
        GetBuf1Table_Buf8Table(sCrntUserFullFname, eCrntETBSTG, lStart, buf1Table, buf8Table);

        // The SEK working copy goes beside the new file, as it is on every save.
        platform::FileReplacement files;
        const QString sekName = QFileInfo(sNewUserFullFname).absoluteDir().filePath(QStringLiteral("sek.tmp"));
        if (!SaveSTKFile(model_.sekBuffer(), sekName, files))
            return false;

        // The new content is built in memory; what a refused save composed
        // lands in the file all the same (its caller discards a save that
        // answered False), and both files replace the old ones together, so a
        // failing disk leaves them as they were.
        QByteArray content;
        bool saved = false;
        if (eNewETBSTG == eETB)
            saved = composeOneTable(content, eCrntETBSTG, lStart, buf1Table);
        else if (eCrntETBSTG == eSTG)
            saved = composeEightFromEight(content, lStart, buf1Table, buf8Table);
        else
            saved = composeEightFromOne(content, buf1Table);
        files.stage(sNewUserFullFname, content);
        files.commit();
        return saved;
    });
}

bool ParameterTableFile::composeOneTable(QByteArray& newContent, ENUM_ETBSTG eCrntETBSTG, int32_t lStart,
                                         const QByteArray& buf1Table)
{
    if (!sourceIsReadable(buf1Table, kEtbEtbZero))
        return false;
    if (!SavePrgTable(newContent, lStart, buf1Table, false))
        return false;
    // A table taken out of an eight-table file becomes table 0 without the flag.
    if (eCrntETBSTG == eSTG)
        put(newContent, 1, QByteArray(1, '\0'));
    return true;
}

bool ParameterTableFile::composeEightFromEight(QByteArray& newContent, int32_t lStart, const QByteArray& buf1Table,
                                               const QByteArray& buf8Table)
{
    put(newContent, 1, buf8Table);
    if (!sourceIsReadable(buf8Table, kStgStgZero8) || !sourceIsReadable(buf1Table, kStgStgZero1))
        return false;
    return SavePrgTable(newContent, lStart, buf1Table, false);
}

bool ParameterTableFile::composeEightFromOne(QByteArray& newContent, const QByteArray& buf1Table)
{
    if (!sourceIsReadable(buf1Table, kEtbStgZero))
        return false;
    for (int32_t i = 0; i < kTableCount; ++i)
        if (!SavePrgTable(newContent, i * kTableSize + 1, buf1Table, true))
            return false;
    return true;
}

bool ParameterTableFile::sourceIsReadable(const QByteArray& bytes, const char* message)
{
    if (ValidArray(bytes))
        return true;
    // A zero table means the current file could not be read; saving it would
    // write the model over nothing.
    showModelCritical(QString::fromLatin1(message));
    return false;
}

void ParameterTableFile::GetBuf1Table_Buf8Table(const QString& sFullFname, ENUM_ETBSTG eETBSTG, int32_t lStart,
                                                QByteArray& buf1Table, QByteArray& buf8Table)
{
    Ostrel7::trapped(model_.method(), QStringLiteral("GetBuf1Table_Buf8Table"), [&] {
        // The current file is only read: a missing one reads as zeros and is
        // refused by the caller, never created.
        std::optional<BinaryFile> file;
        if (QFileInfo::exists(sFullFname))
            file.emplace(sFullFname, filelimits::kTableFile);
        BinaryFile* source = file ? &*file : nullptr;
        if (eETBSTG == eSTG) {
            // An eight-table file is read once for all its tables; the table
            // at lStart is taken out of it when it lies among them.
            buf8Table = GetOriginalByte(source, 1, lStart);
            if (lStart >= 1 && int64_t{lStart} - 1 + kTableSize <= buf8Table.size()) {
                buf1Table = buf8Table.mid(lStart - 1, kTableSize);
                return;
            }
        }
        buf1Table = GetOriginalByte(source, 0, lStart);
    });
}

QByteArray ParameterTableFile::GetOriginalByte(BinaryFile* file, int32_t mode, int32_t lStart)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("GetOriginalByte"), [&] {
        int64_t position = 0;
        int64_t length = 0;
        switch (mode) {
        case 0: position = lStart; length = kTableSize; break;
        case 1: position = 1; length = int64_t{kTableSize} * kTableCount; break;
        default: return QByteArray();
        }
        if (position < 1)
            throw platform::RuntimeError(platform::errBadRecordNumber);
        return file ? file->read(position, length) : QByteArray(length, '\0');
    });
}

bool ParameterTableFile::ValidArray(const QByteArray& bytes)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("ValidArray"), [&] {
        // No bytes at all means the source could not be read.
        if (bytes.isEmpty())
            throw platform::RuntimeError(platform::errSubscript);
        return std::any_of(bytes.begin(), bytes.end(), [](char b) { return b != '\0'; });
    });
}

bool ParameterTableFile::SaveSTKFile(const QByteArray& bytes, const QString& sFullFname,
                                     platform::FileReplacement& files)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("SaveSTKFile"), [&] {
        files.stage(sFullFname, bytes);
        return true;
    });
}

bool ParameterTableFile::SavePrgTable(QByteArray& newContent, int32_t lStart, const QByteArray& source,
                                      bool allTables)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("SavePrgTable"), [&] {
        if (lStart < 1)
            throw platform::RuntimeError(platform::errBadRecordNumber);
        const std::optional<QByteArray> merged = GetBytesFrombufData(source);
        if (!merged)
            return false;
        // Image, then header, then byte and word values: a byte parameter inside
        // the header overrides it. What was done before a failure stays written.
        QByteArray table = *merged;
        bool saved = false;
        try {
            saved = SaveHedder(table, lStart, allTables);
            if (saved)
                ParameterImage(model_).writeValues(table);
        } catch (...) {
            put(newContent, lStart, table);
            throw;
        }
        put(newContent, lStart, table);
        return saved;
    });
}

bool ParameterTableFile::SaveHedder(QByteArray& table, int32_t lStart, bool allTables)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("SaveHedder"), [&] {
        TableHeader header;
        header.settingTableNo = model_.SettingTableNo();
        header.tableFlag = model_.tableFlag();
        header.dataVersion = model_.DataVersion();
        header.kishuName = model_.KishuName();
        header.encode(table, lStart, allTables);
        return true;
    });
}

std::optional<QByteArray> ParameterTableFile::GetBytesFrombufData(const QByteArray& source)
{
    // A value that doesn't fit its field fails the save rather than writing
    // the current file's bits while claiming success.
    QByteArray image = source;
    if (!ResetMyPart(image))
        return std::nullopt;
    return Ostrel7::trapped(model_.method(), QStringLiteral("GetBytesFrombufData"), [&] {
        ParameterImage(model_).mergeBitFields(image);
        return std::optional<QByteArray>(image);
    });
}

bool ParameterTableFile::ResetMyPart(QByteArray& image)
{
    return Ostrel7::trapped(model_.method(), QStringLiteral("ResetMyPart"), [&] {
        ParameterImage(model_).reset(image);
        return true;
    });
}

} // namespace Telva27
