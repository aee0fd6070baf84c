#include "util/method/clsMethod.h"
#include "util/property/clsProperty.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/Settings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::writeFile;
namespace settings = platform::settings;

namespace {

QString configFolder() { return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")); }

class RegDefaultKeyTest : public testing::Test {
protected:
    Ostrel7::clsProperty property;
};

} // namespace

TEST_F(RegDefaultKeyTest, WritesOnlyWhereTheValueIsMissingOrEmpty)
{
    const struct {
        const char* key;
        std::optional<QString> stored;
        QVariant defaultValue;
        QString expected;
    } cases[] = {
        {"Missing", std::nullopt, QVariant(true), "True"},
        {"Empty", QString(""), QVariant(12), "12"},
        {"Zero", QString("0"), QVariant(5), "0"},
        {"False", QString("False"), QVariant(true), "False"},
        {"Number", std::nullopt, QVariant(1.5), "1.5"},
        {"Text", std::nullopt, QVariant(QStringLiteral("/opt/qel")), "/opt/qel"},
    };
    for (const auto& c : cases) {
        if (c.stored)
            settings::write("QELM_SET", "General", c.key, *c.stored);
        EXPECT_TRUE(property.RegDefaultKey("QELM_SET", "General", QString::fromLatin1(c.key), c.defaultValue));
        EXPECT_EQ(settings::read("QELM_SET", "General", c.key).value_or("<missing>"), c.expected) << c.key;
    }
    EXPECT_TRUE(property.ExistsRegEntry("QELM_SET", "General", "Zero"));
    EXPECT_FALSE(property.ExistsRegEntry("QELM_SET", "General", "Nothing"));
}

TEST_F(RegDefaultKeyTest, ASecondCallFindsTheValueAndKeepsIt)
{
    EXPECT_TRUE(property.RegDefaultKey("QELM_STP", "Location", "Left", 100));
    EXPECT_TRUE(property.RegDefaultKey("QELM_STP", "Location", "Left", 200));
    EXPECT_EQ(settings::read("QELM_STP", "Location", "Left"), QStringLiteral("100"));
}

TEST_F(RegDefaultKeyTest, FailuresAreReportedAndAnswerFalse)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(property.RegDefaultKey("QELM_SET", "General", "Null", QVariant()));
    EXPECT_FALSE(property.ExistsRegEntry("QELM_SET", "General", "Null"));

    QDir(configFolder()).mkpath("QELM/Sorvi27.ini"); // the store can't be written
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(property.RegDefaultKey("Sorvi27", "General", "Key", 1));

    const auto boxes = scriptedUi().calls();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes)
        EXPECT_TRUE(box.text.startsWith("RegDefaultKey\r\n")) << box.text.toStdString();
    EXPECT_TRUE(boxes[0].text.contains("[ErrCode] 94"));
}

namespace {

class IniTest : public testing::Test {
protected:
    QString ini() const { return dir.filePath("qel.ini"); }
    QTemporaryDir dir;
    Ostrel7::clsProperty property;
    Ostrel7::clsMethod method;
};

} // namespace

TEST_F(IniTest, MissingKeysReadAsTheSentinels)
{
    EXPECT_EQ(property.GetProfileValueInt("S", "K", ini()), 582931);
    EXPECT_EQ(property.GetProfileValueString("S", "K", ini()), QStringLiteral("????????"));
    writeFile(ini(), "[S]\r\nK=42abc\r\nW=word\r\nLong=" + QByteArray(3000, 'a') + "\r\n");
    EXPECT_EQ(property.GetProfileValueInt("S", "K", ini()), 42);
    EXPECT_EQ(property.GetProfileValueInt("S", "W", ini()), 0);
    EXPECT_EQ(property.GetProfileValueString("S", "Long", ini()).size(), 2559);
}

TEST_F(IniTest, WriteProfileValueAnswersWhatTheWriteDid)
{
    EXPECT_TRUE(property.WriteProfileValue("S", "Flag", true, ini()));
    EXPECT_EQ(property.GetProfileValueString("S", "Flag", ini()), QStringLiteral("True"));
    EXPECT_FALSE(property.WriteProfileValue("S", "K", 1, dir.filePath("no/folder/x.ini")));
}

TEST_F(IniTest, DefaultWriterTellsMissingKeysBySentinel)
{
    writeFile(ini(), "[S]\r\nWord=abc\r\nNum=582931\r\nEmpty=\r\nMark=qorvatle\r\n");
    method.RegIniDefaultKey("S", "Word", 7, ini());            // reads 0: present
    method.RegIniDefaultKey("S", "Num", 7, ini());             // the sentinel: rewritten
    method.RegIniDefaultKey("S", "New", 2.5, ini());           // missing: written
    method.RegIniDefaultKey("S", "Empty", QString("d"), ini()); // present though empty
    method.RegIniDefaultKey("S", "Mark", QString("d"), ini()); // the sentinel: rewritten
    EXPECT_EQ(readFile(ini()), QByteArray("[S]\r\nWord=abc\r\nNum=7\r\nEmpty=\r\nMark=d\r\nNew=2.5\r\n"));
}

TEST_F(IniTest, DefaultWriterRefusesOtherTypes)
{
    for (const QVariant& value : {QVariant(true), QVariant(QDate(2026, 1, 1))}) {
        scriptedUi().answerMessageBox(platform::vbOK);
        method.RegIniDefaultKey("S", "K", value, ini());
        EXPECT_EQ(scriptedUi().calls().back().text, QStringLiteral("Unknown vartype !"));
        EXPECT_EQ(scriptedUi().calls().back().style, platform::vbOKOnly);
    }
    EXPECT_FALSE(QFile::exists(ini()));
}
