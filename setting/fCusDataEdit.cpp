// fCusData: what the user does on the grid (which cells take an edit, typing
// times, cycling letters and switches, choosing a function, clicking a
// difference box, resizing the function columns) and the write-back of the
// user side into the user pins.

#include "fCusData.h"

#include "ProgramState.h"
#include "mMOD.h"

#include "datamodel/customize/clsCustom.h"
#include "datamodel/customize/colclsCustom.h"
#include "dialogs/clsSelectKino.h"
#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/Val.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/string/clsString.h"

namespace QelmSet {

namespace {

using platform::grid::CellProperty;
using platform::grid::FlexGrid;
using Telva27::ENUM_INOUT;

constexpr int kSpace = 32;
constexpr int kRightButton = 2;

bool isTimeCol(int32_t col)
{
    return col == fCusData::colOnDelayTime || col == fCusData::colOffDelayTime || col == fCusData::colZenpaTime;
}

// The cells that change only by Space or a double click.
bool isLetterCol(int32_t col)
{
    return col == fCusData::colLogic || col == fCusData::colDosa || col == fCusData::colOnDelay ||
           col == fCusData::colOffDelay || col == fCusData::colChopping;
}

// A whole cell text as a byte, as a conversion of text to a byte does.
uint8_t byteOf(const QString& text) { return platform::toWhole<uint8_t>(platform::NumberOf(text)); }

} // namespace

void fCusData::connectGrid()
{
    FlexGrid& g = *fg_;
    connect(&g, &FlexGrid::afterRowColChange, this, [this](int, int, int row, int col) {
        platform::guarded(QStringLiteral("fg_AfterRowColChange"), [&] { fg_AfterRowColChange(row, col); });
    });
    connect(&g, &FlexGrid::startEdit, this, [this](int row, int col, bool& cancel) {
        platform::guarded(QStringLiteral("fg_StartEdit"), [&] { fg_StartEdit(row, col, cancel); });
    });
    connect(&g, &FlexGrid::keyPress, this, [this](int& keyAscii) {
        platform::guarded(QStringLiteral("fg_KeyPress"), [&] { fg_KeyPress(keyAscii); });
    });
    connect(&g, &FlexGrid::keyPressEdit, this, [this](int, int, int& keyAscii) {
        platform::guarded(QStringLiteral("fg_KeyPressEdit"), [&] { fg_KeyPressEdit(keyAscii); });
    });
    connect(&g, &FlexGrid::validateEdit, this, [this](int, int col, bool& cancel) {
        platform::guarded(QStringLiteral("fg_ValidateEdit"), [&] { fg_ValidateEdit(col, cancel); });
    });
    connect(&g, &FlexGrid::afterEdit, this, [this](int row, int col) {
        platform::guarded(QStringLiteral("fg_AfterEdit"), [&] { fg_AfterEdit(row, col); });
    });
    connect(&g, &FlexGrid::keyDown, this, [this](int& keyCode, int) {
        platform::guarded(QStringLiteral("fg_KeyDown"), [&] { fg_KeyDown(keyCode); });
    });
    connect(&g, &FlexGrid::dblClick, this,
            [this] { platform::guarded(QStringLiteral("fg_DblClick"), [&] { fg_DblClick(); }); });
    connect(&g, &FlexGrid::cellButtonClick, this, [this](int row, int) {
        platform::guarded(QStringLiteral("fg_CellButtonClick"), [&] { ChooseFunction(row); });
    });
    connect(&g, &FlexGrid::mouseDown, this, [this](int button, int, float x, float y) {
        platform::guarded(QStringLiteral("fg_MouseDown"), [&] { fg_MouseDown(button, x, y); });
    });
    connect(&g, &FlexGrid::afterUserResize, this, [this](int, int col) {
        platform::guarded(QStringLiteral("fg_AfterUserResize"), [&] { fg_AfterUserResize(col); });
    });
    connect(&g, &FlexGrid::drawCell, this, [this](QPainter* painter, int row, int col, const QRect& rect, bool&) {
        platform::guarded(QStringLiteral("fg_DrawCell"), [&] {
            if (col == colDif && RowKind(row) != Telva27::eNot)
                DrawDif(*painter, row, rect);
        });
    });
}

bool fCusData::OutIsLack(int32_t row) const
{
    return usrPins().Item(grid().TextMatrix(row, colLocation))->OutIsLack();
}

// ---- which cells take an edit --------------------------------------------------

void fCusData::fg_AfterRowColChange(int32_t newRow, int32_t newCol)
{
    if (!isVisible())
        return;
    platform::grid::GridData& g = grid();
    const bool listCell = (newCol == colUsrKino || newCol == colDuty) && newRow >= g.FixedRows() &&
                          newRow < g.Rows() && !g.TextMatrix(newRow, newCol).isEmpty();
    g.setEditable(listCell ? platform::grid::editKbdMouse : platform::grid::editNone);
    // The function cell's button shows only where a function can be chosen.
    g.setColComboList(colUsrKino, listCell && newCol == colUsrKino ? QStringLiteral("...") : QString());
    if (prevRow_ > 0 && prevRow_ < g.Rows())
        g.setCell(CellProperty::FontUnderline, prevRow_, 0, prevRow_, kCols - 1, false);
    if (newRow > 0 && newRow < g.Rows()) {
        g.setCell(CellProperty::FontUnderline, newRow, 0, newRow, kCols - 1, true);
        prevRow_ = newRow;
    }
}

void fCusData::fg_StartEdit(int32_t row, int32_t col, bool& cancel)
{
    textBeforeEdit_ = grid().TextMatrix(row, col);
    switch (RowKind(row)) {
    case Telva27::eNot: cancel = true; return;
    case Telva27::eINPUT:
        if (col == colOnDelayTime || col == colOffDelayTime || col >= colChopping)
            cancel = true;
        break;
    case Telva27::eOUTPUT:
        if (col >= colZenpaTime && OutIsLack(row)) {
            cancel = true;
            break;
        }
        if (col == colOnDelayTime)
            ForceSwitchOn(row, colOnDelay);
        else if (col == colOffDelayTime)
            ForceSwitchOn(row, colOffDelay);
        else if (col >= colZenpaTime)
            ForceSwitchOn(row, colChopping);
        break;
    }
    // The function cell changes only through the selection dialog.
    if (isLetterCol(col) || col == colUsrKino)
        cancel = true;
}

// Editing a value the switch governs turns the switch on; that is a change
// of the user data as any other, so the window is marked changed.
void fCusData::ForceSwitchOn(int32_t row, int32_t switchCol)
{
    if (grid().TextMatrix(row, switchCol) == QLatin1String("ON"))
        return;
    const QString on = QStringLiteral("ON");
    if (switchCol == colOnDelay)
        SetOnDelaySwitch(row, on);
    else if (switchCol == colOffDelay)
        SetOffDelaySwitch(row, on);
    else
        SetChoppingSwitch(row, on);
    ControlChange(true);
    RepaintDif(row);
}

// ---- typing ----------------------------------------------------------------------

void fCusData::fg_KeyPress(int& keyAscii)
{
    if (fg_->isEditing() || !isTimeCol(grid().Col()) || keyAscii < '0' || keyAscii > '9')
        return;
    grid().setComboList(QString());
    fg_->EditCell();
    if (fg_->isEditing())
        fg_->setEditText(QString(QChar(keyAscii)));
}

void fCusData::fg_KeyPressEdit(int& keyAscii)
{
    // Digits and control keys only; a character beyond 16 bits is never one of them.
    if (keyAscii > 0x7FFF ||
        !state().string->CheckKeyAscii(static_cast<int16_t>(keyAscii), Ostrel7::wantNUM_nDecimal_nMinus))
        keyAscii = 0;
}

void fCusData::fg_ValidateEdit(int32_t col, bool& cancel)
{
    const QString text = fg_->EditText();
    if (text.isEmpty()) {
        cancel = true;
        return;
    }
    if (!isTimeCol(col))
        return;
    double value = 0;
    try {
        value = platform::NumberOf(text);
    } catch (const platform::RuntimeError&) {
        cancel = true; // not a number: refused without a word
        return;
    }
    if (value < 0 || value > 255) {
        mMOD::ShowMessage(28, 2);
        cancel = true;
    }
}

void fCusData::fg_AfterEdit(int32_t row, int32_t col)
{
    if (grid().TextMatrix(row, col) == textBeforeEdit_)
        return;
    ControlChange(true);
    RepaintDif(row);
}

// ---- Space and double click --------------------------------------------------------

void fCusData::fg_KeyDown(int keyCode)
{
    if (keyCode == kSpace && !fg_->isEditing())
        CycleLetter(grid().Row(), grid().Col());
}

void fCusData::CycleLetter(int32_t row, int32_t col)
{
    const ENUM_INOUT kind = RowKind(row);
    if (kind == Telva27::eNot || !isLetterCol(col))
        return;
    textBeforeEdit_ = grid().TextMatrix(row, col);
    const QString& text = textBeforeEdit_;
    switch (col) {
    case colLogic: grid().setTextMatrix(row, col, Telva27::colclsCustom::GetNextLogicLetter(text)); break;
    case colDosa: grid().setTextMatrix(row, col, Telva27::colclsCustom::GetNextDosaLetter(text)); break;
    case colOnDelay:
        if (kind == Telva27::eOUTPUT)
            SetOnDelaySwitch(row, Telva27::colclsCustom::GetNextYukoMukoLetter(text));
        break;
    case colOffDelay:
        if (kind == Telva27::eOUTPUT)
            SetOffDelaySwitch(row, Telva27::colclsCustom::GetNextYukoMukoLetter(text));
        break;
    case colChopping:
        if (kind == Telva27::eOUTPUT && !OutIsLack(row))
            SetChoppingSwitch(row, Telva27::colclsCustom::GetNextYukoMukoLetter(text));
        break;
    }
    fg_AfterEdit(row, col);
}

void fCusData::fg_DblClick()
{
    const int32_t row = grid().Row();
    const int32_t col = grid().Col();
    if (row < grid().FixedRows() || fg_->MouseRow() != row || fg_->MouseCol() != col)
        return;
    if (col == colUsrKino)
        ChooseFunction(row);
    else
        CycleLetter(row, col);
}

// ---- the function cell -------------------------------------------------------------

void fCusData::ChooseFunction(int32_t row)
{
    const ENUM_INOUT kind = RowKind(row);
    const auto oldCode = static_cast<uint8_t>(grid().CellData(row, colUsrKino).toInt());
    const uint8_t newCode = state().selectKino->GetCustomValue(kind, oldCode);
    UpdateUserValue(kind, row, newCode, oldCode);
}

// ---- the difference box ---------------------------------------------------------------

void fCusData::fg_MouseDown(int button, float x, float y)
{
    if (button == kRightButton)
        return;
    const QPoint point = platform::twipsToPixels(QPoint(qRound(x), qRound(y)));
    int32_t row = -1;
    if (IsRcClicked(point, row))
        ResetRow(row);
}

// ---- column widths ---------------------------------------------------------------------

void fCusData::fg_AfterUserResize(int32_t col)
{
    if (col == colStdKino)
        state().wdt_Custom_StdKino = grid().ColWidth(col);
    else if (col == colUsrKino)
        state().wdt_Custom_UsrKino = grid().ColWidth(col);
    else
        return;
    mMOD::SaveRegSettings(state());
}

// ---- write-back ------------------------------------------------------------------------

namespace {

// The user side of one row, read whole from the grid before any pin changes.
struct UserRow {
    Telva27::clsCustom* pin = nullptr;
    ENUM_INOUT kind = Telva27::eNot;
    uint8_t kino = 0;
    QString logic, dosa, onDelay, offDelay, chopping;
    uint8_t onDelayTime = 0, offDelayTime = 0, zenpaTime = 0, duty = 0;
};

UserRow readUserRow(const platform::grid::GridData& g, int32_t row, ENUM_INOUT kind, Telva27::clsCustom& pin)
{
    UserRow values;
    values.pin = &pin;
    values.kind = kind;
    values.kino = static_cast<uint8_t>(g.CellData(row, fCusData::colUsrKino).toInt());
    values.logic = g.TextMatrix(row, fCusData::colLogic);
    values.dosa = g.TextMatrix(row, fCusData::colDosa);
    if (kind != Telva27::eOUTPUT)
        return values;
    values.onDelay = g.TextMatrix(row, fCusData::colOnDelay);
    values.onDelayTime = byteOf(g.TextMatrix(row, fCusData::colOnDelayTime));
    values.offDelay = g.TextMatrix(row, fCusData::colOffDelay);
    values.offDelayTime = byteOf(g.TextMatrix(row, fCusData::colOffDelayTime));
    if (pin.OutIsLack())
        return values;
    values.chopping = g.TextMatrix(row, fCusData::colChopping);
    values.zenpaTime = byteOf(g.TextMatrix(row, fCusData::colZenpaTime));
    values.duty = byteOf(g.TextMatrix(row, fCusData::colDuty));
    return values;
}

void storeUserRow(const UserRow& values)
{
    Telva27::clsCustom& pin = *values.pin;
    pin.setKino(values.kino);
    pin.setLogicJ(values.logic);
    pin.setDosaJ(values.dosa);
    if (values.kind != Telva27::eOUTPUT)
        return;
    pin.setOnDelayJ(values.onDelay);
    pin.setOnDelayTime(values.onDelayTime);
    pin.setOffDelayJ(values.offDelay);
    pin.setOffDelayTime(values.offDelayTime);
    if (pin.OutIsLack())
        return;
    pin.setChoppingJ(values.chopping);
    pin.setZenpaTime(values.zenpaTime);
    pin.setDuty(values.duty);
}

} // namespace

bool fCusData::Update_Variable()
{
    return Ostrel7::trapped(*state().method, QStringLiteral("Update_Variable"), [&] {
        // Every value is converted first, so a value that does not fit leaves
        // every pin as it was.
        std::vector<UserRow> rows;
        for (int32_t row = grid().FixedRows(); row < grid().Rows(); ++row) {
            const ENUM_INOUT kind = RowKind(row);
            if (kind != Telva27::eNot)
                rows.push_back(readUserRow(grid(), row, kind, *usrPins().Item(grid().TextMatrix(row, colLocation))));
        }
        for (const UserRow& values : rows)
            storeUserRow(values);
        return true;
    });
}

} // namespace QelmSet
