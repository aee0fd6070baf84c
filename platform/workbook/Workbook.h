#pragma once
// A workbook of one worksheet, written once as an .xlsx file.

#include "platform/workbook/Worksheet.h"

#include <QString>

namespace platform::workbook {

class Workbook {
public:
    // Worksheets(1); any other index is RuntimeError(9).
    Worksheet& Worksheets(int32_t index);
    // Writes the workbook under that name (replacing nothing: the caller deletes
    // an older file first). Throws RuntimeError(1004) when it can't be written.
    void SaveAs(const QString& path);
    // Writes the workbook in the private working folder and then replaces the
    // file of that name whole (platform::replaceFile): an older file stays as it
    // was until the new one is complete, and a link keeps its target.
    void SaveReplacing(const QString& path);
    void Close() { closed_ = true; }
    bool closed() const { return closed_; }

private:
    Worksheet sheet_;
    bool closed_ = false;
};

} // namespace platform::workbook
