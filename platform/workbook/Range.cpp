#include "platform/workbook/Range.h"

#include "platform/RuntimeError.h"
#include "platform/workbook/Worksheet.h"
#include "platform/workbook/XlConstants.h"

#include <algorithm>

namespace platform::workbook {

namespace {

[[noreturn]] void refuse(const char* what)
{
    throw RuntimeError(kApplicationError, QString::fromLatin1(what));
}

bool isColorIndex(int32_t index) { return index >= 1 && index <= 56; }

void checkWeight(int32_t weight)
{
    if (weight != xlHairline && weight != xlThin && weight != xlMedium && weight != xlThick)
        refuse("Unable to set the Weight property of the Border class");
}

bool spansAllRows(const Area& a) { return a.top == 1 && a.bottom == kMaxRows; }
bool spansAllColumns(const Area& a) { return a.left == 1 && a.right == kMaxColumns; }

CellStyle sides(std::optional<BorderLine> left, std::optional<BorderLine> top,
                std::optional<BorderLine> right, std::optional<BorderLine> bottom)
{
    CellStyle s;
    s.left = left;
    s.top = top;
    s.right = right;
    s.bottom = bottom;
    return s;
}

} // namespace

Range::Range(Worksheet& sheet, std::vector<Area> areas)
    : sheet_(&sheet), areas_(std::move(areas))
{
    if (areas_.empty())
        refuse("A range needs at least one area");
    for (Area& a : areas_) {
        if (std::min(a.top, a.bottom) < 1 || std::max(a.top, a.bottom) > kMaxRows
            || std::min(a.left, a.right) < 1 || std::max(a.left, a.right) > kMaxColumns)
            refuse("The range lies outside the sheet");
        a = Area{std::min(a.top, a.bottom), std::min(a.left, a.right),
                 std::max(a.top, a.bottom), std::max(a.left, a.right)};
    }
}

void Range::Select()
{
    sheet_->select(*this);
}

QVariant Range::Value() const
{
    return sheet_->value(Row(), Column());
}

void Range::setValue(const QVariant& value)
{
    for (const Area& a : areas_) {
        if (int64_t(a.bottom - a.top + 1) * (a.right - a.left + 1) > kMaxCellsPerOperation)
            throw RuntimeError(errOutOfMemory);
        for (int32_t r = a.top; r <= a.bottom; ++r)
            for (int32_t c = a.left; c <= a.right; ++c)
                sheet_->setCellValue(r, c, value);
    }
}

Range Range::End(int32_t direction) const
{
    if (direction != xlToRight)
        refuse("Only the direction to the right is known");
    const int32_t row = Row();
    auto filled = [&](int32_t c) { return sheet_->value(row, c).isValid(); };
    int32_t c = Column();
    if (c < kMaxColumns && filled(c) && filled(c + 1)) {
        // Along a run of filled cells to its last one.
        while (c < kMaxColumns && filled(c + 1))
            ++c;
    } else {
        // Over the gap to the next filled cell, or to the sheet's edge.
        do
            ++c;
        while (c < kMaxColumns && !filled(c));
        c = std::min(c, kMaxColumns);
    }
    return Range(*sheet_, {Area{row, c, row, c}});
}

Range Range::SpecialCells(int32_t type) const
{
    if (type != xlCellTypeLastCell)
        refuse("No cells were found");
    const int32_t row = sheet_->lastUsedRow();
    const int32_t column = sheet_->lastUsedColumn();
    return Range(*sheet_, {Area{row, column, row, column}});
}

int32_t Range::Row() const
{
    return areas_.front().top;
}

int32_t Range::Column() const
{
    return areas_.front().left;
}

double Range::Height() const
{
    const Area& a = areas_.front();
    const double common = sheet_->allRowsHeight().value_or(Worksheet::kDefaultRowHeight);
    double height = double(a.bottom - a.top + 1) * common;
    const auto& heights = sheet_->rowHeights();
    for (auto it = heights.lowerBound(a.top); it != heights.cend() && it.key() <= a.bottom; ++it)
        height += it.value() - common;
    return height;
}

void Range::setFontSize(double size)
{
    if (!(size >= 1 && size <= 409))
        refuse("Unable to set the Size property of the Font class");
    applyField(&CellStyle::fontSize, size);
}

void Range::setFontName(const QString& name)
{
    if (name.isEmpty() || name.size() > 31)
        refuse("Unable to set the Name property of the Font class");
    applyField(&CellStyle::fontName, name);
}

void Range::setBold(bool bold)
{
    applyField(&CellStyle::bold, bold);
}

void Range::setItalic(bool italic)
{
    applyField(&CellStyle::italic, italic);
}

void Range::setFontColorIndex(int32_t colorIndex)
{
    if (!isColorIndex(colorIndex) && colorIndex != xlColorIndexAutomatic)
        refuse("Unable to set the ColorIndex property of the Font class");
    applyField(&CellStyle::fontColorIndex, colorIndex);
}

void Range::setHorizontalAlignment(int32_t alignment)
{
    // general, left, centre, right, fill, justify, centre across selection, distributed
    static constexpr int32_t kKnown[] = {1, -4131, -4108, -4152, 5, -4130, 7, -4117};
    if (std::find(std::begin(kKnown), std::end(kKnown), alignment) == std::end(kKnown))
        refuse("Unable to set the HorizontalAlignment property of the Range class");
    applyField(&CellStyle::horizontalAlignment, alignment);
}

void Range::setVerticalAlignment(int32_t alignment)
{
    // top, centre, bottom, justify, distributed
    static constexpr int32_t kKnown[] = {-4160, -4108, -4107, -4130, -4117};
    if (std::find(std::begin(kKnown), std::end(kKnown), alignment) == std::end(kKnown))
        refuse("Unable to set the VerticalAlignment property of the Range class");
    applyField(&CellStyle::verticalAlignment, alignment);
}

void Range::setWrapText(bool wrap)
{
    applyField(&CellStyle::wrapText, wrap);
}

void Range::setInteriorColorIndex(int32_t colorIndex)
{
    CellStyle s;
    if (colorIndex == xlNone || colorIndex == xlColorIndexAutomatic) {
        // No colour is no fill at all.
        s.interiorColorIndex = xlNone;
        s.pattern = xlNone;
    } else if (isColorIndex(colorIndex)) {
        s.interiorColorIndex = colorIndex;
    } else {
        refuse("Unable to set the ColorIndex property of the Interior class");
    }
    applyStyle(s);
}

void Range::setInteriorPattern(int32_t pattern)
{
    CellStyle s;
    if (pattern == xlNone) {
        s.interiorColorIndex = xlNone;
        s.pattern = xlNone;
    } else if (pattern == xlPatternSolid || pattern == xlPatternGray25 || pattern == xlPatternGray50
               || pattern == xlPatternGray75 || pattern == xlPatternGray16 || pattern == xlPatternGray8) {
        s.pattern = pattern;
    } else {
        refuse("Unable to set the Pattern property of the Interior class");
    }
    applyStyle(s);
}

void Range::setInteriorPatternColorIndex(int32_t colorIndex)
{
    if (!isColorIndex(colorIndex) && colorIndex != xlColorIndexAutomatic)
        refuse("Unable to set the PatternColorIndex property of the Interior class");
    applyField(&CellStyle::patternColorIndex, colorIndex);
}

void Range::setBorderWeight(int32_t bordersIndex, int32_t weight)
{
    checkWeight(weight);
    const BorderLine line{weight, xlColorIndexAutomatic};
    for (const Area& a : areas_) {
        switch (bordersIndex) {
        case xlEdgeLeft:
            sheet_->applyStyle(Area{a.top, a.left, a.bottom, a.left}, sides(line, {}, {}, {}));
            break;
        case xlEdgeRight:
            sheet_->applyStyle(Area{a.top, a.right, a.bottom, a.right}, sides({}, {}, line, {}));
            break;
        case xlEdgeTop:
            sheet_->applyStyle(Area{a.top, a.left, a.top, a.right}, sides({}, line, {}, {}));
            break;
        case xlEdgeBottom:
            sheet_->applyStyle(Area{a.bottom, a.left, a.bottom, a.right}, sides({}, {}, {}, line));
            break;
        case xlInsideVertical:
            drawInsideVertical(a, line);
            break;
        case xlInsideHorizontal:
            drawInsideHorizontal(a, line);
            break;
        case xlLeft:
            sheet_->applyStyle(a, sides(line, {}, {}, {}));
            break;
        case xlRight:
            sheet_->applyStyle(a, sides({}, {}, line, {}));
            break;
        case xlTop:
            sheet_->applyStyle(a, sides({}, line, {}, {}));
            break;
        case xlBottom:
            sheet_->applyStyle(a, sides({}, {}, {}, line));
            break;
        default:
            refuse("Unable to get the Borders property of the Range class");
        }
    }
}

// The lines between the columns of an area: the right side of every column
// but the last and the left side of every column but the first. An area of
// one column has none. Over whole rows both sides go on every column, which
// differs only at the sheet's outer edges and keeps the format on the rows.
void Range::drawInsideVertical(const Area& a, const BorderLine& line)
{
    if (a.left == a.right)
        return;
    if (spansAllColumns(a)) {
        sheet_->applyStyle(a, sides(line, {}, line, {}));
        return;
    }
    sheet_->applyStyle(Area{a.top, a.left, a.bottom, a.right - 1}, sides({}, {}, line, {}));
    sheet_->applyStyle(Area{a.top, a.left + 1, a.bottom, a.right}, sides(line, {}, {}, {}));
}

// The lines between the rows of an area, as drawInsideVertical for columns.
void Range::drawInsideHorizontal(const Area& a, const BorderLine& line)
{
    if (a.top == a.bottom)
        return;
    if (spansAllRows(a)) {
        sheet_->applyStyle(a, sides({}, line, {}, line));
        return;
    }
    sheet_->applyStyle(Area{a.top, a.left, a.bottom - 1, a.right}, sides({}, {}, {}, line));
    sheet_->applyStyle(Area{a.top + 1, a.left, a.bottom, a.right}, sides({}, line, {}, {}));
}

void Range::BorderAround(int32_t weight, int32_t colorIndex)
{
    checkWeight(weight);
    if (!isColorIndex(colorIndex) && colorIndex != xlColorIndexAutomatic)
        refuse("BorderAround method of Range class failed");
    const BorderLine line{weight, colorIndex};
    for (const Area& a : areas_) {
        sheet_->applyStyle(Area{a.top, a.left, a.bottom, a.left}, sides(line, {}, {}, {}));
        sheet_->applyStyle(Area{a.top, a.right, a.bottom, a.right}, sides({}, {}, line, {}));
        sheet_->applyStyle(Area{a.top, a.left, a.top, a.right}, sides({}, line, {}, {}));
        sheet_->applyStyle(Area{a.bottom, a.left, a.bottom, a.right}, sides({}, {}, {}, line));
    }
}

void Range::AutoFitColumns()
{
    for (const Area& a : areas_)
        sheet_->autoFitColumns(a.left, a.right);
}

void Range::setColumnWidth(double width)
{
    for (const Area& a : areas_)
        for (int32_t c = a.left; c <= a.right; ++c)
            sheet_->setColumnWidth(c, width);
}

void Range::setRowHeight(double height)
{
    for (const Area& a : areas_) {
        if (spansAllRows(a)) {
            sheet_->setAllRowsHeight(height);
            continue;
        }
        for (int32_t r = a.top; r <= a.bottom; ++r)
            sheet_->setRowHeight(r, height);
    }
}

void Range::applyStyle(const CellStyle& change)
{
    for (const Area& a : areas_)
        sheet_->applyStyle(a, change);
}

} // namespace platform::workbook
