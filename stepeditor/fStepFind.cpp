// fStep: the find command, which opens the find dialog of the window's role
// on the window's grid.

#include "fStep.h"

#include "ProgramState.h"
#include "fFind.h"
#include "fMain.h"

#include "stepeditor/grid/StepColumns.h"

#include "datamodel/common/Enums.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"
#include "util/property/clsProperty.h"

namespace QelmStp {

void fStep::FindOp(int32_t role)
{
    Ostrel7::trapped(reporter_, QStringLiteral("FindOp"), [&] {
        ProgramState& s = state();
        fFind* dialog = role == Telva27::eUSR ? s.frmFindUsr.data() : s.frmFindStd.data();
        if (!dialog)
            return;
        dialog->setSTDUSR(role);
        dialog->setTarget_fStep(this);
        // The function in the current cell is what the user most likely looks for.
        const platform::grid::GridData& g = fg_->data();
        const int32_t kind = g.ColData(g.Col());
        dialog->setCrntDigital(kind == eColOutput || kind == eColFunc ? g.TextMatrix(g.Row(), g.Col()) : QString());
        dialog->Show();
        s.property->SetWindowPriority(dialog, Ostrel7::eHWND_TOPMOST);
    });
}

} // namespace QelmStp
