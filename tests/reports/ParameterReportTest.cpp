#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"

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
#include <vector>

using namespace Telva27;
namespace wb = platform::workbook;
using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

using namespace reporttest;

struct Param {
    const char* topkmk;
    const char* kino;
    const char* digital;
    const char* method;
    int std;
    int user;
};

// Three groups: T1 with every kind of value, T2 and T3 with one parameter each.
const Param kParams[] = {
    {"T1", "SPEED", "N1", "NUMBER", 5, 5},
    {"T1", "SPEED", "N2", "NUMBER", 3, 4},
    {"T1", "MODE", "S1", "SELECTION", 0, 1},
    {"T1", "MODE", "S2", "SELECTION", 7, 7},
    {"T1", "KAKUDO_SET", "K1", "NUMBER", 10, 10},
    {"T1", "TIME_SET", "K2", "NUMBER", 10, 11},
    {"T2", "SPEED", "X1", "NUMBER", 1, 2},
    {"T3", "SPEED", "Y1", "NUMBER", -1, -1},
};

// A cell's expected content: a text, a number, or nothing.
struct Cell {
    enum Kind { Text, Number, Empty } kind;
    QString text;
    qint64 number = 0;
    Cell(const char* t) : kind(Text), text(QString::fromUtf8(t)) {}
    Cell(int n) : kind(Number), number(n) {}
    Cell() : kind(Empty) {}
};

void expectCell(const wb::Worksheet& sheet, int row, int column, const Cell& cell)
{
    const QVariant v = sheet.value(row, column);
    SCOPED_TRACE(testing::Message() << "row " << row << " column " << column << " holds "
                                    << v.toString().toStdString());
    switch (cell.kind) {
    case Cell::Text:
        EXPECT_EQ(v.typeId(), QMetaType::QString);
        EXPECT_EQ(v.toString(), cell.text);
        break;
    case Cell::Number:
        EXPECT_NE(v.typeId(), QMetaType::QString);
        EXPECT_EQ(v.toLongLong(), cell.number);
        break;
    case Cell::Empty:
        EXPECT_TRUE(!v.isValid() || v.toString().isEmpty());
        break;
    }
}

void expectRow(const wb::Worksheet& sheet, int row, const std::vector<Cell>& cells)
{
    for (size_t c = 0; c < cells.size(); ++c)
        expectCell(sheet, row, static_cast<int>(c) + 1, cells[c]);
}

class ParameterReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const Param& p : kParams) {
            const QString topkmk = QString::fromLatin1(p.topkmk);
            if (!funcs.Contains(QStringLiteral("Group ") + topkmk))
                funcs.Add(QStringLiteral("Group ") + topkmk, topkmk);
            auto digital = funcs.Item(QStringLiteral("Group ") + topkmk)
                               ->Items()
                               ->Add(p.kino, p.digital, p.method, QStringLiteral("mm"), QStringLiteral("0"),
                                     QStringLiteral("99"), QStringLiteral("Advice ") + p.digital, QStringLiteral("0"),
                                     0, 0);
            digital->setStdValue(p.std);
            digital->setUserValue(p.user);
        }
        auto s1 = funcs.Item(QStringLiteral("Group T1"))->Items()->Item(QStringLiteral("S1"));
        s1->Selections()->Add(QStringLiteral("OFF"), 0);
        s1->Selections()->Add(QStringLiteral("ON"), 1);
        funcs.Doing = [this](const QString& text) {
            doings << text;
            if (text == throwAt)
                throw platform::RuntimeError(throwError);
        };
        app = std::make_shared<wb::Application>();
        wb::Application::setFactoryForTesting([this] { return app; });
    }
    void TearDown() override { wb::Application::setFactoryForTesting({}); }

    bool print(const QSet<QString>& groups, bool onlyDif = false, ENUM_EXCELVERSIONINDEX version = eEXCEL2000)
    {
        doings.clear();
        return funcs.PrintToExcel(version, target(), groups, onlyDif);
    }
    QString target() const { return QDir(dir.path()).filePath(QStringLiteral("QELMFUNC.xlsx")); }
    wb::Worksheet& sheet() { return app->activeWorkbook()->Worksheets(1); }
    QStringList printing() const { return doings.filter(res(294)); }

    QTemporaryDir dir;
    colclsFunction funcs;
    std::shared_ptr<wb::Application> app;
    QStringList doings;
    QString throwAt;
    int throwError = 0;
};

const std::vector<Cell> kHeadings = {"Function", "Digital", "Remark", "Unit", "MIN", "MAX", "Std value", "Value", "Dif"};

std::vector<Cell> row(const char* topkmk, const char* digital, Cell std, Cell user, Cell dif)
{
    const QByteArray advice = QByteArray("Advice ") + digital;
    return {topkmk, digital, Cell(advice.constData()), "mm", "0", "99", std, user, dif};
}

} // namespace

TEST_F(ParameterReportTest, RowsOfTheChosenGroupsInBothBorderSettings)
{
    for (const ENUM_EXCELVERSIONINDEX version : {eEXCEL2000, eEXCEL95}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(print({QStringLiteral("T1"), QStringLiteral("T3")}, false, version));
        const wb::Worksheet& s = sheet();
        expectRow(s, 1, kHeadings);
        expectRow(s, 2, row("T1", "N1", 5, 5, Cell()));
        expectRow(s, 3, row("T1", "N2", 3, 4, "DIF"));
        expectRow(s, 4, row("T1", "S1", "OFF(0)", "ON(1)", "DIF"));
        expectRow(s, 5, row("T1", "S2", "?(7)", "?(7)", Cell()));
        expectRow(s, 6, row("T1", "K1", 20, 20, Cell()));
        expectRow(s, 7, row("T1", "K2", 20, 22, "DIF"));
        expectRow(s, 8, row("T3", "Y1", -1, -1, Cell()));
        EXPECT_EQ(s.lastUsedRow(), 8);
        EXPECT_TRUE(QFile(target()).exists());
    }
}

TEST_F(ParameterReportTest, ProgressTextsInOrder)
{
    ASSERT_TRUE(print({QStringLiteral("T3"), QStringLiteral("T2")}));
    const QStringList expected = {res(264),
                                  QStringLiteral("Printing:T2  X1"),
                                  QStringLiteral("Printing:T3  Y1"),
                                  res(267),
                                  res(269),
                                  res(268),
                                  res(270),
                                  res(271),
                                  res(272),
                                  res(273),
                                  res(274),
                                  res(266)};
    EXPECT_EQ(doings, expected);
}

TEST_F(ParameterReportTest, ChosenGroupsAndOnlyDifferences)
{
    struct Case {
        QSet<QString> groups;
        bool onlyDif;
        QStringList printed;  // column B of rows 2...
        int progressTexts;    // one per parameter of the chosen groups
    };
    const Case cases[] = {
        {{"T1"}, true, {"N2", "S1", "K2"}, 6},
        {{"T3"}, true, {}, 1}, // nothing differs: the heading row only
        {{}, false, {}, 0},
        {{"T2"}, false, {"X1"}, 1},
        {{"t2", "T4"}, false, {}, 0}, // headings are matched exactly
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << QStringList(c.groups.values()).join(',').toStdString() << " only dif "
                                        << c.onlyDif);
        ASSERT_TRUE(print(c.groups, c.onlyDif));
        expectRow(sheet(), 1, kHeadings);
        QStringList printed;
        for (int r = 2; sheet().value(r, 2).isValid(); ++r)
            printed << sheet().value(r, 2).toString();
        EXPECT_EQ(printed, c.printed);
        EXPECT_EQ(printing().size(), c.progressTexts);
    }
}

TEST_F(ParameterReportTest, FontsWidthsAndPage)
{
    ASSERT_TRUE(print({QStringLiteral("T1")}));
    const wb::Worksheet& s = sheet();
    const auto style = [&](int r, int c) { return wb::ResolvedStyle::from(s.style(r, c)); };
    EXPECT_EQ(s.Name(), QStringLiteral("QEL-M Parameters"));
    EXPECT_DOUBLE_EQ(style(5, 3).fontSize, 9);
    EXPECT_DOUBLE_EQ(style(40, 12).fontSize, 9) << "all cells";
    for (int c = 1; c <= 9; ++c) {
        SCOPED_TRACE(c);
        EXPECT_TRUE(style(1, c).bold);
        EXPECT_EQ(style(1, c).horizontalAlignment, wb::xlHAlignCenter);
        EXPECT_EQ(style(1, c).verticalAlignment, wb::xlVAlignCenter);
        EXPECT_EQ(style(1, c).interiorColorIndex, 15);
        EXPECT_EQ(style(1, c).pattern, wb::xlPatternGray25);
    }
    EXPECT_FALSE(style(1, 10).bold) << "the heading row ends at its last filled cell";
    EXPECT_TRUE(style(3, 1).italic);
    EXPECT_EQ(style(3, 2).fontName, QStringLiteral("Arial Black"));
    EXPECT_EQ(style(1, 2).fontName, QStringLiteral("Tahoma"));
    for (const int c : {2, 4, 7, 8, 9})
        EXPECT_EQ(style(3, c).horizontalAlignment, wb::xlHAlignCenter) << c;
    EXPECT_TRUE(style(3, 8).bold);
    EXPECT_FALSE(style(3, 7).bold);
    EXPECT_DOUBLE_EQ(s.columnWidth(5), 5.25);
    EXPECT_DOUBLE_EQ(s.columnWidth(6), 5.25);
    EXPECT_DOUBLE_EQ(s.columnWidth(9), 5);
    EXPECT_DOUBLE_EQ(s.rowHeight(3), 14);
    EXPECT_DOUBLE_EQ(s.rowHeight(100), 14);
    EXPECT_FALSE(s.displayGridlines());
    EXPECT_EQ(s.pageSetup().zoom, 70);
    EXPECT_EQ(s.pageSetup().centerHeader, QStringLiteral("&9&F  &A  &P / &N  &D"));
    EXPECT_DOUBLE_EQ(s.pageSetup().bottomMargin, 21.6);
}

TEST_F(ParameterReportTest, BordersFrameTheUsedCellsInBothSettings)
{
    for (const ENUM_EXCELVERSIONINDEX version : {eEXCEL2000, eEXCEL95}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(print({QStringLiteral("T1")}, false, version)); // rows 1 to 7, columns A to I
        const wb::Worksheet& s = sheet();
        for (int c = 1; c <= 9; ++c) {
            EXPECT_EQ(line(s, 1, c, Top), wb::xlThin) << c;
            EXPECT_EQ(line(s, 7, c, Bottom), wb::xlThin) << c;
            EXPECT_EQ(line(s, 4, c, Top), wb::xlHairline) << c;
            EXPECT_EQ(line(s, 8, c, Bottom), 0) << c;
        }
        for (int r = 1; r <= 7; ++r) {
            EXPECT_EQ(line(s, r, 1, Left), wb::xlThin) << r;
            EXPECT_EQ(line(s, r, 9, Right), wb::xlThin) << r;
            EXPECT_EQ(line(s, r, 5, Left), wb::xlHairline) << r;
            EXPECT_EQ(line(s, r, 10, Right), 0) << r;
        }
    }
}

TEST_F(ParameterReportTest, NoApplicationWritesNothing)
{
    wb::Application::setFactoryForTesting([] { return std::shared_ptr<wb::Application>(); });
    EXPECT_FALSE(print({QStringLiteral("T1")}));
    EXPECT_EQ(doings, (QStringList{res(264), QStringLiteral("Microsoft Excel is not installed!")}));
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(ParameterReportTest, FailuresInsideTheReportLetItGoOn)
{
    struct Case {
        const char* at; // the progress text that fails
        int error;
        const char* label; // the error report's name; none: the printer message
        int lastRow;
        bool widthsSet;
        int zoom;
    };
    const Case cases[] = {
        {"Printing:T1  N2", platform::errTypeMismatch, "PrintExcelRows", 2, true, 70},
        {"Setting column width / height...", wb::kApplicationError, nullptr, 7, false, 100},
        {"Setting page ... Other", platform::errInvalidCall, "ArrangeFace", 7, true, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        QFile::remove(target());
        throwAt = QString::fromLatin1(c.at);
        throwError = c.error;
        EXPECT_TRUE(print({QStringLiteral("T1")}));
        EXPECT_TRUE(QFile::exists(target()));
        EXPECT_EQ(doings.last(), res(266));
        const auto calls = scriptedUi().callsOf(UiCall::MessageBox);
        ASSERT_EQ(calls.size(), 1u);
        if (c.label) {
            EXPECT_TRUE(calls[0].text.startsWith(QString::fromLatin1(c.label) + "\r\n"));
            EXPECT_TRUE(calls[0].text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(c.error)));
        } else {
            EXPECT_EQ(calls[0].text, res(445));
            EXPECT_EQ(calls[0].title, QString());
        }
        const wb::Worksheet& s = sheet();
        EXPECT_TRUE(s.value(c.lastRow, 2).isValid());
        EXPECT_FALSE(s.value(c.lastRow + 1, 2).isValid());
        EXPECT_EQ(s.Name(), QStringLiteral("QEL-M Parameters")) << "the arrangement ran";
        EXPECT_EQ(s.columnWidth(5) == 5.25, c.widthsSet);
        EXPECT_EQ(s.pageSetup().zoom, c.zoom);
    }
}
