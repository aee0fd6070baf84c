#pragma once
// A step window: the MDI child that shows one step program in the step grid
// fg. The user window (role 0) edits the user's program; the reference window
// (role 1) shows a reference program read-only. The window has a cool bar
// with two bands, "keyTOOLBAR" carrying the toolbar tBar and "keyHINT"
// carrying the input-method hint lblHint on picHint, and the grid below.

#include "StepCommands.h"
#include "cells/CellCategories.h"
#include "cells/CellEditing.h"
#include "exchange/StepExchange.h"
#include "grid/StepCellPainter.h"
#include "grid/StepGridLayout.h"

#include "util/method/clsMethod.h"

#include <QIcon>
#include <QMap>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace platform::grid {
class FlexGrid;
}

namespace QelmStp {

class fMain;
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

    // Opens the step table at position (0: the first opening, table 1 of a
    // file given by path, else a file dialog) of a user (kind 0) or reference
    // (kind 1) step file into this window. False when nothing was opened.
    bool ReadStep(int32_t kind, int32_t position, const QString& path);

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

    // What the commands hand on to (see StepCommands).
    StepCommands& commands() { return commands_; }
    // The undo snapshots of the window, by key; the file of each.
    QMap<QString, QString>& dicUndoFiles() { return dicUndoFiles_; }
    // The text of the cell whose edit is under way.
    QString& editedCellText() { return editedCellText_; }

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
    QMdiSubWindow* frame() const;
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
    StepCommands commands_;
    QMap<QString, QString> dicUndoFiles_;
    QString editedCellText_;
};

} // namespace QelmStp
