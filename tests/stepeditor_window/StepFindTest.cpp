// Find and replace in a step window over the demo program: the find dialog
// of each role opened from the toolbar or Ctrl+F, searching the function
// cells one match after another, and replacing through the rules a typed
// name meets.

#include "StepEditorFixture.h"

#include "FormLayoutCheck.h"
#include "WindowDriver.h"

#include "platform/grid/FlexGrid.h"
#include "stepeditor/cells/CounterRows.h"
#include "stepeditor/fFind.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using steptest::StepEditorFixture;
using testsupport::scriptedUi;
using testsupport::UiCall;
using testsupport::WindowDriver;

namespace {

QString message(int number, const std::optional<QVariant>& x1 = std::nullopt,
                const std::optional<QVariant>& x2 = std::nullopt)
{
    return QelmStp::mMOD::MessageText(static_cast<int16_t>(number), x1, x2);
}

class StepFind : public StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
        const QString demo = dataCopy("DEMO.stp");
        dataCopy("DEMO.BIN");
        scriptedUi().answerInput(QLatin1String(kPassword));
        ASSERT_TRUE(start(demo));
        window().resize(1280, 800);
        QCoreApplication::processEvents();
        scriptedUi().clearCalls();
        // The dialog's messages are warnings with an OK button.
        scriptedUi().answerEveryMessageBox(platform::vbOK);
    }

    platform::grid::GridData& grid() { return userWindow().fg().data(); }
    QString cell(int row, int col) { return grid().TextMatrix(row, col); }

    // The Find button of a window; answers the window's find dialog.
    QelmStp::fFind& find(QelmStp::fStep& w)
    {
        QAction* button = w.toolKey(QStringLiteral("keyFIND"));
        EXPECT_TRUE(button && button->isEnabled());
        if (button)
            button->trigger();
        return *(w.STDUSR() == 0 ? state().frmFindUsr : state().frmFindStd);
    }

    QelmStp::fFind& findWith(const QString& name)
    {
        QelmStp::fFind& dialog = find(userWindow());
        dialog.findChild<QLineEdit*>(QStringLiteral("txtWord1"))->setText(name);
        return dialog;
    }

    static QLineEdit& box(QelmStp::fFind& dialog, int n)
    {
        return *dialog.findChild<QLineEdit*>(QStringLiteral("txtWord%1").arg(n));
    }
    static QPushButton& button(QelmStp::fFind& dialog, int n)
    {
        return *dialog.findChild<QPushButton*>(QStringLiteral("BTN%1").arg(n));
    }

    // Turns replace mode on and fills both boxes.
    void replacing(QelmStp::fFind& dialog, const QString& from, const QString& to)
    {
        WindowDriver(dialog).click(QStringLiteral("BTN3"));
        box(dialog, 1).setText(from);
        box(dialog, 2).setText(to);
    }

    QStringList messages()
    {
        return testsupport::scriptedUi().takeMessageTexts();
    }

    std::pair<int, int> current() { return {grid().Row(), grid().Col()}; }

    // The texts of every cell, to put the demo program back between cases.
    QList<QStringList> texts()
    {
        QList<QStringList> rows;
        for (int row = 0; row < grid().Rows(); ++row) {
            rows.append(QStringList());
            for (int col = 0; col < grid().Cols(); ++col)
                rows.back() << cell(row, col);
        }
        return rows;
    }
    void putBack(const QList<QStringList>& rows)
    {
        for (int row = 0; row < rows.size(); ++row)
            for (int col = 0; col < rows[row].size(); ++col)
                grid().setTextMatrix(row, col, rows[row][col]);
        userWindow().ControlChange(false);
    }
};

TEST_F(StepFind, NextSelectsEachFunctionCellInTurnNeverARemarkAndNeverWrapsAround)
{
    grid().setTextMatrix(1, 1, QStringLiteral("REG03")); // a remark
    grid().setTextMatrix(3, 2, QStringLiteral("REG03"));
    grid().setTextMatrix(3, 11, QStringLiteral("REG03"));
    grid().Select(5, 1);
    QelmStp::fFind& dialog = findWith(QStringLiteral("REG03"));
    const WindowDriver w(dialog);

    w.click(QStringLiteral("BTN1"));
    EXPECT_EQ(current(), std::make_pair(3, 2));
    EXPECT_EQ(std::make_pair(dialog.RememberedRow(), dialog.RememberedCol()), std::make_pair(3, 3));
    w.click(QStringLiteral("BTN1"));
    EXPECT_EQ(current(), std::make_pair(3, 11));
    EXPECT_TRUE(messages().isEmpty());
    // After the last match: not found, the selection stays, and it stays so.
    for (int again = 0; again < 2; ++again) {
        w.click(QStringLiteral("BTN1"));
        EXPECT_EQ(messages(), QStringList{message(73)});
        EXPECT_EQ(current(), std::make_pair(3, 11));
        EXPECT_TRUE(dialog.isVisible());
    }
    // Finding changes nothing.
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_EQ(cell(1, 1), QStringLiteral("REG03"));
}

TEST_F(StepFind, TypedLettersArriveInUpperCaseAPastedNameIsSearchedAsItIs)
{
    grid().Select(16, 1);
    QelmStp::fFind& dialog = find(userWindow());
    const WindowDriver w(dialog);
    EXPECT_EQ(box(dialog, 1).text(), QString()); // the current cell is a remark
    w.type(QStringLiteral("txtWord1"), QStringLiteral("clamp"));
    EXPECT_EQ(box(dialog, 1).text(), QStringLiteral("CLAMP"));
    w.click(QStringLiteral("BTN1"));
    EXPECT_EQ(current(), std::make_pair(2, 2));

    box(dialog, 1).setText(QStringLiteral("clamp"));
    w.click(QStringLiteral("BTN1"));
    EXPECT_EQ(messages(), QStringList{message(73)});
    EXPECT_EQ(current(), std::make_pair(2, 2));

    // Replace mode: the replace box takes capitals too.
    w.click(QStringLiteral("BTN3"));
    w.type(QStringLiteral("txtWord2"), QStringLiteral("lamp"));
    EXPECT_EQ(box(dialog, 2).text(), QStringLiteral("LAMP"));
}

// Replace all over the demo program; each case counts only the names put into cells.
TEST_F(StepFind, ReplaceAllCountsTheNamesItPutIntoCells)
{
    const struct {
        const char* name;
        const char* from;
        const char* to;
        QStringList messages;
        std::vector<std::tuple<int, int, const char*>> cellsAfter;
        bool changed;
    } cases[] = {
        {"two outputs", "CLAMP", "LAMP", {message(75, 2)}, {{2, 2, "LAMP"}, {13, 2, "LAMP"}}, true},
        {"none", "AIR1", "LAMP", {message(73)}, {{2, 2, "CLAMP"}}, false},
        // The outputs refuse an input-only name; the inputs take it.
        {"two of four refused",
         "REG01",
         "START",
         {message(88, QStringLiteral("START")), message(88, QStringLiteral("START")), message(75, 2)},
         {{1, 2, "REG01"}, {2, 5, "START"}, {14, 2, "REG01"}, {15, 5, "START"}},
         true},
        // The same name: every match is passed once, and nothing changes.
        {"same name", "CLAMP", "CLAMP", {message(75, 2)}, {{2, 2, "CLAMP"}, {13, 2, "CLAMP"}}, false},
    };
    const QList<QStringList> demo = texts();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        putBack(demo);
        QelmStp::fFind& dialog = find(userWindow());
        replacing(dialog, QLatin1String(c.from), QLatin1String(c.to));
        WindowDriver(dialog).click(QStringLiteral("BTN4"));
        EXPECT_EQ(messages(), c.messages);
        for (const auto& [row, col, text] : c.cellsAfter)
            EXPECT_EQ(cell(row, col), QLatin1String(text)) << row << "," << col;
        EXPECT_EQ(userWindow().IsChanged(), c.changed);
        EXPECT_TRUE(dialog.isVisible());
        // Closed, so that the next case starts at the top again.
        WindowDriver(dialog).cancel();
    }
}

TEST_F(StepFind, ReplaceGoesThroughTheCellRulesOfTyping)
{
    // A counter row's operand is a counter or a number: the rule refuses a register.
    grid().setTextMatrix(7, 8, QStringLiteral("100"));
    QelmStp::fFind& dialog = find(userWindow());
    const WindowDriver w(dialog);
    replacing(dialog, QStringLiteral("100"), QStringLiteral("REG01"));
    w.click(QStringLiteral("BTN4"));
    // Replace all is all or nothing: the refused match is shown and no cell changes.
    EXPECT_EQ(messages(),
              QStringList{message(81, QelmStp::CounterRows::kMinConstant, QelmStp::CounterRows::kMaxConstant)})
        << "the counter row's rule";
    EXPECT_EQ(cell(7, 8), QStringLiteral("100"));
    EXPECT_EQ(cell(10, 8), QStringLiteral("100"));
    EXPECT_EQ(current(), std::make_pair(10, 8));
    w.cancel();

    // Replace: a name that is no function of the list is refused, the cell
    // stays and the window is unchanged; the search moves on.
    userWindow().ControlChange(false);
    QelmStp::fFind& again = find(userWindow());
    replacing(again, QStringLiteral("CLAMP"), QStringLiteral("START"));
    w.click(QStringLiteral("BTN3"));
    EXPECT_EQ(messages(), QStringList{message(88, QStringLiteral("START"))});
    EXPECT_EQ(cell(2, 2), QStringLiteral("CLAMP"));
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_EQ(current(), std::make_pair(2, 2));
    // A valid name replaces the next match. An edit left open in the grid
    // ends first, kept as typed, and does not take the replaced cell's place.
    grid().Select(16, 1);
    userWindow().fg().EditCell();
    ASSERT_TRUE(userWindow().fg().isEditing());
    userWindow().fg().setEditText(QStringLiteral("Note"));
    box(again, 2).setText(QStringLiteral("LAMP"));
    w.click(QStringLiteral("BTN3"));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(userWindow().fg().isEditing());
    EXPECT_EQ(cell(16, 1), QStringLiteral("Note"));
    EXPECT_EQ(current(), std::make_pair(13, 2));
    EXPECT_EQ(cell(13, 2), QStringLiteral("LAMP"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("CLAMP"));
    EXPECT_TRUE(userWindow().IsChanged());
}

TEST_F(StepFind, AnEmptyBoxAsksForANameWithTheFocusOnIt)
{
    QelmStp::fFind& dialog = find(userWindow());
    const WindowDriver w(dialog);
    w.click(QStringLiteral("BTN3"));
    EXPECT_TRUE(box(dialog, 2).isEnabled());
    EXPECT_TRUE(button(dialog, 4).isEnabled());
    const struct {
        const char* from;
        const char* to;
        int emptyBox;
    } cases[] = {{"", "LAMP", 1}, {"CLAMP", "", 2}, {"", "", 1}};
    for (int btn : {3, 4}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(QStringLiteral("BTN%1 '%2' '%3'").arg(btn).arg(c.from, c.to).toStdString());
            box(dialog, 1).setText(QLatin1String(c.from));
            box(dialog, 2).setText(QLatin1String(c.to));
            w.click(QStringLiteral("BTN%1").arg(btn));
            EXPECT_EQ(messages(), QStringList{message(74)});
            EXPECT_EQ(dialog.focusWidget(), &box(dialog, c.emptyBox));
        }
    }
    EXPECT_EQ(cell(2, 2), QStringLiteral("CLAMP"));
}

TEST_F(StepFind, EachRoleHasItsDialogAndTheReferenceOneOnlyFinds)
{
    QelmStp::fStep& reference = showReferenceWindow();
    reference.fg().data().setTextMatrix(4, 2, QStringLiteral("SEW"));
    QelmStp::fFind& refDialog = find(reference);
    QelmStp::fFind& userDialog = find(userWindow());
    ASSERT_NE(&refDialog, &userDialog);

    EXPECT_EQ(refDialog.windowTitle(), QStringLiteral("Find <REF>"));
    EXPECT_FALSE(button(refDialog, 3).isEnabled());
    EXPECT_FALSE(button(refDialog, 4).isEnabled());
    EXPECT_FALSE(box(refDialog, 2).isEnabled());
    EXPECT_EQ(userDialog.windowTitle(), QStringLiteral("Find <USER>"));
    EXPECT_TRUE(button(userDialog, 3).isEnabled());
    EXPECT_FALSE(button(userDialog, 4).isEnabled());
    EXPECT_FALSE(box(userDialog, 2).isEnabled());
    for (QelmStp::fFind* d : {&refDialog, &userDialog}) {
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(d->Target_fStep(), d == &refDialog ? &reference : &userWindow());
    }

    // The reference dialog searches the reference grid.
    box(refDialog, 1).setText(QStringLiteral("SEW"));
    WindowDriver(refDialog).click(QStringLiteral("BTN1"));
    EXPECT_EQ(reference.fg().data().Row(), 4);
    EXPECT_EQ(reference.fg().data().Col(), 2);
    EXPECT_TRUE(messages().isEmpty());

    // Closing the reference window closes its dialog, not the user's.
    ASSERT_TRUE(reference.close());
    EXPECT_FALSE(refDialog.IsLoaded());
    EXPECT_FALSE(refDialog.isVisible());
    EXPECT_TRUE(userDialog.isVisible());
}

TEST_F(StepFind, FindAgainKeepsTheOpenDialogCancelStartsAfresh)
{
    grid().Select(1, 2);
    QTest::keyClick(&userWindow().fg(), Qt::Key_F, Qt::ControlModifier);
    QelmStp::fFind& dialog = *state().frmFindUsr;
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(box(dialog, 1).text(), QStringLiteral("REG01"));
    const WindowDriver w(dialog);
    w.click(QStringLiteral("BTN1"));
    EXPECT_EQ(current(), std::make_pair(1, 2));
    w.click(QStringLiteral("BTN3"));
    box(dialog, 2).setText(QStringLiteral("REG02"));

    // Find again from another cell: the dialog comes to the front as it was.
    grid().Select(2, 2);
    find(userWindow());
    EXPECT_EQ(dialog.CrntDigital(), QStringLiteral("CLAMP"));
    EXPECT_EQ(box(dialog, 1).text(), QStringLiteral("REG01"));
    EXPECT_EQ(box(dialog, 2).text(), QStringLiteral("REG02"));
    EXPECT_TRUE(box(dialog, 2).isEnabled());
    EXPECT_EQ(std::make_pair(dialog.RememberedRow(), dialog.RememberedCol()), std::make_pair(1, 3));

    w.cancel();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.IsLoaded());
    find(userWindow());
    EXPECT_EQ(box(dialog, 1).text(), QStringLiteral("CLAMP"));
    EXPECT_EQ(box(dialog, 2).text(), QString());
    EXPECT_FALSE(box(dialog, 2).isEnabled());
    EXPECT_EQ(std::make_pair(dialog.RememberedRow(), dialog.RememberedCol()), std::make_pair(1, 1));
    // Escape closes it as Cancel does.
    w.press(Qt::Key_Escape);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StepFind, GrabOfTheFindDialogs)
{
    grid().Select(2, 2);
    QelmStp::fFind& dialog = find(userWindow());
    testsupport::expectLaidOutCleanly(dialog);
    steptest::grabIfAsked(dialog, "stp_find_user.png");
    WindowDriver(dialog).click(QStringLiteral("BTN3"));
    box(dialog, 2).setText(QStringLiteral("LAMP"));
    testsupport::expectLaidOutCleanly(dialog);
    steptest::grabIfAsked(dialog, "stp_find_user_replace.png");
    // The dialog where it stands over the demo program.
    if (const QString folder = qEnvironmentVariable("QEL_GRAB_DIR"); !folder.isEmpty()) {
        QImage scene = window().grab().toImage();
        QPainter painter(&scene);
        painter.drawImage(dialog.pos() - window().pos(), dialog.grab().toImage());
        painter.end();
        scene.save(QDir(folder).filePath(QStringLiteral("stp_find_over_demo.png")));
    }
    QelmStp::fFind& reference = find(showReferenceWindow());
    testsupport::expectLaidOutCleanly(reference);
    steptest::grabIfAsked(reference, "stp_find_reference.png");
}

} // namespace
