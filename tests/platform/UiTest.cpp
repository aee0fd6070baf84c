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

#include "ScriptedUi.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

TEST(Ui, TheSuitesOwnDialogsAreDrivenByTheTestLikeAUser)
{
    QDialog dialog;
    dialog.setWindowTitle("Choose");
    auto* edit = new QLineEdit(&dialog);
    auto* ok = new QPushButton("OK", &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    testsupport::scriptedUi().answerDialog([&](QDialog& shown) {
        EXPECT_TRUE(shown.isVisible());
        QTest::keyClicks(edit, "table 3");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(platform::ui().runDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(edit->text(), QStringLiteral("table 3"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(testsupport::scriptedUi().calls().back().title, QStringLiteral("Choose"));

    testsupport::scriptedUi().answerDialog([](QDialog&) {}); // closed without a choice
    EXPECT_EQ(platform::ui().runDialog(dialog), QDialog::Rejected);
}
