// One step table of the demo step file with its note file against plain file
// I/O of the same bytes: reading it into a step program, and saving it back.

#include "DemoFiles.h"
#include "RatioMain.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/colclsStep.h"

using namespace benchsupport;

namespace {

constexpr int32_t kTable1 = 8192 + 1;

struct StepLists {
    Telva27::colclsCusSelection outputs;
    Telva27::colclsCusSelection inputs;
};

StepLists& lists()
{
    static StepLists l;
    static const bool read = l.outputs.ReadSet6_7_8_9e(demo("Set08.e")) && l.inputs.ReadSet6_7_8_9e(demo("Set09.e"));
    (void)read;
    return l;
}

void ReadStepTable_raw(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(demo("DEMO.stp")));
        benchmark::DoNotOptimize(readRaw(demo("DEMO.BIN")));
    }
}

void ReadStepTable_model(benchmark::State& state)
{
    for (auto _ : state) {
        Telva27::colclsStep program;
        if (!program.ReadData(demo("DEMO.stp"), demo("DEMO.BIN"), kTable1, lists().outputs, lists().inputs))
            state.SkipWithError("read failed");
    }
}

void SaveStepTable_raw(benchmark::State& state)
{
    for (auto _ : state) {
        writeRaw(scratch("raw.stp"), readRaw(demo("DEMO.stp")));
        writeRaw(scratch("raw.BIN"), readRaw(demo("DEMO.BIN")));
    }
}

void SaveStepTable_model(benchmark::State& state)
{
    writeRaw(scratch("work.stp"), readRaw(demo("DEMO.stp")));
    writeRaw(scratch("work.BIN"), readRaw(demo("DEMO.BIN")));
    Telva27::colclsStep program;
    if (!program.ReadData(scratch("work.stp"), scratch("work.BIN"), kTable1, lists().outputs, lists().inputs))
        state.SkipWithError("read failed");
    for (auto _ : state)
        if (!program.SaveData(scratch("work.BIN"), scratch("work.stp"), scratch("work.BIN"), kTable1, false,
                              lists().outputs, lists().inputs))
            state.SkipWithError("save failed");
}


} // namespace

BENCHMARK(ReadStepTable_raw)->Name("ReadStepTable/raw");
BENCHMARK(ReadStepTable_model)->Name("ReadStepTable/model");
BENCHMARK(SaveStepTable_raw)->Name("SaveStepTable/raw");
BENCHMARK(SaveStepTable_model)->Name("SaveStepTable/model");
