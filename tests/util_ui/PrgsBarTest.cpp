#include "util/progress/clsPrgsBar.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "platform/SystemColors.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using Ostrel7::clsPrgsBar;
using testsupport::errorOf;

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kBarRed = 0x0000FF; // 0x00BBGGRR
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);

class PrgsBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        box = std::make_unique<QWidget>();
        box->resize(100, 100);
    }

    // A bar on a white square box, scaled 0..100 in both directions.
    void target()
    {
        bar.setBkClr(kWhite);
        bar.setBarClr(kBarRed);
        bar.setTarget(box.get());
        bar.setMAX(100);
    }

    QColor at(int x, int y) const { return QColor(bar.Picture().pixel(x, y)); }

    int countOf(const QColor& color) const
    {
        int n = 0;
        const QImage& img = bar.Picture();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += QColor(img.pixel(x, y)) == color;
        return n;
    }

    std::unique_ptr<QWidget> box;
    clsPrgsBar bar;
};

} // namespace

TEST_F(PrgsBarTest, HalfABarInEachDirection)
{
    // Corners: top-left, top-right, bottom-left, bottom-right.
    const struct {
        int32_t direction;
        bool tl, tr, bl, br;
    } cases[] = {
        {clsPrgsBar::ePrgsLeftToRight, true, false, true, false},
        {clsPrgsBar::ePrgsRightToLeft, false, true, false, true},
        {clsPrgsBar::ePrgsTopToBottom, true, true, false, false},
        {clsPrgsBar::ePrgsBottomToTop, false, false, true, true},
    };
    target();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.direction);
        bar.setDirection(c.direction);
        bar.setValue(50);
        EXPECT_EQ(at(5, 5), c.tl ? red : white);
        EXPECT_EQ(at(94, 5), c.tr ? red : white);
        EXPECT_EQ(at(5, 94), c.bl ? red : white);
        EXPECT_EQ(at(94, 94), c.br ? red : white);
    }
    // The edge of the bar lies exactly at the value.
    bar.setDirection(clsPrgsBar::ePrgsLeftToRight);
    bar.setValue(50);
    EXPECT_EQ(at(49, 5), red);
    EXPECT_EQ(at(50, 5), white);
}

TEST_F(PrgsBarTest, EmptyAndFullBarsWithCentredText)
{
    target();
    bar.setValue(0);
    EXPECT_EQ(bar.DrawnText(), QStringLiteral("0%"));
    EXPECT_EQ(countOf(red), 0);
    // The text is centred: its dark pixels balance around the middle.
    const QImage& img = bar.Picture();
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 50, 2);

    bar.setValue(100);
    EXPECT_EQ(bar.DrawnText(), QStringLiteral("100%"));
    EXPECT_EQ(at(0, 0), red);
    EXPECT_EQ(at(99, 99), red);
    // Black text under the bar shows inverted.
    EXPECT_GT(countOf(QColor(0, 255, 255)), 0);
}

TEST_F(PrgsBarTest, ValueIsClampedToTheRange)
{
    target();
    bar.setValue(-5);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(countOf(red), 0);
    bar.setValue(150);
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_EQ(at(99, 0), red);
}

TEST_F(PrgsBarTest, UnitTextAloneWhenTheValueIsHidden)
{
    target();
    bar.setValueVisible(false);
    bar.setValue(30);
    EXPECT_EQ(bar.DrawnText(), QStringLiteral("%"));
    bar.setValueVisible(true);
    bar.setUnitString(QStringLiteral(" pcs"));
    bar.setValue(30);
    EXPECT_EQ(bar.DrawnText(), QStringLiteral("30 pcs"));
}

TEST_F(PrgsBarTest, MaximumWithoutTargetIsToldAndWaitsForOne)
{
    testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    bar.setMAX(200);
    ASSERT_EQ(testsupport::scriptedUi().calls().size(), 1u);
    EXPECT_EQ(testsupport::scriptedUi().calls()[0].text, QStringLiteral("m_pic is not set!"));
    EXPECT_EQ(testsupport::scriptedUi().calls()[0].title, QStringLiteral("clsPrgsBar"));
    EXPECT_EQ(bar.MAX(), 200);

    bar.setBarClr(kBarRed);
    bar.setBkClr(kWhite);
    bar.setTarget(box.get());
    bar.setValue(100); // half of 200
    EXPECT_EQ(at(49, 0), red);
    EXPECT_EQ(at(50, 0), white);
}

TEST_F(PrgsBarTest, MisuseIsAnError)
{
    EXPECT_EQ(errorOf([&] { bar.setValue(10); }), platform::errObjectNotSet);
    EXPECT_EQ(errorOf([&] { bar.setTarget(nullptr); }), platform::errObjectNotSet);
    EXPECT_EQ(errorOf([&] { bar.setMAX(0); }), platform::errInvalidPropertyValue);
    EXPECT_EQ(bar.MAX(), 100);
    target();
    box.reset();
    EXPECT_EQ(errorOf([&] { bar.setValue(10); }), platform::errObjectNotSet);
}

TEST_F(PrgsBarTest, DefaultColoursAreTheSystemHighlightOnTheWindowBackground)
{
    EXPECT_EQ(static_cast<uint32_t>(bar.BarClr()), 0x8000000Du);
    EXPECT_EQ(static_cast<uint32_t>(bar.BkClr()), 0x80000005u);
    bar.setTarget(box.get());
    bar.setMAX(100);
    bar.setValue(50);
    EXPECT_EQ(at(5, 5), platform::oleColor(0x8000000Du));
    EXPECT_EQ(at(94, 5), platform::oleColor(0x80000005u));
}

TEST_F(PrgsBarTest, BarKeepsItsColourOnADarkBackground)
{
    bar.setBkClr(0x404040);
    bar.setBarClr(kBarRed);
    bar.setTarget(box.get());
    bar.setMAX(100);
    bar.setValue(50);
    EXPECT_EQ(at(5, 5), red);
    EXPECT_EQ(at(94, 5), QColor(0x40, 0x40, 0x40));
}

TEST_F(PrgsBarTest, TheBoxShowsThePicture)
{
    target();
    bar.setValue(50);
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(5, 5)), red);
    EXPECT_EQ(QColor(shown.pixel(94, 5)), white);
}
