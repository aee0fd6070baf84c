// fMain: reading the setting tables at start, and opening STD and USR table
// files into the data model through private working copies.

#include "fMain.h"

#include "ModelSnapshot.h"
#include "ProgramState.h"
#include "SettingFiles.h"
#include "mMOD.h"

#include "common/mMODCOMMON.h"
#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "platform/CompanionFile.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace QelmSet {

namespace {

namespace common = QelmCommon::mMODCOMMON;
using namespace settingfiles;

// An error of `number` whose text names the file it concerns.
platform::RuntimeError fileError(int32_t number, const QString& path)
{
    return platform::RuntimeError(number, platform::RuntimeError::standardText(number) + QStringLiteral(": ") + path);
}

} // namespace

bool fMain::ReadSettingTables()
{
    ProgramState& s = *state_;
    if (!s.selectKino->DoneMelt())
        return false;
    struct Reader {
        const char* file;
        std::function<bool()> read;
    };
    const Reader readers[] = {
        {"Set01.e", [&] { return s.functions->ReadSet01e(); }},
        {"Set02.e", [&] { return s.functions->ReadSet02e(); }},
        {"Set03.e", [&] { return s.functions->ReadSet03e(); }},
        {"Set10.e", [&] { return s.functions->ReadSet10e(); }},
        {"Set04.e", [&] { return s.customUsr->ReadSet04e(); }},
        {"Set05.e", [&] { return s.customUsr->ReadSet05e(); }},
        {"Set04.e", [&] { return s.customStd->ReadSet04e(); }},
        {"Set05.e", [&] { return s.customStd->ReadSet05e(); }},
    };
    for (const Reader& reader : readers) {
        if (!reader.read()) {
            mMOD::ShowMessage(18, 1, QString::fromLatin1(reader.file));
            return false;
        }
    }
    return s.selectKino->ReadCustomSelection() && s.selectKino->DeleteSettingFiles();
}

void fMain::ReadQELMData(int32_t kind, const QString& path)
{
    Ostrel7::trapped(*state_->method, QStringLiteral("ReadQELMData"), [&] {
        const QString file = path.isEmpty() ? GetSettingFile(kind) : path;
        if (file.isEmpty())
            return;
        const int32_t position = GetStartingLocationReading(fileTypeOf(file), kind);

        // An eight-table USR file needs its SEK companion; a one-table file has none.
        QString sekPath;
        if (kind == Telva27::eUSR && upperExtension(file) == QLatin1String("STG")) {
            sekPath = MakeSekfile(file);
            if (sekPath.isEmpty()) {
                mMOD::ShowMessage(41, 2);
                return;
            }
        }
        if (position == -1) {
            EnableToolButtons();
            return;
        }
        if (ReadModelData(kind, file, position, sekPath)) {
            (kind == Telva27::eSTD ? stdFilePath_ : usrFilePath_) = file;
            // An overwrite goes back into the table the data came from.
            if (kind == Telva27::eUSR && fileTypeOf(file) == 1)
                usrTableIndex_ = (position - 1) / kEtbFileSize;
            SetCaption();
        } else {
            mMOD::ShowMessage(4, 2);
        }
        EnableToolButtons();
    });
}

QString fMain::GetSettingFile(int32_t kind)
{
    ProgramState& s = *state_;
    return Ostrel7::trapped(*s.method, QStringLiteral("GetSettingFile"), [&]() -> QString {
        const bool usr = kind == Telva27::eUSR;
        const QString& loaded = usr ? usrFilePath_ : stdFilePath_;
        platform::FileDialogRequest request;
        request.title = s.resource->Res(usr ? 68 : 67);
        request.filter = kSettingFilter;
        request.filterIndex = usr ? s.PrevUsr_ExtFilterIndex : s.PrevStd_ExtFilterIndex;
        request.initialFolder = loaded.isEmpty() ? s.StdReadingPath : parentFolder(loaded);
        const QString chosen = platform::ui().openFileName(request);
        if (chosen.isEmpty() || !ExactFile(chosen))
            return {};
        (usr ? s.PrevUsr_ExtFilterIndex : s.PrevStd_ExtFilterIndex) = fileTypeOf(chosen) == 0 ? 1 : 2;
        mMOD::SaveRegSettings(s);
        return chosen;
    });
}

bool fMain::ExactFile(const QString& path)
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("ExactFile"), [&] {
        if (path.isEmpty())
            return false;
        // Files come from other systems in either letter case.
        const QString extension = upperExtension(path);
        if (extension != QLatin1String("ETB") && extension != QLatin1String("STG")) {
            mMOD::ShowMessage(8, 2);
            return false;
        }
        const QFileInfo info(path);
        if (!info.isFile())
            throw fileError(platform::errFileNotFound, path);
        const bool etb = extension == QLatin1String("ETB");
        if (info.size() != (etb ? state_->EtbFileSize : state_->StgFileSize)) {
            mMOD::ShowMessage(etb ? 9 : 10, 2);
            return false;
        }
        return true;
    });
}

int32_t fMain::GetStartingLocationReading(int32_t fileType, int32_t kind)
{
    return Ostrel7::trapped(
        *state_->method, QStringLiteral("GetStartingLocationReading"),
        [&]() -> int32_t {
            switch (fileType) {
            case 0: return 1;
            case 1: return state_->selectTable->SelectStartingLocation(true, kind);
            default: return 0;
            }
        },
        -1);
}

QString fMain::MakeSekfile(const QString& path)
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("MakeSekfile"), [&]() -> QString {
        const QString wanted = state_->file->ReplaceExt(path, QStringLiteral("SEK"));
        const QString sek = platform::existingCompanion(wanted);
        if (!QFileInfo(sek).isFile()) {
            mMOD::ShowMessage(40, 2, wanted);
            return {};
        }
        return sek;
    });
}

bool fMain::ReadModelData(int32_t kind, const QString& file, int32_t position, const QString& sekPath)
{
    ProgramState& s = *state_;
    const bool usr = kind == Telva27::eUSR;
    Telva27::colclsOkuri& pitchX = *s.okuri[usr ? eOkuriUsrX : eOkuriStdX];
    Telva27::colclsOkuri& pitchY = *s.okuri[usr ? eOkuriUsrY : eOkuriStdY];

    const QString working = common::CopyFromFDToHD(*s.method, false, kind, file);
    if (working.isEmpty())
        return false;
    // The table must lie whole in the file before anything of it is taken.
    if (int64_t{position} - 1 + kEtbFileSize > QFileInfo(working).size())
        throw fileError(platform::errInputPastEnd, file);

    // A reading that fails part-way puts the earlier table back.
    ModelSnapshot earlier(kind, *s.functions, customOf(kind), pitchX, pitchY);
    const QString table = common::CreateParaTempName(*s.method, kind);
    const bool read = s.functions->ReadData(static_cast<Telva27::ENUM_USRSTD>(kind), working, position, sekPath) &&
                      customOf(kind).ReadData(table, position) && pitchX.ReadData(table, position + 512) &&
                      pitchY.ReadData(table, position + 640);
    if (!read)
        earlier.restore();
    return read;
}

void fMain::DispFileInfo(const QString& path)
{
    ProgramState& s = *state_;
    Ostrel7::trapped(*s.method, QStringLiteral("DispFileInfo"), [&] {
        const QFileInfo info(path);
        if (!info.exists())
            throw fileError(platform::errFileNotFound, path);
        const QString updated = QLocale::system().toString(info.lastModified(), QLocale::ShortFormat);
        const QString text = s.resource->Res(366) + QLatin1Char(' ') + path + QStringLiteral("\r\n\r\n") +
                             s.resource->Res(367) + QLatin1Char(' ') + updated;
        platform::ui().messageBox(text, platform::vbInformation | platform::vbOKOnly, mMOD::ProgramName());
    });
}

void fMain::DeleteTempFiles()
{
    ProgramState& s = *state_;
    Ostrel7::trapped(*s.method, QStringLiteral("DeleteTempFiles"), [&] {
        const QString files[] = {common::CreateParaTempName(*s.method, Telva27::eUSR),
                                 common::CreateParaTempName(*s.method, Telva27::eSTD), sekWorkingCopy()};
        for (const QString& path : files) {
            if (path.isEmpty() || !QFileInfo::exists(path))
                continue;
            if (!QFile::remove(path))
                throw fileError(platform::errPathFileAccess, path);
        }
    });
}

} // namespace QelmSet
