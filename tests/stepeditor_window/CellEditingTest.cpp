// Editing the step grid's cells: the code lists offered, Space and typed
// codes, the function choice and what it does to its row, Delete, the checks
// made when an edit ends and the cells completed after it.

#include "StepCellFixture.h"

#include "stepeditor/cells/CellCategories.h"
#include "stepeditor/cells/CellEditing.h"
#include "stepeditor/mMOD.h"

#include "resource/clsResource.h"

#include <QLabel>

#include <deque>

using QelmStp::CellEditing;
using QelmStp::mMOD::MessageText;
using steptest::CellText;

namespace {

QString res(int number) { return Resource::clsResource().Res(number); }

class CellEditingTest : public steptest::StepCellFixture {
protected:
    void SetUp() override
    {
        StepCellFixture::SetUp();
        testsupport::scriptedUi().answerEveryMessageBox(platform::vbOK);
        cells.attach();
        editing.hooks.isReference = [this] { return reference; };
        editing.hooks.ControlChange = [this](bool changed) { changes += changed ? 1 : 0; };
        editing.hooks.GetKinoValue = [this](int32_t direction, int16_t org, int32_t, bool) {
            dialogDirections.push_back(direction);
            if (chosen.empty())
                return org;
            const int16_t code = chosen.front();
            chosen.pop_front();
            return code;
        };
        editing.attach();
    }

    // Makes the cell current, as the user's move does (its list is offered).
    void enter(int row, int col)
    {
        grid().Select(row, col == 2 ? 1 : 2);
        grid().Select(row, col);
    }

    int key(int code)
    {
        int keyCode = code;
        editing.fg_KeyDown(keyCode, 0);
        return keyCode;
    }
    void typeChar(char c)
    {
        int keyAscii = c;
        editing.fg_KeyPress(keyAscii);
    }

    // Types text into the cell's editor and ends the edit with Enter.
    void typeInto(int row, int col, const QString& text)
    {
        enter(row, col);
        fg.EditCell();
        ASSERT_TRUE(fg.isEditing()) << row << "," << col;
        fg.setEditText(text);
        fg.commitEdit();
    }

    QStringList rowTexts(int row, int from, int to)
    {
        QStringList texts;
        for (int col = from; col <= to; ++col)
            texts << grid().TextMatrix(row, col);
        return texts;
    }

    QelmStp::CellCategories cells{fg, stpout, stpinp, reporter};
    QLabel hint;
    CellEditing editing{fg, stpout, stpinp, cells, hint, reporter};
    bool reference = false;
    int changes = 0;
    std::deque<int16_t> chosen;
    std::vector<int32_t> dialogDirections;
};

TEST_F(CellEditingTest, HintFormOfAListAndItsCodes)
{
    EXPECT_EQ(CellEditing::CreateInpList(CellEditing::kLogicList), QStringLiteral("[0]LOW [1]HIGH [2]NOT "));
    const QString states = CellEditing::CreateInpList(QStringLiteral("#0;POS LEV|#3;NEG EDG"));
    EXPECT_EQ(states, QStringLiteral("[0]POS LEV [3]NEG EDG "));
    EXPECT_TRUE(CellEditing::ExactSelection(QStringLiteral("3"), states));
    EXPECT_FALSE(CellEditing::ExactSelection(QStringLiteral("1"), states));
    EXPECT_FALSE(CellEditing::ExactSelection(QStringLiteral("L"), states));
}

TEST_F(CellEditingTest, EnteringACodeCellOffersItsList)
{
    const QString listHint = res(161) + QStringLiteral("%1") + res(162);
    const struct {
        std::initializer_list<CellText> cells;
        int col;
        QString list;     // the column's list afterwards ("-" for not checked)
        QString sInpList; // hint form
        QString hint;
    } cases[] = {
        {{{2, "Y1"}}, 3, CellEditing::kLogicList, "[0]LOW [1]HIGH [2]NOT ", listHint.arg("[0]LOW [1]HIGH [2]NOT ")},
        {{{2, "CNT1"}}, 3, CellEditing::kCounterLogicList, "[4]INC [5]DEC [6]SET [7]CLR [8]ADD [9]SUB ", "-"},
        // An output whose category has no name takes the ordinary logic list.
        {{{2, "FREE"}}, 3, CellEditing::kLogicList, "[0]LOW [1]HIGH [2]NOT ", "-"},
        {{{2, "JMP"}}, 3, "-", "-", res(163)},
        {{}, 3, "-", "-", res(164)},
        {{{2, "Y1"}, {5, "X1"}}, 6, "-", "[0]POS LEV [1]POS EDG [2]NEG LEV [3]NEG EDG ", "-"},
        {{{2, "Y1"}}, 6, "-", "", res(165)},
        {{{2, "Y1"}, {5, "X1"}}, 7, CellEditing::kRelationList, "[0]AND [1]OR [2]END ", "-"},
        {{{2, "Y1"}, {5, "C1"}, {7, "7"}}, 10, CellEditing::kCounterCompareList, "[3]>= [4]<= [5]= [6]!= ", "-"},
        {{{2, "Y1"}, {5, "C1"}, {7, "3"}}, 10, "", "", res(174)},
        {{{2, "Y1"}, {5, "C1"}}, 7, CellEditing::kCounterRelationList, "[3]>= [4]<= [5]= [6]!= [7]+ [8]- ", "-"},
    };
    for (const auto& c : cases) {
        fillRow(4, c.cells);
        enter(4, c.col);
        const auto what = QStringLiteral("col %1 %2").arg(c.col).arg(grid().TextMatrix(4, 2)).toStdString();
        if (c.list != QLatin1String("-"))
            EXPECT_EQ(grid().ColComboList(c.col), c.list) << what;
        if (c.sInpList != QLatin1String("-"))
            EXPECT_EQ(editing.sInpList(), c.sInpList) << what;
        if (c.hint != QLatin1String("-"))
            EXPECT_EQ(hint.text(), c.hint) << what;
    }
}

TEST_F(CellEditingTest, SpaceTogglesThroughTheListAndMarksTheWindowChanged)
{
    const struct {
        const char* output;
        int col;
        std::vector<const char*> sequence;
    } cases[] = {
        {"Y1", 3, {"0", "1", "2", "0"}},
        {"CNT1", 3, {"4", "5", "6", "7", "8", "9", "4"}},
    };
    for (const auto& c : cases) {
        fillRow(5, {{2, c.output}});
        enter(5, c.col);
        changes = 0;
        for (const char* expected : c.sequence) {
            EXPECT_EQ(key(32), 0);
            EXPECT_EQ(grid().TextMatrix(5, c.col), QLatin1String(expected)) << c.output;
        }
        EXPECT_EQ(changes, static_cast<int>(c.sequence.size())) << c.output;
    }
    // Column 10 of a counter row after a comparison offers nothing.
    fillRow(5, {{2, "Y1"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "0"}, {9, "***"}, {10, "2"}});
    enter(5, 10);
    key(32);
    EXPECT_EQ(grid().TextMatrix(5, 10), QStringLiteral("2"));
    EXPECT_TRUE(takeMessages().size() == 1); // END may not be edited (49)
}

TEST_F(CellEditingTest, TypedCodesAndTheDelayTheyReset)
{
    fillRow(6, {{2, "Y1"}, {3, "1"}, {4, "500"}});
    enter(6, 3);
    changes = 0;
    // The logic it holds already: nothing changes, the delay stays.
    typeChar('1');
    EXPECT_EQ(rowTexts(6, 3, 4), QStringList({"1", "500"}));
    EXPECT_EQ(changes, 0);
    typeChar('5');
    EXPECT_EQ(takeMessages(), QStringList({MessageText(67)}));
    EXPECT_EQ(rowTexts(6, 3, 4), QStringList({"1", "500"}));
    typeChar('2');
    EXPECT_EQ(rowTexts(6, 3, 4), QStringList({"2", "0"}));
    EXPECT_EQ(changes, 1);
    // A counter output's INC leaves no delay.
    fillRow(6, {{2, "CNT1"}, {3, "6"}, {4, "20"}});
    enter(6, 3);
    typeChar('4');
    EXPECT_EQ(rowTexts(6, 3, 4), QStringList({"4", "***"}));
}

TEST_F(CellEditingTest, AChosenFunctionSetsItsRow)
{
    const struct {
        const char* what;
        std::initializer_list<CellText> before;
        int col;
        int16_t code;
        int from, to;
        QStringList after;
    } cases[] = {
        {"same output category keeps logic and delay", {{2, "Y1"}, {3, "1"}, {4, "9"}}, 2, 11, 2, 4, {"Y2", "1", "9"}},
        {"another category empties them", {{2, "Y1"}, {3, "1"}, {4, "9"}}, 2, 12, 2, 4, {"M1", "", ""}},
        {"JMP sets its logic", {{2, "Y1"}, {3, "1"}, {4, "9"}}, 2, 20, 2, 4, {"JMP", "3", "***"}},
        {"RETURN marks its inputs", {{2, "Y1"}, {3, "1"}}, 2, 22, 2, 7, {"RET", "11", "***", "***", "***", "***"}},
        {"a line that was RETURN uses its inputs again",
         {{2, "RET"}, {3, "11"}, {4, "***"}, {5, "***"}, {6, "***"}, {7, "***"}}, 2, 10, 2, 7,
         {"Y1", "", "", "", "", ""}},
        {"a counter in group 1 makes a counter row", {{2, "Y1"}, {5, "X1"}, {6, "1"}, {7, "0"}, {8, "X2"}}, 5, 50, 5,
         11, {"C1", "***", "3", "0", "***", "2", ""}},
        {"another counter keeps the row", {{5, "C1"}, {6, "***"}, {7, "4"}, {8, "12"}, {9, "***"}, {10, "2"}}, 5, 51,
         5, 10, {"C2", "***", "4", "12", "***", "2"}},
        {"an input stops the counter row",
         {{5, "C1"}, {6, "***"}, {7, "7"}, {8, "12"}, {9, "***"}, {10, "3"}, {11, "0"}, {12, "***"}, {13, "2"}}, 5, 1,
         5, 13, {"X1", "", "", "", "", "", "", "", ""}},
        {"group 8 ends the conditions", {{2, "Y1"}, {26, "X1"}}, 26, 2, 26, 28, {"X2", "", "2"}},
    };
    for (const auto& c : cases) {
        fillRow(7, c.before);
        enter(7, c.col);
        changes = 0;
        chosen = {c.code};
        key(113);
        EXPECT_EQ(rowTexts(7, c.from, c.to), c.after) << c.what;
        EXPECT_GE(changes, 1) << c.what;
        EXPECT_TRUE(takeMessages().isEmpty()) << c.what;
    }
    EXPECT_EQ(dialogDirections.front(), CellEditing::eOUTPUT);
    EXPECT_EQ(dialogDirections.back(), CellEditing::eINPUT);
}

TEST_F(CellEditingTest, AChosenFunctionMeetsTheRulesOfATypedOne)
{
    // A counter is chosen for group 2 of an ordinary row: refused, column 5 becomes current.
    fillRow(8, {{2, "Y1"}, {5, "X1"}, {7, "0"}, {8, "X2"}});
    enter(8, 8);
    changes = 0;
    chosen = {50};
    key(113);
    EXPECT_EQ(takeMessages(), QStringList({MessageText(87)}));
    EXPECT_EQ(grid().TextMatrix(8, 8), QStringLiteral("X2"));
    EXPECT_EQ(grid().Col(), 5);
    EXPECT_EQ(changes, 0);
    // Group 4 of a counter row stays empty.
    fillRow(8, {{2, "Y1"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "0"}, {9, "***"}, {10, "2"}});
    enter(8, 14);
    chosen = {1};
    key(113);
    EXPECT_EQ(takeMessages(), QStringList({MessageText(89)}));
    EXPECT_EQ(grid().TextMatrix(8, 14), QString());
    // A cancelled dialog changes nothing.
    fillRow(8, {{2, "Y1"}});
    enter(8, 2);
    key(113);
    EXPECT_EQ(grid().TextMatrix(8, 2), QStringLiteral("Y1"));
    EXPECT_EQ(changes, 0);
}

TEST_F(CellEditingTest, TypedValuesAreCheckedWhenTheEditEnds)
{
    const QString dbcs = QString(11, QChar(0x3042));
    const struct {
        std::initializer_list<CellText> row;
        int col;
        QString typed;
        QString stored;
        QString message;
    } cases[] = {
        {{{2, "Y1"}}, 2, "x_pls", "X_PLS", ""},
        {{{2, "Y1"}}, 2, "NOPE", "Y1", MessageText(67)},
        {{{2, "Y1"}, {3, "1"}, {4, "5"}}, 4, "65000", "65000", ""},
        {{{2, "Y1"}, {3, "1"}, {4, "5"}}, 4, "65001", "5", MessageText(43, 0, 65000)},
        {{{2, "Y1"}, {3, "1"}, {4, "5"}}, 4, "-1", "5", MessageText(43, 0, 65000)},
        // A number no whole number holds is out of range too.
        {{{2, "Y1"}, {3, "1"}, {4, "5"}}, 4, "1e12", "5", MessageText(43, 0, 65000)},
        {{{2, "Y1"}, {3, "1"}, {4, "5"}}, 4, "abc", "5", MessageText(48)},
        {{{2, "Y1"}, {3, "1"}, {4, "5"}}, 4, "", "5", MessageText(48)},
        {{{2, "X_PLS"}, {3, "1"}, {4, "5"}}, 4, "-30000", "-30000", ""},
        {{{2, "X_PLS"}, {3, "1"}, {4, "5"}}, 4, "30001", "5", MessageText(43, -30000, 30000)},
        {{{1, "old"}}, 1, QString(20, QLatin1Char('a')), QString(20, QLatin1Char('a')), ""},
        {{{1, "old"}}, 1, dbcs, "old", MessageText(56, 20)},
        {{{2, "Y1"}, {5, "X1"}}, 8, "C1", "", MessageText(87)},
        {{{2, "Y1"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "0"}}, 8, "8000", "8000", ""},
        {{{2, "Y1"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "0"}}, 8, "8001", "0", MessageText(81, 0, 8000)},
        {{{2, "Y1"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "0"}}, 8, "x1", "0", MessageText(81, 0, 8000)},
        {{{2, "Y1"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "0"}}, 8, "c2", "C2", ""},
        {{{2, "Y1"}, {5, "C1"}, {6, "***"}, {7, "3"}, {8, "0"}}, 14, "X1", "", MessageText(89)},
    };
    for (const auto& c : cases) {
        fillRow(9, c.row);
        typeInto(9, c.col, c.typed);
        const auto what = QStringLiteral("col %1 typed %2").arg(c.col).arg(c.typed).toStdString();
        EXPECT_FALSE(fg.isEditing()) << what;
        EXPECT_EQ(grid().TextMatrix(9, c.col), c.stored) << what;
        EXPECT_EQ(takeMessages(), c.message.isEmpty() ? QStringList() : QStringList({c.message})) << what;
    }
}

TEST_F(CellEditingTest, TypedNamesCompleteTheirRow)
{
    // Typed into column 5, a counter turns the row into a counter row.
    fillRow(10, {{2, "Y1"}, {5, "X1"}, {6, "1"}, {7, "0"}, {8, "X2"}, {11, "X1"}});
    typeInto(10, 5, QStringLiteral("c1"));
    EXPECT_EQ(rowTexts(10, 5, 13), QStringList({"C1", "***", "3", "0", "***", "2", "", "", ""}));
    // + in column 7 fills group 2 and 3; a comparison takes group 3 back.
    enter(10, 7);
    typeChar('7');
    EXPECT_EQ(rowTexts(10, 7, 13), QStringList({"7", "0", "***", "3", "0", "***", "2"}));
    enter(10, 7);
    typeChar('3');
    EXPECT_EQ(rowTexts(10, 7, 13), QStringList({"3", "0", "***", "2", "", "", ""}));
    // An emptied output takes its logic and delay along.
    fillRow(10, {{2, "Y1"}, {3, "1"}, {4, "7"}});
    typeInto(10, 2, QString());
    EXPECT_EQ(rowTexts(10, 2, 4), QStringList({"", "", ""}));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CellEditingTest, DeleteClearsWithinTheRules)
{
    const struct {
        const char* what;
        std::initializer_list<CellText> row;
        int col;
        QStringList after; // columns 1 to 10
        bool refused;
    } cases[] = {
        {"a code", {{2, "Y1"}, {3, "1"}}, 3, {"", "Y1", "1", "", "", "", "", "", "", ""}, true},
        {"a delay", {{2, "Y1"}, {3, "1"}, {4, "5"}}, 4, {"", "Y1", "1", "5", "", "", "", "", "", ""}, true},
        {"the remark only", {{1, "note"}, {2, "Y1"}}, 1, {"", "Y1", "", "", "", "", "", "", "", ""}, false},
        {"a RETURN line",
         {{2, "RET"}, {3, "11"}, {4, "***"}, {5, "***"}, {6, "***"}, {7, "***"}},
         2,
         {"", "", "", "", "", "", "", "", "", ""},
         false},
        {"an input group", {{2, "Y1"}, {5, "X1"}, {6, "1"}, {7, "0"}, {8, "X2"}}, 5,
         {"", "Y1", "", "", "", "", "", "X2", "", ""}, false},
        {"a counter row's constant", {{5, "C1"}, {6, "***"}, {7, "3"}, {8, "12"}, {9, "***"}, {10, "2"}}, 8,
         {"", "", "", "", "C1", "***", "3", "12", "***", "2"}, true},
        {"a counter row's counter", {{5, "C1"}, {6, "***"}, {7, "3"}, {8, "12"}, {9, "***"}, {10, "2"}}, 5,
         {"", "", "", "", "", "", "", "", "", ""}, false},
    };
    for (const auto& c : cases) {
        fillRow(11, c.row);
        enter(11, c.col);
        changes = 0;
        key(46);
        EXPECT_EQ(rowTexts(11, 1, 10), c.after) << c.what;
        EXPECT_EQ(takeMessages(), c.refused ? QStringList({MessageText(36)}) : QStringList()) << c.what;
        EXPECT_EQ(changes, c.refused ? 0 : 1) << c.what;
    }
}

TEST_F(CellEditingTest, TheReferenceWindowRefusesEveryWayIn)
{
    reference = true;
    fillRow(12, {{1, "note"}, {2, "Y1"}, {3, "1"}, {4, "5"}, {5, "X1"}});
    const QStringList before = rowTexts(12, 1, 7);
    for (int col : {1, 2, 3, 5}) {
        enter(12, col);
        key(46);
        key(32);
        key(113);
        typeChar('2');
        typeChar('X');
        fg.EditCell();
        EXPECT_FALSE(fg.isEditing()) << col;
        editing.fg_DblClick();
    }
    EXPECT_EQ(rowTexts(12, 1, 7), before);
    EXPECT_TRUE(dialogDirections.empty());
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(changes, 0);
}

TEST_F(CellEditingTest, KeysOpenTheEditorAndTheDelayEditorStopsAtEightCharacters)
{
    fillRow(13, {{2, "Y1"}, {3, "1"}, {4, "5"}});
    enter(13, 2);
    typeChar('Y');
    ASSERT_TRUE(fg.isEditing());
    EXPECT_EQ(fg.EditText(), QStringLiteral("Y"));
    // The grid's own keys do nothing while the editor is open.
    key(46);
    key(113);
    EXPECT_TRUE(fg.isEditing());
    EXPECT_EQ(grid().TextMatrix(13, 2), QStringLiteral("Y1"));
    EXPECT_TRUE(dialogDirections.empty());
    fg.cancelEdit();
    enter(13, 4);
    typeChar('1');
    ASSERT_TRUE(fg.isEditing());
    for (int i = 0; i < 9; ++i) {
        int keyAscii = '2';
        editing.fg_KeyPressEdit(13, 4, keyAscii);
        if (keyAscii)
            fg.setEditText(fg.EditText() + QChar(keyAscii));
    }
    EXPECT_EQ(fg.EditText().size(), 8);
    int backspace = 8;
    editing.fg_KeyPressEdit(13, 4, backspace);
    EXPECT_EQ(backspace, 8);
    fg.cancelEdit();
    // Hints of the cell moved to.
    const struct {
        std::initializer_list<CellText> row;
        int col;
        QString hint;
    } hints[] = {
        {{{2, "X_PLS"}}, 4, res(177) + "30000 Min" + res(446) + "-30000"},
        {{{2, "Y1"}}, 4, res(177) + "65000" + res(178)},
        {{}, 4, res(164)},
        {{{2, "JMP"}, {4, "***"}}, 4, res(174)},
        {{}, 1, res(175)},
        {{}, 5, res(176)},
    };
    for (const auto& h : hints) {
        fillRow(13, h.row);
        enter(13, h.col);
        EXPECT_EQ(hint.text(), h.hint) << h.col;
    }
}

} // namespace
