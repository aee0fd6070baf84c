// The parameter window on the demo data: the rows of its three modes, how
// values show, the look, the help tips, the current row and its place among
// the main window's windows.

#include "ParamWindowFixture.h"

#include "FormLayoutCheck.h"

#include "util/tooltip/clsToolTip.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using namespace testsupport;
using QelmSet::fParam;
using settingtest::ParamWindowFixture;
using namespace settingtest;

namespace {

QStringList names(const char* prefix, int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n, 2, 10, QLatin1Char('0'));
    return list;
}

QPushButton& button(fParam& w, int index)
{
    return *w.findChild<QPushButton*>(QStringLiteral("BTN%1").arg(index));
}

} // namespace

class ParamWindowTest : public ParamWindowFixture {};

TEST_F(ParamWindowTest, RowsOfTheThreeModes)
{
    const QStringList all = names("S", 1, 7) + names("T", 1, 8) + names("F", 1, 8) + names("M", 1, 6) +
                            names("P", 1, 3);
    const struct {
        MenuItem item;
        const char* password;
        const char* caption;
        QStringList rows;
        const char* message;
    } cases[] = {
        {itemAll, "4829", "All functions", all + names("X", 1, 5), nullptr},
        // A wrong password leaves the special group out; the window still opens.
        {itemAll, "0000", "All functions", all, "You missed password."},
        {itemDif, nullptr, "Difference",
         {"S01", "S04", "S05", "T01", "T02", "T05", "T08", "F01", "F04", "M04", "P01", "X04"}, nullptr},
        {itemSpeed, nullptr, "Sewing speed", names("S", 1, 7), nullptr},
        {itemSpecial, "4829", "SPECIAL", names("X", 1, 5), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        scriptedUi().clearCalls();
        if (c.password)
            scriptedUi().answerInput(QLatin1String(c.password));
        if (c.message)
            scriptedUi().answerMessageBox(platform::vbOK);
        fParam* w = open(c.item);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QLatin1String(c.caption));
        EXPECT_EQ(digitals(*w), c.rows);
        const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
        EXPECT_EQ(boxes.size(), c.message ? 1u : 0u);
        if (c.message && !boxes.empty()) {
            EXPECT_EQ(boxes.back().text, QLatin1String(c.message));
        }
        // The first row's value is the current cell, shown at the top.
        EXPECT_EQ(cells(*w).Row(), 1);
        EXPECT_EQ(cells(*w).Col(), fParam::colUser);
        EXPECT_EQ(w->grid().TopRow(), 1);
        button(*w, 5).click();
    }
    EXPECT_TRUE(window().mdiArea().subWindowList().isEmpty());
}

TEST_F(ParamWindowTest, RowsAgreeWithTheGroupsShownWhateverTheSpecialGroupIsCalled)
{
    // The counts of the model find the special group by its title, the window
    // leaves it out by its name; here the two differ.
    state().functions->Item(QStringLiteral("SPECIAL"))->setTOPKMK(QStringLiteral("Service"));
    scriptedUi().answerInput(QStringLiteral("0000"));
    scriptedUi().answerMessageBox(platform::vbOK);
    fParam* w = open(itemAll);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(cells(*w).Rows(), 1 + 32);
    EXPECT_FALSE(digitals(*w).contains(QString()));
    EXPECT_EQ(digitals(*w).back(), QStringLiteral("P03"));
}

TEST_F(ParamWindowTest, ValuesShowAsTheModelAnswersDoubledAnglesAndTimesAndChoiceTexts)
{
    digital("TIMING", "M05").setStdValue(7); // no choice has 7 or 9
    digital("TIMING", "M05").setUserValue(9);
    digital("TRIM", "T07").setUserValue(5);
    fParam* t = open(itemTrim);
    ASSERT_NE(t, nullptr);
    const struct {
        const char* digital;
        const char* std;
        const char* user;
        bool dif;
    } trim[] = {
        {"T01", "TRIM+WIPE", "TRIM", true}, // choices show their text
        {"T02", "190", "200", true},        // angles doubled: 95 and 100
        {"T03", "320", "320", false},
        {"T04", "40", "40", false}, // times doubled too
        {"T06", "300", "300", false},
        {"T07", "ON", "?", true}, // a value no choice has
    };
    for (const auto& row : trim) {
        SCOPED_TRACE(row.digital);
        EXPECT_EQ(text(*t, row.digital, fParam::colStd), QLatin1String(row.std));
        EXPECT_EQ(text(*t, row.digital, fParam::colUser), QLatin1String(row.user));
        EXPECT_EQ(text(*t, row.digital, fParam::colDif), row.dif ? QStringLiteral("DIF") : QString());
    }
    fParam* m = open(itemTiming);
    ASSERT_NE(m, nullptr);
    // Two unknown values show alike, so the row shows no difference.
    EXPECT_EQ(text(*m, "M05", fParam::colStd), QStringLiteral("?"));
    EXPECT_EQ(text(*m, "M05", fParam::colUser), QStringLiteral("?"));
    EXPECT_EQ(text(*m, "M05", fParam::colDif), QString());
    EXPECT_EQ(text(*m, "M04", fParam::colUser), QStringLiteral("2000"));
    EXPECT_EQ(text(*m, "M04", fParam::colMax), QStringLiteral("20000"));
}

TEST_F(ParamWindowTest, TheLookOfTitlesFixedColumnsValuesAndMarks)
{
    digital("SPEED", "S03").setAllowEdit(false);
    state().IsSmallScreen = false; // the test's screen is small
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    auto& g = cells(*w);
    const int32_t s03 = rowOf(*w, "S03");
    const int32_t s01 = rowOf(*w, "S01");
    EXPECT_EQ(g.TextMatrix(0, fParam::colHelp), QStringLiteral("?"));
    EXPECT_EQ(g.CellBackColor(0, 4), 0x008000u);
    EXPECT_EQ(g.CellForeColor(0, 4), 0xFFFFFFu);
    EXPECT_EQ(g.CellBackColor(s01, fParam::colAdvice), 0xE0E0E0u);
    EXPECT_EQ(g.CellBackColor(s01, fParam::colStd), 0xC0E0FFu);
    EXPECT_EQ(g.CellBackColor(s01, fParam::colUser), 0xFFFFFFu);
    EXPECT_EQ(g.CellBackColor(s03, fParam::colUser), fParam::kNotEditable); // grey: not editable
    EXPECT_EQ(g.CellBackColor(s01, fParam::colHelp), 0x80000018u);
    EXPECT_EQ(g.CellForeColor(s01, fParam::colDif), 0x0000FFu);
    EXPECT_EQ(g.CellForeColor(s01, fParam::colFunction), 0x804000u);
    EXPECT_FALSE(g.CellPicture(s01, fParam::colHelp).isNull());
    EXPECT_EQ(g.CellData(s01, fParam::colFunction).toString(), QStringLiteral("SPEED"));
    EXPECT_EQ(g.FixedCols(), 7);
    EXPECT_EQ(g.ColWidth(fParam::colAdvice), 5300);
    EXPECT_TRUE(button(*w, 2).isEnabled());
    EXPECT_TRUE(button(*w, 3).isEnabled());
    EXPECT_FALSE(button(*w, 1).isEnabled()); // nothing changed yet

    state().IsSmallScreen = true;
    fParam* small = open(itemTrim);
    ASSERT_NE(small, nullptr);
    const int32_t narrow[][2] = {{0, 1000}, {1, 650}, {2, 3500}, {3, 910}, {8, 700}};
    for (const auto& [col, width] : narrow)
        EXPECT_EQ(cells(*small).ColWidth(col), width) << col;
    // The value columns are narrow too, but never narrower than their values.
    const int32_t values[][2] = {{4, 400}, {5, 400}, {6, 800}, {7, 800}};
    for (const auto& [col, width] : values) {
        EXPECT_GE(cells(*small).ColWidth(col), width) << col;
        for (int32_t row = 0; row < cells(*small).Rows(); ++row) {
            const int needed = QFontMetrics(cells(*small).CellFont(row, col)).horizontalAdvance(cells(*small).TextMatrix(row, col));
            EXPECT_LT(needed, small->grid().cellRect(row, col).width() - 4) << row << "," << col;
        }
    }
    EXPECT_GT(cells(*small).ColWidth(fParam::colStd), 800); // "TRIM+WIPE"
}

TEST_F(ParamWindowTest, AGroupWithoutParametersShowsTheTitlesOnly)
{
    state().functions->Add(QStringLiteral("EMPTY"), QStringLiteral("Nothing here"));
    fParam* w = fParam::create(window(), QStringLiteral("EMPTY"));
    EXPECT_EQ(cells(*w).Rows(), 1);
    EXPECT_EQ(cells(*w).Row(), -1);
    EXPECT_FALSE(button(*w, 2).isEnabled());
    EXPECT_FALSE(button(*w, 3).isEnabled());
    EXPECT_TRUE(button(*w, 4).isEnabled());
}

TEST_F(ParamWindowTest, HelpTipsFollowTheCellUnderTheMouse)
{
    window().resize(1280, 420); // fewer rows than the grid holds, so it scrolls
    fParam* w = open(itemAll, "4829");
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->tip(), nullptr);
    QLabel* tip = w->tip()->tipWindow();
    const auto helpOf = [&](int32_t row) {
        const QString group = cells(*w).CellData(row, fParam::colFunction).toString();
        const QString name = cells(*w).TextMatrix(row, fParam::colDigital);
        return platform::displayText(state().functions->Item(group)->Items()->Item(name)->DetailAdvice());
    };
    const QPoint onMark = w->grid().cellRect(rowOf(*w, "S04"), fParam::colHelp).center();
    moveMouse(*w, onMark);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), helpOf(rowOf(*w, "S04")));
    if (const QByteArray folder = qgetenv("QEL_GRAB_DIR"); !folder.isEmpty())
        tip->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/fParam_tip.png"));

    moveMouse(*w, w->grid().cellRect(rowOf(*w, "S04"), fParam::colUser).center());
    EXPECT_FALSE(tip->isVisible());

    // After scrolling the same place shows the help of the row now under it.
    w->grid().setTopRow(w->grid().TopRow() + 10);
    int32_t row = -1, col = -1;
    w->grid().cellAt(onMark, row, col);
    ASSERT_EQ(col, fParam::colHelp);
    moveMouse(*w, onMark);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), helpOf(row));
    EXPECT_NE(helpOf(row), helpOf(rowOf(*w, "S04")));
    EXPECT_TRUE(w->HitLimit(onMark.x(), onMark.y()));
    EXPECT_FALSE(w->HitLimit(2, onMark.y())); // the group's column
}

TEST_F(ParamWindowTest, TheCurrentRowIsUnderlinedAndTheCursorStaysInTheUserColumn)
{
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    auto& g = cells(*w);
    const int32_t s04 = rowOf(*w, "S04");
    QTest::mouseClick(w->grid().viewport(), Qt::LeftButton, {}, w->grid().cellRect(s04, fParam::colUser).center());
    EXPECT_EQ(g.Row(), s04);
    for (int32_t col = 0; col < g.Cols(); ++col) {
        EXPECT_TRUE(g.CellFont(s04, col).underline()) << col;
        EXPECT_EQ(g.CellForeColor(s04, col), 0xFF0000u) << col;
    }
    QTest::keyClick(&w->grid(), Qt::Key_Down);
    EXPECT_EQ(g.Row(), s04 + 1);
    EXPECT_FALSE(g.CellFont(s04, fParam::colUser).underline());
    EXPECT_EQ(g.CellForeColor(s04, fParam::colUser), 0x000000u);
    EXPECT_EQ(g.CellForeColor(s04, fParam::colDif), 0x0000FFu);
    EXPECT_EQ(g.CellForeColor(s04, fParam::colFunction), 0x804000u);
    EXPECT_TRUE(g.CellFont(s04 + 1, fParam::colAdvice).underline());

    // The help and difference columns are never entered.
    QTest::keyClick(&w->grid(), Qt::Key_Right);
    QTest::mouseClick(w->grid().viewport(), Qt::LeftButton, {}, w->grid().cellRect(2, fParam::colDif).center());
    EXPECT_EQ(g.Col(), fParam::colUser);
    EXPECT_EQ(g.Row(), s04 + 1);
}

TEST_F(ParamWindowTest, MenuMarksPlaceAndClosing)
{
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(window().mnuParamContent(itemSpeed)->isChecked());
    EXPECT_EQ(w->parentWidget()->pos(), QPoint(0, 0));
    EXPECT_FALSE(w->windowIcon().isNull());
    // The grid and the button bar share the window without overlapping.
    QWidget* bar = w->findChild<QWidget*>(QStringLiteral("picCMD"));
    EXPECT_LT(w->grid().geometry().right(), bar->geometry().left());
    EXPECT_GE(bar->geometry().right(), w->width() - 2);

    fParam* again = open(itemSpeed); // the open window comes forward
    EXPECT_EQ(again, w);
    EXPECT_EQ(window().mdiArea().subWindowList().size(), 1);

    button(*w, 5).click();
    EXPECT_FALSE(window().mnuParamContent(itemSpeed)->isChecked());
    EXPECT_EQ(windowOf(QStringLiteral("SPEED")), nullptr);
}

TEST_F(ParamWindowTest, TheDifferencesListIsReadOnlyOpensFunctionsAndRefills)
{
    fParam* w = open(itemDif);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(button(*w, 3).isEnabled());
    const int32_t t02 = rowOf(*w, "T02");
    const QPoint at = w->grid().cellRect(t02, fParam::colUser).center();
    QTest::mouseClick(w->grid().viewport(), Qt::LeftButton, {}, at);
    QTest::keyClick(&w->grid(), Qt::Key_F2);
    QTest::keyClick(&w->grid(), Qt::Key_5);
    EXPECT_FALSE(w->grid().isEditing());

    QTest::mouseDClick(w->grid().viewport(), Qt::LeftButton, {}, at);
    fParam* trim = windowOf(QStringLiteral("TRIM"));
    ASSERT_NE(trim, nullptr);
    EXPECT_TRUE(window().mnuParamContent(itemTrim)->isChecked());

    // After a save the main window has the list filled anew.
    digital("SPEED", "S03").setUserValue(500);
    digital("TRIM", "T02").setUserValue(95);
    QelmSet::EditingWindow* differences = window().IsLoadedFormByTag(QStringLiteral("ViewDif"));
    ASSERT_EQ(differences, w);
    differences->PasteDifs();
    EXPECT_EQ(digitals(*w), (QStringList{"S01", "S03", "S04", "S05", "T01", "T05", "T08", "F01", "F04", "M04", "P01",
                                         "X04"}));
    EXPECT_EQ(text(*w, "S03", fParam::colDif), QStringLiteral("DIF"));
    EXPECT_EQ(cells(*w).CellBackColor(rowOf(*w, "X04"), fParam::colStd), 0xC0E0FFu);
}

TEST_F(ParamWindowTest, GreyRowsCannotBeEdited)
{
    digital("SPEED", "S03").setAllowEdit(false);
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    const int32_t s03 = rowOf(*w, "S03");
    QTest::mouseClick(w->grid().viewport(), Qt::LeftButton, {}, w->grid().cellRect(s03, fParam::colUser).center());
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_7}) {
        scriptedUi().answerMessageBox(platform::vbOK);
        QTest::keyClick(&w->grid(), key);
        EXPECT_FALSE(w->grid().isEditing());
        EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).back().text, QStringLiteral("You cannot edit this row."));
    }
    EXPECT_EQ(text(*w, "S03", fParam::colUser), QStringLiteral("400"));
    QTest::keyClick(&w->grid(), Qt::Key_Down); // the next row is editable
    QTest::keyClick(&w->grid(), Qt::Key_F2);
    EXPECT_TRUE(w->grid().isEditing());
}

TEST_F(ParamWindowTest, LaidOutCleanlyOnBothScreenSizes)
{
    for (const bool small : {false, true}) {
        state().IsSmallScreen = small;
        if (small)
            window().resize(1000, 600);
        fParam* w = open(itemAll, "4829");
        ASSERT_NE(w, nullptr);
        expectLaidOutCleanly(*w);
        // Grabbed for a look when asked: QEL_GRAB_DIR=<folder>.
        if (const QByteArray folder = qgetenv("QEL_GRAB_DIR"); !folder.isEmpty()) {
            w->grid().data().Select(rowOf(*w, "T02"), fParam::colUser);
            w->grab().save(QStringLiteral("%1/fParam_%2.png").arg(QString::fromLocal8Bit(folder)).arg(small ? "small" : "large"));
            window().grab().save(QStringLiteral("%1/fMain_%2.png").arg(QString::fromLocal8Bit(folder)).arg(small ? "small" : "large"));
        }
        button(*w, 5).click();
    }
}
