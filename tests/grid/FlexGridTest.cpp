#include "ReportedErrors.h"
#include "platform/RuntimeError.h"
#include "platform/grid/FlexGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace platform::grid;

namespace {

class FlexGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        GridData& data = grid.data();
        data.setFixedRows(1);
        data.setFixedCols(1);
        data.setCols(8);
        data.setRows(40);
        data.setColWidth(-1, 900); // 60 px
        data.setRowHeight(-1, 300); // 20 px
        for (int32_t r = 1; r < 40; ++r)
            data.setTextMatrix(r, 0, QString::number(r));
        grid.resize(400, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        grid.activateWindow();
        grid.setFocus();
    }

    // Records the edit events in order, with the cell's text as each one sees it.
    void recordEdits()
    {
        QObject::connect(&grid, &FlexGrid::beforeEdit, [this](int r, int c, bool&) { log.push_back(at("before", r, c)); });
        QObject::connect(&grid, &FlexGrid::startEdit, [this](int r, int c, bool&) { log.push_back(at("start", r, c)); });
        QObject::connect(&grid, &FlexGrid::keyPressEdit, [this](int, int, int& key) {
            log.push_back("key " + std::to_string(key));
        });
        QObject::connect(&grid, &FlexGrid::validateEdit, [this](int r, int c, bool&) {
            log.push_back(at("validate", r, c) + " edit=" + grid.EditText().toStdString());
        });
        QObject::connect(&grid, &FlexGrid::afterEdit, [this](int r, int c) { log.push_back(at("after", r, c)); });
    }

    std::string at(const char* what, int r, int c) const
    {
        return std::string(what) + " " + grid.data().TextMatrix(r, c).toStdString();
    }

    QPoint centreOf(int32_t row, int32_t col) const { return grid.cellRect(row, col).center(); }

    QLineEdit* lineEditor() const { return qobject_cast<QLineEdit*>(grid.editor()); }

    // Delete as a real X server sends it: the key with the character 0x7F.
    static void pressDelete(QWidget* target)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(target, &press);
    }

    FlexGrid grid;
    std::vector<std::string> log;
};

// ---- editing -------------------------------------------------------------------------------

TEST_F(FlexGridTest, OneEditRaisesItsEventsInOrderAndStoresBeforeAfterEdit)
{
    grid.data().setEditable(editKbdMouse);
    grid.data().setTextMatrix(2, 2, QStringLiteral("old"));
    grid.data().Select(2, 2);
    recordEdits();

    QTest::keyClick(&grid, Qt::Key_F2);
    ASSERT_NE(lineEditor(), nullptr);
    EXPECT_EQ(grid.EditText(), QStringLiteral("old"));
    QTest::keyClicks(lineEditor(), QStringLiteral("ab")); // the old text is selected, so typing replaces it
    QTest::keyClick(lineEditor(), Qt::Key_Return);

    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.data().TextMatrix(2, 2), QStringLiteral("ab"));
    EXPECT_EQ(log, (std::vector<std::string>{"before old", "start old", "key 97", "key 98", "key 13",
                                             "validate old edit=ab", "after ab"}));
}

TEST_F(FlexGridTest, KeyPressEditDropsOrReplacesCharacters)
{
    grid.data().Select(3, 3);
    QObject::connect(&grid, &FlexGrid::keyPressEdit, [](int, int, int& key) {
        if (key == 'x')
            key = 'y';
        else if (key >= 32 && (key < '0' || key > '9') && key != 'y')
            key = 0; // digits and control keys only
    });
    grid.EditCell();
    ASSERT_NE(lineEditor(), nullptr);
    QTest::keyClicks(lineEditor(), QStringLiteral("1a-2x"));
    QTest::keyClick(lineEditor(), Qt::Key_Backspace);
    QTest::keyClicks(lineEditor(), QStringLiteral("3"));
    EXPECT_EQ(grid.EditText(), QStringLiteral("123"));
}

TEST_F(FlexGridTest, DeleteStillEditsInADigitOnlyEditor)
{
    grid.data().setTextMatrix(3, 3, QStringLiteral("123"));
    grid.data().Select(3, 3);
    std::vector<int> typed;
    QObject::connect(&grid, &FlexGrid::keyPressEdit, [&](int, int, int& key) {
        typed.push_back(key);
        if (key >= 32 && (key < '0' || key > '9'))
            key = 0; // digits and control keys only
    });
    grid.EditCell();
    ASSERT_NE(lineEditor(), nullptr);
    lineEditor()->setCursorPosition(0);
    pressDelete(lineEditor());
    EXPECT_EQ(grid.EditText(), QStringLiteral("23"));
    EXPECT_TRUE(typed.empty()); // Delete is a key, not a character
}

TEST_F(FlexGridTest, ValidateEditMayRefuseOrChangeTheText)
{
    grid.data().setTextMatrix(4, 4, QStringLiteral("7"));
    grid.data().Select(4, 4);
    int refusals = 0;
    QObject::connect(&grid, &FlexGrid::validateEdit, [&](int, int, bool& cancel) {
        if (grid.EditText().isEmpty()) {
            cancel = true; // the editor stays open
            ++refusals;
        } else {
            grid.setEditText(grid.EditText().toUpper());
        }
    });
    grid.EditCell();
    lineEditor()->clear();
    QTest::keyClick(lineEditor(), Qt::Key_Return);
    EXPECT_EQ(refusals, 1);
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.data().TextMatrix(4, 4), QStringLiteral("7"));

    QTest::keyClicks(lineEditor(), QStringLiteral("x_plus"));
    EXPECT_TRUE(grid.commitEdit());
    EXPECT_EQ(grid.data().TextMatrix(4, 4), QStringLiteral("X_PLUS"));
}

TEST_F(FlexGridTest, EscapeAbandonsTheEditWithoutValidation)
{
    grid.data().setTextMatrix(2, 1, QStringLiteral("keep"));
    grid.data().Select(2, 1);
    recordEdits();
    grid.EditCell();
    QTest::keyClicks(lineEditor(), QStringLiteral("zz"));
    QTest::keyClick(lineEditor(), Qt::Key_Escape);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.data().TextMatrix(2, 1), QStringLiteral("keep"));
    EXPECT_EQ(log, (std::vector<std::string>{"before keep", "start keep", "key 122", "key 122"}));
}

// A key the editor has no use for goes, as Qt delivers a user's key, to the
// editor holding the focus and on to its parents, the grid among them: the
// grid raises KeyDown once and drops the key; the edit goes on untouched.
TEST_F(FlexGridTest, KeysTheEditorDoesNotUseAreRaisedOnceAndDropped)
{
    grid.data().setColComboList(6, QStringLiteral("#0;POS LEV|#1;POS EDG"));
    grid.data().setTextMatrix(2, 2, QStringLiteral("OUT1"));
    std::vector<int> downs;
    QObject::connect(&grid, &FlexGrid::keyDown, [&](int& code, int) { downs.push_back(code); });
    // The line editor and the drop-down list (which itself uses the page keys).
    const struct {
        int32_t col;
        Qt::Key key;
        int code;
    } cases[] = {{2, Qt::Key_F1, 112},     {2, Qt::Key_F5, 116},     {2, Qt::Key_F12, 123},
                 {2, Qt::Key_Insert, 45},  {2, Qt::Key_PageDown, 34}, {2, Qt::Key_PageUp, 33},
                 {6, Qt::Key_F1, 112},     {6, Qt::Key_F5, 116},     {6, Qt::Key_Insert, 45}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "column " << c.col << ", key " << c.code);
        grid.data().Select(2, c.col);
        grid.EditCell();
        ASSERT_TRUE(grid.isEditing());
        ASSERT_EQ(QApplication::focusWidget(), grid.editor());
        const QString before = grid.EditText();
        downs.clear();
        QTest::keyClick(QApplication::focusWidget(), c.key);
        EXPECT_TRUE(grid.isEditing());
        EXPECT_EQ(grid.EditText(), before);
        EXPECT_EQ(downs, std::vector<int>{c.code});
        grid.cancelEdit();
    }
}

TEST_F(FlexGridTest, RefusedOrFixedCellsOpenNoEditor)
{
    bool refuse = true;
    int starts = 0;
    QObject::connect(&grid, &FlexGrid::beforeEdit, [&](int, int, bool& cancel) { cancel = refuse; });
    QObject::connect(&grid, &FlexGrid::startEdit, [&](int, int, bool&) { ++starts; });
    grid.data().Select(2, 2);
    grid.EditCell();
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(starts, 0);

    refuse = false;
    grid.data().Select(0, 2); // a title cell
    grid.EditCell();
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(starts, 0);
}

TEST_F(FlexGridTest, ColumnListWithStoredValuesEditsTextsAndStoresValues)
{
    grid.data().setColComboList(6, QStringLiteral("#0;POS LEV|#1;POS EDG|#2;NEG LEV|#3;NEG EDG"));
    grid.data().setTextMatrix(5, 6, QStringLiteral("2"));
    grid.data().Select(5, 6);
    grid.EditCell();
    auto* combo = qobject_cast<QComboBox*>(grid.editor());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(grid.EditText(), QStringLiteral("NEG LEV"));
    grid.setEditText(QStringLiteral("POS EDG"));
    EXPECT_TRUE(grid.commitEdit());
    EXPECT_EQ(grid.data().TextMatrix(5, 6), QStringLiteral("1"));
    EXPECT_EQ(grid.data().TextDisplay(5, 6), QStringLiteral("POS EDG"));
}

TEST_F(FlexGridTest, ListChosenInBeforeEditIsTheOneOffered)
{
    grid.data().Select(2, 7);
    QObject::connect(&grid, &FlexGrid::beforeEdit, [&](int, int, bool&) {
        grid.data().setComboList(QStringLiteral("0|1|255"));
    });
    grid.EditCell();
    auto* combo = qobject_cast<QComboBox*>(grid.editor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->itemText(2), QStringLiteral("255"));
}

TEST_F(FlexGridTest, TypingStartsAnEditOnlyInAnEditableGrid)
{
    grid.data().setTextMatrix(2, 2, QStringLiteral("old"));
    grid.data().Select(2, 2);
    std::vector<int> keys;
    QObject::connect(&grid, &FlexGrid::keyDown, [&](int& code, int) { keys.push_back(code); });
    QObject::connect(&grid, &FlexGrid::keyPress, [&](int& ascii) { keys.push_back(ascii); });
    QTest::keyClick(&grid, Qt::Key_X);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(keys, (std::vector<int>{88, 120}));

    grid.data().setEditable(editKbd);
    QTest::keyClick(&grid, Qt::Key_7);
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.EditText(), QStringLiteral("7"));
}

TEST_F(FlexGridTest, DeleteOnACellOpensNoEditorAndTypesNothing)
{
    grid.data().setEditable(editKbd);
    grid.data().setTextMatrix(2, 2, QStringLiteral("OUT1"));
    grid.data().Select(2, 2);
    std::vector<int> keys;
    QObject::connect(&grid, &FlexGrid::keyDown, [&](int& code, int) { keys.push_back(code); });
    QObject::connect(&grid, &FlexGrid::keyPress, [&](int& ascii) { keys.push_back(ascii); });
    pressDelete(&grid);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.data().TextMatrix(2, 2), QStringLiteral("OUT1"));
    EXPECT_EQ(keys, std::vector<int>{46}); // KeyDown only: the window clears the cell itself
}

TEST_F(FlexGridTest, KeyDownHandlerCanOpenTheEditorForTheTypedKey)
{
    grid.data().Select(2, 1);
    QObject::connect(&grid, &FlexGrid::keyDown, [&](int& code, int) {
        if (code != 13)
            grid.EditCell();
    });
    QTest::keyClick(&grid, Qt::Key_A);
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.EditText(), QStringLiteral("a"));
}

// ---- keys and mouse ------------------------------------------------------------------------

TEST_F(FlexGridTest, ArrowsMoveShiftExtendsAndAVetoHolds)
{
    grid.data().Select(2, 2);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.data().Row(), 3);
    EXPECT_EQ(grid.data().Col(), 3);

    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.data().Row(), 3);
    EXPECT_EQ(grid.data().RowSel(), 5);

    QObject::connect(&grid, &FlexGrid::beforeRowColChange,
                     [](int, int, int, int newCol, bool& cancel) { cancel = newCol == 4; });
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.data().Col(), 3);
    QTest::keyClick(&grid, Qt::Key_Up); // the titles are never entered by the keys
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.data().Row(), 1);
}

TEST_F(FlexGridTest, KeyDownHandlerThatClearsTheCodeStopsTheGrid)
{
    grid.data().Select(2, 2);
    QObject::connect(&grid, &FlexGrid::keyDown, [](int& code, int shift) {
        if (code == 40 && shift == 0)
            code = 0;
    });
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.data().Row(), 2);
}

TEST_F(FlexGridTest, MouseDownComesBeforeTheGridMovesTheCurrentCell)
{
    grid.data().Select(2, 2);
    std::vector<std::string> seen;
    QObject::connect(&grid, &FlexGrid::mouseDown, [&](int button, int, float x, float y) {
        seen.push_back(std::to_string(button) + " row " + std::to_string(grid.data().Row()) + " mouse " +
                       std::to_string(grid.MouseRow()) + "," + std::to_string(grid.MouseCol()));
        EXPECT_GT(x, 0.f);
        EXPECT_GT(y, 0.f);
    });
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(5, 3));
    EXPECT_EQ(grid.data().Row(), 5);
    EXPECT_EQ(grid.data().Col(), 3);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, centreOf(7, 4));
    EXPECT_EQ(grid.data().Row(), 5); // the right button leaves the selection to the window
    EXPECT_EQ(seen, (std::vector<std::string>{"1 row 2 mouse 5,3", "2 row 5 mouse 7,4"}));
}

TEST_F(FlexGridTest, ClickOnTheNumberColumnSelectsTheWholeRow)
{
    grid.data().Select(2, 3);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(6, 0));
    EXPECT_EQ(grid.data().Row(), 6);
    EXPECT_EQ(grid.data().RowSel(), 6);
    EXPECT_EQ(grid.data().ColSel(), grid.data().Cols() - 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(8, 0));
    EXPECT_EQ(grid.data().RowSel(), 8);
    EXPECT_EQ(grid.data().Row(), 6);
}

TEST_F(FlexGridTest, DoubleClickEditsInAMouseEditableGrid)
{
    int clicks = 0;
    QObject::connect(&grid, &FlexGrid::dblClick, [&] { ++clicks; });
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(3, 3));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centreOf(3, 3));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(grid.isEditing());
    grid.data().setEditable(editKbdMouse);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centreOf(3, 3));
    EXPECT_TRUE(grid.isEditing());
}

TEST_F(FlexGridTest, CellButtonOfADotsListIsReported)
{
    grid.data().setColComboList(3, QStringLiteral("..."));
    grid.data().Select(2, 3);
    std::vector<std::pair<int, int>> clicked;
    QObject::connect(&grid, &FlexGrid::cellButtonClick, [&](int r, int c) { clicked.emplace_back(r, c); });
    const QRect rect = grid.cellRect(2, 3);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(rect.right() - 3, rect.center().y()));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 3, rect.center().y()));
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_FALSE(grid.isEditing());
}

TEST_F(FlexGridTest, ColumnResizeByMouseCanBeRefused)
{
    grid.data().setAllowUserResizing(resizeColumns);
    std::vector<std::string> events;
    QObject::connect(&grid, &FlexGrid::beforeUserResize, [&](int row, int col, bool& cancel) {
        events.push_back("before " + std::to_string(row) + "," + std::to_string(col));
        cancel = col != 1;
    });
    QObject::connect(&grid, &FlexGrid::afterUserResize, [&](int row, int col) {
        events.push_back("after " + std::to_string(row) + "," + std::to_string(col));
    });
    auto drag = [&](int32_t col) {
        const QRect title = grid.cellRect(0, col);
        const QPoint edge(title.right() + 1, title.center().y());
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, edge);
        QMouseEvent move(QEvent::MouseMove, edge + QPoint(20, 0), grid.viewport()->mapToGlobal(edge + QPoint(20, 0)),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &move);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, edge + QPoint(20, 0));
    };
    drag(1);
    drag(2);
    EXPECT_EQ(grid.data().ColWidth(1), 900 + 20 * kTwipsPerPixel);
    EXPECT_EQ(grid.data().ColWidth(2), 900);
    EXPECT_EQ(events, (std::vector<std::string>{"before -1,1", "after -1,1", "before -1,2"}));
}

TEST_F(FlexGridTest, AFailingHandlerEndsTheEventWithoutEscapingIt)
{
    QObject::connect(&grid, &FlexGrid::mouseDown, [](int, int, float, float) {
        throw platform::RuntimeError(platform::errSubscript);
    });
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 4));
    EXPECT_NE(grid.data().Row(), 4); // the grid's own handling did not run
    const auto reports = testsupport::reportedErrors().take();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].number, platform::errSubscript);
    EXPECT_EQ(reports[0].label, QStringLiteral("FlexGrid.mousePressEvent"));
}

// ---- loading a saved grid ----------------------------------------------------------------

TEST_F(FlexGridTest, LoadingASavedGridEndsAnOpenEditFirst)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("undo.tmp"));
    grid.data().setTextMatrix(3, 3, QStringLiteral("saved"));
    grid.data().SaveGrid(saved);

    grid.data().setTextMatrix(3, 3, QStringLiteral("changed"));
    grid.data().Select(3, 3);
    recordEdits();
    grid.EditCell();
    QTest::keyClicks(lineEditor(), QStringLiteral("typed"));
    grid.data().LoadGrid(saved);

    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.data().TextMatrix(3, 3), QStringLiteral("saved"));
    grid.setFocus(); // a focus change no longer commits anything
    QApplication::processEvents();
    EXPECT_TRUE(grid.commitEdit());
    EXPECT_EQ(grid.data().TextMatrix(3, 3), QStringLiteral("saved"));
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.rfind("validate", 0) == 0; }),
              0);

    // A file that cannot be read leaves the grid, and an open edit, as they were.
    grid.EditCell();
    EXPECT_THROW(grid.data().LoadGrid(dir.filePath(QStringLiteral("missing.tmp"))), platform::RuntimeError);
    EXPECT_TRUE(grid.isEditing());
}

// ---- scrolling and geometry ---------------------------------------------------------------

TEST_F(FlexGridTest, FixedRowsAndColumnsStayWhileTheRestScrolls)
{
    const QRect title = grid.cellRect(0, 3);
    const QRect number = grid.cellRect(10, 0);
    grid.setTopRow(10);
    grid.setLeftCol(3);
    EXPECT_EQ(grid.TopRow(), 10);
    EXPECT_EQ(grid.LeftCol(), 3);
    EXPECT_EQ(grid.cellRect(0, 3).top(), title.top());
    EXPECT_EQ(grid.cellRect(10, 0).left(), number.left());
    EXPECT_EQ(grid.cellRect(10, 0).top(), grid.cellRect(0, 0).bottom() + 1);
    EXPECT_TRUE(grid.cellRect(5, 3).isEmpty()); // scrolled out
    EXPECT_EQ(grid.cellRect(10, 3).left(), grid.cellRect(10, 0).right() + 1);

    int32_t row = -1, col = -1;
    grid.cellAt(grid.cellRect(12, 4).center(), row, col);
    EXPECT_EQ(row, 12);
    EXPECT_EQ(col, 4);
}

TEST_F(FlexGridTest, ShowCellAndCellGeometryInTwips)
{
    grid.ShowCell(39, 7);
    EXPECT_FALSE(grid.cellRect(39, 7).isEmpty());
    EXPECT_LE(grid.cellRect(39, 7).bottom(), grid.viewport()->height());
    EXPECT_EQ(grid.BottomRow(), 39);
    grid.ShowCell(3, 1);
    EXPECT_EQ(grid.TopRow(), 3);

    grid.data().Select(20, 2); // CellTop and the others bring the cell into view
    EXPECT_EQ(grid.CellHeight(), 300);
    EXPECT_EQ(grid.CellWidth(), 900);
    EXPECT_EQ(grid.CellLeft(), 2 * 900);
    EXPECT_GT(grid.CellTop(), 0);
    grid.data().setColHidden(1, true);
    EXPECT_EQ(grid.CellLeft(), 900);
}

TEST_F(FlexGridTest, OwnerDrawnCellsSkipTheGridsOwnContent)
{
    QPixmap blue(10, 10);
    blue.fill(Qt::blue);
    grid.data().setCell(CellProperty::Picture, 2, 2, 2, 3, blue);
    grid.data().setCell(CellProperty::PictureAlignment, 2, 2, 2, 3, alignLeftTop);
    grid.data().Select(5, 5);
    std::vector<std::pair<int, int>> drawn;
    QObject::connect(&grid, &FlexGrid::drawCell, [&](QPainter*, int row, int col, const QRect& rect, bool& done) {
        drawn.emplace_back(row, col);
        EXPECT_EQ(rect, grid.cellRect(row, col));
        done = col == 2;
    });
    grid.viewport()->grab();
    EXPECT_TRUE(drawn.empty()); // owner drawing is off

    grid.data().setOwnerDraw(true);
    const QImage image = grid.viewport()->grab().toImage();
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), std::make_pair(0, 0)), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), std::make_pair(2, 2)), drawn.end());
    const QPoint inside2 = grid.cellRect(2, 2).topLeft() + QPoint(4, 4);
    const QPoint inside3 = grid.cellRect(2, 3).topLeft() + QPoint(4, 4);
    EXPECT_NE(image.pixelColor(inside2), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(inside3), QColor(Qt::blue));
}

TEST_F(FlexGridTest, NothingIsPaintedBeyondItsCell)
{
    grid.data().setOwnerDraw(true);
    grid.data().setTextMatrix(2, 2, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWW")); // far wider than the cell
    grid.data().setCell(CellProperty::ForeColor, 2, 2, 0x0000FF); // red
    QObject::connect(&grid, &FlexGrid::drawCell, [](QPainter* painter, int row, int col, const QRect& rect, bool&) {
        if (row == 4 && col == 2)
            painter->fillRect(rect.adjusted(0, 0, 3 * rect.width(), rect.height()), Qt::red);
    });
    const QImage image = grid.viewport()->grab().toImage();
    for (const auto& [row, col] : {std::pair(2, 3), std::pair(4, 3), std::pair(5, 2)}) {
        const QRect cell = grid.cellRect(row, col);
        for (int x = cell.left(); x < cell.right(); ++x)
            for (int y = cell.top(); y < cell.bottom(); ++y)
                ASSERT_NE(image.pixelColor(x, y), QColor(Qt::red)) << row << "," << col;
    }
}

TEST_F(FlexGridTest, ARepaintAfterChangesLooksLikeAFreshGridWithTheSameContents)
{
    // The painter keeps laid-out texts and fonts between paints; none may
    // outlive the contents it was made for.
    const auto finalContents = [](GridData& data) {
        data.setFont(QFont(data.Font().family(), 11));
        data.setTextMatrix(2, 2, QStringLiteral("after"));
        data.setTextMatrix(3, 2, QStringLiteral("12.5"));
        data.setCell(CellProperty::FontBold, 3, 2, true);
        data.setCell(CellProperty::FontSize, 4, 2, 14);
        data.setTextMatrix(4, 2, QStringLiteral("big"));
        data.setCell(CellProperty::BackColor, 5, 2, 0x00C0FFFF);
        data.setTextMatrix(5, 3, QStringLiteral("two\r\nlines"));
        data.Select(3, 3, 4, 4);
    };
    grid.data().setTextMatrix(2, 2, QStringLiteral("before"));
    grid.data().setTextMatrix(3, 2, QStringLiteral("12.5"));
    grid.data().setTextMatrix(4, 2, QStringLiteral("big"));
    grid.viewport()->grab();
    finalContents(grid.data());
    const QImage changed = grid.viewport()->grab().toImage();

    FlexGrid fresh;
    fresh.data().setCols(8);
    fresh.data().setRows(40);
    fresh.data().setColWidth(-1, 900);
    fresh.data().setRowHeight(-1, 300);
    for (int32_t r = 1; r < 40; ++r)
        fresh.data().setTextMatrix(r, 0, QString::number(r));
    finalContents(fresh.data());
    fresh.resize(grid.size());
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    EXPECT_EQ(changed, fresh.viewport()->grab().toImage());
}

TEST_F(FlexGridTest, RedrawOffHoldsPaintingUntilSwitchedOn)
{
    grid.data().setRedraw(false);
    grid.data().setRows(200);
    EXPECT_LT(grid.verticalScrollBar()->maximum(), 100); // not laid out yet
    grid.data().setRedraw(true);
    EXPECT_GT(grid.verticalScrollBar()->maximum(), 150);
}

// ---- what the windows follow: the mouse, the current cell, the whole grid's look -------------

TEST_F(FlexGridTest, MouseMoveNamesTheCellUnderTheMouseAtThatMoment)
{
    std::vector<std::string> seen;
    QObject::connect(&grid, &FlexGrid::mouseMove, [&](int button, int, float x, float y) {
        seen.push_back(std::to_string(button) + " at " + std::to_string(int(x)) + "," + std::to_string(int(y)) +
                       " cell " + std::to_string(grid.MouseRow()) + "," + std::to_string(grid.MouseCol()));
    });
    const auto moveTo = [&](const QPoint& at) {
        QMouseEvent move(QEvent::MouseMove, at, grid.viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(grid.viewport(), &move);
    };
    const QPoint point = centreOf(3, 2);
    moveTo(point);
    grid.setTopRow(11); // the same point now lies on another row
    moveTo(point + QPoint(1, 0));
    grid.data().setCols(4);
    moveTo(QPoint(grid.viewport()->width() - 2, point.y())); // beyond the last column
    const std::string x = std::to_string(point.x() * 15);
    const std::string x1 = std::to_string((point.x() + 1) * 15);
    const std::string y = std::to_string(point.y() * 15);
    const std::string far = std::to_string((grid.viewport()->width() - 2) * 15);
    EXPECT_EQ(seen, (std::vector<std::string>{"0 at " + x + "," + y + " cell 3,2", "0 at " + x1 + "," + y + " cell 13,2",
                                              "0 at " + far + "," + y + " cell -1,-1"}));
}

TEST_F(FlexGridTest, CurrentCellEventsComeInOrderAndSelChangeFollowsEveryNewSelection)
{
    grid.data().Select(2, 2);
    std::vector<std::string> seen;
    QObject::connect(&grid, &FlexGrid::beforeRowColChange, [&](int r0, int c0, int r1, int c1, bool&) {
        seen.push_back("before " + std::to_string(r0) + "," + std::to_string(c0) + "->" + std::to_string(r1) + "," +
                       std::to_string(c1) + " now " + std::to_string(grid.data().Row()));
    });
    QObject::connect(&grid, &FlexGrid::afterRowColChange, [&](int, int, int r1, int c1) {
        seen.push_back("after " + std::to_string(r1) + "," + std::to_string(c1) + " now " +
                       std::to_string(grid.data().Row()));
    });
    QObject::connect(&grid, &FlexGrid::rowColChange, [&] { seen.push_back("rowcol"); });
    QObject::connect(&grid, &FlexGrid::selChange, [&] {
        seen.push_back("sel " + std::to_string(grid.data().RowSel()) + "," + std::to_string(grid.data().ColSel()));
    });
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 3));
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier); // the selection grows, the current cell stays
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 3)); // back to one cell: the selection shrinks
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(4, 3)); // nothing changes
    EXPECT_EQ(seen, (std::vector<std::string>{"before 2,2->4,3 now 2", "after 4,3 now 4", "rowcol", "sel 4,3", "sel 5,3",
                                              "sel 4,3"}));
}

TEST_F(FlexGridTest, TheGridsBackColourPaintsEveryCellWithoutOneOfItsOwn)
{
    grid.data().setCell(CellProperty::BackColor, 3, 3, 0x00FF00); // green, its own
    grid.data().Select(5, 5);
    grid.data().setBackColor(0xFFC0C0); // a pale blue
    const QImage image = grid.viewport()->grab().toImage();
    const auto inside = [&](int row, int col) { return image.pixelColor(grid.cellRect(row, col).topLeft() + QPoint(3, 3)); };
    EXPECT_EQ(inside(2, 2), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(inside(6, 5), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(inside(3, 3), QColor(0, 0xFF, 0));
    EXPECT_NE(inside(2, 0), QColor(0xC0, 0xC0, 0xFF)); // a fixed cell keeps the fixed colour
}

// Counts the paint events of the widget it watches.
struct PaintCounter : QObject {
    int* count;
    explicit PaintCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++*count;
        return false;
    }
};

TEST_F(FlexGridTest, ManyChangesArePaintedOnceAndAChangeAfterAPaintIsPaintedAgain)
{
    int paints = 0;
    PaintCounter counter(&paints);
    QCoreApplication::processEvents();
    grid.viewport()->installEventFilter(&counter);
    for (int32_t r = 1; r < 40; ++r)
        grid.data().setTextMatrix(r, 1, QStringLiteral("v%1").arg(r));
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    // A grab paints too, outside the queued repaint; a change after it is still shown.
    grid.viewport()->grab();
    grid.data().setTextMatrix(1, 1, QStringLiteral("later"));
    QCoreApplication::processEvents();
    grid.data().setTextMatrix(2, 1, QStringLiteral("last"));
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 4);
    grid.viewport()->removeEventFilter(&counter);
}

TEST_F(FlexGridTest, RefreshShowsWhatChangedWhileRedrawWasOff)
{
    int paints = 0;
    PaintCounter counter(&paints);
    QCoreApplication::processEvents();
    grid.viewport()->installEventFilter(&counter);
    grid.data().setRedraw(false);
    grid.data().setRows(300);
    grid.data().setTextMatrix(1, 1, QStringLiteral("new"));
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 0);
    EXPECT_LT(grid.verticalScrollBar()->maximum(), 100);

    grid.Refresh();
    QCoreApplication::processEvents();
    EXPECT_GT(paints, 0);
    EXPECT_GT(grid.verticalScrollBar()->maximum(), 250); // the new rows can be reached
    grid.viewport()->removeEventFilter(&counter);
}

} // namespace
