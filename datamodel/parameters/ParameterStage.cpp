#include "ParameterStage.h"

#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsSelection.h"

namespace Telva27 {

ParameterStage::ParameterStage(colclsFunction& model) : model_(model) {}

ParameterStage::~ParameterStage()
{
    // Not committed: the noted states go back, the latest first, so a
    // parameter noted twice ends as it was before the first.
    for (auto it = noted_.rbegin(); it != noted_.rend(); ++it) {
        it->parameter->setDetailAdvice(it->detailAdvice);
        if (it->selections && it->choices)
            *it->selections = std::move(*it->choices);
        it->parameter->setSelections(std::move(it->selections));
    }
}

void ParameterStage::copyGroups()
{
    if (copied_)
        return;
    groups_.Reserve(model_.Count());
    for (const auto& group : model_) {
        const auto staged = groups_.Add(group->FunctionName(), group->TOPKMK());
        *staged->Items() = *group->Items();
    }
    copied_ = true;
    group_.reset();
    parameter_ = nullptr;
}

colclsFunction& ParameterStage::groups()
{
    copyGroups();
    return groups_;
}

colclsDigital& ParameterStage::items(QStringView sFunctionName)
{
    copyGroups();
    // Names are compared exactly here; one that differs only in letter case
    // finds the same group through the lookup.
    if (!group_ || group_->FunctionName() != sFunctionName)
        group_ = groups_.Item(sFunctionName);
    return *group_->Items();
}

clsDigital& ParameterStage::parameter(QStringView sFunctionName, QStringView sDigital)
{
    if (parameter_ && group_->FunctionName() == sFunctionName && parameter_->Digital() == sDigital)
        return *parameter_;
    if (!group_ || group_->FunctionName() != sFunctionName)
        group_ = lookupGroups().Item(sFunctionName);
    auto found = group_->Items()->Item(sDigital);
    Noted note{found, found->DetailAdvice(), nullptr, nullptr};
    if (found->hasSelections()) {
        note.selections = found->Selections();
        note.choices = std::make_unique<colclsSelection>(*note.selections);
    }
    noted_.push_back(std::move(note));
    parameter_ = found.get();
    return *parameter_;
}

void ParameterStage::commit()
{
    if (copied_) {
        // The staged groups begin with the model's, in its order; the rest are new.
        const int32_t existing = model_.Count();
        for (int32_t i = 1; i <= existing; ++i)
            *model_.Item(i)->Items() = std::move(*groups_.Item(i)->Items());
        for (int32_t i = existing + 1; i <= groups_.Count(); ++i) {
            const auto group = groups_.Item(i);
            model_.KeyedCollection<clsFunction>::Add(group, group->FunctionName());
        }
        groups_.Clear();
        copied_ = false;
    }
    noted_.clear();
    parameter_ = nullptr;
    group_.reset();
}

} // namespace Telva27
