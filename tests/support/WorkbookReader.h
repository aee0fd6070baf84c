#pragma once
// Reads a written workbook back through Python's openpyxl, an implementation
// of the format independent of the one that wrote it: a reader script prints
// what it found as one JSON object.

#include <QJsonObject>
#include <QStringList>

namespace testsupport {

// /usr/bin/python3 with openpyxl is there (tests skip without it).
bool haveOpenpyxl();

// Runs the Python script with the workbook's path and the further arguments,
// and answers the JSON object it printed; a failed run fails the test.
QJsonObject readWorkbook(const char* script, const QString& file, const QStringList& arguments = {});

} // namespace testsupport
