// The step references of the user's step window renumbered after rows moved:
// jumps, calls and step conditions shifted, references past the last step or
// into removed steps refused, each change confirmed (Yes, No, All yes, All
// no) in the replace question, and only names the cell would take written.

#include "StepRowsFixture.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Ui.h"
#include "stepeditor/fDlgReplace.h"

#include "FormLayoutCheck.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using steptest::StepRowsFixture;
using testsupport::scriptedUi;
using QelmStp::mMOD::MessageText;

namespace {

class Renumber : public StepRowsFixture {
protected:
    void SetUp() override
    {
        StepRowsFixture::SetUp();
        // The refusals are warnings; takeMessages() tells which were shown.
        scriptedUi().answerEveryMessageBox(platform::vbOK);
    }

    // Step references at rows 1 to 6: jumps to 9, 10, 11 and 191, a call to
    // 12 and a step condition on 15 in the second input group of row 6.
    void references()
    {
        jumpTo(1, 9);
        jumpTo(2, 10);
        jumpTo(3, 11);
        jumpTo(4, 191);
        step(5, QStringLiteral("C012"));
        step(6, QStringLiteral("CLAMP"), QStringLiteral("S010"));
        grid().setTextMatrix(6, 7, QStringLiteral("0"));
        grid().setTextMatrix(6, 8, QStringLiteral("S015"));
        grid().setTextMatrix(6, 9, QStringLiteral("0"));
        grid().setTextMatrix(6, 10, QStringLiteral("2"));
    }
    QStringList referenceCells()
    {
        return {cell(1, 2), cell(2, 2), cell(3, 2), cell(4, 2), cell(5, 2), cell(6, 5), cell(6, 8)};
    }
};

TEST_F(Renumber, AnInsertShiftsTheReferencesFromItsRowAndRefusesThosePastTheEnd)
{
    references();
    // Two rows inserted at row 10 (the references sit above it and stay in place).
    user().InsertRows(10, 2);
    EXPECT_EQ(referenceCells(),
              QStringList({"J009", "J012", "J013", "J191", "C014", "S012", "S017"}));
    EXPECT_EQ(takeMessages(), QStringList{MessageText(85, QStringLiteral("J191"))});
    EXPECT_EQ(MessageText(85, QStringLiteral("J191")),
              QStringLiteral("The following function cannot be replaced because of invalid address.\r\n\r\nJ191"));
    // The refused cell was shown to the user, alone.
    EXPECT_EQ(grid().SelectionMode(), platform::grid::selFree);
}

TEST_F(Renumber, ClosingAGapRefusesReferencesIntoItAndMovesThoseBelowUp)
{
    references();
    scriptedUi().answerMessageBox(platform::vbYes); // close the gap
    user().DeleteRows(platform::grid::selByRow, 10, 12, 1, grid().Cols() - 1);
    EXPECT_EQ(referenceCells(),
              QStringList({"J009", "J010", "J011", "J188", "C012", "S010", "S012"}));
    EXPECT_EQ(takeMessages(), QStringList({MessageText(59), MessageText(86, QStringLiteral("J010")),
                                           MessageText(86, QStringLiteral("J011")),
                                           MessageText(86, QStringLiteral("C012")),
                                           MessageText(86, QStringLiteral("S010"))}));
}

TEST_F(Renumber, EachChangeIsAskedInRowAndColumnOrderUntilAllYesOrAllNo)
{
    state().DoesAskInReplacing = true;
    const struct {
        const char* name;
        std::vector<int> answers; // the buttons pressed, one per question
        QStringList asked;
        QStringList after;
    } cases[] = {
        {"yes and no",
         {1, 2, 1, 1, 2},
         {"J010 -> J012", "J011 -> J013", "C012 -> C014", "S010 -> S012", "S015 -> S017"},
         {"J009", "J012", "J011", "J191", "C014", "S012", "S015"}},
        {"all yes at the first", {3}, {"J010 -> J012"}, {"J009", "J012", "J013", "J191", "C014", "S012", "S017"}},
        {"all no at the second", {1, 4}, {"J010 -> J012", "J011 -> J013"},
         {"J009", "J012", "J011", "J191", "C012", "S010", "S015"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        user().exchange().ClearAll();
        references();
        QStringList asked;
        for (int button : c.answers)
            answerReplace(button, &asked);
        user().InsertRows(10, 2);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(referenceCells(), c.after);
        // J191 is refused before it is asked about, unless All no ended the run.
        takeMessages();
    }
}

TEST_F(Renumber, NothingIsRenumberedWhenTheOptionIsOff)
{
    references();
    state().DoesReplaceFunction = false;
    grid().setSelectionMode(platform::grid::selByRow);
    user().InsertRows(1, 2);
    EXPECT_EQ(cell(3, 2), QStringLiteral("J009"));
    EXPECT_EQ(cell(4, 2), QStringLiteral("J010"));
    EXPECT_EQ(cell(6, 2), QStringLiteral("J191"));
    EXPECT_EQ(grid().SelectionMode(), platform::grid::selByRow);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(Renumber, ARenumberedNameTheCellWouldRefuseStaysAsItWas)
{
    references();
    // A list without a jump to step 12: typing it would be refused.
    state().selectKino->stpout().Remove(QString::number(state().selectKino->stpout().ValueByDigital("J012")));
    ASSERT_EQ(state().selectKino->stpout().ValueByDigital("J012"), -1);
    user().InsertRows(10, 2);
    EXPECT_EQ(cell(2, 2), QStringLiteral("J010"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("J013"));
    EXPECT_EQ(takeMessages(), QStringList({MessageText(67), MessageText(85, QStringLiteral("J191"))}));
    EXPECT_EQ(MessageText(67), QStringLiteral("Input value does not exists."));
}

TEST_F(Renumber, ANewNameIsTheFirstLetterAndTheShiftedNumberInThreeDigits)
{
    const struct {
        const char* name;
        int shift;
        const char* renamed;
    } cases[] = {
        {"J123", 1, "J124"}, {"S005", 3, "S008"}, {"C015", -3, "C012"}, {"JX005", 2, "J007"},
        {"J999", 1, "J1000"}, {"J001", -2, "J-001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(user().CreateNewDigital(QLatin1String(c.name), c.shift), QLatin1String(c.renamed)) << c.name;
    EXPECT_EQ(QelmStp::fStep::StepNumberOf(QStringLiteral("JX005")), 5);
}

TEST_F(Renumber, TheReplaceQuestionAnswersByButtonAndUpperCaseKey)
{
    QelmStp::fDlgReplace& dialog = user().dlgReplace();
    dialog.setData(QStringLiteral("J010 -> J012"));
    dialog.Form_Load();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("QELM_STEP"));
    testsupport::WindowDriver w(dialog);
    EXPECT_EQ(w.child<QLabel>(QStringLiteral("lblMsg"))->text(), QStringLiteral("Do you replace this function"));
    EXPECT_EQ(w.child<QLabel>(QStringLiteral("lblData"))->text(), QStringLiteral("J010 -> J012"));
    const char* captions[] = {"&Yes", "&No", "&All Yes", "All N&o"};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(w.child<QPushButton>(QStringLiteral("BTN%1").arg(i))->text(), QLatin1String(captions[i - 1]));
    dialog.show();
    testsupport::expectLaidOutCleanly(dialog);
    steptest::grabIfAsked(dialog, QStringLiteral("step-replace-question.png"));

    // Keys as the keyboard types them: only the upper-case letters answer.
    const struct {
        Qt::Key key;
        const char* text;
        int ret; // 0: the answer stays
    } keys[] = {
        {Qt::Key_Y, "Y", 1}, {Qt::Key_N, "N", 2}, {Qt::Key_A, "A", 3},       {Qt::Key_O, "O", 4},
        {Qt::Key_Y, "y", 0}, {Qt::Key_X, "X", 0}, {Qt::Key_Escape, "\x1b", 0},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.text);
        dialog.setRet(7);
        dialog.show();
        QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, QLatin1String(k.text));
        QApplication::sendEvent(&dialog, &press);
        EXPECT_EQ(dialog.Ret(), k.ret ? k.ret : 7);
    }
    dialog.hide();
}

} // namespace
