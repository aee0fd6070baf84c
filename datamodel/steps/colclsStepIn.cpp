#include "colclsStepIn.h"

#include "platform/RuntimeError.h"

namespace Telva27 {

namespace {

constexpr int32_t kInline = 8;

} // namespace

colclsStepIn::colclsStepIn(const StepConditions& conditions) : counterId_(conditions.counterId)
{
    if (conditions.count == 0)
        return;
    store_ = std::make_shared<Store>();
    for (int32_t i = 0; i < conditions.count; ++i)
        store_->first[static_cast<size_t>(i)].condition = conditions.items[static_cast<size_t>(i)];
    store_->used = store_->live = conditions.count;
}

std::shared_ptr<clsStepIn> colclsStepIn::Add(int32_t lngblock, int32_t lngKino, int64_t bytJyotai, int32_t eRel)
{
    const auto jyotai = narrowOrOverflow<uint8_t>(bytJyotai);
    if (slotOfBlock(lngblock) >= 0)
        throw platform::RuntimeError(platform::errDuplicateKey);
    if (!store_)
        store_ = std::make_shared<Store>();
    const int32_t index = store_->used;
    if (index >= kInline)
        store_->more.push_back(std::make_unique<Slot>());
    slot(index).condition = StepCondition{lngblock, lngKino, eRel, jyotai};
    ++store_->used;
    ++store_->live;
    return viewOf(index);
}

QString colclsStepIn::RelJ(int32_t eValue)
{
    static const std::array<const char*, 9> signs = {"&", "_", "E", ">=", "<=", "=", "!=", "+", "-"};
    if (eValue < 0 || eValue >= static_cast<int32_t>(signs.size()))
        return QString();
    return QString::fromLatin1(signs[static_cast<size_t>(eValue)]);
}

std::shared_ptr<clsStepIn> colclsStepIn::Item(int32_t position) const { return viewOf(slotAtPosition(position)); }

std::shared_ptr<clsStepIn> colclsStepIn::Item(const QString& key) const
{
    const int32_t index = slotOfKey(key);
    if (index < 0)
        throw platform::RuntimeError(platform::errInvalidCall);
    return viewOf(index);
}

bool colclsStepIn::Contains(const QString& key) const { return slotOfKey(key) >= 0; }

void colclsStepIn::Remove(int32_t position) { removeSlot(slotAtPosition(position)); }

void colclsStepIn::Remove(const QString& key)
{
    const int32_t index = slotOfKey(key);
    if (index < 0)
        throw platform::RuntimeError(platform::errInvalidCall);
    removeSlot(index);
}

bool colclsStepIn::copyTo(StepConditions& into) const
{
    if (Count() > kInline)
        return false;
    into.count = 0;
    into.counterId = counterId_;
    for (int32_t i = nextLive(0); i < used(); i = nextLive(i + 1))
        into.items[into.count++] = slot(i).condition;
    return true;
}

colclsStepIn::Slot& colclsStepIn::slot(int32_t index) const
{
    return index < kInline ? store_->first[static_cast<size_t>(index)] : *store_->more[static_cast<size_t>(index - kInline)];
}

int32_t colclsStepIn::nextLive(int32_t from) const
{
    while (from < used() && slot(from).removed)
        ++from;
    return from;
}

int32_t colclsStepIn::slotAtPosition(int32_t position) const
{
    if (position < 1 || position > Count())
        throw platform::RuntimeError(platform::errSubscript);
    if (store_->live == store_->used) // nothing removed: positions are slots
        return position - 1;
    int32_t index = nextLive(0);
    for (int32_t p = 1; p < position; ++p)
        index = nextLive(index + 1);
    return index;
}

int32_t colclsStepIn::slotOfKey(const QString& key) const
{
    const auto block = numberOfKey(key);
    return block ? slotOfBlock(*block) : -1;
}

int32_t colclsStepIn::slotOfBlock(int32_t block) const
{
    for (int32_t i = nextLive(0); i < used(); i = nextLive(i + 1))
        if (slot(i).condition.block == block)
            return i;
    return -1;
}

std::shared_ptr<clsStepIn> colclsStepIn::viewOf(int32_t index) const
{
    // The view shares the store: it stays valid however long it is held, the list gone or not.
    return std::make_shared<clsStepIn>(std::shared_ptr<StepCondition>(store_, &slot(index).condition));
}

void colclsStepIn::removeSlot(int32_t index)
{
    slot(index).removed = true;
    --store_->live;
}

} // namespace Telva27
