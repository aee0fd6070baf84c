#include "FileFixture.h"

#include "platform/AutomationDate.h"
#include "tests/platform/SpecialFiles.h"

#include <QStandardPaths>
#include <QUrl>

using namespace Ostrel7;
using testsupport::scriptedUi;
using testsupport::UiCall;

class ShellCopyTest : public FileFixture {};

TEST_F(ShellCopyTest, CopiesAListIntoAFolderAndOneFileToANewName)
{
    const QString a = write("a.txt", "A");
    const QString b = write("b.txt", "B");
    EXPECT_TRUE(file.SHFileCopy(nullptr, a + "," + b, path("out")));
    EXPECT_EQ(readFile(path("out/a.txt")), "A");
    EXPECT_EQ(readFile(path("out/b.txt")), "B");

    EXPECT_TRUE(file.SHFileCopy(nullptr, a, path("single.txt")));
    EXPECT_EQ(readFile(path("single.txt")), "A");
    EXPECT_TRUE(file.SHFileCopy(nullptr, path("*.txt"), path("pattern\\")));
    EXPECT_EQ(QDir(path("pattern")).entryList(QDir::Files), (QStringList{"a.txt", "b.txt", "single.txt"}));
}

TEST_F(ShellCopyTest, CopiesAFolderWithItsContents)
{
    write("tree/x/deep.txt", "D");
    EXPECT_TRUE(file.SHFileCopy(nullptr, path("tree"), path("copy") + "/"));
    EXPECT_EQ(readFile(path("copy/tree/x/deep.txt")), "D");
    EXPECT_FALSE(file.SHFileCopy(nullptr, path("tree"), path("tree/x"))); // never into itself
}

TEST_F(ShellCopyTest, CollisionsOverwriteKeepOrRename)
{
    const QString a = write("a.txt", "new");
    const QString target = write("out/a.txt", "old");
    EXPECT_FALSE(file.SHFileCopy(nullptr, a, path("out"), "", false, false));
    EXPECT_EQ(readFile(target), "old");
    EXPECT_TRUE(file.SHFileCopy(nullptr, a, path("out"), "", false, true));
    EXPECT_EQ(readFile(path("out/a (2).txt")), "new");
    EXPECT_EQ(readFile(target), "old");
    EXPECT_TRUE(file.SHFileCopy(nullptr, a, path("out")));
    EXPECT_EQ(readFile(target), "new");
}

TEST_F(ShellCopyTest, FailsForMissingOrEmptySources)
{
    const QString a = write("a.txt");
    EXPECT_FALSE(file.SHFileCopy(nullptr, path("none.txt"), path("out")));
    EXPECT_FALSE(file.SHFileCopy(nullptr, a + ",", path("out")));
    EXPECT_FALSE(file.SHFileCopy(nullptr, "", path("out")));
    EXPECT_FALSE(file.SHFileCopy(nullptr, a, a)); // onto itself
    EXPECT_EQ(readFile(a), "x");
}

// A pipe, or a file too large to hold, among the sources fails the copy at
// once and leaves the old target as it was, alone or inside a copied folder.
TEST_F(ShellCopyTest, FailsAtOnceForWhatIsNoFileToCopy)
{
    using testsupport::Standing;
    const QString target = write("out/source", "old");
    for (const Standing what : {Standing::Fifo, Standing::HugeFile}) {
        SCOPED_TRACE(testsupport::nameOf(what));
        QDir().mkpath(path("tree"));
        const testsupport::StandIn standIn(path("tree/source"), what);
        EXPECT_FALSE(file.SHFileCopy(nullptr, path("tree/source"), path("out")));
        EXPECT_FALSE(file.SHFileCopy(nullptr, path("tree"), path("copy") + "/"));
        standIn.expectRefusedAtOnce();
        EXPECT_EQ(readFile(target), "old");
        EXPECT_FALSE(QFileInfo::exists(path("copy/tree/source")));
    }
}

namespace {

// The desktop's trash lives in the private data folder. HOME goes there too, so
// that the test's files are on the user's own volume and go to that trash
// whatever volume the temporary folder is on.
class ShellDeleteTest : public FileFixture {
protected:
    void SetUp() override
    {
        savedHome = qgetenv("HOME");
        qputenv("HOME", qgetenv("XDG_DATA_HOME"));
        QDir(trash()).removeRecursively();
    }
    void TearDown() override { qputenv("HOME", savedHome); }

    static QString trash()
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("Trash");
    }
    static QStringList trashed()
    {
        return QDir(trash() + "/files").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }

    QByteArray savedHome;
};

} // namespace

TEST_F(ShellDeleteTest, DeleteMovesFilesAndFoldersToTheTrash)
{
    const QString a = write("a.txt", "A");
    write("tree/x/deep.txt", "D");
    write("keep/k.txt");
    ASSERT_TRUE(QFile::link(path("keep"), path("link")));
    EXPECT_TRUE(file.SHFileDelete(nullptr, a + "," + path("tree") + "," + path("link")));
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_FALSE(QFileInfo::exists(path("tree")));
    EXPECT_FALSE(QFileInfo(path("link")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(path("keep/k.txt"))); // a link goes, not what it points to

    // Restorable: the content is whole and the trash knows where each item came from.
    EXPECT_EQ(trashed(), (QStringList{"a.txt", "link", "tree"}));
    EXPECT_EQ(readFile(trash() + "/files/a.txt"), "A");
    EXPECT_EQ(readFile(trash() + "/files/tree/x/deep.txt"), "D");
    EXPECT_TRUE(QFileInfo(trash() + "/files/link").isSymLink());
    EXPECT_TRUE(
        readFile(trash() + "/info/a.txt.trashinfo").contains("\nPath=" + QUrl::toPercentEncoding(a, "/") + "\n"));

    EXPECT_FALSE(file.SHFileDelete(nullptr, ""));
    EXPECT_FALSE(file.SHFileDelete(nullptr, path("none")));
    EXPECT_FALSE(file.SHFileDelete(nullptr, "/"));
    EXPECT_TRUE(nothingShown());
}

TEST_F(ShellDeleteTest, AFileTheTrashCannotTakeStaysWhereItIs)
{
    const QString a = write("a.txt", "A");
    write("cwd/.keep");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(path("cwd")));
    QFile blocker(trash()); // a file where the trash folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_FALSE(file.SHFileDelete(nullptr, a));
    QDir::setCurrent(before);
    QFile::remove(trash());
    EXPECT_EQ(readFile(a), "A");
    // Never a stand-in trash in the working folder.
    EXPECT_EQ(QDir(path("cwd")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{".keep"});
    EXPECT_TRUE(nothingShown());
}

class ShellTest : public FileFixture {};

TEST_F(ShellTest, SetThisFileTimeSetsAccessAndWriteTimeAsLocalTime)
{
    const QString target = write("t.txt", "content");
    const QDateTime moment(QDate(2021, 3, 14), QTime(15, 9, 26), Qt::LocalTime);
    // A few milliseconds past the second round to it.
    const double when = platform::oadate::fromDateTime(moment.addMSecs(300));
    EXPECT_TRUE(file.SetThisFileTime(target, when));
    const QFileInfo info(target);
    EXPECT_EQ(info.lastModified(), moment);
    EXPECT_EQ(info.lastRead(), moment);
    EXPECT_EQ(readFile(target), "content");
}

TEST_F(ShellTest, SetThisFileTimeIsQuietlyFalseForMissingAndReadOnlyFiles)
{
    const QString readOnly = write("ro.txt");
    makeReadOnly(readOnly);
    const QDateTime before = QFileInfo(readOnly).lastModified();
    const double when = platform::oadate::fromDate(QDate(2001, 1, 1));
    EXPECT_FALSE(file.SetThisFileTime(path("missing.txt"), when));
    EXPECT_FALSE(file.SetThisFileTime(readOnly, when));
    EXPECT_FALSE(QFileInfo::exists(path("missing.txt")));
    EXPECT_EQ(QFileInfo(readOnly).lastModified(), before);
    EXPECT_TRUE(nothingShown());
}

TEST_F(ShellTest, CreateShortCutWritesALauncher)
{
    EXPECT_EQ(file.CreateShortCut(eSHORTCUT_ON_PROGRAM, "Step editor", "/opt/q el/QELM_STP", "", "-a \"b c\" 50%"), 1);
    const QString launcher =
        QDir(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)).filePath("Step editor.desktop");
    const QString text = QString::fromUtf8(readFile(launcher));
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nName=Step editor\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/q el/QELM_STP\" \"-a\" \"b c\" \"50%%\"\n")) << text.toStdString();
    EXPECT_TRUE(QFileInfo(launcher).permissions() & QFileDevice::ExeOwner);
}

TEST_F(ShellTest, CreateShortCutWithoutAGroupSaysSo)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(file.CreateShortCut(eSHORTCUT_SPECIFY, "x", "/bin/true"), 0);
    const auto box = scriptedUi().calls().at(0);
    EXPECT_EQ(box.text, "You must specif sSpecifiedShortCutPlace !");
    EXPECT_EQ(box.style, platform::vbOKOnly);
}

TEST_F(ShellTest, SpecialFoldersAndTheFolderDialog)
{
    EXPECT_EQ(file.GetSpecialFolder(nullptr, eCSIDL_PROGRAM_FILES), "/opt");
    EXPECT_EQ(file.GetSpecialFolder(nullptr, eCSIDL_PRINTERS), "");
    EXPECT_EQ(file.GetDesktopFolder(nullptr), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    EXPECT_EQ(file.ShowPropertiesDialog(nullptr, "x"), 0);

    scriptedUi().answerFolder("/home/u/data/");
    scriptedUi().answerFolder("/");
    scriptedUi().answerFolder("");
    EXPECT_EQ(file.OpenFolder(nullptr, "Pick", eCSIDL_DESKTOP, "/a\\b"), "/home/u/data");
    EXPECT_EQ(file.OpenFolder(nullptr, "Pick", eCSIDL_DESKTOP, ""), "/");
    EXPECT_EQ(file.OpenFolder(nullptr, "Pick", eCSIDL_DESKTOP, "C:\\x"), "");
    const auto calls = scriptedUi().callsOf(UiCall::Folder);
    EXPECT_EQ(calls.at(0).title, "Pick");
    EXPECT_EQ(calls.at(0).arguments, QStringList{"/a/b"});
}
