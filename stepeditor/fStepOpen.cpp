// fStep: opening a step table of a user or reference step file into a step
// window, switching a window to another table of its file, and clearing a
// window. An open reads into a new step program from new working copies and
// puts them in place of the window's only once the table was read and its
// password given: a refused open leaves the window as it was.

#include "fStep.h"

#include "ProgramState.h"
#include "exchange/SelectionVisibility.h"
#include "exchange/StagedWorkingCopies.h"
#include "fInpMemo.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "platform/CompanionFile.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "common/mMODCOMMON.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"

#include <QComboBox>
#include <QFileInfo>

namespace QelmStp {

namespace {

namespace common = QelmCommon::mMODCOMMON;

constexpr int32_t kTableSize = 8192;
constexpr int64_t kStepFileSize = 65536;
// The first table a step program may be in (table 0 holds the header).
constexpr int32_t kFirstTable = kTableSize + 1;

// An error of `number` whose text names the file it concerns.
platform::RuntimeError fileError(int32_t number, const QString& path)
{
    return platform::RuntimeError(number, platform::RuntimeError::standardText(number) + QStringLiteral(": ") + path);
}

} // namespace

bool fStep::ReadStep(int32_t kind, int32_t position, const QString& path)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ReadStep"), [&]() -> bool {
        ProgramState& s = state();
        const bool user = kind == Telva27::eUSR;
        const bool firstOpen = position == 0;
        QString file;
        if (firstOpen) {
            file = ReadDataFile(kind, position, path);
            if (file.isEmpty())
                return false;
        } else {
            file = user ? s.UsrFullFname : s.StdFullFname;
        }
        const QString note = platform::existingCompanion(s.file->ReplaceExt(file, QStringLiteral("BIN")));
        if (!QFileInfo(note).isFile()) {
            mMOD::ShowMessage(57, 2);
            return false;
        }

        // Reading makes the selection lists offer the functions of the new
        // table; they stay so only for an accepted user table.
        Sorvi27::clsSelectKino& kino = *s.selectKino;
        SelectionVisibility lists(kino);
        StagedWorkingCopies copies(reporter_, kind);
        auto program = std::make_shared<Telva27::colclsStep>();
        if (!ReadStepData(kind, file, position, firstOpen, *program, copies)) {
            mMOD::ShowMessage(4, 2);
            return false;
        }
        if (!ExactPassword(*program, firstOpen)) {
            mMOD::ShowMessage(100, 1);
            return false;
        }

        // The reference window is made by its first open; its start clears
        // it and removes the reference working copies of before, so the new
        // ones take their place after it.
        fStep& target = user ? *s.frmUsr : *s.frmStd;
        const bool wasLoaded = target.IsLoaded();
        target.setSTDUSR(kind);
        if (!wasLoaded)
            target.Show();
        if (firstOpen)
            copies.install();
        if (user)
            lists.keep();
        else
            s.functionsStd = lists.putBack();
        (user ? s.UsrFullFname : s.StdFullFname) = file;
        (user ? s.stepUsr : s.stepStd) = program;
        if (!user)
            fInpMemo::UnloadReferenceMemo(s);
        target.showReadProgram(kind, position, *program);
        kino.UnLoadStepForms();
        kino.LoadStepForms();
        if (user)
            target.Delete_dicUndoFiles();
        if (!wasLoaded)
            main_.ArrangeTiled();
        return true;
    });
}

void fStep::showReadProgram(int32_t kind, int32_t position, const Telva27::colclsStep& program)
{
    exchange_->PasteData(program);
    ControlChange(false);
    currentStarting_ = position;
    setWindowTitle(CreateMyCaption(kind));
    cboTable_->setEnabled(false);
    showLoadedTable();
    cboTable_->setEnabled(true);
}

void fStep::showLoadedTable()
{
    cboTable_->setCurrentIndex(currentStarting_ > kTableSize ? currentStarting_ / kTableSize - 1 : 0);
}

QString fStep::ReadDataFile(int32_t kind, int32_t& position, const QString& path)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ReadDataFile"), [&]() -> QString {
        // A file named on the command line opens at table 1, after the tests a chosen file passes.
        if (!path.isEmpty()) {
            if (!ExactFile(path))
                return {};
            position = kFirstTable;
            return path;
        }
        const QString file = GetSettingFile(kind);
        if (file.isEmpty())
            return {};
        const int32_t chosen = state().selectTable->SelectStartingLocation(false, -1);
        if (chosen == -1)
            return {};
        position = chosen;
        return file;
    });
}

QString fStep::GetSettingFile(int32_t kind)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("GetSettingFile"), [&]() -> QString {
        ProgramState& s = state();
        const QString& open = kind == Telva27::eSTD ? s.StdFullFname : s.UsrFullFname;
        platform::FileDialogRequest request;
        request.title = s.resource->Res(kind == Telva27::eSTD ? 190 : 191);
        request.filter = QStringLiteral("stp file (*.stp)|*.stp");
        request.initialFolder = open.isEmpty() ? s.InitialPath : QFileInfo(open).absolutePath();
        const QString chosen = platform::ui().openFileName(request);
        if (chosen.isEmpty() || !ExactFile(chosen))
            return {};
        return chosen;
    });
}

bool fStep::ExactFile(const QString& path)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExactFile"), [&] {
        if (path.isEmpty())
            return false;
        // Files come from other systems in either letter case.
        const QFileInfo info(path);
        if (info.suffix().toUpper() != QLatin1String("STP")) {
            mMOD::ShowMessage(8, 2);
            return false;
        }
        if (!info.isFile())
            throw fileError(platform::errFileNotFound, path);
        if (info.size() != kStepFileSize) {
            mMOD::ShowMessage(9, 2);
            return false;
        }
        return true;
    });
}

bool fStep::ReadStepData(int32_t kind, const QString& file, int32_t position, bool firstOpen,
                         Telva27::colclsStep& program, StagedWorkingCopies& copies)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ReadStepData"), [&] {
        ProgramState& s = state();
        QString stepCopy;
        QString noteCopy;
        if (firstOpen) {
            copies.stage(file, platform::existingCompanion(s.file->ReplaceExt(file, QStringLiteral("BIN"))));
            stepCopy = copies.stepCopy();
            noteCopy = copies.noteCopy();
        } else {
            // Another table of the open file: its working copies hold what was saved during the run.
            stepCopy = common::CreateStepTempName(reporter_, kind, true);
            noteCopy = common::CreateStepTempName(reporter_, kind, false);
        }
        return program.ReadData(stepCopy, noteCopy, position, s.selectKino->stpout(), s.selectKino->stpinp());
    });
}

bool fStep::ExactPassword(const Telva27::colclsStep& program, bool firstOpen)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExactPassword"), [&] {
        if (program.Password().isEmpty() || !firstOpen)
            return true;
        ProgramState& s = state();
        QString answer;
        for (;;) {
            // The last answer comes back to be corrected.
            answer = platform::ui().inputBox(s.resource->Res(413), s.AppName, answer);
            if (answer.isEmpty())
                return false;
            if (answer == program.Password())
                return true;
            mMOD::ShowMessage(99, 2);
        }
    });
}

void fStep::NewOp()
{
    Ostrel7::trapped(reporter_, QStringLiteral("NewOp"), [&] {
        ProgramState& s = state();
        const bool user = stdUsr_ == Telva27::eUSR;
        if (user) {
            if (fInpMemo::RefuseWhileOpen(s) || !SaveCheck())
                return;
            s.UsrFullFname.clear();
            // A new program offers no function yet.
            Sorvi27::clsSelectKino& kino = *s.selectKino;
            kino.setStepFlags({});
            kino.UnLoadStepForms();
            kino.LoadStepForms();
        }
        exchange_->ClearAll();
        cboTable_->setEnabled(false);
        cboTable_->setCurrentIndex(0);
        ControlChange(false);
        setWindowTitle(QStringLiteral("STEP SEQUENCE"));
        currentStarting_ = 0;
        layout_->Format_fg(s.DoesViewRemarkColumn, s.RemarkColumnWidth);
        fg_->setTopRow(1);
        fg_->data().Select(1, 1);
        if (isVisible())
            fg_->setFocus();
        Delete_dicUndoFiles();
        if (user)
            s.stepUsr = std::make_shared<Telva27::colclsStep>();
        DeleteTemporaryFiles();
        if (!(s.frmStd && s.frmStd->IsLoaded()))
            main_.ArrangeTiled();
    });
}

void fStep::DeleteTemporaryFiles()
{
    const bool deleted = Ostrel7::trapped(
        reporter_, QStringLiteral("DeleteTemporaryFiles"),
        [&] {
            const int32_t kind = stdUsr_ == Telva27::eUSR ? Telva27::eUSR : Telva27::eSTD;
            const QString files[] = {common::CreateStepTempName(reporter_, kind, true),
                                     common::CreateStepTempName(reporter_, kind, false)};
            for (const QString& path : files)
                mMOD::Del(path);
            Delete_dicUndoFiles();
            // A copy that stayed would be read by the next table switch as if it were the open file's.
            for (const QString& path : files) {
                if (QFileInfo::exists(path))
                    throw fileError(platform::errPathFileAccess, path);
            }
            return true;
        },
        false);
    if (!deleted)
        mMOD::ShowMessage(78, 1);
}

bool fStep::SaveCheck()
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("SaveCheck"),
        [&] {
            if (!changed_)
                return true;
            switch (mMOD::ShowMessage(53, 6).toInt()) {
            case platform::vbYes: return SaveStepData(0);
            case platform::vbNo: return true;
            default: return false;
            }
        },
        false);
}

void fStep::cboTable_Click()
{
    if (!cboTable_->isEnabled())
        return;
    const int32_t chosen = cboTable_->currentIndex();
    if (stdUsr_ == Telva27::eUSR && fInpMemo::RefuseWhileOpen(state())) {
        showLoadedTable();
        return;
    }
    if (stdUsr_ == Telva27::eUSR && changed_) {
        switch (mMOD::ShowMessage(13, 6).toInt()) {
        case platform::vbYes:
            if (!SaveStepData(0)) {
                showLoadedTable();
                return;
            }
            break;
        case platform::vbNo: ControlChange(false); break;
        default:
            // The list goes back to the table the grid shows.
            showLoadedTable();
            return;
        }
    }
    if (!ReadStep(stdUsr_, (chosen + 1) * kTableSize + 1, QString()))
        showLoadedTable();
    if (stdUsr_ == Telva27::eUSR)
        Delete_dicUndoFiles();
}

} // namespace QelmStp
