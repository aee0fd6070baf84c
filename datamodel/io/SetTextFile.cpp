#include "SetTextFile.h"

#include "BinaryFile.h"
#include "platform/Cp932.h"

namespace Telva27 {

SetTextFile::SetTextFile(const QString& path)
{
    const QString text = platform::cp932::decode(readWholeFile(path));
    lines_ = text.split(QLatin1Char('\n'));
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
    for (QString& line : lines_)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
}

QStringList SetTextFile::fields(const QString& line, int minFields)
{
    QStringList parts = line.split(QLatin1Char('\t'));
    if (line.isEmpty() || parts.size() < minFields)
        throw platform::RuntimeError(platform::errSubscript);
    return parts;
}

} // namespace Telva27
