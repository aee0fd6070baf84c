#include "StepFileFormat.h"

#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Whether two existing paths are one file: the same device and file number,
// however the paths reach it (links, "..", letter case of a folder). Asked
// of the file system once per path rather than resolving every folder of both.
bool sameExistingFile(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0
           && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
           && first.st_ino == second.st_ino;
}

} // namespace

void refuseOwnNoteFile(const QString& dataPath, const QString& notePath)
{
    const QFileInfo data(dataPath);
    const bool sameFile =
        data.absoluteFilePath() == QFileInfo(notePath).absoluteFilePath() || sameExistingFile(dataPath, notePath);
    if (data.suffix().compare(QLatin1String("BIN"), Qt::CaseInsensitive) == 0 || sameFile)
        throw platform::RuntimeError(
            platform::errBadFileNameOrNumber,
            QStringLiteral("%1: the step file %2 would be its own note file (the notes of a step file are kept "
                           "in the file of its name with the extension BIN)")
                .arg(platform::RuntimeError::standardText(platform::errBadFileNameOrNumber),
                     QDir::toNativeSeparators(dataPath)));
}

QByteArray readStepFile(const QString& path) { return platform::readWholeFile(path, kFileSize); }

void readStepFileParts(const QString& path, std::initializer_list<FilePart> parts)
{
    QFile file;
    platform::openRegularFile(file, path, kFileSize);
    for (const FilePart& part : parts) {
        int64_t done = 0;
        while (done < part.length) {
            const ssize_t got = ::pread(file.handle(), part.into + done, static_cast<size_t>(part.length - done),
                                        static_cast<off_t>(part.offset + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw platform::RuntimeError(platform::errDeviceIO);
            if (got == 0)
                break; // the end of the file: the rest reads as zeros
            done += got;
        }
        std::fill(part.into + done, part.into + part.length, '\0');
    }
}

} // namespace Telva27::stepfile
