#pragma once
// The contents of one editing grid, without any widget: the cells (text, cell
// data, colours, font, alignment, picture), the columns (data, width, hidden,
// drop-down list), fixed title rows and columns, the current cell with the
// moving end of the selection, and saving and loading of the whole grid. The
// windows' rules work on this; FlexGrid shows it and lets the user edit it.
//
// Indices are 0-based, as the windows use them; a bad index raises
// RuntimeError 381. Widths and heights are in twips (15 per pixel); colours
// are 0x00BBGGRR values, 0x80000000 + n being system colour n.

#include "ComboList.h"
#include "platform/Twips.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

namespace platform::grid {

using platform::kTwipsPerPixel;

// Which setting of a cell range Cell() reads and setCell() writes.
enum class CellProperty : int32_t {
    Text = 0,
    Alignment = 2,
    Picture = 3,
    PictureAlignment = 4,
    BackColor = 6,
    ForeColor = 7,
    FontName = 11,
    FontSize = 12,
    FontBold = 13,
    FontItalic = 14,
    FontUnderline = 15,
    Value = 18,       // read only: the cell's numeric value
    TextDisplay = 19, // read only: what the cell shows (a list's text for a stored value)
    Data = 20,        // a value kept with the cell and not shown
};

enum Alignment : int32_t {
    alignLeftTop = 0,
    alignLeftCenter = 1,
    alignLeftBottom = 2,
    alignCenterTop = 3,
    alignCenterCenter = 4,
    alignCenterBottom = 5,
    alignRightTop = 6,
    alignRightCenter = 7,
    alignRightBottom = 8,
    alignGeneral = 9, // numbers right, texts left, vertically centred
};

enum EditableMode : int32_t { editNone = 0, editKbd = 1, editKbdMouse = 2 };
enum SelectionModeSetting : int32_t { selFree = 0, selByRow = 1 };
enum ResizeSetting : int32_t { resizeNone = 0, resizeColumns = 1 };

// A block of cells in normalized form.
struct CellRange {
    int32_t top = -1;
    int32_t left = -1;
    int32_t bottom = -1;
    int32_t right = -1;
    bool contains(int32_t row, int32_t col) const
    {
        return row >= top && row <= bottom && col >= left && col <= right;
    }
};

// The font settings a cell lays over the grid's font: an empty name, size 0
// and -1 flags keep the grid's. Cells with equal settings show the same font,
// so a painter shares one QFont among them.
struct CellFontSettings {
    QString name;
    double size = 0;
    int8_t bold = -1;
    int8_t italic = -1;
    int8_t underline = -1;
    bool operator==(const CellFontSettings&) const = default;
};

// Notifications of the current cell, raised for moves made by code as well as by the user.
struct GridEvents {
    // May cancel the move; the current cell then stays.
    std::function<void(int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol, bool& cancel)>
        beforeRowColChange;
    std::function<void(int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol)> afterRowColChange;
    std::function<void()> selChange;
};

class GridData {
public:
    static constexpr int32_t kDefaultColWidth = 960;
    static constexpr int32_t kDefaultRowHeight = 255;

    GridData();

    // Geometry. Shrinking drops the cells beyond; fixed counts never exceed the totals.
    int32_t Rows() const { return static_cast<int32_t>(s_.rowHeights.size()); }
    void setRows(int32_t rows);
    int32_t Cols() const { return s_.cols; }
    void setCols(int32_t cols);
    int32_t FixedRows() const { return s_.fixedRows; }
    void setFixedRows(int32_t rows);
    int32_t FixedCols() const { return s_.fixedCols; }
    void setFixedCols(int32_t cols);

    // Row heights and column widths in twips; index -1 sets every row or column.
    int32_t RowHeight(int32_t row) const;
    void setRowHeight(int32_t row, int32_t twips);
    int32_t ColWidth(int32_t col) const;
    void setColWidth(int32_t col, int32_t twips);
    bool ColHidden(int32_t col) const;
    void setColHidden(int32_t col, bool hidden);
    int32_t ColData(int32_t col) const;
    void setColData(int32_t col, int32_t value);
    int32_t ColAlignment(int32_t col) const;
    void setColAlignment(int32_t col, int32_t alignment);
    QString ColComboList(int32_t col) const;
    void setColComboList(int32_t col, const QString& list);
    const grid::ComboList& colComboListParsed(int32_t col) const;

    // The list offered by the next edit of the current cell (overrides the column's).
    const QString& ComboList() const { return s_.comboList; }
    void setComboList(const QString& list) { s_.comboList = list; }
    // The list an edit of this cell offers: ComboList when set, else the column's.
    grid::ComboList editList(int32_t row, int32_t col) const;

    // Content.
    QString TextMatrix(int32_t row, int32_t col) const;
    void setTextMatrix(int32_t row, int32_t col, const QString& text);
    double ValueMatrix(int32_t row, int32_t col) const;
    QString TextDisplay(int32_t row, int32_t col) const;
    QString Text() const;                 // the current cell's text
    void setText(const QString& text);    // writes the current cell

    // One setting of one cell, or of every cell of a range at once.
    QVariant Cell(CellProperty what, int32_t row, int32_t col) const;
    void setCell(CellProperty what, int32_t row, int32_t col, const QVariant& value);
    void setCell(CellProperty what, int32_t row1, int32_t col1, int32_t row2, int32_t col2,
                 const QVariant& value);

    // Resolved per-cell settings, as the painter needs them.
    uint32_t CellBackColor(int32_t row, int32_t col) const;
    uint32_t CellForeColor(int32_t row, int32_t col) const;
    QVariant CellData(int32_t row, int32_t col) const;
    QFont CellFont(int32_t row, int32_t col) const;
    // Shared by the cells that look alike; valid until a cell's format next changes.
    const CellFontSettings& CellFontSettingsOf(int32_t row, int32_t col) const;
    // The grid's font with the settings laid over it.
    QFont fontWith(const CellFontSettings& settings) const;
    int32_t CellAlignment(int32_t row, int32_t col) const;
    QPixmap CellPicture(int32_t row, int32_t col) const;
    int32_t CellPictureAlignment(int32_t row, int32_t col) const;

    // Current cell (anchor) and moving end of the selection.
    int32_t Row() const { return s_.row; }
    int32_t Col() const { return s_.col; }
    int32_t RowSel() const { return s_.rowSel; }
    int32_t ColSel() const { return s_.colSel; }
    // Moving the anchor reduces the selection to the new current cell; the move
    // raises beforeRowColChange (which may cancel it) and afterRowColChange.
    void setRow(int32_t row);
    void setCol(int32_t col);
    void setRowSel(int32_t row);
    void setColSel(int32_t col);
    // Current cell and other end at once; -1 for an end means the current cell.
    // Answers False when the move was cancelled.
    bool Select(int32_t row, int32_t col, int32_t rowSel = -1, int32_t colSel = -1);
    CellRange selection() const;
    bool isSelected(int32_t row, int32_t col) const;
    int32_t SelectionMode() const { return s_.selectionMode; }
    void setSelectionMode(int32_t mode);

    // Behaviour and look.
    int32_t Editable() const { return s_.editable; }
    void setEditable(int32_t mode);
    int32_t AllowUserResizing() const { return s_.allowUserResizing; }
    void setAllowUserResizing(int32_t setting) { s_.allowUserResizing = setting; }
    bool OwnerDraw() const { return s_.ownerDraw; }
    void setOwnerDraw(bool on);
    bool Redraw() const { return redraw_; }
    void setRedraw(bool on);
    uint32_t BackColor() const { return s_.backColor; }
    void setBackColor(uint32_t color);
    uint32_t ForeColor() const { return s_.foreColor; }
    void setForeColor(uint32_t color);
    uint32_t BackColorFixed() const { return s_.backColorFixed; }
    void setBackColorFixed(uint32_t color);
    uint32_t ForeColorFixed() const { return s_.foreColorFixed; }
    void setForeColorFixed(uint32_t color);
    uint32_t BackColorSel() const { return s_.backColorSel; }
    void setBackColorSel(uint32_t color);
    uint32_t ForeColorSel() const { return s_.foreColorSel; }
    void setForeColorSel(uint32_t color);
    uint32_t GridColor() const { return s_.gridColor; }
    void setGridColor(uint32_t color);
    QFont Font() const { return s_.font; }
    void setFont(const QFont& font);

    // Column titles in one text: "|" between columns, an optional "<", "^" or ">"
    // before a title aligns its column left, centred or right; after a ";" the
    // titles of the fixed column's rows. Sets Cols to the number of titles.
    QString FormatString() const { return s_.formatString; }
    void setFormatString(const QString& format);

    // Empties every cell: texts, cell data and cell formats.
    void Clear();
    // A new row at index (appended when -1); TAB separates the texts of its cells.
    void AddItem(const QString& item, int32_t index = -1);
    void RemoveItem(int32_t index);
    // The first row from startRow whose cell in col holds text, -1 when none.
    int32_t FindRow(const QString& text, int32_t startRow = -1, int32_t col = 0, bool caseSensitive = true,
                    bool fullMatch = true) const;

    // The whole grid, contents and formats (setting 0), to and from a file of
    // our own format. The file is replaced atomically; a file that cannot be
    // read or is not a grid leaves this grid as it was. Throw RuntimeError.
    void SaveGrid(const QString& fileName, int32_t setting = 0) const;
    void LoadGrid(const QString& fileName, int32_t setting = 0);

    GridEvents& events() { return events_; }
    // Called after every change; layout True when geometry changed. For the view.
    void setChangeListener(std::function<void(bool layout)> listener) { listener_ = std::move(listener); }
    // Called when LoadGrid has read its file and is about to replace the whole
    // grid, so the view ends an edit of the old contents first. For the view.
    void setReplaceListener(std::function<void()> listener) { replaceListener_ = std::move(listener); }

private:
    // How a cell looks beyond its text: its own formats, unset ones keeping the
    // grid's or the column's. Cells that look alike share one entry of the
    // grid's table of looks and hold only its number, so formatting thousands
    // of cells alike costs a number a cell.
    struct CellLook {
        std::optional<uint32_t> backColor;
        std::optional<uint32_t> foreColor;
        CellFontSettings font;
        int32_t alignment = -1;
        int32_t pictureAlignment = -1;
        QPixmap picture;
        bool operator==(const CellLook& other) const;
    };
    struct CellLookHash {
        size_t operator()(const CellLook& look) const;
    };
    struct ColEntry {
        int32_t width = -1;
        bool hidden = false;
        int32_t data = 0;
        int32_t alignment = alignGeneral;
        QString comboList;
        grid::ComboList parsedList;
        // The column's cells, row by row: texts, look numbers, and cell data
        // (empty while no cell of the column holds any).
        std::vector<QString> texts;
        std::vector<uint32_t> looks;
        std::vector<QVariant> cellData;
    };
    struct State {
        std::vector<int32_t> rowHeights; // one a row, -1 for the default
        std::vector<ColEntry> colEntries;
        // The distinct looks of the cells; look 0 is a plain cell's.
        std::vector<CellLook> looks{CellLook{}};
        std::unordered_map<CellLook, uint32_t, CellLookHash> lookNumbers{{CellLook{}, 0}};
        int32_t cols = 0;
        int32_t fixedRows = 0;
        int32_t fixedCols = 0;
        int32_t row = -1;
        int32_t col = -1;
        int32_t rowSel = -1;
        int32_t colSel = -1;
        int32_t selectionMode = selFree;
        int32_t editable = editNone;
        int32_t allowUserResizing = resizeNone;
        bool ownerDraw = false;
        uint32_t backColor = 0x80000005;      // window background
        uint32_t foreColor = 0x80000008;      // window text
        uint32_t backColorFixed = 0x8000000F; // button face
        uint32_t foreColorFixed = 0x80000012; // button text
        uint32_t backColorSel = 0x8000000D;   // highlight
        uint32_t foreColorSel = 0x8000000E;   // highlighted text
        uint32_t gridColor = 0x80000010;      // button shadow
        QFont font;
        QString comboList;
        QString formatString;
    };
    friend struct GridFileAccess;

    void checkRow(int32_t row) const;
    void checkCol(int32_t col) const;
    void checkCell(int32_t row, int32_t col) const { checkRow(row); checkCol(col); }
    const CellLook& look(int32_t row, int32_t col) const;
    bool isFixed(int32_t row, int32_t col) const { return row < s_.fixedRows || col < s_.fixedCols; }
    // The number of a look, added to the table when it is new.
    uint32_t lookNumber(const CellLook& look);
    // Drops the looks no cell shows any more, once the table has grown large.
    void dropUnusedLooks();
    void relook(ColEntry& column, int32_t top, int32_t bottom, CellProperty what, const QVariant& value);
    // Sets one format of a look; False when it had that setting already.
    static bool writeLook(CellLook& look, CellProperty what, const QVariant& value);
    void sizeColumn(ColEntry& column) const;
    void keepCurrentCellInside();
    bool moveCurrent(int32_t row, int32_t col, int32_t rowSel, int32_t colSel);
    void notify(bool layout) const;

    State s_;
    bool redraw_ = true;
    GridEvents events_;
    // The size of the table of looks at which unused ones are dropped.
    static constexpr size_t kLookLimit = 1024;
    size_t lookLimit_ = kLookLimit;
    std::function<void(bool)> listener_;
    std::function<void()> replaceListener_;
};

} // namespace platform::grid
