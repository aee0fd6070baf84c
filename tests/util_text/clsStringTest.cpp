#include "util/string/clsString.h"

#include "TestFiles.h"
#include "TextTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSize>
#include <QTextEdit>

using Ostrel7::clsString;
using Ostrel7::ENUM_CheckKeyAscii;
using texttest::checkReported;
using testsupport::errorOf;
using texttest::expectOneReport;
using texttest::LocaleScope;

namespace {

// Key codes of the code page: a half-width katakana (single byte above 127)
// and double-byte characters (negative).
constexpr int16_t kHalfWidthA = 0xB1;                            // ｱ
constexpr int16_t kHiraganaA = static_cast<int16_t>(0x82A0);     // あ
constexpr int16_t kFullWidthSmallA = static_cast<int16_t>(0x8281); // ａ
constexpr int16_t kFullWidthCapitalA = static_cast<int16_t>(0x8260); // Ａ
constexpr int16_t kGreekSmallAlpha = static_cast<int16_t>(0x83BF);
constexpr int16_t kGreekCapitalAlpha = static_cast<int16_t>(0x839F);
constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;

ENUM_CheckKeyAscii kind(int k) { return static_cast<ENUM_CheckKeyAscii>(k); }

struct KeyCase {
    int16_t key;
    int kind;
    bool accepted;
};

class StringTest : public testing::Test {
protected:
    clsString text;
};

} // namespace

TEST_F(StringTest, KeyFiltersPerKind)
{
    const KeyCase cases[] = {
        {'7', 4, true},          {kBackspace, 4, true},  {'.', 4, false},        {'-', 4, false},
        {kHiraganaA, 4, true},   {kHalfWidthA, 4, false}, {31, 4, false},        {' ', 4, false},
        {'.', 1, true},          {'-', 1, false},        {'-', 2, true},         {'.', 2, false},
        {'-', 5, true},          {'.', 5, true},         {kEnter, 5, true},      {'a', 5, false},
        {kEnter, 3, false},      {kBackspace, 3, true},  {'-', 3, true},         {kEnter, 9, false},
        {kBackspace, 9, true},   {'A', 6, true},         {'z', 6, true},         {'1', 6, false},
        {kHalfWidthA, 6, false}, {kHiraganaA, 6, true},  {'Y', 7, true},         {'n', 7, true},
        {kBackspace, 7, false},  {'a', 7, false},        {kHiraganaA, 7, false}, {'0', 8, false},
        {'9', 8, true},          {kBackspace, 8, true},  {'7', 99, false},       {kBackspace, 99, false},
        {'7', 0, false},         {',', 1, false},        {',', 4, false},        {',', 5, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text.CheckKeyAscii(c.key, kind(c.kind)), c.accepted) << "key " << c.key << " kind " << c.kind;
}

TEST_F(StringTest, CommaIsTheDecimalMarkWhereTheLocaleSaysSo)
{
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    const KeyCase cases[] = {{',', 1, true}, {',', 5, true}, {',', 4, false}, {',', 2, false}};
    for (const auto& c : cases)
        EXPECT_EQ(text.CheckKeyAscii(c.key, kind(c.kind)), c.accepted) << "kind " << c.kind;
}

TEST_F(StringTest, CapitalsAndLetters)
{
    const struct {
        int16_t key, upper;
    } cases[] = {
        {'a', 'A'},         {'z', 'Z'},
        {'Q', 'Q'},         {'1', '1'},
        {kBackspace, kBackspace}, {kHalfWidthA, kHalfWidthA},
        {kHiraganaA, kHiraganaA}, {kFullWidthSmallA, kFullWidthCapitalA},
        {kGreekSmallAlpha, kGreekCapitalAlpha}, {0x80, 0x80}, // no character of the code page: kept, never "?"
        {0xFD, 0xFD},       {0x1234, 0x1234},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text.CvToBigASC(c.key), c.upper) << c.key;

    for (int16_t letter : std::initializer_list<int16_t>{'A', 'Z', 'a', 'z'})
        EXPECT_TRUE(text.IsABC(letter)) << letter;
    for (int16_t other : std::initializer_list<int16_t>{'@', '[', '`', '{', '5', kHiraganaA, kFullWidthSmallA})
        EXPECT_FALSE(text.IsABC(other)) << other;
}

TEST_F(StringTest, MaskSwallowsWrongKeysAndKeysBeyondTheLimit)
{
    QLineEdit box;
    const struct {
        const char* content;
        bool selectAll;
        int kind;
        int16_t key;
        int16_t after;
    } cases[] = {
        {"12345678", false, 4, '5', 0},         {"12345678", true, 4, '5', '5'},
        {"1234567", false, 4, '5', '5'},        {"1234567", false, 4, 'a', 0},
        {"12345678", true, 4, 'a', 0},          {"12345678", false, 4, ' ', ' '},
        {"12345678", false, 4, kBackspace, kBackspace}, {"12345678", false, 4, kHiraganaA, kHiraganaA},
        {"1234567", false, 99, 'a', 'a'},       {"12345678", false, 99, kHalfWidthA, 0},
    };
    for (const auto& c : cases) {
        box.setText(QString::fromLatin1(c.content));
        if (c.selectAll)
            box.selectAll();
        else
            box.deselect();
        int16_t key = c.key;
        text.Mask(&box, 8, kind(c.kind), key);
        EXPECT_EQ(key, c.after) << c.content << " key " << c.key << " kind " << c.kind;
    }
}

namespace {

// Puts the text into the control through the control's own interface, with
// the whole text selected or nothing.
void fill(QWidget* control, const QString& content, bool selectAll)
{
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(content);
        selectAll ? line->selectAll() : line->deselect();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(content);
        selectAll ? combo->lineEdit()->selectAll() : combo->lineEdit()->deselect();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->setPlainText(content);
        if (selectAll)
            plain->selectAll();
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        rich->setPlainText(content);
        if (selectAll)
            rich->selectAll();
    }
}

} // namespace

TEST_F(StringTest, MaskWorksOnEveryKindOfTextControl)
{
    QLineEdit line;
    QPlainTextEdit plain;
    QTextEdit rich;
    QComboBox combo;
    combo.setEditable(true);
    const struct {
        const char* content;
        bool selectAll;
        int16_t after;
    } cases[] = {
        {"12345678", false, 0}, {"12345678", true, '5'}, {"1234567", false, '5'}, {"", false, '5'},
    };
    for (QWidget* control : std::initializer_list<QWidget*>{&line, &plain, &rich, &combo}) {
        for (const auto& c : cases) {
            fill(control, QString::fromLatin1(c.content), c.selectAll);
            int16_t key = '5';
            text.Mask(control, 8, Ostrel7::wantNUM_nDecimal_nMinus, key);
            EXPECT_EQ(key, c.after) << control->metaObject()->className() << " '" << c.content << "'";
        }
    }
    EXPECT_TRUE(testsupport::scriptedUi().calls().empty());
}

TEST_F(StringTest, MaskCountsALineBreakOfAMultiLineBoxAsTwoCharacters)
{
    QPlainTextEdit plain;
    QTextEdit rich;
    const struct {
        const char* content;
        int16_t after;
    } cases[] = {{"123\n456", 0}, {"12\n456", '5'}};
    for (QWidget* control : std::initializer_list<QWidget*>{&plain, &rich}) {
        for (const auto& c : cases) {
            fill(control, QString::fromLatin1(c.content), false);
            int16_t key = '5';
            text.Mask(control, 8, Ostrel7::wantNUM_nDecimal_nMinus, key);
            EXPECT_EQ(key, c.after) << control->metaObject()->className() << " '" << c.content << "'";
        }
    }
}

TEST_F(StringTest, MaskOnAnObjectWithoutTextReportsAndKeepsTheKey)
{
    QObject notATextBox;
    int16_t key = '5';
    expectOneReport();
    text.Mask(&notATextBox, 8, Ostrel7::wantNUM_nDecimal_nMinus, key);
    checkReported("Mask", 438);
    EXPECT_EQ(key, '5');

    QComboBox listOnly; // a combo box that cannot be edited has no text to fill
    listOnly.addItem("12345678");
    expectOneReport();
    text.Mask(&listOnly, 8, Ostrel7::wantNUM_nDecimal_nMinus, key);
    checkReported("Mask", 438);
    EXPECT_EQ(key, '5');

    expectOneReport();
    text.Mask(nullptr, 8, Ostrel7::wantNUM_nDecimal_nMinus, key);
    checkReported("Mask", platform::errObjectNotSet);
    EXPECT_EQ(key, '5');
}

TEST_F(StringTest, BinaryAndHexadecimalTexts)
{
    const struct {
        const char* binary;
        const char* hex;
    } groups[] = {{"00011111", "1F"}, {"000111", "1"},  {"0002", ""}, {"", ""},
                  {"11111010", "FA"}, {"1010 1111", "A"}, {"0000", "0"}};
    for (const auto& g : groups)
        EXPECT_EQ(text.Convert2To16(g.binary), QString::fromLatin1(g.hex)) << g.binary;

    for (const char* hex : {"", "1a0F", "0", "FFFF", "abcdef9"})
        EXPECT_TRUE(text.IsHex(hex)) << hex;
    for (const char* notHex : {"1G", " 1", "1 ", "-1", "&H1"})
        EXPECT_FALSE(text.IsHex(notHex)) << notHex;

    const struct {
        const char* bits;
        uint8_t value;
    } bytes[] = {{"101", 5}, {"11111111", 255}, {"", 0}, {"2x1", 1}, {"000000001", 1}};
    for (const auto& b : bytes)
        EXPECT_EQ(text.ParseByteBit(b.bits), b.value) << b.bits;
    expectOneReport();
    EXPECT_EQ(text.ParseByteBit("100000000"), 0);
    checkReported("ParseByteBit", platform::errOverflow);

    const struct {
        int16_t value;
        int32_t col;
        const char* hex;
    } words[] = {{10, 4, "000A"}, {4660, 2, "1234"}, {-1, 2, "FFFF"}, {-1, 6, "00FFFF"}, {255, 0, "FF"}, {0, 1, "0"}};
    for (const auto& w : words)
        EXPECT_EQ(text.Fmt16Ex(w.value, w.col), QString::fromLatin1(w.hex)) << w.value << "," << w.col;
    EXPECT_EQ(text.Fmt16(10), QStringLiteral("0A"));
    EXPECT_EQ(text.Fmt16(0), QStringLiteral("00"));
    EXPECT_EQ(text.Fmt16(255), QStringLiteral("FF"));
}

TEST_F(StringTest, NullSafeConversions)
{
    const struct {
        QVariant value;
        int32_t number;
    } numbers[] = {
        {QVariant(), 0},           {QStringLiteral("12abc"), 12}, {QStringLiteral("2.5"), 2},
        {QStringLiteral("3.5"), 4}, {QStringLiteral("&H10"), 16},  {QStringLiteral(" 1 2"), 12},
        {QVariant(7.5), 8},        {QStringLiteral("abc"), 0},    {QStringLiteral("-1e3"), -1000},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(text.Nz(n.value), n.number) << n.value.toString().toStdString();
    expectOneReport();
    EXPECT_EQ(text.Nz(QStringLiteral("3000000000")), 0);
    checkReported("Nz", platform::errOverflow);

    EXPECT_EQ(text.Nzs(QVariant()), QString());
    EXPECT_EQ(text.Nzs(5), QStringLiteral("5"));
    EXPECT_EQ(text.Nzs(true), QStringLiteral("True"));
    EXPECT_EQ(text.Nzs(QStringLiteral(" x ")), QStringLiteral(" x "));
    expectOneReport();
    EXPECT_EQ(text.Nzs(QVariant::fromValue(QSize(1, 2))), QString());
    checkReported("Nzs", platform::errTypeMismatch);
}

TEST_F(StringTest, RemovalEverywhereInTheText)
{
    EXPECT_EQ(text.TrimTabSpace(" a\tb c \t"), QStringLiteral("abc"));
    EXPECT_EQ(text.TrimSpace(" a b "), QStringLiteral("ab"));
    EXPECT_EQ(text.TrimSpace(QString::fromUtf16(u"a\0b\tc", 5)), QStringLiteral("ab\tc"));
    EXPECT_EQ(text.TrimReturn("a\r\nb\nc\r"), QStringLiteral("abc"));
    EXPECT_EQ(text.TrimReturn(" a "), QStringLiteral(" a "));

    // The longest text the removal walks is 32766 characters.
    const QString longest(32766, u'x');
    const QString tooLong(32767, u'x');
    EXPECT_EQ(text.TrimSpace(longest), longest);
    EXPECT_EQ(text.TrimReturn(longest), longest);
    expectOneReport();
    EXPECT_EQ(text.TrimSpace(tooLong), QString());
    checkReported("TrimSpace", platform::errOverflow);
    EXPECT_EQ(errorOf([&] { text.TrimReturn(tooLong); }), platform::errOverflow);
}

TEST_F(StringTest, FixedWidths)
{
    EXPECT_EQ(text.GetLYoseStr("ABCDE", 3), QStringLiteral("ABC"));
    EXPECT_EQ(text.GetLYoseStr("ABCDE", 7), QStringLiteral("ABCDE  "));
    EXPECT_EQ(text.GetLYoseStr("ABC", 0), QString());

    const struct {
        QVariant value;
        int32_t width;
        const char* expected;
    } right[] = {{5, 3, "  5"},        {5, 1, ""},          {5, 13, ""},
                 {5, 2, " 5"},         {"ABCDE", 12, "       ABCDE"},
                 {"ABCDEFGHIJKLM", 12, "ABCDEFGHIJKLM"}, {2.5, 4, " 2.5"}};
    for (const auto& r : right)
        EXPECT_EQ(text.GetRYoseStr(r.value, r.width), QString::fromLatin1(r.expected)) << r.width;
    EXPECT_EQ(errorOf([&] { text.GetRYoseStr(QVariant(), 5); }), platform::errInvalidUseOfNull);

    EXPECT_EQ(text.GetZeroStr(3), QStringLiteral("000"));
    EXPECT_EQ(text.GetZeroStr(0), QString());
    EXPECT_EQ(text.GetZeroStr(-2), QString());
    EXPECT_EQ(text.GetZeroStr(32766).size(), 32766);
    EXPECT_EQ(errorOf([&] { text.GetZeroStr(32767); }), platform::errOverflow);
}

TEST_F(StringTest, OneDecimalNumberFormat)
{
    const struct {
        QVariant value;
        const char* expected;
    } cases[] = {
        {1234567.25, "1,234,567.3"}, {0.15, "0.2"}, {QStringLiteral("1234.5"), "1,234.5"},
        {-2.25, "-2.3"},             {0, "0.0"},    {QStringLiteral("abc"), "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text.StrFormat(c.value, 1), QString::fromLatin1(c.expected)) << c.value.toString().toStdString();
    EXPECT_EQ(text.StrFormat(1234.5, 2), QString());
    EXPECT_EQ(errorOf([&] { text.StrFormat(QVariant(), 1); }), platform::errInvalidUseOfNull);

    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(text.StrFormat(1234.5, 1), QStringLiteral("1.234,5"));
    EXPECT_EQ(text.StrFormat(QStringLiteral("1234,5"), 1), QStringLiteral("1.234,5"));
}

TEST_F(StringTest, DecimalPlacesWithinALimit)
{
    const struct {
        const char* number;
        int16_t unit;
        bool within;
    } cases[] = {{"1.25", 1, false}, {"1.25", 2, true}, {"125", 0, true}, {"1.", 0, true},
                 {".5", 0, false},   {"1.2.3", 2, false}, {"1.2.3", 3, true}};
    for (const auto& c : cases)
        EXPECT_EQ(text.CheckShosu(c.number, c.unit), c.within) << c.number << " " << c.unit;

    // A point beyond position 32767 is reported; the answer stays True.
    expectOneReport();
    EXPECT_TRUE(text.CheckShosu(QString(32767, u'1') + QStringLiteral(".123"), 1));
    checkReported("CheckShosu", platform::errOverflow);
}
