// fStep: undo of the commands that change many cells at once (cut, paste,
// row insert). Before each, the whole grid is saved to a snapshot file in the
// program's private working folder; undo loads the newest one back. The list
// keeps the snapshots in the order they were taken.

#include "fStep.h"

#include "ProgramState.h"
#include "WaitMessageBox.h"
#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "platform/grid/FlexGrid.h"
#include "platform/grid/GridFile.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace QelmStp {

namespace {

const QString kSnapshotPrefix = QStringLiteral("~qe");

} // namespace

void fStep::SaveCurrent()
{
    if (stdUsr_ != Telva27::eUSR)
        return;
    Ostrel7::trapped(reporter_, QStringLiteral("SaveCurrent"), [&] {
        // An edit under way ends and is painted before the grid is taken.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // A file of its own in the working folder; "" when it can't be made
        // (the failure is reported by GetTempWinFile).
        const QString path = state().file->GetTempWinFile(kSnapshotPrefix);
        if (path.isEmpty())
            return;
        // A snapshot is dropped at exit at the latest: it need not reach the disk.
        auto dropUnwritten = qScopeGuard([&] { mMOD::Del(path); });
        platform::grid::GridFile::save(fg_->data(), path, platform::Durability::Scratch);
        dropUnwritten.dismiss();
        dicUndoFiles_.append(path);
    });
}

void fStep::DoUndo()
{
    Ostrel7::trapped(reporter_, QStringLiteral("DoUndo"), [&] {
        WaitMessageBox* wait = state().waitBox.get();
        if (wait) {
            wait->Prepare(0);
            wait->ShowText(QStringLiteral("Proceeding..."), 0);
        }
        const auto closeWait = qScopeGuard([&] {
            if (wait)
                wait->Close();
        });
        const QString path = GetLastTempFile();
        if (path.isEmpty())
            return;
        fg_->data().LoadGrid(path, 0);
        // The remark column is shown as the options say now, not as they were.
        ControlRemarkColumn(state().DoesViewRemarkColumn);
        dicUndoFiles_.removeLast();
        mMOD::Del(path);
        // The grid now differs from what was last saved or read.
        ControlChange(true);
    });
}

QString fStep::GetLastTempFile()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("GetLastTempFile"), [&] {
        return dicUndoFiles_.isEmpty() ? QString() : dicUndoFiles_.constLast();
    });
}

void fStep::Delete_dicUndoFiles()
{
    if (stdUsr_ != Telva27::eUSR)
        return;
    Ostrel7::trapped(reporter_, QStringLiteral("Delete_dicUndoFiles"), [&] {
        for (const QString& file : std::as_const(dicUndoFiles_))
            mMOD::Del(file);
        dicUndoFiles_.clear();
    });
}

} // namespace QelmStp
