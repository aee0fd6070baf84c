// The step editor's start-up and shut-down, run on the demo archive.

#include "StepEditorFixture.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "platform/grid/FlexGrid.h"
#include "platform/SingleInstance.h"
#include "stepeditor/WaitMessageBox.h"
#include "stepeditor/mMOD.h"
#include "util/file/clsFILE.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

bool anySettingFileIn(const QString& folder)
{
    for (int i = 1; i <= 10; ++i)
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Set%1.e").arg(i, 2, 10, QLatin1Char('0')))))
            return true;
    return false;
}

} // namespace

class StepMainWindowStart : public StepEditorFixture {};

TEST_F(StepMainWindowStart, ReadsTheSelectionListsAndShowsTheUserWindow)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Step sequence Ver 1.18"));
    EXPECT_EQ(state().AppPath, programFolder_.path() + QLatin1Char('/'));
    EXPECT_EQ(state().AppName, QelmStp::mMOD::ProgramName());
    EXPECT_GT(state().selectKino->stpinp().Count(), 0);
    EXPECT_GT(state().selectKino->stpout().Count(), 0);
    // The extracted files are removed once read.
    EXPECT_FALSE(anySettingFileIn(platform::folders::libraryFolder()));

    // Every object of the run exists, the reference window unloaded until a
    // reference file is opened.
    const QelmStp::ProgramState& s = state();
    EXPECT_TRUE(s.file && s.method && s.property && s.string && s.resource && s.selectTable && s.stepUsr &&
                s.stepStd && s.frmStd && s.frmUsr && s.selectKino && s.print && s.waitBox);
    EXPECT_NE(s.stepUsr, s.stepStd);
    EXPECT_FALSE(s.frmStd->IsLoaded());

    QelmStp::fStep& user = userWindow();
    EXPECT_EQ(user.STDUSR(), 0);
    EXPECT_TRUE(user.IsLoaded());
    EXPECT_FALSE(user.IsChanged());
    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(window().mdiArea().subWindowList().size(), 1);
    QMdiSubWindow* frame = window().mdiArea().subWindowList().front();
    EXPECT_EQ(frame->widget(), &user);
    EXPECT_TRUE(frame->isVisible());
    // It starts an empty program.
    EXPECT_EQ(user.windowTitle(), QStringLiteral("STEP SEQUENCE"));
    EXPECT_EQ(user.CurrentStarting(), 0);
    // Tiled: the only window fills the area.
    EXPECT_EQ(frame->geometry(), window().mdiArea().viewport()->rect());
    EXPECT_TRUE(state().UsrFullFname.isEmpty());
}

TEST_F(StepMainWindowStart, MissingArchiveEndsTheStartNamingIt)
{
    QFile::remove(programPath(QStringLiteral("QEL.e")));
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(start());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Cannot find following file. Cannot load.\r\n\r\n") + programPath("QEL.e"));
    EXPECT_EQ(platform::msgIcon(boxes[0].style), platform::vbCritical);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(StepMainWindowStart, UnreadableSelectionListsAreToldAndTheWindowsStillOpen)
{
    QByteArray archive = readFile(programPath(QStringLiteral("QEL.e")));
    archive.truncate(archive.size() / 2);
    writeFile(programPath(QStringLiteral("QEL.e")), archive);
    scriptedUi().answerMessageBox(platform::vbOK); // the extraction's error report
    scriptedUi().answerMessageBox(platform::vbOK); // message 19
    // The function dialogs, which would find no categories in the empty
    // lists, are not built until the user asks for one.

    ASSERT_TRUE(start());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("MeltSettingFiles"))) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, QStringLiteral("Failed to read data."));
    EXPECT_EQ(platform::msgIcon(boxes[1].style), platform::vbCritical);
    EXPECT_EQ(boxes[1].title, QelmStp::mMOD::ProgramName());
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(userWindow().IsLoaded());
    EXPECT_NE(window().toolKey(QStringLiteral("keyCLOSE")), nullptr);
}

TEST_F(StepMainWindowStart, SecondCopyIsRefusedWithItsOwnText)
{
    const platform::SingleInstance first(QStringLiteral("QELM_STP_test"));
    const platform::SingleInstance second(QStringLiteral("QELM_STP_test"));
    EXPECT_TRUE(QelmStp::fMain::MDIForm_Initialize(first));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());

    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(QelmStp::fMain::MDIForm_Initialize(second));
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("This S/W runs already!\""));
    EXPECT_EQ(boxes[0].text.size(), 23);
    EXPECT_EQ(platform::msgIcon(boxes[0].style), platform::vbExclamation);
    EXPECT_EQ(boxes[0].title, QelmStp::mMOD::ProgramName());
}

TEST_F(StepMainWindowStart, CommandLineNamingAStepFileOpensItsFirstTableInTheUserWindow)
{
    const QString stp = dataCopy("DEMO.stp");
    dataCopy("DEMO.BIN");
    const QString other = dataCopy("DEMO.stp", QStringLiteral("notes.txt"));
    const struct {
        QString commandLine;
        bool opened;
        QStringList messages; // what the user is told
    } cases[] = {
        {stp, true, {}},
        // The tests a chosen file passes.
        {other, false, {QelmStp::mMOD::MessageText(8)}},
        // The whole text is one path.
        {QStringLiteral("\"%1\"").arg(stp), false, {}},
        {stp + QLatin1Char(' ') + other, false, {}},
        {dataFolder_.path(), false, {}}, // a folder
        {dataPath(QStringLiteral("missing.stp")), false, {}},
        {QString(), false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine.toStdString());
        scriptedUi().reset();
        for (int i = 0; i < c.messages.size(); ++i)
            scriptedUi().answerMessageBox(platform::vbOK);
        if (c.opened)
            scriptedUi().answerInput(QLatin1String(kPassword));
        ASSERT_TRUE(start(c.commandLine));
        QStringList told;
        for (const UiCall& call : scriptedUi().callsOf(UiCall::MessageBox))
            told << call.text;
        ASSERT_EQ(told.size(), c.messages.size());
        for (int i = 0; i < told.size(); ++i)
            EXPECT_TRUE(told[i].startsWith(c.messages[i])) << told[i].toStdString();
        EXPECT_EQ(scriptedUi().callsOf(UiCall::OpenFile).size(), 0u);
        EXPECT_EQ(scriptedUi().callsOf(UiCall::Dialog).size(), 0u);
        QelmStp::fStep& user = userWindow();
        EXPECT_EQ(state().UsrFullFname, c.opened ? c.commandLine : QString());
        EXPECT_EQ(user.CurrentStarting(), c.opened ? 8193 : 0);
        EXPECT_EQ(user.cboTable().isEnabled(), c.opened);
        EXPECT_EQ(user.fg().data().TextMatrix(1, 2), c.opened ? QStringLiteral("REG01") : QString());
        EXPECT_EQ(user.windowTitle(), c.opened ? stp + QStringLiteral(" written by QD10 demo team")
                                               : QStringLiteral("STEP SEQUENCE"));
        window_.reset();
    }
}

TEST_F(StepMainWindowStart, ClosingUnloadsTheStepWindowsAndReleasesEverything)
{
    ASSERT_TRUE(start());
    showReferenceWindow();
    QPointer<QelmStp::fStep> user = state().frmUsr;
    QPointer<QelmStp::fStep> reference = state().frmStd;
    window().toolKey(QStringLiteral("keyCLOSE"))->trigger();
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
    EXPECT_TRUE(user.isNull());
    EXPECT_TRUE(reference.isNull());
    EXPECT_FALSE(state().selectKino);
    EXPECT_FALSE(state().method);
    EXPECT_TRUE(window().mdiArea().subWindowList().isEmpty());
}

TEST_F(StepMainWindowStart, TheUserWindowRefusesItsOwnCloseBoxTheReferenceWindowCloses)
{
    ASSERT_TRUE(start());
    scriptedUi().answerMessageBox(platform::vbOK);
    QMdiSubWindow* userFrame = window().mdiArea().subWindowList().front();
    EXPECT_FALSE(userFrame->close());
    auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Cannot close this form."));
    EXPECT_EQ(platform::msgIcon(boxes[0].style), platform::vbExclamation);
    EXPECT_TRUE(userFrame->isVisible());
    EXPECT_TRUE(userWindow().IsLoaded());

    QelmStp::fStep& reference = showReferenceWindow();
    EXPECT_TRUE(reference.IsLoaded());
    auto* referenceFrame = qobject_cast<QMdiSubWindow*>(reference.parentWidget());
    ASSERT_NE(referenceFrame, nullptr);
    EXPECT_TRUE(referenceFrame->close());
    EXPECT_FALSE(reference.IsLoaded());
    EXPECT_FALSE(referenceFrame->isVisible());
    // Opened again later, it loads again.
    reference.Show();
    EXPECT_TRUE(reference.IsLoaded());
    EXPECT_TRUE(referenceFrame->isVisible());
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).size(), 1u);
}

TEST_F(StepMainWindowStart, TheWaitBoxShowsItsLineWithoutTakingTheFocus)
{
    ASSERT_TRUE(start());
    QelmStp::WaitMessageBox& box = *state().waitBox;
    box.Prepare(0);
    EXPECT_FALSE(box.isShown());
    box.ShowText(QStringLiteral("Proceeding..."), 0);
    EXPECT_TRUE(box.isShown());
    EXPECT_EQ(box.text(), QStringLiteral("Proceeding..."));
    box.Close();
    EXPECT_FALSE(box.isShown());
}
