// The parameter model on the demo controller against plain file I/O of the
// same bytes: reading the four Set files, reading an STD and USR table pair,
// and saving USR into an eight-table file.

#include "DemoFiles.h"
#include "RatioMain.h"

#include "datamodel/parameters/colclsFunction.h"

using namespace benchsupport;

namespace {

const auto kSetFiles = {"Set01.e", "Set02.e", "Set03.e", "Set10.e"};

std::unique_ptr<Telva27::colclsFunction> loadedModel()
{
    installSetFiles(kSetFiles);
    auto model = std::make_unique<Telva27::colclsFunction>();
    model->ReadSet01e();
    model->ReadSet02e();
    model->ReadSet03e();
    model->ReadSet10e();
    return model;
}

void SetFiles_raw(benchmark::State& state)
{
    installSetFiles(kSetFiles);
    for (auto _ : state)
        for (const char* name : kSetFiles)
            benchmark::DoNotOptimize(readRaw(scratch(name)));
}

void SetFiles_model(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadedModel());
}

void ReadStdUsr_raw(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(demo("DEMO_STD.etb")));
        benchmark::DoNotOptimize(readRaw(demo("DEMO_USR.etb")));
    }
}

void ReadStdUsr_model(benchmark::State& state)
{
    auto model = loadedModel();
    for (auto _ : state) {
        if (!model->ReadData(Telva27::eSTD, demo("DEMO_STD.etb"), 1, QString()) ||
            !model->ReadData(Telva27::eUSR, demo("DEMO_USR.etb"), 1, QString()))
            state.SkipWithError("read failed");
    }
}

void SaveIntoStg_raw(benchmark::State& state)
{
    for (auto _ : state)
        writeRaw(scratch("raw.tmp"), readRaw(demo("DEMO.stg")));
}

void SaveIntoStg_model(benchmark::State& state)
{
    auto model = loadedModel();
    if (!model->ReadData(Telva27::eUSR, demo("DEMO.stg"), 2 * 8192 + 1, demo("DEMO.SEK")))
        state.SkipWithError("read failed");
    for (auto _ : state) {
        if (!model->SaveData(Telva27::eSTG, scratch("eusr2.tmp"), 2 * 8192 + 1, Telva27::eSTG, demo("DEMO.stg")))
            state.SkipWithError("save failed");
    }
}

const bool goals = [] {
    for (const char* task : {"SetFiles", "ReadStdUsr", "SaveIntoStg"})
        setGoal(task, 10);
    return true;
}();

} // namespace

BENCHMARK(SetFiles_raw)->Name("SetFiles/raw");
BENCHMARK(SetFiles_model)->Name("SetFiles/model");
BENCHMARK(ReadStdUsr_raw)->Name("ReadStdUsr/raw");
BENCHMARK(ReadStdUsr_model)->Name("ReadStdUsr/model");
BENCHMARK(SaveIntoStg_raw)->Name("SaveIntoStg/raw");
BENCHMARK(SaveIntoStg_model)->Name("SaveIntoStg/model");
