#pragma once
// Text operations on paths and file names, shared by the members of clsFILE.
//
// Separators: paths reach us both as Linux paths and as texts built the
// Windows way, so "/" and "\" are both taken as folder separators wherever a
// name is taken apart, and "/" is the one added wherever we build a path.
// Before the file system is asked, every "\" is read as "/" (nativePath): a
// file whose Linux name holds a backslash can't be addressed through clsFILE.
//
// Drives: a path that starts with a Windows drive ("C:\data") names nothing
// on Linux. Looking it up finds nothing; creating or writing it fails with
// "Device unavailable" (68), the error of a drive that isn't there.

#include <QFileInfo>
#include <QString>
#include <cstdint>

namespace Ostrel7::filenames {

// The separator we add when building paths.
inline constexpr char16_t kSeparator = u'/';

bool isSeparator(QChar c);
bool endsWithSeparator(const QString& path);

// Position (0-based) of the last separator; -1 when there is none.
qsizetype lastSeparator(const QString& path);

// Exactly one trailing separator added when missing ("" gives "/").
QString addTrailingSeparator(const QString& path);
// One trailing separator removed when present (only one).
QString removeTrailingSeparator(const QString& path);

// Folder and name joined with one separator, added only when the folder does
// not already end with one; an empty folder gives the name alone.
QString buildPath(const QString& folder, const QString& name);

// True for a path that starts with a Windows drive ("C:", "a:\x").
bool isDrivePath(const QString& path);

// The path as the file system reads it: "\" becomes "/". RuntimeError 52 (bad
// file name) for a NUL character, 68 (device unavailable) for a drive path.
QString nativePath(const QString& path);

// The file-system entry a path names; an entry that doesn't exist for a drive path.
QFileInfo entryOf(const QString& path);

// The extension of the file name replaced by ext (given without its dot);
// a name without extension gets ".ext" appended. The folder is never touched.
QString replaceExt(const QString& fullName, const QString& ext);

// True when the text holds one of \ / : ; ? " < > | , *
bool hasForbiddenChar(const QString& text);

// head + number with at least five digits + "." + ext ("tmp", 1, "000" gives "tmp00001.000").
QString numberedName(const QString& head, int32_t number, const QString& ext);

// A number with at least three digits ("005", "1234", "-005").
QString threeDigits(int32_t number);

} // namespace Ostrel7::filenames
