#include "util/property/clsProperty.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Ostrel7;

TEST(DeviceContext, EveryMemberIsSafeWithoutAPainter)
{
    clsProperty p;
    int32_t orgx = 7, orgy = 7, extx = 7, exty = 7;
    EXPECT_FALSE(p.GetWindowWidth(nullptr, orgx, orgy, extx, exty));
    EXPECT_EQ(orgx + orgy + extx + exty, 28);
    EXPECT_EQ(p.SetMapWindow(nullptr, eMM_ANISOTROPIC, 0, 0, 10, 10), 0);
    EXPECT_EQ(p.SetMapViewPort(nullptr, 0, 0, 10, 10), 0);
    EXPECT_EQ(p.apSel_DelObject(nullptr, QFont(), QFont()), 0);
    EXPECT_EQ(p.DeviceColors(nullptr), 1.0f);
}

TEST(DeviceContext, MappingModesSetTheLogicalWindow)
{
    clsProperty p;
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    EXPECT_EQ(p.DeviceColors(&painter), 16777216.0f * 256.0f);

    int32_t orgx = 0, orgy = 0, extx = 0, exty = 0;
    ASSERT_EQ(p.SetMapWindow(&painter, eMM_ANISOTROPIC, 10, 20, 1000, 500), 1);
    ASSERT_TRUE(p.GetWindowWidth(&painter, orgx, orgy, extx, exty));
    EXPECT_EQ(QRect(orgx, orgy, extx, exty), QRect(10, 20, 1000, 500));
    EXPECT_EQ(painter.combinedTransform().map(QPoint(510, 270)), QPoint(100, 50));

    EXPECT_EQ(p.SetMapWindow(&painter, eMM_ANISOTROPIC, 0, 0, 0, 10), 0); // no zero extent
    EXPECT_EQ(p.SetMapWindow(&painter, ENUM_MAPMODE(9), 0, 0, 10, 10), 0);

    // Isotropic: the larger scale is shrunk so that x and y units are alike.
    ASSERT_EQ(p.SetMapWindow(&painter, eMM_ISOTROPIC, 0, 0, 100, 100), 1);
    EXPECT_EQ(painter.viewport(), QRect(0, 0, 100, 100));

    ASSERT_EQ(p.SetMapViewPort(&painter, 0, 0, 200, 100), 1);
    ASSERT_EQ(p.SetMapWindow(&painter, eMM_TEXT, 5, 5, 999, 999), 1);
    EXPECT_EQ(painter.combinedTransform().map(QPoint(15, 25)), QPoint(10, 20));

    // Twips: 1440 to the inch and y upward.
    ASSERT_EQ(p.SetMapWindow(&painter, eMM_TWIPS, 0, 0, 0, 0), 1);
    const QPointF inch = painter.combinedTransform().map(QPointF(1440, -1440));
    EXPECT_NEAR(inch.x(), image.logicalDpiX(), 0.5);
    EXPECT_NEAR(inch.y(), image.logicalDpiY(), 0.5);

    QFont font(QStringLiteral("Serif"), 17);
    EXPECT_EQ(p.apSel_DelObject(&painter, font, QFont()), 1);
    EXPECT_EQ(painter.font().pointSize(), 17);
    EXPECT_EQ(p.apSel_DelObject(&painter, QVariant(5), QFont()), 0);
}
