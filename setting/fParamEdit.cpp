// fParam: editing the user's values, the checks on a typed value, writing the
// edits back into the data model, and the buttons.

#include "fParam.h"

#include "ProgramState.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/clsFunction.h"
#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"
#include "dialogs/clsPrint.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/string/clsString.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace QelmSet {

using platform::grid::GridData;

namespace {

// The whole number a text begins with, rounded half to even (0 without one).
double leadingWhole(const QString& text) { return platform::roundHalfEven(platform::Val(text)); }

// A typed value: digits only. Keys are filtered as they are typed, but a pasted
// text is not.
bool isDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

} // namespace

// ---- editing ------------------------------------------------------------------------

bool fParam::isNumberRow(int32_t row) { return !digitalOf(row)->isSelection(); }

// A parameter with choices is edited with the list of its choices, any other with a text box.
void fParam::fg_BeforeEdit(int32_t row)
{
    Ostrel7::trapped(*state().method, QStringLiteral("fg_BeforeEdit"), [&] {
        const auto digital = digitalOf(row);
        if (digital->InputMethod() == QLatin1String("SELECTION"))
            data().setComboList(CreateSelection(*digital));
        else if (digital->InputMethod() == QLatin1String("NUMBER"))
            data().setComboList(QString());
    });
}

QString fParam::CreateSelection(const Telva27::clsDigital& digital)
{
    return Ostrel7::trapped(*state().method, QStringLiteral("CreateSelection"), [&] {
        QStringList texts;
        for (const auto& choice : *const_cast<Telva27::clsDigital&>(digital).Selections())
            texts << choice->Selection();
        return texts.join(QLatin1Char('|'));
    });
}

// A grey row keeps its value.
void fParam::fg_StartEdit(int32_t row, bool& cancel)
{
    if (data().CellBackColor(row, colUser) == kNotEditable) {
        mMOD::ShowMessage(47, 2);
        cancel = true;
        return;
    }
    editStartText_ = data().TextMatrix(row, colUser);
}

// Digits and the control keys only.
void fParam::fg_KeyPressEdit(int& keyAscii)
{
    if (!state().string->CheckKeyAscii(static_cast<int16_t>(keyAscii), Ostrel7::wantNUM_nDecimal_nMinus))
        keyAscii = 0;
}

void fParam::fg_ValidateEdit(int32_t row, bool& cancel)
{
    const QString text = fg_->EditText();
    if (text.isEmpty()) {
        mMOD::ShowMessage(24, 2);
        cancel = true;
    } else if (isNumberRow(row) && !isDigits(text)) {
        // "12a" pasted: no value at all, not a value of 12.
        mMOD::ShowMessage(24, 2);
        cancel = true;
        return;
    }
    if (!CheckRange(row, text)) {
        mMOD::ShowMessage(12, 2);
        cancel = true;
    }
}

// Whether the value lies in the row's range, both ends included. The range
// holds when its minimum is a number; a value must fit the 32-bit user value
// in any case. Reckoned in doubles: exact for every whole number up to 2^53,
// so nothing a user can type overflows.
bool fParam::CheckRange(int32_t row, const QString& text)
{
    return Ostrel7::trapped(*state().method, QStringLiteral("CheckRange"), [&] {
        const double value = leadingWhole(text);
        if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
            return false;
        const QString minText = data().TextMatrix(row, colMin);
        if (!platform::IsNumeric(minText)) // the minimum must stand for a number
            return true;
        return leadingWhole(minText) <= value && value <= leadingWhole(data().TextMatrix(row, colMax));
    });
}

void fParam::fg_AfterEdit(int32_t row)
{
    CheckDif(row);
    FitToText(row, colUser);
    if (data().TextMatrix(row, colUser) != editStartText_) {
        changedRows_.insert(row);
        ControlChange(true);
    }
}

// ---- the changed state and the write-back ------------------------------------------

void fParam::ControlChange(bool changed)
{
    EditingWindow::ControlChange(changed);
    // Saved or dropped: nothing of this window is left to write back.
    if (!changed)
        changedRows_.clear();
}

// Only the rows edited or reset here: an unchanged row may show a value that
// another window has changed since this one was filled.
bool fParam::Update_Variable()
{
    return Ostrel7::trapped(
        *state().method, QStringLiteral("Update_Variable"),
        [&] {
            Telva27::colclsFunction& functions = *state().functions;
            GridData& g = data();
            // The changed rows in order, whatever the number of rows.
            std::vector<int32_t> rows(changedRows_.cbegin(), changedRows_.cend());
            std::sort(rows.begin(), rows.end());
            for (const int32_t row : rows) {
                if (row < g.FixedRows() || row >= g.Rows())
                    continue;
                const QString function = GetFunction(row);
                const QString digitalName = g.TextMatrix(row, colDigital);
                const auto digital = functions.Item(function)->Items()->Item(digitalName);
                QString value = g.TextMatrix(row, colUser);
                // Shown doubled, stored halved (15 stores 7).
                if (!digital->isSelection() &&
                    functions.DoesSpecialKinoNo(functions.GetKinoNoByDigital(function, digitalName)))
                    value = QString::number(platform::ValAs<int64_t>(value) / 2);
                digital->UpdateUserValue(value);
                changedRows_.remove(row);
            }
            return true;
        },
        false);
}

// ---- buttons --------------------------------------------------------------------------

void fParam::BTN_Click(int index)
{
    switch (index) {
    case 1:
        if (main_.SaveAllFiles(QStringLiteral("keyOVERWRITE")))
            ControlChange(false);
        break;
    case 2: printParameters(); break;
    case 3: resetValues(); break;
    case 4: findDigital(); break;
    case 5:
        if (auto* frame = parentWidget(); frame && frame->inherits("QMdiSubWindow"))
            frame->close();
        else
            close();
        break;
    default: break;
    }
}

// The printout comes from the data model: unsaved edits are not in it.
void fParam::printParameters()
{
    if (IsChanged() && mMOD::ShowMessage(29, 3).toInt() == platform::vbYes)
        return;
    state().print->PrintParameter(this, *state().functions, functionName_, ExistTokushu());
}

void fParam::resetValues()
{
    if (mMOD::ShowMessage(11, 7).toInt() == platform::vbNo)
        return;
    ResetFace();
    ControlChange(true);
}

// Every row shows its factory value again; the data model follows at the next write-back.
void fParam::ResetFace()
{
    GridData& g = data();
    g.setRedraw(false);
    for (int32_t row = g.FixedRows(); row < g.Rows(); ++row) {
        g.setTextMatrix(row, colUser, g.TextMatrix(row, colStd));
        changedRows_.insert(row);
    }
    CheckAllDif();
    MeasureValueColumns();
    FitValueColumns();
    g.setRedraw(true);
}

// Finds a parameter by its name and selects its Digital cell.
void fParam::findDigital()
{
    const QString answer = platform::ui().inputBox(state().resource->Res(348), mMOD::ProgramName(), QString());
    if (answer.isEmpty())
        return;
    GridData& g = data();
    const int32_t row = g.FindRow(answer.toUpper(), -1, colDigital, false, true);
    if (row < 0)
        return;
    fg_->ShowCell(row, colDigital);
    g.Select(row, colDigital);
}

} // namespace QelmSet
