#include "clsSelectTable.h"

#include "LibraryState.h"
#include "fSelTable.h"
#include "fSelTableMulti.h"
#include "datamodel/common/Enums.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/method/clsMethod.h"

namespace Sorvi27 {

namespace {

// The starting location (1-based byte position) of table `index` in an
// eight-table file of 8192-byte tables.
int32_t startingLocation(int32_t index) { return index * 8192 + 1; }

} // namespace

clsSelectTable::clsSelectTable() : state_(LibraryState::acquire())
{
    // clsSelectKino, created next, replaces both with its own.
    state_->method = std::make_shared<Ostrel7::clsMethod>();
    state_->resource = std::make_shared<Resource::clsResource>();
}

clsSelectTable::~clsSelectTable() = default;

int32_t clsSelectTable::SelectStartingLocation(bool booViewZero, int32_t eSTDUSR)
{
    int32_t& remembered = eSTDUSR == Telva27::eSTD ? prevStdTableIndex_ : prevTableIndex_;
    // The dialog has no owner window; it places itself on the screen.
    fSelTable dialog;
    dialog.setTableIndex(remembered);
    dialog.setViewZero(booViewZero);
    dialog.setSTDUSR(eSTDUSR);
    dialog.Form_Load();
    platform::ui().runDialog(dialog);
    // The dialog's TableIndex is the answer however it was closed.
    const int32_t index = dialog.TableIndex();
    if (index == -1)
        return -1;
    remembered = index;
    return startingLocation(index);
}

std::vector<int32_t> clsSelectTable::SelectStartingLocationMulti(bool booViewZero)
{
    fSelTableMulti dialog;
    dialog.setTableIndex(prevTableIndex_);
    dialog.setViewZero(booViewZero);
    dialog.Form_Load();
    platform::ui().runDialog(dialog);
    std::vector<int32_t> answer = dialog.arTableIndex();
    if (answer.size() <= 1)
        return {0};
    prevTableIndex_ = answer[1];
    for (size_t i = 1; i < answer.size(); ++i)
        answer[i] = startingLocation(answer[i]);
    return answer;
}

} // namespace Sorvi27
