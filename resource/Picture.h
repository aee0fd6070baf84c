#pragma once
// A picture handed out by clsResource: an icon with every size of its group,
// or a bitmap at its stored size. A plain value; the holder owns it.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace Resource {

class Picture {
public:
    enum class Kind { Icon, Bitmap, Cursor };

    static Picture fromIcon(const QIcon& icon);
    static Picture fromBitmap(const QPixmap& bitmap);

    Kind kind() const { return kind_; }
    // Set for icons; empty otherwise.
    const QIcon& icon() const { return icon_; }
    // Set for bitmaps; null otherwise.
    const QPixmap& bitmap() const { return bitmap_; }

    // The bitmap's size, or the largest size of the icon group.
    QSize size() const;
    // The picture as one pixmap, for labels and buttons that take no icon:
    // the bitmap itself, or the largest image of the icon group.
    QPixmap pixmap() const;

private:
    Picture(Kind kind, const QIcon& icon, const QPixmap& bitmap);

    Kind kind_;
    QIcon icon_;
    QPixmap bitmap_;
};

} // namespace Resource
