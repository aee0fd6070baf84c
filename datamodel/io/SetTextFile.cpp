#include "SetTextFile.h"

#include "datamodel/io/FileLimits.h"
#include "platform/Cp932.h"
#include "platform/RegularFile.h"

#include <algorithm>

namespace Telva27 {

SetTextFile::SetTextFile(const QString& path)
    : text_(platform::cp932::decode(platform::readWholeFile(path, filelimits::kSetFile)))
{
    // CR and LF never occur inside a CP932 character, so the decoded text is
    // split where the bytes were. A lone CR ends a line as CR LF and LF do:
    // taken as part of a line it would join every record into one. Each line
    // is found with two searches, the second for a lone CR inside it.
    const QStringView text(text_);
    qsizetype start = 0;
    qsizetype end = -1; // the next LF (or the end of the text), found once for all lines before it
    while (start < text.size()) {
        if (end < start) {
            end = text.indexOf(u'\n', start);
            if (end < 0)
                end = text.size();
        }
        const qsizetype cr = text.sliced(start, end - start).indexOf(u'\r');
        if (cr >= 0 && start + cr + 1 < end) {
            // A CR before the end of the line ends a line of its own.
            lines_.append(text.sliced(start, cr));
            start += cr + 1;
            continue;
        }
        lines_.append(text.sliced(start, (cr >= 0 ? start + cr : end) - start));
        start = end + 1;
    }
}

QString SetTextFile::shared(QStringView field)
{
    // FNV-1a; a field's texts are few and short.
    uint64_t hash = 14695981039346656037ull;
    for (QChar c : field)
        hash = (hash ^ c.unicode()) * 1099511628211ull;
    if ((sharedCount_ + 1) * 2 > shared_.size()) {
        std::vector<SharedText> grown(std::max<size_t>(64, shared_.size() * 2));
        for (SharedText& entry : shared_)
            if (!entry.text.isNull())
                grown[slotOf(grown, entry.hash, entry.text)] = std::move(entry);
        shared_ = std::move(grown);
    }
    SharedText& slot = shared_[slotOf(shared_, hash, field)];
    if (slot.text.isNull()) {
        // A null string marks a free slot, so an empty field is kept as an empty one.
        slot = {hash, field.isEmpty() ? QString(QLatin1String("")) : field.toString()};
        ++sharedCount_;
    }
    return slot.text;
}

size_t SetTextFile::slotOf(const std::vector<SharedText>& table, uint64_t hash, QStringView text)
{
    const size_t mask = table.size() - 1;
    for (size_t s = (hash * 0x9E3779B97F4A7C15ull) >> 32 & mask;; s = (s + 1) & mask)
        if (table[s].text.isNull() || (table[s].hash == hash && table[s].text == text))
            return s;
}

SetTextFile::Fields SetTextFile::fields(QStringView line, int minFields)
{
    Fields parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\t') {
            parts.append(line.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(line.mid(start));
    if (line.isEmpty() || parts.size() < minFields)
        throw platform::RuntimeError(platform::errSubscript);
    return parts;
}

} // namespace Telva27
