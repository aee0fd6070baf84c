#include "datamodel/common/KeyedCollection.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using Telva27::KeyedCollection;
using testsupport::errorOf;

TEST(KeyedCollection, KeepsOrderAndIgnoresAsciiCaseOfKeys)
{
    KeyedCollection<int> c;
    c.Add(std::make_shared<int>(1), "Speed");
    c.Add(std::make_shared<int>(2), "trim");
    c.Add(std::make_shared<int>(3), QString::fromUtf8("Ä"));
    EXPECT_EQ(*c.Item(1), 1);
    EXPECT_EQ(*c.Item("SPEED"), 1);
    EXPECT_EQ(*c.Item("Trim"), 2);
    EXPECT_FALSE(c.Contains(QString::fromUtf8("ä"))); // only ASCII letters fold
    std::vector<int> seen;
    for (const auto& item : c)
        seen.push_back(*item);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));

    c.Remove("SPEED");
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(*c.Item(1), 2);
    c.Remove(1);
    EXPECT_EQ(*c.Item(1), 3);
    c.Add(std::make_shared<int>(4), "speed"); // a removed key can come back
    EXPECT_EQ(c.Count(), 2);
}

TEST(KeyedCollection, MisuseRaisesTheRuntimeErrors)
{
    KeyedCollection<int> c;
    c.Add(std::make_shared<int>(1), "a");
    EXPECT_EQ(errorOf([&] { c.Add(std::make_shared<int>(2), "A"); }), 457);
    EXPECT_EQ(errorOf([&] { c.Item("b"); }), 5);
    EXPECT_EQ(errorOf([&] { c.Item(0); }), 9);
    EXPECT_EQ(errorOf([&] { c.Item(2); }), 9);
    EXPECT_EQ(errorOf([&] { c.Remove("b"); }), 5);
    EXPECT_EQ(c.Count(), 1);
}

TEST(KeyedCollection, LargeCollectionsBehaveTheSame)
{
    // Past a few dozen items lookups go through an index; order, case and removal must not change.
    KeyedCollection<int> c;
    for (int i = 0; i < 100; ++i)
        c.Add(std::make_shared<int>(i), QStringLiteral("Key%1").arg(i));
    EXPECT_EQ(*c.Item("KEY77"), 77);
    EXPECT_EQ(errorOf([&] { c.Add(std::make_shared<int>(0), "key5"); }), 457);
    c.Remove("key50");
    c.Remove(1);
    EXPECT_FALSE(c.Contains("Key50"));
    EXPECT_FALSE(c.Contains("Key0"));
    EXPECT_EQ(*c.Item(1), 1);
    EXPECT_EQ(c.Count(), 98);
    c.Add(std::make_shared<int>(50), "KEY50");
    EXPECT_EQ(*c.Item(99), 50);
    EXPECT_EQ(*c.Item("key50"), 50);
}
