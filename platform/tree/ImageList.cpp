#include "ImageList.h"

#include "TreeErrors.h"

namespace platform::tree {

ImageList::ImageList(QSize imageSize)
    : size_(imageSize)
{
}

void ImageList::Add(const QString& key, const QPixmap& picture)
{
    if (find(key))
        throw treeError(errKeyNotUnique);
    const bool fits = picture.isNull() || picture.size() == size_;
    entries_.push_back({key, fits ? picture : picture.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)});
}

bool ImageList::Contains(const QString& key) const
{
    return find(key) != nullptr;
}

QPixmap ImageList::Picture(const QString& key) const
{
    const Entry* entry = find(key);
    if (!entry)
        throw treeError(errElementNotFound);
    return entry->picture;
}

QStringList ImageList::Keys() const
{
    QStringList keys;
    for (const Entry& entry : entries_)
        keys << entry.key;
    return keys;
}

const ImageList::Entry* ImageList::find(const QString& key) const
{
    for (const Entry& entry : entries_) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

} // namespace platform::tree
