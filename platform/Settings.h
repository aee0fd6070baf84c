#pragma once
// Per-user text settings addressed by application, section and key, kept in one
// INI file per application in the user's configuration folder:
// <XDG config folder>/QELM/<application>.ini, in the layout earlier versions
// wrote through QSettings (UTF-8, names and values escaped as it did), so the
// files users have still read.
//
// Every operation reads the file afresh (a value another process wrote is seen
// at once; an unchanged file is not parsed again) and every change replaces
// the file whole through the file layer, forced to the disk. No error outlives
// the operation it belongs to.
//
// A damaged file (a byte no text file holds, a line of no INI shape such as a
// half-written one, larger than maxFileSize) is renamed aside to
// "<application>.ini.damaged-<date>-<time>", the user is told once which file
// it was and where it went, and the store starts empty, so the defaults apply.
// Anything but a regular file (a folder, a pipe) is never opened nor moved:
// each operation fails with RuntimeError(75) naming the file.

#include <QString>
#include <cstdint>
#include <optional>

namespace platform::settings {

// The largest settings file read; the suite's stores hold a few dozen values.
constexpr int64_t maxFileSize = 256 * 1024;

// The file that holds the application's settings.
QString filePath(const QString& app);

// The stored text; nullopt when the value is missing or empty, which the suite
// treats alike. Throws RuntimeError when the store cannot be read.
std::optional<QString> read(const QString& app, const QString& section, const QString& key);

// Stores the text and flushes it to disk. Throws RuntimeError when it cannot be
// written (61 for a full disk); the file is then unchanged.
void write(const QString& app, const QString& section, const QString& key, const QString& value);

// Removes a value (a missing value reads as its default again).
void remove(const QString& app, const QString& section, const QString& key);

// Removes every value of the application.
void clear(const QString& app);

// Booleans and numbers as the store keeps them: "True"/"False", invariant decimals.
QString boolText(bool value);

} // namespace platform::settings
