// The main window's surface: its status bar, the arrangement of the editing
// windows inside the MDI area, and the pictures on their title bars.

#include "MainWindowFixture.h"

#include "datamodel/common/Enums.h"
#include "resource/clsResource.h"
#include "setting/EditingWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace testsupport;
using settingtest::MainWindowFixture;

class MainWindowLayout : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        loadDemoTables();
    }

    void showAt(const QSize& size)
    {
        window().resize(size);
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }

    QMdiArea& area() { return window().mdiArea(); }
    QList<QMdiSubWindow*> frames() { return area().subWindowList(); }

    // Opens parameter windows by their menu items, a customize window, and
    // (with Shift and Ctrl held) the pitch window, as a user does.
    void openParameters(std::initializer_list<int> items)
    {
        for (int item : items)
            window().mnuParamContent(item)->trigger();
    }
    void openCustomize(int item) { window().mnuCustomize().actions()[item - 1]->trigger(); }
    void openPitch()
    {
        window().heldModifiers = [] { return Qt::ShiftModifier | Qt::ControlModifier; };
        scriptedUi().answerMessageBox(platform::vbYes);
        window().toolKey(QStringLiteral("keyOKURIPARAM"))->trigger();
    }

    // Each window as wide as the area, the next right below the one before.
    void expectStacked()
    {
        QCoreApplication::processEvents(); // the area shows or hides its scroll bars
        const QRect viewport = area().viewport()->rect();
        int top = 0;
        for (QMdiSubWindow* frame : frames()) {
            SCOPED_TRACE(frame->widget()->objectName().toStdString());
            EXPECT_EQ(frame->geometry().left(), 0);
            EXPECT_EQ(frame->geometry().top(), top);
            EXPECT_EQ(frame->width(), viewport.width());
            EXPECT_GE(frame->height(), frame->minimumSizeHint().height());
            top = frame->geometry().bottom() + 1;
        }
        EXPECT_FALSE(area().horizontalScrollBar()->isVisible());
    }
};

TEST_F(MainWindowLayout, StatusBarLiesBelowTheArea)
{
    showAt(QSize(1280, 800));
    auto* sBar = window().findChild<QStatusBar*>(QStringLiteral("sBar"));
    ASSERT_NE(sBar, nullptr);
    EXPECT_EQ(window().statusBar(), sBar);
    EXPECT_EQ(&window().sBar(), sBar);
    auto* panel = sBar->findChild<QLabel*>(QStringLiteral("keyMSG"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    // The editing windows fit between the toolbars and the status bar.
    const QRect areaRect = area().geometry();
    EXPECT_EQ(areaRect.bottom() + 1, sBar->geometry().top());
    EXPECT_EQ(sBar->geometry().bottom(), window().rect().bottom());
}

TEST_F(MainWindowLayout, WindowsOpenedFromTheMenusStackInsideTheArea)
{
    showAt(QSize(1280, 800));
    openParameters({4, 5});
    ASSERT_EQ(frames().size(), 2);
    expectStacked();
    // Two windows fit at half the height each: nothing to scroll.
    EXPECT_FALSE(area().verticalScrollBar()->isVisible());
    EXPECT_EQ(frames().last()->geometry().bottom(), area().viewport()->rect().bottom());
    EXPECT_EQ(frames()[0]->height(), area().viewport()->height() / 2);

    openCustomize(5);
    openPitch();
    ASSERT_EQ(frames().size(), 4);
    expectStacked();
    grabIfAsked(window(), QStringLiteral("set_main_1280x800.png"));
}

TEST_F(MainWindowLayout, WindowsThatDoNotFitAtTheirLeastHeightScroll)
{
    showAt(QSize(800, 600));
    openParameters({4, 5, 6});
    openCustomize(1);
    ASSERT_EQ(frames().size(), 4);
    expectStacked();
    EXPECT_TRUE(area().verticalScrollBar()->isVisible());
    for (QMdiSubWindow* frame : frames())
        EXPECT_EQ(frame->height(), frame->minimumSizeHint().height());
    // The least height shows every button of the window's button bar.
    const QWidget* bar = frames()[0]->widget()->findChild<QWidget*>(QStringLiteral("picCMD"));
    const QWidget* lastButton = bar->findChild<QWidget*>(QStringLiteral("BTN5"));
    EXPECT_LE(lastButton->geometry().bottom(), bar->height());
    grabIfAsked(window(), QStringLiteral("set_main_800x600.png"));

    // Scrolled down, moved about, and arranged again: the stack starts at the top.
    area().verticalScrollBar()->setValue(area().verticalScrollBar()->maximum());
    frames()[1]->move(200, 150);
    window().toolKey(QStringLiteral("keyWARRANGE"))->trigger();
    expectStacked();
    EXPECT_EQ(area().verticalScrollBar()->value(), area().verticalScrollBar()->minimum());

    // Closing windows until they fit takes the scroll bar away at the next arrangement.
    frames()[3]->close();
    frames()[2]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window().toolKey(QStringLiteral("keyWARRANGE"))->trigger();
    ASSERT_EQ(frames().size(), 2);
    expectStacked();
    EXPECT_FALSE(area().verticalScrollBar()->isVisible());
}

TEST_F(MainWindowLayout, EditingWindowsShowTheirPictureOnTheTitleBar)
{
    showAt(QSize(1280, 800));
    openParameters({4});
    openCustomize(1);
    openPitch();
    const QImage expected = Resource::clsResource().PicRes(3)->icon().pixmap(16, 16).toImage();
    ASSERT_EQ(frames().size(), 3);
    for (QMdiSubWindow* frame : frames()) {
        SCOPED_TRACE(frame->widget()->objectName().toStdString());
        EXPECT_EQ(frame->windowIcon().pixmap(16, 16).toImage(), expected);
    }
}
