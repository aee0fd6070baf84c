#pragma once
// The resource server of the suite: every user-visible text (the message
// catalogue) and every icon and bitmap, served from this library's own
// resources. It keeps no state; any number of objects serve the same data.

#include "Picture.h"

#include <QPixmap>
#include <QString>
#include <cstdint>
#include <optional>

namespace Resource {

class clsResource {
public:
    // The picture with that id, its kind chosen by the id's hundreds
    // (0-99 icon, 100-199 bitmap, 200-299 cursor); nullopt for any other id.
    // A picture that is not stored throws platform::RuntimeError 326: the
    // caller's own trap reports it.
    std::optional<Picture> PicRes(int32_t lngResNo) const;

    // Catalogue text number lngResNo, unchanged. On any error (overflow of
    // the resource id, no such text) the user is shown the error and "" is
    // returned; nothing is thrown.
    QString Res(int32_t lngResNo) const;

    // A new copy of bitmap lresno at its stored size, owned by the caller;
    // a null pixmap when there is no such bitmap.
    QPixmap LoadBmpHandle(int32_t lresno) const;
};

} // namespace Resource
