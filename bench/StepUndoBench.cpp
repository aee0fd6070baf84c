// Undo in the user's step window of the real main window, its grid full (192
// steps using every column, some REM-marked), in a 1900 x 1000 window: the
// newest snapshot loaded back with the wait box shown, then the window
// painted. Against a plain QTableWidget restoring the same texts and marks
// from a file of its own and painting. Before each undo (not timed) a paste's
// worth of cells changes and the snapshot is taken; the plain table gets the
// same change. Goals: under 16 ms and at most twice the plain table.

#include "PlainStepTable.h"
#include "ProgramApplication.h"
#include "RatioMain.h"

#include "platform/grid/FlexGrid.h"
#include "stepeditor/ProgramState.h"
#include "stepeditor/fMain.h"
#include "stepeditor/fStep.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMdiSubWindow>

#include <cstdlib>
#include <memory>

using namespace benchsupport;

namespace {

constexpr QSize kWindow(1900, 1000);
// The rows a paste changes before each undo.
constexpr int kPastedRows = 10;

void ensureApplication() { ensureProgramApplication("step_undo_bench"); }

bool isMarked(int row) { return row % 7 == 0; }

// The main window, shown, its user window maximised with the full grid. It
// lives as long as the application, which is never destroyed.
QelmStp::fStep& userWindow()
{
    static QelmStp::fMain* const main = [] {
        ensureApplication();
        auto made = std::make_unique<QelmStp::fMain>();
        if (!made->MDIForm_Load(QString()))
            std::abort();
        made->resize(kWindow);
        made->show();
        return made.release();
    }();
    static QelmStp::fStep* const user = [] {
        QelmStp::fStep& window = *main->state().frmUsr;
        window.parentWidget()->showMaximized();
        auto& g = window.fg().data();
        for (int row = 1; row < kStepGridRows; ++row) {
            for (int col = 1; col < kStepGridCols; ++col)
                g.setTextMatrix(row, col, stepGridText(row, col));
            window.SetREMColor(row, isMarked(row));
        }
        QApplication::processEvents();
        return &window;
    }();
    return *user;
}

// What a paste does to the rows from row 20: other texts and marks.
QString pastedText(int row, int col) { return stepGridText(row + 1, col); }

void StepUndo_raw(benchmark::State& state)
{
    ensureApplication();
    auto table = plainStepTable(kWindow);
    table->show();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    table->render(&window);
    // The plain snapshot: every text and the mark of each row, in a file.
    const QString snapshot = QDir(scratchFolder()).filePath(QStringLiteral("plain-undo.bin"));
    {
        QStringList texts;
        QList<bool> marks;
        for (int r = 1; r < kStepGridRows; ++r) {
            marks << isMarked(r);
            for (int c = 1; c < kStepGridCols; ++c)
                texts << stepGridText(r, c);
        }
        QFile file(snapshot);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        QDataStream out(&file);
        out << texts << marks;
    }
    for (auto _ : state) {
        state.PauseTiming();
        for (int r = 20; r < 20 + kPastedRows; ++r) {
            for (int c = 1; c < kStepGridCols; ++c)
                table->item(r - 1, c - 1)->setText(pastedText(r, c));
            table->item(r - 1, 0)->setForeground(isMarked(r + 1) ? Qt::red : Qt::black);
        }
        QApplication::processEvents();
        state.ResumeTiming();
        QFile file(snapshot);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        QStringList texts;
        QList<bool> marks;
        QDataStream in(&file);
        in >> texts >> marks;
        qsizetype i = 0;
        for (int r = 1; r < kStepGridRows; ++r) {
            table->item(r - 1, 0)->setForeground(marks.at(r - 1) ? Qt::red : Qt::black);
            for (int c = 1; c < kStepGridCols; ++c)
                table->item(r - 1, c - 1)->setText(texts.at(i++));
        }
        table->render(&window);
    }
}

void StepUndo_model(benchmark::State& state)
{
    QelmStp::fStep& user = userWindow();
    state.SetLabel("goal < 16 ms an undo of a full grid");
    auto& g = user.fg().data();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    user.fg().render(&window);
    for (auto _ : state) {
        state.PauseTiming();
        user.SaveCurrent();
        for (int r = 20; r < 20 + kPastedRows; ++r) {
            for (int c = 1; c < kStepGridCols; ++c)
                g.setTextMatrix(r, c, pastedText(r, c));
            user.SetREMColor(r, isMarked(r + 1));
        }
        // The pasted rows were painted before the user asks to undo.
        QApplication::processEvents();
        state.ResumeTiming();
        user.DoUndo();
        user.fg().render(&window);
    }
    if (!user.dicUndoFiles().isEmpty() || g.TextMatrix(20, 2) != stepGridText(20, 2))
        state.SkipWithError("the undo did not restore the grid");
}

const bool goals = [] {
    setGoal("StepUndo", 2);
    return true;
}();

} // namespace

BENCHMARK(StepUndo_raw)->Name("StepUndo/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepUndo_model)->Name("StepUndo/model")->Unit(benchmark::kMicrosecond);
