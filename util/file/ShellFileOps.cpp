#include "ShellFileOps.h"

#include "FileNames.h"
#include "WholeFileLimit.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Ostrel7::shellops {

namespace {

bool hasWildcard(const QString& name) { return name.contains(u'*') || name.contains(u'?'); }

bool isThere(const QFileInfo& entry) { return entry.exists() || entry.isSymLink(); }

// The paths an item stands for; empty when it names nothing.
QStringList expand(const QString& item)
{
    if (item.isEmpty() || filenames::isDrivePath(item))
        return {};
    const QFileInfo entry(filenames::nativePath(item));
    const QString name = entry.fileName();
    if (!hasWildcard(name))
        return isThere(entry) ? QStringList{entry.filePath()} : QStringList{};
    const QString pattern = name == QLatin1String("*.*") ? QStringLiteral("*") : name;
    QStringList paths;
    const QDir folder(entry.path());
    for (const QString& match :
         folder.entryList({pattern}, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                          QDir::Name))
        paths << folder.filePath(match);
    return paths;
}

bool isRoot(const QString& path)
{
    const QFileInfo entry(path);
    return QDir(entry.absoluteFilePath()).isRoot() || entry.canonicalFilePath() == QLatin1String("/");
}

// "name.ext" -> "name (2).ext", "name (3).ext", ... the first that is free.
QString freeName(const QString& target)
{
    const QFileInfo entry(target);
    const QString name = entry.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = entry.dir().filePath(base + QStringLiteral(" (%1)").arg(n) + ext);
        if (!isThere(QFileInfo(candidate)))
            return candidate;
    }
}

bool isInside(const QString& path, const QString& folder)
{
    const QString inner = QFileInfo(path).absoluteFilePath() + u'/';
    const QString outer = QFileInfo(folder).canonicalFilePath() + u'/';
    return inner.startsWith(outer);
}

// Only a regular file is copied: a pipe, device or socket is refused before it
// could block the copy, and so is a file too large to hold in memory.
bool copyFile(const QString& source, const QString& target)
{
    try {
        platform::replaceFile(target, platform::readWholeFile(source, kWholeFileLimit));
    } catch (const platform::RuntimeError&) {
        return false;
    }
    return QFile::setPermissions(target, QFile::permissions(source));
}

bool copyEntry(const QString& source, QString target, bool overwrite, bool renameOnCollision);

bool copyFolder(const QString& source, const QString& target, bool overwrite)
{
    // A folder copied into itself would grow without end.
    if (isInside(target, source) || !QDir().mkpath(target))
        return false;
    const QDir from(source);
    for (const QString& name :
         from.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        if (!copyEntry(from.filePath(name), QDir(target).filePath(name), overwrite, false))
            return false;
    return true;
}

bool copyEntry(const QString& source, QString target, bool overwrite, bool renameOnCollision)
{
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (isThere(to)) {
        const bool sameEntry = from.canonicalFilePath() == to.canonicalFilePath();
        if (renameOnCollision)
            target = freeName(target);
        else if (sameEntry || (!overwrite && !from.isDir()))
            return false;
    }
    if (from.isDir())
        return copyFolder(source, target, overwrite);
    if (QFileInfo(target).isDir())
        return false;
    return copyFile(source, target);
}

// Makes sure the user's own trash folder exists. Qt falls back to it when an
// item's volume has no trash of its own, and when it cannot be made, Qt takes
// the working folder for the trash; so nothing is moved without it.
bool homeTrashReady()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return false;
    const QString trash = QDir(data).filePath(QStringLiteral("Trash"));
    if (QFileInfo(trash).isDir())
        return true;
    return QDir().mkdir(trash, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool trashPath(const QString& path) { return !isRoot(path) && QFile::moveToTrash(path); }

} // namespace

QStringList pathList(const QString& from) { return from.split(u','); }

bool copyItems(const QStringList& items, const QString& to, bool overwrite, bool renameOnCollision)
{
    QStringList sources;
    bool patterned = false;
    for (const QString& item : items) {
        const QStringList paths = expand(item);
        if (paths.isEmpty())
            return false;
        patterned = patterned || hasWildcard(QFileInfo(filenames::nativePath(item)).fileName());
        sources << paths;
    }
    if (sources.isEmpty() || to.isEmpty() || filenames::isDrivePath(to))
        return false;
    const QString target = filenames::nativePath(to);
    const bool intoFolder =
        sources.size() > 1 || patterned || filenames::endsWithSeparator(to) || QFileInfo(target).isDir();
    if (!intoFolder)
        return QDir().mkpath(QFileInfo(target).absolutePath()) &&
               copyEntry(sources.front(), target, overwrite, renameOnCollision);
    if (!QDir().mkpath(target))
        return false;
    for (const QString& source : sources)
        if (!copyEntry(source, QDir(target).filePath(QFileInfo(source).fileName()), overwrite, renameOnCollision))
            return false;
    return true;
}

bool deleteItems(const QStringList& items)
{
    if (!homeTrashReady())
        return false;
    for (const QString& item : items) {
        const QStringList paths = expand(item);
        if (paths.isEmpty())
            return false;
        for (const QString& path : paths)
            if (!trashPath(path))
                return false;
    }
    return true;
}

} // namespace Ostrel7::shellops
