#include "datamodel/common/mTELVA.h"

#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using Telva27::mTELVA::ConvertLetter;
using Telva27::mTELVA::ShiftByMask;

TEST(ShiftByMask, MovesValuesByTheLowestMaskBit)
{
    const struct {
        uint8_t mask;
        int32_t value, mode, expected;
    } cases[] = {
        {0x30, 0x20, 0, 2}, {0x30, 3, 1, 0x30}, {0x30, 5, 1, 0x50}, {0x80, 0x80, 0, 1},
        {0x00, 99, 0, 0},   {0x00, 99, 1, 0},   {0x05, 5, 0, 5},    {0x30, 0x20, 2, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShiftByMask(c.mask, c.value, c.mode), c.expected) << int(c.mask) << " " << c.value;
    EXPECT_THROW(ShiftByMask(0x80, 0x2000000, 1), platform::RuntimeError);
}

TEST(ConvertLetter, TurnsSwitchesIntoTextsAndBack)
{
    EXPECT_EQ(ConvertLetter(2, 0, "off").toInt(), 1); // only the exact "OFF" is 0
    EXPECT_EQ(ConvertLetter(2, 0, "OFF").toInt(), 0);
    EXPECT_EQ(ConvertLetter(0, 0, "").toInt(), 1);
    EXPECT_EQ(ConvertLetter(0, 0, "-").toInt(), 0);
    EXPECT_EQ(ConvertLetter(1, 1, 7).toString(), QStringLiteral("ALT"));
    EXPECT_EQ(ConvertLetter(0, 1, 1).toString(), QStringLiteral("REV"));
    EXPECT_EQ(ConvertLetter(2, 1, 0).toString(), QStringLiteral("OFF"));
    EXPECT_FALSE(ConvertLetter(3, 1, 0).isValid());
    EXPECT_FALSE(ConvertLetter(0, 2, 0).isValid());
}
