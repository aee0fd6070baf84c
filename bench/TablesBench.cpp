// The customize pins and the two feed-pitch tables of the demo controller
// against plain file I/O of the same bytes: reading them out of the user
// table, and writing them into the new user file as a save does.

#include "DemoFiles.h"
#include "RatioMain.h"

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"

using namespace benchsupport;

namespace {

struct TableModels {
    Telva27::colclsCustom pins;
    Telva27::colclsOkuri x;
    Telva27::colclsOkuri y;
};

std::unique_ptr<TableModels> loadedModels()
{
    installSetFiles({"Set04.e", "Set05.e"});
    auto models = std::make_unique<TableModels>();
    models->pins.ReadSet04e();
    models->pins.ReadSet05e();
    return models;
}

bool readTable(TableModels& m, const QString& file)
{
    return m.pins.ReadData(file, 1) && m.x.ReadData(file, 1 + 512) && m.y.ReadData(file, 1 + 640);
}

void ReadPinsAndPitches_raw(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readRaw(demo("DEMO_USR.etb")));
}

void ReadPinsAndPitches_model(benchmark::State& state)
{
    auto models = loadedModels();
    for (auto _ : state)
        if (!readTable(*models, demo("DEMO_USR.etb")))
            state.SkipWithError("read failed");
}

void SavePinsAndPitches_raw(benchmark::State& state)
{
    const QByteArray table = readRaw(demo("DEMO_USR.etb"));
    for (auto _ : state) {
        writeRaw(scratch("raw.tmp"), table);
        benchmark::DoNotOptimize(readRaw(scratch("raw.tmp")));
    }
}

void SavePinsAndPitches_model(benchmark::State& state)
{
    auto models = loadedModels();
    if (!readTable(*models, demo("DEMO_USR.etb")))
        state.SkipWithError("read failed");
    const QByteArray table = readRaw(demo("DEMO_USR.etb"));
    for (auto _ : state) {
        // The parameter save has made the new file; the pins and pitches go into it.
        writeRaw(scratch("eusr2.tmp"), table);
        using Telva27::eETB;
        if (!models->pins.SaveData(eETB, scratch("eusr2.tmp"), 1, eETB) ||
            !models->x.SaveData(eETB, scratch("eusr2.tmp"), 1 + 512, eETB, 512) ||
            !models->y.SaveData(eETB, scratch("eusr2.tmp"), 1 + 640, eETB, 640))
            state.SkipWithError("save failed");
    }
}


} // namespace

BENCHMARK(ReadPinsAndPitches_raw)->Name("ReadPinsAndPitches/raw");
BENCHMARK(ReadPinsAndPitches_model)->Name("ReadPinsAndPitches/model");
BENCHMARK(SavePinsAndPitches_raw)->Name("SavePinsAndPitches/raw");
BENCHMARK(SavePinsAndPitches_model)->Name("SavePinsAndPitches/model");
