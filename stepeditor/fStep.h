#pragma once
// A step window: the MDI child that shows one step program in the step grid
// fg. The user window (role 0) edits the user's program; the reference window
// (role 1) shows a reference program read-only. The window has a cool bar
// with two bands, "keyTOOLBAR" carrying the toolbar tBar and "keyHINT"
// carrying the input-method hint lblHint on picHint, and the grid below.

#include "cells/CellCategories.h"
#include "cells/CellEditing.h"
#include "cells/StepCellJudge.h"
#include "exchange/StepExchange.h"
#include "grid/StepCellPainter.h"
#include "grid/StepGridLayout.h"

#include "util/method/clsMethod.h"

#include <QIcon>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace platform::grid {
class FlexGrid;
}
namespace Telva27 {
class colclsStep;
}

namespace QelmStp {

class fDlgReplace;
class fMain;
class StagedWorkingCopies;
struct ProgramState;

class fStep : public QWidget {
    Q_OBJECT

public:
    // Why a window is asked whether it may close.
    enum UnloadMode : int32_t {
        vbFormControlMenu = 0, // its own close box or system menu
        vbFormCode = 1,
        vbAppWindows = 2,
        vbAppTaskManager = 3,
        vbFormMDIForm = 4, // the main window closes
    };

    explicit fStep(fMain& main);
    ~fStep() override;

    // The role: 0 the user window, 1 the reference window; set before the window loads.
    int32_t STDUSR() const { return stdUsr_; }
    void setSTDUSR(int32_t role) { stdUsr_ = role; }
    // The window's data differs from what was last read or saved.
    bool IsChanged() const { return changed_; }
    void ControlChange(bool changed) { changed_ = changed; }
    // True from the end of the window's initialisation until it unloads.
    bool IsLoaded() const { return loaded_; }

    // Loads the window when it is not loaded and shows it, modeless, in the
    // main window (which is shown first when it is still hidden).
    void Show();
    void Form_Load();
    void Form_Activate();
    // Whether the window may close; cancel stays False to let it.
    void Form_QueryUnload(bool& cancel, int32_t unloadMode);
    void Form_Unload();

    // ---- opening and clearing (fStepOpen.cpp) ----
    // Opens a step table of a user (kind 0) or reference (kind 1) step file:
    // position 0 opens a file anew (the file given by path at table 1, else
    // one chosen in the file dialog at the table chosen next), any other
    // position re-reads that table of the kind's open file. The user window
    // shows a user file, the reference window (created by its first open) a
    // reference file. The new program, its working copies, file, grid and
    // table list take the place of the old ones only once the table was read
    // and its password given; until then nothing of the window changes.
    // False when nothing was opened.
    bool ReadStep(int32_t kind, int32_t position, const QString& path);
    // The file to open and its table position; "" when the user cancelled or the file is refused.
    QString ReadDataFile(int32_t kind, int32_t& position, const QString& path);
    // The open-file dialog for a step file; "" when cancelled or refused.
    QString GetSettingFile(int32_t kind);
    // True for a "*.stp" file (any letter case) of 65536 bytes; else False after its message.
    bool ExactFile(const QString& path);
    // Reads the table at position of the step file into `program`: on a first
    // open from new working copies of the file and its note file (which stay
    // staged until the open succeeds), else from the kind's working copies.
    bool ReadStepData(int32_t kind, const QString& file, int32_t position, bool firstOpen,
                      Telva27::colclsStep& program, StagedWorkingCopies& copies);
    // True when the program has no password, when the table is switched
    // within an open file, or when the user types the password; False when
    // the user gives up (an empty answer or Cancel).
    bool ExactPassword(const Telva27::colclsStep& program, bool firstOpen);
    // Clears the window; the user window starts a new empty program after
    // the save question (and not while the memo window is open).
    void NewOp();
    // Deletes the working copies of the window's role (and the user window's undo snapshots).
    void DeleteTemporaryFiles();
    // The table list chose another table: the save question, then that table is read.
    void cboTable_Click();
    // The position of the table shown (i * 8192 + 1, tables 1 to 7); 0 when none.
    int32_t CurrentStarting() const { return currentStarting_; }
    // Asks whether to save changed data before it is dropped: True to go on.
    bool SaveCheck();
    // Deletes the undo snapshots and empties their list.
    void Delete_dicUndoFiles();

    // ---- whole-program checks (fStepChecks.cpp) ----
    // True when every step is complete; else the first faulty cell is made
    // current and its message shown.
    bool ExactInput();
    // Every step with an output has an END relation, a logic and a delay.
    bool DoesCheck1();
    // Every step with input conditions (in any group) has an output.
    bool DoesCheck2();
    // Every cell of every row is one the next open shows as it stands (the
    // judge of the cells, as a save asks it); the first that is not is shown
    // with its message.
    bool DoesCheckCells();
    // The step table just written into the staged copies, read back with the
    // data model's own reader and shown as an open shows it, is the grid as
    // it stands: any cell that differs stops the save and is shown.
    bool ProveSaved(const QString& stepCopy, const QString& noteCopy, int32_t position);
    // Whether a relation cell of the row holds END: direction not 0 looks
    // from startCol - 1 to the last column, 0 from startCol - 1 back to column 5.
    bool ExistsEND(int32_t row, int32_t startCol, int32_t& direction);
    // The function column of the first input group; 0 when there is none.
    int32_t FindFirstInputKinoCol();

    // ---- saving (fStepSave.cpp) ----
    // Saves the user's grid: mode 0 over the open table, 1 as another file,
    // 2 into another table of the open file (with no file open, a new file
    // at table 1). True when the program was written; False when it was
    // refused, cancelled or failed, and then nothing of the files or the
    // window's file and table has changed.
    bool SaveStepData(int32_t mode);
    // The save dialog for a step file, starting at `current`; "" when cancelled.
    QString GetSavingFullFname(const QString& current);
    // The table position to write: table 1 of a new file, the open table
    // (modes 0 and 1), a chosen table (mode 2); -1 when there is none.
    int32_t GetStargingPosition(bool newFile, int32_t mode);
    // Whether the folder the target goes into is there; asks to insert the
    // medium until it is or the user cancels.
    bool BeReadyDrive(const QString& target);
    // Replaces the target and its note file by the two copies, together with
    // the window's working copies, after the space check of both.
    bool CopyFiles(const QString& stepCopy, const QString& noteCopy, const QString& target);

    // ---- find (fStepFind.cpp) ----
    // Opens the find dialog of the role (preset with the function of the
    // current cell when it is a function cell) in front of every window.
    void FindOp(int32_t role);

    // ---- attached information and printing (fStepInfo.cpp) ----
    // The counters and the counter and LCD key titles of the window's program
    // in their dialog; the user window takes back what OK leaves (refused while
    // the memo window is open).
    void InputCounterLcd();
    // Opens the memo window on the window's program unless it is open already.
    void ShowMemo();
    // The password and author of the window's program in their dialog.
    void InputPassword();
    // Exports the window's program, as last read or saved, to a workbook
    // through the export dialog.
    void PrintOp();

    // ---- clipboard (fStepClipboard.cpp) ----
    // Puts the block rows row1..row2 by columns col1..col2 (either end may be
    // the smaller) on the desktop's clipboard as text: the mode (0 a block,
    // 1 whole rows), the title of the leftmost column, then per row its REM
    // mark ("REM" / "NOTREM") and its cell texts, TAB between fields and CR LF
    // between lines.
    void CopyRowToBuf(int32_t row1, int32_t row2, int32_t col1, int32_t col2, int32_t wholeRows);
    // Pastes the clipboard's text at the current cell: whole rows from
    // column 1 of `row`, a block at the current column when its title matches.
    void PasteFromBuf(int32_t row);
    // Writes the row lines of a clipboard text (from its third line on) from
    // row, col; whole rows carry their REM marks. Lines past the last row and
    // fields past the last column are dropped. When a text would be refused
    // as typed into its cell, nothing is written and that cell's message is
    // shown; False then.
    bool PasteRow(int32_t row, int32_t col, const QStringList& lines, bool wholeRows);
    // The REM mark of a row: the fore colour of its step-number cell.
    bool IsREM(int32_t row) const { return exchange_->IsREM(row); }
    void SetREMColor(int32_t row, bool rem) { exchange_->SetREMColor(row, rem); }

    // ---- undo (fStepUndo.cpp) ----
    // Saves the whole grid to a new snapshot file in the working folder and
    // adds it as the newest to the undo list; a snapshot that can't be
    // written is reported and not listed. The user window only.
    void SaveCurrent();
    // Puts the grid back as the newest snapshot holds it, drops that snapshot
    // and marks the window changed.
    void DoUndo();
    // The newest snapshot's path; "" when there is none.
    QString GetLastTempFile();

    // ---- rows and REM (fStepRows.cpp) ----
    // Inserts count blank rows above row first; the rows pushed below the
    // last step are dropped and the step references follow the moved rows.
    void InsertRows(int32_t first, int32_t count);
    // Clears the block of rows row1..row2 and columns col1..col2; in
    // whole-row mode (1) the user may close the gap, and the references follow.
    void DeleteRows(int32_t mode, int32_t row1, int32_t row2, int32_t col1, int32_t col2);
    // Removes rows first..last from the grid, so the rows below move up.
    // The rows a cleared block leaves, each judged as it will stand; False
    // (after the refusal's message) when one may not stand.
    bool RowsLeftByBlock(int32_t row1, int32_t row2, int32_t col1, int32_t col2, std::vector<StepRowTexts>& left);
    void DeleteTheseRow(int32_t first, int32_t last);
    // False when inserting count rows would push a row that holds something past the last step.
    bool SafeBottomRow(int32_t count);
    // Some data cell of the row holds text ("***" counts).
    bool InputSomething(int32_t row);
    // Toggles the REM mark of every row of the selection, each on its own.
    void RemOp();
    // Re-applies the step numbers and the cell formats (unless coloursOnly),
    // then the standard colours of rows first..last, which clears their REM marks.
    void RefreshAfterRows(int32_t first, int32_t last, bool coloursOnly);
    // Puts the two numbers in ascending order.
    static void Normalize(int32_t& a, int32_t& b);

    // ---- renumbering of step references (fStepRenumber.cpp) ----
    // After rows moved: every jump, call and step reference to step start or
    // later is shifted by shift; references into removed steps start..end
    // (end 0 for an insert) are refused. Each change may be confirmed.
    void AdjustRow(int32_t start, int32_t shift, int32_t end);
    // Renumbers the reference in one cell.
    void ReplaceValue(int32_t row, int32_t col, int32_t start, int32_t shift, int32_t end);
    // The name with its step number shifted: its first character and the new number in three digits.
    QString CreateNewDigital(const QString& name, int32_t shift);
    // The step number a reference name ends in (its last three characters).
    static int32_t StepNumberOf(const QString& name);
    // The question asked before each renumbering, shared by the window's runs.
    fDlgReplace& dlgReplace();

    // Shows or hides the remark column.
    void ControlRemarkColumn(bool visible);
    // Toolbar buttons with their texts (True) or with the texts as tooltips (False).
    Q_INVOKABLE void ShowButtonCaption(bool visible);
    // Places the cool bar, the grid and the hint.
    Q_INVOKABLE void Form_Resize();
    // The text of a toolbar button; "UNKNOWN" for a key without one.
    QString GetButtonCaption(const QString& key) const;
    // Shows or hides the hint band (never shown in the reference window).
    void SetHintBandVisible(bool visible);
    // The caption of the user window (flag 0) or of the reference window:
    // the step file's path ("Refer:" before it for the reference), then
    // " written by " and the program's author when it has one.
    QString CreateMyCaption(int32_t flag) const;

    // Command handlers, by the key of the toolbar button or of the button-menu item.
    void tBar_ButtonClick(const QString& key);
    void tBar_ButtonMenuClick(const QString& key);
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuInsert_Click();
    // Pops the right-click menu up at the global position.
    void PopupEditMenu(const QPoint& globalPos);

    // The undo snapshot files of the window, oldest first.
    const QStringList& dicUndoFiles() const { return dicUndoFiles_; }

    // Mouse resizing of the grid's columns: only the remark column may be
    // resized; its width is kept (at least 200 twips) in the settings.
    void fg_BeforeUserResize(int32_t row, int32_t col, bool& cancel);
    void fg_AfterUserResize(int32_t row, int32_t col);

    platform::grid::FlexGrid& fg() { return *fg_; }
    StepGridLayout& gridLayout() { return *layout_; }
    // Shows a step program in the grid and builds one back from it (once loaded).
    StepExchange& exchange() { return *exchange_; }
    // Editing, keys and drawing of the grid's cells (once loaded).
    CellEditing& editing() { return *editing_; }
    StepCellPainter& painter() { return *painter_; }
    // Warns, once in a run, when the display shows too few colours for the pictures.
    void CheckColorCount();
    QWidget& CoolBar1() { return *coolBar_; }
    // A band of the cool bar by its key ("keyTOOLBAR", "keyHINT").
    QWidget& band(const QString& key);
    QToolBar& tBar() { return *tBar_; }
    QLabel& lblHint() { return *lblHint_; }
    QComboBox& cboTable() { return *cboTable_; }
    // A toolbar button by its key; nullptr when there is none.
    QAction* toolKey(const QString& key) const;
    // The menu of a drop-down toolbar button; nullptr when it has none.
    QMenu* buttonMenu(const QString& key) const;
    QMenu& mnuEdit() { return *mnuEdit_; }
    QAction& mnuCut() { return *mnuCut_; }
    QAction& mnuCopy() { return *mnuCopy_; }
    QAction& mnuPaste() { return *mnuPaste_; }
    QAction& mnuInsert() { return *mnuInsert_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void InitForm();
    void SetCaptions();
    void PastePicture();
    void CreateToolbar();
    void buildEditMenu();
    QAction* addButton(const QString& key, const QString& imageKey, bool disabledInReference);
    void addButtonMenu(QAction& button, const QList<std::pair<QString, int32_t>>& items);
    void ChooseInitialPath(QWidget* hwnd);
    void copySelection();
    void cutSelection();
    void insertRows();
    void undo();
    void runToolKey(const QString& key);
    // Shows the table that is loaded in the table list, without a click.
    void showLoadedTable();
    // Shows a program just read in this window: grid, caption, table list.
    void showReadProgram(int32_t kind, int32_t position, const Telva27::colclsStep& program);
    QMdiSubWindow* frame() const;
    // Makes a faulty cell current and scrolls it into view.
    void showFaultyCell(int32_t row, int32_t col);
    // Writes the program's table at position into copies of the working copies.
    bool WriteWorkingCopies(StagedWorkingCopies& copies, const QString& target, int32_t position, bool newFile);
    ProgramState& state();

    fMain& main_;
    // Reports the failures of the window's trapped members; it outlives the
    // program's objects, which the main window may release first.
    mutable Ostrel7::clsMethod reporter_;
    int32_t stdUsr_ = 0;
    bool changed_ = false;
    bool loaded_ = false;
    QWidget* coolBar_ = nullptr;
    QWidget* toolbarBand_ = nullptr;
    QWidget* hintBand_ = nullptr;
    QLabel* hintCaption_ = nullptr;
    QWidget* picHint_ = nullptr;
    QLabel* lblHint_ = nullptr;
    QToolBar* tBar_ = nullptr;
    platform::grid::FlexGrid* fg_ = nullptr;
    std::unique_ptr<StepGridLayout> layout_;
    std::unique_ptr<CellCategories> cells_;
    std::unique_ptr<StepExchange> exchange_;
    std::unique_ptr<CellEditing> editing_;
    std::unique_ptr<StepCellPainter> painter_;
    void attachEditing();
    QComboBox* cboTable_ = nullptr;
    QMap<QString, QIcon> imgListToolBar_;
    QMenu* mnuEdit_ = nullptr;
    QAction* mnuCut_ = nullptr;
    QAction* mnuCopy_ = nullptr;
    QAction* mnuPaste_ = nullptr;
    QAction* mnuInsert_ = nullptr;
    int32_t currentStarting_ = 0;
    QStringList dicUndoFiles_;
    fDlgReplace* dlgReplace_ = nullptr; // made when first asked, owned as a child
};

} // namespace QelmStp
