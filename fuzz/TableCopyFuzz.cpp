// The table copy on arbitrary bytes: two source files with their companions
// (SEK for setting files, BIN note files for step files) are assembled into a
// new file table by table, as the copy dialog does. Input: one byte choosing
// setting or step files, eight bytes naming each slot's source (bit 7 empty,
// bit 3 the second file, bits 0-2 the table; bit 6 gives a table number out of
// range), then the first file, its companion, the second file and its
// companion, cut at form feeds. A copy that answers True must hold exactly the
// tables it names.

#include "FuzzSupport.h"

#include "dialogs/TableCopyWriter.h"
#include "util/method/clsMethod.h"

#include <QFile>

#include <cstdlib>

namespace {

using Sorvi27::TableCopyWriter;
constexpr qsizetype kTable = TableCopyWriter::kTableSize;
constexpr int kSlots = TableCopyWriter::kTableCount;

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What slot d of a copy must hold: the named table of its source, or the vacant table.
QByteArray expectedTable(const std::optional<Sorvi27::TableSource>& slot, const QByteArray& source,
                         const QByteArray& vacant)
{
    return slot ? source.mid(qsizetype{slot->table} * kTable, kTable) : vacant;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 + kSlots)
        return 0;
    static Ostrel7::clsMethod reporter;
    const bool steps = data[0] & 1;
    const QString extension = steps ? QStringLiteral("stp") : QStringLiteral("stg");
    const QString companion = steps ? QStringLiteral("BIN") : QStringLiteral("sek");
    const QList<QByteArray> parts = fuzzsupport::split(data + 1 + kSlots, size - 1 - kSlots, 4);
    QString sources[2];
    for (int f = 0; f < 2; ++f) {
        const QString name = QChar(u'a' + f) + QStringLiteral(".");
        sources[f] = fuzzsupport::writeFile(name + extension, parts[2 * f]);
        fuzzsupport::writeFile(name + companion, parts[2 * f + 1]);
    }

    Sorvi27::CopySlots copySlots;
    int sourceOf[kSlots] = {};
    for (int d = 0; d < kSlots; ++d) {
        const uint8_t pick = data[1 + d];
        if (pick & 0x80)
            continue;
        sourceOf[d] = (pick >> 3) & 1;
        const int32_t table = (pick & 0x40) ? 8 - (pick & 7) * 3 : pick & 7;
        copySlots[static_cast<size_t>(d)] = Sorvi27::TableSource{table, sources[sourceOf[d]]};
    }

    const QString target = fuzzsupport::writeFile(QStringLiteral("out.") + extension, "old");
    TableCopyWriter writer(reporter, copySlots, platform::Durability::Scratch);
    if (!(steps ? writer.SaveStpFile(target) : writer.SaveStgFile(target)))
        return 0;

    // The copy answered True: every table is the one its slot names.
    const QByteArray copy = contentOf(target);
    const QByteArray notes = contentOf(TableCopyWriter::companionOf(target, companion));
    if (copy.size() != kSlots * kTable)
        std::abort();
    for (int d = 0; d < kSlots; ++d) {
        const auto& slot = copySlots[static_cast<size_t>(d)];
        const int f = sourceOf[d];
        if (copy.mid(d * kTable, kTable) != expectedTable(slot, parts[2 * f], TableCopyWriter::vacantStepTable()))
            std::abort();
        if (steps &&
            notes.mid(d * kTable, kTable) != expectedTable(slot, parts[2 * f + 1], TableCopyWriter::vacantNoteTable()))
            std::abort();
    }
    if (!steps && notes != parts[2 * sourceOf[0] + 1])
        std::abort(); // the SEK file of table 0's source
    return 0;
}
