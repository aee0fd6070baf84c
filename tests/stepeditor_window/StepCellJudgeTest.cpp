// The judge of a step cell in its row: each way a save could keep what the
// next open does not show is refused with the message typing gives, naming
// the cell; a row the next open shows as it stands passes.

#include "StepCellFixture.h"

#include "stepeditor/cells/StepCellJudge.h"

#include <gtest/gtest.h>

using QelmStp::StepCellJudge;
using QelmStp::StepRowTexts;
using Stage = QelmStp::StepCellJudge::Stage;
using steptest::CellText;

namespace {

class StepCellJudgeTest : public steptest::StepCellFixture {
protected:
    static StepRowTexts rowOf(std::initializer_list<CellText> cells)
    {
        StepRowTexts row;
        for (const auto& [col, text] : cells)
            row[static_cast<size_t>(col)] = QLatin1String(text);
        return row;
    }

    StepCellJudge judge{stpout, stpinp, [](int32_t col) { return QStringLiteral("title %1").arg(col); }};
};

TEST_F(StepCellJudgeTest, EachRowIsJudgedAsTheNextOpenWouldShowIt)
{
    const struct Case {
        const char* what;
        StepRowTexts row;
        bool rem;
        Stage stage;
        int16_t message; // 0: it may stand
        int col;
    } cases[] = {
        {"a whole ordinary step", rowOf({{2, "Y1"}, {3, "1"}, {4, "500"}, {5, "X1"}, {6, "0"}, {7, "2"}}), false,
         Stage::Saving, 0, -1},
        {"a counter row: counter >= constant",
         rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "100"}, {9, "***"}, {10, "2"}}),
         false, Stage::Saving, 0, -1},
        {"a jump takes no delay", rowOf({{2, "JMP"}, {3, "3"}, {4, "***"}, {5, "X1"}, {6, "0"}, {7, "2"}}), false,
         Stage::Saving, 0, -1},
        {"a return line", rowOf({{2, "RET"}, {3, "11"}, {4, "***"}, {5, "***"}, {6, "***"}, {7, "***"}}), false,
         Stage::Saving, 0, -1},
        // Codes the output's lists do not offer.
        {"logic INC on an ordinary row", rowOf({{2, "Y1"}, {3, "4"}, {4, "***"}, {5, "X1"}, {6, "0"}, {7, "2"}}),
         false, Stage::Editing, 67, 3},
        {"a + relation on an ordinary row", rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "X1"}, {6, "0"}, {7, "7"}}),
         false, Stage::Editing, 67, 7},
        {"state 9", rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "X1"}, {6, "9"}, {7, "2"}}), false, Stage::Editing,
         67, 6},
        // The delay under its output: pulses are signed, the rest unsigned.
        {"a pulse delay under another output", rowOf({{2, "Y1"}, {3, "1"}, {4, "-30000"}, {5, "X1"}, {6, "0"}, {7, "2"}}),
         false, Stage::Saving, 43, 4},
        {"65000 under a pulse output", rowOf({{2, "X_PLS"}, {3, "1"}, {4, "50000"}, {5, "X1"}, {6, "0"}, {7, "2"}}),
         false, Stage::Editing, 43, 4},
        {"a delay typed under SUB is bounded too",
         rowOf({{2, "CNT1"}, {3, "9"}, {4, "65001"}, {5, "X1"}, {6, "0"}, {7, "2"}}), false, Stage::Editing, 43, 4},
        {"the unused mark in a used delay", rowOf({{2, "Y1"}, {3, "1"}, {4, "***"}, {5, "X1"}, {6, "0"}, {7, "2"}}),
         false, Stage::Saving, 48, 4},
        {"a value in a jump's unused delay", rowOf({{2, "JMP"}, {3, "3"}, {4, "10"}, {5, "X1"}, {6, "0"}, {7, "2"}}),
         false, Stage::Editing, 42, 4},
        {"a name in a return line's unused input", rowOf({{2, "RET"}, {3, "11"}, {4, "***"}, {5, "X1"}}), false,
         Stage::Editing, 42, 5},
        {"an input group of a return line", rowOf({{2, "RET"}, {3, "11"}, {4, "***"}, {5, "***"}, {6, "***"},
                                                   {7, "***"}, {8, "X1"}}),
         false, Stage::Editing, 42, 8},
        // Conditions the file does not keep.
        {"a group after the first END",
         rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "X1"}, {6, "0"}, {7, "2"}, {8, "X2"}, {9, "0"}, {10, "2"}}), false,
         Stage::Editing, 42, 8},
        {"an empty group before a later END",
         rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "X1"}, {6, "0"}, {7, "0"}, {11, "X2"}, {12, "0"}, {13, "2"}}),
         false, Stage::Saving, 46, 8},
        {"a relation without its function", rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {6, "0"}, {7, "2"}}), false,
         Stage::Editing, 46, 5},
        // Counter rows.
        {"a counter operand that is neither counter nor number",
         rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "X1"}, {9, "***"}, {10, "2"}}),
         false, Stage::Editing, 81, 8},
        {"a counter operand missing before its relation",
         rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "C1"}, {6, "***"}, {7, "3"}, {9, "***"}, {10, "2"}}), false,
         Stage::Saving, 46, 8},
        {"a counter operand missing",
         rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "C1"}, {6, "***"}, {7, "3"}, {9, "***"}}), false,
         Stage::Saving, 81, 8},
        {"a third operand without + or -",
         rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "1"}, {9, "***"}, {10, "2"},
                {11, "5"}}),
         false, Stage::Editing, 89, 11},
        {"a counter row left by its counter", rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {6, "***"}, {7, "3"}, {8, "100"},
                                                     {9, "***"}, {10, "2"}}),
         false, Stage::Editing, 67, 6},
        // Rows without an output are empty lines in the file.
        {"cells left without an output", rowOf({{7, "2"}}), false, Stage::Saving, 76, 2},
        {"a REM mark without an output", rowOf({{1, "note"}}), true, Stage::Saving, 76, 2},
        {"a remark alone", rowOf({{1, "note"}}), false, Stage::Saving, 0, -1},
        {"a remark over 20 bytes", rowOf({{1, "123456789012345678901"}}), false, Stage::Editing, 56, 1},
    };
    for (const Case& c : cases) {
        const StepCellJudge::Verdict verdict = judge.judgeRow(c.row, c.rem, c.stage);
        EXPECT_EQ(verdict.message, c.message) << c.what;
        if (c.message) {
            EXPECT_EQ(verdict.col, c.col) << c.what;
        }
    }
}

TEST_F(StepCellJudgeTest, TheRangeTypingTakesIsNarrowerThanTheFileKeeps)
{
    // A file may hold a delay or constant typing refuses: it saves again unchanged.
    const StepRowTexts delay = rowOf({{2, "Y1"}, {3, "1"}, {4, "65535"}, {5, "X1"}, {6, "0"}, {7, "2"}});
    EXPECT_EQ(judge.judgeCell(delay, 4, Stage::Editing).message, 43);
    EXPECT_EQ(judge.judgeCell(delay, 4, Stage::Saving).message, 0);
    const StepRowTexts constant =
        rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "65535"}, {9, "***"}, {10, "2"}});
    EXPECT_EQ(judge.judgeCell(constant, 8, Stage::Editing).message, 81);
    EXPECT_EQ(judge.judgeCell(constant, 8, Stage::Saving).message, 0);
    StepRowTexts over = delay;
    over[4] = QStringLiteral("65536");
    EXPECT_EQ(judge.judgeCell(over, 4, Stage::Saving).message, 43);
}

TEST_F(StepCellJudgeTest, CommittedTextsShowWhatTheFileKeeps)
{
    EXPECT_EQ(StepCellJudge::committed(4, QStringLiteral(" 0500 ")), QStringLiteral("500"));
    EXPECT_EQ(StepCellJudge::committed(4, QStringLiteral("12.5")), QStringLiteral("12"));
    EXPECT_EQ(StepCellJudge::committed(8, QStringLiteral(" 30")), QStringLiteral("30"));
    EXPECT_EQ(StepCellJudge::committed(2, QStringLiteral("y1")), QStringLiteral("Y1"));
    EXPECT_EQ(StepCellJudge::committed(5, QStringLiteral("x1")), QStringLiteral("X1"));
    EXPECT_EQ(StepCellJudge::committed(4, QStringLiteral("***")), QStringLiteral("***"));
    EXPECT_EQ(StepCellJudge::committed(1, QStringLiteral(" note ")), QStringLiteral(" note "));
}

TEST_F(StepCellJudgeTest, MarksFollowWhatAChangeLeaves)
{
    // A pasted jump output: the delay it leaves takes the mark.
    StepRowTexts row = rowOf({{2, "JMP"}, {3, "3"}, {4, "500"}, {5, "X1"}, {6, "0"}, {7, "2"}});
    std::array<bool, QelmStp::kStepGridCols> written{};
    written[2] = true;
    judge.settleMarks(row, written);
    EXPECT_EQ(row[4], QStringLiteral("***"));
    // A pasted ordinary output over a jump: the freed delay is emptied, to be filled.
    row[2] = QStringLiteral("Y1");
    row[3] = QStringLiteral("1");
    judge.settleMarks(row, written);
    EXPECT_EQ(row[4], QString());
    EXPECT_EQ(judge.judgeRow(row, false, Stage::Saving).message, 64);
    // A blank pasted over a counter operand's state: the cell is still unused and shows the mark.
    StepRowTexts counter =
        rowOf({{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "C1"}, {7, "3"}, {8, "100"}, {9, "***"}, {10, "2"}});
    std::array<bool, QelmStp::kStepGridCols> blank{};
    blank[6] = true;
    judge.settleMarks(counter, blank);
    EXPECT_EQ(counter[6], QStringLiteral("***"));
    EXPECT_EQ(judge.judgeRow(counter, false, Stage::Saving).message, 0);
}

} // namespace
