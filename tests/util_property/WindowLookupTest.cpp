#include "util/property/clsProperty.h"

#include "ScriptedUi.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTreeWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace Ostrel7;
using testsupport::scriptedUi;

namespace {

// A window that refuses every close request.
class StubbornWindow : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

class WindowLookup : public testing::Test {
protected:
    void SetUp() override
    {
        editor.setWindowTitle(QStringLiteral("Step Editor - demo.stp"));
        setting.setWindowTitle(QStringLiteral("Setting"));
        editor.show();
        setting.show();
    }

    clsProperty p;
    QWidget editor;
    QWidget setting;
};

} // namespace

TEST_F(WindowLookup, CaptionsMatchExactlyOrByContainedText)
{
    const struct {
        const char* caption;
        bool included;
        QWidget* expected;
    } cases[] = {
        {"Setting", false, &setting},
        {"Step Editor - demo.stp", false, &editor},
        {"Step Editor", false, nullptr},
        {"Step Editor", true, &editor},
        {"demo.stp", true, &editor},
        {"step editor", true, nullptr}, // same letter case only
        {"Nowhere", true, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(p.GetWindowHandleByCaptionOnly(QString::fromLatin1(c.caption), c.included), c.expected)
            << c.caption << " " << c.included;
}

TEST_F(WindowLookup, FocusByCaptionShowsTheWindow)
{
    setting.hide();
    EXPECT_EQ(p.SetFocusByCaption(QStringLiteral("Setting"), SW_SHOWNORMAL), 1);
    EXPECT_TRUE(setting.isVisible());
    EXPECT_EQ(p.SetFocusByCaption(QStringLiteral("Set"), SW_SHOWNORMAL), 0);
    EXPECT_EQ(p.SetFocusByCaption(QStringLiteral("Setting"), ENUM_SW(99)), 0);
}

TEST_F(WindowLookup, CloseAppByCaptionAndByHandle)
{
    EXPECT_EQ(p.CloseApp(QStringLiteral("Missing"), eBY_CAPTION), -2);
    EXPECT_EQ(p.CloseApp(QStringLiteral("Setting"), eBY_CAPTION), 1);
    EXPECT_FALSE(setting.isVisible());
    EXPECT_TRUE(editor.isVisible());

    auto gone = std::make_unique<QWidget>();
    const QVariant handle = QVariant::fromValue(gone.get());
    gone.reset();
    EXPECT_EQ(p.CloseApp(handle, eBY_HWND), 0);
    EXPECT_EQ(p.CloseApp(QVariant::fromValue(&editor), eBY_HWND), 1);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(WindowLookup, CloseAppIncludedAsksEveryMatchingWindowOnce)
{
    StubbornWindow stubborn;
    stubborn.setWindowTitle(QStringLiteral("Step Editor - other.stp"));
    stubborn.show();
    EXPECT_EQ(p.CloseApp(QStringLiteral("Step Editor"), eBY_CAPTION, true), -2);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(stubborn.isVisible());
    EXPECT_TRUE(setting.isVisible());
}

TEST_F(WindowLookup, WindowPriorityKeepsPositionAndSize)
{
    const QRect before(40, 50, 320, 200);
    setting.setGeometry(before);
    EXPECT_TRUE(p.SetWindowPriority(&setting, eHWND_TOPMOST));
    EXPECT_TRUE(setting.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(setting.geometry(), before);
    EXPECT_TRUE(setting.isVisible());
    EXPECT_TRUE(p.SetWindowPriority(&setting, eHWND_NOTTOPMOST));
    EXPECT_FALSE(setting.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(setting.geometry(), before);
    EXPECT_FALSE(p.SetWindowPriority(nullptr, eHWND_TOPMOST));
}

TEST_F(WindowLookup, WidgetQueries)
{
    QPlainTextEdit text(&setting);
    text.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text.show();
    EXPECT_TRUE(p.ExistsVSCROLL(&text));
    text.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(p.ExistsVSCROLL(&text));
    EXPECT_FALSE(p.ExistsVSCROLL(&setting));

    QTreeWidget tree(&setting);
    tree.header()->setSectionsClickable(true);
    EXPECT_EQ(p.SetFlatHeader(&tree) & 2, 2);
    EXPECT_FALSE(tree.header()->sectionsClickable());
    EXPECT_EQ(p.SetFlatHeader(&tree) & 2, 0);
    EXPECT_EQ(p.SetFlatHeader(&setting), 0);

    EXPECT_TRUE(p.ChangeIMEMode(&text, eIME_OFF));
    EXPECT_FALSE(text.testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(p.ChangeIMEMode(nullptr, eIME_ON));
    EXPECT_FALSE(p.msgIsComboBoxOpend(&text));
}

TEST_F(WindowLookup, ScreenMetrics)
{
    EXPECT_GT(p.CrtResolution(), 0);
    EXPECT_GT(p.GetVScrollWidth(), 0);
    EXPECT_GE(p.GetDlgBorderHeight(), 0);
    EXPECT_GT(p.WindowTitleHeight(), 0);
    EXPECT_FALSE(p.GetFontName(eFONT_MESSAGEBOX).isEmpty());
}
