#include "TableCopyWriter.h"

#include "datamodel/io/FileLimits.h"
#include "datamodel/steps/StepFileFormat.h"
#include "platform/AtomicFile.h"
#include "platform/CompanionFile.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "util/file/FileNames.h"
#include "util/method/Trap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Sorvi27 {

namespace {

namespace stepfile = Telva27::stepfile;
using platform::RuntimeError;

constexpr int32_t kFileSize = TableCopyWriter::kTableSize * TableCopyWriter::kTableCount;

bool isTableNumber(int32_t t) { return t >= 0 && t < TableCopyWriter::kTableCount; }

void putTable(QByteArray& image, int32_t d, const QByteArray& table)
{
    if (!isTableNumber(d))
        throw RuntimeError(platform::errSubscript);
    image.replace(d * TableCopyWriter::kTableSize, TableCopyWriter::kTableSize, table);
}

// Table `table` of the file, which must hold it whole.
QByteArray readTable(const QString& path, int32_t table)
{
    if (!isTableNumber(table))
        throw RuntimeError(platform::errSubscript);
    QFile file;
    platform::openRegularFile(file, path, kFileSize);
    QByteArray bytes;
    if (file.seek(int64_t{table} * TableCopyWriter::kTableSize))
        bytes = file.read(TableCopyWriter::kTableSize);
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(platform::errDeviceIO,
                           QStringLiteral("%1: %2").arg(RuntimeError::standardText(platform::errDeviceIO),
                                                        QDir::toNativeSeparators(path)));
    if (bytes.size() != TableCopyWriter::kTableSize)
        throw RuntimeError(platform::errInputPastEnd,
                           QStringLiteral("%1: %2 holds no whole table %3")
                               .arg(RuntimeError::standardText(platform::errInputPastEnd),
                                    QDir::toNativeSeparators(path))
                               .arg(table));
    return bytes;
}

} // namespace

TableCopyWriter::TableCopyWriter(Ostrel7::clsMethod& reporter, const CopySlots& sources,
                                 platform::Durability durability)
    : reporter_(reporter), slots_(sources), durability_(durability)
{
}

QByteArray TableCopyWriter::vacantStepTable()
{
    QByteArray table(kTableSize, '\0');
    for (int32_t k = 0; k < stepfile::kLineCount; ++k)
        table[k * stepfile::kLineSize + 2] = static_cast<char>(stepfile::kNullFlags);
    return table;
}

QByteArray TableCopyWriter::vacantNoteTable()
{
    QByteArray table(kTableSize, '\0');
    stepfile::putWord(table.data() + stepfile::kOutListAt, stepfile::kListEnd);
    stepfile::putWord(table.data() + stepfile::kInListAt, stepfile::kListEnd);
    return table;
}

QString TableCopyWriter::companionOf(const QString& path, const QString& extension)
{
    // Only the file name gets the new extension: a dot in a folder name is no
    // extension, and the companion always lies beside its file.
    const QFileInfo info(path);
    return platform::existingCompanion(info.dir().filePath(Ostrel7::filenames::replaceExt(info.fileName(), extension)));
}

QString TableCopyWriter::GetSEKFullFname()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("GetSEKFullFname"), [&] {
        if (!slots_[0])
            throw RuntimeError(platform::errInvalidUseOfNull,
                               QStringLiteral("Table 0 of the new file has no source, so it has no SEK file"));
        return companionOf(slots_[0]->path, QStringLiteral("SEK"));
    });
}

bool TableCopyWriter::WriteTable_0_7(const TableSource& source, int32_t d, QByteArray& image)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("WriteTable_0_7"), [&] {
        putTable(image, d, readTable(source.path, source.table));
        return true;
    });
}

bool TableCopyWriter::SaveStpFile_STPVacant(QByteArray& image, int32_t d)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("SaveStpFile_STPVacant"), [&] {
        putTable(image, d, vacantStepTable());
        return true;
    });
}

bool TableCopyWriter::SaveStpFile_BINVacant(QByteArray& image, int32_t d)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("SaveStpFile_BINVacant"), [&] {
        putTable(image, d, vacantNoteTable());
        return true;
    });
}

bool TableCopyWriter::SaveStgFile(const QString& target)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("SaveStgFile"), [&] {
        // The new file always takes the SEK file of its table 0's source.
        const QString sek = GetSEKFullFname();
        if (sek.isEmpty())
            return false;
        const QByteArray sekBytes = platform::readWholeFile(sek, Telva27::filelimits::kSekFile);
        QByteArray image(kFileSize, '\0');
        for (int32_t i = 0; i < kTableCount; ++i) {
            const auto& slot = slots_[static_cast<size_t>(i)];
            if (!slot)
                throw RuntimeError(platform::errInvalidUseOfNull,
                                   QStringLiteral("Table %1 of the new setting file has no source").arg(i));
            if (!WriteTable_0_7(*slot, i, image))
                return false;
        }
        platform::FileReplacement files(durability_);
        files.stage(companionOf(target, QStringLiteral("SEK")), sekBytes);
        files.stage(target, image);
        files.commit();
        return true;
    });
}

bool TableCopyWriter::SaveStpFile(const QString& target)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("SaveStpFile"), [&] {
        QByteArray steps;
        QByteArray notes;
        if (!composeStepImage(steps, QString()) || !composeStepImage(notes, QStringLiteral("BIN")))
            return false;
        const QString noteTarget = companionOf(target, QStringLiteral("BIN"));
        stepfile::refuseOwnNoteFile(target, noteTarget);
        platform::FileReplacement files(durability_);
        files.stage(target, steps);
        files.stage(noteTarget, notes);
        files.commit();
        return true;
    });
}

bool TableCopyWriter::composeStepImage(QByteArray& image, const QString& companion)
{
    image = QByteArray(kFileSize, '\0');
    for (int32_t i = 0; i < kTableCount; ++i) {
        const auto& slot = slots_[static_cast<size_t>(i)];
        bool written = false;
        if (!slot)
            written = companion.isEmpty() ? SaveStpFile_STPVacant(image, i) : SaveStpFile_BINVacant(image, i);
        else if (companion.isEmpty())
            written = WriteTable_0_7(*slot, i, image);
        else // the same table of the source's own note file
            written = WriteTable_0_7({slot->table, companionOf(slot->path, companion)}, i, image);
        if (!written)
            return false;
    }
    return true;
}

} // namespace Sorvi27
