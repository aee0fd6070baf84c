#pragma once
// Twips, the unit the windows were designed in: 1440 to the logical inch, so
// 15 to a pixel at the 96 dpi the suite lays its windows out for. Designed
// places and sizes, stored grid widths and the mouse positions handed to the
// windows' rules are in twips; widgets work in pixels. Every conversion
// between the two goes through these functions.
//
// Rectangles convert their place and their size separately, so a control
// keeps its designed size wherever it sits.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cstdint>

namespace platform {

inline constexpr int32_t kTwipsPerPixel = 15;

// The nearest pixel (never a half: 15 is odd), the same either side of zero.
constexpr int twipsToPixels(int32_t twips)
{
    const int64_t magnitude = twips < 0 ? -int64_t{twips} : int64_t{twips};
    const auto pixels = static_cast<int>((magnitude + kTwipsPerPixel / 2) / kTwipsPerPixel);
    return twips < 0 ? -pixels : pixels;
}

constexpr int32_t pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

constexpr QPoint twipsToPixels(QPoint twips) { return {twipsToPixels(twips.x()), twipsToPixels(twips.y())}; }
constexpr QSize twipsToPixels(QSize twips) { return {twipsToPixels(twips.width()), twipsToPixels(twips.height())}; }
constexpr QRect twipsToPixels(const QRect& twips)
{
    return {twipsToPixels(twips.topLeft()), twipsToPixels(twips.size())};
}

constexpr QPoint pixelsToTwips(QPoint pixels) { return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y())}; }
constexpr QPointF pixelsToTwips(QPointF pixels) { return pixels * kTwipsPerPixel; }
constexpr QSize pixelsToTwips(QSize pixels) { return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())}; }
constexpr QRect pixelsToTwips(const QRect& pixels)
{
    return {pixelsToTwips(pixels.topLeft()), pixelsToTwips(pixels.size())};
}

} // namespace platform
