// Step tables against plain file I/O of the same bytes, measured like for like:
// - reading one table with its notes against reading the bytes the reader needs
//   (the header's author and password, the table, the table's notes);
// - saving one table against replacing the same two files the same durable way
//   (read the pair, write both to temporary files, force them to the disk,
//   rename them over the old ones: platform::FileReplacement with two files).
// Once for the demo step file (one short program) and once for a generated
// step file whose seven tables are full: every line in use with eight
// conditions and a remark, every caption and the whole memo filled.

#include "DemoFiles.h"
#include "RatioMain.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/AtomicFile.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

using namespace benchsupport;

namespace {

constexpr int32_t kTableSize = 8192;
constexpr int32_t kTable1 = kTableSize + 1;
constexpr int32_t kTable4 = 4 * kTableSize + 1;
constexpr int32_t kHeaderFieldsAt = 8156; // author and password, to the end of the header
constexpr int32_t kHeaderFieldsSize = kTableSize - kHeaderFieldsAt;

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

// ---- raw baselines ---------------------------------------------------------

// count bytes at offset of an open file, as the plainest reader would take them.
void preadInto(int fd, char* into, int32_t count, int64_t offset)
{
    if (::pread(fd, into, static_cast<size_t>(count), offset) != count)
        std::abort();
}

// What reading table `at` needs: the header's two fields and the table from
// the step file, the same table from the note file.
void readTableRaw(const QString& stp, const QString& bin, int32_t at)
{
    static char header[kHeaderFieldsSize];
    static char table[kTableSize];
    static char notes[kTableSize];
    const int data = ::open(QFile::encodeName(stp).constData(), O_RDONLY | O_CLOEXEC);
    preadInto(data, header, kHeaderFieldsSize, kHeaderFieldsAt);
    preadInto(data, table, kTableSize, at - 1);
    ::close(data);
    const int note = ::open(QFile::encodeName(bin).constData(), O_RDONLY | O_CLOEXEC);
    preadInto(note, notes, kTableSize, at - 1);
    ::close(note);
    benchmark::DoNotOptimize(header);
    benchmark::DoNotOptimize(table);
    benchmark::DoNotOptimize(notes);
}

// What saving a table into an existing pair does with the disk: both files
// read, both replaced together and durably.
void replacePairRaw(const QString& stp, const QString& bin)
{
    const QByteArray data = readRaw(stp);
    const QByteArray note = readRaw(bin);
    platform::FileReplacement pair;
    pair.stage(stp, data);
    pair.stage(bin, note);
    pair.commit();
}

// ---- the generated step file -----------------------------------------------

// The codes of the entries of a category, in list order.
QVector<int16_t> codesOf(Telva27::colclsCusSelection& list, const char* category)
{
    QVector<int16_t> codes;
    for (const auto& entry : list)
        if (entry->Category() == QLatin1String(category))
            codes << entry->Value();
    return codes;
}

// A program with every line in use. Every eighth line counts: its first
// condition is a counter, the others constants.
void fillProgram(Telva27::colclsStep& program, int32_t table)
{
    using namespace Telva27;
    const QVector<int16_t> outputs = codesOf(lists().outputs, "OUT");
    const QVector<int16_t> inputs = codesOf(lists().inputs, "IN");
    const QVector<int16_t> counters = codesOf(lists().inputs, "COUNT");
    for (int32_t row = 1; row <= 192; ++row) {
        auto ins = std::make_shared<colclsStepIn>();
        const bool counting = row % 8 == 0;
        for (int32_t block = 1; block <= 8; ++block) {
            const int32_t rel = block == 8 ? eREL_END : (counting ? eREL_LEFT : eREL_AND);
            const int32_t kino = counting ? (block == 1 ? counters[row % counters.size()] : 100 * block + row)
                                          : inputs[(row + block) % inputs.size()];
            ins->Add(block, kino, counting ? 0 : (row + block) % 4, rel);
        }
        if (counting)
            ins->setCounterId(row % 6);
        const QString remark = row % 3 ? QStringLiteral("T%1 line %2").arg(table).arg(row) : QStringLiteral("工程%1の備考").arg(row);
        program.Add(row, outputs[row % outputs.size()], row % 2 ? eLOGIC_HIGH : eLOGIC_SET, 10 * row, ins, remark, false,
                    row % 17 == 0);
    }
    Telva27::colclsStep::Captions counts;
    Telva27::colclsStep::Captions lcd;
    for (size_t i = 0; i < counts.size(); ++i) {
        counts[i] = QStringLiteral("COUNTER %1").arg(i);
        lcd[i] = QStringLiteral("表示%1").arg(i);
    }
    program.setArCountCaption(counts);
    program.setArLcdCaption(lcd);
    program.setArCountBytes({1, 2, 3, 4, 5, 6, 7, 8});
    program.setMemo(QString(3000, QLatin1Char('M')) + QStringLiteral("メモ"));
    program.setAuthor(QStringLiteral("Bench Author"));
    program.setPassword(QStringLiteral("secret"));
}

// full.stp / full.BIN in the scratch folder: seven full programs.
void makeFullFile()
{
    static const bool made = [] {
        for (int32_t table = 1; table <= 7; ++table) {
            Telva27::colclsStep program;
            fillProgram(program, table);
            const bool isNew = table == 1;
            if (!program.SaveData(scratch("full.BIN"), scratch("full.stp"), scratch("full.BIN"),
                                  table * kTableSize + 1, isNew, lists().outputs, lists().inputs))
                std::abort();
        }
        return true;
    }();
    (void)made;
}

// ---- demo step file ----------------------------------------------------------

void ReadStepTable_raw(benchmark::State& state)
{
    for (auto _ : state)
        readTableRaw(demo("DEMO.stp"), demo("DEMO.BIN"), kTable1);
}

void ReadStepTable_model(benchmark::State& state)
{
    Telva27::colclsStep program;
    for (auto _ : state)
        if (!program.ReadData(demo("DEMO.stp"), demo("DEMO.BIN"), kTable1, lists().outputs, lists().inputs))
            state.SkipWithError("read failed");
}

void copyDemoPair(const char* stp, const char* bin)
{
    writeRaw(scratch(stp), readRaw(demo("DEMO.stp")));
    writeRaw(scratch(bin), readRaw(demo("DEMO.BIN")));
}

void SaveStepTable_raw(benchmark::State& state)
{
    copyDemoPair("raw.stp", "raw.BIN");
    for (auto _ : state)
        replacePairRaw(scratch("raw.stp"), scratch("raw.BIN"));
}

void SaveStepTable_model(benchmark::State& state)
{
    copyDemoPair("work.stp", "work.BIN");
    Telva27::colclsStep program;
    if (!program.ReadData(scratch("work.stp"), scratch("work.BIN"), kTable1, lists().outputs, lists().inputs))
        state.SkipWithError("read failed");
    for (auto _ : state)
        if (!program.SaveData(scratch("work.BIN"), scratch("work.stp"), scratch("work.BIN"), kTable1, false,
                              lists().outputs, lists().inputs))
            state.SkipWithError("save failed");
}

// ---- generated step file with seven full tables -----------------------------

void ReadFullTables_raw(benchmark::State& state)
{
    makeFullFile();
    for (auto _ : state)
        for (int32_t table = 1; table <= 7; ++table)
            readTableRaw(scratch("full.stp"), scratch("full.BIN"), table * kTableSize + 1);
}

void ReadFullTables_model(benchmark::State& state)
{
    makeFullFile();
    Telva27::colclsStep program;
    for (auto _ : state)
        for (int32_t table = 1; table <= 7; ++table)
            if (!program.ReadData(scratch("full.stp"), scratch("full.BIN"), table * kTableSize + 1, lists().outputs,
                                  lists().inputs))
                state.SkipWithError("read failed");
}

void copyFullPair(const char* stp, const char* bin)
{
    makeFullFile();
    writeRaw(scratch(stp), readRaw(scratch("full.stp")));
    writeRaw(scratch(bin), readRaw(scratch("full.BIN")));
}

void SaveFullTable_raw(benchmark::State& state)
{
    copyFullPair("rawfull.stp", "rawfull.BIN");
    for (auto _ : state)
        replacePairRaw(scratch("rawfull.stp"), scratch("rawfull.BIN"));
}

void SaveFullTable_model(benchmark::State& state)
{
    copyFullPair("workfull.stp", "workfull.BIN");
    Telva27::colclsStep program;
    if (!program.ReadData(scratch("workfull.stp"), scratch("workfull.BIN"), kTable4, lists().outputs, lists().inputs))
        state.SkipWithError("read failed");
    for (auto _ : state)
        if (!program.SaveData(scratch("workfull.BIN"), scratch("workfull.stp"), scratch("workfull.BIN"), kTable4, false,
                              lists().outputs, lists().inputs))
            state.SkipWithError("save failed");
}

const bool goals = [] {
    for (const char* task : {"ReadStepTable", "SaveStepTable", "ReadFullTables", "SaveFullTable"})
        setGoal(task, 10);
    return true;
}();

} // namespace

BENCHMARK(ReadStepTable_raw)->Name("ReadStepTable/raw");
BENCHMARK(ReadStepTable_model)->Name("ReadStepTable/model");
BENCHMARK(SaveStepTable_raw)->Name("SaveStepTable/raw");
BENCHMARK(SaveStepTable_model)->Name("SaveStepTable/model");
BENCHMARK(ReadFullTables_raw)->Name("ReadFullTables/raw");
BENCHMARK(ReadFullTables_model)->Name("ReadFullTables/model");
BENCHMARK(SaveFullTable_raw)->Name("SaveFullTable/raw");
BENCHMARK(SaveFullTable_model)->Name("SaveFullTable/model");
