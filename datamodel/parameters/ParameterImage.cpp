#include "ParameterImage.h"

#include "datamodel/common/mTELVA.h"
#include "datamodel/parameters/colclsFunction.h"
#include "platform/RuntimeError.h"

namespace Telva27 {

namespace {

// The number of table bytes a parameter's value occupies at its address.
int32_t widthOf(const clsDigital& d) { return d.Bit() == 0 && d.DataRam() == 2 ? 2 : 1; }

void checkInTable(const QByteArray& table, int64_t address, int32_t width = 1)
{
    if (address < 0 || address + width > table.size())
        throw platform::RuntimeError(platform::errSubscript);
}

uint8_t byteAt(const QByteArray& table, int64_t address)
{
    checkInTable(table, address);
    return static_cast<uint8_t>(table.at(static_cast<qsizetype>(address)));
}

// The field's largest value: the mask moved down to bit 0.
bool fitsMask(uint8_t mask, int32_t value)
{
    return value >= 0 && value <= mTELVA::ShiftByMask(mask, mask, 0) &&
           (mTELVA::ShiftByMask(mask, value, 1) & ~mask) == 0;
}

} // namespace

int32_t ParameterImage::readValue(const QByteArray& table, const clsDigital& d)
{
    const int32_t a = d.RamAddress();
    checkInTable(table, a, widthOf(d));
    if (d.Bit() != 0)
        return mTELVA::ShiftByMask(d.Bit(), byteAt(table, a) & d.Bit(), 0);
    switch (d.DataRam()) {
    case 1: return byteAt(table, a);
    case 2: return byteAt(table, a) | (byteAt(table, a + 1) << 8);
    default: return 0; // no storage of its own; the writer leaves its byte 0
    }
}

void ParameterImage::readLimits(const QByteArray& table, clsDigital& d)
{
    if (d.MinRamAddress() == 0 && d.MaxRamAddress() == 0)
        return;
    // The table holds the limits in hundreds; the maximum is exclusive.
    d.setMin(QString::number(byteAt(table, d.MinRamAddress()) * 100));
    d.setMax(QString::number(byteAt(table, d.MaxRamAddress()) * 100 - 1));
}

void ParameterImage::readValues(const QByteArray& table, ENUM_USRSTD kind) const
{
    model_.forEachDigital([&](clsDigital& d) {
        const int32_t value = readValue(table, d);
        if (kind == eSTD)
            d.setStdValue(value);
        else
            d.setUserValue(value);
        readLimits(table, d);
    });
}

void ParameterImage::reset(QByteArray& table) const
{
    model_.forEachDigital([&](const clsDigital& d) {
        const int32_t a = d.RamAddress();
        checkInTable(table, a, widthOf(d));
        table[a] = d.Bit() != 0 ? static_cast<char>(byteAt(table, a) & ~d.Bit()) : '\0';
    });
}

void ParameterImage::mergeBitFields(QByteArray& table) const
{
    model_.forEachDigital([&](const clsDigital& d) {
        if (d.Bit() == 0)
            return;
        if (!fitsMask(d.Bit(), d.UserValue()))
            throw platform::RuntimeError(platform::errOverflow);
        const int32_t a = d.RamAddress();
        table[a] = static_cast<char>(byteAt(table, a) | mTELVA::ShiftByMask(d.Bit(), d.UserValue(), 1));
    });
}

void ParameterImage::writeValues(QByteArray& table) const
{
    model_.forEachDigital([&](const clsDigital& d) {
        if (d.Bit() != 0)
            return;
        const int32_t a = d.RamAddress();
        const int32_t v = d.UserValue();
        if (d.DataRam() == 1) {
            if (v < 0 || v > 255)
                throw platform::RuntimeError(platform::errOverflow);
            checkInTable(table, a);
            table[a] = static_cast<char>(v);
        } else if (d.DataRam() == 2) {
            // -1 and 65535 both stand for 0xFFFF.
            if (v < -32768 || v > 65535)
                throw platform::RuntimeError(platform::errOverflow);
            checkInTable(table, a, 2);
            table[a] = static_cast<char>(v & 0xFF);
            table[a + 1] = static_cast<char>((v >> 8) & 0xFF);
        }
    });
}

} // namespace Telva27
