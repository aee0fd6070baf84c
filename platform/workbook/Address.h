#pragma once
// Reading range addresses the way the spreadsheet application writes them:
// "B2", "$A$1:I1", "A2:F18,A21:F37", whole columns "A:A", "C:E" and whole
// rows "1:1". Letters may be in either case; reversed corners are put in order.

#include "platform/workbook/Range.h"

#include <QString>
#include <vector>

namespace platform::workbook::address {

// The areas of a range address. Throws RuntimeError(1004) for anything else.
std::vector<Area> parseRange(const QString& text);
// Columns("A:A", "C:E", "B"): only column letters.
std::vector<Area> parseColumns(const QString& text);
// Rows("1:1", "3"): only row numbers.
std::vector<Area> parseRows(const QString& text);

// "A", "Z", "AA" ... "XFD" for 1 ... 16384.
QString columnName(int32_t column);

} // namespace platform::workbook::address
