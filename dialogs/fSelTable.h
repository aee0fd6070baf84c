#pragma once
// The single-table question: eight option buttons, table 0 hidden until the
// user shows it with Alt+0 (when the caller allows it).
//
// The answer is TableIndex(), not the dialog's result: OK keeps the selected
// option, Cancel (button or Esc) makes it -1, and closing the window any other
// way (its close box) also keeps the selected option, so the caller gets that
// table.

#include <QDialog>
#include <array>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace Sorvi27 {

class fSelTable final : public QDialog {
public:
    explicit fSelTable(QWidget* parent = nullptr);

    // On entry the table to preselect; on exit the chosen table or -1 for Cancel.
    int32_t TableIndex() const { return tableIndex_; }
    void setTableIndex(int32_t index) { tableIndex_ = index; }
    // Whether Alt+0 may show and hide table 0.
    void setViewZero(bool viewZero) { viewZero_ = viewZero; }
    // eSTD, eUSR or -1 for neither; chooses the window caption.
    void setSTDUSR(int32_t kind) { stdUsr_ = kind; }

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
    bool Form_KeyDown(const QKeyEvent& e);
    void op_Click(int index);
    void BTN_Click(int index);

    QGroupBox* frameWaku_ = nullptr;
    std::array<QRadioButton*, 8> op_{};
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    std::array<int32_t, 8> rowTops_{}; // twips
    int frameHeight_ = 0;              // pixels, as laid out at load
    int windowHeight_ = 0;             // pixels, client area as laid out at load
    int32_t tableIndex_ = 1;
    bool viewZero_ = false;
    int32_t stdUsr_ = -1;
};

} // namespace Sorvi27
