// CellEditing: the code lists and hints of the code cells, the function
// choice and what a new function writes into its row, Delete and Space.

#include "CellEditing.h"

#include "CellCategories.h"

#include "stepeditor/grid/StepColumns.h"
#include "stepeditor/mMOD.h"

#include "datamodel/customize/clsCusSelection.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"

#include <QLabel>

namespace QelmStp {

using platform::grid::CellProperty;
using platform::grid::FlexGrid;
using platform::grid::GridData;

const QString CellEditing::kLogicList = QStringLiteral("#0;LOW|#1;HIGH|#2;NOT");
const QString CellEditing::kCounterLogicList = QStringLiteral("#4;INC|#5;DEC|#6;SET|#7;CLR|#8;ADD|#9;SUB");
const QString CellEditing::kRelationList = QStringLiteral("#0;AND|#1;OR|#2;END");
const QString CellEditing::kCounterRelationList = QStringLiteral("#3;>=|#4;<=|#5;=|#6;!=|#7;+|#8;-");
const QString CellEditing::kCounterCompareList = QStringLiteral("#3;>=|#4;<=|#5;=|#6;!=");

namespace {

constexpr int16_t kMsgClearFunction = 36;
constexpr int16_t kKindExclamation = 2;
const QLatin1String kCount("COUNT");

bool isPlusMinusText(const QString& text)
{
    if (!platform::IsNumeric(text))
        return false;
    const double v = platform::NumberOf(text);
    return v == 7 || v == 8;
}

} // namespace

CellEditing::CellEditing(FlexGrid& fg, Telva27::colclsCusSelection& stpout, Telva27::colclsCusSelection& stpinp,
                         CellCategories& cells, QLabel& lblHint, Ostrel7::clsMethod& reporter)
    : fg_(fg), stpout_(stpout), stpinp_(stpinp), cells_(cells), judge_(cells.judge()), lblHint_(lblHint),
      reporter_(reporter)
{
}

GridData& CellEditing::grid() { return fg_.data(); }

bool CellEditing::isReference() const { return hooks.isReference && hooks.isReference(); }

void CellEditing::changed()
{
    if (hooks.ControlChange)
        hooks.ControlChange(true);
}

void CellEditing::focusGrid()
{
    if (!(hooks.findLoaded && hooks.findLoaded()))
        fg_.setFocus();
}

QString CellEditing::res(int32_t number) const { return Resource::clsResource().Res(number); }

Telva27::colclsCusSelection& CellEditing::listOf(int32_t direction)
{
    return direction == eOUTPUT ? stpout_ : stpinp_;
}

// ---- lists and hints ---------------------------------------------------------------

QString CellEditing::CreateInpList(const QString& list)
{
    QString hint;
    for (const QString& item : list.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char(';'));
        QString code = parts.value(0);
        if (code.startsWith(QLatin1Char('#')))
            code.remove(0, 1);
        hint += QLatin1Char('[') + code + QLatin1Char(']') + parts.value(1) + QLatin1Char(' ');
    }
    return hint;
}

bool CellEditing::ExactSelection(const QString& code, const QString& list)
{
    const QString wanted = QLatin1Char('[') + code + QLatin1Char(']');
    for (const QString& piece : list.split(QLatin1Char(' ')))
        if (piece.contains(wanted))
            return true;
    return false;
}

void CellEditing::PrintHint(const QString& text) { lblHint_.setText(text); }

void CellEditing::showListHint() { PrintHint(res(161) + sInpList_ + res(162)); }

void CellEditing::SetLogicSelection(int32_t row)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SetLogicSelection"), [&] {
        if (grid().TextMatrix(row, eColOutput).isEmpty()) {
            PrintHint(res(164));
            return;
        }
        const QString category = cells_.OutCategory(row);
        if (!CellCategories::HasSelection(category)) {
            grid().setComboList(QString());
            PrintHint(res(163));
            return;
        }
        // Every output with a logic choice that is not a counter operation
        // takes LOW, HIGH and NOT, also one whose category has no name.
        const QString& list = category == kCount ? kCounterLogicList : kLogicList;
        grid().setColComboList(eColLogic, list);
        sInpList_ = CreateInpList(list);
        showListHint();
    });
}

void CellEditing::SetJyotaiSelection(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SetJyotaiSelection"), [&] {
        sInpList_.clear();
        if (grid().TextMatrix(row, col - 1).isEmpty()) {
            PrintHint(res(165));
            return;
        }
        sInpList_ = CreateInpList(grid().ColComboList(col));
        showListHint();
    });
}

void CellEditing::SetRelSelection(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SetRelSelection"), [&] {
        if (cells_.TopIsCOUNT(row)) {
            if (col == groupColumn(1) + 2)
                SetRelComboList(col, kCounterRelationList);
            else if (col == groupColumn(2) + 2)
                SetRelComboList(col, isPlusMinusText(grid().TextMatrix(row, groupColumn(1) + 2)) ? kCounterCompareList
                                                                                                  : QString());
            else if (col == groupColumn(3) + 2)
                SetRelComboList(col, QString());
            return;
        }
        if (!grid().TextMatrix(row, col - 2).isEmpty()) {
            SetRelComboList(col, kRelationList);
            return;
        }
        grid().setComboList(QString());
        sInpList_.clear();
        PrintHint(res(165));
    });
}

void CellEditing::SetRelComboList(int32_t col, const QString& list)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SetRelComboList"), [&] {
        grid().setColComboList(col, list);
        sInpList_ = CreateInpList(list);
        if (list.isEmpty())
            PrintHint(res(174));
        else
            showListHint();
    });
}

// ---- function choice -------------------------------------------------------------------

void CellEditing::F2InputOp(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("F2InputOp"), [&] {
        if (isReference())
            return;
        const int32_t kind = grid().ColData(col);
        if (kind != eColOutput && kind != eColFunc) {
            // A code cell whose row offers no codes has nothing to choose from.
            const bool codeCell = kind == eColLogic || kind == eColState || kind == eColRel;
            if (codeCell && sInpList_.isEmpty() && !cells_.DoesCannotEdit(row, col)) {
                bool cancel = false;
                cells_.fg_StartEdit(row, col, cancel);
                return;
            }
            fg_.EditCell();
            return;
        }
        bool cancel = false;
        cells_.fg_StartEdit(row, col, cancel);
        if (cancel)
            return;
        UpdateKinoOutInp(1, col, row, grid().TextMatrix(row, col), QString());
    });
}

void CellEditing::UpdateKinoOutInp(int32_t mode, int32_t col, int32_t row, const QString& curText,
                                   const QString& newText)
{
    Ostrel7::trapped(reporter_, QStringLiteral("UpdateKinoOutInp"), [&] {
        const int32_t direction = col == eColOutput ? eOUTPUT : eINPUT;
        Telva27::colclsCusSelection& list = listOf(direction);
        const int16_t oldCode = curText.isEmpty() ? int16_t(-1) : list.ValueByDigital(curText);
        int16_t newCode = -1;
        if (mode == 1) {
            if (!hooks.GetKinoValue)
                return;
            newCode = hooks.GetKinoValue(direction, oldCode, col, cells_.IsLastGroup(col));
            if (newCode == -1 || newCode == oldCode)
                return;
            // A chosen function meets the rules a typed one meets.
            const auto* item = list.entryByValue(newCode);
            if (!item)
                return;
            if (const StepCellJudge::Verdict verdict = TextVerdict(row, col, item->Ditigal())) {
                refuseFunction(row, col, verdict, false);
                return;
            }
        } else {
            newCode = list.ValueByDigital(newText);
        }
        if (newCode == -1)
            return;
        if (UpdateKinoValue(direction, row, col, newCode, oldCode)) {
            fg_AfterEdit(row, col);
            focusGrid();
        }
    });
}

bool CellEditing::UpdateKinoValue(int32_t eINOUT, int32_t row, int32_t col, int16_t newValue, int16_t orgValue)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("UpdateKinoValue"), [&] {
        if (newValue == orgValue)
            return false;
        const bool same = cells_.DoesSameCaegory(eINOUT == eOUTPUT ? 2 : 1, newValue, orgValue);
        if (!ClearCells(eINOUT, row, col, same, newValue))
            return false;
        if (eINOUT == eINPUT) {
            grid().setTextMatrix(row, col, stpinp_.Item(QString::number(newValue))->Ditigal());
            if (!same)
                fg_AfterEdit_CannotEditCell(row, col);
            // The last group always ends the conditions.
            if (cells_.IsLastGroup(col))
                grid().setTextMatrix(row, col + 2, QStringLiteral("2"));
        } else {
            grid().setTextMatrix(row, col, stpout_.Item(QString::number(newValue))->Ditigal());
            if (!same) {
                grid().setTextMatrix(row, eColDelay, QString());
                const QString category = stpout_.CategoryByValue(newValue);
                if (category == QLatin1String("JMP"))
                    grid().setTextMatrix(row, eColLogic, QStringLiteral("3"));
                else if (category == QLatin1String("CALL"))
                    grid().setTextMatrix(row, eColLogic, QStringLiteral("10"));
                else if (category == QLatin1String("RETURN"))
                    grid().setTextMatrix(row, eColLogic, QStringLiteral("11"));
                fg_AfterEdit_CannotEditCell(row, col);
            }
        }
        if (!(hooks.findLoaded && hooks.findLoaded()))
            fg_.Refresh();
        return true;
    });
}

bool CellEditing::ClearCells(int32_t eINOUT, int32_t row, int32_t col, bool keep, int16_t newValue)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ClearCells"), [&] {
        GridData& g = grid();
        if (eINOUT == eOUTPUT) {
            if (!keep) {
                g.setTextMatrix(row, col + 1, QString());
                g.setTextMatrix(row, col + 2, QString());
                // A RETURN line's first inputs were unused; a line of another kind uses them.
                if (cells_.OutCategory(row) == QLatin1String("RETURN"))
                    g.setCell(CellProperty::Text, row, groupColumn(1), row, groupColumn(1) + 2, QString());
            }
            return true;
        }
        const QString category = stpinp_.CategoryByValue(newValue);
        if (category != kCount) {
            if (!keep) {
                g.setTextMatrix(row, col + 1, QString());
                g.setTextMatrix(row, col + 2, QString());
            }
            // The marks a counter in group 1 left in the next two groups.
            for (int32_t next : {col + 3, col + 6}) {
                if (next + 1 < g.Cols() && g.TextMatrix(row, next + 1) == CellCategories::kUnused)
                    for (int32_t c = next; c <= next + 2 && c < g.Cols(); ++c)
                        g.setTextMatrix(row, c, QString());
            }
            return true;
        }
        if (col == groupColumn(1) && !keep) {
            g.setCell(CellProperty::Text, row, col + 1, row, g.Cols() - 1, QString());
            g.setTextMatrix(row, groupColumn(1) + 2, QStringLiteral("3"));
            g.setTextMatrix(row, groupColumn(2), QStringLiteral("0"));
            g.setTextMatrix(row, groupColumn(2) + 2, QStringLiteral("2"));
        }
        return true;
    });
}

// ---- Delete -----------------------------------------------------------------------

void CellEditing::DeleteOp(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("DeleteOp"), [&] {
        // The reference window shows; nothing in it is cleared.
        if (isReference() || row < grid().FixedRows() || col < grid().FixedCols())
            return;
        if (grid().TextMatrix(row, col).isEmpty())
            return;
        if (MustNotDelete(row, col)) {
            mMOD::ShowMessage(kMsgClearFunction, kKindExclamation);
            focusGrid();
            return;
        }
        clearFunction(row, col);
        changed();
    });
}

void CellEditing::clearFunction(int32_t row, int32_t col)
{
    if (col == groupColumn(1) && cells_.TopIsCOUNT(row))
        grid().setCell(CellProperty::Text, row, col, row, grid().Cols() - 1, QString());
    if (col == eColRemark)
        grid().setTextMatrix(row, col, QString());
    else
        ResetThisColGroup(row, col);
}

bool CellEditing::MustNotDelete(int32_t row, int32_t col)
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("MustNotDelete"),
        [&] {
            const QString text = grid().TextMatrix(row, col);
            if (platform::IsNumeric(text) && col != eColRemark)
                return true;
            if (cells_.TopIsCOUNT(row) && col != groupColumn(1))
                return true;
            if (text == CellCategories::kUnused && cells_.OutCategory(row) == QLatin1String("RETURN"))
                return true;
            const int32_t kind = grid().ColData(col);
            return kind == eColLogic || kind == eColDelay || kind == eColState || kind == eColRel;
        },
        true);
}

void CellEditing::ResetThisColGroup(int32_t row, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("ResetThisColGroup"), [&] {
        GridData& g = grid();
        if (col == eColOutput && cells_.OutCategory(row) == QLatin1String("RETURN"))
            g.setCell(CellProperty::Text, row, groupColumn(1), row, groupColumn(1) + 2, QString());
        const int32_t last = std::min(col + 2, g.Cols() - 1);
        g.setCell(CellProperty::Text, row, col, row, last, QString());
        if (hooks.colourGroup)
            hooks.colourGroup(row, col);
    });
}

// ---- Space --------------------------------------------------------------------------

void CellEditing::SpaceOp(int32_t /*keyCode*/, int32_t row, int32_t col, const QString& cellText)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SpaceOp"), [&] {
        const int32_t kind = grid().ColData(col);
        if (isReference() || (kind != eColLogic && kind != eColState && kind != eColRel))
            return;
        bool cancel = false;
        cells_.fg_StartEdit(row, col, cancel);
        if (cancel || sInpList_.isEmpty())
            return;
        int32_t code = cellText.isEmpty() ? -1 : platform::toWhole<int32_t>(platform::Val(cellText));
        for (int32_t tries = 0; tries <= 10; ++tries) {
            code = code + 1 > 9 || code + 1 < 0 ? 0 : code + 1;
            if (ExactSelection(QString::number(code), sInpList_))
                break;
        }
        // The digit goes through the typed-code path, which remembers the
        // old text, stores the code and completes the row: a real change
        // marks the window changed.
        int keyAscii = '0' + code;
        fg_KeyPress(keyAscii);
    });
}

} // namespace QelmStp
