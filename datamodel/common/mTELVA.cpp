#include "mTELVA.h"

#include "platform/RuntimeError.h"

namespace Telva27::mTELVA {

void throwOverflow() { throw platform::RuntimeError(platform::errOverflow); }

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
