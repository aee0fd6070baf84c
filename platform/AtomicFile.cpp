#include "AtomicFile.h"

#include "RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

[[noreturn]] void throwFor(const QSaveFile& file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError: throw RuntimeError(errPermissionDenied);
    case QFileDevice::ResourceError: throw RuntimeError(errDiskFull);
    case QFileDevice::OpenError:
        throw RuntimeError(QFileInfo(file.fileName()).absoluteDir().exists() ? errPermissionDenied : errPathNotFound);
    default: throw RuntimeError(errPathFileAccess);
    }
}

} // namespace

void replaceFile(const QString& path, const QByteArray& content)
{
    FileReplacement replacement;
    replacement.stage(path, content);
    replacement.commit();
}

FileReplacement::FileReplacement() = default;

FileReplacement::~FileReplacement()
{
    for (auto& file : staged_)
        if (file)
            file->cancelWriting();
}

void FileReplacement::stage(const QString& path, const QByteArray& content)
{
    auto file = std::make_unique<QSaveFile>(path);
    // A target marked read-only must stay so: refuse rather than rename over it.
    // The owner's write bit decides, so that this holds for every user, root included.
    const QFileInfo target(path);
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
        throw RuntimeError(errPermissionDenied);
    if (!file->open(QIODevice::WriteOnly))
        throwFor(*file);
    if (file->write(content) != content.size()) {
        file->cancelWriting();
        throwFor(*file);
    }
    staged_.push_back(std::move(file));
}

void FileReplacement::commit()
{
    for (auto& file : staged_) {
        if (!file->commit())
            throwFor(*file);
        file.reset();
    }
    staged_.clear();
}

} // namespace platform
