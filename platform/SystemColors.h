#pragma once
// Colours as the suite stores them: 32-bit 0x00BBGGRR, where 0x80000000 + n
// stands for system colour n (window background, highlight, button face...),
// resolved against the application's palette when drawn. Never hand such a
// value to QColor(uint), which reads 0xRRGGBB.

#include <QColor>
#include <cstdint>

namespace platform {

// The colour a stored value stands for now.
QColor oleColor(uint32_t value);
// A colour as the suite stores it (never a system colour).
uint32_t toOleColor(const QColor& color);
inline bool isSystemColor(uint32_t value) { return (value & 0x80000000u) != 0; }

} // namespace platform
