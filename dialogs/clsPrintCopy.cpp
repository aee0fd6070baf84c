// clsPrint: the table copy between files and the free-space check made before
// a saved file is copied over its target.

#include "clsPrint.h"

#include "LibraryState.h"
#include "fCopyData.h"
#include "mMOD.h"

#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "util/method/Trap.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace Sorvi27 {

namespace {

using platform::RuntimeError;

// "Data is changed. source must be saved, do you go forward?", Yes/No with No the default.
constexpr int16_t kMsgSourceChanged = 70, kKindYesNoDefaultNo = 7;

RuntimeError pathError(int32_t number, const QString& path)
{
    return RuntimeError(number, QStringLiteral("%1: %2").arg(RuntimeError::standardText(number),
                                                             QDir::toNativeSeparators(path)));
}

// A path of another machine's share, which is not measured.
bool isNetworkPath(const QString& path)
{
    return path.startsWith(QLatin1String("\\\\")) || path.startsWith(QLatin1String("//"));
}

} // namespace

int64_t clsPrint::bytesFreeIn(const QString& folder) const
{
    if (freeSpaceOf)
        return freeSpaceOf(folder);
    // Linux has no drive letters: the file system is the one the folder lies on.
    if (!QFileInfo(folder).isDir())
        throw pathError(platform::errPathNotFound, folder);
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        throw pathError(platform::errDiskNotReady, folder);
    return storage.bytesAvailable();
}

bool clsPrint::CheckFreeSpace(const QString& sSrcFullFname, const QString& sDestFullFname)
{
    const QString label =
        QStringLiteral("CheckFreeSpace sScrFullFname=") + sSrcFullFname + QStringLiteral(" sDestFullFname=") + sDestFullFname;
    return Ostrel7::trapped(state_->reporter(), label, [&] {
        // Replacing a file needs no more room than it takes already.
        if (QFileInfo(sDestFullFname).isFile() || isNetworkPath(sDestFullFname))
            return true;
        const QFileInfo source(sSrcFullFname);
        if (!source.isFile())
            throw pathError(platform::errFileNotFound, sSrcFullFname);
        return bytesFreeIn(QFileInfo(sDestFullFname).absolutePath()) >= source.size();
    });
}

void clsPrint::CopyData(ENUM_STGorSTP eSTGorSTP, const QString& sSrcFileFullFname, bool IsChangedSrc)
{
    // The copy reads the files as saved on disk, not the caller's edits.
    if (IsChangedSrc && mMOD::ShowMessage(kMsgSourceChanged, kKindYesNoDefaultNo).toInt() != platform::vbYes)
        return;
    fCopyData dialog;
    dialog.setFreeSpace([this](const QString& folder) { return bytesFreeIn(folder); });
    dialog.setLastSaveFolder(copyFolder_);
    dialog.setSrcFileFullFname(sSrcFileFullFname);
    dialog.setSTGorSTP(eSTGorSTP);
    dialog.Form_Load();
    platform::ui().runDialog(dialog);
    copyFolder_ = dialog.lastSaveFolder();
}

} // namespace Sorvi27
