#pragma once
// What painting the cells of a grid asks for again and again, looked up once.
//
// - Colours: a system colour follows the palette, so colours are kept for one
//   paint only.
// - Fonts: one QFont per distinct set of cell font settings, shared by every
//   cell that shows it.
// - Texts: each text is laid out once in its font and kept between paints, so a
//   repaint draws glyphs already placed instead of shaping every cell anew.
//   Keyed by the text and the font settings, a layout never goes stale; the
//   texts are dropped when the grid's own font changes or when they pile up.
//
// The cache also remembers the pen colour and font it last gave the painter,
// so a run of cells that look alike changes neither.

#include "GridData.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QSizeF>
#include <QStaticText>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace platform::grid {

// One text laid out in one font.
struct LaidOutText {
    QStaticText layout;
    QSizeF size;
    bool number = false; // the general alignment puts numbers right
};

class CellPaintCache {
public:
    // Starts a paint of the grid on painter, whose pen and font are unknown.
    void beginPaint(const GridData& grid);

    QColor color(uint32_t oleColor);
    // Gives the painter a solid pen of that colour (0x00BBGGRR or system colour).
    void usePen(QPainter& painter, uint32_t oleColor);
    // Gives the painter the font of these settings and answers the text laid out in it.
    const LaidOutText& layOut(QPainter& painter, const CellFontSettings& font, const QString& text);
    // Call after drawing with a pen or font the cache did not set.
    void forgetPainterState();

private:
    struct FontEntry {
        CellFontSettings settings;
        QFont font;
        QHash<QString, LaidOutText> texts;
    };

    size_t fontIndex(const CellFontSettings& settings);
    void useFont(QPainter& painter, size_t index);

    const GridData* grid_ = nullptr;
    QFont gridFont_;
    std::vector<FontEntry> fonts_;
    size_t textCount_ = 0;
    QHash<uint32_t, QColor> systemColors_;
    std::optional<uint32_t> penColor_;
    std::optional<size_t> font_;
};

} // namespace platform::grid
