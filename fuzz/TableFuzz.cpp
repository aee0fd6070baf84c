// Reading a table file with its SEK companion into the demo controller's
// model, and saving it again, on arbitrary bytes. Input: one byte choosing the
// file kinds and the table, the SEK length (two bytes, little-endian), the SEK
// file, then the table file.

#include "FuzzSupport.h"

#include "datamodel/parameters/colclsFunction.h"

#include <QDir>

#include <algorithm>

namespace {

Telva27::colclsFunction& demoModel()
{
    static Telva27::colclsFunction* model = [] {
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set10.e"})
            fuzzsupport::copyDemoFile(QLatin1String(name));
        auto* m = new Telva27::colclsFunction;
        m->ReadSet01e();
        m->ReadSet02e();
        m->ReadSet03e();
        m->ReadSet10e();
        return m;
    }();
    return *model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const uint8_t choice = data[0];
    const size_t sekLength = std::min<size_t>(data[1] | (data[2] << 8), size - 3);
    const auto* bytes = reinterpret_cast<const char*>(data + 3);
    const QString sek = fuzzsupport::writeFile(QStringLiteral("table.SEK"), QByteArray(bytes, sekLength));
    const QString table = fuzzsupport::writeFile(QStringLiteral("table.tmp"),
                                                 QByteArray(bytes + sekLength, size - 3 - sekLength));
    const auto current = (choice & 1) ? Telva27::eSTG : Telva27::eETB;
    const auto target = (choice & 2) ? Telva27::eSTG : Telva27::eETB;
    const int32_t start = current == Telva27::eSTG ? ((choice >> 2) & 7) * 8192 + 1 : 1;

    Telva27::colclsFunction& model = demoModel();
    model.ReadData(Telva27::eSTD, table, start, QString());
    if (model.ReadData(Telva27::eUSR, table, start, sek)) {
        const QString saved = QDir(fuzzsupport::libraryFolder()).filePath(QStringLiteral("saved.tmp"));
        model.SaveData(current, saved, target == Telva27::eSTG ? start : 1, target, table);
    }
    return 0;
}
