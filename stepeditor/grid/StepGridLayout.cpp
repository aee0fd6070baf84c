#include "StepGridLayout.h"

#include "StepColumns.h"

#include "platform/Twips.h"
#include "platform/grid/GridData.h"
#include "platform/grid/WidestText.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QFontMetrics>

#include <algorithm>

namespace QelmStp {

using platform::grid::CellProperty;
using platform::grid::GridData;

const QString StepGridLayout::kStateList = QStringLiteral("#0;POS LEV|#1;POS EDG|#2;NEG LEV|#3;NEG EDG");

namespace {

// Title colours.
constexpr uint32_t kCornerBack = rgb(128, 128, 64);
constexpr uint32_t kRemarkTitleBack = rgb(209, 216, 167);
constexpr uint32_t kNavy = rgb(0, 0, 128);
constexpr uint32_t kGreen = rgb(0, 128, 0);

QString res(int32_t number) { return Resource::clsResource().Res(number); }

int32_t widthOfKind(int32_t kind)
{
    switch (kind) {
    case eColFunc: return 670;
    case eColState: return 465;
    case eColRel: return 250;
    default: return GridData::kDefaultColWidth;
    }
}

} // namespace

StepGridLayout::StepGridLayout(GridData& grid, Ostrel7::clsMethod& reporter) : fg_(grid), reporter_(reporter) {}

void StepGridLayout::Format_fg(bool viewRemarkColumn, int32_t remarkWidth)
{
    Ostrel7::trapped(reporter_, QStringLiteral("Format_fg"), [&] {
        const bool redraw = fg_.Redraw();
        fg_.setRedraw(false);
        fg_.setFixedCols(1);
        fg_.setFixedRows(1);
        fg_.setCols(fg_.FixedCols() + 28);
        fg_.setRows(fg_.FixedRows() + kStepRows);
        fg_.setOwnerDraw(true);
        GridOptions();
        FixedColours();
        SetTitleCaption();
        TitleAlignment();
        ColumnWidths(viewRemarkColumn, remarkWidth);
        SetColColor();
        DataAlignment();
        RemarkFont();
        StepNumbers();
        CreatefgSelection();
        fg_.setRowHeight(0, kTitleRowHeight);
        fg_.setRedraw(redraw);
    });
}

void StepGridLayout::GridOptions()
{
    fg_.setSelectionMode(platform::grid::selFree);
    fg_.setEditable(platform::grid::editNone);
    fg_.setAllowUserResizing(platform::grid::resizeColumns);
    fg_.setGridColor(rgb(192, 192, 192));
    fg_.setBackColorSel(rgb(49, 106, 197));
    fg_.setForeColorSel(kWhite);
}

void StepGridLayout::FixedColours()
{
    const int32_t last = fg_.Cols() - 1;
    fg_.setCell(CellProperty::ForeColor, 0, 0, 0, last, kWhite);
    fg_.setCell(CellProperty::BackColor, 0, 0, 0, 0, kCornerBack);
    fg_.setCell(CellProperty::BackColor, 0, 1, 0, 1, kRemarkTitleBack);
    fg_.setCell(CellProperty::ForeColor, 0, 1, 0, 1, kRed);
    fg_.setCell(CellProperty::BackColor, 0, 2, 0, 4, kNavy);
    fg_.setCell(CellProperty::BackColor, 0, groupColumn(1), 0, last, kGreen);
}

void StepGridLayout::SetTitleCaption()
{
    Ostrel7::trapped(reporter_, QStringLiteral("SetTitleCaption"), [&] {
        fg_.setTextMatrix(0, 0, QStringLiteral("STEP"));
        fg_.setColData(0, eColStep);
        for (int32_t col = 1; col <= 4; ++col) {
            fg_.setTextMatrix(0, col, res(167 + col));
            fg_.setColData(col, col);
        }
        for (int32_t col = groupColumn(1); col <= fg_.Cols() - 3; col += 3) {
            fg_.setTextMatrix(0, col, res(172));
            fg_.setColData(col, eColFunc);
            fg_.setCell(CellProperty::FontSize, 0, col + 1, 7.0);
            fg_.setTextMatrix(0, col + 1, res(173));
            fg_.setColData(col + 1, eColState);
            fg_.setTextMatrix(0, col + 2, kRelationTitle);
            fg_.setColData(col + 2, eColRel);
        }
    });
}

void StepGridLayout::TitleAlignment()
{
    fg_.setCell(CellProperty::Alignment, 0, 0, 0, fg_.Cols() - 1, platform::grid::alignCenterCenter);
}

void StepGridLayout::ColumnWidths(bool viewRemarkColumn, int32_t remarkWidth)
{
    fg_.setColWidth(0, 555);
    ControlRemarkColumn(viewRemarkColumn, remarkWidth);
    fg_.setColWidth(2, std::max(700, outputNameWidth_));
    fg_.setColWidth(3, 735);
    fg_.setColWidth(4, 700);
    for (int32_t col = groupColumn(1); col < fg_.Cols(); ++col) {
        const int32_t kind = fg_.ColData(col);
        fg_.setColWidth(col, std::max(widthOfKind(kind), kind == eColFunc ? inputNameWidth_ : 0));
    }
}

void StepGridLayout::FitNames(const QStringList& outputs, const QStringList& inputs)
{
    QFont bold = fg_.Font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The cell's own margins and its grid line beside the text.
    constexpr int kCellPadding = 8; // pixels
    auto widest = [&](const QStringList& names) {
        const int pixels = platform::grid::widestText(metrics, names);
        return pixels == 0 ? 0 : platform::pixelsToTwips(pixels + kCellPadding);
    };
    outputNameWidth_ = widest(outputs);
    inputNameWidth_ = widest(inputs);
}

void StepGridLayout::ControlRemarkColumn(bool visible, int32_t width)
{
    if (visible)
        fg_.setColWidth(1, width);
    fg_.setColHidden(1, !visible);
}

void StepGridLayout::SetColColor(int32_t first, int32_t last)
{
    Ostrel7::trapped(reporter_, QStringLiteral("SetColColor"), [&] {
        if (first <= 0) {
            first = 1;
            last = kStepRows;
        }
        paintColours(first, std::max(first, last));
    });
}

void StepGridLayout::paintColours(int32_t first, int32_t last)
{
    fg_.setCell(CellProperty::BackColor, first, 0, last, 0, kStepBack);
    fg_.setCell(CellProperty::ForeColor, first, 0, last, 0, kBlack);
    fg_.setCell(CellProperty::FontBold, first, 0, last, 0, true);
    fg_.setCell(CellProperty::BackColor, first, 1, last, 1, kRemarkBack);
    fg_.setCell(CellProperty::BackColor, first, 2, last, 4, kOutputBack);
    fg_.setCell(CellProperty::FontBold, first, 2, last, 2, true);
    fg_.setCell(CellProperty::ForeColor, first, 2, last, 2, kBlue);
    fg_.setCell(CellProperty::ForeColor, first, 4, last, 4, kRed);
    bool white = true;
    for (int32_t col = groupColumn(1); col <= fg_.Cols() - 3; col += 3) {
        ColourCells(col, first, last, white ? kWhite : kLightGrey);
        white = !white;
    }
    CaptureColColours();
    for (int32_t col = fg_.FixedCols(); col < fg_.Cols(); ++col) {
        if (fg_.ColData(col) != eColFunc)
            continue;
        fg_.setCell(CellProperty::ForeColor, first, col, last, col, kRed);
        fg_.setCell(CellProperty::FontBold, first, col, last, col, true);
    }
}

void StepGridLayout::CaptureColColours()
{
    colColours_.assign(static_cast<size_t>(fg_.Cols()), 0);
    for (int32_t col = 0; col < fg_.Cols(); ++col)
        colColours_[static_cast<size_t>(col)] = fg_.CellBackColor(2, col);
}

uint32_t StepGridLayout::ColColour(int32_t col) const
{
    return col >= 0 && static_cast<size_t>(col) < colColours_.size() ? colColours_[static_cast<size_t>(col)] : kWhite;
}

void StepGridLayout::RestoreRowColours(int32_t first, int32_t last)
{
    for (int32_t col = 0; col < fg_.Cols(); ++col)
        fg_.setCell(CellProperty::BackColor, first, col, last, col, ColColour(col));
}

void StepGridLayout::ColourGroup(int32_t row, int32_t col)
{
    fg_.setCell(CellProperty::BackColor, row, col, row, col + 2, ColColour(col));
}

void StepGridLayout::ColourCells(int32_t col, int32_t first, int32_t last, uint32_t colour)
{
    fg_.setCell(CellProperty::BackColor, first, col, last, col + 2, colour);
}

void StepGridLayout::StepNumbers()
{
    for (int32_t row = fg_.FixedRows(); row < fg_.Rows(); ++row)
        fg_.setTextMatrix(row, 0, QString::number(row));
}

void StepGridLayout::DataAlignment(int32_t first, int32_t last)
{
    using namespace platform::grid;
    if (first <= 0) {
        first = 1;
        last = fg_.Rows() - 1;
    }
    for (int32_t col = 0; col < fg_.Cols(); ++col) {
        int32_t alignment = alignCenterCenter;
        if (col == 1)
            alignment = alignLeftCenter;
        else if (col == 4)
            alignment = alignRightCenter;
        fg_.setCell(CellProperty::Alignment, first, col, last, col, alignment);
    }
}

void StepGridLayout::RemarkFont(int32_t first, int32_t last)
{
    if (first <= 0) {
        first = 1;
        last = fg_.Rows() - 1;
    }
    fg_.setCell(CellProperty::FontSize, first, 1, last, 1, 8.0);
}

void StepGridLayout::CreatefgSelection()
{
    Ostrel7::trapped(reporter_, QStringLiteral("CreatefgSelection"), [&] {
        for (int32_t col = 0; col < fg_.Cols(); ++col)
            if (fg_.ColData(col) == eColState)
                fg_.setColComboList(col, kStateList);
    });
}

bool StepGridLayout::MayResize(int32_t col) { return col == 1; }

int32_t StepGridLayout::RemarkWidthAfterResize(int32_t width) { return std::max(width, kMinRemarkWidth); }

} // namespace QelmStp
