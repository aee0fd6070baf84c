#include "platform/Archive.h"

#include "TestFiles.h"
#include "WindowLook.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace archive = platform::archive;
using testsupport::errorOf;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

using testsupport::demoFile;

QString fixture(const QString& name)
{
    return QDir(QStringLiteral(QEL_ARCHIVE_FIXTURES)).filePath(name);
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Offset of the second entry's header in a level 2 archive: header size (16 bits
// at 0) plus compressed size (32 bits at 7) of the first entry.
qsizetype secondHeader(const QByteArray& lzh)
{
    const auto byte = [&](int i) { return static_cast<qsizetype>(static_cast<uint8_t>(lzh[i])); };
    return byte(0) + (byte(1) << 8) + byte(7) + (byte(8) << 8) + (byte(9) << 16) + (byte(10) << 24);
}

} // namespace

TEST(Archive, TheDemoArchiveHoldsTheDemoSetFiles)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("Set01.e"), "old"); // an earlier extraction is replaced
    archive::extractSettingFiles(demoFile("QEL.e"), dir.path());

    QStringList expected;
    for (int n = 1; n <= 10; ++n) {
        const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
        expected << name;
        EXPECT_EQ(readFile(dir.filePath(name)), readFile(demoFile(name))) << name.toStdString();
    }
    EXPECT_EQ(filesIn(dir.path()), expected); // no temporary file left behind
}

TEST(Archive, StoredNamesAndPathsMapToTheCanonicalNames)
{
    // Upper- and lower-case names, paths, a directory entry and other files, with
    // each header level; a later entry of the same name wins.
    for (const char* name : {"names_l0.lzh", "names_l1.lzh", "names_l2.lzh"}) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        archive::extractSettingFiles(fixture(name), dir.path());
        EXPECT_EQ(filesIn(dir.path()), QStringList({"Set01.e", "Set02.e", "Set03.e"}));
        EXPECT_EQ(readFile(dir.filePath("Set01.e")), QByteArray("one again\r\n"));
        EXPECT_EQ(readFile(dir.filePath("Set02.e")), QByteArray("two\r\n"));
        EXPECT_EQ(readFile(dir.filePath("Set03.e")), QByteArray("three\r\n"));
    }
}

TEST(Archive, DamagedArchivesChangeNothing)
{
    const QByteArray demo = readFile(demoFile("QEL.e"));
    const qsizetype second = secondHeader(demo);
    ASSERT_EQ(demo.mid(second + 2, 5), QByteArray("-lh5-"));
    const auto flipped = [&](qsizetype at) {
        QByteArray bytes = demo;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
        return bytes;
    };
    const auto with = [&](qsizetype at, char value) {
        QByteArray bytes = demo;
        bytes[at] = value;
        return bytes;
    };
    // A level 0 header is guarded by a byte sum only (byte 1), which is easy to keep right.
    QByteArray unknownMethod = readFile(fixture("names_l0.lzh"));
    unknownMethod[5] = '9'; // -lh0- becomes -lh9-
    unknownMethod[1] = static_cast<char>(unknownMethod[1] + 9);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"compressed data of the first entry", flipped(second - 20)},
        {"header of the second entry", flipped(second + 12)},
        {"header of the second entry made to look like the end", with(second, 0)},
        {"header of the first entry", with(5, '9')},
        {"unknown compression method", unknownMethod},
        {"first header unrecognisable", with(3, 'x')},
        {"end mark missing", demo.left(demo.size() - 1)},
        {"cut at the second header", demo.left(second)},
        {"cut inside the second entry", demo.left(second + 60)},
        {"cut inside the first header", demo.left(30)},
        {"data after the end", demo + "junk"},
        {"empty", QByteArray()},
        {"not an archive", QByteArray("Set01.e\tSPEED\r\n").repeated(4)},
        {"entry above the size limit", readFile(fixture("big.lzh"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        writeFile(dir.filePath("QEL.e"), c.bytes);
        const QString target = dir.filePath("lib");
        ASSERT_TRUE(QDir().mkpath(target));
        writeFile(QDir(target).filePath("Set01.e"), "old");
        try {
            archive::extractSettingFiles(dir.filePath("QEL.e"), target);
            ADD_FAILURE() << "no error";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errInvalidFileFormat);
            EXPECT_TRUE(e.description().startsWith("Damaged setting archive: ")) << e.description().toStdString();
        }
        EXPECT_EQ(filesIn(target), QStringList({"Set01.e"}));
        EXPECT_EQ(readFile(QDir(target).filePath("Set01.e")), QByteArray("old"));
    }
    // Padding after the end mark is no damage.
    EXPECT_EQ(archive::readSettingFiles(demo + QByteArray("\x1A\0\0", 3)).size(), 10);
}

TEST(Archive, FileErrorsAreReportedAndWriteNothing)
{
    QTemporaryDir dir;
    EXPECT_EQ(errorOf([&] { archive::extractSettingFiles(dir.filePath("QEL.e"), dir.path()); }),
              platform::errFileNotFound);
    EXPECT_EQ(errorOf([&] { archive::extractSettingFiles(dir.path(), dir.path()); }), platform::errFileNotFound);
    EXPECT_EQ(errorOf([&] { archive::extractSettingFiles(demoFile("QEL.e"), dir.filePath("no/such")); }),
              platform::errPathNotFound);
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());

    // A Set file that cannot be replaced stops the extraction before any file is written.
    writeFile(dir.filePath("Set05.e"), "kept");
    QFile(dir.filePath("Set05.e")).setPermissions(QFileDevice::ReadOwner);
    EXPECT_EQ(errorOf([&] { archive::extractSettingFiles(demoFile("QEL.e"), dir.path()); }),
              platform::errPermissionDenied);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"Set05.e"}));
    EXPECT_EQ(readFile(dir.filePath("Set05.e")), QByteArray("kept"));
}
