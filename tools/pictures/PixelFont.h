#pragma once
// A tiny pixel font of our own, so that the pictures need no installed font
// and come out byte for byte the same on every machine.

#include <QColor>
#include <array>
#include <string_view>

class QPainter;

namespace pictures {

// A glyph as rows of '#' (ink) and '.' (blank); all rows have the same width.
using Glyph = std::array<const char*, 7>;
inline constexpr int kGlyphHeight = 7;

int glyphWidth(const Glyph& glyph);
// The 5x7 capital letter (or '?'); stops the generator for any other character.
const Glyph& letter(char c);
// Each glyph pixel becomes a scale x scale square at (x, y) onwards.
void drawGlyph(QPainter& p, int x, int y, const Glyph& glyph, const QColor& ink, int scale = 1);

// Letters set one blank column apart.
int wordWidth(std::string_view word);
void drawWord(QPainter& p, int x, int y, std::string_view word, const QColor& ink);

// 7x7 signs of the step grid's relation marks.
namespace sign {
extern const Glyph And, Or, End, GreaterEqual, LessEqual, Equal, NotEqual, Plus, Minus;
}

} // namespace pictures
