#pragma once
// The keyed collection every model collection wraps: items keep their insertion
// order, keys compare without regard to ASCII letter case, positions are 1-based.
// Misuse raises the runtime errors callers have always trapped: a missing key or
// an invalid call 5, a position out of range 9, a key already present 457.

#include "platform/RuntimeError.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

namespace Telva27 {

template <typename T>
class KeyedCollection {
public:
    using Ptr = std::shared_ptr<T>;

private:
    // The key is kept as given (shared, not copied) beside the hash of its
    // folded form, which a search compares first.
    struct Entry {
        QString key;
        Ptr item;
        uint64_t hash;
    };
    using Entries = std::vector<Entry>;

public:
    void Add(Ptr item, const QString& key)
    {
        const uint64_t hash = hashOf(key);
        if (find(key, hash) != npos)
            throw platform::RuntimeError(457);
        // Most collections hold a few items: room for four from the start.
        if (items_.size() == items_.capacity())
            items_.reserve(std::max<size_t>(4, items_.size() * 2));
        items_.push_back({key, std::move(item), hash});
        if (!slots_.empty())
            insertSlot(items_.size() - 1);
        else if (items_.size() >= kIndexFrom)
            rebuildIndex(items_.size());
    }

    Ptr Item(int32_t position) const { return items_.at(checked(position)).item; }

    Ptr Item(const QString& key) const { return Item(QStringView(key)); }
    Ptr Item(QStringView key) const
    {
        const size_t at = find(key, hashOf(key));
        if (at == npos)
            throw platform::RuntimeError(platform::errInvalidCall);
        return items_[at].item;
    }

    bool Contains(const QString& key) const { return Contains(QStringView(key)); }
    bool Contains(QStringView key) const { return find(key, hashOf(key)) != npos; }

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }

    void Remove(int32_t position) { erase(checked(position)); }

    void Remove(const QString& key)
    {
        const size_t at = find(key, hashOf(key));
        if (at == npos)
            throw platform::RuntimeError(platform::errInvalidCall);
        erase(at);
    }

    // Room for n items without reallocating, for collections filled in bulk.
    void Reserve(int32_t n)
    {
        const auto wanted = static_cast<size_t>(std::max(n, 0));
        items_.reserve(wanted);
        if (wanted >= kIndexFrom && slotsFor(wanted) > slots_.size())
            rebuildIndex(wanted);
    }

    void Clear()
    {
        items_.clear();
        slots_.clear();
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
    static constexpr size_t npos = static_cast<size_t>(-1);
    // Small collections (most of the model's) are searched in order; an index
    // of positions is kept only once a collection grows to this size.
    static constexpr size_t kIndexFrom = 32;
    static constexpr uint32_t kEmptySlot = UINT32_MAX;

    static char16_t folded(QChar c)
    {
        const char16_t u = c.unicode();
        return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u + 32) : u;
    }

    static bool sameKey(QStringView a, QStringView b)
    {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (a[i] != b[i] && folded(a[i]) != folded(b[i]))
                return false;
        return true;
    }

    // FNV-1a over the folded key, spread over the top bits for the slot number.
    static uint64_t hashOf(QStringView key)
    {
        uint64_t h = 14695981039346656037ull;
        for (QChar c : key)
            h = (h ^ folded(c)) * 1099511628211ull;
        return h * 0x9E3779B97F4A7C15ull;
    }

    // Open addressing at most half full.
    static size_t slotsFor(size_t items) { return std::bit_ceil(std::max<size_t>(items * 2, 64)); }

    size_t firstSlot(uint64_t hash) const
    {
        return static_cast<size_t>(hash >> (64 - std::countr_zero(slots_.size())));
    }

    static bool matches(const Entry& e, QStringView key, uint64_t hash)
    {
        return e.hash == hash && sameKey(e.key, key);
    }

    size_t find(QStringView key, uint64_t hash) const
    {
        if (slots_.empty()) {
            for (size_t i = 0; i < items_.size(); ++i)
                if (matches(items_[i], key, hash))
                    return i;
            return npos;
        }
        const size_t mask = slots_.size() - 1;
        for (size_t s = firstSlot(hash);; s = (s + 1) & mask) {
            const uint32_t at = slots_[s];
            if (at == kEmptySlot)
                return npos;
            if (matches(items_[at], key, hash))
                return at;
        }
    }

    // Indexes the item at `at`; the index grows when it would be over half full.
    void insertSlot(size_t at)
    {
        if (items_.size() * 2 > slots_.size())
            rebuildIndex(items_.size());
        else
            place(at);
    }

    // Indexes every item, with room for `room` items.
    void rebuildIndex(size_t room)
    {
        slots_.assign(slotsFor(std::max(room, items_.size())), kEmptySlot);
        for (size_t at = 0; at < items_.size(); ++at)
            place(at);
    }

    void place(size_t at)
    {
        const size_t mask = slots_.size() - 1;
        size_t s = firstSlot(items_[at].hash);
        while (slots_[s] != kEmptySlot)
            s = (s + 1) & mask;
        slots_[s] = static_cast<uint32_t>(at);
    }

    // The positions after a removed item move down, so the index is made anew
    // (as cheap as moving the items themselves).
    void erase(size_t at)
    {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
        if (items_.size() < kIndexFrom)
            slots_.clear();
        else if (!slots_.empty())
            rebuildIndex(items_.size());
    }

    size_t checked(int32_t position) const
    {
        if (position < 1 || position > Count())
            throw platform::RuntimeError(platform::errSubscript);
        return static_cast<size_t>(position - 1);
    }

    Entries items_;
    std::vector<uint32_t> slots_;
};

} // namespace Telva27
