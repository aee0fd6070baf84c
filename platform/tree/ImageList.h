#pragma once
// Pictures by key for the nodes of a selection tree (and a dialog's toolbar):
// every picture is kept at the list's image size. Keys are compared exactly.

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace platform::tree {

class ImageList {
public:
    explicit ImageList(QSize imageSize = QSize(16, 16));

    QSize ImageSize() const { return size_; }
    // Changing the size rescales nothing already added; set it while the list is empty.
    void setImageSize(QSize size) { size_ = size; }

    // Adds a picture, scaled to the image size; a key already present is error 35602.
    void Add(const QString& key, const QPixmap& picture);
    bool Contains(const QString& key) const;
    // The picture of a key; an unknown key is error 35601.
    QPixmap Picture(const QString& key) const;
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    QStringList Keys() const;
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        QString key;
        QPixmap picture;
    };
    const Entry* find(const QString& key) const;

    QSize size_;
    std::vector<Entry> entries_;
};

} // namespace platform::tree
