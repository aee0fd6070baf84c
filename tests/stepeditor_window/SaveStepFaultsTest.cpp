// The step editor's saves with the disk failing at each of their file
// operations in turn: the step file and its note file stay exactly as they
// were, nothing is left beside them, and the user is told that the data was
// not saved. Killed at each of those operations, a save leaves the pair wholly
// old or wholly new once it is next opened.

#include "StepEditorFixture.h"
#include "FileFaults.h"
#include "WindowDriver.h"

#include "platform/Clock.h"
#include "platform/RuntimeError.h"
#include "platform/grid/FlexGrid.h"

#include <QDialog>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

constexpr int kTable = 8192;

// One save under a fault: a failed one shows the error report, then message
// 50 (the working copies were not written) or 79 (the files were not
// replaced), and the report names a full disk.
std::function<bool()> saveReportingDiskFull(QelmStp::fStep& window, int32_t mode,
                                            const std::function<void()>& script = {})
{
    return testsupport::saveReportingDiskFull({QelmStp::mMOD::MessageText(50), QelmStp::mMOD::MessageText(79)},
                                              [&window, mode] { return window.SaveStepData(mode); }, script);
}

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
        writeFile(demo_, oldStep_);
        writeFile(note_, oldNote_);
    }

    QString demo_;
    QString note_;
    QByteArray oldStep_;
    QByteArray oldNote_;
};

TEST_F(StepSaveFaults, OverwritingTheOpenTable)
{
    openDemoEdited();
    sweepEachFileOperation({dataFolder_.path()}, [&] { layOutDemo(); }, saveReportingDiskFull(userWindow(), 0));
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
    sweepEachFileOperation({dataFolder_.path()}, [&] { layOutDemo(); },
                           saveReportingDiskFull(userWindow(), 2, chooseTable4));
    EXPECT_NE(readFile(demo_).mid(4 * kTable, kTable), oldStep_.mid(4 * kTable, kTable));
    EXPECT_EQ(userWindow().CurrentStarting(), 4 * kTable + 1);
}

TEST_F(StepSaveFaults, SavingAsAnotherFile)
{
    openDemoEdited();
    const QString target = dataPath(QStringLiteral("other.stp"));
    const QString targetNote = dataPath(QStringLiteral("other.BIN"));
    sweepEachFileOperation({dataFolder_.path()},
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
    sweepEachFileOperation({dataFolder_.path()},
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
