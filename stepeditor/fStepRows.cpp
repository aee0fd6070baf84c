// fStep: the commands on whole rows of the user window: inserting blank
// rows, clearing and deleting rows with the gap closed on request, the
// guard of the bottom row, and the REM mark of rows.

#include "fStep.h"

#include "grid/StepColumns.h"
#include "mMOD.h"

#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"

#include <algorithm>
#include <utility>
#include <array>
#include <vector>

namespace QelmStp {

namespace {

constexpr int16_t kMsgPackRows = 59;
constexpr int16_t kKindYesNo = 3;

// Holds the grid's drawing while rows move cell by cell; the grid is drawn
// once afterwards, as it was before (drawing stays on while the user is asked).
class HeldRedraw {
public:
    explicit HeldRedraw(platform::grid::GridData& grid) : grid_(grid), was_(grid.Redraw()) { grid_.setRedraw(false); }
    ~HeldRedraw() { release(); }
    HeldRedraw(const HeldRedraw&) = delete;
    HeldRedraw& operator=(const HeldRedraw&) = delete;
    void release()
    {
        if (grid_.Redraw() != was_)
            grid_.setRedraw(was_);
    }

private:
    platform::grid::GridData& grid_;
    bool was_;
};

} // namespace

void fStep::Normalize(int32_t& a, int32_t& b)
{
    if (b < a)
        std::swap(a, b);
}

bool fStep::InputSomething(int32_t row)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("InputSomething"), [&] {
        const platform::grid::GridData& g = fg_->data();
        for (int32_t col = g.FixedCols(); col < g.Cols(); ++col)
            if (!g.TextMatrix(row, col).isEmpty())
                return true;
        return false;
    });
}

bool fStep::SafeBottomRow(int32_t count)
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("SafeBottomRow"),
        [&] {
            // Only the lowest row that holds something can be pushed out.
            for (int32_t row = fg_->data().Rows() - 1; row >= fg_->data().FixedRows(); --row)
                if (InputSomething(row))
                    return row + count <= kStepRows;
            return true;
        },
        true);
}

void fStep::InsertRows(int32_t first, int32_t count)
{
    Ostrel7::trapped(reporter_, QStringLiteral("InsertRows"), [&] {
        platform::grid::GridData& g = fg_->data();
        HeldRedraw held(g);
        for (int32_t i = 0; i < count; ++i)
            g.AddItem(QString(), first);
        // The rows pushed below the last step are dropped with their contents.
        g.setRows(g.FixedRows() + kStepRows);
        RefreshAfterRows(first, first + count - 1, false);
        held.release();
        ControlChange(true);
        AdjustRow(first, count, 0);
    });
}

void fStep::DeleteRows(int32_t mode, int32_t row1, int32_t row2, int32_t col1, int32_t col2)
{
    Ostrel7::trapped(reporter_, QStringLiteral("DeleteRows"), [&] {
        platform::grid::GridData& g = fg_->data();
        Normalize(row1, row2);
        Normalize(col1, col2);
        // A block leaves the rest of its rows: each must stand as it will be
        // left, or nothing is cleared.
        std::vector<StepRowTexts> left;
        if (mode != platform::grid::selByRow && !RowsLeftByBlock(row1, row2, col1, col2, left))
            return;
        HeldRedraw held(g);
        g.setCell(platform::grid::CellProperty::Text, row1, col1, row2, col2, QString());
        for (size_t i = 0; i < left.size(); ++i)
            writeRowTexts(g, row1 + static_cast<int32_t>(i), left[i]);
        // Whole rows cleared are no steps any more and lose their REM marks;
        // a block of cells keeps them, else a disabled step would silently
        // become active.
        std::vector<int32_t> marked;
        if (mode != platform::grid::selByRow)
            for (int32_t row = row1; row <= row2; ++row)
                if (exchange_->IsREM(row))
                    marked.push_back(row);
        RefreshAfterRows(row1, row2, true);
        for (const int32_t row : marked)
            exchange_->SetREMColor(row, true);
        held.release();
        if (mode == platform::grid::selByRow && row2 < kStepRows &&
            mMOD::ShowMessage(kMsgPackRows, kKindYesNo).toInt() == platform::vbYes) {
            HeldRedraw moving(g);
            DeleteTheseRow(row1, row2);
            const int32_t rowsLeft = g.Rows();
            g.setRows(g.FixedRows() + kStepRows);
            if (rowsLeft < g.Rows())
                RefreshAfterRows(rowsLeft, g.Rows() - 1, false);
            moving.release();
            fg_->setFocus();
            AdjustRow(row1, -(row2 - row1 + 1), row2);
        }
        ControlChange(true);
    });
}

bool fStep::RowsLeftByBlock(int32_t row1, int32_t row2, int32_t col1, int32_t col2, std::vector<StepRowTexts>& left)
{
    const platform::grid::GridData& g = fg_->data();
    const std::array<bool, kStepGridCols> nothingWritten{};
    for (int32_t row = row1; row <= row2; ++row) {
        StepRowTexts texts = rowTextsOf(g, row);
        for (int32_t col = std::max(col1, int32_t{eColRemark}); col <= col2 && col < kStepGridCols; ++col)
            texts[static_cast<size_t>(col)].clear();
        // The marks follow what is left: a cleared unused cell is marked
        // again, a mark whose cell is used again is freed.
        cells_->judge().settleMarks(texts, nothingWritten);
        if (const StepCellJudge::Verdict verdict =
                cells_->judge().judgeRow(texts, IsREM(row), StepCellJudge::Stage::Editing)) {
            CellEditing::ShowVerdict(verdict);
            return false;
        }
        left.push_back(std::move(texts));
    }
    return true;
}

void fStep::DeleteTheseRow(int32_t first, int32_t last)
{
    Ostrel7::trapped(reporter_, QStringLiteral("DeleteTheseRow"), [&] {
        for (int32_t i = first; i <= last; ++i)
            fg_->data().RemoveItem(first);
    });
}

void fStep::RemOp()
{
    Ostrel7::trapped(reporter_, QStringLiteral("RemOp"), [&] {
        const platform::grid::GridData& g = fg_->data();
        int32_t first = g.Row();
        int32_t last = g.RowSel();
        Normalize(first, last);
        first = std::max(first, g.FixedRows());
        // A mark on a row without an output is refused by the save, which names it.
        for (int32_t row = first; row <= last; ++row)
            exchange_->SetREMColor(row, !exchange_->IsREM(row));
        // A REM mark is saved with the step: closing must not drop it unasked.
        ControlChange(true);
    });
}

void fStep::RefreshAfterRows(int32_t first, int32_t last, bool coloursOnly)
{
    if (!coloursOnly) {
        layout_->StepNumbers();
        // The other rows moved with their formats: only the new rows lack them.
        layout_->DataAlignment(first, last);
        layout_->RemarkFont(first, last);
    }
    layout_->SetColColor(first, last);
}

} // namespace QelmStp
