// The feed-pitch window on the demo tables: what it shows, how the user edits
// the user grids, the write-back into the pitch tables, the buttons.

#include "MainWindowFixture.h"

#include "FormLayoutCheck.h"
#include "WindowDriver.h"

#include "datamodel/common/Enums.h"
#include "datamodel/okuri/clsOkuri.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "setting/EditingWindow.h"
#include "setting/mMOD.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <vector>

using namespace testsupport;
using platform::grid::CellProperty;
using platform::grid::FlexGrid;
using settingtest::MainWindowFixture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0x0000FF;

// The rows of a pitch table as (P1, P2, T1, T2, B).
using Rows = std::vector<std::array<int32_t, 5>>;

Rows rowsOf(const Telva27::colclsOkuri& table)
{
    Rows rows;
    for (const auto& row : table)
        rows.push_back({row->P1(), row->P2(), row->T1(), row->T2(), row->B()});
    return rows;
}

QImage bitmap(int32_t id) { return Resource::clsResource().PicRes(id)->pixmap().toImage(); }

// The difference mark of a user cell: '=' plain, '>' larger than the factory
// value (red, up arrow), '<' smaller (red, down arrow), '?' anything else.
char markOf(const FlexGrid& grid, int32_t row, int32_t col)
{
    const auto& g = grid.data();
    const QImage picture = g.CellPicture(row, col).toImage();
    const uint32_t back = g.CellBackColor(row, col);
    const uint32_t fore = g.CellForeColor(row, col);
    if (back == kWhite && fore == 0 && picture.isNull())
        return '=';
    if (back != kRed || fore != kWhite)
        return '?';
    if (picture == bitmap(147))
        return '>';
    return picture == bitmap(148) ? '<' : '?';
}

} // namespace

class OkuriWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        window().resize(1100, 800);
        window().show();
        loadDemoTables();
    }

    // Opens the window through its guarded button, as a user does.
    QelmSet::EditingWindow& open()
    {
        window().heldModifiers = [] { return Qt::ShiftModifier | Qt::ControlModifier; };
        scriptedUi().answerMessageBox(platform::vbYes);
        window().toolKey(QStringLiteral("keyOKURIPARAM"))->trigger();
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            if (frame->widget()->objectName() == QLatin1String("fOkuriParam"))
                form_ = static_cast<QelmSet::EditingWindow*>(frame->widget());
        EXPECT_NE(form_, nullptr);
        scriptedUi().clearCalls();
        return *form_;
    }

    FlexGrid& fg(int index) const { return *form_->findChild<FlexGrid*>(QStringLiteral("fg%1").arg(index)); }
    QPushButton& button(int index) const
    {
        return *form_->findChild<QPushButton*>(QStringLiteral("BTN%1").arg(index));
    }
    Telva27::colclsOkuri& pitch(int index) { return *state().okuri[index]; }

    void clickCell(int index, int32_t row, int32_t col)
    {
        FlexGrid& grid = fg(index);
        grid.ShowCell(row, col);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.cellRect(row, col).center());
    }

    // Types into a user cell as a user does: F2, the old text selected, the
    // keys, Enter. True when the editor closed (the value was taken).
    bool typeInto(int index, int32_t row, int32_t col, const QString& keys)
    {
        clickCell(index, row, col);
        QTest::keyClick(&fg(index), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(fg(index).editor());
        if (!editor) {
            ADD_FAILURE() << "no editor";
            return false;
        }
        if (keys.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        for (const QChar c : keys) {
            QKeyEvent press(QEvent::KeyPress, c.isDigit() && c.unicode() < 128 ? Qt::Key_0 + (c.unicode() - u'0') : 0,
                            Qt::NoModifier, QString(c));
            QApplication::sendEvent(editor, &press);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        return !fg(index).isEditing();
    }

    QStringList messageTexts() const
    {
        return testsupport::scriptedUi().messageTexts();
    }

    QelmSet::EditingWindow* form_ = nullptr;
};

TEST_F(OkuriWindow, ShowsUserAndFactoryTablesWithTheirDifferences)
{
    open();
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Pitch parameters"));
    EXPECT_FALSE(form_->IsChanged());
    EXPECT_FALSE(button(1).isEnabled());
    const char* const axes[] = {"X Pitch(mm)", "Y Pitch(mm)", "X Pitch(mm)", "Y Pitch(mm)"};
    const int tables[] = {QelmSet::eOkuriUsrX, QelmSet::eOkuriUsrY, QelmSet::eOkuriStdX, QelmSet::eOkuriStdY};
    for (int i = 1; i <= 4; ++i) {
        const auto& g = fg(i).data();
        ASSERT_EQ(g.Rows(), 17);
        ASSERT_EQ(g.Cols(), 6);
        EXPECT_EQ(g.TextMatrix(0, 0), QLatin1String(axes[i - 1]));
        EXPECT_EQ(g.TextMatrix(0, 5), QStringLiteral("B"));
        EXPECT_EQ(g.TextMatrix(1, 0), QStringLiteral("0.1 - 0.8"));
        EXPECT_EQ(g.TextMatrix(16, 0), QStringLiteral("12.1 - 12.7"));
        EXPECT_EQ(g.ColWidth(0), 1200);
        EXPECT_EQ(g.BackColorFixed(), 0x008000u);
        EXPECT_EQ(g.Editable() != platform::grid::editNone, i <= 2) << i;
        const Rows rows = rowsOf(pitch(tables[i - 1]));
        for (int32_t r = 1; r <= 16; ++r)
            for (int32_t c = 1; c <= 5; ++c)
                EXPECT_EQ(g.TextMatrix(r, c), QString::number(rows[r - 1][c - 1])) << i << " " << r << " " << c;
    }
    EXPECT_EQ(fg(3).data().BackColor(), 0xC0FFFFu);

    // The demo user table differs in three values: X P1 and T1, Y B.
    for (int i = 1; i <= 2; ++i)
        for (int32_t r = 1; r <= 16; ++r)
            for (int32_t c = 1; c <= 5; ++c) {
                const char expected = i == 1 && r == 1 && c == 1   ? '>'
                                      : i == 1 && r == 5 && c == 3 ? '<'
                                      : i == 2 && r == 12 && c == 5 ? '>'
                                                                    : '=';
                EXPECT_EQ(markOf(fg(i), r, c), expected) << i << " " << r << " " << c;
            }
    testsupport::expectLaidOutCleanly(*form_);
    settingtest::grabIfAsked(window(), "fOkuriParam.png");
}

TEST_F(OkuriWindow, SmallScreenNarrowsTheValueColumns)
{
    state().IsSmallScreen = true;
    open();
    for (int i = 1; i <= 4; ++i)
        for (int32_t c = 1; c <= 5; ++c)
            EXPECT_EQ(fg(i).data().ColWidth(c), 700);
}

TEST_F(OkuriWindow, EditsAreDigitsInRangeAndMarkedAgainstTheFactoryValue)
{
    open();
    // One cell after another of user X row 2, whose factory values are
    // P1 2, P2 1, T1 2360, T2 3330, B 128.
    const struct {
        int32_t col;
        const char* typed;
        bool taken;
        const char* shown; // the cell's text afterwards
        char mark;
        int message; // 0: none
    } cases[] = {
        {1, "255", true, "255", '>', 0},
        {1, "256", false, "255", '>', 28},
        {1, "2", true, "2", '=', 0},
        {2, "255", true, "255", '>', 0}, // P2 is a byte as P1 is
        {2, "256", false, "255", '>', 28},
        {2, "0", true, "0", '<', 0},
        {3, "9999", true, "9999", '>', 0},
        {3, "10000", false, "9999", '>', 37},
        {3, "2360", true, "2360", '=', 0},
        {4, "", true, "", '<', 0},               // empty means 0
        {5, "1a2-", true, "12", '<', 0},         // letters and signs never reach the editor
        {5, "\uFF11\uFF12", true, "12", '<', 0}, // nor full-width digits: the old text stays
        {5, "128", true, "128", '=', 0},
    };
    for (const auto& c : cases) {
        scriptedUi().clearCalls();
        if (c.message)
            scriptedUi().answerMessageBox(platform::vbOK);
        const bool closed = typeInto(1, 2, c.col, QString::fromUtf8(c.typed));
        EXPECT_EQ(closed, c.taken) << c.typed;
        if (!closed)
            QTest::keyClick(fg(1).editor(), Qt::Key_Escape); // give up: the cell keeps its text
        EXPECT_EQ(fg(1).data().TextMatrix(2, c.col), QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(markOf(fg(1), 2, c.col), c.mark) << c.typed;
        if (c.message)
            EXPECT_EQ(messageTexts(), QStringList{QelmSet::mMOD::MessageText(static_cast<int16_t>(c.message))})
                << c.typed;
        else
            EXPECT_TRUE(messageTexts().isEmpty()) << c.typed;
    }
    EXPECT_TRUE(form_->IsChanged());
    EXPECT_TRUE(button(1).isEnabled());
    // The data model keeps its values until the window writes them back.
    EXPECT_EQ(pitch(QelmSet::eOkuriUsrX).Item(2)->P1(), 2);
}

TEST_F(OkuriWindow, PastedTextThatIsNoNumberIsRefused)
{
    open();
    const struct {
        int32_t col;
        const char* pasted;
        int message;
    } cases[] = {{1, "1.5", 28}, {1, " 12", 28}, {3, "-1", 37}, {3, "\uFF19", 37}, {5, "99999999999", 37}};
    for (const auto& c : cases) {
        clickCell(1, 3, c.col);
        const QString before = fg(1).data().TextMatrix(3, c.col);
        QTest::keyClick(&fg(1), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(fg(1).editor());
        ASSERT_NE(editor, nullptr);
        editor->setText(QString::fromUtf8(c.pasted));
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_TRUE(fg(1).isEditing()) << c.pasted;
        EXPECT_EQ(messageTexts(), QStringList{QelmSet::mMOD::MessageText(static_cast<int16_t>(c.message))});
        QTest::keyClick(fg(1).editor(), Qt::Key_Escape);
        EXPECT_EQ(fg(1).data().TextMatrix(3, c.col), before) << c.pasted;
    }
    EXPECT_FALSE(form_->IsChanged());
}

TEST_F(OkuriWindow, FactoryGridsCannotBeEdited)
{
    open();
    clickCell(3, 4, 2);
    QTest::keyClick(&fg(3), Qt::Key_F2);
    QTest::keyClicks(&fg(3), QStringLiteral("7"));
    QTest::mouseDClick(fg(3).viewport(), Qt::LeftButton, Qt::NoModifier, fg(3).cellRect(4, 2).center());
    EXPECT_FALSE(fg(3).isEditing());
    EXPECT_EQ(fg(3).data().TextMatrix(4, 2), QStringLiteral("1"));
}

TEST_F(OkuriWindow, TwinsFollowEachOthersCurrentCell)
{
    open();
    const struct {
        int clicked;
        int twin;
        int32_t row, col;
    } cases[] = {{1, 3, 4, 2}, {3, 1, 9, 5}, {2, 4, 16, 3}, {4, 2, 1, 1}};
    for (const auto& c : cases) {
        clickCell(c.clicked, c.row, c.col);
        EXPECT_EQ(fg(c.clicked).data().Row(), c.row);
        EXPECT_EQ(fg(c.twin).data().Row(), c.row) << c.clicked;
        EXPECT_EQ(fg(c.twin).data().Col(), c.col) << c.clicked;
    }
    // The keys move the twin too.
    QTest::keyClick(&fg(2), Qt::Key_Down);
    EXPECT_EQ(fg(4).data().Row(), 2);
}

TEST_F(OkuriWindow, WriteBackReplacesBothUserTablesWithAllSixteenRows)
{
    open();
    ASSERT_TRUE(typeInto(1, 16, 5, QStringLiteral("1000")));
    ASSERT_TRUE(typeInto(2, 1, 1, QStringLiteral("255")));
    ASSERT_TRUE(typeInto(2, 8, 4, QString()));
    const Rows stdX = rowsOf(pitch(QelmSet::eOkuriStdX));
    // A factory grid that shows something else is never written back.
    fg(3).data().setTextMatrix(1, 1, QStringLiteral("99"));

    EXPECT_TRUE(form_->Update_Variable());
    const Rows x = rowsOf(pitch(QelmSet::eOkuriUsrX));
    const Rows y = rowsOf(pitch(QelmSet::eOkuriUsrY));
    ASSERT_EQ(x.size(), 16u);
    ASSERT_EQ(y.size(), 16u);
    for (int32_t r = 1; r <= 16; ++r)
        for (int32_t c = 1; c <= 5; ++c) {
            EXPECT_EQ(x[r - 1][c - 1], fg(1).data().TextMatrix(r, c).toInt()) << r << " " << c;
            EXPECT_EQ(y[r - 1][c - 1], fg(2).data().TextMatrix(r, c).toInt()) << r << " " << c;
        }
    EXPECT_EQ(x[15][4], 1000);
    EXPECT_EQ(y[0][0], 255);
    EXPECT_EQ(y[7][3], 0);
    EXPECT_EQ(rowsOf(pitch(QelmSet::eOkuriStdX)), stdX);
}

TEST_F(OkuriWindow, AFailingWriteBackChangesNoTable)
{
    open();
    ASSERT_TRUE(typeInto(1, 3, 3, QStringLiteral("4321")));
    const Rows x = rowsOf(pitch(QelmSet::eOkuriUsrX));
    const Rows y = rowsOf(pitch(QelmSet::eOkuriUsrY));
    // A value no edit lets in, in the last cell of the second grid.
    fg(2).data().setTextMatrix(16, 5, QStringLiteral("10000"));
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(form_->Update_Variable());
    ASSERT_EQ(scriptedUi().callsOf(UiCall::MessageBox).size(), 1u);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox)[0].text.startsWith(QStringLiteral("Update_Variable_Content")));
    EXPECT_EQ(rowsOf(pitch(QelmSet::eOkuriUsrX)), x);
    EXPECT_EQ(rowsOf(pitch(QelmSet::eOkuriUsrY)), y);
}

TEST_F(OkuriWindow, SaveGoesThroughTheMainWindowAndClearsTheChangeOnlyWhenSaved)
{
    const QString usr = window().UsrFilePath();
    const QByteArray before = readFile(usr);
    open();
    ASSERT_TRUE(typeInto(1, 1, 2, QStringLiteral("5")));
    // The main window asks before it overwrites the one-table file: No saves nothing.
    scriptedUi().answerMessageBox(platform::vbNo);
    button(1).click();
    EXPECT_EQ(messageTexts(), QStringList{QelmSet::mMOD::MessageText(45)});
    EXPECT_TRUE(form_->IsChanged());
    EXPECT_EQ(readFile(usr), before);
    scriptedUi().answerMessageBox(platform::vbYes);
    button(1).click();
    EXPECT_FALSE(form_->IsChanged());
    EXPECT_FALSE(button(1).isEnabled());
    EXPECT_NE(readFile(usr), before);
}

TEST_F(OkuriWindow, ClosingWithChangesAsksAndYesSaves)
{
    const QString usr = window().UsrFilePath();
    const QByteArray before = readFile(usr);
    open();
    ASSERT_TRUE(typeInto(2, 3, 3, QStringLiteral("5")));
    scriptedUi().answerMessageBox(platform::vbCancel);
    button(4).click();
    EXPECT_EQ(readFile(usr), before);
    EXPECT_EQ(window().mdiArea().subWindowList().size(), 1);

    scriptedUi().answerMessageBox(platform::vbYes);
    scriptedUi().answerMessageBox(platform::vbYes); // overwrite the user file
    button(4).click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_NE(readFile(usr), before);
    EXPECT_TRUE(window().mdiArea().subWindowList().isEmpty());
    EXPECT_TRUE(messageTexts()[0].startsWith(QStringLiteral("Data is chaneged on this window. Do you save it ?")));
    EXPECT_EQ(messageTexts().back(), QelmSet::mMOD::MessageText(45));
}

TEST_F(OkuriWindow, ResetShowsTheFactoryValuesWithoutTouchingTheModel)
{
    open();
    const Rows x = rowsOf(pitch(QelmSet::eOkuriUsrX));
    scriptedUi().answerMessageBox(platform::vbNo);
    button(3).click();
    EXPECT_EQ(markOf(fg(1), 1, 1), '>');
    EXPECT_FALSE(form_->IsChanged());

    scriptedUi().answerMessageBox(platform::vbYes);
    button(3).click();
    EXPECT_EQ(messageTexts().back(), QStringLiteral("Are you sure to reset all value on this window ?"));
    for (int i = 1; i <= 2; ++i)
        for (int32_t r = 1; r <= 16; ++r)
            for (int32_t c = 1; c <= 5; ++c) {
                EXPECT_EQ(fg(i).data().TextMatrix(r, c), fg(i + 2).data().TextMatrix(r, c));
                EXPECT_EQ(markOf(fg(i), r, c), '=');
            }
    EXPECT_TRUE(form_->IsChanged());
    EXPECT_TRUE(button(1).isEnabled());
    EXPECT_EQ(rowsOf(pitch(QelmSet::eOkuriUsrX)), x);
}

TEST_F(OkuriWindow, PrintingUnsavedEditsAsksFirst)
{
    open();
    ASSERT_TRUE(typeInto(1, 1, 2, QStringLiteral("5")));
    scriptedUi().clearCalls();
    scriptedUi().answerMessageBox(platform::vbYes); // abandon
    button(2).click();
    EXPECT_EQ(messageTexts(), QStringList{QelmSet::mMOD::MessageText(29)});

    // No exports what is saved: the export dialog offers the pitch tables.
    QStringList offered;
    scriptedUi().answerMessageBox(platform::vbNo);
    scriptedUi().answerDialog([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("fPrint"));
        if (auto* list = d.findChild<QListWidget*>())
            for (int i = 0; i < list->count(); ++i)
                offered << list->item(i)->text();
        WindowDriver(d).cancel();
    });
    button(2).click();
    EXPECT_EQ(offered, QStringList{Resource::clsResource().Res(97)});
}

