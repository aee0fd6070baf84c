#include "datamodel/reports/ReportFrame.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "SheetReading.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"
#include "resource/clsResource.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace Telva27;
namespace wb = platform::workbook;
using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::writeFile;
using testsupport::UiCall;

namespace {

using namespace reporttest;

QStringList texts(std::initializer_list<int> numbers)
{
    QStringList out;
    for (const int n : numbers)
        out << res(n);
    return out;
}

// Exactly one error report, under that label and with that error number.
void expectReport(const QString& label, int code)
{
    const auto calls = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].title, QStringLiteral("ERROR"));
    EXPECT_TRUE(calls[0].text.startsWith(label + "\r\n")) << calls[0].text.toStdString();
    EXPECT_TRUE(calls[0].text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(code))) << calls[0].text.toStdString();
}

class ReportFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_shared<wb::Application>();
        wb::Application::setFactoryForTesting([this] { return app; });
    }
    void TearDown() override { wb::Application::setFactoryForTesting({}); }

    QString target() const { return QDir(dir.path()).filePath(QStringLiteral("report.xlsx")); }
    wb::Worksheet& sheet() { return app->activeWorkbook()->Worksheets(1); }

    // A report whose rows write one cell and whose arrangement does nothing.
    bool runSmall(ENUM_EXCELVERSIONINDEX version = eEXCEL2000)
    {
        return frame.run(
            version, target(),
            [&](wb::Application&, wb::Worksheet& s) {
                rowsRun = true;
                s.Cells(1, 1).setValue(QStringLiteral("x"));
            },
            [](wb::Application&, wb::Worksheet&) {});
    }

    QTemporaryDir dir;
    std::shared_ptr<wb::Application> app;
    QStringList doings;
    Ostrel7::clsMethod method;
    ReportFrame frame{method, [this](const QString& text) { doings << text; }};
    bool rowsRun = false;
};

} // namespace

TEST_F(ReportFrameTest, SavesClosesQuitsAndKeepsTheBorderSetting)
{
    for (const ENUM_EXCELVERSIONINDEX version : {eEXCEL95, eEXCEL2000}) {
        SCOPED_TRACE(version);
        doings.clear();
        QFile::remove(target());
        ASSERT_TRUE(runSmall(version));
        EXPECT_EQ(ExcelVersion(), version);
        EXPECT_EQ(doings, texts({264, 266}));
        EXPECT_TRUE(readFile(target()).startsWith("PK")) << "an .xlsx workbook";
        EXPECT_TRUE(app->activeWorkbook()->closed());
        EXPECT_TRUE(app->quit());
        EXPECT_EQ(sheet().value(1, 1), QVariant(QStringLiteral("x")));
        EXPECT_EQ(sheet().ActiveCell().Row(), 1);
        EXPECT_EQ(sheet().ActiveCell().Column(), 1);
    }
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(ReportFrameTest, NoApplicationAnswersFalseAndWritesNothing)
{
    wb::Application::setFactoryForTesting([] { return std::shared_ptr<wb::Application>(); });
    EXPECT_FALSE(runSmall());
    EXPECT_EQ(doings, texts({264, 265}));
    EXPECT_EQ(doings[1], QStringLiteral("Microsoft Excel is not installed!"));
    EXPECT_FALSE(rowsRun);
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(ReportFrameTest, ApplicationThatFailsToStartIsReportedAsPrintToExcel)
{
    wb::Application::setFactoryForTesting([]() -> std::shared_ptr<wb::Application> {
        throw platform::RuntimeError(429);
    });
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(runSmall());
    expectReport(QStringLiteral("PrintToExcel"), 429);
    EXPECT_EQ(doings, texts({264}));
    EXPECT_FALSE(QFile::exists(target()));
}

TEST_F(ReportFrameTest, OlderFileIsReplacedWithoutLeftovers)
{
    writeFile(target(), "older workbook");
    ASSERT_TRUE(runSmall());
    EXPECT_TRUE(readFile(target()).startsWith("PK"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.xlsx")});
}

TEST_F(ReportFrameTest, TargetThatCannotBeReplacedFailsTheReportAndStays)
{
    struct Case {
        const char* name;
        int error;
        std::function<void(const QString& folder, const QString& path)> prepare;
    };
    const Case cases[] = {
        {"file marked read-only", platform::errPermissionDenied,
         [](const QString&, const QString& path) {
             writeFile(path, "older workbook");
             QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
         }},
        {"folder of that name", platform::errPathFileAccess,
         [](const QString&, const QString& path) { QDir().mkpath(path + "/inside"); }},
        {"read-only folder", platform::errPermissionDenied,
         [](const QString& folder, const QString& path) {
             writeFile(path, "older workbook");
             QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseDir;
        const QString folder = QDir(caseDir.path()).filePath(QStringLiteral("out"));
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(QStringLiteral("report.xlsx"));
        c.prepare(folder, path);
        if (QString(c.name) == "read-only folder" && QFile(folder + "/probe").open(QIODevice::WriteOnly)) {
            // A superuser writes into read-only folders: nothing to show here.
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            continue;
        }
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        doings.clear();
        EXPECT_FALSE(frame.run(eEXCEL2000, path, [](wb::Application&, wb::Worksheet&) {},
                               [](wb::Application&, wb::Worksheet&) {}));
        expectReport(QStringLiteral("PrintToExcel"), c.error);
        EXPECT_FALSE(doings.contains(res(266)));
        EXPECT_TRUE(app->quit()) << "the application is let go after a failure too";
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (QFileInfo(path).isFile()) {
            EXPECT_EQ(readFile(path), QByteArray("older workbook"));
        }
    }
}

TEST_F(ReportFrameTest, FailedSaveKeepsTheOlderFile)
{
    writeFile(target(), "older workbook");
    scriptedUi().answerMessageBox(platform::vbOK);
    // A page header longer than a workbook can hold: only the save refuses it.
    const bool saved = frame.run(
        eEXCEL2000, target(), [](wb::Application&, wb::Worksheet&) {},
        [](wb::Application&, wb::Worksheet& s) { s.pageSetup().centerHeader = QString(300, QLatin1Char('x')); });
    EXPECT_FALSE(saved);
    expectReport(QStringLiteral("PrintToExcel"), wb::kApplicationError);
    EXPECT_EQ(readFile(target()), QByteArray("older workbook"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.xlsx")});
}

TEST_F(ReportFrameTest, ArrangeFaceFailureEndsItsStepsWithoutFailingTheReport)
{
    struct Case {
        int error;
        bool printerBox; // error 1004: the printer message, else an error report
    };
    for (const Case c : {Case{wb::kApplicationError, true}, Case{platform::errSubscript, false}}) {
        SCOPED_TRACE(c.error);
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        bool later = false;
        const bool saved = frame.run(
            eEXCEL2000, target(), [](wb::Application&, wb::Worksheet&) {},
            [&](wb::Application& a, wb::Worksheet& s) {
                frame.arrangeFace(a, s,
                                  {.sheetName = QStringLiteral("Face"),
                                   .columns = [&] { throw platform::RuntimeError(c.error); },
                                   .font = [] {},
                                   .borders = [&] { later = true; },
                                   .zoom = 70});
            });
        EXPECT_TRUE(saved);
        EXPECT_FALSE(later);
        EXPECT_EQ(sheet().pageSetup().zoom, 100);
        EXPECT_TRUE(QFile::exists(target()));
        if (c.printerBox) {
            const auto calls = scriptedUi().calls();
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].text, QStringLiteral("Printer setting error. perhaps, lack of memory."));
            EXPECT_EQ(calls[0].style, platform::vbOKOnly);
            EXPECT_EQ(calls[0].title, QString());
        } else {
            expectReport(QStringLiteral("ArrangeFace"), c.error);
        }
    }
}

// Fonts and borders report their own failure under their name; the face goes on.
TEST_F(ReportFrameTest, ArrangeFaceFontsAndBordersReportUnderTheirNameAndTheFaceGoesOn)
{
    for (const char* failing : {"SetExcelFont", "SetExcelBorders"}) {
        SCOPED_TRACE(failing);
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        wb::Worksheet& s = app->WorkbooksAdd().Worksheets(1);
        const auto step = [&](const char* name) {
            return [name, failing] {
                if (qstrcmp(name, failing) == 0)
                    throw platform::RuntimeError(platform::errTypeMismatch);
            };
        };
        frame.arrangeFace(*app, s,
                          {.sheetName = QStringLiteral("Face"),
                           .columns = [] {},
                           .font = step("SetExcelFont"),
                           .borders = step("SetExcelBorders"),
                           .landscape = true,
                           .zoom = 70});
        expectReport(QString::fromLatin1(failing), platform::errTypeMismatch);
        EXPECT_EQ(s.pageSetup().orientation, wb::xlLandscape);
        EXPECT_EQ(s.pageSetup().zoom, 70);
    }
}

// The steps in their order, as the progress tells them.
TEST_F(ReportFrameTest, ArrangeFaceStepsInOrderWithTheirProgress)
{
    for (const bool columnsFirst : {false, true}) {
        SCOPED_TRACE(columnsFirst);
        QStringList told;
        ReportFrame framed(method, [&](const QString& text) { told << text; });
        QStringList ran;
        wb::Worksheet& s = app->WorkbooksAdd().Worksheets(1);
        framed.arrangeFace(*app, s,
                           {.sheetName = QStringLiteral("Face"),
                            .columnsBeforeFont = columnsFirst,
                            .columns = [&] { ran << told.last(); },
                            .font = [&] { ran << told.last(); },
                            .borders = [&] { ran << told.last(); }});
        EXPECT_EQ(s.Name(), QStringLiteral("Face"));
        EXPECT_EQ(ran, columnsFirst ? texts({268, 269, 270}) : texts({269, 268, 270}));
        EXPECT_EQ(told, columnsFirst ? texts({267, 268, 269, 270, 271, 272, 273, 274})
                                     : texts({267, 269, 268, 270, 271, 272, 273, 274}));
        EXPECT_EQ(s.pageSetup().orientation, wb::xlPortrait);
        EXPECT_EQ(s.pageSetup().zoom, 100);
    }
}

TEST_F(ReportFrameTest, CommonPageSteps)
{
    wb::Worksheet& s = app->WorkbooksAdd().Worksheets(1);
    frame.gridLinesOff(*app);
    frame.centerHeader(s);
    frame.margins(s);
    EXPECT_EQ(doings, texts({271, 272, 273}));
    EXPECT_FALSE(s.displayGridlines());
    const wb::PageSetup& page = s.pageSetup();
    EXPECT_EQ(page.centerHeader, QStringLiteral("&9&F  &A  &P / &N  &D"));
    EXPECT_DOUBLE_EQ(page.leftMargin, 28.8);
    EXPECT_DOUBLE_EQ(page.rightMargin, 28.8);
    EXPECT_DOUBLE_EQ(page.topMargin, 28.8);
    EXPECT_DOUBLE_EQ(page.bottomMargin, 21.6);
    EXPECT_DOUBLE_EQ(page.headerMargin, 7.2);
    EXPECT_DOUBLE_EQ(page.footerMargin, 7.2);
}

TEST_F(ReportFrameTest, TableBordersBySetting)
{
    struct Case {
        ENUM_EXCELVERSIONINDEX version;
        bool insideHorizontal;
        int expectedInsideHorizontal;
    };
    const Case cases[] = {
        {eEXCEL2000, true, wb::xlHairline},
        {eEXCEL2000, false, 0},
        {eEXCEL95, true, wb::xlHairline},
        {eEXCEL95, false, wb::xlHairline}, // every cell side is drawn
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << " inside horizontal " << c.insideHorizontal);
        // The version is taken from the last report started.
        frame.run(c.version, target(), [](wb::Application&, wb::Worksheet&) {},
                  [](wb::Application&, wb::Worksheet&) {});
        wb::Worksheet& s = app->WorkbooksAdd().Worksheets(1);
        wb::Range area = s.RangeOf(QStringLiteral("B2:D4"));
        ReportFrame::drawTableBorders(area, c.insideHorizontal);
        for (int i = 2; i <= 4; ++i) {
            EXPECT_EQ(line(s, i, 2, Left), wb::xlThin) << i;
            EXPECT_EQ(line(s, i, 4, Right), wb::xlThin) << i;
            EXPECT_EQ(line(s, 2, i, Top), wb::xlThin) << i;
            EXPECT_EQ(line(s, 4, i, Bottom), wb::xlThin) << i;
            EXPECT_EQ(line(s, i, 3, Left), wb::xlHairline) << i;
            EXPECT_EQ(line(s, 3, i, Top), c.expectedInsideHorizontal) << i;
        }
        EXPECT_EQ(line(s, 1, 1, Bottom), 0);
        EXPECT_EQ(line(s, 5, 5, Top), 0);
    }
}
