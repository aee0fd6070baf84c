#pragma once
// Three-dimensional edges in the desktop's 3D colours: an outer and an inner
// line, raised (light above and left, dark below and right) or sunken, on the
// chosen sides of a rectangle.

#include <cstdint>

class QPainter;

namespace Ostrel7::edge3d {

// Sides of the rectangle to draw.
enum Side : int32_t { Left = 1, Top = 2, Right = 4, Bottom = 8, All = 15 };

// Draws edge (outer style in bits 0-1, inner style in bits 2-3) inside the
// rectangle left, top, right, bottom (right and bottom exclusive). A null or
// inactive painter draws nothing.
void draw(QPainter* painter, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t edge, int32_t sides);

} // namespace Ostrel7::edge3d
