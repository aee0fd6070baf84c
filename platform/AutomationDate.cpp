#include "AutomationDate.h"

#include "Clock.h"
#include "RuntimeError.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <cmath>
#include <vector>

namespace platform::oadate {

namespace {

constexpr int64_t kMsPerDay = 86'400'000;
constexpr int64_t kFirstDay = -657'434;   // 1 January 100
constexpr int64_t kLastDay = 2'958'465;   // 31 December 9999
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

bool inRange(int64_t linear) { return linear >= kFirstDay * kMsPerDay && linear < (kLastDay + 1) * kMsPerDay; }

// Milliseconds since day 0 on a straight time line, where the double's two
// directions (whole part and fraction) are made one.
int64_t linearOf(double serial)
{
    if (!isValid(serial))
        throw RuntimeError(errOverflow);
    const double whole = std::trunc(serial);
    const auto msecs = static_cast<int64_t>(std::llround(std::fabs(serial - whole) * kMsPerDay));
    const int64_t linear = static_cast<int64_t>(whole) * kMsPerDay + msecs;
    if (!inRange(linear))
        throw RuntimeError(errOverflow);
    return linear;
}

double serialOf(int64_t linear)
{
    const int64_t day = floorDiv(linear, kMsPerDay);
    const double fraction = static_cast<double>(linear - day * kMsPerDay) / kMsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

QDate dateOfLinear(int64_t linear) { return epoch().addDays(floorDiv(linear, kMsPerDay)); }

QTime timeOfLinear(int64_t linear)
{
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(linear - floorDiv(linear, kMsPerDay) * kMsPerDay));
}

int64_t linearOfFields(const QDate& date, const QTime& time)
{
    if (!date.isValid() || !time.isValid() || date.year() < kFirstYear || date.year() > kLastYear)
        throw RuntimeError(errOverflow);
    return epoch().daysTo(date) * kMsPerDay + time.msecsSinceStartOfDay();
}

// --- reading date texts -------------------------------------------------------

struct Field {
    int value;
    int digits;
};

enum class Part { Year, Month, Day };
using Order = std::array<Part, 3>;

constexpr Order kYMD{Part::Year, Part::Month, Part::Day};
constexpr Order kMDY{Part::Month, Part::Day, Part::Year};
constexpr Order kDMY{Part::Day, Part::Month, Part::Year};

// The order of year, month and day in the locale's short date format.
Order localeOrder(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype y = format.indexOf(u'y');
    const qsizetype m = format.indexOf(u'M');
    const qsizetype d = format.indexOf(u'd');
    if (y < 0 || m < 0 || d < 0)
        return kYMD;
    if (y < m && m < d)
        return kYMD;
    if (d < m)
        return kDMY;
    return kMDY;
}

int yearOf(const Field& field) { return field.digits <= 2 ? windowedYear(field.value) : field.value; }

std::optional<QDate> makeDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid() || year < kFirstYear || year > kLastYear)
        return std::nullopt;
    return date;
}

std::optional<QDate> dateInOrder(const std::vector<Field>& f, const Order& order)
{
    int year = 0, month = 0, day = 0;
    for (size_t i = 0; i < 3; ++i) {
        switch (order[i]) {
        case Part::Year: year = yearOf(f[i]); break;
        case Part::Month: month = f[i].value; break;
        case Part::Day: day = f[i].value; break;
        }
    }
    return makeDate(year, month, day);
}

int currentYear() { return now().date().year(); }

// Three numbers: a leading field of three or more digits is a year followed by
// month and day; otherwise the locale's order, then the usual others.
std::optional<QDate> threeFields(const std::vector<Field>& f, const QLocale& locale)
{
    if (f[0].digits >= 3)
        return dateInOrder(f, kYMD);
    for (const Order& order : {localeOrder(locale), kMDY, kDMY, kYMD})
        if (auto date = dateInOrder(f, order))
            return date;
    return std::nullopt;
}

// Two numbers: year and month (day 1) when one of them is plainly a year,
// else month and day of this year in the locale's order.
std::optional<QDate> twoFields(const std::vector<Field>& f, const QLocale& locale)
{
    const auto isYear = [](const Field& x) { return x.digits >= 3 || x.value > 31; };
    if (isYear(f[0]))
        return makeDate(yearOf(f[0]), f[1].value, 1);
    if (isYear(f[1]))
        return makeDate(yearOf(f[1]), f[0].value, 1);
    const bool dayFirst = localeOrder(locale) == kDMY;
    const Field& first = dayFirst ? f[1] : f[0];
    const Field& second = dayFirst ? f[0] : f[1];
    if (auto date = makeDate(currentYear(), first.value, second.value))
        return date;
    return makeDate(currentYear(), second.value, first.value);
}

std::optional<Field> numberField(const QString& token)
{
    if (token.isEmpty() || token.size() > 4)
        return std::nullopt;
    for (QChar c : token)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return Field{token.toInt(), static_cast<int>(token.size())};
}

// 1-12 for a month name (full or abbreviated) of the locale or of English.
int monthNumber(const QString& word, const QLocale& locale)
{
    for (const QLocale& names : {locale, QLocale::c()}) {
        for (int month = 1; month <= 12; ++month) {
            for (auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                if (word.compare(names.monthName(month, format), Qt::CaseInsensitive) == 0 ||
                    word.compare(names.standaloneMonthName(month, format), Qt::CaseInsensitive) == 0)
                    return month;
            }
        }
    }
    return 0;
}

std::optional<QDate> withMonthName(const QStringList& tokens, const QLocale& locale)
{
    int month = 0;
    std::vector<Field> numbers;
    for (const QString& token : tokens) {
        if (auto field = numberField(token)) {
            numbers.push_back(*field);
        } else {
            if (month != 0 || (month = monthNumber(token, locale)) == 0)
                return std::nullopt;
        }
    }
    const auto isYear = [](const Field& x) { return x.digits >= 3 || x.value > 31; };
    if (numbers.size() == 1)
        return isYear(numbers[0]) ? makeDate(yearOf(numbers[0]), month, 1)
                                  : makeDate(currentYear(), month, numbers[0].value);
    if (numbers.size() == 2) {
        const bool yearFirst = isYear(numbers[0]);
        return makeDate(yearOf(numbers[yearFirst ? 0 : 1]), month, numbers[yearFirst ? 1 : 0].value);
    }
    return std::nullopt;
}

std::optional<QDate> parseDatePart(QString text, const QLocale& locale)
{
    // The Japanese marks are separators like "/"; the closing day mark ends the date.
    text.replace(QString::fromUtf8("年"), QStringLiteral("/")).replace(QString::fromUtf8("月"), QStringLiteral("/"));
    if (text.endsWith(QString::fromUtf8("日")))
        text.chop(1);
    static const QRegularExpression separators(QStringLiteral("[\\s,./-]+"));
    const QStringList tokens = text.trimmed().split(separators, Qt::SkipEmptyParts);
    bool allNumbers = true;
    std::vector<Field> fields;
    for (const QString& token : tokens) {
        if (auto field = numberField(token))
            fields.push_back(*field);
        else
            allNumbers = false;
    }
    if (!allNumbers)
        return withMonthName(tokens, locale);
    if (fields.size() == 3)
        return threeFields(fields, locale);
    if (fields.size() == 2)
        return twoFields(fields, locale);
    return std::nullopt;
}

// Finds a time of day in the text, takes it out, and answers it; a text with
// no time answers midnight, one with a time that does not exist answers nothing.
std::optional<QTime> takeTime(QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("(?<!\\d)(午前|午後)?\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?(?!\\d)"
                       "\\s*(AM|PM|A|P)?(?![A-Za-z])"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return QTime(0, 0);
    int hour = match.captured(2).toInt();
    const int minute = match.captured(3).toInt();
    const int second = match.captured(4).isEmpty() ? 0 : match.captured(4).toInt();
    const QString marker = match.captured(5).toUpper() + match.captured(1);
    const bool pm = marker.startsWith(u'P') || marker == QString::fromUtf8("午後");
    const bool am = marker.startsWith(u'A') || marker == QString::fromUtf8("午前");
    if (pm || am) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = (hour % 12) + (pm ? 12 : 0);
    }
    text.remove(match.capturedStart(), match.capturedLength());
    const QTime time(hour, minute, second);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

} // namespace

QDate epoch() { return QDate(1899, 12, 30); }

bool isValid(double serial)
{
    return std::isfinite(serial) && serial > static_cast<double>(kFirstDay - 1) &&
           serial < static_cast<double>(kLastDay + 1);
}

QDate toDate(double serial) { return dateOfLinear(linearOf(serial)); }

QTime toTime(double serial) { return timeOfLinear(linearOf(serial)); }

QDateTime toDateTime(double serial)
{
    const int64_t linear = linearOf(serial);
    return QDateTime(dateOfLinear(linear), timeOfLinear(linear));
}

double fromDate(const QDate& date, const QTime& time) { return serialOf(linearOfFields(date, time)); }

double fromDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        throw RuntimeError(errOverflow);
    return fromDate(moment.date(), moment.time());
}

int windowedYear(int year)
{
    if (year >= 0 && year <= 29)
        return 2000 + year;
    if (year >= 30 && year <= 99)
        return 1900 + year;
    return year;
}

double dateSerial(int year, int month, int day)
{
    const int64_t months = int64_t{windowedYear(year)} * 12 + (int64_t{month} - 1);
    const int64_t y = floorDiv(months, 12);
    if (y < kFirstYear - 1 || y > kLastYear + 1)
        throw RuntimeError(errOverflow);
    const QDate first(static_cast<int>(y), static_cast<int>(months - y * 12) + 1, 1);
    return fromDate(first.addDays(int64_t{day} - 1));
}

double addDays(double serial, int64_t days)
{
    const int64_t linear = linearOf(serial);
    if (days > kLastDay - kFirstDay || days < kFirstDay - kLastDay || !inRange(linear + days * kMsPerDay))
        throw RuntimeError(errInvalidCall);
    return serialOf(linear + days * kMsPerDay);
}

double addMonths(double serial, int months)
{
    const int64_t linear = linearOf(serial);
    const QDate moved = dateOfLinear(linear).addMonths(months);
    if (!moved.isValid() || moved.year() < kFirstYear || moved.year() > kLastYear)
        throw RuntimeError(errInvalidCall);
    return serialOf(linearOfFields(moved, timeOfLinear(linear)));
}

int64_t secondsBetween(double from, double to)
{
    return floorDiv(linearOf(to), 1000) - floorDiv(linearOf(from), 1000);
}

std::optional<double> parse(QStringView text, const QLocale& locale)
{
    QString rest = text.trimmed().toString();
    if (rest.isEmpty())
        return std::nullopt;
    const std::optional<QTime> time = takeTime(rest);
    if (!time)
        return std::nullopt;
    rest = rest.trimmed();
    const std::optional<QDate> date = rest.isEmpty() ? std::optional<QDate>(epoch()) : parseDatePart(rest, locale);
    if (!date)
        return std::nullopt;
    return fromDate(*date, *time);
}

double fromText(QStringView text, const QLocale& locale)
{
    if (const auto serial = parse(text, locale))
        return *serial;
    throw RuntimeError(errTypeMismatch);
}

} // namespace platform::oadate
