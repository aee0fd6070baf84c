#include "FileFixture.h"

#include "platform/Folders.h"

#include <QDirIterator>

using namespace Ostrel7;
using testsupport::scriptedUi;

namespace {

QStringList relativeFolders(const QString& root)
{
    QStringList found;
    const QDir base(root);
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << base.relativeFilePath(it.next());
    found.sort();
    return found;
}

} // namespace

class FolderTest : public FileFixture {
protected:
    // src/x/y, src/z, src/.h and a few files.
    QString makeTree()
    {
        QDir().mkpath(path("src/x/y"));
        QDir().mkpath(path("src/z"));
        QDir().mkpath(path("src/.h"));
        write("src/a.txt");
        write("src/x/b.txt");
        return path("src");
    }
};

TEST_F(FolderTest, CreateAllFoldersCreatesEveryMissingLevel)
{
    EXPECT_TRUE(file.CreateAllFolders(path("a/b/c")));
    EXPECT_TRUE(file.CreateAllFolders(path("a\\b2\\c2\\")));
    EXPECT_TRUE(QFileInfo(path("a/b/c")).isDir());
    EXPECT_TRUE(QFileInfo(path("a/b2/c2")).isDir());
    EXPECT_TRUE(file.CreateAllFolders("C:"));
    EXPECT_TRUE(file.CreateAllFolders(""));
    EXPECT_TRUE(nothingShown());
}

TEST_F(FolderTest, CreateAllFoldersReportsAFileInTheWay)
{
    write("a/blocker");
    expectReport();
    EXPECT_FALSE(file.CreateAllFolders(path("a/blocker/c")));
    EXPECT_EQ(reportedLabel(), "CreateAllFolders");
    EXPECT_TRUE(QFileInfo(path("a")).isDir()); // what was there stays
}

TEST_F(FolderTest, FoldersInFolderListsDepthFirstAndAppends)
{
    const QString src = makeTree();
    QStringList folders{"first"};
    const QStringList result = file.FoldersInFolder(folders, src);
    const QStringList expected{"first", src + "/.h", src + "/x", src + "/x/y", src + "/z"};
    EXPECT_EQ(folders, expected);
    EXPECT_EQ(result, expected);

    QStringList untouched{"only"};
    EXPECT_EQ(file.FoldersInFolder(untouched, path("missing")), QStringList{"only"});
}

TEST_F(FolderTest, FoldersInFolderDoesNotFollowALinkBackUp)
{
    const QString src = makeTree();
    ASSERT_TRUE(QFile::link(src, path("src/x/loop")));
    QStringList folders;
    file.FoldersInFolder(folders, src);
    EXPECT_TRUE(folders.contains(src + "/x/loop"));
    EXPECT_EQ(folders.size(), 5);
}

TEST_F(FolderTest, CloneFoldersCopiesTheTreeWithoutFiles)
{
    const QString src = makeTree();
    EXPECT_TRUE(file.CloneFolders(src, path("dst")));
    EXPECT_EQ(relativeFolders(path("dst")), relativeFolders(src));
    EXPECT_TRUE(QDir(path("dst")).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(QDir(path("dst/x")).entryList(QDir::Files).isEmpty());

    EXPECT_FALSE(file.CloneFolders(path("missing"), path("dst2"))); // quietly
    EXPECT_FALSE(QFileInfo::exists(path("dst2")));
    EXPECT_TRUE(nothingShown());
}

TEST_F(FolderTest, FilesInFolderListsFoldersOrFilesByAttribute)
{
    const QString src = makeTree();
    write("src/.hidden");
    const QString readOnly = write("src/ro.txt");
    makeReadOnly(readOnly);

    EXPECT_EQ(file.FilesInFolder(src, eOnlyFileName), (QStringList{"", ".h", "x", "z"}));
    EXPECT_EQ(file.FilesInFolder(src, eOnlyFileName, faDirectory), (QStringList{"", ".h", "x", "z"}));
    EXPECT_EQ(file.FilesInFolder(src, eOnlyFileName, faArchive), (QStringList{"", ".hidden", "a.txt", "ro.txt"}));
    EXPECT_EQ(file.FilesInFolder(src, eFullFname, faReadOnly), (QStringList{"", src + "/ro.txt"}));
    EXPECT_EQ(file.FilesInFolder(src, eOnlyFileName, faHidden), (QStringList{"", ".hidden"}));
    EXPECT_EQ(file.FilesInFolder(src, static_cast<ENUM_FilesInFolder>(7), faReadOnly), (QStringList{"", ""}));
    EXPECT_EQ(file.FilesInFolder(path("missing"), eOnlyFileName), QStringList{""});
}

TEST_F(FolderTest, CountsAndVacancyIgnoreHiddenEntries)
{
    QDir().mkpath(path("empty"));
    write("hid/.x");
    write("one/a.txt");
    QDir().mkpath(path("sub/inner"));
    write("files/a.txt");
    write("files/b");
    write("files/.c");
    QDir().mkpath(path("files/folder"));

    EXPECT_TRUE(file.IsDirVacant(path("empty")));
    EXPECT_TRUE(file.IsDirVacant(path("hid")));
    EXPECT_FALSE(file.IsDirVacant(path("one")));
    EXPECT_FALSE(file.IsDirVacant(path("sub")));
    EXPECT_FALSE(file.IsDirVacant(path("missing")));
    EXPECT_EQ(file.CntFilesInFolder(path("files")), 2);
    EXPECT_EQ(file.CntFilesInFolder(path("empty")), 0);
    EXPECT_EQ(file.CntFilesInFolder(path("missing")), 0);
}

TEST_F(FolderTest, GetTempWinFileMakesNewEmptyFilesInThePrivateFolder)
{
    const QString first = file.GetTempWinFile("qelx");
    const QString second = file.GetTempWinFile("~qe");
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_NE(first, second);
    for (const QString& made : {first, second}) {
        const QFileInfo info(made);
        EXPECT_TRUE(info.isFile());
        EXPECT_EQ(info.size(), 0);
        EXPECT_EQ(info.absolutePath(), QFileInfo(platform::folders::workingFolder()).absoluteFilePath());
        EXPECT_TRUE(made.endsWith(".tmp"));
    }
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith("qel"));
    // Cut to three characters: "qel", six random ones (which may well start with an x), ".tmp".
    EXPECT_EQ(QFileInfo(first).fileName().size(), 3 + 6 + 4);
    EXPECT_TRUE(QFileInfo(second).fileName().startsWith("~qe"));
    EXPECT_TRUE(file.TempPath().endsWith('/'));
}

TEST_F(FolderTest, GetTempWinFileRefusesAPrefixThatLeavesTheFolder)
{
    expectReport();
    EXPECT_EQ(file.GetTempWinFile("../x"), "");
    EXPECT_EQ(reportedLabel(), "GetTempWinFile");
}
