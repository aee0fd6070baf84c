// Rows of the user's step window inserted, cleared, deleted and marked REM,
// as the toolbar and the right-click menu run them: the guard of the bottom
// row, the gap closed on request, REM marks moving with their rows, and the
// step references that follow the moved rows.

#include "StepRowsFixture.h"

#include "datamodel/steps/colclsStep.h"
#include "platform/Ui.h"

#include <QApplication>
#include <QMouseEvent>

using steptest::StepRowsFixture;
using testsupport::scriptedUi;
using QelmStp::mMOD::MessageText;

namespace {

class StepRows : public StepRowsFixture {
protected:
    bool isREM(int row) { return user().exchange().IsREM(row); }
    // Whether the row holds any text right of the step number.
    bool blank(int row)
    {
        for (int col = 1; col < grid().Cols(); ++col)
            if (!cell(row, col).isEmpty())
                return false;
        return true;
    }
};

TEST_F(StepRows, AnUpwardDragInsertsAtItsTopRowAndTheReferencesFollow)
{
    for (int row : {5, 6, 7})
        step(row, QStringLiteral("CLAMP"));
    grid().setTextMatrix(6, 1, QStringLiteral("middle"));
    jumpTo(20, 5);
    jumpTo(21, 4);
    // Dragged from row 7 up to row 5.
    grid().Select(7, 2, 5, 2);
    click("keyROWINSERT");

    EXPECT_TRUE(takeMessages().isEmpty());
    for (int row : {5, 6, 7})
        EXPECT_TRUE(blank(row)) << row;
    EXPECT_EQ(cell(9, 1), QStringLiteral("middle"));
    for (int row : {8, 9, 10})
        EXPECT_EQ(cell(row, 2), QStringLiteral("CLAMP")) << row;
    EXPECT_EQ(cell(23, 2), QStringLiteral("J008"));
    EXPECT_EQ(cell(24, 2), QStringLiteral("J004"));
    EXPECT_EQ(grid().Rows(), 193);
    for (int row = 1; row <= 192; ++row)
        ASSERT_EQ(cell(row, 0), QString::number(row));
    // The new rows look like every other step row.
    EXPECT_EQ(grid().CellBackColor(5, 1), grid().CellBackColor(50, 1));
    EXPECT_EQ(grid().CellAlignment(5, 4), grid().CellAlignment(50, 4));
    EXPECT_EQ(grid().CellFontSettingsOf(5, 1), grid().CellFontSettingsOf(50, 1));
    EXPECT_EQ(grid().CellFontSettingsOf(5, 0), grid().CellFontSettingsOf(50, 0));
    EXPECT_TRUE(user().IsChanged());
}

TEST_F(StepRows, OnlyARowThatWouldBePushedOutAsksBeforeInserting)
{
    const struct {
        int lowest; // the lowest row that holds something; 0 for an empty grid
        int count;
        bool asks;
    } cases[] = {{192, 1, true}, {191, 1, false}, {191, 2, true}, {190, 2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lowest << " + " << c.count);
        user().exchange().ClearAll();
        grid().setTextMatrix(c.lowest, 1, QStringLiteral("last"));
        grid().setTextMatrix(3, 1, QStringLiteral("above"));
        EXPECT_EQ(user().SafeBottomRow(c.count), !c.asks);
        // The test looks at the lowest row, not at where the rows go.
        grid().Select(1, 2, c.count, 2);
        user().ControlChange(false);
        if (c.asks)
            scriptedUi().answerMessageBox(platform::vbNo);
        click("keyROWINSERT");
        EXPECT_EQ(takeMessages(), c.asks ? QStringList{MessageText(97)} : QStringList{});
        // No leaves the grid as it was.
        EXPECT_EQ(cell(3, 1).isEmpty(), !c.asks) << "row 3";
        EXPECT_EQ(user().IsChanged(), !c.asks);
    }
    EXPECT_EQ(MessageText(97), QStringLiteral("The bottom row will overflow. Do you insert rows ?"));
    user().exchange().ClearAll();
    EXPECT_TRUE(user().SafeBottomRow(192));

    // Yes pushes the lowest row out without a further word.
    user().exchange().ClearAll();
    grid().setTextMatrix(192, 1, QStringLiteral("last"));
    grid().setTextMatrix(191, 1, QStringLiteral("kept"));
    grid().Select(10, 2);
    scriptedUi().answerMessageBox(platform::vbYes);
    click("keyROWINSERT");
    EXPECT_EQ(takeMessages(), QStringList{MessageText(97)});
    EXPECT_EQ(cell(192, 1), QStringLiteral("kept"));
    EXPECT_EQ(grid().Rows(), 193);
}

TEST_F(StepRows, ClosingTheGapIsAskedOnlyAboveTheLastRow)
{
    for (int row = 1; row <= 192; ++row)
        grid().setTextMatrix(row, 1, QStringLiteral("r%1").arg(row));
    const struct {
        int row1;
        int row2;
        int answer; // 0: not asked
        const char* rowAfter; // remark of row row1 afterwards
        const char* row13After;
    } cases[] = {
        {10, 12, platform::vbNo, "", "r13"},
        {190, 192, 0, "", "r13"},
        {12, 10, platform::vbYes, "r13", "r16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row1 << "-" << c.row2);
        for (int row = 1; row <= 192; ++row)
            grid().setTextMatrix(row, 1, QStringLiteral("r%1").arg(row));
        user().ControlChange(false);
        if (c.answer)
            scriptedUi().answerMessageBox(c.answer);
        user().DeleteRows(platform::grid::selByRow, c.row1, c.row2, 1, grid().Cols() - 1);
        EXPECT_EQ(takeMessages(), c.answer ? QStringList{MessageText(59)} : QStringList{});
        const int top = std::min(c.row1, c.row2);
        EXPECT_EQ(cell(top, 1), QLatin1String(c.rowAfter));
        EXPECT_EQ(cell(13, 1), QLatin1String(c.row13After));
        EXPECT_EQ(grid().Rows(), 193);
        EXPECT_TRUE(user().IsChanged());
    }
    // The gap closed: the bottom rows are new, numbered and blank.
    EXPECT_TRUE(blank(192));
    EXPECT_EQ(cell(190, 1), QString());
    EXPECT_EQ(cell(189, 1), QStringLiteral("r192"));
    EXPECT_EQ(cell(192, 0), QStringLiteral("192"));
    EXPECT_EQ(grid().CellBackColor(192, 1), grid().CellBackColor(50, 1));
    EXPECT_EQ(grid().CellAlignment(192, 1), grid().CellAlignment(50, 1));
    EXPECT_EQ(grid().CellFontSettingsOf(192, 1), grid().CellFontSettingsOf(50, 1));
    EXPECT_EQ(MessageText(59), QStringLiteral("Do you pack deleted rows ?"));
}

TEST_F(StepRows, ACellBlockIsClearedWithoutQuestionAndKeepsTheRemMarks)
{
    for (int row : {4, 5, 6}) {
        step(row, QStringLiteral("CLAMP"));
        user().exchange().SetREMColor(row, true);
    }
    // Cells of rows 4 and 5 in cell mode: only they are cleared; a disabled step stays disabled.
    user().DeleteRows(platform::grid::selFree, 5, 4, 3, 2);
    EXPECT_TRUE(takeMessages().isEmpty());
    for (int row : {4, 5}) {
        EXPECT_EQ(cell(row, 2), QString()) << row;
        EXPECT_EQ(cell(row, 3), QString()) << row;
        EXPECT_EQ(cell(row, 4), QStringLiteral("0")) << row;
        EXPECT_TRUE(isREM(row)) << row;
    }
    EXPECT_TRUE(user().IsChanged());
    // Whole rows are no steps any more: their marks go.
    scriptedUi().answerMessageBox(platform::vbNo);
    user().DeleteRows(platform::grid::selByRow, 5, 6, 1, grid().Cols() - 1);
    EXPECT_TRUE(isREM(4));
    EXPECT_FALSE(isREM(5));
    EXPECT_FALSE(isREM(6));
    EXPECT_TRUE(blank(6));
}

TEST_F(StepRows, RemTogglesEachRowOnItsOwnAndIsAChange)
{
    user().exchange().SetREMColor(4, true);
    // Any columns, any mode: the rows of the selection count.
    grid().Select(5, 7, 3, 9);
    click("keyREM");
    EXPECT_TRUE(isREM(3));
    EXPECT_FALSE(isREM(4));
    EXPECT_TRUE(isREM(5));
    EXPECT_FALSE(isREM(6));
    EXPECT_EQ(grid().CellForeColor(3, 0), 255u);
    grid().Select(4, 1);
    click("keyREM");
    EXPECT_TRUE(isREM(4));
    grid().Select(4, 1);
    click("keyREM");
    EXPECT_FALSE(isREM(4));
    EXPECT_EQ(grid().CellForeColor(4, 0), 0u);
    EXPECT_TRUE(scriptedUi().calls().empty());

    // A REM change is saved with the step: closing the program asks about it.
    ASSERT_TRUE(user().IsChanged());
    scriptedUi().answerMessageBox(platform::vbCancel);
    bool cancel = false;
    user().Form_QueryUnload(cancel, QelmStp::fStep::vbFormMDIForm);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(takeMessages(), QStringList{MessageText(13)});
}

TEST_F(StepRows, RemMarksMoveWithTheirRowsAndAreSavedThere)
{
    step(13, QStringLiteral("CLAMP"));
    step(14, QStringLiteral("TRIM"));
    user().exchange().SetREMColor(13, true);
    grid().Select(10, 3, 11, 3);
    click("keyROWINSERT");
    EXPECT_FALSE(isREM(13));
    EXPECT_TRUE(isREM(15));
    EXPECT_FALSE(isREM(16));
    std::shared_ptr<Telva27::colclsStep> program;
    ASSERT_TRUE(user().exchange().Update_step(program));
    EXPECT_TRUE(program->Item(QStringLiteral("15"))->DoesREM());
    EXPECT_FALSE(program->Item(QStringLiteral("16"))->DoesREM());

    // Closing the gap moves them back up.
    scriptedUi().answerMessageBox(platform::vbYes);
    user().DeleteRows(platform::grid::selByRow, 10, 11, 1, grid().Cols() - 1);
    EXPECT_TRUE(isREM(13));
    EXPECT_FALSE(isREM(15));
    EXPECT_EQ(cell(14, 2), QStringLiteral("TRIM"));
}

TEST_F(StepRows, ARightClickKeepsASelectionItLiesInAndElseTakesItsCell)
{
    auto rightClick = [&](int row, int col) {
        const QRect rect = user().fg().cellRect(row, col);
        QMouseEvent press(QEvent::MouseButtonPress, rect.center(), user().fg().viewport()->mapToGlobal(rect.center()),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(user().fg().viewport(), &press);
    };
    user().parentWidget()->showMaximized();
    QCoreApplication::processEvents();
    for (int row = 1; row <= 30; ++row)
        grid().setTextMatrix(row, 1, QStringLiteral("r%1").arg(row));
    const struct {
        const char* name;
        int selectionMode;
        int clickRow;
        int clickCol;
        int firstBlank;
        int count;
    } cases[] = {
        // name, mode, the cell clicked, the first row inserted and the count.
        {"inside rows", platform::grid::selByRow, 5, 9, 4, 3},
        {"inside a block", platform::grid::selFree, 6, 3, 4, 3},
        {"beside a block", platform::grid::selFree, 5, 7, 5, 1},
        {"below the rows", platform::grid::selByRow, 20, 3, 20, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int row = 1; row <= 30; ++row)
            grid().setTextMatrix(row, 1, QStringLiteral("r%1").arg(row));
        grid().setSelectionMode(c.selectionMode);
        grid().Select(4, 2, 6, 4);
        scriptedUi().answerPopupMenu(QStringLiteral("mnuInsert"));
        rightClick(c.clickRow, c.clickCol);
        EXPECT_EQ(scriptedUi().callsOf(testsupport::UiCall::PopupMenu).size(), 1u);
        scriptedUi().clearCalls();
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(cell(c.firstBlank + i, 1), QString()) << c.firstBlank + i;
        EXPECT_EQ(cell(c.firstBlank + c.count, 1), QStringLiteral("r%1").arg(c.firstBlank));
        EXPECT_EQ(cell(c.firstBlank - 1, 1), QStringLiteral("r%1").arg(c.firstBlank - 1));
    }
}

TEST_F(StepRows, GrabOfTheDemoProgramAfterAnInsert)
{
    dataCopy("DEMO.BIN");
    scriptedUi().answerInput(QLatin1String(kPassword));
    ASSERT_TRUE(user().ReadStep(0, 0, dataCopy("DEMO.stp")));
    scriptedUi().clearCalls();
    window().resize(1900, 1000);
    user().parentWidget()->showMaximized();
    ASSERT_TRUE(isREM(13));
    const QString call = cell(3, 2);
    ASSERT_TRUE(call.startsWith(QLatin1Char('C'))) << call.toStdString();
    grid().setSelectionMode(platform::grid::selByRow);
    grid().Select(5, 2, 4, 2);
    click("keyROWINSERT");
    EXPECT_TRUE(isREM(15));
    EXPECT_EQ(cell(3, 2), user().CreateNewDigital(call, 2));
    EXPECT_TRUE(blank(4));
    EXPECT_TRUE(blank(5));
    steptest::grabIfAsked(window(), QStringLiteral("step-rows-inserted.png"));
}

} // namespace
