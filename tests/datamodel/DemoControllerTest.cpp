// The parameter model on the demo controller: what the Set files define, what
// the tables hold, and saves that must give back exactly the files they read.

#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"

#include "ScriptedUi.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Telva27;

namespace {

QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DemoController : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set10.e"}) {
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
    EXPECT_EQ(model.DataVersion(), 260);
    EXPECT_EQ(model.KishuName(), QStringLiteral("QD10"));
}

TEST_F(DemoController, SavingUnchangedValuesGivesBackTheSameFiles)
{
    // One table into one table.
    ASSERT_TRUE(model.ReadData(eUSR, demo("DEMO_USR.etb"), 1, QString()));
    ASSERT_TRUE(model.SaveData(eETB, scratch("eusr2.tmp"), 1, eETB, demo("DEMO_USR.etb")));
    EXPECT_EQ(bytesOf(scratch("eusr2.tmp")), bytesOf(demo("DEMO_USR.etb")));

    // Table 5 of the eight-table file back into its place, with the SEK beside it.
    const int32_t table5 = 5 * 8192 + 1;
    ASSERT_TRUE(model.ReadData(eUSR, demo("DEMO.stg"), table5, demo("DEMO.SEK")));
    ASSERT_TRUE(model.SaveData(eSTG, scratch("eusr2.tmp"), table5, eSTG, demo("DEMO.stg")));
    EXPECT_EQ(bytesOf(scratch("eusr2.tmp")), bytesOf(demo("DEMO.stg")));
    EXPECT_EQ(bytesOf(scratch("sek.tmp")), bytesOf(demo("DEMO.SEK")));
}

TEST_F(DemoController, AnEditedValueChangesOnlyItsOwnBytes)
{
    ASSERT_TRUE(model.ReadData(eUSR, demo("DEMO_USR.etb"), 1, QString()));
    const auto backtack = digital("FEED", "F04");
    backtack->UpdateUserValue(backtack->Selections()->Item(1)->Selection());
    digital("SPEED", "S01")->UpdateUserValue("2500");
    ASSERT_TRUE(model.SaveData(eETB, scratch("eusr2.tmp"), 1, eETB, demo("DEMO_USR.etb")));

    const QByteArray before = bytesOf(demo("DEMO_USR.etb"));
    const QByteArray after = bytesOf(scratch("eusr2.tmp"));
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
