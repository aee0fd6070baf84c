#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/Address.h"
#include "platform/workbook/Worksheet.h"

#include <gtest/gtest.h>

using namespace platform::workbook;
using testsupport::errorOf;

namespace platform::workbook {
void PrintTo(const Area& a, std::ostream* os)
{
    *os << "{" << a.top << "," << a.left << "," << a.bottom << "," << a.right << "}";
}
} // namespace platform::workbook

namespace {

struct AddressCase {
    const char* text;
    std::vector<Area> areas;
};

TEST(AddressTest, ReadsCellsAreasColumnsAndRows)
{
    const AddressCase cases[] = {
        {"B2", {{2, 2, 2, 2}}},
        {"a1:i1", {{1, 1, 1, 9}}},
        {"$A$1:$C$3", {{1, 1, 3, 3}}},
        {"B5:A1", {{1, 1, 5, 2}}}, // corners put in order
        {"A2:F18,A21:F37", {{2, 1, 18, 6}, {21, 1, 37, 6}}},
        {"A:A", {{1, 1, kMaxRows, 1}}},
        {"C:E", {{1, 3, kMaxRows, 5}}},
        {"1:1", {{1, 1, 1, kMaxColumns}}},
        {"AC1", {{1, 29, 1, 29}}},
        {"XFD1048576", {{kMaxRows, kMaxColumns, kMaxRows, kMaxColumns}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(address::parseRange(QString::fromLatin1(c.text)), c.areas) << c.text;
    }
}

TEST(AddressTest, RefusesWhatIsNoAddress)
{
    for (const char* bad : {"", "A", "1", "A1:C", "A:1", "B2:B0", "A0", "XFE1", "A1048577", "A1,,B2", "A1 B2",
                            "A1:B2:C3", "1A", "$$A1"}) {
        EXPECT_EQ(errorOf([&] { address::parseRange(QString::fromLatin1(bad)); }), 1004) << bad;
    }
}

TEST(AddressTest, ColumnsAndRowsTakeOnlyTheirKind)
{
    EXPECT_EQ(address::parseColumns("B"), (std::vector<Area>{{1, 2, kMaxRows, 2}}));
    EXPECT_EQ(address::parseRows("3:4"), (std::vector<Area>{{3, 1, 4, kMaxColumns}}));
    EXPECT_THROW(address::parseColumns("1:1"), platform::RuntimeError);
    EXPECT_THROW(address::parseRows("A:A"), platform::RuntimeError);
    EXPECT_THROW(address::parseColumns("A1"), platform::RuntimeError);
    EXPECT_EQ(address::columnName(1), "A");
    EXPECT_EQ(address::columnName(29), "AC");
    EXPECT_EQ(address::columnName(kMaxColumns), "XFD");
}

} // namespace
