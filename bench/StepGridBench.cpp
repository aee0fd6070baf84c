// The step window's grid as the editor runs it (laid out by the step grid's
// layout, its cell rules, editing and drawing attached, the pictures of the
// resource library) at 193 x 29 in a 1900 x 1000 window, against a plain
// QTableWidget of the same texts:
//   StepTyping:  a function name typed into a cell and its edit ended (the
//                checks, the row's dependent cells cleared and completed),
//                then the window painted, against setting the same texts in
//                the plain table and painting it;
//   StepRepaint: a full repaint with the pictures, against the plain table's.
// Goals: under 16 ms each and at most twice the plain table.

#include "ProgramApplication.h"
#include "RatioMain.h"
#include "PlainStepTable.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/cells/CellCategories.h"
#include "stepeditor/cells/CellEditing.h"
#include "stepeditor/grid/StepCellPainter.h"
#include "stepeditor/grid/StepGridLayout.h"
#include "util/method/clsMethod.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTableWidget>

#include <memory>

using namespace benchsupport;

namespace {

constexpr QSize kWindow(1900, 1000);
constexpr int kRows = kStepGridRows;
constexpr int kCols = kStepGridCols;

void ensureApplication() { ensureProgramApplication("step_grid_bench"); }

QString textOf(int row, int col) { return stepGridText(row, col); }

// The grid of a step window, with its rules, editing and drawing.
struct StepGrid {
    StepGrid()
    {
        const char* outputs[][2] = {{"CLAMP_ON", "OUT"}, {"BUZZER", "OUT"}, {"M1", "RGST"}, {"JMP", "JMP"}};
        int code = 10;
        for (const auto& o : outputs)
            stpout.Add(QLatin1String(o[0]), code++, QString(), QLatin1String(o[1]));
        stpinp.Add(QStringLiteral("SEWING"), 1, QString(), QStringLiteral("IN"));
        for (int i = 0; i < 9; ++i)
            stpinp.Add(QStringLiteral("X%1").arg(i), 2 + i, QString(), QStringLiteral("IN"));
        QelmStp::StepGridLayout(fg.data(), reporter).Format_fg(true, 1200);
        QFont font = fg.data().Font();
        font.setFamily(QelmStp::StepCellPainter::kGridFontFamily);
        fg.data().setFont(font);
        cells.attach();
        editing.attach();
        painter.attach();
        fg.data().setRedraw(false);
        for (int row = 1; row < kRows; ++row)
            for (int col = 1; col < kCols; ++col)
                fg.data().setTextMatrix(row, col, textOf(row, col));
        fg.data().setRedraw(true);
        fg.resize(kWindow);
    }

    Ostrel7::clsMethod reporter;
    Telva27::colclsCusSelection stpout;
    Telva27::colclsCusSelection stpinp;
    platform::grid::FlexGrid fg;
    QLabel hint;
    QelmStp::CellCategories cells{fg, stpout, stpinp, reporter};
    QelmStp::CellEditing editing{fg, stpout, stpinp, cells, hint, reporter};
    QelmStp::StepCellPainter painter{fg, reporter};
};

std::unique_ptr<QTableWidget> filledTable() { return plainStepTable(kWindow); }

template <typename Widget>
bool warm(benchmark::State& state, Widget& widget, QImage& window)
{
    widget.show();
    widget.render(&window); // fonts, glyphs and pictures loaded once
    if (widget.isVisible())
        return true;
    state.SkipWithError("the window was never shown");
    return false;
}

void StepRepaint_raw(benchmark::State& state)
{
    ensureApplication();
    auto table = filledTable();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    if (!warm(state, *table, window))
        return;
    for (auto _ : state)
        table->render(&window);
}

void StepRepaint_model(benchmark::State& state)
{
    ensureApplication();
    StepGrid grid;
    state.SetLabel("goal < 16 ms a repaint with pictures");
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    if (!warm(state, grid.fg, window))
        return;
    for (auto _ : state)
        grid.fg.render(&window);
}

// The same three cells change in the plain table as in the step row.
void StepTyping_raw(benchmark::State& state)
{
    ensureApplication();
    auto table = filledTable();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    if (!warm(state, *table, window))
        return;
    bool other = false;
    for (auto _ : state) {
        other = !other;
        table->item(4, 1)->setText(other ? QStringLiteral("M1") : QStringLiteral("CLAMP_ON"));
        table->item(4, 2)->setText(QString());
        table->item(4, 3)->setText(QString());
        table->render(&window);
    }
}

void StepTyping_model(benchmark::State& state)
{
    ensureApplication();
    StepGrid grid;
    state.SetLabel("goal < 16 ms a typed name with its rules");
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    if (!warm(state, grid.fg, window))
        return;
    bool other = false;
    for (auto _ : state) {
        // An output of another category each time: logic and delay are cleared.
        other = !other;
        grid.fg.data().Select(5, 2);
        grid.fg.EditCell();
        grid.fg.setEditText(other ? QStringLiteral("m1") : QStringLiteral("clamp_on"));
        grid.fg.commitEdit();
        grid.fg.render(&window);
    }
    if (grid.fg.data().TextMatrix(5, 2).isEmpty())
        state.SkipWithError("the typed name was refused");
}

const bool goals = [] {
    setGoal("StepRepaint", 2);
    setGoal("StepTyping", 2);
    return true;
}();

} // namespace

BENCHMARK(StepRepaint_raw)->Name("StepRepaint/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepRepaint_model)->Name("StepRepaint/model")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepTyping_raw)->Name("StepTyping/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepTyping_model)->Name("StepTyping/model")->Unit(benchmark::kMicrosecond);
