// The counter id of a counter row, worked out from the grid, and which groups
// of a stored counter condition hold constants.

#include "StepCellFixture.h"

#include "stepeditor/cells/CounterRows.h"

using QelmStp::CounterRows;
using steptest::CellText;

namespace {

class CounterRowsTest : public steptest::StepCellFixture {
protected:
    CounterRows counters{grid(), reporter};
};

TEST_F(CounterRowsTest, TheIdSaysWhichOperandsAreConstants)
{
    const struct {
        const char* what;
        std::initializer_list<CellText> cells;
        int id;
    } cases[] = {
        {"counter >= constant", {{5, "C1"}, {7, "3"}, {8, "100"}, {10, "2"}}, 0},
        {"counter >= counter", {{5, "C1"}, {7, "3"}, {8, "C2"}, {10, "2"}}, 1},
        {"counter + constant >= constant", {{5, "C1"}, {7, "7"}, {8, "5"}, {10, "3"}, {11, "8000"}}, 2},
        {"counter + counter >= constant", {{5, "C1"}, {7, "7"}, {8, "C2"}, {10, "3"}, {11, "0"}}, 3},
        {"counter - constant >= counter", {{5, "C1"}, {7, "8"}, {8, "5"}, {10, "3"}, {11, "C2"}}, 4},
        {"counter + counter >= counter", {{5, "C1"}, {7, "7"}, {8, "C2"}, {10, "3"}, {11, "C1"}}, 5},
        {"constant with blanks", {{5, "C1"}, {8, " 12 "}}, 0},
        {"group 2 empty", {{5, "C1"}}, 1},
        {"group 3 a constant after an empty group 2", {{5, "C1"}, {11, "4"}}, 3},
    };
    for (const auto& c : cases) {
        fillRow(12, c.cells);
        EXPECT_EQ(counters.GetCounterId(12), c.id) << c.what;
    }
}

TEST_F(CounterRowsTest, ConstantGroupsOfAStoredId)
{
    const struct {
        int id;
        int group;
        bool constant;
    } cases[] = {
        {0, 2, true},  {2, 2, true},   {2, 3, true},   {3, 3, true},  {4, 2, true},
        {0, 1, false}, {0, 3, false},  {1, 2, false},  {1, 3, false}, {3, 2, false},
        {4, 3, false}, {5, 2, false},  {5, 3, false},  {2, 4, false}, {2, 8, false},
        {6, 1, false}, {-1, 2, false}, {0, 0, false},  {2, -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(counters.MustJyosu(c.id, c.group), c.constant) << c.id << " " << c.group;
}

TEST_F(CounterRowsTest, AFailureIsReportedAndGivesMinusOne)
{
    testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(counters.GetCounterId(500), -1);
    const auto boxes = testsupport::scriptedUi().callsOf(testsupport::UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QLatin1String("GetCounterId")));
    testsupport::scriptedUi().clearCalls();
}

} // namespace
