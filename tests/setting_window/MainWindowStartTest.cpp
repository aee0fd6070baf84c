// The setting program's start-up and shut-down, run on the demo archive.

#include "MainWindowFixture.h"

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/customize/colclsStyle.h"
#include "datamodel/parameters/colclsFunction.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

QString programName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

std::optional<QString> stored(const QString& section, const QString& key, const QString& app = programName())
{
    return platform::settings::read(app, section, key);
}

bool anySettingFileIn(const QString& folder)
{
    for (int i = 1; i <= 10; ++i)
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Set%1.e").arg(i, 2, 10, QLatin1Char('0')))))
            return true;
    return false;
}

QString libraryFolder() { return platform::folders::libraryFolder(); }

} // namespace

class MainWindowStart : public MainWindowFixture {};

TEST_F(MainWindowStart, ReadsTheArchiveAndHoldsTheModel)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
    EXPECT_EQ(state().functions->AllDititalCount(), 37);
    EXPECT_EQ(state().customUsr->Count(), 49);
    EXPECT_EQ(state().customStd->Count(), 49);
    EXPECT_EQ(state().AppPath, programFolder_.path() + QLatin1Char('/'));
    EXPECT_EQ(state().RegAppName, programName());
    EXPECT_EQ(window().windowTitle(), programName() + QStringLiteral(" Ver1.28"));
    // The extracted files are removed once read.
    EXPECT_FALSE(anySettingFileIn(libraryFolder()));
}

TEST_F(MainWindowStart, FirstStartWritesTheDefaultsAsText)
{
    ASSERT_TRUE(start());
    const struct {
        const char* section;
        const char* key;
        QString value;
    } defaults[] = {
        {"FileInfo", "StdReadingPath", programFolder_.path() + QLatin1Char('/')},
        {"FileInfo", "PrevStd_ExtFilterIndex", QStringLiteral("1")},
        {"FileInfo", "PrevUsr_ExtFilterIndex", QStringLiteral("1")},
        {"General", "PassWordSpecial", QStringLiteral("4829")},
        {"General", "DoesNeedPassWord", QStringLiteral("True")},
        {"Location", "wdt_Custom_StdKino", QStringLiteral("1900")},
        {"Location", "wdt_Custom_UsrKino", QStringLiteral("1900")},
    };
    for (const auto& d : defaults)
        EXPECT_EQ(stored(QLatin1String(d.section), QLatin1String(d.key)), d.value) << d.key;
    // MYPATH always goes under the program's own name, whatever the executable is called.
    EXPECT_EQ(stored(QStringLiteral("SETTING"), QStringLiteral("MYPATH"), QStringLiteral("QELM_SET")),
              programFolder_.path());
    EXPECT_EQ(state().wdt_Custom_StdKino, 1900);
    EXPECT_TRUE(state().DoesNeedPassWord);
}

TEST_F(MainWindowStart, StoredValuesAreReadAndBadOnesFallBackWithOneWarning)
{
    const QString app = programName();
    platform::settings::write(app, QStringLiteral("Location"), QStringLiteral("wdt_Custom_StdKino"), QStringLiteral("2400"));
    platform::settings::write(app, QStringLiteral("Location"), QStringLiteral("wdt_Custom_UsrKino"), QStringLiteral("wide"));
    platform::settings::write(app, QStringLiteral("General"), QStringLiteral("DoesNeedPassWord"), QStringLiteral("maybe"));
    platform::settings::write(app, QStringLiteral("General"), QStringLiteral("PassWordSpecial"), QString());
    scriptedUi().answerMessageBox(platform::vbOK);

    ASSERT_TRUE(start());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Failed to read registry. "));
    EXPECT_EQ(state().wdt_Custom_StdKino, 2400);
    EXPECT_EQ(state().wdt_Custom_UsrKino, 1900);
    EXPECT_TRUE(state().DoesNeedPassWord);
    // An empty value counts as missing: its default is written over it.
    EXPECT_EQ(state().PassWordSpecial, QStringLiteral("4829"));
    EXPECT_EQ(stored(QStringLiteral("General"), QStringLiteral("PassWordSpecial")), QStringLiteral("4829"));
}

TEST_F(MainWindowStart, AStoreThatCannotBeReadIsToldAndTheStartGoesOn)
{
    // A folder where the store's file belongs.
    const QString file = platform::settings::filePath(programName());
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    scriptedUi().answerEveryMessageBox(platform::vbOK);

    ASSERT_TRUE(start());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    const auto told = [&](const QString& start) {
        return std::count_if(boxes.begin(), boxes.end(), [&](const auto& b) { return b.text.startsWith(start); });
    };
    EXPECT_EQ(told(QStringLiteral("ReadRegValues\r\n")), 1);
    EXPECT_EQ(told(QStringLiteral("Failed to read registry. ")), 1);
    // The values the program starts with stand in for what could not be read.
    EXPECT_TRUE(state().DoesNeedPassWord);
    EXPECT_EQ(state().wdt_Custom_StdKino, 1900);
    EXPECT_TRUE(window().isEnabled());
}

TEST_F(MainWindowStart, MissingArchiveEndsTheStartNamingIt)
{
    QFile::remove(programPath(QStringLiteral("QEL.e")));
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(start());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Cannot find following file. Cannot load.\r\n\r\n") + programPath("QEL.e"));
    EXPECT_EQ(platform::msgIcon(boxes[0].style), platform::vbCritical);
}

TEST_F(MainWindowStart, DamagedArchiveIsReportedAndNoStaleSetFileIsUsed)
{
    QByteArray archive = readFile(programPath(QStringLiteral("QEL.e")));
    archive.truncate(archive.size() / 2);
    writeFile(programPath(QStringLiteral("QEL.e")), archive);
    // Set files left by an earlier run must not be read in place of the archive.
    writeFile(QDir(libraryFolder()).filePath(QStringLiteral("Set01.e")), "STALE\tSTALE\r\n");
    scriptedUi().answerMessageBox(platform::vbOK); // the error report
    scriptedUi().answerMessageBox(platform::vbOK); // message 19

    EXPECT_FALSE(start());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("MeltSettingFiles"))) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, QStringLiteral("Failed to read setting files. Cannot load."));
    EXPECT_FALSE(anySettingFileIn(libraryFolder()));
}

TEST_F(MainWindowStart, SecondCopyIsRefused)
{
    const platform::SingleInstance first(QStringLiteral("QELM_SET_test"));
    const platform::SingleInstance second(QStringLiteral("QELM_SET_test"));
    EXPECT_TRUE(QelmSet::fMain::MDIForm_Initialize(first));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());

    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(QelmSet::fMain::MDIForm_Initialize(second));
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("This S/W runs already!"));
    EXPECT_EQ(platform::msgIcon(boxes[0].style), platform::vbExclamation);
}

TEST_F(MainWindowStart, ConnectorTablesAndCustomizeMenu)
{
    ASSERT_TRUE(start());
    const struct {
        const char* tag;
        int rows;
        const char* pin;
        const char* signal;
    } tables[] = {
        {"0", 49, "49", "OO"}, {"1", 9, "Body", "E"}, {"2", 26, "13", "OH"},
        {"3", 20, "B4", "IA"}, {"4", 20, "A4", "O6"}, {"5", 7, "CON3-4", "O6"},
    };
    for (const auto& t : tables) {
        Telva27::colclsStyle* table = window().FindColConStyle(QLatin1String(t.tag));
        ASSERT_NE(table, nullptr) << t.tag;
        EXPECT_EQ(table->Count(), t.rows) << t.tag;
        EXPECT_EQ(table->ConId(), QString::fromLatin1(t.tag).toInt());
        EXPECT_EQ(table->Item(QLatin1String(t.pin))->Location(), QLatin1String(t.signal)) << t.tag;
    }
    for (const char* tag : {" 1", "01", "6", ""})
        EXPECT_EQ(window().FindColConStyle(QLatin1String(tag)), nullptr) << tag;

    const QMenu& menu = window().mnuCustomize();
    const QStringList captions = {QStringLiteral("&1  All input output"), QString(),
                                  QStringLiteral("&2  CONI Foot Switch"),
                                  QStringLiteral("&3  CONG Input /output signal"),
                                  QStringLiteral("&4  Terminal 1 (Into sewing machine head)"),
                                  QStringLiteral("&5  Terminal 2 (Into sewing machine head)"),
                                  QStringLiteral("&6  on the CON PWB connecter")};
    const QStringList tags = {QStringLiteral("0"), QString(), QStringLiteral("1"), QStringLiteral("2"),
                              QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")};
    ASSERT_EQ(menu.actions().size(), 7);
    for (int i = 0; i < 7; ++i) {
        const QAction* item = menu.actions()[i];
        EXPECT_EQ(item->isSeparator(), i == 1);
        if (i == 1)
            continue;
        EXPECT_EQ(item->text(), captions[i]);
        EXPECT_EQ(item->data().toString(), tags[i]);
    }
}

TEST_F(MainWindowStart, ClosingRemovesTheWorkingCopies)
{
    ASSERT_TRUE(start(dataCopy("DEMO_USR.etb")));
    const QDir working(platform::folders::workingFolder());
    EXPECT_TRUE(working.exists(QStringLiteral("eusr.tmp")));
    EXPECT_TRUE(working.exists(QStringLiteral("estd.tmp")));
    window().close();
    EXPECT_FALSE(working.exists(QStringLiteral("eusr.tmp")));
    EXPECT_FALSE(working.exists(QStringLiteral("estd.tmp")));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
}
