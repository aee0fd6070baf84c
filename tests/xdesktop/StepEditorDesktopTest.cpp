// The step editor on a real X server: its main window as the window manager
// frames it, and keys struck on the keyboard while a step cell is edited.

#include "EditingKeys.h"
#include "XDesktop.h"

#include "StepEditorFixture.h"

#include "platform/grid/FlexGrid.h"
#include "stepeditor/fFind.h"
#include "stepeditor/grid/StepColumns.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "dialogs/clsSelectKino.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <X11/keysym.h>

using namespace testsupport;

namespace xdesktop {

class StepEditorDesktop : public steptest::StepEditorFixture {
protected:
    void SetUp() override
    {
        XDESKTOP_SKIP_WITHOUT_X_SERVER();
        QApplication::setQuitOnLastWindowClosed(false);
        StepEditorFixture::SetUp();
        ASSERT_TRUE(start());
    }
};

TEST_F(StepEditorDesktop, TheFramedMainWindowLiesOnTheScreen)
{
    window().show();
    ASSERT_TRUE(waitUntilFramed(window()));
    expectFrameOnScreen(window());
}

TEST_F(StepEditorDesktop, StepGridTakesEveryKeyWhileAnOutputCellIsEdited)
{
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    scriptedUi().answerEveryMessageBox(platform::vbOK); // a key's command may ask something
    platform::grid::FlexGrid& grid = userWindow().fg();
    int32_t output = -1;
    for (int32_t col = 0; col < grid.data().Cols() && output < 0; ++col)
        if (grid.data().ColData(col) == QelmStp::eColOutput)
            output = col;
    ASSERT_GE(output, 0);
    strikeEditingKeys(grid, grid.data().FixedRows(), output);
    EXPECT_TRUE(window().isVisible());
}

// The find dialog is kept above every window by the window manager, and the
// grid goes on taking clicks and keys while it is open.
TEST_F(StepEditorDesktop, TheFindDialogStaysAboveWhileTheGridIsUsed)
{
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QelmStp::fStep& user = userWindow();
    user.toolKey(QStringLiteral("keyFIND"))->trigger();
    QelmStp::fFind& dialog = *state().frmFindUsr;
    ASSERT_TRUE(waitUntilFramed(dialog));
    EXPECT_TRUE(waitUntilKeptAbove(dialog));

    // A click on a cell, below the dialog, takes the user back to the grid.
    platform::grid::FlexGrid& grid = user.fg();
    grid.ShowCell(12, 2);
    ASSERT_TRUE(clickWidget(*grid.viewport(), grid.cellRect(12, 2).center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &grid; }, 5000));
    ASSERT_TRUE(strikeKey(XK_Down));
    EXPECT_EQ(grid.data().Row(), 13);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(waitUntilKeptAbove(dialog));
}

// The step grid's own keys as the keyboard sends them: Space toggles a code,
// Delete (character 127) refuses a code and clears the remark, F2 opens a
// remark's editor, Escape gives the edit up, a digit types a code.
TEST_F(StepEditorDesktop, StepGridKeysFromTheKeyboard)
{
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    scriptedUi().answerEveryMessageBox(platform::vbOK);
    QelmStp::fStep& user = userWindow();
    platform::grid::FlexGrid& grid = user.fg();
    platform::grid::GridData& cells = grid.data();
    QString output;
    for (const QString& name : state().selectKino->stpout().dicDigital().keys())
        if (state().selectKino->stpout().CategoryByDigital(name) == QLatin1String("OUT"))
            output = name;
    ASSERT_FALSE(output.isEmpty());
    cells.setTextMatrix(2, 2, output);
    cells.setTextMatrix(2, 1, QStringLiteral("note"));
    auto click = [&](int row, int col) {
        grid.ShowCell(row, col);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.cellRect(row, col).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &grid; }, 5000));
    };

    click(2, 3);
    ASSERT_TRUE(strikeKey(XK_space));
    ASSERT_TRUE(strikeKey(XK_space));
    EXPECT_EQ(cells.TextMatrix(2, 3), QStringLiteral("1"));
    EXPECT_EQ(cells.TextMatrix(2, 4), QStringLiteral("0"));
    ASSERT_TRUE(strikeKey(XK_2));
    EXPECT_EQ(cells.TextMatrix(2, 3), QStringLiteral("2"));
    EXPECT_TRUE(user.IsChanged());

    ASSERT_TRUE(strikeKey(XK_Delete));
    EXPECT_EQ(cells.TextMatrix(2, 3), QStringLiteral("2"));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).size() == 1);

    click(2, 1);
    ASSERT_TRUE(strikeKey(XK_F2));
    EXPECT_TRUE(grid.isEditing());
    ASSERT_TRUE(strikeKey(XK_Escape));
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(cells.TextMatrix(2, 1), QStringLiteral("note"));
    ASSERT_TRUE(strikeKey(XK_Delete));
    EXPECT_EQ(cells.TextMatrix(2, 1), QString());
}

} // namespace xdesktop
