#include "StepCellPainter.h"

#include "StepColumns.h"

#include "platform/SystemColors.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace QelmStp {

using platform::grid::FlexGrid;
using platform::grid::GridData;

const QString StepCellPainter::kGridFontFamily = QStringLiteral("Liberation Sans Narrow");

namespace {

constexpr int kPictureLeft = 5;
constexpr int kPictureTop = 2;
constexpr int kTextMargin = 2;   // the grid's own margin beside a text
constexpr int kNarrowest = 50;   // the most a name is narrowed, in percent
constexpr int32_t kErrMissingPicture = 481; // the platform's "invalid picture"

// What the relation columns' title shows: the arrowhead pointing on to the
// next group, the grid font's own pointer, so that no fallback font is looked
// for and loaded at the window's first paint.
const QString kRelationArrow = QStringLiteral("\u25BA");

bool isPictureKind(int32_t kind) { return kind == eColLogic || kind == eColState || kind == eColRel; }

// The picture with its white ground let through, and the same in one colour.
QImage withoutGround(const QPixmap& bitmap, const QColor* ink)
{
    QImage image = bitmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF)
                line[x] = 0;
            else if (ink)
                line[x] = ink->rgb();
        }
    }
    return image;
}

} // namespace

StepCellPainter::StepCellPainter(FlexGrid& fg, Ostrel7::clsMethod& reporter)
    : loadBitmap([](int32_t id) { return Resource::clsResource().LoadBmpHandle(id); }), fg_(fg), reporter_(reporter)
{
}

void StepCellPainter::attach()
{
    QObject::connect(&fg_, &FlexGrid::drawCell, &fg_,
                     [this](QPainter* painter, int row, int col, const QRect& rect, bool& done) {
                         fg_DrawCell(*painter, row, col, rect, done);
                     });
}

int32_t StepCellPainter::pictureId(int32_t kind, int32_t value)
{
    switch (kind) {
    case eColLogic: return value >= 0 && value <= 11 ? 169 + value : 0;
    case eColState: return value >= 0 && value <= 3 ? 165 + value : 0;
    case eColRel: return value >= 0 && value <= 8 ? 181 + value : 0;
    default: return 0;
    }
}

QSize StepCellPainter::pictureSize(int32_t kind)
{
    switch (kind) {
    case eColLogic: return {27, 9};
    case eColState: return {17, 11};
    case eColRel: return {9, 9};
    default: return {};
    }
}

void StepCellPainter::fg_DrawCell(QPainter& painter, int32_t row, int32_t col, const QRect& rect, bool& done)
{
    Ostrel7::trapped(reporter_, QStringLiteral("fg_DrawCell"), [&] {
        const GridData& grid = fg_.data();
        const int32_t kind = grid.ColData(col);
        if (row < grid.FixedRows()) {
            if (kind == eColRel)
                done = drawRelationTitle(painter, row, col, rect);
            return;
        }
        const bool selected = !(row == grid.Row() && col == grid.Col()) && grid.selection().contains(row, col);
        if (!isPictureKind(kind)) {
            if (kind == eColOutput || kind == eColFunc)
                done = drawFittedName(painter, row, col, rect, selected);
            return;
        }
        const QString shown = grid.TextDisplay(row, col);
        if (shown.isEmpty() || shown == QLatin1String("***"))
            return;
        const QString text = grid.TextMatrix(row, col);
        if (!platform::IsNumeric(text))
            return;
        const double value = platform::NumberOf(text);
        if (value < 0 || value > 99)
            return;
        done = DrawBmp(kind, painter, rect, platform::toWhole<int32_t>(value), selected);
    });
}

bool StepCellPainter::DrawBmp(int32_t kind, QPainter& painter, const QRect& rect, int32_t value, bool selected)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("DrawBmp"), [&] {
        const int32_t id = pictureId(kind, value);
        if (id == 0)
            return false;
        const Picture* shown = picture(id);
        if (!shown)
            return false;
        painter.drawPixmap(rect.left() + kPictureLeft, rect.top() + kPictureTop,
                           selected ? shown->selected : shown->normal);
        return true;
    });
}

const StepCellPainter::Picture* StepCellPainter::picture(int32_t id)
{
    const auto found = pictures_.constFind(id);
    if (found != pictures_.constEnd())
        return &found.value();
    if (missing_.contains(id))
        return nullptr;
    const QPixmap bitmap = loadBitmap ? loadBitmap(id) : QPixmap();
    if (bitmap.isNull()) {
        reportMissing(id);
        return nullptr;
    }
    const QColor ink = platform::oleColor(fg_.data().ForeColorSel());
    Picture decoded{QPixmap::fromImage(withoutGround(bitmap, nullptr)), QPixmap::fromImage(withoutGround(bitmap, &ink))};
    return &pictures_.insert(id, decoded).value();
}

void StepCellPainter::reportMissing(int32_t id)
{
    missing_.insert(id);
    // Reported after the paint: no box opens while the grid is being painted.
    QTimer::singleShot(0, &reports_, [this, id] {
        reporter_.ErrReg(kErrMissingPicture, QStringLiteral("The picture %1 could not be loaded.").arg(id),
                         QStringLiteral("DrawBmp"));
    });
}

bool StepCellPainter::drawRelationTitle(QPainter& painter, int32_t row, int32_t col, const QRect& rect)
{
    const GridData& grid = fg_.data();
    if (grid.TextMatrix(row, col) != kRelationTitle)
        return false;
    painter.setFont(grid.CellFont(row, col));
    painter.setPen(platform::oleColor(grid.CellForeColor(row, col)));
    painter.drawText(rect.adjusted(kTextMargin, 0, -kTextMargin, 0), Qt::AlignCenter | Qt::TextSingleLine,
                     kRelationArrow);
    return true;
}

bool StepCellPainter::drawFittedName(QPainter& painter, int32_t row, int32_t col, const QRect& rect, bool selected)
{
    const GridData& grid = fg_.data();
    const QString text = grid.TextDisplay(row, col);
    if (text.isEmpty())
        return false;
    const QFont font = grid.CellFont(row, col);
    // One pixel kept free inside the grid's margins on each side (the cell's
    // last column is its grid line), so that no stroke meets them.
    const QRect inner = rect.adjusted(kTextMargin + 1, 0, -kTextMargin - 2, 0);
    const int width = textWidth(font, text);
    if (width < inner.width())
        return false; // the grid draws a name that fits with room to spare
    const double factor = std::max(kNarrowest / 100.0, static_cast<double>(inner.width()) / width);
    painter.setFont(font);
    painter.setPen(platform::oleColor(selected ? grid.ForeColorSel() : grid.CellForeColor(row, col)));
    // The name is drawn narrower, not smaller: its height stays that of its neighbours.
    painter.translate(inner.left() + inner.width() / 2.0, 0);
    painter.scale(factor, 1.0);
    painter.drawText(QRectF(-width / 2.0, inner.top(), width, inner.height()),
                     Qt::AlignVCenter | Qt::AlignHCenter | Qt::TextSingleLine, text);
    return true;
}

int StepCellPainter::textWidth(const QFont& font, const QString& text)
{
    const QString key = font.key() + QLatin1Char('\n') + text;
    const auto found = widths_.constFind(key);
    if (found != widths_.constEnd())
        return found.value();
    return widths_.insert(key, QFontMetrics(font).horizontalAdvance(text)).value();
}

} // namespace QelmStp
