#pragma once
// Names of the keyboard types and subtypes the keyboard query answers with.

#include <QString>

namespace Ostrel7::keyboardnames {

// "IBM Enhanced or compatible" for 4 ...; "UNKNOWN" for a type without a name.
QString typeName(int type);
// "101" for 0, "106" for 2 ...; "UNKNOWN" for a subtype without a name.
QString subtypeName(int subtype);

} // namespace Ostrel7::keyboardnames
