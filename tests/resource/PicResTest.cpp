// Pictures through clsResource::PicRes and LoadBmpHandle: every picture the
// suite shows is there at its size and kind; other ids fail the way callers
// expect (nullopt, a RuntimeError 326, or a null pixmap).

#include "resource/clsResource.h"

#include "platform/RuntimeError.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using Resource::Picture;

struct IconGroup {
    int32_t id;
    std::vector<int> sides; // square images of the group
};

const IconGroup kIcons[] = {
    {2, {32}}, {3, {16}}, {6, {16, 32}}, {7, {32}}, {8, {16, 32}}, {9, {32}}, {10, {16}},
    {11, {16}}, {12, {16}}, {14, {32}}, {15, {32}}, {16, {16, 32}}, {17, {32}},
};

TEST(PicRes, IconGroupsHoldTheirSizes)
{
    const Resource::clsResource resource;
    for (const IconGroup& group : kIcons) {
        const std::optional<Picture> picture = resource.PicRes(group.id);
        ASSERT_TRUE(picture.has_value()) << group.id;
        EXPECT_EQ(picture->kind(), Picture::Kind::Icon) << group.id;
        QList<QSize> expected;
        for (int side : group.sides)
            expected << QSize(side, side);
        QList<QSize> sizes = picture->icon().availableSizes();
        std::ranges::sort(sizes, {}, &QSize::width);
        EXPECT_EQ(sizes, expected) << group.id;
        EXPECT_EQ(picture->size(), expected.back()) << group.id;
    }
}

struct BitmapCase {
    int32_t id;
    QSize size;
};

const BitmapCase kBitmaps[] = {
    {101, {19, 19}}, {104, {19, 19}}, {105, {10, 14}}, {107, {19, 19}}, {108, {20, 18}}, {109, {19, 19}},
    {110, {100, 100}}, {111, {19, 19}}, {112, {18, 14}}, {135, {19, 19}}, {136, {20, 20}}, {137, {20, 20}},
    {139, {20, 20}}, {140, {20, 20}}, {141, {20, 20}}, {142, {20, 20}}, {143, {20, 20}}, {144, {20, 20}},
    {145, {20, 20}}, {146, {20, 20}}, {147, {12, 14}}, {148, {12, 14}}, {149, {20, 18}}, {150, {20, 18}},
    {151, {20, 22}}, {158, {20, 20}}, {160, {19, 19}}, {161, {19, 19}}, {162, {19, 19}}, {163, {20, 20}},
    {164, {19, 19}},
};

TEST(PicRes, BitmapsHaveTheirSizes)
{
    const Resource::clsResource resource;
    for (const BitmapCase& bitmap : kBitmaps) {
        const std::optional<Picture> picture = resource.PicRes(bitmap.id);
        ASSERT_TRUE(picture.has_value()) << bitmap.id;
        EXPECT_EQ(picture->kind(), Picture::Kind::Bitmap) << bitmap.id;
        EXPECT_EQ(picture->bitmap().size(), bitmap.size) << bitmap.id;
    }
}

TEST(PicRes, IdsOutsidePictureRangesAreNothing)
{
    const Resource::clsResource resource;
    for (const int32_t id : {300, -100, 1000, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()})
        EXPECT_FALSE(resource.PicRes(id).has_value()) << id;
}

TEST(PicRes, MissingPictureThrowsResourceNotFound)
{
    const Resource::clsResource resource;
    // Cursors (none stored), pictures the suite never shows, gaps, and
    // negative ids that still fall in the icon range.
    for (const int32_t id : {200, 250, 299, 0, 1, 4, 5, 13, 18, 99, -1, -99, 102, 115, 138, 190, 199}) {
        try {
            resource.PicRes(id);
            ADD_FAILURE() << id << " did not throw";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errResourceNotFound) << id;
            EXPECT_EQ(e.description(), QStringLiteral("Resource with identifier '%1' not found").arg(id));
        }
    }
}

QSize gridMarkSize(int32_t id)
{
    if (id <= 168)
        return {17, 11};
    return id <= 180 ? QSize(27, 9) : QSize(9, 9);
}

bool hasDarkPixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                return true;
    return false;
}

TEST(LoadBmpHandle, StepGridMarksAreDistinctDarkOnWhite)
{
    const Resource::clsResource resource;
    std::vector<QImage> seen;
    for (int32_t id = 165; id <= 189; ++id) {
        const QImage image = resource.LoadBmpHandle(id).toImage();
        ASSERT_EQ(image.size(), gridMarkSize(id)) << id;
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << id;
        EXPECT_TRUE(hasDarkPixel(image)) << id;
        for (const QImage& other : seen)
            EXPECT_NE(image, other) << id << " looks like an earlier mark";
        seen.push_back(image);
    }
}

TEST(LoadBmpHandle, MissingBitmapIsNull)
{
    const Resource::clsResource resource;
    // No such bitmap, an icon's id, and ids far outside.
    for (const int32_t id : {115, 3, 0, -169, 250, 1169})
        EXPECT_TRUE(resource.LoadBmpHandle(id).isNull()) << id;
    EXPECT_FALSE(resource.LoadBmpHandle(110).isNull());
}

} // namespace
