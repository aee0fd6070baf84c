// Reading a setting table with its SEK companion into the demo controller's
// parameter, customize and feed-pitch models, and saving it again as the
// setting program does, on arbitrary bytes. Input: one byte choosing the file
// kinds and the table, the SEK length (two bytes, little-endian), the SEK file,
// then the table file.

#include "FuzzSupport.h"

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"

#include <QDir>

#include <algorithm>

namespace {

struct DemoModels {
    Telva27::colclsFunction parameters;
    Telva27::colclsCustom pins;
    Telva27::colclsOkuri x;
    Telva27::colclsOkuri y;
};

DemoModels& demo()
{
    static DemoModels* models = [] {
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set10.e", "Set04.e", "Set05.e"})
            fuzzsupport::copyDemoFile(QLatin1String(name));
        auto* m = new DemoModels;
        m->parameters.ReadSet01e();
        m->parameters.ReadSet02e();
        m->parameters.ReadSet03e();
        m->parameters.ReadSet10e();
        m->pins.ReadSet04e();
        m->pins.ReadSet05e();
        return m;
    }();
    return *models;
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
    const int32_t targetStart = target == Telva27::eSTG ? start : 1;

    DemoModels& m = demo();
    m.parameters.ReadData(Telva27::eSTD, table, start, QString());
    const bool read = m.parameters.ReadData(Telva27::eUSR, table, start, sek) && m.pins.ReadData(table, start) &&
                      m.x.ReadData(table, start + 512) && m.y.ReadData(table, start + 640);
    if (read) {
        const QString saved = QDir(fuzzsupport::libraryFolder()).filePath(QStringLiteral("saved.tmp"));
        const int32_t x = current == Telva27::eETB && target == Telva27::eSTG ? 512 : targetStart + 512;
        const int32_t y = current == Telva27::eETB && target == Telva27::eSTG ? 640 : targetStart + 640;
        (void)(m.parameters.SaveData(current, saved, targetStart, target, table) &&
               m.pins.SaveData(current, saved, targetStart, target) &&
               m.x.SaveData(current, saved, x, target, 512) && m.y.SaveData(current, saved, y, target, 640));
    }
    return 0;
}
