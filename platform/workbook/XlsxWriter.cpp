#include "platform/workbook/XlsxWriter.h"

#include "platform/FileOps.h"
#include "platform/Folders.h"
#include "platform/ReplacementJournal.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/SheetGeometry.h"
#include "platform/workbook/Worksheet.h"
#include "platform/workbook/XlConstants.h"
#include "platform/workbook/XlsxLibrary.h"
#include "platform/workbook/XlsxStyleCodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <set>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::workbook {

namespace {

// The workbook library's functions; the first use loads it.
const XlsxLibrary& lib() { return xlsxLibrary(); }

[[noreturn]] void refuse(const QString& what)
{
    throw RuntimeError(kApplicationError, what);
}

// Text as the file needs it: UTF-8 without the code units XML can't hold
// (lone surrogates, U+FFFE, U+FFFF), each replaced by U+FFFD.
QByteArray xmlText(const QString& text)
{
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            clean.append(ch).append(text[++i]);
        } else if (ch.isSurrogate() || ch.unicode() == 0xFFFE || ch.unicode() == 0xFFFF || ch.unicode() == 0) {
            clean.append(QChar(QChar::ReplacementCharacter));
        } else {
            clean.append(ch);
        }
    }
    return clean.toUtf8();
}

// The library reads colour 0 as "no colour": black has its own value.
lxw_color_t color(uint32_t rgb)
{
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : lxw_color_t(rgb);
}

void setFill(lxw_format* f, const ResolvedStyle& s)
{
    const uint8_t pattern = fillPattern(s.pattern);
    if (pattern == LXW_PATTERN_NONE)
        return;
    lib().format_set_pattern(f, pattern);
    const auto interior = paletteColor(s.interiorColorIndex);
    if (pattern == LXW_PATTERN_SOLID) {
        // The library makes the one colour of a solid fill its foreground.
        lib().format_set_bg_color(f, color(interior.value_or(0xFFFFFF)));
        return;
    }
    lib().format_set_fg_color(f, color(paletteColor(s.patternColorIndex).value_or(0)));
    if (interior)
        lib().format_set_bg_color(f, color(*interior));
}

void setBorders(lxw_format* f, const ResolvedStyle& s)
{
    using Style = void (*)(lxw_format*, uint8_t);
    using Color = void (*)(lxw_format*, lxw_color_t);
    const struct { const BorderLine& line; Style style; Color color; } sides[] = {
        {s.left, lib().format_set_left, lib().format_set_left_color},
        {s.top, lib().format_set_top, lib().format_set_top_color},
        {s.right, lib().format_set_right, lib().format_set_right_color},
        {s.bottom, lib().format_set_bottom, lib().format_set_bottom_color},
    };
    for (const auto& side : sides) {
        if (!side.line.weight)
            continue;
        side.style(f, borderStyle(side.line.weight));
        if (const auto rgb = paletteColor(side.line.colorIndex))
            side.color(f, color(*rgb));
    }
}

[[noreturn]] void failWithErrno(int errnoValue, const QString& path)
{
    const int number = fileops::errorNumberFor(errnoValue, path);
    throw RuntimeError(number, QStringLiteral("%1: %2").arg(RuntimeError::standardText(number), QDir::toNativeSeparators(path)));
}

bool isStorageFailure(int errnoValue)
{
    return errnoValue == ENOSPC || errnoValue == EDQUOT || errnoValue == EFBIG || errnoValue == EIO ||
           errnoValue == EROFS;
}

// The file the library writes the workbook into, beside the target under a
// name of the file layer's writers; removed unless it became the target.
struct TemporaryFile {
    QString name;
    ~TemporaryFile()
    {
        if (!name.isEmpty())
            fileops::removeQuietly(name);
    }
};

// Makes the empty, private file the library then writes into.
QString createBeside(const QFileInfo& target)
{
    for (int attempt = 0;; ++attempt) {
        const QString name = replacementName(target, ".new");
        const int fd = fileops::createExclusive(name, 0600);
        if (fd < 0) {
            if (errno == EEXIST && attempt < 100)
                continue;
            failWithErrno(errno, target.filePath());
        }
        if (!fileops::close(fd, name)) {
            const int cause = errno;
            fileops::removeQuietly(name);
            failWithErrno(cause, target.filePath());
        }
        return name;
    }
}

// Forces the written workbook to the disk and gives it the bits of any new file.
void finishWritten(const QString& name, const QString& target)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        failWithErrno(errno, target);
    ::fchmod(fd, fileops::newFileMode()); // it was created private
    if (!fileops::flush(fd, name)) {
        const int cause = errno;
        ::close(fd);
        failWithErrno(cause, target);
    }
    if (!fileops::close(fd, name))
        failWithErrno(errno, target);
}

// Gives the finished workbook the target's name. A link, not a rename: it never
// replaces a file that appeared meanwhile.
void publish(TemporaryFile& written, const QString& target)
{
    if (!fileops::link(written.name, target))
        failWithErrno(errno, target);
    fileops::removeQuietly(written.name);
    written.name.clear();
    if (!fileops::syncFolder(QFileInfo(target).absolutePath())) {
        const int cause = errno;
        fileops::removeQuietly(target); // the save failed: it leaves nothing
        failWithErrno(cause, target);
    }
}

} // namespace

void XlsxWriter::write(const QString& path)
{
    lib(); // a library that cannot be loaded refuses the save before anything is written
    const QFileInfo target(path);
    if (path.isEmpty() || target.exists() || target.isSymLink())
        refuse(QStringLiteral("Cannot save the workbook as \"%1\": the file exists").arg(path));
    if (!QFileInfo(target.absolutePath()).isDir())
        refuse(QStringLiteral("Cannot save the workbook as \"%1\": the folder does not exist").arg(path));
    TemporaryFile written{createBeside(QFileInfo(target.absoluteFilePath()))};

    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(tmpdir.constData());
    book_ = lib().workbook_new_opt(QFile::encodeName(written.name).constData(), &options);
    if (!book_)
        refuse(QStringLiteral("Cannot save the workbook as \"%1\"").arg(path));
    try {
        fill();
    } catch (...) {
        lib().lxw_workbook_free(book_);
        book_ = nullptr;
        throw;
    }
    errno = 0;
    const lxw_error closed = lib().workbook_close(book_);
    const int cause = errno;
    book_ = nullptr;
    // The library only says that writing failed; a full or failing disk, which
    // the user can act on, is told as the file layer tells it.
    if (closed != LXW_NO_ERROR && isStorageFailure(cause))
        failWithErrno(cause, path);
    check(closed, "Cannot write the workbook");
    finishWritten(written.name, path);
    publish(written, target.absoluteFilePath());
}

void XlsxWriter::fill()
{
    ws_ = lib().workbook_add_worksheet(book_, xmlText(sheet_.Name()).constData());
    if (!ws_)
        refuse(QStringLiteral("The sheet name \"%1\" can't be written").arg(sheet_.Name()));
    writeColumns();
    writeRows();
    writeCells();
    writePage();
    writePictures();
    writeTextBoxes();
}

void XlsxWriter::writeCells()
{
    const auto cells = sheet_.usedCells();
    for (const auto& [r, c] : cells) {
        lxw_format* f = format(ResolvedStyle::from(sheet_.style(r, c)));
        const QVariant v = sheet_.value(r, c);
        const lxw_row_t row = lxw_row_t(r - 1);
        const lxw_col_t col = lxw_col_t(c - 1);
        if (!v.isValid()) {
            if (f)
                check(lib().worksheet_write_blank(ws_, row, col, f), "Cannot write a cell");
        } else if (v.typeId() == QMetaType::Bool) {
            check(lib().worksheet_write_boolean(ws_, row, col, v.toBool(), f), "Cannot write a cell");
        } else if (v.typeId() == QMetaType::Double) {
            check(lib().worksheet_write_number(ws_, row, col, v.toDouble(), f), "Cannot write a cell");
        } else {
            check(lib().worksheet_write_string(ws_, row, col, xmlText(v.toString()).constData(), f), "Cannot write a cell");
        }
    }
    // Where a formatted row crosses a formatted column the file needs the
    // cell itself, or the row's format alone would show there.
    for (auto row = sheet_.rowStyles().keyBegin(); row != sheet_.rowStyles().keyEnd(); ++row) {
        for (auto col = sheet_.columnStyles().keyBegin(); col != sheet_.columnStyles().keyEnd(); ++col) {
            if (std::binary_search(cells.begin(), cells.end(), std::make_pair(*row, *col)))
                continue;
            if (lxw_format* f = format(ResolvedStyle::from(sheet_.style(*row, *col))))
                check(lib().worksheet_write_blank(ws_, lxw_row_t(*row - 1), lxw_col_t(*col - 1), f), "Cannot write a cell");
        }
    }
}

// The columns with a width or a format of their own and the columns between
// them, which have the sheet's, merged into runs of equal width and format;
// a run of the default width without a format is left out.
void XlsxWriter::writeColumns()
{
    lxw_format* const sheetFormat = format(ResolvedStyle::from(sheet_.sheetStyle()));
    std::set<int32_t> own;
    for (auto c = sheet_.columnWidths().keyBegin(); c != sheet_.columnWidths().keyEnd(); ++c)
        own.insert(*c);
    for (auto c = sheet_.columnStyles().keyBegin(); c != sheet_.columnStyles().keyEnd(); ++c)
        own.insert(*c);
    int32_t next = 1; // the first column not given yet
    for (const int32_t c : own) {
        if (c > next)
            addColumns(next, c - 1, Worksheet::kDefaultColumnWidth, sheetFormat);
        lxw_format* f = sheetFormat;
        if (const auto style = sheet_.columnStyles().constFind(c); style != sheet_.columnStyles().cend()) {
            CellStyle s = sheet_.sheetStyle();
            s.apply(*style);
            f = format(ResolvedStyle::from(s));
        }
        addColumns(c, c, sheet_.columnWidth(c), f);
        next = c + 1;
    }
    if (next <= kMaxColumns)
        addColumns(next, kMaxColumns, Worksheet::kDefaultColumnWidth, sheetFormat);
    flushColumns();
}

// Columns first..last, given in order, join the current run when they look the same.
void XlsxWriter::addColumns(int32_t first, int32_t last, double width, lxw_format* f)
{
    if (run_.last + 1 == first && run_.width == width && run_.format == f) {
        run_.last = last;
        return;
    }
    flushColumns();
    run_ = ColumnRun{first, last, width, f};
}

void XlsxWriter::flushColumns()
{
    if (run_.first > 0 && (run_.width != Worksheet::kDefaultColumnWidth || run_.format))
        check(lib().worksheet_set_column(ws_, lxw_col_t(run_.first - 1), lxw_col_t(run_.last - 1), run_.width, run_.format),
              "Cannot set a column");
    run_ = ColumnRun{};
}

void XlsxWriter::writeRows()
{
    if (const auto common = sheet_.allRowsHeight())
        lib().worksheet_set_default_row(ws_, *common, LXW_FALSE);
    std::set<int32_t> rows;
    for (auto it = sheet_.rowStyles().keyBegin(); it != sheet_.rowStyles().keyEnd(); ++it)
        rows.insert(*it);
    for (auto it = sheet_.rowHeights().keyBegin(); it != sheet_.rowHeights().keyEnd(); ++it)
        rows.insert(*it);
    for (int32_t r : rows) {
        lxw_format* f = nullptr;
        if (sheet_.rowStyles().contains(r)) {
            CellStyle s = sheet_.sheetStyle();
            s.apply(sheet_.rowStyles().value(r));
            f = format(ResolvedStyle::from(s));
        }
        check(lib().worksheet_set_row(ws_, lxw_row_t(r - 1), sheet_.rowHeight(r), f), "Cannot set a row");
    }
}

void XlsxWriter::writePage()
{
    const PageSetup& page = sheet_.pageSetup();
    if (!sheet_.displayGridlines())
        lib().worksheet_gridlines(ws_, LXW_HIDE_ALL_GRIDLINES);
    if (page.orientation == xlLandscape)
        lib().worksheet_set_landscape(ws_);
    // The page setup's zoom is the print scale; the window's zoom stays.
    const int32_t scale = std::clamp(page.zoom, 10, 400);
    if (scale != 100)
        lib().worksheet_set_print_scale(ws_, uint16_t(scale));
    lib().worksheet_set_margins(ws_, page.leftMargin / 72, page.rightMargin / 72, page.topMargin / 72, page.bottomMargin / 72);

    lxw_header_footer_options header{};
    header.margin = page.headerMargin / 72;
    const QByteArray headerText = page.centerHeader.isEmpty() ? QByteArray() : xmlText(QStringLiteral("&C") + page.centerHeader);
    check(lib().worksheet_set_header_opt(ws_, headerText.constData(), &header), "Cannot set the page header");
    lxw_header_footer_options footer{};
    footer.margin = page.footerMargin / 72;
    const QByteArray footerText = page.centerFooter.isEmpty() ? QByteArray() : xmlText(QStringLiteral("&C") + page.centerFooter);
    check(lib().worksheet_set_footer_opt(ws_, footerText.constData(), &footer), "Cannot set the page footer");

    const Area& selected = sheet_.selectionAreas().front();
    lib().worksheet_set_selection(ws_, lxw_row_t(selected.top - 1), lxw_col_t(selected.left - 1),
                            lxw_row_t(selected.bottom - 1), lxw_col_t(selected.right - 1));
}

void XlsxWriter::writePictures()
{
    for (const Shape& shape : sheet_.shapes()) {
        if (shape.kind != Shape::Picture)
            continue;
        // The picture stays on its cell, moved by what it was moved since.
        const auto at = geometry::normalized(
            sheet_, {shape.anchorRow, shape.anchorColumn,
                     std::llround((shape.left - shape.anchorLeft) * geometry::kPixelsPerPoint),
                     std::llround((shape.top - shape.anchorTop) * geometry::kPixelsPerPoint)});
        QByteArray description = xmlText(QFileInfo(shape.picturePath).fileName());
        lxw_image_options options{};
        options.x_offset = int32_t(at.x);
        options.y_offset = int32_t(at.y);
        options.x_scale = 1;
        options.y_scale = 1;
        options.description = description.data();
        const QByteArray file = pictureFile(shape.pictureData);
        check(lib().worksheet_insert_image_opt(ws_, lxw_row_t(at.row - 1), lxw_col_t(at.column - 1), file.constData(), &options),
              "Cannot insert a picture");
    }
}

// The file a picture's content is inserted from. Given bytes, the library
// copies them into a new temporary file of its own at every insertion, while
// a file it only opens; so each distinct content is written once per
// workbook, into the private working folder, and inserted from there.
QByteArray XlsxWriter::pictureFile(const QByteArray& data)
{
    if (const auto known = pictureFiles_.constFind(data.constData()); known != pictureFiles_.cend())
        return *known;
    auto copy = std::make_unique<QTemporaryFile>(QDir(folders::workingFolder()).filePath(QStringLiteral("picture-XXXXXX")));
    if (!copy->open() || copy->write(data) != data.size() || !copy->flush())
        refuse(QStringLiteral("Cannot insert a picture: %1").arg(copy->errorString()));
    copy->close();
    const QByteArray name = QFile::encodeName(copy->fileName());
    pictureCopies_.push_back(std::move(copy));
    pictureFiles_.insert(data.constData(), name);
    return name;
}

void XlsxWriter::writeTextBoxes()
{
    for (const Shape& shape : sheet_.shapes())
        if (shape.kind == Shape::TextBox)
            writeTextBox(shape);
}

// The cells under the box; moved down below any value or earlier box it would cover.
Area XlsxWriter::placeTextBox(const Shape& box) const
{
    const int64_t x = std::max<int64_t>(0, std::llround(box.left * geometry::kPixelsPerPoint));
    const int64_t y = std::max<int64_t>(0, std::llround(box.top * geometry::kPixelsPerPoint));
    const int64_t w = std::llround(box.width * geometry::kPixelsPerPoint);
    const int64_t h = std::llround(box.height * geometry::kPixelsPerPoint);
    const auto start = geometry::cellAt(sheet_, x, y);
    const auto end = geometry::cellAt(sheet_, x + std::max<int64_t>(w - 1, 0), y + std::max<int64_t>(h - 1, 0));
    Area area{start.row, start.column, std::max(end.row, start.row), std::max(end.column, start.column)};

    std::vector<Area> taken = boxes_;
    for (const auto& [r, c] : sheet_.usedCells())
        if (sheet_.value(r, c).isValid())
            taken.push_back(Area{r, c, r, c});
    for (;;) {
        int32_t below = 0;
        for (const Area& t : taken)
            if (t.top <= area.bottom && t.bottom >= area.top && t.left <= area.right && t.right >= area.left)
                below = std::max(below, t.bottom);
        if (!below)
            return area;
        const int32_t shift = below + 1 - area.top;
        area.top += shift;
        area.bottom += shift;
        if (area.bottom > kMaxRows)
            refuse(QStringLiteral("The text box does not fit on the sheet"));
    }
}

void XlsxWriter::writeTextBox(const Shape& box)
{
    const Area area = placeTextBox(box);
    boxes_.push_back(area);
    ResolvedStyle s;
    s.fontSize = box.fontSize;
    s.wrapText = true;
    s.horizontalAlignment = xlHAlignLeft;
    s.verticalAlignment = -4160; // top
    if (box.lineVisible)
        s.left = s.top = s.right = s.bottom = BorderLine{xlThin, xlColorIndexAutomatic};
    if (box.fillVisible && box.fillTransparency < 1) {
        s.interiorColorIndex = 2; // white
        s.pattern = xlPatternSolid;
    }
    lxw_format* f = format(s);
    const QByteArray text = xmlText(box.text);
    const lxw_row_t top = lxw_row_t(area.top - 1);
    const lxw_col_t left = lxw_col_t(area.left - 1);
    if (area.top == area.bottom && area.left == area.right) {
        check(text.isEmpty() ? lib().worksheet_write_blank(ws_, top, left, f) : lib().worksheet_write_string(ws_, top, left, text.constData(), f),
              "Cannot write a text box");
        return;
    }
    check(lib().worksheet_merge_range(ws_, top, left, lxw_row_t(area.bottom - 1), lxw_col_t(area.right - 1), text.constData(), f),
          "Cannot write a text box");
}

size_t qHash(const FormatKey& k, size_t seed)
{
    seed = qHashMulti(seed, k.fontSize, k.fontName, k.fontColorIndex, k.horizontalAlignment, k.verticalAlignment,
                      k.interiorColorIndex, k.pattern, k.patternColorIndex, k.bold, k.italic, k.wrapText);
    return qHashRange(k.borders.begin(), k.borders.end(), seed);
}

XlsxWriter::XlsxWriter(const Worksheet& sheet) : sheet_(sheet), plain_(keyOf(ResolvedStyle{})) {}

XlsxWriter::~XlsxWriter() = default;

FormatKey XlsxWriter::keyOf(const ResolvedStyle& s)
{
    FormatKey k;
    k.fontSize = s.fontSize;
    const auto name = std::find(fontNames_.cbegin(), fontNames_.cend(), s.fontName);
    k.fontName = int32_t(name - fontNames_.cbegin());
    if (name == fontNames_.cend())
        fontNames_.push_back(s.fontName);
    k.fontColorIndex = s.fontColorIndex;
    k.horizontalAlignment = s.horizontalAlignment;
    k.verticalAlignment = s.verticalAlignment;
    k.interiorColorIndex = s.interiorColorIndex;
    k.pattern = s.pattern;
    k.patternColorIndex = s.patternColorIndex;
    k.borders = {s.left.weight, s.left.colorIndex, s.top.weight, s.top.colorIndex,
                 s.right.weight, s.right.colorIndex, s.bottom.weight, s.bottom.colorIndex};
    k.bold = s.bold;
    k.italic = s.italic;
    k.wrapText = s.wrapText;
    return k;
}

lxw_format* XlsxWriter::format(const ResolvedStyle& s)
{
    const FormatKey key = keyOf(s);
    if (key == plain_)
        return nullptr;
    if (lxw_format* known = formats_.value(key))
        return known;
    lxw_format* f = lib().workbook_add_format(book_);
    if (!f)
        refuse(QStringLiteral("Cannot add a cell format"));
    if (s.fontName != ResolvedStyle{}.fontName)
        lib().format_set_font_name(f, xmlText(s.fontName).constData());
    if (s.fontSize != ResolvedStyle{}.fontSize)
        lib().format_set_font_size(f, s.fontSize);
    if (s.bold)
        lib().format_set_bold(f);
    if (s.italic)
        lib().format_set_italic(f);
    if (const auto rgb = paletteColor(s.fontColorIndex))
        lib().format_set_font_color(f, color(*rgb));
    if (const uint8_t a = horizontalAlign(s.horizontalAlignment))
        lib().format_set_align(f, a);
    if (const uint8_t a = verticalAlign(s.verticalAlignment))
        lib().format_set_align(f, a);
    if (s.wrapText)
        lib().format_set_text_wrap(f);
    setFill(f, s);
    setBorders(f, s);
    formats_.insert(key, f);
    return f;
}

void XlsxWriter::check(int error, const char* what) const
{
    if (error != LXW_NO_ERROR)
        refuse(QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLatin1(lib().lxw_strerror(lxw_error(error)))));
}

} // namespace platform::workbook
