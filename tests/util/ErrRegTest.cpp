#include "util/method/ErrorLog.h"
#include "util/method/clsMethod.h"
#include "util/need/xNEED.h"
#include "util/property/clsProperty.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/FileOps.h"
#include "tests/platform/SpecialFiles.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>
#include <gtest/gtest.h>

#include <cerrno>

using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

const QDateTime kWhen(QDate(2026, 12, 10), QTime(9, 5, 7));

QString logPath() { return QDir(platform::folders::libraryFolder()).filePath("Err.log"); }

QStringList logLines()
{
    const QString text = platform::cp932::decode(testsupport::readFile(logPath()));
    EXPECT_TRUE(text.endsWith("\r\n")) << text.toStdString();
    QStringList lines = text.split("\r\n");
    lines.removeLast();
    return lines;
}

class ErrRegTest : public testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(logPath());
        platform::setClockForTesting([] { return kWhen; });
        platform::setCountryForTesting([] { return QStringLiteral("United Kingdom"); });
    }
    Ostrel7::clsMethod method;
};

} // namespace

TEST_F(ErrRegTest, CodeZeroShowsNothingAndCreatesNoLog)
{
    method.ErrReg(0, "x", "Module");
    EXPECT_TRUE(scriptedUi().calls().empty());
    EXPECT_FALSE(QFile::exists(logPath()));
}

TEST_F(ErrRegTest, ShowsTheCriticalBoxAndLogsEachReportUnderOneHeader)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    method.ErrReg(13, "Type mismatch", "ReadData");
    method.ErrReg(-2147024809, "Invalid argument", " GetGUID");
    method.ErrReg(53, "File not found", "SaveAllFiles14"); // 14 characters

    const auto& box = scriptedUi().calls().at(1);
    EXPECT_EQ(box.title, QStringLiteral("ERROR"));
    EXPECT_EQ(box.style, platform::vbCritical | platform::vbOKOnly);
    EXPECT_EQ(box.text, QStringLiteral(" GetGUID\r\n\r\nInvalid argument\r\n\r\n[ErrCode] -2147024809\r\n\r\n"
                                       "Please note this message and report me."));

    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("ErrorCode "));
    EXPECT_EQ(lines[0].indexOf("Date/Time"), 14);
    EXPECT_EQ(lines[0].indexOf("ModuleName"), 42);
    EXPECT_EQ(lines[0].indexOf("Content"), 84);
    EXPECT_EQ(lines[0].simplified(), QStringLiteral("ErrorCode Date/Time ModuleName Content"));
    EXPECT_TRUE(lines[1].startsWith(" 13 ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("-2147024809 "));
    for (const QString& line : lines.mid(1)) {
        EXPECT_EQ(line.indexOf(QLocale::system().toString(kWhen.date(), QLocale::ShortFormat)), 14);
    }
    // Fields start at zone columns 43 and 57; a 14-character module name pushes the text to 71.
    EXPECT_EQ(lines[1].indexOf("ReadData"), 42);
    EXPECT_EQ(lines[1].indexOf("Type mismatch"), 56);
    EXPECT_EQ(lines[2].indexOf(" GetGUID"), 42);
    EXPECT_EQ(lines[3].indexOf("SaveAllFiles14"), 42);
    EXPECT_EQ(lines[3].indexOf("File not found"), 70);
}

TEST(ErrorLogLayout, FieldsMoveToTheZoneBeyondTheirPredecessor)
{
    // Only the zone arithmetic: a 13-character name keeps the text in the next
    // zone, 14 characters push it one further, 28 two further.
    const QDateTime when(QDate(2026, 1, 1), QTime(0, 0));
    const auto textColumn = [&](int nameLength) {
        const QString line = Ostrel7::errorlog::reportLine(5, when, QString(nameLength, 'm'), "TEXT");
        return line.indexOf("TEXT") + 1;
    };
    const int base = textColumn(1);
    EXPECT_EQ((base - 1) % 14, 0);
    EXPECT_EQ(textColumn(13), base);
    EXPECT_EQ(textColumn(14), base + 14);
    EXPECT_EQ(textColumn(27), base + 14);
    EXPECT_EQ(textColumn(28), base + 28);
}

TEST_F(ErrRegTest, TheNoticeFollowsTheCountry)
{
    const struct {
        const char* country;
        bool japanese;
    } cases[] = {{"Japan", true}, {"japan", true}, {"", false}, {"Japanese Islands", false}};
    for (const auto& c : cases) {
        platform::setCountryForTesting([&] { return QString::fromLatin1(c.country); });
        scriptedUi().answerMessageBox(platform::vbOK);
        method.ErrReg(5, "x", "M");
        const QString text = scriptedUi().calls().back().text;
        EXPECT_EQ(text.endsWith(QString::fromUtf8("報告をお願いいたします。")), c.japanese) << c.country;
        EXPECT_TRUE(text.contains("[ErrCode] 5"));
        EXPECT_EQ(scriptedUi().calls().back().title, QStringLiteral("ERROR"));
    }
}

TEST_F(ErrRegTest, AnUnwritableLogIsSkippedAfterTheBox)
{
    QDir().mkpath(logPath()); // a folder where the log should be
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_NO_THROW(method.ErrReg(61, "Disk full", "SaveData"));
    EXPECT_EQ(scriptedUi().calls().size(), 1u);
    QDir(logPath()).removeRecursively();

    const QString saved = platform::folders::libraryFolder();
    platform::folders::setLibraryFolderForTesting(saved + "/missing/folder");
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_NO_THROW(method.ErrReg(61, "Disk full", "SaveData"));
    platform::folders::setLibraryFolderForTesting(saved);
}

TEST_F(ErrRegTest, AFailingCountryReadIsReportedOnceAndCountsAsNotJapan)
{
    platform::setCountryForTesting([]() -> QString { throw platform::RuntimeError(5); });
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(Ostrel7::xNEED::IsJapan());
    ASSERT_EQ(scriptedUi().calls().size(), 1u);
    EXPECT_TRUE(scriptedUi().calls()[0].text.startsWith("Language\r\n"));
    EXPECT_TRUE(scriptedUi().calls()[0].text.endsWith("report me."));
}

TEST(xNEED, ModuleErrorBoxLaysOutItsThreeParts)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    Ostrel7::xNEED::ShowModuleError("91", "Object variable not set", " ChildCallBack");
    const auto& call = scriptedUi().calls().at(0);
    EXPECT_EQ(call.style, platform::vbCritical);
    EXPECT_EQ(call.text, QStringLiteral("[ModuleName] \r\n\r\n ChildCallBack\r\n\r\n[Content] \r\n\r\n"
                                        "Object variable not set\r\n\r\n[ErrCode] \r\n\r91\r\n\r\n"));
}

TEST(xNEED, ChildCallBackCollectsCaptionsAfterAnEmptyFirstEntry)
{
    Ostrel7::xNEED::resetWindowList();
    QWidget a;
    a.setWindowTitle(QString(300, 'x'));
    QWidget b;
    b.setWindowTitle(QStringLiteral("before") + QChar(0) + QStringLiteral("after"));
    EXPECT_TRUE(Ostrel7::xNEED::ChildCallBack(&a, 0));
    EXPECT_TRUE(Ostrel7::xNEED::ChildCallBack(&b, 0));
    const auto& list = Ostrel7::xNEED::windowList();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].hwnd, nullptr);
    EXPECT_EQ(list[1].caption.size(), 254);
    EXPECT_EQ(list[2].caption, QStringLiteral("before"));
    EXPECT_EQ(list[2].hwnd, &b);
}

// Whatever stands at the log's path instead of a log (a pipe someone made
// there) is refused at once: the report is shown and the error handling goes
// on instead of waiting on the pipe.
TEST_F(ErrRegTest, APipeAtTheLogIsRefusedAtOnceAfterTheBox)
{
    const testsupport::StandIn standIn(logPath(), testsupport::Standing::Fifo);
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_NO_THROW(method.ErrReg(13, "Type mismatch", "ReadData"));
    EXPECT_EQ(scriptedUi().calls().size(), 1u);
    standIn.expectRefusedAtOnce();
}

TEST_F(ErrRegTest, AFullLogStartsAnewWithItsNewestLines)
{
    const QByteArray header = platform::cp932::encode(Ostrel7::errorlog::headerLine() + "\r\n");
    QByteArray old = header;
    for (int i = 0; old.size() < (1 << 20) + 100; ++i)
        old += QByteArray("old report ") + QByteArray::number(i).rightJustified(8, '0') + "\r\n";
    testsupport::writeFile(logPath(), old);
    const QByteArray newestOld = old.mid(old.lastIndexOf("old report", old.size() - 3));

    scriptedUi().answerMessageBox(platform::vbOK);
    method.ErrReg(13, "Type mismatch", "ReadData");

    const QByteArray log = testsupport::readFile(logPath());
    EXPECT_LT(log.size(), 1 << 19);
    EXPECT_GT(log.size(), 1 << 17);
    EXPECT_TRUE(log.startsWith(header));
    EXPECT_EQ(log.count(header), 1);
    EXPECT_TRUE(log.mid(header.size()).startsWith("old report ")) << "a cut line was kept";
    EXPECT_TRUE(log.contains(newestOld));
    const QStringList lines = logLines();
    EXPECT_TRUE(lines.last().contains("Type mismatch"));
    EXPECT_TRUE(QFileInfo(logPath()).isFile());
}

// The disk fills up while the log is written: the user has seen the report,
// and the log stays as it was.
TEST_F(ErrRegTest, ALogThatCannotBeWrittenStaysAsItWasAndTheReportIsShown)
{
    scriptedUi().answerMessageBox(platform::vbOK);
    method.ErrReg(5, "first", "M");
    const QByteArray before = testsupport::readFile(logPath());
    for (const auto failing : {platform::fileops::Op::Open, platform::fileops::Op::Write,
                               platform::fileops::Op::Rename}) {
        SCOPED_TRACE(platform::fileops::opName(failing));
        platform::fileops::setFaultHook([&](platform::fileops::Op op, const QString&) { return op == failing ? ENOSPC : 0; });
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_NO_THROW(method.ErrReg(61, "Disk full", "SaveData"));
        platform::fileops::setFaultHook({});
        EXPECT_TRUE(scriptedUi().calls().back().text.contains("[ErrCode] 61"));
        EXPECT_EQ(testsupport::readFile(logPath()), before);
        EXPECT_EQ(QDir(platform::folders::libraryFolder()).entryList(QDir::Files | QDir::Hidden).filter("Err.log").size(), 1);
    }
}
