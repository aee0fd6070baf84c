#include "util/method/clsMethod.h"

#include "ScriptedUi.h"

#include <gtest/gtest.h>
#include <limits>

using Ostrel7::clsMethod;

TEST(SeparateFNAME, SplitsAtTheFirstDotAndKeepsTheRightPartWhenThereIsNone)
{
    struct Case {
        const char* name;
        const char* left;
        const char* right;
    };
    // The outputs start as "L" and "R", so an output left alone shows.
    const Case cases[] = {
        {"Set01.e", "Set01", "e"},
        {"a.b.c", "a", "b.c"},
        {"README", "README", "R"},
        {"", "", ""},
        {".hidden", "", "hidden"},
        {"trailing.", "trailing", ""},
    };
    clsMethod method;
    for (const Case& c : cases) {
        QString left = "L", right = "R";
        method.SeparateFNAME(c.name, left, right);
        EXPECT_EQ(left, QString(c.left)) << c.name;
        EXPECT_EQ(right, QString(c.right)) << c.name;
    }
    EXPECT_TRUE(testsupport::scriptedUi().calls().empty());
}

TEST(Separate32WithSign, GivesTheSignedHalvesXLow)
{
    struct Case {
        int32_t packed;
        int16_t x, y;
    };
    const Case cases[] = {
        {0, 0, 0},
        {0x0002FFFF, -1, 2},
        {-1, -1, -1},
        {static_cast<int32_t>(0xFFFE0005u), 5, -2}, // negative y beside a non-zero x
        {-65536, 0, -1},
        {std::numeric_limits<int32_t>::min(), 0, -32768},
        {0x7FFF8000, -32768, 32767},
    };
    clsMethod method;
    for (const Case& c : cases) {
        int16_t x = 99, y = 99;
        method.Separate32WithSign(c.packed, x, y);
        EXPECT_EQ(x, c.x) << c.packed;
        EXPECT_EQ(y, c.y) << c.packed;
    }
}

TEST(WhereConditions, JoinWithAndOnceSomethingIsThere)
{
    struct Case {
        const char* original;
        const char* checked;
        const char* made;
    };
    const Case cases[] = {
        {"", "", "B=2"},
        {"X", "X", "XB=2"}, // one character is taken for no condition
        {"A=1", "A=1 AND ", "A=1 AND B=2"},
    };
    clsMethod method;
    for (const Case& c : cases) {
        QString checked = c.original;
        method.CheckWhere(checked);
        EXPECT_EQ(checked, QString(c.checked));
        QString made = c.original;
        method.MakeWhereStr(made, "B=2");
        EXPECT_EQ(made, QString(c.made));
    }
    QString accumulated;
    for (const char* condition : {"A=1", "B=2", "C=3"})
        method.MakeWhereStr(accumulated, condition);
    EXPECT_EQ(accumulated, QStringLiteral("A=1 AND B=2 AND C=3"));
}
