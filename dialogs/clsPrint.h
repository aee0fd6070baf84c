#pragma once
// Export to workbooks and the table copy of the dialog library. Created by each
// program after clsSelectKino, whose library-wide state it uses.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace Sorvi27 {

class LibraryState;

// What the table copy makes: eight-table setting files with their SEK file,
// or step files with their note file.
enum ENUM_STGorSTP : int32_t { eCOPY_STG = 0, eCOPY_STP = 1 };

class clsPrint {
public:
    // Takes its part of the library-wide state: a clsString.
    clsPrint();
    ~clsPrint();
    clsPrint(const clsPrint&) = delete;
    clsPrint& operator=(const clsPrint&) = delete;

    // Whether sSrcFullFname may be copied to sDestFullFname as far as disk
    // space goes: always for an existing destination or a network path
    // ("\\" or "//"), else when the file system of the destination's folder
    // has room for the source. False after a report when it can't be told.
    bool CheckFreeSpace(const QString& sSrcFullFname, const QString& sDestFullFname);
    // The table copy dialog, shown modally. The source is the file the caller
    // has open (may be empty); with IsChangedSrc the user is asked first
    // whether to go on, since the copy reads the files as saved.
    void CopyData(ENUM_STGorSTP eSTGorSTP, const QString& sSrcFileFullFname, bool IsChangedSrc);

    // The bytes free for this user on the file system that holds the folder,
    // as the free-space checks measure them; empty (the default) measures the
    // real file system. Tests put a smaller disk here.
    std::function<int64_t(const QString& folder)> freeSpaceOf;

private:
    int64_t bytesFreeIn(const QString& folder) const;

    std::shared_ptr<LibraryState> state_;
    // The folder of the file last saved by the copy dialog, kept for its next showing.
    QString copyFolder_;
};

} // namespace Sorvi27
