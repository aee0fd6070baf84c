#pragma once
// The enumerations of clsFILE (values fixed: callers store and pass the numbers)
// and the drive record that FDDrive hands out.

#include <QString>
#include <cstdint>

namespace Ostrel7 {

// Whether YenCheck adds or removes the trailing folder separator.
enum ENUM_YENCHECK : int32_t {
    eAddYen = 0,
    eRemoveYen = 1,
};

// What FilesInFolder puts into its list: the bare name or the full path.
enum ENUM_FilesInFolder : int32_t {
    eOnlyFileName = 0,
    eFullFname = 1,
};

// Where CreateShortCut puts a shortcut.
enum ENUM_SHORTGROUPNAME : int32_t {
    eSHORTCUT_ON_DESKTOP = 0,
    eSHORTCUT_ON_START = 1,
    eSHORTCUT_ON_PROGRAM = 2,
    eSHORTCUT_SPECIFY = 3,
};

// Special folders, numbered as the shell numbers them.
enum ENUM_CSIDL : int32_t {
    eCSIDL_ALTSTARTUP = 29,
    eCSIDL_APPDATA = 26,
    eCSIDL_BITBUCKET = 10,
    eCSIDL_COMMON_ALTSTARTUP = 30,
    eCSIDL_COMMON_DESKTOPDIRECTORY = 25,
    eCSIDL_COMMON_FAVORITES = 31,
    eCSIDL_COMMON_PROGRAMS = 23,
    eCSIDL_COMMON_STARTMENU = 22,
    eCSIDL_COMMON_STARTUP = 24,
    eCSIDL_CONTROLS = 3,
    eCSIDL_COOKIES = 33,
    eCSIDL_DESKTOP = 0,
    eCSIDL_DESKTOPDIRECTORY = 16,
    eCSIDL_DRIVES = 17,
    eCSIDL_FAVORITES = 6,
    eCSIDL_FONTS = 20,
    eCSIDL_HISTORY = 34,
    eCSIDL_INTERNET = 1,
    eCSIDL_INTERNET_CACHE = 32,
    eCSIDL_NETHOOD = 19,
    eCSIDL_NETWORK = 18,
    eCSIDL_PERSONAL = 5,
    eCSIDL_PRINTERS = 4,
    eCSIDL_PRINTHOOD = 27,
    eCSIDL_PROGRAMS = 2,
    eCSIDL_PROGRAM_FILES = 38,
    eCSIDL_RECENT = 8,
    eCSIDL_SENDTO = 9,
    eCSIDL_STARTMENU = 11,
    eCSIDL_STARTUP = 7,
    eCSIDL_TEMPLATES = 21,
};

// File attribute bits as FilesInFolder tests them.
enum FileAttribute : int32_t {
    faReadOnly = 1,
    faHidden = 2,
    faSystem = 4,
    faDirectory = 16,
    faArchive = 32,
};

// Drive types of a drive record.
enum DriveTypeConst : int32_t {
    dtUnknown = 0,
    dtRemovable = 1,
    dtFixed = 2,
    dtNetwork = 3,
    dtCDRom = 4,
    dtRamDisk = 5,
};

// A drive as the drive members describe it. Linux has no drive letters, so
// the members that look for one never find it and hand out no record.
struct Drive {
    QString DriveLetter;
    DriveTypeConst DriveType = dtUnknown;
};

} // namespace Ostrel7
