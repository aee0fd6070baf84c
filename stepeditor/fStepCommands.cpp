// fStep: the toolbar commands, the button-menu items and the right-click
// menu, each handed on to the work that carries it out (StepCommands), and
// the window's caption.

#include "fStep.h"

#include "ProgramState.h"
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
        StepCommands& c = commands_;
        if (key == QLatin1String("keyNew")) {
            if (c.NewOp)
                c.NewOp(*this);
        } else if (key == QLatin1String("keyOPEN")) {
            tBar_ButtonMenuClick(QStringLiteral("keyREAD_USER"));
        } else if (key == QLatin1String("keySAVE")) {
            if (c.SaveStepData)
                c.SaveStepData(*this, 0);
        } else if (key == QLatin1String("keyFIND")) {
            if (c.FindOp)
                c.FindOp(*this, stdUsr_);
        } else if (key == QLatin1String("keyPRINT")) {
            if (c.PrintOp)
                c.PrintOp(*this);
        } else if (key == QLatin1String("keyCUT")) {
            cutSelection();
        } else if (key == QLatin1String("keyCOPY")) {
            copySelection();
        } else if (key == QLatin1String("keyPASTE")) {
            if (c.SaveCurrent)
                c.SaveCurrent(*this);
            if (c.PasteFromBuf)
                c.PasteFromBuf(*this, fg_->data().Row());
        } else if (key == QLatin1String("keyROWINSERT")) {
            insertRows();
        } else if (key == QLatin1String("keyUNDO")) {
            undo();
        } else if (key == QLatin1String("keyREM")) {
            if (c.RemOp)
                c.RemOp(*this);
        } else if (key == QLatin1String("keyFUZOKU")) {
            // The attached information's commands sit in the button's menu.
            mMOD::ShowMessage(98, 2);
        }
    });
}

void fStep::tBar_ButtonMenuClick(const QString& key)
{
    StepCommands& c = commands_;
    auto save = [&](int32_t how) {
        if (c.SaveStepData)
            c.SaveStepData(*this, how);
    };
    if (key == QLatin1String("keyREAD_USER")) {
        if (c.SaveCheck && !c.SaveCheck(*this))
            return;
        ReadStep(Telva27::eUSR, 0, QString());
    } else if (key == QLatin1String("keyREAD_STD")) {
        ReadStep(Telva27::eSTD, 0, QString());
    } else if (key == QLatin1String("InitialPath")) {
        ChooseInitialPath(this);
    } else if (key == QLatin1String("keyOVERWRITE")) {
        save(0);
    } else if (key == QLatin1String("keySAVEAS")) {
        save(1);
    } else if (key == QLatin1String("keySAVEANOTHERTABLE")) {
        save(2);
    } else if (key == QLatin1String("keyCOUNTER")) {
        if (c.InputCounterLcd)
            c.InputCounterLcd(*this);
    } else if (key == QLatin1String("keyREM")) {
        if (c.ShowMemo)
            c.ShowMemo(*this);
    } else if (key == QLatin1String("keyPASS")) {
        if (c.InputPassword)
            c.InputPassword(*this);
    }
}

void fStep::copySelection()
{
    const platform::grid::GridData& g = fg_->data();
    if (!commands_.CopyRowToBuf)
        return;
    if (g.SelectionMode() == platform::grid::selFree)
        commands_.CopyRowToBuf(*this, g.Row(), g.RowSel(), g.Col(), g.ColSel(), 0);
    else if (g.SelectionMode() == platform::grid::selByRow)
        commands_.CopyRowToBuf(*this, g.Row(), g.RowSel(), g.FixedCols(), g.Cols() - 1, 1);
}

void fStep::cutSelection()
{
    if (commands_.SaveCurrent)
        commands_.SaveCurrent(*this);
    const platform::grid::GridData& g = fg_->data();
    const int32_t mode = g.SelectionMode();
    if (mode != platform::grid::selFree && mode != platform::grid::selByRow)
        return;
    copySelection();
    const bool rows = mode == platform::grid::selByRow;
    if (commands_.DeleteRows)
        commands_.DeleteRows(*this, mode, g.Row(), g.RowSel(), rows ? g.FixedCols() : g.Col(),
                             rows ? g.Cols() - 1 : g.ColSel());
}

void fStep::insertRows()
{
    const platform::grid::GridData& g = fg_->data();
    const int32_t count = std::abs(g.RowSel() - g.Row()) + 1;
    if (commands_.SafeBottomRow && !commands_.SafeBottomRow(*this, count)
        && mMOD::ShowMessage(97, 7).toInt() == platform::vbNo)
        return;
    if (commands_.SaveCurrent)
        commands_.SaveCurrent(*this);
    if (commands_.InsertRows)
        commands_.InsertRows(*this, std::min(g.Row(), g.RowSel()), count);
}

void fStep::undo()
{
    if (dicUndoFiles_.isEmpty()) {
        mMOD::ShowMessage(95, 2);
        return;
    }
    if (mMOD::ShowMessage(96, 7).toInt() == platform::vbNo)
        return;
    if (commands_.DoUndo)
        commands_.DoUndo(*this);
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
