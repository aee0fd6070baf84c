// The customize window's grid on the demo data: the window of every
// connector, the factory and user values side by side, the cells that do not
// apply, the switch groups, and the pins the window cannot find.

#include "CusDataFixture.h"
#include "FormLayoutCheck.h"

#include "datamodel/customize/clsCusSelection.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsStyle.h"
#include "dialogs/clsSelectKino.h"

#include <QPushButton>

using namespace testsupport;
using settingtest::CusDataFixture;

namespace {

constexpr uint32_t kNotApplicable = 0xC0FFFF;
constexpr uint32_t kDisabledBack = 0x808080;
constexpr uint32_t kWhite = 0xFFFFFF;

} // namespace

class CusGrid : public CusDataFixture {};

TEST_F(CusGrid, EveryConnectorOpensItsPinsOnTheDemoData)
{
    const struct {
        int conId;
        const char* caption;
        const char* pinHeader;
        int pins;
    } cases[] = {
        {0, "all input output", "Num", 49},
        {1, "CONI  Foot switch", "Pin\r\nNum", 9},
        {2, "CONG  Input /output signal", "Pin\r\nNum", 26},
        {3, "Terminal 1 (Into sewing machine head)", "Pin\r\nNum", 20},
        {4, "Terminal 2 (Into sewing machine head)", "Pin\r\nNum", 20},
        {5, "Terminal other", "Conn.", 7},
    };
    for (const auto& c : cases) {
        Cus& cus = open(c.conId);
        SCOPED_TRACE(c.conId);
        EXPECT_EQ(cus.windowTitle(), QLatin1String(c.caption));
        EXPECT_EQ(cus.windowIcon().isNull(), false);
        const auto& g = grid(cus).data();
        EXPECT_EQ(g.Rows(), 1 + c.pins);
        EXPECT_EQ(g.Cols(), 23);
        EXPECT_EQ(g.FixedCols(), 13);
        EXPECT_EQ(text(cus, 0, 0), QLatin1String(c.pinHeader));
        // The connector names of the last table need the wide pin column.
        if (c.conId == 5)
            EXPECT_EQ(g.ColWidth(0), 850);
        else
            EXPECT_LT(g.ColWidth(0), 850);
        // The factory detail columns start hidden.
        for (int col = 3; col <= 11; ++col)
            EXPECT_TRUE(g.ColHidden(col)) << col;
        EXPECT_FALSE(g.ColHidden(2));
        EXPECT_FALSE(cus.IsChanged());
        EXPECT_FALSE(cus.findChild<QPushButton*>(QStringLiteral("BTN1"))->isEnabled());
        EXPECT_TRUE(menuItem(c.conId)->isChecked());
        // Every function of both lists is offered in the selection dialogs.
        for (const auto* list : {&state().selectKino->cusinp(), &state().selectKino->cusout()})
            for (const auto& entry : *list)
                EXPECT_FALSE(entry->Hidden()) << entry->Ditigal().toStdString();
        keepPicture(*cus.parentWidget(), QStringLiteral("fCusData%1").arg(c.conId));
    }
    EXPECT_EQ(window().mdiArea().subWindowList().size(), 6);
}

TEST_F(CusGrid, LooksRightWithTheFactoryColumnsShownAndHidden)
{
    Cus& cus = open(2);
    testsupport::expectLaidOutCleanly(cus);
    // The texts of the narrow columns fit: a two-line header and the letters.
    const auto& g = grid(cus).data();
    const QFontMetrics header(g.CellFont(0, 16));
    for (const QString& line : text(cus, 0, 16).split(QStringLiteral("\r\n")))
        EXPECT_LE(header.horizontalAdvance(line), platform::twipsToPixels(g.ColWidth(16)) - 4);
    EXPECT_LE(2 * header.lineSpacing(), platform::twipsToPixels(g.RowHeight(0)));
    const int o6 = rowOf(cus, QStringLiteral("OO"));
    EXPECT_LE(QFontMetrics(g.CellFont(o6, 1)).height(), platform::twipsToPixels(g.RowHeight(o6)));
    cus.findChild<QPushButton*>(QStringLiteral("BTN5"))->click();
    testsupport::expectLaidOutCleanly(cus);
    keepPicture(*cus.parentWidget(), QStringLiteral("fCusData2-std"));
}

TEST_F(CusGrid, ShowsFactoryAndUserValuesOfEachPinKind)
{
    Cus& cus = open(0);
    // An input pin whose logic differs: function texts from the input list,
    // the codes beside them, the output-only user cells marked not applicable.
    const int i3 = rowOf(cus, QStringLiteral("I3"));
    EXPECT_EQ(text(cus, i3, 2), QStringLiteral("NDL_SW:Needle up/down switch"));
    EXPECT_EQ(code(cus, i3, 2), 5);
    EXPECT_EQ(text(cus, i3, 13), QStringLiteral("NDL_SW:Needle up/down switch"));
    EXPECT_EQ(code(cus, i3, 13), 5);
    EXPECT_EQ(text(cus, i3, 3), QStringLiteral("-"));
    EXPECT_EQ(text(cus, i3, 14), QStringLiteral("REV"));
    EXPECT_EQ(fore(cus, i3, 13), 0xFFu);
    for (int col = 16; col <= 22; ++col) {
        EXPECT_EQ(text(cus, i3, col), QString()) << col;
        EXPECT_EQ(back(cus, i3, col), kNotApplicable) << col;
    }

    // An output pin with chopping: times as numbers, the duty index shown as its list entry.
    const int o4 = rowOf(cus, QStringLiteral("O4"));
    EXPECT_EQ(text(cus, o4, 13), QStringLiteral("BACKTACK:Reverse feed solenoid"));
    EXPECT_EQ(fore(cus, o4, 13), 0xFF0000u);
    EXPECT_EQ(text(cus, o4, 11), QStringLiteral("4"));
    EXPECT_EQ(text(cus, o4, 22), QStringLiteral("7"));
    EXPECT_EQ(grid(cus).data().TextDisplay(o4, 22), QStringLiteral("8"));
    EXPECT_EQ(grid(cus).data().TextDisplay(o4, 11), QStringLiteral("50H"));
    EXPECT_EQ(text(cus, o4, 21), QStringLiteral("50"));

    // Switch groups: O3's ON delay is on (white), its OFF delay off (grey).
    const int o3 = rowOf(cus, QStringLiteral("O3"));
    EXPECT_EQ(text(cus, o3, 16), QStringLiteral("ON"));
    EXPECT_EQ(text(cus, o3, 17), QStringLiteral("15"));
    EXPECT_EQ(back(cus, o3, 16), kWhite);
    EXPECT_EQ(back(cus, o3, 17), kWhite);
    EXPECT_EQ(fore(cus, o3, 17), 0u);
    EXPECT_EQ(text(cus, o3, 18), QStringLiteral("OFF"));
    EXPECT_EQ(back(cus, o3, 18), kDisabledBack);
    EXPECT_EQ(back(cus, o3, 19), kDisabledBack);
    EXPECT_EQ(fore(cus, o3, 19), kWhite);

    // An output pin without chopping: its chopping cells empty and not applicable.
    const int o9 = rowOf(cus, QStringLiteral("O9"));
    for (int col : {9, 10, 11, 20, 21, 22})
        EXPECT_EQ(text(cus, o9, col), QString()) << col;
    for (int col = 20; col <= 22; ++col)
        EXPECT_EQ(back(cus, o9, col), kNotApplicable) << col;
    EXPECT_EQ(text(cus, o9, 19), QStringLiteral("150"));
    EXPECT_EQ(text(cus, o9, 8), QStringLiteral("200"));
}

TEST_F(CusGrid, OtherPinsAreEmptyAndMarked)
{
    Cus& cus = open(1); // CONI: +12V, I1 .. I3, GND, N.C., E
    const int gnd = rowOf(cus, QStringLiteral("GND"));
    ASSERT_GT(gnd, 0);
    for (int col = 2; col <= 22; ++col) {
        EXPECT_EQ(text(cus, gnd, col), QString()) << col;
        EXPECT_EQ(back(cus, gnd, col), kNotApplicable) << col;
    }
    EXPECT_EQ(fore(cus, gnd, 1), 0x80000010u);
    EXPECT_EQ(grid(cus).data().CellFont(gnd, 1).bold(), false);
    EXPECT_EQ(grid(cus).data().CellFont(rowOf(cus, QStringLiteral("I1")), 1).bold(), true);
}

TEST_F(CusGrid, APinMissingFromTheCustomizeTablesIsShownAsAnOtherPin)
{
    // A connector table naming a signal the customize tables lack, in either
    // letter case of the rule.
    auto& table = *window().FindColConStyle(QStringLiteral("5"));
    table.Add(QStringLiteral("X1"), QStringLiteral("OZ"));
    table.Add(QStringLiteral("X2"), QStringLiteral("i1"));
    // And one the factory table lacks (CON3-1 is I4).
    state().customStd->Remove(QStringLiteral("I4"));
    Cus& cus = open(5);
    for (const char* location : {"OZ", "i1", "I4"}) {
        const int row = rowOf(cus, QLatin1String(location));
        ASSERT_GT(row, 0) << location;
        EXPECT_EQ(text(cus, row, 13), QString()) << location;
        EXPECT_EQ(back(cus, row, 13), kNotApplicable) << location;
        // Nothing happens on the row, and nothing fails.
        clickCell(cus, row, 14);
        key(cus, Qt::Key_Space);
        EXPECT_EQ(text(cus, row, 14), QString());
    }
    EXPECT_TRUE(cus.Update_Variable());
    EXPECT_FALSE(cus.IsChanged());
}

TEST_F(CusGrid, AFunctionCodeMissingFromItsListIsReportedAndKept)
{
    usrPin("I1").setKino(150);
    scriptedUi().answerMessageBox(platform::vbOK); // the error report
    Cus& cus = open(1);
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("CreateDisplayValue"))) << boxes[0].text.toStdString();
    const int i1 = rowOf(cus, QStringLiteral("I1"));
    EXPECT_EQ(text(cus, i1, 13), QString());
    EXPECT_EQ(code(cus, i1, 13), 150);
    ASSERT_TRUE(cus.Update_Variable());
    EXPECT_EQ(usrPin("I1").Kino(), 150);
}

TEST_F(CusGrid, AConnectorWithoutPinsShowsOnlyItsTitles)
{
    Telva27::colclsStyle empty;
    empty.setConId(Telva27::eTE1);
    auto* cus = new Cus(window());
    cus->setColConStyle(empty);
    window().mdiArea().addSubWindow(cus)->show();
    QApplication::processEvents();
    EXPECT_EQ(cus->fg().data().Rows(), 1);
    EXPECT_EQ(text(*cus, 0, 13), QStringLiteral("User Value"));
    key(*cus, Qt::Key_Space);
    EXPECT_TRUE(cus->Update_Variable());
    cus->parentWidget()->close();
}
