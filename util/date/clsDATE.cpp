#include "clsDATE.h"

#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/need/xNEED.h"
#include "platform/AutomationDate.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "platform/Val.h"

#include <QDate>

namespace Ostrel7 {

namespace oadate = platform::oadate;

namespace {

bool isNull(const QVariant& value) { return !value.isValid() || value.isNull(); }

// "0#": at least two digits, a minus sign in front of negative values.
QString twoDigits(int32_t value)
{
    const int64_t magnitude = value < 0 ? -int64_t{value} : int64_t{value};
    const QString digits = QStringLiteral("%1").arg(magnitude, 2, 10, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString clockText(int32_t hours, int32_t minutes, int32_t seconds)
{
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds);
}

double today() { return oadate::fromDate(platform::now().date()); }

double firstOfMonth(double date)
{
    const QDate day = oadate::toDate(date);
    return oadate::dateSerial(day.year(), day.month(), 1);
}

double lastOfMonth(double date)
{
    const QDate day = oadate::toDate(date);
    return oadate::addDays(date, day.daysInMonth() - day.day());
}

struct Greeting {
    int month;
    int firstDay;
    int lastDay;
    const char* text;
};

// The days that get a greeting after today's date; the first matching row wins.
const Greeting kGreetings[] = {
    {1, 1, 7, "  あけましておめでとうございます"},
    {1, 9, 10, "  正月気分も抜けてきました。がんばりましょう。"},
    {7, 7, 7, "  今日は七夕です"},
    {7, 14, 14, "  今日は革命記念日です"},
    {12, 23, 23, "  メリークリスマス！"},
};

bool isDateValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate: return value.toDate().isValid();
    case QMetaType::QDateTime: return value.toDateTime().isValid();
    case QMetaType::QString: return oadate::parse(value.toString()).has_value();
    default: return false;
    }
}

void warnNotADate()
{
    const bool japan = xNEED::IsJapan();
    const QString text = japan ? QString::fromUtf8("日付の入力が間違っています！") : QStringLiteral("Date is not correct!");
    const QString title = japan ? QString::fromUtf8("入力エラー") : QStringLiteral("ERROR");
    platform::ui().messageBox(text, platform::vbExclamation | platform::vbOKOnly, title);
}

} // namespace

clsDATE::clsDATE() = default;
clsDATE::~clsDATE() = default;

clsMethod& clsDATE::method()
{
    if (!method_)
        method_ = std::make_unique<clsMethod>();
    return *method_;
}

void clsDATE::GetSevralDate(ENUM_DATE Which, double& dt1, double& dt2)
{
    trapped(method(), QStringLiteral("GetSevralDate"), [&] {
        double first = dt1;
        double last = dt2;
        switch (static_cast<int32_t>(Which)) {
        case wantToday: first = last = today(); break;
        case wantThisMonth:
            first = firstOfMonth(today());
            last = lastOfMonth(today());
            break;
        case wantPrevMonth:
        case wantNextMonth:
            first = firstOfMonth(oadate::addMonths(today(), Which == wantPrevMonth ? -1 : 1));
            last = lastOfMonth(first);
            break;
        case wantmaxDate:
            first = oadate::fromDate(QDate(1900, 1, 1));
            last = oadate::fromDate(QDate(2999, 1, 1));
            break;
        default: return;
        }
        dt1 = first;
        dt2 = last;
    });
}

int32_t clsDATE::GetSecondsByTime(double timDate)
{
    return trapped(method(), QStringLiteral(" GetSecondsByTime"), [&] {
        const QTime time = oadate::toTime(timDate);
        return int32_t{time.hour() * 3600 + time.minute() * 60 + time.second()};
    });
}

QString clsDATE::CvtToFunByo(int32_t Keika)
{
    return trapped(method(), QStringLiteral("CvtToFunByo"),
                   [&] { return clockText(Keika / 3600, (Keika % 3600) / 60, Keika % 60); });
}

QString clsDATE::CvtToDayFunByo(float Keika)
{
    // Reported under the label of the clock text it shares.
    return trapped(method(), QStringLiteral("CvtToFunByo"), [&] {
        const auto seconds = platform::toWhole<int32_t>(Keika);
        const QString dayWord = xNEED::IsJapan() ? QString::fromUtf8("日") : QStringLiteral("days");
        return QString::number(seconds / 86400) + dayWord + QLatin1Char(' ') +
               clockText((seconds % 86400) / 3600, (seconds % 3600) / 60, (seconds % 3600) % 60);
    });
}

QString clsDATE::GetKeika(double Time1, double Time2)
{
    // Counted exactly in whole seconds: a single-precision detour would lose
    // seconds once the difference passes about 194 days.
    return trapped(method(), QStringLiteral("GetKeika"), [&] {
        const int64_t seconds = oadate::secondsBetween(Time1, Time2);
        return CvtToFunByo(platform::toWhole<int32_t>(static_cast<double>(seconds)));
    });
}

int32_t clsDATE::CvDateToSuji(double dtDate)
{
    return trapped(method(), QStringLiteral("CvDateToSuji"), [&] {
        const QDate date = oadate::toDate(dtDate);
        return int32_t{date.year() * 10000 + date.month() * 100 + date.day()};
    });
}

int16_t clsDATE::GetKongetuNissu(int16_t tYear, int16_t tMonth)
{
    // The text "year/month/1" read as a date: two-digit years are windowed, and
    // a month outside 1-12 or a year outside the date range is no date (0, no report).
    try {
        if (tMonth < 1 || tMonth > 12 || tYear < 0)
            return 0;
        return static_cast<int16_t>(oadate::toDate(oadate::dateSerial(tYear, tMonth, 1)).daysInMonth());
    } catch (...) {
        return 0;
    }
}

QString clsDATE::GetToday()
{
    const QDate date = platform::now().date();
    const auto twoPlaces = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QString::number(date.year()) + QString::fromUtf8("年") + twoPlaces(date.month()) + QString::fromUtf8("月") +
           twoPlaces(date.day()) + QString::fromUtf8("日");
}

bool clsDATE::IsExactDate(const QVariant& varDate)
{
    return trapped(method(), QStringLiteral("IsExactDate"), [&] {
        if (isNull(varDate))
            return false;
        if (isDateValue(varDate))
            return true;
        warnNotADate();
        return false;
    });
}

QString clsDATE::GetDateStr(const QString& tStr)
{
    return trapped(method(), QStringLiteral("GetDateStr"), [&] {
        const QString todayText = GetToday();
        return tStr + QString::fromUtf8("  本日:") + todayText + GetKasanStr(todayText);
    });
}

QString clsDATE::GetKasanStr(const QString& DateStr)
{
    return trapped(method(), QStringLiteral("GetKasanStr"), [&] {
        const QDate date = oadate::toDate(oadate::fromText(DateStr));
        for (const Greeting& g : kGreetings)
            if (date.month() == g.month && date.day() >= g.firstDay && date.day() <= g.lastDay)
                return QString::fromUtf8(g.text);
        return QString();
    });
}

double clsDATE::GetEndDate(double dtTarget)
{
    return trapped(method(), QStringLiteral("GetEndDate"), [&] { return lastOfMonth(dtTarget); });
}

} // namespace Ostrel7
