// The main window's tiled background.

#include "MainWindowFixture.h"

#include "resource/clsResource.h"
#include "setting/mFormTiledBitmap.h"

#include <QImage>
#include <QMdiArea>

using settingtest::MainWindowFixture;

class TiledBackground : public MainWindowFixture {};

TEST_F(TiledBackground, TilesPicture110FromTheTopLeft)
{
    ASSERT_TRUE(start());
    QMdiArea& area = window().mdiArea();
    area.resize(250, 250);
    const QImage tile = Resource::clsResource().PicRes(110)->bitmap().toImage();
    const QImage shown = area.viewport()->grab().toImage();
    ASSERT_GT(tile.width(), 0);
    // The same tile pixel recurs a tile's width and height further on, up to the edge.
    for (const QPoint p : {QPoint(3, 5), QPoint(tile.width() + 3, 5), QPoint(3, tile.height() + 5),
                           QPoint(2 * tile.width() + 3, 2 * tile.height() + 5)}) {
        if (p.x() >= shown.width() || p.y() >= shown.height())
            continue;
        EXPECT_EQ(shown.pixelColor(p), tile.pixelColor(3, 5)) << p.x() << "," << p.y();
    }
}

TEST_F(TiledBackground, OnlyABitmapIsTiledAndRemovingTwiceIsHarmless)
{
    ASSERT_TRUE(start());
    QMdiArea& area = window().mdiArea();
    const QBrush tiledBrush = area.background();
    EXPECT_EQ(tiledBrush.style(), Qt::TexturePattern);

    QelmSet::mFormTiledBitmap::RemoveTiledBackground();
    EXPECT_NE(area.background().style(), Qt::TexturePattern);
    QelmSet::mFormTiledBitmap::RemoveTiledBackground();
    EXPECT_NE(area.background().style(), Qt::TexturePattern);

    // Picture 2 is an icon.
    EXPECT_FALSE(QelmSet::mFormTiledBitmap::SetTiledBackground(*Resource::clsResource().PicRes(2), area));
    EXPECT_NE(area.background().style(), Qt::TexturePattern);
}
