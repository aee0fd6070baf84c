// Every save of the suite with its disk filling up at each of its file
// operations in turn: after each failure the files on disk are exactly the
// old ones, nothing is left behind, and the answer is a failure reported as
// "Disk full"; the save that runs to its end writes all new files. Then the
// same save killed at each file operation: once recovered, its files are
// wholly old or wholly new.

#include "FileFaults.h"
#include "ScriptedUi.h"
#include "TestFiles.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/reports/ReportFrame.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/TableCopyWriter.h"
#include "platform/Archive.h"
#include "platform/Folders.h"
#include "platform/PrivateProfile.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/workbook/Application.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>


namespace {

using namespace Telva27;
using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::writeFile;

// A member that traps its errors answers false and reports "Disk full" once.
std::function<bool()> reportingDiskFull(const std::function<bool()>& save)
{
    return [save] {
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        const bool saved = save();
        if (!saved) {
            const auto boxes = scriptedUi().callsOf(testsupport::UiCall::MessageBox);
            EXPECT_EQ(boxes.size(), 1u);
            if (!boxes.empty()) {
                EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(platform::errDiskFull)))
                    << boxes[0].text.toStdString();
            }
        }
        scriptedUi().reset();
        return saved;
    };
}

// A platform writer throws; its error must be "Disk full".
std::function<bool()> throwingDiskFull(const std::function<void()>& save)
{
    return [save] {
        try {
            save();
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errDiskFull) << e.description().toStdString();
            return false;
        }
        return true;
    };
}

class SaveFaults : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(SaveFaults, StepFileAndNoteFile)
{
    colclsCusSelection seqout;
    colclsCusSelection seqinp;
    seqout.Add(QStringLiteral("Y_ON"), 5, QString(), QStringLiteral("OUT"));
    seqinp.Add(QStringLiteral("X01"), 1, QString(), QStringLiteral("IN"));
    const QString stp = path(QStringLiteral("P.stp"));
    const QString bin = path(QStringLiteral("P.BIN"));
    {
        colclsStep old;
        old.Add(1, 5, 0, 10, nullptr, QStringLiteral("old"), false, false);
        ASSERT_TRUE(old.SaveData(bin, stp, bin, 8193, true, seqout, seqinp));
    }
    const QByteArray oldStp = readFile(stp);
    const QByteArray oldBin = readFile(bin);
    colclsStep changed;
    changed.Add(1, 5, 0, 20, nullptr, QStringLiteral("new remark"), false, false);
    changed.setMemo(QStringLiteral("new memo"));
    for (const bool isNew : {false, true}) {
        SCOPED_TRACE(isNew ? "made anew" : "one table replaced");
        auto prepare = [&] {
            writeFile(stp, oldStp);
            writeFile(bin, oldBin);
        };
        testsupport::sweepEachFileOperation(
            {dir.path()}, prepare,
            reportingDiskFull([&] { return changed.SaveData(bin, stp, bin, 8193, isNew, seqout, seqinp); }));
        EXPECT_NE(readFile(stp), oldStp);
        EXPECT_NE(readFile(bin), oldBin);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
}

TEST_F(SaveFaults, SettingArchiveExtraction)
{
    const QString archive = QStringLiteral(QEL_DEMO_DIR "/QEL.e");
    QTemporaryDir reference;
    platform::archive::extractSettingFiles(archive, reference.path());
    const QStringList names = QDir(reference.path()).entryList(QDir::Files);
    ASSERT_EQ(names.size(), 10);
    auto prepare = [&] {
        for (const QString& name : names)
            writeFile(path(name), "old " + name.toLatin1());
    };
    testsupport::sweepEachFileOperation(
        {dir.path()}, prepare, throwingDiskFull([&] { platform::archive::extractSettingFiles(archive, dir.path()); }));
    for (const QString& name : names)
        EXPECT_EQ(readFile(path(name)), readFile(QDir(reference.path()).filePath(name))) << name.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), names);
}

TEST_F(SaveFaults, IniFile)
{
    const QString ini = path(QStringLiteral("QELM.ini"));
    auto prepare = [&] { writeFile(ini, "[SETTING]\r\nMYPATH=/old\r\n"); };
    testsupport::sweepEachFileOperation({dir.path()}, prepare, [&] {
        return platform::profile::writeString(QStringLiteral("SETTING"), QStringLiteral("MYPATH"), QStringLiteral("/new"), ini);
    });
    EXPECT_EQ(readFile(ini), "[SETTING]\r\nMYPATH=/new\r\n");
}

TEST_F(SaveFaults, Workbook)
{
    namespace wb = platform::workbook;
    const QString xlsx = path(QStringLiteral("report.xlsx"));
    Ostrel7::clsMethod method;
    ReportFrame frame{method, {}};
    auto prepare = [&] { writeFile(xlsx, "older workbook"); };
    testsupport::sweepEachFileOperation({dir.path()}, prepare, reportingDiskFull([&] {
        return frame.run(
            eEXCEL2000, xlsx, [](wb::Application&, wb::Worksheet& s) { s.Cells(1, 1).setValue(QStringLiteral("x")); },
            [](wb::Application&, wb::Worksheet&) {});
    }), testsupport::sameFilesButTheirTimeStamps);
    EXPECT_TRUE(readFile(xlsx).startsWith("PK"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.xlsx")});
}


// The three writers of the user table's working copy, each over an eight-table
// file and its SEK working copy.
class TableSaveFaults : public SaveFaults {
protected:
    void SetUp() override
    {
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set10.e", "Set04.e", "Set05.e"}) {
            const QString copy = QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name));
            QFile::remove(copy);
            ASSERT_TRUE(QFile::copy(demo(name), copy));
        }
        ASSERT_TRUE(parameters.ReadSet01e() && parameters.ReadSet02e() && parameters.ReadSet03e()
                    && parameters.ReadSet10e());
        ASSERT_TRUE(pins.ReadSet04e() && pins.ReadSet05e());
        ASSERT_TRUE(parameters.ReadData(eUSR, demo("DEMO.stg"), kTable3, demo("DEMO.SEK")));
        ASSERT_TRUE(pins.ReadData(demo("DEMO.stg"), kTable3));
        ASSERT_TRUE(pitches.ReadData(demo("DEMO.stg"), kTable3 + 512));
    }
    static QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }
    // The working copy as the parameter save leaves it, with an older SEK copy beside it.
    void prepareWorkingCopy()
    {
        writeFile(path("eusr2.tmp"), readFile(demo("DEMO.stg")));
        writeFile(path("sek.tmp"), "older sek");
    }

    static constexpr int32_t kTable3 = 3 * 8192 + 1;
    colclsFunction parameters;
    colclsCustom pins;
    colclsOkuri pitches;
};

TEST_F(TableSaveFaults, ParametersWithTheSekCopy)
{
    parameters.Item("SPEED")->Items()->Item("S01")->setUserValue(3333);
    testsupport::sweepEachFileOperation({dir.path()}, [&] { prepareWorkingCopy(); }, reportingDiskFull([&] {
        return parameters.SaveData(eSTG, path("eusr2.tmp"), kTable3, eSTG, demo("DEMO.stg"));
    }));
    EXPECT_NE(readFile(path("eusr2.tmp")), readFile(demo("DEMO.stg")));
    EXPECT_EQ(readFile(path("sek.tmp")), readFile(demo("DEMO.SEK")));
}

TEST_F(TableSaveFaults, CustomizePinsAndFeedPitches)
{
    pins.Item("IN")->setKino(65);
    pitches.Item(5)->setT1(2220);
    const std::pair<const char*, std::function<bool()>> writers[] = {
        {"pins", [&] { return pins.SaveData(eSTG, path("eusr2.tmp"), kTable3, eSTG); }},
        {"pitches", [&] { return pitches.SaveData(eSTG, path("eusr2.tmp"), kTable3 + 512, eSTG, 512); }},
    };
    for (const auto& [name, save] : writers) {
        SCOPED_TRACE(name);
        testsupport::sweepEachFileOperation({dir.path()}, [&] { prepareWorkingCopy(); }, reportingDiskFull(save));
        EXPECT_NE(readFile(path("eusr2.tmp")), readFile(demo("DEMO.stg")));
    }
}


// The table copy: a new setting file with its SEK file, a new step file with
// its note file, each pair over old files.
TEST_F(SaveFaults, TableCopyPairs)
{
    auto eightTables = [](char tag) {
        QByteArray bytes;
        for (int t = 0; t < 8; ++t)
            bytes += QByteArray(8192, static_cast<char>(tag + t));
        return bytes;
    };
    writeFile(path("a.stg"), eightTables(0x10));
    writeFile(path("a.SEK"), "new SEK");
    writeFile(path("a.stp"), eightTables(0x30));
    writeFile(path("a.BIN"), eightTables(0x50));
    Ostrel7::clsMethod reporter;
    Sorvi27::CopySlots settings;
    for (int i = 0; i < 8; ++i)
        settings[static_cast<size_t>(i)] = Sorvi27::TableSource{7 - i, path("a.stg")};
    Sorvi27::CopySlots steps;
    steps[2] = Sorvi27::TableSource{4, path("a.stp")};
    const struct {
        const char* what;
        const char* target;
        const char* companion;
        std::function<bool()> save;
    } pairs[] = {
        {"setting file", "out.stg", "out.SEK",
         [&] { return Sorvi27::TableCopyWriter(reporter, settings).SaveStgFile(path("out.stg")); }},
        {"step file", "out.stp", "out.BIN",
         [&] { return Sorvi27::TableCopyWriter(reporter, steps).SaveStpFile(path("out.stp")); }},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.what);
        auto prepare = [&] {
            writeFile(path(pair.target), "old file");
            writeFile(path(pair.companion), "old companion");
        };
        testsupport::sweepEachFileOperation({dir.path()}, prepare, reportingDiskFull(pair.save));
        EXPECT_EQ(readFile(path(pair.target)).size(), 65536);
        EXPECT_NE(readFile(path(pair.companion)), "old companion");
    }
}

} // namespace
