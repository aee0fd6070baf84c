#pragma once
// The workbook's style constants as libxlsxwriter codes: border weights, fill
// patterns and alignments. Shared by the workbook writer and the benchmark that
// writes the same workbooks with plain libxlsxwriter.

#include <cstdint>

namespace platform::workbook {

uint8_t borderStyle(int32_t weight);
uint8_t fillPattern(int32_t pattern);
uint8_t horizontalAlign(int32_t alignment);
uint8_t verticalAlign(int32_t alignment);

} // namespace platform::workbook
