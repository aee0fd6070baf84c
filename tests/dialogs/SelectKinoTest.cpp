#include "dialogs/clsSelectKino.h"

#include "dialogs/LibraryState.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectTable.h"
#include "dialogs/mMOD.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "WindowLook.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/Settings.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Sorvi27;
using testsupport::errorOf;
using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::UiCall;
using testsupport::writeFile;
namespace settings = platform::settings;

namespace {

const QString kApp = QStringLiteral("Sorvi27");
const char* const kDialogs[] = {"fSelCusIn", "fSelCusOut", "fSelStepIn", "fSelStepOut"};

using testsupport::demoFile;
QString setName(int n) { return QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0')); }

// The store's file of the library's settings.
QString storePath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QELM"), kApp).fileName();
}

// Each test has a program folder of its own (holding whatever QEL.e the test
// lays out), a library folder of its own and none of the library's settings.
class SelectKinoTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid() && libraryDir.isValid());
        previousLibrary = platform::folders::libraryFolder();
        platform::folders::setProgramFolderForTesting(programDir.path());
        platform::folders::setLibraryFolderForTesting(libraryDir.path());
    }
    void TearDown() override
    {
        if (QFileInfo(storePath()).isDir()) // left by a test of an unwritable store
            QDir(storePath()).removeRecursively();
        platform::folders::setProgramFolderForTesting({});
        platform::folders::setLibraryFolderForTesting(previousLibrary);
    }

    void placeArchive(const QByteArray& bytes) { writeFile(programDir.filePath("QEL.e"), bytes); }
    void placeDemoArchive() { placeArchive(readFile(demoFile("QEL.e"))); }
    QString libraryFile(int n) const { return libraryDir.filePath(setName(n)); }
    void setILoveTide(bool on) { settings::write(kApp, "General", "ILoveTide", settings::boolText(on)); }
    static std::vector<UiCall> boxes() { return scriptedUi().callsOf(UiCall::MessageBox); }

    QTemporaryDir programDir;
    QTemporaryDir libraryDir;
    QString previousLibrary;
};

} // namespace

TEST_F(SelectKinoTest, AFreshStoreGetsEveryDefaultAsText)
{
    const clsSelectKino kino;
    EXPECT_TRUE(boxes().empty());

    QList<std::pair<QString, QString>> expected = {{"General/DoesExpandInOpening", "False"},
                                                   {"General/ILoveTide", "True"}};
    const std::pair<const char*, const char*> parts[] = {
        {"Height", "6255"}, {"Left", "7485"}, {"Top", "1605"}, {"Width", "4755"}};
    for (const char* dialog : kDialogs)
        for (const auto& [part, text] : parts)
            expected.append({QStringLiteral("Location/%1_%2").arg(QLatin1String(dialog), QLatin1String(part)),
                             QString::fromLatin1(text)});
    const QSettings store(storePath(), QSettings::IniFormat);
    EXPECT_EQ(store.allKeys().size(), 18);
    for (const auto& [key, text] : expected)
        EXPECT_EQ(store.value(key).toString(), text) << key.toStdString();

    const auto state = LibraryState::acquire();
    EXPECT_FALSE(state->DoesExpandInOpening);
    EXPECT_TRUE(state->ILoveTide);
    for (const WindowPlace& place : state->places) {
        EXPECT_EQ(place.Height, 6255);
        EXPECT_EQ(place.Left, 7485);
        EXPECT_EQ(place.Top, 1605);
        EXPECT_EQ(place.Width, 4755);
    }
    EXPECT_EQ(state->LibraryFolder, libraryDir.path() + "/");
    EXPECT_EQ(state->AppName, kApp);
    const QStringList& paths = kino.SettingFilePaths();
    ASSERT_EQ(paths.size(), 11);
    EXPECT_EQ(paths[0], QString());
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(paths[n], libraryFile(n));
}

TEST_F(SelectKinoTest, UserValuesAreKeptAndEmptyOnesReplaced)
{
    settings::write(kApp, "General", "DoesExpandInOpening", "True");
    settings::write(kApp, "Location", "fSelCusIn_Left", "2000");
    QSettings(storePath(), QSettings::IniFormat).setValue("Location/fSelStepOut_Width", ""); // empty counts as missing
    const clsSelectKino kino;
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(settings::read(kApp, "Location", "fSelCusIn_Left"), QStringLiteral("2000"));
    EXPECT_EQ(settings::read(kApp, "Location", "fSelStepOut_Width"), QStringLiteral("4755"));
    const auto state = LibraryState::acquire();
    EXPECT_TRUE(state->DoesExpandInOpening);
    EXPECT_EQ(state->places[eSelCusIn].Left, 2000);
    EXPECT_EQ(state->places[eSelStepOut].Width, 4755);
}

TEST_F(SelectKinoTest, ValuesThatDoNotConvertFallBackToTheirDefaultsWithOneMessage)
{
    settings::write(kApp, "General", "ILoveTide", "abc");
    settings::write(kApp, "Location", "fSelCusIn_Top", "abc");
    settings::write(kApp, "Location", "fSelStepOut_Height", "12abc");
    settings::write(kApp, "Location", "fSelStepOut_Width", "5000"); // read after the bad ones
    scriptedUi().answerMessageBox(platform::vbOK);
    const clsSelectKino kino;
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, mMOD::MessageText(2));
    EXPECT_EQ(shown[0].style, platform::vbCritical);
    EXPECT_EQ(shown[0].title, kApp);
    const auto state = LibraryState::acquire();
    EXPECT_TRUE(state->ILoveTide);
    EXPECT_EQ(state->places[eSelCusIn].Top, 1605);
    EXPECT_EQ(state->places[eSelStepOut].Height, 6255);
    EXPECT_EQ(state->places[eSelStepOut].Width, 5000);
}

TEST_F(SelectKinoTest, AStoreThatCannotBeWrittenIsToldOnce)
{
    // A folder where the store's file belongs, in place of the one the start of the case wrote.
    QFile::remove(storePath());
    ASSERT_TRUE(QDir().mkpath(storePath()));
    scriptedUi().answerMessageBox(platform::vbOK); // RegDefaultKey's report
    scriptedUi().answerMessageBox(platform::vbOK); // ReadRegData's report
    scriptedUi().answerMessageBox(platform::vbOK); // message 2
    const clsSelectKino kino;
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[0].text.startsWith("RegDefaultKey\r\n"));
    EXPECT_TRUE(shown[1].text.startsWith("ReadRegData\r\n"));
    EXPECT_EQ(shown[2].text, mMOD::MessageText(2));
}

TEST_F(SelectKinoTest, DoneMeltLeavesTheDemoSetFilesWhateverWasThere)
{
    placeDemoArchive();
    for (const bool iLoveTide : {true, false}) {
        SCOPED_TRACE(iLoveTide);
        setILoveTide(iLoveTide);
        writeFile(libraryFile(3), "an earlier extraction");
        clsSelectKino kino;
        EXPECT_TRUE(kino.DoneMelt());
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(readFile(libraryFile(n)), readFile(demoFile(setName(n)))) << n;
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SelectKinoTest, AMissingOrDamagedArchiveIsReportedAndNothingGoesOnWithStaleFiles)
{
    const QByteArray demo = readFile(demoFile("QEL.e"));
    const struct {
        const char* what;
        std::optional<QByteArray> archive;
        const char* told;
    } cases[] = {
        {"missing", std::nullopt, "File not found"},
        {"cut short", demo.left(demo.size() / 2), "Damaged setting archive"},
        {"garbage", QByteArray(400, 'x'), "Damaged setting archive"},
        {"empty", QByteArray(), "Damaged setting archive"},
    };
    // Kept files from an earlier run: the failed extraction leaves them alone,
    // and DoneMelt must not pass them off as extracted.
    setILoveTide(false);
    for (int n = 1; n <= 10; ++n)
        writeFile(libraryFile(n), "stale");
    clsSelectKino kino;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(programDir.filePath("QEL.e"));
        if (c.archive)
            placeArchive(*c.archive);
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(kino.DoneMelt());
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1u); // no box naming a missing Set file
        EXPECT_EQ(shown[0].title, QStringLiteral("ERROR"));
        EXPECT_TRUE(shown[0].text.startsWith("MeltSettingFiles\r\n")) << shown[0].text.toStdString();
        EXPECT_TRUE(shown[0].text.contains(QLatin1String(c.told))) << shown[0].text.toStdString();
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(readFile(libraryFile(n)), QByteArray("stale")) << n;
    }
}

TEST_F(SelectKinoTest, AnArchiveWithoutEverySetFileNamesTheFirstMissingOne)
{
    // An archive that holds Set01.e to Set03.e only.
    placeArchive(readFile(QStringLiteral(QEL_ARCHIVE_FIXTURES "/names_l0.lzh")));
    clsSelectKino kino;
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(kino.DoneMelt());
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Cannot find following file. Cannot load.\r\n\r\n" + libraryFile(4));
    EXPECT_EQ(shown[0].style, platform::vbCritical | platform::vbOKOnly);
    EXPECT_EQ(shown[0].title, kApp);
}

TEST_F(SelectKinoTest, SettingFilesAreDeletedOnlyWhenILoveTide)
{
    for (const bool iLoveTide : {false, true}) {
        SCOPED_TRACE(iLoveTide);
        setILoveTide(iLoveTide);
        for (int n = 1; n <= 10; ++n)
            writeFile(libraryFile(n), "extracted");
        writeFile(libraryDir.filePath("Set11.e"), "not ours");
        clsSelectKino kino;
        EXPECT_TRUE(kino.DeleteSettingFiles());
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(QFile::exists(libraryFile(n)), !iLoveTide) << n;
        EXPECT_TRUE(QFile::exists(libraryDir.filePath("Set11.e")));
        EXPECT_TRUE(kino.DeleteSettingFiles()); // nothing left to delete is no error
    }
}

TEST_F(SelectKinoTest, TheSelectionListsAreReadFromTheExtractedFiles)
{
    placeDemoArchive();
    clsSelectKino kino;
    ASSERT_TRUE(kino.DoneMelt());
    ASSERT_TRUE(kino.ReadCustomSelection());
    EXPECT_EQ(kino.cusinp().Count(), 24);
    EXPECT_EQ(kino.cusout().Count(), 20);
    EXPECT_TRUE(QFile::exists(libraryFile(6))); // its caller deletes them
    EXPECT_EQ(&kino.cusinp(), LibraryState::acquire()->cusinp.get()); // the shared list itself

    ASSERT_TRUE(kino.ReadStepSelection());
    EXPECT_EQ(kino.stpinp().Count(), 223);
    EXPECT_EQ(kino.stpout().Count(), 419);
    for (int n = 1; n <= 10; ++n)
        EXPECT_FALSE(QFile::exists(libraryFile(n))) << n;
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SelectKinoTest, ListsThatCannotBeReadAreTold)
{
    clsSelectKino kino;
    // No extraction: Set06.e is missing.
    scriptedUi().answerMessageBox(platform::vbOK); // the reader's report
    scriptedUi().answerMessageBox(platform::vbOK); // message 21
    EXPECT_FALSE(kino.ReadCustomSelection());
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].text.startsWith("ReadSet6_7_8_9e\r\n"));
    EXPECT_EQ(shown[1].text, mMOD::MessageText(21));
    EXPECT_EQ(shown[1].style, platform::vbCritical);

    // Without an archive the step lists are not read at all.
    scriptedUi().clearCalls();
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(kino.ReadStepSelection());
    shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith("MeltSettingFiles\r\n"));
    EXPECT_EQ(kino.stpinp().Count(), 0);
}

TEST_F(SelectKinoTest, TheLibraryStateLivesWhileAnyOfItsClassesLives)
{
    auto table = std::make_unique<clsSelectTable>();
    const std::weak_ptr<LibraryState> seen = LibraryState::acquire();
    ASSERT_FALSE(seen.expired());
    const auto slot = [&](auto member) { return static_cast<bool>(seen.lock().get()->*member); };
    EXPECT_TRUE(slot(&LibraryState::method));
    EXPECT_TRUE(slot(&LibraryState::resource));
    EXPECT_FALSE(slot(&LibraryState::file));
    const Ostrel7::clsMethod* tablesMethod = seen.lock()->method.get();

    auto kino = std::make_unique<clsSelectKino>();
    auto print = std::make_unique<clsPrint>();
    EXPECT_EQ(LibraryState::acquire(), seen.lock()); // one state for all three
    EXPECT_NE(seen.lock()->method.get(), tablesMethod); // replaced by clsSelectKino's own
    for (auto member : {&LibraryState::stpinp, &LibraryState::stpout, &LibraryState::cusinp, &LibraryState::cusout})
        EXPECT_TRUE(slot(member));
    EXPECT_TRUE(slot(&LibraryState::file));
    EXPECT_TRUE(slot(&LibraryState::property));
    EXPECT_TRUE(slot(&LibraryState::string));

    // Released in the order they were made.
    table.reset();
    EXPECT_FALSE(seen.expired());
    kino.reset();
    ASSERT_FALSE(seen.expired());
    EXPECT_TRUE(slot(&LibraryState::string));
    EXPECT_EQ(errorOf([&] { seen.lock()->File(); }), platform::errObjectNotSet); // released, never null
    print.reset();
    EXPECT_TRUE(seen.expired());
}
