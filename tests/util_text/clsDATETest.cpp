#include "util/date/clsDATE.h"

#include "TextTestSupport.h"
#include "platform/AutomationDate.h"
#include "platform/Clock.h"

#include <cmath>

using Ostrel7::clsDATE;
using testsupport::scriptedUi;
using testsupport::UiCall;
using texttest::checkReported;
using texttest::expectOneReport;
namespace oadate = platform::oadate;

namespace {

double serial(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0)
{
    return oadate::fromDate(QDate(y, m, d), QTime(hh, mm, ss));
}

class DateTest : public testing::Test {
protected:
    void SetUp() override { platform::setCountryForTesting([] { return QStringLiteral("United States"); }); }
    void setToday(int y, int m, int d, int hh = 0, int mm = 0)
    {
        platform::setClockForTesting([=] { return QDateTime(QDate(y, m, d), QTime(hh, mm)); });
    }
    void setJapan() { platform::setCountryForTesting([] { return QStringLiteral("Japan"); }); }
    clsDATE date;
};

} // namespace

TEST_F(DateTest, RangesOfMonthsAroundTodayCrossMonthAndYearEnds)
{
    const struct {
        QDate today;
        Ostrel7::ENUM_DATE which;
        double first, last;
    } cases[] = {
        {QDate(2024, 5, 7), Ostrel7::wantToday, serial(2024, 5, 7), serial(2024, 5, 7)},
        {QDate(2024, 2, 15), Ostrel7::wantThisMonth, serial(2024, 2, 1), serial(2024, 2, 29)},
        {QDate(2024, 3, 31), Ostrel7::wantPrevMonth, serial(2024, 2, 1), serial(2024, 2, 29)},
        {QDate(2023, 1, 31), Ostrel7::wantNextMonth, serial(2023, 2, 1), serial(2023, 2, 28)},
        {QDate(2024, 12, 15), Ostrel7::wantNextMonth, serial(2025, 1, 1), serial(2025, 1, 31)},
        {QDate(2025, 1, 10), Ostrel7::wantPrevMonth, serial(2024, 12, 1), serial(2024, 12, 31)},
        {QDate(2024, 5, 7), Ostrel7::wantmaxDate, serial(1900, 1, 1), serial(2999, 1, 1)},
    };
    for (const auto& c : cases) {
        setToday(c.today.year(), c.today.month(), c.today.day(), 15, 30); // the time of day is dropped
        double dt1 = -1, dt2 = -1;
        date.GetSevralDate(c.which, dt1, dt2);
        EXPECT_DOUBLE_EQ(dt1, c.first) << c.today.toString().toStdString() << " kind " << c.which;
        EXPECT_DOUBLE_EQ(dt2, c.last) << c.today.toString().toStdString() << " kind " << c.which;
    }
    double dt1 = 7, dt2 = 8;
    date.GetSevralDate(static_cast<Ostrel7::ENUM_DATE>(6), dt1, dt2);
    EXPECT_EQ(dt1, 7);
    EXPECT_EQ(dt2, 8);
}

TEST_F(DateTest, EndDateKeepsTheTimeOfDay)
{
    EXPECT_EQ(oadate::toDateTime(date.GetEndDate(serial(2023, 2, 10, 13))),
              QDateTime(QDate(2023, 2, 28), QTime(13, 0)));
    EXPECT_DOUBLE_EQ(date.GetEndDate(serial(2024, 12, 31)), serial(2024, 12, 31));
    // The last month of the range and a month across day 0 work too.
    EXPECT_DOUBLE_EQ(date.GetEndDate(serial(9999, 12, 15)), serial(9999, 12, 31));
    EXPECT_EQ(oadate::toDateTime(date.GetEndDate(serial(1899, 12, 10, 6))),
              QDateTime(QDate(1899, 12, 31), QTime(6, 0)));

    expectOneReport();
    EXPECT_EQ(date.GetEndDate(std::nan("")), 0.0);
    checkReported("GetEndDate", platform::errOverflow);
}

TEST_F(DateTest, SecondsAndClockTexts)
{
    EXPECT_EQ(date.GetSecondsByTime(serial(2024, 5, 7, 13, 2, 5)), 46925);
    EXPECT_EQ(date.GetSecondsByTime(serial(1899, 12, 30, 23, 59, 59)), 86399);

    const struct {
        int32_t seconds;
        const char* clock;
    } clocks[] = {{59, "00:00:59"}, {3725, "01:02:05"}, {360000, "100:00:00"}, {0, "00:00:00"}};
    for (const auto& c : clocks)
        EXPECT_EQ(date.CvtToFunByo(c.seconds), QString::fromLatin1(c.clock)) << c.seconds;

    EXPECT_EQ(date.CvtToDayFunByo(59), QStringLiteral("0days 00:00:59"));
    EXPECT_EQ(date.CvtToDayFunByo(90061), QStringLiteral("1days 01:01:01"));
    EXPECT_EQ(date.CvtToDayFunByo(2.5f), QStringLiteral("0days 00:00:02")); // halves to even
    EXPECT_EQ(date.CvtToDayFunByo(3.5f), QStringLiteral("0days 00:00:04"));
    setJapan();
    EXPECT_EQ(date.CvtToDayFunByo(176461), QString::fromUtf8("2日 01:01:01"));
}

TEST_F(DateTest, ElapsedTimeIsExactBeyondSinglePrecision)
{
    EXPECT_EQ(date.GetKeika(serial(2024, 5, 7, 23, 30), serial(2024, 5, 8, 0, 45, 1)), QStringLiteral("01:15:01"));
    // 200 days and one second: 17280001 seconds is no single-precision number.
    EXPECT_EQ(date.GetKeika(serial(2024, 1, 1), serial(2024, 1, 1) + 200 + 1.0 / 86400), QStringLiteral("4800:00:01"));
}

TEST_F(DateTest, OverflowsAreReportedUnderTheirLabels)
{
    const double bad = 3e6; // beyond 31 December 9999
    expectOneReport();
    EXPECT_EQ(date.GetSecondsByTime(bad), 0);
    checkReported(" GetSecondsByTime", platform::errOverflow);

    expectOneReport();
    EXPECT_EQ(date.CvDateToSuji(bad), 0);
    checkReported("CvDateToSuji", platform::errOverflow);

    expectOneReport();
    EXPECT_EQ(date.CvtToDayFunByo(3e9f), QString());
    checkReported("CvtToFunByo", platform::errOverflow);

    expectOneReport(); // 8100 years of seconds do not fit in 32 bits
    EXPECT_EQ(date.GetKeika(serial(1900, 1, 1), serial(9999, 1, 1)), QString());
    checkReported("GetKeika", platform::errOverflow);
}

TEST_F(DateTest, EightDigitDatesAndDaysOfMonths)
{
    EXPECT_EQ(date.CvDateToSuji(serial(2024, 5, 7, 18)), 20240507);
    EXPECT_EQ(date.CvDateToSuji(serial(100, 1, 1)), 1000101);

    const struct {
        int16_t year, month, days;
    } months[] = {{2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29}, {2024, 4, 30}, {2024, 12, 31},
                  {9999, 12, 31}, {24, 2, 29}, {2023, 13, 0}, {2023, 0, 0}, {-1, 5, 0}, {10000, 1, 0}};
    for (const auto& m : months)
        EXPECT_EQ(date.GetKongetuNissu(m.year, m.month), m.days) << m.year << "/" << m.month;
    EXPECT_TRUE(scriptedUi().calls().empty()); // failures are silent
}

TEST_F(DateTest, TodayInJapaneseWithTheGreetingOfTheDay)
{
    setToday(2024, 5, 7);
    EXPECT_EQ(date.GetToday(), QString::fromUtf8("2024年05月07日"));
    EXPECT_EQ(date.GetDateStr("Ver1.0"), QString::fromUtf8("Ver1.0  本日:2024年05月07日"));
    setToday(2024, 12, 23);
    EXPECT_EQ(date.GetDateStr(""), QString::fromUtf8("  本日:2024年12月23日  メリークリスマス！"));

    const QString newYear = QString::fromUtf8("  あけましておめでとうございます");
    const QString afterNewYear = QString::fromUtf8("  正月気分も抜けてきました。がんばりましょう。");
    const struct {
        const char* text;
        QString greeting;
    } days[] = {
        {"2024/1/1", newYear},
        {"2024/01/07", newYear},
        {"2024/1/8", ""},
        {"2024年01月09日", afterNewYear},
        {"2024/1/10", afterNewYear},
        {"2024/1/11", ""},
        {"2024/7/7", QString::fromUtf8("  今日は七夕です")},
        {"2024/7/14", QString::fromUtf8("  今日は革命記念日です")},
        {"2024/12/23", QString::fromUtf8("  メリークリスマス！")},
        {"2024/12/24", ""},
    };
    for (const auto& d : days)
        EXPECT_EQ(date.GetKasanStr(QString::fromUtf8(d.text)), d.greeting) << d.text;

    expectOneReport();
    EXPECT_EQ(date.GetKasanStr("someday"), QString());
    checkReported("GetKasanStr", platform::errTypeMismatch);
}

TEST_F(DateTest, IsExactDateWarnsInTheSystemsLanguage)
{
    EXPECT_FALSE(date.IsExactDate(QVariant()));
    EXPECT_TRUE(date.IsExactDate(QStringLiteral("2024/02/29")));
    EXPECT_TRUE(date.IsExactDate(QDate(2024, 2, 29)));
    EXPECT_TRUE(scriptedUi().calls().empty());

    const struct {
        bool japan;
        const char* title;
        const char* text;
    } languages[] = {{false, "ERROR", "Date is not correct!"}, {true, "入力エラー", "日付の入力が間違っています！"}};
    for (const auto& l : languages) {
        if (l.japan)
            setJapan();
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(date.IsExactDate(QStringLiteral("2024/02/30")));
        const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, QString::fromUtf8(l.title));
        EXPECT_EQ(boxes[0].text, QString::fromUtf8(l.text));
        EXPECT_EQ(boxes[0].style, platform::vbExclamation | platform::vbOKOnly);
        scriptedUi().clearCalls();
    }
}
