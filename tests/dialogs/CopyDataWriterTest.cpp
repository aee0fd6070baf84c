// The table copy writer: new eight-table setting files with their SEK file,
// step files with their note file, vacant tables for empty sources, and what a
// failure leaves on disk.

#include "dialogs/TableCopyWriter.h"

#include "FileFaults.h"
#include "ScriptedUi.h"
#include "TestFiles.h"

#include "util/method/clsMethod.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Sorvi27;
using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::writeFile;

namespace {

constexpr int kTable = TableCopyWriter::kTableSize;

// Eight tables, table t filled with the byte `tag` + t, so every table of
// every file is told apart by its bytes.
QByteArray eightTables(char tag)
{
    QByteArray bytes;
    for (int t = 0; t < 8; ++t)
        bytes += QByteArray(kTable, static_cast<char>(tag + t));
    return bytes;
}

QByteArray tableOf(const QByteArray& file, int t) { return file.mid(t * kTable, kTable); }

class CopyWriter : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    // A source file of eight tables with its companion.
    QString source(const QString& name, char tag, const QString& companion, const QByteArray& companionBytes)
    {
        writeFile(path(name), eightTables(tag));
        writeFile(path(companion), companionBytes);
        return path(name);
    }

    // Runs a save that must fail: one error box, reported under `label`.
    void expectFailure(const std::function<bool()>& save, const char* label)
    {
        scriptedUi().answerMessageBox(platform::vbOK);
        const testsupport::FolderSnapshot before = testsupport::snapshotOf(dir.path());
        EXPECT_FALSE(save());
        const auto boxes = scriptedUi().callsOf(testsupport::UiCall::MessageBox);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, QStringLiteral("ERROR"));
        EXPECT_TRUE(boxes[0].text.startsWith(QLatin1String(label))) << boxes[0].text.toStdString();
        EXPECT_EQ(testsupport::snapshotOf(dir.path()), before) << "files changed or left behind";
        scriptedUi().clearCalls();
    }

    QTemporaryDir dir;
    Ostrel7::clsMethod reporter;
};

} // namespace

TEST_F(CopyWriter, VacantStepAndNoteTablesHaveTheirExactBytes)
{
    const QByteArray step = TableCopyWriter::vacantStepTable();
    const QByteArray note = TableCopyWriter::vacantNoteTable();
    ASSERT_EQ(step.size(), kTable);
    ASSERT_EQ(note.size(), kTable);
    for (int i = 0; i < kTable; ++i) {
        // The 192 null lines of 32 bytes carry the NOP mark in their flag byte.
        const char stepByte = i < 192 * 32 && i % 32 == 2 ? '\xF0' : '\0';
        // The empty output list ends at 0, the empty input list at 600.
        const char noteByte = i == 0 || i == 1 || i == 600 || i == 601 ? '\xFF' : '\0';
        ASSERT_EQ(step[i], stepByte) << "step table offset " << i;
        ASSERT_EQ(note[i], noteByte) << "note table offset " << i;
    }
}

TEST_F(CopyWriter, StepCopyOfOneTableLeavesTheOthersVacant)
{
    const QString a = source("a.stp", 0x10, "a.BIN", eightTables(0x50));
    CopySlots sources;
    sources[3] = TableSource{5, a};
    ASSERT_TRUE(TableCopyWriter(reporter, sources).SaveStpFile(path("new.stp")));

    const QByteArray steps = readFile(path("new.stp"));
    const QByteArray notes = readFile(path("new.BIN"));
    ASSERT_EQ(steps.size(), 65536);
    ASSERT_EQ(notes.size(), 65536);
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(tableOf(steps, t), t == 3 ? tableOf(eightTables(0x10), 5) : TableCopyWriter::vacantStepTable()) << t;
        EXPECT_EQ(tableOf(notes, t), t == 3 ? tableOf(eightTables(0x50), 5) : TableCopyWriter::vacantNoteTable()) << t;
    }
}

TEST_F(CopyWriter, SettingCopyFromTwoSourcesTakesTheSekOfTableZerosSource)
{
    const QString b = source("b.stg", 0x10, "b.SEK", "SEK of b");
    const QString c = source("c.stg", 0x40, "c.SEK", "SEK of c");
    CopySlots sources;
    sources[0] = TableSource{2, b};
    for (int i = 1; i < 8; ++i)
        sources[static_cast<size_t>(i)] = TableSource{7 - i, c};
    ASSERT_TRUE(TableCopyWriter(reporter, sources).SaveStgFile(path("new.stg")));

    const QByteArray written = readFile(path("new.stg"));
    ASSERT_EQ(written.size(), 65536);
    EXPECT_EQ(tableOf(written, 0), tableOf(eightTables(0x10), 2));
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(tableOf(written, i), tableOf(eightTables(0x40), 7 - i)) << i;
    EXPECT_EQ(readFile(path("new.SEK")), "SEK of b");
}

TEST_F(CopyWriter, TargetThatIsAlsoTheSourceWithItsTablesReordered)
{
    const QString a = source("a.stg", 0x20, "a.sek", "SEK of a");
    CopySlots sources;
    for (int i = 0; i < 8; ++i)
        sources[static_cast<size_t>(i)] = TableSource{7 - i, a};
    ASSERT_TRUE(TableCopyWriter(reporter, sources).SaveStgFile(a));

    const QByteArray written = readFile(a);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tableOf(written, i), tableOf(eightTables(0x20), 7 - i)) << i;
    // The companion is found in its own letter case and replaced, not doubled.
    EXPECT_EQ(readFile(path("a.sek")), "SEK of a");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.sek", "a.stg"}));
}

TEST_F(CopyWriter, ExistingTargetAndCompanionAreReplacedWhole)
{
    const QString a = source("a.stp", 0x10, "a.BIN", eightTables(0x50));
    writeFile(path("old.stp"), "an older, shorter step file");
    writeFile(path("old.bin"), "its note file");
    CopySlots sources;
    sources[1] = TableSource{1, a};
    ASSERT_TRUE(TableCopyWriter(reporter, sources).SaveStpFile(path("old.stp")));
    EXPECT_EQ(readFile(path("old.stp")).size(), 65536);
    EXPECT_EQ(tableOf(readFile(path("old.bin")), 1), tableOf(eightTables(0x50), 1));
    EXPECT_FALSE(QFileInfo::exists(path("old.BIN")));
}

TEST_F(CopyWriter, SlotEntriesAreDataSoATabMayBePartOfAFileName)
{
    const QString tabbed = source("with\ttab.stg", 0x30, "with\ttab.SEK", "tabbed SEK");
    CopySlots sources;
    for (int i = 0; i < 8; ++i)
        sources[static_cast<size_t>(i)] = TableSource{i, tabbed};
    ASSERT_TRUE(TableCopyWriter(reporter, sources).SaveStgFile(path("new.stg")));
    EXPECT_EQ(readFile(path("new.stg")), eightTables(0x30));
    EXPECT_EQ(readFile(path("new.SEK")), "tabbed SEK");
}

TEST_F(CopyWriter, AFailureLeavesEveryFileAsItWas)
{
    const QString a = source("a.stg", 0x10, "a.SEK", "SEK of a");
    const QString p = source("p.stp", 0x10, "p.BIN", eightTables(0x60));
    writeFile(path("short.stg"), eightTables(0x70).left(3 * kTable + 100));
    writeFile(path("short.SEK"), "SEK");
    writeFile(path("nosek.stg"), eightTables(0x70));
    writeFile(path("nonote.stp"), eightTables(0x70));
    writeFile(path("out.stg"), "old setting file");
    writeFile(path("out.SEK"), "old SEK");
    writeFile(path("out.stp"), "old step file");
    writeFile(path("out.BIN"), "old note file");

    auto allFrom = [](const QString& file, int table) {
        CopySlots sources;
        for (auto& slot : sources)
            slot = TableSource{table, file};
        return sources;
    };
    const struct {
        const char* what;
        CopySlots sources;
        bool stp;
        const char* label;
    } cases[] = {
        {"vanished source", allFrom(path("gone.stg"), 1), false, "SaveStgFile"}, // its SEK is missing first
        {"short source", allFrom(path("short.stg"), 3), false, "WriteTable_0_7"},
        {"source without its SEK", allFrom(path("nosek.stg"), 1), false, "SaveStgFile"},
        {"an empty setting slot", [&] { auto s = allFrom(a, 1); s[4].reset(); return s; }(), false, "SaveStgFile"},
        {"vanished step source", [&] { CopySlots s; s[2] = TableSource{1, path("gone.stp")}; return s; }(), true,
         "WriteTable_0_7"},
        {"step source without its note file", [&] { CopySlots s; s[2] = TableSource{1, path("nonote.stp")}; s[3] = TableSource{1, p}; return s; }(),
         true, "WriteTable_0_7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TableCopyWriter writer(reporter, c.sources);
        expectFailure([&] { return c.stp ? writer.SaveStpFile(path("out.stp")) : writer.SaveStgFile(path("out.stg")); },
                      c.label);
    }
    EXPECT_EQ(readFile(path("out.stg")), "old setting file");
    EXPECT_EQ(readFile(path("out.stp")), "old step file");
}

TEST_F(CopyWriter, AReadOnlyTargetChangesNothing)
{
    const QString a = source("a.stg", 0x10, "a.SEK", "SEK of a");
    writeFile(path("out.stg"), "old setting file");
    writeFile(path("out.SEK"), "old SEK");
    QFile::setPermissions(path("out.stg"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    CopySlots sources;
    for (auto& slot : sources)
        slot = TableSource{0, a};
    // The SEK file is prepared first; the refused setting file takes it back.
    expectFailure([&] { return TableCopyWriter(reporter, sources).SaveStgFile(path("out.stg")); }, "SaveStgFile");
    EXPECT_EQ(readFile(path("out.stg")), "old setting file");
    EXPECT_EQ(readFile(path("out.SEK")), "old SEK");
}
