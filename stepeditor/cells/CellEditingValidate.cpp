// CellEditing: the checks made when an edit of a cell ends, and the
// completion of the cells that depend on the edited one.

#include "CellEditing.h"

#include "CellCategories.h"
#include "CounterRows.h"

#include "stepeditor/grid/StepColumns.h"
#include "stepeditor/mMOD.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Cp932.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"

#include <cmath>

namespace QelmStp {

using platform::grid::CellProperty;
using platform::grid::GridData;

namespace {

constexpr int16_t kKindExclamation = 2;
const QLatin1String kCount("COUNT");

} // namespace

void CellEditing::fg_ValidateEdit(int32_t row, int32_t col, bool& cancel)
{
    const bool checked = Ostrel7::trapped(reporter_, QStringLiteral("fg_ValidateEdit"), [&] {
        const int32_t kind = grid().ColData(col);
        if (kind == eColOutput || kind == eColFunc)
            fg_.setEditText(fg_.EditText().toUpper());
        if (fg_ValidateEdit_ExistKinoValue(row, col, cancel, fg_.EditText()) &&
            fg_ValidateEdit_RemarkByteCheck(row, col))
            fg_ValidateEdit_RangeCheck(row, col);
        return true;
    });
    // After a failure nothing half-checked is stored: the cell keeps its text.
    if (!checked && fg_.isEditing())
        fg_.setEditText(grid().TextMatrix(row, col));
}

StepCellJudge::Verdict CellEditing::TextVerdict(int32_t row, int32_t col, const QString& text)
{
    StepRowTexts texts = rowTextsOf(grid(), row);
    const QString old = texts[static_cast<size_t>(col)];
    texts[static_cast<size_t>(col)] = StepCellJudge::committed(col, text);
    if (const StepCellJudge::Verdict verdict = judge_.judgeCell(texts, col))
        return verdict;
    // An output of the same category keeps the row's logic and delay, which
    // must stand under the new output too (a pulse output's delay is signed).
    const bool keepsLogic = col == eColOutput && !old.isEmpty() &&
                            stpout_.CategoryByDigital(old) == stpout_.CategoryByDigital(texts[eColOutput]);
    if (keepsLogic)
        for (const int32_t kept : {int32_t{eColLogic}, int32_t{eColDelay}})
            if (StepCellJudge::Verdict verdict = judge_.judgeCell(texts, kept)) {
                verdict.col = col;
                return verdict;
            }
    return {};
}

void CellEditing::refuseFunction(int32_t row, int32_t col, const StepCellJudge::Verdict& verdict, bool editing)
{
    const int16_t message = verdict.message;
    const bool empties =
        message == StepCellJudge::kMsgMustBeVacant || message == StepCellJudge::kMsgTopMustBeCount;
    if (editing) {
        if (empties)
            fg_.setEditText(QString());
        else
            RemainCell(row, col);
    } else if (message == StepCellJudge::kMsgMustBeVacant) {
        grid().setTextMatrix(row, col, QString());
    }
    ShowVerdict(verdict);
    if (message == StepCellJudge::kMsgTopMustBeCount) {
        grid().setRow(row);
        grid().setCol(groupColumn(1));
    }
    focusGrid();
}

void CellEditing::ShowVerdict(const StepCellJudge::Verdict& verdict)
{
    mMOD::ShowMessage(verdict.message, kKindExclamation, verdict.x1, verdict.x2);
}

bool CellEditing::fg_ValidateEdit_ExistKinoValue(int32_t row, int32_t col, bool& /*cancel*/, const QString& text)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("fg_ValidateEdit_ExistKinoValue"), [&] {
        const int32_t kind = grid().ColData(col);
        if (kind != eColOutput && kind != eColFunc)
            return true;
        const QString old = grid().TextMatrix(row, col);
        if (text.isEmpty()) {
            if (old.isEmpty())
                return false;
            // A counter row's operand is a counter or a number, never nothing.
            if (kind == eColFunc && col != groupColumn(1) && CellCategories::ColIs2or3Grp(col) &&
                cells_.TopIsCOUNT(row)) {
                refuseFunction(row, col, StepCellJudge::counterOrNumber(col), fg_.isEditing());
                return false;
            }
            // An emptied function takes what depends on it along, as Delete does.
            clearFunction(row, col);
            return false;
        }
        if (const StepCellJudge::Verdict verdict = TextVerdict(row, col, text)) {
            refuseFunction(row, col, verdict, fg_.isEditing());
            return false;
        }
        UpdateKinoOutInp(0, col, row, old, text);
        // A counter constant is kept as the number the file holds.
        if (fg_.isEditing())
            fg_.setEditText(StepCellJudge::committed(col, text));
        return true;
    });
}

bool CellEditing::fg_ValidateEdit_RemarkByteCheck(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("fg_ValidateEdit_RemarkByteCheck"), [&] {
        if (col != eColRemark)
            return true;
        const StepCellJudge::Verdict verdict = TextVerdict(row, col, fg_.EditText());
        if (!verdict)
            return true;
        RemainCell(row, col);
        ShowVerdict(verdict);
        return false;
    });
}

bool CellEditing::fg_ValidateEdit_RangeCheck(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("fg_ValidateEdit_RangeCheck"), [&] {
        if (grid().ColData(col) != eColDelay)
            return true;
        const QString text = fg_.EditText();
        const StepCellJudge::Verdict verdict =
            text.isEmpty() ? StepCellJudge::Verdict{StepCellJudge::kMsgNotNumeric, col} : TextVerdict(row, col, text);
        if (!verdict) {
            // The cell shows the whole number the file keeps.
            fg_.setEditText(StepCellJudge::committed(col, text));
            return true;
        }
        RemainCell(row, col);
        ShowVerdict(verdict);
        return false;
    });
}

void CellEditing::RemainCell(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("RemainCell"),
                     [&] { fg_.setEditText(grid().TextMatrix(row, col)); });
}

bool CellEditing::ExactJyosu(const QString& text)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExactJyosu"), [&] {
        if (!platform::IsNumeric(text))
            return false;
        const double n = platform::NumberOf(text);
        if (n >= CounterRows::kMinConstant && n <= CounterRows::kMaxConstant)
            return true;
        focusGrid();
        return false;
    });
}

void CellEditing::fg_AfterEdit(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("fg_AfterEdit"), [&] {
        const bool realChange = grid().TextMatrix(row, col) != cells_.RememberedText();
        if (realChange)
            changed();
        // The logic the cell held already leaves the delay as it is.
        if (grid().ColData(col) == eColLogic && !realChange)
            return;
        fg_AfterEdit_CannotEditCell(row, col);
    });
}

void CellEditing::fg_AfterEdit_CannotEditCell(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("fg_AfterEdit_CannotEditCell"), [&] {
        GridData& g = grid();
        const QString unused = CellCategories::kUnused;
        auto set = [&](int32_t c, const QString& text) {
            if (c < g.Cols())
                g.setTextMatrix(row, c, text);
        };
        switch (g.ColData(col)) {
        case eColOutput: {
            const QString category = cells_.OutCategory(row);
            if (!CellCategories::HasSelection(category))
                set(eColDelay, unused);
            if (category == QLatin1String("RETURN"))
                for (int32_t c = groupColumn(1); c <= groupColumn(1) + 2; ++c)
                    set(c, unused);
            break;
        }
        case eColLogic: {
            const auto v = platform::toWhole<int32_t>(platform::Val(g.TextMatrix(row, col)));
            set(eColDelay, v == 3 || v == 4 || v == 5 || v == 7 ? unused : QStringLiteral("0"));
            break;
        }
        case eColFunc:
            if (col == groupColumn(1) && cells_.InpCategory(row, col) == kCount) {
                set(groupColumn(1) + 1, unused);
                set(groupColumn(2) + 1, unused);
                if (cells_.ExistsItem(row, groupColumn(2) + 2))
                    g.setCell(CellProperty::Text, row, groupColumn(3), row, g.Cols() - 1, QString());
            }
            break;
        case eColRel: {
            if (g.TextMatrix(row, col - 1) != unused)
                break;
            const auto v = platform::toWhole<int32_t>(platform::Val(g.TextMatrix(row, col)));
            if (v == 7 || v == 8) {
                set(col + 3, QStringLiteral("3"));
                if (col + 4 < g.Cols() && g.TextMatrix(row, col + 4).isEmpty())
                    set(col + 4, QStringLiteral("0"));
                set(col + 5, unused);
                set(col + 6, QStringLiteral("2"));
            } else {
                set(col + 3, QStringLiteral("2"));
                set(col + 4, QString());
                set(col + 5, QString());
                set(col + 6, QString());
            }
            break;
        }
        default: break;
        }
    });
}

} // namespace QelmStp
