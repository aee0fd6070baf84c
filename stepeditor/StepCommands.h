#pragma once
// The work a step window's commands hand on to: opening and clearing a step
// program, saving, find, printing, the clipboard, row commands, undo and the
// attached information. Each is plugged in by the code that carries it out;
// a command whose work is missing does nothing (a missing save saves nothing
// and answers False, a missing save question lets the command go on, a
// missing bottom-row check finds the rows free).

#include <QString>
#include <cstdint>
#include <functional>

namespace QelmStp {

class fStep;

struct StepCommands {
    // Starts an empty step program in the window.
    std::function<void(fStep&)> NewOp;
    // The question whether to save changed data first; False ends the command.
    std::function<bool(fStep&)> SaveCheck;
    // Saves the user program: 0 overwrite, 1 save as, 2 save as another table. False when not saved.
    std::function<bool(fStep&, int32_t how)> SaveStepData;
    // The find dialog of the window's role (the reference window's cannot replace).
    std::function<void(fStep&, int32_t role)> FindOp;
    std::function<void(fStep&)> PrintOp;
    // An undo snapshot of the grid.
    std::function<void(fStep&)> SaveCurrent;
    // Copies rows row1..row2, columns col1..col2 to the clipboard (wholeRows 1: whole rows).
    std::function<void(fStep&, int32_t row1, int32_t row2, int32_t col1, int32_t col2, int32_t wholeRows)>
        CopyRowToBuf;
    // Removes the selection copied before, by selection mode.
    std::function<void(fStep&, int32_t mode, int32_t row1, int32_t row2, int32_t col1, int32_t col2)> DeleteRows;
    std::function<void(fStep&, int32_t row)> PasteFromBuf;
    // True when inserting count rows keeps the bottom rows free.
    std::function<bool(fStep&, int32_t count)> SafeBottomRow;
    std::function<void(fStep&, int32_t row, int32_t count)> InsertRows;
    // Toggles REM on the selected rows.
    std::function<void(fStep&)> RemOp;
    std::function<void(fStep&)> DoUndo;
    std::function<void(fStep&)> InputCounterLcd;
    std::function<void(fStep&)> ShowMemo;
    std::function<void(fStep&)> InputPassword;
    // Warns when the display shows too few colours.
    std::function<void(fStep&)> CheckColorCount;
    // Removes the working copies of the window's role (and, for the user window, the undo snapshots).
    std::function<void(fStep&)> DeleteTemporaryFiles;
};

} // namespace QelmStp
