// Saving the USR data from the main window: overwrite, save as, save into
// further tables of an eight-table file, the SEK companion, the editing
// windows' write-back and every message of the sequence.

#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "datamodel/common/Enums.h"
#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/clsFunction.h"
#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsFunction.h"
#include "dialogs/clsPrint.h"
#include "setting/EditingWindow.h"
#include "setting/mMOD.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <functional>

using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

constexpr int kTable = 8192;
constexpr int kS01 = 32; // the word of parameter S01 (SPEED)

// An editing window whose write-back the test decides.
class WriteBackWindow final : public QelmSet::EditingWindow {
    Q_OBJECT
public:
    WriteBackWindow(const QString& tag, std::function<bool()> writeBack)
        : EditingWindow(QStringLiteral("fParam")), writeBack_(std::move(writeBack))
    {
        setTag(tag);
    }
    bool Update_Variable() override { return writeBack_(); }
    void BTN_Click(int) override {}
    void PasteDifs() override { ++pasted; }
    int pasted = 0;

private:
    std::function<bool()> writeBack_;
};

QByteArray tableOf(const QByteArray& file, int t) { return file.mid(t * kTable, kTable); }

int wordAt(const QByteArray& bytes, int offset)
{
    return static_cast<uint8_t>(bytes[offset]) | static_cast<uint8_t>(bytes[offset + 1]) << 8;
}

QByteArray withWord(QByteArray bytes, int offset, int value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
    return bytes;
}

QStringList messageTexts()
{
    return testsupport::scriptedUi().messageTexts();
}

QString message(int16_t number) { return QelmSet::mMOD::MessageText(number); }

// Plays the single table choice.
void chooseTable(int index)
{
    scriptedUi().answerDialog([index](QDialog& d) {
        const WindowDriver w(d);
        w.click(QStringLiteral("op%1").arg(index));
        w.ok();
    });
}

// Plays the several-tables choice: the preselected table (the one last
// chosen) is unticked, then exactly these are ticked; table 0 is shown first
// when it is one of them.
void chooseTables(std::vector<int> tables)
{
    scriptedUi().answerDialog([tables](QDialog& d) {
        const WindowDriver w(d);
        for (int t = 1; t < 8; ++t)
            if (w.child<QCheckBox>(QStringLiteral("chk%1").arg(t))->isChecked())
                w.click(QStringLiteral("chk%1").arg(t));
        for (const int t : tables) {
            if (t == 0)
                w.press(Qt::Key_0, Qt::AltModifier);
            w.click(QStringLiteral("chk%1").arg(t));
        }
        w.ok();
    });
}

} // namespace

class SaveUsrData : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        window().ReadQELMData(Telva27::eSTD, dataCopy("DEMO_STD.etb"));
    }

    // Opens table `table` of a copy of DEMO.stg as the USR data.
    QString openStg(int table, const QString& name = QStringLiteral("user"))
    {
        const QString stg = dataCopy("DEMO.stg", name + ".stg");
        dataCopy("DEMO.SEK", name + ".SEK");
        chooseTable(table);
        window().ReadQELMData(Telva27::eUSR, stg);
        EXPECT_EQ(window().UsrFilePath(), stg);
        return stg;
    }
    QString openEtb()
    {
        const QString etb = dataCopy("DEMO_USR.etb", QStringLiteral("user.etb"));
        window().ReadQELMData(Telva27::eUSR, etb);
        EXPECT_EQ(window().UsrFilePath(), etb);
        return etb;
    }

    Telva27::clsDigital& s01() { return *state().functions->Item("SPEED")->Items()->Item("S01"); }
    QString usrButton() { return window().toolKey(QStringLiteral("keyUSR"))->text(); }
    void addWindow(QWidget* w) { window().mdiArea().addSubWindow(w)->show(); }
};

TEST_F(SaveUsrData, OverwriteChangesOnlyTheTableTheDataWasReadFrom)
{
    const QString stg = openStg(3);
    const QByteArray before = readFile(stg);
    const QByteArray sek = readFile(dataPath("user.SEK"));
    // A later USR opening that fails (no SEK) after choosing table 5 must not
    // move where the loaded data goes.
    const QString lone = dataCopy("DEMO.stg", QStringLiteral("lone.stg"));
    chooseTable(5);
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    window().ReadQELMData(Telva27::eUSR, lone);
    scriptedUi().clearCalls();

    s01().setUserValue(4444);
    EXPECT_TRUE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    EXPECT_TRUE(messageTexts().isEmpty()) << "table 3 asks nothing";
    const QByteArray after = readFile(stg);
    ASSERT_EQ(after.size(), before.size());
    for (int t = 0; t < 8; ++t)
        EXPECT_EQ(tableOf(after, t), t == 3 ? withWord(tableOf(before, 3), kS01, 4444) : tableOf(before, t)) << t;
    EXPECT_EQ(readFile(dataPath("user.SEK")), sek);
    EXPECT_EQ(usrButton(), QStringLiteral("user.stg (3)"));
}

TEST_F(SaveUsrData, SavingIntoTablesTwoAndFive)
{
    const QString stg = openStg(3);
    const QByteArray before = readFile(stg);
    s01().setUserValue(4321);
    chooseTables({2, 5});
    EXPECT_TRUE(window().SaveAllFiles(QStringLiteral("keySAVEASOTHERTB")));
    EXPECT_TRUE(messageTexts().isEmpty());
    const QByteArray after = readFile(stg);
    for (int t = 0; t < 8; ++t) {
        SCOPED_TRACE(t);
        if (t != 2 && t != 5) {
            EXPECT_EQ(tableOf(after, t), tableOf(before, t));
            continue;
        }
        // The loaded values go in; bytes no parameter owns stay the table's own.
        EXPECT_EQ(wordAt(tableOf(after, t), kS01), 4321);
        EXPECT_EQ(tableOf(after, t)[96], 23) << "F01 of table 3";
        EXPECT_EQ(static_cast<uint8_t>(tableOf(after, t)[48]), 0xA0 + t) << "an unowned byte";
    }
    // The first table saved to is where the next overwrite goes.
    EXPECT_EQ(window().UsrTableIndex(), 2);
    EXPECT_EQ(usrButton(), QStringLiteral("user.stg (2)"));
    s01().setUserValue(1234);
    ASSERT_TRUE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    const QByteArray last = readFile(stg);
    EXPECT_EQ(wordAt(tableOf(last, 2), kS01), 1234);
    EXPECT_EQ(tableOf(last, 5), tableOf(after, 5));
    EXPECT_EQ(tableOf(last, 3), tableOf(before, 3));
}

TEST_F(SaveUsrData, TableZeroOrAnExistingOneTableFileAsksFirstAndNoWritesNothing)
{
    const QString stg = openStg(3);
    const QByteArray stgBefore = readFile(stg);
    s01().setUserValue(4444);
    chooseTables({0, 4});
    scriptedUi().answerMessageBox(platform::vbNo);
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keySAVEASOTHERTB")));
    EXPECT_EQ(messageTexts(), QStringList{message(45)});
    EXPECT_EQ(readFile(stg), stgBefore);

    scriptedUi().clearCalls();
    const QString etb = openEtb();
    const QByteArray etbBefore = readFile(etb);
    s01().setUserValue(4444);
    scriptedUi().answerMessageBox(platform::vbNo);
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    EXPECT_EQ(readFile(etb), etbBefore);
    scriptedUi().answerMessageBox(platform::vbYes);
    EXPECT_TRUE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    EXPECT_EQ(readFile(etb), withWord(etbBefore, kS01, 4444));
    EXPECT_EQ(messageTexts(), QStringList(2, message(45)));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style, platform::vbQuestion | platform::vbYesNo);
}

TEST_F(SaveUsrData, OneTableDataIntoAnEightTableFileNeedsASekFile)
{
    openEtb();
    const QString target = dataPath(QStringLiteral("NEW.stg"));
    // Cancelling the SEK dialog saves nothing.
    scriptedUi().answerSaveFile(target);
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerOpenFile(QString());
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keySAVEAS")));
    EXPECT_EQ(messageTexts(), (QStringList{message(49), message(50)}));
    EXPECT_FALSE(QFileInfo::exists(target));

    scriptedUi().clearCalls();
    const QString sek = dataCopy("DEMO.SEK", QStringLiteral("chosen.sek"));
    scriptedUi().answerSaveFile(target);
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerOpenFile(sek);
    EXPECT_TRUE(window().SaveAllFiles(QStringLiteral("keySAVEAS")));
    const auto sekDialog = scriptedUi().callsOf(UiCall::OpenFile);
    ASSERT_EQ(sekDialog.size(), 1u);
    EXPECT_EQ(sekDialog[0].title, QStringLiteral("sek file (*.sek) |*.sek"));
    const QByteArray written = readFile(target);
    ASSERT_EQ(written.size(), 65536);
    for (int t = 0; t < 8; ++t)
        EXPECT_EQ(wordAt(tableOf(written, t), kS01), 3200) << t;
    EXPECT_EQ(readFile(dataPath("NEW.SEK")), readFile(sek));
    EXPECT_EQ(window().UsrFilePath(), target);
}

TEST_F(SaveUsrData, SaveAsToANewFileAsksNothingAndBecomesTheUsrFile)
{
    const QString etb = openEtb();
    const QByteArray old = readFile(etb);
    QDir(dataFolder_.path()).mkdir(QStringLiteral("other"));
    const QString target = dataPath(QStringLiteral("other/copy.etb"));
    s01().setUserValue(3900);
    scriptedUi().answerSaveFile(target);
    EXPECT_TRUE(window().SaveAllFiles(QStringLiteral("keySAVEAS")));
    EXPECT_TRUE(messageTexts().isEmpty());
    const auto dialog = scriptedUi().callsOf(UiCall::SaveFile);
    ASSERT_EQ(dialog.size(), 1u);
    EXPECT_EQ(dialog[0].arguments, (QStringList{dataFolder_.path(), QStringLiteral("user.etb")}));
    EXPECT_EQ(readFile(etb), old);
    EXPECT_EQ(readFile(target), withWord(old, kS01, 3900));
    EXPECT_EQ(window().UsrFilePath(), target);
    EXPECT_EQ(usrButton(), QStringLiteral("copy.etb"));

    // A second overwrite writes into the new file, and asks first.
    s01().setUserValue(3950);
    scriptedUi().answerMessageBox(platform::vbYes);
    EXPECT_TRUE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    EXPECT_EQ(readFile(target), withWord(old, kS01, 3950));
    EXPECT_EQ(readFile(etb), old);
}

TEST_F(SaveUsrData, SaveAsOffersTheKindOfTheLoadedFile)
{
    openEtb();
    scriptedUi().answerSaveFile(QString());
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keySAVEAS")));
    openStg(1);
    scriptedUi().answerSaveFile(QString());
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keySAVEAS")));
    const auto dialogs = scriptedUi().callsOf(UiCall::SaveFile);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].arguments.value(1), QStringLiteral("user.etb"));
    EXPECT_EQ(selectedFilterPatterns(dialogs[0]), QStringLiteral("*.etb"));
    EXPECT_EQ(dialogs[1].arguments.value(1), QStringLiteral("user.stg"));
    EXPECT_EQ(selectedFilterPatterns(dialogs[1]), QStringLiteral("*.stg"));
}

TEST_F(SaveUsrData, ATargetOfAnotherKindIsRefused)
{
    openEtb();
    for (const char* name : {"notes.txt", "noextension"}) {
        SCOPED_TRACE(name);
        scriptedUi().clearCalls();
        const QString target = dataPath(QLatin1String(name));
        scriptedUi().answerSaveFile(target);
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keySAVEAS")));
        EXPECT_EQ(messageTexts(), QStringList{QelmSet::mMOD::MessageText(8)});
        EXPECT_FALSE(QFileInfo::exists(target));
    }
}

TEST_F(SaveUsrData, EditingWindowsWriteBackFirstAndAFailedWriteBackStopsTheSave)
{
    const QString stg = openStg(3);
    const QByteArray before = readFile(stg);
    auto* writing = new WriteBackWindow(QStringLiteral("SPEED"), [&] {
        s01().setUserValue(3777);
        return true;
    });
    addWindow(writing);
    bool failing = true;
    auto* failed = new WriteBackWindow(QStringLiteral("TRIM"), [&] { return !failing; });
    addWindow(failed);

    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    EXPECT_EQ(messageTexts(), QStringList{message(7)});
    EXPECT_EQ(readFile(stg), before);

    failing = false;
    auto* differences = new WriteBackWindow(QStringLiteral("ViewDif"), [] { return true; });
    addWindow(differences);
    EXPECT_TRUE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    EXPECT_EQ(wordAt(tableOf(readFile(stg), 3), kS01), 3777);
    EXPECT_EQ(differences->pasted, 1) << "the difference list is refilled";
}

TEST_F(SaveUsrData, AFailedCopySaysTheDataIsNotSavedAndKeepsTheFiles)
{
    const QString stg = openStg(3);
    const QByteArray before = readFile(stg);
    const QByteArray sek = readFile(dataPath("user.SEK"));
    s01().setUserValue(4444);

    // A read-only target: the error report, then message 44.
    QFile::setPermissions(stg, QFile::ReadOwner);
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keyOVERWRITE")));
    QStringList shown = messageTexts();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("CopySetFiles"))) << shown[0].toStdString();
    EXPECT_EQ(shown[1], message(44));
    EXPECT_TRUE(shown[1].contains(QStringLiteral("Data is not saved.")));
    EXPECT_EQ(readFile(stg), before);
    EXPECT_EQ(readFile(dataPath("user.SEK")), sek);
    QFile::setPermissions(stg, QFile::ReadOwner | QFile::WriteOwner);

    // Too little room for a new file: message 48, then 44; nothing is written.
    scriptedUi().clearCalls();
    state().print->freeSpaceOf = [](const QString&) { return int64_t{100}; };
    scriptedUi().answerSaveFile(dataPath(QStringLiteral("new.stg")));
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(window().SaveAllFiles(QStringLiteral("keySAVEAS")));
    EXPECT_EQ(messageTexts(), (QStringList{message(48), message(44)}));
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("new.stg"))));
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("new.SEK"))));
    EXPECT_EQ(window().UsrFilePath(), stg);
}

TEST_F(SaveUsrData, TheSaveCommandsOfTheMainWindow)
{
    const QString stg = openStg(6);
    window().show();
    s01().setUserValue(2500);
    window().toolKey(QStringLiteral("keySAVE"))->trigger();
    EXPECT_EQ(wordAt(tableOf(readFile(stg), 6), kS01), 2500);

    // Data copy: the USR eight-table file is the source; the window comes back.
    bool hiddenMeanwhile = false;
    scriptedUi().answerDialog([&](QDialog& d) {
        hiddenMeanwhile = !window().isVisible();
        EXPECT_EQ(d.objectName(), QStringLiteral("fCopyData"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblSrcFileName"))->text(), QStringLiteral("user.stg"));
        d.reject();
    });
    window().toolKey(QStringLiteral("DataCopy"))->trigger();
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(window().isVisible());
}

#include "SaveUsrDataTest.moc"
