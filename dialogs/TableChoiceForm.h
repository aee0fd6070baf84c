#pragma once
// What the two table-choice dialogs share: a frame `frameWaku` holding eight
// controls, one per table (option buttons or check boxes), OK `BTN1` and
// Cancel `BTN2`, table 0 hidden at load and shown or hidden again with Alt+0
// when the caller allows it, and the way a question is loaded.
//
// A dialog hands its design in: the form's control table and the little that
// differs. The table's controls named <tableName>0 to <tableName>7 stand for
// tables 0 to 7; their designed tops are the rows that ShowTableZero moves
// them between.

#include "platform/forms/ControlDesign.h"

#include <QDialog>
#include <QSize>
#include <array>
#include <cstdint>
#include <span>

class QAbstractButton;
class QGroupBox;

namespace Sorvi27 {

struct TableChoiceDesign {
    const char* formName;
    QSize client; // twips
    // frameWaku, the eight table controls, BTN1, BTN2 and the dialog's own.
    std::span<const platform::forms::ControlDesign> controls;
    const char* tableName;
    // The frame's height, in pixels, while table 0 is hidden.
    int hiddenFrameHeight;
};

class TableChoiceForm : public QDialog {
public:
    // The table preselected on entry.
    void setTableIndex(int32_t index) { tableIndex_ = index; }
    // Whether Alt+0 may show and hide table 0.
    void setViewZero(bool viewZero) { viewZero_ = viewZero; }

    // Prepares the dialog for one question from the properties set above.
    void Form_Load();
    void ShowTableZero(bool visible);

protected:
    TableChoiceForm(const TableChoiceDesign& design, QWidget* parent);

    // The window caption's catalogue number.
    virtual int32_t titleCaption() const = 0;
    // The answer as it stands before the user does anything.
    virtual void resetAnswer() {}
    // 1 OK, 2 Cancel (also Escape).
    virtual void BTN_Click(int index) = 0;

    QAbstractButton& table(int index) const { return *table_[static_cast<size_t>(index)]; }
    int32_t tableIndex_ = 1;

    static QString catalogueText(int32_t number);

    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void InitTableRows();
    void SetCaptions();
    bool Form_KeyDown(const QKeyEvent& e);
    // op_Click or chk_Click: the table last clicked.
    void table_Click(int index) { tableIndex_ = index; }

    const TableChoiceDesign& design_;
    QGroupBox* frameWaku_ = nullptr;
    std::array<QAbstractButton*, 8> table_{};
    std::array<int, 8> rowTops_{}; // pixels inside the frame
    int frameHeight_ = 0;          // pixels, as laid out at load
    int windowHeight_ = 0;         // pixels, client area as laid out at load
    bool viewZero_ = false;
};

} // namespace Sorvi27
