#include "platform/Val.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using platform::Val;
using platform::ValAs;
using testsupport::errorOf;

TEST(Val, ReadsTheLeadingNumber)
{
    const struct {
        const char16_t* text;
        double expected;
    } cases[] = {
        {u"", 0},           {u"abc", 0},        {u"12abc", 12},       {u"  42", 42},
        {u"1 2 3", 123},    {u"-7", -7},        {u"+5", 5},           {u"3.25x", 3.25},
        {u"1e3", 1000},     {u"2D2", 200},      {u"1e", 1},           {u".5", 0.5},
        {u"&H1F4", 500},    {u"&h10", 16},      {u"&HFFFF", -1},      {u"&H8000", -32768},
        {u"&H10000", 65536}, {u"&HFFFFFFFF", -1}, {u"&O17", 15},       {u"&H", 0},
        {u"\t9\n", 9},      {u"1,5", 1},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QStringView(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

TEST(Val, HexBeyondThirtyTwoBitsOverflows)
{
    EXPECT_EQ(errorOf([] { Val(u"&H123456789"); }), platform::errOverflow);
}

TEST(Val, WholeNumbersRoundHalfToEvenAndCheckTheirRange)
{
    EXPECT_EQ(ValAs<int16_t>(u"2.5"), 2);
    EXPECT_EQ(ValAs<int16_t>(u"3.5"), 4);
    EXPECT_EQ(ValAs<int16_t>(u"-2.5"), -2);
    EXPECT_EQ(ValAs<uint8_t>(u"255"), 255);
    EXPECT_EQ(ValAs<int16_t>(u"&HFFFF"), -1);
    EXPECT_THROW(ValAs<uint8_t>(u"256"), platform::RuntimeError);
    EXPECT_THROW(ValAs<uint8_t>(u"-1"), platform::RuntimeError);
    EXPECT_THROW(ValAs<int16_t>(u"32767.5"), platform::RuntimeError);
    EXPECT_EQ(ValAs<int32_t>(u"&H7FFFFFFF"), 2147483647);
}

TEST(Val, IsNumericTakesOnlyAWholeTextThatIsANumber)
{
    const struct {
        const char* text;
        bool numeric;
    } cases[] = {{"12", true}, {" -3.5 ", true}, {"&H1F", true}, {"1E3", true},
                 {"", false},  {"12a", false},   {"-", false},     {".", false}, {"a", false}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::IsNumeric(QString::fromLatin1(c.text)), c.numeric) << c.text;
}
