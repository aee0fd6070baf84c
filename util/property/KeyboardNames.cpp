#include "KeyboardNames.h"

namespace Ostrel7::keyboardnames {

QString typeName(int type)
{
    switch (type) {
    case 1: return QStringLiteral("IBM PC/XT or compatible");
    case 2: return QStringLiteral("Olivetti M24");
    case 3: return QStringLiteral("IBM AT or compatible");
    case 4: return QStringLiteral("IBM Enhanced or compatible");
    case 5: return QStringLiteral("Nokia 1050 or compatible");
    case 6: return QStringLiteral("Nokia 9140 or compatibl");
    case 7: return QStringLiteral("Japanese Keyboard");
    default: return QStringLiteral("UNKNOWN");
    }
}

QString subtypeName(int subtype)
{
    switch (subtype) {
    case 0: return QStringLiteral("101");
    case 1: return QStringLiteral("AX");
    case 2: return QStringLiteral("106");
    case 3: return QStringLiteral("IBM-5576 002/003");
    case 4: return QStringLiteral("IBM-5576 001");
    case 0xD01: return QStringLiteral("PC-9800 DeskTop");
    case 0xD02: return QStringLiteral("PC9801 VX/UX or PC980 XL(Not High Resolution)");
    case 0xD03: return QStringLiteral("PC98XL(High Resolution)");
    case 0xD04: return QStringLiteral("PC9800 LapTop");
    default: return QStringLiteral("UNKNOWN");
    }
}

} // namespace Ostrel7::keyboardnames
