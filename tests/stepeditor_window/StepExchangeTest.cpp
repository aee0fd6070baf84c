// A step program shown in the grid and built back from it: REM marks, remarks
// of empty lines, counter constants, and the rows that can't be converted.

#include "StepCellFixture.h"

#include "datamodel/steps/colclsStep.h"
#include "stepeditor/cells/CellCategories.h"
#include "stepeditor/exchange/StepExchange.h"

#include <memory>

using QelmStp::StepExchange;
using Telva27::colclsStep;
using Telva27::colclsStepIn;

namespace {

struct Cond {
    int block, kino, jyotai, rel;
};

class StepExchangeTest : public steptest::StepCellFixture {
protected:
    void SetUp() override
    {
        StepCellFixture::SetUp();
        exchange.ControlChange = [this](bool changed) { lastChange = changed; };
    }

    static std::shared_ptr<colclsStepIn> insOf(std::initializer_list<Cond> conds, int counterId = -1)
    {
        auto ins = std::make_shared<colclsStepIn>();
        for (const auto& c : conds)
            ins->Add(c.block, c.kino, c.jyotai, c.rel);
        ins->setCounterId(counterId);
        return ins;
    }

    // A program of 192 lines: the given ones, NOP lines elsewhere.
    static std::shared_ptr<colclsStep> programOf(
        std::initializer_list<std::tuple<int, int, int, int, std::shared_ptr<colclsStepIn>, bool>> lines)
    {
        auto program = std::make_shared<colclsStep>();
        for (int row = 1; row <= 192; ++row) {
            bool added = false;
            for (const auto& [r, kino, logic, delay, ins, rem] : lines) {
                if (r == row) {
                    program->Add(r, kino, logic, delay, ins, QStringLiteral("line %1").arg(r), false, rem);
                    added = true;
                }
            }
            if (!added)
                program->Add(row, 0, 0, 0, nullptr, row == 7 ? QStringLiteral("note only") : QString(), true, false);
        }
        return program;
    }

    QStringList rowTexts(int row)
    {
        QStringList texts;
        for (int col = 1; col <= 13; ++col)
            texts << grid().TextMatrix(row, col);
        return texts;
    }

    static QList<Cond> condsOf(const colclsStep& program, int row)
    {
        QList<Cond> conds;
        for (const auto& in : *program.Item(QString::number(row))->ins())
            conds.append({in->block(), in->Kino(), in->Jyotai(), in->Rel()});
        return conds;
    }

    QelmStp::CellCategories cells{fg, stpout, stpinp, reporter};
    StepExchange exchange{fg, stpout, stpinp, cells, reporter};
    bool lastChange = true;
};

bool operator==(const Cond& a, const Cond& b)
{
    return a.block == b.block && a.kino == b.kino && a.jyotai == b.jyotai && a.rel == b.rel;
}

TEST_F(StepExchangeTest, AProgramIsShownAndBuiltBackUnchanged)
{
    auto program = programOf({
        {1, 10, 1, 100, insOf({{1, 1, 1, 0}, {2, 2, 3, 2}}), false},
        {3, 11, 0, 5, insOf({{1, 2, 0, 2}}), true},
        {4, 22, 11, 9, insOf({{1, 1, 0, 2}}), false}, // RET: its inputs are not shown
        {5, 20, 3, 0, insOf({{1, 1, 0, 2}, {2, 2, 1, 0}}), false}, // inputs after END are dropped
    });
    program->setMemo(QStringLiteral("memo"));
    program->setPassword(QStringLiteral("pw"));
    program->setAuthor(QStringLiteral("me"));
    program->setArCountBytes({1, 2, 3, 4, 5, 6, 7, 8});
    program->setArCountCaption({QStringLiteral("CNT")});
    program->setArLcdCaption({QStringLiteral("LCD")});
    grid().setTextMatrix(9, 2, QStringLiteral("stale"));
    exchange.SetREMColor(9, true);

    exchange.PasteData(*program);

    EXPECT_FALSE(lastChange);
    EXPECT_EQ(rowTexts(1), QStringList({"line 1", "Y1", "1", "100", "X1", "1", "0", "X2", "3", "2", "", "", ""}));
    EXPECT_TRUE(exchange.IsREM(3));
    EXPECT_FALSE(exchange.IsREM(1));
    EXPECT_FALSE(exchange.IsREM(9));
    EXPECT_EQ(grid().TextMatrix(9, 2), QString());
    EXPECT_EQ(rowTexts(4), QStringList({"line 4", "RET", "11", "***", "***", "***", "***", "", "", "", "", "", ""}));
    EXPECT_EQ(rowTexts(5), QStringList({"line 5", "JMP", "3", "***", "X1", "0", "2", "", "", "", "", "", ""}));
    EXPECT_EQ(rowTexts(7), QStringList({"note only", "", "", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(takeMessages().isEmpty());

    auto held = program;
    ASSERT_TRUE(exchange.Update_step(program));
    ASSERT_NE(program, held);
    EXPECT_EQ(program->Count(), 192);
    EXPECT_EQ(program->Memo(), QStringLiteral("memo"));
    EXPECT_EQ(program->Password(), QStringLiteral("pw"));
    EXPECT_EQ(program->Author(), QStringLiteral("me"));
    EXPECT_EQ(program->arCountBytes(), held->arCountBytes());
    EXPECT_EQ(program->arCountCaption(), held->arCountCaption());
    EXPECT_EQ(program->arLcdCaption(), held->arLcdCaption());

    const auto line1 = program->Item(QStringLiteral("1"));
    EXPECT_EQ(line1->Kino(), 10);
    EXPECT_EQ(line1->Logic(), 1);
    EXPECT_EQ(line1->DelayEtc(), 100);
    EXPECT_FALSE(line1->NOP());
    EXPECT_FALSE(line1->DoesREM());
    EXPECT_EQ(line1->ins()->CounterId(), -1);
    EXPECT_EQ(condsOf(*program, 1), (QList<Cond>{{1, 1, 1, 0}, {2, 2, 3, 2}, {3, 0, 0, 0}, {4, 0, 0, 0},
                                                 {5, 0, 0, 0}, {6, 0, 0, 0}, {7, 0, 0, 0}, {8, 0, 0, 0}}));
    EXPECT_TRUE(program->Item(QStringLiteral("3"))->DoesREM());
    EXPECT_EQ(program->Item(QStringLiteral("4"))->DelayEtc(), 0); // "***" reads 0
    EXPECT_EQ(condsOf(*program, 5)[1], (Cond{2, 0, 0, 0}));
    const auto note = program->Item(QStringLiteral("7"));
    EXPECT_TRUE(note->NOP());
    EXPECT_EQ(note->Remark(), QStringLiteral("note only"));
    EXPECT_EQ(condsOf(*program, 7).size(), 8);
}

TEST_F(StepExchangeTest, CounterConstantsAreUnsignedInTheGridAndSignedInTheProgram)
{
    auto program = programOf({{2, 30, 6, 0, insOf({{1, 50, 0, 5}, {2, -1, 0, 2}}, 0), false}});
    exchange.PasteData(*program);
    EXPECT_EQ(rowTexts(2), QStringList({"line 2", "CNT1", "6", "0", "C1", "***", "5", "65535", "***", "2", "", "", ""}));

    const struct {
        const char* typed;
        int stored;
    } cases[] = {{"65535", -1}, {"40000", -25536}, {"32767", 32767}, {"12.5", 12}, {"8000", 8000}};
    for (const auto& c : cases) {
        grid().setTextMatrix(2, 8, QLatin1String(c.typed));
        ASSERT_TRUE(exchange.Update_step(program)) << c.typed;
        const auto ins = program->Item(QStringLiteral("2"))->ins();
        EXPECT_EQ(ins->CounterId(), 0) << c.typed;
        EXPECT_EQ(ins->Item(QStringLiteral("2"))->Kino(), c.stored) << c.typed;
        EXPECT_EQ(ins->Item(QStringLiteral("1"))->Kino(), 50) << c.typed;
    }

    // counter + constant >= counter: id 4, group 3 a counter again.
    fillRow(2, {{2, "CNT1"}, {3, "6"}, {4, "0"}, {5, "C1"}, {6, "***"}, {7, "7"}, {8, "40000"}, {9, "***"}, {10, "3"}, {11, "C2"},
                {12, "***"}, {13, "2"}});
    ASSERT_TRUE(exchange.Update_step(program));
    exchange.PasteData(*program);
    EXPECT_EQ(program->Item(QStringLiteral("2"))->ins()->CounterId(), 4);
    EXPECT_EQ(grid().TextMatrix(2, 8), QStringLiteral("40000"));
    EXPECT_EQ(grid().TextMatrix(2, 11), QStringLiteral("C2"));
}

TEST_F(StepExchangeTest, InputsWithoutAnOutputAreNotDroppedIntoANopLine)
{
    // The file would keep the row as an empty line: the conversion stops
    // there with the output cell current instead of losing the inputs.
    fillRow(6, {{1, "kept"}, {8, "X2"}, {10, "2"}});
    auto program = std::make_shared<colclsStep>();
    const auto held = program;
    EXPECT_FALSE(exchange.Update_step(program));
    EXPECT_EQ(program, held);
    EXPECT_EQ(grid().Row(), 6);
    EXPECT_EQ(grid().Col(), 2);
}

TEST_F(StepExchangeTest, AnUnlistedCodeStopsOnlyItsLine)
{
    auto program = programOf({
        {1, 99, 1, 0, insOf({{1, 1, 0, 2}}), false},  // output code not listed
        {2, 10, 6, 0, insOf({{1, 77, 0, 2}}), true},  // input code not listed
        {3, 11, 1, 0, insOf({{1, 2, 0, 2}}), false},
    });
    testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    exchange.PasteData(*program);
    const auto messages = takeMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("PasteThisData")));
    EXPECT_EQ(rowTexts(1).mid(1, 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(rowTexts(2).mid(1, 4), QStringList({"Y1", "6", "0", ""}));
    EXPECT_TRUE(exchange.IsREM(2));
    EXPECT_EQ(rowTexts(3).mid(1, 6), QStringList({"Y2", "1", "0", "X2", "0", "2"}));
    EXPECT_EQ(grid().TextMatrix(1, 1), QStringLiteral("line 1"));
}

TEST_F(StepExchangeTest, ARowThatCannotBeSavedAsItStandsLeavesTheProgramWhole)
{
    auto program = programOf({{1, 10, 1, 0, insOf({{1, 1, 0, 2}}), false}});
    program->setMemo(QStringLiteral("memo"));
    exchange.PasteData(*program);
    const auto held = program;
    // A state over a byte, a constant over 32 bits, a relation without its
    // function (the function's cell, to be filled first, is shown).
    const struct {
        int col;
        const char* text;
        int shown;
    } bad[] = {{6, "300", 6}, {5, "1e12", 5}, {10, "0", 8}};
    for (const auto& [col, text, shownCol] : bad) {
        fillRow(1, {{2, "Y1"}, {3, "1"}, {5, "X1"}, {6, "0"}, {7, "2"}});
        grid().setTextMatrix(1, col, QLatin1String(text));
        grid().Select(9, 9);
        EXPECT_FALSE(exchange.Update_step(program)) << text;
        EXPECT_EQ(program, held) << text;
        EXPECT_EQ(program->Memo(), QStringLiteral("memo"));
        EXPECT_EQ(grid().Row(), 1) << text;
        EXPECT_EQ(grid().Col(), shownCol) << text;
        EXPECT_TRUE(takeMessages().isEmpty()) << text;
    }
}

} // namespace
