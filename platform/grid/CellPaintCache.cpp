#include "CellPaintCache.h"

#include "platform/SystemColors.h"

#include <QPainter>

namespace platform::grid {

namespace {

// Laid-out texts kept at most; a grid shows a few thousand cells.
constexpr size_t kMaxTexts = 20000;

} // namespace

void CellPaintCache::beginPaint(const GridData& grid)
{
    grid_ = &grid;
    systemColors_.clear();
    penColor_.reset();
    font_.reset();
    if (grid.Font() != gridFont_ || textCount_ > kMaxTexts) {
        gridFont_ = grid.Font();
        fonts_.clear();
        textCount_ = 0;
    }
}

QColor CellPaintCache::color(uint32_t oleColor)
{
    if (!isSystemColor(oleColor))
        return platform::oleColor(oleColor);
    auto it = systemColors_.find(oleColor);
    if (it == systemColors_.end())
        it = systemColors_.insert(oleColor, platform::oleColor(oleColor));
    return *it;
}

void CellPaintCache::usePen(QPainter& painter, uint32_t oleColor)
{
    if (penColor_ == oleColor)
        return;
    painter.setPen(color(oleColor));
    penColor_ = oleColor;
}

void CellPaintCache::useFont(QPainter& painter, size_t index)
{
    if (font_ == index)
        return;
    painter.setFont(fonts_[index].font);
    font_ = index;
}

void CellPaintCache::forgetPainterState()
{
    penColor_.reset();
    font_.reset();
}

const LaidOutText& CellPaintCache::layOut(QPainter& painter, const CellFontSettings& font, const QString& text)
{
    const size_t index = fontIndex(font);
    useFont(painter, index);
    QHash<QString, LaidOutText>& texts = fonts_[index].texts;
    auto it = texts.find(text);
    if (it != texts.end())
        return *it;
    LaidOutText laid;
    laid.layout.setTextFormat(Qt::PlainText);
    laid.layout.setText(text);
    // Laid out in the painter's own font, so drawing it never lays it out again.
    laid.layout.prepare(QTransform(), painter.font());
    laid.size = laid.layout.size();
    text.trimmed().toDouble(&laid.number);
    ++textCount_;
    return *texts.insert(text, laid);
}

size_t CellPaintCache::fontIndex(const CellFontSettings& settings)
{
    for (size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].settings == settings)
            return i;
    fonts_.push_back({settings, grid_->fontWith(settings), {}});
    return fonts_.size() - 1;
}

} // namespace platform::grid
