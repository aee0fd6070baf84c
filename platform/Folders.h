#pragma once
// Where the suite finds and keeps its files.

#include <QString>

namespace platform::folders {

// The running executable's folder: the program checks for the setting archive
// QEL.e there, and the dialog library extracts it from there (all deliverables
// are installed in one folder).
QString programFolder();

// The folder of the suite's installed libraries.
QString installFolder();

// Where the archive is extracted and SetNN.e, Err.log and the default workbook
// live: the install folder when it is writable, else the per-user data folder.
QString libraryFolder();

// Whether this process may create files in the folder, as the system decides
// (root may write into a folder without write bits; nobody into a read-only mount).
bool isWritableFolder(const QString& folder);

// The user's documents folder, or the home folder when there is none.
QString documentsFolder();

// A private folder of this process (mode 0700) under the temporary folder, for
// the working copies; created on first use, removed with its contents at exit.
QString workingFolder();

// Removes the private folders (and the working copies in them) of earlier runs
// that were killed before they could remove their own; done before the first
// working folder of a run is made.
void removeDeadWorkingFolders();

// Tests point the library folder at a folder of their own; "" restores the default.
void setLibraryFolderForTesting(const QString& folder);

// Tests name one folder that counts as not writable whatever its bits say (a
// test running as root can write anywhere); "" restores the default.
void setUnwritableFolderForTesting(const QString& folder);

// Tests point the program folder at a folder of their own (with or without a
// QEL.e); "" restores the default.
void setProgramFolderForTesting(const QString& folder);

// Tests point the working folder at a folder of their own (a child process
// a test forks to kill it makes its own, as a run of the program has); ""
// restores the default.
void setWorkingFolderForTesting(const QString& folder);

} // namespace platform::folders
