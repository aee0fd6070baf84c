#include "platform/Settings.h"

#include "platform/RuntimeError.h"

#include "FileFaults.h"
#include "ScriptedUi.h"
#include "SpecialFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>

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

namespace {

QString storeFile(const QString& app)
{
    const QString file = settings::filePath(app);
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

// The files set aside beside the store, by name.
QStringList setAside(const QString& app)
{
    const QFileInfo store(settings::filePath(app));
    return store.dir().entryList({store.fileName() + ".damaged-*"}, QDir::Files | QDir::System);
}

void removeSetAside(const QString& app)
{
    const QFileInfo store(settings::filePath(app));
    for (const QString& name : setAside(app))
        QFile::remove(store.dir().filePath(name));
}

} // namespace

TEST(Settings, TheFileIsKeptWhereAndHowEarlierVersionsKeptIt)
{
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    EXPECT_EQ(settings::filePath("QELM_SET"), config + "/QELM/QELM_SET.ini");
    // What QSettings wrote reads as it was, and what the store writes reads
    // back in QSettings: folders, numbers, Booleans and texts with the
    // characters its escaping handles.
    const std::vector<std::pair<QString, QString>> values = {
        {"FileInfo", "/home/user/My Steps/日本語"}, {"General", "True"}, {"Location", "-1200"},
        {"General", "1.5"}, {"Odd", " a, b; c=d \"q\" \\ @x "}, {"Odd", "@at"}, {"Odd", "tab\there\nline"},
    };
    {
        QSettings old(QSettings::IniFormat, QSettings::UserScope, "QELM", "Written");
        for (size_t i = 0; i < values.size(); ++i)
            old.setValue(values[i].first + "/Key" + QString::number(i), values[i].second);
        old.sync();
        ASSERT_EQ(old.status(), QSettings::NoError);
    }
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(settings::read("Written", values[i].first, "Key" + QString::number(i)), values[i].second) << i;
    settings::clear("Written");
    for (size_t i = 0; i < values.size(); ++i)
        settings::write("Written", values[i].first, "Key" + QString::number(i), values[i].second);
    const QSettings now(QSettings::IniFormat, QSettings::UserScope, "QELM", "Written");
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(now.value(values[i].first + "/Key" + QString::number(i)).toString(), values[i].second) << i;
    EXPECT_EQ(now.status(), QSettings::NoError);
}

TEST(Settings, AWriteIsSeenByTheNextReadAndKeepsTheOtherLines)
{
    const QString file = storeFile("Kept");
    testsupport::writeFile(file, "; notes of the user\n[FileInfo]\nPath=/a\n\n[%General]\nFlag=True\n");
    settings::write("Kept", "General", "Flag", "False");
    EXPECT_EQ(settings::read("Kept", "general", "flag"), QStringLiteral("False"));
    EXPECT_EQ(testsupport::readFile(file), "; notes of the user\n[FileInfo]\nPath=/a\n\n[%General]\nFlag=False\r\n");
    // The value it already holds leaves the file alone (no replacement, no sync).
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &before), 0);
    settings::write("Kept", "General", "Flag", "False");
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    // A write of another process (a file replaced whole, of the same size) is seen at once.
    testsupport::writeFile(file + ".new", "[%General]\nFlag=Fals2\n");
    ASSERT_TRUE(QFile::remove(file) && QFile::rename(file + ".new", file));
    EXPECT_EQ(settings::read("Kept", "General", "Flag"), QStringLiteral("Fals2"));
}

TEST(Settings, ADamagedFileIsSetAsideToldOnceAndTheDefaultsApply)
{
    struct Case {
        const char* what;
        QByteArray content;
    };
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 7919 + 13) % 256);
    const std::vector<Case> cases = {
        {"binary garbage", garbage},
        {"NUL bytes after the text", QByteArray("[SETTING]\nMYPATH=/opt/a\n") + QByteArray(512, '\0')},
        {"a half-written header", "[FileInfo]\nPath=/a\n[Gene"},
        {"a half-written key", "[FileInfo]\nPath=/a\nPrevStd_ExtFil"},
        {"too large", "[FileInfo]\n" + QByteArray(settings::maxFileSize, ';')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::scriptedUi().reset();
        const QString file = storeFile("Damaged");
        testsupport::writeFile(file, c.content);
        testsupport::scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(settings::read("Damaged", "FileInfo", "Path").has_value());
        const auto boxes = testsupport::scriptedUi().callsOf(testsupport::UiCall::MessageBox);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].text.contains(QDir::toNativeSeparators(file))) << boxes[0].text.toStdString();
        const QStringList aside = setAside("Damaged");
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(boxes[0].text.contains(aside[0]));
        EXPECT_EQ(testsupport::readFile(QFileInfo(file).dir().filePath(aside[0])), c.content);
        // The store starts again from nothing, without another word.
        EXPECT_FALSE(QFile::exists(file));
        settings::write("Damaged", "FileInfo", "Path", "/b");
        EXPECT_EQ(settings::read("Damaged", "FileInfo", "Path"), QStringLiteral("/b"));
        EXPECT_EQ(testsupport::scriptedUi().callsOf(testsupport::UiCall::MessageBox).size(), 1u);
        removeSetAside("Damaged");
    }
}

TEST(Settings, AnythingButAFileIsRefusedAtOnceAndLeftWhereItIs)
{
    for (const auto what : {testsupport::Standing::Fifo, testsupport::Standing::Folder}) {
        SCOPED_TRACE(testsupport::nameOf(what));
        const QString file = storeFile("Special");
        testsupport::StandIn standIn(file, what);
        try {
            settings::read("Special", "FileInfo", "Path");
            ADD_FAILURE() << "read";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errPathFileAccess);
            EXPECT_TRUE(e.description().contains(QDir::toNativeSeparators(file)));
        }
        EXPECT_THROW(settings::write("Special", "FileInfo", "Path", "/a"), platform::RuntimeError);
        EXPECT_THROW(settings::clear("Special"), platform::RuntimeError);
        standIn.expectRefusedAtOnce();
        EXPECT_TRUE(QFileInfo(file).exists() && !QFileInfo(file).isFile());
        EXPECT_TRUE(setAside("Special").isEmpty());
    }
}

TEST(Settings, AFullDiskIsErrorSixtyOneAndLeavesTheFileAsItWas)
{
    const QString file = storeFile("Full");
    testsupport::writeFile(file, "[FileInfo]\nPath=/a\n");
    testsupport::FailNthFileOperation fault(2, ENOSPC); // the temporary file's content
    try {
        settings::write("Full", "FileInfo", "Path", "/b");
        ADD_FAILURE() << "written";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errDiskFull);
    }
    EXPECT_TRUE(fault.fired());
    EXPECT_EQ(testsupport::readFile(file), "[FileInfo]\nPath=/a\n");
    EXPECT_EQ(settings::read("Full", "FileInfo", "Path"), QStringLiteral("/a"));
}

TEST(Settings, AFailureLeavesNoStateBehind)
{
    // A folder where the file belongs fails every operation; once it is gone,
    // the store works again in the same process.
    const QString file = storeFile("Recovers");
    QDir().mkpath(file);
    EXPECT_THROW(settings::read("Recovers", "FileInfo", "Path"), platform::RuntimeError);
    EXPECT_THROW(settings::write("Recovers", "FileInfo", "Path", "/a"), platform::RuntimeError);
    QDir().rmdir(file);
    settings::write("Recovers", "FileInfo", "Path", "/a");
    EXPECT_EQ(settings::read("Recovers", "FileInfo", "Path"), QStringLiteral("/a"));
}

TEST(Settings, AThousandReadsStayFast)
{
    const QString app = "Fast";
    for (int i = 0; i < 40; ++i)
        settings::write(app, "Section" + QString::number(i % 4), "Key" + QString::number(i), "/some/folder/" + QString::number(i));
    // Processor time of this thread, so that a busy machine does not count.
    const auto cpuMs = [] {
        timespec t{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<qint64>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    };
    const qint64 start = cpuMs();
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(settings::read(app, "Section" + QString::number(i % 4), "Key" + QString::number(i % 40)).has_value());
    const qint64 ms = cpuMs() - start;
    RecordProperty("thousand_reads_ms", static_cast<int>(ms));
    std::printf("1000 reads: %lld ms\n", static_cast<long long>(ms));
    EXPECT_LT(ms, 500);
}
