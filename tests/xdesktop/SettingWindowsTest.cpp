// The setting program's windows as the window manager and the user's
// arrangement place them, and the window manager's close of the main window.

#include "SettingDesktopFixture.h"

#include "platform/MessageKinds.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>

using namespace testsupport;
using QelmSet::fParam;

namespace xdesktop {

// The main window as the program starts and shows it, its size and place its own.
class SettingMainFrame : public settingtest::MainWindowFixture {
protected:
    void SetUp() override
    {
        XDESKTOP_SKIP_WITHOUT_X_SERVER();
        QApplication::setQuitOnLastWindowClosed(false);
        MainWindowFixture::SetUp();
    }
};

TEST_F(SettingMainFrame, TheFramedMainWindowLiesOnTheScreen)
{
    ASSERT_TRUE(start());
    window().show();
    ASSERT_TRUE(waitUntilFramed(window()));
    expectFrameOnScreen(window());
}

using SettingWindows = SettingDesktopFixture;

TEST_F(SettingWindows, ClosingTheMainWindowFromItsFrameAsksAboutAnUnsavedEditAndCancelKeepsIt)
{
    fParam* w = open(settingtest::itemTiming);
    ASSERT_NE(w, nullptr);
    const int32_t row = rowOf(*w, "M06"); // 0 to 255
    ASSERT_GT(row, 0);
    const QString edited = text(*w, "M06", fParam::colUser) == QLatin1String("1") ? QStringLiteral("2")
                                                                                   : QStringLiteral("1");
    w->grid().data().Select(row, fParam::colUser);
    w->grid().EditCell();
    w->grid().setEditText(edited);
    ASSERT_TRUE(w->grid().commitEdit());
    ASSERT_TRUE(w->IsChanged());

    scriptedUi().answerMessageBox(platform::vbCancel);
    closeFromFrame(window());
    EXPECT_TRUE(QTest::qWaitFor([] { return !scriptedUi().callsOf(UiCall::MessageBox).empty(); }, 5000))
        << "no question about the unsaved edit";
    QTest::qWait(100); // a close that goes on anyway has happened by now
    const auto asked = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].text.contains(QLatin1String("Do you save it"))) << asked[0].text.toStdString();
    EXPECT_EQ(platform::msgButtons(asked[0].style), platform::vbYesNoCancel);

    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(windowOf(w->Tag()), w);
    EXPECT_TRUE(w->IsChanged());
    EXPECT_EQ(text(*w, "M06", fParam::colUser), edited);
}

TEST_F(SettingWindows, TileHorizontallyStacksTheWindowsFullWidthInsideTheArea)
{
    QMdiArea& mdi = window().mdiArea();
    for (const settingtest::MenuItem item : {settingtest::itemSpeed, settingtest::itemTrim, settingtest::itemFeed}) {
        ASSERT_NE(open(item), nullptr);
        const auto frames = mdi.subWindowList();
        if (frames.size() < 2)
            continue;
        SCOPED_TRACE(testing::Message() << frames.size() << " windows");
        window().toolKey(QStringLiteral("keyWARRANGE"))->trigger();
        QApplication::processEvents();
        // The viewport as it is after the arrangement: a scroll bar shown for
        // windows that cannot all fit takes its width.
        const QRect area = mdi.viewport()->rect();
        std::vector<QRect> placed;
        for (const QMdiSubWindow* frame : frames)
            placed.push_back(frame->geometry());
        std::sort(placed.begin(), placed.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
        for (size_t i = 0; i < placed.size(); ++i) {
            const QRect& r = placed[i];
            EXPECT_EQ(r.left(), area.left()) << "window " << i;
            EXPECT_EQ(r.width(), area.width()) << "window " << i;
            if (i > 0) {
                EXPECT_GT(r.top(), placed[i - 1].bottom()) << "window " << i << " overlaps the one above";
            }
        }
        EXPECT_EQ(placed.front().top(), area.top());
        // Every window is inside the area, or within reach of its scroll bar.
        const int overflow = placed.back().bottom() - area.bottom();
        if (overflow > 0) {
            EXPECT_TRUE(mdi.verticalScrollBar()->isVisible());
            EXPECT_GE(mdi.verticalScrollBar()->maximum(), overflow);
        }
    }
}

} // namespace xdesktop
