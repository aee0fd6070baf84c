#include "ToolbarImage.h"

#include <QBitmap>
#include <QColor>

namespace QelmCommon {

QIcon ToolbarImage(const QPixmap& bitmap, const QSize& size)
{
    if (bitmap.isNull())
        return {};
    QPixmap picture = bitmap;
    picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255)));
    return QIcon(picture.scaled(size));
}

} // namespace QelmCommon
