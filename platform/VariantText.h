#pragma once
// The text form of a loosely typed value, as settings and INI files store it:
// Booleans "True"/"False", numbers in invariant decimal notation.

#include <QString>
#include <QVariant>

namespace platform {

// Throws RuntimeError(Invalid use of Null) for a null value, which has no text.
QString variantText(const QVariant& value);

} // namespace platform
