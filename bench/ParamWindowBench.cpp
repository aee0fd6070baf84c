// The parameter window of all functions against a plain QTableWidget showing
// the same texts, in the same run, on the demo data and on made-up
// controllers of 1,000, 4,000 and 16,000 parameters:
//   Open     the window made, its rows filled and formatted, its tip and
//            selection set, and its first paint; the table made, filled and
//            painted once at the same size.
//   Resize   one resize event of the window (the table) and its relayout.
//   Scroll   a page down or up and the repaint of the rows.
//   Edit     a value typed into a USR cell and committed, then written back
//            into the data model; the table's cell set and read back.
// Goals: each under 16 ms and at most twice the plain table.

#include "DemoFiles.h"
#include "ProgramApplication.h"
#include "RatioMain.h"

#include "datamodel/common/Enums.h"
#include "datamodel/parameters/colclsFunction.h"
#include "platform/Folders.h"
#include "platform/grid/FlexGrid.h"
#include "setting/ProgramState.h"
#include "setting/fMain.h"
#include "setting/fParam.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableWidget>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace benchsupport;
using QelmSet::fParam;

namespace {

const QString kAll = QStringLiteral("AllFunctions");

void ensureApplication() { ensureProgramApplication("param_window_bench"); }

// The main window with the demo tables read, its password question off, shown.
// It lives as long as the application, which is never destroyed: a shown
// window must not outlive its platform window's thread data at exit.
QelmSet::fMain& mainWindow()
{
    static QelmSet::fMain* const window = [] {
        ensureApplication();
        auto made = std::make_unique<QelmSet::fMain>();
        if (!made->MDIForm_Load(QString()))
            std::abort();
        for (const auto& [kind, name] : {std::pair(Telva27::eSTD, "DEMO_STD.etb"), std::pair(Telva27::eUSR, "DEMO_USR.etb")}) {
            const QString copy = QDir(scratchFolder()).filePath(QLatin1String(name));
            QFile::copy(demo(name), copy);
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
            made->ReadQELMData(kind, copy);
        }
        made->state().DoesNeedPassWord = false;
        made->resize(1280, 720);
        made->show();
        QApplication::processEvents();
        return made.release();
    }();
    return *window;
}

// The main window's parameter model made the one of a controller of `size`
// parameters (0: the demo's), its STD and USR tables read.
void useModel(int size)
{
    static std::map<int, std::unique_ptr<Telva27::colclsFunction>> parked;
    static int current = 0;
    QelmSet::fMain& main = mainWindow();
    if (size == current)
        return;
    parked[current] = std::move(main.state().functions);
    auto& model = parked[size];
    if (!model) {
        const GeneratedController& c = GeneratedController::parameters(size);
        const QString library = platform::folders::libraryFolder();
        c.install();
        model = std::make_unique<Telva27::colclsFunction>();
        if (!model->ReadSet01e() || !model->ReadSet02e() || !model->ReadSet03e() || !model->ReadSet10e() ||
            !model->ReadData(Telva27::eSTD, c.path("STD.etb"), 1, QString()) ||
            !model->ReadData(Telva27::eUSR, c.path("USR.etb"), 1, QString()))
            std::abort();
        platform::folders::setLibraryFolderForTesting(library);
    }
    main.state().functions = std::move(model);
    current = size;
}

QMdiSubWindow* frameOf(fParam* window) { return qobject_cast<QMdiSubWindow*>(window->parentWidget()); }

// An open window of all functions on the model of `size` parameters.
fParam* openWindow(int size)
{
    useModel(size);
    fParam* window = fParam::create(mainWindow(), kAll);
    frameOf(window)->show();
    return window;
}

void closeWindow(fParam* window)
{
    window->ControlChange(false); // nothing to ask about
    delete window->parentWidget();
}

// The texts the window shows, row by row, titles first.
std::vector<QStringList> windowTexts(int size)
{
    fParam* window = openWindow(size);
    const platform::grid::GridData& cells = window->grid().data();
    std::vector<QStringList> rows;
    for (int32_t r = 0; r < cells.Rows(); ++r) {
        QStringList row;
        for (int32_t c = 0; c < cells.Cols(); ++c)
            row << cells.TextMatrix(r, c);
        rows.push_back(row);
    }
    closeWindow(window);
    return rows;
}

// The plain table of those texts, as large as the window's grid.
std::unique_ptr<QTableWidget> plainTable(const std::vector<QStringList>& texts)
{
    const int rows = static_cast<int>(texts.size()) - 1;
    const int cols = static_cast<int>(texts[0].size());
    auto table = std::make_unique<QTableWidget>(rows, cols);
    table->setHorizontalHeaderLabels(texts[0]);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            table->setItem(r, c, new QTableWidgetItem(texts[static_cast<size_t>(r) + 1][c]));
    table->setCurrentCell(0, fParam::colUser);
    table->resize(1200, 600);
    return table;
}

// A row whose USR value is a number the user may type, with its range.
struct EditRow {
    int32_t row = -1;
    QString values[2];
};

EditRow numberRow(fParam& window)
{
    const platform::grid::GridData& g = window.grid().data();
    for (int32_t r = g.FixedRows(); r < g.Rows(); ++r) {
        const QString min = g.TextMatrix(r, fParam::colMin);
        const QString max = g.TextMatrix(r, fParam::colMax);
        bool numbers[3] = {};
        g.TextMatrix(r, fParam::colUser).toInt(&numbers[0]);
        min.toInt(&numbers[1]);
        max.toInt(&numbers[2]);
        if (numbers[0] && numbers[1] && numbers[2] && min != max &&
            g.CellBackColor(r, fParam::colUser) != fParam::kNotEditable && g.TextMatrix(r, fParam::colStd).toInt() >= 0)
            return {r, {min, max}};
    }
    std::abort();
}

// ---- open ------------------------------------------------------------------------

void Open_raw(benchmark::State& state, int size)
{
    const std::vector<QStringList> texts = windowTexts(size);
    for (auto _ : state) {
        auto table = plainTable(texts);
        table->show();
        benchmark::DoNotOptimize(table->grab());
    }
}

void Open_model(benchmark::State& state, int size)
{
    useModel(size); // made and read before the timing
    for (auto _ : state) {
        fParam* window = openWindow(size);
        benchmark::DoNotOptimize(frameOf(window)->grab());
        state.PauseTiming();
        closeWindow(window);
        state.ResumeTiming();
    }
}

// ---- resize ----------------------------------------------------------------------

void Resize_raw(benchmark::State& state, int size)
{
    auto table = plainTable(windowTexts(size));
    table->show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state)
        table->resize(1200, 600 - (++step % 2) * 40);
}

void Resize_model(benchmark::State& state, int size)
{
    fParam* window = openWindow(size);
    QApplication::processEvents();
    const QSize base = window->size();
    int step = 0;
    for (auto _ : state)
        window->resize(base.width(), base.height() - (++step % 2) * 40);
    closeWindow(window);
}

// ---- scroll ----------------------------------------------------------------------

void scrollPage(QAbstractScrollArea& area, int step)
{
    area.verticalScrollBar()->triggerAction(step % 2 ? QAbstractSlider::SliderPageStepAdd
                                                     : QAbstractSlider::SliderPageStepSub);
    area.viewport()->repaint();
}

void Scroll_raw(benchmark::State& state, int size)
{
    auto table = plainTable(windowTexts(size));
    table->show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state)
        scrollPage(*table, ++step);
}

void Scroll_model(benchmark::State& state, int size)
{
    fParam* window = openWindow(size);
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state)
        scrollPage(window->grid(), ++step);
    closeWindow(window);
}

// ---- edit ------------------------------------------------------------------------

void Edit_raw(benchmark::State& state, int size)
{
    auto table = plainTable(windowTexts(size));
    table->show();
    QApplication::processEvents();
    // The table's side of the write-back: its values as numbers.
    std::vector<int> values(static_cast<size_t>(table->rowCount()));
    const int row = size == 0 ? 0 : table->rowCount() / 2;
    int step = 0;
    for (auto _ : state) {
        QTableWidgetItem* item = table->item(row, fParam::colUser);
        table->setCurrentItem(item);
        table->editItem(item);
        auto* editor = table->viewport()->findChild<QLineEdit*>();
        if (!editor) {
            state.SkipWithError("no editor");
            break;
        }
        editor->setText(QString::number(++step % 2));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(editor, &enter);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        values[static_cast<size_t>(row)] = item->text().toInt();
    }
    benchmark::DoNotOptimize(values.data());
}

void Edit_model(benchmark::State& state, int size)
{
    fParam* window = openWindow(size);
    QApplication::processEvents();
    const EditRow edit = numberRow(*window);
    platform::grid::FlexGrid& grid = window->grid();
    int step = 0;
    for (auto _ : state) {
        grid.data().Select(edit.row, fParam::colUser);
        grid.EditCell();
        grid.setEditText(edit.values[++step % 2]);
        if (!grid.commitEdit() || !window->Update_Variable())
            state.SkipWithError("the edit was refused");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    closeWindow(window);
}

// ---- registration ------------------------------------------------------------------

using Run = void (*)(benchmark::State&, int);

const bool registered = [] {
    const struct {
        const char* task;
        Run raw;
        Run model;
    } tasks[] = {{"ParamWindowOpen", Open_raw, Open_model},
                 {"ParamWindowResize", Resize_raw, Resize_model},
                 {"ParamWindowScroll", Scroll_raw, Scroll_model},
                 {"ParamWindowEdit", Edit_raw, Edit_model}};
    for (const auto& t : tasks) {
        for (int size : {0, 1000, 4000, 16000}) {
            const std::string name = std::string(t.task) + "/" + (size == 0 ? "demo" : std::to_string(size));
            setGoal(name.c_str(), 2, Clock::cpu);
            for (const auto& side : {std::pair("raw", t.raw), std::pair("model", t.model)}) {
                const Run run = side.second;
                benchmark::RegisterBenchmark((name + "/" + side.first).c_str(),
                                             [run, size](benchmark::State& state) {
                                                 ensureApplication();
                                                 state.SetLabel("goal < 16 ms");
                                                 run(state, size);
                                             })
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
    return true;
}();

} // namespace
