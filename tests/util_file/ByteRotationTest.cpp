#include "FileFixture.h"
#include "tests/platform/SpecialFiles.h"

using namespace Ostrel7;

class ByteRotationTest : public FileFixture {};

TEST_F(ByteRotationTest, EnCodeAndDeCodeShiftEveryByteModulo256)
{
    const QString source = write("src.bin", QByteArray::fromHex("007ffeff"));
    EXPECT_TRUE(file.EnCode(source, path("enc.bin")));
    EXPECT_EQ(readFile(path("enc.bin")), QByteArray::fromHex("0180ff00"));
    EXPECT_TRUE(file.DeCode(path("enc.bin"), path("dec.bin")));
    EXPECT_EQ(readFile(path("dec.bin")), QByteArray::fromHex("007ffeff"));
    EXPECT_EQ(readFile(source), QByteArray::fromHex("007ffeff"));
    EXPECT_FALSE(file.IsFileAitaMaMa());
}

TEST_F(ByteRotationTest, RoundTripInPlaceOverEveryByteValue)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString target = write("all.bin", all);
    EXPECT_TRUE(file.EnCode(target, target));
    EXPECT_EQ(readFile(target), all.right(255) + all.left(1));
    EXPECT_TRUE(file.DeCode(target, target));
    EXPECT_EQ(readFile(target), all);
}

TEST_F(ByteRotationTest, TheDestinationIsExactlyTheRotatedSource)
{
    const QString source = write("src.bin", "\x01\x02");
    const QString longer = write("long.bin", "abcdefgh");
    EXPECT_TRUE(file.EnCode(source, longer));
    EXPECT_EQ(readFile(longer), QByteArray("\x02\x03")); // no stale tail of the old content
}

TEST_F(ByteRotationTest, AnEmptyOrMissingSourceIsReportedAndTouchesNothing)
{
    const QString empty = write("empty.bin", "");
    expectReport();
    EXPECT_FALSE(file.EnCode(empty, path("out.bin")));
    EXPECT_EQ(reportedLabel(), "EnCode");
    expectReport();
    EXPECT_FALSE(file.DeCode(path("missing.bin"), path("out.bin")));
    EXPECT_EQ(reportedLabel(), "DeCode");
    EXPECT_FALSE(QFileInfo::exists(path("out.bin")));
}

TEST_F(ByteRotationTest, AFailedWriteLeavesTheDestinationByteIdentical)
{
    const QString source = write("src.bin", "\x10\x20\x30");
    const QString readOnly = write("ro.bin", "original content");
    makeReadOnly(readOnly);
    expectReport();
    EXPECT_FALSE(file.EnCode(source, readOnly));
    EXPECT_EQ(reportedLabel(), "EnCode");
    EXPECT_EQ(readFile(readOnly), "original content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"ro.bin", "src.bin"})); // no leftovers

    expectReport();
    EXPECT_FALSE(file.DeCode(source, path("no/such/folder/x.bin")));
    EXPECT_EQ(reportedLabel(), "DeCode");
}

// What stands at the source's path is no regular file of a size to hold: both
// members refuse it at once, as they do a missing source, without opening a pipe.
TEST_F(ByteRotationTest, WhatIsNoFileToRotateIsReportedAndTouchesNothing)
{
    using testsupport::Standing;
    const QString destination = write("out.bin", "kept");
    for (const Standing what : {Standing::Fifo, Standing::Folder, Standing::HugeFile}) {
        SCOPED_TRACE(testsupport::nameOf(what));
        const testsupport::StandIn standIn(path("source"), what);
        expectReport();
        EXPECT_FALSE(file.EnCode(path("source"), destination));
        EXPECT_EQ(reportedLabel(), "EnCode");
        expectReport();
        EXPECT_FALSE(file.DeCode(path("source"), destination));
        EXPECT_EQ(reportedLabel(), "DeCode");
        standIn.expectRefusedAtOnce();
        EXPECT_EQ(readFile(destination), "kept");
    }
}
