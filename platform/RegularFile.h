#pragma once
// Opening a data file for reading, the one way every reader of the suite does
// it: only a regular file is opened (a pipe, folder or device is refused before
// anything could block on it), and only one no larger than its format can hold
// (so a damaged or hostile file can't make a reader take gigabytes of memory).
//
// Failures throw RuntimeError:
//   53 File not found        the file is missing
//   76 Path not found        its folder is missing
//   70 Permission denied     the file may not be read
//   75 Path/File access error  it is no regular file, or larger than the limit
//                            (the message names the file and the limit)
//   57 Device I/O error      reading failed

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// Opens path into file (read only, unbuffered) when it is a regular file of at most maxBytes.
void openRegularFile(QFile& file, const QString& path, int64_t maxBytes);

// The whole content of a regular file of at most maxBytes.
QByteArray readWholeFile(const QString& path, int64_t maxBytes);

// As readWholeFile, but nullopt when the file or its folder is missing, which
// a store that starts empty takes as no content yet.
std::optional<QByteArray> readWholeFileIfAny(const QString& path, int64_t maxBytes);

} // namespace platform
