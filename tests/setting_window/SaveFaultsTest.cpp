// The main window's save with the disk failing at each of its file operations
// in turn: the user's files (the table file and its SEK companion) stay
// exactly as they were, nothing is left beside them, and the user is told
// that the data was not saved. Killed at each of those operations, the save
// leaves the two files wholly old or wholly new once they are next opened.

#include "MainWindowFixture.h"
#include "FileFaults.h"
#include "WindowDriver.h"

#include "datamodel/common/Enums.h"
#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/clsFunction.h"
#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsFunction.h"
#include "setting/mMOD.h"

#include <QDialog>


using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

// One save under a fault: a failed one shows the error report and then
// message 7 (the working copy was not written) or 44 (the files were not
// replaced), and the report names a full disk.
std::function<bool()> saveReportingDiskFull(QelmSet::fMain& window, const QString& key, const QString& saveAs = {})
{
    return testsupport::saveReportingDiskFull(
        {QelmSet::mMOD::MessageText(7), QelmSet::mMOD::MessageText(44)}, [&window, key] { return window.SaveAllFiles(key); },
        [saveAs] {
            if (!saveAs.isEmpty())
                scriptedUi().answerSaveFile(saveAs);
        });
}

} // namespace

class MainWindowSaveFaults : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        window().ReadQELMData(Telva27::eSTD, dataCopy("DEMO_STD.etb"));
    }
    Telva27::clsDigital& s01() { return *state().functions->Item("SPEED")->Items()->Item("S01"); }
};

TEST_F(MainWindowSaveFaults, OverwritingATableAndItsSek)
{
    const QString stg = dataCopy("DEMO.stg", QStringLiteral("user.stg"));
    const QString sek = dataCopy("DEMO.SEK", QStringLiteral("user.SEK"));
    scriptedUi().answerDialog([](QDialog& d) {
        const WindowDriver w(d);
        w.click(QStringLiteral("op3"));
        w.ok();
    });
    window().ReadQELMData(Telva27::eUSR, stg);
    const QByteArray oldStg = readFile(stg);
    const QByteArray oldSek = readFile(sek);
    // The SEK file the save writes is a changed one, so a half-done pair would show.
    state().functions->setSekBuffer("a changed SEK");
    s01().setUserValue(4444);
    auto prepare = [&] {
        writeFile(stg, oldStg);
        writeFile(sek, oldSek);
    };
    sweepEachFileOperation({dataFolder_.path()}, prepare,
                          saveReportingDiskFull(window(), QStringLiteral("keyOVERWRITE")));
    EXPECT_NE(readFile(stg), oldStg);
    EXPECT_EQ(readFile(sek), "a changed SEK");
    EXPECT_EQ(QDir(dataFolder_.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"DEMO_STD.etb", "user.SEK", "user.stg"}));
}

TEST_F(MainWindowSaveFaults, SavingAsANewOneTableFile)
{
    const QString etb = dataCopy("DEMO_USR.etb", QStringLiteral("user.etb"));
    window().ReadQELMData(Telva27::eUSR, etb);
    s01().setUserValue(4444);
    const QString target = dataPath(QStringLiteral("new.etb"));
    sweepEachFileOperation({dataFolder_.path()}, [&] { QFile::remove(target); },
                          saveReportingDiskFull(window(), QStringLiteral("keySAVEAS"), target));
    EXPECT_EQ(readFile(target).size(), 8192);
    EXPECT_EQ(window().UsrFilePath(), target);
}
