// fStep: the toolbar commands, the button-menu items and the right-click
// menu, each running the window's member that carries it out, and the
// window's caption.

#include "fStep.h"

#include "ProgramState.h"
#include "fInpMemo.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"

#include <QAction>

#include <algorithm>
#include <cstdlib>

namespace QelmStp {

QString fStep::CreateMyCaption(int32_t flag) const
{
    return Ostrel7::trapped(reporter_, QStringLiteral("CreateMyCaption"), [&] {
        ProgramState& s = main_.state();
        const bool user = flag == 0;
        QString caption = user ? s.UsrFullFname : s.resource->Res(186) + s.StdFullFname;
        const auto& model = user ? s.stepUsr : s.stepStd;
        if (model && !model->Author().isEmpty())
            caption += QStringLiteral(" written by ") + model->Author();
        return caption;
    });
}

void fStep::tBar_ButtonClick(const QString& key)
{
    Ostrel7::trapped(reporter_, QStringLiteral("tBar_ButtonClick"), [&] {
        if (key == QLatin1String("keyNew")) {
            NewOp();
        } else if (key == QLatin1String("keyOPEN")) {
            tBar_ButtonMenuClick(QStringLiteral("keyREAD_USER"));
        } else if (key == QLatin1String("keySAVE")) {
            SaveStepData(0);
        } else if (key == QLatin1String("keyFIND")) {
            FindOp(stdUsr_);
        } else if (key == QLatin1String("keyPRINT")) {
            PrintOp();
        } else if (key == QLatin1String("keyCUT")) {
            cutSelection();
        } else if (key == QLatin1String("keyCOPY")) {
            copySelection();
        } else if (key == QLatin1String("keyPASTE")) {
            SaveCurrent();
            PasteFromBuf(fg_->data().Row());
        } else if (key == QLatin1String("keyROWINSERT")) {
            insertRows();
        } else if (key == QLatin1String("keyUNDO")) {
            undo();
        } else if (key == QLatin1String("keyREM")) {
            RemOp();
        } else if (key == QLatin1String("keyFUZOKU")) {
            // The attached information's commands sit in the button's menu.
            mMOD::ShowMessage(98, 2);
        }
    });
}

void fStep::tBar_ButtonMenuClick(const QString& key)
{
    if (key == QLatin1String("keyREAD_USER")) {
        if (fInpMemo::RefuseWhileOpen(state()) || !SaveCheck())
            return;
        ReadStep(Telva27::eUSR, 0, QString());
    } else if (key == QLatin1String("keyREAD_STD")) {
        ReadStep(Telva27::eSTD, 0, QString());
    } else if (key == QLatin1String("InitialPath")) {
        ChooseInitialPath(this);
    } else if (key == QLatin1String("keyOVERWRITE")) {
        SaveStepData(0);
    } else if (key == QLatin1String("keySAVEAS")) {
        SaveStepData(1);
    } else if (key == QLatin1String("keySAVEANOTHERTABLE")) {
        SaveStepData(2);
    } else if (key == QLatin1String("keyCOUNTER")) {
        InputCounterLcd();
    } else if (key == QLatin1String("keyREM")) {
        ShowMemo();
    } else if (key == QLatin1String("keyPASS")) {
        InputPassword();
    }
}

void fStep::copySelection()
{
    const platform::grid::GridData& g = fg_->data();
    if (g.SelectionMode() == platform::grid::selFree)
        CopyRowToBuf(g.Row(), g.RowSel(), g.Col(), g.ColSel(), 0);
    else if (g.SelectionMode() == platform::grid::selByRow)
        CopyRowToBuf(g.Row(), g.RowSel(), g.FixedCols(), g.Cols() - 1, 1);
}

void fStep::cutSelection()
{
    SaveCurrent();
    const platform::grid::GridData& g = fg_->data();
    const int32_t mode = g.SelectionMode();
    if (mode != platform::grid::selFree && mode != platform::grid::selByRow)
        return;
    copySelection();
    const bool rows = mode == platform::grid::selByRow;
    DeleteRows(mode, g.Row(), g.RowSel(), rows ? g.FixedCols() : g.Col(), rows ? g.Cols() - 1 : g.ColSel());
}

void fStep::insertRows()
{
    const platform::grid::GridData& g = fg_->data();
    const int32_t count = std::abs(g.RowSel() - g.Row()) + 1;
    if (!SafeBottomRow(count) && mMOD::ShowMessage(97, 7).toInt() == platform::vbNo)
        return;
    SaveCurrent();
    InsertRows(std::min(g.Row(), g.RowSel()), count);
}

void fStep::undo()
{
    if (dicUndoFiles_.isEmpty()) {
        mMOD::ShowMessage(95, 2);
        return;
    }
    if (mMOD::ShowMessage(96, 7).toInt() == platform::vbNo)
        return;
    DoUndo();
}

void fStep::ChooseInitialPath(QWidget* hwnd)
{
    ProgramState& s = state();
    const QString chosen =
        s.file->OpenFolder(hwnd, s.resource->Res(189), Ostrel7::eCSIDL_DESKTOP, s.InitialPath);
    if (chosen.isEmpty())
        return;
    s.InitialPath = chosen;
    main_.SaveSettings();
}

// The right-click menu does what the toolbar buttons do.
void fStep::runToolKey(const QString& key)
{
    if (toolKey(key))
        tBar_ButtonClick(key);
}

void fStep::mnuCut_Click() { runToolKey(QStringLiteral("keyCUT")); }
void fStep::mnuCopy_Click() { runToolKey(QStringLiteral("keyCOPY")); }
void fStep::mnuPaste_Click() { runToolKey(QStringLiteral("keyPASTE")); }
void fStep::mnuInsert_Click() { runToolKey(QStringLiteral("keyROWINSERT")); }

} // namespace QelmStp
