// fStep: the whole-program checks made before the user's grid is saved. The
// cell rules keep single cells valid while editing; these look at whole rows
// for steps left incomplete: a step without an END relation, without logic or
// delay, or with input conditions and no output function. The first faulty
// row stops the check with its offending cell current and in view.

#include "fStep.h"

#include "ProgramState.h"
#include "grid/StepColumns.h"
#include "mMOD.h"

#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"

namespace QelmStp {

namespace {

constexpr int32_t kRelEnd = 2; // the relation code of END
// The output category whose step ends a subroutine: it takes no inputs and no END.
const QString kCategoryReturn = QStringLiteral("RETURN");

} // namespace

bool fStep::ExactInput()
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExactInput"), [&] { return DoesCheck1() && DoesCheck2(); });
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

} // namespace QelmStp
