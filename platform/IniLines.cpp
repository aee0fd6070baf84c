#include "IniLines.h"

namespace platform::ini {

namespace {

const QByteArray crlf("\r\n");

} // namespace

std::vector<Line> splitLines(const QByteArray& content)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype lf = content.indexOf('\n', start);
        if (lf < 0) {
            lines.push_back({content.mid(start), {}});
            break;
        }
        const bool cr = lf > start && content[lf - 1] == '\r';
        lines.push_back({content.mid(start, lf - start - (cr ? 1 : 0)), cr ? crlf : QByteArray("\n")});
        start = lf + 1;
    }
    return lines;
}

QByteArray joinLines(const std::vector<Line>& lines)
{
    QByteArray content;
    for (const Line& line : lines)
        content += line.text + line.end;
    return content;
}

Entry classify(const QString& text)
{
    const QString line = text.trimmed();
    if (line.isEmpty() || line.startsWith(u';'))
        return {};
    if (line.startsWith(u'[')) {
        const qsizetype close = line.lastIndexOf(u']');
        if (close < 0)
            return {Kind::Other, {}, {}};
        return {Kind::Section, line.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return {Kind::Other, {}, {}};
    return {Kind::Key, line.left(eq).trimmed(), line.mid(eq + 1).trimmed()};
}

bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    auto fold = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; };
    for (qsizetype i = 0; i < a.size(); ++i)
        if (fold(a[i].unicode()) != fold(b[i].unicode()))
            return false;
    return true;
}

Position locate(const std::vector<Line>& lines, const QString& section, const QString& key, const Codec& codec)
{
    return locate(classifyAll(lines, codec), section, key);
}

std::vector<Entry> classifyAll(const std::vector<Line>& lines, const Codec& codec)
{
    std::vector<Entry> entries;
    entries.reserve(lines.size());
    for (const Line& line : lines)
        entries.push_back(classify(codec.decode(line.text)));
    return entries;
}

Position locate(const std::vector<Entry>& entries, const QString& section, const QString& key)
{
    Position pos;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (entry.kind == Kind::Section) {
            if (pos.header)
                break;
            if (sameName(entry.name, section))
                pos.header = pos.lastKey = i;
        } else if (entry.kind == Kind::Key && pos.header) {
            pos.lastKey = i;
            if (!pos.key && sameName(entry.name, key)) {
                pos.key = i;
                pos.keyName = entry.name;
                pos.value = entry.value;
            }
        }
    }
    return pos;
}

void setKey(std::vector<Line>& lines, const QString& section, const QString& key, const QString& value,
            const Codec& codec)
{
    const Position pos = locate(lines, section, key, codec);
    if (pos.key) {
        lines[*pos.key] = {codec.encode(pos.keyName + u'=' + value), crlf};
        return;
    }
    const Line entry{codec.encode(key + u'=' + value), crlf};
    if (pos.header) {
        Line& last = lines[pos.lastKey];
        if (last.end.isEmpty())
            last.end = crlf;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pos.lastKey + 1), entry);
        return;
    }
    if (!lines.empty() && lines.back().end.isEmpty())
        lines.back().end = crlf;
    lines.push_back({codec.encode(u'[' + section + u']'), crlf});
    lines.push_back(entry);
}

bool removeKey(std::vector<Line>& lines, const QString& section, const QString& key, const Codec& codec)
{
    const Position pos = locate(lines, section, key, codec);
    if (!pos.key)
        return false;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*pos.key));
    return true;
}

} // namespace platform::ini
