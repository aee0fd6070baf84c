#pragma once
// Kinds shared by the data model and its callers; the numbers are fixed.

namespace Telva27 {

// Which values of a parameter a table read fills.
enum ENUM_USRSTD { eUSR = 0, eSTD = 1 };

// A setting file of one table (8192 bytes) or of eight tables (65536 bytes).
enum ENUM_ETBSTG { eETB = 0, eSTG = 1 };

// How the reports draw borders (and, in the step report, place pictures).
enum ENUM_EXCELVERSIONINDEX { eEXCEL2000 = 0, eEXCEL95 = 1 };

} // namespace Telva27
