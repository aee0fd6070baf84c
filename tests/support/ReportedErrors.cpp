#include "ReportedErrors.h"

#include <utility>

namespace testsupport {

std::vector<ErrorReport> ReportedErrors::take() { return std::exchange(reports_, {}); }

ReportedErrors& reportedErrors()
{
    static ReportedErrors recorder;
    return recorder;
}

platform::ErrorReporter recordingReporter()
{
    return [](int32_t number, const QString& description, const QString& label) {
        reportedErrors().record({number, description, label});
    };
}

} // namespace testsupport
