#pragma once
// Kinds shared by the data model and its callers; the numbers are fixed.
// Each holds any 32-bit number a caller passes, so a value outside the named
// ones reaches the code that refuses it instead of being undefined behaviour
// (an enum without a fixed underlying type only holds the bits its names use).

#include <cstdint>

namespace Telva27 {

// Which values of a parameter a table read fills.
enum ENUM_USRSTD : int32_t { eUSR = 0, eSTD = 1 };

// A setting file of one table (8192 bytes) or of eight tables (65536 bytes).
enum ENUM_ETBSTG : int32_t { eETB = 0, eSTG = 1 };

// How the reports draw borders (and, in the step report, place pictures).
enum ENUM_EXCELVERSIONINDEX : int32_t { eEXCEL2000 = 0, eEXCEL95 = 1 };

} // namespace Telva27
