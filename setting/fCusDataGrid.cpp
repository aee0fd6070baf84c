// fCusData: the grid of pins, its look, and the values put into it from the
// factory and user pins.

#include "fCusData.h"

#include "ProgramState.h"

#include "datamodel/customize/clsCusSelection.h"
#include "datamodel/customize/clsCustom.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/customize/colclsStyle.h"
#include "dialogs/clsSelectKino.h"
#include "platform/Twips.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QComboBox>
#include <QFontMetrics>

#include <algorithm>

namespace QelmSet {

namespace {

using platform::grid::CellProperty;
using Telva27::ENUM_INOUT;

constexpr uint32_t kHeaderBack = 0x8000;      // green
constexpr uint32_t kHeaderText = 0xFFFFFF;    // white
constexpr uint32_t kFixedBack = 0xE0E0E0;     // light grey
constexpr uint32_t kPinNoText = 0x804000;     // dark blue
constexpr uint32_t kStdBack = 0xC0E0FF;       // light orange
constexpr uint32_t kDifBack = 0xFFFFFF;       // white
constexpr uint32_t kInputText = 0xFF;         // red
constexpr uint32_t kOutputText = 0xFF0000;    // blue
constexpr uint32_t kOtherText = 0x80000010;   // button shadow
constexpr uint32_t kSelectionBack = 0x808000; // teal

constexpr int32_t kRowHeight = 250;
constexpr int32_t kHeaderHeight = 400;
// Pixels a title needs beyond its text: the cell's text margins and its border.
constexpr int kTitleMargin = 6;

QString crlf() { return QStringLiteral("\r\n"); }

} // namespace

ENUM_INOUT fCusData::GetRowKind(const QString& location)
{
    if (location.startsWith(QLatin1Char('I')))
        return Telva27::eINPUT;
    if (location.startsWith(QLatin1Char('O')))
        return Telva27::eOUTPUT;
    return Telva27::eNot;
}

ENUM_INOUT fCusData::RowKind(int32_t row) const
{
    return row >= 0 && row < static_cast<int32_t>(rowKinds_.size()) ? rowKinds_[static_cast<size_t>(row)]
                                                                      : Telva27::eNot;
}

void fCusData::Format_fg()
{
    Ostrel7::trapped(*state().method, QStringLiteral("Format_fg"), [&] {
        platform::grid::GridData& g = grid();
        g.setRedraw(false);
        g.setCols(kCols);
        g.setRows(1 + colConStyle_->Count());
        g.setFixedCols(kFixedCols);
        g.setFixedRows(1);
        Create_fg_Frame();
        SetGridStyle();
        SetHeaderColor();
        SetHeaderAlignment();
        SetHeaderText();
        SetAreaColor();
        SetFixedColFont();
        SetColAlignment();
        SetColWidth();
        SetColFont();
        DrawEnabledRow();
        g.setRowHeight(-1, kRowHeight);
        g.setRowHeight(0, HeaderHeight());
        CreatefgSelection();
        ShowStdColumns(false);
        g.setRedraw(true);
    });
    grid().setRedraw(true);
}

void fCusData::Create_fg_Frame()
{
    Ostrel7::trapped(*state().method, QStringLiteral("Create_fg_Frame"), [&] {
        // A pin that is missing from either customize table has nothing to
        // show or edit: its row is shown as one of the other pins.
        rowKinds_.assign(1, Telva27::eNot);
        int32_t row = 1;
        for (const auto& pin : *colConStyle_) {
            grid().setTextMatrix(row, colPinNo, pin->PinNo());
            grid().setTextMatrix(row, colLocation, pin->Location());
            const bool known = usrPins().Contains(pin->Location()) && stdPins().Contains(pin->Location());
            rowKinds_.push_back(known ? GetRowKind(pin->Location()) : Telva27::eNot);
            ++row;
        }
    });
}

void fCusData::SetGridStyle()
{
    platform::grid::GridData& g = grid();
    g.setSelectionMode(platform::grid::selFree);
    g.setEditable(platform::grid::editKbdMouse);
    g.setAllowUserResizing(platform::grid::resizeColumns);
    g.setOwnerDraw(true);
    g.setBackColorSel(kSelectionBack);
    g.setForeColorSel(0xFFFFFF);
}

void fCusData::SetHeaderColor()
{
    grid().setCell(CellProperty::BackColor, 0, 0, 0, kCols - 1, kHeaderBack);
    grid().setCell(CellProperty::ForeColor, 0, 0, 0, kCols - 1, kHeaderText);
}

void fCusData::SetHeaderAlignment()
{
    grid().setCell(CellProperty::Alignment, 0, 0, 0, kCols - 1, platform::grid::alignCenterCenter);
}

void fCusData::SetHeaderText()
{
    const Resource::clsResource& resource = *state().resource;
    const auto twoLines = [&](int32_t first, int32_t second) {
        return resource.Res(first) + crlf() + resource.Res(second);
    };
    QString pinHeader;
    switch (colConStyle_->ConId()) {
    case Telva27::eCONALL: pinHeader = resource.Res(26); break;
    case Telva27::eTEOTHER: pinHeader = resource.Res(27); break;
    default: pinHeader = twoLines(28, 29); break;
    }
    const QString headers[] = {
        pinHeader,          resource.Res(30),   resource.Res(31),   twoLines(32, 33),
        resource.Res(34),   twoLines(35, 36),   twoLines(36, 37),   twoLines(39, 40),
        twoLines(36, 37),   twoLines(41, 42),   twoLines(287, 284), resource.Res(43),
        resource.Res(45),   resource.Res(44),
    };
    for (int32_t col = 0; col <= colUsrKino; ++col)
        grid().setTextMatrix(0, col, headers[col]);
    for (int32_t col = colLogic; col < kCols; ++col)
        grid().setTextMatrix(0, col, grid().TextMatrix(0, GetStdCol(col)));
    grid().setCell(CellProperty::FontSize, 0, 0, 0, kCols - 1, 9);
}

void fCusData::SetAreaColor()
{
    const int32_t last = grid().Rows() - 1;
    if (last < 1)
        return;
    grid().setCell(CellProperty::BackColor, 1, 0, last, kFixedCols - 1, kFixedBack);
    grid().setCell(CellProperty::ForeColor, 1, colPinNo, last, colPinNo, kPinNoText);
    grid().setCell(CellProperty::BackColor, 1, colStdKino, last, colStdDuty, kStdBack);
    grid().setCell(CellProperty::BackColor, 1, colDif, last, colDif, kDifBack);
}

void fCusData::SetFixedColFont()
{
    Ostrel7::trapped(*state().method, QStringLiteral("SetFixedColFont"), [&] {
        platform::grid::GridData& g = grid();
        const int32_t last = g.Rows() - 1;
        if (last < 1)
            return;
        g.setCell(CellProperty::FontName, 1, colLocation, last, colLocation, QStringLiteral("Arial"));
        for (int32_t row = 1; row <= last; ++row) {
            const ENUM_INOUT kind = RowKind(row);
            if (kind == Telva27::eNot) {
                g.setCell(CellProperty::ForeColor, row, colLocation, kOtherText);
                g.setCell(CellProperty::FontBold, row, colLocation, false);
                continue;
            }
            g.setCell(CellProperty::FontBold, row, colLocation, true);
            g.setCell(CellProperty::FontSize, row, colLocation, 10);
            g.setCell(CellProperty::ForeColor, row, colLocation, kind == Telva27::eINPUT ? kInputText : kOutputText);
        }
    });
}

void fCusData::SetColAlignment()
{
    const int32_t last = grid().Rows() - 1;
    if (last < 1)
        return;
    using namespace platform::grid;
    grid().setCell(CellProperty::Alignment, 1, colPinNo, last, colLocation, alignCenterCenter);
    grid().setCell(CellProperty::Alignment, 1, colStdKino, last, colUsrKino, alignLeftCenter);
    grid().setCell(CellProperty::Alignment, 1, colStdLogic, last, colStdDuty, alignCenterCenter);
    grid().setCell(CellProperty::Alignment, 1, colLogic, last, kCols - 1, alignCenterCenter);
}

void fCusData::SetColWidth()
{
    platform::grid::GridData& g = grid();
    g.setColWidth(colPinNo, colConStyle_->ConId() == Telva27::eTEOTHER ? 850 : 450);
    g.setColWidth(colLocation, 515);
    g.setColWidth(colStdKino, state().wdt_Custom_StdKino);
    const std::pair<int32_t, int32_t> widths[] = {{3, 500}, {4, 500}, {5, 780}, {6, 500}, {8, 500},
                                                  {9, 780}, {10, 500}, {11, 650}, {12, 500}};
    for (const auto& [col, width] : widths)
        g.setColWidth(col, width);
    g.setColWidth(colUsrKino, state().wdt_Custom_UsrKino);
    for (int32_t col : {14, 15, 16, 17, 19, 20, 21, 22})
        g.setColWidth(col, g.ColWidth(GetStdCol(col)));
    // The designed widths were made for a narrower font: a column whose
    // title would be cut is widened to show it (the two function columns
    // keep the user's widths).
    for (int32_t col = 0; col < kCols; ++col) {
        if (col == colStdKino || col == colUsrKino)
            continue;
        const QFontMetrics metrics(g.CellFont(0, col));
        int widest = 0;
        for (const QString& line : g.TextMatrix(0, col).split(crlf()))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        g.setColWidth(col, std::max(g.ColWidth(col), platform::pixelsToTwips(widest + kTitleMargin)));
    }
    // A duty cell opens a drop-down list in place: wide enough to show each
    // duty's code beside the list's arrow.
    QComboBox probe;
    probe.setFont(g.Font());
    for (int32_t i = 0; i <= 7; ++i)
        probe.addItem(usrPins().GetDutyInfo1(i));
    for (int32_t col : {int32_t(colStdDuty), int32_t(colDuty)})
        g.setColWidth(col, std::max(g.ColWidth(col), platform::pixelsToTwips(probe.sizeHint().width())));
}

// The title row holds two lines of the title font.
int32_t fCusData::HeaderHeight() const
{
    const QFontMetrics metrics(grid().CellFont(0, 0));
    return std::max(kHeaderHeight, platform::pixelsToTwips(2 * metrics.lineSpacing() + kTitleMargin));
}

void fCusData::SetColFont()
{
    Ostrel7::trapped(*state().method, QStringLiteral("SetColFont"), [&] {
        const int32_t last = grid().Rows() - 1;
        if (last < 1)
            return;
        for (int32_t col : {int32_t(colStdKino), int32_t(colUsrKino)})
            grid().setCell(CellProperty::FontName, 1, col, last, col, QStringLiteral("Tahoma"));
    });
}

void fCusData::CreatefgSelection()
{
    Ostrel7::trapped(*state().method, QStringLiteral("CreatefgSelection"), [&] {
        grid().setColComboList(colUsrKino, QStringLiteral("..."));
        QStringList entries;
        for (int32_t i = 0; i <= 7; ++i)
            entries << QStringLiteral("#%1;%2\t%3").arg(i).arg(usrPins().GetDutyInfo1(i), usrPins().GetDutyInfo2(i));
        grid().setColComboList(colDuty, entries.join(QLatin1Char('|')));
        grid().setColComboList(colStdDuty, grid().ColComboList(colDuty));
    });
}

void fCusData::ShowStdColumns(bool show)
{
    for (int32_t col = colStdLogic; col <= colStdDuty; ++col)
        grid().setColHidden(col, !show);
}

void fCusData::PasteValue()
{
    Ostrel7::trapped(*state().method, QStringLiteral("PasteValue"), [&] {
        for (int32_t row = grid().FixedRows(); row < grid().Rows(); ++row) {
            const ENUM_INOUT kind = RowKind(row);
            if (kind == Telva27::eNot)
                continue;
            const QString location = grid().TextMatrix(row, colLocation);
            PasteStdValues(row, kind, *stdPins().Item(location));
            PasteUsrValues(row, kind, *usrPins().Item(location));
        }
    });
}

void fCusData::PasteStdValues(int32_t row, ENUM_INOUT kind, const Telva27::clsCustom& pin)
{
    platform::grid::GridData& g = grid();
    g.setTextMatrix(row, colStdKino, CreateDisplayValue(pin.Location(), pin.Kino()));
    g.setCell(CellProperty::Data, row, colStdKino, int(pin.Kino()));
    g.setTextMatrix(row, 3, pin.LogicJ());
    g.setTextMatrix(row, 4, pin.DosaJ());
    if (kind != Telva27::eOUTPUT)
        return;
    g.setTextMatrix(row, 5, pin.OnDelayJ());
    g.setTextMatrix(row, 6, QString::number(pin.OnDelayTime()));
    g.setTextMatrix(row, 7, pin.OffDelayJ());
    g.setTextMatrix(row, 8, QString::number(pin.OffDelayTime()));
    if (pin.OutIsLack())
        return;
    g.setTextMatrix(row, 9, pin.ChoppingJ());
    g.setTextMatrix(row, 10, QString::number(pin.ZenpaTime()));
    g.setTextMatrix(row, 11, QString::number(pin.Duty()));
}

void fCusData::PasteUsrValues(int32_t row, ENUM_INOUT kind, const Telva27::clsCustom& pin)
{
    platform::grid::GridData& g = grid();
    g.setTextMatrix(row, colUsrKino, CreateDisplayValue(pin.Location(), pin.Kino()));
    g.setCell(CellProperty::Data, row, colUsrKino, int(pin.Kino()));
    g.setTextMatrix(row, colLogic, pin.LogicJ());
    g.setTextMatrix(row, colDosa, pin.DosaJ());
    if (kind != Telva27::eOUTPUT)
        return;
    SetOnDelaySwitch(row, pin.OnDelayJ());
    g.setTextMatrix(row, colOnDelayTime, QString::number(pin.OnDelayTime()));
    SetOffDelaySwitch(row, pin.OffDelayJ());
    g.setTextMatrix(row, colOffDelayTime, QString::number(pin.OffDelayTime()));
    if (pin.OutIsLack())
        return;
    SetChoppingSwitch(row, pin.ChoppingJ());
    g.setTextMatrix(row, colZenpaTime, QString::number(pin.ZenpaTime()));
    g.setTextMatrix(row, colDuty, QString::number(pin.Duty()));
}

QString fCusData::CreateDisplayValue(const QString& location, uint8_t code)
{
    return Ostrel7::trapped(*state().method, QStringLiteral("CreateDisplayValue"), [&] {
        Sorvi27::clsSelectKino& selectKino = *state().selectKino;
        Telva27::colclsCusSelection& list =
            location.left(1).toUpper() == QLatin1String("I") ? selectKino.cusinp() : selectKino.cusout();
        const auto entry = list.Item(QString::number(code));
        return entry->Ditigal() + QLatin1Char(':') + entry->Advice();
    });
}

} // namespace QelmSet
