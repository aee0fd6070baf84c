#pragma once
// A range of cells on one worksheet: one or more rectangular areas, given by
// an address ("B2", "A1:I1", "A2:F18,A21:F37", "A:A", "C:E", "1:1") or by
// cells. Operations follow the spreadsheet application's: a value set on a
// range goes into every cell, formats apply to every cell (to whole columns,
// rows or the sheet when the range is one), and a later format wins.

#include "platform/workbook/CellStyle.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace platform::workbook {

class Worksheet;

// Rows and columns are 1-based; a whole column runs over every row, a whole
// row over every column.
struct Area {
    int32_t top = 1;
    int32_t left = 1;
    int32_t bottom = 1;
    int32_t right = 1;

    bool operator==(const Area&) const = default;
};

constexpr int32_t kMaxRows = 1048576;
constexpr int32_t kMaxColumns = 16384;
// Values and formats are kept cell by cell (whole rows, columns and the sheet
// apart); one operation on more cells than this is refused as out of memory.
constexpr int64_t kMaxCellsPerOperation = int64_t(1) << 18;

class Range {
public:
    Range(Worksheet& sheet, std::vector<Area> areas);

    Worksheet& sheet() const { return *sheet_; }
    const std::vector<Area>& areas() const { return areas_; }

    // Makes the range the sheet's selection; its first cell becomes the active cell.
    void Select();

    // The first cell's value (invalid when empty); setting writes every cell.
    QVariant Value() const;
    void setValue(const QVariant& value);

    // From the first cell towards xlToRight: the last filled cell before an
    // empty one, or the next filled cell after empty ones, or the last column.
    Range End(int32_t direction) const;
    // xlCellTypeLastCell: the cell at the last used row and the last used column.
    Range SpecialCells(int32_t type) const;

    int32_t Row() const;    // the first cell's row
    int32_t Column() const; // the first cell's column
    // The height of the range's rows, in points.
    double Height() const;

    // Formats of every cell of the range.
    void setFontSize(double size);
    void setFontName(const QString& name);
    void setBold(bool bold);
    void setItalic(bool italic);
    void setFontColorIndex(int32_t colorIndex);
    void setHorizontalAlignment(int32_t alignment);
    void setVerticalAlignment(int32_t alignment);
    void setWrapText(bool wrap);
    void setInteriorColorIndex(int32_t colorIndex);
    void setInteriorPattern(int32_t pattern);
    void setInteriorPatternColorIndex(int32_t colorIndex);

    // Borders(index).Weight: an edge of each area, the lines inside the areas,
    // or one side of every cell (XlBordersIndex).
    void setBorderWeight(int32_t bordersIndex, int32_t weight);
    // The outline of each area.
    void BorderAround(int32_t weight, int32_t colorIndex);

    // Widths of the columns the range covers (EntireColumn.AutoFit, ColumnWidth).
    void AutoFitColumns();
    void setColumnWidth(double width);
    // Heights of the rows the range covers, in points.
    void setRowHeight(double height);

private:
    void applyStyle(const CellStyle& change);
    // Sets one format field on every cell of the range.
    template <typename T>
    void applyField(std::optional<T> CellStyle::*field, T value)
    {
        CellStyle change;
        change.*field = value;
        applyStyle(change);
    }
    void drawInsideVertical(const Area& area, const BorderLine& line);
    void drawInsideHorizontal(const Area& area, const BorderLine& line);

    Worksheet* sheet_;
    std::vector<Area> areas_;
};

} // namespace platform::workbook
