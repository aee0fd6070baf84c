#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

namespace {

// System colour numbers to the palette roles that play the same part.
QPalette::ColorRole roleOf(uint32_t index, QPalette::ColorGroup& group)
{
    group = QPalette::Active;
    switch (index) {
    case 0: return QPalette::Mid;             // scroll bar
    case 1: return QPalette::Window;          // desktop
    case 2: return QPalette::Highlight;       // active caption
    case 3: group = QPalette::Inactive; return QPalette::Highlight; // inactive caption
    case 4: return QPalette::Window;          // menu
    case 5: return QPalette::Base;            // window background
    case 6: return QPalette::Shadow;          // window frame
    case 7: return QPalette::WindowText;      // menu text
    case 8: return QPalette::Text;            // window text
    case 9: return QPalette::HighlightedText; // caption text
    case 10: return QPalette::Mid;            // active border
    case 11: return QPalette::Mid;            // inactive border
    case 12: return QPalette::Dark;           // application workspace
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;         // button face
    case 16: return QPalette::Dark;           // button shadow
    case 17: group = QPalette::Disabled; return QPalette::Text; // grey text
    case 18: return QPalette::ButtonText;
    case 19: group = QPalette::Inactive; return QPalette::HighlightedText; // inactive caption text
    case 20: return QPalette::Light;          // button highlight
    case 21: return QPalette::Shadow;         // 3D dark shadow
    case 22: return QPalette::Midlight;       // 3D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

} // namespace

QColor oleColor(uint32_t value)
{
    if (isSystemColor(value)) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleOf(value & 0xFFu, group);
        return QGuiApplication::palette().color(group, role);
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

uint32_t toOleColor(const QColor& color)
{
    return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
           (static_cast<uint32_t>(color.blue()) << 16);
}

} // namespace platform
