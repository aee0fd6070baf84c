#include "platform/QtUi.h"
#include "platform/Ui.h"

#include <gtest/gtest.h>

TEST(Ui, StyleFlagsDecodeIntoButtonsIconAndDefault)
{
    const int32_t style = platform::vbYesNoCancel | platform::vbQuestion | platform::vbDefaultButton2;
    EXPECT_EQ(platform::msgButtons(style), platform::vbYesNoCancel);
    EXPECT_EQ(platform::msgIcon(style), platform::vbQuestion);
    EXPECT_EQ(platform::msgDefaultButton(style), 2);
    EXPECT_EQ(platform::msgDefaultButton(platform::vbOKOnly), 1);
}

TEST(Ui, LineBreaksBecomeNewlinesOnlyForDisplay)
{
    EXPECT_EQ(platform::displayText("a\r\n\r\nb\rc"), QStringLiteral("a\n\nb\nc"));
}

TEST(Ui, FileFiltersTranslateToQtForm)
{
    EXPECT_EQ(platform::qtFileFilter("Table (*.etb)|*.etb;*.stg|All|*.*"),
              QStringLiteral("Table (*.etb) (*.etb *.stg);;All (*.*)"));
}
