#include "platform/Settings.h"

#include "platform/RuntimeError.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace settings = platform::settings;

TEST(Settings, MissingAndEmptyValuesReadAlike)
{
    EXPECT_FALSE(settings::read("QELM_SET", "General", "Nothing").has_value());
    settings::write("QELM_SET", "General", "Empty", "");
    EXPECT_FALSE(settings::read("QELM_SET", "General", "Empty").has_value());
    settings::write("QELM_SET", "General", "Zero", "0");
    EXPECT_EQ(settings::read("QELM_SET", "General", "Zero"), QStringLiteral("0"));
    settings::remove("QELM_SET", "General", "Zero");
    EXPECT_FALSE(settings::read("QELM_SET", "General", "Zero").has_value());
}

TEST(Settings, ApplicationsKeepSeparateStoresInTheUsersConfigFolder)
{
    settings::write("QELM_SET", "FileInfo", "Path", "/a");
    settings::write("QELM_STP", "FileInfo", "Path", "/b");
    EXPECT_EQ(settings::read("QELM_SET", "FileInfo", "Path"), QStringLiteral("/a"));
    EXPECT_EQ(settings::read("QELM_STP", "FileInfo", "Path"), QStringLiteral("/b"));
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    EXPECT_TRUE(QFile::exists(config + "/QELM/QELM_SET.ini"));
}

TEST(Settings, AnUnwritableStoreIsAnError)
{
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QDir(config).mkpath("QELM");
    // A folder where the store's file should be: not writable for anybody, root included.
    QDir(config).mkpath("QELM/Locked.ini");
    EXPECT_THROW(settings::write("Locked", "General", "Key", "1"), platform::RuntimeError);
}

TEST(Settings, AValueTheOtherProgramWroteIsReadFromTheFile)
{
    // The step editor, a process of its own, writes its folder into its store
    // while the setting program runs and reads it.
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QDir(config).mkpath("QELM");
    const QString file = config + "/QELM/QELM_STP.ini";
    testsupport::writeFile(file, "[SETTING]\nMYPATH=/opt/a\n");
    ASSERT_EQ(settings::read("QELM_STP", "SETTING", "MYPATH"), QStringLiteral("/opt/a"));
    testsupport::writeFile(file, "[SETTING]\nMYPATH=/home/user/steps\n");
    EXPECT_EQ(settings::read("QELM_STP", "SETTING", "MYPATH"), QStringLiteral("/home/user/steps"));
    // A later change of this program keeps it.
    settings::write("QELM_STP", "SETTING", "Other", "1");
    EXPECT_EQ(settings::read("QELM_STP", "SETTING", "MYPATH"), QStringLiteral("/home/user/steps"));
    EXPECT_TRUE(testsupport::readFile(file).contains("MYPATH=/home/user/steps"));
}
