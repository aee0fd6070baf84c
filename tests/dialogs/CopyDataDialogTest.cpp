// The table copy dialog behind clsPrint::CopyData, and clsPrint::CheckFreeSpace.
// Drops are made through the dialog's own drop handling with real QMimeData.

#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/fCopyData.h"
#include "dialogs/mMOD.h"

#include "FormLayoutCheck.h"
#include "ScriptedUi.h"
#include "TestFiles.h"
#include "WindowDriver.h"

#include "resource/clsResource.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace Sorvi27;
using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::UiCall;
using testsupport::WindowDriver;
using testsupport::writeFile;

namespace {

constexpr int kTable = 8192;

QByteArray eightTables(char tag)
{
    QByteArray bytes;
    for (int t = 0; t < 8; ++t)
        bytes += QByteArray(kTable, static_cast<char>(tag + t));
    return bytes;
}

QByteArray tableOf(const QByteArray& file, int t) { return file.mid(t * kTable, kTable); }

QString res(int n) { return Resource::clsResource().Res(n); }

// Drags `data` over the label and drops it there, as the drag-and-drop
// machinery does: the drop only follows an accepted enter. True when dropped.
bool dropOn(QWidget& label, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &drop);
    return drop.isAccepted();
}

// Drags source table `table` of the dialog onto slot `slot` (onto its file-name
// label, or its table-number label).
bool dragTable(QDialog& d, int table, int slot, bool ontoNumber = false)
{
    auto& dialog = static_cast<fCopyData&>(d);
    const std::unique_ptr<QMimeData> data(dialog.dragData(table));
    auto* label = d.findChild<QLabel*>(QStringLiteral("%1%2").arg(ontoNumber ? "lblDestTableNo" : "lblDestFullFname").arg(slot));
    return label && dropOn(*label, *data);
}

QString text(const QDialog& d, const QString& name) { return d.findChild<QLabel*>(name)->text(); }
// The whole text of a label that shortens long paths to fit.
QString fullText(const QDialog& d, const QString& name) { return d.findChild<QLabel*>(name)->toolTip(); }

QStringList messages()
{
    return testsupport::scriptedUi().messageTexts();
}

class CopyDialog : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QString stg(const QString& name, char tag)
    {
        writeFile(path(name + ".stg"), eightTables(tag));
        writeFile(path(name + ".SEK"), "SEK of " + name.toLatin1());
        return path(name + ".stg");
    }
    QString stp(const QString& name, char tag)
    {
        writeFile(path(name + ".stp"), eightTables(tag));
        writeFile(path(name + ".BIN"), eightTables(static_cast<char>(tag + 0x40)));
        return path(name + ".stp");
    }

    QTemporaryDir dir;
    // clsPrint is made as the programs make it: after clsSelectKino, whose
    // library-wide objects it uses.
    clsSelectKino kino;
    clsPrint print;
};

// Reads a source file with the open dialog; `boxes` message boxes follow it.
void readSource(QDialog& d, const QString& file, int boxes = 0)
{
    scriptedUi().answerOpenFile(file);
    for (int i = 0; i < boxes; ++i)
        scriptedUi().answerMessageBox(platform::vbOK);
    WindowDriver(d).click("btnReadReferFile");
}

// Saves with the save dialog answering `file`; `boxes` message boxes follow it.
void save(QDialog& d, const QString& file, int boxes = 0)
{
    scriptedUi().answerSaveFile(file);
    for (int i = 0; i < boxes; ++i)
        scriptedUi().answerMessageBox(platform::vbOK);
    WindowDriver(d).click("btnDestSave");
}

} // namespace

TEST_F(CopyDialog, SettingModeWithoutASourceOpensOneAndShowsRowZero)
{
    const QString b = stg("b", 0x10);
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        EXPECT_EQ(d.windowTitle(), res(380));
        EXPECT_TRUE(d.findChild<QWidget*>("lblDestFullFname0")->isHidden());
        EXPECT_FALSE(w.child<QPushButton>("btnSrc", 1)->isEnabled());
        EXPECT_FALSE(w.child<QPushButton>("btnDestSave")->isEnabled());
        EXPECT_EQ(text(d, "lblINfo"), res(379));
        testsupport::expectLaidOutCleanly(d);
        EXPECT_FALSE(dragTable(d, 1, 1)) << "no source file yet";

        readSource(d, b);
        EXPECT_FALSE(d.findChild<QWidget*>("lblDestFullFname0")->isHidden());
        EXPECT_TRUE(w.child<QPushButton>("btnSrc", 0)->isEnabled());
        EXPECT_TRUE(w.child<QPushButton>("btnDestSave")->isEnabled());
        EXPECT_EQ(text(d, "lblSrcFileName"), "b.stg");
        EXPECT_EQ(fullText(d, "lblSrcPath"), QDir::toNativeSeparators(dir.path()));
        testsupport::expectLaidOutCleanly(d);
        d.findChild<QAction*>("keyCLOSE")->trigger();
    });
    print.CopyData(eCOPY_STG, QString(), false);
    const auto opened = scriptedUi().callsOf(UiCall::OpenFile);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, res(372));
    EXPECT_EQ(opened[0].title, "stg file (*.stg) 65536 byte|*.stg");
}

TEST_F(CopyDialog, DropsFillSlotsAndForeignDropsAreRefused)
{
    const QString b = stg("b", 0x10);
    scriptedUi().answerDialog([&](QDialog& d) {
        // One source table may fill several sources, on either label of the row.
        EXPECT_TRUE(dragTable(d, 3, 1));
        EXPECT_TRUE(dragTable(d, 3, 5, true));
        EXPECT_EQ(text(d, "lblDestTableNo1"), "3");
        EXPECT_EQ(text(d, "lblDestFullFname5"), " b.stg");
        const auto& sources = static_cast<fCopyData&>(d).destinationSlots();
        EXPECT_EQ(sources[1], (TableSource{3, b}));
        EXPECT_EQ(sources[5], (TableSource{3, b}));

        // Plain text, and a table dragged from another copy dialog, are refused.
        QMimeData plain;
        plain.setText(QStringLiteral("3\t") + b);
        EXPECT_FALSE(dropOn(*d.findChild<QLabel*>("lblDestFullFname2"), plain));
        fCopyData other;
        const std::unique_ptr<QMimeData> foreign(other.dragData(4));
        EXPECT_FALSE(dropOn(*d.findChild<QLabel*>("lblDestFullFname2"), *foreign));
        QMimeData forged;
        forged.setData(fCopyData::kMimeType, "garbage");
        EXPECT_FALSE(dropOn(*d.findChild<QLabel*>("lblDestFullFname2"), forged));
        EXPECT_FALSE(sources[2].has_value());

        // Slot 0 names the SEK file that comes along; CLEAR of any slot empties that line.
        EXPECT_TRUE(dragTable(d, 6, 0));
        EXPECT_EQ(fullText(d, "lblINfo"), res(378) + QDir::toNativeSeparators(path("b.SEK")));
        WindowDriver(d).click("btnDestDelete5");
        EXPECT_EQ(text(d, "lblDestTableNo5"), "");
        EXPECT_EQ(text(d, "lblDestFullFname5"), " ");
        EXPECT_FALSE(sources[5].has_value());
        EXPECT_EQ(text(d, "lblINfo"), "");
    });
    print.CopyData(eCOPY_STG, b, false);
}

TEST_F(CopyDialog, SettingCopyFromTwoSourcesEndToEnd)
{
    const QString b = stg("b", 0x10);
    const QString c = stg("c", 0x40);
    scriptedUi().answerDialog([&](QDialog& d) {
        ASSERT_TRUE(dragTable(d, 2, 0));
        readSource(d, c);
        // Reading a second source keeps the sources filled from the first.
        EXPECT_EQ(text(d, "lblDestFullFname0"), " b.stg");
        for (int i = 1; i < 8; ++i)
            ASSERT_TRUE(dragTable(d, 7 - i, i));
        save(d, path("new.STG"));
        // The dialog stays open with its sources as they are.
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(text(d, "lblDestFullFname1"), " c.stg");
    });
    print.CopyData(eCOPY_STG, b, false);
    EXPECT_TRUE(messages().isEmpty());
    const QByteArray written = readFile(path("new.STG"));
    EXPECT_EQ(tableOf(written, 0), tableOf(eightTables(0x10), 2));
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(tableOf(written, i), tableOf(eightTables(0x40), 7 - i)) << i;
    EXPECT_EQ(readFile(path("new.SEK")), "SEK of b");

    // The next showing opens its save dialog in the folder saved to last.
    scriptedUi().clearCalls();
    scriptedUi().answerDialog([&](QDialog& d) {
        for (int i = 0; i < 8; ++i)
            ASSERT_TRUE(dragTable(d, i, i));
        save(d, path("again.stg"));
    });
    print.CopyData(eCOPY_STG, c, false);
    const auto saves = scriptedUi().callsOf(UiCall::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].arguments.value(0), dir.path());
    EXPECT_EQ(readFile(path("again.stg")), eightTables(0x40));
}

TEST_F(CopyDialog, StepModeNeverCopiesTableZero)
{
    const QString a = stp("a", 0x10);
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        EXPECT_TRUE(d.findChild<QWidget*>("lblDestFullFname0")->isHidden());
        EXPECT_FALSE(w.child<QPushButton>("btnSrc", 0)->isEnabled());
        EXPECT_TRUE(w.child<QPushButton>("btnSrc", 1)->isEnabled());
        EXPECT_EQ(text(d, "lblINfo"), "");
        testsupport::expectLaidOutCleanly(d);
        EXPECT_FALSE(dragTable(d, 0, 3)) << "table 0 of a step file";
        EXPECT_FALSE(dragTable(d, 4, 0)) << "slot 0 of a step file";
        ASSERT_TRUE(dragTable(d, 5, 3));
        save(d, path("new.stp")); // empty sources are allowed
    });
    print.CopyData(eCOPY_STP, a, false);
    EXPECT_TRUE(messages().isEmpty());
    const auto opened = scriptedUi().callsOf(UiCall::SaveFile);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].title, "stp file (*.stp) 65536 byte|*.stp");
    const QByteArray steps = readFile(path("new.stp"));
    const QByteArray notes = readFile(path("new.BIN"));
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(tableOf(steps, t), t == 3 ? tableOf(eightTables(0x10), 5) : TableCopyWriter::vacantStepTable());
        EXPECT_EQ(tableOf(notes, t), t == 3 ? tableOf(eightTables(0x50), 5) : TableCopyWriter::vacantNoteTable());
    }
}

TEST_F(CopyDialog, ChoosingASourceFileIsChecked)
{
    const QString b = stg("b", 0x10);
    writeFile(path("lone.stg"), eightTables(0x20));
    writeFile(path("other.stp"), eightTables(0x20));
    writeFile(path("other.BIN"), eightTables(0x20));
    scriptedUi().answerDialog([&](QDialog& d) {
        // Another extension: message 62 naming the expected one.
        readSource(d, path("other.stp"), 1);
        // An eight-table file without its SEK file: message 64 naming it.
        readSource(d, path("lone.stg"), 1);
        // A cancelled dialog says nothing.
        readSource(d, QString());
        EXPECT_EQ(static_cast<fCopyData&>(d).SrcFileFullFname(), b);
        // The extension is compared without regard to letter case.
        writeFile(path("UP.STG"), eightTables(0x30));
        writeFile(path("up.sek"), "SEK");
        readSource(d, path("UP.STG"));
        EXPECT_EQ(static_cast<fCopyData&>(d).SrcFileFullFname(), path("UP.STG"));
    });
    print.CopyData(eCOPY_STG, b, false);
    EXPECT_EQ(messages(), (QStringList{mMOD::MessageText(62, QStringLiteral("STG")),
                                       mMOD::MessageText(64, QDir::toNativeSeparators(path("lone.SEK")))}));
}

TEST_F(CopyDialog, SavingIsRefusedBeforeAnythingIsWritten)
{
    const QString b = stg("b", 0x10);
    const QString gone = stg("gone", 0x20);
    writeFile(path("out.stg"), "old");
    scriptedUi().answerDialog([&](QDialog& d) {
        for (int i = 1; i < 8; ++i)
            ASSERT_TRUE(dragTable(d, i, i));
        // A blank slot: message 65, no save dialog.
        scriptedUi().answerMessageBox(platform::vbOK);
        WindowDriver(d).click("btnDestSave");
        // A source deleted after its drop: message 63 with its path.
        readSource(d, gone);
        ASSERT_TRUE(dragTable(d, 0, 0));
        QFile::remove(gone);
        scriptedUi().answerMessageBox(platform::vbOK);
        WindowDriver(d).click("btnDestSave");
        // Too little room for a new file: message 69; a cancelled save dialog says nothing.
        readSource(d, b);
        ASSERT_TRUE(dragTable(d, 0, 0));
        print.freeSpaceOf = [](const QString&) { return int64_t{73727}; };
        save(d, path("new.stg"), 1);
        save(d, QString());
    });
    print.CopyData(eCOPY_STG, b, false);
    EXPECT_EQ(messages(), (QStringList{mMOD::MessageText(65), mMOD::MessageText(63, QDir::toNativeSeparators(gone)),
                                       mMOD::MessageText(69)}));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::SaveFile).size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(path("new.stg")));
    EXPECT_EQ(readFile(path("out.stg")), "old");
}

TEST_F(CopyDialog, AFailedWriteSaysSoAndKeepsTheOldFiles)
{
    const QString a = stp("a", 0x10);
    writeFile(path("out.stp"), "old step file");
    writeFile(path("out.BIN"), "old note file");
    // An existing target needs no free space.
    print.freeSpaceOf = [](const QString&) { return int64_t{0}; };
    scriptedUi().answerDialog([&](QDialog& d) {
        ASSERT_TRUE(dragTable(d, 2, 2));
        QFile::remove(path("a.BIN")); // the note file of the source vanishes
        save(d, path("out.stp"), 2); // the error report, then message 67
    });
    print.CopyData(eCOPY_STP, a, false);
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith("WriteTable_0_7")) << shown[0].toStdString();
    EXPECT_EQ(shown[1], mMOD::MessageText(67));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[1].style, platform::vbCritical);
    EXPECT_EQ(readFile(path("out.stp")), "old step file");
    EXPECT_EQ(readFile(path("out.BIN")), "old note file");
}

TEST_F(CopyDialog, ChangedDataIsQuestionedFirst)
{
    scriptedUi().answerMessageBox(platform::vbNo);
    print.CopyData(eCOPY_STG, QString(), true);
    EXPECT_EQ(scriptedUi().callsOf(UiCall::Dialog).size(), 0u);
    const auto asked = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, mMOD::MessageText(70));
    EXPECT_EQ(platform::msgDefaultButton(asked[0].style), 2);

    scriptedUi().answerMessageBox(platform::vbYes);
    scriptedUi().answerDialog([](QDialog& d) { d.findChild<QAction*>("keyCLOSE")->trigger(); });
    print.CopyData(eCOPY_STG, QString(), true);
    EXPECT_EQ(scriptedUi().callsOf(UiCall::Dialog).size(), 1u);
}

TEST_F(CopyDialog, CheckFreeSpaceMeasuresTheDestinationsFileSystem)
{
    const QString source = path("source.tmp");
    writeFile(source, QByteArray(1000, 'x'));
    writeFile(path("exists.etb"), "old");
    int64_t free = 999;
    QString measured;
    print.freeSpaceOf = [&](const QString& folder) {
        measured = folder;
        return free;
    };
    EXPECT_TRUE(print.CheckFreeSpace(source, path("exists.etb")));
    EXPECT_TRUE(print.CheckFreeSpace(source, "\\\\server\\share\\new.etb"));
    EXPECT_TRUE(print.CheckFreeSpace(source, "//server/share/new.etb"));
    EXPECT_TRUE(measured.isEmpty()) << "nothing to measure";
    EXPECT_FALSE(print.CheckFreeSpace(source, path("new.etb")));
    EXPECT_EQ(measured, dir.path());
    free = 1000;
    EXPECT_TRUE(print.CheckFreeSpace(source, path("new.etb")));

    // The real file system of a folder that exists has room for a small file;
    // a folder that does not exist, or a missing source, can't be measured.
    print.freeSpaceOf = {};
    EXPECT_TRUE(print.CheckFreeSpace(source, path("new.etb")));
    for (const auto& [src, dest] : {std::pair{source, path("no/such/folder/new.etb")},
                                    std::pair{path("missing.tmp"), path("new.etb")}}) {
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(print.CheckFreeSpace(src, dest));
        const auto report = scriptedUi().callsOf(UiCall::MessageBox).back();
        EXPECT_TRUE(report.text.startsWith("CheckFreeSpace sScrFullFname=" + src + " sDestFullFname=" + dest))
            << report.text.toStdString();
    }
}

TEST_F(CopyDialog, GrabOnTheDemoData)
{
    const QString demo = QStringLiteral(QEL_DEMO_DIR "/DEMO.stg");
    scriptedUi().answerDialog([&](QDialog& d) {
        for (int i = 0; i < 8; ++i) {
            if (i != 4) {
                ASSERT_TRUE(dragTable(d, (i + 3) % 8, i));
            }
        }
        const QString out = qEnvironmentVariable("QEL_GRAB_DIR");
        if (!out.isEmpty())
            d.grab().save(QDir(out).filePath("fCopyData.png"));
        testsupport::expectLaidOutCleanly(d);
    });
    print.CopyData(eCOPY_STG, demo, false);
}
