#pragma once
// Positioned access to a binary file with the 1-based positions the table
// formats are described in. Bytes beyond the end of the file read as zero.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace Telva27 {

class BinaryFile {
public:
    enum Mode {
        ReadWrite, // created empty when missing
        Create,    // replaced by an empty file
    };

    // Opens for reading a regular file of at most maxBytes; throws
    // platform::RuntimeError as platform::openRegularFile does.
    BinaryFile(const QString& path, int64_t maxBytes);
    // Opens for writing; throws platform::RuntimeError when the file cannot be opened.
    BinaryFile(const QString& path, Mode mode);

    // length bytes from the 1-based position; zeros past the end of the file.
    QByteArray read(int64_t position, int64_t length);
    uint8_t readByte(int64_t position);
    uint16_t readWord(int64_t position); // little-endian
    // Writes at the 1-based position, extending the file as needed.
    void write(int64_t position, const QByteArray& bytes);
    void writeByte(int64_t position, uint8_t value);
    void writeWord(int64_t position, uint16_t value); // little-endian

    int64_t size() const { return file_.size(); }

private:
    void seek(int64_t position);
    QFile file_;
};

} // namespace Telva27
