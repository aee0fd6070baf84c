#include "mTELVA.h"

#include "platform/RuntimeError.h"

#include <bit>

namespace Telva27::mTELVA {

int32_t ShiftByMask(uint8_t mask, int32_t value, int32_t mode)
{
    if (mask == 0)
        return 0;
    // The values a field holds are never negative: a shift serves them.
    const int shift = std::countr_zero(mask);
    const int64_t factor = int64_t{1} << shift;
    switch (mode) {
    case 0: return value >= 0 ? value >> shift : static_cast<int32_t>(value / factor);
    case 1: {
        const int64_t product = int64_t{value} * factor;
        if (product < INT32_MIN || product > INT32_MAX)
            throw platform::RuntimeError(platform::errOverflow);
        return static_cast<int32_t>(product);
    }
    default: return 0;
    }
}

QVariant ConvertLetter(int32_t kind, int32_t direction, const QVariant& value)
{
    static const char* const texts[3][2] = {{"-", "REV"}, {"-", "ALT"}, {"OFF", "ON"}};
    if (kind < 0 || kind > 2)
        return {};
    const QString zero = QString::fromLatin1(texts[kind][0]);
    switch (direction) {
    case 0: return QVariant::fromValue<uint8_t>(value.toString() == zero ? 0 : 1);
    case 1: return value.toDouble() == 0 ? zero : QString::fromLatin1(texts[kind][1]);
    default: return {};
    }
}

} // namespace Telva27::mTELVA
