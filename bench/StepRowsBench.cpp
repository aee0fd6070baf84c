// A row inserted into and deleted again from the step window's grid, the gap
// closed, with every step of a full 192-step program holding a jump whose
// target moves, so that each run renumbers them all twice (the window
// running it as the toolbar and the gap question do, the replace question
// off), then the window painted; against a plain QTableWidget of the same
// texts inserting and removing the same row, renaming the same cells and
// painting; and both again without the painting, the work itself. Goals:
// under 16 ms and at most twice the plain table.

#include "ProgramApplication.h"
#include "RatioMain.h"

#include "platform/Twips.h"
#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/ProgramState.h"
#include "stepeditor/fMain.h"
#include "stepeditor/fStep.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMdiSubWindow>
#include <QTableWidget>

#include <memory>

using namespace benchsupport;

namespace {

constexpr QSize kWindow(1900, 1000);
constexpr int kSteps = 192;
constexpr int kCols = 29;
constexpr int kRow = 5; // the row inserted and deleted again

// The user answers Yes to every question (closing the gap) and OK to every warning.
class YesUi final : public platform::Ui {
public:
    int32_t messageBox(const QString&, int32_t style, const QString&) override
    {
        return platform::msgButtons(style) == platform::vbYesNo ? platform::vbYes : platform::vbOK;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const platform::FileDialogRequest&) override { return {}; }
    QString saveFileName(const platform::FileDialogRequest&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return {}; }
    bool startProgram(const QString&, const QStringList&, bool) override { return false; }
    bool openDocument(const QString&) override { return false; }
    int runDialog(QDialog&) override { return 0; }
    QAction* popupMenu(QMenu&, const QPoint&) override { return nullptr; }
    platform::ColorDialogAnswer colorDialog(const platform::ColorDialogRequest&) override { return {}; }
};

// A jump from every step to a step from 1 to 191 (one move further stays a valid step).
QString targetOf(int row) { return QStringLiteral("J%1").arg(row * 37 % 191 + 1, 3, 10, QLatin1Char('0')); }

QString textOf(int row, int col)
{
    switch (col) {
    case 1: return QStringLiteral("Step %1").arg(row);
    case 2: return targetOf(row);
    case 3: return QStringLiteral("3");
    case 4: return QStringLiteral("0");
    case 5: return QStringLiteral("SEWING");
    case 6: return QStringLiteral("0");
    case 7: return QStringLiteral("2");
    default: return QString();
    }
}

void fillStep(platform::grid::GridData& grid, int row)
{
    for (int col = 1; col < kCols; ++col)
        grid.setTextMatrix(row, col, textOf(row, col));
}

// The step editor started as a user starts it, its user window shown with the program.
QelmStp::fMain* stepEditor()
{
    static QelmStp::fMain* const window = [] {
        platform::installUi(std::make_shared<YesUi>());
        auto made = std::make_unique<QelmStp::fMain>();
        if (!made->MDIForm_Load(QString()))
            return static_cast<QelmStp::fMain*>(nullptr);
        made->resize(kWindow);
        QelmStp::ProgramState& s = made->state();
        s.DoesReplaceFunction = true;
        s.DoesAskInReplacing = false;
        s.frmUsr->parentWidget()->showMaximized();
        platform::grid::GridData& grid = s.frmUsr->fg().data();
        for (int row = 1; row <= kSteps; ++row)
            fillStep(grid, row);
        QCoreApplication::processEvents();
        return made.release();
    }();
    return window;
}

std::unique_ptr<QTableWidget> filledTable()
{
    auto table = std::make_unique<QTableWidget>(kSteps, kCols);
    table->verticalHeader()->setDefaultSectionSize(platform::twipsToPixels(platform::grid::GridData::kDefaultRowHeight));
    for (int r = 1; r <= kSteps; ++r) {
        table->setItem(r - 1, 0, new QTableWidgetItem(QString::number(r)));
        for (int c = 1; c < kCols; ++c)
            table->setItem(r - 1, c, new QTableWidgetItem(textOf(r, c)));
    }
    table->resize(kWindow);
    return table;
}

// The plain table's renumbering: every jump at or after the moved row shifted.
void renameJumps(QTableWidget& table, int shift)
{
    for (int r = 0; r < table.rowCount(); ++r) {
        QTableWidgetItem* item = table.item(r, 2);
        if (!item || item->text().isEmpty())
            continue;
        const int target = item->text().right(3).toInt();
        if (target >= kRow)
            item->setText(QStringLiteral("J%1").arg(target + shift, 3, 10, QLatin1Char('0')));
    }
}

void rawRows(benchmark::State& state, bool paint)
{
    ensureProgramApplication("step_rows_bench");
    auto table = filledTable();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    table->show();
    table->render(&window);
    for (auto _ : state) {
        table->insertRow(kRow - 1);
        table->removeRow(kSteps); // pushed below the last step
        renameJumps(*table, 1);
        table->removeRow(kRow - 1);
        table->insertRow(kSteps - 1);
        for (int c = 1; c < kCols; ++c)
            table->setItem(kSteps - 1, c, new QTableWidgetItem(textOf(kSteps, c)));
        renameJumps(*table, -1);
        if (paint)
            table->render(&window);
    }
}

void modelRows(benchmark::State& state, bool paint)
{
    ensureProgramApplication("step_rows_bench");
    QelmStp::fMain* const started = stepEditor();
    if (!started) {
        state.SkipWithError("the step editor did not start");
        return;
    }
    QelmStp::fMain& main = *started;
    state.SetLabel(paint ? "goal < 16 ms a row inserted and deleted, 192 jumps renumbered twice"
                         : "the same without painting");
    QelmStp::fStep& user = *main.state().frmUsr;
    platform::grid::GridData& grid = user.fg().data();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    main.render(&window);
    for (auto _ : state) {
        user.InsertRows(kRow, 1);
        user.DeleteRows(platform::grid::selByRow, kRow, kRow, 1, kCols - 1);
        // The step pushed out by the insert comes back.
        fillStep(grid, kSteps);
        if (paint)
            main.render(&window);
    }
    if (grid.TextMatrix(kRow, 2) != targetOf(kRow) || grid.TextMatrix(kSteps - 1, 2) != targetOf(kSteps - 1))
        state.SkipWithError("the jumps did not come back to their steps");
}

void StepRows_raw(benchmark::State& state) { rawRows(state, true); }
void StepRows_model(benchmark::State& state) { modelRows(state, true); }
void StepRowsUnpainted_raw(benchmark::State& state) { rawRows(state, false); }
void StepRowsUnpainted_model(benchmark::State& state) { modelRows(state, false); }

const bool goals = [] {
    setGoal("StepRows", 2);
    setGoal("StepRowsUnpainted", 2, Clock::cpu);
    return true;
}();

} // namespace

BENCHMARK(StepRows_raw)->Name("StepRows/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepRows_model)->Name("StepRows/model")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepRowsUnpainted_raw)->Name("StepRowsUnpainted/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepRowsUnpainted_model)->Name("StepRowsUnpainted/model")->Unit(benchmark::kMicrosecond);
