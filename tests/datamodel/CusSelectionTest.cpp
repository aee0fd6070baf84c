#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsStyle.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/Cp932.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace Telva27;
using testsupport::scriptedUi;

namespace {

class CusSelectionTest : public testing::Test {
protected:
    QString listFile(const QString& text)
    {
        const QString path = dir.filePath("Set08.e");
        testsupport::writeFile(path, platform::cp932::encode(text));
        return path;
    }
    QTemporaryDir dir;
    colclsCusSelection list;
};

} // namespace

TEST_F(CusSelectionTest, ReadsEntriesWithTheirLookups)
{
    ASSERT_TRUE(list.ReadSet6_7_8_9e(listFile("  Y_PLS \t&H14\t Pulse output \tOUT\r\n"
                                              "X_ON\t12\tOutput on\t\r\n"
                                              "COUNT1\t-1\tCounter\t  \r\n"
                                              "S001\t30000.5\tStep one\tSTEP\textra\r\n")));
    ASSERT_EQ(list.Count(), 4);
    const auto pulse = list.Item("20");
    EXPECT_EQ(pulse->Ditigal(), QStringLiteral("Y_PLS")); // the name is trimmed...
    EXPECT_EQ(pulse->Advice(), QStringLiteral(" Pulse output ")); // ...the description is not
    EXPECT_TRUE(pulse->Hidden());
    EXPECT_EQ(list.Item("12")->Category(), QStringLiteral("Category not specified"));
    EXPECT_EQ(list.Item("-1")->Category(), QStringLiteral("  "));
    EXPECT_EQ(list.Item(2)->Value(), 12); // a number is a position, a text a code
    EXPECT_EQ(list.Item("30000")->Ditigal(), QStringLiteral("S001"));

    const struct {
        const char* name;
        int16_t value;
        const char* category;
    } byName[] = {{"Y_PLS", 20, "OUT"}, {"y_pls", -1, ""}, {"COUNT1", -1, ""}, {"NONE", -1, ""}};
    for (const auto& c : byName) {
        EXPECT_EQ(list.ValueByDigital(c.name), c.value) << c.name;
        EXPECT_EQ(list.CategoryByDigital(c.name), QString::fromLatin1(c.category)) << c.name;
    }
    EXPECT_EQ(list.CategoryByValue(30000), QStringLiteral("STEP"));
    EXPECT_EQ(list.CategoryByValue(99), QStringLiteral("-1"));
    EXPECT_TRUE(list.dicValue().contains("12"));

    list.SwitchHidden(false);
    for (const auto& entry : list)
        EXPECT_FALSE(entry->Hidden());
}

TEST_F(CusSelectionTest, DuplicatesAreReportedAndTheReadGoesOn)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    ASSERT_TRUE(list.ReadSet6_7_8_9e(listFile("A\t1\ta\tX\r\nB\t1\tb\tX\r\nA\t2\ta2\tY\r\nC\t3\tc\tZ\r\n")));
    ASSERT_EQ(scriptedUi().calls().size(), 2u);
    for (const auto& call : scriptedUi().calls())
        EXPECT_TRUE(call.text.startsWith("Add\r\n"));
    EXPECT_EQ(list.Count(), 3);                   // the duplicate code adds nothing
    EXPECT_EQ(list.ValueByDigital("A"), 1);       // the duplicate name keeps its first code
    EXPECT_EQ(list.CategoryByValue(2), "-1");     // and its new code is not looked up
    EXPECT_EQ(list.Item("2")->Ditigal(), "A");    // though the entry is listed
    EXPECT_EQ(list.ValueByDigital("C"), 3);
}

TEST_F(CusSelectionTest, UnreadableLinesStopTheReadAndLeaveTheListAsItWas)
{
    for (const char* text : {"A\t1\ta\r\nB\t2\tb\tX\r\n", "A\t1\ta\tX\r\n\r\nB\t2\tb\tX\r\n",
                             "A\t1\ta\tX\r\nB\t40000\tb\tX\r\n", "A\t1\ta\tX\r\nB\t2\tb"}) {
        colclsCusSelection fresh;
        ASSERT_TRUE(fresh.ReadSet6_7_8_9e(listFile("Z\t9\tz\tX\r\n")));
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(fresh.ReadSet6_7_8_9e(listFile(text))) << text;
        EXPECT_TRUE(scriptedUi().calls().back().text.startsWith("ReadSet6_7_8_9e\r\n"));
        EXPECT_EQ(fresh.Count(), 1) << text;
        EXPECT_EQ(fresh.dicDigital().keys(), QStringList("Z"));
        EXPECT_EQ(fresh.dicValue().keys(), QStringList("9"));
    }
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(list.ReadSet6_7_8_9e(dir.filePath("missing.e")));
}

TEST_F(CusSelectionTest, CodesOutside16BitsAreRefusedNotWrapped)
{
    const struct {
        const char* member;
        std::function<void(int64_t)> call;
    } cases[] = {
        {"Add", [this](int64_t v) { list.Add(QString("F%1").arg(v), v, "", "OUT"); }},
        {"CategoryByValue", [this](int64_t v) { list.CategoryByValue(v); }},
        {"clsCusSelection.Value", [](int64_t v) { clsCusSelection().setValue(v); }},
    };
    for (const auto& c : cases) {
        for (const int64_t fits : {-32768, 32767})
            EXPECT_NO_THROW(c.call(fits)) << c.member << " " << fits;
        for (const int64_t wraps : {-32769, 32768, 40000}) {
            try {
                c.call(wraps);
                ADD_FAILURE() << c.member << " took " << wraps;
            } catch (const platform::RuntimeError& e) {
                EXPECT_EQ(e.number(), platform::errOverflow) << c.member << " " << wraps;
            }
        }
    }
    // The overflow is the caller's: nothing reported, nothing listed.
    EXPECT_TRUE(scriptedUi().calls().empty());
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.dicValue().contains("-25536"));
    EXPECT_EQ(list.CategoryByValue(-25536), "-1");
    EXPECT_EQ(list.CategoryByValue(32767), "OUT");
}

TEST_F(CusSelectionTest, LookupByCodeFollowsTheEntries)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    ASSERT_TRUE(list.ReadSet6_7_8_9e(listFile("A\t-1\ta\tCOUNT\r\nB\t256\tb\tIN\r\nA\t255\tdup\tIN\r\n")));
    EXPECT_EQ(list.entryByValue(-1), list.Item("-1").get());
    EXPECT_EQ(list.entryByValue(256)->Ditigal(), "B");
    EXPECT_EQ(list.entryByValue(255), nullptr); // listed, but not among the codes looked up
    EXPECT_EQ(list.entryByValue(0), nullptr);

    // A failed read leaves the lookup as it was.
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(list.ReadSet6_7_8_9e(listFile("C\t7\tc\tIN\r\nD\tx")));
    EXPECT_EQ(list.entryByValue(7), nullptr);
    EXPECT_EQ(list.CategoryByValue(-1), "COUNT");

    list.Remove("-1");
    list.Remove(1);
    EXPECT_EQ(list.entryByValue(-1), nullptr);
    EXPECT_EQ(list.entryByValue(256), nullptr);
    EXPECT_EQ(list.CategoryByValue(256), "-1");
    EXPECT_EQ(list.ValueByDigital("B"), -1);
    EXPECT_FALSE(list.dicValue().contains("256"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ValueByDigital("A"), -1);

    // Nothing of the removed entries is left to refuse them when listed again.
    ASSERT_TRUE(list.ReadSet6_7_8_9e(listFile("A\t-1\ta\tCOUNT\r\nB\t256\tb\tIN\r\n")));
    EXPECT_EQ(list.ValueByDigital("B"), 256);
    EXPECT_EQ(list.Count(), 2);
}

TEST(ConnectorPins, PinNumbersAreTextKeys)
{
    colclsStyle pins;
    EXPECT_EQ(pins.ConId(), eCONALL);
    EXPECT_EQ(pins.Count(), 0);
    pins.Add("2", "IN1");
    pins.Add("1", "IN1");
    pins.Add("01", "IN2");
    EXPECT_THROW(pins.Add("2", "IN3"), platform::RuntimeError);
    EXPECT_EQ(pins.Count(), 3);
    EXPECT_EQ(pins.Item(2)->PinNo(), QStringLiteral("1"));
    EXPECT_EQ(pins.Item("2")->Location(), QStringLiteral("IN1"));
    EXPECT_EQ(pins.Item("01")->Location(), QStringLiteral("IN2"));
}
