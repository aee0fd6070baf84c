#pragma once
// The feed-pitch window: the X and Y pitch tables of the loaded setting table,
// the user values on the left (editable) and the factory values on the right
// (read-only). Every user value that differs from its factory twin is painted
// red with an arrow telling which way it differs. The window saves through the
// main window, exports the user tables and resets them to the factory values.
//
// Grids fg1 .. fg4 show the main window's pitch tables of the same index:
// user X, user Y, factory X, factory Y. fg1 and fg3 are twins, as are fg2 and
// fg4; moving the current cell in one moves it in the other.

#include "EditingWindow.h"

#include <array>
#include <cstdint>
#include <optional>

class QPainter;

namespace platform::grid {
class FlexGrid;
}
namespace Telva27 {
class colclsOkuri;
}

namespace QelmSet {

class fMain;
struct ProgramState;

class fOkuriParam final : public EditingWindow {
    Q_OBJECT

public:
    // Builds and loads the window for the main window's pitch tables.
    explicit fOkuriParam(fMain& main, QWidget* parent = nullptr);

    // Writes the two user grids back into the user pitch tables. Both grids are
    // converted first; the tables are replaced only when every value converts,
    // so a failure leaves the data model as it was.
    bool Update_Variable() override;

public slots:
    // 1 Save, 2 Print, 3 Reset, 4 Close.
    void BTN_Click(int index) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One pitch row as the user grid holds it.
    struct PitchRow {
        int32_t P1, P2, T1, T2, B;
    };
    using PitchRows = std::array<PitchRow, 16>;

    void Initilize();
    void SetCaptions();
    void SetPictures();
    void Fomrat_fg(int index);
    void PasteData(platform::grid::FlexGrid& grid, const Telva27::colclsOkuri& table);
    void Setfg_ColWidth(platform::grid::FlexGrid& grid);
    void CheckChanges(platform::grid::FlexGrid& grid, platform::grid::FlexGrid& twin);
    void CheckThisCell(platform::grid::FlexGrid& grid, platform::grid::FlexGrid& twin, int32_t row, int32_t col,
                       int32_t value);
    void ValidateEditOp(platform::grid::FlexGrid& grid, int32_t row, int32_t col, bool& cancel);
    std::optional<PitchRows> Update_Variable_Content(platform::grid::FlexGrid& grid);
    static void ReplaceRows(Telva27::colclsOkuri& table, const PitchRows& rows);

    void connectGrid(int index);
    void fg_AfterRowColChange(int index, int32_t row, int32_t col);
    void fg_StartEdit(int index, int32_t row, int32_t col);
    void fg_KeyPressEdit(int& keyAscii);
    void fg_ValidateEdit(int index, int32_t row, int32_t col, bool& cancel);

    void Save();
    void Print();
    void Reset();

    platform::grid::FlexGrid& fg(int index) const { return *fg_[static_cast<size_t>(index - 1)]; }
    platform::grid::FlexGrid& twinOf(int index) const { return fg(index <= 2 ? index + 2 : index - 2); }
    Telva27::colclsOkuri& table(int index) const;

    fMain& main_;
    ProgramState& state_;
    std::array<platform::grid::FlexGrid*, 4> fg_{};
    QWidget* picCMD_ = nullptr;
    QString textBeforeEdit_;
};

} // namespace QelmSet
