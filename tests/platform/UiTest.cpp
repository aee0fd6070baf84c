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

#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

TEST(SystemColors, StoredColoursAreBlueGreenRedAndSystemColoursFollowThePalette)
{
    EXPECT_EQ(platform::oleColor(0x00FF0000), QColor(0, 0, 255)); // blue, not red
    EXPECT_EQ(platform::oleColor(0x000080FF), QColor(255, 128, 0));
    EXPECT_EQ(platform::toOleColor(QColor(255, 128, 0)), 0x000080FFu);
    EXPECT_EQ(platform::oleColor(0x8000000D), QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(platform::oleColor(0x80000005), QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
}
