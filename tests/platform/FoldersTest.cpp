#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace folders = platform::folders;

TEST(Folders, ProgramAndInstallFoldersAreWhereTheFilesAre)
{
    EXPECT_EQ(QDir(folders::programFolder()), QDir(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(QFileInfo::exists(QDir(folders::installFolder()).filePath("libQelPlatform.so")));
}

TEST(Folders, TheWorkingFolderIsPrivateToTheProcess)
{
    const QString working = folders::workingFolder();
    EXPECT_EQ(working, folders::workingFolder()); // one folder for the whole run
    const QFileInfo info(working);
    ASSERT_TRUE(info.isDir());
    EXPECT_TRUE(working.startsWith(QDir::tempPath()));
    EXPECT_EQ(info.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther),
              QFileDevice::Permissions());
}

TEST(Folders, TheLibraryFolderCanBeRedirected)
{
    const QString saved = folders::libraryFolder();
    folders::setLibraryFolderForTesting("/some/where");
    EXPECT_EQ(folders::libraryFolder(), QStringLiteral("/some/where"));
    folders::setLibraryFolderForTesting("");
    EXPECT_EQ(QDir(folders::libraryFolder()), QDir(folders::installFolder())); // the build folder is writable
    folders::setLibraryFolderForTesting(saved);
}

TEST(Folders, WritableIsWhatTheSystemAllowsThisProcess)
{
    QTemporaryDir dir;
    EXPECT_TRUE(folders::isWritableFolder(dir.path()));
    EXPECT_FALSE(folders::isWritableFolder(dir.filePath("missing")));
    // Without write bits only root may still create files there.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(folders::isWritableFolder(dir.path()), ::geteuid() == 0);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A test names a folder that counts as closed whoever runs it.
    folders::setUnwritableFolderForTesting(dir.path());
    EXPECT_FALSE(folders::isWritableFolder(dir.path()));
    EXPECT_FALSE(folders::isWritableFolder(dir.path() + "/"));
    folders::setUnwritableFolderForTesting({});
    EXPECT_TRUE(folders::isWritableFolder(dir.path()));
}

TEST(Folders, TheWorkingFoldersOfDeadRunsAreRemoved)
{
    // A process id that is certainly dead: a child that has ended and was reaped.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const QDir temp(QDir::tempPath());
    const QString dead = temp.filePath(QStringLiteral("qelm-%1-aB3xYz").arg(child));
    const QString live = temp.filePath(QStringLiteral("qelm-%1-aB3xYz").arg(::getppid()));
    const QString other = temp.filePath(QStringLiteral("qelm-%1-notours").arg(child));
    for (const QString& folder : {dead, live, other}) {
        ASSERT_TRUE(QDir().mkpath(folder + "/inner"));
        QFile file(folder + "/inner/copy.stg");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    platform::folders::removeDeadWorkingFolders();
    EXPECT_FALSE(QFileInfo::exists(dead));
    EXPECT_TRUE(QFileInfo::exists(live + "/inner/copy.stg"));
    EXPECT_TRUE(QFileInfo::exists(other + "/inner/copy.stg"));
    QDir(live).removeRecursively();
    QDir(other).removeRecursively();
}
