#include "ParameterStage.h"

#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsSelection.h"

namespace Telva27 {

ParameterStage::ParameterStage(colclsFunction& model) : model_(model)
{
    groups_.Reserve(model_.Count());
    for (const auto& group : model_) {
        const auto staged = groups_.Add(group->FunctionName(), group->TOPKMK());
        *staged->Items() = *group->Items();
    }
}

colclsDigital& ParameterStage::items(QStringView sFunctionName)
{
    // Names are compared exactly here; one that differs only in letter case
    // finds the same group through the lookup.
    if (!group_ || group_->FunctionName() != sFunctionName)
        group_ = groups_.Item(sFunctionName);
    return *group_->Items();
}

clsDigital& ParameterStage::parameter(QStringView sFunctionName, QStringView sDigital)
{
    if (parameter_ && parameterGroup_ == group_.get() && group_->FunctionName() == sFunctionName &&
        parameter_->original->Digital() == sDigital)
        return parameter_->copy;
    const auto original = items(sFunctionName).Item(sDigital);
    auto it = parameters_.find(original.get());
    if (it == parameters_.end()) {
        StagedParameter staged{original, {}};
        staged.copy.setDetailAdvice(original->DetailAdvice());
        if (original->hasSelections())
            staged.copy.setSelections(std::make_shared<colclsSelection>(*original->Selections()));
        it = parameters_.emplace(original.get(), std::move(staged)).first;
    }
    parameter_ = &it->second;
    parameterGroup_ = group_.get();
    return parameter_->copy;
}

void ParameterStage::commit()
{
    // The staged groups begin with the model's, in its order; the rest are new.
    const int32_t existing = model_.Count();
    for (int32_t i = 1; i <= existing; ++i)
        *model_.Item(i)->Items() = std::move(*groups_.Item(i)->Items());
    for (int32_t i = existing + 1; i <= groups_.Count(); ++i) {
        const auto group = groups_.Item(i);
        model_.KeyedCollection<clsFunction>::Add(group, group->FunctionName());
    }
    for (auto& entry : parameters_) {
        StagedParameter& staged = entry.second;
        staged.original->setDetailAdvice(staged.copy.DetailAdvice());
        if (!staged.copy.hasSelections())
            continue;
        // A parameter without choices so far takes the staged list itself.
        if (staged.original->hasSelections())
            *staged.original->Selections() = std::move(*staged.copy.Selections());
        else
            staged.original->setSelections(staged.copy.Selections());
    }
    parameters_.clear();
    parameter_ = nullptr;
    parameterGroup_ = nullptr;
    group_.reset();
}

} // namespace Telva27
