// Reading a step table and its note file into a step program with the demo
// controller's step function lists, saving it again, and unscrambling author
// and password fields, on arbitrary bytes. Input: one byte choosing the table,
// the note file's length (two bytes, little-endian), the note file, then the
// step data file.

#include "FuzzSupport.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepWordScramble.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/RuntimeError.h"

#include <QDir>

#include <algorithm>

namespace {

struct StepLists {
    Telva27::colclsCusSelection outputs;
    Telva27::colclsCusSelection inputs;
};

StepLists& lists()
{
    static StepLists* demo = [] {
        fuzzsupport::copyDemoFile(QStringLiteral("Set08.e"));
        fuzzsupport::copyDemoFile(QStringLiteral("Set09.e"));
        auto* l = new StepLists;
        l->outputs.ReadSet6_7_8_9e(QDir(fuzzsupport::libraryFolder()).filePath(QStringLiteral("Set08.e")));
        l->inputs.ReadSet6_7_8_9e(QDir(fuzzsupport::libraryFolder()).filePath(QStringLiteral("Set09.e")));
        return l;
    }();
    return *demo;
}

void unscramble(const QByteArray& bytes)
{
    for (const bool author : {true, false}) {
        try {
            Telva27::stepscramble::decodeWord(bytes.left(author ? 20 : 16), author);
        } catch (const platform::RuntimeError&) {
            // bytes no save makes: refused, as they should be
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const int32_t start = (data[0] % 7 + 1) * 8192 + 1;
    const size_t noteLength = std::min<size_t>(data[1] | (data[2] << 8), size - 3);
    const auto* bytes = reinterpret_cast<const char*>(data + 3);
    const QByteArray note(bytes, static_cast<qsizetype>(noteLength));
    const QByteArray steps(bytes + noteLength, static_cast<qsizetype>(size - 3 - noteLength));
    const QString stp = fuzzsupport::writeFile(QStringLiteral("fuzz.stp"), steps);
    const QString bin = fuzzsupport::writeFile(QStringLiteral("fuzz.BIN"), note);
    unscramble(steps);

    StepLists& l = lists();
    Telva27::colclsStep program;
    if (program.ReadData(stp, bin, start, l.outputs, l.inputs))
        program.SaveData(bin, stp, bin, start, false, l.outputs, l.inputs);
    return 0;
}
