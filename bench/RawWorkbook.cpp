#include "RawWorkbook.h"

#include "platform/workbook/CellStyle.h"
#include "platform/workbook/SheetGeometry.h"
#include "platform/workbook/Worksheet.h"
#include "platform/workbook/XlConstants.h"
#include "platform/workbook/XlsxStyleCodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <map>
#include <set>
#include <unistd.h>

namespace benchsupport {

namespace wb = platform::workbook;
using wb::borderStyle;
using wb::fillPattern;
using wb::horizontalAlign;
using wb::verticalAlign;

namespace {

// UTF-8 without the code units XML can't hold, as the suite writes texts.
std::string utf8(const QString& text)
{
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            clean.append(ch).append(text[++i]);
        else if (ch.isSurrogate() || ch.unicode() == 0xFFFE || ch.unicode() == 0xFFFF || ch.unicode() == 0)
            clean.append(QChar(QChar::ReplacementCharacter));
        else
            clean.append(ch);
    }
    return clean.toStdString();
}

int64_t rgb(int32_t colorIndex)
{
    const auto c = wb::paletteColor(colorIndex);
    if (!c)
        return -1;
    return *c == 0 ? int64_t(LXW_COLOR_BLACK) : int64_t(*c);
}

// Tells resolved styles apart (setup only, so a text will do).
std::string styleKey(const wb::ResolvedStyle& s)
{
    std::string key = utf8(s.fontName);
    for (double v : {s.fontSize, double(s.bold), double(s.italic), double(s.fontColorIndex),
                     double(s.horizontalAlignment), double(s.verticalAlignment), double(s.wrapText),
                     double(s.interiorColorIndex), double(s.pattern), double(s.patternColorIndex)})
        key += '|' + std::to_string(v);
    for (const wb::BorderLine& side : {s.left, s.top, s.right, s.bottom})
        key += '|' + std::to_string(side.weight) + '/' + std::to_string(side.colorIndex);
    return key;
}

lxw_format* makeFormat(lxw_workbook* book, const auto& f)
{
    lxw_format* format = workbook_add_format(book);
    if (!f.fontName.empty())
        format_set_font_name(format, f.fontName.c_str());
    if (f.fontSize)
        format_set_font_size(format, f.fontSize);
    if (f.bold)
        format_set_bold(format);
    if (f.italic)
        format_set_italic(format);
    if (f.fontColor >= 0)
        format_set_font_color(format, lxw_color_t(f.fontColor));
    if (f.align)
        format_set_align(format, f.align);
    if (f.verticalAlign)
        format_set_align(format, f.verticalAlign);
    if (f.wrap)
        format_set_text_wrap(format);
    if (f.pattern)
        format_set_pattern(format, f.pattern);
    if (f.foreground >= 0)
        format_set_fg_color(format, lxw_color_t(f.foreground));
    if (f.background >= 0)
        format_set_bg_color(format, lxw_color_t(f.background));
    void (*const styles[4])(lxw_format*, uint8_t) = {format_set_left, format_set_top, format_set_right, format_set_bottom};
    void (*const colors[4])(lxw_format*, lxw_color_t) = {format_set_left_color, format_set_top_color,
                                                         format_set_right_color, format_set_bottom_color};
    for (int side = 0; side < 4; ++side) {
        if (!f.border[side])
            continue;
        styles[side](format, f.border[side]);
        if (f.borderColor[side] >= 0)
            colors[side](format, lxw_color_t(f.borderColor[side]));
    }
    return format;
}

// The target replaced whole by these bytes: a new file beside it, written,
// synced to disk and renamed over it, and the folder synced so that the
// rename itself is on disk, as the suite's file replacement does.
bool replaceWith(const QString& target, const std::string& bytes)
{
    const QByteArray temp = QFile::encodeName(target + QStringLiteral(".new"));
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    ok = ::fsync(folder) == 0;
    return ::close(folder) == 0 && ok;
}

bool readWhole(const QByteArray& path, std::string& bytes)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bytes.clear();
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, size_t(n));
    ::close(fd);
    return n == 0;
}

} // namespace

RawWorkbook::RawWorkbook(const wb::Worksheet& sheet) : name_(utf8(sheet.Name()))
{
    recordColumns(sheet);
    recordRows(sheet);
    recordCells(sheet);
    recordShapes(sheet);

    const wb::PageSetup& page = sheet.pageSetup();
    hideGridlines_ = !sheet.displayGridlines();
    landscape_ = page.orientation == wb::xlLandscape;
    scale_ = std::clamp(page.zoom, 10, 400);
    const double margins[6] = {page.leftMargin, page.rightMargin, page.topMargin, page.bottomMargin,
                               page.headerMargin, page.footerMargin};
    for (int i = 0; i < 6; ++i)
        margins_[i] = margins[i] / 72;
    if (!page.centerHeader.isEmpty())
        header_ = utf8(QStringLiteral("&C") + page.centerHeader);
    if (!page.centerFooter.isEmpty())
        footer_ = utf8(QStringLiteral("&C") + page.centerFooter);
    const wb::Area& selected = sheet.selectionAreas().front();
    selection_[0] = uint32_t(selected.top - 1);
    selection_[1] = uint32_t(selected.left - 1);
    selection_[2] = uint32_t(selected.bottom - 1);
    selection_[3] = uint32_t(selected.right - 1);
}

int32_t RawWorkbook::formatOf(const wb::ResolvedStyle& s)
{
    const std::string key = styleKey(s);
    if (key == styleKey(wb::ResolvedStyle{}))
        return -1;
    if (const auto known = formatKeys_.find(key); known != formatKeys_.end())
        return known->second;

    Format f;
    const wb::ResolvedStyle plain;
    if (s.fontName != plain.fontName)
        f.fontName = utf8(s.fontName);
    if (s.fontSize != plain.fontSize)
        f.fontSize = s.fontSize;
    f.bold = s.bold;
    f.italic = s.italic;
    f.fontColor = rgb(s.fontColorIndex);
    f.align = horizontalAlign(s.horizontalAlignment);
    f.verticalAlign = verticalAlign(s.verticalAlignment);
    f.wrap = s.wrapText;
    f.pattern = fillPattern(s.pattern);
    if (f.pattern == LXW_PATTERN_SOLID) {
        const int64_t interior = rgb(s.interiorColorIndex);
        f.background = interior >= 0 ? interior : 0xFFFFFF;
    } else if (f.pattern != LXW_PATTERN_NONE) {
        const int64_t pattern = rgb(s.patternColorIndex);
        f.foreground = pattern >= 0 ? pattern : int64_t(LXW_COLOR_BLACK);
        f.background = rgb(s.interiorColorIndex);
    }
    const wb::BorderLine* sides[4] = {&s.left, &s.top, &s.right, &s.bottom};
    for (int side = 0; side < 4; ++side) {
        if (!sides[side]->weight)
            continue;
        f.border[side] = borderStyle(sides[side]->weight);
        f.borderColor[side] = rgb(sides[side]->colorIndex);
    }
    formats_.push_back(f);
    const int32_t index = int32_t(formats_.size() - 1);
    formatKeys_.emplace(key, index);
    return index;
}

void RawWorkbook::recordColumns(const wb::Worksheet& sheet)
{
    const int32_t sheetFormat = formatOf(wb::ResolvedStyle::from(sheet.sheetStyle()));
    const auto columnFormat = [&](int32_t c) {
        const auto own = sheet.columnStyles().constFind(c);
        if (own == sheet.columnStyles().cend())
            return sheetFormat;
        wb::CellStyle s = sheet.sheetStyle();
        s.apply(*own);
        return formatOf(wb::ResolvedStyle::from(s));
    };
    for (int32_t c = 1; c <= wb::kMaxColumns; ++c) {
        const double width = sheet.columnWidth(c);
        const int32_t format = columnFormat(c);
        if (!columns_.empty() && columns_.back().width == width && columns_.back().format == format)
            columns_.back().last = uint16_t(c - 1);
        else
            columns_.push_back({uint16_t(c - 1), uint16_t(c - 1), width, format});
    }
    std::erase_if(columns_, [](const Columns& run) {
        return run.width == wb::Worksheet::kDefaultColumnWidth && run.format < 0;
    });
}

void RawWorkbook::recordRows(const wb::Worksheet& sheet)
{
    defaultRowHeight_ = sheet.allRowsHeight();
    std::set<int32_t> rows;
    for (auto it = sheet.rowStyles().keyBegin(); it != sheet.rowStyles().keyEnd(); ++it)
        rows.insert(*it);
    for (auto it = sheet.rowHeights().keyBegin(); it != sheet.rowHeights().keyEnd(); ++it)
        rows.insert(*it);
    for (int32_t r : rows) {
        int32_t format = -1;
        if (sheet.rowStyles().contains(r)) {
            wb::CellStyle s = sheet.sheetStyle();
            s.apply(sheet.rowStyles().value(r));
            format = formatOf(wb::ResolvedStyle::from(s));
        }
        rows_.push_back({uint32_t(r - 1), sheet.rowHeight(r), format});
    }
}

void RawWorkbook::recordCells(const wb::Worksheet& sheet)
{
    const auto used = sheet.usedCells();
    for (const auto& [r, c] : used) {
        Cell cell{uint32_t(r - 1), uint16_t(c - 1), Cell::Blank, formatOf(wb::ResolvedStyle::from(sheet.style(r, c))), 0, {}};
        const QVariant v = sheet.value(r, c);
        if (!v.isValid()) {
            if (cell.format < 0)
                continue;
        } else if (v.typeId() == QMetaType::Bool) {
            cell.kind = Cell::Boolean;
            cell.number = v.toBool();
        } else if (v.typeId() == QMetaType::Double) {
            cell.kind = Cell::Number;
            cell.number = v.toDouble();
        } else {
            cell.kind = Cell::Text;
            cell.text = utf8(v.toString());
        }
        cells_.push_back(std::move(cell));
    }
    for (auto row = sheet.rowStyles().keyBegin(); row != sheet.rowStyles().keyEnd(); ++row)
        for (auto col = sheet.columnStyles().keyBegin(); col != sheet.columnStyles().keyEnd(); ++col)
            if (!std::binary_search(used.begin(), used.end(), std::make_pair(*row, *col)))
                if (const int32_t format = formatOf(wb::ResolvedStyle::from(sheet.style(*row, *col))); format >= 0)
                    cells_.push_back({uint32_t(*row - 1), uint16_t(*col - 1), Cell::Blank, format, 0, {}});
}

void RawWorkbook::recordShapes(const wb::Worksheet& sheet)
{
    namespace geo = wb::geometry;
    std::vector<wb::Area> taken;
    for (const auto& [r, c] : sheet.usedCells())
        if (sheet.value(r, c).isValid())
            taken.push_back(wb::Area{r, c, r, c});
    for (const wb::Shape& shape : sheet.shapes()) {
        if (shape.kind == wb::Shape::Picture) {
            const auto at = geo::normalized(sheet, {shape.anchorRow, shape.anchorColumn,
                                                    std::llround((shape.left - shape.anchorLeft) * geo::kPixelsPerPoint),
                                                    std::llround((shape.top - shape.anchorTop) * geo::kPixelsPerPoint)});
            pictures_.push_back({uint32_t(at.row - 1), uint16_t(at.column - 1), int32_t(at.x), int32_t(at.y),
                                 QFile::encodeName(shape.picturePath).toStdString(),
                                 utf8(QFileInfo(shape.picturePath).fileName())});
        }
    }
    for (const wb::Shape& box : sheet.shapes()) {
        if (box.kind != wb::Shape::TextBox)
            continue;
        const int64_t x = std::max<int64_t>(0, std::llround(box.left * geo::kPixelsPerPoint));
        const int64_t y = std::max<int64_t>(0, std::llround(box.top * geo::kPixelsPerPoint));
        const int64_t w = std::llround(box.width * geo::kPixelsPerPoint);
        const int64_t h = std::llround(box.height * geo::kPixelsPerPoint);
        const auto start = geo::cellAt(sheet, x, y);
        const auto end = geo::cellAt(sheet, x + std::max<int64_t>(w - 1, 0), y + std::max<int64_t>(h - 1, 0));
        wb::Area area{start.row, start.column, std::max(end.row, start.row), std::max(end.column, start.column)};
        for (int32_t below = 1; below;) {
            below = 0;
            for (const wb::Area& t : taken)
                if (t.top <= area.bottom && t.bottom >= area.top && t.left <= area.right && t.right >= area.left)
                    below = std::max(below, t.bottom);
            if (below) {
                const int32_t shift = below + 1 - area.top;
                area.top += shift;
                area.bottom += shift;
            }
        }
        taken.push_back(area);
        wb::ResolvedStyle s;
        s.fontSize = box.fontSize;
        s.wrapText = true;
        s.horizontalAlignment = wb::xlHAlignLeft;
        s.verticalAlignment = -4160;
        if (box.lineVisible)
            s.left = s.top = s.right = s.bottom = wb::BorderLine{wb::xlThin, wb::xlColorIndexAutomatic};
        if (box.fillVisible && box.fillTransparency < 1) {
            s.interiorColorIndex = 2;
            s.pattern = wb::xlPatternSolid;
        }
        merges_.push_back({uint32_t(area.top - 1), uint16_t(area.left - 1), uint32_t(area.bottom - 1),
                           uint16_t(area.right - 1), utf8(box.text), formatOf(s)});
    }
}

bool RawWorkbook::write(const QString& workFile, const QString& target) const
{
    const QByteArray file = QFile::encodeName(workFile);
    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(tmpdir.constData());
    lxw_workbook* book = workbook_new_opt(file.constData(), &options);
    if (!book)
        return false;
    lxw_worksheet* ws = workbook_add_worksheet(book, name_.c_str());
    std::vector<lxw_format*> formats;
    formats.reserve(formats_.size());
    for (const Format& f : formats_)
        formats.push_back(makeFormat(book, f));
    const auto format = [&](int32_t index) { return index < 0 ? nullptr : formats[size_t(index)]; };

    for (const Columns& run : columns_)
        worksheet_set_column(ws, run.first, run.last, run.width, format(run.format));
    if (defaultRowHeight_)
        worksheet_set_default_row(ws, *defaultRowHeight_, LXW_FALSE);
    for (const Row& row : rows_)
        worksheet_set_row(ws, row.row, row.height, format(row.format));
    for (const Cell& cell : cells_) {
        switch (cell.kind) {
        case Cell::Blank: worksheet_write_blank(ws, cell.row, cell.column, format(cell.format)); break;
        case Cell::Boolean: worksheet_write_boolean(ws, cell.row, cell.column, int(cell.number), format(cell.format)); break;
        case Cell::Number: worksheet_write_number(ws, cell.row, cell.column, cell.number, format(cell.format)); break;
        case Cell::Text: worksheet_write_string(ws, cell.row, cell.column, cell.text.c_str(), format(cell.format)); break;
        }
    }

    if (hideGridlines_)
        worksheet_gridlines(ws, LXW_HIDE_ALL_GRIDLINES);
    if (landscape_)
        worksheet_set_landscape(ws);
    if (scale_ != 100)
        worksheet_set_print_scale(ws, uint16_t(scale_));
    worksheet_set_margins(ws, margins_[0], margins_[1], margins_[2], margins_[3]);
    lxw_header_footer_options header{};
    header.margin = margins_[4];
    worksheet_set_header_opt(ws, header_.c_str(), &header);
    lxw_header_footer_options footer{};
    footer.margin = margins_[5];
    worksheet_set_footer_opt(ws, footer_.c_str(), &footer);
    worksheet_set_selection(ws, selection_[0], lxw_col_t(selection_[1]), selection_[2], lxw_col_t(selection_[3]));

    for (const Picture& picture : pictures_) {
        lxw_image_options image{};
        image.x_offset = picture.x;
        image.y_offset = picture.y;
        image.x_scale = 1;
        image.y_scale = 1;
        image.description = const_cast<char*>(picture.description.c_str());
        worksheet_insert_image_opt(ws, picture.row, picture.column, picture.file.c_str(), &image);
    }
    for (const Merge& merge : merges_) {
        if (merge.top == merge.bottom && merge.left == merge.right)
            worksheet_write_string(ws, merge.top, merge.left, merge.text.c_str(), format(merge.format));
        else
            worksheet_merge_range(ws, merge.top, merge.left, merge.bottom, merge.right, merge.text.c_str(),
                                  format(merge.format));
    }
    if (workbook_close(book) != LXW_NO_ERROR)
        return false;

    std::string bytes;
    const bool ok = readWhole(file, bytes) && replaceWith(target, bytes);
    ::unlink(file.constData());
    return ok;
}

} // namespace benchsupport
