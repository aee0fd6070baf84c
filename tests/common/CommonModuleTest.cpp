// The start-up helpers both programs share.

#include "ScriptedUi.h"
#include "TestFiles.h"

#include "platform/Folders.h"
#include "stepeditor/common/mMODCOMMON.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QScreen>
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

TEST(CommonModule, FitToWorkAreaLeavesTheMarginsInTwips)
{
    QWidget window;
    common::FitToWorkArea(window);
    const QRect area = window.screen()->availableGeometry();
    // 5 twips is a third of a pixel: the window covers the work area to the pixel, 1 pixel shorter.
    EXPECT_EQ(window.geometry().topLeft(), area.topLeft());
    EXPECT_EQ(window.geometry().width(), area.width());
    EXPECT_EQ(window.geometry().height(), area.height() - 1);
}
