#pragma once
// No exception may leave a Qt event handler. guarded() runs a handler's body;
// whatever the body throws (a RuntimeError, any std::exception, anything else)
// is reported under the handler's label and the handler ends with its neutral
// result. It is the one guard of every handler, in every deliverable: forms
// write no guard of their own.
//
// The report goes through a hook, because the real reporter (the utility
// library's ErrReg, which shows the error and logs it) lives above this
// library: each program installs ErrReg at start-up, the test main installs
// one that records reports for the running test. Until one is installed,
// reports go to the Qt log.

#include "RuntimeError.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <type_traits>

namespace platform {

using ErrorReporter = std::function<void(int32_t number, const QString& description, const QString& label)>;

// Installs the reporter for the whole process; an empty one restores the log.
void installErrorReporter(ErrorReporter reporter);

// Reports the exception being handled under label; call only inside a catch
// block. Never throws. A report raised while another is being shown (the
// reporter's message box lets paint events run) goes to the log only, so a
// handler that fails on every paint cannot stack up message boxes.
void reportCurrentError(const QString& label) noexcept;

template <typename Body, typename R = std::invoke_result_t<Body>>
    requires(!std::is_void_v<R>)
R guarded(const QString& label, Body&& body, R neutral = R{}) noexcept
{
    try {
        return body();
    } catch (...) {
        reportCurrentError(label);
        return neutral;
    }
}

template <typename Body>
    requires std::is_void_v<std::invoke_result_t<Body>>
void guarded(const QString& label, Body&& body) noexcept
{
    try {
        body();
    } catch (...) {
        reportCurrentError(label);
    }
}

} // namespace platform
