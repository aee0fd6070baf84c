// The parameter model against plain file I/O of the same bytes: reading the
// four Set files, reading an STD and USR table pair, and saving USR into an
// eight-table file; on the demo controller and on made-up controllers of
// 1,000, 4,000 and 16,000 parameters.
//
// A save replaces its files whole and syncs them to disk, as the suite does;
// the baseline pays for the same durable replacement.
//
// The Set files are measured against a one-pass floor of the same bytes:
// reading them, decoding them, splitting them into lines and fields and
// converting the numeric fields, with nothing built ("SetFiles/<size>", goal
// 3). "SetFilesLinear/16000" sets reading the 16,000-parameter files against
// reading the 1,000-parameter ones sixteen times: the cost of a parameter at
// 16,000 against that at 1,000 (goal 1.2). "<task>/floor" measures building
// the groups, parameters and choices from fields already split and converted.

#include "DemoFiles.h"
#include "OnePassFloor.h"
#include "RatioMain.h"

#include "datamodel/io/SetTextFile.h"
#include "datamodel/parameters/colclsFunction.h"
#include "platform/Cp932.h"
#include "platform/Folders.h"
#include "platform/Trim.h"
#include "platform/Val.h"

#include <QDir>

#include <algorithm>
#include <utility>
#include <vector>

using namespace benchsupport;

namespace {

// The files of one controller: where its Set files lie and its tables.
struct Controller {
    QString folder;
    QString stdTable;
    QString usrTable;
    QString stg;
    QString sek;

    QString setFile(const QString& name) const { return QDir(folder).filePath(name); }
};

Controller demoController()
{
    installSetFiles({"Set01.e", "Set02.e", "Set03.e", "Set10.e"});
    return {scratchFolder(), demo("DEMO_STD.etb"), demo("DEMO_USR.etb"), demo("DEMO.stg"), demo("DEMO.SEK")};
}

Controller generated(int parameters)
{
    const GeneratedController& c = GeneratedController::parameters(parameters);
    return {c.path("."), c.path("STD.etb"), c.path("USR.etb"), c.path("USR.stg"), c.path("USR.SEK")};
}

// The demo controller is size 0.
Controller controller(int size) { return size == 0 ? demoController() : generated(size); }

std::unique_ptr<Telva27::colclsFunction> loadedModel(const Controller& c)
{
    platform::folders::setLibraryFolderForTesting(c.folder);
    auto model = std::make_unique<Telva27::colclsFunction>();
    if (!model->ReadSet01e() || !model->ReadSet02e() || !model->ReadSet03e() || !model->ReadSet10e())
        throw std::runtime_error("the Set files were not read");
    return model;
}

void SetFiles_raw(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    for (auto _ : state)
        for (const QString& name : GeneratedController::parameterSetFiles())
            benchmark::DoNotOptimize(readRaw(c.setFile(name)));
}

// The model read; dropping it afterwards is not part of the reading.
void SetFiles_model(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    for (auto _ : state) {
        auto model = loadedModel(c);
        benchmark::DoNotOptimize(model.get());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

// ---- the one-pass floor: the bytes read, decoded, split and converted --------

// The numeric fields of a line, by number.
auto fields(std::vector<int> numeric)
{
    return [numeric = std::move(numeric)](int field) {
        return std::find(numeric.begin(), numeric.end(), field) != numeric.end();
    };
}

void SetFilesOnePass(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    for (auto _ : state) {
        int64_t sum = onePass(c.setFile("Set01.e"), fields({}));
        sum += onePass(c.setFile("Set02.e"), fields({8, 9, 10}));
        sum += onePass(c.setFile("Set03.e"), fields({3}));
        sum += onePass(c.setFile("Set10.e"), fields({}));
        benchmark::DoNotOptimize(sum);
    }
}

// Reading the 1,000-parameter files sixteen times: the same number of
// parameters as the 16,000-parameter files.
void SetFilesSixteenSmall(benchmark::State& state, int)
{
    const Controller c = controller(1000);
    for (auto _ : state) {
        std::vector<std::unique_ptr<Telva27::colclsFunction>> models;
        for (int i = 0; i < 16; ++i)
            models.push_back(loadedModel(c));
        benchmark::DoNotOptimize(models.data());
        state.PauseTiming();
        models.clear();
        state.ResumeTiming();
    }
}

// ---- the floor: the model's objects from fields already split -------------

// A Set file split into records of fields, each field a string of its own.
std::vector<std::vector<QString>> split(const QString& path)
{
    std::vector<std::vector<QString>> records;
    const QString text = platform::cp932::decode(readRaw(path));
    for (QStringView line : QStringView(text).split(u"\r\n", Qt::SkipEmptyParts)) {
        std::vector<QString> fields;
        for (QStringView field : line.split(u'\t'))
            fields.push_back(field.toString());
        records.push_back(std::move(fields));
    }
    return records;
}

struct SplitParameter {
    QString group;
    QString fields[7]; // kind, name, input method, unit, min, max, advice
    int32_t ramAddress;
    uint8_t bit;
    uint8_t dataRam;
};

struct SplitChoice {
    QString group, digital, selection, description;
    int32_t value;
};

struct SplitFiles {
    std::vector<std::vector<QString>> groups;
    std::vector<SplitParameter> parameters;
    std::vector<SplitChoice> choices;
    std::vector<QString> hidden;
};

SplitFiles splitFiles(const Controller& c)
{
    SplitFiles s;
    s.groups = split(c.setFile("Set01.e"));
    for (const auto& f : split(c.setFile("Set02.e")))
        s.parameters.push_back({f[1],
                                {f[0], f[2], f[3], f[4], f[5], f[6], f[7]},
                                platform::ValAs<int32_t>(f[8]),
                                platform::ValAs<uint8_t>(f[9]),
                                platform::ValAs<uint8_t>(f[10])});
    for (const auto& f : split(c.setFile("Set03.e")))
        s.choices.push_back(
            {f[0], f[1], f[2], QString(f[4]).replace("<RETURN>", "\r\n"), platform::ValAs<int32_t>(f[3])});
    for (const auto& f : split(c.setFile("Set10.e")))
        if (const QString name = platform::Trim(f[0]); !name.startsWith(u';'))
            s.hidden.push_back(name);
    return s;
}

// The groups, their parameters with their choices, and two parameters hidden;
// each group and parameter looked up once.
void buildModel(const SplitFiles& s)
{
    Telva27::colclsFunction model;
    for (const auto& f : s.groups)
        model.Add(f[0], f[1]);
    std::shared_ptr<Telva27::colclsDigital> items;
    const QString* group = nullptr;
    for (const SplitParameter& p : s.parameters) {
        if (!group || p.group != *group) {
            items = model.Item(p.group)->Items();
            group = &p.group;
        }
        auto d = std::make_shared<Telva27::clsDigital>();
        d->setKinoNO(p.fields[0]);
        d->setDigital(p.fields[1]);
        d->setInputMethod(p.fields[2]);
        d->setUnit(p.fields[3]);
        d->setMin(p.fields[4]);
        d->setMax(p.fields[5]);
        d->setAdvice(p.fields[6]);
        d->setRamAddress(p.ramAddress);
        d->setBit(p.bit);
        d->setDataRam(p.dataRam);
        d->setAllowEdit(true);
        items->KeyedCollection::Add(d, d->Digital());
    }
    std::shared_ptr<Telva27::clsDigital> digital;
    for (const SplitChoice& c : s.choices) {
        if (!digital || digital->Digital() != c.digital)
            digital = model.Item(c.group)->Items()->Item(c.digital);
        digital->AddSelection(c.selection, c.value, c.description);
    }
    for (const QString& name : s.hidden)
        model.Delete_Digital(name);
    benchmark::DoNotOptimize(model.Count());
}

void SetFilesFloor(benchmark::State& state, int size)
{
    const SplitFiles files = splitFiles(controller(size));
    for (auto _ : state)
        buildModel(files);
}

// ---- tables -------------------------------------------------------------------

void ReadStdUsr_raw(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(c.stdTable));
        benchmark::DoNotOptimize(readRaw(c.usrTable));
    }
}

void ReadStdUsr_model(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    auto model = loadedModel(c);
    for (auto _ : state) {
        if (!model->ReadData(Telva27::eSTD, c.stdTable, 1, QString()) ||
            !model->ReadData(Telva27::eUSR, c.usrTable, 1, QString()))
            state.SkipWithError("read failed");
    }
}

// Both sides read the current file and replace the new one and its SEK
// working copy together, synced to disk.
void SaveIntoStg_raw(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    const QByteArray sek = readRaw(c.sek); // the model holds it from the read
    for (auto _ : state)
        replaceRaw({{scratch("raw.tmp"), readRaw(c.stg)}, {scratch("rawsek.tmp"), sek}});
}

void SaveIntoStg_model(benchmark::State& state, int size)
{
    const Controller c = controller(size);
    auto model = loadedModel(c);
    if (!model->ReadData(Telva27::eUSR, c.stg, 2 * 8192 + 1, c.sek))
        state.SkipWithError("read failed");
    for (auto _ : state) {
        if (!model->SaveData(Telva27::eSTG, scratch("eusr2.tmp"), 2 * 8192 + 1, Telva27::eSTG, c.stg))
            state.SkipWithError("save failed");
    }
}

const bool goals = [] {
    for (const char* task : {"SetFiles/demo", "SetFiles/1000", "SetFiles/4000", "SetFiles/16000"})
        setGoal(task, 3, Clock::cpu);
    setGoal("SetFilesLinear/16000", 1.2, Clock::cpu);
    for (const char* task : {"ReadStdUsr/demo", "ReadStdUsr/4000", "SaveIntoStg/demo", "SaveIntoStg/4000"})
        setGoal(task, 10);
    return true;
}();

using Run = void (*)(benchmark::State&, int);

// Registers "<task>/<size>/<part>" for each size ("demo" for 0).
void sizes(std::initializer_list<int> counts, const char* task, const char* part, Run run)
{
    for (int count : counts) {
        const std::string size = count == 0 ? "demo" : std::to_string(count);
        benchmark::RegisterBenchmark((std::string(task) + "/" + size + "/" + part).c_str(),
                                     [run, count](benchmark::State& state) { run(state, count); });
    }
}

const bool registered = [] {
    sizes({0, 1000, 4000, 16000}, "SetFiles", "raw", SetFilesOnePass);
    sizes({0, 1000, 4000, 16000}, "SetFiles", "model", SetFiles_model);
    sizes({16000}, "SetFilesLinear", "raw", SetFilesSixteenSmall);
    sizes({16000}, "SetFilesLinear", "model", SetFiles_model);
    sizes({0, 1000, 4000, 16000}, "SetFiles", "io/raw", SetFiles_raw);
    sizes({0, 1000, 4000, 16000}, "SetFiles", "io/model", SetFiles_model);
    sizes({0, 1000, 4000, 16000}, "SetFiles", "floor/raw", SetFiles_raw);
    sizes({0, 1000, 4000, 16000}, "SetFiles", "floor/model", SetFilesFloor);
    sizes({0, 4000}, "ReadStdUsr", "raw", ReadStdUsr_raw);
    sizes({0, 4000}, "ReadStdUsr", "model", ReadStdUsr_model);
    sizes({0, 4000}, "SaveIntoStg", "raw", SaveIntoStg_raw);
    sizes({0, 4000}, "SaveIntoStg", "model", SaveIntoStg_model);
    return true;
}();

} // namespace
