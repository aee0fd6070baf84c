#pragma once
// The keyed collection every model collection wraps: items keep their insertion
// order, keys compare without regard to ASCII letter case, positions are 1-based.
// Misuse raises the runtime errors callers have always trapped: a missing key or
// an invalid call 5, a position out of range 9, a key already present 457.

#include "platform/RuntimeError.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace Telva27 {

template <typename T>
class KeyedCollection {
public:
    using Ptr = std::shared_ptr<T>;

private:
    struct Entry {
        QString key;
        Ptr item;
    };
    using Entries = std::vector<Entry>;

public:

    void Add(Ptr item, const QString& key)
    {
        const QString folded = fold(key);
        if (index_.contains(folded))
            throw platform::RuntimeError(457);
        index_.insert(folded, item);
        items_.push_back({key, std::move(item)});
    }

    Ptr Item(int32_t position) const { return items_.at(checked(position)).item; }

    Ptr Item(const QString& key) const
    {
        const auto it = index_.constFind(fold(key));
        if (it == index_.constEnd())
            throw platform::RuntimeError(platform::errInvalidCall);
        return it.value();
    }

    bool Contains(const QString& key) const { return index_.contains(fold(key)); }

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }

    void Remove(int32_t position)
    {
        const size_t at = checked(position);
        index_.remove(fold(items_[at].key));
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    }

    void Remove(const QString& key)
    {
        const QString folded = fold(key);
        for (size_t i = 0; i < items_.size(); ++i) {
            if (fold(items_[i].key) == folded) {
                index_.remove(folded);
                items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
                return;
            }
        }
        throw platform::RuntimeError(platform::errInvalidCall);
    }

    void Clear()
    {
        items_.clear();
        index_.clear();
    }

    // Range-for over the items in order.
    class const_iterator {
    public:
        explicit const_iterator(typename Entries::const_iterator it) : it_(it) {}
        const Ptr& operator*() const { return it_->item; }
        const_iterator& operator++()
        {
            ++it_;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return it_ != other.it_; }
        bool operator==(const const_iterator& other) const { return it_ == other.it_; }

    private:
        typename Entries::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

private:
    static QString fold(const QString& key)
    {
        QString folded = key;
        for (QChar& c : folded)
            if (c.unicode() >= u'A' && c.unicode() <= u'Z')
                c = QChar(c.unicode() + 32);
        return folded;
    }

    size_t checked(int32_t position) const
    {
        if (position < 1 || position > Count())
            throw platform::RuntimeError(platform::errSubscript);
        return static_cast<size_t>(position - 1);
    }

    Entries items_;
    QHash<QString, Ptr> index_;
};

} // namespace Telva27
