// The categories of the functions a step row names, the predicates on them,
// the marks of unused cells and the permission to start editing a cell.

#include "StepCellFixture.h"

#include "stepeditor/cells/CellCategories.h"
#include "stepeditor/mMOD.h"

#include <algorithm>
#include <optional>

using QelmStp::CellCategories;
using QelmStp::mMOD::MessageText;
using steptest::CellText;

namespace {

const QString kUnused = QStringLiteral("***");

class CellCategoriesTest : public steptest::StepCellFixture {
protected:
    void SetUp() override
    {
        StepCellFixture::SetUp();
        rules.attach();
    }

    CellCategories rules{fg, stpout, stpinp, reporter};
};

TEST_F(CellCategoriesTest, CategoriesComeFromTheListsAndAreEmptyForUnknownNames)
{
    const struct {
        std::initializer_list<CellText> cells;
        QString out;
        QString firstInput;
        bool counterRow;
    } cases[] = {
        {{{2, "Y1"}, {5, "X1"}}, QStringLiteral("OUT"), QStringLiteral("IN"), false},
        {{{2, "RET"}, {5, "C1"}}, QStringLiteral("RETURN"), QStringLiteral("COUNT"), true},
        {{{2, "y1"}, {5, "c1"}}, QString(), QString(), false}, // names are compared exactly
        {{{2, "NOPE"}, {5, "12"}}, QString(), QString(), false},
        {{}, QString(), QString(), false},
        {{{2, "***"}, {5, "S5"}}, QString(), QStringLiteral("STEP"), false},
    };
    for (const auto& c : cases) {
        fillRow(3, c.cells);
        EXPECT_EQ(rules.OutCategory(3), c.out) << c.out.toStdString();
        EXPECT_EQ(rules.InpCategory(3, 5), c.firstInput);
        EXPECT_EQ(rules.TopIsCOUNT(3), c.counterRow);
    }
    // Only the first input makes a counter row.
    fillRow(3, {{5, "X1"}, {8, "C1"}});
    EXPECT_EQ(rules.InpCategory(3, 8), QStringLiteral("COUNT"));
    EXPECT_FALSE(rules.TopIsCOUNT(3));
}

TEST_F(CellCategoriesTest, SmallPredicates)
{
    for (const char* category : {"CALL", "JMP", "RETURN"})
        EXPECT_FALSE(CellCategories::HasSelection(QLatin1String(category))) << category;
    for (const char* category : {"", "OUT", "COUNT", "call", "IN"})
        EXPECT_TRUE(CellCategories::HasSelection(QLatin1String(category))) << category;

    for (int col = 0; col < 29; ++col) {
        EXPECT_EQ(CellCategories::ColIs2or3Grp(col), col == 8 || col == 11) << col;
        EXPECT_EQ(rules.IsLastGroup(col), col >= 26) << col;
    }

    fillRow(4, {{6, "***"}, {9, "x***"}});
    EXPECT_TRUE(rules.DoesCannotEdit(4, 6));
    EXPECT_FALSE(rules.DoesCannotEdit(4, 9));
    EXPECT_FALSE(rules.DoesCannotEdit(4, 7));
    EXPECT_FALSE(rules.DoesCannotEdit(4, 29)); // beyond the grid

    fillRow(4, {{2, "Y1"}, {10, "0"}});
    EXPECT_TRUE(rules.ExistsItem(4, 2));
    EXPECT_TRUE(rules.ExistsItem(4, 9));
    EXPECT_FALSE(rules.ExistsItem(4, 10));
    grid().setTextMatrix(4, 28, QStringLiteral("2"));
    EXPECT_TRUE(rules.ExistsItem(4, 27));
    EXPECT_FALSE(rules.ExistsItem(4, 28));

    rules.SetCellMark(4, 12, CellCategories::eMarkUnused);
    EXPECT_EQ(grid().TextMatrix(4, 12), kUnused);
    rules.SetCellMark(4, 12, 2); // no such mark
    EXPECT_EQ(grid().TextMatrix(4, 12), kUnused);
    rules.SetCellMark(4, 12, CellCategories::eMarkEmpty);
    EXPECT_EQ(grid().TextMatrix(4, 12), QString());
}

TEST_F(CellCategoriesTest, ReplacingAFunctionKeepsItsClassOrNot)
{
    const struct {
        int kind;
        int newValue;
        int oldValue;
        bool same;
    } cases[] = {
        {1, 50, 51, true},  // counter for counter
        {1, 1, 2, true},    // input for input
        {1, 60, 1, true},   // a step reference is no counter
        {1, 1, 50, false},  // counter replaced by an input
        {1, 50, 1, false},
        {1, 1, -1, false},  // the cell held no known function
        {2, 10, 11, true},  // OUT for OUT
        {2, 10, 12, false}, // OUT for RGST
        {2, 20, 10, false},
        {2, 10, -1, false},
        {3, 10, 10, false}, // no such kind
    };
    for (const auto& c : cases)
        EXPECT_EQ(rules.DoesSameCaegory(c.kind, c.newValue, c.oldValue), c.same)
            << c.kind << " " << c.newValue << " " << c.oldValue;
}

TEST_F(CellCategoriesTest, OnlyKeysThatTypeSomethingOpenTheRemark)
{
    for (int key : {0, 8, 9, 13, 16, 17, 27, 32, 35, 37, 38, 39, 40, 45, 46})
        EXPECT_FALSE(CellCategories::MustIMEON(key)) << key;
    for (int key : {48, 65, 90, 112, 186, 229})
        EXPECT_TRUE(CellCategories::MustIMEON(key)) << key;
}

// A cell's edit as the user asks for it, and what the grid did.
struct StartCase {
    const char* what;
    std::initializer_list<CellText> cells;
    int col;
    bool opens;
    std::optional<QString> message; // the one message shown
    int currentCol;                 // the current column afterwards
    const char* cellAfter;          // the cell's text afterwards; nullptr: as it was
};

TEST_F(CellCategoriesTest, StartingAnEditIsAllowedOnlyWhereTheRowIsReadyForIt)
{
    const QString cannot = MessageText(42);
    const QString mustEnd = MessageText(49);
    const auto first = [](const char* title) { return MessageText(46, QString::fromLatin1(title)); };
    const StartCase cases[] = {
        {"remark", {}, 1, true, std::nullopt, 1, nullptr},
        {"output", {}, 2, true, std::nullopt, 2, nullptr},
        {"input function", {{5, "X1"}}, 14, true, std::nullopt, 14, nullptr},
        {"unused cell", {{5, "C1"}, {6, "***"}}, 6, false, cannot, 6, nullptr},
        {"logic of JMP", {{2, "JMP"}, {3, "3"}}, 3, false, cannot, 3, nullptr},
        {"logic of CALL", {{2, "CALL"}}, 3, false, cannot, 3, nullptr},
        {"logic of RETURN", {{2, "RET"}}, 3, false, cannot, 3, nullptr},
        {"logic without output", {}, 3, false, first("Output"), 2, nullptr},
        {"logic of an unlisted output", {{2, "ZZZ"}}, 3, true, std::nullopt, 3, nullptr},
        {"logic of a counter operation", {{2, "CNT1"}}, 3, true, std::nullopt, 3, nullptr},
        {"delay without logic", {{2, "Y1"}}, 4, false, first("Logic"), 3, nullptr},
        {"delay after logic", {{2, "Y1"}, {3, "1"}}, 4, true, std::nullopt, 4, nullptr},
        {"state without function", {{5, "X1"}}, 9, false, first("Func."), 8, nullptr},
        {"state after function", {{8, "X2"}}, 9, true, std::nullopt, 9, nullptr},
        {"relation without function", {{5, "X1"}, {8, "X2"}}, 13, false, first("Func."), 11, nullptr},
        {"relation END of an ordinary row", {{5, "X1"}, {7, "2"}}, 7, true, std::nullopt, 7, nullptr},
        {"relation of group 8", {{26, "X1"}}, 28, false, mustEnd, 28, "2"},
        {"relation of group 8 holding OR", {{26, "X1"}, {28, "1"}}, 28, false, mustEnd, 28, "2"},
        {"empty relation of a counter row", {{5, "C1"}}, 7, true, std::nullopt, 7, nullptr},
        {"END relation of a counter row", {{5, "C1"}, {7, "5"}, {8, "10"}, {10, "2"}}, 10, false, mustEnd, 10, "2"},
        {"column 13 of a counter row",
         {{5, "C1"}, {7, "7"}, {8, "C2"}, {10, "3"}, {11, "5"}},
         13,
         false,
         mustEnd,
         13,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fillRow(7, c.cells);
        const QString before = grid().TextMatrix(7, c.col);
        grid().Select(7, c.col);
        if (c.message)
            testsupport::scriptedUi().answerMessageBox(platform::vbOK);
        fg.EditCell();
        EXPECT_EQ(fg.isEditing(), c.opens);
        const QStringList shown = takeMessages();
        if (c.message)
            EXPECT_EQ(shown, QStringList{*c.message});
        else
            EXPECT_TRUE(shown.isEmpty()) << shown.join(u'|').toStdString();
        EXPECT_EQ(grid().Row(), 7);
        EXPECT_EQ(grid().Col(), c.currentCol);
        EXPECT_EQ(grid().TextMatrix(7, c.col), c.cellAfter ? QLatin1String(c.cellAfter) : before);
        fg.cancelEdit();
    }
    // The step number (a fixed cell the user cannot make current) never opens, silently.
    bool cancel = false;
    rules.fg_StartEdit(7, 0, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CellCategoriesTest, TheTextOfAnEditedCellIsRemembered)
{
    fillRow(2, {{2, "Y1"}, {3, "1"}, {4, "500"}, {5, "C1"}, {6, "***"}});
    grid().Select(2, 4);
    fg.EditCell();
    EXPECT_EQ(rules.RememberedText(), QStringLiteral("500"));
    fg.cancelEdit();
    // A cell that may not be edited leaves the remembered text alone.
    grid().Select(2, 6);
    testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    fg.EditCell();
    EXPECT_EQ(rules.RememberedText(), QStringLiteral("500"));
    takeMessages();
}

TEST_F(CellCategoriesTest, APastedRowGetsTheMarksOfItsUnusedCells)
{
    const struct {
        const char* what;
        std::initializer_list<CellText> cells;
        std::initializer_list<int> unused;
    } cases[] = {
        {"ordinary row", {{2, "Y1"}, {3, "1"}, {4, "0"}, {5, "X1"}, {7, "7"}}, {}},
        {"JMP", {{2, "JMP"}, {3, "3"}, {5, "X1"}}, {4}},
        {"CALL", {{2, "CALL"}, {3, "10"}}, {4}},
        {"RETURN", {{2, "RET"}, {3, "11"}}, {4, 5, 6, 7}},
        {"INC", {{2, "CNT1"}, {3, "4"}}, {4}},
        {"CLR", {{2, "CNT1"}, {3, "7"}}, {4}},
        {"SET", {{2, "CNT1"}, {3, "6"}, {4, "500"}}, {}},
        {"empty logic", {{2, "Y1"}}, {}},
        {"counter compared", {{5, "C1"}, {7, "3"}, {8, "100"}, {10, "2"}}, {6, 9}},
        {"counter plus", {{5, "C1"}, {7, "7"}, {8, "C2"}, {10, "3"}, {11, "0"}, {13, "2"}}, {6, 9, 12}},
        {"counter minus", {{5, "C1"}, {7, "8"}}, {6, 9, 12}},
        {"counter in group 2 only", {{5, "X1"}, {7, "7"}, {8, "C1"}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fillRow(9, c.cells);
        rules.SprashThisRow(grid(), 9);
        for (int col = 1; col < grid().Cols(); ++col) {
            const bool marked = std::find(c.unused.begin(), c.unused.end(), col) != c.unused.end();
            QString expected;
            for (const auto& [at, text] : c.cells)
                if (at == col)
                    expected = QLatin1String(text);
            EXPECT_EQ(grid().TextMatrix(9, col), marked ? kUnused : expected) << col;
        }
    }
    // Nothing is cleared: a stray text beside a counter comparison stays.
    fillRow(9, {{5, "C1"}, {7, "3"}, {12, "X1"}});
    rules.SprashThisRow(grid(), 9);
    EXPECT_EQ(grid().TextMatrix(9, 12), QStringLiteral("X1"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(CellCategoriesTest, AFailureIsReportedUnderTheMembersNameAndGivesTheNeutralAnswer)
{
    for (int i = 0; i < 5; ++i)
        testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(rules.OutCategory(500), QString());
    EXPECT_FALSE(rules.TopIsCOUNT(500));
    EXPECT_FALSE(rules.MustInputCell(500, 2));
    bool cancel = false;
    rules.fg_StartEdit(500, 2, cancel);
    EXPECT_TRUE(cancel);
    const auto boxes = testsupport::scriptedUi().callsOf(testsupport::UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 5u);
    // The start of an edit asks DoesCannotEdit first, which reports its own failure.
    const char* labels[] = {"OutCategory", "TopIsCOUNT", "MustInputCell", "DoesCannotEdit", "fg_StartEdit"};
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].title, QStringLiteral("ERROR"));
        EXPECT_TRUE(boxes[i].text.startsWith(QLatin1String(labels[i]))) << boxes[i].text.toStdString();
    }
    testsupport::scriptedUi().clearCalls();
}

} // namespace
