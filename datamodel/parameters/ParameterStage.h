#pragma once
// Where a setting file reader builds its changes to the parameter model, so
// that a file is applied whole or not at all: the reader works on a copy of
// the groups and their parameter lists (and on copies of the parameters whose
// choices it adds), and the model takes them over only in commit(), after the
// whole file was read. Dropping the stage without commit leaves the model as
// it was. The model's existing groups, lists and parameters stay the same
// objects; only their contents change.

#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/colclsFunction.h"

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
    // A staged copy, with choices of its own, of the parameter sDigital of the
    // group sFunctionName (both matched as keys); throws when there is none.
    clsDigital& parameter(const QString& sFunctionName, const QString& sDigital);

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
};

} // namespace Telva27
