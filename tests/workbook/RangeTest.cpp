#include "platform/RuntimeError.h"
#include "platform/workbook/Application.h"
#include "platform/workbook/XlConstants.h"

#include <gtest/gtest.h>

using namespace platform::workbook;

namespace {

int weightOf(const std::optional<BorderLine>& side)
{
    return side ? side->weight : 0;
}

// The four sides of a cell's effective format: left, top, right, bottom.
std::array<int, 4> sidesOf(const Worksheet& sheet, int row, int column)
{
    const CellStyle s = sheet.style(row, column);
    return {weightOf(s.left), weightOf(s.top), weightOf(s.right), weightOf(s.bottom)};
}

TEST(RangeTest, EndToTheRightFollowsRunsAndGaps)
{
    Worksheet sheet;
    for (int c : {1, 2, 3, 5})
        sheet.setCellValue(1, c, QStringLiteral("x"));
    struct Case {
        int from, to;
    };
    const Case cases[] = {
        {1, 3},           // along the run to its last cell
        {2, 3},           //
        {3, 5},           // over the gap to the next filled cell
        {4, 5},           // from an empty cell
        {5, kMaxColumns}, // nothing further: the sheet's edge
        {kMaxColumns, kMaxColumns},
    };
    for (const auto& c : cases) {
        const Range end = sheet.Cells(1, c.from).End(xlToRight);
        EXPECT_EQ(end.Column(), c.to) << "from column " << c.from;
        EXPECT_EQ(end.Row(), 1);
    }
    // A range starts from its first cell.
    EXPECT_EQ(sheet.RangeOf("A1:B1").End(xlToRight).Column(), 3);
}

TEST(RangeTest, LastCellJoinsTheLastUsedRowAndColumn)
{
    Worksheet sheet;
    EXPECT_EQ(sheet.Cells(1, 1).SpecialCells(xlCellTypeLastCell).Row(), 1);
    EXPECT_EQ(sheet.Cells(1, 1).SpecialCells(xlCellTypeLastCell).Column(), 1);
    sheet.setCellValue(5, 3, 1.5);
    sheet.RangeOf("F2").setBold(true); // a format of its own counts
    sheet.Columns("H:H").setItalic(true); // a whole column's does not
    sheet.Cells().setRowHeight(14);
    const Range last = sheet.Cells(1, 1).SpecialCells(xlCellTypeLastCell);
    EXPECT_EQ(last.Row(), 5);
    EXPECT_EQ(last.Column(), 6);
    // Emptying a cell with an empty text makes it unused again.
    sheet.setCellValue(5, 3, QString());
    EXPECT_FALSE(sheet.value(5, 3).isValid());
    EXPECT_EQ(sheet.lastUsedRow(), 2);
}

TEST(RangeTest, ValueGoesIntoEveryCellAndIsReadFromTheFirst)
{
    Worksheet sheet;
    Range r = sheet.RangeOf("B2:C3,E5");
    r.setValue(7);
    EXPECT_EQ(r.Value().toDouble(), 7.0);
    EXPECT_EQ(sheet.value(3, 3).toDouble(), 7.0);
    EXPECT_EQ(sheet.value(5, 5).toDouble(), 7.0);
    EXPECT_FALSE(sheet.value(4, 4).isValid());
    EXPECT_THROW(sheet.Cells(1, 1).setValue(QString(32768, u'x')), platform::RuntimeError);
    EXPECT_THROW(sheet.Columns("A:A").setValue(1), platform::RuntimeError); // a million cells, one by one
}

TEST(RangeTest, LaterFormatWinsAcrossSheetColumnRowAndCell)
{
    Worksheet sheet;
    sheet.RangeOf("B1").setFontName("Tahoma");
    sheet.Columns("B:B").setFontName("Arial Black"); // later column wins over the cell's own
    EXPECT_EQ(sheet.style(1, 2).fontName, "Arial Black");
    sheet.RangeOf("B1").setFontName("Tahoma"); // and a later cell over the column
    EXPECT_EQ(sheet.style(1, 2).fontName, "Tahoma");
    EXPECT_EQ(sheet.style(9, 2).fontName, "Arial Black");

    sheet.Columns("A:A").setFontSize(12);
    sheet.Cells().setFontSize(9); // the whole sheet, later, wins everywhere
    EXPECT_EQ(sheet.style(3, 1).fontSize, 9);
    EXPECT_EQ(sheet.style(1, 2).fontSize, 9);

    sheet.Rows("1:1").setItalic(true);
    sheet.Columns("A:A").setItalic(false); // a later column wins where it crosses the row
    EXPECT_EQ(sheet.style(1, 1).italic, false);
    EXPECT_EQ(sheet.style(1, 3).italic, true);
    sheet.Columns("C:C").setBold(true);
    sheet.Rows("1:1").setBold(false); // a later row wins over an earlier column
    EXPECT_EQ(sheet.style(1, 3).bold, false);
    EXPECT_EQ(sheet.style(2, 3).bold, true);

    // A colour without a pattern fills solid; clearing the colour clears the fill.
    sheet.RangeOf("D4").setInteriorColorIndex(15);
    EXPECT_EQ(ResolvedStyle::from(sheet.style(4, 4)).pattern, xlPatternSolid);
    sheet.RangeOf("D4").setInteriorColorIndex(xlNone);
    sheet.RangeOf("D4").setInteriorColorIndex(6);
    EXPECT_EQ(ResolvedStyle::from(sheet.style(4, 4)).pattern, xlPatternSolid);
    EXPECT_THROW(sheet.RangeOf("D4").setInteriorColorIndex(57), platform::RuntimeError);
}

TEST(RangeTest, BordersOfEdgesInsideLinesCellSidesAndOutline)
{
    constexpr int H = xlHairline, T = xlThin;
    Worksheet edges; // outer edges thin, inside lines hairline
    Range table = edges.RangeOf("A1:C3");
    for (int index : {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight})
        table.setBorderWeight(index, xlThin);
    table.setBorderWeight(xlInsideVertical, xlHairline);
    table.setBorderWeight(xlInsideHorizontal, xlHairline);

    Worksheet cells; // every cell side hairline, then a thin outline
    Range same = cells.RangeOf("A1:C3");
    for (int index : {xlLeft, xlTop, xlBottom, xlRight})
        same.setBorderWeight(index, xlHairline);
    same.BorderAround(xlThin, xlColorIndexAutomatic);

    for (Worksheet* sheet : {&edges, &cells}) {
        EXPECT_EQ(sidesOf(*sheet, 1, 1), (std::array{T, T, H, H}));
        EXPECT_EQ(sidesOf(*sheet, 2, 2), (std::array{H, H, H, H}));
        EXPECT_EQ(sidesOf(*sheet, 3, 3), (std::array{H, H, T, T}));
        EXPECT_EQ(sidesOf(*sheet, 1, 4), (std::array{0, 0, 0, 0})); // nothing outside the table
        EXPECT_EQ(sheet->lastUsedRow(), 3);
        EXPECT_EQ(sheet->lastUsedColumn(), 3);
    }

    Worksheet two; // each area of a multi-area range gets its own outline
    two.RangeOf("A2:F18,A21:F37").setBorderWeight(xlEdgeTop, xlThin);
    EXPECT_EQ(sidesOf(two, 2, 1)[1], T);
    EXPECT_EQ(sidesOf(two, 21, 6)[1], T);
    EXPECT_EQ(sidesOf(two, 3, 1)[1], 0);
    // One row has no inside horizontal line: nothing to draw, no error.
    two.RangeOf("A40:C40").setBorderWeight(xlInsideHorizontal, xlHairline);
    EXPECT_EQ(sidesOf(two, 40, 2), (std::array{0, 0, 0, 0}));
    EXPECT_THROW(two.RangeOf("A1").setBorderWeight(xlEdgeTop, 3), platform::RuntimeError);
    EXPECT_THROW(two.RangeOf("A1").setBorderWeight(99, xlThin), platform::RuntimeError);
}

TEST(RangeTest, HeightAddsTheRowsInPoints)
{
    Worksheet sheet;
    EXPECT_EQ(sheet.RangeOf("A1:A3").Height(), 45);
    sheet.Rows("2:2").setRowHeight(30);
    sheet.Cells().setRowHeight(14); // every row, later: row 2 too
    EXPECT_EQ(sheet.RangeOf("A1:A3").Height(), 42);
    sheet.Rows("1:1").setRowHeight(30); // a single row after every row keeps its own
    EXPECT_EQ(sheet.RangeOf("A1:C3").Height(), 58);
    EXPECT_EQ(sheet.RangeOf("A2:A41").Height(), 40 * 14);
}

TEST(RangeTest, AutoFitFollowsTheTextAndItsFont)
{
    Worksheet sheet;
    sheet.setCellValue(1, 1, QStringLiteral("short"));
    sheet.setCellValue(2, 1, QStringLiteral("a much longer text in this column"));
    sheet.setCellValue(1, 2, QStringLiteral("a much longer text in this column"));
    sheet.Columns("B:B").setFontSize(22);
    sheet.setColumnWidth(3, 30);
    sheet.Columns("A:C").AutoFitColumns();
    EXPECT_GT(sheet.columnWidth(1), 20);
    EXPECT_LT(sheet.columnWidth(1), 45);
    EXPECT_GT(sheet.columnWidth(2), 1.8 * sheet.columnWidth(1));
    EXPECT_EQ(sheet.columnWidth(3), Worksheet::kDefaultColumnWidth); // an empty column goes back
}

TEST(RangeTest, ApplicationWorksOnTheActiveSheetAndHonoursTheFactory)
{
    auto app = Application::Create();
    ASSERT_TRUE(app);
    EXPECT_THROW(app->RangeOf("A1"), platform::RuntimeError); // no workbook yet
    Worksheet& sheet = app->WorkbooksAdd().Worksheets(1);
    app->RangeOf("C3:D4").Select();
    EXPECT_EQ(app->ActiveCell().Row(), 3);
    EXPECT_EQ(app->Selection().areas().front().bottom, 4);
    app->setDisplayGridlines(false);
    EXPECT_FALSE(sheet.displayGridlines());
    EXPECT_EQ(&app->RangeOf(app->RangeOf("B2"), app->RangeOf("A1")).sheet(), &sheet);
    EXPECT_THROW(app->activeWorkbook()->Worksheets(2), platform::RuntimeError);

    Application::setFactoryForTesting([] { return std::shared_ptr<Application>(); });
    EXPECT_FALSE(Application::Create());
    Application::setFactoryForTesting({});
    EXPECT_TRUE(Application::Create());
}

} // namespace
