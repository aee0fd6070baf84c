// Cut, copy and paste of the user's step window on the demo program: the
// exact clipboard text of whole rows and of cell blocks, where a paste goes
// and where it is refused, and that a paste writes only what typing would
// accept.

#include "StepCommandFixture.h"

#include "stepeditor/cells/CounterRows.h"

using steptest::StepCommandFixture;
using testsupport::scriptedUi;

namespace {

const QString kTwentyOneBytes = QStringLiteral("123456789012345678901");

class StepClipboard : public StepCommandFixture {
protected:
    // Copies a selection of the user window in a selection mode.
    void copy(int mode, int row, int col, int rowSel, int colSel)
    {
        grid().setSelectionMode(mode);
        grid().Select(row, col, rowSel, colSel);
        command("keyCOPY");
        grid().setSelectionMode(platform::grid::selFree);
    }

    // A row's cells col1..col2 as they stand.
    QStringList cells(int row, int col1, int col2)
    {
        QStringList texts;
        for (int col = col1; col <= col2; ++col)
            texts << cell(row, col);
        return texts;
    }
};

} // namespace

TEST_F(StepClipboard, WholeRowsAreCopiedWithTheirMarksAndEveryCellAfterTheStepNumber)
{
    // Row 13 carries the REM mark, row 14 does not; the selection may be dragged upward.
    copy(platform::grid::selByRow, 14, 5, 13, 5);
    const QString empties(21, QLatin1Char('\t'));
    EXPECT_EQ(clipboardText(), QStringLiteral("1\r\nNote\r\n"
                                              "REM\tOld clamp release\tCLAMP\t0\t30\tTRIM_ON\t3\t2") +
                                   empties + QStringLiteral("\r\nNOTREM\tCycle end\tREG01\t0\t0\tCLAMP_UP\t1\t2") +
                                   empties);
    EXPECT_EQ(clipboardText().split(QStringLiteral("\r\n")).at(2).split(QLatin1Char('\t')).size(), 29);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(user().IsChanged());
}

TEST_F(StepClipboard, ABlockIsCopiedLeftToRightUnderItsLeftmostTitle)
{
    // Selected from column 7 leftward to column 5, over rows 2 and 1.
    copy(platform::grid::selFree, 2, 7, 1, 5);
    EXPECT_EQ(clipboardText(), QStringLiteral("0\r\nFunc.\r\nNOTREM\tSTART\t1\t2\r\nNOTREM\tREG01\t0\t0"));

    // One cell: three lines; it goes only under a column of its title.
    copy(platform::grid::selFree, 1, 2, 1, 2);
    EXPECT_EQ(clipboardText(), QStringLiteral("0\r\nOutput\r\nNOTREM\tREG01"));
    const std::string before = shown();
    scriptedUi().answerMessageBox(platform::vbOK);
    grid().Select(30, 3);
    command("keyPASTE");
    EXPECT_EQ(messages(), QStringList{message(71)});
    EXPECT_EQ(shown(), before);
    EXPECT_FALSE(user().IsChanged());
    grid().Select(30, 2);
    command("keyPASTE");
    EXPECT_EQ(cell(30, 2), QStringLiteral("REG01"));
    EXPECT_EQ(cell(30, 3), QString()); // the cells beside it are not filled in
    EXPECT_TRUE(user().IsChanged());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StepClipboard, TextThatIsNoCopyOfTheGridIsNotPasted)
{
    const struct {
        const char* text;
        int col;
        int message;
    } cases[] = {
        {"", 2, 58},
        {"REG01", 2, 58},                          // one word copied from another program
        {"1\nNote\nNOTREM\tx", 2, 58},             // line feeds alone do not part lines
        {"2\r\nOutput\r\nNOTREM\tREG01", 2, 58},   // no such mode
        {"1.5\r\nNote\r\nNOTREM\tx", 2, 58},
        {"&H7FFFFFFFFF\r\nNote\r\nNOTREM\tx", 2, 58}, // a number no mode can be
        {"x\r\nOutput\r\nNOTREM\tREG01", 3, 71},  // no number: a block, here under another title
        {"0\r\noutput\r\nNOTREM\tREG01", 2, 71},  // titles are compared exactly
    };
    const std::string before = shown();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        scriptedUi().answerMessageBox(platform::vbOK);
        pasteAt(QLatin1String(c.text), 30, c.col);
        EXPECT_EQ(messages(), QStringList{message(static_cast<int16_t>(c.message))});
        EXPECT_EQ(shown(), before);
        EXPECT_FALSE(user().IsChanged());
    }
    // Each paste took its undo snapshot before it read the clipboard.
    EXPECT_EQ(user().dicUndoFiles().size(), std::size(cases));
}

TEST_F(StepClipboard, RowsPastedNearTheBottomStopAtTheLastRow)
{
    copy(platform::grid::selByRow, 1, 1, 10, 1);
    ASSERT_EQ(clipboardText().count(QStringLiteral("\r\n")), 11);
    QList<QStringList> copied;
    for (int row = 1; row <= 5; ++row)
        copied << cells(row, 1, kLastCol);
    grid().Select(188, 4);
    command("keyPASTE");
    EXPECT_TRUE(messages().isEmpty());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(cells(188 + i, 1, kLastCol), copied[i]) << 188 + i;
    EXPECT_EQ(grid().Rows(), kLastRow + 1);
    EXPECT_EQ(cell(187, 2), QString());
    EXPECT_TRUE(user().IsChanged());
}

TEST_F(StepClipboard, ABlockFitsOnlyUnderTheTitlesItWasCopiedFrom)
{
    // Two input groups that each end a step, the last group's relation being END.
    for (const int col : {5, 8}) {
        grid().setTextMatrix(50, col, QStringLiteral("REG01"));
        grid().setTextMatrix(50, col + 1, QStringLiteral("0"));
        grid().setTextMatrix(50, col + 2, QStringLiteral("2"));
    }
    // Input group 1 of row 50 into group 8 of row 40.
    copy(platform::grid::selFree, 50, 5, 50, 7);
    grid().Select(40, 26);
    command("keyPASTE");
    EXPECT_EQ(cells(40, 26, 28), (QStringList{"REG01", "0", "2"}));
    // One column further, the state column's title is not the function's.
    const std::string before = shown();
    scriptedUi().answerMessageBox(platform::vbOK);
    grid().Select(41, 27);
    command("keyPASTE");
    EXPECT_EQ(messages(), QStringList{message(71)});
    EXPECT_EQ(shown(), before);

    // Groups 1 and 2 pasted into group 8: what falls beyond the last column is dropped.
    copy(platform::grid::selFree, 50, 5, 50, 10);
    grid().Select(42, 26);
    command("keyPASTE");
    EXPECT_EQ(cells(42, 25, 28), (QStringList{"", "REG01", "0", "2"}));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StepClipboard, WholeRowsCarryTheirRemMarksAndBlocksLeaveTheMarksAlone)
{
    copy(platform::grid::selByRow, 13, 1, 14, 1);
    grid().Select(40, 1);
    command("keyPASTE");
    EXPECT_TRUE(user().IsREM(40));
    EXPECT_FALSE(user().IsREM(41));
    // Unmarked rows pasted over a marked one clear its mark.
    grid().Select(39, 1);
    command("keyPASTE");
    EXPECT_FALSE(user().IsREM(40));

    // A block of the marked row onto an unmarked one, and back.
    copy(platform::grid::selFree, 13, 2, 13, 4);
    grid().Select(2, 2);
    command("keyPASTE");
    EXPECT_EQ(cells(2, 2, 4), (QStringList{"CLAMP", "0", "30"}));
    EXPECT_FALSE(user().IsREM(2));
    copy(platform::grid::selFree, 14, 2, 14, 4);
    grid().Select(13, 2);
    command("keyPASTE");
    EXPECT_EQ(cells(13, 2, 4), (QStringList{"REG01", "0", "0"}));
    EXPECT_TRUE(user().IsREM(13));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StepClipboard, APasteWritesOnlyWhatTypingWouldAcceptAndElseNothing)
{
    using QelmStp::CounterRows;
    const struct {
        const char* name;
        QString text;
        int row, col;
        QString message;
    } cases[] = {
        {"unknown output", "0\r\nOutput\r\nNOTREM\tNOSUCH", 30, 2, message(67)},
        {"unknown input in the second row", "1\r\nNote\r\nNOTREM\tok\tCLAMP\t1\t50\r\nNOTREM\tbad\tCLAMP\t1\t50\tNOSUCH",
         30, 1, message(67)},
        {"long remark", QStringLiteral("0\r\nNote\r\nNOTREM\t") + kTwentyOneBytes, 30, 1, message(56, 20)},
        {"delay not a number", "0\r\nDelay\r\nNOTREM\t5x", 2, 4, message(48)},
        {"delay out of range", "0\r\nDelay\r\nNOTREM\t65001", 2, 4, message(43, 0, 65000)},
        {"delay out of range under the logic pasted with it", "0\r\nOutput\r\nNOTREM\tCLAMP\t1\t-1", 9, 2,
         message(43, 0, 65000)},
        {"counter off the first group", "0\r\nFunc.\r\nNOTREM\tCNT1", 2, 8, message(87)},
        {"counter operand neither counter nor number", "0\r\nFunc.\r\nNOTREM\tREG01", 10, 8,
         message(81, CounterRows::kMinConstant, CounterRows::kMaxConstant)},
        {"counter row's fourth group", "0\r\nFunc.\r\nNOTREM\tSTART", 10, 14, message(89)},
    };
    const std::string before = shown();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        scriptedUi().answerMessageBox(platform::vbOK);
        pasteAt(c.text, c.row, c.col);
        EXPECT_EQ(messages(), QStringList{c.message});
        EXPECT_EQ(shown(), before);
        EXPECT_FALSE(user().IsChanged());
    }

    // A name is taken in any letter case and written as typing writes it;
    // a counter row's constants are judged in the row they come with.
    pasteAt(QStringLiteral("0\r\nOutput\r\nNOTREM\tclamp"), 30, 2);
    EXPECT_EQ(cell(30, 2), QStringLiteral("CLAMP"));
    copy(platform::grid::selByRow, 12, 1, 12, 1);
    grid().Select(31, 1);
    command("keyPASTE");
    EXPECT_EQ(cells(31, 1, kLastCol), cells(12, 1, kLastCol));
    // The unused mark and empty cells of a RETURN row are copied as they stand.
    copy(platform::grid::selByRow, 21, 1, 21, 1);
    grid().Select(32, 1);
    command("keyPASTE");
    EXPECT_EQ(cells(32, 1, kLastCol), cells(21, 1, kLastCol));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StepClipboard, CutCopiesThenClearsAndUndoPutsItBack)
{
    const std::string demo = shown();
    // Whole rows: copied, cleared with their REM mark, and No keeps the gap.
    ASSERT_TRUE(user().IsREM(13));
    grid().setSelectionMode(platform::grid::selByRow);
    grid().Select(13, 1, 13, 1);
    scriptedUi().answerMessageBox(platform::vbNo);
    command("keyCUT");
    EXPECT_EQ(messages(), QStringList{message(59)});
    EXPECT_EQ(user().dicUndoFiles().size(), 1);
    EXPECT_TRUE(clipboardText().startsWith(QStringLiteral("1\r\nNote\r\nREM\tOld clamp release\tCLAMP\t")));
    EXPECT_EQ(cells(13, 1, kLastCol), QStringList(kLastCol, QString()));
    EXPECT_FALSE(user().IsREM(13));
    EXPECT_TRUE(user().IsChanged());

    // A block, selected from its far corner: copied left to right, cleared,
    // and the REM mark of a row it touches stays (the step stays disabled).
    user().SetREMColor(2, true);
    grid().setSelectionMode(platform::grid::selFree);
    grid().Select(2, 4, 1, 2);
    command("keyCUT");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(user().dicUndoFiles().size(), 2);
    EXPECT_EQ(clipboardText(), QStringLiteral("0\r\nOutput\r\nNOTREM\tREG01\t1\t0\r\nREM\tCLAMP\t1\t50"));
    EXPECT_EQ(cells(1, 2, 4), QStringList(3, QString()));
    EXPECT_EQ(cells(2, 2, 4), QStringList(3, QString()));
    EXPECT_TRUE(user().IsREM(2));

    // Undo puts back each cut, newest first; the clipboard keeps the last cut.
    for (int i = 0; i < 2; ++i) {
        scriptedUi().answerMessageBox(platform::vbYes);
        command("keyUNDO");
    }
    user().SetREMColor(2, false);
    EXPECT_EQ(shown(), demo);
    EXPECT_TRUE(clipboardText().startsWith(QStringLiteral("0\r\nOutput\r\n")));
}

TEST_F(StepClipboard, CuttingTheLastRowsAsksNothingAboutTheGap)
{
    for (int row = 190; row <= kLastRow; ++row)
        grid().setTextMatrix(row, 1, QStringLiteral("tail"));
    grid().setSelectionMode(platform::grid::selByRow);
    grid().Select(190, 1, kLastRow, 1);
    command("keyCUT");
    EXPECT_TRUE(messages().isEmpty());
    for (int row = 190; row <= kLastRow; ++row)
        EXPECT_EQ(cell(row, 1), QString()) << row;
}

TEST_F(StepClipboard, RowsOfTheReferenceWindowArePastedIntoTheUsersWindow)
{
    scriptedUi().answerInput(QLatin1String(kPassword));
    ASSERT_TRUE(user().ReadStep(1, 0, demo_));
    QelmStp::fStep& reference = *state().frmStd;
    ASSERT_TRUE(reference.IsLoaded());
    auto& g = reference.fg().data();
    g.setSelectionMode(platform::grid::selByRow);
    g.Select(13, 3);
    QAction* copyButton = reference.toolKey(QStringLiteral("keyCOPY"));
    ASSERT_TRUE(copyButton->isEnabled());
    copyButton->trigger();
    EXPECT_TRUE(reference.dicUndoFiles().isEmpty());

    grid().Select(50, 1);
    command("keyPASTE");
    EXPECT_EQ(cells(50, 1, kLastCol), cells(13, 1, kLastCol));
    EXPECT_TRUE(user().IsREM(50));
}
