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

// The model's pins followed by the new ones; nothing changes when a new name
// is taken already. Every name is checked before the first is added, and room
// is made beforehand, so the joining itself cannot fail half way.
void join(colclsCustom& model, colclsCustom& added)
{
    KeyedCollection<clsCustom>& pins = model;
    if (pins.Count() == 0) {
        pins = std::move(static_cast<KeyedCollection<clsCustom>&>(added));
        return;
    }
    for (const auto& pin : added)
        if (pins.Contains(pin->Location()))
            throw platform::RuntimeError(457);
    pins.Reserve(pins.Count() + added.Count());
    for (const auto& pin : added)
        pins.Add(pin, pin->Location());
}

// Reads the pins of every line into a collection of their own, refusing a
// definition whose fields could damage the table, and joins them to the model
// only when the whole file was read: a file is taken whole or not at all.
template <typename AddPin>
bool readLines(colclsCustom& model, const char* file, const char* label, int minFields, AddPin&& addPin)
{
    return Ostrel7::trapped(model.method(), QLatin1String(label), [&] {
        const SetTextFile text(QDir(model.libraryFolder()).filePath(QLatin1String(file)));
        colclsCustom added;
        added.Reserve(static_cast<int32_t>(text.lines().size()));
        for (QStringView line : text.lines())
            CustomizeImage(added).checkPlacement(*addPin(added, SetTextFile::fields(line, minFields)));
        join(model, added);
        return true;
    });
}

} // namespace

bool CustomizeSetFiles::ReadSet04e()
{
    return readLines(model_, "Set04.e", "ReadSet04e", kInputFields, [](colclsCustom& pins, const Fields& f) {
        return pins.Add(eINPUT, f[0].toString(), address(f, 1), address(f, 2), mask(f, 3), address(f, 4), mask(f, 5));
    });
}

bool CustomizeSetFiles::ReadSet05e()
{
    return readLines(model_, "Set05.e", "ReadSet05e", kOutputFields, [](colclsCustom& pins, const Fields& f) {
        return pins.Add(eOUTPUT, f[0].toString(), address(f, 1), address(f, 2), mask(f, 3), address(f, 4), mask(f, 5),
                        mask(f, 6), mask(f, 7), address(f, 8), address(f, 9), address(f, 10), mask(f, 11),
                        address(f, 12), address(f, 13), mask(f, 14));
    });
}

} // namespace Telva27
