#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Whether the folder is this user's own and closed to everyone else.
bool isPrivateFolder(const QString& folder)
{
    struct stat st {};
    return !folder.isEmpty() && ::stat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700;
}

} // namespace

QString SingleInstance::lockFolder()
{
    // Never a fixed name in a shared folder: anybody could make that file first
    // and so keep this user's program from starting.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString folder = QDir(own.isEmpty() ? QDir::homePath() : own).filePath(QStringLiteral("QELM"));
    QDir().mkpath(folder);
    return folder;
}

SingleInstance::SingleInstance(const QString& programName)
    : lock_(std::make_unique<QLockFile>(QDir(lockFolder()).filePath(programName + QStringLiteral(".lock"))))
{
    // A lock is never considered stale by its age: only a dead owner frees it.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() = default;

} // namespace platform
