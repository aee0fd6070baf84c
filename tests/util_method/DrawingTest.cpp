#include "util/method/clsMethod.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace Ostrel7;
using testsupport::errorOf;
using testsupport::scriptedUi;

namespace {

const QColor kBackground(0x12, 0x34, 0x56);

// Distinct 3D colours, so that a raised edge can't pass for a sunken one.
class DrawingTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved = QApplication::palette();
        QPalette palette = saved;
        palette.setColor(QPalette::Light, QColor(255, 255, 255));   // button highlight
        palette.setColor(QPalette::Midlight, QColor(220, 220, 220)); // 3D light
        palette.setColor(QPalette::Dark, QColor(128, 128, 128));     // button shadow
        palette.setColor(QPalette::Shadow, QColor(0, 0, 0));         // 3D dark shadow
        palette.setColor(QPalette::Button, QColor(192, 192, 192));   // button face
        QApplication::setPalette(palette);
        image = QImage(60, 60, QImage::Format_RGB32);
        image.fill(kBackground);
    }
    void TearDown() override { QApplication::setPalette(saved); }

    QColor at(int x, int y) const { return image.pixelColor(x, y); }
    static QColor system(int index) { return platform::oleColor(0x80000000u | uint32_t(index)); }

    void paint(const std::function<void(QPainter*)>& draw)
    {
        QPainter painter(&image);
        draw(&painter);
    }

    QPalette saved;
    QImage image;
    clsMethod method;
};

enum { Shadow = 16, Highlight = 20, DarkShadow = 21, Light = 22 };

} // namespace

TEST_F(DrawingTest, EdgesSitOnTheirRectangleInTheirStyle)
{
    QWidget parent;
    auto* button = new QWidget(&parent);
    button->setGeometry(20, 20, 15, 10);
    QWidget client;
    client.resize(40, 30);

    struct Case {
        const char* what;
        std::function<void(QPainter*)> draw;
        QRect outline; // outer pixels of the edge
        int topLeftOuter, bottomRightOuter, topLeftInner;
    };
    const Case cases[] = {
        {"DrawEdgeAPI raised", [&](QPainter* p) { method.DrawEdgeAPI(p, 5, 6, 25, 16, EDGE_RAISED); },
         QRect(QPoint(5, 6), QPoint(24, 15)), Light, DarkShadow, Highlight},
        {"DrawWaku without a style", [&](QPainter* p) { method.DrawWaku(p, 10, 10, 20, 20, 3); },
         QRect(QPoint(7, 7), QPoint(22, 22)), Light, DarkShadow, Highlight},
        {"DrawWaku sunken", [&](QPainter* p) { method.DrawWaku(p, 10, 10, 20, 20, 3, EDGE_SUNKEN); },
         QRect(QPoint(7, 7), QPoint(22, 22)), Shadow, Highlight, DarkShadow},
        {"DrawButtonEdge margin 0", [&](QPainter* p) { method.DrawButtonEdge(p, button, EDGE_BUMP, 0); },
         QRect(20, 20, 15, 10), Light, DarkShadow, DarkShadow},
        {"DrawButtonEdge margin 2", [&](QPainter* p) { method.DrawButtonEdge(p, button, EDGE_BUMP, 2); },
         QRect(18, 18, 19, 14), Light, DarkShadow, DarkShadow},
        {"DrawMyEdge shrunk and corrected",
         [&](QPainter* p) { method.DrawMyEdge(EDGE_ETCHED, p, &client, -2, -3, 1, 1); },
         QRect(QPoint(2, 3), QPoint(38, 27)), Shadow, Highlight, Highlight},
    };
    for (const Case& c : cases) {
        image.fill(kBackground);
        paint(c.draw);
        const QRect r = c.outline;
        EXPECT_EQ(at(r.left(), r.top()), system(c.topLeftOuter)) << c.what;
        EXPECT_EQ(at(r.left(), r.bottom() - 2), system(c.topLeftOuter)) << c.what;
        EXPECT_EQ(at(r.right(), r.bottom()), system(c.bottomRightOuter)) << c.what;
        EXPECT_EQ(at(r.left() + 1, r.top() + 1), system(c.topLeftInner)) << c.what;
        EXPECT_EQ(at(r.left() - 1, r.top()), kBackground) << c.what;
        EXPECT_EQ(at(r.right() + 1, r.bottom()), kBackground) << c.what;
        EXPECT_EQ(at(r.center().x(), r.center().y()), kBackground) << c.what;
    }
}

TEST_F(DrawingTest, SeparateLineIsADarkLineOverALightOne)
{
    paint([&](QPainter* p) { method.DrawSeparateLine(p, 5, 10, 45); });
    for (int x : {5, 44}) {
        EXPECT_EQ(at(x, 10), system(Shadow));
        EXPECT_EQ(at(x, 11), system(Highlight));
        EXPECT_EQ(at(x, 12), kBackground);
    }
    EXPECT_EQ(at(45, 10), kBackground);
    EXPECT_EQ(at(4, 10), kBackground);
}

TEST_F(DrawingTest, NoPainterDrawsNothingAndAMissingControlIsAnError)
{
    method.DrawEdgeAPI(nullptr, 0, 0, 10, 10, EDGE_RAISED);
    method.DrawSeparateLine(nullptr, 0, 0, 10);
    method.Gradate(nullptr, nullptr, 0, 0, eLeftRight);
    EXPECT_EQ(errorOf([&] { paint([&](QPainter* p) { method.DrawButtonEdge(p, nullptr, EDGE_BUMP, 2); }); }),
              platform::errObjectNotSet);
    EXPECT_EQ(errorOf([&] { method.DrawWaku(nullptr, std::numeric_limits<int32_t>::max(), 0, 0, 0, -1); }),
              platform::errOverflow);
}

TEST_F(DrawingTest, TileBitmapRepeatsFromTheTopLeftAndClips)
{
    QImage tileImage(30, 30, QImage::Format_RGB32);
    tileImage.fill(Qt::green);
    tileImage.setPixelColor(0, 0, Qt::red);
    const QPixmap tile = QPixmap::fromImage(tileImage);
    image = QImage(100, 100, QImage::Format_RGB32);
    image.fill(kBackground);
    paint([&](QPainter* p) { method.TileBitmap(p, tile); });
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(at(i * 30, i * 30), QColor(Qt::red)) << i;
    EXPECT_EQ(at(29, 29), QColor(Qt::green));
    EXPECT_EQ(at(99, 99), QColor(Qt::green));

    // A picture larger than the target is one clipped tile.
    QImage big(200, 150, QImage::Format_RGB32);
    big.fill(Qt::blue);
    paint([&](QPainter* p) { method.TileBitmap(p, QPixmap::fromImage(big)); });
    EXPECT_EQ(at(99, 99), QColor(Qt::blue));
}

TEST_F(DrawingTest, TileBitmapNeedsATargetAndAPicture)
{
    const struct {
        bool withPainter;
        QPixmap picture;
        int32_t error;
    } cases[] = {
        {false, QPixmap(4, 4), platform::errObjectNotSet},
        {true, QPixmap(), platform::errDivisionByZero},
    };
    for (const auto& c : cases) {
        const auto tile = [&](QPainter* p) { method.TileBitmap(c.withPainter ? p : nullptr, c.picture); };
        EXPECT_EQ(errorOf([&] { paint(tile); }), c.error);
    }
}

TEST_F(DrawingTest, GradateLeftToRightBandsOfOnePixel)
{
    QWidget window;
    window.resize(100, 10);
    image = QImage(120, 20, QImage::Format_RGB32);
    image.fill(kBackground);
    paint([&](QPainter* p) { method.Gradate(&window, p, 0x000000FF, 0x00FF0000, eLeftRight); });
    EXPECT_EQ(at(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(at(1, 9), QColor(255, 0, 0)); // the second band keeps the start colour
    EXPECT_EQ(at(50, 5), QColor(130, 0, 125)); // colour of position 49
    EXPECT_EQ(at(99, 0), QColor(5, 0, 250));
    EXPECT_EQ(at(100, 0), kBackground); // outside the client area
    EXPECT_EQ(at(0, 10), kBackground);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(DrawingTest, GradateTopToBottomWithWiderBandsAndASystemStartColour)
{
    QWidget window;
    window.resize(10, 600); // 600 / 255 rounds to bands of 2 pixels
    image = QImage(10, 600, QImage::Format_RGB32);
    paint([&](QPainter* p) { method.Gradate(&window, p, 0x8000000F, 0x00000000, eTopBottom); });
    const QColor face = platform::oleColor(0x8000000F);
    for (int y : {0, 1, 2, 3})
        EXPECT_EQ(at(5, y), face) << y;
    EXPECT_NE(at(5, 4), face);
    EXPECT_EQ(at(5, 4), at(5, 5));
    EXPECT_EQ(at(5, 599), QColor(1, 1, 1)); // colour of position 596
}

TEST_F(DrawingTest, GradationOfAnEmptyAreaIsQuietAndABadDirectionIsReported)
{
    QWidget empty;
    empty.resize(0, 0);
    paint([&](QPainter* p) { method.Gradate(&empty, p, 0x000000FF, 0, eLeftRight); });
    EXPECT_TRUE(scriptedUi().calls().empty());
    EXPECT_EQ(at(0, 0), kBackground);

    QWidget window;
    window.resize(20, 20);
    scriptedUi().answerMessageBox(platform::vbOK);
    paint([&](QPainter* p) { method.Gradate(&window, p, 0x000000FF, 0, ENUM_GradeDirection(7)); });
    ASSERT_EQ(scriptedUi().calls().size(), 1u);
    EXPECT_TRUE(scriptedUi().calls()[0].text.startsWith("DrawGradation\r\n"));
    EXPECT_EQ(at(19, 19), QColor(255, 0, 0)); // filled with the start colour
}
