#include "platform/AtomicFile.h"

#include "FileFaults.h"
#include "TestFiles.h"
#include "platform/FileOps.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::errorOf;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

int32_t errorOfReplacing(const QString& path, const QByteArray& content)
{
    return errorOf([&] { platform::replaceFile(path, content); });
}

// Sets the process's file creation mask for one test and restores it.
class CreationMask {
public:
    explicit CreationMask(mode_t mask) : old_(::umask(mask)) {}
    ~CreationMask() { ::umask(old_); }
    CreationMask(const CreationMask&) = delete;
    CreationMask& operator=(const CreationMask&) = delete;

private:
    mode_t old_;
};

mode_t modeOf(const QString& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st.st_mode & 07777;
}

} // namespace

TEST(AtomicFile, ReplacesAndCreatesWholeFiles)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("t.etb");
    writeFile(target, "old");
    platform::replaceFile(target, "new content");
    EXPECT_EQ(readFile(target), QByteArray("new content"));
    platform::replaceFile(dir.filePath("fresh.bin"), "x");
    EXPECT_EQ(readFile(dir.filePath("fresh.bin")), QByteArray("x"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
}

TEST(AtomicFile, FailuresLeaveTheTargetsAsTheyWere)
{
    QTemporaryDir dir;
    const QString table = dir.filePath("t.stg");
    const QString sek = dir.filePath("t.SEK");
    writeFile(table, "table");
    writeFile(sek, "sek");
    QFile(sek).setPermissions(QFileDevice::ReadOwner);

    platform::FileReplacement pair;
    pair.stage(table, "new table");
    EXPECT_THROW(pair.stage(sek, "new sek"), platform::RuntimeError);
    EXPECT_EQ(readFile(table), QByteArray("table")); // nothing committed before everything was prepared
    EXPECT_EQ(readFile(sek), QByteArray("sek"));

    EXPECT_THROW(platform::replaceFile(dir.filePath("no/such/folder/x"), "x"), platform::RuntimeError);
}

TEST(AtomicFile, EveryFailingOperationKeepsTheOldFilesAndIsAnswered)
{
    struct Case {
        const char* name;
        QStringList targets; // relative to the folder; an empty old content means none
        QList<QByteArray> old;
    };
    const Case cases[] = {
        {"one file over an old one", {"t.etb"}, {QByteArray(50000, 'o')}},
        {"a new file", {"fresh.etb"}, {QByteArray()}},
        {"a table and its SEK", {"t.stg", "t.SEK"}, {"old table", "old sek"}},
        {"three files, one new", {"a.e", "b.e", "c.e"}, {"old a", QByteArray(), "old c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        auto prepare = [&] {
            for (qsizetype i = 0; i < c.targets.size(); ++i) {
                QFile::remove(dir.filePath(c.targets[i]));
                if (!c.old[i].isEmpty())
                    writeFile(dir.filePath(c.targets[i]), c.old[i]);
            }
        };
        auto save = [&] {
            platform::FileReplacement set;
            for (const QString& t : c.targets)
                set.stage(dir.filePath(t), "new " + t.toLatin1());
            try {
                set.commit();
            } catch (const platform::RuntimeError& e) {
                EXPECT_EQ(e.number(), platform::errDiskFull) << e.description().toStdString();
                EXPECT_TRUE(e.description().contains("No file was changed")) << e.description().toStdString();
                throw;
            }
            return true;
        };
        const int operations = testsupport::failEachFileOperation({dir.path()}, prepare, save, ENOSPC);
        EXPECT_GE(operations, 5 * static_cast<int>(c.targets.size()));
        for (const QString& t : c.targets)
            EXPECT_EQ(readFile(dir.filePath(t)), "new " + t.toLatin1());
        EXPECT_EQ(testsupport::snapshotOf(dir.path()).size(), static_cast<size_t>(c.targets.size()));
    }
}

TEST(AtomicFile, AFileThatCannotBePutBackIsNamedWithItsOldContent)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("t.stp"), "old step");
    writeFile(dir.filePath("t.BIN"), "old note");
    // The second file's rename fails, and so does putting the first one back.
    int renames = 0;
    platform::fileops::setFaultHook([&](platform::fileops::Op op, const QString&) {
        return op == platform::fileops::Op::Rename && (++renames == 2 || renames == 3) ? EIO : 0;
    });
    platform::FileReplacement pair;
    {
        // Paths built on the heap and gone after staging: the replacement's own
        // copies are all that is left of them when the error is put together.
        auto step = std::make_unique<QString>(dir.filePath("t.stp"));
        auto note = std::make_unique<QString>(dir.filePath("t.BIN"));
        pair.stage(*step, "new step");
        pair.stage(*note, "new note");
    }
    try {
        pair.commit();
        ADD_FAILURE() << "committed";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errDeviceIO);
        EXPECT_TRUE(e.description().contains("could not be put back")) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains("t.stp")) << e.description().toStdString();
        // The file whose replacement failed leads the message.
        EXPECT_TRUE(e.description().contains(QDir::toNativeSeparators(dir.filePath("t.BIN")) + ". "))
            << e.description().toStdString();
    }
    platform::fileops::setFaultHook({});
    EXPECT_EQ(readFile(dir.filePath("t.stp")), "new step");
    EXPECT_EQ(readFile(dir.filePath("t.BIN")), "old note");
    // The first file's old content is still on disk under its second name,
    // beside the journal (and its roll-back marker) that lets the next
    // recovery put it back.
    const auto files = testsupport::snapshotOf(dir.path());
    EXPECT_EQ(files.size(), 5u);
    EXPECT_EQ(std::count_if(files.begin(), files.end(), [](const auto& f) { return f.second == "old step"; }), 1);
    // Reading the file puts the set back, wholly old, and nothing is left.
    EXPECT_EQ(platform::readWholeFile(dir.filePath("t.BIN"), 100), "old note");
    EXPECT_EQ(readFile(dir.filePath("t.stp")), "old step");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), QStringList({"t.BIN", "t.stp"}));
}

TEST(AtomicFile, ErrorNumbersSayWhatWentWrong)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("locked"), "old");
    QFile::setPermissions(dir.filePath("locked"), QFileDevice::ReadOwner);
    QDir(dir.path()).mkdir("folder");
    QFile::link(dir.filePath("missing/target"), dir.filePath("dangling"));
    struct Case {
        const char* name;
        QString path;
        int error;
    };
    const Case cases[] = {
        {"a file marked read-only", dir.filePath("locked"), platform::errPermissionDenied},
        {"a folder of that name", dir.filePath("folder"), platform::errPathFileAccess},
        {"a missing folder", dir.filePath("no/such/folder/x"), platform::errPathNotFound},
        {"a link into a missing folder", dir.filePath("dangling"), platform::errPathNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorOfReplacing(c.path, "new"), c.error);
    }
    EXPECT_EQ(readFile(dir.filePath("locked")), "old");

    const int kinds[][2] = {{ENOSPC, platform::errDiskFull}, {EDQUOT, platform::errDiskFull},
                            {EFBIG, platform::errDiskFull},  {EROFS, platform::errPermissionDenied},
                            {EACCES, platform::errPermissionDenied}, {EIO, platform::errDeviceIO}};
    for (const auto& [errnoValue, error] : kinds) {
        SCOPED_TRACE(errnoValue);
        testsupport::FailNthFileOperation fault(1, errnoValue);
        EXPECT_EQ(errorOfReplacing(dir.filePath("new.etb"), "new"), error);
    }
}

TEST(AtomicFile, LinksAreWrittenThroughAndStay)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("real");
    writeFile(dir.filePath("real/t.etb"), "old");
    ASSERT_TRUE(QFile::link("real/t.etb", dir.filePath("link.etb")));
    platform::replaceFile(dir.filePath("link.etb"), "new");
    EXPECT_TRUE(QFileInfo(dir.filePath("link.etb")).isSymLink());
    EXPECT_EQ(readFile(dir.filePath("real/t.etb")), "new");
    EXPECT_EQ(QDir(dir.filePath("real")).entryList(QDir::Files | QDir::Hidden), QStringList{"t.etb"});
}

namespace {

// Gives a file or link to another user (nobody); only root can.
bool giveToAnotherUser(const QString& path)
{
    return ::lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
}

} // namespace

// Whoever may write into a folder could put a link there to make this user's
// save write into a file of this user's elsewhere: a link another user made is
// never followed, whatever the folder's mode; this user's own link is. A pair
// with such a link fails whole and leaves nothing behind.
TEST(AtomicFile, ALinkAnotherUserPlantedIsNotFollowedWhateverTheFolder)
{
    const struct {
        const char* what;
        mode_t mode;
    } folders[] = {
        {"a shared sticky folder", 01777},
        {"a group's folder, not sticky", 0775},
        {"a private folder", 0755},
    };
    for (const auto& f : folders) {
        SCOPED_TRACE(f.what);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("shared");
        const QString shared = dir.filePath("shared");
        ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), f.mode), 0);
        writeFile(dir.filePath("victim.BIN"), "old");
        const QString planted = shared + "/t.BIN";
        const QString own = shared + "/mine.BIN";
        ASSERT_TRUE(QFile::link(dir.filePath("victim.BIN"), planted));
        ASSERT_TRUE(QFile::link(dir.filePath("victim.BIN"), own));
        writeFile(shared + "/t.stp", "old steps");
        if (!giveToAnotherUser(planted))
            GTEST_SKIP() << "a link can be given to another user only by root";
        EXPECT_EQ(errorOfReplacing(planted, "new"), platform::errPermissionDenied);
        EXPECT_EQ(testsupport::errorOf([&] {
                      platform::FileReplacement pair;
                      pair.stage(shared + "/t.stp", "new steps");
                      pair.stage(planted, "new notes");
                      pair.commit();
                  }),
                  platform::errPermissionDenied);
        EXPECT_EQ(readFile(dir.filePath("victim.BIN")), "old");
        EXPECT_EQ(readFile(shared + "/t.stp"), "old steps");
        EXPECT_EQ(QDir(shared).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  (QStringList{"mine.BIN", "t.BIN", "t.stp"}));
        // This user's own link in the same folder is followed.
        platform::replaceFile(own, "mine");
        EXPECT_EQ(readFile(dir.filePath("victim.BIN")), "mine");
        EXPECT_TRUE(QFileInfo(own).isSymLink());
    }
}

// A companion another user put first in a sticky folder that is not this
// user's is theirs: the pair is refused before anything is written, and
// nothing is left behind that this user could not remove.
TEST(AtomicFile, AnotherUsersCompanionInAStickyFolderIsRefusedLeavingNothing)
{
    QTemporaryDir dir;
    const QString shared = dir.filePath("shared");
    QDir(dir.path()).mkdir("shared");
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    writeFile(shared + "/t.stp", "old steps");
    writeFile(shared + "/t.BIN", "their notes");
    if (!giveToAnotherUser(shared) || !giveToAnotherUser(shared + "/t.BIN"))
        GTEST_SKIP() << "a file can be given to another user only by root";
    EXPECT_EQ(testsupport::errorOf([&] {
                  platform::FileReplacement pair;
                  pair.stage(shared + "/t.stp", "new steps");
                  pair.stage(shared + "/t.BIN", "new notes");
                  pair.commit();
              }),
              platform::errPermissionDenied);
    EXPECT_EQ(readFile(shared + "/t.stp"), "old steps");
    EXPECT_EQ(readFile(shared + "/t.BIN"), "their notes");
    EXPECT_EQ(QDir(shared).entryList(QDir::Files | QDir::Hidden | QDir::System), (QStringList{"t.BIN", "t.stp"}));
}

// In a folder others may write into that is not sticky, a file of another
// user's is replaced as any other; its old content is kept aside as a copy
// of this user's, never as a second name of their file, so that whatever a
// failure or a kill leaves is removed (recovery leaves other users' files alone).
TEST(AtomicFile, AnotherUsersFileIsKeptAsideAsACopyThatCanBeRemoved)
{
    QTemporaryDir dir;
    const QString shared = dir.filePath("shared");
    QDir(dir.path()).mkdir("shared");
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0775), 0);
    auto prepare = [&] {
        writeFile(shared + "/t.stp", "old steps");
        writeFile(shared + "/t.BIN", "their notes");
        ASSERT_TRUE(giveToAnotherUser(shared + "/t.BIN"));
    };
    writeFile(shared + "/probe", "");
    if (!giveToAnotherUser(shared + "/probe"))
        GTEST_SKIP() << "a file can be given to another user only by root";
    QFile::remove(shared + "/probe");
    auto save = [&] {
        platform::FileReplacement pair;
        pair.stage(shared + "/t.stp", "new steps");
        pair.stage(shared + "/t.BIN", "new notes");
        pair.commit();
        return true;
    };
    testsupport::sweepEachFileOperation({shared}, prepare, save);
    EXPECT_EQ(readFile(shared + "/t.BIN"), "new notes");
}

TEST(AtomicFile, OneFileCannotBeTwoFilesOfASet)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("t.BIN"), "old");
    ASSERT_TRUE(QFile::link(dir.filePath("t.BIN"), dir.filePath("alias.BIN")));
    platform::FileReplacement pair;
    pair.stage(dir.filePath("t.BIN"), "step");
    EXPECT_THROW(pair.stage(dir.filePath("alias.BIN"), "note"), platform::RuntimeError);
    EXPECT_THROW(pair.stage(dir.filePath("t.BIN"), "note"), platform::RuntimeError);
}

TEST(AtomicFile, PermissionsOfTheOldFileAreKept)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("t.etb"), "old");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                    | QFileDevice::WriteGroup | QFileDevice::ReadOther;
    QFile::setPermissions(dir.filePath("t.etb"), mode);
    platform::replaceFile(dir.filePath("t.etb"), "new");
    EXPECT_EQ(QFile::permissions(dir.filePath("t.etb")) & ~QFileDevice::Permissions(0x0f00), mode); // without the "user" bits
}

TEST(AtomicFile, NewFilesTakeTheCreationMaskAndReplacedFilesKeepTheirBits)
{
    struct Case {
        mode_t mask;
        mode_t old; // 0: no file before
        mode_t expected;
    };
    const Case cases[] = {
        {022, 0, 0644},
        {077, 0, 0600},
        {002, 0, 0664},
        {077, 0664, 0664}, // the mask does not narrow the old file's bits
        {022, 0666, 0666},
        {000, 0640, 0640},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << "mask " << c.mask << ", old " << c.old);
        QTemporaryDir dir;
        const QString target = dir.filePath("t.etb");
        if (c.old != 0) {
            writeFile(target, "old");
            ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), c.old), 0);
        }
        const CreationMask mask(c.mask);
        EXPECT_EQ(platform::fileops::newFileMode(), 0666 & ~c.mask);
        platform::FileReplacement set;
        set.stage(target, "new");
        set.commit();
        EXPECT_EQ(modeOf(target), c.expected);
    }
}

// A real size limit, not the fault hook: the kernel refuses the write past it.
TEST(AtomicFileDeathTest, AFileSizeLimitKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QByteArray old(50000, 'o');
    writeFile(dir.filePath("t.etb"), old);
    const auto replaceUnderLimit = [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 4096;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        _exit(errorOfReplacing(dir.filePath("t.etb"), QByteArray(16384, 'n')));
    };
    EXPECT_EXIT(replaceUnderLimit(),
        ::testing::ExitedWithCode(platform::errDiskFull), "");
    EXPECT_EQ(readFile(dir.filePath("t.etb")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"t.etb"});
}
