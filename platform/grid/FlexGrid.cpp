#include "FlexGrid.h"

#include "platform/EventGuard.h"
#include "platform/KeyCodes.h"
#include "platform/SystemColors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace platform::grid {

namespace {

constexpr int kResizeMargin = 3;
constexpr int kCellButtonWidth = 16;
constexpr int kTextMargin = 2;

// The Qt alignment of a cell setting; the general setting puts numbers right and texts left.
Qt::Alignment qtAlignment(int32_t alignment, bool number)
{
    if (alignment == alignGeneral)
        return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    const int horizontal = alignment / 3;
    const int vertical = alignment % 3;
    const Qt::Alignment h = horizontal == 0 ? Qt::AlignLeft : horizontal == 1 ? Qt::AlignHCenter : Qt::AlignRight;
    const Qt::Alignment v = vertical == 0 ? Qt::AlignTop : vertical == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
    return h | v;
}

bool isNumber(const QString& text)
{
    bool number = false;
    text.trimmed().toDouble(&number);
    return number;
}

// Where a text of that size starts in rect under the alignment.
QPointF textPosition(Qt::Alignment alignment, const QRectF& rect, const QSizeF& size)
{
    const qreal x = alignment & Qt::AlignRight     ? rect.right() - size.width()
                    : alignment & Qt::AlignHCenter ? rect.left() + (rect.width() - size.width()) / 2
                                                   : rect.left();
    const qreal y = alignment & Qt::AlignBottom    ? rect.bottom() - size.height()
                    : alignment & Qt::AlignVCenter ? rect.top() + (rect.height() - size.height()) / 2
                                                   : rect.top();
    return {x, y};
}

QPoint picturePosition(int32_t alignment, const QRect& rect, const QSize& size)
{
    const Qt::Alignment a = qtAlignment(alignment == alignGeneral ? alignLeftCenter : alignment, false);
    const int x = a & Qt::AlignRight     ? rect.right() - size.width() + 1
                  : a & Qt::AlignHCenter ? rect.left() + (rect.width() - size.width()) / 2
                                         : rect.left();
    const int y = a & Qt::AlignBottom    ? rect.bottom() - size.height() + 1
                  : a & Qt::AlignVCenter ? rect.top() + (rect.height() - size.height()) / 2
                                         : rect.top();
    return {x, y};
}

// Runs draw clipped to clip when needed, so that only an overflowing picture or
// text pays for saving and restoring the painter.
template <typename Draw>
void clippedIf(QPainter& painter, bool needed, const QRect& clip, Draw&& draw)
{
    if (!needed) {
        draw();
        return;
    }
    painter.save();
    painter.setClipRect(clip);
    draw();
    painter.restore();
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    data_.setChangeListener([this](bool layout) { onDataChanged(layout); });
    // An edit of the old contents must never land in a loaded grid.
    data_.setReplaceListener([this] { cancelEdit(); });
    GridEvents& events = data_.events();
    events.beforeRowColChange = [this](int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol, bool& cancel) {
        emit beforeRowColChange(oldRow, oldCol, newRow, newCol, cancel);
    };
    events.afterRowColChange = [this](int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol) {
        emit afterRowColChange(oldRow, oldCol, newRow, newCol);
        emit rowColChange();
    };
    events.selChange = [this] { emit selChange(); };
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { updateEditorGeometry(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { updateEditorGeometry(); });
    updateScrollBars();
}

FlexGrid::~FlexGrid()
{
    // The data outlives no view: stop it from calling back into a half-destroyed widget.
    data_.setChangeListener({});
    data_.setReplaceListener({});
    data_.events() = GridEvents{};
}

// ---- geometry ------------------------------------------------------------------

int FlexGrid::colWidthPx(int32_t col) const
{
    return data_.ColHidden(col) ? 0 : twipsToPixels(data_.ColWidth(col));
}

int FlexGrid::rowHeightPx(int32_t row) const
{
    return twipsToPixels(data_.RowHeight(row));
}

int FlexGrid::fixedWidth() const
{
    int width = 0;
    for (int32_t c = 0; c < data_.FixedCols(); ++c)
        width += colWidthPx(c);
    return width;
}

int FlexGrid::fixedHeight() const
{
    int height = 0;
    for (int32_t r = 0; r < data_.FixedRows(); ++r)
        height += rowHeightPx(r);
    return height;
}

std::vector<FlexGrid::Span> FlexGrid::visibleCols() const
{
    std::vector<Span> spans;
    int x = 0;
    const int limit = viewport()->width();
    for (int32_t c = 0; c < data_.FixedCols() && x < limit; ++c) {
        spans.push_back({c, x, colWidthPx(c)});
        x += spans.back().size;
    }
    for (int32_t c = LeftCol(); c >= 0 && c < data_.Cols() && x < limit; ++c) {
        spans.push_back({c, x, colWidthPx(c)});
        x += spans.back().size;
    }
    return spans;
}

std::vector<FlexGrid::Span> FlexGrid::visibleRows() const
{
    std::vector<Span> spans;
    int y = 0;
    const int limit = viewport()->height();
    for (int32_t r = 0; r < data_.FixedRows() && y < limit; ++r) {
        spans.push_back({r, y, rowHeightPx(r)});
        y += spans.back().size;
    }
    for (int32_t r = TopRow(); r >= 0 && r < data_.Rows() && y < limit; ++r) {
        spans.push_back({r, y, rowHeightPx(r)});
        y += spans.back().size;
    }
    return spans;
}

int32_t FlexGrid::maxTopRow() const
{
    const int room = viewport()->height() - fixedHeight();
    int32_t top = data_.Rows() - 1;
    int used = 0;
    for (int32_t r = data_.Rows() - 1; r >= data_.FixedRows(); --r) {
        used += rowHeightPx(r);
        if (used > room)
            break;
        top = r;
    }
    return std::max(top, data_.FixedRows());
}

int32_t FlexGrid::maxLeftCol() const
{
    const int room = viewport()->width() - fixedWidth();
    int32_t left = data_.Cols() - 1;
    int used = 0;
    for (int32_t c = data_.Cols() - 1; c >= data_.FixedCols(); --c) {
        used += colWidthPx(c);
        if (used > room)
            break;
        left = c;
    }
    return std::max(left, data_.FixedCols());
}

void FlexGrid::updateScrollBars()
{
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    const auto rows = visibleRows();
    vertical->setRange(data_.FixedRows(), std::max(data_.FixedRows(), maxTopRow()));
    vertical->setPageStep(std::max<int>(1, static_cast<int>(rows.size()) - data_.FixedRows()));
    horizontal->setRange(data_.FixedCols(), std::max(data_.FixedCols(), maxLeftCol()));
    horizontal->setPageStep(std::max<int>(1, static_cast<int>(visibleCols().size()) - data_.FixedCols()));
}

int32_t FlexGrid::TopRow() const
{
    return data_.Rows() > data_.FixedRows() ? std::min(verticalScrollBar()->value(), data_.Rows() - 1) : -1;
}

void FlexGrid::setTopRow(int32_t row)
{
    verticalScrollBar()->setValue(row);
}

int32_t FlexGrid::LeftCol() const
{
    return data_.Cols() > data_.FixedCols() ? std::min(horizontalScrollBar()->value(), data_.Cols() - 1) : -1;
}

void FlexGrid::setLeftCol(int32_t col)
{
    horizontalScrollBar()->setValue(col);
}

int32_t FlexGrid::BottomRow() const
{
    const auto rows = visibleRows();
    return rows.empty() ? -1 : rows.back().index;
}

void FlexGrid::ShowCell(int32_t row, int32_t col)
{
    if (row >= data_.FixedRows() && row < data_.Rows()) {
        if (row < TopRow()) {
            setTopRow(row);
        } else {
            // The highest top row that still shows the whole of this row.
            const int room = viewport()->height() - fixedHeight();
            int used = 0;
            int32_t top = row;
            for (int32_t r = row; r >= data_.FixedRows(); --r) {
                used += rowHeightPx(r);
                if (used > room)
                    break;
                top = r;
            }
            if (TopRow() < top)
                setTopRow(top);
        }
    }
    if (col >= data_.FixedCols() && col < data_.Cols()) {
        if (col < LeftCol()) {
            setLeftCol(col);
        } else {
            const int room = viewport()->width() - fixedWidth();
            int used = 0;
            int32_t left = col;
            for (int32_t c = col; c >= data_.FixedCols(); --c) {
                used += colWidthPx(c);
                if (used > room)
                    break;
                left = c;
            }
            if (LeftCol() < left)
                setLeftCol(left);
        }
    }
}

QRect FlexGrid::cellRect(int32_t row, int32_t col) const
{
    for (const Span& r : visibleRows()) {
        if (r.index != row)
            continue;
        for (const Span& c : visibleCols())
            if (c.index == col)
                return {c.start, r.start, c.size, r.size};
    }
    return {};
}

void FlexGrid::cellAt(const QPoint& point, int32_t& row, int32_t& col) const
{
    row = -1;
    col = -1;
    for (const Span& r : visibleRows())
        if (point.y() >= r.start && point.y() < r.start + r.size)
            row = r.index;
    for (const Span& c : visibleCols())
        if (c.size > 0 && point.x() >= c.start && point.x() < c.start + c.size)
            col = c.index;
    if (row < 0 || col < 0)
        row = col = -1;
}

int32_t FlexGrid::CellLeft()
{
    ShowCell(data_.Row(), data_.Col());
    return pixelsToTwips(cellRect(data_.Row(), data_.Col()).left());
}

int32_t FlexGrid::CellTop()
{
    ShowCell(data_.Row(), data_.Col());
    return pixelsToTwips(cellRect(data_.Row(), data_.Col()).top());
}

int32_t FlexGrid::CellWidth()
{
    ShowCell(data_.Row(), data_.Col());
    return pixelsToTwips(cellRect(data_.Row(), data_.Col()).width());
}

int32_t FlexGrid::CellHeight()
{
    ShowCell(data_.Row(), data_.Col());
    return pixelsToTwips(cellRect(data_.Row(), data_.Col()).height());
}

void FlexGrid::onDataChanged(bool layout)
{
    if (!data_.Redraw())
        return;
    if (isEditing() && (editRow_ >= data_.Rows() || editCol_ >= data_.Cols()))
        cancelEdit();
    if (layout)
        updateScrollBars();
    updateEditorGeometry();
    scheduleRepaint();
}

void FlexGrid::scheduleRepaint()
{
    // A whole-view repaint already asked for covers every later change until
    // it is painted: renumbering a full program changes thousands of cells, and
    // asking again for each cost more than the changes. A view that is hidden
    // or not updating takes no request, so none is remembered for it.
    if (repaintPending_)
        return;
    QWidget* view = viewport();
    view->update();
    repaintPending_ = view->isVisible() && view->updatesEnabled();
}

void FlexGrid::Refresh()
{
    // Also what changed while Redraw was off: the rows added then become reachable.
    updateScrollBars();
    updateEditorGeometry();
    scheduleRepaint();
}

void FlexGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    updateEditorGeometry();
}

void FlexGrid::scrollContentsBy(int, int)
{
    scheduleRepaint();
}

// ---- painting --------------------------------------------------------------------

void FlexGrid::paintEvent(QPaintEvent* event)
{
    guarded(QStringLiteral("FlexGrid.paintEvent"), [&] { paintEventImpl(event); });
}

// Backgrounds first, then all borders in one go, then the contents: an owner
// draw handler finds its cell's background and borders painted, and the pen and
// font change only where neighbouring cells differ.
void FlexGrid::paintEventImpl(QPaintEvent*)
{
    repaintPending_ = false;
    QPainter painter(viewport());
    paintCache_.beginPaint(data_);
    const auto rows = visibleRows();
    const auto cols = visibleCols();
    const std::vector<PaintedCell> cells = cellsToPaint(rows, cols);
    paintWorkspace(painter, rows, cols);
    for (const PaintedCell& cell : cells)
        painter.fillRect(cell.rect, paintCache_.color(cell.highlighted ? data_.BackColorSel()
                                                                       : data_.CellBackColor(cell.row, cell.col)));
    paintBorders(painter, rows, cols);
    for (const PaintedCell& cell : cells)
        paintCell(painter, cell);
}

std::vector<FlexGrid::PaintedCell> FlexGrid::cellsToPaint(const std::vector<Span>& rows,
                                                          const std::vector<Span>& cols) const
{
    const CellRange selection = data_.selection();
    std::vector<PaintedCell> cells;
    cells.reserve(rows.size() * cols.size());
    for (const Span& r : rows)
        for (const Span& c : cols) {
            if (r.size <= 0 || c.size <= 0)
                continue;
            PaintedCell cell{r.index, c.index, QRect(c.start, r.start, c.size, r.size)};
            cell.fixed = r.index < data_.FixedRows() || c.index < data_.FixedCols();
            cell.current = r.index == data_.Row() && c.index == data_.Col();
            cell.highlighted = !cell.fixed && !cell.current && selection.contains(r.index, c.index);
            cells.push_back(cell);
        }
    return cells;
}

// The application workspace beyond the last row and column.
void FlexGrid::paintWorkspace(QPainter& painter, const std::vector<Span>& rows, const std::vector<Span>& cols)
{
    const QRect area = viewport()->rect();
    const int right = cols.empty() || rows.empty() ? 0 : cols.back().start + cols.back().size;
    const int bottom = cols.empty() || rows.empty() ? 0 : rows.back().start + rows.back().size;
    const QColor workspace = paintCache_.color(0x8000000C);
    if (right < area.width())
        painter.fillRect(QRect(right, 0, area.width() - right, area.height()), workspace);
    if (bottom < area.height())
        painter.fillRect(QRect(0, bottom, std::min(right, area.width()), area.height() - bottom), workspace);
}

// Each cell's right and bottom pixel lines, drawn as whole lines across the cells.
void FlexGrid::paintBorders(QPainter& painter, const std::vector<Span>& rows, const std::vector<Span>& cols)
{
    if (rows.empty() || cols.empty())
        return;
    const int width = cols.back().start + cols.back().size;
    const int height = rows.back().start + rows.back().size;
    // One-pixel rectangles rather than lines: the raster engine fills a
    // rectangle row by row, where it draws a line through the widget's clip
    // one span at a time, which made the grid lines a fifth of a first paint.
    const QColor color = paintCache_.color(data_.GridColor());
    for (const Span& c : cols)
        if (c.size > 0)
            painter.fillRect(QRect(c.start + c.size - 1, 0, 1, height), color);
    for (const Span& r : rows)
        if (r.size > 0)
            painter.fillRect(QRect(0, r.start + r.size - 1, width, 1), color);
}

void FlexGrid::paintCell(QPainter& painter, const PaintedCell& cell)
{
    bool done = false;
    if (data_.OwnerDraw()) {
        // The handler draws inside its cell and may change anything; the
        // painter comes back as it was.
        painter.save();
        painter.setClipRect(cell.rect);
        emit drawCell(&painter, cell.row, cell.col, cell.rect, done);
        painter.restore();
    }
    if (!done)
        paintContent(painter, cell);
    if (hasCellButton(cell.row, cell.col))
        paintCellButton(painter, cellButtonRect(cell.row, cell.col));
    if (cell.current && !cell.fixed) {
        painter.setPen(QPen(paintCache_.color(data_.ForeColor()), 1, Qt::DotLine));
        painter.drawRect(cell.rect.adjusted(0, 0, -2, -2));
        paintCache_.forgetPainterState();
    }
}

void FlexGrid::paintCellButton(QPainter& painter, const QRect& button)
{
    painter.fillRect(button, paintCache_.color(0x8000000F));
    paintCache_.usePen(painter, 0x80000012);
    painter.drawRect(button.adjusted(0, 0, -1, -1));
    painter.setFont(font());
    painter.drawText(button, Qt::AlignCenter, QStringLiteral("..."));
    paintCache_.forgetPainterState();
}

void FlexGrid::paintContent(QPainter& painter, const PaintedCell& cell)
{
    const QPixmap picture = data_.CellPicture(cell.row, cell.col);
    if (!picture.isNull()) {
        const QPoint at = picturePosition(data_.CellPictureAlignment(cell.row, cell.col), cell.rect, picture.size());
        clippedIf(painter, !cell.rect.contains(QRect(at, picture.size())), cell.rect,
                  [&] { painter.drawPixmap(at, picture); });
    }
    const QString text = data_.TextDisplay(cell.row, cell.col);
    if (text.isEmpty())
        return;
    paintCache_.usePen(painter, cell.highlighted ? data_.ForeColorSel() : data_.CellForeColor(cell.row, cell.col));
    const QRect inner = cell.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const int32_t alignment = data_.CellAlignment(cell.row, cell.col);
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        // Lines of their own, each aligned: rare enough to be laid out on every paint.
        QString lines = text;
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        painter.setFont(data_.CellFont(cell.row, cell.col));
        paintCache_.forgetPainterState();
        clippedIf(painter, true, cell.rect, [&] {
            painter.drawText(inner, static_cast<int>(qtAlignment(alignment, isNumber(lines))), lines);
        });
        return;
    }
    const LaidOutText& laid = paintCache_.layOut(painter, data_.CellFontSettingsOf(cell.row, cell.col), text);
    const QPointF at = textPosition(qtAlignment(alignment, laid.number), QRectF(inner), laid.size);
    clippedIf(painter, laid.size.width() > inner.width() || laid.size.height() > inner.height(), inner,
              [&] { painter.drawStaticText(at, laid.layout); });
}

bool FlexGrid::hasCellButton(int32_t row, int32_t col) const
{
    return row == data_.Row() && col == data_.Col() && row >= data_.FixedRows() && col >= data_.FixedCols() &&
           !isEditing() && data_.editList(row, col).isButton();
}

QRect FlexGrid::cellButtonRect(int32_t row, int32_t col) const
{
    const QRect rect = cellRect(row, col);
    if (rect.isEmpty())
        return {};
    const int width = std::min(kCellButtonWidth, rect.width());
    return {rect.right() - width + 1, rect.top(), width, rect.height() - 1};
}

// ---- keyboard ----------------------------------------------------------------------

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    guarded(QStringLiteral("FlexGrid.keyPressEvent"), [&] { keyPressEventImpl(event); });
}

void FlexGrid::keyPressEventImpl(QKeyEvent* event)
{
    // The editor did not use the key handed to it below: Qt brings it back
    // here through the editor's parents, and it ends here.
    if (forwardingKey_) {
        event->accept();
        return;
    }
    int keyCode = keys::keyCodeOf(*event);
    if (keyCode != 0) {
        emit keyDown(keyCode, keys::shiftState(event->modifiers()));
        if (keyCode == 0)
            return;
        // The key goes into the editor, once: a handler may have opened it for
        // the key, or the key was sent to the grid during the edit. One that
        // came up from the editor unused comes back and ends at the top.
        if (isEditing()) {
            forwardToEditor(event);
            event->accept();
            return;
        }
        if (handleNavigation(event->key(), event->modifiers()))
            return;
        if (event->key() == Qt::Key_F2 && data_.Editable() != editNone) {
            EditCell();
            return;
        }
    }
    // The shared mapping: Delete's 0x7F and keys without text give no character.
    int keyAscii = keys::keyAsciiOf(*event);
    if (keyAscii == 0)
        return;
    emit keyPress(keyAscii);
    if (keyAscii == 0 || isEditing())
        return;
    if (keyAscii == '\r' && data_.Editable() != editNone)
        EditCell();
    else if (keyAscii >= ' ' && data_.Editable() != editNone)
        typeToEdit(keyAscii);
}

void FlexGrid::forwardToEditor(QKeyEvent* event)
{
    forwardingKey_ = true;
    QApplication::sendEvent(lineEditor_ ? static_cast<QObject*>(lineEditor_) : editor_.data(), event);
    forwardingKey_ = false;
}

void FlexGrid::typeToEdit(int keyAscii)
{
    EditCell();
    if (!isEditing())
        return;
    // Typing starts a new entry: the character replaces the cell's text.
    if (lineEditor_) {
        lineEditor_->clear();
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(keyAscii)));
        QApplication::sendEvent(lineEditor_, &press);
    }
}

bool FlexGrid::handleNavigation(int key, Qt::KeyboardModifiers modifiers)
{
    const int32_t row = data_.Row();
    const int32_t col = data_.Col();
    if (row < 0 || col < 0)
        return false;
    const bool extend = modifiers & Qt::ShiftModifier;
    const int32_t fromRow = extend ? data_.RowSel() : row;
    const int32_t fromCol = extend ? data_.ColSel() : col;
    const int32_t firstRow = data_.FixedRows();
    const int32_t lastRow = data_.Rows() - 1;
    const int32_t page = std::max<int32_t>(1, verticalScrollBar()->pageStep());
    switch (key) {
    case Qt::Key_Up: moveTo(std::max(firstRow, fromRow - 1), fromCol, extend); return true;
    case Qt::Key_Down: moveTo(std::min(lastRow, fromRow + 1), fromCol, extend); return true;
    case Qt::Key_PageUp: moveTo(std::max(firstRow, fromRow - page), fromCol, extend); return true;
    case Qt::Key_PageDown: moveTo(std::min(lastRow, fromRow + page), fromCol, extend); return true;
    case Qt::Key_Left: moveTo(fromRow, nextVisibleCol(fromCol, -1), extend); return true;
    case Qt::Key_Right: moveTo(fromRow, nextVisibleCol(fromCol, +1), extend); return true;
    case Qt::Key_Home:
        moveTo(modifiers & Qt::ControlModifier ? firstRow : fromRow, nextVisibleCol(data_.FixedCols() - 1, +1),
               extend);
        return true;
    case Qt::Key_End:
        moveTo(modifiers & Qt::ControlModifier ? lastRow : fromRow, nextVisibleCol(data_.Cols(), -1), extend);
        return true;
    default: return false;
    }
}

// The next column that is shown, in the direction of step; col itself when there is none.
int32_t FlexGrid::nextVisibleCol(int32_t col, int step) const
{
    for (int32_t c = col + step; c >= data_.FixedCols() && c < data_.Cols(); c += step)
        if (!data_.ColHidden(c))
            return c;
    return std::clamp(col, data_.FixedCols(), data_.Cols() - 1);
}

void FlexGrid::moveTo(int32_t row, int32_t col, bool extend)
{
    if (extend) {
        data_.setRowSel(row);
        if (data_.SelectionMode() == selFree)
            data_.setColSel(col);
    } else {
        data_.Select(row, col);
    }
    ShowCell(extend ? data_.RowSel() : data_.Row(), extend ? data_.ColSel() : data_.Col());
}

// ---- mouse -------------------------------------------------------------------------

void FlexGrid::emitMouse(void (FlexGrid::*signal)(int, int, float, float), QMouseEvent* event,
                         Qt::MouseButtons buttons)
{
    cellAt(event->position().toPoint(), mouseRow_, mouseCol_);
    const QPointF at = pixelsToTwips(event->position());
    emit(this->*signal)(keys::mouseButtonCode(buttons), keys::shiftState(event->modifiers()), static_cast<float>(at.x()),
                        static_cast<float>(at.y()));
}

int32_t FlexGrid::resizeHandleAt(const QPoint& point) const
{
    if (data_.AllowUserResizing() == resizeNone || point.y() >= fixedHeight())
        return -1;
    for (const Span& c : visibleCols())
        if (c.size > 0 && std::abs(point.x() - (c.start + c.size)) <= kResizeMargin)
            return c.index;
    return -1;
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    guarded(QStringLiteral("FlexGrid.mousePressEvent"), [&] { mousePressEventImpl(event); });
}

void FlexGrid::mousePressEventImpl(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    emitMouse(&FlexGrid::mouseDown, event, event->button());
    if (isEditing() && !commitEdit())
        return;
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const int32_t handle = resizeHandleAt(point);
    if (handle >= 0) {
        bool cancel = false;
        emit beforeUserResize(-1, handle, cancel);
        if (!cancel) {
            resizingCol_ = handle;
            resizeStartX_ = point.x();
            resizeStartWidth_ = colWidthPx(handle);
        }
        return;
    }
    if (mouseRow_ < 0 || mouseCol_ < 0)
        return;
    if (hasCellButton(mouseRow_, mouseCol_) && cellButtonRect(mouseRow_, mouseCol_).contains(point)) {
        emit cellButtonClick(mouseRow_, mouseCol_);
        return;
    }
    clickCell(mouseRow_, mouseCol_, event->modifiers());
}

void FlexGrid::clickCell(int32_t row, int32_t col, Qt::KeyboardModifiers modifiers)
{
    const int32_t fixedRows = data_.FixedRows();
    const int32_t fixedCols = data_.FixedCols();
    if (row < fixedRows && col < fixedCols)
        return;
    if (col < fixedCols) {
        // A title of a row selects the whole row.
        const int32_t first = nextVisibleCol(fixedCols - 1, +1);
        if (modifiers & Qt::ShiftModifier)
            data_.setRowSel(row);
        else
            data_.Select(row, data_.Col() >= fixedCols ? data_.Col() : first, row, data_.Cols() - 1);
        dragging_ = true;
        return;
    }
    if (row < fixedRows) {
        // A title of a column selects the whole column.
        if (data_.Rows() > fixedRows)
            data_.Select(fixedRows, col, data_.Rows() - 1, col);
        return;
    }
    if (modifiers & Qt::ShiftModifier)
        moveTo(row, col, true);
    else
        data_.Select(row, col);
    dragging_ = true;
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    guarded(QStringLiteral("FlexGrid.mouseMoveEvent"), [&] { mouseMoveEventImpl(event); });
}

void FlexGrid::mouseMoveEventImpl(QMouseEvent* event)
{
    emitMouse(&FlexGrid::mouseMove, event, event->buttons());
    const QPoint point = event->position().toPoint();
    if (resizingCol_ >= 0) {
        const int width = std::max(0, resizeStartWidth_ + point.x() - resizeStartX_);
        data_.setColWidth(resizingCol_, pixelsToTwips(width));
        return;
    }
    viewport()->setCursor(resizeHandleAt(point) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
    if (dragging_ && (event->buttons() & Qt::LeftButton) && mouseRow_ >= data_.FixedRows()) {
        data_.setRowSel(mouseRow_);
        if (data_.SelectionMode() == selFree && mouseCol_ >= data_.FixedCols() && data_.ColSel() != data_.Cols() - 1)
            data_.setColSel(mouseCol_);
    }
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    guarded(QStringLiteral("FlexGrid.mouseReleaseEvent"), [&] { mouseReleaseEventImpl(event); });
}

void FlexGrid::mouseReleaseEventImpl(QMouseEvent* event)
{
    emitMouse(&FlexGrid::mouseUp, event, event->button());
    dragging_ = false;
    if (resizingCol_ >= 0) {
        const int32_t col = resizingCol_;
        resizingCol_ = -1;
        emit afterUserResize(-1, col);
    }
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    guarded(QStringLiteral("FlexGrid.mouseDoubleClickEvent"), [&] { mouseDoubleClickEventImpl(event); });
}

void FlexGrid::mouseDoubleClickEventImpl(QMouseEvent* event)
{
    cellAt(event->position().toPoint(), mouseRow_, mouseCol_);
    emit dblClick();
    if (event->button() == Qt::LeftButton && data_.Editable() == editKbdMouse && !isEditing() &&
        mouseRow_ == data_.Row() && mouseCol_ == data_.Col())
        EditCell();
}

// ---- editing -----------------------------------------------------------------------

void FlexGrid::EditCell()
{
    const int32_t row = data_.Row();
    const int32_t col = data_.Col();
    if (isEditing() || row < data_.FixedRows() || col < data_.FixedCols() || data_.ColHidden(col))
        return;
    bool cancel = false;
    emit beforeEdit(row, col, cancel);
    if (cancel)
        return;
    emit startEdit(row, col, cancel);
    if (cancel || isEditing() || data_.Row() != row || data_.Col() != col)
        return;
    editRow_ = row;
    editCol_ = col;
    ShowCell(row, col);
    // The handlers above may have chosen the list, so it is read only now.
    openEditor(data_.editList(row, col));
}

void FlexGrid::openEditor(const ComboList& list)
{
    editList_ = list;
    const QString display = list.displayOf(data_.TextMatrix(editRow_, editCol_));
    if (!list.items().isEmpty()) {
        comboEditor_ = new QComboBox(viewport());
        comboEditor_->setEditable(list.isEditable());
        for (const ComboItem& item : list.items())
            comboEditor_->addItem(item.columns.join(QLatin1String("  ")));
        comboEditor_->setCurrentIndex(list.indexOfDisplay(display));
        if (list.isEditable())
            comboEditor_->setEditText(display);
        connect(comboEditor_, &QComboBox::activated, this, [this] { commitEdit(); });
        if (comboEditor_->lineEdit())
            comboEditor_->lineEdit()->installEventFilter(this);
        editor_ = comboEditor_;
    } else {
        lineEditor_ = new QLineEdit(viewport());
        lineEditor_->setFrame(false);
        lineEditor_->setText(display);
        lineEditor_->selectAll();
        editor_ = lineEditor_;
    }
    editor_->setFont(data_.CellFont(editRow_, editCol_));
    editor_->installEventFilter(this);
    updateEditorGeometry();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    scheduleRepaint();
}

QString FlexGrid::EditText() const
{
    if (lineEditor_)
        return lineEditor_->text();
    if (comboEditor_) {
        if (comboEditor_->isEditable())
            return comboEditor_->currentText();
        const int index = comboEditor_->currentIndex();
        return index >= 0 ? editList_.items()[index].display() : QString();
    }
    return data_.Row() >= 0 && data_.Col() >= 0 ? data_.TextDisplay(data_.Row(), data_.Col()) : QString();
}

void FlexGrid::setEditText(const QString& text)
{
    if (lineEditor_) {
        lineEditor_->setText(text);
    } else if (comboEditor_) {
        if (comboEditor_->isEditable())
            comboEditor_->setEditText(text);
        else
            comboEditor_->setCurrentIndex(editList_.indexOfDisplay(text));
    }
}

bool FlexGrid::commitEdit()
{
    if (!isEditing())
        return true;
    if (committing_)
        return false;
    committing_ = true;
    const int32_t row = editRow_;
    const int32_t col = editCol_;
    bool cancel = false;
    emit validateEdit(row, col, cancel);
    if (cancel || !isEditing()) {
        committing_ = false;
        return false;
    }
    const QString text = editList_.cellTextOf(EditText());
    closeEditor();
    committing_ = false;
    data_.setTextMatrix(row, col, text);
    emit afterEdit(row, col);
    return true;
}

void FlexGrid::cancelEdit()
{
    if (isEditing())
        closeEditor();
}

void FlexGrid::closeEditor()
{
    QWidget* editor = editor_;
    editor_ = nullptr;
    lineEditor_ = nullptr;
    comboEditor_ = nullptr;
    editRow_ = editCol_ = -1;
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    setFocus(Qt::OtherFocusReason);
    scheduleRepaint();
}

void FlexGrid::updateEditorGeometry()
{
    if (!isEditing())
        return;
    const QRect rect = cellRect(editRow_, editCol_);
    if (rect.isEmpty())
        editor_->hide();
    else
        editor_->setGeometry(rect.adjusted(0, 0, -1, -1));
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    return guarded(QStringLiteral("FlexGrid.eventFilter"), [&] { return eventFilterImpl(watched, event); }, false);
}

bool FlexGrid::eventFilterImpl(QObject* watched, QEvent* event)
{
    const bool ours = isEditing() && (watched == editor_ || (comboEditor_ && watched == comboEditor_->lineEdit()));
    if (!ours)
        return QAbstractScrollArea::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return filterEditorKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box of a handler or the list's own popup takes the focus for a while.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            (!comboEditor_ || !comboEditor_->view()->isVisible()))
            commitEdit();
    }
    return false;
}

bool FlexGrid::filterEditorKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        cancelEdit();
        return true;
    }
    // Tab ends the edit as Enter does (its character 9 is never typed into a cell).
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        commitEdit();
        return true;
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    // The shared mapping: Enter gives 13, Backspace 8, Delete no character (it
    // edits as a key, so a handler that filters characters cannot swallow it).
    const int typed = keys::keyAsciiOf(*event);
    if (typed != 0) {
        int keyAscii = typed;
        emit keyPressEdit(editRow_, editCol_, keyAscii);
        if (keyAscii == 0 || !isEditing())
            return true;
        if (enter) {
            commitEdit();
            return true;
        }
        if (keyAscii != typed) {
            // The handler replaced the character.
            QLineEdit* line = lineEditor_ ? lineEditor_ : (comboEditor_ ? comboEditor_->lineEdit() : nullptr);
            if (line)
                line->insert(QString(QChar(keyAscii)));
            return true;
        }
        return false;
    }
    if (lineEditor_ && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const int32_t row = editRow_;
        if (commitEdit())
            moveTo(key == Qt::Key_Up ? std::max(data_.FixedRows(), row - 1) : std::min(data_.Rows() - 1, row + 1),
                   data_.Col(), false);
        return true;
    }
    return false;
}

} // namespace platform::grid
