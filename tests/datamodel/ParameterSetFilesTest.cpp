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

TEST_F(SetFilesTest, AFailedReadLeavesTheModelAsItWas)
{
    const QString cut = kParameters + "TRIM\tTrim\tCut\tNUM"; // ends in the middle of a record
    const struct {
        const char* file;
        QString text;
    } cases[] = {
        {"Set01.e", "A\tX\r\n\r\nB\tY\r\n"}, // empty line
        {"Set01.e", "A\tX\r\nB\r\n"},         // too few fields
        {"Set01.e", "A\tX\r\na\tY\r\n"},      // duplicate group
        {"Set01.e", "Speed\tX\r\n"},          // a group the model has
        {"Set02.e", cut},
        {"Set02.e", "K\tSpeed\tP\tN\t\t0\t1\t-\t16\t0\t1\r\nK\tNone\tQ\tN\t\t0\t1\t-\t17\t0\t1\r\n"}, // no group
        {"Set02.e", "K\tSpeed\tP\tN\t\t0\t1\t-\t16\t0\t1\r\nK\tSpeed\tP\tN\t\t0\t1\t-\t16\t0\t1\r\n"}, // twice
        {"Set02.e", "K\tSpeed\tP\tN\t\t0\t1\t-\t16\t256\t1\r\n"}, // Bit beyond a byte
        {"Set02.e", "K\tSpeed\tP\tN\t\t0\t1\t-\t16\t0\r\n"},     // ten fields
        {"Set03.e", "Trim\tWiper\tOFF\t0\tNo wipe\r\nTrim\tNone\tON\t1\t-\r\n"}, // no parameter
        {"Set03.e", "Trim\tWiper\tOFF\t0\ta\r\nTrim\tWiper\tOFF\t1\tb\r\n"},  // choice twice
        {"Set03.e", "Trim\tWiper\tOFF\t0\tNo wipe\r\nTrim\tWiper\tON"},        // cut
    };
    // The model read so far, as text: groups, parameters, choices and descriptions.
    const auto contents = [](colclsFunction& m) {
        QStringList text;
        for (const auto& group : m) {
            text << group->FunctionName() + "/" + group->TOPKMK();
            for (const auto& digital : *group->Items()) {
                text << digital->Digital() + ": " + digital->DetailAdvice();
                for (const auto& choice : *digital->Selections())
                    text << choice->Selection() + "=" + QString::number(choice->Value());
            }
        }
        return text;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        colclsFunction m;
        writeSetFile("Set01.e", kGroups);
        writeSetFile("Set02.e", kParameters);
        writeSetFile("Set03.e", "Trim\tWiper\tON\t1\tWipes\r\n");
        ASSERT_TRUE(m.ReadSet01e() && m.ReadSet02e() && m.ReadSet03e());
        const QStringList before = contents(m);

        writeSetFile(c.file, c.text);
        scriptedUi().answerMessageBox(platform::vbOK);
        const QString file = QLatin1String(c.file);
        const bool read = file == "Set01.e" ? m.ReadSet01e() : file == "Set02.e" ? m.ReadSet02e() : m.ReadSet03e();
        EXPECT_FALSE(read);
        expectReportedAs(("ReadSet" + file.mid(3, 2) + "e").toLatin1().constData());
        EXPECT_EQ(contents(m), before);
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
    // Nothing of the file is applied, the removal before the failure included.
    EXPECT_TRUE(model.Item("Trim")->Items()->Contains("Hidden"));
    EXPECT_TRUE(model.Item("Trim")->Items()->Contains("Wiper"));
}

TEST_F(SetFilesTest, GroupLookupIgnoresLetterCase)
{
    writeSetFile("Set01.e", kGroups);
    writeSetFile("Set02.e", "K\tSPEED\tP\tN\t\t0\t1\t-\t16\t0\t1\n");
    ASSERT_TRUE(model.ReadSet01e());
    EXPECT_TRUE(model.ReadSet02e());
    EXPECT_EQ(model.Item("Speed")->Items()->Count(), 1);
}
