#pragma once
// The several-tables question: eight check boxes and select-all, table 0
// hidden until the user shows it with Alt+0 (when the caller allows it).
//
// The answer is arTableIndex(): element 0 is always 0, elements 1..n the
// ticked tables in ascending order. Cancel, Esc and closing the window leave
// element 0 only, which the caller reads as a cancel.

#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace Sorvi27 {

class fSelTableMulti final : public QDialog {
public:
    explicit fSelTableMulti(QWidget* parent = nullptr);

    const std::vector<int32_t>& arTableIndex() const { return arTableIndex_; }
    // The table ticked on entry.
    void setTableIndex(int32_t index) { tableIndex_ = index; }
    // Whether Alt+0 may show and hide table 0.
    void setViewZero(bool viewZero) { viewZero_ = viewZero; }

    // Prepares the dialog for one question from the properties set above.
    void Form_Load();
    void ShowTableZero(bool visible);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void InitTableRows();
    void SetCaptions();
    std::vector<int32_t> GetCheckedTables() const;
    bool Form_KeyDown(const QKeyEvent& e);
    void chk_Click(int index);
    void chkSelAll_Click();
    void BTN_Click(int index);

    QGroupBox* frameWaku_ = nullptr;
    std::array<QCheckBox*, 8> chk_{};
    QCheckBox* chkSelAll_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    std::array<int32_t, 8> rowTops_{}; // twips
    int frameHeight_ = 0;              // pixels, as laid out at load
    int windowHeight_ = 0;             // pixels, client area as laid out at load
    std::vector<int32_t> arTableIndex_{0};
    int32_t tableIndex_ = 1;
    bool viewZero_ = false;
};

} // namespace Sorvi27
