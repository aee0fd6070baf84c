#include "datamodel/customize/colclsCustom.h"

#include "ScriptedUi.h"
#include "platform/Cp932.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Telva27;
using testsupport::scriptedUi;

namespace {

class CustomSetFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Set04.e", "Set05.e"})
            QFile::remove(QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name)));
    }

    static void writeSetFile(const char* name, const QString& text)
    {
        QFile f(QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(platform::cp932::encode(text));
    }

    // Expects exactly one error report, under that label, mentioning that text.
    static void expectReport(const char* label, const char* mention = "")
    {
        ASSERT_EQ(scriptedUi().calls().size(), 1u);
        const QString text = scriptedUi().calls()[0].text;
        EXPECT_TRUE(text.startsWith(QLatin1String(label) + "\r\n")) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(mention))) << text.toStdString();
    }

    colclsCustom pins;
};

// Field 1-6 of an output line with valid delay addresses, and its fields 7-15.
const QString kOut1 = "OUT1\t40\t41\t1\t42\t1\t2\t4\t43\t44\t45\t&H10\t46\t45\t7\r\n";

} // namespace

TEST_F(CustomSetFilesTest, ReadsInputAndOutputPins)
{
    writeSetFile("Set04.e", "IN1\t&H10\t20\t&H01\t20\t&H80\textra\r\n IN2 \t17\t20\t2\t21\t1.5\r\n");
    writeSetFile("Set05.e", kOut1 + "out2\t50\t51\t1\t51\t2\t4\t8\t52\t53\t0\t0\t0\t0\t0\tignored\r\n");
    ASSERT_TRUE(pins.ReadSet04e());
    ASSERT_TRUE(pins.ReadSet05e());
    ASSERT_EQ(pins.Count(), 4);

    const auto in1 = pins.Item(1);
    EXPECT_EQ(in1->Location(), "IN1");
    EXPECT_EQ(in1->KinoRamAddress(), 16);
    EXPECT_EQ(in1->LogicRamAddress(), 20);
    EXPECT_EQ(in1->LogicBit(), 1);
    EXPECT_EQ(in1->DosaRamAddress(), 20);
    EXPECT_EQ(in1->DosaBit(), 128);
    EXPECT_EQ(pins.Item(2)->Location(), " IN2 "); // the name is taken as it stands
    EXPECT_EQ(pins.Item(2)->DosaBit(), 2);        // 1.5 rounds to even

    const auto out1 = pins.Item("OUT1");
    EXPECT_FALSE(out1->OutIsLack());
    EXPECT_EQ(out1->DosaOnDelayBit(), 2);
    EXPECT_EQ(out1->DosaOffDelayBit(), 4);
    EXPECT_EQ(out1->OnDelayTimeRamAddress(), 43);
    EXPECT_EQ(out1->OffDelayTimeRamAddress(), 44);
    EXPECT_EQ(out1->ChoppingRamAddress(), 45);
    EXPECT_EQ(out1->ChoppingBit(), 0x10);
    EXPECT_EQ(out1->ZenpaTimeRamAddress(), 46);
    EXPECT_EQ(out1->DutyRamAddress(), 45);
    EXPECT_EQ(out1->DutyBit(), 7);
    // Without chopping the pin has no chopping, full-wave time and duty, so
    // their zero addresses are no header addresses.
    EXPECT_TRUE(pins.Item("out2")->OutIsLack());
}

TEST_F(CustomSetFilesTest, ABadLineStopsTheReadAfterAReportAndNothingOfTheFileIsTaken)
{
    const struct {
        const char* file;
        QString text;
        const char* mention;
    } cases[] = {
        {"Set04.e", "IN1\t16\t20\t1\t20\t2\r\nIN2\t17\t20\t4\t20\r\n", "Subscript"},  // too few fields
        {"Set04.e", "IN1\t16\t20\t1\t20\t2\r\n\r\nIN2\t17\t21\t1\t21\t2\r\n", "Subscript"}, // empty line
        {"Set04.e", "IN1\t16\t20\t256\t20\t2\r\n", "Overflow"},                           // mask beyond a byte
        {"Set04.e", "IN1\t16\t20\t1\t20\t2\r\nin1\t17\t21\t1\t21\t2\r\n", "already"},       // duplicate name
        {"Set04.e", "IN1\t16\t20\t1\t20\t2\r\nPRE\t17\t21\t1\t21\t2\r\n", "already"},       // a pin read before
        {"Set05.e", kOut1 + "\r\n", "Subscript"},                                         // trailing empty line
        {"Set05.e", "OUT1\t40\t41\t1\t42\t1\t2\t4\t43\t44\t45\t16\t46\t45\r\n", "Subscript"},
        {"Set05.e", kOut1 + "OUT2\t50\t51\t1", "Subscript"},                             // cut mid-line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        colclsCustom fresh;
        fresh.Add(eOUTPUT, "PRE", 60, 61, 1, 62, 1);
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        writeSetFile(c.file, c.text);
        EXPECT_FALSE(QLatin1String(c.file) == "Set04.e" ? fresh.ReadSet04e() : fresh.ReadSet05e());
        expectReport(QLatin1String(c.file) == "Set04.e" ? "ReadSet04e" : "ReadSet05e", c.mention);
        ASSERT_EQ(fresh.Count(), 1);
        EXPECT_EQ(fresh.Item(1)->Location(), "PRE");
    }
}

TEST_F(CustomSetFilesTest, MissingFileFails)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(pins.ReadSet05e());
    expectReport("ReadSet05e", "File not found");
}

TEST_F(CustomSetFilesTest, PinsThatWouldDamageTheTableAreRefused)
{
    const struct {
        const char* file;
        const char* line;
        const char* mention;
    } refused[] = {
        {"Set04.e", "IN9\t11\t20\t1\t20\t2", "Kino at address 11 lies in the table header"},
        {"Set04.e", "IN9\t30\t0\t1\t20\t2", "Logic at address 0 lies in the table header"},
        {"Set04.e", "IN9\t8192\t20\t1\t20\t2", "Kino at address 8192 lies outside the table"},
        {"Set04.e", "IN9\t30\t20\t1\t-1\t2", "Dosa at address -1 lies outside the table"},
        // The delay times of an output pin are always written.
        {"Set05.e", "OUT9\t60\t61\t1\t61\t2\t4\t8\t0\t62\t0\t0\t0\t0\t0", "OnDelayTime at address 0 lies in"},
        {"Set05.e", "OUT9\t60\t61\t1\t61\t2\t4\t8\t63\t62\t64\t1\t65\t5\t7", "Duty at address 5 lies in"},
        // An input-file pin named as an output pin is written as one.
        {"Set04.e", "OPT\t30\t20\t1\t20\t2", "OnDelayTime at address 0"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.line);
        colclsCustom fresh;
        writeSetFile("Set05.e", kOut1);
        ASSERT_TRUE(fresh.ReadSet05e());
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        const QString first = QLatin1String(c.file) == "Set04.e" ? "FIRST\t72\t73\t1\t73\t2\r\n"
                                                                : "FIRST\t72\t73\t1\t73\t2\t4\t8\t74\t75\t0\t0\t0\t0\t0\r\n";
        writeSetFile(c.file, first + QString::fromLatin1(c.line) + "\r\nLAST\t70\t71\t1\t71\t2\r\n");
        EXPECT_FALSE(QLatin1String(c.file) == "Set04.e" ? fresh.ReadSet04e() : fresh.ReadSet05e());
        expectReport(QLatin1String(c.file) == "Set04.e" ? "ReadSet04e" : "ReadSet05e", c.mention);
        EXPECT_EQ(fresh.Count(), 1); // nothing of the file is kept, the pin before the refused one included
    }

    // What a pin never writes doesn't count: a mask of 0, and the output
    // fields of a pin that is not read as an output pin.
    writeSetFile("Set05.e", kOut1 + "OUT2\t50\t51\t0\t52\t1\t0\t2\t53\t54\t0\t0\t0\t0\t0\r\n"
                                    "XOUT\t55\t56\t1\t56\t2\t4\t8\t0\t0\t0\t0\t0\t0\t0\r\n");
    ASSERT_TRUE(pins.ReadSet05e());
    EXPECT_EQ(pins.Count(), 3);
}
