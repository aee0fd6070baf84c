#pragma once
// What the report tests read off a worksheet.

#include "platform/workbook/Worksheet.h"
#include "resource/clsResource.h"

#include <algorithm>

namespace reporttest {

namespace wb = platform::workbook;

inline QString res(int n) { return Resource::clsResource().Res(n); }

// The line between a cell and its neighbour on one side, whichever of the two carries it.
enum Side { Left, Top, Right, Bottom };

inline int32_t line(const wb::Worksheet& sheet, int32_t row, int32_t column, Side side)
{
    const auto weightOf = [&](int32_t r, int32_t c, Side s) {
        if (r < 1 || c < 1)
            return 0;
        const wb::ResolvedStyle style = wb::ResolvedStyle::from(sheet.style(r, c));
        const wb::BorderLine* lines[] = {&style.left, &style.top, &style.right, &style.bottom};
        return lines[s]->weight;
    };
    switch (side) {
    case Left:
        return std::max(weightOf(row, column, Left), weightOf(row, column - 1, Right));
    case Top:
        return std::max(weightOf(row, column, Top), weightOf(row - 1, column, Bottom));
    case Right:
        return std::max(weightOf(row, column, Right), weightOf(row, column + 1, Left));
    case Bottom:
        return std::max(weightOf(row, column, Bottom), weightOf(row + 1, column, Top));
    }
    return 0;
}

} // namespace reporttest
