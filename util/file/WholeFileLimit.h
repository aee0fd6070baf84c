#pragma once
// The largest file the library's file members read whole into memory (the byte
// rotation, the shell copy). The suite's files are a few MiB at most; a larger
// one is refused before it is read (platform::readWholeFile), like a pipe or a
// device, so a copy can neither take gigabytes of memory nor wait on a pipe.

#include <cstdint>

namespace Ostrel7 {

constexpr int64_t kWholeFileLimit = int64_t{256} * 1024 * 1024;

} // namespace Ostrel7
