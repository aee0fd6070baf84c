#include "datamodel/okuri/colclsOkuri.h"

#include "ScriptedUi.h"
#include "SheetReading.h"
#include "platform/workbook/Application.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"
#include "resource/clsResource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace Telva27;
namespace wb = platform::workbook;
using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

using namespace reporttest;

// Row i of a table (0 or 1): values that tell the table, the row and the field
// apart, and fit the byte fields.
int value(int table, int row, int field) { return table * 100 + row * 5 + field; }

class PitchReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        fill(x, 0, 16);
        fill(y, 1, 16);
        y.Item(16)->setB(65535);
        x.Doing = [this](const QString& text) { doings << text; };
        app = std::make_shared<wb::Application>();
        wb::Application::setFactoryForTesting([this] { return app; });
    }
    void TearDown() override { wb::Application::setFactoryForTesting({}); }

    static void fill(colclsOkuri& table, int id, int rows)
    {
        table.ResetCollection();
        for (int r = 1; r <= rows; ++r)
            table.Add(static_cast<uint8_t>(value(id, r, 0)), static_cast<uint8_t>(value(id, r, 1)), value(id, r, 2),
                      value(id, r, 3), value(id, r, 4));
    }

    bool print(ENUM_EXCELVERSIONINDEX version = eEXCEL2000)
    {
        doings.clear();
        return x.PrintToExcel(version, target(), x, y);
    }
    QString target() const { return QDir(dir.path()).filePath(QStringLiteral("pitch.xlsx")); }
    wb::Worksheet& sheet() { return app->activeWorkbook()->Worksheets(1); }

    void expectTable(int firstRow, const QString& title, int id)
    {
        const wb::Worksheet& s = sheet();
        SCOPED_TRACE(title.toStdString());
        EXPECT_EQ(s.value(firstRow, 1), QVariant(title));
        const QStringList headings = {"Pitch(mm)", "P1", "P2", "T1", "T2", "B"};
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(s.value(firstRow + 1, c).toString(), headings[c - 1]);
        for (int i = 1; i <= 16; ++i) {
            const int r = firstRow + 1 + i;
            EXPECT_EQ(s.value(r, 1), x.GetPitchCaption(i)) << r;
            for (int f = 0; f < 5; ++f) {
                const int expected = id == 1 && i == 16 && f == 4 ? 65535 : value(id, i, f);
                EXPECT_EQ(s.value(r, 2 + f).toInt(), expected) << r << "," << 2 + f;
            }
        }
    }

    QTemporaryDir dir;
    colclsOkuri x;
    colclsOkuri y;
    std::shared_ptr<wb::Application> app;
    QStringList doings;
};

} // namespace

TEST_F(PitchReportTest, XFromRowOneYFromRowTwentyInBothBorderSettings)
{
    for (const ENUM_EXCELVERSIONINDEX version : {eEXCEL2000, eEXCEL95}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(print(version));
        expectTable(1, QStringLiteral("X"), 0);
        expectTable(20, QStringLiteral("Y"), 1);
        for (int c = 1; c <= 6; ++c)
            EXPECT_FALSE(sheet().value(19, c).isValid()) << c;
        EXPECT_EQ(sheet().lastUsedColumn(), 6);
        EXPECT_TRUE(QFile::exists(target()));
    }
}

TEST_F(PitchReportTest, ProgressTextPerPrintedRow)
{
    ASSERT_TRUE(print());
    QStringList expected = {res(264)};
    for (const int first : {3, 22})
        for (int r = first; r < first + 16; ++r)
            expected << QStringLiteral("Printing:%1 row").arg(r);
    for (const int n : {267, 269, 268, 270, 271, 272, 273, 274, 266})
        expected << res(n);
    EXPECT_EQ(doings, expected);
}

TEST_F(PitchReportTest, FontsWidthsAndPage)
{
    ASSERT_TRUE(print());
    const wb::Worksheet& s = sheet();
    const auto style = [&](int r, int c) { return wb::ResolvedStyle::from(s.style(r, c)); };
    EXPECT_EQ(s.Name(), QStringLiteral("QEL-M Pitch prameters"));
    EXPECT_DOUBLE_EQ(style(5, 3).fontSize, 9);
    for (const int r : {1, 20}) {
        EXPECT_DOUBLE_EQ(style(r, 1).fontSize, 12) << r;
        EXPECT_EQ(style(r, 1).horizontalAlignment, wb::xlHAlignLeft) << r;
    }
    for (const int r : {2, 21})
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(style(r, c).horizontalAlignment, wb::xlHAlignCenter) << r << "," << c;
    EXPECT_EQ(style(7, 1).horizontalAlignment, wb::xlHAlignCenter);
    EXPECT_NE(style(7, 2).horizontalAlignment, wb::xlHAlignCenter);
    EXPECT_DOUBLE_EQ(s.columnWidth(1), 15);
    EXPECT_DOUBLE_EQ(s.rowHeight(19), 14);
    EXPECT_FALSE(s.displayGridlines());
    EXPECT_EQ(s.pageSetup().zoom, 100);
    EXPECT_EQ(s.pageSetup().centerHeader, QStringLiteral("&9&F  &A  &P / &N  &D"));
    EXPECT_DOUBLE_EQ(s.pageSetup().leftMargin, 28.8);
}

TEST_F(PitchReportTest, BordersAroundBothTablesNotTheTitles)
{
    for (const ENUM_EXCELVERSIONINDEX version : {eEXCEL2000, eEXCEL95}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(print(version));
        const wb::Worksheet& s = sheet();
        for (const int top : {2, 21}) {
            const int bottom = top + 16;
            for (int c = 1; c <= 6; ++c) {
                EXPECT_EQ(line(s, top, c, Top), wb::xlThin) << top << "," << c;
                EXPECT_EQ(line(s, bottom, c, Bottom), wb::xlThin) << bottom << "," << c;
                EXPECT_EQ(line(s, top + 1, c, Top), wb::xlHairline) << top + 1 << "," << c;
            }
            for (int r = top; r <= bottom; ++r) {
                EXPECT_EQ(line(s, r, 1, Left), wb::xlThin) << r;
                EXPECT_EQ(line(s, r, 6, Right), wb::xlThin) << r;
                EXPECT_EQ(line(s, r, 2, Left), wb::xlHairline) << r;
            }
        }
        // Row 19 and the Y title row stand free.
        EXPECT_EQ(line(s, 19, 1, Bottom), 0);
        EXPECT_EQ(line(s, 20, 1, Left), 0);
        EXPECT_EQ(line(s, 1, 1, Left), 0);
    }
}

TEST_F(PitchReportTest, TableLongerThanTheBandsIsReportedAndTheRestPrinted)
{
    fill(x, 0, 17);
    scriptedUi().answerMessageBox(platform::vbOK);
    ASSERT_TRUE(print());
    const auto calls = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].text.startsWith(QStringLiteral("PrintExcelRows\r\n")));
    EXPECT_TRUE(calls[0].text.contains(QStringLiteral("[ErrCode] 9\r\n")));
    EXPECT_FALSE(sheet().value(3, 2).isValid()) << "no X value run into the Y table";
    EXPECT_FALSE(sheet().value(19, 2).isValid());
    expectTable(20, QStringLiteral("Y"), 1);
}
