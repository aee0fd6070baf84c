// The main window's toolbar and its Option menu, driven as a user clicks them.

#include "StepEditorFixture.h"

#include "dialogs/clsSelectKino.h"
#include "dialogs/fCopyData.h"
#include "platform/RuntimeError.h"
#include "platform/Settings.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/mMOD.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

std::optional<QString> stored(const char* section, const char* key)
{
    return platform::settings::read(QelmStp::mMOD::ProgramName(), QLatin1String(section), QLatin1String(key));
}

} // namespace

class StepMainWindowCommands : public StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
        ASSERT_TRUE(start());
    }
    QAction& key(const char* name)
    {
        QAction* action = window().toolKey(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    // Opens the Option menu with its button and chooses an entry ("" dismisses it).
    void chooseOption(const QString& entry)
    {
        scriptedUi().answerPopupMenu(entry);
        key("keyOption").trigger();
    }
    bool hintBandShown(QelmStp::fStep& w) { return !w.band(QStringLiteral("keyHINT")).isHidden(); }
};

TEST_F(StepMainWindowCommands, TheToolbarHasItsFourButtonsOnTheCoolBar)
{
    auto* band = window().findChild<QToolBar*>(QStringLiteral("keytBar"));
    ASSERT_NE(band, nullptr);
    QWidget* pictBar = band->findChild<QWidget*>(QStringLiteral("pictBar"));
    ASSERT_NE(pictBar, nullptr);
    auto* tBar = pictBar->findChild<QToolBar*>(QStringLiteral("tBar"));
    ASSERT_NE(tBar, nullptr);
    const QStringList keys = {QStringLiteral("keyCLOSE"), QStringLiteral("keyOption"), QStringLiteral("DataCopy"),
                              QStringLiteral("keyWARRANGE")};
    const QStringList captions = {QStringLiteral("Close         "), QStringLiteral("Option        "),
                                  QStringLiteral("Data copy"), QStringLiteral("Arrange window  ")};
    ASSERT_EQ(tBar->actions().size(), 4);
    for (int i = 0; i < 4; ++i) {
        const QAction* button = tBar->actions()[i];
        EXPECT_EQ(button->objectName(), keys[i]);
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_FALSE(button->icon().isNull()) << keys[i].toStdString();
        EXPECT_TRUE(button->isEnabled());
    }
    // No menu bar and no status bar: the Option menu only pops up.
    EXPECT_EQ(window().findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(window().findChild<QStatusBar*>(), nullptr);
}

TEST_F(StepMainWindowCommands, TheOptionMenuShowsTheOptionsAsTheyStand)
{
    state().DoesAskInReplacing = false;
    state().selectKino->setDoesAskInEditingMode(false);
    chooseOption(QString());
    const auto popups = scriptedUi().callsOf(UiCall::PopupMenu);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].text, QStringLiteral("mnuOption"));
    const QMenu& menu = window().mnuOption();
    ASSERT_EQ(menu.actions().size(), 4);
    EXPECT_EQ(menu.actions()[0]->menu()->title(), QStringLiteral("&View"));
    const char* viewTexts[] = {"&Note column", "&Text on the ToolBar", "&Input Method"};
    const char* optionTexts[] = {"Replace function when insert, remove rows.",
                                 "Ask before replacing function in inserting, removing rows.",
                                 "Ask before entering button-editing mode."};
    const bool optionChecks[] = {true, false, false};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(window().mnuViewContent(i)->text(), QLatin1String(viewTexts[i - 1]));
        EXPECT_TRUE(window().mnuViewContent(i)->isChecked());
        EXPECT_EQ(window().mnuOptionContent(i)->text(), QLatin1String(optionTexts[i - 1]));
        EXPECT_EQ(window().mnuOptionContent(i)->isChecked(), optionChecks[i - 1]) << i;
    }
    EXPECT_EQ(menu.actions()[1], window().mnuOptionContent(1));
}

TEST_F(StepMainWindowCommands, OptionItemsFlipTheirOptionAndSaveIt)
{
    const struct {
        int index;
        const char* key;
        std::function<bool(QelmStp::ProgramState&)> value;
    } cases[] = {
        {1, "DoesReplaceFunction", [](QelmStp::ProgramState& s) { return s.DoesReplaceFunction; }},
        {2, "DoesAskInReplacing", [](QelmStp::ProgramState& s) { return s.DoesAskInReplacing; }},
        {3, "DoesAskInEditingMode", [](QelmStp::ProgramState& s) { return s.selectKino->DoesAskInEditingMode(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        chooseOption(QStringLiteral("mnuOptionContent%1").arg(c.index));
        EXPECT_FALSE(c.value(state()));
        EXPECT_EQ(stored("General", c.key), QStringLiteral("False"));
        chooseOption(QStringLiteral("mnuOptionContent%1").arg(c.index));
        EXPECT_TRUE(c.value(state()));
        EXPECT_EQ(stored("General", c.key), QStringLiteral("True"));
    }
}

TEST_F(StepMainWindowCommands, NoteColumnItemHidesAndShowsTheRemarkColumnOfBothWindows)
{
    QelmStp::fStep& reference = showReferenceWindow();
    chooseOption(QStringLiteral("mnuViewContent1"));
    EXPECT_FALSE(state().DoesViewRemarkColumn);
    EXPECT_TRUE(userWindow().fg().data().ColHidden(1));
    EXPECT_TRUE(reference.fg().data().ColHidden(1));
    EXPECT_EQ(stored("General", "DoesViewRemarkColumn"), QStringLiteral("False"));

    chooseOption(QStringLiteral("mnuViewContent1"));
    EXPECT_FALSE(userWindow().fg().data().ColHidden(1));
    EXPECT_FALSE(reference.fg().data().ColHidden(1));
    EXPECT_EQ(userWindow().fg().data().ColWidth(1), 1200);
    EXPECT_EQ(stored("General", "DoesViewRemarkColumn"), QStringLiteral("True"));
}

TEST_F(StepMainWindowCommands, ToolbarTextItemWithoutReferenceWindowChangesOnlyTheUserWindow)
{
    QelmStp::fStep& user = userWindow();
    // A button as the step window's toolbar has them.
    QAction* find = user.tBar().addAction(QString());
    find->setObjectName(QStringLiteral("keyFIND"));
    user.ShowButtonCaption(true);
    EXPECT_EQ(find->text(), QStringLiteral("Find"));

    chooseOption(QStringLiteral("mnuViewContent2"));
    EXPECT_FALSE(state().DoesViewButtonCaption);
    EXPECT_EQ(find->text(), QString());
    EXPECT_EQ(find->toolTip(), QStringLiteral("Find"));
    EXPECT_EQ(user.tBar().toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_FALSE(state().frmStd->IsLoaded());
    EXPECT_EQ(stored("General", "DoesViewButtonCaption"), QStringLiteral("False"));

    chooseOption(QStringLiteral("mnuViewContent2"));
    EXPECT_EQ(find->text(), QStringLiteral("Find"));
    EXPECT_EQ(user.tBar().toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    // A loaded reference window follows, its toolbar band as high as the user window's toolbar.
    QelmStp::fStep& reference = showReferenceWindow();
    chooseOption(QStringLiteral("mnuViewContent2"));
    EXPECT_EQ(reference.tBar().toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(reference.band(QStringLiteral("keyTOOLBAR")).minimumHeight(), user.tBar().sizeHint().height());
}

TEST_F(StepMainWindowCommands, InputMethodItemNeverShowsTheHintInTheReferenceWindow)
{
    QelmStp::fStep& reference = showReferenceWindow();
    EXPECT_TRUE(hintBandShown(userWindow()));
    EXPECT_FALSE(hintBandShown(reference));
    chooseOption(QStringLiteral("mnuViewContent3"));
    EXPECT_FALSE(hintBandShown(userWindow()));
    EXPECT_EQ(stored("General", "DoesViewInputMethod"), QStringLiteral("False"));
    chooseOption(QStringLiteral("mnuViewContent3"));
    EXPECT_TRUE(hintBandShown(userWindow()));
    EXPECT_FALSE(hintBandShown(reference));
}

TEST_F(StepMainWindowCommands, DataCopyOffersTheUserStepFileAndAsksAboutItsChanges)
{
    const struct {
        QString user;
        bool changed;
        QString source; // what the copy dialog starts from
    } cases[] = {
        {QString(), false, QString()},
        {QStringLiteral("/data/a.stp"), false, QStringLiteral("/data/a.stp")},
        {QStringLiteral("/data/a.StP"), true, QStringLiteral("/data/a.StP")},
        {QStringLiteral("/data/a.stg"), true, QString()},
        {QStringLiteral("/data/stp"), false, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user.toStdString());
        scriptedUi().clearCalls();
        state().UsrFullFname = c.user;
        userWindow().ControlChange(c.changed);
        if (c.changed) // the copy reads the saved file: go on anyway
            scriptedUi().answerMessageBox(platform::vbYes);
        bool mainShown = true;
        QString source = QStringLiteral("<not shown>");
        scriptedUi().answerDialog([&](QDialog& d) {
            mainShown = window().isVisible();
            auto& copy = dynamic_cast<Sorvi27::fCopyData&>(d);
            source = copy.SrcFileFullFname();
            EXPECT_EQ(copy.STGorSTP(), Sorvi27::eCOPY_STP);
            d.reject();
        });
        key("DataCopy").trigger();
        EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).size(), c.changed ? 1u : 0u);
        EXPECT_EQ(source, c.source);
        EXPECT_FALSE(mainShown);
        EXPECT_TRUE(window().isVisible());
    }
}

TEST_F(StepMainWindowCommands, NoToTheChangedSourceQuestionCopiesNothing)
{
    state().UsrFullFname = QStringLiteral("/data/a.stp");
    userWindow().ControlChange(true);
    scriptedUi().answerMessageBox(platform::vbNo);
    key("DataCopy").trigger(); // no dialog is shown: the scripted Ui would fail an unasked one
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).size(), 1u);
    EXPECT_TRUE(window().isVisible());
}

TEST_F(StepMainWindowCommands, ArrangeWindowPutsTheStepWindowsOneAboveTheOther)
{
    QelmStp::fStep& reference = showReferenceWindow();
    auto* userFrame = qobject_cast<QMdiSubWindow*>(userWindow().parentWidget());
    auto* referenceFrame = qobject_cast<QMdiSubWindow*>(reference.parentWidget());
    userFrame->setGeometry(40, 40, 200, 100);
    key("keyWARRANGE").trigger();
    const QRect area = window().mdiArea().viewport()->rect();
    const QList<QMdiSubWindow*> frames = window().mdiArea().subWindowList();
    ASSERT_EQ(frames.size(), 2);
    // Halves of the area; the lower one takes an odd pixel, so the two fill it.
    EXPECT_EQ(frames[0]->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(frames[1]->geometry(), QRect(0, area.height() / 2, area.width(), area.height() - area.height() / 2));
    EXPECT_TRUE(frames.contains(userFrame) && frames.contains(referenceFrame));
}
