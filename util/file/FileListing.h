#pragma once
// What the file members see when they list a folder. Linux keeps no file
// attributes, so they are read off the entry: a name that starts with "." is
// hidden, a file without its owner's write bit is read-only, every plain file
// carries the archive bit (nothing ever clears it), and no entry is a system file.

#include <QFileInfoList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace Ostrel7::listing {

bool isHiddenName(const QString& name);

// The FileAttribute bits of an entry.
int32_t attributesOf(const QFileInfo& entry);

// Every subfolder (hidden ones included), by name.
QFileInfoList subfolders(const QString& folder);
// Every plain file (hidden ones included), by name.
QFileInfoList files(const QString& folder);

// The entries an ordinary listing yields: plain files that are not hidden.
int32_t countOrdinaryFiles(const QString& folder);
// True when the folder holds no file and no subfolder that is not hidden.
bool holdsNothingVisible(const QString& folder);

// True when the path names a plain, not hidden file, or is a pattern with "*"
// and "?" in its last part that matches one ("*.*" matches every name).
bool ordinaryFileExists(const QString& path);

} // namespace Ostrel7::listing
