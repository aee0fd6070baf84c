// The step grid's own drawing: the picture of a code in its cell, the text
// of cells without one, a picture that can't be loaded, and names narrowed
// to their column.

#include "StepCellFixture.h"

#include "stepeditor/grid/StepCellPainter.h"

#include "platform/SystemColors.h"
#include "resource/clsResource.h"

#include <QCoreApplication>
#include <QImage>
#include <QMap>

#include <algorithm>
#include <cstdlib>
#include <vector>

using QelmStp::StepCellPainter;

namespace {

class StepCellPainterTest : public steptest::StepCellFixture {
protected:
    void SetUp() override
    {
        StepCellFixture::SetUp();
        painter.loadBitmap = [this](int32_t id) {
            ++loads[id];
            return missing.contains(id) ? QPixmap() : Resource::clsResource().LoadBmpHandle(id);
        };
        painter.attach();
        QFont font = grid().Font();
        font.setFamily(StepCellPainter::kGridFontFamily);
        grid().setFont(font);
        fg.resize(1900, 1000);
        grid().Select(1, 1); // the current cell's dotted frame stays out of the cells looked at
    }

    QImage shot() { return fg.viewport()->grab().toImage(); }

    // The pixels of the cell's inside (its grid lines left out) that are not its background.
    static int inkIn(const QImage& image, const QRect& cell, uint32_t back)
    {
        int ink = 0;
        const QRgb background = platform::oleColor(back).rgb();
        for (int y = cell.top(); y < cell.bottom(); ++y)
            for (int x = cell.left(); x < cell.right(); ++x)
                ink += image.pixel(x, y) != background ? 1 : 0;
        return ink;
    }

    StepCellPainter painter{fg, reporter};
    QMap<int32_t, int> loads;
    QSet<int32_t> missing;
};

TEST_F(StepCellPainterTest, ACodeCellShowsItsPictureAtItsTopLeft)
{
    const struct {
        int col;
        const char* text;
        int32_t id;
    } cases[] = {{3, "4", 173}, {6, "0", 165}, {7, "2", 183}, {10, "5", 186}};
    fillRow(2, {{2, "Y1"}, {3, "4"}, {5, "X1"}, {6, "0"}, {7, "2"}, {8, "X2"}, {10, "5"}});
    const QImage image = shot();
    for (const auto& c : cases) {
        const QRect cell = fg.cellRect(2, c.col);
        const QImage picture = Resource::clsResource().LoadBmpHandle(c.id).toImage();
        const QRgb back = platform::oleColor(grid().CellBackColor(2, c.col)).rgb();
        int strokes = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb expected = picture.pixel(x, y) == qRgb(255, 255, 255) ? back : picture.pixel(x, y);
                EXPECT_EQ(image.pixel(cell.left() + 5 + x, cell.top() + 2 + y), expected) << c.col << " " << x << "," << y;
                strokes += expected != back ? 1 : 0;
            }
        // Nothing but the picture: the number itself is not written.
        EXPECT_EQ(inkIn(image, cell, grid().CellBackColor(2, c.col)), strokes) << c.col;
    }
}

TEST_F(StepCellPainterTest, PicturesAreDecodedOnceAndAMissingOneIsReportedOnceAfterThePaint)
{
    missing = {171}; // NOT
    fillRow(3, {{2, "Y1"}, {3, "2"}, {5, "X1"}, {6, "1"}, {8, "X2"}, {9, "***"}});
    fillRow(4, {{2, "Y1"}, {3, "2"}, {5, "X1"}, {6, "1"}});
    testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    QImage image = shot();
    EXPECT_TRUE(takeMessages().isEmpty()); // nothing opens while the grid paints
    QCoreApplication::processEvents();
    image = shot();
    QCoreApplication::processEvents();
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("DrawBmp"))) << messages[0].toStdString();
    EXPECT_EQ(loads.value(171), 1);
    EXPECT_EQ(loads.value(166), 1);
    // The cell of the missing picture and the "***" cell show their text.
    EXPECT_GT(inkIn(image, fg.cellRect(3, 3), grid().CellBackColor(3, 3)), 0);
    EXPECT_GT(inkIn(image, fg.cellRect(3, 9), grid().CellBackColor(3, 9)), 0);
    // An empty code cell shows nothing.
    EXPECT_EQ(inkIn(image, fg.cellRect(4, 7), grid().CellBackColor(4, 7)), 0);
}

TEST_F(StepCellPainterTest, ANameWiderThanItsColumnIsNarrowedNotCut)
{
    fillRow(5, {{2, "CLAMP_ON"}, {5, "TRIM_ON"}, {8, "SEWING"}, {11, "PEDAL_B"}});
    const QImage image = shot();
    for (int col : {2, 5, 8, 11}) {
        const QRect cell = fg.cellRect(5, col);
        const QRgb back = platform::oleColor(grid().CellBackColor(5, col)).rgb();
        auto columnHasInk = [&](int x) {
            for (int y = cell.top(); y < cell.bottom(); ++y)
                if (image.pixel(x, y) != back)
                    return true;
            return false;
        };
        EXPECT_GT(inkIn(image, cell, grid().CellBackColor(5, col)), 20) << col;
        // The text keeps off both edges of the room the grid gives a text
        // (two pixels from each border): a cut name runs into them.
        EXPECT_FALSE(columnHasInk(cell.left() + 2)) << col;
        EXPECT_FALSE(columnHasInk(cell.right() - 3)) << col;
    }
}

TEST_F(StepCellPainterTest, ARelationTitleIsDrawnAsAnArrowheadInTheTitleColour)
{
    const QImage image = shot();
    for (int col : {7, 28}) {
        SCOPED_TRACE(col);
        ASSERT_EQ(grid().TextMatrix(0, col), QStringLiteral("8"));
        const QRect cell = fg.cellRect(0, col);
        const int back = qGray(platform::oleColor(grid().CellBackColor(0, col)).rgb());
        // How much ink each column of pixels of the cell's inside holds, and where.
        std::vector<int> ink(static_cast<size_t>(cell.width()), 0);
        QRect inked;
        int lightest = 0;
        for (int y = cell.top(); y < cell.bottom(); ++y)
            for (int x = cell.left(); x < cell.right(); ++x) {
                const int gray = qGray(image.pixel(x, y));
                if (gray == back)
                    continue;
                ink[static_cast<size_t>(x - cell.left())] += std::abs(gray - back);
                inked |= QRect(x, y, 1, 1);
                lightest = std::max(lightest, gray);
            }
        ASSERT_FALSE(inked.isEmpty());
        EXPECT_LE(std::abs(inked.center().x() - cell.center().x()), 2);
        EXPECT_LE(std::abs(inked.center().y() - cell.center().y()), 2);
        EXPECT_EQ(lightest, 255); // the titles' white
        // A head pointing right is heaviest near its left edge and ends in a
        // point; an "8" ends in a stroke as heavy as its other side.
        const auto at = [&](int x) { return ink[static_cast<size_t>(x - cell.left())]; };
        const auto heaviest = static_cast<int>(std::max_element(ink.begin(), ink.end()) - ink.begin()) + cell.left();
        EXPECT_LT(heaviest - inked.left(), inked.right() - heaviest);
        EXPECT_LT(3 * at(inked.right()), at(heaviest));
    }
}

TEST(StepCellPainterIds, PicturesByKindAndValue)
{
    EXPECT_EQ(StepCellPainter::pictureId(3, 0), 169);
    EXPECT_EQ(StepCellPainter::pictureId(3, 11), 180);
    EXPECT_EQ(StepCellPainter::pictureId(3, 12), 0);
    EXPECT_EQ(StepCellPainter::pictureId(6, 3), 168);
    EXPECT_EQ(StepCellPainter::pictureId(6, 4), 0);
    EXPECT_EQ(StepCellPainter::pictureId(7, 8), 189);
    EXPECT_EQ(StepCellPainter::pictureId(5, 0), 0);
    EXPECT_TRUE(StepCellPainter::TooFewColours(32768));
    EXPECT_FALSE(StepCellPainter::TooFewColours(65536));
}

} // namespace
