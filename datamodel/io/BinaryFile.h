#pragma once
// Positioned reading of a binary file with the 1-based positions the table
// formats are described in. Bytes beyond the end of the file read as zero.
// Files are never written in place: a writer builds the new content in memory
// and replaces the file whole (platform::replaceFile).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace Telva27 {

class BinaryFile {
public:
    // Opens for reading a regular file of at most maxBytes; throws
    // platform::RuntimeError as platform::openRegularFile does.
    BinaryFile(const QString& path, int64_t maxBytes);

    // length bytes from the 1-based position; zeros past the end of the file.
    QByteArray read(int64_t position, int64_t length);
    uint8_t readByte(int64_t position);
    uint16_t readWord(int64_t position); // little-endian

    int64_t size() const { return file_.size(); }

private:
    void seek(int64_t position);
    QFile file_;
};

} // namespace Telva27
