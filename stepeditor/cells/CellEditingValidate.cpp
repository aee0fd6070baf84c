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
constexpr int16_t kMsgOutOfRange = 43;
constexpr int16_t kMsgNotNumeric = 48;
constexpr int16_t kMsgRemarkTooLong = 56;
constexpr int16_t kMsgNoSuchValue = 67;
constexpr int16_t kMsgCounterOrNumber = 81;
constexpr int16_t kMsgTopMustBeCount = 87;
constexpr int16_t kMsgMustBeVacant = 89;
constexpr int kRemarkBytes = 20;
const QLatin1String kCount("COUNT");

// Logic codes whose delay takes a bounded number: LOW, HIGH, NOT, SET, ADD, SUB.
bool logicTakesBoundedNumber(const QString& logic)
{
    static const QStringList bounded = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("9")};
    return bounded.contains(logic);
}

bool isPulseOutput(const QString& name) { return name == QLatin1String("X_PLS") || name == QLatin1String("Y_PLS"); }

bool remarkFits(const QString& text) { return platform::cp932::byteLength(text) <= kRemarkBytes; }

// The message a delay text gets under the row's logic and output (48, 43),
// or 0 when it may stand; low and high are the range it must lie in.
int16_t delayRefusal(const QString& text, const QString& logic, const QString& output, int32_t& low,
                     int32_t& high)
{
    if (text.isEmpty() || !platform::IsNumeric(text))
        return kMsgNotNumeric;
    if (!logicTakesBoundedNumber(logic))
        return 0;
    const bool pulse = isPulseOutput(output);
    low = pulse ? -30000 : 0;
    high = pulse ? 30000 : 65000;
    // A number too large for any whole number is out of range as well.
    const double n = platform::roundHalfEven(platform::NumberOf(text));
    return std::isfinite(n) && n >= low && n <= high ? 0 : kMsgOutOfRange;
}

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

int16_t CellEditing::functionRefusal(int32_t row, int32_t col, const QString& text)
{
    return functionRefusal(col, text, cells_.TopIsCOUNT(row));
}

int16_t CellEditing::functionRefusal(int32_t col, const QString& text, bool counterRow)
{
    if (col == eColOutput)
        return stpout_.ValueByDigital(text) == -1 ? kMsgNoSuchValue : 0;
    if (counterRow && col != groupColumn(1)) {
        if (!CellCategories::ColIs2or3Grp(col))
            return kMsgMustBeVacant;
        if (stpinp_.CategoryByDigital(text) != kCount && !ExactJyosu(text))
            return kMsgCounterOrNumber;
        return 0;
    }
    if (stpinp_.ValueByDigital(text) == -1)
        return kMsgNoSuchValue;
    if (stpinp_.CategoryByDigital(text) == kCount && col != groupColumn(1))
        return kMsgTopMustBeCount;
    return 0;
}

void CellEditing::refuseFunction(int32_t row, int32_t col, int16_t message, bool editing)
{
    const bool empties = message == kMsgMustBeVacant || message == kMsgTopMustBeCount;
    if (editing) {
        if (empties)
            fg_.setEditText(QString());
        else
            RemainCell(row, col);
    } else if (message == kMsgMustBeVacant) {
        grid().setTextMatrix(row, col, QString());
    }
    ShowRefusal(message);
    if (message == kMsgTopMustBeCount) {
        grid().setRow(row);
        grid().setCol(groupColumn(1));
    }
    focusGrid();
}

void CellEditing::ShowRefusal(int16_t message)
{
    if (message == kMsgCounterOrNumber)
        mMOD::ShowMessage(message, kKindExclamation, QVariant(CounterRows::kMinConstant),
                          QVariant(CounterRows::kMaxConstant));
    else
        mMOD::ShowMessage(message, kKindExclamation);
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
                refuseFunction(row, col, kMsgCounterOrNumber, fg_.isEditing());
                return false;
            }
            // An emptied function takes what depends on it along, as Delete does.
            clearFunction(row, col);
            return false;
        }
        if (const int16_t refusal = functionRefusal(col, text, cells_.TopIsCOUNT(row))) {
            refuseFunction(row, col, refusal, fg_.isEditing());
            return false;
        }
        UpdateKinoOutInp(0, col, row, old, text);
        return true;
    });
}

bool CellEditing::fg_ValidateEdit_RemarkByteCheck(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("fg_ValidateEdit_RemarkByteCheck"), [&] {
        if (col != eColRemark)
            return true;
        if (remarkFits(fg_.EditText()))
            return true;
        RemainCell(row, col);
        mMOD::ShowMessage(kMsgRemarkTooLong, kKindExclamation, QVariant(kRemarkBytes));
        return false;
    });
}

bool CellEditing::fg_ValidateEdit_RangeCheck(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("fg_ValidateEdit_RangeCheck"), [&] {
        if (grid().ColData(col) != eColDelay)
            return true;
        int32_t low = 0, high = 0;
        const int16_t refusal = delayRefusal(fg_.EditText(), grid().TextMatrix(row, eColLogic),
                                             grid().TextMatrix(row, eColOutput), low, high);
        if (refusal == 0)
            return true;
        RemainCell(row, col);
        if (refusal == kMsgOutOfRange)
            mMOD::ShowMessage(refusal, kKindExclamation, QVariant(low), QVariant(high));
        else
            mMOD::ShowMessage(refusal, kKindExclamation);
        return false;
    });
}

CellEditing::Refusal CellEditing::CellRefusal(int32_t col, const QString& text,
                                              const std::function<QString(int32_t col)>& rowText)
{
    Refusal refusal;
    if (text.isEmpty() || text == CellCategories::kUnused)
        return refusal;
    switch (grid().ColData(col)) {
    case eColRemark:
        if (!remarkFits(text))
            refusal = {kMsgRemarkTooLong, QVariant(kRemarkBytes), std::nullopt};
        break;
    case eColOutput:
    case eColFunc: {
        const bool counterRow = stpinp_.CategoryByDigital(rowText(groupColumn(1))) == kCount;
        refusal.message = functionRefusal(col, text, counterRow);
        if (refusal.message == kMsgCounterOrNumber) {
            refusal.x1 = QVariant(CounterRows::kMinConstant);
            refusal.x2 = QVariant(CounterRows::kMaxConstant);
        }
        break;
    }
    case eColDelay: {
        int32_t low = 0, high = 0;
        refusal.message = delayRefusal(text, rowText(eColLogic), rowText(eColOutput), low, high);
        if (refusal.message == kMsgOutOfRange) {
            refusal.x1 = QVariant(low);
            refusal.x2 = QVariant(high);
        }
        break;
    }
    default: break;
    }
    return refusal;
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
