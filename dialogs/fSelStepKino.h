#pragma once
// The step function selection: the modal tree in which the step editor picks
// the function code of a step input (In_or_Out 1, list stpinp) or a step
// output (2, list stpout). clsSelectKino owns one dialog per list.
//
// The answer is retValue(): the Value of the chosen function, or a code made
// from a step number typed at the prompt node under "STEP" or "JMP" (&H8000 +
// n - 1) or "CALL" (&HC000 + n - 1), n from 1 to 192; orgValue() for Cancel,
// Esc and the close box. Both prompts start empty at each opening.
//
// Besides, a toolbar with Find (also Ctrl+F), the option menu, and the
// button-edit mode in which the user marks which functions the normal tree
// offers: every function of the list is shown, those not offered in red, a
// click toggles one, "keyHAND1" marks all or none. Update (or Enter) writes
// the marks into the entries' Hidden flags, which the step editor saves with
// the step file; Cancel drops them. Either way the dialog stays open in
// normal mode; the close box drops the marks and closes as Cancel.

#include "SelectionForm.h"

#include <QList>
#include <optional>
#include <utility>

class QToolBar;

namespace Sorvi27 {

class fSelStepKino final : public SelectionForm {
public:
    explicit fSelStepKino(QWidget* parent = nullptr);

    // True when the dialog should open in button-edit mode: its tree offers no
    // function yet and the user agrees (message 60, when the library asks).
    bool DoesChangeEditMode();
    void setChangeTodEditMode(bool v) { changeTodEditMode_ = v; }
    // Empties the step-number prompts.
    void ClearStepTagVariant();
    // True hides the "COUNT" category with its functions, False shows them.
    void setDoesKillCUNT(bool kill);
    // The edited cell's code; the answer of Cancel.
    // The code the dialog answers unless a choice is made: also when it is
    // closed by Escape or its close box.
    void setOrgValue(int16_t v) { orgValue_ = v; retValue_ = v; }
    int16_t orgValue() const { return orgValue_; }
    int16_t retValue() const { return retValue_; }

    // The opening: place, captions, pictures, toolbar, the tree when it has
    // none, and button-edit mode when asked for.
    void Form_Load();
    // Form_Load when the dialog is not loaded.
    void Load();

    // 1 normal mode, 0 button-edit mode.
    int32_t Mode() const { return mode_; }
    // The text of the step-number prompt nodes.
    const QString& PromptText() const { return promptText_; }

private:
    void InitForm();
    void SetCaptions();
    void CreateToolbar();
    void BuildTree(int32_t inOrOut, bool expand);
    void AddPrompts(int32_t inOrOut);

    void BTN_Click(int index);
    void OKOp1();
    void Cancel();
    void NodeClick_NotEditOp();
    // The step number typed at the prompt; 0 when the user gave none.
    int32_t AskStepNumber();
    void tBar_ButtonClick(const QString& key);
    QAction* tool(const char* key) const;

    // Button-edit mode.
    void ChangeModeOp(int32_t mode, bool apply);
    void ReMakeTreeToEdit();
    // The list codes of the entries hidden when the mode began, by node key.
    using HiddenDic = QList<std::pair<QString, int16_t>>;
    // Nothing (after a report) when it cannot be made.
    std::optional<HiddenDic> CreaeHidedDic();
    void CheckUnUsedNode(const HiddenDic& dic);
    void RestoreToHidden(const HiddenDic& dic);
    void NodeClick_EditOp(platform::tree::SelectionNode* node);
    void ChangeAllSelctions(bool flag);
    static void SetNodeColor(platform::tree::SelectionNode& node, int32_t colour);
    void EnabledAllButton(bool flag);
    void OKOp2();
    void tv_NodeClick(platform::tree::SelectionNode* node);
    void tv_KeyPress(int32_t& keyAscii);
    void tv_Confirm();
    bool Form_KeyDown(const QKeyEvent& e);

    void CloseBox() override;
    void EscapeKey() override { BTN_Click(2); }
    void LayoutTree() override;

    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

    QToolBar* tBar_ = nullptr;
    QString promptText_;
    int16_t orgValue_ = 0;
    int16_t retValue_ = 0;
    int32_t mode_ = 1;
    bool changeTodEditMode_ = false;
    bool isMouseClick_ = false;
    // Which way the next "mark all" goes; kept for the dialog's life.
    bool isAllSelected_ = false;
};

} // namespace Sorvi27
