#include "SetTextFile.h"

#include "datamodel/io/FileLimits.h"
#include "platform/Cp932.h"
#include "platform/RegularFile.h"

namespace Telva27 {

SetTextFile::SetTextFile(const QString& path)
    : text_(platform::cp932::decode(platform::readWholeFile(path, filelimits::kSetFile)))
{
    // CR and LF never occur inside a CP932 character, so the decoded text is
    // split where the bytes were. A lone CR ends a line as CR LF and LF do:
    // taken as part of a line it would join every record into one.
    const QStringView text(text_);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines_.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines_.append(text.mid(start));
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
