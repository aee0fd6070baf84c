#include "SettingsFormat.h"

#include "Val.h"

namespace platform::settings {

namespace {

bool isPlainNameChar(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
           c == u'-' || c == u'.';
}

QString hex(uint value, int digits) { return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper(); }

bool isHexDigit(char16_t c) { return digitValue(QChar(c)) >= 0; }

// The character a backslash escape stands for; i is at the character after the backslash
// and is left after the escape.
char16_t unescaped(const QString& text, qsizetype& i)
{
    const char16_t c = text[i++].unicode();
    switch (c) {
    case u'a': return u'\a';
    case u'b': return u'\b';
    case u'f': return u'\f';
    case u'n': return u'\n';
    case u'r': return u'\r';
    case u't': return u'\t';
    case u'v': return u'\v';
    case u'x': {
        uint value = 0;
        while (i < text.size() && isHexDigit(text[i].unicode()))
            value = (value * 16 + static_cast<uint>(digitValue(text[i++]))) & 0xFFFF;
        return static_cast<char16_t>(value);
    }
    default:
        if (c >= u'0' && c <= u'7') {
            uint value = c - u'0';
            for (int n = 0; n < 2 && i < text.size() && text[i] >= u'0' && text[i] <= u'7'; ++n)
                value = value * 8 + (text[i++].unicode() - u'0');
            return static_cast<char16_t>(value);
        }
        return c; // \" \' \\ \? and any other character stand for themselves
    }
}

} // namespace

QString escapedKey(const QString& key)
{
    QString result;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/')
            result += u'\\';
        else if (isPlainNameChar(c))
            result += qc;
        else if (c <= 0xFF)
            result += u'%' + hex(c, 2);
        else
            result += QStringLiteral("%U") + hex(c, 4);
    }
    return result;
}

QString escapedSection(const QString& section)
{
    // "[General]" holds the values outside any section.
    if (section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return u'%' + section;
    return escapedKey(section);
}

QString escapedValue(const QString& value)
{
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QString result;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=')
            needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(c)) {
            result += QStringLiteral("\\x") + QString::number(c, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
        case u'\0': result += QStringLiteral("\\0"); escapeNextIfDigit = true; break;
        case u'\a': result += QStringLiteral("\\a"); break;
        case u'\b': result += QStringLiteral("\\b"); break;
        case u'\f': result += QStringLiteral("\\f"); break;
        case u'\n': result += QStringLiteral("\\n"); break;
        case u'\r': result += QStringLiteral("\\r"); break;
        case u'\t': result += QStringLiteral("\\t"); break;
        case u'\v': result += QStringLiteral("\\v"); break;
        case u'"':
        case u'\\': result += u'\\'; result += qc; break;
        default:
            if (c <= 0x1F) {
                result += QStringLiteral("\\x") + QString::number(c, 16);
                escapeNextIfDigit = true;
            } else {
                result += qc;
            }
        }
    }
    if (needsQuotes || result.startsWith(u' ') || result.endsWith(u' '))
        return u'"' + result + u'"';
    return result;
}

QString unescapedValue(const QString& stored)
{
    // Quotes only keep what they wrap together; they are not part of the text.
    QString result;
    for (qsizetype i = 0; i < stored.size();) {
        const QChar qc = stored[i];
        if (qc == u'"') {
            ++i;
        } else if (qc == u'\\' && i + 1 < stored.size()) {
            ++i;
            result += QChar(unescaped(stored, i));
        } else {
            result += qc;
            ++i;
        }
    }
    if (result.startsWith(QLatin1String("@@")))
        return result.mid(1);
    if (result == QLatin1String("@Invalid()"))
        return {};
    return result;
}

} // namespace platform::settings
