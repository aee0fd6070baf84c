// The four workbook reports against raw libxlsxwriter writing the same cells,
// formats and pictures (RawWorkbook): the parameter, feed-pitch, customize
// and step reports of the demo controller, and the step reports of a step file
// whose seven tables are full (192 lines of eight conditions each, so 1,536
// state pictures a report), generated here.
//
// Both sides end the same way: the suite saves a report in its private
// working folder and then replaces the target whole (write, fsync, rename,
// fsync of the folder); the baseline writes its workbook in the working folder
// too and replaces its target with those bytes by the same write, fsync,
// rename and folder fsync.
//
// For figures, run it on its own with repetitions, e.g.
//   reports_bench --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
// (the ratio then compares the medians).

#include "DemoFiles.h"
#include "RatioMain.h"
#include "RawWorkbook.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Folders.h"
#include "platform/workbook/Application.h"

#include <QDir>

#include <functional>
#include <memory>
#include <vector>

using namespace benchsupport;
using namespace Telva27;
namespace wb = platform::workbook;

namespace {

constexpr double kGoal = 1.5;
constexpr int32_t kSteps = 192;
constexpr int32_t kBlocks = 8;
constexpr int32_t kTables = 7;

// Everything the reports are made from, read once.
struct Controller {
    colclsFunction parameters;
    QSet<QString> groups;
    colclsOkuri pitchX;
    colclsOkuri pitchY;
    colclsCusSelection selinp, selout, stpout, stpinp;
    colclsCustom pinsUsr, pinsStd;
    colclsStep program;
    std::vector<std::unique_ptr<colclsStep>> fullTables;
};

// One step table with every line in use: output functions, logic operations
// with delays, remarks (some in Japanese) and eight conditions with a state
// picture each, and a memo.
std::unique_ptr<colclsStep> fullTable(int32_t table, colclsCusSelection& outputs, colclsCusSelection& inputs)
{
    std::vector<int32_t> outs;
    for (const auto& entry : outputs)
        if (entry->Ditigal() != QLatin1String("RET"))
            outs.push_back(entry->Value());
    std::vector<int32_t> ins;
    for (const auto& entry : inputs)
        if (entry->Category() != QLatin1String("COUNT"))
            ins.push_back(entry->Value());
    const int32_t logics[] = {eLOGIC_LOW, eLOGIC_HIGH, eLOGIC_NOT, eLOGIC_SET};

    auto program = std::make_unique<colclsStep>();
    for (int32_t row = 1; row <= kSteps; ++row) {
        auto conditions = std::make_shared<colclsStepIn>();
        for (int32_t block = 1; block <= kBlocks; ++block)
            conditions->Add(block, ins[size_t(row * kBlocks + block + table) % ins.size()],
                            uint8_t((row + block) % 4), block == kBlocks ? eREL_END : (row + block) % 3 ? eREL_AND : eREL_OR);
        const QString remark = row % 3 ? QStringLiteral("Step %1.%2").arg(table).arg(row)
                                       : QString::fromUtf8("工程%1 送り").arg(row);
        program->Add(row, outs[size_t(row + table) % outs.size()], logics[row % 4], row * 10, conditions, remark, false,
                     false);
    }
    program->setMemo(QStringLiteral("Table %1 of the benchmark's step file.\r\n").arg(table).repeated(20));
    return program;
}

Controller& controller()
{
    static Controller* c = [] {
        installSetFiles({"Set01.e", "Set02.e", "Set03.e", "Set10.e", "Set04.e", "Set05.e"});
        auto* d = new Controller;
        const bool read = d->parameters.ReadSet01e() && d->parameters.ReadSet02e() && d->parameters.ReadSet03e()
            && d->parameters.ReadSet10e() && d->parameters.ReadData(eSTD, demo("DEMO_STD.etb"), 1, QString())
            && d->parameters.ReadData(eUSR, demo("DEMO_USR.etb"), 1, QString())
            && d->pitchX.ReadData(demo("DEMO_USR.etb"), 1 + 512) && d->pitchY.ReadData(demo("DEMO_USR.etb"), 1 + 640)
            && d->selinp.ReadSet6_7_8_9e(demo("Set06.e")) && d->selout.ReadSet6_7_8_9e(demo("Set07.e"))
            && d->stpout.ReadSet6_7_8_9e(demo("Set08.e")) && d->stpinp.ReadSet6_7_8_9e(demo("Set09.e"))
            && d->pinsUsr.ReadSet04e() && d->pinsUsr.ReadSet05e() && d->pinsStd.ReadSet04e()
            && d->pinsStd.ReadSet05e() && d->pinsUsr.ReadData(demo("DEMO_USR.etb"), 1)
            && d->pinsStd.ReadData(demo("DEMO_STD.etb"), 1)
            && d->program.ReadData(demo("DEMO.stp"), demo("DEMO.BIN"), 8192 + 1, d->stpout, d->stpinp);
        if (!read)
            qFatal("The demo controller's files can't be read");
        for (const auto& group : d->parameters)
            d->groups.insert(group->TOPKMK());
        for (int32_t table = 1; table <= kTables; ++table)
            d->fullTables.push_back(fullTable(table, d->stpout, d->stpinp));
        return d;
    }();
    return *c;
}

// A report written into a workbook of that name; true when it was saved.
using Report = std::function<bool(const QString&)>;

struct Task {
    const char* name;
    std::function<std::vector<Report>()> reports;
};

std::vector<Report> parameterReport()
{
    return {[](const QString& target) {
        Controller& c = controller();
        return c.parameters.PrintToExcel(eEXCEL2000, target, c.groups, false);
    }};
}

std::vector<Report> pitchReport()
{
    return {[](const QString& target) {
        Controller& c = controller();
        return c.pitchX.PrintToExcel(eEXCEL2000, target, c.pitchX, c.pitchY);
    }};
}

std::vector<Report> customizeReport()
{
    return {[](const QString& target) {
        Controller& c = controller();
        return c.pinsUsr.PrintToExcel(eEXCEL2000, target, c.pinsStd, c.selinp, c.selout, false);
    }};
}

std::vector<Report> stepReport()
{
    return {[](const QString& target) {
        Controller& c = controller();
        return c.program.PrintToExcel(eEXCEL2000, target, c.stpout, c.stpinp);
    }};
}

std::vector<Report> fullStepReports()
{
    std::vector<Report> reports;
    for (int32_t table = 0; table < kTables; ++table)
        reports.push_back([table](const QString& target) {
            Controller& c = controller();
            return c.fullTables[size_t(table)]->PrintToExcel(eEXCEL2000, target, c.stpout, c.stpinp);
        });
    return reports;
}

QString target(const char* side, const char* task, size_t index)
{
    return QDir(scratchFolder()).filePath(QStringLiteral("%1-%2-%3.xlsx").arg(QLatin1String(side), QLatin1String(task)).arg(index));
}

// The workbooks the reports make, taken from their sheets for the baseline.
std::vector<RawWorkbook> recorded(const Task& task)
{
    std::shared_ptr<wb::Application> last;
    wb::Application::setFactoryForTesting([&last] {
        last = std::make_shared<wb::Application>();
        return last;
    });
    std::vector<RawWorkbook> books;
    const auto reports = task.reports();
    for (size_t i = 0; i < reports.size(); ++i) {
        if (!reports[i](target("recorded", task.name, i)) || !last || !last->activeWorkbook())
            qFatal("The report to record failed");
        books.emplace_back(last->activeWorkbook()->Worksheets(1));
    }
    wb::Application::setFactoryForTesting({});
    return books;
}

void runRaw(benchmark::State& state, const Task& task)
{
    const std::vector<RawWorkbook> books = recorded(task);
    const QString work = QDir(platform::folders::workingFolder()).filePath(QStringLiteral("raw.xlsx"));
    for (auto _ : state)
        for (size_t i = 0; i < books.size(); ++i)
            if (!books[i].write(work, target("raw", task.name, i)))
                state.SkipWithError("raw write failed");
}

void runModel(benchmark::State& state, const Task& task)
{
    const std::vector<Report> reports = task.reports();
    controller();
    for (auto _ : state)
        for (size_t i = 0; i < reports.size(); ++i)
            if (!reports[i](target("model", task.name, i)))
                state.SkipWithError("report failed");
}

[[maybe_unused]] const bool registered = [] {
    static const Task tasks[] = {
        {"ParameterReport", parameterReport},
        {"PitchReport", pitchReport},
        {"CustomizeReport", customizeReport},
        {"StepReport", stepReport},
        {"FullStepReports", fullStepReports},
    };
    for (const Task& task : tasks) {
        benchmark::RegisterBenchmark((std::string(task.name) + "/raw").c_str(), runRaw, task)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string(task.name) + "/model").c_str(), runModel, task)->Unit(benchmark::kMicrosecond);
        setGoal(task.name, kGoal);
    }
    return true;
}();

} // namespace
