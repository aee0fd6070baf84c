#include "BinaryFile.h"

#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <algorithm>

namespace Telva27 {

BinaryFile::BinaryFile(const QString& path, int64_t maxBytes) { platform::openRegularFile(file_, path, maxBytes); }

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

} // namespace Telva27
