#include "dialogs/mMOD.h"

#include "ScriptedUi.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using namespace Sorvi27;
using testsupport::scriptedUi;

TEST(DialogMessages, TextsAreBuiltFromTheCatalogue)
{
    const struct {
        int16_t number;
        const char* text;
    } cases[] = {
        {40, "Value is out of range.\r\n\r\nMIN = 1\r\n\r\nMAX = 192"},
        {58, "You enter Edit mode.\r\n\r\nClick Update to update changes.\r\n\r\nClick Cancel to cancel changes."},
        {2, "Failed to read registry."},
        {67, "Failed to save data."},
        {99, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mMOD::MessageText(c.number), QString::fromUtf8(c.text)) << c.number;

    EXPECT_EQ(mMOD::MessageText(6, QStringLiteral("/home/u/QELMFUNC.xlsx")),
              QStringLiteral("Excel file is created in the following folder.\r\n\r\n/home/u/QELMFUNC.xlsx"));
    EXPECT_TRUE(mMOD::MessageText(63, QStringLiteral("x.stg")).endsWith(QStringLiteral("\r\n\r\nx.stg")));
    EXPECT_THROW(mMOD::MessageText(64), platform::RuntimeError); // the extra text is required
}

TEST(DialogMessages, KindsChooseIconButtonsAndAnswers)
{
    const struct {
        int16_t kind;
        int32_t style;
        bool answers;
    } cases[] = {{1, 16, false}, {2, 48, false}, {3, 36, true},  {4, 64, false},
                 {5, 20, true},  {6, 35, true},  {7, 292, true}, {8, 52, true}};
    for (const auto& c : cases) {
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbNo);
        const QVariant answer = mMOD::ShowMessage(70, c.kind);
        ASSERT_EQ(scriptedUi().calls().size(), 1u);
        EXPECT_EQ(scriptedUi().calls()[0].style, c.style) << c.kind;
        EXPECT_EQ(scriptedUi().calls()[0].title, QStringLiteral("Sorvi27"));
        EXPECT_EQ(answer.isValid(), c.answers) << c.kind;
        if (c.answers) {
            EXPECT_EQ(answer.toInt(), platform::vbNo);
        }
    }
    scriptedUi().reset();
    EXPECT_FALSE(mMOD::ShowMessage(2, 9).isValid()); // an unknown kind shows nothing
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST(DialogMessages, AnUnknownNumberStillShowsItsBox)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(mMOD::ShowMessage(99, 2).isValid());
    EXPECT_EQ(scriptedUi().calls().at(0).text, QString());
    EXPECT_EQ(scriptedUi().calls().at(0).style, platform::vbExclamation);
}
