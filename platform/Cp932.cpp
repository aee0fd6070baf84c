#include "Cp932.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
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

// A byte that is no character is kept as one private-use code point.
constexpr char16_t kKeptByteBase = 0xF780;
constexpr char16_t kKeptByteLast = kKeptByteBase + 0x7F;

constexpr size_t kMaxCharBytes = 8;

// No two-byte character decodes to U+0000, so it marks a pair that is none.
constexpr char16_t kNoPair = 0;

// The single bytes the Windows code page maps outside the character set proper.
struct WindowsSingle {
    unsigned char byte;
    char16_t unit;
};
constexpr std::array<WindowsSingle, 5> kWindowsSingles{{
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
}};

// What a byte decodes to when it stands alone: ASCII, half-width katakana,
// a Windows single, or else the byte kept.
constexpr std::array<char16_t, 256> kSingles = [] {
    std::array<char16_t, 256> singles{};
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80)
            singles[b] = static_cast<char16_t>(b);
        else if (b >= 0xA1 && b <= 0xDF)
            singles[b] = static_cast<char16_t>(0xFF61 + (b - 0xA1));
        else
            singles[b] = static_cast<char16_t>(kKeptByteBase + (b - 0x80));
    }
    for (const WindowsSingle& s : kWindowsSingles)
        singles[s.byte] = s.unit;
    return singles;
}();

// The byte a Windows single or a kept byte stands for; -1 for any other unit.
int singleByteOf(char16_t unit)
{
    if (unit >= kKeptByteBase && unit <= kKeptByteLast)
        return 0x80 + (unit - kKeptByteBase);
    for (const WindowsSingle& s : kWindowsSingles)
        if (s.unit == unit)
            return s.byte;
    return -1;
}

// The rows holding the code page's duplicates in the form the encoder does
// not write: NEC row 13 (0x87), the NEC-selected IBM extensions (0xED, 0xEE)
// and the IBM extensions also in NEC row 13 or JIS (0xFA). Such a pair decodes
// to its own private-use code point U+F300 + 0x100 * row + trail, so that it
// is written back as the bytes it came from.
constexpr std::array<unsigned char, 4> kDuplicateRows{0x87, 0xED, 0xEE, 0xFA};
constexpr char16_t kDuplicateBase = 0xF300;
constexpr char16_t kDuplicateLast = kDuplicateBase + 0x100 * kDuplicateRows.size() - 1;

int duplicateRowIndex(unsigned char lead)
{
    const auto* row = std::find(kDuplicateRows.begin(), kDuplicateRows.end(), lead);
    return row == kDuplicateRows.end() ? -1 : static_cast<int>(row - kDuplicateRows.begin());
}

// Whether the encoder writes the unit as exactly the pair.
bool encodesBackTo(char16_t unit, const char (&pair)[2])
{
    char out[4];
    size_t outLen = sizeof out;
    return fromUtf16().convert(reinterpret_cast<const char*>(&unit), 2, out, outLen) && outLen == 2 &&
           out[0] == pair[0] && out[1] == pair[1];
}

// The UTF-16 unit of every two-byte character with one lead byte (kNoPair
// where the trail byte makes none, a duplicate's own code point where the
// encoder would write the character otherwise), converted once per thread the
// first time a text uses that lead byte: Japanese texts draw on few lead
// bytes, and one conversion call per character would cost more than reading
// the file.
const std::array<char16_t, 256>& rowOf(unsigned char lead)
{
    thread_local std::array<std::unique_ptr<std::array<char16_t, 256>>, 256> rows;
    auto& row = rows[lead];
    if (!row) {
        row = std::make_unique<std::array<char16_t, 256>>();
        const int duplicateRow = duplicateRowIndex(lead);
        for (int trail = 0; trail < 256; ++trail) {
            const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            char16_t out[2];
            size_t outLen = sizeof out;
            const bool ok = toUtf16().convert(in, 2, reinterpret_cast<char*>(out), outLen) && outLen == 2;
            char16_t unit = ok ? out[0] : kNoPair;
            if (ok && duplicateRow >= 0 && !encodesBackTo(unit, in))
                unit = static_cast<char16_t>(kDuplicateBase + 0x100 * duplicateRow + trail);
            (*row)[trail] = unit;
        }
    }
    return *row;
}

// The pair a duplicate's code point stands for, written to out; false for a
// code point that stands for none (then it is no character of the code page).
bool duplicatePairOf(char16_t unit, char (&out)[kMaxCharBytes])
{
    if (unit < kDuplicateBase || unit > kDuplicateLast)
        return false;
    const unsigned char lead = kDuplicateRows[(unit - kDuplicateBase) / 0x100];
    const unsigned char trail = static_cast<unsigned char>(unit & 0xFF);
    if (rowOf(lead)[trail] != unit)
        return false;
    out[0] = static_cast<char>(lead);
    out[1] = static_cast<char>(trail);
    return true;
}

// Length in UTF-16 units of the character starting at i.
qsizetype charLength(const QString& text, qsizetype i)
{
    return (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
}

// Writes the CP932 bytes of one character to out ("?" when it has none) and
// returns how many there are.
qsizetype encodeChar(const QChar* ch, qsizetype units, char (&out)[kMaxCharBytes])
{
    const char16_t c = ch[0].unicode();
    if (units == 1 && c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (const int b = units == 1 ? singleByteOf(c) : -1; b >= 0) {
        out[0] = static_cast<char>(b);
        return 1;
    }
    if (units == 1 && duplicatePairOf(c, out))
        return 2;
    size_t outLen = sizeof out;
    if (!fromUtf16().convert(reinterpret_cast<const char*>(ch), static_cast<size_t>(units) * 2, out, outLen)) {
        out[0] = '?';
        return 1;
    }
    return static_cast<qsizetype>(outLen);
}

} // namespace

QString decode(QByteArrayView bytes)
{
    // Written straight into the string's buffer: a character-by-character
    // append would dominate reading a Set file.
    QString result(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    char16_t* next = out;
    while (in < end) {
        const unsigned char b = *in++;
        if (b < 0x80) {
            *next++ = b;
            continue;
        }
        if (isLeadByte(b) && in < end) {
            const char16_t pair = rowOf(b)[*in];
            if (pair != kNoPair) {
                *next++ = pair;
                ++in;
                continue;
            }
        }
        // A lead byte without a valid trail stands alone; the byte after it
        // is decoded on its own.
        *next++ = kSingles[b];
    }
    result.truncate(next - out);
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
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.append(static_cast<char>(c));
            ++i;
            continue;
        }
        const qsizetype units = charLength(text, i);
        char bytes[kMaxCharBytes];
        out.append(bytes, encodeChar(text.constData() + i, units, bytes));
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
        char bytes[kMaxCharBytes];
        const int count = static_cast<int>(encodeChar(text.constData() + i, units, bytes));
        if (used + count > maxBytes)
            break;
        used += count;
        i += units;
    }
    return text.left(i);
}

QByteArray fixedField(const QString& text, int width)
{
    // Encoded and cut in one pass straight into the zero-filled field: ASCII
    // is copied as it stands, only other characters go through the converter.
    QByteArray field(std::max(width, 0), '\0');
    char* out = field.data();
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            if (used == width)
                break;
            out[used++] = static_cast<char>(c);
            ++i;
            continue;
        }
        const qsizetype units = charLength(text, i);
        char bytes[kMaxCharBytes];
        const int count = static_cast<int>(encodeChar(text.constData() + i, units, bytes));
        if (used + count > width)
            break;
        std::memcpy(out + used, bytes, static_cast<size_t>(count));
        used += count;
        i += units;
    }
    return field;
}

} // namespace platform::cp932
