// The data model on the demo controller: what the Set files define, what the
// tables and the step file hold, and saves that must give back exactly the
// files they read.

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"
#include "datamodel/steps/colclsStep.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/Clock.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Telva27;

namespace {

QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }

class DemoController : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set10.e", "Set04.e", "Set05.e"}) {
            const QString copy = QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name));
            QFile::remove(copy);
            ASSERT_TRUE(QFile::copy(demo(name), copy));
        }
        ASSERT_TRUE(model.ReadSet01e() && model.ReadSet02e() && model.ReadSet03e() && model.ReadSet10e());
    }
    std::shared_ptr<clsDigital> digital(const char* group, const char* name)
    {
        return model.Item(group)->Items()->Item(name);
    }
    QString scratch(const char* name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }

    colclsFunction model;
    QTemporaryDir dir;
};

} // namespace

TEST_F(DemoController, TablesFillTheModel)
{
    ASSERT_TRUE(model.ReadData(eSTD, demo("DEMO_STD.etb"), 1, QString()));
    ASSERT_TRUE(model.ReadData(eUSR, demo("DEMO_USR.etb"), 1, QString()));
    EXPECT_EQ(model.AllDititalCount(), 37);
    EXPECT_EQ(model.SpecialDigitalCount(), 5);
    EXPECT_EQ(model.DifDititalCount(), 12);

    EXPECT_EQ(digital("SPEED", "S01")->StdValue(), 3500); // a word
    EXPECT_EQ(digital("SPEED", "S01")->UserValue(), 3200);
    EXPECT_EQ(digital("FEED", "F04")->UserValue(), 2); // bits 4-5 of a shared byte
    EXPECT_EQ(digital("FEED", "F03")->UserValue(), 4); // bits 0-3 of the same byte
    const auto curve = digital("SPEED", "S05"); // a choice
    EXPECT_NE(curve->Selections()->GetSelection(curve->UserValue()), QStringLiteral("?"));
    // Limits come from the last table read: the user table's bytes here.
    EXPECT_EQ(digital("SPEED", "S02")->Min(), QStringLiteral("600"));
    EXPECT_EQ(digital("SPEED", "S02")->Max(), QStringLiteral("4999"));
    EXPECT_FALSE(model.Item("TRIM")->Items()->Contains("T09"));

    EXPECT_EQ(model.SettingTableNo(), 3);
    EXPECT_EQ(model.DataVersion(), 5);
    EXPECT_EQ(model.KishuName(), QStringLiteral("QD10"));
}

TEST_F(DemoController, SavingUnchangedValuesGivesBackTheSameFiles)
{
    // One table into one table.
    ASSERT_TRUE(model.ReadData(eUSR, demo("DEMO_USR.etb"), 1, QString()));
    ASSERT_TRUE(model.SaveData(eETB, scratch("eusr2.tmp"), 1, eETB, demo("DEMO_USR.etb")));
    EXPECT_EQ(testsupport::readFile(scratch("eusr2.tmp")), testsupport::readFile(demo("DEMO_USR.etb")));

    // Table 5 of the eight-table file back into its place, with the SEK beside it.
    const int32_t table5 = 5 * 8192 + 1;
    ASSERT_TRUE(model.ReadData(eUSR, demo("DEMO.stg"), table5, demo("DEMO.SEK")));
    ASSERT_TRUE(model.SaveData(eSTG, scratch("eusr2.tmp"), table5, eSTG, demo("DEMO.stg")));
    EXPECT_EQ(testsupport::readFile(scratch("eusr2.tmp")), testsupport::readFile(demo("DEMO.stg")));
    EXPECT_EQ(testsupport::readFile(scratch("sek.tmp")), testsupport::readFile(demo("DEMO.SEK")));
}

TEST_F(DemoController, AnEditedValueChangesOnlyItsOwnBytes)
{
    ASSERT_TRUE(model.ReadData(eUSR, demo("DEMO_USR.etb"), 1, QString()));
    const auto backtack = digital("FEED", "F04");
    backtack->UpdateUserValue(backtack->Selections()->Item(1)->Selection());
    digital("SPEED", "S01")->UpdateUserValue("2500");
    ASSERT_TRUE(model.SaveData(eETB, scratch("eusr2.tmp"), 1, eETB, demo("DEMO_USR.etb")));

    const QByteArray before = testsupport::readFile(demo("DEMO_USR.etb"));
    const QByteArray after = testsupport::readFile(scratch("eusr2.tmp"));
    ASSERT_EQ(after.size(), 8192);
    for (int offset = 0; offset < 8192; ++offset) {
        if (offset == 32 || offset == 33 || offset == 100)
            continue;
        ASSERT_EQ(after[offset], before[offset]) << "offset " << offset;
    }
    EXPECT_EQ(static_cast<uint8_t>(after[32]) | static_cast<uint8_t>(after[33]) << 8, 2500);
    // Bits 4-5 take the first choice's value; bits 6-7 nobody owns keep the file's.
    const uint8_t f04 = static_cast<uint8_t>(backtack->Selections()->Item(1)->Value());
    EXPECT_EQ(static_cast<uint8_t>(after[100]), (static_cast<uint8_t>(before[100]) & 0xCF) | (f04 << 4));
}

// ---- the whole user table: parameters, customize pins, feed pitches -------


namespace {

// The setting program's objects for one data set, and its save sequence.
struct UserTable {
    colclsFunction& parameters;
    colclsCustom pins;
    colclsOkuri x;
    colclsOkuri y;

    bool read(const QString& file, int32_t start)
    {
        return parameters.ReadData(eUSR, file, start, QString()) && pins.ReadData(file, start) &&
               x.ReadData(file, start + 512) && y.ReadData(file, start + 640);
    }
    bool save(ENUM_ETBSTG current, const QString& target, int32_t start, ENUM_ETBSTG kind, const QString& source)
    {
        return parameters.SaveData(current, target, start, kind, source) && pins.SaveData(current, target, start, kind) &&
               x.SaveData(current, target, start + 512, kind, 512) && y.SaveData(current, target, start + 640, kind, 640);
    }
};

} // namespace

TEST_F(DemoController, PinsAndPitchesReadTheirValuesAndDifferences)
{
    colclsCustom usr;
    colclsCustom std_;
    for (colclsCustom* pins : {&usr, &std_})
        ASSERT_TRUE(pins->ReadSet04e() && pins->ReadSet05e());
    ASSERT_EQ(usr.Count(), 49);
    ASSERT_TRUE(usr.ReadData(demo("DEMO_USR.etb"), 1) && std_.ReadData(demo("DEMO_STD.etb"), 1));
    QStringList different;
    for (const auto& pin : usr)
        if (usr.DoesDiff(pin, std_.Item(pin->Location())))
            different << pin->Location();
    EXPECT_EQ(different, QStringList({"I3", "I8", "IN", "O1", "O3", "O4", "O6", "O8", "O9", "OJ"}));
    EXPECT_TRUE(usr.Item("O9")->OutIsLack());
    EXPECT_EQ(usr.Item("IN")->Kino(), 64);

    colclsOkuri x;
    ASSERT_TRUE(x.ReadData(demo("DEMO_USR.etb"), 1 + 512));
    ASSERT_EQ(x.Count(), 16);
    EXPECT_EQ(x.Item(1)->P1(), 3);
    EXPECT_EQ(x.Item(5)->T1(), 2210);
}

TEST_F(DemoController, TheWholeSaveSequenceGivesBackTheFilesItRead)
{
    UserTable table{model, {}, {}, {}};
    ASSERT_TRUE(table.pins.ReadSet04e() && table.pins.ReadSet05e());

    ASSERT_TRUE(table.read(demo("DEMO_USR.etb"), 1));
    ASSERT_TRUE(table.save(eETB, scratch("eusr2.tmp"), 1, eETB, demo("DEMO_USR.etb")));
    EXPECT_EQ(testsupport::readFile(scratch("eusr2.tmp")), testsupport::readFile(demo("DEMO_USR.etb")));

    const int32_t table3 = 3 * 8192 + 1;
    ASSERT_TRUE(table.read(demo("DEMO.stg"), table3));
    ASSERT_TRUE(table.save(eSTG, scratch("eusr2.tmp"), table3, eSTG, demo("DEMO.stg")));
    EXPECT_EQ(testsupport::readFile(scratch("eusr2.tmp")), testsupport::readFile(demo("DEMO.stg")));
}

TEST_F(DemoController, OneTableSavedAsEightCopiesItIntoEveryTable)
{
    UserTable table{model, {}, {}, {}};
    ASSERT_TRUE(table.pins.ReadSet04e() && table.pins.ReadSet05e());
    ASSERT_TRUE(table.read(demo("DEMO_USR.etb"), 1));
    ASSERT_TRUE(table.save(eETB, scratch("eusr2.tmp"), 1, eSTG, demo("DEMO_USR.etb")));

    const QByteArray usr = testsupport::readFile(demo("DEMO_USR.etb"));
    const QByteArray eight = testsupport::readFile(scratch("eusr2.tmp"));
    ASSERT_EQ(eight.size(), 65536);
    const char headers[] = {0x00, char(0x81), 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    for (int t = 0; t < 8; ++t) {
        const QByteArray copy = eight.mid(t * 8192, 8192);
        EXPECT_EQ(copy[0], headers[t]) << "table " << t;
        EXPECT_EQ(copy.mid(1), usr.mid(1)) << "table " << t;
    }
}

// ---- the step program ------------------------------------------------------


namespace {

class DemoSteps : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(outputs.ReadSet6_7_8_9e(demo("Set08.e")) && inputs.ReadSet6_7_8_9e(demo("Set09.e")));
        for (const char* name : {"DEMO.stp", "DEMO.BIN"})
            ASSERT_TRUE(QFile::copy(demo(name), QDir(dir.path()).filePath(QLatin1String(name))));
    }
    QString work(const char* name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }

    colclsCusSelection outputs;
    colclsCusSelection inputs;
    QTemporaryDir dir;
};

constexpr int32_t kTable1 = 8192 + 1;

} // namespace

TEST_F(DemoSteps, TheProgramReadsAsWritten)
{
    colclsStep program;
    ASSERT_TRUE(program.ReadData(work("DEMO.stp"), work("DEMO.BIN"), kTable1, outputs, inputs));
    EXPECT_EQ(program.Author(), QStringLiteral("QD10 demo team"));
    EXPECT_EQ(program.Password(), QStringLiteral("SEW2024"));
    EXPECT_EQ(program.Item("5")->DelayEtc(), -1200); // a pulse output
    EXPECT_EQ(outputs.Item(QString::number(program.Item("5")->Kino()))->Ditigal(), QStringLiteral("X_PLS"));
    EXPECT_TRUE(program.Item("13")->DoesREM());
    EXPECT_TRUE(program.Item("16")->NOP());
    EXPECT_EQ(program.Item("21")->ins()->Count(), 0); // a return line has no conditions
    EXPECT_EQ(program.Item("10")->ins()->CounterId(), 0);
    EXPECT_EQ(program.arCountBytes(), (colclsStep::CountBytes{0, 1, 2, 5, 0, 0, 0, 0}));
    EXPECT_FALSE(program.Memo().isEmpty());
}

TEST_F(DemoSteps, SavingTheProgramUnchangedGivesBackBothFiles)
{
    // The author and password keys come from the clock of the save that made the demo files.
    platform::setClockForTesting([] { return QDateTime(QDate(2024, 6, 15), QTime(14, 37, 52)); });
    colclsStep program;
    ASSERT_TRUE(program.ReadData(work("DEMO.stp"), work("DEMO.BIN"), kTable1, outputs, inputs));
    ASSERT_TRUE(program.SaveData(work("DEMO.BIN"), work("DEMO.stp"), work("DEMO.BIN"), kTable1, false, outputs, inputs));
    EXPECT_EQ(testsupport::readFile(work("DEMO.stp")), testsupport::readFile(demo("DEMO.stp")));
    EXPECT_EQ(testsupport::readFile(work("DEMO.BIN")), testsupport::readFile(demo("DEMO.BIN")));
}
