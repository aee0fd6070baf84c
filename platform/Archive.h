#pragma once
// The setting archive QEL.e: an LHA archive that carries the controller's
// setting files Set01.e .. Set10.e. Only those ten plain files are ever taken
// out of it, under their canonical names, so a stored path or an unexpected
// name can never place a file anywhere else.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <cstdint>

namespace platform::archive {

// Largest setting file taken from an archive; a bigger entry is refused so a
// damaged or hostile archive cannot exhaust memory.
constexpr qsizetype maxEntrySize = 16 * 1024 * 1024;
// Largest archive read at all.
constexpr qsizetype maxArchiveSize = 64 * 1024 * 1024;

// The setting files an archive holds, canonical name ("Set01.e" .. "Set10.e")
// to content. Stored paths are ignored and names compared without regard to
// letter case; directories, links and other names are skipped (a later entry
// of the same name wins). Throws RuntimeError (errInvalidFileFormat) on any
// header, CRC or length error, an unknown compression method, a missing end
// of archive or an entry above maxEntrySize.
QMap<QString, QByteArray> readSettingFiles(const QByteArray& archive);

// Extracts the setting files of the archive into targetFolder, each through a
// temporary file and a rename. The whole archive is read and checked first, so
// an error of the archive leaves every Set file in the folder as it was.
// Throws RuntimeError: errFileNotFound for a missing archive, the error of
// readSettingFiles, or a write error (see platform::FileReplacement).
void extractSettingFiles(const QString& archivePath, const QString& targetFolder);

} // namespace platform::archive
