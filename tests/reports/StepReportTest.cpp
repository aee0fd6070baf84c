#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/reports/StepReport.h"
#include "datamodel/steps/colclsStep.h"

#include "ScriptedUi.h"
#include "platform/Ui.h"
#include "platform/workbook/Application.h"
#include "platform/workbook/XlConstants.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace Telva27;
using testsupport::scriptedUi;
namespace wb = platform::workbook;

namespace {

struct Cell {
    int32_t row;
    int32_t column;
    QVariant value; // invalid: empty
};

void expectCells(const wb::Worksheet& sheet, const std::vector<Cell>& cells)
{
    for (const Cell& cell : cells) {
        const QVariant actual = sheet.value(cell.row, cell.column);
        if (!cell.value.isValid())
            EXPECT_TRUE(actual.toString().isEmpty())
                << "row " << cell.row << " column " << cell.column << ": " << actual.toString().toStdString();
        else
            EXPECT_EQ(actual, cell.value) << "row " << cell.row << " column " << cell.column << ": "
                                          << actual.toString().toStdString() << " (" << actual.typeName() << ")";
    }
}

enum Column : int32_t { A = 1, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z, AA, AB, AC };

// Output codes.
constexpr int16_t kYOn = 5, kRet = 99;
// Input codes.
constexpr int32_t kX01 = 1, kX02 = 2, kCnt1 = 40, kCountValue = 0x6001;

struct Condition {
    int32_t kino;
    int32_t jyotai;
    int32_t rel;
};

class StepReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        wb::Application::setFactoryForTesting([this] { return app; });
        for (auto [name, code] : {std::pair{"Y_ON", kYOn}, {"RET", kRet}})
            stpout.Add(name, code, "", "OUT");
        for (auto [name, code, category] : {std::tuple{"X01", kX01, "IN"}, {"X02", kX02, "IN"},
                                            {"CNT1", kCnt1, "COUNT"}, {"CV1", kCountValue, "VALUE"}})
            stpinp.Add(name, static_cast<int16_t>(code), "", category);
        table.Doing = [this](const QString& text) { doings << text; };
    }
    void TearDown() override { wb::Application::setFactoryForTesting({}); }

    void line(int32_t row, std::vector<Condition> conditions = {}, int32_t logic = eLOGIC_HIGH,
              int32_t kino = kYOn, int32_t delay = 7)
    {
        auto ins = std::make_shared<colclsStepIn>();
        int32_t block = 0;
        for (const Condition& c : conditions)
            ins->Add(++block, c.kino, static_cast<uint8_t>(c.jyotai), c.rel);
        ASSERT_TRUE(table.Add(row, kino, logic, delay, ins, QStringLiteral("line %1").arg(row), false, false));
    }
    void emptyLine(int32_t row) { ASSERT_TRUE(table.Add(row, 0, 0, 0, nullptr, "", true, false)); }

    bool print(ENUM_EXCELVERSIONINDEX version = eEXCEL2000)
    {
        return table.PrintToExcel(version, dir.filePath("step.xlsx"), stpout, stpinp);
    }
    wb::Worksheet& sheet() { return app->activeWorkbook()->Worksheets(1); }
    wb::ResolvedStyle style(int32_t row, int32_t column) { return wb::ResolvedStyle::from(sheet().style(row, column)); }
    // The line between two neighbouring cells, whichever of them holds it.
    int32_t lineRightOf(int32_t row, int32_t column)
    {
        return std::max(style(row, column).right.weight, style(row, column + 1).left.weight);
    }
    int32_t lineBelow(int32_t row, int32_t column)
    {
        return std::max(style(row, column).bottom.weight, style(row + 1, column).top.weight);
    }
    std::vector<wb::Shape> shapesOf(wb::Shape::Kind kind)
    {
        std::vector<wb::Shape> found;
        for (const wb::Shape& shape : sheet().shapes())
            if (shape.kind == kind)
                found.push_back(shape);
        return found;
    }
    qsizetype rowProgress() const
    {
        return std::count_if(doings.begin(), doings.end(), [](const QString& t) { return t.startsWith("Printing:"); });
    }

    std::shared_ptr<wb::Application> app = std::make_shared<wb::Application>();
    QTemporaryDir dir;
    colclsStep table;
    colclsCusSelection stpout, stpinp;
    QStringList doings;
};

TEST_F(StepReportTest, EmptyTableHasTheTitleRowOnly)
{
    ASSERT_TRUE(print());
    expectCells(sheet(), {{1, A, "STEP"}, {1, B, "Note"}, {1, C, "Output"}, {1, D, "Logic"}, {1, E, "Delay"},
                          {1, F, "Func."}, {1, G, "Stat."}, {1, H, "8"}, {1, AA, "Func."}, {1, AB, "Stat."},
                          {1, AC, "8"}, {1, AC + 1, {}}, {2, A, {}}});
    for (const int32_t column : {F, G, H, AC})
        EXPECT_EQ(style(1, column).fontName == "Marlett", column == H || column == AC) << column;
    EXPECT_TRUE(doings.contains("Creating row Header..."));
    EXPECT_EQ(rowProgress(), 0);
    // Nothing to frame or fill.
    EXPECT_EQ(style(1, A).left.weight, 0);
    EXPECT_EQ(style(1, C).bottom.weight, 0);
    EXPECT_EQ(style(1, A).interiorColorIndex, -4142);
    EXPECT_EQ(sheet().Name(), "STEP");
    EXPECT_EQ(sheet().pageSetup().zoom, 75);
    EXPECT_EQ(sheet().pageSetup().orientation, wb::xlLandscape);
    EXPECT_EQ(sheet().pageSetup().centerHeader, "&9&F  &A  &P / &N  &D");
    // An empty memo still gets its box.
    ASSERT_EQ(shapesOf(wb::Shape::TextBox).size(), 1u);
    EXPECT_TRUE(shapesOf(wb::Shape::TextBox)[0].text.isEmpty());
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(StepReportTest, LinesRunToTheLastLineInUse)
{
    line(1, {{kX01, 0, eREL_END}});
    emptyLine(2);
    line(3);
    line(4);
    for (int32_t row = 5; row <= 10; ++row)
        emptyLine(row);
    ASSERT_TRUE(print());
    expectCells(sheet(), {{2, A, 1}, {2, B, "line 1"}, {2, C, "Y_ON"}, {2, D, "HIGH"}, {2, E, 7}, {2, F, "X01"},
                          {3, A, 2}, {3, B, {}}, {3, C, {}}, {3, D, {}}, {3, E, {}},
                          {4, A, 3}, {5, A, 4}, {5, C, "Y_ON"}, {6, A, {}}});
    EXPECT_EQ(rowProgress(), 4);
    EXPECT_TRUE(doings.contains("Printing:5 row"));
}

TEST_F(StepReportTest, TableOfEmptyLinesShowsTheFirstNumberOnly)
{
    for (int32_t row = 1; row <= 3; ++row)
        emptyLine(row);
    ASSERT_TRUE(print());
    expectCells(sheet(), {{2, A, 1}, {2, B, {}}, {3, A, {}}});
}

TEST_F(StepReportTest, LogicMnemonicAndDelayByOperation)
{
    const char* mnemonics[] = {"LOW", "HIGH", "NOT", "JMP", "INC", "DEC", "SET", "CLR", "ADD", "SUB", "CALL", "RET"};
    const std::set<int32_t> withoutDelay = {eLOGIC_JMP, eLOGIC_INC, eLOGIC_DEC, eLOGIC_CLR, eLOGIC_CALL, eLOGIC_RET};
    for (int32_t logic = eLOGIC_LOW; logic <= eLOGIC_RET; ++logic)
        line(logic + 1, {{kX01, 0, eREL_END}}, logic);
    ASSERT_TRUE(print());
    for (int32_t logic = eLOGIC_LOW; logic <= eLOGIC_RET; ++logic) {
        SCOPED_TRACE(mnemonics[logic]);
        const int32_t row = logic + 2;
        expectCells(sheet(), {{row, D, mnemonics[logic]},
                              {row, E, withoutDelay.count(logic) ? QVariant() : QVariant(7)},
                              {row, F, "X01"}, {row, H, "E"}});
    }
}

TEST_F(StepReportTest, ReturnLineShowsNoConditions)
{
    line(1, {{kX01, 0, eREL_AND}, {kX02, 0, eREL_END}}, eLOGIC_RET, kRet, 3);
    ASSERT_TRUE(print());
    expectCells(sheet(), {{2, A, 1}, {2, B, "line 1"}, {2, C, "RET"}, {2, D, "RET"}, {2, E, {}}, {2, F, {}},
                          {2, H, {}}, {2, I, {}}});
    EXPECT_TRUE(shapesOf(wb::Shape::Picture).empty());
}

TEST_F(StepReportTest, CounterLineShowsValuesWithoutPictures)
{
    line(1, {{kCnt1, 0, eREL_LEFT}, {-32768, 1, eREL_PLUS}, {kCountValue, 0, eREL_EQU}, {kX01, 2, eREL_MINUS},
             {0x1234, 0, eREL_END}},
         eLOGIC_INC);
    ASSERT_TRUE(print());
    expectCells(sheet(), {{2, F, "CNT1"}, {2, G, {}}, {2, H, ">="},
                          {2, I, "32768"}, {2, K, "+"},       // the word read unsigned
                          {2, L, "CV1"}, {2, N, "="},         // both function bits: a name
                          {2, O, "1"}, {2, Q, "-"},           // an input code here is a value
                          {2, R, "4660"}, {2, T, "E"}});
    EXPECT_TRUE(shapesOf(wb::Shape::Picture).empty());
}

TEST_F(StepReportTest, ConditionsAfterEndAreLeftOut)
{
    line(1, {{kX01, 0, eREL_OR}, {kX02, 0, eREL_END}, {kX01, 0, eREL_AND}});
    ASSERT_TRUE(print());
    expectCells(sheet(), {{2, F, "X01"}, {2, H, "_"}, {2, I, "X02"}, {2, K, "E"}, {2, L, {}}, {2, N, {}}});
    EXPECT_EQ(shapesOf(wb::Shape::Picture).size(), 2u);
}

TEST_F(StepReportTest, StatePicturesSitInTheStateCellsMovedOnlyForExcel2000)
{
    for (int32_t state = 0; state <= 3; ++state)
        ASSERT_TRUE(QFileInfo(StepReport::PicturePath(state)).isFile()) << StepReport::PicturePath(state).toStdString();
    // State 7 has no picture file: its cell stays empty.
    line(1, {{kX01, 1, eREL_AND}, {kX02, 7, eREL_AND}, {kX01, 3, eREL_END}});

    ASSERT_TRUE(print(eEXCEL95));
    const std::vector<wb::Shape> unmoved = shapesOf(wb::Shape::Picture);
    ASSERT_TRUE(print(eEXCEL2000));
    const std::vector<wb::Shape> moved = shapesOf(wb::Shape::Picture);

    ASSERT_EQ(unmoved.size(), 2u);
    ASSERT_EQ(moved.size(), 2u);
    const std::pair<int32_t, const char*> expected[] = {{G, "Pictures/Jyotai1.bmp"}, {M, "Pictures/Jyotai3.bmp"}};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(moved[i].anchorRow, 2);
        EXPECT_EQ(moved[i].anchorColumn, expected[i].first);
        EXPECT_EQ(moved[i].picturePath, StepReport::PicturePath(i == 0 ? 1 : 3));
        EXPECT_TRUE(moved[i].picturePath.endsWith(expected[i].second));
        EXPECT_DOUBLE_EQ(moved[i].left - unmoved[i].left, 3);
        EXPECT_DOUBLE_EQ(moved[i].top - unmoved[i].top, 2.5);
    }
    expectCells(sheet(), {{2, I, "X02"}, {2, J, {}}, {2, K, "&"}});
}

TEST_F(StepReportTest, MemoBoxHoldsTheWholeLongMemo)
{
    line(1, {{kX01, 0, eREL_END}});
    QString memo;
    for (int32_t i = 0; memo.size() < 448; ++i)
        memo += QStringLiteral("memo %1 ").arg(i, 3, 10, QLatin1Char('0'));
    memo = memo.left(200) + "\r\n" + memo.mid(200, 248); // 450 characters with one line break
    ASSERT_EQ(memo.size(), 450);
    table.setMemo(memo);
    ASSERT_TRUE(print());

    const auto boxes = shapesOf(wb::Shape::TextBox);
    ASSERT_EQ(boxes.size(), 1u);
    const wb::Shape& box = boxes[0];
    EXPECT_EQ(box.text, QString(memo).replace("\r\n", "\n"));
    EXPECT_DOUBLE_EQ(box.left, 9.75);
    EXPECT_DOUBLE_EQ(box.top, 2 * 14 + 20); // below the two rows of 14 points
    EXPECT_DOUBLE_EQ(box.width, 1000);
    EXPECT_DOUBLE_EQ(box.height, 350);
    EXPECT_DOUBLE_EQ(box.fontSize, 9);
    EXPECT_FALSE(box.fillVisible);
    EXPECT_FALSE(box.lineVisible);
}

TEST_F(StepReportTest, Excel95PutsTheMemoInACellTwoRowsBelow)
{
    line(1, {{kX01, 0, eREL_END}});
    line(2, {{kX02, 0, eREL_END}});
    table.setMemo("first\r\nsecond");
    ASSERT_TRUE(print(eEXCEL95));
    expectCells(sheet(), {{4, A, {}}, {5, A, "first\nsecond"}});
    EXPECT_EQ(sheet().shapes().size(), 2u); // the two pictures, no box
    EXPECT_TRUE(shapesOf(wb::Shape::TextBox).empty());
}

TEST_F(StepReportTest, Excel2000LinesAndFills)
{
    line(1, {{kX01, 0, eREL_END}});
    line(2, {{kX02, 0, eREL_END}});
    ASSERT_TRUE(print());
    // Thin outline, hairlines between rows.
    EXPECT_EQ(style(1, A).top.weight, wb::xlThin);
    EXPECT_EQ(style(3, AC).bottom.weight, wb::xlThin);
    EXPECT_EQ(style(2, AC).right.weight, wb::xlThin);
    EXPECT_EQ(lineBelow(2, D), wb::xlHairline);
    // Vertical lines only around the remarks and before each condition block.
    EXPECT_EQ(lineRightOf(2, A), wb::xlHairline);
    EXPECT_EQ(lineRightOf(2, B), wb::xlHairline);
    EXPECT_EQ(lineRightOf(2, E), wb::xlHairline);
    EXPECT_EQ(lineRightOf(3, Q), wb::xlHairline);
    for (const int32_t column : {C, D, F, G, AA})
        EXPECT_EQ(lineRightOf(2, column), 0) << column;

    struct Fill {
        int32_t row, column, colorIndex, pattern;
    } fills[] = {{1, A, 1, wb::xlPatternGray25},  {1, AC, 1, wb::xlPatternGray25}, {2, A, 15, wb::xlPatternGray50},
                 {1, B, 15, wb::xlPatternGray50}, {3, E, 15, wb::xlPatternGray25}, {2, F, -4142, -4142}};
    for (const Fill& f : fills) {
        EXPECT_EQ(style(f.row, f.column).interiorColorIndex, f.colorIndex) << f.row << "," << f.column;
        EXPECT_EQ(style(f.row, f.column).pattern, f.pattern) << f.row << "," << f.column;
    }
    EXPECT_EQ(style(1, C).fontColorIndex, 2);
    EXPECT_EQ(style(1, B).fontColorIndex, 1);
    EXPECT_EQ(style(2, B).horizontalAlignment, wb::xlHAlignLeft);
    EXPECT_EQ(style(2, C).horizontalAlignment, wb::xlHAlignCenter);
    EXPECT_TRUE(style(2, AA).bold);
    EXPECT_FALSE(style(2, AB).bold);
    for (auto [column, width] : {std::pair{A, 4.0}, {B, 12.0}, {E, 5.0}, {F, 6.0}, {G, 3.5}, {H, 2.5}, {AC, 2.5}})
        EXPECT_DOUBLE_EQ(sheet().columnWidth(column), width) << column;
    EXPECT_DOUBLE_EQ(sheet().rowHeight(3), 14);
}

TEST_F(StepReportTest, Excel95LinesEveryCellWithoutFills)
{
    line(1, {{kX01, 0, eREL_END}});
    ASSERT_TRUE(print(eEXCEL95));
    EXPECT_EQ(lineRightOf(2, C), wb::xlHairline);
    EXPECT_EQ(lineBelow(1, D), wb::xlHairline);
    EXPECT_EQ(style(1, A).top.weight, wb::xlHairline);
    EXPECT_EQ(style(1, A).interiorColorIndex, -4142);
    EXPECT_EQ(style(2, A).interiorColorIndex, -4142);
    EXPECT_NE(style(1, C).fontColorIndex, 2);
}

TEST_F(StepReportTest, FailureInTheRowsIsReportedAndTheWorkbookSaved)
{
    struct Case {
        const char* name;
        std::function<void()> makeLine;
        std::vector<Cell> cells;
    } cases[] = {
        {"output code not listed", [this] { line(2, {}, eLOGIC_HIGH, 77); }, {{3, A, 2}, {3, B, "line 2"}, {3, C, {}}}},
        {"input code not listed", [this] { line(2, {{kX01, 0, eREL_AND}, {55, 0, eREL_END}}); },
         {{3, F, "X01"}, {3, H, "&"}, {3, I, {}}}},
        {"value beyond 16 bits", [this] { line(2, {{kCnt1, 0, eREL_LEFT}, {70000, 0, eREL_END}}); },
         {{3, F, "CNT1"}, {3, I, {}}}},
        // Conditions 1-8 have columns; another number must not overwrite the line's own cells.
        {"condition number 0", [this] { line(2); table.Item("2")->ins()->Add(0, kX02, 0, 0); },
         {{3, C, "Y_ON"}, {3, F, {}}}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        table.Clear();
        line(1, {{kX01, 0, eREL_END}});
        c.makeLine();
        line(3, {{kX01, 0, eREL_END}});
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        ASSERT_TRUE(print());
        ASSERT_EQ(scriptedUi().calls().size(), 1u);
        EXPECT_TRUE(scriptedUi().calls()[0].text.startsWith("PrintExcelRows\r\n"));
        std::vector<Cell> cells = c.cells;
        cells.push_back({2, F, "X01"});
        cells.push_back({4, A, {}}); // the rows stop
        expectCells(sheet(), cells);
        EXPECT_EQ(sheet().Name(), "STEP");
    }
}

} // namespace
