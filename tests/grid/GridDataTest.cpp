#include "TestFiles.h"
#include "tests/platform/SpecialFiles.h"
#include "platform/RuntimeError.h"
#include "platform/grid/GridData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform::grid;
using testsupport::errorOf;

namespace {

// A step-grid-like shape: one title row, one number column.
GridData shaped(int32_t rows, int32_t cols)
{
    GridData grid;
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    grid.setCols(cols);
    grid.setRows(rows);
    return grid;
}

TEST(GridDataGeometry, ShrinkingKeepsFixedCountsAndCurrentCellInside)
{
    GridData grid = shaped(10, 5);
    grid.setTextMatrix(9, 4, QStringLiteral("gone"));
    grid.Select(8, 3);
    grid.setRows(4);
    EXPECT_EQ(grid.Row(), 3);
    grid.setRows(10);
    EXPECT_EQ(grid.TextMatrix(9, 4), QString()); // dropped cells come back empty

    // Rows cut to the titles: nothing is current any more, until rows return.
    grid.setRows(grid.FixedRows());
    EXPECT_EQ(grid.Row(), -1);
    EXPECT_EQ(grid.selection().top, -1);
    grid.setRows(5);
    EXPECT_EQ(grid.Row(), 1);

    grid.setRows(0);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(errorOf([&] { grid.setFixedRows(1); }), platform::errInvalidPropertyValue);
}

TEST(GridDataGeometry, WidthsHeightsAndDefaults)
{
    GridData grid = shaped(5, 4);
    EXPECT_EQ(grid.ColWidth(2), GridData::kDefaultColWidth);
    grid.setColWidth(-1, 500);
    grid.setColWidth(2, 1200);
    EXPECT_EQ(grid.ColWidth(1), 500);
    EXPECT_EQ(grid.ColWidth(2), 1200);
    grid.setRowHeight(-1, 260);
    grid.setRowHeight(0, 300);
    EXPECT_EQ(grid.RowHeight(0), 300);
    EXPECT_EQ(grid.RowHeight(4), 260);
    grid.setColHidden(3, true);
    EXPECT_TRUE(grid.ColHidden(3));
}

TEST(GridDataGeometry, BadIndicesRaise381)
{
    GridData grid = shaped(3, 3);
    EXPECT_EQ(errorOf([&] { grid.TextMatrix(3, 0); }), 381);
    EXPECT_EQ(errorOf([&] { grid.setTextMatrix(0, -1, {}); }), 381);
    EXPECT_EQ(errorOf([&] { grid.setCell(CellProperty::BackColor, 1, 1, 1, 5, 0); }), 381);
    EXPECT_EQ(errorOf([&] { grid.setRow(7); }), 381);
    EXPECT_EQ(errorOf([&] { grid.setCell(CellProperty::Value, 1, 1, 1.0); }), 383);
}

TEST(GridDataCells, RangeSettingWritesEveryCellOfTheRangeOnly)
{
    GridData grid = shaped(6, 6);
    grid.setCell(CellProperty::BackColor, 4, 4, 2, 2, 0xC0C0C0u); // ends given in any order
    for (int32_t r = 1; r < 6; ++r)
        for (int32_t c = 1; c < 6; ++c) {
            const bool inside = r >= 2 && r <= 4 && c >= 2 && c <= 4;
            EXPECT_EQ(grid.CellBackColor(r, c), inside ? 0xC0C0C0u : grid.BackColor()) << r << "," << c;
        }
    grid.setCell(CellProperty::Text, 1, 1, 5, 5, QString());
    grid.setCell(CellProperty::Data, 1, 0, QStringLiteral("KEY"));
    grid.setCell(CellProperty::Data, 2, 0, 200);
    EXPECT_EQ(grid.CellData(1, 0).toString(), QStringLiteral("KEY"));
    EXPECT_EQ(grid.Cell(CellProperty::Data, 2, 0).toInt(), 200);
}

TEST(GridDataCells, ColoursFallBackToTheGridsFixedAndNormalColours)
{
    GridData grid = shaped(3, 3);
    EXPECT_EQ(grid.CellBackColor(0, 1), grid.BackColorFixed());
    EXPECT_EQ(grid.CellBackColor(1, 1), grid.BackColor());
    grid.setCell(CellProperty::ForeColor, 1, 0, 255);
    EXPECT_EQ(grid.Cell(CellProperty::ForeColor, 1, 0).toUInt(), 255u);
    // A value saved and written back stays what it was (the all-differences view does this).
    const uint32_t saved = grid.CellBackColor(2, 2);
    grid.setCell(CellProperty::BackColor, 2, 2, 0xFF);
    grid.setCell(CellProperty::BackColor, 2, 2, saved);
    EXPECT_EQ(grid.CellBackColor(2, 2), saved);
}

TEST(GridDataCells, FontAndAlignmentOverridesApplyPerCell)
{
    GridData grid = shaped(3, 3);
    grid.setCell(CellProperty::FontName, 1, 1, QStringLiteral("Arial"));
    grid.setCell(CellProperty::FontSize, 1, 1, 8);
    grid.setCell(CellProperty::FontBold, 1, 1, 2, 2, true);
    grid.setCell(CellProperty::FontUnderline, 2, 2, true);
    EXPECT_EQ(grid.CellFont(1, 1).family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(grid.CellFont(1, 1).pointSizeF(), 8.0);
    EXPECT_TRUE(grid.Cell(CellProperty::FontBold, 2, 1).toBool());
    EXPECT_TRUE(grid.CellFont(2, 2).underline());
    EXPECT_FALSE(grid.CellFont(1, 1).underline());

    grid.setColAlignment(1, alignCenterCenter);
    EXPECT_EQ(grid.CellAlignment(2, 1), alignCenterCenter);
    grid.setCell(CellProperty::Alignment, 2, 1, alignLeftCenter);
    EXPECT_EQ(grid.CellAlignment(2, 1), alignLeftCenter);
    EXPECT_EQ(grid.CellAlignment(1, 1), alignCenterCenter);
}

// Cells that look alike share one look: changing one format of a few cells of
// a run, dropping looks no cell shows and thousands of different looks must
// leave every cell its own formats, and rows inserted and removed carry theirs.
TEST(GridDataCells, EveryCellKeepsItsOwnLookThroughSharedAndDroppedLooks)
{
    GridData grid = shaped(3001, 3);
    grid.setCell(CellProperty::BackColor, 1, 1, 3000, 2, 0x0000FFu);
    grid.setCell(CellProperty::FontBold, 1, 1, 1500, 1, true);
    grid.setCell(CellProperty::BackColor, 10, 2, 0x00FF00u);
    EXPECT_EQ(grid.CellBackColor(9, 2), 0x0000FFu);
    EXPECT_EQ(grid.CellBackColor(10, 2), 0x00FF00u);
    EXPECT_TRUE(grid.CellFont(1500, 1).bold());
    EXPECT_FALSE(grid.CellFont(1501, 1).bold());
    EXPECT_EQ(grid.CellBackColor(1501, 1), 0x0000FFu);

    // Far more colours than the table keeps before dropping unused looks, set twice over.
    for (int pass = 0; pass < 2; ++pass)
        for (int32_t r = 1; r <= 3000; ++r)
            grid.setCell(CellProperty::ForeColor, r, 2, static_cast<uint32_t>(r * 7 + pass));
    for (int32_t r = 1; r <= 3000; ++r) {
        ASSERT_EQ(grid.CellForeColor(r, 2), static_cast<uint32_t>(r * 7 + 1)) << r;
        ASSERT_EQ(grid.CellBackColor(r, 2), r == 10 ? 0x00FF00u : 0x0000FFu) << r;
        ASSERT_EQ(grid.CellFont(r, 1).bold(), r <= 1500) << r;
    }

    grid.setCell(CellProperty::Data, 11, 1, 11);
    grid.AddItem(QStringLiteral("\tnew"), 10);
    EXPECT_EQ(grid.CellBackColor(11, 2), 0x00FF00u);
    EXPECT_EQ(grid.CellData(12, 1).toInt(), 11);
    EXPECT_EQ(grid.CellBackColor(10, 2), grid.BackColor()); // the new row is plain
    EXPECT_FALSE(grid.CellData(10, 1).isValid());
    grid.RemoveItem(10);
    EXPECT_EQ(grid.CellBackColor(10, 2), 0x00FF00u);
    EXPECT_EQ(grid.CellData(11, 1).toInt(), 11);
}

TEST(GridDataCells, ValueMatrixReadsTheLeadingNumber)
{
    GridData grid = shaped(2, 6);
    const std::vector<std::pair<QString, double>> cases = {
        {QStringLiteral("12abc"), 12}, {QStringLiteral("***"), 0}, {QString(), 0},
        {QStringLiteral("-3.5"), -3.5}, {QStringLiteral("&HFFFFFFFFFF"), 0}};
    for (size_t i = 0; i < cases.size(); ++i) {
        grid.setTextMatrix(1, static_cast<int32_t>(i), cases[i].first);
        EXPECT_DOUBLE_EQ(grid.ValueMatrix(1, static_cast<int32_t>(i)), cases[i].second) << cases[i].first.toStdString();
    }
}

TEST(GridDataCells, ColumnListShowsTheEntryOfAStoredValue)
{
    GridData grid = shaped(3, 8);
    grid.setColComboList(6, QStringLiteral("#0;POS LEV|#1;POS EDG|#2;NEG LEV|#3;NEG EDG"));
    grid.setTextMatrix(1, 6, QStringLiteral("2"));
    EXPECT_EQ(grid.TextMatrix(1, 6), QStringLiteral("2"));
    EXPECT_EQ(grid.TextDisplay(1, 6), QStringLiteral("NEG LEV"));
    EXPECT_EQ(grid.Cell(CellProperty::TextDisplay, 1, 6).toString(), QStringLiteral("NEG LEV"));
    EXPECT_DOUBLE_EQ(grid.ValueMatrix(1, 6), 2.0);

    // The per-cell list wins over the column's for the next edit.
    EXPECT_TRUE(grid.editList(1, 6).isTranslated());
    grid.setComboList(QStringLiteral("..."));
    EXPECT_TRUE(grid.editList(1, 6).isButton());
    grid.setComboList(QString());
    EXPECT_TRUE(grid.editList(1, 5).isEmpty());
}

// ---- selection -----------------------------------------------------------------------

struct Recorder {
    std::vector<std::string> log;
    bool vetoColumn8 = false;
    void attach(GridData& grid)
    {
        grid.events().beforeRowColChange = [this](int32_t, int32_t, int32_t r, int32_t c, bool& cancel) {
            log.push_back("before " + std::to_string(r) + "," + std::to_string(c));
            cancel = vetoColumn8 && c == 8;
        };
        grid.events().afterRowColChange = [this](int32_t, int32_t, int32_t r, int32_t c) {
            log.push_back("after " + std::to_string(r) + "," + std::to_string(c));
        };
    }
};

TEST(GridDataSelection, MovingTheCurrentCellCollapsesTheSelection)
{
    GridData grid = shaped(10, 10);
    ASSERT_TRUE(grid.Select(2, 2, 5, 4));
    EXPECT_EQ(grid.RowSel(), 5);
    EXPECT_TRUE(grid.isSelected(4, 3));
    grid.setRow(3);
    EXPECT_EQ(grid.RowSel(), 3);
    EXPECT_EQ(grid.ColSel(), 2);
    grid.setRowSel(1); // the moving end may lie above the anchor
    const CellRange range = grid.selection();
    EXPECT_EQ(range.top, 1);
    EXPECT_EQ(range.bottom, 3);
}

TEST(GridDataSelection, WholeRowModeSpansTheScrollableColumns)
{
    GridData grid = shaped(10, 6);
    grid.setSelectionMode(selByRow);
    grid.Select(4, 3, 2, 3);
    const CellRange range = grid.selection();
    EXPECT_EQ(range.top, 2);
    EXPECT_EQ(range.bottom, 4);
    EXPECT_EQ(range.left, 1);
    EXPECT_EQ(range.right, 5);
    EXPECT_EQ(errorOf([&] { grid.setSelectionMode(2); }), platform::errInvalidPropertyValue);
}

TEST(GridDataSelection, RowColChangeIsAskedFirstAndMayBeRefused)
{
    GridData grid = shaped(10, 10);
    Recorder recorder;
    recorder.attach(grid);
    recorder.vetoColumn8 = true;
    grid.Select(2, 7);
    grid.setCol(8); // refused: the current cell stays
    EXPECT_EQ(grid.Col(), 7);
    EXPECT_FALSE(grid.Select(3, 8));
    EXPECT_EQ(grid.Row(), 2);
    grid.setRow(2); // no move, no event
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"before 2,7", "after 2,7", "before 2,8", "before 3,8"}));
}

TEST(GridDataSelection, FixedRowsMoveTheCurrentCellOutOfTheTitles)
{
    GridData grid;
    grid.setFixedRows(0);
    grid.setFixedCols(0);
    grid.Select(0, 0);
    grid.setFixedRows(1);
    grid.setFixedCols(2);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
}

// ---- rows, titles, search ---------------------------------------------------------

TEST(GridDataRows, AddItemAndRemoveItemShiftTheRowsBelow)
{
    GridData grid = shaped(4, 3);
    for (int32_t r = 1; r < 4; ++r)
        grid.setTextMatrix(r, 1, QString::number(r));
    grid.setCell(CellProperty::ForeColor, 2, 0, 255);
    grid.AddItem(QStringLiteral("x\tnew"), 2);
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.TextMatrix(2, 1), QStringLiteral("new"));
    EXPECT_EQ(grid.TextMatrix(3, 1), QStringLiteral("2"));
    EXPECT_EQ(grid.CellForeColor(3, 0), 255u); // formats travel with their row
    grid.RemoveItem(1);
    grid.RemoveItem(1);
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("2"));
    grid.AddItem(QStringLiteral("\tlast"));
    EXPECT_EQ(grid.TextMatrix(grid.Rows() - 1, 1), QStringLiteral("last"));
    EXPECT_EQ(errorOf([&] { grid.AddItem({}, 99); }), 381);
}

TEST(GridDataRows, FormatStringSetsTitlesColumnsAndAlignment)
{
    GridData grid;
    grid.setFormatString(QStringLiteral("Function|Digital|^Unit|>Max"));
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("Function"));
    EXPECT_EQ(grid.TextMatrix(0, 2), QStringLiteral("Unit"));
    EXPECT_EQ(grid.ColAlignment(2), alignCenterCenter);
    EXPECT_EQ(grid.ColAlignment(3), alignRightCenter);
    EXPECT_EQ(grid.ColAlignment(1), alignGeneral);
}

TEST(GridDataRows, ClearEmptiesTextsDataAndFormats)
{
    GridData grid = shaped(3, 3);
    grid.setTextMatrix(1, 1, QStringLiteral("x"));
    grid.setCell(CellProperty::Data, 1, 1, 5);
    grid.setCell(CellProperty::BackColor, 1, 1, 0xFF);
    grid.setColData(1, 4);
    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(1, 1), QString());
    EXPECT_FALSE(grid.CellData(1, 1).isValid());
    EXPECT_EQ(grid.CellBackColor(1, 1), grid.BackColor());
    EXPECT_EQ(grid.ColData(1), 4); // columns keep their settings
}

TEST(GridDataRows, FindRowSearchesOneColumnFromTheFirstDataRow)
{
    GridData grid = shaped(5, 3);
    grid.setTextMatrix(0, 1, QStringLiteral("L_SPEED_MIN"));
    grid.setTextMatrix(3, 1, QStringLiteral("L_SPEED_MIN"));
    EXPECT_EQ(grid.FindRow(QStringLiteral("L_SPEED_MIN"), -1, 1), 3);
    EXPECT_EQ(grid.FindRow(QStringLiteral("l_speed_min"), -1, 1), -1);
    EXPECT_EQ(grid.FindRow(QStringLiteral("l_speed_min"), -1, 1, false), 3);
    EXPECT_EQ(grid.FindRow(QStringLiteral("L_SPEED"), -1, 1, true, false), 3);
    EXPECT_EQ(grid.FindRow(QStringLiteral("L_SPEED_MIN"), 4, 1), -1);
}

// ---- files -----------------------------------------------------------------------------

TEST(GridDataFile, SaveAndLoadRestoreContentsAndFormats)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("~qe1.tmp"));
    GridData grid = shaped(193, 29);
    grid.setColData(5, 5);
    grid.setColWidth(1, 1200);
    grid.setColHidden(3, true);
    grid.setColComboList(6, QStringLiteral("#0;POS LEV|#1;POS EDG"));
    grid.setTextMatrix(12, 2, QStringLiteral("OUT1"));
    grid.setTextMatrix(12, 6, QStringLiteral("1"));
    grid.setCell(CellProperty::ForeColor, 12, 0, 255);
    grid.setCell(CellProperty::Data, 12, 13, 42);
    grid.setCell(CellProperty::FontBold, 12, 2, true);
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    grid.setCell(CellProperty::Picture, 12, 8, picture);
    grid.Select(12, 2);
    grid.SaveGrid(path, 0);

    GridData back = shaped(5, 5);
    back.LoadGrid(path, 0);
    EXPECT_EQ(back.Rows(), 193);
    EXPECT_EQ(back.Cols(), 29);
    EXPECT_EQ(back.ColData(5), 5);
    EXPECT_EQ(back.ColWidth(1), 1200);
    EXPECT_TRUE(back.ColHidden(3));
    EXPECT_EQ(back.TextMatrix(12, 2), QStringLiteral("OUT1"));
    EXPECT_EQ(back.TextDisplay(12, 6), QStringLiteral("POS EDG"));
    EXPECT_EQ(back.CellForeColor(12, 0), 255u);
    EXPECT_EQ(back.CellData(12, 13).toInt(), 42);
    EXPECT_TRUE(back.CellFont(12, 2).bold());
    EXPECT_EQ(back.CellPicture(12, 8).size(), QSize(4, 4));
    EXPECT_EQ(back.CellBackColor(12, 2), grid.CellBackColor(12, 2));
    EXPECT_EQ(back.Row(), 12);
}

TEST(GridDataFile, AFileThatIsNoGridLeavesTheGridAsItWas)
{
    QTemporaryDir dir;
    GridData grid = shaped(3, 3);
    grid.setTextMatrix(1, 1, QStringLiteral("kept"));
    const QString missing = dir.filePath(QStringLiteral("missing.tmp"));
    EXPECT_EQ(errorOf([&] { grid.LoadGrid(missing); }), platform::errFileNotFound);

    const QString garbage = dir.filePath(QStringLiteral("garbage.tmp"));
    testsupport::writeFile(garbage, "not a grid at all");
    EXPECT_EQ(errorOf([&] { grid.LoadGrid(garbage); }), 321);

    // A snapshot cut short.
    const QString good = dir.filePath(QStringLiteral("good.tmp"));
    grid.SaveGrid(good);
    QFile cut(good);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cut.resize(cut.size() / 2));
    cut.close();
    EXPECT_EQ(errorOf([&] { grid.LoadGrid(good); }), 321);
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("kept"));
    EXPECT_EQ(grid.Rows(), 3);
}

// A pipe, a folder or a file far larger than any grid at the path is refused
// at once, without waiting on the pipe or reading the file.
TEST(GridDataFile, WhatIsNoGridFileIsRefusedAtOnce)
{
    using testsupport::Standing;
    QTemporaryDir dir;
    GridData grid = shaped(3, 3);
    grid.setTextMatrix(1, 1, QStringLiteral("kept"));
    for (const Standing what : {Standing::Fifo, Standing::Folder, Standing::HugeFile}) {
        SCOPED_TRACE(testsupport::nameOf(what));
        const testsupport::StandIn standIn(dir.filePath(QStringLiteral("grid.tmp")), what);
        EXPECT_EQ(errorOf([&] { grid.LoadGrid(dir.filePath(QStringLiteral("grid.tmp"))); }), platform::errPathFileAccess);
        standIn.expectRefusedAtOnce();
        EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("kept"));
    }
}

// A damaged snapshot whose cell data claims a list of four thousand million
// texts: Qt would reserve room for them all before reading one. It is refused
// at once instead, and a list is never written into a snapshot.
TEST(GridDataFile, ASnapshotWithAHugeListCountIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("~qe2.tmp"));
    GridData grid = shaped(3, 3);
    grid.setCell(CellProperty::Data, 1, 1, 0x5A5A5A5A);
    grid.SaveGrid(path);
    // The cell's data as saved: type Int (2), not null, the value.
    const QByteArray plain = QByteArray::fromHex("00000002005a5a5a5a");
    // The same place holding a text list (type 11) of 0xFFFFFFFF elements.
    const QByteArray list = QByteArray::fromHex("0000000b00ffffffff");
    QByteArray bytes = testsupport::readFile(path);
    ASSERT_EQ(bytes.count(plain), 1);
    testsupport::writeFile(path, bytes.replace(plain, list));

    grid.setTextMatrix(1, 2, QStringLiteral("kept"));
    EXPECT_EQ(errorOf([&] { grid.LoadGrid(path); }), 321);
    EXPECT_EQ(grid.TextMatrix(1, 2), QStringLiteral("kept"));

    grid.setCell(CellProperty::Data, 1, 1, QStringList{QStringLiteral("a")});
    EXPECT_EQ(errorOf([&] { grid.SaveGrid(path); }), platform::errInvalidPropertyValue);
}

} // namespace
