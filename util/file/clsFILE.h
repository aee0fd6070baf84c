#pragma once
// File, folder, path and shell operations of the utility library.
//
// Members in the order of the class's interface. Trapped members report a
// failure through ErrReg under their label and answer their neutral result;
// the others let a platform::RuntimeError reach the caller.
//
// Paths: "/" and "\" are both folder separators in what callers give, and "/"
// is the one produced (see FileNames.h). Linux has no drive letters: the drive
// members answer as on a machine without such a drive ("", False, "Unknown",
// no drive record).

#include "util/file/FileTypes.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <memory>

class QWidget;

namespace Ostrel7 {

class clsMethod;

class clsFILE {
public:
    clsFILE();
    ~clsFILE();
    clsFILE(const clsFILE&) = delete;
    clsFILE& operator=(const clsFILE&) = delete;

    // No properties sheet on Linux: always 0, the shell's failure code.
    int32_t ShowPropertiesDialog(QWidget* hwnd, const QString& sFileName);
    // The folder the user picks, without trailing separator (the root keeps
    // "/"); "" when cancelled. The dialog always shows the whole file system.
    QString OpenFolder(QWidget* hwnd, const QString& sTitle, ENUM_CSIDL pidlRoot, const QString& sInitialPath);
    QString GetDesktopFolder(QWidget* hwnd);
    // The Linux folder of a special folder (StandardFolders.h); "" when there is none.
    QString GetSpecialFolder(QWidget* hwnd, ENUM_CSIDL eFolder);
    // Sets the file's last-access and last-write times to DateToSet as local time.
    bool SetThisFileTime(const QString& sFullFname, double DateToSet);
    // A copy of the source with every byte plus one (EnCode) or minus one
    // (DeCode), modulo 256. The destination is replaced whole.
    bool EnCode(const QString& sSrcFullFname, const QString& sDestFullFname);
    bool DeCode(const QString& sSrcFullFname, const QString& sDestFullFname);
    // Writes a desktop entry (launcher) named sShortCutName; not 0 when written.
    int32_t CreateShortCut(ENUM_SHORTGROUPNAME OnWhere, const QString& sShortCutName, const QString& sProgramName,
                           const QString& sSpecifiedGroupName = QString(), const QString& sArguments = QString());
    // Copies the items of pFrom ("," separated) to pTo (ShellFileOps.h); there
    // is no progress window, so lpszProgresTitle is not shown.
    bool SHFileCopy(QWidget* hwnd, const QString& pFrom, const QString& pTo, const QString& lpszProgresTitle = QString(),
                    bool booOverWrite = true, bool booRenameOnCollision = false);
    // Moves the items of pFrom to the desktop's trash, without a confirmation.
    bool SHFileDelete(QWidget* hwnd, const QString& pFrom);
    // Recreates the folders below sFromFolder below sToFolder (no files).
    bool CloneFolders(const QString& sFromFolder, const QString& sToFolder);
    // Creates every missing folder of the path; the first part is never touched.
    bool CreateAllFolders(const QString& sFolder);
    QString DriveTypeString(const QString& strPath);
    // True when the file system holding strPath has more than lngByte bytes free for us.
    QVariant IsRemainDriveSpace(const QString& strPath, float lngByte);
    QString FirstHDDDrive();
    // The temporary folder with its trailing separator.
    QString TempPath();
    // A new, empty file named after the first three characters of TopPrefix, in
    // this process's private working folder (removed at exit); its full path.
    QString GetTempWinFile(const QString& TopPrefix);
    // True for an existing folder without files or subfolders that are not hidden.
    bool IsDirVacant(const QString& FULLPATH);
    // The number of plain files in the folder that are not hidden; 0 when it is missing.
    int32_t CntFilesInFolder(const QString& TargetPath);
    // An empty first element, then the subfolders (Attributes 0 or 16) or the
    // files whose attributes hold every bit of Attributes (FileListing.h).
    QStringList FilesInFolder(const QString& sTargetFolder, ENUM_FilesInFolder Which, int32_t Attributes = 0);
    // Appends the full paths of every folder below sBaseFolder, depth first,
    // and returns the list. Linked folders are listed but not entered.
    QStringList FoldersInFolder(QStringList& arFolders, const QString& sBaseFolder);
    // The first of FROM, FROM+1, ... MADE (three digits at least) for which no
    // file tPath+FNAME+"."+number exists; "XXX" when all exist.
    QString GetExcludeEXT(const QString& tPath, const QString& FNAME, int16_t FROM, int16_t MADE);
    // True while file number 1 of the library's file table is open.
    bool IsFileAitaMaMa();
    // True when a file can be written where tPath points: in the folder tPath,
    // or beside (and over) the file tPath.
    bool IsWritable(const QString& tPath);
    // True for an existing plain, not hidden file, or a matching pattern.
    bool IsExistFile(const QString& FullFName);
    bool IsExistDot(const QString& tStr);
    // 1 folder with trailing separator, 2 file name, 3 name before its first
    // dot, 4 name after it; anything else "".
    QString GetWhatFromFullPath(int16_t Which, const QString& FULLFILENAME);
    // The eight-plus-three check of a bare file name: 1 good, 2 empty, 3 ends
    // with a dot, 4 starts with a dot, 5 holds a blank, 7 longer than 12, 8 a
    // forbidden character, 9 main part longer than 8, 12 more than one dot.
    int16_t FNameCheck(const QString& FNAME);
    QString ReplaceExt(const QString& FullFName, const QString& DstExt);
    // 1 go ahead, 2 bad file name, 3 folder missing, 4 the user refused to overwrite.
    int16_t FileDirCheck(const QString& tPath, const QString& tName, bool OVBOOL);
    QString YenCheck(ENUM_YENCHECK Which, const QString& spath);
    bool IsExistDir(const QString& tPath);
    bool IsExistIhanMoji(const QString& tStr);
    // The first name HEAD00001.EXT, HEAD00002.EXT, ... that does not exist in APPPATH.
    QString MyFName(const QString& APPPATH, const QString& HEAD, const QString& EXT);
    bool IsDriveReady(const QString& FullFName);
    bool IsFDReady();
    std::shared_ptr<Drive> FDDrive();
    QString WindowsDirectory();
    // The folder of the system's shared libraries.
    QString SystemDirectory();

private:
    clsMethod& method();
    // Codes 1, 7, 8, 9 and 12 of FNameCheck: length, characters and dots.
    int16_t eightPlusThreeCode(const QString& FNAME);
    bool rotateFile(const QString& source, const QString& destination, int delta, const QString& label);
    void appendFolders(QStringList& folders, const QString& base);

    std::unique_ptr<clsMethod> method_;
};

} // namespace Ostrel7
