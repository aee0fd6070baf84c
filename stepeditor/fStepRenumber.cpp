// fStep: the renumbering of the step references (jumps, calls and step
// conditions) after rows were inserted or removed, each change confirmed
// in fDlgReplace when the options ask for it.

#include "fStep.h"

#include "ProgramState.h"
#include "fDlgReplace.h"
#include "fMain.h"
#include "grid/StepColumns.h"
#include "mMOD.h"

#include "platform/Ui.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace QelmStp {

namespace {

constexpr int16_t kMsgPastLastStep = 85;
constexpr int16_t kMsgRemovedStep = 86;
constexpr int16_t kKindExclamation = 2;
constexpr int kNumberDigits = 3;

bool isReferenceOutput(const QString& category)
{
    return category == QLatin1String("JMP") || category == QLatin1String("CALL");
}

} // namespace

fDlgReplace& fStep::dlgReplace()
{
    if (!dlgReplace_)
        dlgReplace_ = new fDlgReplace(this);
    return *dlgReplace_;
}

int32_t fStep::StepNumberOf(const QString& name)
{
    return platform::ValAs<int32_t>(QStringView(name).right(kNumberDigits));
}

QString fStep::CreateNewDigital(const QString& name, int32_t shift)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("CreateNewDigital"), [&] {
        // Built by hand in one piece: a renumbering of a full program makes thousands.
        const int32_t number = StepNumberOf(name) + shift;
        char digits[16];
        const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, std::abs(int64_t{number}));
        const auto count = static_cast<qsizetype>(written.ptr - digits);
        QString renamed;
        renamed.reserve(1 + 1 + std::max<qsizetype>(count, kNumberDigits));
        renamed += QStringView(name).left(1);
        if (number < 0)
            renamed += QLatin1Char('-');
        for (qsizetype i = count; i < kNumberDigits; ++i)
            renamed += QLatin1Char('0');
        renamed += QLatin1String(digits, count);
        return renamed;
    });
}

void fStep::AdjustRow(int32_t start, int32_t shift, int32_t end)
{
    Ostrel7::trapped(reporter_, QStringLiteral("AdjustRow"), [&] {
        if (!state().DoesReplaceFunction)
            return;
        // The cell in question is shown selected alone.
        fg_->data().setSelectionMode(platform::grid::selFree);
        fDlgReplace& dialog = dlgReplace();
        dialog.setRet(fDlgReplace::eYes);
        for (int32_t row = 1; row <= kStepRows; ++row) {
            if (isReferenceOutput(cells_->OutCategory(row))) {
                ReplaceValue(row, eColOutput, start, shift, end);
                if (dialog.Ret() == fDlgReplace::eAllNo)
                    return;
            }
            for (int32_t group = 1; group <= kInputGroups; ++group) {
                const int32_t col = groupColumn(group);
                // Most conditions are empty: no list lookup for them.
                if (fg_->data().TextMatrix(row, col).isEmpty() ||
                    cells_->InpCategory(row, col) != QLatin1String("STEP"))
                    continue;
                ReplaceValue(row, col, start, shift, end);
                if (dialog.Ret() == fDlgReplace::eAllNo)
                    return;
            }
        }
    });
}

void fStep::ReplaceValue(int32_t row, int32_t col, int32_t start, int32_t shift, int32_t end)
{
    Ostrel7::trapped(reporter_, QStringLiteral("ReplaceValue"), [&] {
        platform::grid::GridData& g = fg_->data();
        const QString old = g.TextMatrix(row, col);
        const int32_t number = StepNumberOf(old);
        if (number < start)
            return;
        const QString renamed = CreateNewDigital(old, shift);
        if (renamed.isEmpty())
            return;
        if (StepNumberOf(renamed) > kStepRows) {
            showFaultyCell(row, col);
            mMOD::ShowMessage(kMsgPastLastStep, kKindExclamation, old);
            return;
        }
        if (shift < 0 && number >= start && number <= end) {
            showFaultyCell(row, col);
            mMOD::ShowMessage(kMsgRemovedStep, kKindExclamation, old);
            return;
        }
        // Only a name the cell would take when typed is written.
        if (const StepCellJudge::Verdict verdict = editing_->TextVerdict(row, col, renamed)) {
            showFaultyCell(row, col);
            CellEditing::ShowVerdict(verdict);
            return;
        }
        fDlgReplace& dialog = dlgReplace();
        if (state().DoesAskInReplacing) {
            showFaultyCell(row, col);
            if (dialog.Ret() != fDlgReplace::eAllYes) {
                dialog.setData(old + QStringLiteral(" -> ") + renamed);
                dialog.Form_Load();
                platform::ui().runDialog(dialog);
            }
        }
        if (dialog.Ret() == fDlgReplace::eYes || dialog.Ret() == fDlgReplace::eAllYes)
            g.setTextMatrix(row, col, renamed);
    });
}

} // namespace QelmStp
