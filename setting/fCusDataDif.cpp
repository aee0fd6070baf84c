// fCusData: which cells of a row are usable, the difference box of a row
// whose user side differs from its factory side, the view of all differing
// cells, and the reset of a row to its factory values.

#include "fCusData.h"

#include "ProgramState.h"

#include "datamodel/customize/clsCustom.h"
#include "datamodel/customize/colclsCustom.h"
#include "platform/SystemColors.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QPainter>

namespace QelmSet {

namespace {

using platform::grid::CellProperty;
using Telva27::ENUM_INOUT;

constexpr uint32_t kNotApplicable = 0xC0FFFF; // light yellow
constexpr uint32_t kEnabledBack = 0xFFFFFF;
constexpr uint32_t kEnabledText = 0;
constexpr uint32_t kDisabledBack = 0x808080;
constexpr uint32_t kDisabledText = 0xFFFFFF;
constexpr uint32_t kInputText = 0xFF;
constexpr uint32_t kOutputText = 0xFF0000;
constexpr uint32_t kBoxFill = 0xC0C0C0;
constexpr uint32_t kDifText = 0xFF;
constexpr uint32_t kTigaiBack = 0xFF;
constexpr uint32_t kTigaiText = 0xFFFFFF;

int cellCode(const platform::grid::GridData& grid, int32_t row, int32_t col) { return grid.CellData(row, col).toInt(); }

} // namespace

// ---- usable cells ----------------------------------------------------------------

void fCusData::BackColorEnabledOp(int32_t row, int32_t col, bool enabled)
{
    Ostrel7::trapped(*state().method, QStringLiteral("BackColorEnabledOp"), [&] {
        grid().setCell(CellProperty::BackColor, row, col, enabled ? kEnabledBack : kDisabledBack);
        grid().setCell(CellProperty::ForeColor, row, col, enabled ? kEnabledText : kDisabledText);
    });
}

void fCusData::EnableOnDelayCols(int32_t row, bool enabled)
{
    for (int32_t col : {colOnDelay, colOnDelayTime})
        BackColorEnabledOp(row, col, enabled);
}

void fCusData::EnableOffDelayCols(int32_t row, bool enabled)
{
    for (int32_t col : {colOffDelay, colOffDelayTime})
        BackColorEnabledOp(row, col, enabled);
}

void fCusData::EnableChoppingCols(int32_t row, bool enabled)
{
    for (int32_t col : {colChopping, colZenpaTime, colDuty})
        BackColorEnabledOp(row, col, enabled);
}

void fCusData::SetOnDelaySwitch(int32_t row, const QString& text)
{
    grid().setTextMatrix(row, colOnDelay, text);
    EnableOnDelayCols(row, text == QLatin1String("ON"));
}

void fCusData::SetOffDelaySwitch(int32_t row, const QString& text)
{
    grid().setTextMatrix(row, colOffDelay, text);
    EnableOffDelayCols(row, text == QLatin1String("ON"));
}

void fCusData::SetChoppingSwitch(int32_t row, const QString& text)
{
    grid().setTextMatrix(row, colChopping, text);
    EnableChoppingCols(row, text == QLatin1String("ON"));
}

void fCusData::DrawEnabledRow()
{
    Ostrel7::trapped(*state().method, QStringLiteral("DrawEnabledRow"), [&] {
        platform::grid::GridData& g = grid();
        for (int32_t row = g.FixedRows(); row < g.Rows(); ++row) {
            switch (RowKind(row)) {
            case Telva27::eNot:
                g.setCell(CellProperty::BackColor, row, colStdKino, row, kCols - 1, kNotApplicable);
                break;
            case Telva27::eINPUT:
                g.setCell(CellProperty::BackColor, row, colOnDelay, row, kCols - 1, kNotApplicable);
                g.setCell(CellProperty::ForeColor, row, colUsrKino, kInputText);
                break;
            case Telva27::eOUTPUT:
                g.setCell(CellProperty::ForeColor, row, colUsrKino, kOutputText);
                if (OutIsLack(row))
                    g.setCell(CellProperty::BackColor, row, colChopping, row, kCols - 1, kNotApplicable);
                break;
            }
        }
    });
}

// ---- differences ---------------------------------------------------------------

int32_t fCusData::GetStdCol(int32_t col)
{
    return col >= colUsrKino && col < kCols ? col - (colUsrKino - colStdKino) : 0;
}

bool fCusData::IsUserDif(int32_t row)
{
    return Ostrel7::trapped(
        *state().method, QStringLiteral("IsUserDif"),
        [&] {
            const platform::grid::GridData& g = grid();
            if (cellCode(g, row, colUsrKino) != cellCode(g, row, colStdKino))
                return true;
            for (int32_t col = colLogic; col < kCols; ++col)
                if (g.TextMatrix(row, col) != g.TextMatrix(row, GetStdCol(col)))
                    return true;
            return false;
        },
        true);
}

void fCusData::DoTigai(int32_t row, int32_t col)
{
    Ostrel7::trapped(*state().method, QStringLiteral("DoTigai"), [&] {
        platform::grid::GridData& g = grid();
        tigaiCells_.push_back({col, row, g.CellForeColor(row, col), g.CellBackColor(row, col)});
        g.setCell(CellProperty::BackColor, row, col, kTigaiBack);
        g.setCell(CellProperty::ForeColor, row, col, kTigaiText);
    });
}

void fCusData::TigaiIppatuDo()
{
    Ostrel7::trapped(*state().method, QStringLiteral("TigaiIppatuDo"), [&] {
        tigaiCells_.clear();
        const platform::grid::GridData& g = grid();
        for (int32_t row = g.FixedRows(); row < g.Rows(); ++row) {
            if (cellCode(g, row, colStdKino) != cellCode(g, row, colUsrKino))
                DoTigai(row, colUsrKino);
            for (int32_t col = colLogic; col < kCols; ++col)
                if (g.TextMatrix(row, col) != g.TextMatrix(row, GetStdCol(col)))
                    DoTigai(row, col);
        }
    });
}

void fCusData::TigaiIppatuRetore()
{
    Ostrel7::trapped(*state().method, QStringLiteral("TigaiIppatuRetore"), [&] {
        for (const TigaiCell& cell : tigaiCells_) {
            grid().setCell(CellProperty::ForeColor, cell.Row, cell.Col, cell.ForeColor);
            grid().setCell(CellProperty::BackColor, cell.Row, cell.Col, cell.BackColor);
        }
        tigaiCells_.clear();
    });
}

// ---- the difference box --------------------------------------------------------

QRect fCusData::DifBox(const QRect& cell)
{
    // One pixel inside the cell on the top and left, two on the right and bottom.
    return cell.adjusted(1, 1, -2, -2);
}

void fCusData::DrawDif(QPainter& painter, int32_t row, const QRect& cell)
{
    Ostrel7::trapped(*state().method, QStringLiteral("DrawDif"), [&] {
        if (!IsUserDif(row))
            return;
        const QRect box = DifBox(cell);
        state().method->DrawEdgeAPI(&painter, box.left(), box.top(), box.left() + box.width(),
                                    box.top() + box.height(), Ostrel7::EDGE_RAISED);
        painter.fillRect(box.adjusted(2, 2, -2, -2), platform::oleColor(kBoxFill));
        DispRemContent(painter, cell);
    });
}

void fCusData::DispRemContent(QPainter& painter, const QRect& cell)
{
    Ostrel7::trapped(*state().method, objectName() + QStringLiteral(" DispRemContent"), [&] {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        painter.setFont(font);
        painter.setPen(platform::oleColor(kDifText));
        painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Dif"));
    });
}

void fCusData::RepaintDif(int32_t row)
{
    fg_->viewport()->update(fg_->cellRect(row, colDif));
}

bool fCusData::IsRcClicked(const QPoint& point, int32_t& row)
{
    return Ostrel7::trapped(*state().method, QStringLiteral("IsRcClicked"), [&] {
        // The row under the point, found now from the grid's own layout: the
        // box of an input or output row, whether or not it differs.
        int32_t col = -1;
        fg_->cellAt(point, row, col);
        if (col != colDif || RowKind(row) == Telva27::eNot)
            return false;
        return DifBox(fg_->cellRect(row, colDif)).contains(point);
    });
}

// ---- reset ---------------------------------------------------------------------

void fCusData::ResetRow(int32_t row)
{
    Ostrel7::trapped(*state().method, QStringLiteral("ResetRow"), [&] {
        const ENUM_INOUT kind = RowKind(row);
        if (kind != Telva27::eNot) {
            platform::grid::GridData& g = grid();
            const auto pin = stdPins().Item(g.TextMatrix(row, colLocation));
            UpdateUserValue(kind, row, pin->Kino(), static_cast<uint8_t>(cellCode(g, row, colUsrKino)));
            g.setTextMatrix(row, colLogic, pin->LogicJ());
            g.setTextMatrix(row, colDosa, pin->DosaJ());
            if (kind == Telva27::eOUTPUT) {
                SetOnDelaySwitch(row, pin->OnDelayJ());
                g.setTextMatrix(row, colOnDelayTime, QString::number(pin->OnDelayTime()));
                SetOffDelaySwitch(row, pin->OffDelayJ());
                g.setTextMatrix(row, colOffDelayTime, QString::number(pin->OffDelayTime()));
                if (!pin->OutIsLack()) {
                    SetChoppingSwitch(row, pin->ChoppingJ());
                    g.setTextMatrix(row, colZenpaTime, QString::number(pin->ZenpaTime()));
                    g.setTextMatrix(row, colDuty, QString::number(pin->Duty()));
                }
            }
            ControlChange(true);
        }
        RepaintDif(row);
    });
}

void fCusData::ResetAllRow()
{
    Ostrel7::trapped(*state().method, QStringLiteral("ResetAllRow"), [&] {
        grid().setRedraw(false);
        for (int32_t row = grid().FixedRows(); row < grid().Rows(); ++row)
            ResetRow(row);
        grid().setRedraw(true);
    });
    grid().setRedraw(true);
}

void fCusData::UpdateUserValue(ENUM_INOUT rowKind, int32_t row, uint8_t newCode, uint8_t oldCode)
{
    Ostrel7::trapped(*state().method, QStringLiteral("UpdateUserValue"), [&] {
        if (newCode == oldCode)
            return;
        grid().setCell(CellProperty::Data, row, colUsrKino, int(newCode));
        if (rowKind == Telva27::eINPUT || rowKind == Telva27::eOUTPUT)
            grid().setTextMatrix(row, colUsrKino,
                                 CreateDisplayValue(grid().TextMatrix(row, colLocation), newCode));
        ControlChange(true);
        fg_->Refresh();
    });
}

} // namespace QelmSet
