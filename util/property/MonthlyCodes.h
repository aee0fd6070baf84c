#pragma once
// The monthly access codes: one code per calendar month from September 2003
// to August 2053, compiled into the library.

#include <QString>

namespace Ostrel7::monthlycodes {

// The code of the month; "" for a month outside the table.
QString codeOf(int year, int month);

// The first and last month of the table, as year * 100 + month.
constexpr int kFirstMonth = 200309;
constexpr int kLastMonth = 205308;

} // namespace Ostrel7::monthlycodes
