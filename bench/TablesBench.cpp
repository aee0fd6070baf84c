// The customize pins and the two feed-pitch tables against plain file I/O of
// the same bytes: reading the pin definitions (Set04.e, Set05.e), reading the
// pins and pitches out of the user table, and writing them into the new user
// file as a save does (each save replaces the file whole and syncs it to disk,
// and so does the baseline); on the demo controller and on a made-up
// controller of 1,000 pins. The pin definitions are measured against a
// one-pass floor of the same bytes: reading, decoding, splitting into lines
// and fields and converting the numbers ("PinFiles/<size>", goal 3);
// "PinFiles/<size>/io" against the plain reading. "<task>/floor" measures the
// pins made from numbers already read.

#include "DemoFiles.h"
#include "OnePassFloor.h"
#include "RatioMain.h"

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/io/SetTextFile.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "platform/Cp932.h"
#include "platform/Folders.h"
#include "platform/Val.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace benchsupport;

namespace {

// The files of one controller, made the library folder: its Set04.e and
// Set05.e and its user table.
struct Controller {
    QString set04;
    QString set05;
    QString usrTable;
};

// The demo controller is size 0.
Controller controller(int size)
{
    if (size == 0) {
        installSetFiles({"Set04.e", "Set05.e"});
        return {scratch("Set04.e"), scratch("Set05.e"), demo("DEMO_USR.etb")};
    }
    const GeneratedController& c = GeneratedController::pins(size);
    c.install();
    return {c.path("Set04.e"), c.path("Set05.e"), c.path("USR.etb")};
}

struct TableModels {
    Telva27::colclsCustom pins;
    Telva27::colclsOkuri x;
    Telva27::colclsOkuri y;
};

void readDefinitions(Telva27::colclsCustom& pins)
{
    if (!pins.ReadSet04e() || !pins.ReadSet05e())
        throw std::runtime_error("the pin definitions were not read");
}

std::unique_ptr<Telva27::colclsCustom> readPins()
{
    auto pins = std::make_unique<Telva27::colclsCustom>();
    readDefinitions(*pins);
    return pins;
}

std::unique_ptr<TableModels> loadedModels()
{
    auto models = std::make_unique<TableModels>();
    readDefinitions(models->pins);
    return models;
}

bool readTable(TableModels& m, const QString& file)
{
    return m.pins.ReadData(file, 1) && m.x.ReadData(file, 1 + 512) && m.y.ReadData(file, 1 + 640);
}

void PinFiles_raw(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(c.set04));
        benchmark::DoNotOptimize(readRaw(c.set05));
    }
}

// The pins read; dropping them afterwards is not part of the reading.
void PinFiles_model(benchmark::State& state, int size)
{
    controller(size);
    for (auto _ : state) {
        auto pins = readPins();
        benchmark::DoNotOptimize(pins.get());
        state.PauseTiming();
        pins.reset();
        state.ResumeTiming();
    }
}

// Every field of a pin line but its name is a number.
bool pinFields(int field) { return field != 0; }

void PinFilesOnePass(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    for (auto _ : state)
        benchmark::DoNotOptimize(onePass(c.set04, pinFields) + onePass(c.set05, pinFields));
}

// The floor: the pins made from numbers already read, as the design asks of
// any reader.
struct SplitPin {
    Telva27::ENUM_INOUT kind;
    QString location;
    int32_t values[14];
};

std::vector<SplitPin> splitPins(const Controller& c)
{
    std::vector<SplitPin> pins;
    for (const auto& [path, kind] : {std::pair{c.set04, Telva27::eINPUT}, std::pair{c.set05, Telva27::eOUTPUT}}) {
        const QString text = platform::cp932::decode(readRaw(path));
        for (QStringView line : QStringView(text).split(u"\r\n", Qt::SkipEmptyParts)) {
            const auto fields = line.split(u'\t');
            SplitPin pin{kind, fields[0].toString(), {}};
            for (qsizetype i = 1; i < fields.size() && i <= 14; ++i)
                pin.values[i - 1] = platform::ValAs<int32_t>(fields[i]);
            pins.push_back(pin);
        }
    }
    return pins;
}

void PinFilesFloor(benchmark::State& state, int size)
{
    const std::vector<SplitPin> split = splitPins(controller(size));
    for (auto _ : state) {
        Telva27::colclsCustom pins;
        for (const SplitPin& p : split) {
            const int32_t* v = p.values;
            pins.Add(p.kind, p.location, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11],
                     v[12], v[13]);
        }
        benchmark::DoNotOptimize(pins.Count());
    }
}

void ReadPinsAndPitches_raw(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    for (auto _ : state)
        benchmark::DoNotOptimize(readRaw(c.usrTable));
}

void ReadPinsAndPitches_model(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    auto models = loadedModels();
    for (auto _ : state)
        if (!readTable(*models, c.usrTable))
            state.SkipWithError("read failed");
}

// The pins and the two pitch tables are three saves, each of which reads the
// new file and replaces it whole, synced to disk; the baseline does the same
// three times with the same bytes.
void SavePinsAndPitches_raw(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    const QByteArray table = readRaw(c.usrTable);
    for (auto _ : state) {
        writeRaw(scratch("raw.tmp"), table);
        for (int save = 0; save < 3; ++save)
            replaceRaw({{scratch("raw.tmp"), readRaw(scratch("raw.tmp"))}});
    }
}

void SavePinsAndPitches_model(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    auto models = loadedModels();
    if (!readTable(*models, c.usrTable))
        state.SkipWithError("read failed");
    const QByteArray table = readRaw(c.usrTable);
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

using Run = void (*)(benchmark::State&, int);

std::string taskName(const char* task, int count)
{
    return std::string(task) + "/" + (count == 0 ? "demo" : std::to_string(count));
}

void registerPair(const std::string& task, Run raw, Run model, int count)
{
    benchmark::RegisterBenchmark((task + "/raw").c_str(), [raw, count](benchmark::State& s) { raw(s, count); });
    benchmark::RegisterBenchmark((task + "/model").c_str(), [model, count](benchmark::State& s) { model(s, count); });
}

// Registers "<task>/<size>/raw" and "<task>/<size>/model" for each size
// ("demo" for 0), with the goal for each task.
void sizes(std::initializer_list<int> counts, const char* task, Run raw, Run model, double goal = 10,
           Clock clock = Clock::real)
{
    for (int count : counts) {
        registerPair(taskName(task, count), raw, model, count);
        setGoal(taskName(task, count).c_str(), goal, clock);
    }
}

// "<task>/<size>/floor" measures the floor against raw I/O in the same way.
void floors(std::initializer_list<int> counts, const char* task, Run raw, Run floor)
{
    for (int count : counts)
        registerPair(taskName(task, count) + "/floor", raw, floor, count);
}

const bool registered = [] {
    sizes({0, 1000}, "PinFiles", PinFilesOnePass, PinFiles_model, 3, Clock::cpu);
    for (int count : {0, 1000})
        registerPair(taskName("PinFiles", count) + "/io", PinFiles_raw, PinFiles_model, count);
    floors({0, 1000}, "PinFiles", PinFiles_raw, PinFilesFloor);
    sizes({0, 1000}, "ReadPinsAndPitches", ReadPinsAndPitches_raw, ReadPinsAndPitches_model);
    sizes({0, 1000}, "SavePinsAndPitches", SavePinsAndPitches_raw, SavePinsAndPitches_model);
    return true;
}();

} // namespace
