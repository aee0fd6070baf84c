// fParam: the window, its grid and loading the rows of its mode.

#include "fParam.h"

#include "ProgramState.h"
#include "TextWidths.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/clsFunction.h"
#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"
#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/tooltip/clsToolTip.h"

#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <vector>

namespace QelmSet {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;
using platform::grid::CellProperty;
using platform::grid::FlexGrid;
using platform::grid::GridData;
namespace grid = platform::grid;

namespace {

const QString kAllFunctions = QStringLiteral("AllFunctions");
const QString kViewDif = QStringLiteral("ViewDif");

// The designed size of the window, in twips; the main window's layout takes
// over as soon as it is shown.
constexpr QSize kDesignSize(14000, 5400);

const ControlDesign kControls[] = {
    {.kind = ControlKind::Custom, .name = "fg", .place = QRect(45, 45, 12400, 5300),
     .create = &platform::forms::make<FlexGrid>},
    {.kind = ControlKind::Panel, .name = "picCMD", .place = QRect(12500, 45, 1455, 5300)},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(120, 120, 1215, 450),
     .caption = 74, .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(120, 690, 1215, 450),
     .caption = 75, .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 3, .place = QRect(120, 1260, 1215, 450),
     .caption = 76, .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 4, .place = QRect(120, 1830, 1215, 450),
     .caption = 347, .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 5, .place = QRect(120, 2400, 1215, 450),
     .caption = 77, .container = "picCMD"},
};

// The pictures of the buttons BTN1 to BTN5.
constexpr int32_t kButtonPictures[] = {109, 108, 112, 143, 101};

// Grid colours, 0x00BBGGRR.
constexpr uint32_t kTitleBack = 0x008000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kFixedBack = 0xE0E0E0;
constexpr uint32_t kStdBack = 0xC0E0FF;
constexpr uint32_t kToolTipBack = 0x80000018;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kFunctionText = 0x804000;
constexpr uint32_t kSelectionBack = 0x808000;
// Pixels a cell needs beside its text: the grid's margins and its border line.
constexpr int kTextRoom = 7;

// Filling many cells: the grid paints once, when the filling is over, also
// when it ends in an error.
class RedrawOff {
public:
    explicit RedrawOff(GridData& grid) : grid_(grid) { grid_.setRedraw(false); }
    ~RedrawOff() { grid_.setRedraw(true); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    GridData& grid_;
};

// Calls run(from, to) for each run of entries alike by key, first to last.
template <typename Entries, typename Key, typename Run>
void forEachRun(const Entries& entries, Key key, Run run)
{
    size_t from = 0;
    for (size_t i = 1; i <= entries.size(); ++i) {
        if (i == entries.size() || key(entries[i]) != key(entries[from])) {
            run(from, i - 1);
            from = i;
        }
    }
}

} // namespace

fParam* fParam::create(fMain& main, const QString& functionName)
{
    auto* window = new fParam(main);
    window->setFunctionName(functionName);
    QMdiSubWindow* frame = main.mdiArea().addSubWindow(window);
    try {
        window->Form_Load();
    } catch (...) {
        delete frame;
        throw;
    }
    return window;
}

fParam::fParam(fMain& main) : EditingWindow(QStringLiteral("fParam")), main_(main)
{
    resize(platform::twipsToPixels(kDesignSize));
    platform::forms::buildControls(*this, kControls);
    fg_ = &platform::forms::control<FlexGrid>(*this, QStringLiteral("fg"));
    picCMD_ = &platform::forms::control<QWidget>(*this, QStringLiteral("picCMD"));
    picCMD_->installEventFilter(this);
    connectGrid();
    connectButtons();
}

fParam::~fParam() = default;

ProgramState& fParam::state() const { return main_.state(); }

GridData& fParam::data() const { return fg_->data(); }

void fParam::setFunctionName(const QString& name)
{
    functionName_ = name;
    setTag(name);
}

void fParam::connectGrid()
{
    connect(fg_, &FlexGrid::beforeRowColChange, this, [this](int, int, int, int newCol, bool& cancel) {
        platform::guarded(QStringLiteral("fg_BeforeRowColChange"), [&] { fg_BeforeRowColChange(newCol, cancel); });
    });
    connect(fg_, &FlexGrid::afterRowColChange, this, [this](int, int, int newRow, int) {
        platform::guarded(QStringLiteral("fg_AfterRowColChange"), [&] { fg_AfterRowColChange(newRow); });
    });
    connect(fg_, &FlexGrid::mouseMove, this, [this](int, int, float x, float y) {
        platform::guarded(QStringLiteral("fg_MouseMove"), [&] { fg_MouseMove(x, y); });
    });
    connect(fg_, &FlexGrid::dblClick, this,
            [this] { platform::guarded(QStringLiteral("fg_DblClick"), [&] { fg_DblClick(); }); });
    connect(fg_, &FlexGrid::beforeEdit, this, [this](int row, int, bool&) {
        platform::guarded(QStringLiteral("fg_BeforeEdit"), [&] { fg_BeforeEdit(row); });
    });
    connect(fg_, &FlexGrid::startEdit, this, [this](int row, int, bool& cancel) {
        platform::guarded(QStringLiteral("fg_StartEdit"), [&] { fg_StartEdit(row, cancel); });
    });
    connect(fg_, &FlexGrid::keyPressEdit, this, [this](int, int, int& keyAscii) {
        platform::guarded(QStringLiteral("fg_KeyPressEdit"), [&] { fg_KeyPressEdit(keyAscii); });
    });
    connect(fg_, &FlexGrid::validateEdit, this, [this](int row, int, bool& cancel) {
        // A check that fails to run lets nothing through.
        if (!platform::guarded(QStringLiteral("fg_ValidateEdit"), [&] { fg_ValidateEdit(row, cancel); return true; }))
            cancel = true;
    });
    connect(fg_, &FlexGrid::afterEdit, this, [this](int row, int) {
        platform::guarded(QStringLiteral("fg_AfterEdit"), [&] { fg_AfterEdit(row); });
    });
}

void fParam::connectButtons()
{
    for (int index = 1; index <= 5; ++index) {
        auto& button = platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(index));
        connect(&button, &QPushButton::clicked, this,
                [this, index] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(index); }); });
    }
}

// ---- loading -------------------------------------------------------------------------

void fParam::Form_Load()
{
    InitForm();
    LocateMe();
    SetButtonPictures();
    if (functionName_ == kAllFunctions)
        PasteAllFunctions();
    else if (functionName_ == kViewDif)
        PasteDifs();
    else
        PasteFunctionValue();
    ToolTipSet();
    SelectTopRow();
    enableButtons();
    loaded_ = true;
}

void fParam::InitForm()
{
    if (functionName_ == kAllFunctions)
        setWindowTitle(state().resource->Res(71));
    else if (functionName_ == kViewDif)
        setWindowTitle(state().resource->Res(72));
    else
        setWindowTitle(state().functions->Item(functionName_)->TOPKMK());
    data().setRows(data().FixedRows());
    prevRow_ = 0;
    ControlChange(false);
    editStartText_.clear();
    SetButtonCaptions();
}

// The window sits at the top left of the main window's client area, as high as the area.
void fParam::LocateMe()
{
    Ostrel7::trapped(*state().method, QStringLiteral("LocateMe"), [&] {
        auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
        QWidget& window = frame ? static_cast<QWidget&>(*frame) : *this;
        const int height = main_.mdiArea().viewport()->height() - platform::twipsToPixels(70);
        window.setGeometry(0, 0, window.width(), std::max(height, window.minimumSizeHint().height()));
    });
}

void fParam::SetButtonCaptions()
{
    platform::forms::applyCaptions(*this, kControls,
                                   [this](int32_t number) { return state().resource->Res(number); });
}

void fParam::SetButtonPictures()
{
    const Resource::clsResource& resource = *state().resource;
    setWindowIcon(resource.PicRes(3)->icon());
    for (int index = 1; index <= 5; ++index) {
        auto& button = platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(index));
        button.setIcon(QIcon(picture(kButtonPictures[index - 1], true)));
    }
}

namespace {

// The designed widths of the columns colFunction to colHelp (twips); a small
// screen narrows the wide columns.
std::array<int32_t, 9> designedWidths(bool small)
{
    return {small ? 1000 : 1700, 650, small ? 3500 : 5300, 910, small ? 400 : 650, small ? 400 : 650,
            small ? 800 : 1035, small ? 800 : 1035, 700};
}

} // namespace

void fParam::SetColumnWidths()
{
    GridData& g = data();
    if (g.Cols() <= colUser)
        return;
    const bool small = state().IsSmallScreen;
    const auto widths = designedWidths(small);
    for (size_t col = 0; col < widths.size(); ++col)
        g.setColWidth(static_cast<int32_t>(col), widths[col]);
    // Texts were left unmeasured against the designed widths of their filling.
    if (small != measuredSmall_) {
        measuredSmall_ = small;
        if (g.Rows() > g.FixedRows())
            MeasureValueColumns();
    }
    FitValueColumns();
}

// A value is never cut off: the columns of the range and of the two values
// grow to their widest text, the designed width being the least. The widths
// were measured when the rows were filled; nothing is measured here, so a
// resize costs the same whatever the number of rows.
void fParam::FitValueColumns()
{
    GridData& g = data();
    for (size_t i = 0; i < widestText_.size(); ++i) {
        const auto col = static_cast<int32_t>(colMin + i);
        const int room = platform::twipsToPixels(g.ColWidth(col)) - kTextRoom;
        if (widestText_[i] > room)
            g.setColWidth(col, platform::pixelsToTwips(widestText_[i] + kTextRoom));
    }
}

// The widest text of each fitted column, over every row, as far as it matters:
// a text that fits the column's designed width whatever its glyphs is not
// measured (the designed width is the least). Cells of one font share its
// widths (TextWidths): a column of thousands of rows is measured a few dozen
// times.
void fParam::MeasureValueColumns()
{
    struct FontWidths {
        grid::CellFontSettings settings;
        TextWidths widths;
    };
    GridData& g = data();
    std::vector<std::unique_ptr<FontWidths>> fonts;
    FontWidths* font = nullptr;
    widestText_.fill(0);
    for (size_t i = 0; i < widestText_.size(); ++i) {
        const auto col = static_cast<int32_t>(colMin + i);
        const int room = platform::twipsToPixels(designedWidths(measuredSmall_)[static_cast<size_t>(col)]) - kTextRoom;
        int widest = 0;
        for (int32_t row = 0; row < g.Rows(); ++row) {
            const QString text = g.TextMatrix(row, col);
            if (text.isEmpty())
                continue;
            const grid::CellFontSettings& settings = g.CellFontSettingsOf(row, col);
            if (!font || !(font->settings == settings)) {
                const auto same = std::find_if(fonts.begin(), fonts.end(),
                                               [&](const auto& known) { return known->settings == settings; });
                if (same != fonts.end()) {
                    font = same->get();
                } else {
                    fonts.push_back(std::make_unique<FontWidths>(FontWidths{settings, TextWidths(g.fontWith(settings))}));
                    font = fonts.back().get();
                }
            }
            if (!font->widths.fitsSurely(text, room))
                widest = std::max(widest, font->widths.width(text));
        }
        widestText_[i] = widest;
    }
}

// A fitted cell's new text widens its column when it would be cut off.
void fParam::FitToText(int32_t row, int32_t col)
{
    if (col < colMin || col > colUser)
        return;
    GridData& g = data();
    const QString text = g.TextMatrix(row, col);
    if (text.isEmpty())
        return;
    int& widest = widestText_[static_cast<size_t>(col - colMin)];
    widest = std::max(widest, QFontMetrics(g.CellFont(row, col)).horizontalAdvance(text));
    FitValueColumns();
}

void fParam::SetGridStyle()
{
    GridData& g = data();
    // The differences list is only looked at.
    g.setEditable(functionName_ == kViewDif ? grid::editNone : grid::editKbdMouse);
    g.setSelectionMode(grid::selFree);
    g.setAllowUserResizing(grid::resizeColumns);
    g.setBackColor(kWhite);
    g.setBackColorSel(kSelectionBack);
    g.setForeColorSel(kWhite);
}

// The empty grid of dataRows rows under the title row.
void fParam::Format_fg(int32_t dataRows)
{
    Ostrel7::trapped(*state().method, QStringLiteral("Format_fg"), [&] {
        GridData& g = data();
        g.setCols(colDif + 1);
        // Rows of an earlier filling go with their looks.
        g.setRows(1);
        g.setRows(dataRows + 1);
        g.setFixedCols(colUser);
        g.setFixedRows(1);
        g.setRowHeight(-1, 260);
        SetGridStyle();
        g.setFormatString(state().resource->Res(73));
        g.setCell(CellProperty::BackColor, 0, 0, 0, colDif, kTitleBack);
        g.setCell(CellProperty::ForeColor, 0, 0, 0, colDif, kWhite);
        g.setCell(CellProperty::Alignment, 0, 0, 0, colDif, grid::alignCenterCenter);
        g.setRowHeight(0, 300);
        widestText_.fill(0);
        SetColumnWidths();
        Set_fgFixedRowColor();
    });
}

void fParam::Set_fgFixedRowColor()
{
    Ostrel7::trapped(*state().method, QStringLiteral("Set_fgFixedRowColor"), [&] {
        GridData& g = data();
        if (g.Rows() > g.FixedRows())
            g.setCell(CellProperty::BackColor, g.FixedRows(), 0, g.Rows() - 1, g.FixedCols() - 1, kFixedBack);
    });
}

// The looks of the filled rows, the help marks and the difference marks.
void fParam::Format_fg_After()
{
    Ostrel7::trapped(*state().method, QStringLiteral("Format_fg_After"), [&] {
        GridData& g = data();
        const int32_t first = g.FixedRows();
        const int32_t last = g.Rows() - 1;
        if (last >= first) {
            g.setCell(CellProperty::BackColor, first, colStd, last, colStd, kStdBack);
            g.setCell(CellProperty::BackColor, first, colHelp, last, colDif, kToolTipBack);
            g.setCell(CellProperty::ForeColor, first, colDif, last, colDif, kRed);
            g.setCell(CellProperty::ForeColor, first, colFunction, last, colFunction, kFunctionText);
            g.setCell(CellProperty::FontName, first, colDigital, last, colDigital, QStringLiteral("Arial Black"));
            g.setCell(CellProperty::FontName, first, colUnit, last, colUnit, QStringLiteral("Arial"));
            g.setCell(CellProperty::FontSize, first, colUnit, last, colUnit, 8);
            for (const int32_t col : {colDigital, colUnit, colMin, colMax, colStd, colUser, colDif})
                g.setCell(CellProperty::Alignment, first, col, last, col, grid::alignCenterCenter);
            g.setCell(CellProperty::PictureAlignment, first, colHelp, last, colHelp, grid::alignCenterCenter);
            g.setCell(CellProperty::Picture, first, colHelp, last, colHelp, QVariant::fromValue(picture(105, false)));
            measuredSmall_ = state().IsSmallScreen;
            MeasureValueColumns();
            FitValueColumns();
        }
        CheckAllDif();
    });
}

// The values of one parameter; the group's columns and the USR cell's
// background are set a run of rows at a time (fillRows).
void fParam::AddDataToRow(int32_t row, const Telva27::clsDigital& digital)
{
    Ostrel7::trapped(*state().method, QStringLiteral("AddDataToRow"), [&] {
        GridData& g = data();
        g.setTextMatrix(row, colDigital, digital.Digital());
        g.setTextMatrix(row, colAdvice, digital.Advice());
        g.setTextMatrix(row, colUnit, digital.Unit());
        g.setTextMatrix(row, colMin, digital.Min());
        g.setTextMatrix(row, colMax, digital.Max());
        if (digital.isSelection()) {
            // The model's text of a value ("?" for one that no choice has).
            const auto choices = const_cast<Telva27::clsDigital&>(digital).Selections();
            g.setTextMatrix(row, colStd, choices->GetSelection(digital.StdValue()));
            g.setTextMatrix(row, colUser, choices->GetSelection(digital.UserValue()));
        } else {
            // Angles and times are shown and typed doubled; the write-back halves them.
            const int64_t factor = state().functions->DoesSpecialKinoNo(digital.KinoNO()) ? 2 : 1;
            g.setTextMatrix(row, colStd, QString::number(factor * digital.StdValue()));
            g.setTextMatrix(row, colUser, QString::number(factor * digital.UserValue()));
        }
    });
}

// The group of rows first to last, each cell of the run at once.
void fParam::AddFunctionToRows(int32_t first, int32_t last, const Telva27::clsFunction& function)
{
    Ostrel7::trapped(*state().method, QStringLiteral("AddDataToRow"), [&] {
        GridData& g = data();
        g.setCell(CellProperty::Text, first, colFunction, last, colFunction, function.TOPKMK());
        g.setCell(CellProperty::Data, first, colFunction, last, colFunction, function.FunctionName());
    });
}

// The USR cells of the rows first to last, which all may or may not be edited.
void fParam::MarkEditable(int32_t first, int32_t last, bool editable)
{
    Ostrel7::trapped(*state().method, QStringLiteral("AddDataToRow"), [&] {
        data().setCell(CellProperty::BackColor, first, colUser, last, colUser, editable ? kWhite : kNotEditable);
    });
}

// Lays the parameters out one a row. The rows are counted from the very list
// that fills them, so there is never a row too many or too few.
void fParam::fillRows(const QString& label, const std::vector<Entry>& entries)
{
    Ostrel7::trapped(*state().method, label, [&] {
        RedrawOff quiet(data());
        changedRows_.clear();
        Format_fg(static_cast<int32_t>(entries.size()));
        const int32_t first = data().FixedRows();
        for (size_t i = 0; i < entries.size(); ++i)
            AddDataToRow(first + static_cast<int32_t>(i), *entries[i].second);
        forEachRun(entries, [](const Entry& entry) { return entry.first.get(); },
                   [&](size_t from, size_t to) {
                       AddFunctionToRows(first + static_cast<int32_t>(from), first + static_cast<int32_t>(to),
                                         *entries[from].first);
                   });
        forEachRun(entries, [](const Entry& entry) { return entry.second->AllowEdit(); },
                   [&](size_t from, size_t to) {
                       MarkEditable(first + static_cast<int32_t>(from), first + static_cast<int32_t>(to),
                                    entries[from].second->AllowEdit());
                   });
        Format_fg_After();
    });
}

void fParam::PasteAllFunctions()
{
    std::vector<Entry> entries;
    Ostrel7::trapped(*state().method, QStringLiteral("PasteAllFunctions"), [&] {
        const bool allowSpecial = mMOD::ExactPassWord(state());
        if (!allowSpecial)
            mMOD::ShowMessage(32, 2);
        for (const auto& function : *state().functions) {
            if (!allowSpecial && function->FunctionName().toUpper() == QLatin1String("SPECIAL"))
                continue;
            for (const auto& digital : *function->Items())
                entries.emplace_back(function, digital);
        }
    });
    fillRows(QStringLiteral("PasteAllFunctions"), entries);
}

void fParam::PasteFunctionValue()
{
    std::vector<Entry> entries;
    Ostrel7::trapped(*state().method, QStringLiteral("PasteFunctionValue"), [&] {
        const auto function = state().functions->Item(functionName_);
        for (const auto& digital : *function->Items())
            entries.emplace_back(function, digital);
    });
    fillRows(QStringLiteral("PasteFunctionValue"), entries);
}

void fParam::PasteDifs()
{
    std::vector<Entry> entries;
    Ostrel7::trapped(*state().method, QStringLiteral("PasteDifs"), [&] {
        for (const auto& function : *state().functions)
            for (const auto& digital : *function->Items())
                if (digital->StdValue() != digital->UserValue())
                    entries.emplace_back(function, digital);
    });
    fillRows(QStringLiteral("PasteDifs"), entries);
    if (loaded_)
        enableButtons();
}

// A row differs when what it shows differs.
void fParam::CheckDif(int32_t row)
{
    Ostrel7::trapped(*state().method, QStringLiteral("CheckDif"), [&] {
        GridData& g = data();
        if (g.TextMatrix(row, colStd) != g.TextMatrix(row, colUser)) {
            g.setTextMatrix(row, colDif, QStringLiteral("DIF"));
            g.setCell(CellProperty::ForeColor, row, colDif, kRed);
        } else {
            g.setTextMatrix(row, colDif, QString());
        }
    });
}

void fParam::CheckAllDif()
{
    for (int32_t row = data().FixedRows(); row < data().Rows(); ++row)
        CheckDif(row);
}

void fParam::SelectTopRow()
{
    Ostrel7::trapped(*state().method, QStringLiteral("SelectTopRow"), [&] {
        GridData& g = data();
        if (g.Rows() <= g.FixedRows())
            return;
        fg_->setTopRow(g.FixedRows());
        g.Select(g.FixedRows(), colUser);
    });
}

// Print and Reset need rows; the differences list is never reset.
void fParam::enableButtons()
{
    const bool rows = data().Rows() > data().FixedRows();
    platform::forms::control<QPushButton>(*this, QStringLiteral("BTN2")).setEnabled(rows);
    platform::forms::control<QPushButton>(*this, QStringLiteral("BTN3")).setEnabled(rows && functionName_ != kViewDif);
}

QString fParam::GetFunction(int32_t row)
{
    return Ostrel7::trapped(*state().method, QStringLiteral("GetFunction"),
                            [&] { return data().CellData(row, colFunction).toString(); });
}

std::shared_ptr<Telva27::clsDigital> fParam::digitalOf(int32_t row)
{
    return state().functions->Item(GetFunction(row))->Items()->Item(data().TextMatrix(row, colDigital));
}

int32_t fParam::GetMenuIndex(const QString& tag)
{
    int32_t found = 0;
    for (int32_t index = 0; QAction* item = main_.mnuParamContent(index); ++index)
        if (item->data().toString() == tag)
            found = index;
    return found;
}

void fParam::RemoveMenuCeck(const QString& tag)
{
    Ostrel7::trapped(*state().method, QStringLiteral("RemoveMenuCeck"), [&] {
        for (int32_t index = 0; QAction* item = main_.mnuParamContent(index); ++index) {
            if (item->data().toString() == tag) {
                item->setChecked(false);
                return;
            }
        }
    });
}

// Whether the window shows a row of the special group.
bool fParam::ExistTokushu()
{
    return Ostrel7::trapped(*state().method, QStringLiteral("ExistTokushu"), [&] {
        for (int32_t row = data().FixedRows(); row < data().Rows(); ++row) {
            const QString group = data().TextMatrix(row, colFunction);
            if (group == QLatin1String("SPECIAL") || group == QString::fromUtf8("特殊"))
                return true;
        }
        return false;
    });
}

// ---- the window ----------------------------------------------------------------------

void fParam::resizeEvent(QResizeEvent* event)
{
    EditingWindow::resizeEvent(event);
    platform::guarded(QStringLiteral("Form_Resize"), [&] {
        mMOD::ExpandToMax(*this, false);
        SetColumnWidths();
    });
}

void fParam::closeEvent(QCloseEvent* event)
{
    EditingWindow::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

void fParam::Form_Unload()
{
    Ostrel7::trapped(*state().method, QStringLiteral("Form_Unload"), [&] {
        RemoveMenuCeck(Tag());
        if (tip_)
            tip_->Remove(1);
        tip_.reset();
    });
}

bool fParam::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picCMD_ && event->type() == QEvent::Paint) {
        platform::guarded(QStringLiteral("picCMD_Paint"), [&] {
            QPainter painter(picCMD_);
            mMOD::PaintButtonBar(*this, painter);
        });
        return true;
    }
    return EditingWindow::eventFilter(watched, event);
}

// ---- the current row and the help tips ---------------------------------------------

// The help and difference columns hold no value: the current cell stays in the
// user's column once the window is up.
void fParam::fg_BeforeRowColChange(int32_t newCol, bool& cancel)
{
    if (fg_->isVisible() && (newCol == colHelp || newCol == colDif))
        cancel = true;
}

// The current row is underlined in blue.
void fParam::fg_AfterRowColChange(int32_t newRow)
{
    if (!fg_->isVisible())
        return;
    GridData& g = data();
    ClearRowHighlight(prevRow_);
    if (newRow >= g.FixedRows() && newRow < g.Rows()) {
        g.setCell(CellProperty::FontUnderline, newRow, 0, newRow, g.Cols() - 1, true);
        g.setCell(CellProperty::ForeColor, newRow, 0, newRow, g.Cols() - 1, 0xFF0000);
    }
    prevRow_ = newRow;
}

void fParam::ClearRowHighlight(int32_t row)
{
    GridData& g = data();
    if (row < g.FixedRows() || row >= g.Rows())
        return;
    g.setCell(CellProperty::FontUnderline, row, 0, row, g.Cols() - 1, false);
    g.setCell(CellProperty::ForeColor, row, 0, row, g.Cols() - 1, 0x000000);
    g.setCell(CellProperty::ForeColor, row, colDif, kRed);
    g.setCell(CellProperty::ForeColor, row, colFunction, kFunctionText);
}

void fParam::ToolTipSet()
{
    Ostrel7::trapped(*state().method, QStringLiteral("ToolTipSet"), [&] {
        tip_ = std::make_unique<Ostrel7::clsToolTip>();
        tip_->Create(fg_->viewport());
        // One tool over the whole grid, however large it grows.
        tip_->Add(1, QString(), 0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        tip_->setBackColor(0xFF0000);
        tip_->setForeColor(0xFFFFFF);
        tip_->setInitialTime(0);
        tip_->setMaxWidth(320);
        tip_->SetMargin(2, 3, 2, 3);
        tip_->setAutoPopTime(50000);
    });
}

// The tip follows the cell under the mouse: a help mark shows its row's help,
// anything else none.
void fParam::fg_MouseMove(float x, float y)
{
    const std::pair<int32_t, int32_t> cell{fg_->MouseRow(), fg_->MouseCol()};
    if (cell == lastTipCell_ || !tip_)
        return;
    lastTipCell_ = cell;
    tip_->setToolText(1, QString());
    HitLimit(platform::twipsToPixels(static_cast<int32_t>(x)), platform::twipsToPixels(static_cast<int32_t>(y)));
}

bool fParam::HitLimit(int32_t x, int32_t y)
{
    return Ostrel7::trapped(*state().method, QStringLiteral("HitLimit"), [&] {
        int32_t row = -1;
        int32_t col = -1;
        fg_->cellAt(QPoint(x, y), row, col);
        if (col != colHelp || row < data().FixedRows() || !tip_)
            return false;
        tip_->setToolText(1, digitalOf(row)->DetailAdvice());
        return true;
    });
}

// A double click in the differences list opens the row's function.
void fParam::fg_DblClick()
{
    if (functionName_ != kViewDif || data().Row() < data().FixedRows())
        return;
    const int32_t index = GetMenuIndex(GetFunction(data().Row()));
    if (index > 0)
        main_.mnuParamContent_Click(index);
}

} // namespace QelmSet
