#include "RegularFile.h"

#include "ReplacementJournal.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// The runtime error for a failed stat or open.
[[noreturn]] void throwFor(int error, const QString& path)
{
    switch (error) {
    case ENOENT:
        throw RuntimeError(QFileInfo(path).absoluteDir().exists() ? errFileNotFound : errPathNotFound);
    case ENOTDIR: // a part of the folder path is a file
        throw RuntimeError(errPathNotFound);
    case EACCES:
    case EPERM:
        throw RuntimeError(errPermissionDenied);
    default:
        throw RuntimeError(errPathFileAccess);
    }
}

[[noreturn]] void refuse(const QString& why)
{
    throw RuntimeError(errPathFileAccess, RuntimeError::standardText(errPathFileAccess) + QStringLiteral(": ") + why);
}

// Refuses anything but a regular file of at most maxBytes.
void checkStatus(const struct stat& status, const QString& path, int64_t maxBytes)
{
    if (!S_ISREG(status.st_mode))
        refuse(QStringLiteral("%1 is not a regular file").arg(shown(path)));
    if (status.st_size > maxBytes)
        refuse(QStringLiteral("%1 is %2 bytes; a file of its kind holds at most %3 bytes")
                   .arg(shown(path))
                   .arg(static_cast<qint64>(status.st_size))
                   .arg(static_cast<qint64>(maxBytes)));
}

// Opens and checks the file; answers its size at that moment.
int64_t openChecked(QFile& file, const QString& path, int64_t maxBytes)
{
    // A save of this file's set that was cut off is completed first, so that
    // no reader sees a mixed set.
    recoverFor(path);
    const QByteArray native = QFile::encodeName(path);
    struct stat status {};
    // The type is checked before opening: opening a pipe would wait for a
    // writer, and opening a device may act on it.
    if (::stat(native.constData(), &status) != 0)
        throwFor(errno, path);
    checkStatus(status, path, maxBytes);
    // Should the path have been replaced by a pipe in the meantime, a
    // non-blocking open still returns at once, and what was opened is checked
    // again. The flag has no effect on reading a regular file.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throwFor(errno, path);
    try {
        if (::fstat(fd, &status) != 0)
            throw RuntimeError(errDeviceIO);
        checkStatus(status, path, maxBytes);
        file.setFileName(path);
        if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
            throw RuntimeError(errPathFileAccess);
    } catch (...) {
        ::close(fd);
        throw;
    }
    return status.st_size;
}

} // namespace

void openRegularFile(QFile& file, const QString& path, int64_t maxBytes) { openChecked(file, path, maxBytes); }

QByteArray readWholeFile(const QString& path, int64_t maxBytes)
{
    QFile file;
    // Only the bytes the file held when it was checked are read, however it grows.
    const int64_t size = openChecked(file, path, maxBytes);
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (size > 0 && file.read(bytes.data(), size) != size)
        throw RuntimeError(errDeviceIO);
    return bytes;
}

std::optional<QByteArray> readWholeFileIfAny(const QString& path, int64_t maxBytes)
{
    try {
        return readWholeFile(path, maxBytes);
    } catch (const RuntimeError& e) {
        if (e.number() == errFileNotFound || e.number() == errPathNotFound)
            return std::nullopt;
        throw;
    }
}

} // namespace platform
