// fStep: the attached information of the window's program (counters and
// titles, memo, password and author) and its export to a workbook.

#include "fStep.h"

#include "ProgramState.h"
#include "fInpCount.h"
#include "fInpMemo.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "platform/Ui.h"
#include "util/method/Trap.h"

namespace QelmStp {

namespace {

// The program a window of that role shows: the user's or the reference one.
std::shared_ptr<Telva27::colclsStep> programOf(const ProgramState& s, int32_t role)
{
    return role == Telva27::eUSR ? s.stepUsr : s.stepStd;
}

} // namespace

void fStep::InputCounterLcd()
{
    Ostrel7::trapped(reporter_, QStringLiteral("InputCounterLcd"), [&] {
        ProgramState& s = state();
        if (fInpMemo::IsOpen(s)) {
            mMOD::ShowMessage(91, 2);
            return;
        }
        const std::shared_ptr<Telva27::colclsStep> program = programOf(s, stdUsr_);
        if (!program)
            return;
        fInpCount dialog(s.selectKino->stpinp(), this);
        dialog.setArCountBytes(program->arCountBytes());
        dialog.setArCountCaption(program->arCountCaption());
        dialog.setArLcdCaption(program->arLcdCaption());
        dialog.setSTDUSR(stdUsr_);
        dialog.Form_Load();
        platform::ui().runDialog(dialog);
        if (stdUsr_ != Telva27::eUSR)
            return;
        const bool changed = dialog.arCountBytes() != program->arCountBytes() ||
                             dialog.arCountCaption() != program->arCountCaption() ||
                             dialog.arLcdCaption() != program->arLcdCaption();
        program->setArCountBytes(dialog.arCountBytes());
        program->setArCountCaption(dialog.arCountCaption());
        program->setArLcdCaption(dialog.arLcdCaption());
        if (changed)
            ControlChange(true);
    });
}

void fStep::ShowMemo()
{
    ProgramState& s = state();
    if (fInpMemo::IsOpen(s))
        return;
    const std::shared_ptr<Telva27::colclsStep> program = programOf(s, stdUsr_);
    auto* memo = new fInpMemo(s, &main_);
    memo->setMemo(program ? program->Memo() : QString());
    memo->setSTDUSR(stdUsr_);
    memo->Form_Load();
    s.frmMemo = memo;
    memo->show();
    memo->raise();
}

void fStep::InputPassword()
{
    Ostrel7::trapped(reporter_, QStringLiteral("InputPassword"), [&] {
        ProgramState& s = state();
        const std::shared_ptr<Telva27::colclsStep> program = programOf(s, stdUsr_);
        if (!program)
            return;
        const QString password = program->Password();
        const QString author = program->Author();
        const QString answer =
            s.print->InputPassword(static_cast<Telva27::ENUM_USRSTD>(stdUsr_), password, author);
        const qsizetype tab = answer.indexOf(u'\t');
        if (tab < 0)
            return;
        program->setPassword(answer.left(tab));
        program->setAuthor(answer.mid(tab + 1));
        if (program->Password() != password || program->Author() != author)
            ControlChange(true);
        setWindowTitle(CreateMyCaption(stdUsr_));
    });
}

void fStep::PrintOp()
{
    // Unsaved edits are not in the program the report is made from.
    if (changed_ && mMOD::ShowMessage(29, 3).toInt() == platform::vbYes)
        return;
    ProgramState& s = state();
    // Held for the export: a program read meanwhile does not pull it away.
    const std::shared_ptr<Telva27::colclsStep> program = programOf(s, stdUsr_);
    if (!program || program->Count() == 0) {
        mMOD::ShowMessage(77, 2);
        return;
    }
    s.print->PrintStep(this, *program);
}

} // namespace QelmStp
