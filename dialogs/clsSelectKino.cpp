#include "clsSelectKino.h"

#include "LibraryState.h"
#include "fSelCus.h"
#include "fSelStepKino.h"
#include "mMOD.h"

#include "datamodel/common/InOut.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Archive.h"
#include "platform/FileOps.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"
#include "util/property/clsProperty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace Sorvi27 {

namespace {

constexpr int32_t kSettingFileCount = 10;
// Positions of the list files among the setting-file paths.
constexpr int32_t kCusInpFile = 6;
constexpr int32_t kCusOutFile = 7;
constexpr int32_t kStpOutFile = 8;
constexpr int32_t kStpInpFile = 9;

// Catalogue text "Cannot find following file. Cannot load."
constexpr int32_t kResMissingSettingFile = 107;

const QString kCrLf = QStringLiteral("\r\n");

// Removes one extracted file, as a plain deletion. A file that is not there
// is no error; any other failure raises the runtime error of its cause.
void deleteSettingFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        throw platform::RuntimeError(platform::fileops::errorNumberFor(errno, path));
}

WindowPlace readPlace(const Ostrel7::SettingsTable& table, SelectionDialog dialog)
{
    WindowPlace place;
    const settingkeys::PlaceNames& names = settingkeys::kPlaces[dialog];
    place.Height = table.readInt(names.Height);
    place.Left = table.readInt(names.Left);
    place.Top = table.readInt(names.Top);
    place.Width = table.readInt(names.Width);
    return place;
}

// A selection dialog, made on its first use: the four dialogs and their trees
// cost a program's start more than anything else it makes, and most runs
// never show one.
template <typename Dialog>
Dialog& made(std::unique_ptr<Dialog>& dialog)
{
    if (!dialog)
        dialog = std::make_unique<Dialog>();
    return *dialog;
}

// The codes of the entries a list offers.
QSet<int16_t> offeredCodes(const Telva27::colclsCusSelection& list)
{
    QSet<int16_t> codes;
    for (const auto& entry : list)
        if (!entry->Hidden())
            codes.insert(entry->Value());
    return codes;
}

// Offers the entries of those codes and hides every other.
void offerOnly(Telva27::colclsCusSelection& list, const QSet<int16_t>& codes)
{
    for (const auto& entry : list)
        entry->setHidden(!codes.contains(entry->Value()));
}

// Unloads a dialog if it was ever made.
template <typename Dialog>
void unload(const std::unique_ptr<Dialog>& dialog)
{
    if (dialog)
        dialog->Unload();
}

} // namespace

clsSelectKino::clsSelectKino() : state_(LibraryState::acquire())
{
    CreateActiveX();
    SetLibraryFolder();
    if (!ReadRegData())
        mMOD::ShowMessage(2, 1);
}

clsSelectKino::~clsSelectKino() { ReleaseActiveX(); }

Telva27::colclsCusSelection& clsSelectKino::cusinp() { return list(state_->cusinp); }
Telva27::colclsCusSelection& clsSelectKino::cusout() { return list(state_->cusout); }
Telva27::colclsCusSelection& clsSelectKino::stpinp() { return list(state_->stpinp); }
Telva27::colclsCusSelection& clsSelectKino::stpout() { return list(state_->stpout); }

Telva27::colclsCusSelection& clsSelectKino::list(const std::shared_ptr<Telva27::colclsCusSelection>& slot) const
{
    if (!slot)
        throw platform::RuntimeError(platform::errObjectNotSet);
    return *slot;
}

StepFunctionFlags clsSelectKino::StepFlags() { return {offeredCodes(stpout()), offeredCodes(stpinp())}; }

void clsSelectKino::setStepFlags(const StepFunctionFlags& flags)
{
    offerOnly(stpout(), flags.outputs);
    offerOnly(stpinp(), flags.inputs);
}

bool clsSelectKino::DoesAskInEditingMode() const { return state_->AskInEditingMode; }
void clsSelectKino::setDoesAskInEditingMode(bool v) { state_->AskInEditingMode = v; }

void clsSelectKino::CreateActiveX()
{
    // Creation stops at the first object that cannot be made; what exists is
    // kept, and an empty slot raises an error wherever it is used.
    Ostrel7::trapped(state_->reporter(), QStringLiteral("CreateActiveX"), [&] {
        state_->file = std::make_shared<Ostrel7::clsFILE>();
        state_->property = std::make_shared<Ostrel7::clsProperty>();
        state_->method = std::make_shared<Ostrel7::clsMethod>();
        state_->resource = std::make_shared<Resource::clsResource>();
        state_->stpinp = std::make_shared<Telva27::colclsCusSelection>();
        state_->stpout = std::make_shared<Telva27::colclsCusSelection>();
        state_->cusinp = std::make_shared<Telva27::colclsCusSelection>();
        state_->cusout = std::make_shared<Telva27::colclsCusSelection>();
    });
}

void clsSelectKino::SetLibraryFolder()
{
    state_->LibraryFolder = state_->File().YenCheck(Ostrel7::eAddYen, platform::folders::libraryFolder());
    state_->AppName = LibraryState::kAppName;
    BuildSettingFilePaths();
}

void clsSelectKino::BuildSettingFilePaths()
{
    const QDir folder(state_->LibraryFolder);
    paths_ = QStringList{QString()};
    for (int32_t i = 1; i <= kSettingFileCount; ++i)
        paths_.append(folder.filePath(QStringLiteral("Set%1.e").arg(i, 2, 10, QLatin1Char('0'))));
}

bool clsSelectKino::CheckRegData()
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("CheckRegData"),
                            [&] { return state_->settings().writeMissingDefaults(state_->Property()); });
}

bool clsSelectKino::ReadRegData()
{
    // A default that cannot be written or a stored value that does not
    // convert makes the reading incomplete (the caller tells the user once);
    // such a value reads as its default and the reading goes on.
    bool complete = CheckRegData();
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ReadRegData"), [&] {
        const Ostrel7::SettingsTable& table = state_->settings();
        complete = table.everyStoredValueConverts() && complete;
        state_->DoesExpandInOpening = table.readBool(settingkeys::kDoesExpandInOpening);
        state_->ILoveTide = table.readBool(settingkeys::kILoveTide);
        for (int32_t d = 0; d < kSelectionDialogCount; ++d)
            state_->places[static_cast<size_t>(d)] = readPlace(table, static_cast<SelectionDialog>(d));
        return complete;
    });
}

bool clsSelectKino::ReadStepSelection()
{
    if (!DoneMelt())
        return false;
    if (!stpinp().ReadSet6_7_8_9e(paths_[kStpInpFile])) {
        mMOD::ShowMessage(54, 2);
        return false;
    }
    if (!stpout().ReadSet6_7_8_9e(paths_[kStpOutFile])) {
        mMOD::ShowMessage(55, 2);
        return false;
    }
    DeleteSettingFiles();
    return true;
}

bool clsSelectKino::ReadCustomSelection()
{
    if (!cusinp().ReadSet6_7_8_9e(paths_[kCusInpFile])) {
        mMOD::ShowMessage(21, 1);
        return false;
    }
    if (!cusout().ReadSet6_7_8_9e(paths_[kCusOutFile])) {
        mMOD::ShowMessage(22, 1);
        return false;
    }
    return true;
}

bool clsSelectKino::DeleteSettingFiles()
{
    if (state_->ILoveTide)
        for (int32_t i = 1; i <= kSettingFileCount; ++i)
            deleteSettingFile(paths_[i]);
    return true;
}

bool clsSelectKino::DoneMelt() { return MeltSettingFiles() && ExistAllSettingFiles(); }

bool clsSelectKino::MeltSettingFiles()
{
    // The archive is checked whole before anything is written, and a missing
    // or damaged one is reported here: no caller goes on with stale files.
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("MeltSettingFiles"), [&] {
        if (!DeleteSettingFiles())
            return false;
        const QString archive = QDir(platform::folders::programFolder()).filePath(QStringLiteral("QEL.e"));
        platform::archive::extractSettingFiles(archive, state_->LibraryFolder);
        return true;
    });
}

bool clsSelectKino::ExistAllSettingFiles()
{
    for (int32_t i = 1; i <= kSettingFileCount; ++i) {
        if (QFileInfo(paths_[i]).isFile())
            continue;
        // Only the first missing file is named.
        const QString text = state_->Catalogue().Res(kResMissingSettingFile) + kCrLf + kCrLf + paths_[i];
        platform::ui().messageBox(text, platform::vbCritical | platform::vbOKOnly, mMOD::LibraryTitle());
        return false;
    }
    return true;
}

void clsSelectKino::ReleaseActiveX()
{
    state_->file.reset();
    state_->property.reset();
    state_->method.reset();
    state_->resource.reset();
    state_->stpinp.reset();
    state_->stpout.reset();
    state_->cusinp.reset();
    state_->cusout.reset();
    cusInDialog_.reset();
    cusOutDialog_.reset();
    stepInDialog_.reset();
    stepOutDialog_.reset();
}

void clsSelectKino::LoadCustomForms()
{
    Ostrel7::trapped(state_->reporter(), QStringLiteral("LoadCustomForms"), [&] {
        fSelCus& input = made(cusInDialog_);
        input.setIn_or_Out(1);
        input.setColSel(state_->cusinp);
        input.Load();
        fSelCus& output = made(cusOutDialog_);
        output.setIn_or_Out(2);
        output.setColSel(state_->cusout);
        output.Load();
    });
}

void clsSelectKino::UnloadCustomForms()
{
    Ostrel7::trapped(state_->reporter(), QStringLiteral("UnloadCustomForms"), [&] {
        unload(cusInDialog_);
        unload(cusOutDialog_);
    });
}

uint8_t clsSelectKino::GetCustomValue(int32_t eINOUT, uint8_t bytOrg)
{
    return Ostrel7::trapped(
        state_->reporter(), QStringLiteral("GetCustomValue"),
        [&] {
            if (eINOUT != Telva27::eINPUT && eINOUT != Telva27::eOUTPUT)
                return bytOrg;
            fSelCus& dialog = made(eINOUT == Telva27::eINPUT ? cusInDialog_ : cusOutDialog_);
            dialog.setOrgValue(bytOrg);
            // The dialog has no owner window; shown without a load it loads itself.
            dialog.Load();
            platform::ui().runDialog(dialog);
            return dialog.retValue();
        },
        bytOrg);
}

void clsSelectKino::LoadStepForms()
{
    // Only a dialog already made is loaded here; the others are made and
    // loaded with the lists of the moment when first asked for. Building both
    // trees at every read cost the editor's start and each table switch,
    // while most sessions choose a function by typing its name.
    Ostrel7::trapped(state_->reporter(), QStringLiteral("LoadStepForms"), [&] {
        for (int32_t inOrOut : {Telva27::eOUTPUT, Telva27::eINPUT}) {
            if (const std::unique_ptr<fSelStepKino>& dialog = stepSlot(inOrOut)) {
                configure(*dialog, inOrOut);
                dialog->Load();
            }
        }
    });
}

void clsSelectKino::UnLoadStepForms()
{
    Ostrel7::trapped(state_->reporter(), QStringLiteral("UnLoadStepForms"), [&] {
        unload(stepOutDialog_);
        unload(stepInDialog_);
    });
}

int16_t clsSelectKino::GetKinoValue(int32_t eINOUT, int16_t intOrg, int32_t /*Col*/, bool /*IsLastColGroup*/)
{
    return Ostrel7::trapped(
        state_->reporter(), QStringLiteral("GetKinoValue"),
        [&] {
            const int32_t inOrOut = eINOUT == Telva27::eOUTPUT ? Telva27::eOUTPUT : Telva27::eINPUT;
            std::unique_ptr<fSelStepKino>& slot = stepSlot(inOrOut);
            if (!slot)
                configure(made(slot), inOrOut);
            fSelStepKino& dialog = *slot;
            // A dialog asked before it was loaded loads itself first.
            dialog.Load();
            dialog.setOrgValue(intOrg);
            dialog.ClearStepTagVariant();
            dialog.setChangeTodEditMode(dialog.DoesChangeEditMode());
            dialog.Form_Load();
            platform::ui().runDialog(dialog);
            return dialog.retValue();
        },
        intOrg);
}

std::unique_ptr<fSelStepKino>& clsSelectKino::stepSlot(int32_t inOrOut)
{
    return inOrOut == Telva27::eOUTPUT ? stepOutDialog_ : stepInDialog_;
}

void clsSelectKino::configure(fSelStepKino& dialog, int32_t inOrOut)
{
    dialog.setIn_or_Out(inOrOut);
    dialog.setColSel(inOrOut == Telva27::eOUTPUT ? state_->stpout : state_->stpinp);
}

} // namespace Sorvi27
