// Undo in the user's step window on the demo program: snapshots taken before
// each paste (and cut), restored newest first, kept as files in the
// program's working folder only while the program they belong to is shown.

#include "StepCommandFixture.h"

#include "FileFaults.h"
#include "stepeditor/WaitMessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>

#include <cerrno>

using steptest::StepCommandFixture;
using testsupport::grabIfAsked;
using testsupport::scriptedUi;

namespace {

// One whole row of the demo program (row 2) as the clipboard carries it.
const QString kRowTwo = QStringLiteral("1\r\nNote\r\nNOTREM\tClose clamp\tCLAMP\t1\t50\tREG01\t0\t0\tSENS1\t0\t2");
const QString kMarkedRow = QStringLiteral("1\r\nNote\r\nREM\tmarked\tLAMP\t0\t0");

class StepUndo : public StepCommandFixture {
protected:
    // Undo, answering its question.
    void undo(int answer = platform::vbYes)
    {
        scriptedUi().answerMessageBox(answer);
        command("keyUNDO");
    }
};

} // namespace

TEST_F(StepUndo, AnEmptyUndoListIsTold)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    const std::string before = shown();
    command("keyUNDO");
    EXPECT_EQ(messages(), QStringList{message(95)});
    EXPECT_EQ(shown(), before);
    EXPECT_FALSE(user().IsChanged());
}

TEST_F(StepUndo, EachUndoPutsBackTheGridOfTheNewestSnapshotInTheOrderTheyWereTaken)
{
    // Six pastes, each leaving its own grid; more than a few, so that
    // snapshots listed by their (random) file names would come back mixed up.
    std::vector<std::string> before;
    for (int i = 0; i < 6; ++i) {
        before.push_back(shown());
        pasteAt(i % 2 ? kMarkedRow : kRowTwo, 40 + i, 1);
        // An edit after the paste goes with it.
        grid().setTextMatrix(60, 1, QStringLiteral("edit %1").arg(i));
    }
    ASSERT_TRUE(messages().isEmpty());
    ASSERT_EQ(user().dicUndoFiles().size(), 6);
    ASSERT_TRUE(user().IsREM(41));
    const qsizetype files = snapshotFiles().size();

    // No keeps everything.
    const std::string edited = shown();
    undo(platform::vbNo);
    EXPECT_EQ(messages(), QStringList{message(96)});
    EXPECT_EQ(shown(), edited);
    EXPECT_EQ(user().dicUndoFiles().size(), 6);

    for (int i = 5; i >= 0; --i) {
        SCOPED_TRACE(i);
        const QString newest = user().dicUndoFiles().constLast();
        user().ControlChange(false);
        undo();
        EXPECT_EQ(messages(), QStringList{message(96)});
        EXPECT_EQ(shown(), before[i]);
        EXPECT_EQ(user().dicUndoFiles().size(), i);
        EXPECT_FALSE(QFileInfo::exists(newest));
        EXPECT_EQ(snapshotFiles().size(), files - (6 - i));
        EXPECT_TRUE(user().IsChanged());
    }
    // The wait box told the user while the grid was loaded, and is gone again.
    ASSERT_NE(state().waitBox, nullptr);
    EXPECT_EQ(state().waitBox->text(), QStringLiteral("Proceeding..."));
    EXPECT_FALSE(state().waitBox->isShown());

    scriptedUi().answerMessageBox(platform::vbOK);
    command("keyUNDO");
    EXPECT_EQ(messages(), QStringList{message(95)});
}

TEST_F(StepUndo, ARefusedPasteLeavesASnapshotOfTheSameGrid)
{
    const std::string before = shown();
    const qsizetype files = snapshotFiles().size();
    scriptedUi().answerMessageBox(platform::vbOK);
    // A block of an output cell under the logic column.
    pasteAt(QStringLiteral("0\r\nOutput\r\nNOTREM\tCLAMP"), 30, 3);
    EXPECT_EQ(messages(), QStringList{message(71)});
    EXPECT_EQ(user().dicUndoFiles().size(), 1);
    EXPECT_EQ(snapshotFiles().size(), files + 1);

    undo();
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(user().dicUndoFiles().isEmpty());
    EXPECT_EQ(snapshotFiles().size(), files);
}

TEST_F(StepUndo, SnapshotsLiveInTheWorkingFolderWhileTheirProgramIsShown)
{
    const QString folder = QFileInfo(platform::folders::workingFolder()).canonicalFilePath();
    pasteAt(kRowTwo, 40, 1);
    pasteAt(kRowTwo, 41, 1);
    const QStringList taken = user().dicUndoFiles();
    ASSERT_EQ(taken.size(), 2);
    for (const QString& file : taken) {
        const QFileInfo info(file);
        EXPECT_TRUE(info.isFile());
        EXPECT_EQ(info.canonicalPath(), folder);
        EXPECT_TRUE(info.fileName().startsWith(QStringLiteral("~qe")));
        EXPECT_TRUE(info.fileName().endsWith(QStringLiteral(".tmp")));
    }
    const auto gone = [&](const QStringList& files) {
        for (const QString& file : files)
            EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
        EXPECT_TRUE(user().dicUndoFiles().isEmpty());
    };

    // Another table of the file (its changes dropped).
    scriptedUi().answerMessageBox(platform::vbNo);
    QComboBox& tables = user().cboTable();
    tables.setCurrentIndex(1);
    emit tables.activated(1);
    ASSERT_EQ(user().CurrentStarting(), 2 * 8192 + 1);
    gone(taken);
    scriptedUi().answerMessageBox(platform::vbOK);
    command("keyUNDO");
    EXPECT_EQ(messages().back(), message(95));

    // Another step program read.
    pasteAt(kRowTwo, 40, 1);
    QStringList now = user().dicUndoFiles();
    scriptedUi().answerInput(QLatin1String(kPassword));
    ASSERT_TRUE(user().ReadStep(0, 0, demo_));
    gone(now);

    // A new program (its changes dropped).
    pasteAt(kRowTwo, 40, 1);
    now = user().dicUndoFiles();
    scriptedUi().answerMessageBox(platform::vbNo);
    command("keyNew");
    gone(now);

    // The window unloads at the program's end.
    pasteAt(kRowTwo, 40, 1);
    now = user().dicUndoFiles();
    ASSERT_EQ(now.size(), 1);
    user().Form_Unload();
    gone(now);
}

TEST_F(StepUndo, ASnapshotThatCannotBeWrittenIsNotListedAndThePasteGoesOn)
{
    const QStringList files = snapshotFiles();
    {
        testsupport::FailNthFileOperation full(1, ENOSPC);
        scriptedUi().answerMessageBox(platform::vbOK);
        pasteAt(kRowTwo, 40, 1);
        EXPECT_TRUE(full.fired());
    }
    const QStringList told = messages();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("SaveCurrent")));
    EXPECT_EQ(cell(40, 2), QStringLiteral("CLAMP"));
    EXPECT_TRUE(user().IsChanged());
    EXPECT_TRUE(user().dicUndoFiles().isEmpty());
    EXPECT_EQ(snapshotFiles(), files); // nothing half-made is left

    scriptedUi().answerMessageBox(platform::vbOK);
    command("keyUNDO");
    EXPECT_EQ(messages(), QStringList{message(95)});
}

TEST_F(StepUndo, AnUndoAfterSavingMarksTheWindowChangedSoClosingAsks)
{
    pasteAt(kRowTwo, 40, 1);
    ASSERT_TRUE(user().SaveStepData(0));
    ASSERT_FALSE(user().IsChanged());
    undo();
    EXPECT_EQ(cell(40, 2), QString());
    EXPECT_TRUE(user().IsChanged());

    messages();
    scriptedUi().answerMessageBox(platform::vbCancel);
    bool cancel = false;
    user().Form_QueryUnload(cancel, QelmStp::fStep::vbFormMDIForm);
    EXPECT_EQ(messages(), QStringList{message(13)});
    EXPECT_TRUE(cancel);
}

TEST_F(StepUndo, TheReferenceWindowTakesNoSnapshots)
{
    scriptedUi().answerInput(QLatin1String(kPassword));
    ASSERT_TRUE(user().ReadStep(1, 0, demo_));
    QelmStp::fStep& reference = *state().frmStd;
    const QStringList files = snapshotFiles();
    reference.SaveCurrent();
    EXPECT_TRUE(reference.dicUndoFiles().isEmpty());
    EXPECT_EQ(snapshotFiles(), files);
    for (const char* key : {"keyCUT", "keyPASTE", "keyUNDO"})
        EXPECT_FALSE(reference.toolKey(QLatin1String(key))->isEnabled()) << key;
}

TEST_F(StepUndo, GrabOfPastedRowsAndTheWaitBox)
{
    window().resize(1280, 800);
    user().parentWidget()->showMaximized();
    // The demo's first fifteen steps (step 13 marked REM) pasted from row 30 on.
    grid().setSelectionMode(platform::grid::selByRow);
    grid().Select(1, 1, 15, 1);
    command("keyCOPY");
    grid().setSelectionMode(platform::grid::selFree);
    grid().Select(30, 1);
    command("keyPASTE");
    ASSERT_TRUE(user().IsREM(42));
    user().fg().setTopRow(26);
    EXPECT_FALSE(grabIfAsked(window(), QStringLiteral("stp_pasted_rows.png")).isNull());

    QelmStp::WaitMessageBox& wait = *state().waitBox;
    wait.ShowText(QStringLiteral("Proceeding..."), 0);
    QWidget* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("WaitMessageBox"))
            box = w;
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(grabIfAsked(*box, QStringLiteral("stp_wait_box.png")).isNull());
    wait.Close();
    undo();
    EXPECT_FALSE(user().IsREM(42));
}
