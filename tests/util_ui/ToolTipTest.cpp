#include "util/tooltip/clsToolTip.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using Ostrel7::clsToolTip;

namespace {

class ToolTipTest : public testing::Test {
protected:
    void SetUp() override
    {
        grid = std::make_unique<QWidget>();
        grid->resize(200, 100);
        cell = new QWidget(grid.get()); // a child the pointer can rest on, like a grid's viewport
        cell->setGeometry(0, 50, 200, 50);
    }

    void moveTo(QWidget* widget, QPoint pos)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    bool tipShows(const clsToolTip& tt) const { return tt.tipWindow() && tt.tipWindow()->isVisible(); }

    // The parameter window's set-up of its grid tooltip.
    void setUpAsParameterWindow(clsToolTip& tt)
    {
        ASSERT_TRUE(tt.Create(grid.get()));
        ASSERT_TRUE(tt.Add(1, QString()));
        tt.setBackColor(0xFF0000);
        tt.setForeColor(0xFFFFFF);
        tt.setInitialTime(0);
        tt.setMaxWidth(320);
        tt.SetMargin(2, 3, 2, 3);
        tt.setAutoPopTime(50000);
    }

    std::unique_ptr<QWidget> grid;
    QWidget* cell = nullptr;
};

} // namespace

TEST_F(ToolTipTest, BeforeCreateNothingIsBound)
{
    clsToolTip tt;
    EXPECT_FALSE(tt.Add(1, QStringLiteral("x")));
    tt.setInitialTime(100);
    EXPECT_EQ(tt.InitialTime(), 0);
    EXPECT_EQ(tt.BackColor(), 0);
    EXPECT_EQ(tt.ToolCount(), 0);
    EXPECT_FALSE(tt.Create(nullptr));
    EXPECT_EQ(tt.tipWindow(), nullptr);
}

TEST_F(ToolTipTest, ToolRectanglesAndMargins)
{
    clsToolTip tt;
    ASSERT_TRUE(tt.Create(grid.get()));
    ASSERT_TRUE(tt.Add(1));
    ASSERT_TRUE(tt.Add(2, QStringLiteral("b"), 0, 0, 10, 0));
    EXPECT_EQ(tt.ToolCount(), 2);
    const struct {
        int32_t key, which, expected;
    } sides[] = {
        {1, clsToolTip::eTIMarginLeft, 0},  {1, clsToolTip::eTIMarginTop, 0},    {1, clsToolTip::eTIMarginRight, 200},
        {1, clsToolTip::eTIMarginBottom, 100}, {2, clsToolTip::eTIMarginRight, 10}, {2, clsToolTip::eTIMarginBottom, 0},
        {1, 5, 0}, {9, clsToolTip::eTIMarginRight, 0},
    };
    for (const auto& s : sides)
        EXPECT_EQ(tt.GetBoundingRect(s.key, s.which), s.expected) << "key " << s.key << " side " << s.which;

    tt.SetBoundingRect(2, 1, 2, 3, 4);
    EXPECT_EQ(tt.GetBoundingRect(2, clsToolTip::eTIMarginBottom), 4);

    tt.SetMargin(2, 3, 4, 5);
    EXPECT_EQ(tt.GetMargin(clsToolTip::eTIMarginLeft), 2);
    EXPECT_EQ(tt.GetMargin(clsToolTip::eTIMarginBottom), 5);
    EXPECT_EQ(tt.GetMargin(5), 0);

    tt.Remove(1);
    EXPECT_EQ(tt.ToolCount(), 1);
    EXPECT_EQ(tt.GetBoundingRect(1, clsToolTip::eTIMarginRight), 0);
}

TEST_F(ToolTipTest, DelaysAndWidthReadBackAsSet)
{
    clsToolTip tt;
    ASSERT_TRUE(tt.Create(grid.get()));
    EXPECT_EQ(tt.MaxWidth(), -1);
    EXPECT_GT(tt.AutoPopTime(), 0);
    tt.setInitialTime(0);
    tt.setAutoPopTime(50000);
    tt.setReShowTime(70000); // beyond 16 bits: kept whole
    tt.setMaxWidth(320);
    EXPECT_EQ(tt.InitialTime(), 0);
    EXPECT_EQ(tt.AutoPopTime(), 50000);
    EXPECT_EQ(tt.ReShowTime(), 70000);
    EXPECT_EQ(tt.MaxWidth(), 320);
    tt.setInitialTime(-1);
    EXPECT_GT(tt.InitialTime(), 0);
}

TEST_F(ToolTipTest, ShowsTheToolTextInItsColoursWhereThePointerRests)
{
    clsToolTip tt;
    setUpAsParameterWindow(tt);
    EXPECT_EQ(tt.BackColor(), 0xFF0000);
    EXPECT_EQ(tt.ForeColor(), 0xFFFFFF);

    moveTo(cell, {20, 10});
    EXPECT_FALSE(tipShows(tt)) << "an empty text shows no tip";

    tt.setToolText(1, QStringLiteral("Detailed advice"));
    ASSERT_TRUE(tipShows(tt));
    QLabel* tip = tt.tipWindow();
    EXPECT_EQ(tip->text(), QStringLiteral("Detailed advice"));
    EXPECT_EQ(tip->palette().color(QPalette::Window), QColor(0, 0, 255)); // &HFF0000 is blue
    EXPECT_EQ(tip->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(tip->contentsMargins(), QMargins(2, 3, 2, 3));
    // Inside the top margin the tip is painted in its back colour.
    const QImage shot = tip->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() / 2, 2)), QColor(0, 0, 255));

    tt.setToolText(1, QString());
    EXPECT_FALSE(tipShows(tt));

    tt.setToolText(7, QStringLiteral("never added"));
    EXPECT_FALSE(tipShows(tt));
    EXPECT_EQ(tt.ToolCount(), 1);

    tt.Remove(1);
    EXPECT_EQ(tt.ToolCount(), 0);
}

TEST_F(ToolTipTest, LongTextsWrapAtTheMaximumWidth)
{
    clsToolTip tt;
    setUpAsParameterWindow(tt);
    tt.setToolText(1, QStringLiteral("advice ").repeated(40));
    moveTo(grid.get(), {20, 10});
    ASSERT_TRUE(tipShows(tt));
    const QLabel* tip = tt.tipWindow();
    EXPECT_TRUE(tip->wordWrap());
    EXPECT_LE(tip->width(), 320 + 2 + 2 + 2 * tip->frameWidth());
    EXPECT_GT(tip->height(), 2 * tip->fontMetrics().height());
}

TEST_F(ToolTipTest, TheTipLeavesWithThePointerAndStaysOffWhenDeactivated)
{
    clsToolTip tt;
    setUpAsParameterWindow(tt);
    tt.SetBoundingRect(1, 0, 0, 100, 100);
    tt.setToolText(1, QStringLiteral("advice"));
    moveTo(grid.get(), {20, 10});
    ASSERT_TRUE(tipShows(tt));
    moveTo(grid.get(), {150, 10});
    EXPECT_FALSE(tipShows(tt));

    tt.setActivate(false);
    moveTo(grid.get(), {20, 10});
    EXPECT_FALSE(tipShows(tt));
    tt.setActivate(true);
    moveTo(grid.get(), {21, 10});
    EXPECT_TRUE(tipShows(tt));
}

TEST_F(ToolTipTest, TrackedTipGoesWhereItIsPut)
{
    clsToolTip tt;
    ASSERT_TRUE(tt.Create(grid.get()));
    ASSERT_TRUE(tt.Add(3, QStringLiteral("tracked")));
    tt.ToolTrackPosition(300, 400);
    tt.setToolTrack(3, true);
    ASSERT_TRUE(tipShows(tt));
    EXPECT_EQ(tt.tipWindow()->pos(), QPoint(300, 400));
    tt.ToolTrackPosition(310, 420);
    EXPECT_EQ(tt.tipWindow()->pos(), QPoint(310, 420));
    tt.setToolTrack(3, false);
    EXPECT_FALSE(tipShows(tt));
}

TEST_F(ToolTipTest, ParentGoneLeavesNothingBound)
{
    clsToolTip tt;
    ASSERT_TRUE(tt.Create(grid.get()));
    ASSERT_TRUE(tt.Add(1, QStringLiteral("x")));
    grid.reset();
    EXPECT_EQ(tt.tipWindow(), nullptr);
    EXPECT_EQ(tt.ToolCount(), 0);
    EXPECT_FALSE(tt.Add(2));
}
