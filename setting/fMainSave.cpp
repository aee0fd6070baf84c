// fMain: saving the USR data. The open editing windows write their grids back
// into the data model, the data model writes the USR values into the private
// working copy at one or more table positions, and the working copy (with the
// SEK working copy for an eight-table file) then replaces the target. Both
// files of that pair are replaced together, so a failure leaves the user's
// files as they were; the target is opened for writing by nothing else.

#include "fMain.h"

#include "EditingWindow.h"
#include "ProgramState.h"
#include "SettingFiles.h"
#include "mMOD.h"

#include "common/mMODCOMMON.h"
#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/io/FileLimits.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectTable.h"
#include "platform/AtomicFile.h"
#include "platform/CompanionFile.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>

#include <limits>

namespace QelmSet {

namespace {

using namespace settingfiles;

const QString kOverwrite = QStringLiteral("keyOVERWRITE");
const QString kSaveAs = QStringLiteral("keySAVEAS");
const QString kSaveAsOtherTables = QStringLiteral("keySAVEASOTHERTB");

// Messages of the save and the kinds they are shown with.
constexpr int16_t kMsgNotSaved = 7, kMsgExtension = 8, kMsgNotCopied = 44, kMsgChangeDefault = 45, kMsgNoSpace = 48,
                  kMsgSpecifySek = 49, kMsgNoSek = 50;
constexpr int16_t kCritical = 1, kExclamation = 2, kYesNo = 3;

// The feed-pitch X and Y tables lie this far into a table.
constexpr int32_t kPitchXOffset = 512;
constexpr int32_t kPitchYOffset = 640;

bool isSettingExtension(const QString& path)
{
    const QString extension = upperExtension(path);
    return extension == QLatin1String("ETB") || extension == QLatin1String("STG");
}

} // namespace

bool fMain::SaveAllFiles(const QString& key)
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("SaveAllFiles"), [&] { return saveUsrData(key); });
}

bool fMain::saveUsrData(const QString& key)
{
    ProgramState& s = *state_;
    if (usrFilePath_.isEmpty())
        return false;
    QString target;
    if (key == kOverwrite || key == kSaveAsOtherTables)
        target = usrFilePath_;
    else if (key == kSaveAs)
        target = GetSavingFile(usrFilePath_);
    if (target.isEmpty())
        return false;
    // Only a one-table or an eight-table file can take the data.
    if (!isSettingExtension(target)) {
        mMOD::ShowMessage(kMsgExtension, kExclamation);
        return false;
    }
    const int32_t currentType = fileTypeOf(usrFilePath_);
    const int32_t targetType = fileTypeOf(target);

    // One-table data going into an eight-table file needs a SEK file to go beside it.
    if (upperExtension(usrFilePath_) == QLatin1String("ETB") && targetType == 1) {
        mMOD::ShowMessage(kMsgSpecifySek, kExclamation);
        const QString sek = GetSEKFile();
        if (sek.isEmpty()) {
            mMOD::ShowMessage(kMsgNoSek, kExclamation);
            return false;
        }
        // Read here so that a SEK file that can't be read stops the save.
        s.functions->setSekBuffer(platform::readWholeFile(sek, Telva27::filelimits::kSekFile));
    }

    const std::vector<int32_t> positions = GetStartingLocationSaving(key, currentType, targetType);
    if (positions.size() < 2)
        return false;
    if (positions[1] == 1 && QFileInfo::exists(target) &&
        mMOD::ShowMessage(kMsgChangeDefault, kYesNo).toInt() != platform::vbYes)
        return false;

    const QString workingCopy = QelmCommon::mMODCOMMON::CreateParaTempName(*s.method, Telva27::eUSR);
    if (!SaveAllVariables() || !SaveData(workingCopy, usrFilePath_, currentType, targetType, positions)) {
        mMOD::ShowMessage(kMsgNotSaved, kCritical);
        return false;
    }
    if (!CopySetFiles(target)) {
        mMOD::ShowMessage(kMsgNotCopied, kCritical);
        return false;
    }

    // The target is the USR file from now on, and the table written first is
    // where the next overwrite goes.
    const QFileInfo saved(target);
    usrFilePath_ = QDir(saved.absolutePath()).filePath(saved.fileName());
    if (currentType == 1 && targetType == 1)
        usrTableIndex_ = (positions[1] - 1) / kEtbFileSize;
    SetCaption();
    if (EditingWindow* differences = IsLoadedFormByTag(QStringLiteral("ViewDif")))
        differences->PasteDifs();
    return true;
}

std::vector<int32_t> fMain::GetStartingLocationSaving(const QString& key, int32_t currentType, int32_t targetType)
{
    return Ostrel7::trapped(
        *state_->method, QStringLiteral("GetStartingLocationSaving"),
        [&]() -> std::vector<int32_t> {
            // One-table data saved into an eight-table file goes into all eight
            // tables; the data model does that from position 1.
            if (targetType == 0 || currentType == 0)
                return {0, 1};
            if (key != kSaveAsOtherTables)
                return {0, usrTableIndex_ * kEtbFileSize + 1};
            std::vector<int32_t> chosen = state_->selectTable->SelectStartingLocationMulti(true);
            return chosen.size() > 1 ? chosen : std::vector<int32_t>{0};
        },
        std::vector<int32_t>{0});
}

bool fMain::SaveAllVariables()
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("SaveAllVariables"), [&] {
        // A window that could not write its grid back stops the save: the rest
        // of its edits would be lost without a word.
        for (EditingWindow* window : editingWindows())
            if (!window->Update_Variable())
                return false;
        return true;
    });
}

bool fMain::SaveData(const QString& workingCopy, const QString& currentPath, int32_t currentType, int32_t targetType,
                     const std::vector<int32_t>& positions)
{
    ProgramState& s = *state_;
    return Ostrel7::trapped(*s.method, QStringLiteral("SaveData"), [&] {
        const auto current = static_cast<Telva27::ENUM_ETBSTG>(currentType);
        const auto target = static_cast<Telva27::ENUM_ETBSTG>(targetType);
        for (size_t i = 1; i < positions.size(); ++i) {
            const int32_t p = positions[i];
            if (int64_t{p} + kPitchYOffset > std::numeric_limits<int32_t>::max())
                throw platform::RuntimeError(platform::errOverflow);
            // Each further table builds on the working copy of the one before.
            const QString& from = i == 1 ? currentPath : workingCopy;
            const bool saved = s.functions->SaveData(current, workingCopy, p, target, from) &&
                               s.customUsr->SaveData(current, workingCopy, p, target) &&
                               s.okuri[eOkuriUsrX]->SaveData(current, workingCopy, p + kPitchXOffset, target, kPitchXOffset) &&
                               s.okuri[eOkuriUsrY]->SaveData(current, workingCopy, p + kPitchYOffset, target, kPitchYOffset);
            if (!saved)
                return false;
        }
        return true;
    });
}

bool fMain::CopySetFiles(const QString& target)
{
    ProgramState& s = *state_;
    return Ostrel7::trapped(*s.method, QStringLiteral("CopySetFiles"), [&] {
        const QString workingCopy = QelmCommon::mMODCOMMON::CreateParaTempName(*s.method, Telva27::eUSR);
        const bool withSek = upperExtension(target) == QLatin1String("STG");
        const QString sekTarget =
            withSek ? platform::existingCompanion(s.file->ReplaceExt(target, QStringLiteral("SEK"))) : QString();
        // Both files are measured before either is replaced.
        if (!s.print->CheckFreeSpace(workingCopy, target) ||
            (withSek && !s.print->CheckFreeSpace(sekWorkingCopy(), sekTarget))) {
            mMOD::ShowMessage(kMsgNoSpace, kExclamation);
            return false;
        }
        platform::FileReplacement files;
        files.stage(target, platform::readWholeFile(workingCopy, Telva27::filelimits::kTableFile));
        if (withSek)
            files.stage(sekTarget, platform::readWholeFile(sekWorkingCopy(), Telva27::filelimits::kSekFile));
        files.commit();
        return true;
    });
}

QString fMain::GetSavingFile(const QString& currentPath)
{
    ProgramState& s = *state_;
    return Ostrel7::trapped(*s.method, QStringLiteral("GetSavingFile"), [&]() -> QString {
        const QString extension = upperExtension(currentPath);
        platform::FileDialogRequest request;
        request.title = s.resource->Res(70);
        request.initialFolder = parentFolder(currentPath);
        request.filter = kSettingFilter;
        request.fileName = QFileInfo(currentPath).fileName();
        request.filterIndex = extension == QLatin1String("STG") ? 2 : 1;
        // A name typed without extension gets the current file's kind.
        if (isSettingExtension(currentPath))
            request.defaultSuffix = extension;
        return platform::ui().saveFileName(request);
    });
}

QString fMain::GetSEKFile()
{
    ProgramState& s = *state_;
    return Ostrel7::trapped(*s.method, QStringLiteral("GetSEKFile"), [&] {
        platform::FileDialogRequest request;
        request.title = s.resource->Res(322);
        request.filter = QStringLiteral("sek file (*.sek) |*.sek");
        request.initialFolder = parentFolder(usrFilePath_);
        return platform::ui().openFileName(request);
    });
}

} // namespace QelmSet
