#include "CustomizeSetFiles.h"

#include "datamodel/customize/CustomizeImage.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/io/SetTextFile.h"
#include "util/method/Trap.h"

#include <QDir>

namespace Telva27 {

namespace {

constexpr int kInputFields = 6;
constexpr int kOutputFields = 15;

using Fields = SetTextFile::Fields;

int32_t address(const Fields& f, int i) { return SetTextFile::number<int32_t>(f[i]); }
uint8_t mask(const Fields& f, int i) { return SetTextFile::number<uint8_t>(f[i]); }

// Adds the pin of one line, refusing a definition whose fields could damage
// the table; a refused pin is taken out again before the error goes on.
template <typename AddPin>
void addChecked(colclsCustom& model, AddPin&& addPin)
{
    const auto pin = addPin();
    try {
        CustomizeImage(model).checkPlacement(*pin);
    } catch (...) {
        model.Remove(pin->Location());
        throw;
    }
}

template <typename PerLine>
bool readLines(colclsCustom& model, const char* file, const char* label, int minFields, PerLine&& perLine)
{
    return Ostrel7::trapped(model.method(), QLatin1String(label), [&] {
        const SetTextFile text(QDir(model.libraryFolder()).filePath(QLatin1String(file)));
        for (QStringView line : text.lines())
            perLine(SetTextFile::fields(line, minFields));
        return true;
    });
}

} // namespace

bool CustomizeSetFiles::ReadSet04e()
{
    return readLines(model_, "Set04.e", "ReadSet04e", kInputFields, [&](const Fields& f) {
        addChecked(model_, [&] {
            return model_.Add(eINPUT, f[0].toString(), address(f, 1), address(f, 2), mask(f, 3), address(f, 4),
                              mask(f, 5));
        });
    });
}

bool CustomizeSetFiles::ReadSet05e()
{
    return readLines(model_, "Set05.e", "ReadSet05e", kOutputFields, [&](const Fields& f) {
        addChecked(model_, [&] {
            return model_.Add(eOUTPUT, f[0].toString(), address(f, 1), address(f, 2), mask(f, 3), address(f, 4),
                              mask(f, 5), mask(f, 6), mask(f, 7), address(f, 8), address(f, 9), address(f, 10),
                              mask(f, 11), address(f, 12), address(f, 13), mask(f, 14));
        });
    });
}

} // namespace Telva27
