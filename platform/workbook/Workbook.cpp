#include "platform/workbook/Workbook.h"

#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"
#include "platform/workbook/XlsxWriter.h"

namespace platform::workbook {

Worksheet& Workbook::Worksheets(int32_t index)
{
    if (index != 1)
        throw RuntimeError(errSubscript);
    return sheet_;
}

void Workbook::SaveAs(const QString& path)
{
    if (closed_)
        throw RuntimeError(kApplicationError, QStringLiteral("The workbook is closed"));
    XlsxWriter(sheet_).write(path);
}

} // namespace platform::workbook
