#include "StepWordScramble.h"

#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/RuntimeError.h"


namespace Telva27::stepscramble {

namespace {

struct Mode {
    int textSize; // bytes of the text area
    int keyFrom;  // the first digit that makes the key (0-based)
};

constexpr Mode kAuthor{16, 0};
constexpr Mode kPassword{8, 4};

const Mode& modeOf(bool author) { return author ? kAuthor : kPassword; }

[[noreturn]] void overflow() { throw platform::RuntimeError(platform::errOverflow); }

int keyOf(QByteArrayView digits, int from)
{
    int key = 0;
    for (qsizetype i = from; i < digits.size(); ++i) {
        const char c = digits[i];
        if (c >= '0' && c <= '9')
            key += c - '0';
    }
    return key;
}

// value as exactly `count` decimal digits.
template <size_t N>
void putDigits(std::array<char, N>& into, size_t at, int value, size_t count)
{
    for (size_t i = count; i-- > 0; value /= 10)
        into[at + i] = static_cast<char>('0' + value % 10);
}

} // namespace

Stamp stampOf(const QDateTime& moment)
{
    Stamp stamp{};
    putDigits(stamp.author, 0, moment.time().minute(), 2);
    putDigits(stamp.author, 2, moment.time().second(), 2);
    putDigits(stamp.password, 0, moment.date().year() % 10000, 4);
    putDigits(stamp.password, 4, moment.date().month(), 2);
    putDigits(stamp.password, 6, moment.date().day(), 2);
    return stamp;
}

QByteArray encodeWord(const QString& text, bool author, const Stamp& stamp)
{
    const Mode& mode = modeOf(author);
    const QByteArrayView digits = author ? QByteArrayView(stamp.author.data(), stamp.author.size())
                                         : QByteArrayView(stamp.password.data(), stamp.password.size());
    const int key = keyOf(digits, mode.keyFrom);

    // Only what the field keeps is stored, cut where a character ends.
    QByteArray field = platform::cp932::encode(platform::cp932::cutToBytes(text, mode.textSize));
    field.reserve(mode.textSize + digits.size());
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

QByteArray encodeWord(const QString& text, bool author) { return encodeWord(text, author, stampOf(platform::now())); }

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
