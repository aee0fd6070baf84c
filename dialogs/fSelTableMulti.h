#pragma once
// The several-tables question: eight check boxes and select-all, table 0
// hidden until the user shows it with Alt+0 (when the caller allows it).
//
// The answer is arTableIndex(): element 0 is always 0, elements 1..n the
// ticked tables in ascending order. Cancel, Esc and closing the window leave
// element 0 only, which the caller reads as a cancel.

#include "TableChoiceForm.h"

#include <vector>

namespace Sorvi27 {

class fSelTableMulti final : public TableChoiceForm {
public:
    explicit fSelTableMulti(QWidget* parent = nullptr);

    const std::vector<int32_t>& arTableIndex() const { return arTableIndex_; }

private:
    int32_t titleCaption() const override { return 125; } // "Select table"
    void resetAnswer() override { arTableIndex_ = {0}; }
    void BTN_Click(int index) override;
    std::vector<int32_t> GetCheckedTables() const;
    void chkSelAll_Click();

    std::vector<int32_t> arTableIndex_{0};
};

} // namespace Sorvi27
