#include "clsFILE.h"

#include "util/file/DesktopEntry.h"
#include "util/file/FileListing.h"
#include "util/file/FileNames.h"
#include "util/file/FileNumber.h"
#include "util/file/FileTimes.h"
#include "util/file/ShellFileOps.h"
#include "util/file/StandardFolders.h"
#include "util/file/WholeFileLimit.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/need/xNEED.h"
#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "platform/Trim.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <dlfcn.h>
#include <initializer_list>

namespace Ostrel7 {

namespace fn = filenames;
using platform::RuntimeError;

namespace {

QString japaneseOrEnglish(const char* japanese, const char* english)
{
    return xNEED::IsJapan() ? QString::fromUtf8(japanese) : QString::fromUtf8(english);
}

void warnInput(const char* japanese, const char* english)
{
    platform::ui().messageBox(japaneseOrEnglish(japanese, english), platform::vbExclamation | platform::vbOKOnly,
                              japaneseOrEnglish("入力エラー", "ERROR"));
}

bool askOverwrite()
{
    return platform::ui().messageBox(japaneseOrEnglish("上書きしますか？", "Do you overwrite?"),
                                     platform::vbQuestion | platform::vbYesNo,
                                     japaneseOrEnglish("確認", "MESSAGE")) == platform::vbYes;
}

// The error of a folder that could not be made.
[[noreturn]] void throwFolderFailure(const QString& native)
{
    const QFileInfo parent(QFileInfo(native).absolutePath());
    if (!parent.isDir())
        throw RuntimeError(platform::errPathNotFound);
    if (!(parent.permissions() & QFileDevice::WriteOwner))
        throw RuntimeError(platform::errPermissionDenied);
    throw RuntimeError(platform::errPathFileAccess);
}

// Creates one folder level unless it is there.
void ensureFolder(const QString& path)
{
    const QString native = fn::nativePath(path);
    if (!QFileInfo(native).isDir() && !QDir().mkdir(native))
        throwFolderFailure(native);
}

bool isTaken(const QString& path)
{
    const QFileInfo entry = fn::entryOf(path);
    return entry.exists() || entry.isSymLink();
}

// The whole content of a regular file, read under a file number. A pipe, a
// device or a folder is refused before it is opened, a file too large to hold
// before it is read.
QByteArray readWhole(const QString& path)
{
    FileNumber number;
    return platform::readWholeFile(fn::nativePath(path), kWholeFileLimit);
}

// The folder where IsWritable places its test file.
QString probeFolder(const QString& tPath)
{
    const QFileInfo entry(fn::nativePath(tPath));
    if (fn::endsWithSeparator(tPath) || entry.isDir())
        return entry.filePath();
    return entry.absolutePath();
}

// Writes the two bytes 01 00 to a new file and deletes it again.
void writeProbe(const QString& path)
{
    FileNumber number;
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw RuntimeError(probe.error() == QFileDevice::PermissionsError ? platform::errPermissionDenied
                                                                           : platform::errPathFileAccess);
    const bool written = probe.write("\x01\x00", 2) == 2 && probe.flush();
    probe.close();
    probe.remove();
    if (!written)
        throw RuntimeError(platform::errDiskFull);
}

// The nearest folder at or above the path that exists.
QString existingAncestor(const QString& native)
{
    QString path = QFileInfo(native).absoluteFilePath();
    while (!QFileInfo::exists(path) && !QDir(path).isRoot())
        path = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

clsFILE::clsFILE() = default;
clsFILE::~clsFILE() = default;

clsMethod& clsFILE::method()
{
    if (!method_)
        method_ = std::make_unique<clsMethod>();
    return *method_;
}

// ---- shell ------------------------------------------------------------------

int32_t clsFILE::ShowPropertiesDialog(QWidget* /*hwnd*/, const QString& /*sFileName*/) { return 0; }

QString clsFILE::OpenFolder(QWidget* /*hwnd*/, const QString& sTitle, ENUM_CSIDL /*pidlRoot*/,
                            const QString& sInitialPath)
{
    const QString start = fn::isDrivePath(sInitialPath) ? QString() : fn::nativePath(sInitialPath);
    const QString chosen = platform::ui().folderName(sTitle, start);
    if (chosen.size() > 1 && fn::endsWithSeparator(chosen))
        return fn::removeTrailingSeparator(chosen);
    return chosen;
}

QString clsFILE::GetDesktopFolder(QWidget* hwnd) { return GetSpecialFolder(hwnd, eCSIDL_DESKTOPDIRECTORY); }

QString clsFILE::GetSpecialFolder(QWidget* /*hwnd*/, ENUM_CSIDL eFolder) { return specialfolders::path(eFolder); }

bool clsFILE::SetThisFileTime(const QString& sFullFname, double DateToSet)
{
    return trapped(method(), QStringLiteral("SetThisFileTime"), [&] {
        if (!fn::entryOf(sFullFname).isFile())
            return false;
        // A date that can't be turned into a file time fails quietly, like the open.
        QDateTime moment;
        try {
            moment = filetimes::localMoment(DateToSet);
        } catch (const RuntimeError&) {
            return false;
        }
        return filetimes::setTimes(fn::nativePath(sFullFname), moment);
    });
}

bool clsFILE::EnCode(const QString& sSrcFullFname, const QString& sDestFullFname)
{
    return rotateFile(sSrcFullFname, sDestFullFname, +1, QStringLiteral("EnCode"));
}

bool clsFILE::DeCode(const QString& sSrcFullFname, const QString& sDestFullFname)
{
    return rotateFile(sSrcFullFname, sDestFullFname, -1, QStringLiteral("DeCode"));
}

bool clsFILE::rotateFile(const QString& source, const QString& destination, int delta, const QString& label)
{
    return trapped(method(), label, [&] {
        // The source is read whole before the destination is opened, so both may
        // name the same file.
        QByteArray content = readWhole(source);
        if (content.isEmpty())
            throw RuntimeError(platform::errSubscript); // no buffer of length 0
        for (char& byte : content)
            byte = static_cast<char>(static_cast<uint8_t>(byte) + delta);
        // Replaced whole: the destination is exactly the rotated source (no
        // stale tail of a longer old file), and a failure leaves it as it was.
        FileNumber number;
        platform::replaceFile(fn::nativePath(destination), content);
        return true;
    });
}

int32_t clsFILE::CreateShortCut(ENUM_SHORTGROUPNAME OnWhere, const QString& sShortCutName,
                                const QString& sProgramName, const QString& sSpecifiedGroupName,
                                const QString& sArguments)
{
    return trapped(method(), QStringLiteral("CreateShortCut"), [&]() -> int32_t {
        const QString programs = specialfolders::path(eCSIDL_PROGRAMS);
        QString folder;
        switch (OnWhere) {
        case eSHORTCUT_ON_DESKTOP: folder = specialfolders::path(eCSIDL_DESKTOPDIRECTORY); break;
        case eSHORTCUT_ON_START: folder = specialfolders::path(eCSIDL_STARTMENU); break;
        case eSHORTCUT_ON_PROGRAM: folder = programs; break;
        case eSHORTCUT_SPECIFY:
            if (sSpecifiedGroupName.isEmpty()) {
                platform::ui().messageBox(QStringLiteral("You must specif sSpecifiedShortCutPlace !"),
                                          platform::vbOKOnly, xNEED::applicationTitle());
                return 0;
            }
            // A group is a folder below the programs menu, or a folder of its own.
            folder = QDir(programs).filePath(fn::nativePath(sSpecifiedGroupName));
            break;
        default: folder = programs;
        }
        // The name becomes a file name of that folder, never a path.
        if (sShortCutName.isEmpty() || fn::lastSeparator(sShortCutName) >= 0)
            throw RuntimeError(platform::errBadFileNameOrNumber);
        if (!QDir().mkpath(folder))
            throwFolderFailure(folder);
        const QString file = QDir(folder).filePath(sShortCutName + QStringLiteral(".desktop"));
        platform::replaceFile(file, desktopentry::launcher(sShortCutName, sProgramName, sArguments).toUtf8());
        // Desktops start only launchers that are marked executable.
        QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return 1;
    });
}

// ---- files, folders, drives ---------------------------------------------------

bool clsFILE::SHFileCopy(QWidget* /*hwnd*/, const QString& pFrom, const QString& pTo,
                         const QString& /*lpszProgresTitle*/, bool booOverWrite, bool booRenameOnCollision)
{
    return shellops::copyItems(shellops::pathList(pFrom), pTo, booOverWrite, booRenameOnCollision);
}

bool clsFILE::SHFileDelete(QWidget* /*hwnd*/, const QString& pFrom)
{
    return trapped(method(), QStringLiteral("SHFileDelete"),
                   [&] { return shellops::deleteItems(shellops::pathList(pFrom)); });
}

bool clsFILE::CloneFolders(const QString& sFromFolder, const QString& sToFolder)
{
    return trapped(method(), QStringLiteral("CloneFolders"), [&] {
        if (!fn::entryOf(sFromFolder).isDir())
            return false;
        const QString from = fn::addTrailingSeparator(sFromFolder);
        const QString to = fn::addTrailingSeparator(sToFolder);
        QStringList folders{from};
        FoldersInFolder(folders, from);
        // Parents come before their children, so one level at a time suffices.
        for (const QString& folder : folders)
            ensureFolder(to + folder.mid(from.size()));
        return true;
    });
}

bool clsFILE::CreateAllFolders(const QString& sFolder)
{
    return trapped(method(), QStringLiteral("CreateAllFolders"), [&] {
        const QStringList parts = sFolder.split(QRegularExpression(QStringLiteral("[/\\\\]")));
        // The first part is the drive (or, for an absolute Linux path, the empty
        // text before the root): it is never tested or created.
        QString path = parts.front();
        for (qsizetype i = 1; i < parts.size(); ++i) {
            path = i == 1 ? path + QChar(fn::kSeparator) + parts[i] : fn::buildPath(path, parts[i]);
            ensureFolder(path);
        }
        return true;
    });
}

QString clsFILE::DriveTypeString(const QString& /*strPath*/)
{
    // No drive letters on Linux: no drive ever matches.
    return QStringLiteral("Unknown");
}

QVariant clsFILE::IsRemainDriveSpace(const QString& strPath, float lngByte)
{
    return trapped(method(), QStringLiteral(" IsRemainDriveSpace"), [&] {
        if (strPath.isEmpty() || fn::isDrivePath(strPath))
            return QVariant(false);
        const QStorageInfo storage(existingAncestor(fn::nativePath(strPath)));
        if (!storage.isValid())
            return QVariant(false);
        if (!storage.isReady())
            throw RuntimeError(platform::errDiskNotReady);
        return QVariant(static_cast<double>(storage.bytesAvailable()) > static_cast<double>(lngByte));
    }, QVariant(false));
}

QString clsFILE::FirstHDDDrive() { return {}; }

QString clsFILE::TempPath() { return fn::addTrailingSeparator(QDir::tempPath()); }

QString clsFILE::GetTempWinFile(const QString& TopPrefix)
{
    return trapped(method(), QStringLiteral("GetTempWinFile"), [&] {
        const QString prefix = TopPrefix.left(3);
        if (fn::hasForbiddenChar(prefix) || prefix.contains(QChar(0)))
            throw RuntimeError(platform::errBadFileNameOrNumber);
        // A private folder of this process, never a fixed name in the shared
        // temporary folder; the file is created exclusively.
        QTemporaryFile file(QDir(platform::folders::workingFolder()).filePath(prefix + QStringLiteral("XXXXXX.tmp")));
        file.setAutoRemove(false);
        if (!file.open())
            throw RuntimeError(platform::errPathFileAccess);
        return file.fileName();
    });
}

bool clsFILE::IsDirVacant(const QString& FULLPATH)
{
    const QFileInfo folder = fn::entryOf(FULLPATH);
    return folder.isDir() && listing::holdsNothingVisible(folder.filePath());
}

int32_t clsFILE::CntFilesInFolder(const QString& TargetPath)
{
    const QFileInfo folder = fn::entryOf(TargetPath);
    return folder.isDir() ? listing::countOrdinaryFiles(folder.filePath()) : 0;
}

QStringList clsFILE::FilesInFolder(const QString& sTargetFolder, ENUM_FilesInFolder Which, int32_t Attributes)
{
    const QStringList none{QString()};
    return trapped(method(), QStringLiteral("FilesInFolder"), [&] {
        QStringList names = none;
        const QFileInfo folder = fn::entryOf(sTargetFolder);
        if (!folder.isDir())
            return names;
        const bool foldersOnly = (Attributes & ~faDirectory) == 0;
        const QFileInfoList entries =
            foldersOnly ? listing::subfolders(folder.filePath()) : listing::files(folder.filePath());
        for (const QFileInfo& entry : entries) {
            if ((listing::attributesOf(entry) & Attributes) != Attributes)
                continue;
            if (Which == eOnlyFileName)
                names << entry.fileName();
            else if (Which == eFullFname)
                names << fn::buildPath(sTargetFolder, entry.fileName());
            else
                names << QString();
        }
        return names;
    }, none);
}

QStringList clsFILE::FoldersInFolder(QStringList& arFolders, const QString& sBaseFolder)
{
    return trapped(method(), QStringLiteral("FoldersInFolder"), [&] {
        appendFolders(arFolders, sBaseFolder);
        return arFolders;
    });
}

void clsFILE::appendFolders(QStringList& folders, const QString& base)
{
    const QFileInfo folder = fn::entryOf(base);
    if (!folder.isDir())
        return;
    for (const QFileInfo& sub : listing::subfolders(folder.filePath())) {
        const QString path = fn::buildPath(base, sub.fileName());
        folders << path;
        // A linked folder may lead back up the tree: listed, not entered.
        if (!sub.isSymLink())
            appendFolders(folders, path);
    }
}

// ---- names --------------------------------------------------------------------

QString clsFILE::GetExcludeEXT(const QString& tPath, const QString& FNAME, int16_t FROM, int16_t MADE)
{
    int32_t value = FROM;
    do {
        const QString candidate = fn::threeDigits(value);
        if (!IsExistFile(tPath + FNAME + QLatin1Char('.') + candidate))
            return candidate;
        ++value;
    } while (value <= MADE);
    return QStringLiteral("XXX");
}

bool clsFILE::IsFileAitaMaMa() { return FileNumber::inUse(1); }

bool clsFILE::IsWritable(const QString& tPath)
{
    using namespace platform;
    return trappedQuietFor(method(), QStringLiteral("IsWritable"),
                           {errDeviceUnavailable, errPermissionDenied, errDiskNotReady}, [&] {
        // The folder plays the part of the drive: a missing one is a drive that
        // isn't there. A file or folder without its owner's write bit is
        // write-protected for every user, root included.
        const QString folder = probeFolder(tPath);
        if (!QFileInfo(folder).isDir())
            throw RuntimeError(errDeviceUnavailable);
        const QFileInfo target(fn::nativePath(tPath));
        if (target.isFile() && !(target.permissions() & QFileDevice::WriteOwner))
            throw RuntimeError(errPermissionDenied);
        if (!(QFileInfo(folder).permissions() & QFileDevice::WriteOwner))
            throw RuntimeError(errPermissionDenied);
        const QString name = MyFName(fn::addTrailingSeparator(folder), QStringLiteral("tmp"), QStringLiteral("000"));
        if (name.isEmpty())
            return false; // already reported
        writeProbe(fn::buildPath(folder, name));
        return true;
    });
}

bool clsFILE::IsExistFile(const QString& FullFName)
{
    using namespace platform;
    return trappedQuietFor(method(), QStringLiteral("IsExistFile"),
                           {errBadFileNameOrNumber, errDeviceUnavailable, errDiskNotReady, errPathNotFound}, [&] {
        if (FullFName.isEmpty())
            return false;
        return listing::ordinaryFileExists(fn::nativePath(FullFName));
    });
}

bool clsFILE::IsExistDot(const QString& tStr)
{
    return trapped(method(), QStringLiteral("IsExistDot"), [&] { return tStr.contains(u'.'); });
}

QString clsFILE::GetWhatFromFullPath(int16_t Which, const QString& FULLFILENAME)
{
    const qsizetype folderLength = fn::lastSeparator(FULLFILENAME) + 1;
    const QString fileName = FULLFILENAME.mid(folderLength);
    QString main;
    QString extension;
    method().SeparateFNAME(fileName, main, extension);
    switch (Which) {
    case 1: return FULLFILENAME.left(folderLength);
    case 2: return fileName;
    case 3: return main;
    case 4: return extension;
    default: return {};
    }
}

int16_t clsFILE::FNameCheck(const QString& FNAME)
{
    int16_t code = 1;
    trapped(method(), QStringLiteral("FNameCheck"), [&] {
        if (platform::Trim(FNAME).isEmpty())
            code = 2;
        else if (FNAME.endsWith(u'.'))
            code = 3;
        else if (FNAME.startsWith(u'.'))
            code = 4;
        else if (FNAME.contains(u' '))
            code = 5;
        else
            code = eightPlusThreeCode(FNAME);
    });
    return code;
}

int16_t clsFILE::eightPlusThreeCode(const QString& FNAME)
{
    QString main;
    QString extension;
    method().SeparateFNAME(FNAME, main, extension);
    // Later findings replace earlier ones, except that a forbidden character
    // ends the check.
    int16_t code = 1;
    if (FNAME.size() > 12)
        code = 7;
    if (fn::hasForbiddenChar(FNAME))
        return 8;
    if (main.size() > 8)
        code = 9;
    if (extension.contains(u'.'))
        code = 12;
    return code;
}

QString clsFILE::ReplaceExt(const QString& FullFName, const QString& DstExt)
{
    return trapped(method(), QStringLiteral(" ReplaceExt"), [&] { return fn::replaceExt(FullFName, DstExt); });
}

int16_t clsFILE::FileDirCheck(const QString& tPath, const QString& tName, bool OVBOOL)
{
    int16_t result = 1;
    trapped(method(), QStringLiteral("FileDirCheck"), [&] {
        if (FNameCheck(tName) != 1) {
            warnInput("ファイル名が正しくありません！", "File name is not correct!");
            result = 2;
        } else if (!IsExistDir(tPath)) {
            warnInput("指定されたディレクトリは見つかりません！", "Directory is not correct!");
            result = 3;
        } else if (OVBOOL && fn::entryOf(fn::buildPath(tPath, tName)).isFile() && !askOverwrite()) {
            result = 4;
        }
        // An agreed overwrite leaves the old file in place: the writer replaces
        // it whole, so a failed write can't lose it.
    });
    return result;
}

QString clsFILE::YenCheck(ENUM_YENCHECK Which, const QString& spath)
{
    return trapped(method(), QStringLiteral("YenCheck"), [&]() -> QString {
        switch (Which) {
        case eAddYen: return fn::addTrailingSeparator(spath);
        case eRemoveYen: return fn::removeTrailingSeparator(spath);
        default: return {};
        }
    });
}

bool clsFILE::IsExistDir(const QString& tPath)
{
    using namespace platform;
    return trappedQuietFor(method(), QStringLiteral("IsExistDir"), {errDeviceUnavailable, errDiskNotReady}, [&] {
        if (tPath.isEmpty())
            return false;
        QString path = fn::removeTrailingSeparator(tPath);
        if (path.size() == 2 && fn::isDrivePath(path))
            return IsDriveReady(path);
        if (path.isEmpty())
            path = QChar(fn::kSeparator); // the root itself
        // Only a folder counts: a file of that name is no place to write into.
        return QFileInfo(fn::nativePath(path)).isDir();
    });
}

bool clsFILE::IsExistIhanMoji(const QString& tStr) { return fn::hasForbiddenChar(tStr); }

QString clsFILE::MyFName(const QString& APPPATH, const QString& HEAD, const QString& EXT)
{
    return trapped(method(), QStringLiteral("MyFName"), [&] {
        for (int32_t i = 1; i <= 32767; ++i) {
            const QString candidate = fn::numberedName(HEAD, i, EXT);
            if (!isTaken(APPPATH + candidate))
                return candidate;
        }
        throw RuntimeError(platform::errOverflow);
    });
}

// ---- drives and system folders ------------------------------------------------

bool clsFILE::IsDriveReady(const QString& /*FullFName*/)
{
    // No drive letters on Linux: no drive is ever ready.
    return false;
}

bool clsFILE::IsFDReady()
{
    // There is never a removable drive with a letter, so nothing to wait for.
    return false;
}

std::shared_ptr<Drive> clsFILE::FDDrive() { return nullptr; }

QString clsFILE::WindowsDirectory() { return {}; }

QString clsFILE::SystemDirectory()
{
    // Where the C library was loaded from: the folder of the system's shared
    // libraries on this machine (multiarch included).
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&::fopen), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).canonicalPath();
}

} // namespace Ostrel7
