#include "EventGuard.h"

#include <QtDebug>

namespace platform {

namespace {

ErrorReporter& installed()
{
    static ErrorReporter reporter;
    return reporter;
}

bool& reporting()
{
    static bool busy = false;
    return busy;
}

void logReport(int32_t number, const QString& description, const QString& label)
{
    qWarning("%s: error %d %s", qPrintable(label), number, qPrintable(description));
}

void report(const ErrorInfo& error, const QString& label)
{
    if (reporting() || !installed()) {
        logReport(error.number, error.description, label);
        return;
    }
    reporting() = true;
    try {
        installed()(error.number, error.description, label);
    } catch (...) {
        reporting() = false;
        logReport(error.number, error.description, label);
        return;
    }
    reporting() = false;
}

} // namespace

void installErrorReporter(ErrorReporter reporter) { installed() = std::move(reporter); }

void reportCurrentError(const QString& label) noexcept
{
    try {
        report(currentErrorInfo(), label);
    } catch (...) {
        // Not even the log line could be built (out of memory): nothing more can be told.
    }
}

} // namespace platform
