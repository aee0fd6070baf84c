#include "Folders.h"

#include "RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::folders {

namespace {

QString& libraryOverride()
{
    static QString folder;
    return folder;
}

QString& programOverride()
{
    static QString folder;
    return folder;
}

QString& unwritableOverride()
{
    static QString folder;
    return folder;
}

QString& workingOverride()
{
    static QString folder;
    return folder;
}

} // namespace

bool isWritableFolder(const QString& folder)
{
    if (!unwritableOverride().isEmpty() && QDir(folder) == QDir(unwritableOverride()))
        return false;
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString programFolder()
{
    if (!programOverride().isEmpty())
        return programOverride();
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return QFileInfo(exe.symLinkTarget()).absolutePath();
}

QString installFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&installFolder), &info) == 0 || info.dli_fname == nullptr)
        return programFolder();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

QString libraryFolder()
{
    if (!libraryOverride().isEmpty())
        return libraryOverride();
    const QString install = installFolder();
    if (isWritableFolder(install))
        return install;
    const QString userFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("QELM"));
    QDir().mkpath(userFolder);
    return userFolder;
}

void removeDeadWorkingFolders()
{
    static const QRegularExpression pattern(QStringLiteral(R"(^qelm-([1-9][0-9]{0,9})-[A-Za-z0-9]{6}$)"));
    const QString tempPath = QDir::tempPath();
    // The temporary folder is listed by name alone: a shared one holds many
    // entries, and looking at each (as a filtered QDir listing does) cost
    // every start a noticeable time.
    const std::unique_ptr<DIR, int (*)(DIR*)> temp(::opendir(QFile::encodeName(tempPath).constData()), ::closedir);
    if (!temp)
        return;
    QStringList candidates;
    while (const dirent* entry = ::readdir(temp.get()))
        if (std::strncmp(entry->d_name, "qelm-", 5) == 0)
            candidates.append(QFile::decodeName(entry->d_name));
    for (const QString& name : std::as_const(candidates)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        const pid_t pid = static_cast<pid_t>(match.captured(1).toLongLong());
        if (pid == ::getpid() || ::kill(pid, 0) == 0 || errno == EPERM)
            continue; // its run is still going
        // Only a real folder of this user: never another's, never through a link.
        const QString path = QDir(tempPath).filePath(name);
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        QDir(path).removeRecursively();
    }
}

QString workingFolder()
{
    if (!workingOverride().isEmpty())
        return workingOverride();
    // QTemporaryDir creates the folder with mode 0700 and removes it with its
    // contents when the process ends normally; its name carries the process
    // id, so that the folder of a run that was killed is known and removed by
    // the next one.
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        removeDeadWorkingFolders();
        auto dir = std::make_unique<QTemporaryDir>(
            QDir(QDir::tempPath()).filePath(QStringLiteral("qelm-%1-XXXXXX").arg(::getpid())));
        if (!dir->isValid())
            throw RuntimeError(errPathFileAccess);
        return dir;
    }();
    return folder->path();
}

void setLibraryFolderForTesting(const QString& folder) { libraryOverride() = folder; }

void setProgramFolderForTesting(const QString& folder) { programOverride() = folder; }

void setWorkingFolderForTesting(const QString& folder) { workingOverride() = folder; }

void setUnwritableFolderForTesting(const QString& folder) { unwritableOverride() = folder; }

} // namespace platform::folders
