#pragma once
// Where a setting file reader builds its changes to the parameter model, so
// that a file is applied whole or not at all: the reader works on a copy of
// the groups and their parameter lists (and on copies of the description and
// choices of the parameters it adds choices to), and the model takes them over
// only in commit(), after the whole file was read. Dropping the stage without
// commit leaves the model as it was. The model's existing groups, lists and
// parameters stay the same objects; only their contents change.

#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/colclsFunction.h"

#include <QStringView>

#include <memory>
#include <unordered_map>

namespace Telva27 {

class ParameterStage {
public:
    explicit ParameterStage(colclsFunction& model);
    ParameterStage(const ParameterStage&) = delete;
    ParameterStage& operator=(const ParameterStage&) = delete;

    // The staged groups, with copies of the model's parameter lists; groups and
    // parameters are added and removed here with the model's own members.
    // Parameters are shared with the model: change one only through parameter().
    colclsFunction& groups() { return groups_; }
    // The staged parameter list of the group sFunctionName (matched as a key);
    // throws when there is none. A file's records come group by group, so the
    // group is looked up again only when it changes from the call before.
    colclsDigital& items(QStringView sFunctionName);
    // A staged stand-in for the parameter sDigital of the group sFunctionName
    // (both matched as keys; throws when there is none) that holds the
    // parameter's description and a copy of its choices: the parts a reader
    // adds to. Looked up again only when the parameter changes.
    clsDigital& parameter(QStringView sFunctionName, QStringView sDigital);

    // Hands every staged change to the model.
    void commit();

private:
    struct StagedParameter {
        std::shared_ptr<clsDigital> original;
        clsDigital copy;
    };

    colclsFunction& model_;
    colclsFunction groups_;
    std::unordered_map<const clsDigital*, StagedParameter> parameters_;
    // The group and the parameter of the last lookup.
    std::shared_ptr<clsFunction> group_;
    StagedParameter* parameter_ = nullptr;
    const clsFunction* parameterGroup_ = nullptr;
};

} // namespace Telva27
