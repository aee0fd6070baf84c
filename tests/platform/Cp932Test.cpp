#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <optional>
#include <random>
#include <set>

namespace cp932 = platform::cp932;

namespace {
// "ミシン" (three full-width katakana, two bytes each) and half-width "ｱ" (one byte).
const QString kMishin = QString::fromUtf8("ミシン");
const QString kHalfA = QString::fromUtf8("ｱ");

// Where a byte that is no character is kept: U+F780 + (byte - 0x80).
constexpr char16_t kKeptFirst = 0xF780;
constexpr char16_t kKeptLast = 0xF7FF;
QString kept(unsigned char b) { return QString(QChar(char16_t(kKeptFirst + (b - 0x80)))); }

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

// The one UTF-16 unit iconv's CP932 makes of all the given bytes, if it makes exactly one.
std::optional<char16_t> iconvCharacter(const QByteArray& bytes)
{
    static const iconv_t cd = iconv_open("UTF-16LE", "CP932");
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char16_t out[4];
    char* outPtr = reinterpret_cast<char*>(out);
    size_t room = sizeof out;
    if (iconv(cd, &in, &inLeft, &outPtr, &room) == static_cast<size_t>(-1) || inLeft != 0
        || room != sizeof out - 2)
        return std::nullopt;
    return out[0];
}

// Where a duplicate read in the form the encoder does not write is kept.
bool isDuplicate(char16_t c) { return c >= 0xF300 && c <= 0xF6FF; }

bool isReserved(char16_t c)
{
    return (c >= kKeptFirst && c <= kKeptLast) || (c >= 0xF8F0 && c <= 0xF8F3) || isDuplicate(c);
}
} // namespace

TEST(Cp932, RoundTripsJapaneseAndAscii)
{
    const QString text = QStringLiteral("AB") + kMishin + kHalfA;
    const QByteArray bytes = cp932::encode(text);
    EXPECT_EQ(bytes, QByteArray("AB\x83\x7e\x83\x56\x83\x93\xb1"));
    EXPECT_EQ(cp932::decode(bytes), text);
    EXPECT_EQ(cp932::byteLength(text), 9);
}

TEST(Cp932, UnencodableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(cp932::encode(QString::fromUtf8("a\u00e9b\U0001F600")), QByteArray("a?b?"));
}

TEST(Cp932, WindowsSingleBytesMapBothWays)
{
    const struct {
        int byte;
        char16_t unit;
    } singles[] = {{0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};
    for (const auto& s : singles) {
        SCOPED_TRACE(s.byte);
        EXPECT_EQ(cp932::decode(bytesOf({s.byte})), QString(QChar(s.unit)));
        EXPECT_EQ(cp932::encode(QString(QChar(s.unit))), bytesOf({s.byte}));
    }
}

TEST(Cp932, BytesThatAreNoCharacterAreKept)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {bytesOf({'A', 0x80, 0xFF, 'B'}), QStringLiteral("A\u0080\uF8F3B")},
        // a lead byte at the end
        {bytesOf({'A', 0x83}), QStringLiteral("A") + kept(0x83)},
        // a lead byte whose trail makes no character: the trail is read on its own
        {bytesOf({0x81, ' ', 'A'}), kept(0x81) + QStringLiteral(" A")},
        {bytesOf({0x85, 0x81, 0x40}), kept(0x85) + QString(QChar(char16_t(0x3000)))},
        {bytesOf({0xFC, 0xFC, 0xB1}), kept(0xFC) + kept(0xFC) + kHalfA},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const QString text = cp932::decode(c.bytes);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(cp932::encode(text), c.bytes);
        EXPECT_EQ(QString::fromUtf8(text.toUtf8()), text); // stays valid UTF-8 for the workbooks
    }
}

// Every one- and two-byte sequence comes back byte for byte. A character with
// two byte forms decodes to itself in the form the encoder writes, and to a
// private-use code point of its own in the other form.
TEST(Cp932, EveryByteSequenceRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray single = bytesOf({b});
        EXPECT_EQ(cp932::encode(cp932::decode(single)), single) << std::hex << b;
        if (const auto c = iconvCharacter(single)) {
            EXPECT_FALSE(isReserved(*c)) << std::hex << b;
        }
    }

    int duplicates = 0;
    std::set<int> duplicateLeads;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (int trail = 0; trail < 256; ++trail) {
            SCOPED_TRACE(testing::Message() << std::hex << lead << ' ' << trail);
            const QByteArray pair = bytesOf({lead, trail});
            const QString text = cp932::decode(pair);
            EXPECT_EQ(cp932::encode(text), pair);
            const auto c = iconvCharacter(pair);
            if (!c) {
                EXPECT_EQ(text, kept(uint8_t(lead)) + cp932::decode(bytesOf({trail})));
                continue;
            }
            EXPECT_FALSE(isReserved(*c));
            const QString character = QChar(*c);
            if (text == character)
                continue;
            // A duplicate: its character is written in the other form, which
            // decodes to the character itself.
            ++duplicates;
            duplicateLeads.insert(lead);
            EXPECT_TRUE(isDuplicate(text[0].unicode())) << std::hex << int(text[0].unicode());
            const QByteArray standard = cp932::encode(character);
            EXPECT_EQ(standard.size(), 2);
            EXPECT_NE(standard, pair);
            EXPECT_EQ(cp932::decode(standard), character);
        }
    }
    // The duplicates: NEC row 13 symbols also in JIS row 2 (0x87), IBM extensions
    // also in NEC row 13 or JIS (0xFA), and the NEC-selected IBM extensions (0xED, 0xEE).
    EXPECT_EQ(duplicates, 398);
    EXPECT_EQ(duplicateLeads, (std::set<int>{0x87, 0xED, 0xEE, 0xFA}));
}

// A stray lead byte before a duplicate used to let the duplicate be written in
// the encoder's form.
TEST(Cp932, DuplicatesComeBackInTheFormTheyWereRead)
{
    const QByteArray cases[] = {
        bytesOf({0xEE, 0xEE, 0x5B}), // a stray 0xEE, then a NEC-selected IBM kanji
        bytesOf({0xED, 0x40}),       // the same kanji as 0xFA 0x5C
        bytesOf({0x87, 0x90}),       // the NEC form of 0x81 0xE0
        bytesOf({0xFA, 0x4A}),       // the IBM form of 0x87 0x54
        bytesOf({'A', 0xEE, 0xEF, 0xFA, 0x40, 'B'}),
    };
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        EXPECT_EQ(cp932::encode(cp932::decode(bytes)), bytes);
        EXPECT_EQ(cp932::fixedField(cp932::decode(bytes), int(bytes.size()) + 1), bytes + QByteArray(1, '\0'));
        EXPECT_EQ(cp932::byteLength(cp932::decode(bytes)), bytes.size());
    }
}

// Texts a user types are written in the standard forms; a private-use code
// point of the duplicates' range that stands for no pair is no character.
TEST(Cp932, TypedTextsAreWrittenInTheStandardForms)
{
    const struct {
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {"\u7E8A", bytesOf({0xFA, 0x5C})},       // NEC-selected IBM kanji: the IBM form
        {"\u2252", bytesOf({0x81, 0xE0})},       // also in NEC row 13: the JIS form
        {"\u2160", bytesOf({0x87, 0x54})},       // Roman numeral one: the NEC form
        {"\u2170", bytesOf({0xFA, 0x40})},       // small Roman numeral one: the IBM form
        {"\uFFE2", bytesOf({0x81, 0xCA})},       // not sign: the JIS form
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(cp932::encode(QString::fromUtf8(c.text)), c.bytes);
    }
    EXPECT_EQ(cp932::encode(QString(QChar(char16_t(0xF300)))), QByteArray("?"));  // 0x87 0x00 is no pair
    EXPECT_EQ(cp932::encode(QString(QChar(char16_t(0xF640)))), QByteArray("?"));  // 0xFA 0x40 is standard
}

// Any byte string, decoded and encoded again, comes back byte for byte.
TEST(Cp932, RandomByteStringsRoundTrip)
{
    std::mt19937 random(932);
    // Mostly lead bytes and bytes of the duplicate rows, where the pairs are.
    const int favoured[] = {0x81, 0x87, 0x9F, 0xE0, 0xED, 0xEE, 0xFA, 0xFC, 0x40, 0x5B, 0x7F, 0x80, 0xA0, 0xFD};
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        const int length = int(random() % 24);
        for (int i = 0; i < length; ++i)
            bytes.append(static_cast<char>(random() % 2 ? favoured[random() % std::size(favoured)] : random() % 256));
        SCOPED_TRACE(bytes.toHex().toStdString());
        const QString text = cp932::decode(bytes);
        ASSERT_EQ(cp932::encode(text), bytes);
        ASSERT_EQ(cp932::byteLength(text), bytes.size());
    }
}

TEST(Cp932, ByteCountsAndCutsAgreeWithEncoding)
{
    const QString texts[] = {
        QStringLiteral("A") + kMishin + kHalfA,
        cp932::decode(bytesOf({0x85, 'A', 0x83, 0x7E, 0xFC})) + kMishin,
        QStringLiteral("a\u00e9\uF8F0") + kept(0x9F),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QByteArray bytes = cp932::encode(text);
        EXPECT_EQ(cp932::byteLength(text), bytes.size());
        for (int max = 0; max <= bytes.size(); ++max) {
            const QString cut = cp932::cutToBytes(text, max);
            const QByteArray cutBytes = cp932::encode(cut);
            EXPECT_TRUE(text.startsWith(cut));
            EXPECT_TRUE(bytes.startsWith(cutBytes));
            EXPECT_LE(cutBytes.size(), max);
            if (cut.size() < text.size()) { // the next character would not fit
                EXPECT_GT(cp932::byteLength(text.left(cut.size() + 1)), max);
            }
            EXPECT_EQ(cp932::fixedField(text, max), cutBytes + QByteArray(max - cutBytes.size(), '\0'));
        }
    }
}

TEST(Cp932, CutsOnlyAtCharacterBoundaries)
{
    const QString text = QStringLiteral("A") + kMishin; // 1 + 2 + 2 + 2 bytes
    EXPECT_EQ(cp932::cutToBytes(text, 7), text);
    EXPECT_EQ(cp932::cutToBytes(text, 6), QStringLiteral("A") + kMishin.left(2));
    EXPECT_EQ(cp932::cutToBytes(text, 4), QStringLiteral("A") + kMishin.left(1));
    EXPECT_EQ(cp932::cutToBytes(text, 0), QString());
}

TEST(Cp932, FixedFieldsArePaddedWithZerosAndReadUpToTheFirstZero)
{
    const QByteArray field = cp932::fixedField(QStringLiteral("A") + kMishin, 4);
    EXPECT_EQ(field, QByteArray("A\x83\x7e\0", 4)); // the second katakana would split
    EXPECT_EQ(cp932::decodeField(field), QStringLiteral("A") + kMishin.left(1));
    EXPECT_EQ(cp932::decodeField(QByteArray("ABCD")), QStringLiteral("ABCD"));
}
