#pragma once
// The layout of the step grid: 192 step rows under one title row, the step
// number column fixed at the left, then remark, output, logic and delay, then
// eight input groups of function, state and relation. It sets the titles and
// column kinds, widths, alignments, fonts and the colours of the title row and
// of the data cells, and remembers each column's default back colour so that
// rows can be given their colours back after they were marked.
//
// Colours and formats are always set on whole cell ranges, never cell by cell.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace Ostrel7 {
class clsMethod;
}
namespace platform::grid {
class GridData;
}

namespace QelmStp {

// A colour as the grid takes it, 0x00BBGGRR.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

class StepGridLayout {
public:
    static constexpr uint32_t kWhite = rgb(255, 255, 255);
    static constexpr uint32_t kLightGrey = rgb(224, 224, 224);
    static constexpr uint32_t kStepBack = rgb(185, 170, 157);
    static constexpr uint32_t kRemarkBack = rgb(239, 230, 224);
    static constexpr uint32_t kOutputBack = rgb(223, 240, 224);
    static constexpr uint32_t kBlue = rgb(0, 0, 255);
    static constexpr uint32_t kRed = rgb(255, 0, 0);
    static constexpr uint32_t kBlack = 0;
    static constexpr int32_t kMinRemarkWidth = 200; // twips
    static constexpr int32_t kTitleRowHeight = 300; // twips
    // The state column's list: the cell keeps the number, the grid shows the text.
    static const QString kStateList;

    // reporter reports the failures of the trapped layout steps.
    StepGridLayout(platform::grid::GridData& grid, Ostrel7::clsMethod& reporter);

    // Lays the grid out from scratch; cell texts other than the titles and
    // step numbers stay. The remark column is shown at remarkWidth or hidden.
    void Format_fg(bool viewRemarkColumn, int32_t remarkWidth);

    // Paints the data-cell colours and fonts of rows first..last (0 for
    // first means all step rows), renews the captured default back colours
    // and marks the input-function columns. Resets the REM mark of the rows.
    void SetColColor(int32_t first = 0, int32_t last = 0);
    // Gives rows first..last of every column its default back colour.
    void RestoreRowColours(int32_t first, int32_t last);
    // Gives the three cells of one input group in one row (col and the two to
    // its right) the default back colour of col.
    void ColourGroup(int32_t row, int32_t col);
    // Back colour of an input group (col and the two to its right) on rows first..last.
    void ColourCells(int32_t col, int32_t first, int32_t last, uint32_t colour);
    void StepNumbers();
    // The cell formats of the step rows first..last (0 for first means all):
    // the alignment of each column and the remark column's smaller font.
    void DataAlignment(int32_t first = 0, int32_t last = 0);
    void RemarkFont(int32_t first = 0, int32_t last = 0);
    void CreatefgSelection();
    void SetTitleCaption();
    // Widens the output column and the input function columns beyond their
    // designed widths where the longest of these names, in the grid's bold
    // font, would not fit; the next layout applies it.
    void FitNames(const QStringList& outputs, const QStringList& inputs);
    // Shows or hides the remark column; a shown column gets width.
    void ControlRemarkColumn(bool visible, int32_t width);

    // The default back colour of a column, as last captured.
    uint32_t ColColour(int32_t col) const;
    // True when a mouse resize of that column may start: only the remark column.
    static bool MayResize(int32_t col);
    // The width a resized remark column keeps: never below 200 twips.
    static int32_t RemarkWidthAfterResize(int32_t width);

private:
    void GridOptions();
    void FixedColours();
    void TitleAlignment();
    void ColumnWidths(bool viewRemarkColumn, int32_t remarkWidth);
    void CaptureColColours();
    // The widths names need (twips); 0 until FitNames.
    int32_t outputNameWidth_ = 0;
    int32_t inputNameWidth_ = 0;
    void paintColours(int32_t first, int32_t last);

    platform::grid::GridData& fg_;
    Ostrel7::clsMethod& reporter_;
    std::vector<uint32_t> colColours_;
};

} // namespace QelmStp
