// The step editor's saves with the disk failing at each of their file
// operations in turn: the step file and its note file stay exactly as they
// were, nothing is left beside them, the working copies are as they were, and
// the user is told that the data was not saved. Killed at each of those
// operations, a save leaves the pair wholly old or wholly new once the program
// is started again (the dead run's working folder removed) and opens it.
// Links and companions another user planted in a shared folder are never
// written through and leave nothing behind.

#include "StepEditorFixture.h"
#include "FileFaults.h"
#include "WindowDriver.h"

#include "platform/Clock.h"
#include "platform/RuntimeError.h"
#include "platform/grid/FlexGrid.h"

#include <QDialog>
#include <QTemporaryDir>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

constexpr int kTable = 8192;

// The test process; the saves killed run in children forked from it.
const pid_t kTestProcess = ::getpid();

// A child forked to be killed works in a private working folder of its own,
// as a run of the program does, holding the working copies of the window it
// was forked with; those of the test process stay as they are. Its folder is
// left when it dies, as a killed run's is.
void useOwnWorkingFolderInAChild()
{
    if (::getpid() == kTestProcess)
        return;
    const QDir inherited(platform::folders::workingFolder());
    QTemporaryDir own(QDir(QDir::tempPath()).filePath(QStringLiteral("qelm-%1-XXXXXX").arg(::getpid())));
    own.setAutoRemove(false);
    for (const QString& name : inherited.entryList(QDir::Files | QDir::Hidden))
        QFile::copy(inherited.filePath(name), QDir(own.path()).filePath(name));
    platform::folders::setWorkingFolderForTesting(own.path());
}

std::function<bool()> saving(QelmStp::fStep& window, int32_t mode)
{
    return [&window, mode] {
        useOwnWorkingFolderInAChild();
        return window.SaveStepData(mode);
    };
}

// One save under a fault: a failed one shows the error report, then message
// 50 (the working copies were not written) or 79 (the files were not
// replaced), and the report names a full disk.
std::function<bool()> saveReportingDiskFull(QelmStp::fStep& window, int32_t mode,
                                            const std::function<void()>& script = {})
{
    return testsupport::saveReportingDiskFull({QelmStp::mMOD::MessageText(50), QelmStp::mMOD::MessageText(79)},
                                              saving(window, mode), script);
}

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System); }

} // namespace

class StepSaveFaults : public StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
        // One moment for every run, so every complete save writes the same bytes.
        platform::setClockForTesting([] { return QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)); });
        ASSERT_TRUE(start());
        demo_ = dataCopy("DEMO.stp");
        note_ = dataCopy("DEMO.BIN");
        oldStep_ = readFile(demo_);
        oldNote_ = readFile(note_);
    }

    void TearDown() override
    {
        platform::setClockForTesting({});
        StepEditorFixture::TearDown();
    }

    void openDemoEdited()
    {
        scriptedUi().answerInput(QLatin1String(kPassword));
        ASSERT_TRUE(userWindow().ReadStep(0, 0, demo_));
        userWindow().fg().data().setTextMatrix(6, 4, QStringLiteral("900"));
        userWindow().ControlChange(true);
    }

    void layOutDemo()
    {
        // What a start does first: the folders of killed children go.
        platform::folders::removeDeadWorkingFolders();
        writeFile(demo_, oldStep_);
        writeFile(note_, oldNote_);
    }

    // The user's folder and the working folder: a failed save leaves both as they were.
    QStringList savedFolders() const { return {dataFolder_.path(), platform::folders::workingFolder()}; }

    QString demo_;
    QString note_;
    QByteArray oldStep_;
    QByteArray oldNote_;
};

TEST_F(StepSaveFaults, OverwritingTheOpenTable)
{
    openDemoEdited();
    sweepEachFileOperation(savedFolders(), [&] { layOutDemo(); }, saveReportingDiskFull(userWindow(), 0));
    EXPECT_NE(readFile(demo_).mid(kTable, kTable), oldStep_.mid(kTable, kTable));
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_EQ(QDir(dataFolder_.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"DEMO.BIN", "DEMO.stp"}));
}

TEST_F(StepSaveFaults, SavingIntoAnotherTable)
{
    openDemoEdited();
    auto chooseTable4 = [] {
        scriptedUi().answerDialog([](QDialog& d) {
            const WindowDriver w(d);
            w.click(QStringLiteral("op4"));
            w.ok();
        });
    };
    sweepEachFileOperation(savedFolders(), [&] { layOutDemo(); },
                           saveReportingDiskFull(userWindow(), 2, chooseTable4));
    EXPECT_NE(readFile(demo_).mid(4 * kTable, kTable), oldStep_.mid(4 * kTable, kTable));
    EXPECT_EQ(userWindow().CurrentStarting(), 4 * kTable + 1);
}

TEST_F(StepSaveFaults, SavingAsAnotherFile)
{
    openDemoEdited();
    const QString target = dataPath(QStringLiteral("other.stp"));
    const QString targetNote = dataPath(QStringLiteral("other.BIN"));
    sweepEachFileOperation(savedFolders(),
                           [&] {
                               layOutDemo();
                               QFile::remove(target);
                               QFile::remove(targetNote);
                           },
                           saveReportingDiskFull(userWindow(), 1, [&] { scriptedUi().answerSaveFile(target); }));
    EXPECT_EQ(readFile(target).size(), 65536);
    EXPECT_EQ(readFile(targetNote), oldNote_);
    EXPECT_EQ(state().UsrFullFname, target);
    EXPECT_EQ(readFile(demo_), oldStep_);
}

TEST_F(StepSaveFaults, TheFirstSaveOfANewProgram)
{
    platform::grid::GridData& g = userWindow().fg().data();
    g.setTextMatrix(2, 2, QStringLiteral("REG01"));
    g.setTextMatrix(2, 3, QStringLiteral("1"));
    g.setTextMatrix(2, 4, QStringLiteral("0"));
    g.setTextMatrix(2, 5, QStringLiteral("START"));
    g.setTextMatrix(2, 6, QStringLiteral("1"));
    g.setTextMatrix(2, 7, QStringLiteral("2"));
    userWindow().ControlChange(true);
    const QString target = dataPath(QStringLiteral("new.stp"));
    const QString targetNote = dataPath(QStringLiteral("new.BIN"));
    sweepEachFileOperation(savedFolders(),
                           [&] {
                               layOutDemo();
                               QFile::remove(target);
                               QFile::remove(targetNote);
                           },
                           saveReportingDiskFull(userWindow(), 0, [&] { scriptedUi().answerSaveFile(target); }));
    EXPECT_EQ(readFile(target).size(), 65536);
    EXPECT_EQ(readFile(targetNote).size(), 65536);
    EXPECT_EQ(state().UsrFullFname, target);
}

// Killed at each file operation of a save (and, in the second case, while it
// puts the old pair back after the note file's rename failed), then started
// again as a user starts it: the dead run's working folder is removed first,
// then the file is opened. The open goes through, the pair is wholly old or
// wholly new, and nothing is left beside it.
TEST_F(StepSaveFaults, AStartAfterAKilledSaveOpensThePairWhollyOldOrWhollyNew)
{
    auto openEdited = [&] {
        scriptedUi().answerInput(QLatin1String(kPassword));
        const bool opened = userWindow().ReadStep(0, 0, demo_);
        userWindow().fg().data().setTextMatrix(6, 4, QStringLiteral("900"));
        userWindow().fg().data().setTextMatrix(6, 1, QStringLiteral("NEW"));
        userWindow().ControlChange(true);
        return opened;
    };
    ASSERT_TRUE(openEdited());
    // What a whole save writes, and the number of its note file's rename.
    int noteRename = 0;
    {
        int count = 0;
        platform::fileops::setFaultHook([&](platform::fileops::Op op, const QString& path) {
            ++count;
            if (op == platform::fileops::Op::Rename && QFileInfo(path).fileName() == "DEMO.BIN" && noteRename == 0)
                noteRename = count;
            return 0;
        });
        const bool saved = userWindow().SaveStepData(0);
        platform::fileops::setFaultHook({});
        ASSERT_TRUE(saved);
    }
    ASSERT_GT(noteRename, 0);
    const QByteArray newStep = readFile(demo_);
    const QByteArray newNote = readFile(note_);
    ASSERT_NE(newStep, oldStep_);
    ASSERT_NE(newNote, oldNote_);

    const struct {
        const char* what;
        int failAt; // the operation that fails first (0: none)
    } cases[] = {
        {"killed while it saves", 0},
        {"killed while it puts the old pair back", noteRename},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int endedOld = 0;
        int endedNew = 0;
        for (int n = c.failAt + 1; n < 500; ++n) {
            SCOPED_TRACE(testing::Message() << "killed at operation " << n);
            layOutDemo();
            ASSERT_TRUE(openEdited());
            // The boxes of a failed save, for the child; this process shows none.
            scriptedUi().answerMessageBox(platform::vbOK);
            scriptedUi().answerMessageBox(platform::vbOK);
            const bool killed = killAtFileOperation(
                n, [&] { saving(userWindow(), 0)(); }, c.failAt, ENOSPC);
            scriptedUi().reset();

            platform::folders::removeDeadWorkingFolders();
            ASSERT_TRUE(openEdited());
            const QByteArray step = readFile(demo_);
            const QByteArray note = readFile(note_);
            if (step == oldStep_ && note == oldNote_)
                ++endedOld;
            else if (step == newStep && note == newNote)
                ++endedNew;
            else
                ADD_FAILURE() << "a mixed pair";
            EXPECT_EQ(filesIn(dataFolder_.path()), (QStringList{"DEMO.BIN", "DEMO.stp"}));
            if (!killed)
                break;
        }
        EXPECT_GT(endedOld, 0);
        if (c.failAt == 0) {
            EXPECT_GT(endedNew, 1) << "a kill once the pair's journal is written must complete the save";
        }
    }
}

// Another user may write into a group's shared folder that is not sticky:
// should they replace the note file with a link to a file of the saving
// user's, the save refuses it and changes nothing, that file included.
TEST_F(StepSaveFaults, ANoteFileLinkAnotherUserPlantedIsNotWrittenThrough)
{
    openDemoEdited();
    QTemporaryDir elsewhere;
    const QString own = QDir(elsewhere.path()).filePath(QStringLiteral("own.BIN"));
    writeFile(own, "a file of the saving user");
    ASSERT_EQ(::chmod(QFile::encodeName(dataFolder_.path()).constData(), 0775), 0);
    QFile::remove(note_);
    ASSERT_TRUE(QFile::link(own, note_));
    if (::lchown(QFile::encodeName(note_).constData(), 65534, 65534) != 0)
        GTEST_SKIP() << "a link can be given to another user only by root";
    const FolderSnapshot working = snapshotOf(platform::folders::workingFolder());

    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(userWindow().SaveStepData(0));
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("[ErrCode] %1").arg(platform::errPermissionDenied)))
        << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, QelmStp::mMOD::MessageText(79));
    EXPECT_EQ(readFile(own), "a file of the saving user");
    EXPECT_EQ(readFile(demo_), oldStep_);
    EXPECT_TRUE(QFileInfo(note_).isSymLink());
    EXPECT_EQ(filesIn(dataFolder_.path()), (QStringList{"DEMO.BIN", "DEMO.stp"}));
    EXPECT_EQ(snapshotOf(platform::folders::workingFolder()), working);
    EXPECT_TRUE(userWindow().IsChanged());
}
