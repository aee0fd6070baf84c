#pragma once
// The category of the functions a step-grid row names, the predicates built on
// it, the "***" mark of the cells a row does not use, and the permission asked
// when the user starts to edit a cell.
//
// A function's category is the Category text of its entry in the step output
// list (column 2) or the step input list (input function columns); which
// function carries which category is data. The editor gives these meaning:
// "JMP", "CALL" and "RETURN" outputs take no logic choice, a "COUNT" output is a
// counter operation, and a row whose first input is a "COUNT" is a counter row.

#include "StepCellJudge.h"

#include <QString>
#include <cstdint>

namespace Ostrel7 {
class clsMethod;
}
namespace platform::grid {
class FlexGrid;
class GridData;
}
namespace Telva27 {
class colclsCusSelection;
}

namespace QelmStp {

class CellCategories {
public:
    // The marks SetCellMark writes.
    enum CellMark : int32_t { eMarkEmpty = 0, eMarkUnused = 1 };
    // The text of a cell that is unused in its row and may not be edited.
    static const QString kUnused;

    // fg is the step grid, stpout and stpinp the step output and input
    // lists; reporter reports the failures of the trapped members.
    CellCategories(platform::grid::FlexGrid& fg, Telva27::colclsCusSelection& stpout,
                   Telva27::colclsCusSelection& stpinp, Ostrel7::clsMethod& reporter);

    // Routes the grid's start of an edit through fg_StartEdit.
    void attach();
    // The judge of a cell in its row, over the same lists; the column titles
    // it names are the grid's.
    const StepCellJudge& judge() const { return judge_; }

    // The category of the row's output function, of the input function in
    // column col; "" when the cell names no listed function.
    QString OutCategory(int32_t row);
    QString InpCategory(int32_t row, int32_t col);
    // False for "CALL", "JMP" and "RETURN" (no logic choice), True otherwise.
    static bool HasSelection(const QString& category);
    // Whether a function replaced in a cell keeps its category class: kind 1
    // (input) both or neither a counter, kind 2 (output) the same category.
    // False when oldValue is -1 (no known function) and for any other kind.
    bool DoesSameCaegory(int32_t kind, int32_t newValue, int32_t oldValue);
    // The row is a counter row: its first input function is a counter.
    bool TopIsCOUNT(int32_t row);
    // col is the function column of input group 2 or 3 (8 or 11).
    static bool ColIs2or3Grp(int32_t col);
    // col lies in the last input group.
    bool IsLastGroup(int32_t col) const;
    // eMarkEmpty empties the cell, eMarkUnused writes "***"; other marks do nothing.
    void SetCellMark(int32_t row, int32_t col, int32_t mark);
    // The cell holds exactly "***".
    bool DoesCannotEdit(int32_t row, int32_t col);
    // Some cell of the row right of col holds text.
    bool ExistsItem(int32_t row, int32_t col);
    // The cell is filled; otherwise message 46 names the column to fill
    // first, which becomes the current cell.
    bool MustInputCell(int32_t row, int32_t col);
    // The row's logic may be edited now: the output function is there and
    // takes a logic choice (message 46 or 42 otherwise).
    bool CanInputLogic(int32_t row);
    // Marks the unused cells of a row just filled from a step program.
    void SprashThisRow(platform::grid::GridData& grid, int32_t row);
    // Whether a key pressed on a remark cell opens its editor at once.
    static bool MustIMEON(int32_t keyCode);

    // The grid's start of an edit: cancel stays True unless the edit may start.
    void fg_StartEdit(int32_t row, int32_t col, bool& cancel);
    // The cell's text when the last edit was asked for on a usable cell.
    const QString& RememberedText() const { return remembered_; }

private:
    QString outCategoryOf(const platform::grid::GridData& grid, int32_t row);
    QString inpCategoryOf(const platform::grid::GridData& grid, int32_t row, int32_t col);
    bool topIsCountOf(const platform::grid::GridData& grid, int32_t row);
    // Message 42 or 49 and the focus back on the grid.
    void refuse(int16_t message);
    bool mayStartRelation(int32_t row, int32_t col);

    platform::grid::FlexGrid& fg_;
    Telva27::colclsCusSelection& stpout_;
    Telva27::colclsCusSelection& stpinp_;
    Ostrel7::clsMethod& reporter_;
    QString remembered_;
    StepCellJudge judge_;
};

} // namespace QelmStp
