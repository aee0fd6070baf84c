#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

namespace {

QString lockFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

SingleInstance::SingleInstance(const QString& programName)
    : lock_(std::make_unique<QLockFile>(QDir(lockFolder()).filePath(programName + QStringLiteral(".lock"))))
{
    // A lock is never considered stale by its age: only a dead owner frees it.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() = default;

} // namespace platform
