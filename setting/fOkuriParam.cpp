#include "fOkuriParam.h"

#include "ProgramState.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/okuri/clsOkuri.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "dialogs/clsPrint.h"
#include "platform/EventGuard.h"
#include "platform/MessageKinds.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "platform/Val.h"
#include "platform/forms/FormBuilder.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/string/clsString.h"

#include <QEvent>
#include <QIcon>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>

namespace QelmSet {

using platform::grid::FlexGrid;
using platform::grid::GridData;

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

constexpr int32_t kPitchRows = 16;
constexpr int32_t kCols = 6;
constexpr int32_t kRowHeight = 260;
constexpr int32_t kCaptionWidth = 1200;
constexpr int32_t kSmallScreenValueWidth = 700;

// Colours 0x00BBGGRR.
constexpr uint32_t kGreen = 0x008000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kLightYellow = 0xC0FFFF;

// The pictures of a difference: the user value is larger (up) or smaller (down).
constexpr int32_t kPictureUp = 147;
constexpr int32_t kPictureDown = 148;

constexpr const char* kBar = "picCMD";

// Places in twips; the main window's layout moves the grids and the bar to
// fill the window, the buttons keep their places on the bar.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Custom, .name = "fg", .index = 1, .place = QRect(45, 45, 4600, 4500),
     .create = &platform::forms::make<FlexGrid>},
    {.kind = ControlKind::Custom, .name = "fg", .index = 2, .place = QRect(45, 4590, 4600, 4500),
     .create = &platform::forms::make<FlexGrid>},
    {.kind = ControlKind::Custom, .name = "fg", .index = 3, .place = QRect(4690, 45, 4600, 4500),
     .create = &platform::forms::make<FlexGrid>},
    {.kind = ControlKind::Custom, .name = "fg", .index = 4, .place = QRect(4690, 4590, 4600, 4500),
     .create = &platform::forms::make<FlexGrid>},
    {.kind = ControlKind::Panel, .name = kBar, .place = QRect(9400, 45, 1500, 9045)},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(120, 120, 1260, 450),
     .caption = 84, .container = kBar},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(120, 690, 1260, 450),
     .caption = 85, .container = kBar},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 3, .place = QRect(120, 1260, 1260, 450),
     .caption = 86, .container = kBar},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 4, .place = QRect(120, 1830, 1260, 450),
     .caption = 87, .container = kBar},
    {.kind = ControlKind::Label, .name = "lblUsr", .place = QRect(120, 2520, 1260, 300), .caption = 88,
     .container = kBar},
    {.kind = ControlKind::Label, .name = "lblStd", .place = QRect(120, 2880, 1260, 300), .caption = 89,
     .container = kBar},
};

constexpr std::array<int32_t, 5> kButtonPictures = {0, 109, 108, 112, 101};

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

// The largest value a data column takes: bytes in P1 and P2, the rest 0 to 9999.
int32_t maxOf(int32_t col) { return col <= 2 ? 255 : 9999; }
// The message that refuses a value of that column.
int16_t rangeMessageOf(int32_t col) { return col <= 2 ? 28 : 37; }

// The value of a pitch cell: digits only, an empty cell meaning 0; nothing for
// any other text or a value beyond the column's range.
std::optional<int32_t> pitchValue(const QString& text, int32_t max)
{
    if (text.size() > 9)
        return std::nullopt;
    int32_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > max)
        return std::nullopt;
    return value;
}

// A cell's leading number as a whole number; empty or other text gives 0.
int32_t shownValue(const GridData& grid, int32_t row, int32_t col)
{
    return platform::toWhole<int32_t>(platform::Val(grid.TextMatrix(row, col)));
}

} // namespace

fOkuriParam::fOkuriParam(fMain& main, QWidget* parent)
    : EditingWindow(QStringLiteral("fOkuriParam"), parent), main_(main), state_(main.state())
{
    platform::forms::buildControls(*this, kControls);
    for (int i = 1; i <= 4; ++i)
        fg_[static_cast<size_t>(i - 1)] = &platform::forms::control<FlexGrid>(*this, QStringLiteral("fg%1").arg(i));
    picCMD_ = &platform::forms::control<QWidget>(*this, QString::fromLatin1(kBar));
    picCMD_->installEventFilter(this);
    for (int i = 1; i <= 4; ++i) {
        auto& button = platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i));
        connect(&button, &QPushButton::clicked, this, [this, i] {
            platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); });
        });
    }
    resize(platform::twipsToPixels(QSize(11000, 9200)));

    Initilize();
    SetPictures();
    for (int i = 1; i <= 4; ++i) {
        Fomrat_fg(i);
        PasteData(fg(i), table(i));
        connectGrid(i);
    }
    CheckChanges(fg(1), fg(3));
    CheckChanges(fg(2), fg(4));
}

Telva27::colclsOkuri& fOkuriParam::table(int index) const
{
    static constexpr OkuriIndex kTables[] = {eOkuriUsrX, eOkuriUsrY, eOkuriStdX, eOkuriStdY};
    return *state_.okuri[kTables[index - 1]];
}

void fOkuriParam::Initilize()
{
    Ostrel7::trapped(*state_.method, QStringLiteral("Initilize"), [&] {
        ControlChange(false);
        SetCaptions();
    });
}

void fOkuriParam::SetCaptions()
{
    setWindowTitle(catalogueText(90));
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
}

void fOkuriParam::SetPictures()
{
    Ostrel7::trapped(*state_.method, QStringLiteral("Form_Load"), [&] {
        if (const auto icon = Resource::clsResource().PicRes(3))
            setWindowIcon(icon->icon());
        for (int i = 1; i <= 4; ++i)
            platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i))
                .setIcon(QIcon(picture(kButtonPictures[static_cast<size_t>(i)], true)));
    });
}

void fOkuriParam::Fomrat_fg(int index)
{
    Ostrel7::trapped(*state_.method, QStringLiteral("Fomrat_fg"), [&] {
        GridData& g = fg(index).data();
        const bool user = index <= 2;
        g.setRedraw(false);
        g.setCols(kCols);
        g.setRows(1 + kPitchRows);
        g.setFixedCols(1);
        g.setFixedRows(1);
        g.setRowHeight(-1, kRowHeight);
        g.setEditable(user ? platform::grid::editKbdMouse : platform::grid::editNone);
        g.setSelectionMode(platform::grid::selFree);

        const bool axisX = index == 1 || index == 3;
        const QString titles[kCols] = {axisX ? QStringLiteral("X Pitch(mm)") : QStringLiteral("Y Pitch(mm)"),
                                       QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("T1"),
                                       QStringLiteral("T2"), QStringLiteral("B")};
        for (int32_t c = 0; c < kCols; ++c)
            g.setTextMatrix(0, c, titles[c]);
        for (int32_t r = 1; r <= kPitchRows; ++r)
            g.setTextMatrix(r, 0, table(index).GetPitchCaption(r).toString());

        g.setBackColorFixed(kGreen);
        g.setForeColorFixed(kWhite);
        if (!user)
            g.setBackColor(kLightYellow);
        g.setCell(platform::grid::CellProperty::Alignment, 0, 0, 0, kCols - 1, platform::grid::alignCenterCenter);
        g.setCell(platform::grid::CellProperty::Alignment, 1, 0, kPitchRows, 0, platform::grid::alignCenterCenter);
        g.setColWidth(0, kCaptionWidth);
        Setfg_ColWidth(fg(index));
        g.Select(1, 1);
        g.setRedraw(true);
    });
}

void fOkuriParam::Setfg_ColWidth(FlexGrid& grid)
{
    Ostrel7::trapped(*state_.method, QStringLiteral("Setfg_ColWidth"), [&] {
        if (!state_.IsSmallScreen)
            return;
        for (int32_t c = 1; c < kCols; ++c)
            grid.data().setColWidth(c, kSmallScreenValueWidth);
    });
}

void fOkuriParam::PasteData(FlexGrid& grid, const Telva27::colclsOkuri& pitches)
{
    Ostrel7::trapped(*state_.method, QStringLiteral("PasteData"), [&] {
        GridData& g = grid.data();
        int32_t r = 0;
        for (const auto& row : pitches) {
            if (++r > kPitchRows)
                break;
            const int32_t values[] = {row->P1(), row->P2(), row->T1(), row->T2(), row->B()};
            for (int32_t c = 1; c < kCols; ++c)
                g.setTextMatrix(r, c, QString::number(values[c - 1]));
        }
    });
}

void fOkuriParam::CheckChanges(FlexGrid& grid, FlexGrid& twin)
{
    Ostrel7::trapped(*state_.method, QStringLiteral("CheckChanges"), [&] {
        for (int32_t r = 1; r <= kPitchRows; ++r)
            for (int32_t c = 1; c < kCols; ++c)
                CheckThisCell(grid, twin, r, c, shownValue(grid.data(), r, c));
    });
}

void fOkuriParam::CheckThisCell(FlexGrid& grid, FlexGrid& twin, int32_t row, int32_t col, int32_t value)
{
    Ostrel7::trapped(*state_.method, QStringLiteral("CheckThisCell"), [&] {
        using platform::grid::CellProperty;
        const int32_t factory = shownValue(twin.data(), row, col);
        GridData& g = grid.data();
        const bool equal = value == factory;
        g.setCell(CellProperty::BackColor, row, col, equal ? kWhite : kRed);
        g.setCell(CellProperty::ForeColor, row, col, equal ? kBlack : kWhite);
        g.setCell(CellProperty::Picture, row, col,
                  QVariant::fromValue(equal ? QPixmap() : picture(value > factory ? kPictureUp : kPictureDown, false)));
        g.setCell(CellProperty::PictureAlignment, row, col, platform::grid::alignLeftCenter);
    });
}

// ---- the grids' events -------------------------------------------------------------

void fOkuriParam::connectGrid(int index)
{
    FlexGrid& grid = fg(index);
    connect(&grid, &FlexGrid::afterRowColChange, this, [this, index](int, int, int newRow, int newCol) {
        fg_AfterRowColChange(index, newRow, newCol);
    });
    if (index > 2)
        return;
    connect(&grid, &FlexGrid::startEdit, this, [this, index](int row, int col, bool&) {
        platform::guarded(QStringLiteral("fg_StartEdit"), [&] { fg_StartEdit(index, row, col); });
    });
    connect(&grid, &FlexGrid::keyPressEdit, this, [this](int, int, int& keyAscii) {
        platform::guarded(QStringLiteral("fg_KeyPressEdit"), [&] { fg_KeyPressEdit(keyAscii); });
    });
    connect(&grid, &FlexGrid::validateEdit, this, [this, index](int row, int col, bool& cancel) {
        // A failing check must not let its value in.
        cancel = true;
        platform::guarded(QStringLiteral("fg_ValidateEdit"), [&] {
            cancel = false;
            fg_ValidateEdit(index, row, col, cancel);
        });
    });
}

void fOkuriParam::fg_AfterRowColChange(int index, int32_t row, int32_t col)
{
    Ostrel7::trapped(*state_.method, QStringLiteral("fg_AfterRowColChange"), [&] {
        FlexGrid& twin = twinOf(index);
        // The twin's own change comes back here and finds the cell already current.
        if (row < 0 || col < 0 || (twin.data().Row() == row && twin.data().Col() == col))
            return;
        twin.data().Select(row, col);
        twin.ShowCell(row, col);
    });
}

void fOkuriParam::fg_StartEdit(int index, int32_t row, int32_t col)
{
    textBeforeEdit_ = fg(index).data().TextMatrix(row, col);
}

void fOkuriParam::fg_KeyPressEdit(int& keyAscii)
{
    // Digits and control keys only; anything beyond a single byte is no digit.
    const bool digitOrControl = keyAscii >= 0 && keyAscii <= 0xFF &&
                                state_.string->CheckKeyAscii(static_cast<int16_t>(keyAscii),
                                                             Ostrel7::wantNUM_nDecimal_nMinus);
    if (!digitOrControl)
        keyAscii = 0;
}

void fOkuriParam::fg_ValidateEdit(int index, int32_t row, int32_t col, bool& cancel)
{
    ValidateEditOp(fg(index), row, col, cancel);
    if (cancel)
        return;
    const QString text = fg(index).EditText();
    if (text != textBeforeEdit_)
        ControlChange(true);
    CheckThisCell(fg(index), twinOf(index), row, col, pitchValue(text, maxOf(col)).value_or(0));
}

void fOkuriParam::ValidateEditOp(FlexGrid& grid, int32_t row, int32_t col, bool& cancel)
{
    // An error in the check refuses the value rather than letting it in unchecked.
    cancel = true;
    Ostrel7::trapped(*state_.method, QStringLiteral("ValidateEditOp"), [&] {
        if (row < 1 || col < 1 || col >= kCols)
            return;
        if (!pitchValue(grid.EditText(), maxOf(col))) {
            mMOD::ShowMessage(rangeMessageOf(col), 2);
            return;
        }
        cancel = false;
    });
}

// ---- write-back -----------------------------------------------------------------------

bool fOkuriParam::Update_Variable()
{
    const std::optional<PitchRows> x = Update_Variable_Content(fg(1));
    const std::optional<PitchRows> y = x ? Update_Variable_Content(fg(2)) : std::nullopt;
    if (!x || !y)
        return false;
    // The factory tables are reference data: their grids are never written back.
    ReplaceRows(table(1), *x);
    ReplaceRows(table(2), *y);
    return true;
}

std::optional<fOkuriParam::PitchRows> fOkuriParam::Update_Variable_Content(FlexGrid& grid)
{
    return Ostrel7::trapped(*state_.method, QStringLiteral("Update_Variable_Content"),
                            [&]() -> std::optional<PitchRows> {
        const GridData& g = grid.data();
        if (g.Rows() != 1 + kPitchRows || g.Cols() != kCols)
            throw platform::RuntimeError(platform::errSubscript);
        PitchRows rows{};
        for (int32_t r = 1; r <= kPitchRows; ++r) {
            int32_t values[kCols] = {};
            for (int32_t c = 1; c < kCols; ++c) {
                const QString text = g.TextMatrix(r, c);
                const std::optional<int32_t> value = pitchValue(text, maxOf(c));
                if (!value)
                    throw platform::RuntimeError(platform::errOverflow,
                                                 QStringLiteral("Pitch row %1, %2: \"%3\" is no value from 0 to %4")
                                                     .arg(r)
                                                     .arg(g.TextMatrix(0, c), text)
                                                     .arg(maxOf(c)));
                values[c] = *value;
            }
            rows[static_cast<size_t>(r - 1)] = {values[1], values[2], values[3], values[4], values[5]};
        }
        return rows;
    });
}

void fOkuriParam::ReplaceRows(Telva27::colclsOkuri& pitches, const PitchRows& rows)
{
    // Every value is in range, so no Add can fail part-way.
    pitches.ResetCollection();
    for (const PitchRow& row : rows)
        pitches.Add(row.P1, row.P2, row.T1, row.T2, row.B);
}

// ---- buttons --------------------------------------------------------------------------

void fOkuriParam::BTN_Click(int index)
{
    switch (index) {
    case 1: Save(); break;
    case 2: Print(); break;
    case 3: Reset(); break;
    case 4: {
        auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
        frame ? frame->close() : close();
        break;
    }
    default: break;
    }
}

void fOkuriParam::Save()
{
    if (main_.SaveAllFiles(QStringLiteral("keyOVERWRITE")))
        ControlChange(false);
}

void fOkuriParam::Print()
{
    // The export writes the tables as saved; unsaved edits are not in them.
    if (IsChanged() && mMOD::ShowMessage(29, 3).toInt() == platform::vbYes)
        return;
    state_.print->PrintOkuriParameter(this, table(1), table(2));
}

void fOkuriParam::Reset()
{
    if (mMOD::ShowMessage(11, 7).toInt() == platform::vbNo)
        return;
    PasteData(fg(1), table(3));
    PasteData(fg(2), table(4));
    ControlChange(true);
    CheckChanges(fg(1), fg(3));
    CheckChanges(fg(2), fg(4));
}

// ---- window events --------------------------------------------------------------------

void fOkuriParam::resizeEvent(QResizeEvent* event)
{
    EditingWindow::resizeEvent(event);
    platform::guarded(QStringLiteral("Form_Resize"), [&] { mMOD::ExpandToMax(*this, true); });
}

bool fOkuriParam::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picCMD_ && event->type() == QEvent::Paint) {
        platform::guarded(QStringLiteral("picCMD_Paint"), [&] {
            QPainter painter(picCMD_);
            mMOD::PaintButtonBar(*this, painter);
        });
    }
    return EditingWindow::eventFilter(watched, event);
}

} // namespace QelmSet
