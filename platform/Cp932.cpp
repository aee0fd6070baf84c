#include "Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace platform::cp932 {

namespace {

// One converter per direction and thread, reused: opening iconv per field
// would dominate the cost of reading a table.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("CP932 conversion is not available");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one unit; false when the input does not convert.
    bool convert(const char* in, size_t inLen, char* out, size_t& outLen)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        char* dst = out;
        size_t left = inLen;
        size_t room = outLen;
        const size_t rc = iconv(cd_, &src, &left, &dst, &room);
        outLen -= room;
        return rc != static_cast<size_t>(-1) && left == 0;
    }

private:
    iconv_t cd_;
};

Converter& toUtf16() { thread_local Converter c("UTF-16LE", "CP932"); return c; }
Converter& fromUtf16() { thread_local Converter c("CP932", "UTF-16LE"); return c; }

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Length in UTF-16 units of the character starting at i.
qsizetype charLength(const QString& text, qsizetype i)
{
    return (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
}

// CP932 bytes of one character, "?" when it has none.
QByteArray encodeChar(const QChar* ch, qsizetype units)
{
    const QChar c = ch[0];
    if (units == 1 && c.unicode() < 0x80)
        return QByteArray(1, static_cast<char>(c.unicode()));
    char out[8];
    size_t outLen = sizeof out;
    if (!fromUtf16().convert(reinterpret_cast<const char*>(ch), units * 2, out, outLen))
        return QByteArray(1, '?');
    return QByteArray(out, static_cast<qsizetype>(outLen));
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString result;
    result.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            result.append(QChar(b));
            ++i;
            continue;
        }
        const qsizetype len = (isLeadByte(b) && i + 1 < bytes.size()) ? 2 : 1;
        char16_t out[2];
        size_t outLen = sizeof out;
        if (toUtf16().convert(bytes.data() + i, len, reinterpret_cast<char*>(out), outLen) && outLen >= 2) {
            result.append(QChar(out[0]));
        } else {
            result.append(QChar(QChar::ReplacementCharacter));
        }
        i += len;
    }
    return result;
}

QString decodeField(QByteArrayView field)
{
    const qsizetype zero = field.indexOf('\0');
    return decode(zero < 0 ? field : field.first(zero));
}

QByteArray encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype units = charLength(text, i);
        out += encodeChar(text.constData() + i, units);
        i += units;
    }
    return out;
}

int byteLength(const QString& text) { return static_cast<int>(encode(text).size()); }

QString cutToBytes(const QString& text, int maxBytes)
{
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype units = charLength(text, i);
        const int bytes = static_cast<int>(encodeChar(text.constData() + i, units).size());
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        i += units;
    }
    return text.left(i);
}

QByteArray fixedField(const QString& text, int width)
{
    QByteArray field = encode(cutToBytes(text, width));
    field.append(width - field.size(), '\0');
    return field;
}

} // namespace platform::cp932
