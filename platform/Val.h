#pragma once
// Reading numbers out of text the way the data files have always been read:
// the leading number of a text, decimal or "&H"/"&O", rounded half to even when
// a whole number is wanted, and an overflow of the target type is an error.

#include "RuntimeError.h"

#include <QStringView>
#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// The number the text begins with. Blanks, tabs and line feeds are skipped
// wherever they stand; "." is the decimal point whatever the locale; an exponent
// ("E" or "D") is read; "&H" and "&O" select hexadecimal and octal digits, which
// read as a signed 16-bit value when they fit in four hex digits (&HFFFF is -1)
// and as a signed 32-bit value otherwise. Reading stops at the first character
// that cannot continue the number; a text without a number gives 0.
// Throws RuntimeError(Overflow) for a hexadecimal or octal number over 32 bits.
double Val(QStringView text);

// The number a whole text stands for, as a conversion of text to a number does:
// blanks around it allowed, decimal or "&H"/"&O"; any other text is a type
// mismatch (RuntimeError).
double NumberOf(QStringView text);

// The value of a digit in bases up to 16 (either letter case); -1 for any
// other character.
int digitValue(QChar c);

// Whether NumberOf takes the whole text as a number.
bool IsNumeric(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// A whole number of type T from a double, rounded half to even.
// Throws RuntimeError(Overflow) when it does not fit.
template <typename T>
T toWhole(double value)
{
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<T>::max()))
        throw RuntimeError(errOverflow);
    return static_cast<T>(rounded);
}

// The leading number of a text narrowed to T (a field of a data file).
template <typename T>
T ValAs(QStringView text)
{
    return toWhole<T>(Val(text));
}

} // namespace platform
