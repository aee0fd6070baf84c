#pragma once
// The system's millisecond tick: milliseconds since the system started, kept in
// 32 bits so that it wraps after about 49.7 days like the counter the time
// stamps were designed around. Tests fix it.

#include <cstdint>
#include <functional>

namespace Ostrel7::tick {

uint32_t count();

// An empty function restores the system's monotonic clock.
void setCountForTesting(std::function<uint32_t()> source);

} // namespace Ostrel7::tick
