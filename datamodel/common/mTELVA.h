#pragma once
// Small helpers of the data model: moving bit-field values in and out of their
// byte, and the two-valued customize switches as their short texts.

#include <QString>
#include <QVariant>
#include <bit>
#include <climits>
#include <cstdint>

namespace Telva27::mTELVA {

// Throws RuntimeError(Overflow).
[[noreturn]] void throwOverflow();

// Mode 0 divides the (already masked) value down by the mask's lowest set bit,
// mode 1 multiplies it up; the result is not masked. Mask 0 or another mode
// gives 0. Throws RuntimeError(Overflow) when mode 1 leaves 32 bits.
// Inline: every read of a table runs it for each bit field.
inline int32_t ShiftByMask(uint8_t mask, int32_t value, int32_t mode)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    switch (mode) {
    // The values a field holds are never negative: a shift serves them.
    case 0: return value >= 0 ? value >> shift : static_cast<int32_t>(value / (int64_t{1} << shift));
    case 1: {
        const int64_t product = int64_t{value} * (int64_t{1} << shift);
        if (product < INT32_MIN || product > INT32_MAX)
            throwOverflow();
        return static_cast<int32_t>(product);
    }
    default: return 0;
    }
}

// Kind 0 "-"/"REV", 1 "-"/"ALT", 2 "OFF"/"ON". Direction 0 turns a text into
// the byte 0 (exactly the text for 0) or 1; direction 1 turns a number into
// its text. Any other kind or direction gives an empty (invalid) value.
QVariant ConvertLetter(int32_t kind, int32_t direction, const QVariant& value);

} // namespace Telva27::mTELVA
