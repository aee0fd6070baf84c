#include "FileListing.h"

#include "FileTypes.h"

#include <QDir>
#include <QFileInfo>

namespace Ostrel7::listing {

namespace {

bool hasWildcard(const QString& name) { return name.contains(u'*') || name.contains(u'?'); }

} // namespace

bool isHiddenName(const QString& name) { return name.startsWith(u'.'); }

int32_t attributesOf(const QFileInfo& entry)
{
    int32_t attributes = 0;
    if (entry.isDir())
        attributes |= faDirectory;
    else
        attributes |= faArchive;
    if (!(entry.permissions() & QFileDevice::WriteOwner))
        attributes |= faReadOnly;
    if (isHiddenName(entry.fileName()))
        attributes |= faHidden;
    return attributes;
}

QFileInfoList subfolders(const QString& folder)
{
    return QDir(folder).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QFileInfoList files(const QString& folder)
{
    return QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

int32_t countOrdinaryFiles(const QString& folder)
{
    return static_cast<int32_t>(QDir(folder).entryList(QDir::Files).size());
}

bool holdsNothingVisible(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

bool ordinaryFileExists(const QString& path)
{
    const QFileInfo target(path);
    const QString name = target.fileName();
    if (name.isEmpty())
        return false;
    if (!hasWildcard(name))
        return target.isFile() && !isHiddenName(name);
    // The Windows listing reads "*.*" as every name, dotted or not.
    const QString pattern = name == QLatin1String("*.*") ? QStringLiteral("*") : name;
    // Letter case is ignored in patterns, as the Windows listing did.
    return !QDir(target.path()).entryList({pattern}, QDir::Files).isEmpty();
}

} // namespace Ostrel7::listing
