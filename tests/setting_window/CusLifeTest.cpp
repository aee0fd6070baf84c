// The customize window's life under the main window: where it opens, its
// Save and Print buttons, and the question when it closes with changes.

#include "CusDataFixture.h"
#include "WindowDriver.h"

#include "setting/mMOD.h"

#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>

using namespace testsupport;
using settingtest::CusDataFixture;

class CusLife : public CusDataFixture {
protected:
    // Queues the user's answers to the main window's save of the one-table
    // user file: Yes to overwriting it, and, when the file is made read-only
    // so that the save fails after the windows' write-back, the error report
    // and "Data is not saved".
    void saveAnswers(bool ok)
    {
        const QString usr = window().UsrFilePath();
        QFile::setPermissions(usr, ok ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner);
        scriptedUi().answerMessageBox(platform::vbYes);
        if (!ok) {
            scriptedUi().answerMessageBox(platform::vbOK);
            scriptedUi().answerMessageBox(platform::vbOK);
        }
    }
    // How many saves were asked for: each asks before overwriting.
    int saves() const
    {
        int asked = 0;
        for (const UiCall& call : scriptedUi().callsOf(UiCall::MessageBox))
            asked += call.text == QelmSet::mMOD::MessageText(45) ? 1 : 0;
        return asked;
    }

    // Changes the user side of a window: I1's logic.
    void change(Cus& cus)
    {
        clickCell(cus, rowOf(cus, QStringLiteral("I1")), Cus::colLogic);
        key(cus, Qt::Key_Space);
        ASSERT_TRUE(cus.IsChanged());
    }

    bool isOpen(const Cus* cus)
    {
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            if (frame->widget() == cus)
                return true;
        return false;
    }

};

TEST_F(CusLife, OpensUnderTheToolbarsOncePerConnector)
{
    Cus& cus = open(0);
    QWidget* frame = cus.parentWidget();
    EXPECT_EQ(frame->pos(), QPoint(0, 0));
    int toolbarsBottom = 0;
    for (QToolBar* bar : window().findChildren<QToolBar*>())
        if (bar->isVisible() && bar->parentWidget() == &window())
            toolbarsBottom = std::max(toolbarsBottom, bar->geometry().bottom());
    EXPECT_GT(frame->mapTo(&window(), QPoint(0, 0)).y(), toolbarsBottom);
    // The grid and the button bar fill the window side by side.
    auto* bar = cus.findChild<QWidget*>(QStringLiteral("picCMD"));
    EXPECT_EQ(bar->geometry().right(), cus.width() - 1);
    EXPECT_LT(cus.fg().geometry().right(), bar->geometry().left());

    // The same item again brings the open window forward.
    open(1);
    EXPECT_EQ(&open(0), &cus);
    EXPECT_EQ(window().mdiArea().activeSubWindow()->widget(), &cus);
    EXPECT_EQ(window().mdiArea().subWindowList().size(), 2);
}

TEST_F(CusLife, SaveKeepsTheChangedMarkUntilTheSaveSucceeded)
{
    Cus& cus = open(0);
    const WindowDriver w(cus);
    change(cus);
    saveAnswers(false);
    w.click(QStringLiteral("BTN1"));
    EXPECT_EQ(saves(), 1);
    EXPECT_TRUE(cus.IsChanged());
    EXPECT_TRUE(cus.findChild<QPushButton*>(QStringLiteral("BTN1"))->isEnabled());
    saveAnswers(true);
    w.click(QStringLiteral("BTN1"));
    EXPECT_FALSE(cus.IsChanged());
    EXPECT_FALSE(cus.findChild<QPushButton*>(QStringLiteral("BTN1"))->isEnabled());
    EXPECT_EQ(usrPin("I1").LogicJ(), QStringLiteral("REV"));
}

TEST_F(CusLife, PrintOpensTheCustomizeExportAfterAskingAboutUnsavedChanges)
{
    Cus& cus = open(0);
    QStringList exported;
    const auto exportDialog = [&] {
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            for (int i = 0; i < w.child<QListWidget>(QStringLiteral("lst"))->count(); ++i)
                exported << w.child<QListWidget>(QStringLiteral("lst"))->item(i)->text();
            w.cancel();
        });
    };
    exportDialog();
    WindowDriver(cus).click(QStringLiteral("BTN2"));
    EXPECT_EQ(exported, QStringList{QStringLiteral("Customize")});
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());

    change(cus);
    scriptedUi().answerMessageBox(platform::vbYes); // abort printing
    WindowDriver(cus).click(QStringLiteral("BTN2"));
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QelmSet::mMOD::MessageText(29));
    scriptedUi().answerMessageBox(platform::vbNo);
    exportDialog();
    WindowDriver(cus).click(QStringLiteral("BTN2"));
    EXPECT_EQ(exported.size(), 2);
}

TEST_F(CusLife, TheCloseQuestionDecidesWhatHappensToTheChanges)
{
    Cus& other = open(3);
    const struct {
        int answer;
        bool saveSucceeds;
        bool stays;
        const char* i1Logic; // the user pin afterwards
    } cases[] = {
        {platform::vbCancel, true, true, "-"},
        {platform::vbYes, false, true, "REV"}, // the failed save wrote back, but the window keeps the edits
        {platform::vbNo, true, false, "-"},
        {platform::vbYes, true, false, "REV"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        usrPin("I1").setLogicJ(QStringLiteral("-"));
        Cus& cus = open(0);
        change(cus);
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(c.answer);
        if (c.answer == platform::vbYes)
            saveAnswers(c.saveSucceeds);
        WindowDriver(cus).click(QStringLiteral("BTN4"));
        const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
        ASSERT_GE(boxes.size(), 1u);
        EXPECT_EQ(saves(), c.answer == platform::vbYes ? 1 : 0);
        QFile::setPermissions(window().UsrFilePath(), QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(boxes[0].text, QelmSet::mMOD::MessageText(13, QStringLiteral("all input output")));
        EXPECT_EQ(isOpen(&cus), c.stays);
        EXPECT_EQ(menuItem(0)->isChecked(), c.stays);
        EXPECT_EQ(usrPin("I1").LogicJ(), QLatin1String(c.i1Logic));
        if (c.stays)
            EXPECT_TRUE(cus.IsChanged());
        else
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (c.stays && c.answer == platform::vbCancel) {
            // Still open with its edit; the next case opens it again.
            EXPECT_EQ(text(cus, rowOf(cus, QStringLiteral("I1")), Cus::colLogic), QStringLiteral("REV"));
        }
        if (isOpen(&cus)) {
            cus.ControlChange(false);
            WindowDriver(cus).click(QStringLiteral("BTN4"));
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    // The other window kept its check mark throughout.
    EXPECT_TRUE(isOpen(&other));
    EXPECT_TRUE(menuItem(3)->isChecked());
}

TEST_F(CusLife, AnUnchangedWindowClosesWithoutAQuestion)
{
    Cus& stays = open(0);
    Cus& cus = open(5);
    WindowDriver(cus).click(QStringLiteral("BTN4"));
    EXPECT_TRUE(scriptedUi().calls().empty());
    EXPECT_FALSE(isOpen(&cus));
    EXPECT_FALSE(menuItem(5)->isChecked());
    EXPECT_TRUE(menuItem(0)->isChecked());

    // The selection dialogs went with it; the window still open can choose functions.
    const int i2 = rowOf(stays, QStringLiteral("I2"));
    clickCell(stays, i2, Cus::colUsrKino);
    chooseFunction(4);
    doubleClickCell(stays, i2, Cus::colUsrKino);
    EXPECT_EQ(code(stays, i2, Cus::colUsrKino), 4);
}
