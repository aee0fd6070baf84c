#include "datamodel/io/SetTextFile.h"

#include "TestFiles.h"
#include "platform/Folders.h"

#include <QDir>
#include <gtest/gtest.h>

using Telva27::SetTextFile;

namespace {

QString fileWith(const QByteArray& bytes)
{
    const QString path = QDir(platform::folders::libraryFolder()).filePath("SetText.e");
    testsupport::writeFile(path, bytes);
    return path;
}

QStringList linesOf(const QByteArray& bytes)
{
    const SetTextFile text(fileWith(bytes));
    QStringList lines;
    for (QStringView line : text.lines())
        lines << line.toString();
    return lines;
}

} // namespace

TEST(SetTextFile, EveryLineEndEndsALineAndOnlyOne)
{
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},   // a lone CR, then CR LF
        {"a\n\rb", {"a", "", "b"}},     // LF, then a lone CR
        {"\r\n\r\n", {"", ""}},         // empty lines are kept
        {"a\rb\rc\nd\re", {"a", "b", "c", "d", "e"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        EXPECT_EQ(linesOf(c.bytes), c.lines);
    }
}

TEST(SetTextFile, LinesAreDecodedFromTheCodePage)
{
    // 0x83 0x5C is a katakana whose second byte is the ASCII backslash;
    // a lead byte at the end of a line stands alone.
    EXPECT_EQ(linesOf("\x83\x5C\t\x93\xFC\r\nx\x83\r\n"),
              (QStringList{QString::fromUtf8("ソ\t入"), "x" + QString(QChar(0xF783))}));
}

TEST(SetTextFile, SharedFieldsAreOneString)
{
    SetTextFile text(fileWith("ms\tms\tMS\t\t\r\n"));
    const auto f = SetTextFile::fields(text.lines().at(0), 5);
    const QString first = text.shared(f[0]);
    EXPECT_EQ(first, "ms");
    EXPECT_TRUE(text.shared(f[1]).isSharedWith(first));
    EXPECT_EQ(text.shared(f[2]), "MS"); // letter case is text
    EXPECT_TRUE(text.shared(f[3]).isEmpty());
    EXPECT_TRUE(text.shared(f[4]).isEmpty());
    // Enough texts to grow the table, each found again afterwards.
    std::vector<QString> first200;
    for (int i = 0; i < 200; ++i)
        first200.push_back(text.shared(QString::number(i)));
    for (int i = 0; i < 200; ++i)
        EXPECT_TRUE(text.shared(QString::number(i)).isSharedWith(first200[i])) << i;
    EXPECT_TRUE(text.shared(f[0]).isSharedWith(first));
}
