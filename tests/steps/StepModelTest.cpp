#include "datamodel/steps/StepWordScramble.h"
#include "datamodel/steps/colclsStep.h"

#include "ScriptedUi.h"
#include "platform/Clock.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Telva27;
using testsupport::scriptedUi;

TEST(StepModel, MnemonicsAndSigns)
{
    const std::pair<int32_t, const char*> logic[] = {{0, "LOW"}, {3, "JMP"}, {10, "CALL"}, {11, "RET"}, {12, ""}, {-1, ""}};
    for (const auto& [value, text] : logic)
        EXPECT_EQ(clsStepOut::LogicJ(value), QString::fromLatin1(text)) << value;
    const std::pair<int32_t, const char*> rel[] = {{0, "&"}, {1, "_"}, {2, "E"}, {3, ">="}, {6, "!="}, {8, "-"}, {9, ""}, {-1, ""}};
    for (const auto& [value, text] : rel)
        EXPECT_EQ(colclsStepIn::RelJ(value), QString::fromLatin1(text)) << value;
}

TEST(StepModel, FreshTableAndLines)
{
    colclsStep table;
    EXPECT_EQ(table.Count(), 0);
    EXPECT_TRUE(table.Memo().isEmpty() && table.Password().isEmpty() && table.Author().isEmpty());
    EXPECT_EQ(table.arCountBytes(), colclsStep::CountBytes{});
    for (const auto& caption : table.arCountCaption())
        EXPECT_TRUE(caption.isEmpty());

    // A line without conditions answers one empty list, the same one each time.
    const auto line = table.Add(1, 5, eLOGIC_HIGH, 300, nullptr, "r", false, false);
    ASSERT_TRUE(line);
    const auto ins = line->ins();
    EXPECT_EQ(ins->Count(), 0);
    EXPECT_EQ(ins->CounterId(), -1);
    EXPECT_EQ(line->ins(), ins);

    // Two lines may share one list.
    const auto shared = std::make_shared<colclsStepIn>();
    table.Add(2, 6, eLOGIC_LOW, 0, shared, "", false, false);
    table.Add(3, 7, eLOGIC_LOW, 0, shared, "", false, false);
    shared->Add(1, 40, ePOS_LEV, eREL_END);
    EXPECT_EQ(table.Item("2")->ins()->Count(), 1);
    EXPECT_EQ(table.Item(3)->ins()->Item("1")->Kino(), 40);

    // The arrays are copies.
    colclsStep::Captions captions = table.arCountCaption();
    captions[0] = "changed";
    EXPECT_TRUE(table.arCountCaption()[0].isEmpty());
}

TEST(StepModel, AddFailuresAreReportedAndLeaveTheTable)
{
    colclsStep table;
    table.Add(1, 5, 0, 0, nullptr, "", false, false);
    for (int32_t kino : {5, 32768, -32769}) {
        scriptedUi().answerMessageBox(platform::vbOK);
        const int32_t row = kino == 5 ? 1 : 2; // a row already present, or a code outside 16 bits
        EXPECT_EQ(table.Add(row, kino, 0, 0, nullptr, "", false, false), nullptr) << kino;
    }
    EXPECT_EQ(table.Count(), 1);
    for (const auto& call : scriptedUi().calls())
        EXPECT_TRUE(call.text.startsWith("Add\r\n"));

    colclsStepIn ins;
    ins.Add(1, 1, 0, 0);
    EXPECT_THROW(ins.Add(1, 2, 0, 0), platform::RuntimeError); // no trap: the caller's handler sees it
    EXPECT_THROW(ins.Item(1)->setJyotai(256), platform::RuntimeError);
    EXPECT_THROW(ins.Item(1)->setJyotai(-1), platform::RuntimeError);
}

TEST(StepModel, ByteAndIntegerMembersRefuseWhatDoesNotFit)
{
    // Each member stores a value and answers what it kept.
    const struct {
        const char* member;
        int64_t lowest, highest;
        std::function<int64_t(int64_t)> keep;
    } cases[] = {
        {"colclsStepIn.Add state", 0, 255,
         [](int64_t v) {
             colclsStepIn ins;
             ins.Add(1, 0, v, 0);
             return ins.Item(1)->Jyotai();
         }},
        {"clsStepIn.Jyotai", 0, 255,
         [](int64_t v) {
             clsStepIn condition;
             condition.setJyotai(static_cast<int32_t>(v));
             return condition.Jyotai();
         }},
        {"clsStepOut.Kino", -32768, 32767,
         [](int64_t v) {
             clsStepOut line;
             line.setKino(v);
             return line.Kino();
         }},
    };
    for (const auto& c : cases) {
        for (const int64_t fits : {c.lowest, c.highest})
            EXPECT_EQ(c.keep(fits), fits) << c.member;
        for (const int64_t wraps : {c.lowest - 1, c.highest + 1}) {
            try {
                c.keep(wraps);
                ADD_FAILURE() << c.member << " kept " << wraps;
            } catch (const platform::RuntimeError& e) {
                EXPECT_EQ(e.number(), platform::errOverflow) << c.member << " " << wraps;
            }
        }
    }
    // An overflowing state adds nothing.
    colclsStepIn ins;
    EXPECT_THROW(ins.Add(1, 0, 256, 0), platform::RuntimeError);
    EXPECT_EQ(ins.Count(), 0);
    EXPECT_FALSE(ins.Contains("1"));
}

TEST(StepModel, LinesAndConditionsAreObjectsOfTheirTable)
{
    auto table = std::make_unique<colclsStep>();
    for (int32_t row : {1, 2, 3})
        table->Add(row, row, eLOGIC_HIGH, 10 * row, nullptr, QString("r%1").arg(row), false, false);
    table->Add(193, 9, 0, 0, nullptr, "", false, false); // kept, for a save to refuse

    // One object per line; a change through it is the table's.
    const auto two = table->Item("2");
    EXPECT_EQ(table->Item(2), two);
    two->setDelayEtc(7);
    EXPECT_EQ(table->Item(2)->DelayEtc(), 7);
    EXPECT_EQ(table->Item("193")->Kino(), 9);

    // Keys are the rows' decimal texts exactly; positions run 1 to Count.
    for (const char* key : {"02", "+2", " 2", "", "4", "99999999999"}) {
        try {
            table->Item(QString::fromLatin1(key));
            ADD_FAILURE() << key;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errInvalidCall) << key;
        }
    }
    EXPECT_THROW(table->Item(5), platform::RuntimeError);
    EXPECT_THROW(table->Item(0), platform::RuntimeError);

    // A removed line keeps its values, also when its row is added again.
    table->Remove("2");
    EXPECT_EQ(table->Count(), 3);
    EXPECT_FALSE(table->Contains("2"));
    table->Add(2, 20, eLOGIC_LOW, 0, nullptr, "", false, false);
    EXPECT_EQ(std::tuple(two->Row(), two->Kino(), two->DelayEtc(), two->Remark()), std::tuple(2, 2, 7, QString("r2")));
    EXPECT_EQ(table->Item("2")->Kino(), 20);
    QList<int32_t> rows;
    for (const auto& line : *table)
        rows << line->Row();
    EXPECT_EQ(rows, QList<int32_t>({1, 3, 193, 2}));
    table->Remove(3);
    EXPECT_FALSE(table->Contains("193"));

    // Lines outlive their table.
    const auto one = table->Item(1);
    table->Clear();
    EXPECT_EQ(table->Count(), 0);
    table.reset();
    EXPECT_EQ(one->Remark(), "r1");

    // Conditions: a removed one keeps its values and the others close up.
    colclsStepIn ins;
    for (int32_t block = 1; block <= 9; ++block)
        ins.Add(block, 100 + block, block % 4, eREL_AND);
    const auto second = ins.Item("2");
    ins.Remove(2);
    EXPECT_EQ(ins.Count(), 8);
    EXPECT_EQ(ins.Item(2)->block(), 3);
    EXPECT_FALSE(ins.Contains("2"));
    EXPECT_EQ(std::tuple(second->block(), second->Kino(), second->Jyotai()), std::tuple(2, 102, 2));
    ins.Remove("9");
    ins.Add(2, 5, 0, eREL_END);
    QList<int32_t> blocks;
    for (const auto& condition : ins)
        blocks << condition->block();
    EXPECT_EQ(blocks, QList<int32_t>({1, 3, 4, 5, 6, 7, 8, 2}));
    EXPECT_EQ(second->Kino(), 102);
}

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

void fixClock(int year, int month, int day, int h, int m, int s)
{
    platform::setClockForTesting([=] { return QDateTime(QDate(year, month, day), QTime(h, m, s)); });
}

} // namespace

TEST(StepScramble, KnownFieldsForAFixedClock)
{
    fixClock(2024, 3, 15, 12, 34, 56); // author key 3+4+5+6 = 18, password key 0+3+1+5 = 9
    const QByteArray z13(13, '\0');
    EXPECT_EQ(stepscramble::encodeWord("ABC", true), bytes({0xC3, 0xC2, 0xC1}) + z13 + bytes({0xC2, 0xC1, 0xC0, 0xBF}));
    EXPECT_EQ(stepscramble::encodeWord("pw", false),
              bytes({0x8B, 0x84, 0, 0, 0, 0, 0, 0, 0xC3, 0xC5, 0xC3, 0xC1, 0xC5, 0xC2, 0xC4, 0xC0}));
    // Full-width text is scrambled byte by byte ("山田" = 8E 52 93 63).
    EXPECT_EQ(stepscramble::encodeWord(QStringLiteral("山田"), true).left(5), bytes({0x76, 0xB2, 0x71, 0xA1, 0}));

    fixClock(2024, 3, 15, 12, 0, 0); // key 0: every byte is 242 - c
    EXPECT_EQ(stepscramble::encodeWord("A", true).left(2), bytes({0xB1, 0}));
    EXPECT_EQ(stepscramble::encodeWord("A", true).right(4), bytes({0xC5, 0xC5, 0xC5, 0xC5}));
}

TEST(StepScramble, TextsReadBackAsTheFieldKeepsThem)
{
    const struct {
        const char* text;
        bool author;
        const char* readBack;
    } cases[] = {
        {"ABCDEFGHIJKLMNOP", true, "ABCDEFGHIJKLMNOP"},   // exactly 16 bytes
        {"ABCDEFGHIJKLMNOPQ", true, "ABCDEFGHIJKLMNOP"},  // cut to 16
        {"山田 太郎", true, "山田 太郎"},
        {"Aあいうえおかきく", true, "Aあいうえおかき"}, // 17 bytes, cut where a character ends
        {"password123", false, "password"},
        {"pw", false, "pw"},
        {"ぱす", false, "ぱす"},
    };
    for (const auto& c : cases) {
        for (int second : {0, 7, 59}) {
            fixClock(2025, 12, 31, 23, 59, second);
            const QByteArray field = stepscramble::encodeWord(QString::fromUtf8(c.text), c.author);
            ASSERT_EQ(field.size(), c.author ? 20 : 16);
            EXPECT_EQ(stepscramble::decodeWord(field, c.author), QString::fromUtf8(c.readBack)) << c.text << second;
        }
    }
    EXPECT_EQ(stepscramble::decodeWord(QByteArray(20, '\0'), true), QString());

    // Different seconds give different bytes.
    fixClock(2025, 1, 1, 10, 10, 1);
    const QByteArray first = stepscramble::encodeWord("ME", true);
    fixClock(2025, 1, 1, 10, 10, 2);
    EXPECT_NE(stepscramble::encodeWord("ME", true), first);
}

TEST(StepScramble, BytesThatCannotBeScrambledFail)
{
    fixClock(2025, 1, 1, 10, 59, 59); // key 5+9+5+9 = 28: a control byte would pass 255
    EXPECT_THROW(stepscramble::encodeWord(QStringLiteral("A\x01"), true), platform::RuntimeError);
    EXPECT_THROW(stepscramble::decodeWord(QByteArray(20, '\xFF'), true), platform::RuntimeError);
}
