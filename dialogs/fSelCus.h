#pragma once
// The customize function selection: a modal tree of the function codes of one
// pin list (inputs or outputs), grouped by category, from which the user picks
// the function of one connector pin. clsSelectKino owns one dialog per list,
// loads them for the customize window and shows one for each question.
//
// The answer is retValue(): the Value of the chosen item (Select, or a double
// click or Enter on an item), or orgValue() for Cancel, Esc and the close
// box. It is 0 until the first answer and kept from one showing to the next.
// An item whose code is no byte is refused with an error report, and the
// dialog stays open.

#include "SelectionForm.h"

namespace Sorvi27 {

class fSelCus final : public SelectionForm {
public:
    explicit fSelCus(QWidget* parent = nullptr);

    // The caller's current code; the answer of Cancel.
    void setOrgValue(uint8_t v) { orgValue_ = v; }
    uint8_t orgValue() const { return orgValue_; }
    uint8_t retValue() const { return retValue_; }

    // Builds the tree from colSel and takes the kept place; nothing when the
    // dialog is loaded already.
    void Load();

private:
    void Form_Load();
    void SetCaptions();
    void BuildTree();

    void BTN_Click(int index);
    bool SelectNode();
    void tv_Confirm();
    void btnOption_Click();

    void CloseBox() override { BTN_Click(2); }
    void EscapeKey() override { BTN_Click(2); }
    void LayoutTree() override;

    uint8_t orgValue_ = 0;
    uint8_t retValue_ = 0;
};

} // namespace Sorvi27
