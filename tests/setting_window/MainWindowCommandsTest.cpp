// The main window's toolbars and menus, driven by their keys as a user clicks them.

#include "MainWindowFixture.h"

#include "ReportedErrors.h"
#include "WindowDriver.h"

#include "common/ProgramLaunch.h"
#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsStyle.h"
#include "platform/Settings.h"
#include "setting/EditingWindow.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

class TestWindow final : public QelmSet::EditingWindow {
public:
    explicit TestWindow(const QString& tag) : EditingWindow(QStringLiteral("fParam")) { setTag(tag); }
    bool Update_Variable() override { return true; }
    void BTN_Click(int) override {}
};

void chooseTable(int index)
{
    scriptedUi().answerDialog([index](QDialog& d) {
        const WindowDriver w(d);
        w.click(QStringLiteral("op%1").arg(index));
        w.ok();
    });
}

} // namespace

class MainWindowCommands : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        window().show();
    }
    QAction& key(const char* name)
    {
        QAction* action = window().toolKey(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    bool enabled(const char* name) { return key(name).isEnabled(); }
    void click(const char* name) { key(name).trigger(); }
};

TEST_F(MainWindowCommands, FileButtonsNeedBothFilesAndShowThem)
{
    const char* const dependent[] = {"keySAVE", "keySTD", "keyUSR", "keyPARAM", "keyHEADDER", "keyOKURIPARAM",
                                     "keyCUSTOMIZE", "keyWARRANGE"};
    const char* const always[] = {"keyCLOSE", "keyOPEN", "DataCopy", "keySTEPSEQUENCE"};
    auto expectReady = [&](bool ready) {
        for (const char* name : dependent)
            EXPECT_EQ(enabled(name), ready) << name;
        for (const char* name : always)
            EXPECT_TRUE(enabled(name)) << name;
    };
    expectReady(false);
    window().ReadQELMData(Telva27::eSTD, dataCopy("DEMO_STD.etb"));
    expectReady(false);
    EXPECT_EQ(key("keySTD").text(), QStringLiteral("DEMO_STD.etb"));

    const QString stg = dataCopy("DEMO.stg", QStringLiteral("user.stg"));
    dataCopy("DEMO.SEK", QStringLiteral("user.SEK"));
    chooseTable(3);
    window().ReadQELMData(Telva27::eUSR, stg);
    expectReady(true);
    EXPECT_EQ(key("keyUSR").text(), QStringLiteral("user.stg (3)"));
    EXPECT_EQ(key("keyUSR").data().toString(), stg);
    EXPECT_EQ(window().windowTitle(), state().RegAppName + QStringLiteral(" Ver1.28"));

    // "Save as other table" is offered for an eight-table USR file only.
    emit key("keySAVE").menu()->aboutToShow();
    EXPECT_TRUE(enabled("keySAVEASOTHERTB"));
    window().ReadQELMData(Telva27::eUSR, dataCopy("DEMO_USR.etb"));
    emit key("keySAVE").menu()->aboutToShow();
    EXPECT_FALSE(enabled("keySAVEASOTHERTB"));
}

TEST_F(MainWindowCommands, UsrFileAloneEnablesNothing)
{
    window().ReadQELMData(Telva27::eUSR, dataCopy("DEMO_USR.etb"));
    EXPECT_EQ(key("keyUSR").text(), QStringLiteral("DEMO_USR.etb"));
    for (const char* name : {"keySAVE", "keyUSR", "keyPARAM", "keyCUSTOMIZE"})
        EXPECT_FALSE(enabled(name)) << name;
}

TEST_F(MainWindowCommands, ParameterMenuHoldsTheGroups)
{
    const struct {
        int index;
        const char* caption;
        const char* tag;
    } items[] = {{1, "01  All", "AllFunctions"}, {2, "02  Difference", "ViewDif"}, {4, "04  Sewing speed", "SPEED"},
                 {9, "09  SPECIAL", "SPECIAL"}};
    for (const auto& item : items) {
        EXPECT_EQ(window().mnuParamContent(item.index)->text(), QLatin1String(item.caption));
        EXPECT_EQ(window().mnuParamContent(item.index)->data().toString(), QLatin1String(item.tag));
    }
    EXPECT_TRUE(window().mnuParamContent(3)->isSeparator());
    EXPECT_FALSE(window().mnuParamContent(0)->isVisible());
}

TEST_F(MainWindowCommands, OpenAsksAboutChangesFirst)
{
    auto* changed = new TestWindow(QStringLiteral("SPEED"));
    window().mdiArea().addSubWindow(changed)->show();
    changed->ControlChange(true);

    // Cancel: nothing is closed or read.
    scriptedUi().answerMessageBox(platform::vbCancel);
    click("keyOPEN");
    EXPECT_TRUE(window().ExistForm(QStringLiteral("SPEED")));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenFile).empty());

    // Yes, and the save fails: the command stops there too.
    scriptedUi().answerMessageBox(platform::vbYes);
    click("keyOPEN");
    EXPECT_TRUE(window().ExistForm(QStringLiteral("SPEED")));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenFile).empty());

    // No: the changes are dropped, the window closes without a question, both dialogs follow.
    scriptedUi().answerMessageBox(platform::vbNo);
    scriptedUi().answerOpenFile(QString());
    scriptedUi().answerOpenFile(QString());
    click("keyOPEN");
    EXPECT_FALSE(window().ExistForm(QStringLiteral("SPEED")));
    const auto dialogs = scriptedUi().callsOf(UiCall::OpenFile);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Open std file"));
    EXPECT_EQ(dialogs[1].text, QStringLiteral("Open user file"));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).size(), 3u);
}

TEST_F(MainWindowCommands, ReadingPathIsChosenAndKept)
{
    scriptedUi().answerFolder(QStringLiteral("/data/tables"));
    key("keyREADINITIALPATH").trigger();
    EXPECT_EQ(state().StdReadingPath, QStringLiteral("/data/tables"));
    EXPECT_EQ(platform::settings::read(state().RegAppName, QStringLiteral("FileInfo"), QStringLiteral("StdReadingPath")),
              QStringLiteral("/data/tables"));
    scriptedUi().answerFolder(QString());
    key("keyREADINITIALPATH").trigger();
    EXPECT_EQ(state().StdReadingPath, QStringLiteral("/data/tables"));
}

TEST_F(MainWindowCommands, StepEditorIsFoundThroughItsRecordedFolder)
{
    const QString editor = programPath(QStringLiteral("QELM_STP"));
    writeFile(editor, "#!/bin/sh\n");
    platform::settings::write(QStringLiteral("QELM_STP"), QStringLiteral("SETTING"), QStringLiteral("MYPATH"),
                              programFolder_.path());
    // Started minimised: the request travels in the environment the editor inherits.
    QByteArray inherited;
    scriptedUi().answerStartProgram(true, [&] { inherited = qgetenv(QelmCommon::kStartStateVariable); });
    click("keySTEPSEQUENCE");
    auto started = scriptedUi().callsOf(UiCall::StartProgram);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].text, editor);
    EXPECT_TRUE(started[0].arguments.isEmpty());
    EXPECT_EQ(started[0].style, 1); // minimised
    EXPECT_EQ(inherited, QByteArray(QelmCommon::kStartMinimized));
    EXPECT_FALSE(qEnvironmentVariableIsSet(QelmCommon::kStartStateVariable));

    // A program that cannot be started is reported.
    scriptedUi().answerStartProgram(false);
    click("keySTEPSEQUENCE");
    const auto reports = reportedErrors().take();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].label, QStringLiteral("tBar2_ButtonClick"));

    // Found nowhere: message 51.
    QFile::remove(editor);
    scriptedUi().answerMessageBox(platform::vbOK);
    click("keySTEPSEQUENCE");
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).back().text,
              QStringLiteral("At least once, you must start QELM_STP.exe"));
}

TEST_F(MainWindowCommands, PitchWindowOpensOnlyWithShiftAndCtrlHeld)
{
    loadDemoTables();
    auto pitchWindows = [&] {
        int count = 0;
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            count += frame->widget()->objectName() == QLatin1String("fOkuriParam");
        return count;
    };
    const struct {
        Qt::KeyboardModifiers held;
        int answer; // 0: no question
        int opened;
        const char* message;
    } cases[] = {
        {Qt::ShiftModifier, 0, 0, "You have not right to use this function."},
        {Qt::ControlModifier, 0, 0, "You have not right to use this function."},
        {Qt::ShiftModifier | Qt::ControlModifier, platform::vbNo, 0, "Great risk to edit this mode."},
        {Qt::ShiftModifier | Qt::ControlModifier, platform::vbYes, 1, "Great risk to edit this mode."},
        // A second opening shows the open window again.
        {Qt::ShiftModifier | Qt::ControlModifier, platform::vbYes, 1, "Great risk to edit this mode."},
    };
    for (const auto& c : cases) {
        window().heldModifiers = [&] { return c.held; };
        scriptedUi().answerMessageBox(c.answer ? c.answer : platform::vbOK);
        click("keyOKURIPARAM");
        EXPECT_EQ(pitchWindows(), c.opened);
        EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).back().text.startsWith(QLatin1String(c.message)));
    }
}

TEST_F(MainWindowCommands, SpecialGroupNeedsThePassword)
{
    const auto openTags = [&] {
        QStringList tags;
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            tags << static_cast<QelmSet::EditingWindow*>(frame->widget())->Tag();
        return tags;
    };
    scriptedUi().answerInput(QStringLiteral("0000"));
    scriptedUi().answerMessageBox(platform::vbOK);
    window().mnuParamContent(9)->trigger();
    EXPECT_TRUE(openTags().isEmpty());
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).back().text, QStringLiteral("You missed password."));

    scriptedUi().answerInput(QStringLiteral("4829"));
    window().mnuParamContent(9)->trigger();
    EXPECT_EQ(openTags(), QStringList{QStringLiteral("SPECIAL")});
    EXPECT_TRUE(window().mnuParamContent(9)->isChecked());

    // A second choice of an open group brings it forward instead of opening another.
    window().mnuParamContent(4)->trigger();
    window().mnuParamContent(4)->trigger();
    EXPECT_EQ(openTags(), (QStringList{QStringLiteral("SPECIAL"), QStringLiteral("SPEED")}));
    EXPECT_TRUE(window().mnuParamContent(4)->isChecked());
}

TEST_F(MainWindowCommands, CustomizeMenuOpensOneWindowPerConnector)
{
    QAction* terminal1 = window().mnuCustomize().actions()[4]; // item 5, connector id 3
    terminal1->trigger();
    terminal1->trigger();
    QStringList opened;
    for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
        opened << frame->widget()->objectName() + QLatin1Char(' ') +
                      static_cast<QelmSet::EditingWindow*>(frame->widget())->Tag();
    EXPECT_EQ(opened, QStringList{QStringLiteral("fCusData 3")});
    EXPECT_TRUE(terminal1->isChecked());
    EXPECT_TRUE(enabled("keyWARRANGE"));
}

TEST_F(MainWindowCommands, FileButtonShowsTheFilesPathAndDate)
{
    const QString usr = dataCopy("DEMO_USR.etb");
    window().ReadQELMData(Telva27::eSTD, usr);
    window().ReadQELMData(Telva27::eUSR, usr);
    scriptedUi().answerMessageBox(platform::vbOK);
    click("keyUSR");
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("[Full path] ") + usr + QStringLiteral("\r\n\r\n[Date update] ")))
        << boxes[0].text.toStdString();
    EXPECT_EQ(platform::msgIcon(boxes[0].style), platform::vbInformation);
}

TEST_F(MainWindowCommands, CloseEndsTheProgram)
{
    click("keyCLOSE");
    EXPECT_FALSE(window().isVisible());
}
