#include "platform/workbook/CellStyle.h"

#include "platform/workbook/XlConstants.h"

#include <array>

namespace platform::workbook {

namespace {

template <class T>
void take(std::optional<T>& mine, const std::optional<T>& theirs)
{
    if (theirs)
        mine = theirs;
}

// The application's default 56-colour palette, index 1 first, as 0xRRGGBB.
constexpr std::array<uint32_t, 56> kPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, //  1- 8
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, //  9-16
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, // 17-24
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF, // 25-32
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99, // 33-40
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, // 41-48
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333, // 49-56
};

} // namespace

void CellStyle::apply(const CellStyle& other)
{
    take(fontSize, other.fontSize);
    take(fontName, other.fontName);
    take(bold, other.bold);
    take(italic, other.italic);
    take(fontColorIndex, other.fontColorIndex);
    take(horizontalAlignment, other.horizontalAlignment);
    take(verticalAlignment, other.verticalAlignment);
    take(wrapText, other.wrapText);
    take(interiorColorIndex, other.interiorColorIndex);
    take(pattern, other.pattern);
    take(patternColorIndex, other.patternColorIndex);
    take(left, other.left);
    take(top, other.top);
    take(right, other.right);
    take(bottom, other.bottom);
}

ResolvedStyle ResolvedStyle::from(const CellStyle& style)
{
    ResolvedStyle r;
    r.fontSize = style.fontSize.value_or(r.fontSize);
    r.fontName = style.fontName.value_or(r.fontName);
    r.bold = style.bold.value_or(r.bold);
    r.italic = style.italic.value_or(r.italic);
    r.fontColorIndex = style.fontColorIndex.value_or(r.fontColorIndex);
    r.horizontalAlignment = style.horizontalAlignment.value_or(r.horizontalAlignment);
    r.verticalAlignment = style.verticalAlignment.value_or(r.verticalAlignment);
    r.wrapText = style.wrapText.value_or(r.wrapText);
    r.interiorColorIndex = style.interiorColorIndex.value_or(r.interiorColorIndex);
    r.pattern = style.pattern.value_or(r.pattern);
    r.patternColorIndex = style.patternColorIndex.value_or(r.patternColorIndex);
    // A colour given to a cell without a pattern fills it solid, as the
    // application does; clearing the pattern clears the colour with it.
    if (r.pattern == xlNone && paletteColor(r.interiorColorIndex))
        r.pattern = xlPatternSolid;
    r.left = style.left.value_or(r.left);
    r.top = style.top.value_or(r.top);
    r.right = style.right.value_or(r.right);
    r.bottom = style.bottom.value_or(r.bottom);
    return r;
}

std::optional<uint32_t> paletteColor(int32_t colorIndex)
{
    if (colorIndex < 1 || colorIndex > int32_t(kPalette.size()))
        return std::nullopt;
    return kPalette[size_t(colorIndex - 1)];
}

} // namespace platform::workbook
