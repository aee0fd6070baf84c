// The writers of one file each (the settings store, Err.log, a grid's file,
// the byte rotation of a file, the shell's copy, a launcher) with the disk filling up at
// each of their file operations, then killed at each: the file is wholly old
// or wholly new and nothing is left beside it.

#include "FileFaults.h"
#include "ScriptedUi.h"
#include "TestFiles.h"

#include "platform/RuntimeError.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridFile.h"
#include "util/file/ShellFileOps.h"
#include "util/file/clsFILE.h"
#include "util/method/ErrorLog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::writeFile;

// A writer that throws must throw "Disk full".
std::function<bool()> throwingDiskFull(const std::function<void()>& save)
{
    return [save] {
        const int32_t number = testsupport::errorOf(save);
        if (number != 0)
            EXPECT_EQ(number, platform::errDiskFull);
        return number == 0;
    };
}

// A trapped member answers false and reports once.
std::function<bool()> reportingOnce(const std::function<bool()>& save)
{
    return [save] {
        scriptedUi().reset();
        scriptedUi().answerMessageBox(platform::vbOK);
        const bool saved = save();
        EXPECT_EQ(scriptedUi().callsOf(testsupport::UiCall::MessageBox).size(), saved ? 0u : 1u);
        scriptedUi().reset();
        return saved;
    };
}

struct Writer {
    const char* what;
    const char* target; // the file written, in the test's folder
    std::function<bool(const QString& target)> save;
};

TEST(SingleFileWriterFaults, EachWriterLeavesItsFileWhollyOldOrWhollyNew)
{
    QTemporaryDir sources;
    const QString source = QDir(sources.path()).filePath(QStringLiteral("source.bin"));
    writeFile(source, QByteArray("source bytes ") + QByteArray(3000, 's'));
    Ostrel7::clsFILE file;
    const Writer writers[] = {
        {"Err.log", "Err.log",
         [](const QString& target) {
             return throwingDiskFull([&] { Ostrel7::errorlog::append(target, QStringLiteral("a new report")); })();
         }},
        {"grid file", "grid.dat",
         [](const QString& target) {
             platform::grid::GridData grid;
             grid.setRows(3);
             grid.setCols(2);
             grid.setTextMatrix(2, 1, QStringLiteral("new cell"));
             return throwingDiskFull([&] { platform::grid::GridFile::save(grid, target); })();
         }},
        {"byte rotation", "rotated.bin",
         [&](const QString& target) { return reportingOnce([&] { return file.EnCode(source, target); })(); }},
        {"shell copy", "copied.bin",
         [&](const QString& target) { return Ostrel7::shellops::copyItems({source}, target, true, false); }},
    };
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.what);
        QTemporaryDir dir;
        const QString target = QDir(dir.path()).filePath(QLatin1String(w.target));
        testsupport::sweepEachFileOperation({dir.path()}, [&] { writeFile(target, "old content"); },
                                            [&] { return w.save(target); });
        EXPECT_NE(readFile(target), "old content");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST(SingleFileWriterFaults, TheSettingsStore)
{
    const QString store = platform::settings::filePath(QStringLiteral("QELM_SET"));
    platform::settings::write(QStringLiteral("QELM_SET"), QStringLiteral("SETTING"), QStringLiteral("MYPATH"),
                              QStringLiteral("/old"));
    const QByteArray old = readFile(store);
    testsupport::sweepEachFileOperation(
        {QFileInfo(store).path()}, [&] { writeFile(store, old); },
        throwingDiskFull([] {
            platform::settings::write(QStringLiteral("QELM_SET"), QStringLiteral("SETTING"), QStringLiteral("MYPATH"),
                                      QStringLiteral("/new"));
        }));
    EXPECT_EQ(platform::settings::read(QStringLiteral("QELM_SET"), QStringLiteral("SETTING"), QStringLiteral("MYPATH")),
              QStringLiteral("/new"));
}

TEST(SingleFileWriterFaults, ALauncher)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString launcher = QDir(folder).filePath(QStringLiteral("Step editor.desktop"));
    Ostrel7::clsFILE file;
    testsupport::sweepEachFileOperation({folder}, [&] { writeFile(launcher, "old launcher"); }, reportingOnce([&] {
        return file.CreateShortCut(Ostrel7::eSHORTCUT_ON_PROGRAM, QStringLiteral("Step editor"),
                                   QStringLiteral("/opt/qel/QELM_STP")) == 1;
    }));
    EXPECT_TRUE(readFile(launcher).startsWith("[Desktop Entry]\n"));
}

} // namespace
