#include "platform/workbook/Worksheet.h"

#include "platform/RuntimeError.h"
#include "platform/workbook/Address.h"
#include "platform/workbook/SheetGeometry.h"
#include "platform/workbook/TextWidth.h"
#include "platform/workbook/XlConstants.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace platform::workbook {

namespace {

[[noreturn]] void refuse(const QString& what)
{
    throw RuntimeError(kApplicationError, what);
}

void checkCell(int32_t row, int32_t column)
{
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        refuse(QStringLiteral("The cell (%1, %2) lies outside the sheet").arg(row).arg(column));
}

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::SChar: case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

// A picture as the written file can embed it: PNG, JPEG, BMP and GIF go in
// as they are; anything else Qt can read goes in as PNG.
QByteArray embeddable(const QByteArray& data, const QImage& image)
{
    if (data.startsWith("\x89PNG") || data.startsWith("\xFF\xD8") || data.startsWith("BM") || data.startsWith("GIF8"))
        return data;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The picture's size in points; pictures without a resolution count 96 dpi.
double sizeInPoints(int pixels, int dotsPerMeter)
{
    const double dpi = dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : 96.0;
    return pixels * 72.0 / dpi;
}

} // namespace

void Worksheet::setName(const QString& name)
{
    static const QString forbidden = QStringLiteral(":\\/?*[]");
    const bool bad = name.isEmpty() || name.size() > 31 || name.startsWith(u'\'') || name.endsWith(u'\'')
        || std::any_of(name.begin(), name.end(), [](QChar ch) { return forbidden.contains(ch); });
    if (bad)
        refuse(QStringLiteral("The sheet name \"%1\" is not allowed").arg(name));
    name_ = name;
}

Range Worksheet::Cells(int32_t row, int32_t column)
{
    checkCell(row, column);
    return Range(*this, {Area{row, column, row, column}});
}

Range Worksheet::Cells()
{
    return Range(*this, {Area{1, 1, kMaxRows, kMaxColumns}});
}

Range Worksheet::RangeOf(const QString& address)
{
    return Range(*this, address::parseRange(address));
}

Range Worksheet::RangeOf(const Range& from, const Range& to)
{
    if (&from.sheet() != this || &to.sheet() != this)
        refuse(QStringLiteral("The cells belong to another sheet"));
    const Area& a = from.areas().front();
    const Area& b = to.areas().front();
    return Range(*this, {Area{std::min(a.top, b.top), std::min(a.left, b.left),
                              std::max(a.bottom, b.bottom), std::max(a.right, b.right)}});
}

Range Worksheet::Columns(const QString& address)
{
    return Range(*this, address::parseColumns(address));
}

Range Worksheet::Rows(const QString& address)
{
    return Range(*this, address::parseRows(address));
}

ShapeRef Worksheet::AddTextbox(int32_t orientation, double left, double top, double width, double height)
{
    // The application's text orientations run from horizontal (1) to rotated far-east (6);
    // they are all written horizontally.
    if (orientation < msoTextOrientationHorizontal || orientation > 6 || !(width >= 0) || !(height >= 0)
        || !std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) || !std::isfinite(height))
        refuse(QStringLiteral("AddTextbox method of Shapes class failed"));
    Shape& shape = shapes_.emplace_back();
    shape.kind = Shape::TextBox;
    shape.left = left;
    shape.top = top;
    shape.width = width;
    shape.height = height;
    return ShapeRef(shape);
}

ShapeRef Worksheet::PicturesInsert(const QString& path)
{
    const LoadedPicture& picture = loadPicture(path);
    const Range cell = ActiveCell();
    Shape& shape = shapes_.emplace_back();
    shape.kind = Shape::Picture;
    shape.anchorRow = cell.Row();
    shape.anchorColumn = cell.Column();
    shape.anchorLeft = geometry::columnLeft(*this, shape.anchorColumn) / geometry::kPixelsPerPoint;
    shape.anchorTop = geometry::rowTop(*this, shape.anchorRow) / geometry::kPixelsPerPoint;
    shape.left = shape.anchorLeft;
    shape.top = shape.anchorTop;
    shape.width = picture.width;
    shape.height = picture.height;
    shape.picturePath = picture.absolutePath;
    shape.pictureData = picture.data; // shared, not copied
    return ShapeRef(shape);
}

// A file that can't be read as a picture is not remembered: it is tried again next time.
const Worksheet::LoadedPicture& Worksheet::loadPicture(const QString& path)
{
    if (const auto known = pictures_.constFind(path); known != pictures_.cend())
        return *known;
    QFile file(path);
    QByteArray data;
    if (file.open(QIODevice::ReadOnly))
        data = file.readAll();
    QImage image;
    if (data.isEmpty() || !image.loadFromData(data))
        refuse(QStringLiteral("Unable to get the Insert property of the Pictures class: %1").arg(path));
    LoadedPicture picture;
    picture.absolutePath = QFileInfo(path).absoluteFilePath();
    picture.data = embeddable(data, image);
    picture.width = sizeInPoints(image.width(), image.dotsPerMeterX());
    picture.height = sizeInPoints(image.height(), image.dotsPerMeterY());
    return *pictures_.insert(path, picture);
}

Range Worksheet::Selection()
{
    return Range(*this, selection_);
}

Range Worksheet::ActiveCell()
{
    const Area& first = selection_.front();
    return Range(*this, {Area{first.top, first.left, first.top, first.left}});
}

void Worksheet::select(const Range& range)
{
    if (&range.sheet() != this)
        refuse(QStringLiteral("Select method of Range class failed"));
    selection_ = range.areas();
}

QVariant Worksheet::value(int32_t row, int32_t column) const
{
    return values_.value(key(row, column));
}

void Worksheet::setCellValue(int32_t row, int32_t column, const QVariant& value)
{
    checkCell(row, column);
    // An empty text empties the cell, as it does in the application.
    if (!value.isValid() || value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty())) {
        values_.remove(key(row, column));
        return;
    }
    if (isNumber(value)) {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            refuse(QStringLiteral("A cell cannot hold %1").arg(d));
        values_.insert(key(row, column), value.typeId() == QMetaType::Double ? value : QVariant(d));
        return;
    }
    if (value.typeId() == QMetaType::Bool) {
        values_.insert(key(row, column), value);
        return;
    }
    const QString text = value.toString();
    if (text.size() > 32767)
        refuse(QStringLiteral("A cell cannot hold more than 32767 characters"));
    values_.insert(key(row, column), text);
}

CellStyle Worksheet::style(int32_t row, int32_t column) const
{
    CellStyle s = sheetStyle_;
    if (auto it = columnStyles_.constFind(column); it != columnStyles_.cend())
        s.apply(*it);
    if (auto it = rowStyles_.constFind(row); it != rowStyles_.cend())
        s.apply(*it);
    if (auto it = cellStyles_.constFind(key(row, column)); it != cellStyles_.cend())
        s.apply(*it);
    return s;
}

double Worksheet::columnWidth(int32_t column) const
{
    return columnWidths_.value(column, kDefaultColumnWidth);
}

double Worksheet::rowHeight(int32_t row) const
{
    return rowHeights_.value(row, allRowsHeight_.value_or(kDefaultRowHeight));
}

int32_t Worksheet::lastUsedRow() const
{
    int32_t last = 1;
    for (auto it = values_.keyBegin(); it != values_.keyEnd(); ++it)
        last = std::max(last, rowOf(*it));
    for (auto it = cellStyles_.keyBegin(); it != cellStyles_.keyEnd(); ++it)
        last = std::max(last, rowOf(*it));
    return last;
}

int32_t Worksheet::lastUsedColumn() const
{
    int32_t last = 1;
    for (auto it = values_.keyBegin(); it != values_.keyEnd(); ++it)
        last = std::max(last, columnOf(*it));
    for (auto it = cellStyles_.keyBegin(); it != cellStyles_.keyEnd(); ++it)
        last = std::max(last, columnOf(*it));
    return last;
}

void Worksheet::applyStyle(const Area& area, const CellStyle& change)
{
    const bool allRows = area.top == 1 && area.bottom == kMaxRows;
    const bool allColumns = area.left == 1 && area.right == kMaxColumns;
    if (allRows && allColumns)
        applyToSheet(change);
    else if (allRows)
        applyToColumns(area.left, area.right, change);
    else if (allColumns)
        applyToRows(area.top, area.bottom, change);
    else
        applyToCells(area, change);
}

// A format for every cell: it also changes what columns, rows and cells had
// of their own, so that it wins over them.
void Worksheet::applyToSheet(const CellStyle& change)
{
    sheetStyle_.apply(change);
    for (CellStyle& s : columnStyles_)
        s.apply(change);
    for (CellStyle& s : rowStyles_)
        s.apply(change);
    for (CellStyle& s : cellStyles_)
        s.apply(change);
}

// Whole columns: their cells with formats of their own take the change too,
// and where a formatted row crosses them the crossing cell gets it, since a
// row's format otherwise comes after the column's.
void Worksheet::applyToColumns(int32_t first, int32_t last, const CellStyle& change)
{
    for (int32_t c = first; c <= last; ++c)
        columnStyles_[c].apply(change);
    for (auto it = cellStyles_.begin(); it != cellStyles_.end(); ++it)
        if (columnOf(it.key()) >= first && columnOf(it.key()) <= last)
            it->apply(change);
    for (auto row = rowStyles_.keyBegin(); row != rowStyles_.keyEnd(); ++row)
        for (int32_t c = first; c <= last; ++c)
            cellStyles_[key(*row, c)].apply(change);
}

// Whole rows come after columns in the cascade; only their own cells need the change too.
void Worksheet::applyToRows(int32_t first, int32_t last, const CellStyle& change)
{
    for (int32_t r = first; r <= last; ++r)
        rowStyles_[r].apply(change);
    for (auto it = cellStyles_.begin(); it != cellStyles_.end(); ++it)
        if (rowOf(it.key()) >= first && rowOf(it.key()) <= last)
            it->apply(change);
}

void Worksheet::applyToCells(const Area& area, const CellStyle& change)
{
    if (int64_t(area.bottom - area.top + 1) * (area.right - area.left + 1) > kMaxCellsPerOperation)
        throw RuntimeError(errOutOfMemory);
    for (int32_t r = area.top; r <= area.bottom; ++r)
        for (int32_t c = area.left; c <= area.right; ++c)
            cellStyles_[key(r, c)].apply(change);
}

void Worksheet::setColumnWidth(int32_t column, double width)
{
    checkCell(1, column);
    if (!(width >= 0 && width <= 255))
        refuse(QStringLiteral("Unable to set the ColumnWidth property of the Range class"));
    columnWidths_.insert(column, width);
}

void Worksheet::setRowHeight(int32_t row, double height)
{
    checkCell(row, 1);
    if (!(height >= 0 && height <= 409))
        refuse(QStringLiteral("Unable to set the RowHeight property of the Range class"));
    rowHeights_.insert(row, height);
}

void Worksheet::setAllRowsHeight(double height)
{
    if (!(height >= 0 && height <= 409))
        refuse(QStringLiteral("Unable to set the RowHeight property of the Range class"));
    allRowsHeight_ = height;
    rowHeights_.clear();
}

void Worksheet::autoFitColumn(int32_t column)
{
    autoFitColumns(column, column);
}

void Worksheet::autoFitColumns(int32_t first, int32_t last)
{
    checkCell(1, first);
    checkCell(1, last);
    QMap<int32_t, double> widest;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        const int32_t c = columnOf(it.key());
        if (c < first || c > last)
            continue;
        const double w = fittedColumnWidth(displayText(*it), ResolvedStyle::from(style(rowOf(it.key()), c)));
        if (w > 0) // a value that shows nothing never hides its column
            widest[c] = std::max(widest.value(c), w);
    }
    for (auto it = columnWidths_.begin(); it != columnWidths_.end();) {
        if (it.key() >= first && it.key() <= last && !widest.contains(it.key()))
            it = columnWidths_.erase(it);
        else
            ++it;
    }
    for (auto it = widest.cbegin(); it != widest.cend(); ++it)
        columnWidths_.insert(it.key(), it.value());
}

std::vector<std::pair<int32_t, int32_t>> Worksheet::usedCells() const
{
    // Sorted keys are sorted cells: the row takes the key's high bits.
    std::vector<qint64> keys;
    keys.reserve(size_t(values_.size() + cellStyles_.size()));
    for (auto it = values_.keyBegin(); it != values_.keyEnd(); ++it)
        keys.push_back(*it);
    for (auto it = cellStyles_.keyBegin(); it != cellStyles_.keyEnd(); ++it)
        keys.push_back(*it);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::vector<std::pair<int32_t, int32_t>> cells;
    cells.reserve(keys.size());
    for (qint64 k : keys)
        cells.emplace_back(rowOf(k), columnOf(k));
    return cells;
}

} // namespace platform::workbook
