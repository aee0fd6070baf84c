#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/Worksheet.h"
#include "platform/workbook/XlConstants.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform::workbook;
using testsupport::errorOf;

namespace {

TEST(ShapeTest, LongTextPutInPiecesEndsWhole)
{
    QString memo;
    for (int i = 0; i < 450; ++i)
        memo.append(QChar(u'a' + i % 26));
    Worksheet sheet;
    ShapeRef box = sheet.AddTextbox(msoTextOrientationHorizontal, 9.75, 100, 1000, 350);
    // The first 200 characters whole, then from every 200th position its next 200.
    box.setCharacters(memo.left(200));
    for (int p = 200; p <= memo.size(); p += 200)
        box.setCharacters(p, memo.mid(p - 1, 200));
    EXPECT_EQ(box.shape().text, memo);

    box.setCharacters(3, QStringLiteral("Z"));
    EXPECT_EQ(box.shape().text, "abZ");
    box.setCharacters(10, QStringLiteral("!")); // past the end: appended
    EXPECT_EQ(box.shape().text, "abZ!");
    EXPECT_THROW(box.setCharacters(0, QStringLiteral("x")), platform::RuntimeError);
}

TEST(ShapeTest, PictureStandsAtTheActiveCellAndMovesByPoints)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("state.bmp"));
    QImage image(12, 9, QImage::Format_RGB32);
    image.fill(Qt::white);
    ASSERT_TRUE(image.save(file, "BMP"));

    Worksheet sheet;
    sheet.Cells(3, 2).Select();
    ShapeRef picture = sheet.PicturesInsert(file);
    picture.IncrementLeft(3);
    picture.IncrementTop(2.5);
    const Shape& s = picture.shape();
    EXPECT_EQ(s.anchorRow, 3);
    EXPECT_EQ(s.anchorColumn, 2);
    EXPECT_DOUBLE_EQ(s.top, 2 * 20 * 0.75 + 2.5); // two rows of 20 pixels above
    EXPECT_DOUBLE_EQ(s.left, 64 * 0.75 + 3);      // column A, 64 pixels wide
    EXPECT_FALSE(s.pictureData.isEmpty());
    EXPECT_THROW(picture.setCharacters(QStringLiteral("x")), platform::RuntimeError);

    EXPECT_EQ(errorOf([&] { sheet.PicturesInsert(dir.filePath(QStringLiteral("missing.bmp"))); }), 1004)
        << "a missing picture";
}

TEST(ShapeTest, APictureFileIsReadOncePerSheet)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("state.bmp"));
    const auto draw = [&](int width) {
        QImage image(width, 9, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image.save(file, "BMP");
    };
    ASSERT_TRUE(draw(12));

    Worksheet sheet;
    sheet.Cells(2, 2).Select();
    const Shape& first = sheet.PicturesInsert(file).shape();
    ASSERT_TRUE(draw(24)); // the file changes while the report runs
    sheet.Cells(3, 2).Select();
    const Shape& second = sheet.PicturesInsert(file).shape();
    EXPECT_EQ(second.anchorRow, 3);
    EXPECT_EQ(second.width, first.width);
    EXPECT_EQ(second.pictureData.constData(), first.pictureData.constData()); // one content, shared

    Worksheet next; // the next report reads the file again
    EXPECT_DOUBLE_EQ(next.PicturesInsert(file).shape().width, 2 * first.width);
}

} // namespace
