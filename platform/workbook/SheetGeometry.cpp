#include "platform/workbook/SheetGeometry.h"

#include "platform/workbook/Worksheet.h"

namespace platform::workbook::geometry {

int32_t columnPixels(double width)
{
    constexpr double kDigit = 7;
    constexpr int32_t kPadding = 5;
    if (width <= 0)
        return 0;
    if (width < 1)
        return int32_t(width * (kDigit + kPadding) + 0.5);
    return int32_t(width * kDigit + 0.5) + kPadding;
}

int32_t rowPixels(double height)
{
    return height <= 0 ? 0 : int32_t(kPixelsPerPoint * height);
}

int64_t columnLeft(const Worksheet& sheet, int32_t column)
{
    int64_t x = 0;
    for (int32_t c = 1; c < column; ++c)
        x += columnPixels(sheet.columnWidth(c));
    return x;
}

int64_t rowTop(const Worksheet& sheet, int32_t row)
{
    // Every row has the common height except the few set one by one.
    const int32_t common = rowPixels(sheet.allRowsHeight().value_or(Worksheet::kDefaultRowHeight));
    int64_t y = int64_t(row - 1) * common;
    const auto& heights = sheet.rowHeights();
    for (auto it = heights.cbegin(); it != heights.cend() && it.key() < row; ++it)
        y += rowPixels(it.value()) - common;
    return y;
}

namespace {

// Moves on to the next line while the offset reaches past the current one.
template <class Size>
void walkForward(int32_t& line, int64_t& offset, int32_t last, Size size)
{
    for (int64_t s = size(line); line < last && (offset >= s || s == 0); s = size(line)) {
        offset -= s;
        ++line;
    }
}

template <class Size>
void walkBack(int32_t& line, int64_t& offset, Size size)
{
    while (offset < 0 && line > 1) {
        --line;
        offset += size(line);
    }
    if (offset < 0)
        offset = 0;
}

} // namespace

CellOffset normalized(const Worksheet& sheet, CellOffset at)
{
    auto width = [&](int32_t c) { return int64_t(columnPixels(sheet.columnWidth(c))); };
    auto height = [&](int32_t r) { return int64_t(rowPixels(sheet.rowHeight(r))); };
    walkBack(at.column, at.x, width);
    walkBack(at.row, at.y, height);
    walkForward(at.column, at.x, kMaxColumns, width);
    walkForward(at.row, at.y, kMaxRows, height);
    return at;
}

CellOffset cellAt(const Worksheet& sheet, int64_t x, int64_t y)
{
    return normalized(sheet, CellOffset{1, 1, x, y});
}

} // namespace platform::workbook::geometry
