#pragma once
// Dates as the design stores them: automation dates, a double counting days
// since 30 December 1899 whose fraction is the time of day. Before that day the
// whole part counts days backwards while the fraction still counts forwards
// (-1.25 is 29 December 1899 06:00), so plain arithmetic on the double is only
// safe on one side of day 0; the helpers below work on calendar fields instead.
// Valid dates run from 1 January 100 to 31 December 9999 23:59:59.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QStringView>
#include <QTime>
#include <cstdint>
#include <optional>

namespace platform::oadate {

// Day 0 of the count.
QDate epoch();

// True for a finite value inside the valid range.
bool isValid(double serial);

// The calendar day and the time of day (rounded to the millisecond) of a date.
// Throw RuntimeError(Overflow) for a value outside the valid range.
QDate toDate(double serial);
QTime toTime(double serial);
// The same wall-clock moment as a local QDateTime.
QDateTime toDateTime(double serial);

// The automation date of a wall-clock moment (its time zone is ignored).
// Throw RuntimeError(Overflow) for an invalid moment or one outside the range.
double fromDate(const QDate& date, const QTime& time = QTime(0, 0));
double fromDateTime(const QDateTime& moment);

// Years 0-29 stand for 2000-2029 and 30-99 for 1930-1999; others are themselves.
int windowedYear(int year);

// The date of year/month/day where months and days beyond their range roll into
// the next or previous ones (month 13 is January of the next year, day 0 the
// last day of the previous month); two-digit years are windowed.
// Throws RuntimeError(Overflow) when the result is outside the range.
double dateSerial(int year, int month, int day);

// Moves a date by whole days or calendar months keeping its time of day; a
// month move lands on the month's last day when the day does not exist there.
// Throw RuntimeError(Invalid procedure call) when the result is outside the range.
double addDays(double serial, int64_t days);
double addMonths(double serial, int months);

// The number of second boundaries crossed from `from` to `to` (negative when
// `to` is earlier).
int64_t secondsBetween(double from, double to);

// Reads a date text as the forms runtime did: numeric fields separated by "/",
// "-" or "." (or the Japanese year/month/day marks) in the locale's order, a
// leading field of three or more digits being the year; month names of the
// locale or in English; an optional time "h:mm[:ss]" with AM/PM; a time alone
// is a time on day 0. Nothing else, and no day that does not exist, is a date.
std::optional<double> parse(QStringView text, const QLocale& locale = QLocale());
// As parse; a text that is no date is a RuntimeError(Type mismatch).
double fromText(QStringView text, const QLocale& locale = QLocale());

} // namespace platform::oadate
