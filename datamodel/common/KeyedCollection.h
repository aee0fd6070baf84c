#pragma once
// The keyed collection every model collection wraps: items keep their insertion
// order, keys compare without regard to ASCII letter case, positions are 1-based.
// Misuse raises the runtime errors callers have always trapped: a missing key or
// an invalid call 5, a position out of range 9, a key already present 457.

#include "platform/RuntimeError.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace Telva27 {

template <typename T>
class KeyedCollection {
public:
    using Ptr = std::shared_ptr<T>;

private:
    struct Entry {
        QString folded;
        Ptr item;
    };
    using Entries = std::vector<Entry>;

public:
    void Add(Ptr item, const QString& key)
    {
        QString folded = fold(key);
        if (find(folded) != nullptr)
            throw platform::RuntimeError(457);
        if (!index_.isEmpty() || items_.size() >= kIndexFrom)
            indexed().insert(folded, item);
        items_.push_back({std::move(folded), std::move(item)});
    }

    Ptr Item(int32_t position) const { return items_.at(checked(position)).item; }

    Ptr Item(const QString& key) const
    {
        const Ptr* item = find(fold(key));
        if (!item)
            throw platform::RuntimeError(platform::errInvalidCall);
        return *item;
    }

    bool Contains(const QString& key) const { return find(fold(key)) != nullptr; }

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }

    void Remove(int32_t position) { erase(checked(position)); }

    void Remove(const QString& key)
    {
        const QString folded = fold(key);
        const auto it = std::find_if(items_.begin(), items_.end(), [&](const Entry& e) { return e.folded == folded; });
        if (it == items_.end())
            throw platform::RuntimeError(platform::errInvalidCall);
        erase(static_cast<size_t>(it - items_.begin()));
    }

    // Room for n items without reallocating, for collections filled in bulk.
    void Reserve(int32_t n) { items_.reserve(static_cast<size_t>(n)); }

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
    // Small collections (most of the model's) are searched in order; a hash
    // index is kept only once a collection grows past this size.
    static constexpr size_t kIndexFrom = 32;

    static bool isUpperAscii(QChar c) { return c.unicode() >= u'A' && c.unicode() <= u'Z'; }

    // The key in lower case; a key without capitals is shared, not copied.
    static QString fold(const QString& key)
    {
        if (std::none_of(key.begin(), key.end(), isUpperAscii))
            return key;
        QString folded = key;
        for (QChar& c : folded)
            if (isUpperAscii(c))
                c = QChar(c.unicode() + 32);
        return folded;
    }

    const Ptr* find(const QString& folded) const
    {
        if (!index_.isEmpty()) {
            const auto it = index_.constFind(folded);
            return it == index_.constEnd() ? nullptr : &it.value();
        }
        // Keys are short; a plain memory compare beats the library's general one.
        const qsizetype bytes = folded.size() * qsizetype(sizeof(QChar));
        for (const Entry& e : items_)
            if (e.folded.size() == folded.size() && std::memcmp(e.folded.constData(), folded.constData(), bytes) == 0)
                return &e.item;
        return nullptr;
    }

    QHash<QString, Ptr>& indexed()
    {
        if (index_.isEmpty())
            for (const Entry& e : items_)
                index_.insert(e.folded, e.item);
        return index_;
    }

    void erase(size_t at)
    {
        index_.remove(items_[at].folded);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
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
