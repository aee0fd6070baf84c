#pragma once
// The spreadsheet application's published constants that the reports pass,
// with their numbers.

#include <cstdint>

namespace platform::workbook {

enum XlDirection : int32_t { xlToRight = -4161 };
enum XlCellType : int32_t { xlCellTypeLastCell = 11 };
enum XlHAlign : int32_t { xlHAlignCenter = -4108, xlHAlignLeft = -4131 };
enum XlVAlign : int32_t { xlVAlignCenter = -4108 };
enum XlBordersIndex : int32_t {
    // The edges of a range and the lines inside it.
    xlEdgeLeft = 7,
    xlEdgeTop = 8,
    xlEdgeBottom = 9,
    xlEdgeRight = 10,
    xlInsideVertical = 11,
    xlInsideHorizontal = 12,
    // One side of every cell of a range.
    xlLeft = -4131,
    xlRight = -4152,
    xlTop = -4160,
    xlBottom = -4107,
};
enum XlBorderWeight : int32_t { xlHairline = 1, xlThin = 2, xlMedium = -4138, xlThick = 4 };
enum XlColorIndex : int32_t { xlColorIndexAutomatic = -4105 };
enum XlPattern : int32_t {
    xlPatternSolid = 1,
    xlPatternGray25 = -4124,
    xlPatternGray50 = -4125,
    xlPatternGray75 = -4126,
    xlPatternGray16 = 17,
    xlPatternGray8 = 18,
};
// No colour, no fill, no pattern.
constexpr int32_t xlNone = -4142;
enum XlPageOrientation : int32_t { xlPortrait = 1, xlLandscape = 2 };
enum MsoTextOrientation : int32_t { msoTextOrientationHorizontal = 1 };

// The application's own errors (a bad address, an impossible setting) carry this number.
constexpr int32_t kApplicationError = 1004;

} // namespace platform::workbook
