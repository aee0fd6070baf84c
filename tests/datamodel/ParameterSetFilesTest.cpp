#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"

#include "ScriptedUi.h"
#include "platform/Cp932.h"
#include "platform/Folders.h"
#include "tests/platform/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Telva27;
using testsupport::scriptedUi;

namespace {

void writeSetFile(const char* name, const QString& text)
{
    QFile f(QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(platform::cp932::encode(text));
}

class SetFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set10.e"})
            QFile::remove(QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name)));
    }
    void expectReportedAs(const char* label)
    {
        ASSERT_FALSE(scriptedUi().calls().empty());
        EXPECT_TRUE(scriptedUi().calls().back().text.startsWith(QLatin1String(label) + "\r\n"))
            << scriptedUi().calls().back().text.toStdString();
        EXPECT_EQ(scriptedUi().calls().back().title, QStringLiteral("ERROR"));
    }
    colclsFunction model;
};

const QString kGroups = "Speed\tNORMAL\r\nTrim\tSPECIAL\r\n";
const QString kParameters = "SPEED\tspeed\tMax speed\tNUMBER\trpm\t200\t4000\tTop speed\t&H1F4\t0\t2\r\n"
                            "TRIM\tTrim\tWiper\tSELECTION\t\t0\t1\tWiper on/off\t20\t48\t1\tignored\r\n"
                            "TRIM\tTrim\tHidden\tNUMBER\t\t0\t9\t-\t21\t0\t1\r\n";

} // namespace

TEST_F(SetFilesTest, ReadsGroupsParametersChoicesAndRemovals)
{
    writeSetFile("Set01.e", kGroups);
    writeSetFile("Set02.e", kParameters);
    writeSetFile("Set03.e", "Trim\tWiper\tOFF\t0\tNo wipe\r\nTrim\tWiper\tON\t1.5\tWipes<RETURN>after<return>trim\r\n"
                            "Trim\tWiper\t\t0\t" + QString::fromUtf8("注意") + "\r\n");
    writeSetFile("Set10.e", "  ; hidden on this machine\r\n  Hidden  \r\n");
    ASSERT_TRUE(model.ReadSet01e());
    ASSERT_TRUE(model.ReadSet02e());
    ASSERT_TRUE(model.ReadSet03e());
    ASSERT_TRUE(model.ReadSet10e());

    ASSERT_EQ(model.Count(), 2);
    const auto speed = model.Item("Speed")->Items()->Item("Max speed");
    EXPECT_EQ(speed->RamAddress(), 500);
    EXPECT_EQ(speed->DataRam(), 2);
    const auto wiper = model.Item("Trim")->Items()->Item("Wiper");
    EXPECT_EQ(wiper->Bit(), 0x30);
    EXPECT_EQ(wiper->Selections()->Count(), 2);
    EXPECT_EQ(wiper->Selections()->GetSelection(2), QStringLiteral("ON")); // 1.5 rounds to 2
    EXPECT_EQ(wiper->DetailAdvice(), QStringLiteral("[OFF]: No wipe\r\n\r\n[ON]: Wipes\r\nafter<return>trim\r\n") +
                                         QString::fromUtf8("注意"));
    EXPECT_FALSE(model.Item("Trim")->Items()->Contains("Hidden"));
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(SetFilesTest, FailuresStopTheReadAndKeepWhatCameBefore)
{
    const struct {
        const char* set01;
        const char* set02; // nullptr: the failure is in Set01.e
        int groups;
        int parameters;
    } cases[] = {
        {"A\tX\r\n\r\nB\tY\r\n", nullptr, 1, 0}, // empty line
        {"A\tX\r\nB\r\n", nullptr, 1, 0},          // too few fields
        {"A\tX\r\na\tY\r\n", nullptr, 1, 0},       // duplicate group
        {"A\tX\r\n", "K\ta\tP\tN\t\t0\t1\t-\t16\t0\t1\r\nK\tNone\tQ\tN\t\t0\t1\t-\t17\t0\t1\r\n", 1, 1}, // no group
        {"A\tX\r\n", "K\tA\tP\tN\t\t0\t1\t-\t16\t256\t1\r\n", 1, 0},   // Bit beyond a byte
        {"A\tX\r\n", "K\tA\tP\tN\t\t0\t1\t-\t16\t0\r\n", 1, 0},        // ten fields
    };
    for (const auto& c : cases) {
        colclsFunction m;
        writeSetFile("Set01.e", c.set01);
        scriptedUi().answerMessageBox(platform::vbOK);
        if (c.set02) {
            writeSetFile("Set02.e", c.set02);
            ASSERT_TRUE(m.ReadSet01e());
            EXPECT_FALSE(m.ReadSet02e()) << c.set02;
            expectReportedAs("ReadSet02e");
        } else {
            EXPECT_FALSE(m.ReadSet01e()) << c.set01;
            expectReportedAs("ReadSet01e");
        }
        EXPECT_EQ(m.Count(), c.groups);
        EXPECT_EQ(m.AllDititalCount(), c.parameters);
    }
}

TEST_F(SetFilesTest, EveryKindOfLineEndEndsARecord)
{
    writeSetFile("Set01.e", "Speed\tNORMAL\rTrim\tSPECIAL\nThird\tX\r\nFourth\tY\r");
    writeSetFile("Set02.e", QString(kParameters).replace("\r\n", "\r"));
    ASSERT_TRUE(model.ReadSet01e());
    ASSERT_TRUE(model.ReadSet02e());
    EXPECT_EQ(model.Count(), 4);
    EXPECT_EQ(model.Item(4)->FunctionName(), "Fourth");
    EXPECT_EQ(model.AllDititalCount(), 3);
    EXPECT_EQ(model.Item("Trim")->Items()->Item("Hidden")->DataRam(), 1);
}

TEST_F(SetFilesTest, WhatIsNoSetFileIsRefusedAtOnce)
{
    using testsupport::Standing;
    for (const Standing what : {Standing::Fifo, Standing::Folder, Standing::HugeFile}) {
        SCOPED_TRACE(testsupport::nameOf(what));
        const testsupport::StandIn standIn(QDir(platform::folders::libraryFolder()).filePath("Set01.e"), what);
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(model.ReadSet01e());
        expectReportedAs("ReadSet01e");
        const QString report = scriptedUi().calls().back().text;
        EXPECT_TRUE(report.contains("[ErrCode] 75")) << report.toStdString();
        EXPECT_TRUE(report.contains(what == Standing::HugeFile ? "at most 16777216 bytes" : "is not a regular file"))
            << report.toStdString();
        standIn.expectRefusedAtOnce();
        EXPECT_EQ(model.Count(), 0);
    }
}

TEST_F(SetFilesTest, AMissingFileIsReportedUnderTheReadersName)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(model.ReadSet01e());
    expectReportedAs("ReadSet01e");
    EXPECT_TRUE(scriptedUi().calls().back().text.contains("[ErrCode] 53"));
}

TEST_F(SetFilesTest, AnUnknownNameInSet10StopsWithItsMessage)
{
    writeSetFile("Set01.e", kGroups);
    writeSetFile("Set02.e", kParameters);
    writeSetFile("Set10.e", "Hidden\r\n   \r\nWiper\r\n");
    ASSERT_TRUE(model.ReadSet01e() && model.ReadSet02e());
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(model.ReadSet10e());
    EXPECT_EQ(scriptedUi().calls().back().text,
              QStringLiteral("Error:Values in set10.e must be included in oFunc.items!"));
    EXPECT_FALSE(model.Item("Trim")->Items()->Contains("Hidden"));
    EXPECT_TRUE(model.Item("Trim")->Items()->Contains("Wiper")); // lines after the failure are not applied
}

TEST_F(SetFilesTest, GroupLookupIgnoresLetterCase)
{
    writeSetFile("Set01.e", kGroups);
    writeSetFile("Set02.e", "K\tSPEED\tP\tN\t\t0\t1\t-\t16\t0\t1\n");
    ASSERT_TRUE(model.ReadSet01e());
    EXPECT_TRUE(model.ReadSet02e());
    EXPECT_EQ(model.Item("Speed")->Items()->Count(), 1);
}
