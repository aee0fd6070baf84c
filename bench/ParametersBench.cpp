// The parameter model on the demo controller against plain file I/O of the
// same bytes: reading the four Set files, reading an STD and USR table pair,
// and saving USR into an eight-table file.

#include "RatioMain.h"

#include "datamodel/parameters/colclsFunction.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>

namespace {

const char* const kSetFiles[] = {"Set01.e", "Set02.e", "Set03.e", "Set10.e"};

QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }

QByteArray readRaw(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

// The demo Set files in the library folder, where the model reads them.
bool prepareLibrary()
{
    static const bool done = [] {
        platform::folders::setLibraryFolderForTesting(benchsupport::scratchFolder());
        for (const char* name : kSetFiles)
            QFile::copy(demo(name), QDir(benchsupport::scratchFolder()).filePath(QLatin1String(name)));
        return true;
    }();
    return done;
}

std::unique_ptr<Telva27::colclsFunction> loadedModel()
{
    prepareLibrary();
    auto model = std::make_unique<Telva27::colclsFunction>();
    model->ReadSet01e();
    model->ReadSet02e();
    model->ReadSet03e();
    model->ReadSet10e();
    return model;
}

void SetFiles_raw(benchmark::State& state)
{
    prepareLibrary();
    for (auto _ : state)
        for (const char* name : kSetFiles)
            benchmark::DoNotOptimize(readRaw(QDir(benchsupport::scratchFolder()).filePath(QLatin1String(name))));
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
    // Like the model, the new file is made afresh each time.
    const QString target = QDir(benchsupport::scratchFolder()).filePath("raw.tmp");
    for (auto _ : state) {
        QFile::remove(target);
        writeRaw(target, readRaw(demo("DEMO.stg")));
    }
}

void SaveIntoStg_model(benchmark::State& state)
{
    auto model = loadedModel();
    const QString target = QDir(benchsupport::scratchFolder()).filePath("eusr2.tmp");
    if (!model->ReadData(Telva27::eUSR, demo("DEMO.stg"), 2 * 8192 + 1, demo("DEMO.SEK")))
        state.SkipWithError("read failed");
    for (auto _ : state) {
        if (!model->SaveData(Telva27::eSTG, target, 2 * 8192 + 1, Telva27::eSTG, demo("DEMO.stg")))
            state.SkipWithError("save failed");
    }
}

const bool goals = [] {
    for (const char* task : {"SetFiles", "ReadStdUsr", "SaveIntoStg"})
        benchsupport::setGoal(task, 10);
    return true;
}();

} // namespace

BENCHMARK(SetFiles_raw)->Name("SetFiles/raw");
BENCHMARK(SetFiles_model)->Name("SetFiles/model");
BENCHMARK(ReadStdUsr_raw)->Name("ReadStdUsr/raw");
BENCHMARK(ReadStdUsr_model)->Name("ReadStdUsr/model");
BENCHMARK(SaveIntoStg_raw)->Name("SaveIntoStg/raw");
BENCHMARK(SaveIntoStg_model)->Name("SaveIntoStg/model");
