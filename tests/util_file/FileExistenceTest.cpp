#include "FileFixture.h"

#include "util/file/FileNumber.h"

using namespace Ostrel7;

class FileExistenceTest : public FileFixture {};

TEST_F(FileExistenceTest, IsExistFileFindsPlainVisibleFilesAndPatterns)
{
    write("sub/a.txt");
    write("sub/.hidden");
    write("sub/noext");
    const struct {
        QString path;
        bool expected;
    } cases[] = {
        {path("sub/a.txt"), true},        {path("sub\\a.txt"), true},  {path("sub/.hidden"), false},
        {path("sub"), false},             {path("sub/b.txt"), false}, {path("none/a.txt"), false},
        {path("sub/*.TXT"), true},        {path("sub/?.txt"), true},   {path("sub/*.zz"), false},
        {path("sub/noe*"), true},         {"", false},                 {"C:\\sub\\a.txt", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file.IsExistFile(c.path), c.expected) << c.path.toStdString();
    EXPECT_TRUE(nothingShown());
}

TEST_F(FileExistenceTest, IsExistDirCountsFoldersOnly)
{
    const QString plain = write("f.txt");
    QDir().mkpath(path("d"));
    const struct {
        QString path;
        bool expected;
    } cases[] = {
        {path("d"), true}, {path("d") + "/", true}, {path("d") + "\\", true}, {"/", true},
        {plain, false},    {path("none"), false},   {"", false},              {"C:\\", false},
        {"C:\\d", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file.IsExistDir(c.path), c.expected) << c.path.toStdString();
    EXPECT_TRUE(nothingShown());
}

TEST_F(FileExistenceTest, IsWritableProbesTheFolderAndLeavesNothingBehind)
{
    EXPECT_TRUE(file.IsWritable(dir.path() + "/"));
    EXPECT_TRUE(file.IsWritable(write("w.txt")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"w.txt"});
    EXPECT_FALSE(file.IsFileAitaMaMa());
}

TEST_F(FileExistenceTest, IsWritableIsQuietlyFalseForReadOnlyAndMissingPlaces)
{
    const QString readOnlyFile = write("ro.txt", "keep");
    makeReadOnly(readOnlyFile);
    QDir().mkpath(path("rodir"));
    makeReadOnly(path("rodir"));

    EXPECT_FALSE(file.IsWritable(readOnlyFile));
    EXPECT_FALSE(file.IsWritable(path("rodir") + "/"));
    EXPECT_FALSE(file.IsWritable(path("missing") + "/"));
    EXPECT_FALSE(file.IsWritable(path("missing/x.txt")));
    EXPECT_FALSE(file.IsWritable("A:\\"));
    EXPECT_TRUE(nothingShown());
    EXPECT_EQ(readFile(readOnlyFile), "keep");
    EXPECT_TRUE(QDir(path("rodir")).isEmpty());
}

TEST_F(FileExistenceTest, IsFileAitaMaMaWhileFileNumberOneIsOpen)
{
    EXPECT_FALSE(file.IsFileAitaMaMa());
    {
        FileNumber first;
        EXPECT_EQ(first.number(), 1);
        EXPECT_TRUE(file.IsFileAitaMaMa());
        FileNumber second;
        EXPECT_EQ(second.number(), 2);
    }
    EXPECT_FALSE(file.IsFileAitaMaMa());
}

TEST_F(FileExistenceTest, MyFNameTakesTheFirstFreeNumber)
{
    const QString folder = dir.path() + "/";
    EXPECT_EQ(file.MyFName(folder, "tmp", "000"), "tmp00001.000");
    write("tmp00001.000");
    QDir().mkpath(path("tmp00002.000")); // a folder of that name is taken too
    EXPECT_EQ(file.MyFName(folder, "tmp", "000"), "tmp00003.000");
}

TEST_F(FileExistenceTest, GetExcludeEXTTakesTheFirstFreeExtensionUpToMade)
{
    const QString folder = dir.path() + "/";
    write("DATA.001");
    write("DATA.002");
    EXPECT_EQ(file.GetExcludeEXT(folder, "DATA", 1, 3), "003");
    write("DATA.003");
    EXPECT_EQ(file.GetExcludeEXT(folder, "DATA", 1, 3), "XXX");
    EXPECT_EQ(file.GetExcludeEXT(folder, "DATA", 5, 3), "005"); // the first candidate is always tried
    EXPECT_EQ(file.GetExcludeEXT(folder, "DATA", 3, 1), "XXX");
    EXPECT_EQ(file.GetExcludeEXT(folder, "DATA", 1234, 1234), "1234");
}

TEST_F(FileExistenceTest, DrivesHaveNoLinuxCounterpart)
{
    EXPECT_EQ(file.DriveTypeString("c:\\data"), "Unknown");
    EXPECT_EQ(file.DriveTypeString(""), "Unknown");
    EXPECT_EQ(file.FirstHDDDrive(), "");
    EXPECT_FALSE(file.IsDriveReady("C:\\"));
    EXPECT_EQ(file.FDDrive(), nullptr);
    EXPECT_FALSE(file.IsFDReady());
    EXPECT_EQ(file.WindowsDirectory(), "");
    EXPECT_TRUE(QFileInfo(file.SystemDirectory()).isDir());
    EXPECT_TRUE(nothingShown());
}

TEST_F(FileExistenceTest, IsRemainDriveSpaceComparesStrictlyWithTheFreeBytes)
{
    EXPECT_TRUE(file.IsRemainDriveSpace(dir.path(), 0.0f).toBool());
    EXPECT_TRUE(file.IsRemainDriveSpace(path("not/yet/there"), 0.0f).toBool());
    EXPECT_FALSE(file.IsRemainDriveSpace(dir.path(), 1e30f).toBool());
    EXPECT_FALSE(file.IsRemainDriveSpace("", 0.0f).toBool());
    EXPECT_FALSE(file.IsRemainDriveSpace("C:\\", 0.0f).toBool());
}
