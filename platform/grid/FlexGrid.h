#pragma once
// The grid widget of the editing windows. It shows a GridData: fixed title rows
// and columns stay in place while the other cells scroll by whole rows and
// columns; the user moves the current cell and the selection with keys and
// mouse, resizes columns, and edits a cell in place in a line editor or a
// drop-down list. Its signals come in the order the windows rely on:
//
//   edit:  beforeEdit -> startEdit -> keyPressEdit (per character) ->
//          validateEdit -> (text stored in the cell) -> afterEdit
//   keys:  keyDown -> (the grid's own handling) -> keyPress
//   mouse: mouseDown -> (the grid's own handling)
//   move:  beforeRowColChange (may cancel) -> afterRowColChange, rowColChange
//
// Arguments passed by reference (cancel, keyAscii, keyCode, done) are set by a
// handler connected directly. Positions of mouse events are in twips of the
// grid's client area, as are CellLeft/CellTop/CellWidth/CellHeight.

#include "CellPaintCache.h"
#include "GridData.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QPointer>

class QComboBox;
class QLineEdit;

namespace platform::grid {

class FlexGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    GridData& data() { return data_; }
    const GridData& data() const { return data_; }

    // Scrolling: the first scrolled row and column shown, the last row shown.
    int32_t TopRow() const;
    void setTopRow(int32_t row);
    int32_t LeftCol() const;
    void setLeftCol(int32_t col);
    int32_t BottomRow() const;
    // Scrolls so that the cell is fully visible (fixed cells always are).
    void ShowCell(int32_t row, int32_t col);
    // The cell under the mouse at the last mouse event, -1 outside the cells.
    int32_t MouseRow() const { return mouseRow_; }
    int32_t MouseCol() const { return mouseCol_; }
    // The current cell's rectangle in twips; the cell is scrolled into view first.
    int32_t CellLeft();
    int32_t CellTop();
    int32_t CellWidth();
    int32_t CellHeight();
    // A cell's rectangle in the viewport, in pixels; empty when it is not shown.
    QRect cellRect(int32_t row, int32_t col) const;
    // The cell at a viewport point; -1, -1 outside the cells.
    void cellAt(const QPoint& point, int32_t& row, int32_t& col) const;

    // Opens the editor on the current cell (also when Editable is none, as the
    // windows start edits themselves); raises beforeEdit and startEdit first.
    void EditCell();
    bool isEditing() const { return editor_ != nullptr; }
    // The editor's text while editing (for a list with stored values, the entry's text).
    QString EditText() const;
    void setEditText(const QString& text);
    // Ends the edit as the Enter key does; False when validateEdit refused it.
    bool commitEdit();
    // Ends the edit as the Escape key does: the cell keeps its text.
    void cancelEdit();
    QWidget* editor() const { return editor_; }

    // Repaints the whole grid as its data stand, laid out anew (whatever Redraw says).
    void Refresh();

signals:
    void beforeEdit(int row, int col, bool& cancel);
    void startEdit(int row, int col, bool& cancel);
    void keyPressEdit(int row, int col, int& keyAscii);
    void validateEdit(int row, int col, bool& cancel);
    void afterEdit(int row, int col);
    void cellButtonClick(int row, int col);
    void keyDown(int& keyCode, int shift);
    void keyPress(int& keyAscii);
    void dblClick();
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void beforeRowColChange(int oldRow, int oldCol, int newRow, int newCol, bool& cancel);
    void afterRowColChange(int oldRow, int oldCol, int newRow, int newCol);
    void rowColChange();
    void selChange();
    void beforeUserResize(int row, int col, bool& cancel);
    void afterUserResize(int row, int col);
    // Owner drawing (data().OwnerDraw()): the background and borders are painted;
    // done = true keeps the grid from drawing the cell's picture and text.
    void drawCell(QPainter* painter, int row, int col, const QRect& rect, bool& done);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Span {
        int32_t index;
        int start;
        int size;
    };
    // A cell shown in this paint.
    struct PaintedCell {
        int32_t row;
        int32_t col;
        QRect rect;
        bool fixed = false;
        bool current = false;
        bool highlighted = false; // selected, drawn in the selection colours
    };

    void paintEventImpl(QPaintEvent* event);
    void keyPressEventImpl(QKeyEvent* event);
    void mousePressEventImpl(QMouseEvent* event);
    void mouseMoveEventImpl(QMouseEvent* event);
    void mouseReleaseEventImpl(QMouseEvent* event);
    void mouseDoubleClickEventImpl(QMouseEvent* event);
    bool eventFilterImpl(QObject* watched, QEvent* event);

    int colWidthPx(int32_t col) const;
    int rowHeightPx(int32_t row) const;
    int fixedWidth() const;
    int fixedHeight() const;
    std::vector<Span> visibleCols() const;
    std::vector<Span> visibleRows() const;
    int32_t maxTopRow() const;
    int32_t maxLeftCol() const;
    void updateScrollBars();
    void onDataChanged(bool layout);
    // Asks for the whole view to be painted again, once until it is.
    void scheduleRepaint();

    std::vector<PaintedCell> cellsToPaint(const std::vector<Span>& rows, const std::vector<Span>& cols) const;
    void paintWorkspace(QPainter& painter, const std::vector<Span>& rows, const std::vector<Span>& cols);
    void paintBorders(QPainter& painter, const std::vector<Span>& rows, const std::vector<Span>& cols);
    void paintCell(QPainter& painter, const PaintedCell& cell);
    void paintCellButton(QPainter& painter, const QRect& button);
    void paintContent(QPainter& painter, const PaintedCell& cell);
    QRect cellButtonRect(int32_t row, int32_t col) const;
    bool hasCellButton(int32_t row, int32_t col) const;

    bool handleNavigation(int key, Qt::KeyboardModifiers modifiers);
    void moveTo(int32_t row, int32_t col, bool extend);
    int32_t nextVisibleCol(int32_t col, int step) const;
    void typeToEdit(int keyAscii);
    // Hands a key that reached the grid to the editor, once: the editor's
    // parents, the grid among them, get it back when the editor ignores it.
    void forwardToEditor(QKeyEvent* event);

    int32_t resizeHandleAt(const QPoint& point) const;
    void emitMouse(void (FlexGrid::*signal)(int, int, float, float), QMouseEvent* event, Qt::MouseButtons buttons);
    void clickCell(int32_t row, int32_t col, Qt::KeyboardModifiers modifiers);

    void openEditor(const ComboList& list);
    bool filterEditorKey(QKeyEvent* event);
    void closeEditor();
    void updateEditorGeometry();

    GridData data_;
    CellPaintCache paintCache_;
    bool repaintPending_ = false; // a whole-view repaint is asked for and not yet painted
    int32_t mouseRow_ = -1;
    int32_t mouseCol_ = -1;
    bool dragging_ = false;
    int32_t resizingCol_ = -1;
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;

    QPointer<QWidget> editor_;
    QLineEdit* lineEditor_ = nullptr;
    QComboBox* comboEditor_ = nullptr;
    ComboList editList_;
    int32_t editRow_ = -1;
    int32_t editCol_ = -1;
    bool committing_ = false;
    bool forwardingKey_ = false;
};

} // namespace platform::grid
