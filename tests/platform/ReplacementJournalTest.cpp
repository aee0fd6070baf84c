// Saves of a set of files killed at each of their file operations in turn
// (as a crash or a power cut would end them): once the set is next read, it is
// wholly old or wholly new, byte for byte, and nothing is left behind.

#include "platform/ReplacementJournal.h"

#include "FileFaults.h"
#include "TestFiles.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::readFile;
using testsupport::snapshotOf;
using testsupport::writeFile;

namespace {

struct PairCase {
    const char* what;
    const char* first;
    const char* second;
    QByteArray oldFirst, oldSecond; // empty: the file is new
    bool recoverByReading;          // else by recoverReplacements on the folder
};

// The snapshot of a folder holding just these files (empty content: absent).
testsupport::FolderSnapshot filesOf(const QDir& dir, const PairCase& c, const QByteArray& first, const QByteArray& second)
{
    testsupport::FolderSnapshot files;
    if (!first.isEmpty())
        files[dir.filePath(c.first)] = first;
    if (!second.isEmpty())
        files[dir.filePath(c.second)] = second;
    return files;
}

void replacePair(const QDir& dir, const PairCase& c, const QByteArray& first, const QByteArray& second)
{
    platform::FileReplacement files;
    files.stage(dir.filePath(c.first), first);
    files.stage(dir.filePath(c.second), second);
    files.commit();
}

const PairCase kPairs[] = {
    {"table and SEK", "DEMO.stg", "DEMO.SEK", "old table", "old sek", false},
    {"step and note file", "P01.stp", "P01.txt", "old steps", "old notes", true},
    {"step file with a new note file", "P02.stp", "P02.txt", "old steps", "", true},
    {"new table and SEK", "NEW.stg", "NEW.SEK", "", "", false},
};

void recover(const QDir& dir, const PairCase& c)
{
    if (!c.recoverByReading) {
        EXPECT_TRUE(platform::recoverReplacements(dir.path()));
        return;
    }
    try {
        platform::readWholeFile(dir.filePath(c.first), 1 << 20);
    } catch (const std::exception&) {
        // a new file may not exist yet; reading still recovers the folder
    }
}

// Kills the save at each operation (after failing operation failAt, if any);
// checks what the recovery leaves. Answers how many kills ended old and new.
std::pair<int, int> killEachOperation(const PairCase& c, int failAt)
{
    const QByteArray newFirst = QByteArray("new ") + c.first + QByteArray(5000, 'x');
    const QByteArray newSecond = QByteArray("new ") + c.second;
    int endedOld = 0;
    int endedNew = 0;
    for (int n = 1; n < 200; ++n) {
        QTemporaryDir temp;
        const QDir dir(temp.path());
        if (!c.oldFirst.isEmpty())
            writeFile(dir.filePath(c.first), c.oldFirst);
        if (!c.oldSecond.isEmpty())
            writeFile(dir.filePath(c.second), c.oldSecond);
        const bool killed = testsupport::killAtFileOperation(n, [&] {
            try {
                replacePair(dir, c, newFirst, newSecond);
            } catch (const std::exception&) {
                if (failAt == 0)
                    throw;
            }
        }, failAt, EIO);
        SCOPED_TRACE(testing::Message() << "killed at operation " << n);
        recover(dir, c);
        const testsupport::FolderSnapshot after = snapshotOf(dir.path());
        if (after == filesOf(dir, c, newFirst, newSecond))
            ++endedNew;
        else if (after == filesOf(dir, c, c.oldFirst, c.oldSecond))
            ++endedOld;
        else
            ADD_FAILURE() << "a mixed set or leftovers: "
                          << QDir(dir).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
        if (!killed)
            break;
    }
    return {endedOld, endedNew};
}

} // namespace

TEST(ReplacementJournal, AKilledSaveOfAPairEndsWhollyOldOrWhollyNew)
{
    for (const PairCase& c : kPairs) {
        SCOPED_TRACE(c.what);
        const auto [endedOld, endedNew] = killEachOperation(c, 0);
        EXPECT_GT(endedOld, 0);
        EXPECT_GT(endedNew, 1) << "a kill after the journal must complete the save";
    }
}

namespace {

// The number of the save's nth rename among its file operations.
int operationOfRename(int nth, const std::function<void()>& save)
{
    int count = 0;
    int renames = 0;
    int found = 0;
    platform::fileops::setFaultHook([&](platform::fileops::Op op, const QString&) {
        ++count;
        if (op == platform::fileops::Op::Rename && ++renames == nth && found == 0)
            found = count;
        return 0;
    });
    save();
    platform::fileops::setFaultHook({});
    return found;
}

} // namespace

TEST(ReplacementJournal, ASaveKilledWhileItPutsTheOldFilesBackEndsWhollyOld)
{
    // A pair with old files: 2 writes of new files (open, write, flush, close
    // each), 2 links, the journal (open, write, flush, close, sync), then the
    // renames. The second rename fails; the kill comes during the roll-back.
    const PairCase& c = kPairs[0];
    int failAt = 0;
    {
        // Find the second rename by counting the operations of a whole save.
        QTemporaryDir temp;
        const QDir dir(temp.path());
        writeFile(dir.filePath(c.first), c.oldFirst);
        writeFile(dir.filePath(c.second), c.oldSecond);
        failAt = operationOfRename(2, [&] { replacePair(dir, c, "a", "b"); });
    }
    ASSERT_GT(failAt, 0);
    const auto [endedOld, endedNew] = killEachOperation(c, failAt);
    EXPECT_GT(endedOld, 0);
}

// Journals of earlier versions listed a run's working copies, in its private
// working folder, beside the user's pair; the next start removes a dead run's
// folder before anything is read. Killed at each operation (and while the
// old files are put back after the first working copy's rename failed), the
// pair still ends wholly old or wholly new once read, and nothing is left.
TEST(ReplacementJournal, EntriesInAFolderThatVanishedAreDropped)
{
    const QByteArray newStep = "new steps" + QByteArray(5000, 's');
    const QByteArray newNote = "new notes";
    auto save = [&](const QDir& dir, const QDir& working) {
        platform::FileReplacement files;
        files.stage(dir.filePath("P.stp"), newStep);
        files.stage(dir.filePath("P.BIN"), newNote);
        files.stage(working.filePath("eusr2.tmp"), newStep);
        files.stage(working.filePath("eusr3.tmp"), newNote);
        files.commit();
    };
    auto layOut = [](const QDir& dir, const QDir& working) {
        writeFile(dir.filePath("P.stp"), "old steps");
        writeFile(dir.filePath("P.BIN"), "old notes");
        writeFile(working.filePath("eusr2.tmp"), "old steps");
        writeFile(working.filePath("eusr3.tmp"), "old notes");
    };
    int thirdRename = 0;
    {
        QTemporaryDir temp;
        QTemporaryDir working;
        layOut(QDir(temp.path()), QDir(working.path()));
        thirdRename = operationOfRename(3, [&] { save(QDir(temp.path()), QDir(working.path())); });
    }
    ASSERT_GT(thirdRename, 0);
    for (const int failAt : {0, thirdRename}) {
        SCOPED_TRACE(failAt == 0 ? "killed" : "killed while putting the old files back");
        int endedOld = 0;
        int endedNew = 0;
        for (int n = failAt + 1; n < 200; ++n) {
            SCOPED_TRACE(testing::Message() << "killed at operation " << n);
            QTemporaryDir temp;
            QTemporaryDir working;
            const QDir dir(temp.path());
            layOut(dir, QDir(working.path()));
            const bool killed = testsupport::killAtFileOperation(n, [&] {
                try {
                    save(dir, QDir(working.path()));
                } catch (const std::exception&) {
                    if (failAt == 0)
                        throw;
                }
            }, failAt, EIO);
            ASSERT_TRUE(working.remove());
            EXPECT_NO_THROW(platform::readWholeFile(dir.filePath("P.stp"), 1 << 20));
            const testsupport::FolderSnapshot after = snapshotOf(dir.path());
            const testsupport::FolderSnapshot wholeOld = {{dir.filePath("P.BIN"), "old notes"},
                                                          {dir.filePath("P.stp"), "old steps"}};
            const testsupport::FolderSnapshot wholeNew = {{dir.filePath("P.BIN"), newNote},
                                                          {dir.filePath("P.stp"), newStep}};
            if (after == wholeOld)
                ++endedOld;
            else if (after == wholeNew)
                ++endedNew;
            else
                ADD_FAILURE() << "a mixed set or leftovers: "
                              << dir.entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
            if (!killed)
                break;
        }
        EXPECT_GT(endedOld, 0);
        if (failAt == 0) {
            EXPECT_GT(endedNew, 1);
        }
    }
}

TEST(ReplacementJournal, LeftoversOfDeadWritersAreRemovedAndNothingElse)
{
    QTemporaryDir temp;
    const QDir dir(temp.path());
    // A process id that is certainly dead: a child that has ended and was reaped.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const QString dead = QString::number(child);
    const QString live = QString::number(::getppid());
    const QStringList removed = {".t.etb." + dead + "-abc.new", ".t.etb." + dead + "-k9.old",
                                 ".t.etb." + dead + "-zz.qelm-journal"}; // an incomplete journal
    const QStringList kept = {"t.etb",
                              ".t.etb." + live + "-abc.new",    // a live writer's
                              ".t.etb.abc.new",                 // not our pattern
                              "t.etb." + dead + "-abc.new",     // not hidden
                              ".t.etb." + dead + "-abc.new.bak"};
    for (const QString& name : removed + kept)
        writeFile(dir.filePath(name), "x");
    EXPECT_TRUE(platform::recoverReplacements(dir.path()));
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

TEST(ReplacementJournal, AJournalNamingFilesOutsideItsTargetsFoldersIsNotActedOn)
{
    QTemporaryDir temp;
    QTemporaryDir elsewhere;
    const QDir dir(temp.path());
    writeFile(dir.filePath("t.etb"), "mine");
    writeFile(QDir(elsewhere.path()).filePath("planted"), "theirs");
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const QByteArray journal = "qelm-journal 1\n" + QFile::encodeName(dir.filePath("t.etb")) + '\t' +
        QFile::encodeName(QDir(elsewhere.path()).filePath("planted")) + "\t\nend\n";
    writeFile(dir.filePath(QStringLiteral(".t.etb.%1-a.qelm-journal").arg(child)), journal);
    EXPECT_TRUE(platform::recoverReplacements(dir.path()));
    EXPECT_EQ(readFile(dir.filePath("t.etb")), QByteArray("mine"));
    EXPECT_EQ(readFile(QDir(elsewhere.path()).filePath("planted")), QByteArray("theirs"));
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList{"t.etb"});
}

namespace {

timespec modifiedTime(const QString& folder)
{
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    return st.st_mtim;
}

void setModifiedTime(const QString& folder, timespec modified)
{
    const timespec times[2] = {modified, modified};
    EXPECT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0), 0);
}

} // namespace

// A folder once listed and found clean is not listed again while it stands
// as it was; a save cut off in it afterwards is still found, even when the
// folder's modification time was put back as a copying tool may do.
TEST(ReplacementJournal, AFolderSeenCleanIsListedAgainOnceItChanged)
{
    const PairCase& c = kPairs[0];
    const QByteArray newFirst = "new table";
    const QByteArray newSecond = "new sek";
    for (int n = 1; n < 200; ++n) {
        QTemporaryDir temp;
        const QDir dir(temp.path());
        writeFile(dir.filePath(c.first), c.oldFirst);
        writeFile(dir.filePath(c.second), c.oldSecond);
        setModifiedTime(dir.path(), {::time(nullptr) - 60, 0}); // long settled
        const timespec settled = modifiedTime(dir.path());
        EXPECT_TRUE(platform::recoverReplacements(dir.path())); // remembered as clean
        const bool killed = testsupport::killAtFileOperation(n, [&] { replacePair(dir, c, newFirst, newSecond); });
        setModifiedTime(dir.path(), settled);
        SCOPED_TRACE(testing::Message() << "killed at operation " << n);
        EXPECT_TRUE(platform::recoverReplacements(dir.path()));
        const testsupport::FolderSnapshot after = snapshotOf(dir.path());
        EXPECT_TRUE(after == filesOf(dir, c, newFirst, newSecond) || after == filesOf(dir, c, c.oldFirst, c.oldSecond))
            << QDir(dir).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
        if (!killed)
            break;
    }
}
