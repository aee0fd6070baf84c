#include "platform/EventGuard.h"

#include "ReportedErrors.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using testsupport::reportedErrors;

TEST(EventGuard, WhateverAHandlerThrowsIsReportedUnderItsLabelAndEndsIt)
{
    const struct {
        const char* what;
        std::function<void()> thrower;
        int32_t number;
        QString description;
    } cases[] = {
        {"runtime error", [] { throw platform::RuntimeError(platform::errFileNotFound); }, 53, "File not found"},
        {"std::exception", [] { throw std::logic_error("broken"); }, platform::errInternal, "broken"},
        {"anything else", [] { throw 42; }, platform::errInternal, "Internal error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::guarded(QStringLiteral("fg_KeyDown"), [&] { c.thrower(); return 7; }, -1), -1) << c.what;
        const auto reports = reportedErrors().take();
        ASSERT_EQ(reports.size(), 1u) << c.what;
        EXPECT_EQ(reports[0].number, c.number) << c.what;
        EXPECT_EQ(reports[0].description, c.description) << c.what;
        EXPECT_EQ(reports[0].label, QStringLiteral("fg_KeyDown")) << c.what;
    }
    EXPECT_EQ(platform::guarded(QStringLiteral("fg_KeyDown"), [] { return 7; }, -1), 7);
    bool ran = false;
    platform::guarded(QStringLiteral("fg_Click"), [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(reportedErrors().count(), 0u);
}

TEST(EventGuard, AFailureWhileAReportIsShownIsOnlyLoggedAndAFailingReporterStaysInside)
{
    // The reporter's message box lets paint events run; a paint that fails
    // again must not open a second box inside the first.
    int shown = 0;
    platform::installErrorReporter([&](int32_t, const QString&, const QString&) {
        ++shown;
        platform::guarded(QStringLiteral("paintEvent"), [] { throw platform::RuntimeError(platform::errOverflow); });
    });
    platform::guarded(QStringLiteral("paintEvent"), [] { throw platform::RuntimeError(platform::errOverflow); });
    EXPECT_EQ(shown, 1);

    platform::installErrorReporter([](int32_t, const QString&, const QString&) { throw std::runtime_error("no log"); });
    EXPECT_NO_THROW(platform::guarded(QStringLiteral("paintEvent"), [] { throw 1; }));
    platform::installErrorReporter(testsupport::recordingReporter());
    platform::guarded(QStringLiteral("paintEvent"), [] { throw 1; });
    EXPECT_EQ(reportedErrors().take().size(), 1u); // reporting works again after both
}
