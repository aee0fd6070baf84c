#include "StepWordScramble.h"

#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/RuntimeError.h"

#include <QLocale>

namespace Telva27::stepscramble {

namespace {

struct Mode {
    int textSize;       // bytes of the text area
    const char* stamp;  // the clock digits behind it
    int keyFrom;        // the first digit that makes the key (0-based)
};

constexpr Mode kAuthor{16, "mmss", 0};
constexpr Mode kPassword{8, "yyyyMMdd", 4};

const Mode& modeOf(bool author) { return author ? kAuthor : kPassword; }

[[noreturn]] void overflow() { throw platform::RuntimeError(platform::errOverflow); }

int keyOf(const QByteArray& digits, int from)
{
    int key = 0;
    for (qsizetype i = from; i < digits.size(); ++i) {
        const char c = digits[i];
        if (c >= '0' && c <= '9')
            key += c - '0';
    }
    return key;
}

} // namespace

QByteArray encodeWord(const QString& text, bool author)
{
    const Mode& mode = modeOf(author);
    const QByteArray digits = QLocale::c().toString(platform::now(), QString::fromLatin1(mode.stamp)).toLatin1();
    const int key = keyOf(digits, mode.keyFrom);

    // Only what the field keeps is stored, cut where a character ends.
    QByteArray field = platform::cp932::encode(platform::cp932::cutToBytes(text, mode.textSize));
    for (char& b : field) {
        const int c = static_cast<uint8_t>(b);
        if (c > 242 || 242 - c + key > 255)
            overflow();
        b = static_cast<char>(242 - c + key);
    }
    field.append(mode.textSize - field.size(), '\0');
    for (const char d : digits)
        field.append(static_cast<char>(245 - static_cast<uint8_t>(d)));
    return field;
}

QString decodeWord(const QByteArray& field, bool author)
{
    const Mode& mode = modeOf(author);
    QByteArray digits;
    for (qsizetype i = mode.textSize; i < field.size(); ++i) {
        const int b = static_cast<uint8_t>(field[i]);
        if (b > 245)
            overflow();
        digits.append(static_cast<char>(245 - b));
    }
    const int key = keyOf(digits, mode.keyFrom);

    QByteArray bytes;
    for (qsizetype i = 0; i < mode.textSize && i < field.size(); ++i) {
        const int b = static_cast<uint8_t>(field[i]);
        if (b == 0)
            break;
        if (b < key || b - key > 242)
            overflow();
        bytes.append(static_cast<char>(242 - (b - key)));
    }
    return platform::cp932::decode(bytes);
}

} // namespace Telva27::stepscramble
