// fStep: the whole-program checks made before the user's grid is saved. The
// cell rules keep single cells valid while editing; these look at whole rows
// for steps left incomplete: a step without an END relation, without logic or
// delay, or with input conditions and no output function. The first faulty
// row stops the check with its offending cell current and in view.

#include "fStep.h"

#include "ProgramState.h"
#include "grid/StepColumns.h"
#include "mMOD.h"

#include "exchange/SelectionVisibility.h"

#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsSelectKino.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"

namespace QelmStp {

namespace {

constexpr int32_t kRelEnd = 2; // the relation code of END
constexpr int16_t kMsgNotConverted = 80;
constexpr int16_t kKindCritical = 1;
// The output category whose step ends a subroutine: it takes no inputs and no END.
const QString kCategoryReturn = QStringLiteral("RETURN");

} // namespace

bool fStep::ExactInput()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExactInput"),
                            [&] { return DoesCheck1() && DoesCheck2() && DoesCheckCells(); });
}

void fStep::showFaultyCell(int32_t row, int32_t col)
{
    fg_->data().Select(row, col);
    fg_->ShowCell(row, col);
}

bool fStep::DoesCheck1()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("DoesCheck1"), [&] {
        const platform::grid::GridData& g = fg_->data();
        for (int32_t row = 1; row <= kStepRows; ++row) {
            // A step is told by its output; a return step is known by its
            // function's category, as the cell rules know it.
            if (g.TextMatrix(row, eColOutput).isEmpty() || cells_->OutCategory(row) == kCategoryReturn)
                continue;
            int32_t forward = 1;
            if (!ExistsEND(row, groupColumn(1), forward)) {
                showFaultyCell(row, groupColumn(1));
                mMOD::ShowMessage(52, 2);
                fg_->setFocus();
                return false;
            }
            if (g.TextMatrix(row, eColLogic).isEmpty() || g.TextMatrix(row, eColDelay).isEmpty()) {
                mMOD::ShowMessage(64, 2);
                showFaultyCell(row, eColLogic);
                return false;
            }
        }
        return true;
    });
}

bool fStep::DoesCheck2()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("DoesCheck2"), [&] {
        const platform::grid::GridData& g = fg_->data();
        const int32_t first = FindFirstInputKinoCol();
        if (first == 0)
            return true; // a grid without input columns holds no conditions
        for (int32_t row = 1; row <= kStepRows; ++row) {
            if (!g.TextMatrix(row, eColOutput).isEmpty())
                continue;
            // Conditions in any group would be dropped by a save that keeps
            // the row as an empty line, so every function cell is looked at.
            for (int32_t col = first; col < g.Cols(); ++col) {
                if (g.ColData(col) != eColFunc || g.TextMatrix(row, col).isEmpty())
                    continue;
                showFaultyCell(row, eColOutput);
                mMOD::ShowMessage(76, 2);
                fg_->setFocus();
                return false;
            }
        }
        return true;
    });
}

bool fStep::ExistsEND(int32_t row, int32_t startCol, int32_t& direction)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExistsEND"), [&] {
        const platform::grid::GridData& g = fg_->data();
        const auto isEnd = [&](int32_t col) {
            return g.ColData(col) == eColRel && platform::Val(g.TextMatrix(row, col)) == kRelEnd;
        };
        if (direction != 0) {
            for (int32_t col = startCol - 1; col < g.Cols(); ++col)
                if (isEnd(col))
                    return true;
        } else {
            for (int32_t col = startCol - 1; col >= groupColumn(1); --col)
                if (isEnd(col))
                    return true;
        }
        return false;
    });
}

int32_t fStep::FindFirstInputKinoCol()
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("FindFirstInputKinoCol"),
        [&] {
            const platform::grid::GridData& g = fg_->data();
            for (int32_t col = 0; col < g.Cols(); ++col)
                if (g.ColData(col) == eColFunc)
                    return col;
            return int32_t{0};
        },
        int32_t{0});
}

bool fStep::DoesCheckCells()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("DoesCheckCells"), [&] {
        const platform::grid::GridData& g = fg_->data();
        for (int32_t row = 1; row <= kStepRows; ++row) {
            const StepCellJudge::Verdict verdict =
                cells_->judge().judgeRow(rowTextsOf(g, row), IsREM(row), StepCellJudge::Stage::Saving);
            if (!verdict)
                continue;
            showFaultyCell(row, verdict.col);
            CellEditing::ShowVerdict(verdict);
            fg_->setFocus();
            return false;
        }
        return true;
    });
}

namespace {

// A grid of the step grid's shape, without widgets, for showing a program aside.
void shapeLike(platform::grid::GridData& aside, const platform::grid::GridData& grid)
{
    aside.setCols(grid.Cols());
    aside.setRows(grid.Rows());
    aside.setFixedRows(grid.FixedRows());
    aside.setFixedCols(grid.FixedCols());
    for (int32_t col = 0; col < grid.Cols(); ++col)
        aside.setColData(col, grid.ColData(col));
}

// The first cell in which the two grids differ, by text or (in the step
// column) by the REM mark; row -1 when none does.
std::pair<int32_t, int32_t> firstDifference(const platform::grid::GridData& shown,
                                            const platform::grid::GridData& readBack)
{
    for (int32_t row = shown.FixedRows(); row < shown.Rows(); ++row) {
        const bool rem = shown.CellForeColor(row, eColStep) == StepExchange::kRemColor;
        if (rem != (readBack.CellForeColor(row, eColStep) == StepExchange::kRemColor))
            return {row, eColOutput};
        for (int32_t col = shown.FixedCols(); col < shown.Cols(); ++col)
            if (shown.TextMatrix(row, col) != readBack.TextMatrix(row, col))
                return {row, col};
    }
    return {-1, -1};
}

} // namespace

bool fStep::ProveSaved(const QString& stepCopy, const QString& noteCopy, int32_t position)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ProveSaved"), [&] {
        ProgramState& s = state();
        // Reading sets what the function lists offer; the proof leaves them as they were.
        const SelectionVisibility lists(*s.selectKino);
        Telva27::colclsStep readBack;
        const platform::grid::GridData& g = fg_->data();
        platform::grid::GridData aside;
        shapeLike(aside, g);
        const bool read = readBack.ReadData(stepCopy, noteCopy, position, s.selectKino->stpout(),
                                            s.selectKino->stpinp());
        if (read)
            exchange_->PasteInto(aside, readBack);
        const auto [row, col] = firstDifference(g, aside);
        const bool same = read && row == -1 && readBack.Memo() == s.stepUsr->Memo() &&
                          readBack.Author() == s.stepUsr->Author() && readBack.Password() == s.stepUsr->Password();
        if (same)
            return true;
        if (row != -1)
            showFaultyCell(row, col);
        mMOD::ShowMessage(kMsgNotConverted, kKindCritical);
        return false;
    });
}

} // namespace QelmStp
