#pragma once
// The writing half of the table copy: from the eight destination slots of the
// copy dialog it assembles a new eight-table setting file with its SEK
// companion, or a new step file with its note file, table by table.
//
// Every source table (and the SEK file) is read into memory before anything
// is written, so the target may be one of the sources; the two files of the
// pair are then put in place together (platform::FileReplacement), so a
// failure at any step leaves both old files as they were and nothing behind.
// A source that does not hold the whole table a slot names fails the copy
// rather than being filled up with zeros.

#include "platform/AtomicFile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace Ostrel7 {
class clsMethod;
}

namespace Sorvi27 {

// What one destination slot holds: table `table` (0 to 7) of the file `path`.
struct TableSource {
    int32_t table = 0;
    QString path;
    bool operator==(const TableSource&) const = default;
};

// Slots 0 to 7 of the new file; an empty slot has no source.
using CopySlots = std::array<std::optional<TableSource>, 8>;

class TableCopyWriter {
public:
    static constexpr int32_t kTableSize = 8192;
    static constexpr int32_t kTableCount = 8;

    // Failures are reported through `reporter` under each procedure's name.
    // The new files are forced to the disk unless `durability` says they are
    // scratch files (the fuzz target's, which would else wait on the disk).
    TableCopyWriter(Ostrel7::clsMethod& reporter, const CopySlots& sources,
                    platform::Durability durability = platform::Durability::Synced);

    // The SEK file of slot 0's source (found without regard to letter case);
    // "" after a report, also when slot 0 is empty.
    QString GetSEKFullFname();
    // Writes the eight-table setting file and, beside it, the SEK file of
    // slot 0's source. Every slot must be filled. True when both are in place.
    bool SaveStgFile(const QString& target);
    // Writes the step file and its note file; an empty slot becomes a vacant
    // step table and a vacant note table. True when both are in place.
    bool SaveStpFile(const QString& target);

    // A step table of 192 null lines, and a note table of two empty lists.
    static QByteArray vacantStepTable();
    static QByteArray vacantNoteTable();
    // The companion of `path` with that extension, in path's folder: an
    // existing one in any letter case, else the name with `extension`.
    static QString companionOf(const QString& path, const QString& extension);

private:
    // Copies the source's table into table d of the image.
    bool WriteTable_0_7(const TableSource& source, int32_t d, QByteArray& image);
    bool SaveStpFile_STPVacant(QByteArray& image, int32_t d);
    bool SaveStpFile_BINVacant(QByteArray& image, int32_t d);
    // The eight tables of the step file (companion "") or of its note file ("BIN").
    bool composeStepImage(QByteArray& image, const QString& companion);

    Ostrel7::clsMethod& reporter_;
    CopySlots slots_;
    platform::Durability durability_;
};

} // namespace Sorvi27
