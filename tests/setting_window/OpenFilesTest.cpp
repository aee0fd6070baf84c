// Opening STD and USR table files into the data model.

#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "datamodel/common/Enums.h"
#include "datamodel/customize/clsCustom.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/clsOkuri.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/clsFunction.h"
#include "datamodel/parameters/colclsFunction.h"
#include "dialogs/clsSelectTable.h"
#include "platform/Settings.h"
#include "setting/ModelSnapshot.h"
#include "setting/mMOD.h"

#include <QDialog>

using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

// Plays the table-choice dialog: picks table `index` (1 to 7), or cancels with -1.
void chooseTable(int index)
{
    scriptedUi().answerDialog([index](QDialog& d) {
        const WindowDriver w(d);
        if (index < 0) {
            w.cancel();
            return;
        }
        w.click(QStringLiteral("op%1").arg(index));
        w.ok();
    });
}

QStringList messageTexts()
{
    return testsupport::scriptedUi().messageTexts();
}

QString message(int16_t number, const QString& x1 = {})
{
    return x1.isEmpty() ? QelmSet::mMOD::MessageText(number) : QelmSet::mMOD::MessageText(number, x1);
}

} // namespace

class OpenFiles : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
    }

    Telva27::clsDigital& digital(const char* group, const char* name)
    {
        return *state().functions->Item(QLatin1String(group))->Items()->Item(QLatin1String(name));
    }
    Telva27::colclsOkuri& pitch(int index) { return *state().okuri[index]; }

    // Everything a user-table read puts into the model, one text per part:
    // parameter values and limits, the header, the SEK bytes, the pins and the
    // two pitch tables.
    QStringList usrModel()
    {
        QStringList parts;
        state().functions->forEachDigital([&](const Telva27::clsDigital& d) {
            parts << QStringLiteral("%1 %2 [%3 %4]").arg(d.Digital()).arg(d.UserValue()).arg(d.Min(), d.Max());
        });
        const Telva27::colclsFunction& f = *state().functions;
        parts << QStringLiteral("header %1 %2 %3 %4")
                     .arg(f.tableFlag())
                     .arg(f.SettingTableNo())
                     .arg(f.DataVersion())
                     .arg(f.KishuName());
        parts << QString::fromLatin1(f.sekBuffer().toHex());
        for (const auto& pin : *state().customUsr)
            parts << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11")
                         .arg(pin->Location())
                         .arg(pin->Kino())
                         .arg(pin->Logic())
                         .arg(pin->Dosa())
                         .arg(pin->OnDelay())
                         .arg(pin->OnDelayTime())
                         .arg(pin->OffDelay())
                         .arg(pin->OffDelayTime())
                         .arg(pin->Chopping())
                         .arg(pin->ZenpaTime())
                         .arg(pin->Duty());
        for (int index : {QelmSet::eOkuriUsrX, QelmSet::eOkuriUsrY})
            for (const auto& row : pitch(index))
                parts << QStringLiteral("pitch %1: %2 %3 %4 %5 %6")
                             .arg(index)
                             .arg(row->P1())
                             .arg(row->P2())
                             .arg(row->T1())
                             .arg(row->T2())
                             .arg(row->B());
        return parts;
    }
};

TEST_F(OpenFiles, OneTableFileOnTheCommandLineIsReadAsStdAndUsr)
{
    window_.reset();
    const QString usr = dataCopy("DEMO_USR.etb");
    ASSERT_TRUE(start(usr));
    EXPECT_EQ(window().StdFilePath(), usr);
    EXPECT_EQ(window().UsrFilePath(), usr);
    EXPECT_EQ(state().functions->DifDititalCount(), 0);
    EXPECT_EQ(digital("SPEED", "S01").UserValue(), 3200);
}

TEST_F(OpenFiles, CommandLineFileGetsTheSizeCheckOnce)
{
    window_.reset();
    const QString cut = dataPath(QStringLiteral("CUT.etb"));
    writeFile(cut, readFile(settingtest::demoFile("DEMO_USR.etb")).left(8191));
    scriptedUi().answerMessageBox(platform::vbOK);
    ASSERT_TRUE(start(cut));
    EXPECT_EQ(messageTexts(), QStringList{message(9)});
    EXPECT_TRUE(window().StdFilePath().isEmpty());
    EXPECT_TRUE(window().UsrFilePath().isEmpty());
}

TEST_F(OpenFiles, ExactFileChecksExtensionAndSize)
{
    const struct {
        const char* name;
        int size;
        int message; // 0: accepted
    } cases[] = {
        {"a.etb", 8192, 0},  {"b.ETB", 8192, 0},  {"c.etb", 8191, 9},  {"d.etb", 8193, 9},
        {"e.etb", 65536, 9}, {"f.stg", 65536, 0}, {"g.STG", 65536, 0}, {"h.stg", 8192, 10},
        {"i.txt", 8192, 8},  {"j", 8192, 8},
    };
    for (const auto& c : cases) {
        const QString path = dataPath(QLatin1String(c.name));
        writeFile(path, QByteArray(c.size, '\0'));
        scriptedUi().clearCalls();
        if (c.message != 0)
            scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_EQ(window().ExactFile(path), c.message == 0) << c.name;
        EXPECT_EQ(messageTexts(), c.message == 0 ? QStringList() : QStringList{message(c.message)}) << c.name;
    }
    EXPECT_TRUE(message(9).endsWith(QStringLiteral("\r\n\r\n8192")));
    EXPECT_TRUE(message(10).endsWith(QStringLiteral("\r\n\r\n65536")));
}

TEST_F(OpenFiles, TableThreeOfAnEightTableFileWithItsPitchTables)
{
    // Mark table 3's first pitch rows so that a read at the wrong offset shows.
    QByteArray stg = readFile(settingtest::demoFile("DEMO.stg"));
    stg[3 * 8192 + 512] = char(77);
    stg[3 * 8192 + 640] = char(88);
    const QString path = dataPath(QStringLiteral("T3.stg"));
    writeFile(path, stg);
    const QString sek = dataCopy("DEMO.SEK", QStringLiteral("T3.sek")); // either letter case is found

    chooseTable(3);
    window().ReadQELMData(Telva27::eUSR, path);
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window().UsrFilePath(), path);
    EXPECT_EQ(digital("SPEED", "S01").UserValue(), 3300);
    EXPECT_EQ(pitch(QelmSet::eOkuriUsrX).Item(1)->P1(), 77);
    EXPECT_EQ(pitch(QelmSet::eOkuriUsrY).Item(1)->P1(), 88);
    EXPECT_EQ(state().customUsr->Item(QStringLiteral("O2"))->OnDelayTime(), 8);
    EXPECT_EQ(state().functions->sekBuffer(), readFile(sek));
    EXPECT_EQ(state().selectTable->prevTableIndex(), 3);

    // The STD side needs no SEK, and its table choice leaves the USR's table alone.
    chooseTable(5);
    window().ReadQELMData(Telva27::eSTD, path);
    EXPECT_EQ(window().StdFilePath(), path);
    EXPECT_EQ(digital("SPEED", "S01").StdValue(), 3500);
    EXPECT_EQ(state().selectTable->prevTableIndex(), 3);
}

TEST_F(OpenFiles, EightTableUsrFileWithoutSekReadsNothing)
{
    const QString path = dataCopy("DEMO.stg");
    const QString sek = dataPath(QStringLiteral("DEMO.SEK"));
    for (int table : {2, -1}) { // also when the table choice is cancelled
        scriptedUi().clearCalls();
        chooseTable(table);
        scriptedUi().answerMessageBox(platform::vbOK);
        scriptedUi().answerMessageBox(platform::vbOK);
        window().ReadQELMData(Telva27::eUSR, path);
        EXPECT_EQ(messageTexts(), (QStringList{message(40, sek), message(41)})) << table;
        EXPECT_TRUE(window().UsrFilePath().isEmpty());
    }
}

TEST_F(OpenFiles, FailedUsrReadKeepsTheEarlierTable)
{
    const QString usr = dataCopy("DEMO_USR.etb");
    window().ReadQELMData(Telva27::eUSR, usr);
    ASSERT_EQ(window().UsrFilePath(), usr);

    // An eight-table file whose SEK companion is larger than any SEK file can be.
    const QString stg = dataCopy("DEMO.stg");
    QFile sek(dataPath(QStringLiteral("DEMO.SEK")));
    ASSERT_TRUE(sek.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sek.resize(17 * 1024 * 1024));
    sek.close();
    chooseTable(4);
    scriptedUi().answerMessageBox(platform::vbOK); // the reader's error report
    scriptedUi().answerMessageBox(platform::vbOK); // message 4
    window().ReadQELMData(Telva27::eUSR, stg);

    EXPECT_EQ(messageTexts().last(), message(4));
    EXPECT_EQ(window().UsrFilePath(), usr);
    EXPECT_TRUE(state().functions->sekBuffer().isEmpty());
    EXPECT_EQ(digital("SPEED", "S01").UserValue(), 3200);
}

TEST_F(OpenFiles, UsrReadFailingAtThePinsPutsBackTheEarlierTableWhole)
{
    const QString usr = dataCopy("DEMO_USR.etb");
    window().ReadQELMData(Telva27::eUSR, usr);
    ASSERT_EQ(window().UsrFilePath(), usr);
    const QStringList before = usrModel();

    // The last pin defined past the end of a table, as a damaged installation
    // file would define it: the read of an eight-table file takes its
    // parameters, its header, its SEK and every other pin before it fails there.
    Telva27::clsCustom* last = nullptr;
    for (const auto& pin : *state().customUsr)
        last = pin.get();
    ASSERT_NE(last, nullptr);
    const int32_t kinoAddress = last->KinoRamAddress();
    last->setKinoRamAddress(8192);
    const QString stg = dataCopy("DEMO.stg");
    dataCopy("DEMO.SEK");
    chooseTable(3);
    scriptedUi().answerMessageBox(platform::vbOK); // the reader's error report
    scriptedUi().answerMessageBox(platform::vbOK); // message 4
    window().ReadQELMData(Telva27::eUSR, stg);

    EXPECT_EQ(messageTexts().last(), message(4));
    EXPECT_EQ(window().UsrFilePath(), usr);
    EXPECT_TRUE(state().functions->sekBuffer().isEmpty());
    EXPECT_EQ(usrModel(), before);

    // With the pin mended the same table reads, and it differs from the earlier one.
    last->setKinoRamAddress(kinoAddress);
    chooseTable(3);
    window().ReadQELMData(Telva27::eUSR, stg);
    ASSERT_EQ(window().UsrFilePath(), stg);
    EXPECT_NE(usrModel(), before);
}

TEST_F(OpenFiles, FileChosenInTheDialogRemembersItsKind)
{
    const QString stg = dataCopy("DEMO.stg");
    dataCopy("DEMO.SEK");
    scriptedUi().answerOpenFile(stg);
    chooseTable(1);
    window().ReadQELMData(Telva27::eUSR, QString());
    EXPECT_EQ(window().UsrFilePath(), stg);
    const auto dialogs = scriptedUi().callsOf(UiCall::OpenFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Open user file"));
    EXPECT_EQ(state().PrevUsr_ExtFilterIndex, 2);
    EXPECT_EQ(platform::settings::read(state().RegAppName, QStringLiteral("FileInfo"),
                                       QStringLiteral("PrevUsr_ExtFilterIndex")),
              QStringLiteral("2"));

    // A cancelled dialog changes nothing.
    scriptedUi().answerOpenFile(QString());
    window().ReadQELMData(Telva27::eSTD, QString());
    EXPECT_TRUE(window().StdFilePath().isEmpty());
}

// The window reads the stored filter indexes at its start.
using OpenDialogs = MainWindowFixture;

TEST_F(OpenDialogs, ShowTheFilesOfTheKindOpenedLast)
{
    // As stored after an eight-table user file and a one-table factory file.
    const QString program = QelmSet::mMOD::ProgramName();
    platform::settings::write(program, QStringLiteral("FileInfo"), QStringLiteral("PrevUsr_ExtFilterIndex"), "2");
    platform::settings::write(program, QStringLiteral("FileInfo"), QStringLiteral("PrevStd_ExtFilterIndex"), "1");
    ASSERT_TRUE(start());
    for (const Telva27::ENUM_USRSTD kind : {Telva27::eUSR, Telva27::eSTD}) {
        scriptedUi().answerOpenFile(QString());
        window().ReadQELMData(kind, QString());
    }
    const auto dialogs = scriptedUi().callsOf(UiCall::OpenFile);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Open user file"));
    EXPECT_EQ(dialogs[0].filterIndex, 2);
    EXPECT_EQ(selectedFilterPatterns(dialogs[0]), QStringLiteral("*.stg"));
    EXPECT_EQ(dialogs[1].text, QStringLiteral("Open std file"));
    EXPECT_EQ(dialogs[1].filterIndex, 1);
    EXPECT_EQ(selectedFilterPatterns(dialogs[1]), QStringLiteral("*.etb"));
}

TEST(ModelSnapshot, PutsBackWhatAReadChanged)
{
    Telva27::colclsFunction functions;
    functions.Add(QStringLiteral("G"), QStringLiteral("Group"));
    Telva27::colclsCustom pins;
    Telva27::colclsOkuri x;
    Telva27::colclsOkuri y;
    x.Add(1, 2, 3, 4, 5);
    functions.setKishuName(QStringLiteral("QD10"));
    functions.setSekBuffer("SEK");

    QelmSet::ModelSnapshot snapshot(Telva27::eUSR, functions, pins, x, y);
    functions.setKishuName(QStringLiteral("OTHER"));
    functions.setSekBuffer("NEW");
    x.ResetCollection();
    y.Add(9, 9, 9, 9, 9);
    snapshot.restore();

    EXPECT_EQ(functions.KishuName(), QStringLiteral("QD10"));
    EXPECT_EQ(functions.sekBuffer(), QByteArray("SEK"));
    ASSERT_EQ(x.Count(), 1);
    EXPECT_EQ(x.Item(1)->T2(), 4);
    EXPECT_EQ(y.Count(), 0);
}
