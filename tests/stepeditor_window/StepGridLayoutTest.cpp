// The step grid's layout in the user window: geometry, titles and column
// kinds, widths, alignments, colours, the remark column, and the grid's place
// in its window.

#include "StepCommandFixture.h"
#include "StepEditorFixture.h"

#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/grid/StepColumns.h"
#include "stepeditor/grid/StepGridLayout.h"
#include "stepeditor/mMOD.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

using namespace testsupport;
using platform::grid::CellProperty;
using platform::grid::GridData;
using QelmStp::StepGridLayout;
using steptest::StepEditorFixture;

using QelmStp::rgb;

class StepGridLayoutTest : public StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
        ASSERT_TRUE(start());
    }
    platform::grid::FlexGrid& fg() { return userWindow().fg(); }
    GridData& grid() { return userWindow().fg().data(); }
};

TEST_F(StepGridLayoutTest, AFreshWindowShows192NumberedStepsAndEightInputGroups)
{
    const GridData& g = grid();
    EXPECT_EQ(g.Rows(), 193);
    EXPECT_EQ(g.Cols(), 29);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    for (int row = 1; row <= 192; ++row)
        ASSERT_EQ(g.TextMatrix(row, 0), QString::number(row));
    EXPECT_EQ(g.RowHeight(0), 300);

    // The relation title is the text a copied block carries ("8"); the grid draws it as an arrowhead.
    const QString relation = QStringLiteral("8");
    const struct {
        int col;
        int kind;
        QString title;
        int width;
    } columns[] = {
        {0, 0, QStringLiteral("STEP"), 555},   {1, 1, QStringLiteral("Note"), 1200},  {2, 2, QStringLiteral("Output"), 700},
        {3, 3, QStringLiteral("Logic"), 735},  {4, 4, QStringLiteral("Delay"), 700},  {5, 5, QStringLiteral("Func."), 670},
        {6, 6, QStringLiteral("Stat."), 465},  {7, 7, relation, 250},                 {26, 5, QStringLiteral("Func."), 670},
        {27, 6, QStringLiteral("Stat."), 465}, {28, 7, relation, 250},
    };
    for (const auto& c : columns) {
        SCOPED_TRACE(c.col);
        EXPECT_EQ(g.ColData(c.col), c.kind);
        EXPECT_EQ(g.TextMatrix(0, c.col), c.title);
        // The names of the demo lists are wider than the designed output and function columns.
        if (c.kind == 2 || c.kind == 5) {
            EXPECT_GT(g.ColWidth(c.col), c.width);
        } else {
            EXPECT_EQ(g.ColWidth(c.col), c.width);
        }
        EXPECT_EQ(g.CellAlignment(0, c.col), platform::grid::alignCenterCenter);
    }
    int groups = 0;
    for (int col = 0; col < g.Cols(); ++col)
        groups += g.ColData(col) == QelmStp::eColFunc;
    EXPECT_EQ(groups, 8);
    EXPECT_FALSE(relation.isEmpty());
    EXPECT_EQ(g.CellFontSettingsOf(0, 6).size, 7.0);
    for (int col = 6; col < 29; col += 3)
        EXPECT_EQ(g.ColComboList(col), QStringLiteral("#0;POS LEV|#1;POS EDG|#2;NEG LEV|#3;NEG EDG")) << col;
    EXPECT_EQ(g.ColComboList(5), QString());

    EXPECT_EQ(g.SelectionMode(), platform::grid::selFree);
    EXPECT_EQ(g.Editable(), platform::grid::editNone);
    EXPECT_EQ(g.AllowUserResizing(), platform::grid::resizeColumns);
    EXPECT_TRUE(g.OwnerDraw());
}

TEST_F(StepGridLayoutTest, TitleAndDataCellsHaveTheirColoursFontsAndAlignments)
{
    const GridData& g = grid();
    const uint32_t white = rgb(255, 255, 255);
    const struct {
        int col;
        uint32_t titleBack;
        uint32_t titleFore;
        uint32_t back;
        int alignment;
    } columns[] = {
        {0, rgb(128, 128, 64), white, rgb(185, 170, 157), platform::grid::alignCenterCenter},
        {1, rgb(209, 216, 167), rgb(255, 0, 0), rgb(239, 230, 224), platform::grid::alignLeftCenter},
        {2, rgb(0, 0, 128), white, rgb(223, 240, 224), platform::grid::alignCenterCenter},
        {4, rgb(0, 0, 128), white, rgb(223, 240, 224), platform::grid::alignRightCenter},
        {5, rgb(0, 128, 0), white, white, platform::grid::alignCenterCenter},
        {7, rgb(0, 128, 0), white, white, platform::grid::alignCenterCenter},
        {8, rgb(0, 128, 0), white, rgb(224, 224, 224), platform::grid::alignCenterCenter},
        {13, rgb(0, 128, 0), white, white, platform::grid::alignCenterCenter},
        {14, rgb(0, 128, 0), white, rgb(224, 224, 224), platform::grid::alignCenterCenter},
        {28, rgb(0, 128, 0), white, rgb(224, 224, 224), platform::grid::alignCenterCenter},
    };
    for (const auto& c : columns) {
        SCOPED_TRACE(c.col);
        EXPECT_EQ(g.CellBackColor(0, c.col), c.titleBack);
        EXPECT_EQ(g.CellForeColor(0, c.col), c.titleFore);
        for (const int row : {1, 96, 192}) {
            EXPECT_EQ(g.CellBackColor(row, c.col), c.back) << row;
            EXPECT_EQ(g.CellAlignment(row, c.col), c.alignment) << row;
        }
        EXPECT_EQ(userWindow().gridLayout().ColColour(c.col), c.back);
    }
    // Step numbers black and bold, outputs blue and bold, delays red, input functions red and bold.
    const struct {
        int col;
        uint32_t fore;
        bool bold;
    } fonts[] = {{0, 0, true}, {2, rgb(0, 0, 255), true}, {4, rgb(255, 0, 0), false},
                 {5, rgb(255, 0, 0), true}, {26, rgb(255, 0, 0), true}, {6, g.ForeColor(), false}};
    for (const auto& f : fonts) {
        SCOPED_TRACE(f.col);
        EXPECT_EQ(g.CellForeColor(150, f.col), f.fore);
        EXPECT_EQ(g.CellFontSettingsOf(150, f.col).bold == 1, f.bold);
    }
    EXPECT_EQ(g.CellFontSettingsOf(10, 1).size, 8.0);
}

TEST_F(StepGridLayoutTest, RecolouringRowsGivesBackTheDefaultsAndClearsTheRemMark)
{
    GridData& g = grid();
    StepGridLayout& layout = userWindow().gridLayout();
    g.setCell(CellProperty::ForeColor, 5, 0, 6, 0, rgb(255, 0, 0)); // REM marks
    g.setCell(CellProperty::BackColor, 5, 0, 6, 28, rgb(255, 255, 0));
    layout.RestoreRowColours(5, 6);
    layout.SetColColor(5, 6);
    for (int col = 0; col < 29; ++col)
        EXPECT_EQ(g.CellBackColor(5, col), layout.ColColour(col)) << col;
    EXPECT_EQ(g.CellForeColor(6, 0), 0u);

    g.setCell(CellProperty::BackColor, 9, 8, 9, 10, rgb(255, 0, 0));
    layout.ColourGroup(9, 8);
    for (int col = 8; col <= 10; ++col)
        EXPECT_EQ(g.CellBackColor(9, col), rgb(224, 224, 224)) << col;
    layout.ColourCells(11, 3, 4, rgb(1, 2, 3));
    EXPECT_EQ(g.CellBackColor(4, 13), rgb(1, 2, 3));
    EXPECT_EQ(g.CellBackColor(4, 14), rgb(224, 224, 224));
}

TEST_F(StepGridLayoutTest, OnlyTheRemarkColumnIsResizedAndItKeepsAtLeast200Twips)
{
    window().resize(1000, 700);
    window().show();
    QCoreApplication::processEvents();
    QWidget* viewport = fg().viewport();
    const int y = fg().cellRect(0, 1).center().y();
    auto drag = [&](int col, int dx) {
        const int edge = fg().cellRect(0, col).right() + 1;
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(edge, y));
        QMouseEvent move(QEvent::MouseMove, QPointF(edge + dx, y), viewport->mapToGlobal(QPointF(edge + dx, y)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(edge + dx, y));
    };
    const int32_t outputWidth = grid().ColWidth(2);
    drag(2, 30); // any other column: nothing
    EXPECT_EQ(grid().ColWidth(2), outputWidth);

    drag(1, -75); // 1200 twips less 1125: too narrow
    EXPECT_EQ(grid().ColWidth(1), 200);
    EXPECT_EQ(state().RemarkColumnWidth, 200);
    EXPECT_EQ(platform::settings::read(QelmStp::mMOD::ProgramName(), QStringLiteral("Location"),
                                       QStringLiteral("RemarkColumnWidth")),
              QStringLiteral("200"));

    drag(1, 40);
    const int32_t wider = platform::pixelsToTwips(platform::twipsToPixels(200) + 40);
    EXPECT_EQ(grid().ColWidth(1), wider);
    EXPECT_EQ(state().RemarkColumnWidth, wider);
}

TEST_F(StepGridLayoutTest, TheGridFillsTheWindowBelowTheCoolBar)
{
    window().resize(1000, 700);
    window().show();
    QCoreApplication::processEvents();
    QelmStp::fStep& user = userWindow();
    const QRect bar = user.CoolBar1().geometry();
    EXPECT_EQ(bar.top(), 0);
    EXPECT_EQ(bar.width(), user.width());
    const QRect grid = user.fg().geometry();
    EXPECT_EQ(grid.top(), bar.bottom() + 1);
    EXPECT_EQ(grid.left(), 0);
    EXPECT_EQ(grid.right(), user.width() - 1);
    EXPECT_EQ(grid.bottom(), user.height() - 1);

    // Hiding the hint band lets the grid move up.
    user.SetHintBandVisible(false);
    QCoreApplication::processEvents();
    EXPECT_LT(user.fg().geometry().top(), grid.top());
    EXPECT_EQ(user.fg().geometry().top(), user.CoolBar1().geometry().bottom() + 1);

    // A minimized window leaves the grid where it was; restoring lays it out again.
    auto* frame = qobject_cast<QMdiSubWindow*>(user.parentWidget());
    const QRect before = user.fg().geometry();
    frame->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(user.fg().geometry(), before);
    frame->showNormal();
    frame->resize(frame->width() - 60, frame->height() - 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(user.fg().geometry().right(), user.width() - 1);
    EXPECT_EQ(user.fg().geometry().bottom(), user.height() - 1);
}

TEST_F(StepGridLayoutTest, ARemarkColumnHiddenAtStartComesBackWithoutOtherChanges)
{
    window_.reset();
    platform::settings::write(QelmStp::mMOD::ProgramName(), QStringLiteral("General"),
                              QStringLiteral("DoesViewRemarkColumn"), QStringLiteral("False"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(grid().ColHidden(1));
    std::vector<int32_t> widths;
    for (int col = 0; col < 29; ++col)
        widths.push_back(col == 1 ? 0 : grid().ColWidth(col));
    userWindow().ControlRemarkColumn(true);
    EXPECT_FALSE(grid().ColHidden(1));
    EXPECT_EQ(grid().ColWidth(1), 1200);
    for (int col = 0; col < 29; ++col)
        if (col != 1) {
            EXPECT_EQ(grid().ColWidth(col), widths[static_cast<size_t>(col)]) << col;
        }
}

TEST_F(StepGridLayoutTest, LayingOutAgainKeepsTheCellTexts)
{
    grid().setTextMatrix(3, 2, QStringLiteral("OUT1"));
    grid().setTextMatrix(3, 1, QStringLiteral("note"));
    userWindow().gridLayout().Format_fg(true, 900);
    EXPECT_EQ(grid().TextMatrix(3, 2), QStringLiteral("OUT1"));
    EXPECT_EQ(grid().TextMatrix(3, 1), QStringLiteral("note"));
    EXPECT_EQ(grid().ColWidth(1), 900);
    EXPECT_EQ(grid().TextMatrix(192, 0), QStringLiteral("192"));
}

TEST_F(StepGridLayoutTest, GrabsOfTheMainWindow)
{
    window().resize(1100, 700);
    window().show();
    showReferenceWindow();
    window().ArrangeTiled();
    steptest::grabIfAsked(window(), "stp_main.png");
    state().frmStd->parentWidget()->close();
    window().ArrangeTiled();
    grid().setTextMatrix(1, 1, QStringLiteral("first step"));
    grid().setTextMatrix(2, 1, QStringLiteral("\u6700\u521d\u306e\u30b9\u30c6\u30c3\u30d7"));
    steptest::grabIfAsked(window(), "stp_user.png");
    window().mnuOption().popup(window().mapToGlobal(QPoint(80, 40)));
    window().CheckOptionMenu();
    steptest::grabIfAsked(window().mnuOption(), "stp_option.png");
    window().mnuOption().hide();
}

// The relation columns' title as the clipboard carries it, whoever wrote the
// text: a copy in the grid, or a text in that format from a file.
class RelationTitleClipboard : public steptest::StepCommandFixture {};

TEST_F(RelationTitleClipboard, ABlockFromARelationColumnIsTitledEightAndSuchATextPastesThere)
{
    grid().Select(1, 7, 2, 8);
    command("keyCOPY");
    EXPECT_EQ(clipboardText(), QStringLiteral("0\r\n8\r\nNOTREM\t%1\t%2\r\nNOTREM\t%3\t%4")
                                   .arg(cell(1, 7), cell(1, 8), cell(2, 7), cell(2, 8)));

    ASSERT_EQ(cell(2, 7), QStringLiteral("0"));
    pasteAt(QStringLiteral("0\r\n8\r\nNOTREM\t1"), 2, 7);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(cell(2, 7), QStringLiteral("1"));
    EXPECT_TRUE(user().IsChanged());
}
