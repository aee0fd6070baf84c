#include "PrivateProfile.h"

#include "AtomicFile.h"
#include "Cp932.h"
#include "RegularFile.h"
#include "RuntimeError.h"

#include <exception>
#include <optional>
#include <vector>

namespace platform::profile {

namespace {

const QByteArray crlf("\r\n");

// One line of the file as it stands, so untouched lines go back byte for byte.
struct Line {
    QByteArray text; // without its end
    QByteArray end;  // "\r\n", "\n", or empty for a last line without one
};

enum class Kind { Other, Section, Key };

// What a line means to the reader.
struct Entry {
    Kind kind = Kind::Other;
    QString name;
    QString value;
};

// Where a key of a section stands in the file. Only the first section of a
// name counts, as it did for the system.
struct Position {
    std::optional<size_t> header;   // the section's header line
    size_t lastKey = 0;             // its last key line (the header when it has none)
    std::optional<size_t> key;      // the key's first line in it
    QString keyName;                // the key as the file spells it
    QString value;
};

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

// Decoding line by line is safe for CP932: LF, CR, '[', '=' and ';' never occur
// as the second byte of a double-byte character.
Entry classify(const QByteArray& raw)
{
    const QString line = cp932::decode(raw).trimmed();
    if (line.isEmpty() || line.startsWith(u';'))
        return {};
    if (line.startsWith(u'[')) {
        const qsizetype close = line.lastIndexOf(u']');
        if (close < 0)
            return {};
        return {Kind::Section, line.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return {};
    return {Kind::Key, line.left(eq).trimmed(), line.mid(eq + 1).trimmed()};
}

// Names match without regard to ASCII letter case only, as the design's
// keyed lookups do; other letters must match exactly.
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

Position locate(const std::vector<Line>& lines, const QString& section, const QString& key)
{
    Position pos;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Entry entry = classify(lines[i].text);
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

// The file's bytes; nullopt when it is missing. Throws when it is there but
// can't be read.
std::optional<QByteArray> readFile(const QString& path)
{
    try {
        return readWholeFile(path, maxFileSize);
    } catch (const RuntimeError& e) {
        if (e.number() == errFileNotFound || e.number() == errPathNotFound)
            return std::nullopt;
        throw;
    }
}

// A value wrapped in matching quotes loses them.
QString unquote(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// The key's unquoted value; nullopt when the file, section or key is missing.
std::optional<QString> findValue(const QString& section, const QString& key, const QString& file)
{
    const QString keyName = key.trimmed();
    if (keyName.isEmpty())
        return std::nullopt;
    const auto content = readFile(file);
    if (!content)
        return std::nullopt;
    const Position pos = locate(splitLines(*content), section.trimmed(), keyName);
    if (!pos.key)
        return std::nullopt;
    return unquote(pos.value);
}

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The system's reading: sign, optional base prefix, digits up to the first
// that does not fit, and the result wraps modulo 2^32 rather than failing.
int32_t leadingNumber(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    uint32_t base = 10;
    if (i + 1 < text.size() && text[i] == u'0') {
        const char16_t prefix = text[i + 1].unicode() | 0x20;
        base = prefix == u'x' ? 16 : prefix == u'o' ? 8 : prefix == u'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0 || static_cast<uint32_t>(digit) >= base)
            break;
        value = value * base + static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

// Texts that would read back as something else, or split the line.
bool breaksStructure(const QString& section, const QString& key, const QString& value)
{
    return hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) || key.isEmpty() ||
           key.contains(u'=') || key.startsWith(u';') || key.startsWith(u'[');
}

// Whether the lines the write makes read back as the names and value given:
// a name ending in a lead byte with no trail of its own would take the "]"
// after it as its trail (the section could never be found again), and one
// followed by a byte that completes a character would read back as another
// name.
bool readsBack(const QString& section, const QString& key, const QString& value)
{
    const Entry header = classify(cp932::encode(u'[' + section + u']'));
    const Entry entry = classify(cp932::encode(key + u'=' + value));
    return header.kind == Kind::Section && header.name == section && entry.kind == Kind::Key &&
           entry.name == key && entry.value == value.trimmed();
}

void setKey(std::vector<Line>& lines, const QString& section, const QString& key, const QString& value)
{
    const Position pos = locate(lines, section, key);
    if (pos.key) {
        lines[*pos.key] = {cp932::encode(pos.keyName + u'=' + value), crlf};
        return;
    }
    const Line entry{cp932::encode(key + u'=' + value), crlf};
    if (pos.header) {
        Line& last = lines[pos.lastKey];
        if (last.end.isEmpty())
            last.end = crlf;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pos.lastKey + 1), entry);
        return;
    }
    if (!lines.empty() && lines.back().end.isEmpty())
        lines.back().end = crlf;
    lines.push_back({cp932::encode(u'[' + section + u']'), crlf});
    lines.push_back(entry);
}

} // namespace

int32_t getInt(const QString& section, const QString& key, int32_t defaultValue, const QString& file)
{
    const auto value = findValue(section, key, file);
    if (!value || value->isEmpty())
        return defaultValue;
    return leadingNumber(*value);
}

QString getString(const QString& section, const QString& key, const QString& defaultValue, int bufferChars,
                  const QString& file)
{
    if (bufferChars <= 0)
        return {};
    QString value;
    if (const auto found = findValue(section, key, file)) {
        value = *found;
    } else {
        value = defaultValue;
        while (value.endsWith(u' '))
            value.chop(1);
    }
    // The caller's buffer ends at the first NUL.
    if (const qsizetype nul = value.indexOf(QChar(0)); nul >= 0)
        value.truncate(nul);
    return cp932::cutToBytes(value, bufferChars - 1);
}

bool writeString(const QString& section, const QString& key, const QString& value, const QString& file)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (breaksStructure(sectionName, keyName, value) || !readsBack(sectionName, keyName, value))
        return false;
    try {
        std::vector<Line> lines;
        if (const auto content = readFile(file))
            lines = splitLines(*content);
        setKey(lines, sectionName, keyName, value);
        replaceFile(file, joinLines(lines));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace platform::profile
