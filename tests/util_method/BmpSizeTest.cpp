#include "util/method/clsMethod.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using testsupport::scriptedUi;

namespace {

// File header and a 40-byte information header of a 1-bit bitmap.
QByteArray bitmapHeaders(int32_t width, int32_t height)
{
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<int32_t>(54, bytes.data() + 10);
    qToLittleEndian<int32_t>(40, bytes.data() + 14);
    qToLittleEndian<int32_t>(width, bytes.data() + 18);
    qToLittleEndian<int32_t>(height, bytes.data() + 22);
    qToLittleEndian<int16_t>(1, bytes.data() + 26);
    qToLittleEndian<int16_t>(1, bytes.data() + 28);
    return bytes;
}

class GetBmpSizeTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        testsupport::writeFile(path, bytes);
        return path;
    }

    QTemporaryDir dir;
    Ostrel7::clsMethod method;
    int32_t width = 7;
    QVariant height = QStringLiteral("as before");
};

} // namespace

TEST_F(GetBmpSizeTest, ReadsWidthAndHeightFieldsAsStored)
{
    method.GetBmpSize(write("top-down.bmp", bitmapHeaders(37, -12)), width, height);
    EXPECT_EQ(width, 37);
    EXPECT_EQ(height.typeId(), QMetaType::Int);
    EXPECT_EQ(height.toInt(), -12);

    const QString saved = dir.filePath("saved.bmp");
    ASSERT_TRUE(QImage(9, 4, QImage::Format_RGB32).save(saved, "BMP"));
    method.GetBmpSize(saved, width, height);
    EXPECT_EQ(width, 9);
    EXPECT_EQ(height.toInt(), 4);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(GetBmpSizeTest, AMissingFileGivesZerosWithoutAReport)
{
    for (const QString& name : {dir.filePath("missing.bmp"), dir.path(), QString()}) {
        width = 7;
        height = QStringLiteral("as before");
        method.GetBmpSize(name, width, height);
        EXPECT_EQ(width, 0) << name.toStdString();
        EXPECT_EQ(height.typeId(), QMetaType::Short);
        EXPECT_EQ(height.toInt(), 0);
    }
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(GetBmpSizeTest, ATruncatedOrForeignFileIsReportedAndLeavesTheOutputs)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int32_t error;
    };
    const Case cases[] = {
        {"truncated.bmp", bitmapHeaders(37, 12).left(30), platform::errInputPastEnd},
        {"text.bmp", QByteArray("This is not a picture at all, only words in a file.....", 56), 481},
        {"odd-header.bmp", [] { auto b = bitmapHeaders(1, 1); b[14] = 20; return b; }(), 481},
    };
    for (const Case& c : cases) {
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        method.GetBmpSize(write(c.name, c.bytes), width, height);
        EXPECT_EQ(width, 7) << c.name;
        EXPECT_EQ(height.toString(), QStringLiteral("as before")) << c.name;
        ASSERT_EQ(scriptedUi().calls().size(), 1u) << c.name;
        const QString text = scriptedUi().calls()[0].text;
        EXPECT_TRUE(text.startsWith(" GetBmpSize\r\n")) << c.name;
        EXPECT_TRUE(text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(c.error))) << c.name;
    }
}

TEST_F(GetBmpSizeTest, ReadsTheOldCoreHeader)
{
    QByteArray bytes(26, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<int32_t>(12, bytes.data() + 14);
    qToLittleEndian<uint16_t>(300, bytes.data() + 18);
    qToLittleEndian<uint16_t>(200, bytes.data() + 20);
    method.GetBmpSize(write("core.bmp", bytes), width, height);
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height.toInt(), 200);
}
