#pragma once
// The error convention of trapped members: any error raised inside is reported
// through ErrReg under the member's label, and the member answers its neutral
// result to whoever called it. Where Qt calls a handler, the handler is guarded
// by platform::guarded (platform/EventGuard.h) instead.

#include "util/method/clsMethod.h"
#include "platform/RuntimeError.h"

#include <QString>
#include <algorithm>
#include <initializer_list>
#include <type_traits>

namespace Ostrel7 {

template <typename Body, typename R = std::invoke_result_t<Body>>
    requires(!std::is_void_v<R>)
R trapped(clsMethod& reporter, const QString& label, Body&& body, R neutral = R{})
{
    try {
        return body();
    } catch (...) {
        const auto error = platform::currentErrorInfo();
        reporter.ErrReg(error.number, error.description, label);
        return neutral;
    }
}

template <typename Body>
    requires std::is_void_v<std::invoke_result_t<Body>>
void trapped(clsMethod& reporter, const QString& label, Body&& body)
{
    try {
        body();
    } catch (...) {
        const auto error = platform::currentErrorInfo();
        reporter.ErrReg(error.number, error.description, label);
    }
}

// As trapped(), but the failures a device or path test expects (a missing
// drive, a disk not ready ...) end the member quietly with its neutral result.
template <typename Body, typename R = std::invoke_result_t<Body>>
R trappedQuietFor(clsMethod& reporter, const QString& label, std::initializer_list<int32_t> quiet, Body&& body,
                  R neutral = R{})
{
    try {
        return body();
    } catch (...) {
        const auto error = platform::currentErrorInfo();
        if (std::find(quiet.begin(), quiet.end(), error.number) == quiet.end())
            reporter.ErrReg(error.number, error.description, label);
        return neutral;
    }
}

} // namespace Ostrel7
