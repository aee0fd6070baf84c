#include "datamodel/customize/colclsCustom.h"

#include "ScriptedUi.h"
#include "tests/platform/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using namespace Telva27;
using testsupport::scriptedUi;

namespace {

constexpr int kTable = 8192;

uint8_t at(const QByteArray& b, int i) { return static_cast<uint8_t>(b.at(i)); }

// A table whose every byte differs from its neighbours, with a header of its own.
QByteArray patternTable(int seed)
{
    QByteArray t(kTable, '\0');
    for (int i = 0; i < kTable; ++i)
        t[i] = static_cast<char>((i * 7 + seed * 31 + 3) & 0xFF);
    t[0] = static_cast<char>(seed);
    return t;
}

class CustomTableTest : public testing::Test {
protected:
    // Inputs share byte 20; the two outputs share bytes 31 and 32; OUT1's
    // chopping and duty share byte 35; OUT2 has no chopping, full-wave time
    // and duty; SOL1 comes from the output file but is read as an input pin.
    void SetUp() override
    {
        pins.Add(eINPUT, "IN1", 16, 20, 0x01, 20, 0x02);
        pins.Add(eINPUT, "IN2", 17, 20, 0x04, 21, 0x01);
        pins.Add(eOUTPUT, "OUT1", 30, 31, 0x01, 32, 0x01, 0x02, 0x04, 33, 34, 35, 0x10, 36, 35, 0x07);
        pins.Add(eOUTPUT, "out2", 40, 31, 0x02, 32, 0x08, 0x10, 0x20, 41, 42);
        pins.Add(eOUTPUT, "SOL1", 50, 51, 0x01, 51, 0x02, 0x04, 0x08, 52, 53, 54, 0x01, 55, 56, 0x07);
    }

    // The bits the pins above own, by address.
    const std::map<int, uint8_t> owned = {{16, 0xFF}, {17, 0xFF}, {20, 0x07}, {21, 0x01}, {30, 0xFF},
                                          {31, 0x03}, {32, 0x3F}, {33, 0xFF}, {34, 0xFF}, {35, 0x17},
                                          {36, 0xFF}, {40, 0xFF}, {41, 0xFF}, {42, 0xFF}, {50, 0xFF},
                                          {51, 0x03}};

    // Every bit no pin owns is as it was.
    void expectUnownedKept(const QByteArray& before, const QByteArray& after, int offset = 0) const
    {
        for (int i = 0; i < kTable; ++i) {
            const auto it = owned.find(i);
            const uint8_t keep = it == owned.end() ? 0xFF : static_cast<uint8_t>(~it->second);
            ASSERT_EQ(at(after, offset + i) & keep, at(before, offset + i) & keep) << "offset " << i;
        }
    }

    QString path(const char* name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }

    void writeFile(const char* name, const QByteArray& content) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    QByteArray readFile(const char* name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Values every field can hold.
    void setValues()
    {
        for (const auto& pin : pins) {
            pin->setKino(0xA5);
            pin->setLogic(1);
            pin->setDosa(0);
            pin->setOnDelay(1);
            pin->setOffDelay(0);
            pin->setOnDelayTime(0x11);
            pin->setOffDelayTime(0x22);
            pin->setChopping(1);
            pin->setZenpaTime(0x33);
            pin->setDuty(5);
        }
    }

    static void expectReport(const char* label, const char* mention)
    {
        ASSERT_EQ(scriptedUi().calls().size(), 1u);
        const QString text = scriptedUi().calls()[0].text;
        EXPECT_TRUE(text.startsWith(QLatin1String(label) + "\r\n")) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(mention))) << text.toStdString();
    }

    QTemporaryDir dir;
    colclsCustom pins;
};

} // namespace

TEST_F(CustomTableTest, ReadsEachFieldFromItsBits)
{
    QByteArray t = patternTable(1);
    t[16] = '\x07';
    t[20] = static_cast<char>(0xF8 | 0x04 | 0x02); // IN1 logic 0, action 1; IN2 logic 1
    t[31] = static_cast<char>(0x02);                // OUT1 logic 0, out2 logic 1
    t[32] = static_cast<char>(0x01 | 0x04 | 0x10);  // OUT1 action, off-delay; out2 on-delay
    t[35] = static_cast<char>(0xE0 | 0x10 | 0x06);  // OUT1 chopping 1, duty 6
    writeFile("t.etb", t);
    const auto out2 = pins.Item("out2");
    out2->setChopping(1);
    out2->setZenpaTime(2);
    out2->setDuty(3);
    pins.Item("SOL1")->setOnDelayTime(9);

    ASSERT_TRUE(pins.ReadData(path("t.etb"), 1));
    const auto in1 = pins.Item("IN1");
    EXPECT_EQ(in1->Kino(), 7);
    EXPECT_EQ(in1->LogicJ(), "-");
    EXPECT_EQ(in1->DosaJ(), "ALT");
    EXPECT_EQ(pins.Item("IN2")->LogicJ(), "REV");
    const auto out1 = pins.Item("OUT1");
    EXPECT_EQ(out1->Logic(), 0);
    EXPECT_EQ(out1->Dosa(), 1);
    EXPECT_EQ(out1->OnDelay(), 0);
    EXPECT_EQ(out1->OffDelayJ(), "ON");
    EXPECT_EQ(out1->OnDelayTime(), at(t, 33));
    EXPECT_EQ(out1->OffDelayTime(), at(t, 34));
    EXPECT_EQ(out1->ChoppingJ(), "ON");
    EXPECT_EQ(out1->ZenpaTime(), at(t, 36));
    EXPECT_EQ(out1->Duty(), 6);
    EXPECT_EQ(out2->Logic(), 1);
    EXPECT_EQ(out2->OnDelayJ(), "ON");
    // Values a pin doesn't read keep what they held.
    EXPECT_EQ(out2->Chopping(), 1);
    EXPECT_EQ(out2->ZenpaTime(), 2);
    EXPECT_EQ(out2->Duty(), 3);
    EXPECT_EQ(pins.Item("SOL1")->OnDelayTime(), 9);
}

TEST_F(CustomTableTest, SaveWritesTheValuesAndKeepsEveryBitNoPinOwns)
{
    for (const char fill : {'\x00', '\xFF'}) {
        SCOPED_TRACE(int(fill));
        const QByteArray before = QByteArray(kTable, fill);
        writeFile("new.etb", before);
        setValues();
        ASSERT_TRUE(pins.SaveData(eETB, path("new.etb"), 1, eETB));
        const QByteArray after = readFile("new.etb");
        ASSERT_EQ(after.size(), kTable);
        expectUnownedKept(before, after);
        EXPECT_EQ(at(after, 16), 0xA5);
        EXPECT_EQ(at(after, 20) & 0x07, 0x05); // IN1 logic, IN2 logic; IN1 action 0
        EXPECT_EQ(at(after, 35) & 0x17, 0x15); // chopping and duty 5 side by side
        EXPECT_EQ(at(after, 41), 0x11);

        // What was written reads back.
        for (const auto& pin : pins) {
            pin->setKino(0);
            pin->setLogic(0);
            pin->setDuty(0);
        }
        ASSERT_TRUE(pins.ReadData(path("new.etb"), 1));
        EXPECT_EQ(pins.Item("IN2")->Kino(), 0xA5);
        EXPECT_EQ(pins.Item("out2")->Logic(), 1);
        EXPECT_EQ(pins.Item("OUT1")->Duty(), 5);
    }
}

TEST_F(CustomTableTest, RoundTripOfARealisticTable)
{
    const QByteArray original = patternTable(3);
    writeFile("cur.etb", original);
    ASSERT_TRUE(pins.ReadData(path("cur.etb"), 1));
    writeFile("new.etb", original);
    ASSERT_TRUE(pins.SaveData(eETB, path("new.etb"), 1, eETB));
    EXPECT_EQ(readFile("new.etb"), original); // unchanged values write the same bytes

    pins.Item("OUT1")->setOnDelayTime(200);
    pins.Item("IN1")->setLogicJ("REV");
    ASSERT_TRUE(pins.SaveData(eETB, path("new.etb"), 1, eETB));
    colclsCustom again;
    again.Add(eINPUT, "IN1", 16, 20, 0x01, 20, 0x02);
    again.Add(eOUTPUT, "OUT1", 30, 31, 0x01, 32, 0x01, 0x02, 0x04, 33, 34, 35, 0x10, 36, 35, 0x07);
    ASSERT_TRUE(again.ReadData(path("new.etb"), 1));
    EXPECT_EQ(again.Item("OUT1")->OnDelayTime(), 200);
    EXPECT_EQ(again.Item("IN1")->LogicJ(), "REV");
    EXPECT_FALSE(pins.DoesDiff(pins.Item("OUT1"), again.Item("OUT1")));
}

TEST_F(CustomTableTest, DutyClearsOnlyItsOwnMask)
{
    colclsCustom duty;
    // The duty index in the low bits; then a duty in bits 4-6 sharing its byte
    // with another pin's logic bit 0.
    const auto low = duty.Add(eOUTPUT, "OUTA", 100, 101, 1, 101, 2, 4, 8, 102, 103, 104, 1, 105, 106, 0x07);
    const auto high = duty.Add(eOUTPUT, "OUTB", 110, 107, 1, 111, 1, 2, 4, 112, 113, 114, 1, 115, 107, 0x70);
    QByteArray t(kTable, '\0');
    t[106] = static_cast<char>(0xF2);
    t[107] = static_cast<char>(0x81);
    writeFile("t.etb", t);
    ASSERT_TRUE(duty.ReadData(path("t.etb"), 1));
    EXPECT_EQ(low->Duty(), 2);
    EXPECT_EQ(high->Logic(), 1);

    low->setDuty(5);
    high->setDuty(0x30); // held as its masked byte
    ASSERT_TRUE(duty.SaveData(eETB, path("t.etb"), 1, eETB));
    const QByteArray after = readFile("t.etb");
    EXPECT_EQ(at(after, 106), 0xF5);
    EXPECT_EQ(at(after, 107), 0x80 | 0x30 | 0x01); // the logic bit and bit 7 survive
    ASSERT_TRUE(duty.ReadData(path("t.etb"), 1));
    EXPECT_EQ(low->Duty(), 5);
    EXPECT_EQ(high->Duty(), 0x30);
}

TEST_F(CustomTableTest, AValueWiderThanItsFieldFailsTheSave)
{
    const struct {
        const char* pin;
        void (clsCustom::*set)(int64_t);
        uint8_t value;
        const char* mention;
    } cases[] = {
        {"IN1", &clsCustom::setLogic, 2, "Pin \"IN1\": Logic 2 does not fit its mask &H01."},
        {"IN2", &clsCustom::setDosa, 255, "Dosa 255"},
        {"OUT1", &clsCustom::setDuty, 8, "Duty 8 does not fit its mask &H07."},
        {"OUT1", &clsCustom::setChopping, 16, "Chopping 16"},
        {"out2", &clsCustom::setOffDelay, 2, "OffDelay 2"},
    };
    const QByteArray before = patternTable(5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mention);
        writeFile("new.etb", before);
        setValues();
        ((*pins.Item(c.pin)).*c.set)(c.value);
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(pins.SaveData(eETB, path("new.etb"), 1, eETB));
        expectReport("SaveCustomTable", c.mention);
        EXPECT_EQ(readFile("new.etb"), before); // nothing written
    }
}

TEST_F(CustomTableTest, FieldsSharingBitsMustAgreeWhenSaved)
{
    // Installation files may give two pins the same bits: they load, and a save
    // goes through while the values agree, but never lets one undo the other.
    colclsCustom shared;
    shared.Add(eINPUT, "IN1", 16, 20, 0x01, 21, 0x01);
    shared.Add(eINPUT, "IN2", 17, 20, 0x03, 21, 0x02);
    const QByteArray before = patternTable(7);
    writeFile("new.etb", before);
    shared.Item("IN1")->setLogic(1);
    shared.Item("IN2")->setLogic(1);
    EXPECT_TRUE(shared.SaveData(eETB, path("new.etb"), 1, eETB));
    EXPECT_EQ(at(readFile("new.etb"), 20) & 0x03, 0x01);

    writeFile("new.etb", before);
    shared.Item("IN2")->setLogic(2);
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(shared.SaveData(eETB, path("new.etb"), 1, eETB));
    expectReport("SaveCustomTable", "Pin \"IN2\": Logic at address 20 shares bits with IN1 Logic");
    EXPECT_EQ(readFile("new.etb"), before);
}

TEST_F(CustomTableTest, OutputPinWithoutChoppingLeavesThoseBytesAlone)
{
    colclsCustom lack;
    const auto pin = lack.Add(eOUTPUT, "OUT1", 30, 31, 1, 31, 2, 4, 8, 33, 34);
    ASSERT_TRUE(pin->OutIsLack());
    const QByteArray before = patternTable(7);
    writeFile("t.etb", before);
    pin->setChopping(1);
    pin->setZenpaTime(0x44);
    pin->setDuty(7);
    ASSERT_TRUE(lack.ReadData(path("t.etb"), 1));
    EXPECT_EQ(pin->ZenpaTime(), 0x44);
    ASSERT_TRUE(lack.SaveData(eETB, path("t.etb"), 1, eETB));
    const QByteArray after = readFile("t.etb");
    EXPECT_EQ(after.left(30), before.left(30)); // the zero addresses are the header
    EXPECT_EQ(after.mid(35), before.mid(35));
}

TEST_F(CustomTableTest, OneTableSavedAsEightWritesEveryTable)
{
    QByteArray before;
    for (int i = 0; i < 8; ++i)
        before += patternTable(i);
    writeFile("new.stg", before);
    setValues();
    ASSERT_TRUE(pins.SaveData(eETB, path("new.stg"), 99, eSTG)); // the start is not used here
    const QByteArray after = readFile("new.stg");
    ASSERT_EQ(after.size(), 8 * kTable);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        expectUnownedKept(before, after, i * kTable);
        EXPECT_EQ(at(after, i * kTable), i); // header untouched
        EXPECT_EQ(at(after, i * kTable + 30), 0xA5);
        EXPECT_EQ(at(after, i * kTable + 33), 0x11);
    }
}

TEST_F(CustomTableTest, OtherSavesWriteOnlyTheTargetTable)
{
    QByteArray before;
    for (int i = 0; i < 8; ++i)
        before += patternTable(i);
    setValues();
    for (const auto& [from, to] : {std::pair{eSTG, eSTG}, std::pair{eETB, eETB}, std::pair{eSTG, eETB}}) {
        writeFile("new.stg", before);
        ASSERT_TRUE(pins.SaveData(from, path("new.stg"), 2 * kTable + 1, to));
        const QByteArray after = readFile("new.stg");
        EXPECT_EQ(after.left(2 * kTable), before.left(2 * kTable));
        EXPECT_EQ(after.mid(3 * kTable), before.mid(3 * kTable));
        EXPECT_EQ(at(after, 2 * kTable + 30), 0xA5);
    }
}

TEST_F(CustomTableTest, SaveFailsWithoutTheTableItWritesInto)
{
    writeFile("short.stg", patternTable(1));
    const struct {
        const char* file;
        int32_t start;
        ENUM_ETBSTG from;
        ENUM_ETBSTG to;
        const char* mention;
    } cases[] = {
        {"missing.etb", 1, eETB, eETB, "File not found"},
        {"short.stg", 3 * kTable + 1, eSTG, eSTG, "The file holds no table at position 24577."},
        {"short.stg", 1, eETB, eSTG, "The file holds no table at position 8193."},
        {"short.stg", 2, eETB, eETB, "No table starts at position 2."},
        {"short.stg", 0, eETB, eETB, "No table starts at position 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mention);
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(pins.SaveData(c.from, path(c.file), c.start, c.to));
        expectReport("SaveCustomTable", c.mention);
    }
    EXPECT_FALSE(QFileInfo::exists(path("missing.etb")));
    // The first table of the one-table file got the pins before the second failed.
    EXPECT_EQ(readFile("short.stg").size(), kTable);
}

TEST_F(CustomTableTest, APinInTheHeaderIsNeverWritten)
{
    pins.Add(eINPUT, "BAD", 5, 60, 1, 60, 2); // added directly, past the definition check
    const QByteArray before = patternTable(2);
    writeFile("new.etb", before);
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(pins.SaveData(eETB, path("new.etb"), 1, eETB));
    expectReport("ResetMyPart", "Pin \"BAD\": Kino at address 5 lies in the table header (0-11).");
    EXPECT_EQ(readFile("new.etb"), before);
}

TEST_F(CustomTableTest, ReadFailures)
{
    colclsCustom empty;
    writeFile("t.etb", patternTable(1));
    EXPECT_TRUE(empty.ReadData(path("t.etb"), 1));

    pins.Add(eINPUT, "FAR", 8192, 60, 1, 60, 2);
    pins.Item("IN1")->setKino(1);
    for (int i = 0; i < 4; ++i)
        scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(empty.ReadData(path("none.etb"), 1));
    for (const auto what : {testsupport::Standing::Fifo, testsupport::Standing::HugeFile}) {
        const testsupport::StandIn standIn(path("bad.etb"), what);
        EXPECT_FALSE(empty.ReadData(path("bad.etb"), 1)) << testsupport::nameOf(what);
        standIn.expectRefusedAtOnce();
    }
    EXPECT_FALSE(pins.ReadData(path("t.etb"), 1));
    ASSERT_EQ(scriptedUi().calls().size(), 4u);
    for (const auto& call : scriptedUi().calls())
        EXPECT_TRUE(call.text.startsWith("ReadData\r\n"));
    EXPECT_EQ(pins.Item("IN1")->Kino(), at(patternTable(1), 16)); // pins before the failure were read
}
