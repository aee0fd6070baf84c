#include "StepCellJudge.h"

#include "CellCategories.h"
#include "CounterRows.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepEnums.h"
#include "platform/Cp932.h"
#include "platform/Val.h"
#include "platform/grid/GridData.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace QelmStp {


namespace {

const QLatin1String kCount("COUNT");
const QLatin1String kJmp("JMP");
const QLatin1String kCall("CALL");
const QLatin1String kReturn("RETURN");

constexpr int32_t kHighestState = Telva27::eNEG_EDG;
// Beyond any value a cell keeps, and within what a whole number shows exactly.
constexpr double kLargestShownNumber = 1e9;

// The code a code cell holds: its whole decimal number, -1 for any other text.
int32_t codeOf(const QString& text)
{
    if (text.isEmpty() || text.size() > 2)
        return -1;
    for (const QChar c : text)
        if (!c.isDigit() || c.unicode() > '9')
            return -1;
    return text.toInt();
}

bool isOneOf(int32_t code, std::initializer_list<int32_t> codes)
{
    for (const int32_t c : codes)
        if (c == code)
            return true;
    return false;
}

bool isPlusMinus(const QString& relation)
{
    return isOneOf(codeOf(relation), {Telva27::eREL_PLUS, Telva27::eREL_MINUS});
}

// Logics after which the delay cell holds no value: JMP, INC, DEC, CLR.
bool logicLeavesDelayUnused(const QString& logic)
{
    return isOneOf(codeOf(logic), {Telva27::eLOGIC_JMP, Telva27::eLOGIC_INC, Telva27::eLOGIC_DEC,
                                   Telva27::eLOGIC_CLR});
}

// The whole number a numeric text stores, when it has one.
std::optional<double> wholeNumberOf(const QString& text)
{
    if (!platform::IsNumeric(text))
        return std::nullopt;
    const double n = platform::roundHalfEven(platform::NumberOf(text));
    if (!std::isfinite(n))
        return std::nullopt;
    return n;
}

int32_t groupOf(int32_t col) { return (col - groupColumn(1)) / 3 + 1; }

bool isFunctionColumn(int32_t col) { return col >= groupColumn(1) && (col - groupColumn(1)) % 3 == 0; }

} // namespace

StepRowTexts rowTextsOf(const platform::grid::GridData& grid, int32_t row)
{
    StepRowTexts texts;
    const int32_t cols = std::min<int32_t>(grid.Cols(), kStepGridCols);
    for (int32_t col = eColRemark; col < cols; ++col)
        texts[static_cast<size_t>(col)] = grid.TextMatrix(row, col);
    return texts;
}

void writeRowTexts(platform::grid::GridData& grid, int32_t row, const StepRowTexts& texts)
{
    const int32_t cols = std::min<int32_t>(grid.Cols(), kStepGridCols);
    for (int32_t col = eColRemark; col < cols; ++col)
        if (grid.TextMatrix(row, col) != texts[static_cast<size_t>(col)])
            grid.setTextMatrix(row, col, texts[static_cast<size_t>(col)]);
}

StepCellJudge::StepCellJudge(Telva27::colclsCusSelection& stpout, Telva27::colclsCusSelection& stpinp,
                             std::function<QString(int32_t col)> title)
    : stpout_(stpout), stpinp_(stpinp), title_(std::move(title))
{
}

QString StepCellJudge::outCategory(const StepRowTexts& row) const
{
    const QString& name = row[eColOutput];
    return name.isEmpty() || name == CellCategories::kUnused ? QString() : stpout_.CategoryByDigital(name);
}

QString StepCellJudge::inpCategory(const QString& text) const
{
    return text.isEmpty() || text == CellCategories::kUnused ? QString() : stpinp_.CategoryByDigital(text);
}

bool StepCellJudge::isCounterRow(const StepRowTexts& row) const
{
    return inpCategory(row[groupColumn(1)]) == kCount;
}

int32_t StepCellJudge::firstEndGroup(const StepRowTexts& row)
{
    for (int32_t group = 1; group <= kInputGroups; ++group)
        if (codeOf(row[groupColumn(group) + 2]) == Telva27::eREL_END)
            return group;
    return kInputGroups + 1;
}

bool StepCellJudge::isUnused(const StepRowTexts& row, int32_t col) const
{
    // The delay and the return line's inputs are unused by what the output
    // is; a row without an output is an empty line in the file, and only
    // its counter operands' states are marked (as typing a counter marks them).
    const QString category = outCategory(row);
    if (col == eColDelay)
        return !row[eColOutput].isEmpty() && (category == kJmp || category == kCall || category == kReturn ||
                                              logicLeavesDelayUnused(row[eColLogic]));
    if (category == kReturn)
        return col >= groupColumn(1) && col <= groupColumn(1) + 2;
    if (!isCounterRow(row))
        return false;
    // A counter row's operands have no state.
    if (col == groupColumn(1) + 1 || col == groupColumn(2) + 1)
        return true;
    return col == groupColumn(3) + 1 && isPlusMinus(row[groupColumn(1) + 2]);
}

bool StepCellJudge::keepsNothingIn(const StepRowTexts& row, int32_t col) const
{
    if (col < groupColumn(1))
        return false;
    if (outCategory(row) == kReturn)
        return groupOf(col) > 1;
    return !isCounterRow(row) && groupOf(col) > firstEndGroup(row);
}

void StepCellJudge::markUnused(StepRowTexts& row) const
{
    for (int32_t col = eColDelay; col < kStepGridCols; ++col)
        if (isUnused(row, col))
            row[col] = CellCategories::kUnused;
}

void StepCellJudge::settleMarks(StepRowTexts& row, const std::array<bool, kStepGridCols>& written) const
{
    // The marks hang on the output, the logic and the first group's
    // function and relation: settled from left to right they follow them.
    for (int32_t col = eColDelay; col < kStepGridCols; ++col) {
        QString& text = row[static_cast<size_t>(col)];
        if (written[static_cast<size_t>(col)] && !text.isEmpty())
            continue;
        if (isUnused(row, col))
            text = CellCategories::kUnused;
        else if (text == CellCategories::kUnused)
            text.clear();
    }
}

QString StepCellJudge::committed(int32_t col, const QString& text)
{
    if (text.isEmpty() || text == CellCategories::kUnused || col <= eColRemark)
        return text;
    if (col == eColOutput)
        return text.toUpper();
    const std::optional<double> n = wholeNumberOf(text);
    // A number far too large for the file is left as typed; the judge refuses it.
    if (!n || std::fabs(*n) > kLargestShownNumber)
        return isFunctionColumn(col) ? text.toUpper() : text;
    return QString::number(static_cast<int64_t>(*n));
}

StepCellJudge::Verdict StepCellJudge::counterOrNumber(int32_t col)
{
    return {kMsgCounterOrNumber, col, QVariant(CounterRows::kMinConstant), QVariant(CounterRows::kMaxConstant)};
}

StepCellJudge::Verdict StepCellJudge::inputFirst(int32_t col, int32_t titleCol) const
{
    return {kMsgInputFirst, col, QVariant(title_ ? title_(titleCol) : QString()), std::nullopt};
}

StepCellJudge::Verdict StepCellJudge::judgeCell(const StepRowTexts& row, int32_t col, Stage stage) const
{
    const QString& text = row[col];
    if (text.isEmpty())
        return {};
    if (col == eColRemark) {
        if (platform::cp932::byteLength(text) > kRemarkBytes)
            return {kMsgRemarkTooLong, col, QVariant(kRemarkBytes), std::nullopt};
        return {};
    }
    if (col == eColOutput)
        return stpout_.ValueByDigital(text) == -1 ? Verdict{kMsgNoSuchValue, col} : Verdict{};
    // A cell the row does not use holds only the mark; a used one never does.
    if (isUnused(row, col))
        return text == CellCategories::kUnused ? Verdict{} : Verdict{kMsgCannotEdit, col};
    // A row without an output is an empty line in the file: its logic and
    // delay are judged when it has one, and a save refuses them until then.
    if (col == eColLogic || col == eColDelay) {
        if (row[eColOutput].isEmpty())
            return {};
        return col == eColLogic ? judgeLogic(row) : judgeDelay(row, stage);
    }
    return judgeInput(row, col, stage);
}

StepCellJudge::Verdict StepCellJudge::judgeLogic(const StepRowTexts& row) const
{
    const QString category = outCategory(row);
    const int32_t logic = codeOf(row[eColLogic]);
    bool listed = false;
    if (category == kJmp)
        listed = logic == Telva27::eLOGIC_JMP;
    else if (category == kCall)
        listed = logic == Telva27::eLOGIC_CALL;
    else if (category == kReturn)
        listed = logic == Telva27::eLOGIC_RET;
    else if (category == kCount)
        listed = logic >= Telva27::eLOGIC_INC && logic <= Telva27::eLOGIC_SUB;
    else
        listed = logic >= Telva27::eLOGIC_LOW && logic <= Telva27::eLOGIC_NOT;
    return listed ? Verdict{} : Verdict{kMsgNoSuchValue, eColLogic};
}

StepCellJudge::Verdict StepCellJudge::judgeDelay(const StepRowTexts& row, Stage stage) const
{
    if (row[eColLogic].isEmpty())
        return inputFirst(eColDelay, eColLogic);
    const std::optional<double> n = wholeNumberOf(row[eColDelay]);
    if (!n)
        return {kMsgNotNumeric, eColDelay};
    const bool pulse = Telva27::isPulseOutput(row[eColOutput]);
    const bool saving = stage == Stage::Saving;
    const int32_t low = pulse ? (saving ? kStoredSignedMin : kPulseMin) : kDelayMin;
    const int32_t high = pulse ? (saving ? kStoredSignedMax : kPulseMax) : (saving ? kStoredUnsignedMax : kDelayMax);
    if (*n < low || *n > high)
        return {kMsgOutOfRange, eColDelay, QVariant(low), QVariant(high)};
    return {};
}

StepCellJudge::Verdict StepCellJudge::judgeInput(const StepRowTexts& row, int32_t col, Stage stage) const
{
    if (row[col] == CellCategories::kUnused)
        return {kMsgNoSuchValue, col};
    // A state or relation belongs to its group's function.
    const int32_t function = groupColumn(groupOf(col));
    if (col != function && row[function].isEmpty())
        return inputFirst(function, function);
    if (outCategory(row) == kReturn)
        return {kMsgCannotEdit, col};
    return isCounterRow(row) ? judgeCounterInput(row, col, stage) : judgeOrdinaryInput(row, col);
}

StepCellJudge::Verdict StepCellJudge::judgeOrdinaryInput(const StepRowTexts& row, int32_t col) const
{
    const int32_t group = groupOf(col);
    // The file keeps the conditions up to the first END only.
    if (keepsNothingIn(row, col))
        return {kMsgCannotEdit, col};
    const int32_t function = groupColumn(group);
    const QString& text = row[col];
    if (col == function) {
        if (stpinp_.ValueByDigital(text) == -1)
            return {kMsgNoSuchValue, col};
        if (inpCategory(text) == kCount && group != 1)
            return {kMsgTopMustBeCount, col};
        return {};
    }
    const int32_t code = codeOf(text);
    if (col == function + 1)
        return code >= Telva27::ePOS_LEV && code <= kHighestState ? Verdict{} : Verdict{kMsgNoSuchValue, col};
    if (group == kInputGroups && code != Telva27::eREL_END)
        return {kMsgMustBeEnd, col};
    return code >= Telva27::eREL_AND && code <= Telva27::eREL_END ? Verdict{} : Verdict{kMsgNoSuchValue, col};
}

StepCellJudge::Verdict StepCellJudge::judgeCounterInput(const StepRowTexts& row, int32_t col, Stage stage) const
{
    const int32_t group = groupOf(col);
    const bool plusMinus = isPlusMinus(row[groupColumn(1) + 2]);
    const int32_t operands = plusMinus ? 3 : 2;
    if (group > operands)
        return {kMsgMustBeVacant, col};
    const int32_t function = groupColumn(group);
    const QString& text = row[col];
    if (col == function) {
        if (group == 1)
            return {};
        if (inpCategory(text) == kCount)
            return {};
        const std::optional<double> n = wholeNumberOf(text);
        const int32_t high = stage == Stage::Saving ? kStoredUnsignedMax : CounterRows::kMaxConstant;
        if (!n || *n < CounterRows::kMinConstant || *n > high)
            return counterOrNumber(col);
        return {};
    }
    // The states of the operands are unused (judged above); what is left are relations.
    const int32_t code = codeOf(text);
    if (group == 1)
        return code >= Telva27::eREL_LEFT && code <= Telva27::eREL_MINUS ? Verdict{}
                                                                         : Verdict{kMsgNoSuchValue, col};
    if (group == operands)
        return code == Telva27::eREL_END ? Verdict{} : Verdict{kMsgMustBeEnd, col};
    return code >= Telva27::eREL_LEFT && code <= Telva27::eREL_NOT ? Verdict{} : Verdict{kMsgNoSuchValue, col};
}

StepCellJudge::Verdict StepCellJudge::judgeRow(const StepRowTexts& row, bool rem, Stage stage) const
{
    // A row without an output is kept as an empty line: whatever else it
    // holds is told as the output it lacks.
    if (stage == Stage::Saving && row[eColOutput].isEmpty())
        return missing(row, rem);
    for (int32_t col = eColRemark; col < kStepGridCols; ++col)
        if (const Verdict verdict = judgeCell(row, col, stage))
            return verdict;
    return stage == Stage::Saving ? missing(row, rem) : Verdict{};
}

StepCellJudge::Verdict StepCellJudge::missing(const StepRowTexts& row, bool rem) const
{
    if (row[eColOutput].isEmpty()) {
        // The file keeps such a row as an empty line: its remark only.
        if (const Verdict verdict = judgeCell(row, eColRemark))
            return verdict;
        if (rem)
            return {kMsgOutputMissed, eColOutput};
        for (int32_t col = eColLogic; col < kStepGridCols; ++col)
            if (!row[col].isEmpty())
                return {kMsgOutputMissed, eColOutput};
        return {};
    }
    for (int32_t col = eColLogic; col < kStepGridCols; ++col)
        if (isUnused(row, col) && row[col] != CellCategories::kUnused)
            return {kMsgCannotEdit, col};
    if (outCategory(row) == kReturn)
        return row[eColLogic].isEmpty() ? Verdict{kMsgLogicOrDelayMissed, eColLogic} : Verdict{};
    if (const Verdict verdict = isCounterRow(row) ? missingCounterInputs(row) : missingInputs(row))
        return verdict;
    if (row[eColLogic].isEmpty() || row[eColDelay].isEmpty())
        return {kMsgLogicOrDelayMissed, eColLogic};
    return {};
}

StepCellJudge::Verdict StepCellJudge::missingInputs(const StepRowTexts& row) const
{
    const int32_t last = firstEndGroup(row);
    if (last > kInputGroups)
        return {kMsgEndMissed, groupColumn(1)};
    // Every group up to the END is kept whole: an empty cell there would be
    // saved as a condition nobody entered.
    for (int32_t group = 1; group <= last; ++group)
        for (int32_t col = groupColumn(group); col <= groupColumn(group) + 2; ++col)
            if (row[col].isEmpty())
                return inputFirst(col, col);
    return {};
}

StepCellJudge::Verdict StepCellJudge::missingCounterInputs(const StepRowTexts& row) const
{
    const int32_t operands = isPlusMinus(row[groupColumn(1) + 2]) ? 3 : 2;
    for (int32_t group = 1; group <= operands; ++group) {
        const int32_t function = groupColumn(group);
        if (row[function].isEmpty())
            return counterOrNumber(function);
        if (row[function + 2].isEmpty())
            return group == operands ? Verdict{kMsgEndMissed, function + 2} : inputFirst(function + 2, function + 2);
    }
    return {};
}

} // namespace QelmStp
