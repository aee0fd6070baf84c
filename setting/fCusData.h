#pragma once
// The customize window of one connector: one grid row per pin, the factory
// (STD) settings on the left, a difference box in the middle and the user
// (USR) settings on the right. The user changes the user side (letters and
// switches with Space, times 0-255 by typing, the function through the
// function-selection dialog, the duty from a list), resets a row by clicking
// its difference box, sees every differing cell while "View dif" is held, and
// the window writes the user side back into the user pins before a save.
//
// One window per connector; the main window creates it from its customize
// menu, gives it the connector's pin table and finds it again by its tag.
//
// Implemented in four files: fCusData.cpp (life cycle and buttons),
// fCusDataGrid.cpp (the grid and its values), fCusDataDif.cpp (row states,
// differences, reset) and fCusDataEdit.cpp (editing and write-back).

#include "EditingWindow.h"

#include "datamodel/common/InOut.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class QRect;

namespace platform::grid {
class FlexGrid;
class GridData;
} // namespace platform::grid
namespace Telva27 {
class clsCustom;
class colclsCustom;
class colclsStyle;
} // namespace Telva27

namespace QelmSet {

class fMain;
struct ProgramState;

class fCusData final : public EditingWindow {
    Q_OBJECT

public:
    // The grid's columns: pin, factory side, difference box, user side. User
    // column c (13-22) has its factory twin in column c - 11.
    enum Column : int32_t {
        colPinNo = 0,
        colLocation = 1,
        colStdKino = 2,
        colStdLogic = 3,
        colStdDuty = 11,
        colDif = 12,
        colUsrKino = 13,
        colLogic = 14,
        colDosa = 15,
        colOnDelay = 16,
        colOnDelayTime = 17,
        colOffDelay = 18,
        colOffDelayTime = 19,
        colChopping = 20,
        colZenpaTime = 21,
        colDuty = 22,
        kCols = 23,
        kFixedCols = 13,
    };

    explicit fCusData(fMain& main);
    ~fCusData() override;

    // The connector shown. Assigning it also sets the tag to its connector id
    // ("0" to "5"); it is assigned before the window is first shown, which
    // builds and fills the grid.
    Telva27::colclsStyle* ColConStyle() const { return colConStyle_; }
    void setColConStyle(Telva27::colclsStyle& table);

    // Writes the user side of every input and output row into the user pins;
    // False (after a report) when a value could not be stored.
    bool Update_Variable() override;

    // A code chosen for a row's function: stores it with its text in column
    // 13, marks the window changed and repaints; nothing when it is the old one.
    void UpdateUserValue(Telva27::ENUM_INOUT rowKind, int32_t row, uint8_t newCode, uint8_t oldCode);
    // Write "ON" or "OFF" into a switch cell (16, 18, 20) and enable or grey
    // the cells that switch governs.
    void SetOnDelaySwitch(int32_t row, const QString& text);
    void SetOffDelaySwitch(int32_t row, const QString& text);
    void SetChoppingSwitch(int32_t row, const QString& text);
    // Every row back to its factory values.
    void ResetAllRow();
    // While "View dif" is held: every differing user cell painted red, and
    // its colours restored on release.
    void TigaiIppatuDo();
    void TigaiIppatuRetore();

    platform::grid::FlexGrid& fg() const { return *fg_; }

public slots:
    void BTN_Click(int index) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A cell painted by the all-differences view, with the colours it had.
    struct TigaiCell {
        int32_t Col = 0;
        int32_t Row = 0;
        uint32_t ForeColor = 0;
        uint32_t BackColor = 0;
    };

    // Life cycle (fCusData.cpp).
    void Form_Load();
    void LocateMe();
    void SetConnectorCaption(const Telva27::colclsStyle& table);
    void SetButtonCaptions();
    void SetButtonPictures();
    void RemoveMenuCeck(const QString& tag);
    void connectGrid();

    // The grid and its values (fCusDataGrid.cpp).
    void Format_fg();
    void Create_fg_Frame();
    void SetGridStyle();
    void SetHeaderColor();
    void SetHeaderAlignment();
    void SetHeaderText();
    void SetAreaColor();
    void SetFixedColFont();
    void SetColAlignment();
    void SetColWidth();
    int32_t HeaderHeight() const;
    void SetColFont();
    void CreatefgSelection();
    void ShowStdColumns(bool show);
    void PasteValue();
    void PasteStdValues(int32_t row, Telva27::ENUM_INOUT kind, const Telva27::clsCustom& pin);
    void PasteUsrValues(int32_t row, Telva27::ENUM_INOUT kind, const Telva27::clsCustom& pin);
    QString CreateDisplayValue(const QString& location, uint8_t code);
    static Telva27::ENUM_INOUT GetRowKind(const QString& location);
    Telva27::ENUM_INOUT RowKind(int32_t row) const;

    // Row states, differences and reset (fCusDataDif.cpp).
    void BackColorEnabledOp(int32_t row, int32_t col, bool enabled);
    void EnableOnDelayCols(int32_t row, bool enabled);
    void EnableOffDelayCols(int32_t row, bool enabled);
    void EnableChoppingCols(int32_t row, bool enabled);
    void DrawEnabledRow();
    static int32_t GetStdCol(int32_t col);
    bool IsUserDif(int32_t row);
    void DoTigai(int32_t row, int32_t col);
    void DrawDif(QPainter& painter, int32_t row, const QRect& cell);
    void DispRemContent(QPainter& painter, const QRect& cell);
    static QRect DifBox(const QRect& cell);
    void ResetRow(int32_t row);
    void RepaintDif(int32_t row);
    bool IsRcClicked(const QPoint& point, int32_t& row);

    // Editing (fCusDataEdit.cpp).
    void fg_AfterRowColChange(int32_t newRow, int32_t newCol);
    void fg_StartEdit(int32_t row, int32_t col, bool& cancel);
    void fg_KeyPress(int& keyAscii);
    void fg_KeyPressEdit(int& keyAscii);
    void fg_ValidateEdit(int32_t col, bool& cancel);
    void fg_AfterEdit(int32_t row, int32_t col);
    void fg_KeyDown(int keyCode);
    void fg_DblClick();
    void fg_MouseDown(int button, float x, float y);
    void fg_AfterUserResize(int32_t col);
    void ForceSwitchOn(int32_t row, int32_t switchCol);
    void CycleLetter(int32_t row, int32_t col);
    void ChooseFunction(int32_t row);
    bool OutIsLack(int32_t row) const;

    ProgramState& state() const;
    Telva27::colclsCustom& usrPins() const;
    Telva27::colclsCustom& stdPins() const;
    platform::grid::GridData& grid() const;

    fMain& main_;
    platform::grid::FlexGrid* fg_ = nullptr;
    Telva27::colclsStyle* colConStyle_ = nullptr;
    bool loaded_ = false;
    // Per grid row: its kind, fixed when the grid is built.
    std::vector<Telva27::ENUM_INOUT> rowKinds_;
    int32_t prevRow_ = 0;
    QString textBeforeEdit_;
    std::vector<TigaiCell> tigaiCells_;
};

} // namespace QelmSet
