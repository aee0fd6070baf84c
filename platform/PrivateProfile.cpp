#include "PrivateProfile.h"

#include "AtomicFile.h"
#include "Cp932.h"
#include "IniLines.h"
#include "RegularFile.h"
#include "RuntimeError.h"
#include "Val.h"

#include <exception>
#include <optional>
#include <vector>

namespace platform::profile {

namespace {

QString decodeCp932(const QByteArray& bytes) { return cp932::decode(bytes); }
QByteArray encodeCp932(const QString& text) { return cp932::encode(text); }

const ini::Codec codec{decodeCp932, encodeCp932};

ini::Entry classify(const QByteArray& raw) { return ini::classify(cp932::decode(raw)); }

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
    const auto content = readWholeFileIfAny(file, maxFileSize);
    if (!content)
        return std::nullopt;
    const ini::Position pos = ini::locate(ini::splitLines(*content), section.trimmed(), keyName, codec);
    if (!pos.key)
        return std::nullopt;
    return unquote(pos.value);
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
    const ini::Entry header = classify(cp932::encode(u'[' + section + u']'));
    const ini::Entry entry = classify(cp932::encode(key + u'=' + value));
    return header.kind == ini::Kind::Section && header.name == section && entry.kind == ini::Kind::Key &&
           entry.name == key && entry.value == value.trimmed();
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
        std::vector<ini::Line> lines;
        if (const auto content = readWholeFileIfAny(file, maxFileSize))
            lines = ini::splitLines(*content);
        ini::setKey(lines, sectionName, keyName, value, codec);
        replaceFile(file, ini::joinLines(lines));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace platform::profile
