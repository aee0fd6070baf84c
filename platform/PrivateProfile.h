#pragma once
// Classic INI files at a path the caller names, read and written the way the
// Windows private-profile calls did: each call reads the file afresh, a write
// changes only the one line it must and keeps every other byte of the file.
// The text in the file is CP932.
//
// File layout understood:
//   [section]        blanks around the brackets and the name are ignored
//   key=value        blanks around key and value are ignored
//   ; comment        ignored, like blank lines and lines of any other shape
// Section and key names match without regard to ASCII letter case; within the
// first section of a name the first line of a key wins. CR LF and LF both end a line.
//
// A missing file (or folder) reads as empty. Any other file that can't be read
// is an error (platform::readWholeFile): a pipe, folder or device is refused
// without waiting on it, and so is a file larger than maxFileSize.

#include <QString>
#include <cstdint>

namespace platform::profile {

// The largest settings file read; such files hold a few options, and the
// classic profile calls never read more than 64 KiB of one.
constexpr int64_t maxFileSize = 1024 * 1024;

// The whole number the key holds: an optional sign, then decimal digits or
// "0x" and hexadecimal digits, read up to the first character that does not
// continue the number and taken modulo 2^32 as the system did. A value that
// does not begin with a number reads 0; a missing file, section or key, or an
// empty value, gives defaultValue. Throws RuntimeError when the file can't be read.
int32_t getInt(const QString& section, const QString& key, int32_t defaultValue, const QString& file);

// The key's text, unquoted when it is wrapped in matching ' or " quotes, else
// defaultValue (less its trailing blanks). The result is what a buffer of
// bufferChars ANSI characters holds: at most bufferChars - 1 CP932 bytes, cut
// at a character boundary, and nothing from a NUL on. Throws RuntimeError when
// the file can't be read.
QString getString(const QString& section, const QString& key, const QString& defaultValue, int bufferChars,
                  const QString& file);

// Sets the key to the value: in place when the key is there, else as a new line
// after the last entry of its section, else in a new section at the end; the
// file is created when missing. New and rewritten lines end in CR LF.
// False, with the file untouched, when the file cannot be read or replaced
// (missing folder, read-only file, not a regular file), when a name or the value would break the
// file's structure (a line break, a key with "=", a key starting with ";" or "[", an empty key),
// or when the line written would read back as another name or value (a section name ending in
// a lone CP932 lead byte, which would take the closing "]" as its trail byte).
bool writeString(const QString& section, const QString& key, const QString& value, const QString& file);

} // namespace platform::profile
