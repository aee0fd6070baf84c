#include "platform/grid/ComboList.h"

#include <gtest/gtest.h>

using platform::grid::ComboList;

namespace {

struct ParseCase {
    const char* text;
    bool button;
    bool editable;
    bool translated;
    int count;
};

class ComboListParse : public testing::TestWithParam<ParseCase> {};

TEST_P(ComboListParse, RecognisesTheListForm)
{
    const ParseCase& c = GetParam();
    const ComboList list = ComboList::parse(QString::fromUtf8(c.text));
    EXPECT_EQ(list.isButton(), c.button);
    EXPECT_EQ(list.isEditable(), c.editable);
    EXPECT_EQ(list.isTranslated(), c.translated);
    EXPECT_EQ(list.items().size(), c.count);
}

INSTANTIATE_TEST_SUITE_P(Forms, ComboListParse,
                         testing::Values(ParseCase{"", false, false, false, 0},
                                         ParseCase{"...", true, false, false, 0},
                                         ParseCase{"A|B|C", false, false, false, 3},
                                         ParseCase{"|A|B", false, true, false, 2},
                                         ParseCase{"#0;POS LEV|#1;POS EDG|#2;NEG LEV|#3;NEG EDG", false, false,
                                                   true, 4},
                                         ParseCase{"#;odd|B", false, false, false, 2}));

TEST(ComboList, StoredValuesTranslateBothWays)
{
    const ComboList list = ComboList::parse(QStringLiteral("#0;ALL\tX|#1;66L\tY|#7;8\tZ"));
    ASSERT_EQ(list.items().size(), 3);
    EXPECT_EQ(list.items()[1].columns, (QStringList{QStringLiteral("66L"), QStringLiteral("Y")}));
    EXPECT_EQ(list.displayOf(QStringLiteral("1")), QStringLiteral("66L"));
    EXPECT_EQ(list.displayOf(QStringLiteral("7")), QStringLiteral("8"));
    EXPECT_EQ(list.cellTextOf(QStringLiteral("8")), QStringLiteral("7"));
    // A text that is no entry is kept as it stands.
    EXPECT_EQ(list.displayOf(QStringLiteral("9")), QStringLiteral("9"));
    EXPECT_EQ(list.cellTextOf(QStringLiteral("other")), QStringLiteral("other"));
}

TEST(ComboList, PlainListsKeepTheText)
{
    const ComboList list = ComboList::parse(QStringLiteral("ON|OFF"));
    EXPECT_EQ(list.displayOf(QStringLiteral("OFF")), QStringLiteral("OFF"));
    EXPECT_EQ(list.cellTextOf(QStringLiteral("ON")), QStringLiteral("ON"));
    EXPECT_EQ(list.indexOfCellText(QStringLiteral("OFF")), 1);
}

} // namespace
