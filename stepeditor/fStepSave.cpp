// fStep: saving the user's step program. The grid is checked, turned into a
// new step program and written by the data model into copies of the working
// copies; the step file and the note file then replace the target's pair all
// together, and the copies take the working copies' place. A save that stops
// anywhere leaves the user's files, the working copies, the window's file and
// its table as they were, and answers False, so the caller keeps the edits.

#include "fStep.h"

#include "ProgramState.h"
#include "exchange/StagedWorkingCopies.h"
#include "mMOD.h"

#include "common/mMODCOMMON.h"
#include "datamodel/common/Enums.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "platform/AtomicFile.h"
#include "platform/CompanionFile.h"
#include "platform/RegularFile.h"
#include "platform/Trim.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

namespace QelmStp {

namespace {

namespace common = QelmCommon::mMODCOMMON;

constexpr int32_t kTableSize = 8192;
// A new file holds its program in table 1.
constexpr int32_t kFirstTable = kTableSize + 1;
// A step file and a note file are 65536 bytes; nothing larger is copied.
constexpr int64_t kLargestCopy = 65536;

constexpr int16_t kCritical = 1, kExclamation = 2, kOkCancelExclamation = 10;

} // namespace

bool fStep::SaveStepData(int32_t mode)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("SaveStepData"), [&] {
        // The reference window shows a program, it never writes one.
        if (stdUsr_ != Telva27::eUSR)
            return false;
        if (!ExactInput())
            return false;
        ProgramState& s = state();
        const bool newFile = s.UsrFullFname.isEmpty();
        if (newFile && mode == 1)
            mode = 0;
        // The file and the table become the window's only once they were written.
        QString target = s.UsrFullFname;
        if (newFile || mode == 1) {
            target = GetSavingFullFname(s.UsrFullFname);
            if (target.isEmpty())
                return false;
        }
        const int32_t position = GetStargingPosition(newFile, mode);
        if (position == -1)
            return false;
        if (!exchange_->Update_step(s.stepUsr)) {
            mMOD::ShowMessage(80, kCritical);
            return false;
        }
        if (!BeReadyDrive(target))
            return false;
        StagedWorkingCopies copies(reporter_, Telva27::eUSR);
        if (!WriteWorkingCopies(copies, target, position, newFile)) {
            mMOD::ShowMessage(50, kCritical);
            return false;
        }
        // What is about to replace the user's files must open as the grid stands.
        if (!ProveSaved(copies.stepCopy(), copies.noteCopy(), position))
            return false;
        if (!CopyFiles(copies.stepCopy(), copies.noteCopy(), target)) {
            mMOD::ShowMessage(79, kCritical);
            return false;
        }
        s.UsrFullFname = target;
        currentStarting_ = position;
        setWindowTitle(CreateMyCaption(0));
        cboTable_->setEnabled(false);
        showLoadedTable();
        cboTable_->setEnabled(true);
        ControlChange(false);
        return true;
    });
}

bool fStep::WriteWorkingCopies(StagedWorkingCopies& copies, const QString& target, int32_t position, bool newFile)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("WriteWorkingCopies"), [&] {
        ProgramState& s = state();
        // The table goes into copies of the open file's working copies, so
        // that its other tables are kept; a new file is made whole.
        if (!newFile)
            copies.stage(common::CreateStepTempName(reporter_, Telva27::eUSR, true),
                         common::CreateStepTempName(reporter_, Telva27::eUSR, false));
        return s.stepUsr->SaveData(s.file->ReplaceExt(target, QStringLiteral("BIN")), copies.stepCopy(),
                                   copies.noteCopy(), position, newFile, s.selectKino->stpout(),
                                   s.selectKino->stpinp());
    });
}

QString fStep::GetSavingFullFname(const QString& current)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("GetSavingFullFname"), [&]() -> QString {
        ProgramState& s = state();
        platform::FileDialogRequest request;
        request.title = s.resource->Res(188);
        request.filter = s.resource->Res(187);
        const QFileInfo info(current);
        const bool inFolder = !current.isEmpty() && info.absoluteDir().exists();
        request.initialFolder = inFolder ? info.absolutePath() : s.InitialPath;
        request.fileName = current.isEmpty() ? QString() : info.fileName();
        request.defaultSuffix = QStringLiteral("stp");
        return platform::ui().saveFileName(request);
    });
}

int32_t fStep::GetStargingPosition(bool newFile, int32_t mode)
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("GetStargingPosition"),
        [&]() -> int32_t {
            if (newFile)
                return kFirstTable;
            switch (mode) {
            case 0:
            case 1:
                // Only a table of the file is a place to write; never the header.
                return currentStarting_ > kTableSize ? currentStarting_ : -1;
            case 2: return state().selectTable->SelectStartingLocation(false, -1);
            default: return -1;
            }
        },
        int32_t{-1});
}

bool fStep::BeReadyDrive(const QString& target)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("BeReadyDrive"), [&] {
        // The place is ready when the folder the file goes into is there (a
        // removable medium mounted, a network share reachable).
        const QString folder = QFileInfo(target).absolutePath();
        for (;;) {
            if (state().file->IsExistDir(folder))
                return true;
            if (mMOD::ShowMessage(69, kOkCancelExclamation).toInt() != platform::vbOK)
                return false;
        }
    });
}

bool fStep::CopyFiles(const QString& stepCopy, const QString& noteCopy, const QString& target)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("CopyFiles"), [&] {
        ProgramState& s = state();
        if (platform::Trim(target).isEmpty()) {
            mMOD::ShowMessage(93, kExclamation);
            return false;
        }
        const QString noteTarget = platform::existingCompanion(s.file->ReplaceExt(target, QStringLiteral("BIN")));
        // Both files are measured before either is replaced.
        if (!s.print->CheckFreeSpace(stepCopy, target) || !s.print->CheckFreeSpace(noteCopy, noteTarget)) {
            mMOD::ShowMessage(90, kExclamation);
            return false;
        }
        // Only the user's pair is replaced durably, all or nothing. The new
        // copies then take the working copies' place, so that a later table
        // switch reads exactly what the file holds; should the pair not be
        // replaced, the working copies of before are put back.
        platform::FileReplacement files;
        files.stage(target, platform::readWholeFile(stepCopy, kLargestCopy));
        files.stage(noteTarget, platform::readWholeFile(noteCopy, kLargestCopy));
        StagedWorkingCopies::Exchange working(reporter_, Telva27::eUSR, stepCopy, noteCopy);
        files.commit();
        working.keep();
        return true;
    });
}

} // namespace QelmStp
