#pragma once
// Where cells stand on a worksheet, in pixels at 96 dpi, computed the way
// the written file is laid out (column widths in characters of a 7-pixel
// digit with 5 pixels of padding, row heights in points truncated to
// pixels), so that pictures and text boxes land where the sheet shows them.

#include <cstdint>

namespace platform::workbook {

class Worksheet;

namespace geometry {

constexpr double kPixelsPerPoint = 4.0 / 3.0;

int32_t columnPixels(double width);
int32_t rowPixels(double height);

// The left edge of a column and the top edge of a row, from the sheet's corner.
int64_t columnLeft(const Worksheet& sheet, int32_t column);
int64_t rowTop(const Worksheet& sheet, int32_t row);

// The cell a point given in pixels from the sheet's corner falls on, and the
// point's offset inside it; hidden (zero-size) columns and rows are skipped.
struct CellOffset {
    int32_t row = 1;
    int32_t column = 1;
    int64_t x = 0;
    int64_t y = 0;
};
CellOffset cellAt(const Worksheet& sheet, int64_t x, int64_t y);

// A cell plus an offset that may be negative or larger than the cell,
// brought to the cell the offset really falls on (never left of column A or
// above row 1).
CellOffset normalized(const Worksheet& sheet, CellOffset at);

} // namespace geometry
} // namespace platform::workbook
