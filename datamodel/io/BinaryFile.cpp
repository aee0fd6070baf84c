#include "BinaryFile.h"

#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

namespace Telva27 {

namespace {

[[noreturn]] void throwOpenError(const QFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.absoluteDir().exists())
        throw platform::RuntimeError(platform::errPathNotFound);
    if (!info.exists())
        throw platform::RuntimeError(platform::errFileNotFound);
    if (file.error() == QFileDevice::PermissionsError)
        throw platform::RuntimeError(platform::errPermissionDenied);
    throw platform::RuntimeError(platform::errPathFileAccess);
}

QIODevice::OpenMode openModeOf(BinaryFile::Mode mode)
{
    // Unbuffered: reads and writes are whole blocks at known positions.
    switch (mode) {
    case BinaryFile::ReadWrite: return QIODevice::ReadWrite | QIODevice::Unbuffered;
    case BinaryFile::Create: return QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered;
    }
    return QIODevice::ReadWrite | QIODevice::Unbuffered;
}

} // namespace

BinaryFile::BinaryFile(const QString& path, int64_t maxBytes) { platform::openRegularFile(file_, path, maxBytes); }

BinaryFile::BinaryFile(const QString& path, Mode mode) : file_(path)
{
    if (!file_.open(openModeOf(mode)))
        throwOpenError(file_);
}

void BinaryFile::seek(int64_t position)
{
    if (position < 1)
        throw platform::RuntimeError(platform::errBadRecordNumber);
    if (!file_.seek(position - 1))
        throw platform::RuntimeError(platform::errDeviceIO);
}

QByteArray BinaryFile::read(int64_t position, int64_t length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    seek(position);
    const int64_t available = std::max<int64_t>(0, std::min<int64_t>(length, file_.size() - (position - 1)));
    if (available > 0 && file_.read(bytes.data(), available) != available)
        throw platform::RuntimeError(platform::errDeviceIO);
    std::fill(bytes.begin() + available, bytes.end(), '\0'); // past the end of the file
    return bytes;
}

uint8_t BinaryFile::readByte(int64_t position) { return static_cast<uint8_t>(read(position, 1)[0]); }

uint16_t BinaryFile::readWord(int64_t position)
{
    const QByteArray b = read(position, 2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
}

void BinaryFile::write(int64_t position, const QByteArray& bytes)
{
    seek(position);
    if (file_.write(bytes) != bytes.size())
        throw platform::RuntimeError(file_.error() == QFileDevice::ResourceError ? platform::errDiskFull
                                                                                  : platform::errDeviceIO);
}

void BinaryFile::writeByte(int64_t position, uint8_t value) { write(position, QByteArray(1, static_cast<char>(value))); }

void BinaryFile::writeWord(int64_t position, uint16_t value)
{
    QByteArray b(2, '\0');
    b[0] = static_cast<char>(value & 0xFF);
    b[1] = static_cast<char>(value >> 8);
    write(position, b);
}

} // namespace Telva27
