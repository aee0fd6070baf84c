#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/reports/CustomizeReport.h"

#include "ScriptedUi.h"
#include "platform/Ui.h"
#include "platform/workbook/Application.h"
#include "platform/workbook/XlConstants.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace Telva27;
using testsupport::scriptedUi;
namespace wb = platform::workbook;

namespace {

// A cell and what it should hold; an invalid value means empty.
struct Cell {
    int32_t row;
    int32_t column;
    QVariant value;
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

enum Column : int32_t { A = 1, B, C, D, E, F, G, H, I, J, K, L, M };

class CustomizeReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        wb::Application::setFactoryForTesting([this] { return app; });
        for (colclsCustom* pins : {&cusStd, &cusUsr}) {
            pins->Add(eINPUT, "IN1", 16, 20, 1, 20, 2);
            pins->Add(eINPUT, "IP", 17, 20, 4, 20, 8);
            pins->Add(eOUTPUT, "OA", 30, 31, 1, 31, 2, 4, 8, 32, 33, 34, 1, 35, 36, 7);
            pins->Add(eOUTPUT, "OB", 40, 41, 1, 41, 2, 4, 8, 42, 43); // no chopping
            pins->Item("IN1")->setKino(1);
            pins->Item("IP")->setKino(2);
            pins->Item("OA")->setKino(1);
            pins->Item("OB")->setKino(2);
        }
        for (auto [name, code, advice] : {std::tuple{"NONE", 0, "No function"}, {"STA", 1, "Start"},
                                          {"PEDAL", 2, "Pedal switch"}, {"THREADS", 3, "Thread sensor"}})
            selinp.Add(name, static_cast<int16_t>(code), advice, "IN");
        for (auto [name, code, advice] :
             {std::tuple{"NONE", 0, "No function"}, {"FAN", 1, "Cooling fan"}, {"LAMP", 2, "Lamp"}})
            selout.Add(name, static_cast<int16_t>(code), advice, "OUT");
        cusUsr.Doing = [this](const QString& text) { doings << text; };
    }
    void TearDown() override { wb::Application::setFactoryForTesting({}); }

    bool print(bool onlyDif, ENUM_EXCELVERSIONINDEX version = eEXCEL2000)
    {
        return cusUsr.PrintToExcel(version, file(), cusStd, selinp, selout, onlyDif);
    }
    QString file() const { return dir.filePath("custom.xlsx"); }
    wb::Worksheet& sheet() { return app->activeWorkbook()->Worksheets(1); }
    qsizetype pinProgress() const
    {
        return std::count_if(doings.begin(), doings.end(), [](const QString& t) { return t.startsWith("Printing:"); });
    }
    wb::ResolvedStyle style(int32_t row, int32_t column) { return wb::ResolvedStyle::from(sheet().style(row, column)); }

    // The user's output pin OA: switched on delay, chopping, and a full-wave time and duty of its own.
    void setUpOutputPin(uint8_t duty)
    {
        const auto oa = cusUsr.Item("OA");
        oa->setOnDelay(1);
        oa->setOnDelayTime(12);
        oa->setOffDelayTime(255);
        oa->setChopping(1);
        oa->setZenpaTime(40);
        oa->setDuty(duty);
    }

    std::shared_ptr<wb::Application> app = std::make_shared<wb::Application>();
    QTemporaryDir dir;
    colclsCustom cusStd, cusUsr;
    colclsCusSelection selinp, selout;
    QStringList doings;
};

TEST_F(CustomizeReportTest, HeadingRowHasThirteenHeadingsSomeOnTwoLines)
{
    ASSERT_TRUE(print(false));
    expectCells(sheet(), {{1, A, "Signal"},
                          {1, B, "Std value"},
                          {1, C, "Dif"},
                          {1, D, "User value"},
                          {1, E, "Logic\r\nExchange"},
                          {1, F, "Action"},
                          {1, G, "ON delay\r\nON/OFF"},
                          {1, H, "ON delay\r\nTime"},
                          {1, I, "OFF Delay\r\nON/OFF"},
                          {1, J, "OFF Delay\r\nTime"},
                          {1, K, "Chopping\r\nON/OFF"},
                          {1, L, "All wave\r\nTime"},
                          {1, M, "Duty"},
                          {1, 14, {}}});
}

TEST_F(CustomizeReportTest, OnlyDifferencesWithoutAnyLeavesTheHeadingRow)
{
    ASSERT_TRUE(print(true));
    EXPECT_TRUE(QFileInfo::exists(file()));
    EXPECT_EQ(sheet().lastUsedRow(), 1);
    EXPECT_EQ(pinProgress(), 4); // every pin is still announced
    EXPECT_EQ(doings.first(), "Creating excel object...");
    EXPECT_EQ(doings.last(), "Print to excel file done.");
    // The one row is framed: its bottom is the table's thin edge.
    EXPECT_EQ(style(1, A).bottom.weight, wb::xlThin);
    EXPECT_EQ(style(1, M).right.weight, wb::xlThin);
    EXPECT_EQ(style(2, A).top.weight, 0);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(CustomizeReportTest, EveryPinWithMarksGapAndOutputColumns)
{
    cusUsr.Item("IP")->setKino(3);
    cusUsr.Item("IP")->setLogic(1);
    setUpOutputPin(7);
    cusStd.Item("OA")->setDuty(7);
    cusStd.Item("OA")->setOffDelayTime(255);
    cusStd.Item("OA")->setZenpaTime(40);
    cusStd.Item("OA")->setChopping(1);
    cusStd.Item("OA")->setOnDelay(1);
    cusStd.Item("OA")->setOnDelayTime(11); // the one difference of OA
    ASSERT_TRUE(print(false));

    const QVariant none;
    expectCells(sheet(), {
                             // An input pin: A to F only; the fixed-width name pads to five characters.
                             {2, A, "IN1"}, {2, B, "STA  Start"}, {2, C, none}, {2, D, "STA  Start"},
                             {2, E, "-"}, {2, F, "-"}, {2, G, none}, {2, M, none},
                             // Five letters run into the description; a longer name is kept whole.
                             {3, A, "IP"}, {3, B, "PEDALPedal switch"}, {3, C, "*"},
                             {3, D, "THREADSThread sensor"}, {3, E, "REV"}, {3, F, "-"},
                             // The gap after IP.
                             {4, A, none}, {4, B, none},
                             // An output pin with chopping: G to M; times as numbers.
                             {5, A, "OA"}, {5, B, "FAN  Cooling fan"}, {5, C, "*"}, {5, D, "FAN  Cooling fan"},
                             {5, G, "ON"}, {5, H, 12}, {5, I, "OFF"}, {5, J, 255}, {5, K, "ON"}, {5, L, 40},
                             {5, M, "8     " + cusUsr.GetDutyInfo2(7)},
                             // An output pin without chopping: K to M stay empty.
                             {6, A, "OB"}, {6, B, "LAMP Lamp"}, {6, C, none}, {6, D, "LAMP Lamp"}, {6, G, "OFF"},
                             {6, H, 0}, {6, I, "OFF"}, {6, J, 0}, {6, K, none}, {6, L, none}, {6, M, none},
                             {7, A, none},
                         });
    EXPECT_EQ(pinProgress(), 4);
    EXPECT_TRUE(doings.contains("Printing:OB"));
}

TEST_F(CustomizeReportTest, DutyCodeIsPaddedToFiveBeforeItsBlank)
{
    for (auto [duty, code] : {std::pair{1, "66L   "}, {7, "8     "}, {0, "ALL   "}}) {
        setUpOutputPin(static_cast<uint8_t>(duty));
        ASSERT_TRUE(print(false));
        ASSERT_FALSE(cusUsr.GetDutyInfo2(duty).isEmpty());
        EXPECT_EQ(sheet().value(5, M).toString(), code + cusUsr.GetDutyInfo2(duty));
    }
}

TEST_F(CustomizeReportTest, OnlyDifferencesKeepTheGapOnlyAfterAPrintedIP)
{
    struct Case {
        bool ipDiffers;
        int32_t outputRow;
    } cases[] = {{true, 4}, {false, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ipDiffers);
        cusUsr.Item("IP")->setDosa(c.ipDiffers ? 1 : 0);
        cusUsr.Item("OA")->setZenpaTime(9);
        ASSERT_TRUE(print(true));
        if (c.ipDiffers)
            expectCells(sheet(), {{2, A, "IP"}, {2, C, "*"}, {2, F, "ALT"}, {3, A, {}}});
        expectCells(sheet(), {{c.outputRow, A, "OA"}, {c.outputRow, C, "*"}, {c.outputRow, L, 9},
                              {c.outputRow + 1, A, {}}});
        EXPECT_EQ(sheet().lastUsedRow(), c.outputRow);
    }
}

TEST_F(CustomizeReportTest, SheetAndPageLayout)
{
    ASSERT_TRUE(print(false));
    wb::Worksheet& s = sheet();
    EXPECT_EQ(s.Name(), "QEL-M Customize");
    EXPECT_EQ(s.pageSetup().orientation, wb::xlLandscape);
    EXPECT_EQ(s.pageSetup().zoom, 70);
    EXPECT_EQ(s.pageSetup().centerHeader, "&9&F  &A  &P / &N  &D");
    EXPECT_DOUBLE_EQ(s.pageSetup().bottomMargin, 0.3 * 72);
    EXPECT_FALSE(s.displayGridlines());
    EXPECT_DOUBLE_EQ(s.columnWidth(B), 30);
    EXPECT_DOUBLE_EQ(s.rowHeight(1), 30);
    EXPECT_DOUBLE_EQ(s.rowHeight(2), 14);

    const wb::ResolvedStyle heading = style(1, L);
    EXPECT_TRUE(heading.wrapText);
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.interiorColorIndex, 15);
    EXPECT_EQ(heading.pattern, wb::xlPatternGray25);
    const wb::ResolvedStyle signal = style(3, A);
    EXPECT_EQ(signal.fontName, "Tahoma");
    EXPECT_TRUE(signal.bold);
    EXPECT_DOUBLE_EQ(signal.fontSize, 10);
    EXPECT_EQ(style(3, C).horizontalAlignment, wb::xlHAlignCenter);
    EXPECT_DOUBLE_EQ(style(3, C).fontSize, 9);
    EXPECT_NE(style(3, C).fontName, "Tahoma");
    EXPECT_TRUE(style(3, D).bold);
    EXPECT_EQ(style(3, M).fontName, "Tahoma");
    EXPECT_NE(style(3, M).horizontalAlignment, wb::xlHAlignCenter);
    // Hairlines between rows and columns, a thin outline.
    EXPECT_EQ(std::max(style(2, B).bottom.weight, style(3, B).top.weight), wb::xlHairline);
    EXPECT_EQ(std::max(style(2, B).right.weight, style(2, C).left.weight), wb::xlHairline);
    EXPECT_EQ(style(6, B).bottom.weight, wb::xlThin);
    EXPECT_EQ(style(1, A).left.weight, wb::xlThin);
}

TEST_F(CustomizeReportTest, Excel95BordersEveryCellAndOutlinesTheTable)
{
    ASSERT_TRUE(print(false, eEXCEL95));
    EXPECT_EQ(style(3, C).left.weight, wb::xlHairline);
    EXPECT_EQ(style(3, C).bottom.weight, wb::xlHairline);
    EXPECT_EQ(style(1, A).top.weight, wb::xlThin);
    EXPECT_EQ(style(6, M).right.weight, wb::xlThin);
    EXPECT_EQ(sheet().value(5, A).toString(), "OA");
}

TEST_F(CustomizeReportTest, FailedLookupEndsTheRowsButTheWorkbookIsSaved)
{
    struct Case {
        const char* name;
        std::function<void()> breakIt;
        std::vector<Cell> cells;
    } cases[] = {
        {"pin missing in the factory table",
         [this] { cusUsr.Add(eINPUT, "IQ", 18, 20, 16, 20, 32); },
         {{5, A, "OA"}, {6, A, "OB"}, {7, A, {}}}},
        {"user code not listed",
         [this] { cusUsr.Item("IP")->setKino(9); },
         {{2, A, "IN1"}, {3, A, "IP"}, {3, B, "PEDALPedal switch"}, {3, D, {}}, {3, E, {}}, {5, A, {}}}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.breakIt();
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        ASSERT_TRUE(print(false));
        ASSERT_EQ(scriptedUi().calls().size(), 1u);
        EXPECT_TRUE(scriptedUi().calls()[0].text.startsWith("PrintExcelRows\r\n"));
        EXPECT_EQ(scriptedUi().calls()[0].title, "ERROR");
        expectCells(sheet(), c.cells);
        EXPECT_EQ(sheet().Name(), "QEL-M Customize");
        EXPECT_EQ(doings.last(), "Print to excel file done.");
    }
}

} // namespace
