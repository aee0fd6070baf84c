#include "BmpHeader.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

namespace Ostrel7::bmp {

namespace {

constexpr qint64 kFileHeader = 14;
constexpr int32_t kCoreHeader = 12;
constexpr int32_t kInfoHeader = 40;
constexpr int32_t kInvalidPicture = 481;

uint32_t littleEndian(const QByteArray& bytes, qsizetype offset, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

int32_t int32At(const QByteArray& bytes, qsizetype offset)
{
    return static_cast<int32_t>(littleEndian(bytes, offset, 4));
}

int32_t uint16At(const QByteArray& bytes, qsizetype offset)
{
    return static_cast<int32_t>(littleEndian(bytes, offset, 2));
}

void require(const QByteArray& bytes, qsizetype size)
{
    if (bytes.size() < size)
        throw platform::RuntimeError(platform::errInputPastEnd);
}

} // namespace

Header readHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::RuntimeError(QFileInfo::exists(path) ? platform::errPathFileAccess
                                                             : platform::errFileNotFound);
    const QByteArray bytes = file.read(kFileHeader + kInfoHeader);
    require(bytes, kFileHeader + 4);
    if (!bytes.startsWith("BM"))
        throw platform::RuntimeError(kInvalidPicture);

    const int32_t infoSize = int32At(bytes, kFileHeader);
    if (infoSize == kCoreHeader) {
        require(bytes, kFileHeader + kCoreHeader);
        return {uint16At(bytes, 18), uint16At(bytes, 20), uint16At(bytes, 24)};
    }
    if (infoSize < kInfoHeader)
        throw platform::RuntimeError(kInvalidPicture);
    require(bytes, kFileHeader + kInfoHeader);
    return {int32At(bytes, 18), int32At(bytes, 22), uint16At(bytes, 28)};
}

} // namespace Ostrel7::bmp
