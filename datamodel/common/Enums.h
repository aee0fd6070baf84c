#pragma once
// Kinds shared by the data model and its callers; the numbers are fixed.
// Each kind is stored as the 32-bit whole number callers pass, so a number
// outside the named values (a caller's mistake, refused where it is used) is
// still a value of the kind rather than undefined behaviour.

#include <cstdint>

namespace Telva27 {

// Which values of a parameter a table read fills.
enum ENUM_USRSTD : int32_t { eUSR = 0, eSTD = 1 };

// A setting file of one table (8192 bytes) or of eight tables (65536 bytes).
enum ENUM_ETBSTG : int32_t { eETB = 0, eSTG = 1 };

// How the reports draw borders (and, in the step report, place pictures).
enum ENUM_EXCELVERSIONINDEX : int32_t { eEXCEL2000 = 0, eEXCEL95 = 1 };

} // namespace Telva27
