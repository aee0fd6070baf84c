#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace cp932 = platform::cp932;

namespace {
// "ミシン" (three full-width katakana, two bytes each) and half-width "ｱ" (one byte).
const QString kMishin = QString::fromUtf8("ミシン");
const QString kHalfA = QString::fromUtf8("ｱ");
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

TEST(Cp932, InvalidBytesDecodeToReplacementAndAStrayLeadByteAtTheEnd)
{
    const QString text = cp932::decode(QByteArray("A\x83", 2));
    ASSERT_EQ(text.size(), 2);
    EXPECT_EQ(text[0], u'A');
    EXPECT_EQ(text[1], QChar(QChar::ReplacementCharacter));
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
