#include "platform/SingleInstance.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets XDG_RUNTIME_DIR (or unsets it, for "") for one test and restores it.
class RuntimeFolderVariable {
public:
    explicit RuntimeFolderVariable(const QByteArray& value) : old_(qgetenv("XDG_RUNTIME_DIR")), had_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
    {
        if (value.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", value);
    }
    ~RuntimeFolderVariable()
    {
        if (had_)
            qputenv("XDG_RUNTIME_DIR", old_);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    RuntimeFolderVariable(const RuntimeFolderVariable&) = delete;
    RuntimeFolderVariable& operator=(const RuntimeFolderVariable&) = delete;

private:
    QByteArray old_;
    bool had_;
};

} // namespace

TEST(SingleInstance, TheLockIsInAFolderOfTheUsersOwnWithoutAPrivateRuntimeFolder)
{
    QTemporaryDir shared;
    ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    QTemporaryDir privateFolder;
    ASSERT_EQ(::chmod(QFile::encodeName(privateFolder.path()).constData(), 0700), 0);
    struct Case {
        const char* what;
        QByteArray runtime;
        bool runtimeUsed;
    } const cases[] = {
        {"unset", "", false},
        {"a shared folder", QFile::encodeName(shared.path()), false},
        {"a missing folder", QFile::encodeName(shared.path()) + "/missing", false},
        {"a private folder", QFile::encodeName(privateFolder.path()), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RuntimeFolderVariable variable(c.runtime);
        const QString folder = platform::SingleInstance::lockFolder();
        if (c.runtimeUsed) {
            EXPECT_EQ(folder, privateFolder.path());
            continue;
        }
        EXPECT_NE(QDir(folder), QDir(QDir::tempPath()));
        EXPECT_NE(QDir(folder), QDir(shared.path()));
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
        EXPECT_EQ(st.st_uid, ::geteuid());
        EXPECT_FALSE(st.st_mode & S_IWOTH);
    }
}

TEST(SingleInstance, ALockPlantedInTheSharedTemporaryFolderDoesNotStopTheProgram)
{
    const RuntimeFolderVariable variable("");
    const QString planted = QDir(QDir::tempPath()).filePath(QStringLiteral("QELM_PLANTED_test.lock"));
    // A lock as a running process (here: process 1) holds it.
    testsupport::writeFile(planted, "1\nQELM_PLANTED_test\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    {
        const platform::SingleInstance first(QStringLiteral("QELM_PLANTED_test"));
        EXPECT_TRUE(first.isFirst());
        const platform::SingleInstance second(QStringLiteral("QELM_PLANTED_test"));
        EXPECT_FALSE(second.isFirst());
    }
    QFile::remove(planted);
}
