// CellEditing: the keys, the double click and the mouse on the step grid,
// the lists offered when the current cell moves and the hint of the new cell.

#include "CellEditing.h"

#include "CellCategories.h"

#include "stepeditor/grid/StepColumns.h"
#include "stepeditor/mMOD.h"

#include "datamodel/steps/StepEnums.h"
#include "platform/EventGuard.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"

#include <QObject>

namespace QelmStp {

using platform::grid::FlexGrid;

namespace {

constexpr int kKeyF = 70;
constexpr int kKeyF2 = 113;
constexpr int kKeyDelete = 46;
constexpr int kKeySpace = 32;
constexpr int kCtrl = 2;
constexpr int kDelayEditorLength = 8;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

} // namespace

void CellEditing::attach()
{
    auto guard = [](const char* name, auto&& body) {
        platform::guarded(QLatin1String(name), std::forward<decltype(body)>(body));
    };
    QObject::connect(&fg_, &FlexGrid::beforeEdit, &fg_, [this, guard](int row, int col, bool& cancel) {
        guard("fg_BeforeEdit", [&] { fg_BeforeEdit(row, col, cancel); });
    });
    QObject::connect(&fg_, &FlexGrid::validateEdit, &fg_, [this](int row, int col, bool& cancel) {
        fg_ValidateEdit(row, col, cancel);
    });
    QObject::connect(&fg_, &FlexGrid::afterEdit, &fg_, [this](int row, int col) { fg_AfterEdit(row, col); });
    QObject::connect(&fg_, &FlexGrid::keyDown, &fg_, [this](int& keyCode, int shift) { fg_KeyDown(keyCode, shift); });
    QObject::connect(&fg_, &FlexGrid::keyPress, &fg_, [this](int& keyAscii) { fg_KeyPress(keyAscii); });
    QObject::connect(&fg_, &FlexGrid::keyPressEdit, &fg_, [this, guard](int row, int col, int& keyAscii) {
        guard("fg_KeyPressEdit", [&] { fg_KeyPressEdit(row, col, keyAscii); });
    });
    QObject::connect(&fg_, &FlexGrid::dblClick, &fg_, [this, guard] { guard("fg_DblClick", [&] { fg_DblClick(); }); });
    QObject::connect(&fg_, &FlexGrid::beforeRowColChange, &fg_,
                     [this, guard](int oldRow, int oldCol, int newRow, int newCol, bool&) {
                         guard("fg_BeforeRowColChange",
                               [&] { fg_BeforeRowColChange(oldRow, oldCol, newRow, newCol); });
                     });
    QObject::connect(&fg_, &FlexGrid::afterRowColChange, &fg_,
                     [this, guard](int oldRow, int oldCol, int newRow, int newCol) {
                         guard("fg_AfterRowColChange",
                               [&] { fg_AfterRowColChange(oldRow, oldCol, newRow, newCol); });
                     });
    QObject::connect(&fg_, &FlexGrid::rowColChange, &fg_,
                     [this, guard] { guard("fg_RowColChange", [&] { fg_RowColChange(); }); });
    QObject::connect(&fg_, &FlexGrid::mouseDown, &fg_, [this](int button, int shift, float x, float y) {
        fg_MouseDown(button, shift, x, y);
    });
}

void CellEditing::fg_KeyDown(int& keyCode, int shift)
{
    Ostrel7::trapped(reporter_, QStringLiteral("fg_KeyDown"), [&] {
        if (keyCode == kKeyF && (shift & kCtrl)) {
            if (hooks.find)
                hooks.find();
            keyCode = 0;
            return;
        }
        // While a cell is edited its keys belong to the editor (an unused one
        // comes back to the grid): F2, Delete and Space do nothing of their own.
        if (fg_.isEditing())
            return;
        const int32_t row = grid().Row();
        const int32_t col = grid().Col();
        if (row < grid().FixedRows() || col < grid().FixedCols())
            return;
        if (grid().ColData(col) == eColRemark && CellCategories::MustIMEON(keyCode)) {
            // The key opens the remark's editor and goes into it.
            if (!isReference())
                fg_.EditCell();
            return;
        }
        switch (keyCode) {
        case kKeyF2:
            F2InputOp(row, col);
            keyCode = 0;
            break;
        case kKeyDelete:
            DeleteOp(row, col);
            keyCode = 0;
            break;
        case kKeySpace:
            SpaceOp(keyCode, row, col, grid().TextMatrix(row, col));
            keyCode = 0;
            break;
        default: break;
        }
    });
}

void CellEditing::fg_KeyPress(int& keyAscii)
{
    Ostrel7::trapped(reporter_, QStringLiteral("fg_KeyPress"), [&] {
        if (!(keyAscii < 0 || keyAscii > kKeySpace) || isReference() || fg_.isEditing())
            return;
        const int32_t row = grid().Row();
        const int32_t col = grid().Col();
        if (row < grid().FixedRows() || col < grid().FixedCols())
            return;
        const QString typed = keyAscii > 0 ? QString(QChar(keyAscii)) : QString();
        switch (grid().ColData(col)) {
        case eColLogic:
        case eColState:
        case eColRel: {
            bool cancel = false;
            cells_.fg_StartEdit(row, col, cancel);
            if (cancel)
                return;
            if (!typed.isEmpty() && ExactSelection(typed, sInpList_)) {
                grid().setTextMatrix(row, col, typed);
                fg_AfterEdit(row, col);
            } else {
                mMOD::ShowMessage(67, 2);
                focusGrid();
            }
            break;
        }
        case eColOutput:
        case eColDelay:
        case eColFunc:
            grid().setComboList(QString());
            fg_.EditCell();
            if (fg_.isEditing())
                fg_.setEditText(typed);
            break;
        default: break;
        }
    });
}

void CellEditing::fg_KeyPressEdit(int32_t /*row*/, int32_t col, int& keyAscii)
{
    if (grid().ColData(col) == eColDelay && fg_.EditText().size() >= kDelayEditorLength && keyAscii >= kKeySpace)
        keyAscii = 0;
}

void CellEditing::fg_DblClick()
{
    if (isReference())
        return;
    const int32_t kind = grid().ColData(grid().Col());
    if (kind == eColOutput || kind == eColFunc) {
        int keyCode = kKeyF2;
        fg_KeyDown(keyCode, 0);
    } else {
        F2InputOp(grid().Row(), grid().Col());
    }
}

void CellEditing::fg_BeforeEdit(int32_t /*row*/, int32_t /*col*/, bool& cancel)
{
    if (isReference())
        cancel = true;
}

void CellEditing::fg_BeforeRowColChange(int32_t /*oldRow*/, int32_t /*oldCol*/, int32_t newRow, int32_t newCol)
{
    if (newRow < grid().FixedRows() || newCol < 0 || newCol >= grid().Cols())
        return;
    switch (grid().ColData(newCol)) {
    case eColLogic: SetLogicSelection(newRow); break;
    case eColState: SetJyotaiSelection(newRow, newCol); break;
    case eColRel: SetRelSelection(newRow, newCol); break;
    default: break;
    }
}

void CellEditing::fg_AfterRowColChange(int32_t /*oldRow*/, int32_t /*oldCol*/, int32_t newRow, int32_t newCol)
{
    if (newRow < grid().FixedRows() || newCol < grid().FixedCols() || newCol >= grid().Cols())
        return;
    if (cells_.DoesCannotEdit(newRow, newCol)) {
        PrintHint(res(174));
        return;
    }
    switch (grid().ColData(newCol)) {
    case eColRemark: PrintHint(res(175)); break;
    case eColOutput:
    case eColFunc: PrintHint(res(176)); break;
    case eColDelay: {
        const QString output = grid().TextMatrix(newRow, eColOutput);
        if (Telva27::isPulseOutput(output))
            PrintHint(res(177) + QString::number(StepCellJudge::kPulseMax) + QStringLiteral(" Min") + res(446) +
                      QString::number(StepCellJudge::kPulseMin));
        else if (!output.isEmpty())
            PrintHint(res(177) + QString::number(StepCellJudge::kDelayMax) + res(178));
        else
            PrintHint(res(164));
        break;
    }
    default: break;
    }
}

void CellEditing::fg_RowColChange()
{
    if (grid().Col() >= 0 && grid().ColData(grid().Col()) == eColDelay)
        grid().setComboList(QString());
}

void CellEditing::fg_MouseDown(int button, int /*shift*/, float /*x*/, float /*y*/)
{
    Ostrel7::trapped(reporter_, QStringLiteral("fg_MouseDown"), [&] {
        const int32_t row = fg_.MouseRow();
        const int32_t col = fg_.MouseCol();
        const bool overStepNumbers = col == eColStep && row >= 0;
        if (button == kLeftButton) {
            // A step number selects its whole row, a cell selects cells.
            grid().setSelectionMode(overStepNumbers ? platform::grid::selByRow : platform::grid::selFree);
            return;
        }
        if (button != kRightButton)
            return;
        if (overStepNumbers)
            grid().setSelectionMode(platform::grid::selByRow);
        // A click inside the selection keeps it, so the menu's command acts on all of it.
        if (!IsInsideSelection(row, col) && row >= grid().FixedRows()) {
            grid().setRow(row);
            if (col >= grid().FixedCols())
                grid().setCol(col);
        }
        if (hooks.popupMenu)
            hooks.popupMenu();
    });
}

bool CellEditing::IsInsideSelection(int32_t row, int32_t col)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("IsInsideSelection"), [&] {
        const platform::grid::CellRange selection = grid().selection();
        return row >= selection.top && row <= selection.bottom &&
               (grid().SelectionMode() != platform::grid::selFree || (col >= selection.left && col <= selection.right));
    });
}

} // namespace QelmStp
