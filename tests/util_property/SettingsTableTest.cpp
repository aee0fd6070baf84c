#include "util/property/SettingsTable.h"

#include "util/property/clsProperty.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "platform/Settings.h"

#include <QDir>
#include <gtest/gtest.h>

using Ostrel7::SettingDecl;
using Ostrel7::SettingName;
using Ostrel7::SettingsTable;
using Ostrel7::SettingType;
using testsupport::errorOf;
using testsupport::scriptedUi;
namespace settings = platform::settings;

namespace {

constexpr SettingName kInitialPath{"FileInfo", "InitialPath"};
constexpr SettingName kDoesAsk{"General", "DoesAsk"};
constexpr SettingName kDoesExpand{"General", "DoesExpand"};
constexpr SettingName kWidth{"Location", "Width"};
constexpr SettingName kZoom{"Location", "Zoom"};
// Published under an application of its own, whatever the table's is.
constexpr SettingName kPublished{"SETTING", "MYPATH", "SettingsTableTestPublished"};

// A table of every type, defaults given the ways declarations give them.
QList<SettingDecl> testSettings()
{
    return {
        {kInitialPath, QStringLiteral("/opt/qel/"), SettingType::Text},
        {kDoesAsk, true, SettingType::Bool},
        {kDoesExpand, 0, SettingType::Bool},
        {kWidth, 1900, SettingType::Int},
        {kZoom, QStringLiteral("1.5"), SettingType::Double},
        {kPublished, QStringLiteral("/nowhere"), SettingType::Text},
    };
}

QString configFolder() { return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")); }

// Each test has an application of its own, since the store lives for the whole test run.
class SettingsTableTest : public testing::Test {
protected:
    SettingsTable table{QString::fromLatin1(testing::UnitTest::GetInstance()->current_test_info()->name()),
                        testSettings()};
    Ostrel7::clsProperty property;

    std::optional<QString> stored(const QString& section, const QString& key) const
    {
        return settings::read(table.app(), section, key);
    }
};

} // namespace

TEST_F(SettingsTableTest, WritesEachMissingDefaultInItsStoredForm)
{
    settings::write(table.app(), "General", "DoesAsk", "False"); // a value of the user's: kept
    settings::write(table.app(), "Location", "Width", "");        // empty counts as missing
    EXPECT_TRUE(table.writeMissingDefaults(property));
    EXPECT_EQ(stored("FileInfo", "InitialPath"), QStringLiteral("/opt/qel/"));
    EXPECT_EQ(stored("General", "DoesAsk"), QStringLiteral("False"));
    EXPECT_EQ(stored("General", "DoesExpand"), QStringLiteral("False"));
    EXPECT_EQ(stored("Location", "Width"), QStringLiteral("1900"));
    EXPECT_EQ(stored("Location", "Zoom"), QStringLiteral("1.5"));
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(SettingsTableTest, StopsAtTheFirstDefaultThatCannotBeWritten)
{
    QDir(configFolder()).mkpath("QELM/" + table.app() + ".ini"); // the store can't be written
    scriptedUi().answerMessageBox(platform::vbOK);
    const SettingDecl* failed = nullptr;
    EXPECT_FALSE(table.writeMissingDefaults(property, &failed));
    EXPECT_EQ(failed, &table.settings().front());
    // One report: the remaining settings were not tried.
    const auto boxes = scriptedUi().calls();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith("RegDefaultKey\r\n"));
}

TEST_F(SettingsTableTest, ReadsFallBackToTheDefaultWhereTheValueDoesNotConvert)
{
    const struct {
        SettingName name;
        const char* stored; // nullptr: missing
        QVariant expected;
        bool converts; // what storedValueConverts tells
    } cases[] = {
        {kDoesAsk, nullptr, true, true},          {kDoesAsk, "", true, true},
        {kDoesAsk, "False", false, true},         {kDoesAsk, " false ", false, true},
        {kDoesAsk, "0", false, true},             {kDoesAsk, "yes", true, false},
        {kDoesExpand, "-1", true, true},          {kDoesExpand, "TRUE", true, true},
        {kDoesExpand, "maybe", false, false},     {kWidth, nullptr, 1900, true},
        {kWidth, "2400", 2400, true},             {kWidth, " -15 ", -15, true},
        {kWidth, "12.5", 12, true},               {kWidth, "abc", 1900, false},
        {kWidth, "2147483648", 1900, false},      {kWidth, "1,200", 1900, false},
        {kZoom, "0.25", 0.25, true},              {kZoom, "0,25", 1.5, false},
        {kZoom, "1e400", 1.5, false},             {kInitialPath, "/home/u/", "/home/u/", true},
        {kInitialPath, "", "/opt/qel/", true},
    };
    for (const auto& c : cases) {
        const SettingDecl& decl = *std::find_if(table.settings().begin(), table.settings().end(),
                                                [&](const SettingDecl& d) { return QLatin1String(d.name.key) == QLatin1String(c.name.key); });
        const QString section = QLatin1String(c.name.section);
        const QString key = QLatin1String(c.name.key);
        if (c.stored)
            settings::write(table.app(), section, key, QString::fromLatin1(c.stored));
        else
            settings::remove(table.app(), section, key);
        QVariant read;
        switch (decl.type) {
        case SettingType::Text: read = table.readText(c.name); break;
        case SettingType::Bool: read = table.readBool(c.name); break;
        case SettingType::Int: read = table.readInt(c.name); break;
        case SettingType::Double: read = table.readDouble(c.name); break;
        }
        EXPECT_EQ(read, c.expected) << c.name.key << " stored as '" << (c.stored ? c.stored : "<missing>") << "'";
        EXPECT_EQ(table.storedValueConverts(c.name), c.converts)
            << c.name.key << " stored as '" << (c.stored ? c.stored : "<missing>") << "'";
    }
    // The whole table: every value converts, then all but Width's.
    table.resetToDefaults();
    EXPECT_TRUE(table.everyStoredValueConverts());
    settings::write(table.app(), "Location", "Width", "abc");
    EXPECT_FALSE(table.everyStoredValueConverts());
}

TEST_F(SettingsTableTest, WritesValuesInTheStoredFormOfTheirType)
{
    constexpr SettingName kDoesExpandOtherCase{"general", "doesexpand"}; // a name as a caller may spell it
    constexpr SettingName kDoesExpandUpperCase{"GENERAL", "DOESEXPAND"};
    table.write(kDoesAsk, false);
    table.write(kDoesExpandOtherCase, QStringLiteral("1"));
    table.write(kWidth, 1234.5);
    table.write(kZoom, 0.1);
    EXPECT_EQ(stored("General", "DoesAsk"), QStringLiteral("False"));
    EXPECT_EQ(stored("General", "DoesExpand"), QStringLiteral("True"));
    EXPECT_EQ(stored("Location", "Width"), QStringLiteral("1234"));
    EXPECT_EQ(stored("Location", "Zoom"), QStringLiteral("0.1"));
    EXPECT_EQ(table.readBool(kDoesExpandUpperCase), true);

    EXPECT_EQ(errorOf([&] { table.write(kWidth, QStringLiteral("wide")); }), platform::errTypeMismatch);
    EXPECT_EQ(errorOf([&] { table.write(kWidth, 1e10); }), platform::errOverflow);
    EXPECT_EQ(stored("Location", "Width"), QStringLiteral("1234"));
}

TEST_F(SettingsTableTest, ResetLeavesOnlyTheDefaults)
{
    table.write(kWidth, 10);
    settings::write(table.app(), "Other", "Stray", "x");
    table.resetToDefaults();
    EXPECT_EQ(stored("Location", "Width"), QStringLiteral("1900"));
    EXPECT_EQ(stored("General", "DoesAsk"), QStringLiteral("True"));
    EXPECT_FALSE(stored("Other", "Stray").has_value());
}

TEST_F(SettingsTableTest, DeclarationMistakesAreErrors)
{
    constexpr SettingName kUndeclared{"Location", "Height"};
    EXPECT_EQ(errorOf([&] { table.readInt(kUndeclared); }), platform::errInvalidCall);
    EXPECT_EQ(errorOf([&] { table.write(kUndeclared, 1); }), platform::errInvalidCall);
    EXPECT_EQ(errorOf([&] { table.readInt(kDoesAsk); }), platform::errTypeMismatch);
    // The same section and key under another application is another setting.
    EXPECT_EQ(errorOf([&] { table.readText({"SETTING", "MYPATH"}); }), platform::errInvalidCall);
    const SettingDecl notABoolean{{"General", "Flag"}, QStringLiteral("often"), SettingType::Bool};
    EXPECT_EQ(errorOf([&] { SettingsTable("T", {notABoolean}); }), platform::errTypeMismatch);
    const SettingDecl flag{{"General", "Flag"}, true, SettingType::Bool};
    const SettingDecl sameKey{{"general", "FLAG"}, 1, SettingType::Int};
    EXPECT_EQ(errorOf([&] { SettingsTable("T", {flag, sameKey}); }), platform::errInvalidCall);
    const SettingDecl flagElsewhere{{"General", "Flag", "Elsewhere"}, 1, SettingType::Int};
    EXPECT_EQ(errorOf([&] { SettingsTable("T", {flag, flagElsewhere}); }), 0);
}

TEST_F(SettingsTableTest, APublishedSettingLivesUnderItsOwnApplication)
{
    const QString published = QString::fromLatin1(kPublished.app);
    settings::clear(published);
    // Its program writes it when it publishes it: no default, and a reset leaves it alone.
    EXPECT_TRUE(table.writeMissingDefaults(property));
    EXPECT_FALSE(settings::read(published, "SETTING", "MYPATH").has_value());
    EXPECT_FALSE(stored("SETTING", "MYPATH").has_value());
    EXPECT_EQ(table.readText(kPublished), QStringLiteral("/nowhere"));

    table.write(kPublished, QStringLiteral("/opt/qel"));
    EXPECT_EQ(settings::read(published, "SETTING", "MYPATH"), QStringLiteral("/opt/qel"));
    EXPECT_FALSE(stored("SETTING", "MYPATH").has_value());
    table.resetToDefaults();
    EXPECT_EQ(table.readText(kPublished), QStringLiteral("/opt/qel"));
    settings::clear(published);

    // Another program's store is no part of this table's check, even when it cannot be read.
    const QString unreadable = "QELM/" + published + ".ini";
    QDir(configFolder()).remove(unreadable);
    ASSERT_TRUE(QDir(configFolder()).mkpath(unreadable));
    ASSERT_NE(errorOf([&] { table.readText(kPublished); }), 0);
    EXPECT_EQ(errorOf([&] { EXPECT_TRUE(table.everyStoredValueConverts()); }), 0);
    QDir(configFolder()).rmdir(unreadable);
}
