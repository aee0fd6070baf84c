#pragma once
// A number handed to the model, narrowed to the byte or 16-bit integer a
// member keeps. Such members take a wide integer so that a value that does not
// fit is refused with the overflow error rather than silently wrapped (a state
// of 256 stored as 0, a code of 40000 as -25536).

#include "platform/RuntimeError.h"

#include <cstdint>
#include <limits>
#include <type_traits>

namespace Telva27 {

template <typename T>
T narrowOrOverflow(int64_t value)
{
    static_assert(std::is_integral_v<T> && sizeof(T) < sizeof(int64_t), "a narrower integer");
    if (value < int64_t{std::numeric_limits<T>::min()} || value > int64_t{std::numeric_limits<T>::max()})
        throw platform::RuntimeError(platform::errOverflow);
    return static_cast<T>(value);
}

} // namespace Telva27
