#include "Edge3D.h"

#include "platform/SystemColors.h"

#include <QPainter>
#include <algorithm>

namespace Ostrel7::edge3d {

namespace {

// System colour numbers of the 3D elements.
constexpr int kShadow = 16;     // button shadow
constexpr int kHighlight = 20;  // button highlight
constexpr int kDarkShadow = 21; // 3D dark shadow
constexpr int kLight = 22;      // 3D light
constexpr int kNone = -1;

struct Line {
    int topLeft = kNone;
    int bottomRight = kNone;
    bool present() const { return topLeft != kNone; }
};

Line outerLine(int32_t edge)
{
    switch (edge & 3) {
    case 1: return {kLight, kDarkShadow}; // raised outer
    case 2: return {kShadow, kHighlight}; // sunken outer
    default: return {};
    }
}

Line innerLine(int32_t edge)
{
    switch ((edge >> 2) & 3) {
    case 1: return {kHighlight, kShadow}; // raised inner
    case 2: return {kDarkShadow, kLight}; // sunken inner
    default: return {};
    }
}

QColor systemColour(int index) { return platform::oleColor(0x80000000u | static_cast<uint32_t>(index)); }

// Far beyond any device; keeps widths within int when callers pass extreme rectangles.
int64_t clampCoordinate(int64_t v) { return std::clamp<int64_t>(v, -(int64_t(1) << 24), int64_t(1) << 24); }

struct Box {
    int64_t left, top, right, bottom;
};

void horizontal(QPainter& p, const Box& b, int64_t y, int colour)
{
    if (b.right > b.left)
        p.fillRect(QRect(int(b.left), int(y), int(b.right - b.left), 1), systemColour(colour));
}

void vertical(QPainter& p, const Box& b, int64_t x, int colour)
{
    if (b.bottom > b.top)
        p.fillRect(QRect(int(x), int(b.top), 1, int(b.bottom - b.top)), systemColour(colour));
}

// One line on each chosen side, then the box shrinks by it. Lines below and
// right go last, so they own the corners they share with the others.
void drawLine(QPainter& p, Box& b, const Line& line, int32_t sides)
{
    if (sides & Top)
        horizontal(p, b, b.top, line.topLeft);
    if (sides & Left)
        vertical(p, b, b.left, line.topLeft);
    if (sides & Bottom)
        horizontal(p, b, b.bottom - 1, line.bottomRight);
    if (sides & Right)
        vertical(p, b, b.right - 1, line.bottomRight);
    b.left += (sides & Left) ? 1 : 0;
    b.top += (sides & Top) ? 1 : 0;
    b.right -= (sides & Right) ? 1 : 0;
    b.bottom -= (sides & Bottom) ? 1 : 0;
}

} // namespace

void draw(QPainter* painter, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t edge, int32_t sides)
{
    if (!painter || !painter->isActive())
        return;
    Line outer = outerLine(edge);
    Line inner = innerLine(edge);
    if (!outer.present()) // an inner border alone takes the outer line's place
        std::swap(outer, inner);
    if (!outer.present())
        return;
    Box box{clampCoordinate(left), clampCoordinate(top), clampCoordinate(right), clampCoordinate(bottom)};
    drawLine(*painter, box, outer, sides);
    if (inner.present())
        drawLine(*painter, box, inner, sides);
}

} // namespace Ostrel7::edge3d
