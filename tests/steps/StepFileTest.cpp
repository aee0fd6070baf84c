#include "StepFixture.h"

#include "platform/Cp932.h"
#include "tests/platform/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

using namespace steptest;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

constexpr qsizetype kT1 = 8192; // offset of table 1

} // namespace

class StepFile : public StepFileFixture {
protected:
    // A small program with every kind of line and every field filled.
    void buildProgram(colclsStep& t)
    {
        t.Add(1, kYOn, eLOGIC_HIGH, 300, conditions({{kX01, ePOS_EDG, eREL_AND}, {kX02, eNEG_LEV, eREL_END}}),
              "first", false, false);
        t.Add(2, kYOn, eLOGIC_INC, 0, conditions({{kCnt1, 0, eREL_RIGHT}, {1234, 0, eREL_END}}, 3), "", false, false);
        t.Add(3, kXPls, eLOGIC_SET, -30000, conditions({{kX01, eNEG_EDG, eREL_OR}, {kX02, ePOS_LEV, eREL_END}}),
              QStringLiteral("ＡＢＣＤＥＦＧＨＩＪ"), false, true);
        t.Add(4, kRet, eLOGIC_RET, 0, std::make_shared<colclsStepIn>(), "", false, false);
        t.Add(5, 0, 0, 0, conditions({}), "note", true, false);
        for (int32_t row = 6; row <= 192; ++row)
            t.Add(row, 0, 0, 0, conditions({}), "", true, false);
        t.setArCountBytes({1, 2, 3, 4, 5, 6, 7, 255});
        t.setArCountCaption({"CNT A", "", "", "", "", "", "", QStringLiteral("ＡＢＣＤＥ")});
        t.setArLcdCaption({"", "", "", " lcd ", "", "", "", ""});
        t.setMemo(QStringLiteral("Line1\r\nライン2"));
        t.setAuthor(QStringLiteral("山田 太郎"));
        t.setPassword("pw");
        seqout.Item(QString::number(kYPls))->setHidden(true);
        seqinp.Item(QString::number(kX02))->setHidden(true);
    }
};

TEST_F(StepFile, NewPairIsLaidOutByteForByte)
{
    colclsStep t;
    buildProgram(t);
    ASSERT_TRUE(saveNew(t));
    const QByteArray stpBytes = readFile(stp());
    const QByteArray binBytes = readFile(bin());
    ASSERT_EQ(stpBytes.size(), 65536);
    ASSERT_EQ(binBytes.size(), 65536);

    // Header: the mark over the first null line, the scrambled password.
    EXPECT_EQ(stpBytes.left(8), hex("3031303600000000"));
    EXPECT_EQ(byte(stpBytes, 32 + 2), 0xF0);
    EXPECT_EQ(stpBytes.mid(8176, 16), hex("8b84000000000000c3c5c3c1c5c2c4c0"));

    const struct {
        int row;
        const char* record;
    } records[] = {
        {1, "050001" "2c01" "000000" "010001" "020022" "000000000000000000000000000000000000"},
        // A counter line carries its counter form in every condition.
        {2, "050004" "0000" "000000" "280043" "d20423" "000003000003000003000003000003000003"},
        {3, "140016" "30f5" "000000" "010013" "020020" "000000000000000000000000000000000000"},
        {4, "63000b" "0000" "000000" "000000000000000000000000000000000000000000000000"},
        {5, "0000f0" "0000" "000000" "000000000000000000000000000000000000000000000000"},
        {192, "0000f0" "0000" "000000" "000000000000000000000000000000000000000000000000"},
    };
    for (const auto& r : records)
        EXPECT_EQ(stpBytes.mid(kT1 + (r.row - 1) * 32, 32).toHex(), QByteArray(r.record)) << r.row;
    EXPECT_EQ(stpBytes.mid(kT1 + 6144, 8), hex("01020304050607ff"));
    EXPECT_EQ(stpBytes.mid(kT1 + 6152, 10), QByteArray("CNT A").leftJustified(10, '\0'));
    EXPECT_EQ(stpBytes.mid(kT1 + 6232 + 30, 10), QByteArray("lcd").leftJustified(10, '\0'));
    EXPECT_EQ(stpBytes.mid(kT1 + 6312, 1880), QByteArray(1880, '\0'));
    for (int table = 2; table <= 7; ++table)
        EXPECT_EQ(stpBytes.mid(table * 8192, 8192), stpBytes.mid(2 * 8192, 8192)) << table;
    EXPECT_EQ(byte(stpBytes, 7 * 8192 + 191 * 32 + 2), 0xF0);

    // Note file: table 0 zero; the lists leave out hidden and jump entries.
    EXPECT_EQ(binBytes.left(8192), QByteArray(8192, '\0'));
    for (int table = 1; table <= 7; ++table) {
        const qsizetype at = table * 8192;
        EXPECT_EQ(binBytes.mid(at, 10), hex("050014006300ffff0000")) << table;
        EXPECT_EQ(binBytes.mid(at + 600, 8), hex("01002800ffff0000")) << table;
    }
    EXPECT_EQ(binBytes.mid(kT1 + 1200, 20), QByteArray("first").leftJustified(20, '\0'));
    EXPECT_EQ(binBytes.mid(kT1 + 1200 + 2 * 20, 20), platform::cp932::encode(QStringLiteral("ＡＢＣＤＥＦＧＨＩＪ")));
    EXPECT_EQ(binBytes.mid(kT1 + 5040, 16), platform::cp932::fixedField(t.Memo(), 16));
    EXPECT_EQ(binBytes.mid(2 * 8192 + 1200, 8192 - 1200), QByteArray(8192 - 1200, '\0')); // no remarks, no memo
}

TEST_F(StepFile, ReadBackGivesTheProgramAndSavesTheSameBytes)
{
    colclsStep t;
    buildProgram(t);
    ASSERT_TRUE(saveNew(t));
    const QByteArray stpBytes = readFile(stp());
    const QByteArray binBytes = readFile(bin());

    seqout.SwitchHidden(false);
    seqinp.SwitchHidden(true);
    colclsStep back;
    ASSERT_TRUE(read(back));
    ASSERT_EQ(back.Count(), 192);
    EXPECT_EQ(back.Author(), QStringLiteral("山田 太郎"));
    EXPECT_EQ(back.Password(), "pw");
    EXPECT_EQ(back.Memo(), t.Memo());
    EXPECT_EQ(back.arCountBytes(), t.arCountBytes());
    EXPECT_EQ(back.arCountCaption(), t.arCountCaption());
    EXPECT_EQ(back.arLcdCaption()[3], "lcd");

    const auto l1 = back.Item("1");
    EXPECT_EQ(std::tuple(l1->Kino(), l1->Logic(), l1->DelayEtc(), l1->Remark(), l1->NOP(), l1->DoesREM()),
              std::tuple(kYOn, 1, 300, QString("first"), false, false));
    ASSERT_EQ(l1->ins()->Count(), 8);
    EXPECT_EQ(back.Item(1)->ins(), l1->ins()); // the line keeps the list it handed out
    const auto c2 = l1->ins()->Item("2");
    EXPECT_EQ(std::tuple(c2->Kino(), c2->Jyotai(), c2->Rel()), std::tuple(kX02, 2, 2));
    const auto l2 = back.Item("2");
    EXPECT_EQ(l2->ins()->CounterId(), 3);
    EXPECT_EQ(l2->ins()->Item("2")->Kino(), 1234);
    EXPECT_EQ(l2->ins()->Item("1")->Rel(), eREL_RIGHT);
    const auto l3 = back.Item("3");
    EXPECT_EQ(std::tuple(l3->Kino(), l3->Logic(), l3->DelayEtc(), l3->DoesREM()), std::tuple(kXPls, 6, -30000, true));
    EXPECT_EQ(l3->Remark(), QStringLiteral("ＡＢＣＤＥＦＧＨＩＪ")); // fills its 20 bytes
    EXPECT_EQ(back.Item("4")->ins()->Count(), 0);
    EXPECT_EQ(back.Item("4")->ins()->CounterId(), -1);
    EXPECT_TRUE(back.Item("5")->NOP());
    EXPECT_EQ(back.Item("5")->Remark(), "note");

    // The lists show exactly what the note file names.
    EXPECT_TRUE(seqout.Item(QString::number(kYPls))->Hidden());
    EXPECT_FALSE(seqout.Item(QString::number(kYOn))->Hidden());
    EXPECT_TRUE(seqout.Item("300")->Hidden()); // jump entries are never listed
    EXPECT_FALSE(seqinp.Item(QString::number(kCnt1))->Hidden());
    EXPECT_TRUE(seqinp.Item(QString::number(kX02))->Hidden());

    ASSERT_TRUE(save(back, kTable1));
    EXPECT_EQ(readFile(stp()), stpBytes);
    EXPECT_EQ(readFile(bin()), binBytes);
}

TEST_F(StepFile, TheLastStepMakesTheRoundTrip)
{
    // Step 192's record ends the lines and its remark ends the remarks, just
    // before the count bytes and the memo.
    colclsStep t;
    t.Add(192, kYPls, eLOGIC_SET, -1234, conditions({{kX02, ePOS_LEV, eREL_OR}, {kX01, eNEG_EDG, eREL_END}}),
          QStringLiteral("last step"), false, true);
    t.setArCountBytes({9, 0, 0, 0, 0, 0, 0, 0});
    t.setMemo(QStringLiteral("memo"));
    ASSERT_TRUE(saveNew(t));
    const QByteArray stpBytes = readFile(stp());
    const QByteArray binBytes = readFile(bin());

    colclsStep back;
    ASSERT_TRUE(read(back));
    ASSERT_EQ(back.Count(), 192);
    EXPECT_TRUE(back.Item("191")->NOP());
    const auto last = back.Item("192");
    EXPECT_EQ(std::tuple(last->Kino(), last->Logic(), last->DelayEtc(), last->Remark(), last->NOP(), last->DoesREM()),
              std::tuple(kYPls, 6, -1234, QStringLiteral("last step"), false, true));
    ASSERT_EQ(last->ins()->Count(), 8);
    const auto c1 = last->ins()->Item("1");
    const auto c2 = last->ins()->Item("2");
    EXPECT_EQ(std::tuple(c1->Kino(), c1->Jyotai(), c1->Rel(), c2->Kino(), c2->Jyotai(), c2->Rel()),
              std::tuple(kX02, ePOS_LEV, eREL_OR, kX01, eNEG_EDG, eREL_END));
    EXPECT_EQ(back.arCountBytes(), t.arCountBytes());
    EXPECT_EQ(back.Memo(), t.Memo());

    ASSERT_TRUE(save(back, kTable1));
    EXPECT_EQ(readFile(stp()), stpBytes);
    EXPECT_EQ(readFile(bin()), binBytes);
}

TEST_F(StepFile, StoredRecordsAreReadAsTheyStand)
{
    QByteArray image(65536, '\0');
    const auto record = [&](int row, const char* hexRecord) {
        const QByteArray r = hex(hexRecord);
        std::copy(r.begin(), r.end(), image.begin() + kT1 + (row - 1) * 32);
    };
    record(1, "07001b" "0900" "000000" "010011");
    record(2, "0700f5" "0900" "000000" "010011" "020022");
    record(3, "070025" "0900" "000000" "010011");
    record(4, "630000" "0000" "000000" "010011" "020022"); // a return line: conditions not read
    writeFile(stp(), image);

    colclsStep t;
    ASSERT_TRUE(read(t));
    const struct {
        int row;
        int16_t kino;
        bool nop, rem;
        int32_t logic, delay, conditions;
    } cases[] = {
        {1, 7, false, true, 11, 9, 8},
        {2, 0, true, false, 0, 0, 8},
        {3, 7, false, false, 5, 9, 8},
        {4, kRet, false, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto line = t.Item(c.row);
        EXPECT_EQ(std::tuple(line->Kino(), line->NOP(), line->DoesREM(), line->Logic(), line->DelayEtc(),
                             line->ins()->Count()),
                  std::tuple(c.kino, c.nop, c.rem, c.logic, c.delay, c.conditions))
            << c.row;
    }
    for (const auto& condition : *t.Item(2)->ins()) // a null line's conditions are all zero
        EXPECT_EQ(std::tuple(condition->Kino(), condition->Jyotai(), condition->Rel()), std::tuple(0, 0, 0));
    EXPECT_EQ(t.Item(1)->ins()->Item("1")->Jyotai(), 1);
    EXPECT_EQ(t.Item(1)->ins()->Item("1")->Rel(), 1);
}

TEST_F(StepFile, ChangesThroughTheLinesOfAReadTableAreSaved)
{
    colclsStep t;
    buildProgram(t);
    ASSERT_TRUE(saveNew(t));
    colclsStep back;
    ASSERT_TRUE(read(back));
    back.Item(1)->ins()->Item("2")->setJyotai(eNEG_EDG);
    back.Item(2)->ins()->setCounterId(5);
    const auto six = back.Item("6");
    six->setNOP(false);
    six->setKino(kYOn);
    six->setIns(conditions({{kX02, ePOS_EDG, eREL_END}}));
    six->setRemark("six");
    ASSERT_TRUE(save(back, kTable1));

    colclsStep again;
    ASSERT_TRUE(read(again));
    EXPECT_EQ(again.Item(1)->ins()->Item("2")->Jyotai(), eNEG_EDG);
    EXPECT_EQ(again.Item(2)->ins()->CounterId(), 5);
    const auto line = again.Item(6);
    EXPECT_EQ(std::tuple(line->NOP(), line->Kino(), line->Remark()), std::tuple(false, kYOn, QString("six")));
    EXPECT_EQ(line->ins()->Item(1)->Kino(), kX02);
    EXPECT_EQ(again.Item(7)->NOP(), true);
}

TEST_F(StepFile, BytesPastTheEndOfAShortFileReadAsZeros)
{
    colclsStep t;
    buildProgram(t);
    ASSERT_TRUE(saveNew(t));
    // The step file ends inside line 3, the note file inside the remark of line 1.
    writeFile(stp(), readFile(stp()).left(kT1 + 2 * 32 + 4));
    writeFile(bin(), readFile(bin()).left(kT1 + 1200 + 3));
    colclsStep back;
    ASSERT_TRUE(read(back));
    EXPECT_EQ(back.Item(1)->DelayEtc(), 300);
    EXPECT_EQ(back.Item(3)->Kino(), kXPls);
    EXPECT_EQ(back.Item(3)->DelayEtc(), 0x30);                              // half its delay word
    EXPECT_EQ(std::tuple(back.Item(4)->Kino(), back.Item(4)->NOP()), std::tuple(int16_t{0}, false)); // a zero record
    EXPECT_EQ(back.Item(1)->Remark(), "fir");
    EXPECT_EQ(back.Author(), QStringLiteral("山田 太郎")); // the header comes before the cut
    EXPECT_TRUE(back.arCountCaption()[0].isEmpty());
    EXPECT_TRUE(back.Memo().isEmpty());
    EXPECT_EQ(back.arCountBytes(), colclsStep::CountBytes{});
}

TEST_F(StepFile, DelaysSurviveTheirWordAtTheEdges)
{
    const struct {
        int16_t output;
        int32_t value;
        uint16_t word;
    } cases[] = {
        {kYOn, 0, 0x0000},     {kYOn, 300, 0x012C},   {kYOn, 32767, 0x7FFF},  {kYOn, 32768, 0x8000},
        {kYOn, 32769, 0x8001}, {kYOn, 36863, 0x8FFF}, {kYOn, 65000, 0xFDE8},  {kXPls, -5, 0x8005},
        {kXPls, -1, 0x8001},   {kXPls, -4095, 0x8FFF}, {kXPls, -30000, 0xF530}, {kYPls, 30000, 0x7530},
        {kYPls, -30000, 0xF530}, {kYPls, 0, 0x0000},
    };
    for (const auto& c : cases) {
        colclsStep t;
        t.Add(1, c.output, eLOGIC_HIGH, c.value, conditions({{kX01, 0, eREL_END}}), "", false, false);
        ASSERT_TRUE(saveNew(t)) << c.value;
        EXPECT_EQ(word(readFile(stp()), kT1 + 3), c.word) << c.value;
        colclsStep back;
        ASSERT_TRUE(read(back));
        EXPECT_EQ(back.Item(1)->DelayEtc(), c.value) << c.output << " " << c.value;
    }
}

TEST_F(StepFile, UsedSelectionListsStayInTheirField)
{
    const struct {
        int entries;
        bool endMark;
    } cases[] = {{299, true}, {300, false}, {301, false}};
    for (const auto& c : cases) {
        colclsCusSelection many;
        for (int i = 0; i < c.entries; ++i)
            many.Add(QString("F%1").arg(i), static_cast<int16_t>(1000 + i), "", "OUT");
        many.SwitchHidden(false);
        colclsStep t;
        t.Add(1, kYOn, 0, 0, conditions({}), "remark", false, false);
        ASSERT_TRUE(t.SaveData(bin(), stp(), bin(), kTable1, true, seqinp, many)) << c.entries;
        const QByteArray note = readFile(bin());
        EXPECT_EQ(word(note, kT1 + 600 + 598) == 0xFFFF, c.endMark) << c.entries;
        EXPECT_EQ(note.mid(kT1 + 1200, 6), "remark") << c.entries;
        EXPECT_EQ(word(note, 2 * 8192 + 1200), 0) << c.entries; // nothing spills into the remarks

        many.SwitchHidden(true);
        colclsStep back;
        ASSERT_TRUE(back.ReadData(stp(), bin(), kTable1, seqinp, many));
        int shown = 0;
        for (const auto& entry : many)
            shown += entry->Hidden() ? 0 : 1;
        EXPECT_EQ(shown, std::min(c.entries, 300)) << c.entries;
    }
}

TEST_F(StepFile, LinesLandAtTheirRowsWithEightConditionSlots)
{
    colclsStep t;
    auto two = std::make_shared<colclsStepIn>();
    two->Add(1, kX01, ePOS_EDG, eREL_AND);
    two->Add(2, kX02, eNEG_EDG, eREL_END);
    t.Add(190, kYOn, eLOGIC_HIGH, 1, two, "", false, false);
    t.Add(3, kYOn, eLOGIC_LOW, 2, two, "", false, false);
    // A return line saves whether it has no conditions or eight of code 0,
    // which the input list does not hold.
    t.Add(100, kRet, eLOGIC_RET, 0, conditions({}), "", false, false);
    t.Add(101, kRet, eLOGIC_RET, 0, nullptr, "", false, false);
    ASSERT_TRUE(saveNew(t));
    const QByteArray data = readFile(stp());
    const QByteArray nullLine = hex("0000f0").leftJustified(32, '\0');
    for (int row = 1; row <= 192; ++row) {
        const QByteArray r = data.mid(kT1 + (row - 1) * 32, 32);
        if (row == 3 || row == 190)
            EXPECT_EQ(r.mid(8), hex("010001020023").leftJustified(24, '\0')) << row;
        else if (row == 100 || row == 101)
            EXPECT_EQ(r, hex("63000b").leftJustified(32, '\0')) << row;
        else
            EXPECT_EQ(r, nullLine) << row;
    }
}

TEST_F(StepFile, TextsAreCutWhereACharacterEnds)
{
    colclsStep t;
    t.Add(1, kYOn, 0, 0, conditions({}), QString(11, QChar(0xFF21)), false, false); // 22 bytes of "Ａ"
    t.setArCountCaption({QStringLiteral("ABCＤＥＦＧ"), "", "", "", "", "", "", ""});           // 11 bytes
    t.setMemo(QString(1576, QChar(0x3042)));                                              // exactly 3152 bytes
    ASSERT_TRUE(saveNew(t));
    colclsStep back;
    ASSERT_TRUE(read(back));
    EXPECT_EQ(back.Item(1)->Remark(), QString(10, QChar(0xFF21)));
    EXPECT_EQ(back.arCountCaption()[0], QStringLiteral("ABCＤＥＦ"));
    EXPECT_EQ(back.Memo(), t.Memo());

    t.setMemo("A" + t.Memo());
    ASSERT_TRUE(saveNew(t));
    ASSERT_TRUE(read(back));
    EXPECT_EQ(back.Memo(), "A" + QString(1575, QChar(0x3042)));
}

TEST_F(StepFile, ASaveTouchesOnlyItsTableAndTheHeader)
{
    colclsStep first;
    buildProgram(first);
    ASSERT_TRUE(saveNew(first));
    colclsStep third;
    third.Add(1, kYPls, eLOGIC_CLR, 7, conditions({{kX02, 1, 2}}), "third", false, false);
    third.setMemo("memo 3");
    ASSERT_TRUE(save(third, kTable3));
    const QByteArray stpBefore = readFile(stp());
    const QByteArray binBefore = readFile(bin());

    first.setAuthor("Other");
    first.Item(1)->setDelayEtc(12);
    ASSERT_TRUE(save(first, kTable1));
    const QByteArray stpAfter = readFile(stp());
    const QByteArray binAfter = readFile(bin());
    EXPECT_EQ(stpAfter.mid(2 * 8192), stpBefore.mid(2 * 8192));
    EXPECT_EQ(binAfter.mid(2 * 8192), binBefore.mid(2 * 8192));
    EXPECT_NE(stpAfter.left(2 * 8192), stpBefore.left(2 * 8192));

    colclsStep back;
    ASSERT_TRUE(read(back, kTable3));
    EXPECT_EQ(back.Author(), "Other"); // the header belongs to every table
    EXPECT_EQ(back.Memo(), "memo 3");
    EXPECT_EQ(back.Item(1)->Remark(), "third");
}

TEST_F(StepFile, NoteFileIsFoundInAnyLetterCaseAndMayBeMissing)
{
    colclsStep t;
    t.Add(1, kYOn, 0, 0, conditions({}), "remark", false, false);
    t.setMemo("memo");
    ASSERT_TRUE(saveNew(t));
    EXPECT_EQ(colclsStep::NoteFileFor(stp()), bin());
    ASSERT_TRUE(QFile::rename(bin(), path("P.bin")));
    EXPECT_EQ(colclsStep::NoteFileFor(stp()), path("P.bin"));

    colclsStep back;
    ASSERT_TRUE(read(back));
    EXPECT_EQ(back.Item(1)->Remark(), "remark");
    ASSERT_TRUE(save(back, kTable1)); // saved into the note file that is there
    EXPECT_FALSE(QFile::exists(bin()));

    ASSERT_TRUE(QFile::remove(path("P.bin")));
    seqout.SwitchHidden(true);
    colclsStep bare;
    bare.setMemo("kept");
    ASSERT_TRUE(read(bare));
    EXPECT_TRUE(bare.Item(1)->Remark().isEmpty());
    EXPECT_EQ(bare.Memo(), "kept");
    EXPECT_TRUE(seqout.Item(QString::number(kYOn))->Hidden());
    EXPECT_EQ(colclsStep::NoteFileFor(stp()), bin());
}

TEST_F(StepFile, FailedReadsLeaveTheTableAndListsAsTheyWere)
{
    colclsStep t;
    t.Add(1, kYOn, 0, 0, conditions({}), "", false, false);
    ASSERT_TRUE(saveNew(t));
    colclsStep kept;
    kept.Add(7, kYOn, 0, 0, nullptr, "mine", false, false);
    kept.setAuthor("me");
    seqout.SwitchHidden(true);

    expectReports(4);
    EXPECT_FALSE(kept.ReadData(path("missing.stp"), bin(), kTable1, seqout, seqinp));
    for (int32_t at : {1, 8192, 65537})
        EXPECT_FALSE(read(kept, at)) << at;
    EXPECT_EQ(reportedLabels(), QStringList({"ReadData", "ReadData", "ReadData", "ReadData"}));

    // A step or note file that is a pipe, a folder or far too large is refused
    // at once; a note file that is there must be one, not something else.
    using testsupport::Standing;
    for (const QString& file : {stp(), bin()}) {
        const QByteArray content = readFile(file);
        for (const Standing what : {Standing::Fifo, Standing::Folder, Standing::HugeFile}) {
            SCOPED_TRACE(file.toStdString() + " as " + testsupport::nameOf(what));
            testsupport::scriptedUi().clearCalls();
            expectReports(1);
            {
                const testsupport::StandIn standIn(file, what);
                EXPECT_FALSE(read(kept));
                standIn.expectRefusedAtOnce();
            }
            EXPECT_EQ(reportedLabels(), QStringList("ReadData"));
            EXPECT_TRUE(testsupport::scriptedUi().calls()[0].text.contains("[ErrCode] 75"));
        }
        writeFile(file, content);
    }
    EXPECT_EQ(kept.Count(), 1);
    EXPECT_EQ(kept.Item(1)->Remark(), "mine");
    EXPECT_EQ(kept.Author(), "me");
    EXPECT_TRUE(seqout.Item(QString::number(kYOn))->Hidden());
}

TEST_F(StepFile, RefusedSavesLeaveBothFilesAsTheyWere)
{
    colclsStep good;
    buildProgram(good);
    ASSERT_TRUE(saveNew(good));
    const QByteArray stpBefore = readFile(stp());
    const QByteArray binBefore = readFile(bin());

    const auto line = [](std::function<void(colclsStep&)> f) { return f; };
    const struct {
        const char* what;
        std::function<void(colclsStep&)> make;
        int32_t at;
        const char* label;
    } cases[] = {
        {"header table", line([](colclsStep&) {}), 1, "SaveData"},
        {"not a table start", line([](colclsStep&) {}), 8192, "SaveData"},
        {"past the file", line([](colclsStep&) {}), 65537, "SaveData"},
        {"row 193", line([](colclsStep& t) { t.Add(193, kYOn, 0, 0, conditions({}), "", false, false); }), kTable1,
         "WriteOneStep"},
        {"row 0", line([](colclsStep& t) { t.Add(0, 0, 0, 0, nullptr, "", true, false); }), kTable1, "WriteOneStep"},
        {"nine conditions",
         line([](colclsStep& t) {
             auto ins = conditions({});
             ins->Add(9, 0, 0, 0);
             t.Add(1, kYOn, 0, 0, ins, "", false, false);
         }),
         kTable1, "WriteOneStep"},
        {"delay 65536", line([](colclsStep& t) { t.Add(1, kYOn, 0, 65536, nullptr, "", false, false); }), kTable1,
         "WriteOneStep"},
        {"delay -32768", line([](colclsStep& t) { t.Add(1, kXPls, 0, -32768, nullptr, "", false, false); }), kTable1,
         "WriteOneStep"},
        {"logic 16", line([](colclsStep& t) { t.Add(1, kYOn, 16, 0, nullptr, "", false, false); }), kTable1,
         "WriteOneStep"},
        {"state 4", line([](colclsStep& t) { t.Add(1, kYOn, 0, 0, conditions({{kX01, 4, 0}}), "", false, false); }),
         kTable1, "WriteOneStep"},
        {"relation 16",
         line([](colclsStep& t) { t.Add(1, kYOn, 0, 0, conditions({{kX01, 0, 16}}), "", false, false); }), kTable1,
         "WriteOneStep"},
        {"condition code 65536",
         line([](colclsStep& t) { t.Add(1, kYOn, 0, 0, conditions({{65536, 0, 0}}), "", false, false); }), kTable1,
         "WriteOneStep"},
        {"counter form 16",
         line([](colclsStep& t) { t.Add(1, kYOn, 0, 0, conditions({{kCnt1, 0, 0}}, 16), "", false, false); }),
         kTable1, "WriteOneStep"},
        {"counter form unset",
         line([](colclsStep& t) { t.Add(1, kYOn, 0, 0, conditions({{kCnt1, 0, 0}}), "", false, false); }), kTable1,
         "WriteOneStep"},
        {"author not scrambled", line([](colclsStep& t) { t.setAuthor(QStringLiteral("A\x01")); }), kTable1,
         "EncodeWord"},
    };
    for (const auto& c : cases) {
        platform::setClockForTesting([] { return QDateTime(QDate(2024, 3, 15), QTime(12, 59, 59)); });
        testsupport::scriptedUi().clearCalls();
        colclsStep t;
        c.make(t);
        expectReports(1);
        EXPECT_FALSE(save(t, c.at)) << c.what;
        EXPECT_EQ(reportedLabels(), QStringList(c.label)) << c.what;
        EXPECT_EQ(readFile(stp()), stpBefore) << c.what;
        EXPECT_EQ(readFile(bin()), binBefore) << c.what;
    }

    // A table goes only into a whole step file; a missing or cut-short one is not made up.
    for (const QByteArray& content : {QByteArray(), stpBefore.left(20000)}) {
        if (content.isEmpty())
            QFile::remove(stp());
        else
            writeFile(stp(), content);
        testsupport::scriptedUi().clearCalls();
        expectReports(1);
        EXPECT_FALSE(save(good, kTable1));
        EXPECT_EQ(reportedLabels(), QStringList("SaveStepData"));
        if (content.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(stp()));
        } else {
            EXPECT_EQ(readFile(stp()), content);
        }
        EXPECT_EQ(readFile(bin()), binBefore);
    }
    writeFile(stp(), stpBefore);

    // A note file that may not be replaced keeps the step file from being replaced too.
    QFile::setPermissions(bin(), QFile::ReadOwner);
    testsupport::scriptedUi().clearCalls();
    expectReports(1);
    EXPECT_FALSE(saveNew(good));
    EXPECT_EQ(reportedLabels(), QStringList("SaveData"));
    EXPECT_EQ(readFile(stp()), stpBefore);
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(StepFile, AStepFileThatIsItsOwnNoteFileIsRefusedUntouched)
{
    colclsStep good;
    buildProgram(good);
    ASSERT_TRUE(saveNew(good));
    const QByteArray content = readFile(stp());

    // The note file's name is the step file's with the extension BIN: a step
    // file named so would be read as its own notes and saved over by them.
    for (const char* name : {"Q.BIN", "Q.bin", "new.Bin"}) {
        SCOPED_TRACE(name);
        const QString data = path(name);
        const bool exists = QLatin1String(name) != "new.Bin";
        if (exists)
            writeFile(data, content);
        const QString note = colclsStep::NoteFileFor(data);
        testsupport::scriptedUi().clearCalls();
        expectReports(3);
        colclsStep t;
        EXPECT_FALSE(t.ReadData(data, note, kTable1, seqout, seqinp));
        EXPECT_FALSE(good.SaveData(note, data, note, kTable1, false, seqout, seqinp));
        EXPECT_FALSE(good.SaveData(note, data, note, kTable1, true, seqout, seqinp));
        EXPECT_EQ(reportedLabels(), QStringList({"ReadData", "SaveData", "SaveData"}));
        for (const auto& call : testsupport::scriptedUi().calls())
            EXPECT_TRUE(call.text.contains("[ErrCode] 52") && call.text.contains("its own note file"))
                << call.text.toStdString();
        EXPECT_EQ(QFileInfo::exists(data), exists);
        if (exists) {
            EXPECT_EQ(readFile(data), content);
        }
    }

    // So is a note path that names the step file itself, whatever its name,
    // and a note file that is the step file under another name.
    testsupport::scriptedUi().clearCalls();
    expectReports(1);
    EXPECT_FALSE(good.SaveData(stp(), stp(), stp(), kTable1, false, seqout, seqinp));
    EXPECT_EQ(readFile(stp()), content);
    ASSERT_TRUE(QFile::link(stp(), path("L.BIN")));
    ASSERT_EQ(::link(QFile::encodeName(stp()).constData(), QFile::encodeName(path("H.BIN")).constData()), 0);
    for (const char* note : {"L.BIN", "H.BIN"}) {
        testsupport::scriptedUi().clearCalls();
        expectReports(2);
        colclsStep t;
        EXPECT_FALSE(t.ReadData(stp(), path(note), kTable1, seqout, seqinp)) << note;
        EXPECT_FALSE(good.SaveData(path(note), stp(), path(note), kTable1, false, seqout, seqinp)) << note;
        EXPECT_EQ(reportedLabels(), QStringList({"ReadData", "SaveData"})) << note;
        EXPECT_EQ(readFile(stp()), content);
        ASSERT_TRUE(QFile::remove(path(note)));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"P.BIN", "P.stp", "Q.BIN", "Q.bin"}));
}
