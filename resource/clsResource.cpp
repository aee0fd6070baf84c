#include "clsResource.h"

#include "MessageCatalogue.h"

#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <limits>

namespace Resource {

namespace {

// The title of the library's own error box: the library's name.
const QString kLibraryName = QStringLiteral("Resource");

constexpr int32_t kErrInvalidPicture = 481;

// Picture ids are grouped by hundreds; the id itself is the resource id.
enum PictureRange : int32_t { IconRange = 0, BitmapRange = 1, CursorRange = 2 };
constexpr int32_t kIdsPerRange = 100;

[[noreturn]] void throwNotFound(int32_t resourceId)
{
    throw platform::RuntimeError(platform::errResourceNotFound,
                                 QStringLiteral("Resource with identifier '%1' not found").arg(resourceId));
}

QString bitmapPath(int32_t id)
{
    return QStringLiteral(":/Resource/bitmap/%1.png").arg(id);
}

// An icon group is a folder holding one image per size.
QString iconFolder(int32_t id)
{
    return QStringLiteral(":/Resource/icon/%1").arg(id);
}

Picture loadIcon(int32_t id)
{
    const QDir group(iconFolder(id));
    const QStringList images = group.entryList(QDir::Files, QDir::Name);
    if (images.isEmpty())
        throwNotFound(id);
    QIcon icon;
    for (const QString& name : images) {
        const QPixmap image(group.filePath(name));
        if (image.isNull())
            throw platform::RuntimeError(kErrInvalidPicture);
        icon.addPixmap(image);
    }
    return Picture::fromIcon(icon);
}

Picture loadBitmap(int32_t id)
{
    const QString path = bitmapPath(id);
    if (!QFile::exists(path))
        throwNotFound(id);
    const QPixmap bitmap(path);
    if (bitmap.isNull())
        throw platform::RuntimeError(kErrInvalidPicture);
    return Picture::fromBitmap(bitmap);
}

QString loadText(int32_t number)
{
    // The resource id is number + 1000 in 32-bit arithmetic, so the top
    // thousand numbers overflow rather than wrap to some other text.
    if (number > std::numeric_limits<int32_t>::max() - MessageCatalogue::kEnglishBase)
        throw platform::RuntimeError(platform::errOverflow);
    const int32_t resourceId = number + MessageCatalogue::kEnglishBase;
    std::optional<QString> text = MessageCatalogue::loadString(resourceId);
    if (!text)
        throwNotFound(resourceId);
    return *text;
}

} // namespace

std::optional<Picture> clsResource::PicRes(int32_t lngResNo) const
{
    switch (lngResNo / kIdsPerRange) { // truncates toward zero: -99..99 are icons
    case IconRange:
        return loadIcon(lngResNo);
    case BitmapRange:
        return loadBitmap(lngResNo);
    case CursorRange:
        throwNotFound(lngResNo); // the library stores no cursors
    default:
        return std::nullopt;
    }
}

QString clsResource::Res(int32_t lngResNo) const
{
    try {
        return loadText(lngResNo);
    } catch (...) {
        const platform::ErrorInfo error = platform::currentErrorInfo();
        platform::ui().messageBox(QString::number(error.number) + u' ' + error.description, platform::vbOKOnly,
                                  kLibraryName);
        return {};
    }
}

QPixmap clsResource::LoadBmpHandle(int32_t lresno) const
{
    // QPixmap is null for a missing file: the "0 handle" of a failed load.
    return QPixmap(bitmapPath(lresno));
}

} // namespace Resource
