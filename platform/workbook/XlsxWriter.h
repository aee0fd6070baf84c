#pragma once
// Writes one in-memory worksheet as a new .xlsx file through libxlsxwriter.
//
// Cells carry the format their cascade (sheet, column, row, cell) gives them;
// formatted columns and rows carry theirs for their empty cells. Pictures are
// anchored at their cell with their moves as offsets. The library has no text
// boxes, so a text box is written as a merged, wrapped cell area starting at
// the row and column its top left corner falls on and spanning its size; when
// that area would cover a value or another box it moves down below them.
// The file is written beside the target under a temporary name and then
// renamed, so a failure never leaves a half-written workbook.

#include "platform/workbook/CellStyle.h"
#include "platform/workbook/Range.h"

#include <QHash>
#include <QString>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace platform::workbook {

class Worksheet;
struct Shape;

class XlsxWriter {
public:
    explicit XlsxWriter(const Worksheet& sheet) : sheet_(sheet) {}

    // Throws RuntimeError(1004) when the file exists already or can't be written.
    void write(const QString& path);

private:
    void fill();
    void writeCells();
    void writeColumns();
    void writeRows();
    void writePage();
    void writePictures();
    void writeTextBoxes();
    void writeTextBox(const Shape& box);
    Area placeTextBox(const Shape& box) const;
    lxw_format* format(const ResolvedStyle& style);
    void check(int error, const char* what) const;

    const Worksheet& sheet_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* ws_ = nullptr;
    QHash<QString, lxw_format*> formats_;
    std::vector<Area> boxes_; // cell areas of the text boxes written so far
};

} // namespace platform::workbook
