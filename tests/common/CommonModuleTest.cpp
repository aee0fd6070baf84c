// The start-up helpers both programs share.

#include "ScriptedUi.h"
#include "TestFiles.h"

#include "common/MdiArrangement.h"
#include "common/ProgramLaunch.h"
#include "common/SharedObjects.h"
#include "common/mMODCOMMON.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace testsupport;
namespace common = QelmCommon::mMODCOMMON;

namespace {

QString working(const char* name) { return QDir(platform::folders::workingFolder()).filePath(QLatin1String(name)); }

} // namespace

TEST(CommonModule, WorkingCopyNames)
{
    Ostrel7::clsMethod method;
    EXPECT_EQ(common::CreateParaTempName(method, 0), working("eusr.tmp"));
    EXPECT_EQ(common::CreateParaTempName(method, 1), working("estd.tmp"));
    EXPECT_EQ(common::CreateParaTempName(method, 2), working("eusr.tmp"));
    EXPECT_EQ(common::CreateStepTempName(method, 0, true), working("eusr2.tmp"));
    EXPECT_EQ(common::CreateStepTempName(method, 1, true), working("estd2.tmp"));
    EXPECT_EQ(common::CreateStepTempName(method, 0, false), working("eusr3.tmp"));
    EXPECT_EQ(common::CreateStepTempName(method, 2, true), QString());
    // The working copies live in the process's private folder, never in the shared one.
    EXPECT_NE(QFileInfo(working("eusr.tmp")).absolutePath(), QDir::tempPath());
}

TEST(CommonModule, CopyFromFDToHD)
{
    Ostrel7::clsMethod method;
    QTemporaryDir folder;
    const QString step = folder.filePath(QStringLiteral("A.stp"));
    const QString note = folder.filePath(QStringLiteral("A.BIN"));
    const QString table = folder.filePath(QStringLiteral("T.etb"));
    writeFile(step, "STEP");
    writeFile(note, "NOTE");
    writeFile(table, QByteArray(8192, 'T'));

    EXPECT_EQ(common::CopyFromFDToHD(method, true, 0, step), working("eusr2.tmp"));
    EXPECT_EQ(common::CopyFromFDToHD(method, true, 1, note), working("estd3.tmp"));
    EXPECT_EQ(readFile(working("estd3.tmp")), QByteArray("NOTE"));

    // A read-only copy left from an earlier run is replaced without a word.
    writeFile(working("eusr.tmp"), "OLD");
    QFile::setPermissions(working("eusr.tmp"), QFile::ReadOwner);
    EXPECT_EQ(common::CopyFromFDToHD(method, false, 0, table), working("eusr.tmp"));
    EXPECT_EQ(readFile(working("eusr.tmp")), QByteArray(8192, 'T'));

    EXPECT_EQ(common::CopyFromFDToHD(method, false, 1, folder.filePath(QStringLiteral("none.etb"))), QString());
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST(CommonModule, OversizedSourceIsReportedAndLeavesTheCopy)
{
    Ostrel7::clsMethod method;
    QTemporaryDir folder;
    const QString big = folder.filePath(QStringLiteral("big.stg"));
    writeFile(big, QByteArray(65537, 'B'));
    writeFile(working("estd.tmp"), "KEPT");
    scriptedUi().answerMessageBox(platform::vbOK); // the error report
    EXPECT_EQ(common::CopyFromFDToHD(method, false, 1, big), QString());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox)[0].text.startsWith(QStringLiteral("CopyFromFDToHD")));
    EXPECT_EQ(readFile(working("estd.tmp")), QByteArray("KEPT"));
}

TEST(CommonModule, CheckNeedFilesNamesTheMissingArchive)
{
    QTemporaryDir folder;
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(common::CheckNeedFiles(folder.path() + QLatin1Char('/')));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].text,
              QStringLiteral("Cannot find following file. Cannot load.\r\n\r\n") + folder.filePath(QStringLiteral("QEL.e")));

    writeFile(folder.filePath(QStringLiteral("QEL.e")), "archive");
    EXPECT_TRUE(common::CheckNeedFiles(folder.path()));
}

TEST(CommonModule, TheFrameOfAMainWindowLiesInsideTheWorkArea)
{
    const struct {
        QRect workArea;
        QRect frame;
    } cases[] = {
        // 5 twips is a third of a pixel: the frame covers the work area to the pixel, 1 pixel shorter.
        {QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 799)},
        {QRect(0, 0, 800, 600), QRect(0, 0, 800, 599)},
        // A panel at the top and one at the left.
        {QRect(64, 27, 1216, 773), QRect(64, 27, 1216, 772)},
    };
    for (const auto& c : cases) {
        const QRect frame = common::WorkAreaFrame(c.workArea);
        EXPECT_EQ(frame, c.frame) << c.workArea.x() << "," << c.workArea.y();
        EXPECT_TRUE(c.workArea.contains(frame));
    }
}

TEST(CommonModule, FitToWorkAreaPlacesTheWholeFrame)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("main"));
    common::FitToWorkArea(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect area = window.screen()->availableGeometry();
    // Title bar and borders included, not only the inside of the window.
    EXPECT_EQ(window.frameGeometry(), common::WorkAreaFrame(area));
    EXPECT_TRUE(area.contains(window.frameGeometry()));
}

TEST(SharedObjects, TheProgramsOwnObjectsComeAfterTheSharedOnesAndGoBeforeThem)
{
    QelmCommon::SharedObjects objects;
    bool sharedBeforeOwn = false;
    EXPECT_TRUE(QelmCommon::CreateActiveX(objects, [&] { sharedBeforeOwn = objects.method && objects.print; }));
    EXPECT_TRUE(sharedBeforeOwn);
    bool sharedWhileOwnGo = false;
    QelmCommon::ReleaseActiveX(objects, [&] { sharedWhileOwnGo = objects.method && objects.print; });
    EXPECT_TRUE(sharedWhileOwnGo);
    EXPECT_FALSE(objects.file || objects.method || objects.property || objects.string || objects.resource ||
                 objects.selectTable || objects.selectKino || objects.print);
}

TEST(SharedObjects, AnObjectThatCannotBeCreatedEndsTheStartWithAReport)
{
    QelmCommon::SharedObjects objects;
    scriptedUi().answerMessageBox(platform::vbOK); // the error report
    EXPECT_FALSE(QelmCommon::CreateActiveX(objects, [] { throw platform::RuntimeError(platform::errOutOfMemory); }));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox)[0].text.startsWith(QStringLiteral("CreateActiveX")));
    QelmCommon::ReleaseActiveX(objects, [] {});
}

TEST(MdiArrangement, WindowsShareTheHeightAtLeastTheirLeast)
{
    const struct {
        const char* name;
        std::vector<int> least;
        std::vector<int> heights;
        bool scrolls;
    } cases[] = {
        {"equal parts, the last takes the rest", {50, 50, 50}, {133, 133, 134}, false},
        {"a tall window keeps its least, the others share", {300, 50, 50}, {300, 50, 50}, false},
        {"one window fills the area", {50}, {400}, false},
        {"too many scroll at their least", {150, 150, 150}, {150, 150, 150}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QMainWindow main;
        auto* area = new QMdiArea;
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        main.setCentralWidget(area);
        main.resize(500, 400);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        ASSERT_EQ(area->maximumViewportSize(), QSize(500, 400));
        for (int least : c.least) {
            auto* inside = new QWidget;
            QMdiSubWindow* frame = area->addSubWindow(inside);
            frame->setMinimumHeight(least);
            frame->move(37, 91); // somewhere else first
            frame->show();
        }
        // A minimised or hidden window takes no part.
        area->addSubWindow(new QWidget)->showMinimized();

        QelmCommon::TileHorizontally(*area);
        QCoreApplication::processEvents(); // the area shows or hides its scroll bars
        const int width = 500 - (c.scrolls ? area->verticalScrollBar()->sizeHint().width() : 0);
        int top = 0;
        const QList<QMdiSubWindow*> frames = area->subWindowList();
        for (size_t i = 0; i < c.least.size(); ++i) {
            const QRect placed = frames[static_cast<qsizetype>(i)]->geometry();
            EXPECT_EQ(placed, QRect(0, top, width, c.heights[i])) << i;
            top += c.heights[i];
        }
        EXPECT_EQ(area->verticalScrollBar()->isVisible(), c.scrolls);
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
        EXPECT_EQ(area->viewport()->width(), width);
        EXPECT_EQ(QelmCommon::WindowWidth(*area), width);
        EXPECT_TRUE(frames.last()->isMinimized());
    }
}

TEST(ProgramLaunch, TheStarterAsksForAMinimisedWindowAndLeavesItsOwnEnvironment)
{
    qunsetenv(QelmCommon::kStartStateVariable);
    QByteArray seen;
    scriptedUi().answerStartProgram(true, [&] { seen = qgetenv(QelmCommon::kStartStateVariable); });
    EXPECT_TRUE(QelmCommon::StartProgramMinimized(QStringLiteral("/opt/qelm/QELM_STP")));
    const auto started = scriptedUi().callsOf(UiCall::StartProgram);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].text, QStringLiteral("/opt/qelm/QELM_STP"));
    EXPECT_TRUE(started[0].arguments.isEmpty());
    EXPECT_EQ(started[0].style, 1); // minimised
    EXPECT_EQ(seen, QByteArray(QelmCommon::kStartMinimized));
    EXPECT_FALSE(qEnvironmentVariableIsSet(QelmCommon::kStartStateVariable));

    // A value this program was itself started with is put back.
    qputenv(QelmCommon::kStartStateVariable, "normal");
    scriptedUi().answerStartProgram(false);
    EXPECT_FALSE(QelmCommon::StartProgramMinimized(QStringLiteral("/opt/qelm/QELM_STP")));
    EXPECT_EQ(qgetenv(QelmCommon::kStartStateVariable), QByteArray("normal"));
    qunsetenv(QelmCommon::kStartStateVariable);
}

TEST(ProgramLaunch, TheStartedProgramShowsItselfAsAsked)
{
    const struct {
        const char* value; // nullptr: not set
        bool minimized;
    } cases[] = {{"minimized", true}, {nullptr, false}, {"maximized", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "not set");
        if (c.value)
            qputenv(QelmCommon::kStartStateVariable, c.value);
        QMainWindow window;
        QelmCommon::ShowMainWindow(window);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.isMinimized(), c.minimized);
        // Read once: a program started from here does not inherit it.
        EXPECT_FALSE(qEnvironmentVariableIsSet(QelmCommon::kStartStateVariable));
    }
}
