#include "platform/workbook/XlsxStyleCodes.h"

#include "platform/workbook/XlConstants.h"

#include <xlsxwriter.h>

namespace platform::workbook {

uint8_t borderStyle(int32_t weight)
{
    switch (weight) {
    case xlHairline: return LXW_BORDER_HAIR;
    case xlThin: return LXW_BORDER_THIN;
    case xlMedium: return LXW_BORDER_MEDIUM;
    case xlThick: return LXW_BORDER_THICK;
    default: return LXW_BORDER_NONE;
    }
}

uint8_t fillPattern(int32_t pattern)
{
    switch (pattern) {
    case xlPatternSolid: return LXW_PATTERN_SOLID;
    case xlPatternGray50: return LXW_PATTERN_MEDIUM_GRAY;
    case xlPatternGray25: return LXW_PATTERN_LIGHT_GRAY;
    case xlPatternGray75: return LXW_PATTERN_DARK_GRAY;
    case xlPatternGray16: return LXW_PATTERN_GRAY_125;
    case xlPatternGray8: return LXW_PATTERN_GRAY_0625;
    default: return LXW_PATTERN_NONE;
    }
}

uint8_t horizontalAlign(int32_t alignment)
{
    switch (alignment) {
    case -4131: return LXW_ALIGN_LEFT;
    case -4108: return LXW_ALIGN_CENTER;
    case -4152: return LXW_ALIGN_RIGHT;
    case 5: return LXW_ALIGN_FILL;
    case -4130: return LXW_ALIGN_JUSTIFY;
    case 7: return LXW_ALIGN_CENTER_ACROSS;
    case -4117: return LXW_ALIGN_DISTRIBUTED;
    default: return LXW_ALIGN_NONE;
    }
}

uint8_t verticalAlign(int32_t alignment)
{
    switch (alignment) {
    case -4160: return LXW_ALIGN_VERTICAL_TOP;
    case -4108: return LXW_ALIGN_VERTICAL_CENTER;
    case -4130: return LXW_ALIGN_VERTICAL_JUSTIFY;
    case -4117: return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    default: return LXW_ALIGN_NONE; // bottom, the file's default
    }
}

} // namespace platform::workbook
