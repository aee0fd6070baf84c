#pragma once
// How wide a cell's text shows, for AutoFit. Without the application's font
// metrics the width is estimated from character classes (narrow, common,
// capital, full-width) scaled by the font size and weight; the result is a
// column width in the application's unit (characters of the default font's digit).

#include "platform/workbook/CellStyle.h"

#include <QString>
#include <QVariant>

namespace platform::workbook {

// The text a value shows with the general number format.
QString displayText(const QVariant& value);

// The column width that shows the text's longest line whole.
double fittedColumnWidth(const QString& text, const ResolvedStyle& style);

} // namespace platform::workbook
