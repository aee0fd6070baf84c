#pragma once
// The layout of Err.log: a header once, then one line per report with its
// fields in print zones of 14 columns, CR LF line ends, CP932 text.

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace Ostrel7::errorlog {

// "ErrorCode" at column 1, "Date/Time" at 15, "ModuleName" at 43, "Content" at 85.
QString headerLine();

// The code as a number field (" 13 ", "-5 "), the date and time, the module
// name and the text, each field starting at the first zone column (14k+1)
// beyond the column that follows the previous field.
QString reportLine(int32_t code, const QDateTime& when, const QString& moduleName, const QString& text);

// Appends the report to the log at path, creating it with its header when it
// does not exist yet; a log grown to 1 MB is started anew with its header and
// its newest lines. The log is replaced whole, and only a regular file is.
// Throws platform::RuntimeError when the log can't be written.
void append(const QString& path, const QString& line);

} // namespace Ostrel7::errorlog
