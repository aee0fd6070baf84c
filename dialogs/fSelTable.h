#pragma once
// The single-table question: eight option buttons, table 0 hidden until the
// user shows it with Alt+0 (when the caller allows it).
//
// The answer is TableIndex(), not the dialog's result: OK keeps the selected
// option, Cancel (button or Esc) makes it -1, and closing the window any other
// way (its close box) also keeps the selected option, so the caller gets that
// table.

#include "TableChoiceForm.h"

namespace Sorvi27 {

class fSelTable final : public TableChoiceForm {
public:
    explicit fSelTable(QWidget* parent = nullptr);

    // On entry the table to preselect; on exit the chosen table or -1 for Cancel.
    int32_t TableIndex() const { return tableIndex_; }
    // eSTD, eUSR or -1 for neither; chooses the window caption.
    void setSTDUSR(int32_t kind) { stdUsr_ = kind; }

private:
    int32_t titleCaption() const override;
    void BTN_Click(int index) override;

    int32_t stdUsr_ = -1;
};

} // namespace Sorvi27
