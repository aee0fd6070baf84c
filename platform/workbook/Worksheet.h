#pragma once
// One worksheet held in memory: cell values, formats laid down by range
// operations, column widths, row heights, page setup, text boxes and
// pictures. It answers what the reports ask of it (the last used cell, the
// last filled cell to the right, row heights) and is written out by its workbook.

#include "platform/workbook/CellStyle.h"
#include "platform/workbook/Range.h"
#include "platform/workbook/Shape.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QVariant>
#include <deque>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace platform::workbook {

struct PageSetup {
    QString centerHeader;
    QString centerFooter;
    // Margins in points.
    double leftMargin = 0.7 * 72;
    double rightMargin = 0.7 * 72;
    double topMargin = 0.75 * 72;
    double bottomMargin = 0.75 * 72;
    double headerMargin = 0.3 * 72;
    double footerMargin = 0.3 * 72;
    int32_t zoom = 100;
    int32_t orientation = 1; // XlPageOrientation
};

class Worksheet {
public:
    static constexpr double kDefaultColumnWidth = 8.43; // characters
    static constexpr double kDefaultRowHeight = 15;     // points

    QString Name() const { return name_; }
    // Throws RuntimeError(1004) for a name the application refuses (empty,
    // over 31 characters, or holding one of : \ / ? * [ ]).
    void setName(const QString& name);

    Range Cells(int32_t row, int32_t column);
    Range Cells(); // every cell
    // Throws RuntimeError(1004) for an address it cannot read.
    Range RangeOf(const QString& address);
    // The smallest range holding both (the first areas of each).
    Range RangeOf(const Range& from, const Range& to);
    Range Columns(const QString& address); // "A:A", "C:E"
    Range Rows(const QString& address);    // "1:1"

    PageSetup& pageSetup() { return pageSetup_; }
    const PageSetup& pageSetup() const { return pageSetup_; }

    // Shapes.AddTextbox(orientation, left, top, width, height).
    ShapeRef AddTextbox(int32_t orientation, double left, double top, double width, double height);
    // Pictures.Insert: the picture file at the active cell. Throws
    // RuntimeError(1004) when the file can't be read as a picture. Each file
    // is read and decoded once per sheet: the pictures inserted from it share
    // that content (a report places the same few pictures thousands of times).
    ShapeRef PicturesInsert(const QString& path);

    // The selection of this sheet and its first cell.
    Range Selection();
    Range ActiveCell();
    void select(const Range& range);

    // What the sheet holds.
    QVariant value(int32_t row, int32_t column) const;
    void setCellValue(int32_t row, int32_t column, const QVariant& value);
    // The effective format of a cell: sheet, then column, then row, then cell.
    CellStyle style(int32_t row, int32_t column) const;
    double columnWidth(int32_t column) const;
    double rowHeight(int32_t row) const;
    // The last row and column that hold a value or a format of their own; 1,1 for an empty sheet.
    int32_t lastUsedRow() const;
    int32_t lastUsedColumn() const;
    const std::deque<Shape>& shapes() const { return shapes_; }
    bool displayGridlines() const { return displayGridlines_; }
    void setDisplayGridlines(bool show) { displayGridlines_ = show; }

    // For Range: formats laid over an area, widths and heights.
    void applyStyle(const Area& area, const CellStyle& change);
    void setColumnWidth(int32_t column, double width);
    void setRowHeight(int32_t row, double height);
    // Every row of the sheet (RowHeight of all cells): later single-row heights still win.
    void setAllRowsHeight(double height);
    void autoFitColumn(int32_t column);
    // AutoFit of columns first..last in one pass over the cells; a column
    // without values goes back to the default width.
    void autoFitColumns(int32_t first, int32_t last);

    // The cells with a value or a format of their own, row by row.
    std::vector<std::pair<int32_t, int32_t>> usedCells() const;
    // Formats set on whole columns and rows and on the sheet.
    const QMap<int32_t, CellStyle>& columnStyles() const { return columnStyles_; }
    const QMap<int32_t, CellStyle>& rowStyles() const { return rowStyles_; }
    const CellStyle& sheetStyle() const { return sheetStyle_; }
    const QMap<int32_t, double>& columnWidths() const { return columnWidths_; }
    const QMap<int32_t, double>& rowHeights() const { return rowHeights_; }
    std::optional<double> allRowsHeight() const { return allRowsHeight_; }
    const std::vector<Area>& selectionAreas() const { return selection_; }

private:
    // A picture file as this sheet read it.
    struct LoadedPicture {
        QString absolutePath;
        QByteArray data; // as the written file embeds it
        double width = 0; // points
        double height = 0;
    };
    const LoadedPicture& loadPicture(const QString& path);

    static qint64 key(int32_t row, int32_t column) { return (qint64(row) << 20) | column; }
    static int32_t rowOf(qint64 key) { return int32_t(key >> 20); }
    static int32_t columnOf(qint64 key) { return int32_t(key & 0xFFFFF); }
    void applyToSheet(const CellStyle& change);
    void applyToColumns(int32_t first, int32_t last, const CellStyle& change);
    void applyToRows(int32_t first, int32_t last, const CellStyle& change);
    void applyToCells(const Area& area, const CellStyle& change);

    QString name_ = QStringLiteral("Sheet1");
    QHash<qint64, QVariant> values_;
    QHash<qint64, CellStyle> cellStyles_;
    QMap<int32_t, CellStyle> columnStyles_;
    QMap<int32_t, CellStyle> rowStyles_;
    CellStyle sheetStyle_;
    QMap<int32_t, double> columnWidths_;
    QMap<int32_t, double> rowHeights_;
    std::optional<double> allRowsHeight_;
    PageSetup pageSetup_;
    std::deque<Shape> shapes_; // deque: ShapeRefs stay valid as shapes are added
    QHash<QString, LoadedPicture> pictures_; // by the path they were inserted from
    std::vector<Area> selection_{Area{}};
    bool displayGridlines_ = true;
};

} // namespace platform::workbook
