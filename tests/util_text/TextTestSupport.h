#pragma once
// Shared checks of the text and date tests: error reports and the locale.

#include "ScriptedUi.h"
#include "platform/RuntimeError.h"

#include <QLocale>
#include <QString>
#include <gtest/gtest.h>

namespace texttest {

// Answers the error box of the one report the next call is expected to make.
inline void expectOneReport() { testsupport::scriptedUi().answerMessageBox(1); }

// Checks that exactly one error was reported since the last check, under the
// label (leading blanks included) and with the runtime error number.
inline void checkReported(const QString& label, int32_t number)
{
    const auto boxes = testsupport::scriptedUi().callsOf(testsupport::UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u) << "reports of " << label.toStdString();
    EXPECT_EQ(boxes[0].title, QStringLiteral("ERROR"));
    EXPECT_TRUE(boxes[0].text.startsWith(label + QStringLiteral("\r\n\r\n")))
        << boxes[0].text.toStdString() << " is not reported as '" << label.toStdString() << "'";
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(number))) << boxes[0].text.toStdString();
    testsupport::scriptedUi().clearCalls();
}

// Sets the default locale for the life of the object.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::system()); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

} // namespace texttest
