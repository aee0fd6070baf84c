#include "CellCategories.h"

#include "stepeditor/grid/StepColumns.h"
#include "stepeditor/mMOD.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"

namespace QelmStp {

using platform::grid::FlexGrid;
using platform::grid::GridData;

const QString CellCategories::kUnused = QStringLiteral("***");

namespace {

constexpr int16_t kMsgCannotEdit = 42;
constexpr int16_t kMsgInputFirst = 46;
constexpr int16_t kMsgMustBeEnd = 49;
constexpr int16_t kKindExclamation = 2;

constexpr int32_t kRelEnd = 2;

// The numeric value of a code cell; an empty cell counts as 0.
int32_t codeOf(const GridData& grid, int32_t row, int32_t col)
{
    return platform::toWhole<int32_t>(platform::Val(grid.TextMatrix(row, col)));
}

// The category of a function name in a list; "" when the name is not listed.
QString categoryIn(Telva27::colclsCusSelection& list, const QString& name)
{
    const int16_t value = list.ValueByDigital(name);
    if (value == -1)
        return {};
    return list.CategoryByValue(value);
}

} // namespace

CellCategories::CellCategories(FlexGrid& fg, Telva27::colclsCusSelection& stpout, Telva27::colclsCusSelection& stpinp,
                               Ostrel7::clsMethod& reporter)
    : fg_(fg), stpout_(stpout), stpinp_(stpinp), reporter_(reporter),
      judge_(stpout, stpinp, [this](int32_t col) { return fg_.data().TextMatrix(0, col); })
{
}

void CellCategories::attach()
{
    QObject::connect(&fg_, &FlexGrid::startEdit, &fg_,
                     [this](int row, int col, bool& cancel) { fg_StartEdit(row, col, cancel); });
}

QString CellCategories::outCategoryOf(const GridData& grid, int32_t row)
{
    return categoryIn(stpout_, grid.TextMatrix(row, eColOutput));
}

QString CellCategories::inpCategoryOf(const GridData& grid, int32_t row, int32_t col)
{
    return categoryIn(stpinp_, grid.TextMatrix(row, col));
}

bool CellCategories::topIsCountOf(const GridData& grid, int32_t row)
{
    return inpCategoryOf(grid, row, groupColumn(1)) == QLatin1String("COUNT");
}

QString CellCategories::OutCategory(int32_t row)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("OutCategory"), [&] { return outCategoryOf(fg_.data(), row); });
}

QString CellCategories::InpCategory(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("InpCategory"),
                            [&] { return inpCategoryOf(fg_.data(), row, col); });
}

bool CellCategories::HasSelection(const QString& category)
{
    return category != QLatin1String("CALL") && category != QLatin1String("JMP") &&
           category != QLatin1String("RETURN");
}

bool CellCategories::DoesSameCaegory(int32_t kind, int32_t newValue, int32_t oldValue)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("DoesSameCaegory"), [&] {
        if (oldValue == -1)
            return false;
        if (kind == 1) {
            const bool newIsCounter = stpinp_.CategoryByValue(newValue) == QLatin1String("COUNT");
            const bool oldIsCounter = stpinp_.CategoryByValue(oldValue) == QLatin1String("COUNT");
            return newIsCounter == oldIsCounter;
        }
        if (kind == 2)
            return stpout_.CategoryByValue(newValue) == stpout_.CategoryByValue(oldValue);
        return false;
    });
}

bool CellCategories::TopIsCOUNT(int32_t row)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("TopIsCOUNT"), [&] { return topIsCountOf(fg_.data(), row); });
}

bool CellCategories::ColIs2or3Grp(int32_t col) { return col == groupColumn(2) || col == groupColumn(3); }

bool CellCategories::IsLastGroup(int32_t col) const { return col >= fg_.data().Cols() - 3; }

void CellCategories::SetCellMark(int32_t row, int32_t col, int32_t mark)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SetCellMark"), [&] {
        if (mark == eMarkEmpty)
            fg_.data().setTextMatrix(row, col, QString());
        else if (mark == eMarkUnused)
            fg_.data().setTextMatrix(row, col, kUnused);
    });
}

bool CellCategories::DoesCannotEdit(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("DoesCannotEdit"), [&] {
        return col <= fg_.data().Cols() - 1 && fg_.data().TextMatrix(row, col) == kUnused;
    });
}

bool CellCategories::ExistsItem(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ExistsItem"), [&] {
        const GridData& grid = fg_.data();
        for (int32_t i = col + 1; i <= grid.Cols() - 1; ++i) {
            if (!grid.TextMatrix(row, i).isEmpty())
                return true;
        }
        return false;
    });
}

bool CellCategories::MustInputCell(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("MustInputCell"), [&] {
        GridData& grid = fg_.data();
        if (!grid.TextMatrix(row, col).isEmpty())
            return true;
        mMOD::ShowMessage(kMsgInputFirst, kKindExclamation, QVariant(grid.TextMatrix(0, col)));
        grid.setRow(row);
        grid.setCol(col);
        fg_.setFocus();
        return false;
    });
}

bool CellCategories::CanInputLogic(int32_t row)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("CanInputLogic"), [&] {
        if (HasSelection(outCategoryOf(fg_.data(), row)))
            return MustInputCell(row, eColOutput);
        refuse(kMsgCannotEdit);
        return false;
    });
}

void CellCategories::refuse(int16_t message)
{
    mMOD::ShowMessage(message, kKindExclamation);
    fg_.setFocus();
}

void CellCategories::SprashThisRow(GridData& grid, int32_t row)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SprashThisRow"), [&] {
        StepRowTexts texts = rowTextsOf(grid, row);
        judge_.markUnused(texts);
        writeRowTexts(grid, row, texts);
    });
}

bool CellCategories::MustIMEON(int32_t keyCode)
{
    switch (keyCode) {
    case 0:  // none
    case 8:  // Backspace
    case 9:  // Tab
    case 13: // Enter
    case 16: // Shift
    case 17: // Ctrl
    case 27: // Esc
    case 32: // Space
    case 35: // End
    case 37: // arrows
    case 38:
    case 39:
    case 40:
    case 45: // Insert
    case 46: // Delete
        return false;
    default: return true;
    }
}

bool CellCategories::mayStartRelation(int32_t row, int32_t col)
{
    if (!MustInputCell(row, col - 2))
        return false;
    GridData& grid = fg_.data();
    const bool counterRow = topIsCountOf(grid, row);
    if (counterRow && (codeOf(grid, row, col) == kRelEnd || col == groupColumn(3) + 2)) {
        refuse(kMsgMustBeEnd);
        return false;
    }
    if (IsLastGroup(col)) {
        mMOD::ShowMessage(kMsgMustBeEnd, kKindExclamation);
        grid.setTextMatrix(row, col, QString::number(kRelEnd));
        fg_.setFocus();
        return false;
    }
    return true;
}

void CellCategories::fg_StartEdit(int32_t row, int32_t col, bool& cancel)
{
    cancel = true;
    Ostrel7::trapped(reporter_, QStringLiteral("fg_StartEdit"), [&] {
        GridData& grid = fg_.data();
        const int32_t kind = grid.ColData(col);
        if (kind == eColStep)
            return;
        if (DoesCannotEdit(row, col)) {
            refuse(kMsgCannotEdit);
            return;
        }
        const bool inputCell = kind == eColFunc || kind == eColState || kind == eColRel;
        if (inputCell && judge_.keepsNothingIn(rowTextsOf(grid, row), col)) {
            refuse(kMsgCannotEdit);
            return;
        }
        remembered_ = grid.TextMatrix(row, col);
        switch (kind) {
        case eColRemark:
        case eColOutput:
        case eColFunc: cancel = false; break;
        case eColLogic: cancel = !CanInputLogic(row); break;
        case eColDelay: cancel = !MustInputCell(row, eColLogic); break;
        case eColState: cancel = !MustInputCell(row, col - 1); break;
        case eColRel: cancel = !mayStartRelation(row, col); break;
        default: break;
        }
    });
}

} // namespace QelmStp
