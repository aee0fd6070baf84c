#include "clsSelectTable.h"

#include "fSelTable.h"
#include "fSelTableMulti.h"
#include "platform/Ui.h"

namespace Sorvi27 {

namespace {

// The starting location (1-based byte position) of table `index` in an
// eight-table file of 8192-byte tables.
int32_t startingLocation(int32_t index) { return index * 8192 + 1; }

} // namespace

int32_t clsSelectTable::SelectStartingLocation(bool booViewZero, int32_t eSTDUSR)
{
    // The dialog has no owner window; it places itself on the screen.
    fSelTable dialog;
    dialog.setTableIndex(prevTableIndex_);
    dialog.setViewZero(booViewZero);
    dialog.setSTDUSR(eSTDUSR);
    dialog.Form_Load();
    platform::ui().runDialog(dialog);
    // The dialog's TableIndex is the answer however it was closed.
    const int32_t index = dialog.TableIndex();
    if (index == -1)
        return -1;
    prevTableIndex_ = index;
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
