#pragma once
// Turns a picture box of the caller's form into a progress bar: background,
// a centred value text and a bar whose length is the value, in one of four
// directions. The widget shows the picture drawn at the last Value let; the
// picture is kept, so it survives repaints.

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;
class QWidget;

namespace Ostrel7 {

class clsPrgsBar {
public:
    enum ENUM_PRGSDIRECTION : int32_t {
        ePrgsLeftToRight = 0,
        ePrgsBottomToTop = 1,
        ePrgsRightToLeft = 2,
        ePrgsTopToBottom = 3,
    };

    // The picture box: cleared, its scale width set to the maximum, and the
    // empty bar drawn. A null widget is an object-not-set error.
    void setTarget(QWidget* pic);

    // Clamped to 0..MAX, then the bar is drawn; without a target an
    // object-not-set error.
    int32_t Value() const { return value_; }
    void setValue(int32_t value);

    // The scale of the picture box in both directions. Without a target the
    // caller is told so and the maximum waits for one. Values below 1 are an
    // invalid-property-value error: the bar needs a positive scale.
    int32_t MAX() const { return max_; }
    void setMAX(int32_t value);

    // These take effect at the next Value let.
    int32_t Direction() const { return direction_; }
    void setDirection(int32_t value) { direction_ = value; }
    bool ValueVisible() const { return valueVisible_; }
    void setValueVisible(bool value) { valueVisible_ = value; }
    QString UnitString() const { return unitString_; }
    void setUnitString(const QString& value) { unitString_ = value; }
    // Colours 0x00BBGGRR; 0x80000000 + n is system colour n, resolved when drawn.
    int32_t BkClr() const { return bkClr_; }
    void setBkClr(int32_t value) { bkClr_ = value; }
    int32_t BarClr() const { return barClr_; }
    void setBarClr(int32_t value) { barClr_ = value; }
    void setForeClr(int32_t value) { foreClr_ = value; }

    // What the picture box shows, and the text drawn into it.
    const QImage& Picture() const { return picture_; }
    const QString& DrawnText() const { return drawnText_; }

private:
    QWidget& target() const;
    QRect toPixels(double x1, double y1, double x2, double y2) const;
    void draw();
    void drawText(QPainter& painter, double roundedHeight);
    void drawBar(QPainter& painter, double roundedWidth, double roundedHeight);
    void show();

    QPointer<QWidget> pic_;
    bool targetSet_ = false;
    double scaleWidth_ = 0;
    double scaleHeight_ = 0;
    QImage picture_;
    QString drawnText_;

    int32_t value_ = 0;
    int32_t max_ = 100;
    int32_t barClr_ = static_cast<int32_t>(0x8000000Du);
    int32_t foreClr_ = 0;
    int32_t bkClr_ = static_cast<int32_t>(0x80000005u);
    QString unitString_ = QStringLiteral("%");
    bool valueVisible_ = true;
    int32_t direction_ = ePrgsLeftToRight;
};

} // namespace Ostrel7
