#include "TickCount.h"

#include <chrono>

namespace Ostrel7::tick {

namespace {

std::function<uint32_t()>& seam()
{
    static std::function<uint32_t()> source;
    return source;
}

} // namespace

uint32_t count()
{
    if (seam())
        return seam()();
    // The steady clock counts from boot on Linux; only the low 32 bits are kept.
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void setCountForTesting(std::function<uint32_t()> source) { seam() = std::move(source); }

} // namespace Ostrel7::tick
