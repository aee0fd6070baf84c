#pragma once
// Reading the fixed headers of bitmap and icon files.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Ostrel7::fileheader {

// `count` bytes from file offset `offset`. Bytes beyond the end of the file read
// as zero, as a binary read past the end always did. Throws RuntimeError 53
// (file not found) for a missing file and 75 (path/file access) for one that
// cannot be opened, such as a folder.
QByteArray read(const QString& path, qint64 offset, int count);

// Little-endian fields of a header read above; `pos` is relative to its start.
int16_t int16At(const QByteArray& bytes, int pos);
int32_t int32At(const QByteArray& bytes, int pos);

} // namespace Ostrel7::fileheader
