#pragma once
// The parameter window: an MDI child of the main window whose grid shows one
// row per parameter (digital), the factory (STD) and the user (USR) value side
// by side, the differences marked and a help mark whose tip explains the
// parameter. One class serves three modes, chosen by FunctionName before the
// window loads: "AllFunctions" (every group; the special group only after the
// password), "ViewDif" (the parameters whose values differ, read only) and the
// FunctionName of one group.
//
// The user edits the USR column only: by number or from the parameter's list
// of choices, within the parameter's range. The edits reach the data model
// when the main window saves (Update_Variable), and only the rows this window
// changed or reset are written, so a second window showing the same parameter
// never undoes an edit made elsewhere.

#include "EditingWindow.h"

#include <QSet>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace Ostrel7 {
class clsToolTip;
}
namespace Telva27 {
class clsDigital;
class clsFunction;
} // namespace Telva27
namespace platform::grid {
class FlexGrid;
class GridData;
} // namespace platform::grid

namespace QelmSet {

class fMain;
struct ProgramState;

class fParam final : public EditingWindow {
    Q_OBJECT

public:
    // The grid's columns.
    enum Column : int32_t {
        colFunction = 0, // the group's TOPKMK; the cell data is its FunctionName
        colDigital = 1,
        colAdvice = 2,
        colUnit = 3,
        colMin = 4,
        colMax = 5,
        colStd = 6,
        colUser = 7, // the only editable column
        colHelp = 8,
        colDif = 9,
    };
    // The background of a USR cell that may not be edited.
    static constexpr uint32_t kNotEditable = 0xC0C0C0;

    // Makes the window of one mode in the main window's MDI area and loads it;
    // the caller shows it.
    static fParam* create(fMain& main, const QString& functionName);

    explicit fParam(fMain& main);
    ~fParam() override;

    // The mode; setting it sets the tag, by which the main window finds the window.
    const QString& FunctionName() const { return functionName_; }
    void setFunctionName(const QString& name);

    // Loads the window for its mode: caption, place, rows, tip, selection, buttons.
    void Form_Load();
    // (Re)fills the differences list; the main window calls it after each save.
    void PasteDifs() override;

    void ControlChange(bool changed) override;
    // Writes the rows this window changed or reset into the data model; False
    // (after the error report) when a row could not be written.
    bool Update_Variable() override;
    // The help tip of the help mark at (x, y), pixels of the grid's viewport:
    // True, with the tip's text set, when the point lies on a row's help mark.
    bool HitLimit(int32_t x, int32_t y);
    // Creates the tip that shows the help texts over the grid.
    void ToolTipSet();

    platform::grid::FlexGrid& grid() const { return *fg_; }
    Ostrel7::clsToolTip* tip() const { return tip_.get(); }

public slots:
    void BTN_Click(int index) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Entry = std::pair<std::shared_ptr<Telva27::clsFunction>, std::shared_ptr<Telva27::clsDigital>>;

    ProgramState& state() const;
    platform::grid::GridData& data() const;
    void connectGrid();
    void connectButtons();

    // Loading.
    void InitForm();
    void LocateMe();
    void SetButtonCaptions();
    void SetButtonPictures();
    void SetColumnWidths();
    void FitValueColumns();
    void MeasureValueColumns();
    void FitToText(int32_t row, int32_t col);
    void SetGridStyle();
    void Format_fg(int32_t dataRows);
    void Set_fgFixedRowColor();
    void Format_fg_After();
    void AddDataToRow(int32_t row, const Telva27::clsDigital& digital);
    void AddFunctionToRows(int32_t first, int32_t last, const Telva27::clsFunction& function);
    void MarkEditable(int32_t first, int32_t last, bool editable);
    void fillRows(const QString& label, const std::vector<Entry>& entries);
    void PasteAllFunctions();
    void PasteFunctionValue();
    void CheckDif(int32_t row);
    void CheckAllDif();
    void SelectTopRow();
    void enableButtons();
    QString GetFunction(int32_t row);
    std::shared_ptr<Telva27::clsDigital> digitalOf(int32_t row);
    int32_t GetMenuIndex(const QString& tag);
    void RemoveMenuCeck(const QString& tag);
    bool ExistTokushu();
    void Form_Unload();

    // Grid events.
    void fg_BeforeRowColChange(int32_t newCol, bool& cancel);
    void fg_AfterRowColChange(int32_t newRow);
    void ClearRowHighlight(int32_t row);
    void fg_MouseMove(float x, float y);
    void fg_DblClick();
    void fg_BeforeEdit(int32_t row);
    void fg_StartEdit(int32_t row, bool& cancel);
    void fg_KeyPressEdit(int& keyAscii);
    void fg_ValidateEdit(int32_t row, bool& cancel);
    void fg_AfterEdit(int32_t row);
    QString CreateSelection(const Telva27::clsDigital& digital);
    bool CheckRange(int32_t row, const QString& text);
    bool isNumberRow(int32_t row);

    // Buttons.
    void printParameters();
    void resetValues();
    void ResetFace();
    void findDigital();

    fMain& main_;
    platform::grid::FlexGrid* fg_ = nullptr;
    QWidget* picCMD_ = nullptr;
    QString functionName_;
    std::unique_ptr<Ostrel7::clsToolTip> tip_;
    int32_t prevRow_ = 0;
    QString editStartText_;
    // The cell under the mouse at its last move, so a move inside it changes no tip.
    std::pair<int32_t, int32_t> lastTipCell_{-1, -1};
    // The data rows edited or reset since the last write-back.
    QSet<int32_t> changedRows_;
    // The pixel width of the widest text of each fitted column (colMin to
    // colUser), measured when the rows are filled and grown by edits, so that
    // a resize only applies it.
    std::array<int, 4> widestText_{};
    // Whether they were measured against the small screen's designed widths.
    bool measuredSmall_ = false;
    bool loaded_ = false;
};

} // namespace QelmSet
