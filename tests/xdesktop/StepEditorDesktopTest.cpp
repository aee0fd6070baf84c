// The step editor on a real X server: its main window as the window manager
// frames it, and keys struck on the keyboard while a step cell is edited.

#include "EditingKeys.h"
#include "XDesktop.h"

#include "StepEditorFixture.h"

#include "platform/grid/FlexGrid.h"
#include "stepeditor/grid/StepColumns.h"

#include <QApplication>
#include <QTest>

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

} // namespace xdesktop
