#include "Picture.h"

#include <algorithm>

namespace Resource {

Picture::Picture(Kind kind, const QIcon& icon, const QPixmap& bitmap)
    : kind_(kind), icon_(icon), bitmap_(bitmap)
{
}

Picture Picture::fromIcon(const QIcon& icon)
{
    return Picture(Kind::Icon, icon, QPixmap());
}

Picture Picture::fromBitmap(const QPixmap& bitmap)
{
    return Picture(Kind::Bitmap, QIcon(), bitmap);
}

QSize Picture::size() const
{
    if (kind_ != Kind::Icon)
        return bitmap_.size();
    const QList<QSize> sizes = icon_.availableSizes();
    if (sizes.isEmpty())
        return {};
    return *std::ranges::max_element(sizes, {}, [](const QSize& s) { return s.width() * s.height(); });
}

QPixmap Picture::pixmap() const
{
    return kind_ == Kind::Icon ? icon_.pixmap(size()) : bitmap_;
}

} // namespace Resource
