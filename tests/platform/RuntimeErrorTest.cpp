#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using platform::RuntimeError;

TEST(RuntimeError, CarriesTheStandardTexts)
{
    EXPECT_EQ(RuntimeError(6).description(), QStringLiteral("Overflow"));
    EXPECT_EQ(RuntimeError(53).description(), QStringLiteral("File not found"));
    EXPECT_EQ(RuntimeError(75).description(), QStringLiteral("Path/File access error"));
    EXPECT_EQ(RuntimeError(424242).description(), QStringLiteral("Application-defined or object-defined error"));
    EXPECT_EQ(RuntimeError(13, QStringLiteral("custom")).description(), QStringLiteral("custom"));
}

TEST(RuntimeError, ForeignExceptionsMapToRuntimeNumbers)
{
    auto infoOf = [](auto thrower) {
        try {
            thrower();
        } catch (...) {
            return platform::currentErrorInfo();
        }
        return platform::ErrorInfo{0, {}};
    };
    EXPECT_EQ(infoOf([] { throw RuntimeError(9); }).number, 9);
    EXPECT_EQ(infoOf([] { throw std::bad_alloc(); }).number, platform::errOutOfMemory);
    const auto other = infoOf([] { throw std::logic_error("broken"); });
    EXPECT_EQ(other.number, platform::errInternal);
    EXPECT_EQ(other.description, QStringLiteral("broken"));
}
