#pragma once
// Where a setting file reader builds its changes to the parameter model, so
// that a file is applied whole or not at all. Changes to the groups and their
// parameter lists are built on a copy of them (made when first asked for),
// which the model takes over only in commit(), after the whole file was read.
// Changes to a parameter's description and choices are made on the parameter
// itself, its earlier state noted first; dropping the stage without commit
// puts every noted state back. Either way the model is as it was unless the
// stage was committed. The model's existing groups, lists, parameters and
// choice lists stay the same objects; only their contents change.

#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/colclsFunction.h"

#include <QStringView>

#include <memory>
#include <vector>

namespace Telva27 {

class ParameterStage {
public:
    explicit ParameterStage(colclsFunction& model);
    ~ParameterStage();
    ParameterStage(const ParameterStage&) = delete;
    ParameterStage& operator=(const ParameterStage&) = delete;

    // The staged groups, with copies of the model's parameter lists; groups and
    // parameters are added and removed here with the model's own members.
    // Parameters are shared with the model: change one only through parameter().
    colclsFunction& groups();
    // The staged parameter list of the group sFunctionName (matched as a key);
    // throws when there is none. A file's records come group by group, so the
    // group is looked up again only when it changes from the call before.
    colclsDigital& items(QStringView sFunctionName);
    // The parameter sDigital of the group sFunctionName (both matched as keys;
    // throws when there is none), to add to its description and choices: its
    // state is noted the first time in a row it is asked for.
    clsDigital& parameter(QStringView sFunctionName, QStringView sDigital);

    // Hands every staged change to the model.
    void commit();

private:
    // A parameter's description and choices as they were.
    struct Noted {
        std::shared_ptr<clsDigital> parameter;
        QString detailAdvice;
        std::shared_ptr<colclsSelection> selections; // the list it had, or none
        std::unique_ptr<colclsSelection> choices;   // that list's contents
    };

    void copyGroups();
    const colclsFunction& lookupGroups() const { return copied_ ? groups_ : model_; }

    colclsFunction& model_;
    colclsFunction groups_;
    bool copied_ = false;
    std::vector<Noted> noted_;
    // The group and the parameter of the last lookup.
    std::shared_ptr<clsFunction> group_;
    clsDigital* parameter_ = nullptr;
};

} // namespace Telva27
