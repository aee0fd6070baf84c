#include "StepFileFormat.h"

#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

namespace Telva27::stepfile {

bool isStepTableStart(int32_t lStarting)
{
    const int64_t offset = int64_t{lStarting} - 1;
    return offset >= kTableSize && offset < kFileSize && offset % kTableSize == 0;
}

uint16_t encodeDelay(int32_t value)
{
    if (value > 0xFFFF || value < -0x7FFF)
        throw platform::RuntimeError(platform::errOverflow);
    if (value >= 0)
        return static_cast<uint16_t>(value);
    return static_cast<uint16_t>(0x8000 + (-value & 0x7FFF));
}

int32_t decodeDelay(uint16_t word, bool pulseOutput)
{
    if (pulseOutput && (word & 0x8000))
        return -static_cast<int32_t>(word & 0x7FFF);
    return word;
}

QString existingCompanion(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir dir = info.absoluteDir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names)
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return path;
}

void refuseOwnNoteFile(const QString& dataPath, const QString& notePath)
{
    const QFileInfo data(dataPath);
    const QFileInfo note(existingCompanion(notePath));
    const bool sameFile = data.absoluteFilePath() == note.absoluteFilePath()
                          || (data.exists() && data.canonicalFilePath() == note.canonicalFilePath());
    if (data.suffix().compare(QLatin1String("BIN"), Qt::CaseInsensitive) == 0 || sameFile)
        throw platform::RuntimeError(
            platform::errBadFileNameOrNumber,
            QStringLiteral("%1: the step file %2 would be its own note file (the notes of a step file are kept "
                           "in the file of its name with the extension BIN)")
                .arg(platform::RuntimeError::standardText(platform::errBadFileNameOrNumber),
                     QDir::toNativeSeparators(dataPath)));
}

QByteArray readStepFile(const QString& path) { return platform::readWholeFile(path, kFileSize); }

uint8_t byteAt(const QByteArray& image, int64_t offset)
{
    if (offset < 0)
        throw platform::RuntimeError(platform::errBadRecordNumber);
    return offset < image.size() ? static_cast<uint8_t>(image.at(static_cast<qsizetype>(offset))) : 0;
}

uint16_t wordAt(const QByteArray& image, int64_t offset)
{
    return static_cast<uint16_t>(byteAt(image, offset) | (byteAt(image, offset + 1) << 8));
}

void put(QByteArray& image, int64_t offset, const QByteArray& bytes)
{
    if (offset < 0)
        throw platform::RuntimeError(platform::errBadRecordNumber);
    const int64_t end = offset + bytes.size();
    if (image.size() < end)
        image.append(end - image.size(), '\0');
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

void putWord(QByteArray& image, int64_t offset, uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    put(image, offset, QByteArray(bytes, 2));
}

QByteArray slice(const QByteArray& image, int64_t offset, int64_t length)
{
    if (offset < 0)
        throw platform::RuntimeError(platform::errBadRecordNumber);
    // Inside the image the slice shares its bytes (the image outlives it);
    // only a slice running past the end is copied and zero-filled.
    if (offset + length <= image.size())
        return QByteArray::fromRawData(image.constData() + offset, length);
    QByteArray bytes(length, '\0');
    const int64_t available = std::max<int64_t>(0, std::min<int64_t>(length, image.size() - offset));
    if (available > 0)
        std::copy_n(image.constData() + offset, available, bytes.begin());
    return bytes;
}

} // namespace Telva27::stepfile
