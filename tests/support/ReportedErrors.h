#pragma once
// The error reporter of every test process: it records what event handlers
// report through platform::guarded, so a test can check a report it expects;
// a report the test did not take fails that test when it ends.

#include "platform/EventGuard.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace testsupport {

struct ErrorReport {
    int32_t number;
    QString description;
    QString label;
};

class ReportedErrors {
public:
    void record(const ErrorReport& report) { reports_.push_back(report); }
    // The reports so far, forgotten once taken.
    std::vector<ErrorReport> take();
    size_t count() const { return reports_.size(); }
    void reset() { reports_.clear(); }

private:
    std::vector<ErrorReport> reports_;
};

// The recorder the test main installs as the error reporter.
ReportedErrors& reportedErrors();
// The reporter that records into reportedErrors(), for a test that installs
// another one for a while and then puts this one back.
platform::ErrorReporter recordingReporter();

} // namespace testsupport
