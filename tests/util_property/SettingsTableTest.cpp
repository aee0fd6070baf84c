#include "util/property/SettingsTable.h"

#include "util/property/clsProperty.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "platform/Settings.h"

#include <QDir>
#include <gtest/gtest.h>

using Ostrel7::SettingDecl;
using Ostrel7::SettingsTable;
using Ostrel7::SettingType;
using testsupport::errorOf;
using testsupport::scriptedUi;
namespace settings = platform::settings;

namespace {

// A table of every type, defaults given the ways declarations give them.
QList<SettingDecl> testSettings()
{
    return {
        {"FileInfo", "InitialPath", QStringLiteral("/opt/qel/"), SettingType::Text},
        {"General", "DoesAsk", true, SettingType::Bool},
        {"General", "DoesExpand", 0, SettingType::Bool},
        {"Location", "Width", 1900, SettingType::Int},
        {"Location", "Zoom", QStringLiteral("1.5"), SettingType::Double},
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
        const char* key;
        const char* stored; // nullptr: missing
        QVariant expected;
        bool converts; // what storedValueConverts tells
    } cases[] = {
        {"DoesAsk", nullptr, true, true},          {"DoesAsk", "", true, true},
        {"DoesAsk", "False", false, true},         {"DoesAsk", " false ", false, true},
        {"DoesAsk", "0", false, true},             {"DoesAsk", "yes", true, false},
        {"DoesExpand", "-1", true, true},          {"DoesExpand", "TRUE", true, true},
        {"DoesExpand", "maybe", false, false},     {"Width", nullptr, 1900, true},
        {"Width", "2400", 2400, true},             {"Width", " -15 ", -15, true},
        {"Width", "12.5", 12, true},               {"Width", "abc", 1900, false},
        {"Width", "2147483648", 1900, false},      {"Width", "1,200", 1900, false},
        {"Zoom", "0.25", 0.25, true},              {"Zoom", "0,25", 1.5, false},
        {"Zoom", "1e400", 1.5, false},             {"InitialPath", "/home/u/", "/home/u/", true},
        {"InitialPath", "", "/opt/qel/", true},
    };
    for (const auto& c : cases) {
        const SettingDecl& decl = *std::find_if(table.settings().begin(), table.settings().end(),
                                                [&](const SettingDecl& d) { return d.key == QLatin1String(c.key); });
        if (c.stored)
            settings::write(table.app(), decl.section, decl.key, QString::fromLatin1(c.stored));
        else
            settings::remove(table.app(), decl.section, decl.key);
        QVariant read;
        switch (decl.type) {
        case SettingType::Text: read = table.readText(decl.section, decl.key); break;
        case SettingType::Bool: read = table.readBool(decl.section, decl.key); break;
        case SettingType::Int: read = table.readInt(decl.section, decl.key); break;
        case SettingType::Double: read = table.readDouble(decl.section, decl.key); break;
        }
        EXPECT_EQ(read, c.expected) << c.key << " stored as '" << (c.stored ? c.stored : "<missing>") << "'";
        EXPECT_EQ(table.storedValueConverts(decl.section, decl.key), c.converts)
            << c.key << " stored as '" << (c.stored ? c.stored : "<missing>") << "'";
    }
}

TEST_F(SettingsTableTest, WritesValuesInTheStoredFormOfTheirType)
{
    table.write("General", "DoesAsk", false);
    table.write("general", "doesexpand", QStringLiteral("1")); // the address as a caller may spell it
    table.write("Location", "Width", 1234.5);
    table.write("Location", "Zoom", 0.1);
    EXPECT_EQ(stored("General", "DoesAsk"), QStringLiteral("False"));
    EXPECT_EQ(stored("General", "DoesExpand"), QStringLiteral("True"));
    EXPECT_EQ(stored("Location", "Width"), QStringLiteral("1234"));
    EXPECT_EQ(stored("Location", "Zoom"), QStringLiteral("0.1"));
    EXPECT_EQ(table.readBool("GENERAL", "DOESEXPAND"), true);

    EXPECT_EQ(errorOf([&] { table.write("Location", "Width", QStringLiteral("wide")); }),
              platform::errTypeMismatch);
    EXPECT_EQ(errorOf([&] { table.write("Location", "Width", 1e10); }), platform::errOverflow);
    EXPECT_EQ(stored("Location", "Width"), QStringLiteral("1234"));
}

TEST_F(SettingsTableTest, ResetLeavesOnlyTheDefaults)
{
    table.write("Location", "Width", 10);
    settings::write(table.app(), "Other", "Stray", "x");
    table.resetToDefaults();
    EXPECT_EQ(stored("Location", "Width"), QStringLiteral("1900"));
    EXPECT_EQ(stored("General", "DoesAsk"), QStringLiteral("True"));
    EXPECT_FALSE(stored("Other", "Stray").has_value());
}

TEST_F(SettingsTableTest, DeclarationMistakesAreErrors)
{
    EXPECT_EQ(errorOf([&] { table.readInt("Location", "Height"); }), platform::errInvalidCall);
    EXPECT_EQ(errorOf([&] { table.readInt("General", "DoesAsk"); }), platform::errTypeMismatch);
    const SettingDecl notABoolean{"General", "Flag", QStringLiteral("often"), SettingType::Bool};
    EXPECT_EQ(errorOf([&] { SettingsTable("T", {notABoolean}); }), platform::errTypeMismatch);
    const SettingDecl flag{"General", "Flag", true, SettingType::Bool};
    const SettingDecl sameKey{"general", "FLAG", 1, SettingType::Int};
    EXPECT_EQ(errorOf([&] { SettingsTable("T", {flag, sameKey}); }), platform::errInvalidCall);
}
