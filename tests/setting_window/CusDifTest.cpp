// The differences of the customize window: the box on each row whose user
// side differs, a click on it resetting that row, all differing cells shown
// while "View dif" is held, and the reset of every row.

#include "CusDataFixture.h"
#include "WindowDriver.h"

#include <QPushButton>

#include <map>
#include <set>

using namespace testsupport;
using settingtest::CusDataFixture;

namespace {

using Cell = std::pair<int, int>;

constexpr QRgb kBoxGrey = 0xFFC0C0C0;

} // namespace

class CusDif : public CusDataFixture {
protected:
    // Whether the difference box of the row is drawn: the grey of the box
    // inside its raised edge.
    static bool showsBox(Cus& cus, int row)
    {
        Grid& g = cus.fg();
        g.ShowCell(row, Cus::colUsrKino);
        const QRect cell = g.cellRect(row, Cus::colDif);
        const QImage shown = g.viewport()->grab().toImage();
        return shown.pixel(cell.left() + 4, cell.top() + 4) == kBoxGrey;
    }

    // The rows whose box is drawn, by pin name.
    static QStringList rowsWithBox(Cus& cus)
    {
        QStringList rows;
        for (int row = 1; row < cus.fg().data().Rows(); ++row)
            if (showsBox(cus, row))
                rows << text(cus, row, Cus::colLocation);
        return rows;
    }

    static void clickBox(Cus& cus, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        Grid& g = cus.fg();
        g.ShowCell(row, Cus::colDif); // scrolled into view, as a user would first
        const QRect cell = g.cellRect(row, Cus::colDif);
        ASSERT_FALSE(cell.isEmpty());
        QTest::mouseClick(g.viewport(), button, Qt::NoModifier, cell.center());
    }

    // The cells painted as different.
    static std::set<Cell> redCells(Cus& cus)
    {
        std::set<Cell> cells;
        const auto& g = cus.fg().data();
        for (int row = 1; row < g.Rows(); ++row)
            for (int col = 0; col < g.Cols(); ++col)
                if (g.CellBackColor(row, col) == 0xFF && g.CellForeColor(row, col) == 0xFFFFFF)
                    cells.insert({row, col});
        return cells;
    }

    static std::map<Cell, std::pair<uint32_t, uint32_t>> colours(Cus& cus)
    {
        std::map<Cell, std::pair<uint32_t, uint32_t>> all;
        const auto& g = cus.fg().data();
        for (int row = 0; row < g.Rows(); ++row)
            for (int col = 0; col < g.Cols(); ++col)
                all[{row, col}] = {g.CellForeColor(row, col), g.CellBackColor(row, col)};
        return all;
    }

    static QStringList userSide(Cus& cus, int row)
    {
        QStringList values{QString::number(code(cus, row, 13))};
        for (int col = 14; col <= 22; ++col)
            values << text(cus, row, col);
        return values;
    }
    static QStringList factorySide(Cus& cus, int row)
    {
        QStringList values{QString::number(code(cus, row, 2))};
        for (int col = 3; col <= 11; ++col)
            values << text(cus, row, col);
        return values;
    }

    const QStringList differingPins{"I3", "I8", "IN", "O1", "O3", "O4", "O6", "O8", "O9", "OJ"};
};

TEST_F(CusDif, TheBoxMarksEveryDifferingRow)
{
    Cus& cus = open(0);
    EXPECT_EQ(rowsWithBox(cus), differingPins);
    // A function code that differs counts, also behind an equal text.
    const int i1 = rowOf(cus, QStringLiteral("I1"));
    grid(cus).data().setCell(platform::grid::CellProperty::Data, i1, 13, 99);
    EXPECT_TRUE(showsBox(cus, i1));
}

TEST_F(CusDif, AClickOnTheBoxResetsThatRowToItsFactoryValues)
{
    Cus& cus = open(0);
    const int o4 = rowOf(cus, QStringLiteral("O4"));
    const int oj = rowOf(cus, QStringLiteral("OJ"));

    clickBox(cus, o4, Qt::RightButton); // the right button does nothing
    EXPECT_FALSE(cus.IsChanged());
    EXPECT_NE(userSide(cus, o4), factorySide(cus, o4));

    clickBox(cus, o4);
    EXPECT_EQ(userSide(cus, o4), factorySide(cus, o4));
    EXPECT_EQ(grid(cus).data().TextDisplay(o4, 22), QStringLiteral("50H"));
    EXPECT_TRUE(cus.IsChanged());
    EXPECT_FALSE(showsBox(cus, o4));

    // The function too, with its text; switches with their groups.
    clickBox(cus, oj);
    EXPECT_EQ(code(cus, oj, 13), 0);
    EXPECT_EQ(text(cus, oj, 13), QStringLiteral("NONE:No function"));
    EXPECT_EQ(userSide(cus, oj), factorySide(cus, oj));

    // A row that already equals its factory side is still reset and counts as a change.
    const int i1 = rowOf(cus, QStringLiteral("I1"));
    cus.ControlChange(false);
    clickBox(cus, i1);
    EXPECT_TRUE(cus.IsChanged());

    // An other pin has no box and no reset.
    Cus& coni = open(1);
    const int gnd = rowOf(coni, QStringLiteral("GND"));
    clickBox(coni, gnd);
    EXPECT_FALSE(coni.IsChanged());
    EXPECT_FALSE(showsBox(coni, gnd));
}

TEST_F(CusDif, AClickResetsTheRowUnderTheMouseAfterTheWindowMovedAndScrolled)
{
    Cus& cus = open(0);
    window().resize(1100, 500); // fewer rows than pins show
    QApplication::processEvents();
    Grid& g = grid(cus);
    const int o9 = rowOf(cus, QStringLiteral("O9"));
    const int oj = rowOf(cus, QStringLiteral("OJ"));
    ASSERT_TRUE(showsBox(cus, o9)); // painted where it is now
    const QPoint whereO9Was = g.cellRect(o9, Cus::colDif).center();
    const QStringList o9Before = userSide(cus, o9);

    cus.parentWidget()->move(40, 30);
    g.setTopRow(g.TopRow() + 4);
    QApplication::processEvents();

    // The old place of O9's box now shows another row: that row is reset, O9 is not.
    int under = -1, col = -1;
    g.cellAt(whereO9Was, under, col);
    ASSERT_NE(under, o9);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, whereO9Was);
    EXPECT_TRUE(cus.IsChanged()); // the row under the mouse was reset
    EXPECT_EQ(userSide(cus, o9), o9Before);
    EXPECT_EQ(userSide(cus, under), factorySide(cus, under));

    g.ShowCell(oj, Cus::colUsrKino);
    clickBox(cus, oj);
    EXPECT_EQ(userSide(cus, oj), factorySide(cus, oj));
}

TEST_F(CusDif, ViewDifPaintsEachDifferingCellWhileHeld)
{
    Cus& cus = open(0);
    const auto before = colours(cus);
    auto* viewDif = cus.findChild<QPushButton*>(QStringLiteral("BTN6"));
    const auto cell = [&](const char* pin, int col) { return Cell{rowOf(cus, QLatin1String(pin)), col}; };
    const std::set<Cell> differing = {
        cell("I3", 14), cell("I8", 15), cell("IN", 13), cell("O1", 21), cell("O3", 17),
        cell("O4", 22), cell("O6", 20), cell("O8", 14), cell("O9", 19), cell("OJ", 13),
    };

    QTest::mousePress(viewDif, Qt::LeftButton);
    EXPECT_EQ(redCells(cus), differing);
    keepPicture(*cus.parentWidget(), QStringLiteral("fCusData0-viewdif"));
    QTest::mouseRelease(viewDif, Qt::LeftButton);
    EXPECT_EQ(colours(cus), before);
    EXPECT_FALSE(cus.IsChanged());

    // The keyboard does not work it, nor does the right button.
    viewDif->setFocus();
    QTest::keyPress(viewDif, Qt::Key_Space);
    EXPECT_TRUE(redCells(cus).empty());
    QTest::keyRelease(viewDif, Qt::Key_Space);
    QTest::mousePress(viewDif, Qt::RightButton);
    EXPECT_TRUE(redCells(cus).empty());
    QTest::mouseRelease(viewDif, Qt::RightButton);
}

TEST_F(CusDif, ResetPutsEveryRowBackAfterTheQuestion)
{
    Cus& cus = open(0);
    const WindowDriver w(cus);
    scriptedUi().answerMessageBox(platform::vbNo);
    w.click(QStringLiteral("BTN3"));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].text,
              QStringLiteral("Are you sure to reset all value on this window ?"));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style & 0x300, 0x100); // No is the default
    EXPECT_EQ(rowsWithBox(cus), differingPins);
    EXPECT_FALSE(cus.IsChanged());

    scriptedUi().answerMessageBox(platform::vbYes);
    w.click(QStringLiteral("BTN3"));
    EXPECT_TRUE(rowsWithBox(cus).isEmpty());
    EXPECT_TRUE(cus.IsChanged());
    for (int row = 1; row < grid(cus).data().Rows(); ++row)
        EXPECT_EQ(userSide(cus, row), factorySide(cus, row)) << row;

    // Nothing differs now: holding View dif paints nothing.
    auto* viewDif = cus.findChild<QPushButton*>(QStringLiteral("BTN6"));
    QTest::mousePress(viewDif, Qt::LeftButton);
    EXPECT_TRUE(redCells(cus).empty());
    QTest::mouseRelease(viewDif, Qt::LeftButton);
}

TEST_F(CusDif, ViewStdShowsAndHidesTheFactoryColumns)
{
    Cus& cus = open(0);
    auto* viewStd = cus.findChild<QPushButton*>(QStringLiteral("BTN5"));
    const QImage hiddenPicture = viewStd->icon().pixmap(20, 18).toImage();
    const WindowDriver w(cus);
    w.click(QStringLiteral("BTN5"));
    for (int col = 3; col <= 11; ++col)
        EXPECT_FALSE(grid(cus).data().ColHidden(col)) << col;
    EXPECT_NE(viewStd->icon().pixmap(20, 18).toImage(), hiddenPicture);
    w.click(QStringLiteral("BTN5"));
    for (int col = 3; col <= 11; ++col)
        EXPECT_TRUE(grid(cus).data().ColHidden(col)) << col;
    EXPECT_FALSE(grid(cus).data().ColHidden(2));
    EXPECT_EQ(viewStd->icon().pixmap(20, 18).toImage(), hiddenPicture);
}
