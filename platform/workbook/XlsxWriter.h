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
//
// A report writes tens of thousands of cells and places the same few
// pictures thousands of times: formats are told apart by a packed key, not a
// text; each distinct picture becomes one file for the whole write; the
// columns between those with a width or format of their own go by in runs.

#include "platform/workbook/CellStyle.h"
#include "platform/workbook/Range.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <memory>
#include <vector>

class QTemporaryFile;

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace platform::workbook {

class Worksheet;
struct Shape;

// What tells two cell formats apart, packed into numbers: one is made for
// every cell written, so it must cost little to make, compare and hash.
struct FormatKey {
    double fontSize = 0;
    int32_t fontName = 0; // index into the writer's font names
    int32_t fontColorIndex = 0;
    int32_t horizontalAlignment = 0;
    int32_t verticalAlignment = 0;
    int32_t interiorColorIndex = 0;
    int32_t pattern = 0;
    int32_t patternColorIndex = 0;
    std::array<int32_t, 8> borders{}; // weight and colour of the left, top, right and bottom lines
    bool bold = false;
    bool italic = false;
    bool wrapText = false;

    bool operator==(const FormatKey&) const = default;
};
size_t qHash(const FormatKey& key, size_t seed = 0);

class XlsxWriter {
public:
    explicit XlsxWriter(const Worksheet& sheet);
    ~XlsxWriter();
    XlsxWriter(const XlsxWriter&) = delete;
    XlsxWriter& operator=(const XlsxWriter&) = delete;

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
    void addColumns(int32_t first, int32_t last, double width, lxw_format* f);
    void flushColumns();
    QByteArray pictureFile(const QByteArray& data);
    FormatKey keyOf(const ResolvedStyle& style);
    lxw_format* format(const ResolvedStyle& style);
    void check(int error, const char* what) const;

    const Worksheet& sheet_;
    std::vector<QString> fontNames_; // the few names the formats use, by their index in a key
    const FormatKey plain_;          // the application's default format: no format of its own
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* ws_ = nullptr;
    QHash<FormatKey, lxw_format*> formats_;
    struct ColumnRun {
        int32_t first = 0; // 0: no run
        int32_t last = -1;
        double width = 0;
        lxw_format* format = nullptr;
    } run_; // columns alike, not written yet
    // The files the pictures are inserted from, one for each distinct content
    // (pictures read from one file share their bytes), removed after the write.
    QHash<const char*, QByteArray> pictureFiles_;
    std::vector<std::unique_ptr<QTemporaryFile>> pictureCopies_;
    std::vector<Area> boxes_; // cell areas of the text boxes written so far
};

} // namespace platform::workbook
