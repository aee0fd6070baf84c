#include "util/property/clsProperty.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"

#include <QDate>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <limits>

using Ostrel7::clsProperty;
using testsupport::errorOf;
using testsupport::scriptedUi;

namespace {

double automationDate(int year, int month, int day) { return double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))); }

} // namespace

TEST(NumberHelpers, PackUnsigned32Bit)
{
    clsProperty p;
    const struct {
        int32_t hi, lo, expected;
    } cases[] = {
        {65535, 65535, -1},
        {0, 1000, 1000},
        {32768, 0, std::numeric_limits<int32_t>::min()},
        {32767, 65535, std::numeric_limits<int32_t>::max()},
        {2, 3, 131075},
        {-1, 0, -65536},
    };
    for (const auto& c : cases)
        EXPECT_EQ(p.Create_unsigned32bit(c.hi, c.lo), c.expected) << c.hi << "," << c.lo;
    EXPECT_EQ(errorOf([&] { p.Create_unsigned32bit(-40000, 0); }), platform::errOverflow);
}

TEST(NumberHelpers, HighAndLowWordsAreTheUnsignedHalves)
{
    clsProperty p;
    const struct {
        int32_t value, hi, lo;
    } cases[] = {
        {0, 0, 0},
        {-1, 65535, 65535},
        {131072, 2, 0},
        {-65536, 65535, 0},
        {0x1234ABCD, 0x1234, 0xABCD},
        {std::numeric_limits<int32_t>::min(), 0x8000, 0},
        {int32_t(0xFFFE0005), 0xFFFE, 5}, // negative y, positive x of a packed pair
    };
    for (const auto& c : cases) {
        EXPECT_EQ(p.GetHiWord(c.value), c.hi) << c.value;
        EXPECT_EQ(p.GetLoWord(c.value), c.lo) << c.value;
    }
}

TEST(NumberHelpers, SignedConversions)
{
    clsProperty p;
    const struct {
        int32_t value, expected;
    } withSign[] = {{65535, -1}, {32767, 32767}, {32768, -32768}, {65536, 65536}, {0, 0}, {-5, -5}};
    for (const auto& c : withSign)
        EXPECT_EQ(p.CvWithSign(c.value), c.expected) << c.value;

    const struct {
        uint8_t mae, ato;
        int16_t expected;
    } twoBytes[] = {{255, 255, -1}, {0, 127, 127 * 256}, {255, 127, 32767}, {1, 0, 1}, {0, 128, -32768}, {0, 255, -256}};
    for (const auto& c : twoBytes)
        EXPECT_EQ(p.Calcul2Byte(c.mae, c.ato), c.expected) << int(c.mae) << "," << int(c.ato);
    EXPECT_TRUE(scriptedUi().calls().empty()); // 0x8000 is a value, not an error

    const struct {
        int16_t value;
        uint8_t expected;
    } signMagnitude[] = {{-5, 133}, {5, 5}, {0, 0}, {255, 255}, {-127, 255}, {-128, 128}};
    for (const auto& c : signMagnitude)
        EXPECT_EQ(p.MinusOpForBin(c.value), c.expected) << c.value;
    for (int16_t bad : {int16_t(-300), int16_t(256), std::numeric_limits<int16_t>::min()})
        EXPECT_EQ(errorOf([&] { p.MinusOpForBin(bad); }), platform::errOverflow) << bad;
}

TEST(NumberHelpers, ToMinusKeepsNegativesAndNegatesTheRest)
{
    clsProperty p;
    EXPECT_EQ(p.ToMinus(5), QVariant(-5));
    EXPECT_EQ(p.ToMinus(-5), QVariant(-5));
    EXPECT_EQ(p.ToMinus(0).toInt(), 0);
    EXPECT_EQ(p.ToMinus(2.5), QVariant(-2.5));
    EXPECT_FALSE(std::signbit(p.ToMinus(0.0).toDouble()));
    EXPECT_EQ(p.ToMinus(QStringLiteral(" 7 ")).toDouble(), -7.0);
    EXPECT_EQ(p.ToMinus(QVariant(3u)).toLongLong(), -3);
    EXPECT_EQ(p.ToMinus(QVariant()).toInt(), 0);
    EXPECT_EQ(errorOf([&] { p.ToMinus(QStringLiteral("abc")); }), platform::errTypeMismatch);
}

TEST(Pwd, OneCodePerMonthFromSeptember2003ToAugust2053)
{
    clsProperty p;
    EXPECT_EQ(p.Pwd(automationDate(2003, 8, 31) + 0.99), QString());
    EXPECT_EQ(p.Pwd(automationDate(2053, 9, 1)), QString());
    EXPECT_EQ(p.Pwd(-1.5), QString());
    EXPECT_EQ(p.Pwd(std::numeric_limits<double>::quiet_NaN()), QString());
    EXPECT_EQ(p.Pwd(1e12), QString());

    // Same month, any day and time: the same code; the next day across a month end: another.
    EXPECT_EQ(p.Pwd(automationDate(2024, 2, 1)), p.Pwd(automationDate(2024, 2, 29) + 0.75));
    EXPECT_NE(p.Pwd(automationDate(2024, 2, 29)), p.Pwd(automationDate(2024, 3, 1)));
    EXPECT_FALSE(p.Pwd(automationDate(2053, 8, 31) + 0.5).isEmpty());

    static const QRegularExpression shape(QStringLiteral("^[0-9a-z]{5,8}$"));
    QSet<QString> codes;
    for (QDate month(2003, 9, 1); month <= QDate(2053, 8, 1); month = month.addMonths(1)) {
        const QString code = p.Pwd(automationDate(month.year(), month.month(), 15));
        EXPECT_TRUE(shape.match(code).hasMatch()) << month.toString().toStdString() << " " << code.toStdString();
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), 600);
}
