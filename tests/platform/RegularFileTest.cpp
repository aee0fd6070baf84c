#include "platform/RegularFile.h"

#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "tests/platform/SpecialFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::Standing;
using testsupport::StandIn;

namespace {

constexpr int64_t kLimit = 64;

// The error readWholeFile raises for path; 0 when it reads.
platform::RuntimeError readError(const QString& path)
{
    try {
        platform::readWholeFile(path, kLimit);
    } catch (const platform::RuntimeError& e) {
        return e;
    }
    return platform::RuntimeError(0, QString());
}

class RegularFileTest : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void write(const char* name, const QByteArray& bytes) const { testsupport::writeFile(path(name), bytes); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(RegularFileTest, ReadsAFileUpToItsLimitWhole)
{
    write("full", QByteArray(kLimit, 'x'));
    write("empty", QByteArray());
    EXPECT_EQ(platform::readWholeFile(path("full"), kLimit), QByteArray(kLimit, 'x'));
    EXPECT_EQ(platform::readWholeFile(path("empty"), kLimit), QByteArray());
    ASSERT_TRUE(QFile::link(path("full"), path("link")));
    EXPECT_EQ(platform::readWholeFile(path("link"), kLimit).size(), kLimit);

    QFile file;
    platform::openRegularFile(file, path("full"), kLimit);
    EXPECT_TRUE(file.isOpen());
    EXPECT_EQ(file.size(), kLimit);
}

TEST_F(RegularFileTest, MissingFilesHaveTheirOwnNumbers)
{
    write("file", "x");
    EXPECT_EQ(readError(path("none")).number(), platform::errFileNotFound);
    EXPECT_EQ(readError(path("none/x")).number(), platform::errPathNotFound);
    EXPECT_EQ(readError(path("file/x")).number(), platform::errPathNotFound); // a file as a folder
}

TEST_F(RegularFileTest, WhatIsNoRegularFileOrTooLargeIsRefusedUnread)
{
    write("over", QByteArray(kLimit + 1, 'x'));
    const auto refused = [](const QString& p, const char* why) {
        const platform::RuntimeError e = readError(p);
        EXPECT_EQ(e.number(), platform::errPathFileAccess) << p.toStdString();
        EXPECT_TRUE(e.description().startsWith("Path/File access error: " + p)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QLatin1String(why))) << e.description().toStdString();
    };
    refused(path("over"), "is 65 bytes; a file of its kind holds at most 64 bytes");
    refused("/dev/null", "is not a regular file");
    for (const Standing what : {Standing::Fifo, Standing::Folder, Standing::HugeFile}) {
        SCOPED_TRACE(testsupport::nameOf(what));
        const StandIn standIn(path("data"), what);
        refused(path("data"), what == Standing::HugeFile ? "is 2147483648 bytes" : "is not a regular file");
        standIn.expectRefusedAtOnce();
    }
}
