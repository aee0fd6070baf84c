#include "SetTextFile.h"

#include "BinaryFile.h"
#include "platform/Cp932.h"

namespace Telva27 {

SetTextFile::SetTextFile(const QString& path) : text_(platform::cp932::decode(readWholeFile(path)))
{
    const QStringView text(text_);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = text.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines_.append(line);
        start = end + 1;
    }
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
