// Keys struck on the keyboard while a cell of an editing window of the setting
// program is being edited: whatever the key, the program goes on, no handler
// fails, and the window keeps its grid.

#include "EditingKeys.h"
#include "SettingDesktopFixture.h"

#include <QComboBox>
#include <QLineEdit>

using namespace testsupport;
using platform::grid::FlexGrid;
using QelmSet::fParam;

namespace xdesktop {

class SettingEditingKeys : public SettingDesktopFixture {
protected:
    void SetUp() override
    {
        SettingDesktopFixture::SetUp();
        // A key's command may ask something: every box is answered.
        scriptedUi().answerEveryMessageBox(platform::vbOK);
    }

    void TearDown() override
    {
        if (window_) {
            EXPECT_TRUE(window().isVisible()) << "the main window went";
        }
        SettingDesktopFixture::TearDown();
    }

    // The first value row of the parameter window whose editor is of that kind
    // (a line for a number, a list for a selection); -1 when none is.
    template <typename Editor>
    static int32_t firstRowEditedIn(fParam& w)
    {
        FlexGrid& grid = w.grid();
        for (int32_t row = grid.data().FixedRows(); row < grid.data().Rows(); ++row) {
            grid.data().Select(row, fParam::colUser);
            grid.EditCell();
            const bool found = qobject_cast<Editor*>(grid.editor()) != nullptr;
            grid.cancelEdit();
            if (found)
                return row;
        }
        return -1;
    }

    // The first row of an output pin of the customize window (its location starts with "O").
    static int32_t firstOutputRow(QelmSet::fCusData& w)
    {
        const auto& data = w.fg().data();
        for (int32_t row = data.FixedRows(); row < data.Rows(); ++row)
            if (data.TextMatrix(row, QelmSet::fCusData::colLocation).startsWith(QLatin1Char('O')))
                return row;
        return -1;
    }
};

TEST_F(SettingEditingKeys, ParameterWindowsTakeEveryKeyInALineAndInAList)
{
    // The windows open without a password; the first row edited in a line and
    // the first edited in a list, wherever they are.
    bool line = false;
    bool list = false;
    for (const settingtest::MenuItem item : {settingtest::itemSpeed, settingtest::itemTrim, settingtest::itemFeed,
                                             settingtest::itemTiming, settingtest::itemPresser}) {
        fParam* w = open(item);
        ASSERT_NE(w, nullptr);
        if (const int32_t row = firstRowEditedIn<QLineEdit>(*w); row > 0 && !line) {
            line = true;
            strikeEditingKeys(w->grid(), row, fParam::colUser);
        }
        if (const int32_t row = firstRowEditedIn<QComboBox>(*w); row > 0 && !list) {
            list = true;
            strikeEditingKeys(w->grid(), row, fParam::colUser);
        }
        EXPECT_EQ(windowOf(w->Tag()), w);
    }
    EXPECT_TRUE(line) << "no parameter edited in a line";
    EXPECT_TRUE(list) << "no parameter edited in a list";
}

TEST_F(SettingEditingKeys, CustomizeWindowTakesEveryKeyInADelayTimeAndInTheDutyList)
{
    QelmSet::fCusData* w = openCustomize(0);
    ASSERT_NE(w, nullptr);
    const int32_t row = firstOutputRow(*w);
    ASSERT_GT(row, 0);
    strikeEditingKeys(w->fg(), row, QelmSet::fCusData::colOnDelayTime);
    strikeEditingKeys(w->fg(), row, QelmSet::fCusData::colDuty);
    EXPECT_NE(editingWindow(QStringLiteral("fCusData")), nullptr);
}

TEST_F(SettingEditingKeys, PitchWindowTakesEveryKeyInAUserCell)
{
    QelmSet::EditingWindow* w = openPitch();
    ASSERT_NE(w, nullptr);
    auto* grid = w->findChild<FlexGrid*>(QStringLiteral("fg1"));
    ASSERT_NE(grid, nullptr);
    strikeEditingKeys(*grid, 1, 1);
    EXPECT_NE(editingWindow(QStringLiteral("fOkuriParam")), nullptr);
}

} // namespace xdesktop
