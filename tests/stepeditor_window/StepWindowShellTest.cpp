// The step window's shell: its toolbar, button menus and right-click menu,
// the commands they hand on, captions, the folder choice and the close rules,
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

    // Records every command the window hands on, as "name args".
    void record(QelmStp::fStep& w)
    {
        QelmStp::StepCommands& c = w.commands();
        auto note = [this](const QString& what) { done_ << what; };
        c.NewOp = [=](QelmStp::fStep&) { note("NewOp"); };
        c.SaveCheck = [=, this](QelmStp::fStep&) {
            note("SaveCheck");
            return saveCheckAnswer_;
        };
        c.SaveStepData = [=, this](QelmStp::fStep&, int32_t how) {
            note(QStringLiteral("SaveStepData %1").arg(how));
            return saveAnswer_;
        };
        c.FindOp = [=](QelmStp::fStep&, int32_t role) { note(QStringLiteral("FindOp %1").arg(role)); };
        c.PrintOp = [=](QelmStp::fStep&) { note("PrintOp"); };
        c.SaveCurrent = [=](QelmStp::fStep&) { note("SaveCurrent"); };
        c.CopyRowToBuf = [=](QelmStp::fStep&, int32_t r1, int32_t r2, int32_t c1, int32_t c2, int32_t rows) {
            note(QStringLiteral("CopyRowToBuf %1 %2 %3 %4 %5").arg(r1).arg(r2).arg(c1).arg(c2).arg(rows));
        };
        c.DeleteRows = [=](QelmStp::fStep&, int32_t mode, int32_t r1, int32_t r2, int32_t c1, int32_t c2) {
            note(QStringLiteral("DeleteRows %1 %2 %3 %4 %5").arg(mode).arg(r1).arg(r2).arg(c1).arg(c2));
        };
        c.PasteFromBuf = [=](QelmStp::fStep&, int32_t row) { note(QStringLiteral("PasteFromBuf %1").arg(row)); };
        c.SafeBottomRow = [=, this](QelmStp::fStep&, int32_t n) {
            note(QStringLiteral("SafeBottomRow %1").arg(n));
            return bottomFree_;
        };
        c.InsertRows = [=](QelmStp::fStep&, int32_t row, int32_t n) {
            note(QStringLiteral("InsertRows %1 %2").arg(row).arg(n));
        };
        c.RemOp = [=](QelmStp::fStep&) { note("RemOp"); };
        c.DoUndo = [=](QelmStp::fStep&) { note("DoUndo"); };
        c.InputCounterLcd = [=](QelmStp::fStep&) { note("InputCounterLcd"); };
        c.ShowMemo = [=](QelmStp::fStep&) { note("ShowMemo"); };
        c.InputPassword = [=](QelmStp::fStep&) { note("InputPassword"); };
        c.CheckColorCount = [=](QelmStp::fStep&) { note("CheckColorCount"); };
        c.DeleteTemporaryFiles = [=](QelmStp::fStep& w) { note(QStringLiteral("DeleteTemporaryFiles %1").arg(w.STDUSR())); };
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
        QStringList texts;
        for (const UiCall& call : scriptedUi().callsOf(UiCall::MessageBox))
            texts << call.text;
        return texts;
    }

    QStringList done_;
    bool saveCheckAnswer_ = true;
    bool saveAnswer_ = true;
    bool bottomFree_ = true;
};

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
        EXPECT_TRUE(actions[i]->isEnabled());
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
            }
        }
    }

    // Captions, the right-click menu and the table choice after loading.
    EXPECT_EQ(user.windowTitle(), QStringLiteral("Step sequence "));
    const QStringList edit = {"Cut", "&Copy", "&Paste", "&Insert"};
    const QList<QAction*> editItems = user.mnuEdit().actions();
    ASSERT_EQ(editItems.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(editItems[i]->text(), edit[i]);
        EXPECT_TRUE(editItems[i]->isEnabled());
    }
    EXPECT_EQ(user.cboTable().count(), 7);
    EXPECT_EQ(user.cboTable().itemText(0), QStringLiteral("1"));
    EXPECT_EQ(user.cboTable().itemText(6), QStringLiteral("7"));
    EXPECT_EQ(user.cboTable().currentIndex(), -1);
    EXPECT_FALSE(user.cboTable().isEnabled());
    EXPECT_TRUE(user.dicUndoFiles().isEmpty());
    EXPECT_FALSE(user.IsChanged());
}

TEST_F(StepWindowShell, TheReferenceWindowOnlyFindsPrintsCopiesAndShowsInfo)
{
    QelmStp::fStep& reference = *state().frmStd;
    record(reference);
    QelmStp::fStep& shown = showReferenceWindow();
    ASSERT_EQ(&shown, &reference);
    // Loading starts an empty program; only the user window's working copies go first.
    EXPECT_EQ(done_, QStringList({"CheckColorCount", "NewOp"}));
    const QStringList enabled = {"keyFIND", "keyPRINT", "keyCOPY", "keyFUZOKU"};
    for (QAction* b : reference.tBar().actions()) {
        if (!b->isSeparator()) {
            EXPECT_EQ(b->isEnabled(), enabled.contains(b->objectName())) << b->objectName().toStdString();
        }
    }
    EXPECT_FALSE(reference.mnuCut().isEnabled());
    EXPECT_TRUE(reference.mnuCopy().isEnabled());
    EXPECT_FALSE(reference.mnuPaste().isEnabled());
    EXPECT_FALSE(reference.mnuInsert().isEnabled());
    EXPECT_TRUE(reference.band(QStringLiteral("keyHINT")).isHidden());

    // Find hands on the window's role; the right-click Copy works.
    done_.clear();
    reference.fg().data().Select(1, 1);
    button(reference, "keyFIND").trigger();
    scriptedUi().answerPopupMenu(QStringLiteral("mnuCopy"));
    reference.PopupEditMenu(QPoint());
    EXPECT_EQ(done_, QStringList({"FindOp 1", "CopyRowToBuf 1 1 1 1 0"}));

    // The reference window closes without a question, and removes its working copies.
    done_.clear();
    ASSERT_TRUE(reference.close());
    EXPECT_FALSE(reference.IsLoaded());
    EXPECT_EQ(done_, QStringList({"DeleteTemporaryFiles 1"}));
    EXPECT_TRUE(messages().isEmpty());

    // Shown again, it is loaded again with one toolbar.
    showReferenceWindow();
    EXPECT_TRUE(reference.IsLoaded());
    EXPECT_EQ(reference.tBar().actions().size(), 16);
}

TEST_F(StepWindowShell, ToolbarButtonsHandOnTheirCommands)
{
    QelmStp::fStep& user = userWindow();
    record(user);
    auto& g = user.fg().data();
    g.Select(3, 5, 6, 7); // rows 3..6, columns 5..7
    const struct {
        const char* key;
        QStringList done;
    } cases[] = {
        {"keyNew", {"NewOp"}},
        {"keySAVE", {"SaveStepData 0"}},
        {"keyFIND", {"FindOp 0"}},
        {"keyPRINT", {"PrintOp"}},
        {"keyCOPY", {"CopyRowToBuf 3 6 5 7 0"}},
        {"keyCUT", {"SaveCurrent", "CopyRowToBuf 3 6 5 7 0", "DeleteRows 0 3 6 5 7"}},
        {"keyPASTE", {"SaveCurrent", "PasteFromBuf 3"}},
        {"keyROWINSERT", {"SafeBottomRow 4", "SaveCurrent", "InsertRows 3 4"}},
        {"keyREM", {"RemOp"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        done_.clear();
        button(user, c.key).trigger();
        EXPECT_EQ(done_, c.done);
    }
    EXPECT_TRUE(messages().isEmpty());

    // Whole rows: every column right of the step number, upward selections too.
    g.setSelectionMode(platform::grid::selByRow);
    g.Select(8, 1, 5, g.Cols() - 1);
    done_.clear();
    button(user, "keyCUT").trigger();
    button(user, "keyROWINSERT").trigger();
    const QString last = QString::number(g.Cols() - 1);
    EXPECT_EQ(done_, QStringList({"SaveCurrent", "CopyRowToBuf 8 5 1 " + last + " 1", "DeleteRows 1 8 5 1 " + last,
                                  "SafeBottomRow 4", "SaveCurrent", "InsertRows 5 4"}));
}

TEST_F(StepWindowShell, RowInsertThatWouldOverflowAsksFirst)
{
    QelmStp::fStep& user = userWindow();
    record(user);
    bottomFree_ = false;
    user.fg().data().Select(190, 2);
    scriptedUi().answerMessageBox(platform::vbNo);
    button(user, "keyROWINSERT").trigger();
    EXPECT_EQ(done_, QStringList({"SafeBottomRow 1"}));
    scriptedUi().answerMessageBox(platform::vbYes);
    button(user, "keyROWINSERT").trigger();
    EXPECT_EQ(done_, QStringList({"SafeBottomRow 1", "SafeBottomRow 1", "SaveCurrent", "InsertRows 190 1"}));
    const auto asked = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, message(97));
    EXPECT_EQ(asked[0].style, platform::vbQuestion | platform::vbYesNo | platform::vbDefaultButton2);
}

TEST_F(StepWindowShell, UndoAsksAndInfoPointsToItsMenu)
{
    QelmStp::fStep& user = userWindow();
    record(user);
    // Nothing to undo.
    scriptedUi().answerMessageBox(platform::vbOK);
    button(user, "keyUNDO").trigger();
    // A snapshot: No leaves everything, Yes undoes.
    user.dicUndoFiles().insert(QStringLiteral("1"), QStringLiteral("~qe1.tmp"));
    scriptedUi().answerMessageBox(platform::vbNo);
    button(user, "keyUNDO").trigger();
    EXPECT_TRUE(done_.isEmpty());
    scriptedUi().answerMessageBox(platform::vbYes);
    button(user, "keyUNDO").trigger();
    EXPECT_EQ(done_, QStringList({"DoUndo"}));
    // The Info button itself only says where its commands are.
    done_.clear();
    scriptedUi().answerMessageBox(platform::vbOK);
    button(user, "keyFUZOKU").trigger();
    EXPECT_TRUE(done_.isEmpty());
    EXPECT_EQ(messages(), QStringList({message(95), message(96), message(96), message(98)}));
    EXPECT_EQ(message(98), QStringLiteral("Select from sub menu."));
}

TEST_F(StepWindowShell, ButtonMenuItemsHandOnTheirCommands)
{
    QelmStp::fStep& user = userWindow();
    record(user);
    const struct {
        const char* button;
        const char* item;
        QStringList done;
        std::vector<steptest::ReadStepCall> reads;
    } cases[] = {
        {"keySAVE", "keyOVERWRITE", {"SaveStepData 0"}, {}},
        {"keySAVE", "keySAVEAS", {"SaveStepData 1"}, {}},
        {"keySAVE", "keySAVEANOTHERTABLE", {"SaveStepData 2"}, {}},
        {"keyFUZOKU", "keyCOUNTER", {"InputCounterLcd"}, {}},
        {"keyFUZOKU", "keyREM", {"ShowMemo"}, {}},
        {"keyFUZOKU", "keyPASS", {"InputPassword"}, {}},
        // The reference file is opened without a save question, the user file after one.
        {"keyOPEN", "keyREAD_STD", {}, {{0, 1, 0, QString()}}},
        {"keyOPEN", "keyREAD_USER", {"SaveCheck"}, {{0, 0, 0, QString()}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        done_.clear();
        readSteps_.clear();
        chooseItem(user, c.button, c.item);
        EXPECT_EQ(done_, c.done);
        ASSERT_EQ(readSteps_.size(), c.reads.size());
        for (size_t i = 0; i < c.reads.size(); ++i)
            EXPECT_EQ(readSteps_[i].kind, c.reads[i].kind);
    }

    // The Open button itself is the user-file item, save question included.
    done_.clear();
    readSteps_.clear();
    button(user, "keyOPEN").trigger();
    EXPECT_EQ(done_, QStringList({"SaveCheck"}));
    ASSERT_EQ(readSteps_.size(), 1u);
    EXPECT_EQ(readSteps_[0].kind, 0);
    saveCheckAnswer_ = false;
    done_.clear();
    readSteps_.clear();
    button(user, "keyOPEN").trigger();
    EXPECT_EQ(done_, QStringList({"SaveCheck"}));
    EXPECT_TRUE(readSteps_.empty());
}

TEST_F(StepWindowShell, RightClickMenuDoesWhatTheButtonsDo)
{
    QelmStp::fStep& user = userWindow();
    record(user);
    user.fg().data().Select(2, 3);
    for (const char* item : {"mnuCopy", "mnuCut", "mnuPaste", "mnuInsert"}) {
        scriptedUi().answerPopupMenu(QLatin1String(item));
        user.PopupEditMenu(QPoint());
    }
    EXPECT_EQ(done_, QStringList({"CopyRowToBuf 2 2 3 3 0", "SaveCurrent", "CopyRowToBuf 2 2 3 3 0",
                                  "DeleteRows 0 2 2 3 3", "SaveCurrent", "PasteFromBuf 2", "SafeBottomRow 1",
                                  "SaveCurrent", "InsertRows 2 1"}));
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
    record(user);
    // Its close box is refused, changed or not.
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(user.close());
    EXPECT_TRUE(user.IsLoaded());
    EXPECT_EQ(messages(), QStringList({message(62)}));
    scriptedUi().clearCalls();

    // The program ends with changed data: Cancel, then Yes with a failed save keep it open.
    user.ControlChange(true);
    saveAnswer_ = false;
    scriptedUi().answerMessageBox(platform::vbCancel);
    EXPECT_FALSE(window().close());
    scriptedUi().answerMessageBox(platform::vbYes);
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(user.IsLoaded());
    EXPECT_TRUE(user.IsChanged());
    EXPECT_EQ(done_, QStringList({"SaveStepData 0"}));
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
    // No drops the changes and the program ends.
    done_.clear();
    scriptedUi().answerMessageBox(platform::vbNo);
    EXPECT_TRUE(window().close());
    EXPECT_EQ(messages(), QStringList({message(13), message(13), message(13), message(13), message(13)}));
    EXPECT_EQ(done_, QStringList({"DeleteTemporaryFiles 0"}));
}

TEST_F(StepWindowShell, ProgramEndsAfterASuccessfulSave)
{
    QelmStp::fStep& user = userWindow();
    record(user);
    user.ControlChange(true);
    scriptedUi().answerMessageBox(platform::vbYes);
    EXPECT_TRUE(window().close());
    EXPECT_EQ(done_, QStringList({"SaveStepData 0", "DeleteTemporaryFiles 0"}));
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
