#include "ParameterStage.h"

#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsSelection.h"

namespace Telva27 {

ParameterStage::ParameterStage(colclsFunction& model) : model_(model)
{
    for (const auto& group : model_) {
        const auto staged = groups_.Add(group->FunctionName(), group->TOPKMK());
        *staged->Items() = *group->Items();
    }
}

clsDigital& ParameterStage::parameter(const QString& sFunctionName, const QString& sDigital)
{
    const auto original = groups_.Item(sFunctionName)->Items()->Item(sDigital);
    auto it = parameters_.find(original.get());
    if (it == parameters_.end()) {
        StagedParameter staged{original, *original};
        staged.copy.setSelections(std::make_shared<colclsSelection>(*original->Selections()));
        it = parameters_.emplace(original.get(), std::move(staged)).first;
    }
    return it->second.copy;
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
        *staged.original->Selections() = std::move(*staged.copy.Selections());
    }
    parameters_.clear();
}

} // namespace Telva27
