// The step window's shell: its toolbar, button menus and right-click menu,
// which commands they offer, captions, the folder choice and the close rules,
// driven as a user clicks them.

#include "StepEditorFixture.h"

#include "datamodel/steps/colclsStep.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/mMOD.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

QString message(int16_t number) { return QelmStp::mMOD::MessageText(number); }

} // namespace

class StepWindowShell : public StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
        ASSERT_TRUE(start());
    }

    QAction& button(QelmStp::fStep& w, const char* key)
    {
        QAction* b = w.toolKey(QLatin1String(key));
        EXPECT_NE(b, nullptr) << key;
        return *b;
    }
    // Chooses an item of a drop-down button's menu.
    void chooseItem(QelmStp::fStep& w, const char* buttonKey, const char* itemKey)
    {
        QMenu* menu = w.buttonMenu(QLatin1String(buttonKey));
        ASSERT_NE(menu, nullptr) << buttonKey;
        QAction* item = menu->findChild<QAction*>(QLatin1String(itemKey));
        ASSERT_NE(item, nullptr) << itemKey;
        ASSERT_TRUE(item->isEnabled());
        item->trigger();
    }
    QStringList messages() const
    {
        return testsupport::scriptedUi().messageTexts();
    }

};

namespace {

// The buttons and button-menu items enabled, by window: the reference window
// only shows and copies. The memo item shares the key "keyREM" with the REM
// button.
const QStringList kUserEnabled = {"keyNew",  "keyOPEN",  "keySAVE", "keyFIND", "keyPRINT",     "keyCUT",
                                  "keyCOPY", "keyPASTE", "keyUNDO", "keyREM",  "keyROWINSERT", "keyFUZOKU"};
const QStringList kReferenceEnabled = {"keyFIND", "keyPRINT", "keyCOPY", "keyFUZOKU"};
// The toolbar buttons the right-click menu's items run, in the menu's order.
const QStringList kEditKeys = {"keyCUT", "keyCOPY", "keyPASTE", "keyROWINSERT"};
const QStringList kItemsEnabled = {"keyREAD_STD", "keyREAD_USER", "InitialPath", "keyOVERWRITE", "keySAVEAS",
                                   "keySAVEANOTHERTABLE", "keyCOUNTER", "keyPASS", "keyREM"};

} // namespace

TEST_F(StepWindowShell, TheToolbarHasItsButtonsMenusAndTexts)
{
    QelmStp::fStep& user = userWindow();
    const QStringList keys = {"keyNew",   "keyOPEN",       "keySAVE",       "keySEPARATOR2", "keyFIND",
                              "keyPRINT", "keySEPARATOR3", "keyCUT",        "keyCOPY",       "keyPASTE",
                              "keyROWINSERT", "keyUNDO",   "keySEPARATOR4", "keyREM",        "keySEPARATOR5",
                              "keyFUZOKU"};
    const QStringList texts = {"New", "Open", "Save", "", "Find", "Print", "", "Cut", "Copy", "Paste",
                               "Insert", "Undo", "", "Rem", "", "Info"};
    const QList<QAction*> actions = user.tBar().actions();
    ASSERT_EQ(actions.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(keys[i].toStdString());
        EXPECT_EQ(actions[i]->objectName(), keys[i]);
        EXPECT_EQ(actions[i]->isSeparator(), texts[i].isEmpty());
        if (actions[i]->isSeparator())
            continue;
        EXPECT_EQ(actions[i]->text(), texts[i]);
        EXPECT_FALSE(actions[i]->icon().isNull());
        EXPECT_EQ(actions[i]->isEnabled(), kUserEnabled.contains(keys[i]));
        const bool dropDown = i == 1 || i == 2 || i == 15;
        auto* face = qobject_cast<QToolButton*>(user.tBar().widgetForAction(actions[i]));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->popupMode() == QToolButton::MenuButtonPopup, dropDown);
    }
    EXPECT_EQ(button(user, "keyFIND").toolTip(), QStringLiteral("Find function / replace(CTRL+F)"));

    const struct {
        const char* button;
        QStringList items;
        QStringList texts;
    } menus[] = {
        {"keyOPEN", {"keyREAD_STD", "keyREAD_USER", "keySEN2", "InitialPath"},
         {"&1  Only std file", "&2  Only user file", "", "&3  Read/Save path setting"}},
        {"keySAVE", {"keyOVERWRITE", "keySAVEAS", "keySAVEANOTHERTABLE"},
         {"&1  Overwrite", "&2  Save as ...", "&3  Save as other table..."}},
        {"keyFUZOKU", {"keyCOUNTER", "keyREM", "keyPASS"},
         {"&1  Set DISP counter,title / LCD key title caption.", "&2  Input note", "&3  Pasword, Author"}},
    };
    for (const auto& m : menus) {
        SCOPED_TRACE(m.button);
        QMenu* menu = user.buttonMenu(QLatin1String(m.button));
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), m.items.size());
        for (int i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->objectName(), m.items[i]);
            EXPECT_EQ(items[i]->isSeparator(), m.texts[i].isEmpty());
            if (!items[i]->isSeparator()) {
                EXPECT_EQ(items[i]->text(), m.texts[i]);
                EXPECT_EQ(items[i]->isEnabled(), kItemsEnabled.contains(m.items[i]));
            }
        }
    }

    // Captions, the right-click menu and the table choice after loading (an empty program).
    EXPECT_EQ(user.windowTitle(), QStringLiteral("STEP SEQUENCE"));
    const QStringList edit = {"Cut", "&Copy", "&Paste", "&Insert"};
    const QList<QAction*> editItems = user.mnuEdit().actions();
    ASSERT_EQ(editItems.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(editItems[i]->text(), edit[i]);
        EXPECT_EQ(editItems[i]->isEnabled(), kUserEnabled.contains(kEditKeys[i]));
    }
    EXPECT_EQ(user.cboTable().count(), 7);
    EXPECT_EQ(user.cboTable().itemText(0), QStringLiteral("1"));
    EXPECT_EQ(user.cboTable().itemText(6), QStringLiteral("7"));
    EXPECT_EQ(user.cboTable().currentIndex(), 0);
    EXPECT_FALSE(user.cboTable().isEnabled());
    EXPECT_TRUE(user.dicUndoFiles().isEmpty());
    EXPECT_FALSE(user.IsChanged());
}

TEST_F(StepWindowShell, TheReferenceWindowOffersOnlyWhatDoesNotChangeData)
{
    QelmStp::fStep& reference = *state().frmStd;
    // The reference window's working copies of an earlier run.
    const QString copy = QDir(platform::folders::workingFolder()).filePath(QStringLiteral("estd2.tmp"));
    writeFile(copy, "old");
    QelmStp::fStep& shown = showReferenceWindow();
    ASSERT_EQ(&shown, &reference);
    // Loading starts an empty program, which removes them.
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_EQ(reference.windowTitle(), QStringLiteral("STEP SEQUENCE"));
    for (QAction* b : reference.tBar().actions()) {
        if (!b->isSeparator()) {
            EXPECT_EQ(b->isEnabled(), kReferenceEnabled.contains(b->objectName())) << b->objectName().toStdString();
        }
    }
    const QList<QAction*> editItems = reference.mnuEdit().actions();
    ASSERT_EQ(editItems.size(), kEditKeys.size());
    for (int i = 0; i < editItems.size(); ++i)
        EXPECT_EQ(editItems[i]->isEnabled(), kReferenceEnabled.contains(kEditKeys[i])) << i;
    EXPECT_TRUE(reference.band(QStringLiteral("keyHINT")).isHidden());

    // The reference window closes without a question, and removes its working copies.
    writeFile(copy, "copy");
    ASSERT_TRUE(reference.close());
    EXPECT_FALSE(reference.IsLoaded());
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_TRUE(messages().isEmpty());

    // Shown again, it is loaded again with one toolbar.
    showReferenceWindow();
    EXPECT_TRUE(reference.IsLoaded());
    EXPECT_EQ(reference.tBar().actions().size(), 16);
}

TEST_F(StepWindowShell, InfoButtonPointsToItsMenu)
{
    QelmStp::fStep& user = userWindow();
    // The Info button itself only says where its commands are.
    scriptedUi().answerMessageBox(platform::vbOK);
    button(user, "keyFUZOKU").trigger();
    EXPECT_EQ(messages(), QStringList({message(98)}));
    EXPECT_EQ(message(98), QStringLiteral("Select from sub menu."));
}

TEST_F(StepWindowShell, OpenAsksAboutChangedDataOnlyForAUserFile)
{
    QelmStp::fStep& user = userWindow();
    user.ControlChange(true);
    // The Open button is the user-file item: the save question first, and Cancel ends it.
    scriptedUi().answerMessageBox(platform::vbCancel);
    button(user, "keyOPEN").trigger();
    scriptedUi().answerMessageBox(platform::vbCancel);
    chooseItem(user, "keyOPEN", "keyREAD_USER");
    EXPECT_EQ(messages(), QStringList({message(53), message(53)}));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style, platform::vbQuestion | platform::vbYesNoCancel);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenFile).empty());
    // Yes saves first: a save whose file name is cancelled ends the open too.
    scriptedUi().answerMessageBox(platform::vbYes);
    scriptedUi().answerSaveFile(QString());
    button(user, "keyOPEN").trigger();
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenFile).empty());
    EXPECT_EQ(scriptedUi().callsOf(UiCall::SaveFile).size(), 1u);
    // No goes on to the file dialog, the changes still marked.
    scriptedUi().answerMessageBox(platform::vbNo);
    scriptedUi().answerOpenFile(QString());
    button(user, "keyOPEN").trigger();
    EXPECT_EQ(scriptedUi().callsOf(UiCall::OpenFile).size(), 1u);
    EXPECT_TRUE(user.IsChanged());
    // A reference file is opened without the question.
    scriptedUi().clearCalls();
    scriptedUi().answerOpenFile(QString());
    chooseItem(user, "keyOPEN", "keyREAD_STD");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(scriptedUi().callsOf(UiCall::OpenFile).size(), 1u);
}

TEST_F(StepWindowShell, ReadSavePathItemKeepsTheChosenFolder)
{
    QelmStp::fStep& user = userWindow();
    state().InitialPath = dataPath(QString());
    scriptedUi().answerFolder(QString()); // cancelled
    chooseItem(user, "keyOPEN", "InitialPath");
    EXPECT_EQ(state().InitialPath, dataPath(QString()));

    const QString chosen = QDir(dataFolder_.path()).absolutePath();
    scriptedUi().answerFolder(chosen);
    chooseItem(user, "keyOPEN", "InitialPath");
    EXPECT_EQ(state().InitialPath, chosen);
    EXPECT_EQ(platform::settings::read(QelmStp::mMOD::ProgramName(), QStringLiteral("FileInfo"),
                                       QStringLiteral("InitialPath")),
              chosen);
    const auto asked = scriptedUi().callsOf(UiCall::Folder);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text, QStringLiteral("Specify path."));
}

TEST_F(StepWindowShell, CaptionsNameTheFileAndTheAuthor)
{
    QelmStp::fStep& user = userWindow();
    state().UsrFullFname = QStringLiteral("/data/a.stp");
    state().StdFullFname = QStringLiteral("/data/std.stp");
    EXPECT_EQ(user.CreateMyCaption(0), QStringLiteral("/data/a.stp"));
    EXPECT_EQ(user.CreateMyCaption(1), QStringLiteral("Refer:/data/std.stp"));
    state().stepUsr->setAuthor(QStringLiteral("Kato"));
    state().stepStd->setAuthor(QStringLiteral("Std"));
    EXPECT_EQ(user.CreateMyCaption(0), QStringLiteral("/data/a.stp written by Kato"));
    EXPECT_EQ(user.CreateMyCaption(2), QStringLiteral("Refer:/data/std.stp written by Std"));
    state().UsrFullFname.clear();
    EXPECT_EQ(user.CreateMyCaption(0), QStringLiteral(" written by Kato"));
}

TEST_F(StepWindowShell, ToolbarTextsOffPutThemInTheTooltips)
{
    QelmStp::fStep& user = userWindow();
    user.ShowButtonCaption(false);
    for (QAction* b : user.tBar().actions()) {
        if (b->isSeparator())
            continue;
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_EQ(b->toolTip(), user.GetButtonCaption(b->objectName()));
    }
    user.ShowButtonCaption(true);
    EXPECT_EQ(button(user, "keyFIND").text(), QStringLiteral("Find"));
    EXPECT_EQ(button(user, "keyFIND").toolTip(), QStringLiteral("Find"));
    EXPECT_EQ(user.GetButtonCaption(QStringLiteral("keyNOTHING")), QStringLiteral("UNKNOWN"));
}

TEST_F(StepWindowShell, TheUserWindowClosesOnlyWithTheProgram)
{
    QelmStp::fStep& user = userWindow();
    // Its close box is refused, changed or not.
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(user.close());
    EXPECT_TRUE(user.IsLoaded());
    EXPECT_EQ(messages(), QStringList({message(62)}));
    scriptedUi().clearCalls();

    // The program ends with changed data: Cancel, then Yes with a save that
    // does not happen (its file name is cancelled) keep it open.
    user.ControlChange(true);
    scriptedUi().answerMessageBox(platform::vbCancel);
    EXPECT_FALSE(window().close());
    scriptedUi().answerMessageBox(platform::vbYes);
    scriptedUi().answerSaveFile(QString());
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(user.IsLoaded());
    EXPECT_TRUE(user.IsChanged());
    // The Close command and the close box (or Alt+F4) ask the same.
    window().show();
    scriptedUi().answerMessageBox(platform::vbCancel);
    window().toolKey(QStringLiteral("keyCLOSE"))->trigger();
    QCloseEvent closeBox;
    scriptedUi().answerMessageBox(platform::vbCancel);
    QCoreApplication::sendEvent(window().windowHandle(), &closeBox);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(user.IsLoaded());
    EXPECT_TRUE(user.IsChanged());
    // No drops the changes and the program ends, removing the working copies.
    const QString copy = QDir(platform::folders::workingFolder()).filePath(QStringLiteral("eusr2.tmp"));
    writeFile(copy, "copy");
    scriptedUi().answerMessageBox(platform::vbNo);
    EXPECT_TRUE(window().close());
    EXPECT_EQ(messages(), QStringList({message(13), message(13), message(13), message(13), message(13)}));
    EXPECT_FALSE(QFileInfo::exists(copy));
}

TEST_F(StepWindowShell, ProgramEndsAfterASuccessfulSave)
{
    QelmStp::fStep& user = userWindow();
    user.ControlChange(true);
    scriptedUi().answerMessageBox(platform::vbYes);
    const QString target = dataPath(QStringLiteral("ended.stp"));
    scriptedUi().answerSaveFile(target);
    EXPECT_TRUE(window().close());
    EXPECT_EQ(readFile(target).size(), 65536);
}

TEST_F(StepWindowShell, GrabOfTheStepWindows)
{
    showReferenceWindow();
    window().resize(1280, 800);
    window().ArrangeTiled();
    steptest::grabIfAsked(window(), "stp_shell_main_1280x800.png");
    window().resize(800, 600);
    window().ArrangeTiled();
    steptest::grabIfAsked(window(), "stp_shell_main_800x600.png");
    steptest::grabIfAsked(userWindow(), "stp_shell_user.png");
}

TEST_F(StepWindowShell, TheGridOfTheUserWindowOpensAnEditOnlyWhereTheRowIsReadyForIt)
{
    platform::grid::FlexGrid& fg = userWindow().fg();
    fg.data().Select(1, 2); // an output may be typed into an empty row
    fg.EditCell();
    EXPECT_TRUE(fg.isEditing());
    fg.cancelEdit();

    fg.data().Select(1, 3); // its logic only after the output
    scriptedUi().answerMessageBox(platform::vbOK);
    fg.EditCell();
    EXPECT_FALSE(fg.isEditing());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QelmStp::mMOD::MessageText(46, QStringLiteral("Output")));
}
