#pragma once
// Editing the cells of the step grid: the code lists a logic, state or
// relation cell offers and the hint that names them, Space toggling and typed
// codes, the function choice (dialog or typed name) with what it writes into
// its row, Delete, the checks made when an edit ends and the completion of
// the cells that depend on the edited one, and the grid's keys and mouse.
//
// Implemented over three files: CellEditing.cpp (lists, function choice,
// Delete, Space), CellEditingValidate.cpp (end of an edit and completion) and
// CellEditingKeys.cpp (keys, double click, mouse, hints of a move).

#include "StepCellJudge.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <optional>

class QLabel;

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

class CellCategories;

class CellEditing {
public:
    // The code lists, in the grid's list form: "#code;text" joined by "|".
    static const QString kLogicList;
    static const QString kCounterLogicList;
    static const QString kRelationList;
    static const QString kCounterRelationList;
    static const QString kCounterCompareList;
    // Direction of a function column: the input or the output list.
    enum Direction : int32_t { eINPUT = 1, eOUTPUT = 2 };

    // What the editing needs of its window.
    struct Hooks {
        // The window is the read-only reference window.
        std::function<bool()> isReference;
        // Marks the window changed.
        std::function<void(bool)> ControlChange;
        // The function-selection dialog: the code chosen, org when cancelled.
        std::function<int16_t(int32_t direction, int16_t org, int32_t col, bool lastGroup)> GetKinoValue;
        // The find dialog is open (the grid then keeps no focus of its own).
        std::function<bool()> findLoaded;
        // Ctrl+F: the find command.
        std::function<void()> find;
        // Gives the three cells of an input group from col on their column's back colour.
        std::function<void(int32_t row, int32_t col)> colourGroup;
        // The right mouse button: the edit menu at the pointer.
        std::function<void()> popupMenu;
    };

    CellEditing(platform::grid::FlexGrid& fg, Telva27::colclsCusSelection& stpout,
                Telva27::colclsCusSelection& stpinp, CellCategories& cells, QLabel& lblHint,
                Ostrel7::clsMethod& reporter);

    Hooks hooks;

    // Routes the grid's events through the handlers below.
    void attach();

    // ---- lists, function choice, Delete, Space -----------------------------
    // "[0]LOW [1]HIGH [2]NOT " from "#0;LOW|#1;HIGH|#2;NOT".
    static QString CreateInpList(const QString& list);
    // Whether "[code]" occurs in a hint-form list.
    static bool ExactSelection(const QString& code, const QString& list);
    void PrintHint(const QString& text);
    // The hint form of the list last offered; only its codes may be typed or toggled.
    const QString& sInpList() const { return sInpList_; }
    void SetLogicSelection(int32_t row);
    void SetJyotaiSelection(int32_t row, int32_t col);
    void SetRelSelection(int32_t row, int32_t col);
    void SetRelComboList(int32_t col, const QString& list);
    // F2: the function dialog on a function cell, the cell editor elsewhere.
    void F2InputOp(int32_t row, int32_t col);
    // A dialog choice (mode 1) or a typed name (other modes) into a function cell.
    void UpdateKinoOutInp(int32_t mode, int32_t col, int32_t row, const QString& curText, const QString& newText);
    bool UpdateKinoValue(int32_t eINOUT, int32_t row, int32_t col, int16_t newValue, int16_t orgValue);
    bool ClearCells(int32_t eINOUT, int32_t row, int32_t col, bool keep, int16_t newValue);
    void DeleteOp(int32_t row, int32_t col);
    bool MustNotDelete(int32_t row, int32_t col);
    void ResetThisColGroup(int32_t row, int32_t col);
    void SpaceOp(int32_t keyCode, int32_t row, int32_t col, const QString& cellText);

    // ---- end of an edit --------------------------------------------------------
    void fg_ValidateEdit(int32_t row, int32_t col, bool& cancel);
    // Checks a function text for a function column and, when valid, writes it;
    // True for a valid text and for every other column.
    bool fg_ValidateEdit_ExistKinoValue(int32_t row, int32_t col, bool& cancel, const QString& text);
    bool fg_ValidateEdit_RemarkByteCheck(int32_t row, int32_t col);
    bool fg_ValidateEdit_RangeCheck(int32_t row, int32_t col);
    // Why a text may not stand in a cell of a row, as the judge of the cells
    // says when the text is put in: for an output that keeps its category,
    // also the logic and delay it keeps. The same for typed, chosen,
    // replaced and renumbered names.
    StepCellJudge::Verdict TextVerdict(int32_t row, int32_t col, const QString& text);
    // The editor gets the cell's stored text back: ending the edit keeps it.
    void RemainCell(int32_t row, int32_t col);
    // A number from 0 to 8000.
    bool ExactJyosu(const QString& text);
    void fg_AfterEdit(int32_t row, int32_t col);
    void fg_AfterEdit_CannotEditCell(int32_t row, int32_t col);

    // ---- keys and mouse ------------------------------------------------------------
    void fg_KeyDown(int& keyCode, int shift);
    void fg_KeyPress(int& keyAscii);
    void fg_KeyPressEdit(int32_t row, int32_t col, int& keyAscii);
    void fg_DblClick();
    void fg_BeforeEdit(int32_t row, int32_t col, bool& cancel);
    void fg_BeforeRowColChange(int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol);
    void fg_AfterRowColChange(int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol);
    void fg_RowColChange();
    void fg_MouseDown(int button, int shift, float x, float y);
    // The cell lies in the current selection: between its top and bottom
    // rows, and in whole-row mode in any column, else between its columns.
    bool IsInsideSelection(int32_t row, int32_t col);

    // ---- names written by other commands -------------------------------------
    // Shows a refusal as typing shows it, with the values it names.
    static void ShowVerdict(const StepCellJudge::Verdict& verdict);

private:
    platform::grid::GridData& grid();
    bool isReference() const;
    void changed();
    void focusGrid();
    QString res(int32_t number) const;
    void showListHint();
    // What a refused function does to the editor or the cell.
    void refuseFunction(int32_t row, int32_t col, const StepCellJudge::Verdict& verdict, bool editing);
    // Empties a function cell with what depends on it (Delete, or an emptied name).
    void clearFunction(int32_t row, int32_t col);
    Telva27::colclsCusSelection& listOf(int32_t direction);

    platform::grid::FlexGrid& fg_;
    Telva27::colclsCusSelection& stpout_;
    Telva27::colclsCusSelection& stpinp_;
    CellCategories& cells_;
    const StepCellJudge& judge_;
    QLabel& lblHint_;
    Ostrel7::clsMethod& reporter_;
    QString sInpList_;
};

} // namespace QelmStp
