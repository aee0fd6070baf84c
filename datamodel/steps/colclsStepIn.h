#pragma once
// The input conditions of one step line, keyed by their condition number, and
// the line's counter form when its first condition is a counter function.
// The conditions are kept as records, the first eight inline; Item and the
// enumeration hand out clsStepIn views of them.

#include "datamodel/steps/StepLine.h"
#include "datamodel/steps/clsStepIn.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace Telva27 {

class colclsStepIn {
public:
    colclsStepIn() = default;
    // A list holding a line's conditions as its table kept them.
    explicit colclsStepIn(const StepConditions& conditions);
    // A copy would have to be either the same list or a new one; neither is
    // what the conditions' holders expect, so lists are shared, not copied.
    colclsStepIn(const colclsStepIn&) = delete;
    colclsStepIn& operator=(const colclsStepIn&) = delete;

    // Adds a condition under the decimal text of lngblock. A state outside 0
    // to 255 raises an overflow, a number already present the collection's
    // duplicate-key error; nothing is added then.
    std::shared_ptr<clsStepIn> Add(int32_t lngblock, int32_t lngKino, int64_t bytJyotai, int32_t eRel);

    // -1 until set; the step file stores it in place of the states.
    int32_t CounterId() const { return counterId_; }
    void setCounterId(int32_t v) { counterId_ = v; }

    // The sign of a relation ("&", "_", "E", ">=", ...); "" for any other value.
    static QString RelJ(int32_t eValue);

    // The keyed collection: Item by 1-based position (error 9 outside) or by
    // key (error 5 when missing), Remove likewise.
    std::shared_ptr<clsStepIn> Item(int32_t position) const;
    std::shared_ptr<clsStepIn> Item(const QString& key) const;
    bool Contains(const QString& key) const;
    int32_t Count() const { return store_ ? store_->live : 0; }
    void Remove(int32_t position);
    void Remove(const QString& key);

    // The conditions in order, for range-for.
    class const_iterator {
    public:
        const_iterator(const colclsStepIn* list, int32_t slot) : list_(list), slot_(list->nextLive(slot)) {}
        std::shared_ptr<clsStepIn> operator*() const { return list_->viewOf(slot_); }
        const_iterator& operator++()
        {
            slot_ = list_->nextLive(slot_ + 1);
            return *this;
        }
        bool operator==(const const_iterator& other) const { return slot_ == other.slot_; }
        bool operator!=(const const_iterator& other) const { return slot_ != other.slot_; }

    private:
        const colclsStepIn* list_;
        int32_t slot_;
    };
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, used()); }

    // The conditions in order into a line record; false when there are more
    // than a record holds.
    bool copyTo(StepConditions& into) const;

private:
    // A removed condition keeps its slot, so that a view of it stays valid;
    // slots are never reused.
    struct Slot {
        StepCondition condition;
        bool removed = false;
    };
    struct Store {
        std::array<Slot, 8> first{};
        std::vector<std::unique_ptr<Slot>> more;
        int32_t used = 0; // slots taken, removed ones included
        int32_t live = 0;
    };

    int32_t used() const { return store_ ? store_->used : 0; }
    Slot& slot(int32_t index) const;
    int32_t nextLive(int32_t from) const;
    int32_t slotAtPosition(int32_t position) const; // throws error 9
    int32_t slotOfKey(const QString& key) const;    // -1 when missing
    int32_t slotOfBlock(int32_t block) const;       // -1 when missing
    std::shared_ptr<clsStepIn> viewOf(int32_t index) const;
    void removeSlot(int32_t index);

    int32_t counterId_ = -1;
    std::shared_ptr<Store> store_; // made with the first condition
};

} // namespace Telva27
