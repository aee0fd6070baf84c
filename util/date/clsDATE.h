#pragma once
// Date services: date ranges (today, this, previous and next month, the widest
// range), seconds of a time of day, elapsed-time texts, dates as eight-digit
// numbers, days of a month, a checked date entry, and today's date in Japanese
// with a greeting for some days of the year.
//
// Dates are automation dates (days since 30 December 1899, the fraction being
// the time of day); today comes from the platform clock.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

namespace Ostrel7 {

class clsMethod;

enum ENUM_DATE : int32_t {
    wantToday = 1,
    wantThisMonth = 2,
    wantPrevMonth = 3,
    wantNextMonth = 4,
    wantmaxDate = 5,
};

class clsDATE {
public:
    clsDATE();
    ~clsDATE();
    clsDATE(const clsDATE&) = delete;
    clsDATE& operator=(const clsDATE&) = delete;

    // The first and last day of the range Which names; any other Which leaves both as they are.
    void GetSevralDate(ENUM_DATE Which, double& dt1, double& dt2);
    // hour * 3600 + minute * 60 + second.
    int32_t GetSecondsByTime(double timDate);
    // Seconds as "hh:mm:ss" (hours grow beyond two digits).
    QString CvtToFunByo(int32_t Keika);
    // Seconds as "<days>days hh:mm:ss" ("日" in Japan).
    QString CvtToDayFunByo(float Keika);
    // The elapsed time from Time1 to Time2 as "hh:mm:ss".
    QString GetKeika(double Time1, double Time2);
    // yyyymmdd as a number.
    int32_t CvDateToSuji(double dtDate);
    // Days of the month (28-31); 0 when year and month form no date.
    int16_t GetKongetuNissu(int16_t tYear, int16_t tMonth);
    // Today as "yyyy年mm月dd日".
    QString GetToday();
    // True for a date or a date text; anything else (but Null) warns the user.
    bool IsExactDate(const QVariant& varDate);
    // tStr, "  本日:", today and today's greeting.
    QString GetDateStr(const QString& tStr);
    // The greeting for the day of a date text, "" for most days.
    QString GetKasanStr(const QString& DateStr);
    // The last day of the date's month, at the date's time of day.
    double GetEndDate(double dtTarget);

private:
    clsMethod& method();
    std::unique_ptr<clsMethod> method_;
};

} // namespace Ostrel7
