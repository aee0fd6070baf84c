#include "CustomizeImage.h"

#include "datamodel/common/mTELVA.h"
#include "datamodel/customize/colclsCustom.h"
#include "platform/RuntimeError.h"

#include <unordered_map>

namespace Telva27 {

namespace {

using Field = CustomizeImage::Field;

constexpr uint8_t kWholeByte = 0xFF;

QString pinText(const clsCustom& pin) { return QStringLiteral("Pin \"%1\": ").arg(pin.Location()); }

QString maskText(uint8_t mask) { return QStringLiteral("&H%1").arg(mask, 2, 16, QLatin1Char('0')).toUpper(); }

// The field's bits for a value, unmasked.
int32_t encode(const Field& field, uint8_t value)
{
    return field.shifted ? mTELVA::ShiftByMask(field.mask, value, 1) : value;
}

uint8_t decode(const Field& field, uint8_t byte)
{
    const uint8_t bits = byte & field.mask;
    return static_cast<uint8_t>(field.shifted ? mTELVA::ShiftByMask(field.mask, bits, 0) : bits);
}

// A value that would set bits outside the field's mask would change another
// field (or bits nobody owns), so it is refused rather than written.
bool fits(const Field& field, uint8_t value)
{
    if (field.mask == 0)
        return value == 0;
    return (encode(field, value) & ~field.mask) == 0;
}

bool inTable(int32_t address) { return address >= 0 && address < CustomizeImage::kTableSize; }

} // namespace

template <typename Visit>
void CustomizeImage::forEachField(const clsCustom& pin, Visit&& visit)
{
    visit(Field{"Kino", pin.KinoRamAddress(), kWholeByte, true, &clsCustom::Kino, &clsCustom::setKino});
    visit(Field{"Logic", pin.LogicRamAddress(), pin.LogicBit(), true, &clsCustom::Logic, &clsCustom::setLogic});
    visit(Field{"Dosa", pin.DosaRamAddress(), pin.DosaBit(), true, &clsCustom::Dosa, &clsCustom::setDosa});
    if (!pin.isOutputPin())
        return;
    visit(Field{"OnDelay", pin.DosaRamAddress(), pin.DosaOnDelayBit(), true, &clsCustom::OnDelay, &clsCustom::setOnDelay});
    visit(Field{"OffDelay", pin.DosaRamAddress(), pin.DosaOffDelayBit(), true, &clsCustom::OffDelay,
                &clsCustom::setOffDelay});
    visit(Field{"OnDelayTime", pin.OnDelayTimeRamAddress(), kWholeByte, true, &clsCustom::OnDelayTime,
                &clsCustom::setOnDelayTime});
    visit(Field{"OffDelayTime", pin.OffDelayTimeRamAddress(), kWholeByte, true, &clsCustom::OffDelayTime,
                &clsCustom::setOffDelayTime});
    if (pin.OutIsLack())
        return;
    visit(Field{"Chopping", pin.ChoppingRamAddress(), pin.ChoppingBit(), true, &clsCustom::Chopping,
                &clsCustom::setChopping});
    visit(Field{"ZenpaTime", pin.ZenpaTimeRamAddress(), kWholeByte, true, &clsCustom::ZenpaTime,
                &clsCustom::setZenpaTime});
    visit(Field{"Duty", pin.DutyRamAddress(), pin.DutyBit(), false, &clsCustom::Duty, &clsCustom::setDuty});
}

QString CustomizeImage::misplacement(const Field& field)
{
    if (inTable(field.address) && field.address >= kHeaderSize)
        return {};
    const QString where = QStringLiteral("%1 at address %2 ").arg(QLatin1String(field.name)).arg(field.address);
    if (!inTable(field.address))
        return where + QStringLiteral("lies outside the table (0-%1).").arg(kTableSize - 1);
    return where + QStringLiteral("lies in the table header (0-%1).").arg(kHeaderSize - 1);
}

void CustomizeImage::checkWritable(const clsCustom& pin, const Field& field)
{
    const QString why = misplacement(field);
    if (!why.isEmpty())
        throw platform::RuntimeError(platform::errSubscript, pinText(pin) + why);
}

void CustomizeImage::readValues(const QByteArray& table) const
{
    // Inlined into each visit, the field's setter is a known call the compiler
    // inlines too; through the member pointer a table read cost a third more.
    for (const auto& pin : pins_) {
        forEachField(*pin, [&](const Field& field) __attribute__((always_inline)) {
            uint8_t value = 0;
            if (field.mask != 0) {
                if (!inTable(field.address) || field.address >= table.size())
                    throw platform::RuntimeError(platform::errSubscript, pinText(*pin) + misplacement(field));
                value = decode(field, static_cast<uint8_t>(table.at(field.address)));
            }
            ((*pin).*field.set)(value);
        });
    }
}

void CustomizeImage::reset(QByteArray& table) const
{
    // Cleared on a copy, so that a refused field leaves the table as it was.
    QByteArray image = table;
    for (const auto& pin : pins_) {
        forEachField(*pin, [&](const Field& field) {
            if (field.mask == 0)
                return;
            checkWritable(*pin, field);
            image[field.address] = static_cast<char>(static_cast<uint8_t>(image.at(field.address)) & ~field.mask);
        });
    }
    table = image;
}

void CustomizeImage::writeValues(QByteArray& table) const
{
    // The bits each address has been given in this save: installation files
    // may define fields that share bits, and such fields must then agree, or
    // one pin's edit would silently undo another's.
    struct Written {
        uint8_t mask = 0;
        uint8_t bits = 0;
        const clsCustom* pin = nullptr;
        const char* field = nullptr;
    };
    std::unordered_map<int32_t, Written> written;
    for (const auto& pin : pins_) {
        forEachField(*pin, [&](const Field& field) {
            const uint8_t value = ((*pin).*field.get)();
            if (!fits(field, value))
                throw platform::RuntimeError(platform::errOverflow,
                                             pinText(*pin) + QStringLiteral("%1 %2 does not fit its mask %3.")
                                                                 .arg(QLatin1String(field.name))
                                                                 .arg(value)
                                                                 .arg(maskText(field.mask)));
            if (field.mask == 0)
                return;
            checkWritable(*pin, field);
            const auto bits = static_cast<uint8_t>(encode(field, value));
            Written& before = written[field.address];
            if (((before.bits ^ bits) & before.mask & field.mask) != 0)
                throw platform::RuntimeError(platform::errInvalidPropertyValue,
                                             pinText(*pin) + QStringLiteral("%1 at address %2 shares bits with %3 "
                                                                            "and has another value.")
                                                                 .arg(QLatin1String(field.name))
                                                                 .arg(field.address)
                                                                 .arg(before.pin->Location() + QLatin1Char(' ') +
                                                                      QLatin1String(before.field)));
            before = {static_cast<uint8_t>(before.mask | field.mask),
                      static_cast<uint8_t>((before.bits & ~field.mask) | bits),
                      pin.get(), field.name};
            const uint8_t kept = static_cast<uint8_t>(table.at(field.address)) & ~field.mask;
            table[field.address] = static_cast<char>(kept | bits);
        });
    }
}

void CustomizeImage::checkPlacement(const clsCustom& pin) const
{
    forEachField(pin, [&](const Field& field) {
        if (field.mask == 0)
            return;
        const QString why = misplacement(field);
        if (!why.isEmpty())
            throw platform::RuntimeError(platform::errInvalidPropertyValue, pinText(pin) + why);
    });
}

} // namespace Telva27
