#include "FileFixture.h"

#include "platform/Clock.h"

using namespace Ostrel7;
using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

struct YenCase {
    int which;
    const char* path;
    const char* expected;
};

struct ExtCase {
    const char* name;
    const char* ext;
    const char* expected;
};

} // namespace

TEST(FileNames, YenCheckGivesExactlyOneTrailingSeparator)
{
    const YenCase cases[] = {
        {eAddYen, "/data", "/data/"},       {eAddYen, "/data/", "/data/"},   {eAddYen, "C:\\", "C:\\"},
        {eAddYen, "", "/"},                 {eRemoveYen, "/data/", "/data"}, {eRemoveYen, "/a//", "/a/"},
        {eRemoveYen, "a\\", "a"},           {eRemoveYen, "/data", "/data"},  {eRemoveYen, "", ""},
        {2, "/data", ""},
    };
    clsFILE file;
    for (const auto& c : cases)
        EXPECT_EQ(file.YenCheck(static_cast<ENUM_YENCHECK>(c.which), c.path), QString::fromUtf8(c.expected))
            << c.which << " " << c.path;
}

TEST(FileNames, ReplaceExtChangesOnlyTheFileNamesExtension)
{
    const ExtCase cases[] = {
        {"/work/X.stg", "SEK", "/work/X.SEK"},
        {"C:\\work\\X.stp", "BIN", "C:\\work\\X.BIN"},
        {"x.tar.gz", "BIN", "x.tar.BIN"},
        {"/w/a.stp", "bin", "/w/a.bin"}, // no case change
        {"/w/x.", "BIN", "/w/x.BIN"},
        // A dot in a folder name never moves the companion into another folder.
        {"D:\\work\\a.b\\step", "BIN", "D:\\work\\a.b\\step.BIN"},
        {"/work/a.b/step", "BIN", "/work/a.b/step.BIN"},
        {"table", "SEK", "table.SEK"},
    };
    clsFILE file;
    for (const auto& c : cases)
        EXPECT_EQ(file.ReplaceExt(c.name, c.ext), QString::fromUtf8(c.expected)) << c.name;
}

TEST(FileNames, GetWhatFromFullPathSplitsAtTheLastSeparatorAndFirstDot)
{
    clsFILE file;
    const QString full = QStringLiteral("C:\\a\\b.tar.gz");
    EXPECT_EQ(file.GetWhatFromFullPath(1, full), "C:\\a\\");
    EXPECT_EQ(file.GetWhatFromFullPath(2, full), "b.tar.gz");
    EXPECT_EQ(file.GetWhatFromFullPath(3, full), "b");
    EXPECT_EQ(file.GetWhatFromFullPath(4, full), "tar.gz");
    EXPECT_EQ(file.GetWhatFromFullPath(5, full), "");
    EXPECT_EQ(file.GetWhatFromFullPath(1, "/a\\b/c.d"), "/a\\b/");
    EXPECT_EQ(file.GetWhatFromFullPath(1, "name"), "");
    EXPECT_EQ(file.GetWhatFromFullPath(2, "name"), "name");
    EXPECT_EQ(file.GetWhatFromFullPath(3, "name"), "name");
    EXPECT_EQ(file.GetWhatFromFullPath(4, "name"), "");
}

TEST(FileNames, FNameCheckCodes)
{
    const std::pair<const char*, int16_t> cases[] = {
        {"", 2},          {"   ", 2},           {"abc.", 3},          {".", 3},
        {".abc", 4},      {"a b.txt", 5},       {"abcdefgh.txtx", 7}, {"abcdefghi.txt", 9},
        {"a*b.txt", 8},   {"abcdefghijk*.t", 8}, {"a.b.c", 12},       {"abcdefghij.t.x", 12},
        {"ABCDEFGH.TXT", 1}, {"README", 1},
    };
    clsFILE file;
    for (const auto& [name, code] : cases)
        EXPECT_EQ(file.FNameCheck(name), code) << name;
}

TEST(FileNames, ForbiddenCharactersAndDots)
{
    clsFILE file;
    for (const QChar c : QStringLiteral("\\/:;?\"<>|,*"))
        EXPECT_TRUE(file.IsExistIhanMoji(QStringLiteral("ab") + c)) << c.toLatin1();
    EXPECT_FALSE(file.IsExistIhanMoji("abc.txt"));
    EXPECT_FALSE(file.IsExistIhanMoji(""));
    EXPECT_TRUE(file.IsExistDot("a.b"));
    EXPECT_FALSE(file.IsExistDot("ab"));
    EXPECT_FALSE(file.IsExistDot(""));
}

class FileDirCheckTest : public FileFixture {};

TEST_F(FileDirCheckTest, RefusesABadNameOrAMissingFolderWithAWarning)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(file.FileDirCheck(dir.path(), "a b.txt", true), 2);
    EXPECT_EQ(file.FileDirCheck(path("missing"), "a.txt", false), 3);

    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "File name is not correct!");
    EXPECT_EQ(boxes[1].text, "Directory is not correct!");
    for (const auto& box : boxes) {
        EXPECT_EQ(box.title, "ERROR");
        EXPECT_EQ(box.style, platform::vbExclamation | platform::vbOKOnly);
    }
}

TEST_F(FileDirCheckTest, SpeaksJapaneseInJapan)
{
    platform::setCountryForTesting([] { return QStringLiteral("Japan"); });
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(file.FileDirCheck(path("missing"), "a.txt", false), 3);
    EXPECT_EQ(scriptedUi().calls().at(0).text, QString::fromUtf8("指定されたディレクトリは見つかりません！"));
    EXPECT_EQ(scriptedUi().calls().at(0).title, QString::fromUtf8("入力エラー"));
}

TEST_F(FileDirCheckTest, AsksBeforeOverwritingAndKeepsTheFileForTheWriter)
{
    const QString existing = write("a.txt", "old");
    EXPECT_EQ(file.FileDirCheck(dir.path(), "a.txt", false), 1); // not asked
    EXPECT_TRUE(nothingShown());

    scriptedUi().answerMessageBox(platform::vbNo);
    EXPECT_EQ(file.FileDirCheck(dir.path(), "a.txt", true), 4);
    scriptedUi().answerMessageBox(platform::vbYes);
    EXPECT_EQ(file.FileDirCheck(dir.path() + "/", "a.txt", true), 1);

    const auto question = scriptedUi().calls().at(0);
    EXPECT_EQ(question.text, "Do you overwrite?");
    EXPECT_EQ(question.title, "MESSAGE");
    EXPECT_EQ(question.style, platform::vbQuestion | platform::vbYesNo);
    EXPECT_EQ(readFile(existing), "old"); // replaced later by the writer, never deleted ahead
}
