#include "platform/AutomationDate.h"

#include "TestFiles.h"
#include "TextTestSupport.h"
#include "platform/Clock.h"

#include <cmath>
#include <limits>

namespace oadate = platform::oadate;
using testsupport::errorOf;

namespace {

QDateTime at(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0)
{
    return QDateTime(QDate(y, m, d), QTime(hh, mm, ss));
}

} // namespace

TEST(AutomationDate, ConvertsBothWaysOnEitherSideOfDayZero)
{
    const struct {
        double serial;
        QDateTime moment;
    } cases[] = {
        {0.0, at(1899, 12, 30)},
        {2.0, at(1900, 1, 1)},
        {45419.5, at(2024, 5, 7, 12)},
        {45351.75, at(2024, 2, 29, 18)},
        {-1.25, at(1899, 12, 29, 6)}, // the fraction counts forwards before day 0 too
        {-0.5, at(1899, 12, 30, 12)},
        {-657434.0, at(100, 1, 1)},
        {2958465.0, at(9999, 12, 31)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oadate::toDateTime(c.serial), c.moment) << c.serial;
        if (c.serial != -0.5) { // -0.5 and 0.5 are the same moment; 0.5 is its usual form
            EXPECT_DOUBLE_EQ(oadate::fromDateTime(c.moment), c.serial) << c.serial;
        }
    }
    EXPECT_EQ(oadate::toTime(45419.0 + 13.0 / 24 + 2.0 / 1440 + 5.0 / 86400), QTime(13, 2, 5));
}

TEST(AutomationDate, ValuesOutsideTheRangeOverflow)
{
    for (double bad : {2958466.0, -657435.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(oadate::isValid(bad));
        EXPECT_EQ(errorOf([&] { oadate::toDate(bad); }), platform::errOverflow) << bad;
    }
    EXPECT_EQ(errorOf([] { oadate::fromDate(QDate(10000, 1, 1)); }), platform::errOverflow);
    EXPECT_EQ(errorOf([] { oadate::fromDateTime(QDateTime()); }), platform::errOverflow);
}

TEST(AutomationDate, DateSerialRollsMonthsAndDaysAndWindowsShortYears)
{
    const struct {
        int y, m, d;
        QDate expected;
    } cases[] = {
        {2024, 13, 1, QDate(2025, 1, 1)},  {2024, 0, 1, QDate(2023, 12, 1)}, {2024, 3, 0, QDate(2024, 2, 29)},
        {2023, 3, 0, QDate(2023, 2, 28)},  {2024, 2, 30, QDate(2024, 3, 1)}, {24, 2, 1, QDate(2024, 2, 1)},
        {29, 1, 1, QDate(2029, 1, 1)},     {30, 1, 1, QDate(1930, 1, 1)},   {2024, -1, 1, QDate(2023, 11, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(oadate::toDate(oadate::dateSerial(c.y, c.m, c.d)), c.expected) << c.y << "/" << c.m << "/" << c.d;
    EXPECT_EQ(errorOf([] { oadate::dateSerial(9999, 13, 1); }), platform::errOverflow);
}

TEST(AutomationDate, MovesKeepTheTimeOfDayAndClampToTheMonthEnd)
{
    const double noonJan31 = oadate::fromDateTime(at(2024, 1, 31, 12));
    EXPECT_EQ(oadate::toDateTime(oadate::addMonths(noonJan31, 1)), at(2024, 2, 29, 12));
    EXPECT_EQ(oadate::toDateTime(oadate::addMonths(oadate::fromDate(QDate(2023, 1, 31)), 1)), at(2023, 2, 28));
    EXPECT_EQ(oadate::toDateTime(oadate::addMonths(oadate::fromDate(QDate(2024, 3, 31)), -1)), at(2024, 2, 29));
    EXPECT_EQ(oadate::toDateTime(oadate::addMonths(noonJan31, -12)), at(2023, 1, 31, 12));

    // Across day 0 a plain +1.0 would turn 06:00 into 18:00.
    EXPECT_EQ(oadate::toDateTime(oadate::addDays(-1.25, 1)), at(1899, 12, 30, 6));
    EXPECT_EQ(oadate::toDateTime(oadate::addDays(-1.25, 2)), at(1899, 12, 31, 6));
    EXPECT_EQ(oadate::toDateTime(oadate::addDays(1.25, -2)), at(1899, 12, 29, 6));

    EXPECT_EQ(errorOf([] { oadate::addDays(2958465.0, 1); }), platform::errInvalidCall);
    EXPECT_EQ(errorOf([] { oadate::addMonths(-657434.0, -1); }), platform::errInvalidCall);
}

TEST(AutomationDate, SecondsBetweenCountsSecondBoundaries)
{
    const auto serial = [](const QDateTime& m) { return oadate::fromDateTime(m); };
    EXPECT_EQ(oadate::secondsBetween(serial(at(2024, 5, 7, 10)), serial(at(2024, 5, 7, 11, 2, 3))), 3723);
    EXPECT_EQ(oadate::secondsBetween(serial(at(2024, 2, 28, 23, 59, 59)), serial(at(2024, 3, 1))), 86401);
    EXPECT_EQ(oadate::secondsBetween(serial(at(2024, 5, 7, 11)), serial(at(2024, 5, 7, 10))), -3600);
    EXPECT_EQ(oadate::secondsBetween(-1.25, 0.25), 86400);
    // 10:00:00.6 to 10:00:01.2 crosses one boundary.
    const double base = serial(at(2024, 5, 7, 10));
    EXPECT_EQ(oadate::secondsBetween(base + 0.6 / 86400, base + 1.2 / 86400), 1);
}

TEST(AutomationDate, ReadsDateTextsInTheLocalesOrder)
{
    platform::setClockForTesting([] { return at(2024, 6, 1); });
    const QLocale japan(QLocale::Japanese, QLocale::Japan);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale germany(QLocale::German, QLocale::Germany);
    const struct {
        const char* text;
        QLocale locale;
        QDateTime expected; // invalid: no date
    } cases[] = {
        {"2024/02/29", japan, at(2024, 2, 29)},
        {"2024/2/30", japan, {}},
        {"2023/02/29", us, {}},
        {"2024年05月07日", japan, at(2024, 5, 7)},
        {"99/1/2", japan, at(1999, 1, 2)},
        {"5/7/2024", us, at(2024, 5, 7)},
        {"13/5/2024", us, at(2024, 5, 13)}, // no month 13: read day first
        {"7.5.2024", germany, at(2024, 5, 7)},
        {"2024-05-07 13:05:09", us, at(2024, 5, 7, 13, 5, 9)},
        {"12/25", us, at(2024, 12, 25)},
        {"2024/5", japan, at(2024, 5, 1)},
        {"Feb 29, 2024", us, at(2024, 2, 29)},
        {"7 May 2024", germany, at(2024, 5, 7)},
        {"1:05 PM", us, at(1899, 12, 30, 13, 5)},
        {"12:00 AM", us, at(1899, 12, 30, 0, 0)},
        {"25:00", us, {}},
        {"2024", us, {}},
        {"abc", us, {}},
        {"", us, {}},
        {"2024/05/07 foo", japan, {}},
    };
    for (const auto& c : cases) {
        const auto serial = oadate::parse(QString::fromUtf8(c.text), c.locale);
        if (!c.expected.isValid()) {
            EXPECT_FALSE(serial.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(serial.has_value()) << c.text;
        EXPECT_EQ(oadate::toDateTime(*serial), c.expected) << c.text;
    }
    EXPECT_EQ(errorOf([] { oadate::fromText(u"2024/02/30"); }), platform::errTypeMismatch);
}
