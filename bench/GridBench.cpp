// A full repaint of the step grid (193 rows x 29 columns, laid out as a step
// window lays it out: per-cell colours, bold and small fonts, a state list per
// input group, owner-drawn marks) in a 1900 x 1000 window, against a plain
// QTableWidget holding the same texts at the same sizes, repainted in the same
// run; and the same grid and table made, filled and painted once.
// Goals: under 16 ms (one frame at 60 Hz) and at most twice the plain table.

#include "RatioMain.h"

#include "platform/SystemColors.h"
#include "platform/Twips.h"
#include "platform/grid/FlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <QTest>

#include <cstdlib>
#include <map>
#include <memory>

using namespace benchsupport;
using platform::twipsToPixels;

namespace {

constexpr int kRows = 193; // the title row and 192 steps
constexpr int kCols = 29;  // the step number, remark, output, logic, delay, eight input groups of three
constexpr QSize kWindow(1900, 1000);

// Widgets need an application; it lives until the process ends.
void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "grid_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// The step grid's column kinds: 0 step, 1 remark, 2 output, 3 logic, 4 delay,
// then input groups of function (5), state (6) and relation (7).
int kindOf(int col) { return col < 5 ? col : 5 + (col - 5) % 3; }
bool isPictureKind(int kind) { return kind == 3 || kind == 6 || kind == 7; }

int widthOf(int col)
{
    static const int widths[] = {555, 1200, 700, 735, 700, 670, 465, 250};
    return widths[kindOf(col)];
}

QString titleOf(int col)
{
    static const char* const titles[] = {"STEP", "Note", "Output", "Logic", "Delay", "Func.", "Stat.", "8"};
    return QString::fromLatin1(titles[kindOf(col)]);
}

// A full program: every step uses every column, some remarks in Japanese as
// the step files carry them.
QString textOf(int row, int col)
{
    if (row == 0)
        return titleOf(col);
    switch (kindOf(col)) {
    case 0: return QString::number(row);
    case 1: return row % 3 == 0 ? QStringLiteral("押え下降 %1").arg(row) : QStringLiteral("Clamp down %1").arg(row);
    case 2: return QStringLiteral("OUT%1").arg(row % 24 + 1);
    case 3: return QString::number(row % 12);
    case 4: return QStringLiteral("%1.%2").arg(row % 10).arg(row % 100, 2, 10, QLatin1Char('0'));
    case 5: return QStringLiteral("IN%1").arg((row + col) % 32 + 1);
    case 6: return QString::number((row + col) % 4);
    default: return col % 4 == 0 ? QStringLiteral("***") : QString::number((row + col) % 9);
    }
}

QColor backOf(int row, int col)
{
    if (row == 0)
        return col == 0 ? QColor(128, 128, 64) : col == 1 ? QColor(209, 216, 167) : col < 5 ? QColor(0, 0, 128)
                                                                                          : QColor(0, 128, 0);
    if (col == 0)
        return {185, 170, 157};
    if (col == 1)
        return {239, 230, 224};
    if (col < 5)
        return {223, 240, 224};
    return (col - 5) / 3 % 2 == 0 ? QColor(255, 255, 255) : QColor(224, 224, 224);
}

QColor foreOf(int row, int col)
{
    if (row == 0)
        return col == 1 ? QColor(255, 0, 0) : QColor(255, 255, 255);
    const int kind = kindOf(col);
    return kind == 2 ? QColor(0, 0, 255) : kind == 4 || kind == 5 ? QColor(255, 0, 0) : QColor(0, 0, 0);
}

bool boldAt(int row, int col) { return row > 0 && (col == 0 || kindOf(col) == 2 || kindOf(col) == 5); }

// The step marks, drawn once: the benchmark measures the grid, not the loading of pictures.
const QPixmap& markOf(int kind, int value)
{
    static std::map<std::pair<int, int>, QPixmap> marks;
    QPixmap& mark = marks[{kind, value}];
    if (mark.isNull()) {
        mark = QPixmap(27, 9);
        mark.fill(Qt::white);
        QPainter painter(&mark);
        painter.setPen(Qt::black);
        painter.drawLine(0, 8, 8 + value, 8);
        painter.drawLine(8 + value, 8, 8 + value, 0);
        painter.drawLine(8 + value, 0, 26, 0);
    }
    return mark;
}

std::unique_ptr<platform::grid::FlexGrid> filledGrid()
{
    using namespace platform::grid;
    auto grid = std::make_unique<FlexGrid>();
    GridData& data = grid->data();
    data.setRedraw(false);
    data.setFixedRows(1);
    data.setFixedCols(1);
    data.setCols(kCols);
    data.setRows(kRows);
    data.setOwnerDraw(true);
    data.setRowHeight(0, 300);
    for (int c = 0; c < kCols; ++c) {
        data.setColWidth(c, widthOf(c));
        data.setColData(c, kindOf(c));
        if (kindOf(c) == 6)
            data.setColComboList(c, QStringLiteral("#0;POS LEV|#1;POS EDG|#2;NEG LEV|#3;NEG EDG"));
        for (int r = 0; r < kRows; ++r) {
            data.setTextMatrix(r, c, textOf(r, c));
            data.setCell(CellProperty::BackColor, r, c, platform::toOleColor(backOf(r, c)));
            data.setCell(CellProperty::ForeColor, r, c, platform::toOleColor(foreOf(r, c)));
            if (boldAt(r, c))
                data.setCell(CellProperty::FontBold, r, c, true);
            if (r > 0 && c == 1)
                data.setCell(CellProperty::FontSize, r, c, 8);
            data.setCell(CellProperty::Alignment, r, c, r > 0 && c == 1 ? alignLeftCenter
                                                        : r > 0 && c == 4 ? alignRightCenter
                                                                          : alignCenterCenter);
        }
    }
    data.setCell(CellProperty::FontName, 0, 7, 0, kCols - 1, QStringLiteral("Marlett"));
    data.Select(3, 3, 6, 5);
    // The step window's owner draw: the logic, state and relation cells show a mark.
    QObject::connect(grid.get(), &FlexGrid::drawCell, [&data](QPainter* painter, int row, int col, const QRect& rect,
                                                              bool& done) {
        const int kind = kindOf(col);
        const QString text = data.TextMatrix(row, col);
        if (!isPictureKind(kind) || row == 0 || text.isEmpty() || text == QLatin1String("***"))
            return;
        done = true;
        painter->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter->drawPixmap(rect.left() + 5, rect.top() + 2, markOf(kind, text.toInt()));
    });
    data.setRedraw(true);
    return grid;
}

// The same texts at the same sizes in a plain table; its titles are its headers.
std::unique_ptr<QTableWidget> filledTable()
{
    auto table = std::make_unique<QTableWidget>(kRows - 1, kCols - 1);
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(twipsToPixels(platform::grid::GridData::kDefaultRowHeight));
    table->horizontalHeader()->setFixedHeight(twipsToPixels(300));
    table->verticalHeader()->setFixedWidth(twipsToPixels(widthOf(0)));
    for (int c = 1; c < kCols; ++c) {
        table->horizontalHeader()->resizeSection(c - 1, twipsToPixels(widthOf(c)));
        table->setHorizontalHeaderItem(c - 1, new QTableWidgetItem(textOf(0, c)));
    }
    for (int r = 1; r < kRows; ++r) {
        table->setVerticalHeaderItem(r - 1, new QTableWidgetItem(textOf(r, 0)));
        for (int c = 1; c < kCols; ++c)
            table->setItem(r - 1, c - 1, new QTableWidgetItem(textOf(r, c)));
    }
    table->setRangeSelected(QTableWidgetSelectionRange(2, 2, 5, 4), true);
    return table;
}

// Shows the widget at the window size and paints all of it (frame, titles,
// cells, scroll bars) into a window-sized image once per iteration. Painting
// into an image rather than calling repaint() keeps the platform out of the
// figure: the offscreen platform paints only the part of a window that lies
// on its small virtual screen.
template <typename Widget>
void repaintLoop(benchmark::State& state, Widget& widget)
{
    widget.resize(kWindow);
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    widget.render(&window); // fonts and glyph caches warmed up once
    for (auto _ : state)
        widget.render(&window);
}

void GridRepaint_raw(benchmark::State& state)
{
    ensureApplication();
    auto table = filledTable();
    repaintLoop(state, *table);
}

void GridRepaint_model(benchmark::State& state)
{
    ensureApplication();
    auto grid = filledGrid();
    state.SetLabel("goal < 16 ms a repaint");
    repaintLoop(state, *grid);
}

// Filling the grid and painting all of it once, as a window does when it
// opens, against filling the plain table and painting it.
template <typename Make>
void fillRepaintLoop(benchmark::State& state, Make make)
{
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    {
        auto warm = make(); // fonts and glyph caches warmed up once
        warm->resize(kWindow);
        warm->render(&window);
    }
    for (auto _ : state) {
        auto widget = make();
        widget->resize(kWindow);
        widget->render(&window);
    }
}

void GridFillRepaint_raw(benchmark::State& state)
{
    ensureApplication();
    fillRepaintLoop(state, filledTable);
}

void GridFillRepaint_model(benchmark::State& state)
{
    ensureApplication();
    state.SetLabel("goal < 16 ms a fill and repaint");
    fillRepaintLoop(state, filledGrid);
}

const bool goals = [] {
    setGoal("GridRepaint", 2);
    setGoal("GridFillRepaint", 2);
    return true;
}();

} // namespace

BENCHMARK(GridRepaint_raw)->Name("GridRepaint/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(GridRepaint_model)->Name("GridRepaint/model")->Unit(benchmark::kMicrosecond);
BENCHMARK(GridFillRepaint_raw)->Name("GridFillRepaint/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(GridFillRepaint_model)->Name("GridFillRepaint/model")->Unit(benchmark::kMicrosecond);
