#pragma once
// The two-way exchange between a step window's grid and its step program:
// PasteData shows a program in the grid (REM lines marked, counter constants
// as unsigned numbers), Update_step builds a new program back from the grid
// (counter ids and constants included) for saving.
//
// Grid row n is step n; column 1 the remark, 2 the output function, 3 the
// logic, 4 the delay or constant, and input group b its function, state and
// relation in columns 3b+2 to 3b+4. Function cells hold names of the step
// output and input lists; on a counter row, groups 2 and 3 may hold constants.

#include "stepeditor/cells/CounterRows.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ostrel7 {
class clsMethod;
}
namespace platform::grid {
class FlexGrid;
class GridData;
}
namespace Telva27 {
class clsStepOut;
class colclsCusSelection;
class colclsStep;
class colclsStepIn;
}

namespace QelmStp {

class CellCategories;
class StepCellJudge;

class StepExchange {
public:
    // The fore colour of a step-number cell that marks its row as REM.
    static constexpr uint32_t kRemColor = 255;

    // fg is the step grid, stpout and stpinp the step output and input lists,
    // cells the grid's cell rules (with the judge of its cells); reporter
    // reports the trapped failures.
    StepExchange(platform::grid::FlexGrid& fg, Telva27::colclsCusSelection& stpout,
                 Telva27::colclsCusSelection& stpinp, CellCategories& cells, Ostrel7::clsMethod& reporter);

    // Told False after a program was shown (the window's changed flag).
    std::function<void(bool)> ControlChange;

    // Fills the grid from the program, line by line; a line that can't be
    // shown whole stops at the failing cell and the next line follows.
    void PasteData(const Telva27::colclsStep& program);
    // Fills the grid row of one step line.
    void PasteThisData(const Telva27::clsStepOut& line);
    // Fills another grid of the step grid's columns as PasteData fills the
    // step grid: what an open of the program would show.
    void PasteInto(platform::grid::GridData& target, const Telva27::colclsStep& program);
    // Empties every data cell and clears every REM mark.
    void ClearAll();
    void ClearAllRem();

    // Builds a new step program from the grid, carrying the memo, password,
    // author and counter data of `program` over, and puts it in `program`'s
    // place. False when a row can't be converted (a cell the judge of the
    // cells refuses for a save: that cell becomes the current cell);
    // `program` stays as it was then, and the caller tells the user (message 80).
    bool Update_step(std::shared_ptr<Telva27::colclsStep>& program);
    // The row names an output function.
    bool ExistsValidRow(int32_t row);
    // Converts one row and adds it to `into`.
    bool AddValidRow(int32_t row, Telva27::colclsStep& into);
    // A new input list of the eight blocks, each (0, 0, 0); null on failure.
    std::shared_ptr<Telva27::colclsStepIn> GetCacantStepIn();
    // The counter id of a counter row from its cells; -1 for another form.
    int32_t GetCounterId(int32_t row);

    // The REM mark of a row: the fore colour of its step-number cell.
    void SetREMColor(int32_t row, bool rem);
    bool IsREM(int32_t row) const;

private:
    platform::grid::GridData& grid();
    const platform::grid::GridData& grid() const;
    void fill(platform::grid::GridData& target, const Telva27::colclsStep& program);
    void fillLine(platform::grid::GridData& target, const Telva27::clsStepOut& line);
    void pasteInputs(platform::grid::GridData& target, const Telva27::clsStepOut& line);
    static void setRem(platform::grid::GridData& target, int32_t row, bool rem);
    static void clearTexts(platform::grid::GridData& target);
    static void clearRems(platform::grid::GridData& target);
    // The code a function cell stands for: a listed name, a constant, or 0.
    int32_t inputCodeOf(const QString& text);

    platform::grid::FlexGrid& fg_;
    Telva27::colclsCusSelection& stpout_;
    Telva27::colclsCusSelection& stpinp_;
    CellCategories& cells_;
    const StepCellJudge& judge_;
    Ostrel7::clsMethod& reporter_;
    CounterRows counters_;
};

} // namespace QelmStp
