#include "clsPrgsBar.h"

#include "platform/RuntimeError.h"
#include "platform/SystemColors.h"
#include "platform/Twips.h"
#include "platform/Ui.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Ostrel7 {

namespace {

QColor colorOf(int32_t value) { return platform::oleColor(static_cast<uint32_t>(value)); }

// The bar is filled with the not-XOR pen so that text under it shows inverted.
// Over the background that pen yields NOT(fill XOR background); filling with
// bar XOR NOT background makes it yield exactly the bar colour on any
// background (on white, the fill is the bar colour itself).
QColor notXorFillFor(const QColor& bar, const QColor& background)
{
    const QRgb fill = (bar.rgb() ^ ~background.rgb()) & 0x00FFFFFFu;
    return QColor::fromRgb(fill);
}

} // namespace

QWidget& clsPrgsBar::target() const
{
    if (!pic_)
        throw platform::RuntimeError(platform::errObjectNotSet);
    return *pic_;
}

void clsPrgsBar::setTarget(QWidget* pic)
{
    if (!pic)
        throw platform::RuntimeError(platform::errObjectNotSet);
    pic_ = pic;
    targetSet_ = true;
    scaleWidth_ = max_;
    // A picture box measures itself in twips until the caller sets its scale.
    scaleHeight_ = platform::pixelsToTwips(pic->height());
    picture_ = QImage();
    setValue(0);
}

void clsPrgsBar::setMAX(int32_t value)
{
    if (value < 1)
        throw platform::RuntimeError(platform::errInvalidPropertyValue);
    max_ = value;
    if (!targetSet_) {
        platform::ui().messageBox(QStringLiteral("m_pic is not set!"), platform::vbOKOnly,
                                  QStringLiteral("clsPrgsBar"));
        return;
    }
    target();
    scaleWidth_ = value;
    scaleHeight_ = value;
}

void clsPrgsBar::setValue(int32_t value)
{
    target();
    value_ = std::clamp(value, 0, max_);
    draw();
    show();
}

// Scale units to pixels of the picture box; the corners may come in any order.
QRect clsPrgsBar::toPixels(double x1, double y1, double x2, double y2) const
{
    const double sx = picture_.width() / scaleWidth_;
    const double sy = picture_.height() / scaleHeight_;
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    const int left = px(std::min(x1, x2) * sx);
    const int right = px(std::max(x1, x2) * sx);
    const int top = px(std::min(y1, y2) * sy);
    const int bottom = px(std::max(y1, y2) * sy);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void clsPrgsBar::draw()
{
    const QWidget& pic = target();
    picture_ = QImage(pic.size(), QImage::Format_RGB32);
    drawnText_.clear();
    if (picture_.isNull() || scaleWidth_ <= 0 || scaleHeight_ <= 0)
        return;
    // The box is measured in whole scale units, as the picture box reports them.
    const double width = std::nearbyint(scaleWidth_);
    const double height = std::nearbyint(scaleHeight_);

    QPainter painter(&picture_);
    painter.setFont(pic.font());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(picture_.rect(), colorOf(bkClr_));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawText(painter, height);
    drawBar(painter, width, height);
}

// The text is centred on half the maximum across and on the box's height down.
void clsPrgsBar::drawText(QPainter& painter, double roundedHeight)
{
    drawnText_ = valueVisible_ ? QString::number(value_) + unitString_ : unitString_;
    const QFontMetricsF metrics(painter.font());
    const double sx = picture_.width() / scaleWidth_;
    const double sy = picture_.height() / scaleHeight_;
    const double textWidth = metrics.horizontalAdvance(drawnText_) / sx;
    const double textHeight = metrics.height() / sy;
    const double x = max_ / 2.0 - textWidth / 2.0;
    const double y = (roundedHeight - textHeight) / 2.0;
    painter.setPen(colorOf(foreClr_));
    painter.drawText(QPointF(x * sx, y * sy + metrics.ascent()), drawnText_);
}

// The part of the box beyond the bar is left as it is: drawing the background
// colour there with the not-XOR pen changed nothing on a white background and
// spoiled any other.
void clsPrgsBar::drawBar(QPainter& painter, double roundedWidth, double roundedHeight)
{
    const double v = value_;
    const double h = value_ == 0 ? 0 : roundedHeight;
    const double w = roundedWidth;
    QRect bar;
    switch (direction_) {
    case ePrgsLeftToRight: bar = toPixels(0, 0, v, h); break;
    case ePrgsBottomToTop: bar = toPixels(0, h, w, h - v); break;
    case ePrgsRightToLeft: bar = toPixels(w, 0, w - v, h); break;
    case ePrgsTopToBottom: bar = toPixels(0, 0, w, v); break;
    default: return;
    }
    if (bar.isEmpty())
        return;
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.fillRect(bar, notXorFillFor(colorOf(barClr_), colorOf(bkClr_)));
}

// The widget paints the kept picture as its background, like a picture box
// with persistent drawing.
void clsPrgsBar::show()
{
    QWidget& pic = target();
    QPalette palette = pic.palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(picture_)));
    pic.setPalette(palette);
    pic.setAutoFillBackground(true);
    pic.update();
}

} // namespace Ostrel7
