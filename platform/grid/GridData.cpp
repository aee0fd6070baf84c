#include "GridData.h"

#include "GridFile.h"
#include "platform/RuntimeError.h"
#include "platform/Val.h"

#include <QFile>

#include <algorithm>

namespace platform::grid {

namespace {

constexpr int32_t errInvalidIndex = 381;
constexpr int32_t errReadOnlyProperty = 383;

uint32_t colorOf(const QVariant& value)
{
    return static_cast<uint32_t>(value.toLongLong() & 0xFFFFFFFFLL);
}

int8_t flagOf(const QVariant& value)
{
    return value.toBool() ? 1 : 0;
}

// Keeps one end of the current cell inside count entries of which fixed are titles:
// -1 when there is no scrollable entry, else moved out of the titles and below the end.
int32_t fitCurrent(int32_t value, int32_t fixed, int32_t count)
{
    if (count <= fixed)
        return -1;
    return std::clamp(value, fixed, count - 1);
}

int32_t fitEnd(int32_t value, int32_t current, int32_t count)
{
    if (current < 0)
        return -1;
    return value < 0 || value >= count ? current : value;
}

} // namespace

GridData::GridData()
{
    // A new grid looks as the designed forms expect before they shape it.
    s_.fixedRows = 1;
    s_.fixedCols = 1;
    setCols(10);
    setRows(50);
}

// ---- geometry ---------------------------------------------------------------

void GridData::setRows(int32_t rows)
{
    if (rows < 0)
        throw RuntimeError(errInvalidPropertyValue);
    s_.rowHeights.resize(static_cast<size_t>(rows), -1);
    for (ColEntry& column : s_.colEntries)
        sizeColumn(column);
    s_.fixedRows = std::min(s_.fixedRows, rows);
    keepCurrentCellInside();
    notify(true);
}

void GridData::setCols(int32_t cols)
{
    if (cols < 0)
        throw RuntimeError(errInvalidPropertyValue);
    s_.cols = cols;
    s_.colEntries.resize(static_cast<size_t>(cols));
    for (ColEntry& column : s_.colEntries)
        sizeColumn(column);
    s_.fixedCols = std::min(s_.fixedCols, cols);
    keepCurrentCellInside();
    notify(true);
}

void GridData::setFixedRows(int32_t rows)
{
    if (rows < 0 || rows > Rows())
        throw RuntimeError(errInvalidPropertyValue);
    s_.fixedRows = rows;
    keepCurrentCellInside();
    notify(true);
}

void GridData::setFixedCols(int32_t cols)
{
    if (cols < 0 || cols > Cols())
        throw RuntimeError(errInvalidPropertyValue);
    s_.fixedCols = cols;
    keepCurrentCellInside();
    notify(true);
}

int32_t GridData::RowHeight(int32_t row) const
{
    checkRow(row);
    const int32_t height = s_.rowHeights[static_cast<size_t>(row)];
    return height < 0 ? kDefaultRowHeight : height;
}

void GridData::setRowHeight(int32_t row, int32_t twips)
{
    if (twips < -1)
        throw RuntimeError(errInvalidPropertyValue);
    if (row == -1) {
        std::fill(s_.rowHeights.begin(), s_.rowHeights.end(), twips);
    } else {
        checkRow(row);
        s_.rowHeights[static_cast<size_t>(row)] = twips;
    }
    notify(true);
}

int32_t GridData::ColWidth(int32_t col) const
{
    checkCol(col);
    const int32_t width = s_.colEntries[static_cast<size_t>(col)].width;
    return width < 0 ? kDefaultColWidth : width;
}

void GridData::setColWidth(int32_t col, int32_t twips)
{
    if (twips < -1)
        throw RuntimeError(errInvalidPropertyValue);
    if (col == -1) {
        for (ColEntry& entry : s_.colEntries)
            entry.width = twips;
    } else {
        checkCol(col);
        s_.colEntries[static_cast<size_t>(col)].width = twips;
    }
    notify(true);
}

bool GridData::ColHidden(int32_t col) const
{
    checkCol(col);
    return s_.colEntries[static_cast<size_t>(col)].hidden;
}

void GridData::setColHidden(int32_t col, bool hidden)
{
    checkCol(col);
    s_.colEntries[static_cast<size_t>(col)].hidden = hidden;
    notify(true);
}

int32_t GridData::ColData(int32_t col) const
{
    checkCol(col);
    return s_.colEntries[static_cast<size_t>(col)].data;
}

void GridData::setColData(int32_t col, int32_t value)
{
    checkCol(col);
    s_.colEntries[static_cast<size_t>(col)].data = value;
}

int32_t GridData::ColAlignment(int32_t col) const
{
    checkCol(col);
    return s_.colEntries[static_cast<size_t>(col)].alignment;
}

void GridData::setColAlignment(int32_t col, int32_t alignment)
{
    if (alignment < alignLeftTop || alignment > alignGeneral)
        throw RuntimeError(errInvalidPropertyValue);
    checkCol(col);
    s_.colEntries[static_cast<size_t>(col)].alignment = alignment;
    notify(false);
}

QString GridData::ColComboList(int32_t col) const
{
    checkCol(col);
    return s_.colEntries[static_cast<size_t>(col)].comboList;
}

void GridData::setColComboList(int32_t col, const QString& list)
{
    checkCol(col);
    ColEntry& entry = s_.colEntries[static_cast<size_t>(col)];
    entry.comboList = list;
    entry.parsedList = grid::ComboList::parse(list);
    notify(false);
}

const grid::ComboList& GridData::colComboListParsed(int32_t col) const
{
    checkCol(col);
    return s_.colEntries[static_cast<size_t>(col)].parsedList;
}

grid::ComboList GridData::editList(int32_t row, int32_t col) const
{
    checkCell(row, col);
    if (!s_.comboList.isEmpty())
        return grid::ComboList::parse(s_.comboList);
    return s_.colEntries[static_cast<size_t>(col)].parsedList;
}

// ---- content ----------------------------------------------------------------

QString GridData::TextMatrix(int32_t row, int32_t col) const
{
    checkCell(row, col);
    return s_.colEntries[static_cast<size_t>(col)].texts[static_cast<size_t>(row)];
}

void GridData::setTextMatrix(int32_t row, int32_t col, const QString& text)
{
    checkCell(row, col);
    s_.colEntries[static_cast<size_t>(col)].texts[static_cast<size_t>(row)] = text;
    notify(false);
}

double GridData::ValueMatrix(int32_t row, int32_t col) const
{
    // The leading number of the text; a text too large to read counts as no number.
    try {
        return Val(TextMatrix(row, col));
    } catch (const RuntimeError& error) {
        if (error.number() == errInvalidIndex)
            throw;
        return 0;
    }
}

QString GridData::TextDisplay(int32_t row, int32_t col) const
{
    return colComboListParsed(col).displayOf(TextMatrix(row, col));
}

QString GridData::Text() const
{
    return TextMatrix(s_.row, s_.col);
}

void GridData::setText(const QString& text)
{
    setTextMatrix(s_.row, s_.col, text);
}

QVariant GridData::Cell(CellProperty what, int32_t row, int32_t col) const
{
    checkCell(row, col);
    switch (what) {
    case CellProperty::Text: return TextMatrix(row, col);
    case CellProperty::Alignment: return CellAlignment(row, col);
    case CellProperty::Picture: return QVariant::fromValue(CellPicture(row, col));
    case CellProperty::PictureAlignment: return CellPictureAlignment(row, col);
    case CellProperty::BackColor: return CellBackColor(row, col);
    case CellProperty::ForeColor: return CellForeColor(row, col);
    case CellProperty::FontName: return CellFont(row, col).family();
    case CellProperty::FontSize: return CellFont(row, col).pointSizeF();
    case CellProperty::FontBold: return CellFont(row, col).bold();
    case CellProperty::FontItalic: return CellFont(row, col).italic();
    case CellProperty::FontUnderline: return CellFont(row, col).underline();
    case CellProperty::Value: return ValueMatrix(row, col);
    case CellProperty::TextDisplay: return TextDisplay(row, col);
    case CellProperty::Data: return CellData(row, col);
    }
    throw RuntimeError(errInvalidPropertyValue);
}

void GridData::setCell(CellProperty what, int32_t row, int32_t col, const QVariant& value)
{
    setCell(what, row, col, row, col, value);
}

void GridData::setCell(CellProperty what, int32_t row1, int32_t col1, int32_t row2, int32_t col2,
                       const QVariant& value)
{
    checkCell(row1, col1);
    checkCell(row2, col2);
    if (what == CellProperty::Value || what == CellProperty::TextDisplay)
        throw RuntimeError(errReadOnlyProperty, QStringLiteral("Property is read-only"));
    const int32_t top = std::min(row1, row2);
    const int32_t bottom = std::max(row1, row2);
    const int32_t left = std::min(col1, col2);
    const int32_t right = std::max(col1, col2);
    for (int32_t c = left; c <= right; ++c) {
        ColEntry& column = s_.colEntries[static_cast<size_t>(c)];
        if (what == CellProperty::Text) {
            const QString text = value.toString();
            std::fill(column.texts.begin() + top, column.texts.begin() + bottom + 1, text);
        } else if (what == CellProperty::Data) {
            if (column.cellData.empty())
                column.cellData.resize(column.texts.size());
            std::fill(column.cellData.begin() + top, column.cellData.begin() + bottom + 1, value);
        } else {
            relook(column, top, bottom, what, value);
        }
    }
    notify(false);
}

// Gives the cells top to bottom of a column their looks with one format
// changed. Cells of one look get one new look: a range of thousands of cells
// asks the table for a handful of looks.
void GridData::relook(ColEntry& column, int32_t top, int32_t bottom, CellProperty what, const QVariant& value)
{
    if (s_.looks.size() >= lookLimit_)
        dropUnusedLooks();
    uint32_t lastOld = UINT32_MAX;
    uint32_t lastNew = 0;
    for (int32_t r = top; r <= bottom; ++r) {
        uint32_t& number = column.looks[static_cast<size_t>(r)];
        if (number != lastOld) {
            CellLook changed = s_.looks[number];
            lastOld = number;
            lastNew = writeLook(changed, what, value) ? lookNumber(changed) : number;
        }
        number = lastNew;
    }
}

bool GridData::writeLook(CellLook& look, CellProperty what, const QVariant& value)
{
    const auto set = [](auto& field, auto newValue) {
        if (field == newValue)
            return false;
        field = std::move(newValue);
        return true;
    };
    switch (what) {
    case CellProperty::Alignment: return set(look.alignment, value.toInt());
    case CellProperty::Picture: {
        const QPixmap picture = value.value<QPixmap>();
        if (picture.cacheKey() == look.picture.cacheKey())
            return false;
        look.picture = picture;
        return true;
    }
    case CellProperty::PictureAlignment: return set(look.pictureAlignment, value.toInt());
    case CellProperty::BackColor: return set(look.backColor, std::optional<uint32_t>(colorOf(value)));
    case CellProperty::ForeColor: return set(look.foreColor, std::optional<uint32_t>(colorOf(value)));
    case CellProperty::FontName: return set(look.font.name, value.toString());
    case CellProperty::FontSize: return set(look.font.size, value.toDouble());
    case CellProperty::FontBold: return set(look.font.bold, flagOf(value));
    case CellProperty::FontItalic: return set(look.font.italic, flagOf(value));
    case CellProperty::FontUnderline: return set(look.font.underline, flagOf(value));
    case CellProperty::Text:
    case CellProperty::Data:
    case CellProperty::Value:
    case CellProperty::TextDisplay: break;
    }
    return false;
}

bool GridData::CellLook::operator==(const CellLook& other) const
{
    return backColor == other.backColor && foreColor == other.foreColor && font == other.font &&
           alignment == other.alignment && pictureAlignment == other.pictureAlignment &&
           picture.cacheKey() == other.picture.cacheKey();
}

size_t GridData::CellLookHash::operator()(const CellLook& look) const
{
    size_t seed = qHashMulti(0, look.backColor.value_or(0), look.backColor.has_value(), look.foreColor.value_or(0),
                             look.foreColor.has_value(), look.font.name, look.font.size, look.font.bold);
    return qHashMulti(seed, look.font.italic, look.font.underline, look.alignment, look.pictureAlignment,
                      look.picture.cacheKey());
}

uint32_t GridData::lookNumber(const CellLook& look)
{
    const auto [it, added] = s_.lookNumbers.try_emplace(look, static_cast<uint32_t>(s_.looks.size()));
    if (added)
        s_.looks.push_back(look);
    return it->second;
}

void GridData::dropUnusedLooks()
{
    std::vector<uint32_t> renumbered(s_.looks.size(), UINT32_MAX);
    std::vector<CellLook> kept;
    renumbered[0] = 0;
    kept.push_back(s_.looks[0]);
    for (ColEntry& column : s_.colEntries) {
        for (uint32_t& number : column.looks) {
            if (renumbered[number] == UINT32_MAX) {
                renumbered[number] = static_cast<uint32_t>(kept.size());
                kept.push_back(s_.looks[number]);
            }
            number = renumbered[number];
        }
    }
    s_.looks = std::move(kept);
    s_.lookNumbers.clear();
    for (size_t i = 0; i < s_.looks.size(); ++i)
        s_.lookNumbers.emplace(s_.looks[i], static_cast<uint32_t>(i));
    lookLimit_ = std::max(kLookLimit, 2 * s_.looks.size());
}

uint32_t GridData::CellBackColor(int32_t row, int32_t col) const
{
    const CellLook& entry = look(row, col);
    if (entry.backColor)
        return *entry.backColor;
    return isFixed(row, col) ? s_.backColorFixed : s_.backColor;
}

uint32_t GridData::CellForeColor(int32_t row, int32_t col) const
{
    const CellLook& entry = look(row, col);
    if (entry.foreColor)
        return *entry.foreColor;
    return isFixed(row, col) ? s_.foreColorFixed : s_.foreColor;
}

QVariant GridData::CellData(int32_t row, int32_t col) const
{
    checkCell(row, col);
    const ColEntry& column = s_.colEntries[static_cast<size_t>(col)];
    return column.cellData.empty() ? QVariant() : column.cellData[static_cast<size_t>(row)];
}

QFont GridData::CellFont(int32_t row, int32_t col) const
{
    return fontWith(CellFontSettingsOf(row, col));
}

const CellFontSettings& GridData::CellFontSettingsOf(int32_t row, int32_t col) const
{
    return look(row, col).font;
}

QFont GridData::fontWith(const CellFontSettings& settings) const
{
    QFont font = s_.font;
    if (!settings.name.isEmpty())
        font.setFamily(settings.name);
    if (settings.size > 0)
        font.setPointSizeF(settings.size);
    if (settings.bold >= 0)
        font.setBold(settings.bold == 1);
    if (settings.italic >= 0)
        font.setItalic(settings.italic == 1);
    if (settings.underline >= 0)
        font.setUnderline(settings.underline == 1);
    return font;
}

int32_t GridData::CellAlignment(int32_t row, int32_t col) const
{
    const CellLook& entry = look(row, col);
    return entry.alignment >= 0 ? entry.alignment : s_.colEntries[static_cast<size_t>(col)].alignment;
}

QPixmap GridData::CellPicture(int32_t row, int32_t col) const
{
    return look(row, col).picture;
}

int32_t GridData::CellPictureAlignment(int32_t row, int32_t col) const
{
    const int32_t alignment = look(row, col).pictureAlignment;
    return alignment >= 0 ? alignment : alignLeftCenter;
}

// ---- current cell and selection ----------------------------------------------

void GridData::setRow(int32_t row)
{
    checkRow(row);
    moveCurrent(row, s_.col, row, s_.col);
}

void GridData::setCol(int32_t col)
{
    checkCol(col);
    moveCurrent(s_.row, col, s_.row, col);
}

void GridData::setRowSel(int32_t row)
{
    checkRow(row);
    if (row == s_.rowSel)
        return;
    s_.rowSel = row;
    if (events_.selChange)
        events_.selChange();
    notify(false);
}

void GridData::setColSel(int32_t col)
{
    checkCol(col);
    if (col == s_.colSel)
        return;
    s_.colSel = col;
    if (events_.selChange)
        events_.selChange();
    notify(false);
}

bool GridData::Select(int32_t row, int32_t col, int32_t rowSel, int32_t colSel)
{
    checkCell(row, col);
    rowSel = rowSel < 0 ? row : rowSel;
    colSel = colSel < 0 ? col : colSel;
    checkCell(rowSel, colSel);
    return moveCurrent(row, col, rowSel, colSel);
}

bool GridData::moveCurrent(int32_t row, int32_t col, int32_t rowSel, int32_t colSel)
{
    const int32_t oldRow = s_.row;
    const int32_t oldCol = s_.col;
    const bool moves = row != oldRow || col != oldCol;
    if (moves && events_.beforeRowColChange) {
        bool cancel = false;
        events_.beforeRowColChange(oldRow, oldCol, row, col, cancel);
        if (cancel)
            return false;
    }
    const bool selectionChanges = moves || rowSel != s_.rowSel || colSel != s_.colSel;
    s_.row = row;
    s_.col = col;
    s_.rowSel = rowSel;
    s_.colSel = colSel;
    if (moves && events_.afterRowColChange)
        events_.afterRowColChange(oldRow, oldCol, row, col);
    if (selectionChanges && events_.selChange)
        events_.selChange();
    notify(false);
    return true;
}

CellRange GridData::selection() const
{
    if (s_.row < 0 || s_.col < 0)
        return {};
    CellRange range{std::min(s_.row, s_.rowSel), std::min(s_.col, s_.colSel), std::max(s_.row, s_.rowSel),
                    std::max(s_.col, s_.colSel)};
    if (s_.selectionMode == selByRow) {
        range.left = s_.fixedCols < s_.cols ? s_.fixedCols : 0;
        range.right = s_.cols - 1;
    }
    return range;
}

bool GridData::isSelected(int32_t row, int32_t col) const
{
    return selection().contains(row, col);
}

void GridData::setSelectionMode(int32_t mode)
{
    if (mode != selFree && mode != selByRow)
        throw RuntimeError(errInvalidPropertyValue);
    s_.selectionMode = mode;
    notify(false);
}

void GridData::keepCurrentCellInside()
{
    s_.row = fitCurrent(s_.row, s_.fixedRows, Rows());
    s_.col = fitCurrent(s_.col, s_.fixedCols, s_.cols);
    s_.rowSel = fitEnd(s_.rowSel, s_.row, Rows());
    s_.colSel = fitEnd(s_.colSel, s_.col, s_.cols);
}

// ---- behaviour and look ---------------------------------------------------------

void GridData::setEditable(int32_t mode)
{
    if (mode < editNone || mode > editKbdMouse)
        throw RuntimeError(errInvalidPropertyValue);
    s_.editable = mode;
}

void GridData::setOwnerDraw(bool on)
{
    s_.ownerDraw = on;
    notify(false);
}

void GridData::setRedraw(bool on)
{
    redraw_ = on;
    if (on)
        notify(true);
}

void GridData::setBackColor(uint32_t color) { s_.backColor = color; notify(false); }
void GridData::setForeColor(uint32_t color) { s_.foreColor = color; notify(false); }
void GridData::setBackColorFixed(uint32_t color) { s_.backColorFixed = color; notify(false); }
void GridData::setForeColorFixed(uint32_t color) { s_.foreColorFixed = color; notify(false); }
void GridData::setBackColorSel(uint32_t color) { s_.backColorSel = color; notify(false); }
void GridData::setForeColorSel(uint32_t color) { s_.foreColorSel = color; notify(false); }
void GridData::setGridColor(uint32_t color) { s_.gridColor = color; notify(false); }

void GridData::setFont(const QFont& font)
{
    s_.font = font;
    notify(true);
}

void GridData::setFormatString(const QString& format)
{
    const qsizetype semicolon = format.indexOf(QLatin1Char(';'));
    const QString colPart = semicolon < 0 ? format : format.left(semicolon);
    const QString rowPart = semicolon < 0 ? QString() : format.mid(semicolon + 1);
    if (!colPart.isEmpty()) {
        const QStringList titles = colPart.split(QLatin1Char('|'));
        setCols(static_cast<int32_t>(titles.size()));
        if (Rows() == 0)
            setRows(1);
        for (int32_t c = 0; c < titles.size(); ++c) {
            QString title = titles[c];
            const QChar mark = title.isEmpty() ? QChar() : title.front();
            const int32_t alignment = mark == QLatin1Char('<')   ? alignLeftCenter
                                      : mark == QLatin1Char('^') ? alignCenterCenter
                                      : mark == QLatin1Char('>') ? alignRightCenter
                                                                 : -1;
            if (alignment >= 0) {
                setColAlignment(c, alignment);
                title.remove(0, 1);
            }
            setTextMatrix(0, c, title);
        }
    }
    if (!rowPart.isEmpty() && Cols() > 0) {
        const QStringList titles = rowPart.split(QLatin1Char('|'));
        if (Rows() < titles.size())
            setRows(static_cast<int32_t>(titles.size()));
        for (int32_t r = 0; r < titles.size(); ++r)
            if (r > 0 || !titles[r].isEmpty())
                setTextMatrix(r, 0, titles[r]);
    }
    s_.formatString = format;
}

// ---- rows as a whole ------------------------------------------------------------

void GridData::Clear()
{
    for (ColEntry& column : s_.colEntries) {
        std::fill(column.texts.begin(), column.texts.end(), QString());
        std::fill(column.looks.begin(), column.looks.end(), 0);
        column.cellData.clear();
    }
    dropUnusedLooks();
    notify(false);
}

void GridData::AddItem(const QString& item, int32_t index)
{
    if (index == -1)
        index = Rows();
    if (index < 0 || index > Rows())
        throw RuntimeError(errInvalidIndex);
    const QStringList texts = item.split(QLatin1Char('\t'));
    s_.rowHeights.insert(s_.rowHeights.begin() + index, -1);
    for (int32_t c = 0; c < s_.cols; ++c) {
        ColEntry& column = s_.colEntries[static_cast<size_t>(c)];
        column.texts.insert(column.texts.begin() + index, c < texts.size() ? texts[c] : QString());
        column.looks.insert(column.looks.begin() + index, 0);
        if (!column.cellData.empty())
            column.cellData.insert(column.cellData.begin() + index, QVariant());
    }
    keepCurrentCellInside();
    notify(true);
}

void GridData::RemoveItem(int32_t index)
{
    checkRow(index);
    s_.rowHeights.erase(s_.rowHeights.begin() + index);
    for (ColEntry& column : s_.colEntries) {
        column.texts.erase(column.texts.begin() + index);
        column.looks.erase(column.looks.begin() + index);
        if (!column.cellData.empty())
            column.cellData.erase(column.cellData.begin() + index);
    }
    s_.fixedRows = std::min(s_.fixedRows, Rows());
    keepCurrentCellInside();
    notify(true);
}

int32_t GridData::FindRow(const QString& text, int32_t startRow, int32_t col, bool caseSensitive,
                          bool fullMatch) const
{
    checkCol(col);
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int32_t r = startRow < 0 ? s_.fixedRows : startRow; r < Rows(); ++r) {
        const QString& cellText = s_.colEntries[static_cast<size_t>(col)].texts[static_cast<size_t>(r)];
        if (fullMatch ? cellText.compare(text, cs) == 0 : cellText.startsWith(text, cs))
            return r;
    }
    return -1;
}

// ---- files ----------------------------------------------------------------------

void GridData::SaveGrid(const QString& fileName, int32_t setting) const
{
    if (setting != 0)
        throw RuntimeError(errInvalidPropertyValue);
    GridFile::save(*this, fileName);
}

void GridData::LoadGrid(const QString& fileName, int32_t setting)
{
    if (setting != 0)
        throw RuntimeError(errInvalidPropertyValue);
    GridData loaded;
    GridFile::load(loaded, fileName);
    if (replaceListener_)
        replaceListener_();
    s_ = std::move(loaded.s_);
    notify(true);
}

// ---- helpers ----------------------------------------------------------------------

void GridData::checkRow(int32_t row) const
{
    if (row < 0 || row >= Rows())
        throw RuntimeError(errInvalidIndex);
}

void GridData::checkCol(int32_t col) const
{
    if (col < 0 || col >= s_.cols)
        throw RuntimeError(errInvalidIndex);
}

const GridData::CellLook& GridData::look(int32_t row, int32_t col) const
{
    checkCell(row, col);
    return s_.looks[s_.colEntries[static_cast<size_t>(col)].looks[static_cast<size_t>(row)]];
}

void GridData::sizeColumn(ColEntry& column) const
{
    const size_t rows = s_.rowHeights.size();
    column.texts.resize(rows);
    column.looks.resize(rows, 0);
    if (!column.cellData.empty())
        column.cellData.resize(rows);
}

void GridData::notify(bool layout) const
{
    if (listener_)
        listener_(layout);
}

} // namespace platform::grid
