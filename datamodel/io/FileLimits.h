#pragma once
// The largest file each reader of the data model takes, from what its format
// can hold. A larger file is refused before it is read (platform::readWholeFile),
// so a damaged or hostile file can't make a reader take gigabytes of memory.
// Step and note files hold exactly stepfile::kFileSize bytes (StepFileFormat.h).

#include <cstdint>

namespace Telva27::filelimits {

// A setting table file holds one (etb) or eight (stg) tables of 8192 bytes.
constexpr int64_t kTableFile = 8 * 8192;

// A setting text file SetNN.e: a line per parameter, choice or function of
// a few hundred bytes at most; 16,000 parameters make a few MiB.
constexpr int64_t kSetFile = 16 * 1024 * 1024;

// The SEK companion of an eight-table file is opaque and read whole; it is
// held to the bound of the other installation files.
constexpr int64_t kSekFile = 16 * 1024 * 1024;

} // namespace Telva27::filelimits
