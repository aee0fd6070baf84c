#include "FileOps.h"

#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::fileops {

namespace {

FaultHook& hook()
{
    static FaultHook installed;
    return installed;
}

// True when the hook lets the operation run; else errno is set to its fault.
bool allowed(Op op, const QString& path)
{
    if (!hook())
        return true;
    const int fault = hook()(op, path);
    if (fault == 0)
        return true;
    errno = fault;
    return false;
}

QByteArray native(const QString& path) { return QFile::encodeName(path); }

} // namespace

const char* opName(Op op)
{
    switch (op) {
    case Op::Open: return "open";
    case Op::Write: return "write";
    case Op::Flush: return "flush";
    case Op::Close: return "close";
    case Op::Link: return "link";
    case Op::Rename: return "rename";
    case Op::SyncFolder: return "sync folder";
    }
    return "?";
}

mode_t newFileMode()
{
    // The kernel shows the mask in the process status; reading it through
    // umask() would set it for a moment, under the feet of other threads.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (!line.startsWith("Umask:"))
                continue;
            bool ok = false;
            const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok)
                return 0666 & ~static_cast<mode_t>(mask);
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void setFaultHook(FaultHook faultHook) { hook() = std::move(faultHook); }

int createExclusive(const QString& path, mode_t mode)
{
    if (!allowed(Op::Open, path))
        return -1;
    int fd;
    do
        fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool writeAll(int fd, const char* data, qint64 size, const QString& path)
{
    // One checked write per chunk: a short write is carried on, a failed one
    // (a full disk among them) ends the save.
    while (size > 0) {
        if (!allowed(Op::Write, path))
            return false;
        const ssize_t written = ::write(fd, data, static_cast<size_t>(std::min<qint64>(size, 1 << 20)));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool flush(int fd, const QString& path)
{
    if (!allowed(Op::Flush, path))
        return false;
    return ::fsync(fd) == 0;
}

bool close(int fd, const QString& path)
{
    if (!allowed(Op::Close, path)) {
        const int fault = errno;
        ::close(fd); // the descriptor is released whatever the hook says
        errno = fault;
        return false;
    }
    // On Linux the descriptor is gone even when close is interrupted.
    return ::close(fd) == 0 || errno == EINTR;
}

bool link(const QString& existing, const QString& newName)
{
    if (!allowed(Op::Link, newName))
        return false;
    return ::link(native(existing).constData(), native(newName).constData()) == 0;
}

bool rename(const QString& from, const QString& to)
{
    if (!allowed(Op::Rename, to))
        return false;
    return ::rename(native(from).constData(), native(to).constData()) == 0;
}

bool syncFolder(const QString& folder)
{
    if (!allowed(Op::SyncFolder, folder))
        return false;
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems can't sync a folder at all; their entries are as safe
    // as they get.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return synced;
}

void removeQuietly(const QString& path) { ::unlink(native(path).constData()); }

int32_t errorNumberFor(int errnoValue, const QString& path)
{
    switch (errnoValue) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return errDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return errPermissionDenied;
    case ENOENT:
    case ENOTDIR: return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? errFileNotFound : errPathNotFound;
    case EIO: return errDeviceIO;
    case EMFILE:
    case ENFILE: return errTooManyFiles;
    case ENAMETOOLONG: return errBadFileNameOrNumber;
    default: return errPathFileAccess;
    }
}

namespace {

// A link another user made is never followed, whatever the folder's mode:
// whoever may write into the folder (a group's shared folder, sticky or not)
// could have put a link there in place of the file, to make this user's save
// write into a file of this user's that they choose. The owner of the link is
// what counts; this user's own links are followed.
void refusePlantedLink(const QString& link)
{
    struct stat linkStatus {};
    if (::lstat(native(link).constData(), &linkStatus) != 0 || linkStatus.st_uid == ::geteuid())
        return;
    throw RuntimeError(errPermissionDenied,
                       QStringLiteral("%1: %2 is a symbolic link another user made; it is not followed")
                           .arg(RuntimeError::standardText(errPermissionDenied), QDir::toNativeSeparators(link)));
}

} // namespace

QString resolveLinks(const QString& path)
{
    // As many hops as the kernel itself follows before it gives up.
    constexpr int kMaxHops = 40;
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < kMaxHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        refusePlantedLink(current);
        current = info.symLinkTarget();
    }
    throw RuntimeError(errPathFileAccess,
                       QStringLiteral("%1: %2").arg(RuntimeError::standardText(errPathFileAccess), path));
}

} // namespace platform::fileops
