#include "ModelSnapshot.h"

#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/colclsFunction.h"

namespace QelmSet {

ModelSnapshot::ModelSnapshot(int32_t kind, Telva27::colclsFunction& functions, Telva27::colclsCustom& pins,
                             Telva27::colclsOkuri& pitchX, Telva27::colclsOkuri& pitchY)
    : kind_(kind), functions_(functions), pins_(pins), pitchX_(pitchX), pitchY_(pitchY)
{
    const bool usr = kind_ == Telva27::eUSR;
    functions_.forEachDigital([&](const Telva27::clsDigital& d) { values_.push_back(usr ? d.UserValue() : d.StdValue()); });
    header_ = {functions_.tableFlag(), functions_.SettingTableNo(), functions_.DataVersion(), functions_.KishuName(),
               functions_.sekBuffer()};
    for (const auto& pin : pins_)
        pinValues_.push_back(*pin);
    rowsX_ = rowsOf(pitchX_);
    rowsY_ = rowsOf(pitchY_);
}

void ModelSnapshot::restore()
{
    const bool usr = kind_ == Telva27::eUSR;
    size_t i = 0;
    functions_.forEachDigital([&](Telva27::clsDigital& d) {
        if (i >= values_.size())
            return;
        usr ? d.setUserValue(values_[i]) : d.setStdValue(values_[i]);
        ++i;
    });
    if (usr) {
        functions_.setTableFlag(header_.tableFlag);
        functions_.setSettingTableNo(header_.settingTableNo);
        functions_.setDataVersion(header_.dataVersion);
        functions_.setKishuName(header_.kishuName);
        functions_.setSekBuffer(header_.sek);
    }
    size_t p = 0;
    for (const auto& pin : pins_)
        if (p < pinValues_.size())
            *pin = pinValues_[p++];
    putRows(pitchX_, rowsX_);
    putRows(pitchY_, rowsY_);
}

std::vector<Telva27::clsOkuri> ModelSnapshot::rowsOf(const Telva27::colclsOkuri& table)
{
    std::vector<Telva27::clsOkuri> rows;
    for (const auto& row : table)
        rows.push_back(*row);
    return rows;
}

void ModelSnapshot::putRows(Telva27::colclsOkuri& table, const std::vector<Telva27::clsOkuri>& rows)
{
    table.ResetCollection();
    for (const Telva27::clsOkuri& row : rows)
        table.Add(row.P1(), row.P2(), row.T1(), row.T2(), row.B());
}

} // namespace QelmSet
