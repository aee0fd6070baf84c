// Opening the parameter window of all functions on the demo data (the window
// made, its 37 rows filled and formatted, its tip and selection set), against
// making a plain QTableWidget and filling it with the same texts, in the same
// run. Goals: under 16 ms and at most twice the plain table.

#include "DemoFiles.h"
#include "ProgramApplication.h"
#include "RatioMain.h"

#include "datamodel/common/Enums.h"
#include "platform/Folders.h"
#include "platform/grid/FlexGrid.h"
#include "setting/ProgramState.h"
#include "setting/fMain.h"
#include "setting/fParam.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QTableWidget>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace benchsupport;

namespace {

const QString kAll = QStringLiteral("AllFunctions");

void ensureApplication() { ensureProgramApplication("param_window_bench"); }

// The main window with the demo tables read, its password question off.
QelmSet::fMain& mainWindow()
{
    static std::unique_ptr<QelmSet::fMain> window = [] {
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
        return made;
    }();
    return *window;
}

// The texts the window shows, row by row, titles first.
std::vector<QStringList> windowTexts()
{
    QelmSet::fParam* window = QelmSet::fParam::create(mainWindow(), kAll);
    const platform::grid::GridData& cells = window->grid().data();
    std::vector<QStringList> rows;
    for (int32_t r = 0; r < cells.Rows(); ++r) {
        QStringList row;
        for (int32_t c = 0; c < cells.Cols(); ++c)
            row << cells.TextMatrix(r, c);
        rows.push_back(row);
    }
    delete window->parentWidget();
    return rows;
}

void ParamWindowFill_raw(benchmark::State& state)
{
    ensureApplication();
    const std::vector<QStringList> texts = windowTexts();
    const int rows = static_cast<int>(texts.size()) - 1;
    const int cols = static_cast<int>(texts[0].size());
    for (auto _ : state) {
        QTableWidget table(rows, cols);
        table.setHorizontalHeaderLabels(texts[0]);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                table.setItem(r, c, new QTableWidgetItem(texts[static_cast<size_t>(r) + 1][c]));
        table.setCurrentCell(0, 7);
        benchmark::DoNotOptimize(table.item(rows - 1, cols - 1));
    }
}

void ParamWindowFill_model(benchmark::State& state)
{
    ensureApplication();
    QelmSet::fMain& main = mainWindow();
    state.SetLabel("goal < 16 ms");
    for (auto _ : state) {
        QelmSet::fParam* window = QelmSet::fParam::create(main, kAll);
        benchmark::DoNotOptimize(window->grid().data().Rows());
        delete window->parentWidget();
    }
}

const bool goals = [] {
    setGoal("ParamWindowFill", 2);
    return true;
}();

} // namespace

BENCHMARK(ParamWindowFill_raw)->Name("ParamWindowFill/raw")->Unit(benchmark::kMicrosecond);
BENCHMARK(ParamWindowFill_model)->Name("ParamWindowFill/model")->Unit(benchmark::kMicrosecond);
