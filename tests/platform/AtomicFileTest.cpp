#include "platform/AtomicFile.h"

#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(AtomicFile, ReplacesAndCreatesWholeFiles)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("t.etb");
    writeRaw(target, "old");
    platform::replaceFile(target, "new content");
    EXPECT_EQ(contentOf(target), QByteArray("new content"));
    platform::replaceFile(dir.filePath("fresh.bin"), "x");
    EXPECT_EQ(contentOf(dir.filePath("fresh.bin")), QByteArray("x"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
}

TEST(AtomicFile, FailuresLeaveTheTargetsAsTheyWere)
{
    QTemporaryDir dir;
    const QString table = dir.filePath("t.stg");
    const QString sek = dir.filePath("t.SEK");
    writeRaw(table, "table");
    writeRaw(sek, "sek");
    QFile(sek).setPermissions(QFileDevice::ReadOwner);

    platform::FileReplacement pair;
    pair.stage(table, "new table");
    EXPECT_THROW(pair.stage(sek, "new sek"), platform::RuntimeError);
    EXPECT_EQ(contentOf(table), QByteArray("table")); // nothing committed before everything was prepared
    EXPECT_EQ(contentOf(sek), QByteArray("sek"));

    EXPECT_THROW(platform::replaceFile(dir.filePath("no/such/folder/x"), "x"), platform::RuntimeError);
}
