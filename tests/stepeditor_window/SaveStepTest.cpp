// Saving the user's step program: the whole-program checks and the faulty
// cell they point at, the three save modes and a first save, what lands in
// the step file and the note file, and the save question of New, Open, a
// table switch and Close when the save fails.

#include "StepEditorFixture.h"
#include "WindowDriver.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/clsStepOut.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/grid/FlexGrid.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QMenu>

#include <cerrno>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

QString message(int16_t number) { return QelmStp::mMOD::MessageText(number); }

QString workingCopy(const char* name) { return QDir(platform::folders::workingFolder()).filePath(QLatin1String(name)); }

// The moment the demo step file was saved: a save then stamps the same header.
QDateTime demoSavedAt() { return QDateTime(QDate(2024, 6, 15), QTime(14, 37, 52)); }

constexpr int kTable = 8192;
// The author and password fields of the header, which a save stamps with its time.
constexpr int kStampedAt = 8156;
constexpr int kStampedEnd = 8192;

void chooseTable(int index)
{
    scriptedUi().answerDialog([index](QDialog& d) {
        const WindowDriver w(d);
        w.click(QStringLiteral("op%1").arg(index));
        w.ok();
    });
}

// One input group of a row: function, state, relation.
struct Group {
    int group;
    const char* function;
    const char* state;
    const char* relation;
};

} // namespace

class StepSave : public StepEditorFixture {
protected:

    void SetUp() override
    {
        StepEditorFixture::SetUp();
        platform::setClockForTesting(demoSavedAt);
        ASSERT_TRUE(start());
        demo_ = dataCopy("DEMO.stp");
        note_ = dataCopy("DEMO.BIN");
        oldStep_ = readFile(demo_);
        oldNote_ = readFile(note_);
    }

    void TearDown() override
    {
        platform::fileops::setFaultHook({});
        platform::setClockForTesting({});
        StepEditorFixture::TearDown();
    }

    QelmStp::fStep& user() { return userWindow(); }
    platform::grid::GridData& grid() { return user().fg().data(); }
    QString cell(int row, int col) { return grid().TextMatrix(row, col); }

    void openDemo()
    {
        scriptedUi().answerInput(QLatin1String(kPassword));
        ASSERT_TRUE(user().ReadStep(0, 0, demo_));
        scriptedUi().clearCalls();
    }

    // Fills a row as the user's edits leave it.
    void fillRow(int row, const QString& output, const QString& logic, const QString& delay,
                 std::initializer_list<Group> groups)
    {
        grid().setTextMatrix(row, 2, output);
        grid().setTextMatrix(row, 3, logic);
        grid().setTextMatrix(row, 4, delay);
        for (const Group& g : groups) {
            grid().setTextMatrix(row, 3 * g.group + 2, QLatin1String(g.function));
            grid().setTextMatrix(row, 3 * g.group + 3, QLatin1String(g.state));
            grid().setTextMatrix(row, 3 * g.group + 4, QLatin1String(g.relation));
        }
        user().ControlChange(true);
    }

    QStringList messages() const
    {
        return testsupport::scriptedUi().messageTexts();
    }

    // Every cell text of the grid's data rows.
    QStringList gridTexts()
    {
        QStringList texts;
        for (int row = 1; row < grid().Rows(); ++row)
            for (int col = 1; col < grid().Cols(); ++col)
                texts << cell(row, col);
        return texts;
    }

    // The program of a table of a step file as the data model reads it.
    std::shared_ptr<Telva27::colclsStep> readBack(const QString& file, int table)
    {
        auto program = std::make_shared<Telva27::colclsStep>();
        EXPECT_TRUE(program->ReadData(file, Telva27::colclsStep::NoteFileFor(file), table * kTable + 1,
                                      state().selectKino->stpout(), state().selectKino->stpinp()));
        return program;
    }

    QString demo_;
    QString note_;
    QByteArray oldStep_;
    QByteArray oldNote_;
};

TEST_F(StepSave, ChecksStopAtTheFirstIncompleteStepWithItsCellCurrent)
{
    // A function of the return category under a name other than "RET".
    ASSERT_NE(state().selectKino->stpout().Add(QStringLiteral("RTN"), 32001, QString(), QStringLiteral("RETURN")),
              nullptr);
    struct Case {
        const char* what;
        std::function<void()> fill;
        int told; // 0: passes
        int row;
        int col;
        const char* named = nullptr; // the column title the message names
    };
    const Case cases[] = {
        {"an empty grid", [] {}, 0, 0, 0},
        // The groups between would be saved as conditions nobody entered.
        {"END only in group 8, the groups between empty",
         [&] { fillRow(4, "REG01", "1", "0", {{1, "START", "0", "0"}, {8, "STOP", "0", "2"}}); }, 46, 4, 8, "Func."},
        {"no END in any group", [&] { fillRow(4, "REG01", "1", "0", {{1, "START", "0", "0"}}); }, 52, 4, 5},
        {"an output without any input", [&] { fillRow(7, "REG01", "1", "0", {}); }, 52, 7, 5},
        {"no delay", [&] { fillRow(4, "REG01", "1", "", {{1, "START", "0", "2"}}); }, 64, 4, 3},
        {"a jump whose delay is unused", [&] { fillRow(4, "J001", "3", "***", {{1, "START", "0", "2"}}); }, 0, 0, 0},
        {"a return step", [&] { fillRow(9, "RET", "11", "***", {{1, "***", "***", "***"}}); }, 0, 0, 0},
        {"a return step told by its category",
         [&] { fillRow(9, "RTN", "11", "***", {{1, "***", "***", "***"}}); }, 0, 0, 0},
        {"a lower-case ret is no return", [&] { fillRow(9, "ret", "", "", {}); }, 52, 9, 5},
        {"inputs in group 1 and no output", [&] { fillRow(5, "", "", "", {{1, "START", "0", "2"}}); }, 76, 5, 2},
        {"inputs only in group 3 and no output", [&] { fillRow(6, "", "", "", {{3, "STOP", "0", "2"}}); }, 76, 6, 2},
        {"the lowest faulty row, the END check before the output check",
         [&] {
             fillRow(3, "", "", "", {{1, "START", "0", "2"}});
             fillRow(8, "REG01", "1", "0", {{1, "START", "0", "2"}});
             fillRow(9, "REG01", "", "0", {{1, "START", "0", "2"}});
             fillRow(11, "REG01", "1", "0", {{1, "START", "0", "0"}});
         },
         64, 9, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user().NewOp();
        grid().Select(1, 1);
        scriptedUi().clearCalls();
        c.fill();
        if (c.told)
            scriptedUi().answerMessageBox(platform::vbOK);
        const QStringList before = gridTexts();
        EXPECT_EQ(user().ExactInput(), c.told == 0);
        const std::optional<QVariant> named = c.named ? std::optional<QVariant>(QString::fromLatin1(c.named)) : std::nullopt;
        EXPECT_EQ(messages(),
                  c.told ? QStringList{QelmStp::mMOD::MessageText(static_cast<int16_t>(c.told), named)} : QStringList{});
        EXPECT_EQ(gridTexts(), before);
        if (c.told) {
            EXPECT_EQ(grid().Row(), c.row);
            EXPECT_EQ(grid().Col(), c.col);
        }
        user().ControlChange(false);
    }
}

TEST_F(StepSave, AnUnchangedProgramSavedOverItsFileLeavesBothFilesAsTheyWere)
{
    openDemo();
    user().ControlChange(true);
    user().toolKey(QStringLiteral("keySAVE"))->trigger();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(user().IsChanged());
    EXPECT_EQ(readFile(demo_), oldStep_);
    EXPECT_EQ(readFile(note_), oldNote_);

    // Saved at another moment, only the stamped author and password differ.
    platform::setClockForTesting([] { return demoSavedAt().addSecs(61); });
    ASSERT_TRUE(user().SaveStepData(0));
    const QByteArray now = readFile(demo_);
    ASSERT_EQ(now.size(), oldStep_.size());
    EXPECT_NE(now.mid(kStampedAt, kStampedEnd - kStampedAt), oldStep_.mid(kStampedAt, kStampedEnd - kStampedAt));
    EXPECT_EQ(now.left(kStampedAt), oldStep_.left(kStampedAt));
    EXPECT_EQ(now.mid(kStampedEnd), oldStep_.mid(kStampedEnd));
    EXPECT_EQ(readFile(note_), oldNote_);
    // The working copies are what the file holds.
    EXPECT_EQ(readFile(workingCopy("eusr2.tmp")), now);
    EXPECT_EQ(readFile(workingCopy("eusr3.tmp")), oldNote_);
}

TEST_F(StepSave, AnEditedProgramReadsBackAsEdited)
{
    openDemo();
    const QString memo = state().stepUsr->Memo();
    ASSERT_FALSE(memo.isEmpty());
    grid().setTextMatrix(6, 4, QStringLiteral("900"));
    grid().setTextMatrix(1, 1, QStringLiteral("Start of cycle"));
    fillRow(30, "LAMP", "1", "10", {{1, "START", "1", "1"}, {2, "STOP", "2", "2"}});
    grid().setTextMatrix(30, 1, QStringLiteral("New lamp"));
    fillRow(14, "", "", "", {});
    for (int col = 5; col < grid().Cols(); ++col)
        grid().setTextMatrix(14, col, QString());
    const QStringList edited = gridTexts();

    user().toolKey(QStringLiteral("keySAVE"))->trigger();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(user().IsChanged());

    const auto program = readBack(demo_, 1);
    Telva27::colclsCusSelection& out = state().selectKino->stpout();
    Telva27::colclsCusSelection& in = state().selectKino->stpinp();
    const auto lamp = program->Item(QStringLiteral("30"));
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->Kino(), out.ValueByDigital(QStringLiteral("LAMP")));
    EXPECT_EQ(lamp->DelayEtc(), 10);
    EXPECT_EQ(lamp->Remark(), QStringLiteral("New lamp"));
    ASSERT_NE(lamp->ins(), nullptr);
    const auto second = lamp->ins()->Item(QStringLiteral("2"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Kino(), in.ValueByDigital(QStringLiteral("STOP")));
    EXPECT_EQ(second->Jyotai(), 2);
    EXPECT_EQ(second->Rel(), 2);
    EXPECT_EQ(program->Item(QStringLiteral("6"))->DelayEtc(), 900);
    EXPECT_EQ(program->Item(QStringLiteral("1"))->Remark(), QStringLiteral("Start of cycle"));
    EXPECT_EQ(program->Memo(), memo);
    EXPECT_EQ(program->Author(), QStringLiteral("QD10 demo team"));
    EXPECT_EQ(program->Password(), QLatin1String(kPassword));
    // The other tables are untouched.
    EXPECT_EQ(readFile(demo_).mid(2 * kTable), oldStep_.mid(2 * kTable));

    // Opened anew, the grid shows exactly what was edited.
    user().NewOp();
    openDemo();
    EXPECT_EQ(gridTexts(), edited);
}

TEST_F(StepSave, SaveAsWritesEveryTableToTheNewFileWhichTheWindowThenWorksOn)
{
    openDemo();
    grid().setTextMatrix(6, 4, QStringLiteral("900"));
    user().ControlChange(true);
    const QString target = dataPath(QStringLiteral("copy.stp"));
    scriptedUi().answerSaveFile(target);
    QMenu* menu = user().buttonMenu(QStringLiteral("keySAVE"));
    ASSERT_NE(menu, nullptr);
    QAction* saveAs = menu->findChild<QAction*>(QStringLiteral("keySAVEAS"));
    ASSERT_NE(saveAs, nullptr);
    ASSERT_TRUE(saveAs->isEnabled());
    saveAs->trigger();

    const auto dialogs = scriptedUi().callsOf(UiCall::SaveFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Specify saving filename"));
    EXPECT_EQ(dialogs[0].title, QStringLiteral("stp file (*.stp)|*.stp"));
    EXPECT_EQ(readFile(demo_), oldStep_);
    EXPECT_EQ(readFile(note_), oldNote_);
    const QByteArray saved = readFile(target);
    ASSERT_EQ(saved.size(), 65536);
    EXPECT_EQ(saved.left(kStampedAt), oldStep_.left(kStampedAt));
    EXPECT_NE(saved.mid(kTable, kTable), oldStep_.mid(kTable, kTable));
    EXPECT_EQ(saved.mid(2 * kTable), oldStep_.mid(2 * kTable));
    EXPECT_EQ(readFile(dataPath(QStringLiteral("copy.BIN"))), oldNote_);
    EXPECT_EQ(state().UsrFullFname, target);
    EXPECT_EQ(user().windowTitle(), target + QStringLiteral(" written by QD10 demo team"));
    EXPECT_EQ(readBack(target, 1)->Item(QStringLiteral("6"))->DelayEtc(), 900);

    // The next overwrite goes to the new file and asks nothing.
    grid().setTextMatrix(6, 4, QStringLiteral("700"));
    ASSERT_TRUE(user().SaveStepData(0));
    EXPECT_EQ(readBack(target, 1)->Item(QStringLiteral("6"))->DelayEtc(), 700);
    EXPECT_EQ(readFile(demo_), oldStep_);
}

TEST_F(StepSave, SavingIntoAnotherTableMakesItTheWindowsTable)
{
    openDemo();
    user().ControlChange(true);
    chooseTable(3);
    ASSERT_TRUE(user().SaveStepData(2));
    const QByteArray saved = readFile(demo_);
    EXPECT_EQ(saved.mid(3 * kTable, kTable), oldStep_.mid(kTable, kTable));
    EXPECT_EQ(saved.left(kTable + kTable), oldStep_.left(kTable + kTable));
    EXPECT_EQ(user().CurrentStarting(), 3 * kTable + 1);
    EXPECT_EQ(user().cboTable().currentIndex(), 2);
    EXPECT_TRUE(user().cboTable().isEnabled());
    EXPECT_FALSE(user().IsChanged());

    // A switch to table 3 and back to 1 reads what the file holds.
    grid().setTextMatrix(1, 1, QStringLiteral("only in table 3"));
    ASSERT_TRUE(user().SaveStepData(0));
    EXPECT_EQ(readBack(demo_, 3)->Item(QStringLiteral("1"))->Remark(), QStringLiteral("only in table 3"));
    EXPECT_EQ(readBack(demo_, 1)->Item(QStringLiteral("1"))->Remark(), QStringLiteral("Cycle start"));

    // Cancelling the table choice writes nothing.
    user().ControlChange(true);
    scriptedUi().answerDialog([](QDialog& d) { WindowDriver(d).cancel(); });
    const QByteArray before = readFile(demo_);
    EXPECT_FALSE(user().SaveStepData(2));
    EXPECT_EQ(readFile(demo_), before);
    EXPECT_TRUE(user().IsChanged());
}

TEST_F(StepSave, TheFirstSaveOfANewProgramWritesTableOneOfANewFile)
{
    fillRow(2, "REG01", "1", "0", {{1, "START", "1", "2"}});
    const QString target = dataPath(QStringLiteral("new.stp"));
    // Save into another table asks no table for a new file; a failed first
    // save leaves no file name or table behind.
    scriptedUi().answerSaveFile(target);
    platform::fileops::setFaultHook([](platform::fileops::Op, const QString&) { return ENOSPC; });
    scriptedUi().answerMessageBox(platform::vbOK); // the error report
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(user().SaveStepData(2));
    platform::fileops::setFaultHook({});
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_EQ(messages().back(), message(50));
    EXPECT_TRUE(state().UsrFullFname.isEmpty());
    EXPECT_EQ(user().CurrentStarting(), 0);
    EXPECT_FALSE(user().cboTable().isEnabled());
    EXPECT_TRUE(user().IsChanged());
    EXPECT_EQ(readFile(target), "<missing>");

    // The next overwrite asks for the name again and writes table 1.
    scriptedUi().clearCalls();
    scriptedUi().answerSaveFile(target);
    ASSERT_TRUE(user().SaveStepData(0));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(readFile(target).size(), 65536);
    EXPECT_EQ(readFile(dataPath(QStringLiteral("new.BIN"))).size(), 65536);
    EXPECT_EQ(readBack(target, 1)->Item(QStringLiteral("2"))->Kino(),
              state().selectKino->stpout().ValueByDigital(QStringLiteral("REG01")));
    EXPECT_EQ(user().CurrentStarting(), kTable + 1);
    EXPECT_EQ(user().cboTable().currentIndex(), 0);
    EXPECT_EQ(state().UsrFullFname, target);
    EXPECT_EQ(user().windowTitle(), target);
}

TEST_F(StepSave, AFailedSaveKeepsTheEditsOfNewOpenTableSwitchAndClose)
{
    openDemo();
    struct Case {
        const char* what;
        int16_t question;
        std::function<void()> run;
    };
    bool closeCancelled = false;
    const Case cases[] = {
        {"New", 53, [&] { user().toolKey(QStringLiteral("keyNew"))->trigger(); }},
        {"Open", 53, [&] { user().toolKey(QStringLiteral("keyOPEN"))->trigger(); }},
        {"table switch", 13,
         [&] {
             user().cboTable().setCurrentIndex(3);
             emit user().cboTable().activated(3);
         }},
        {"Close", 13, [&] { user().Form_QueryUnload(closeCancelled, QelmStp::fStep::vbFormMDIForm); }},
    };
    // The save fails in the data model (a full disk, message 50) or before,
    // when a cell can't be saved as it stands (a state out of range, the
    // message typing gives, with that cell current).
    for (const bool diskFull : {true, false})
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SCOPED_TRACE(diskFull ? "disk full" : "a cell out of range");
        scriptedUi().clearCalls();
        grid().setTextMatrix(6, 4, QStringLiteral("901"));
        grid().setTextMatrix(6, 6, diskFull ? QStringLiteral("0") : QStringLiteral("999"));
        user().ControlChange(true);
        const QStringList edited = gridTexts();
        scriptedUi().answerMessageBox(platform::vbYes);
        if (diskFull)
            scriptedUi().answerMessageBox(platform::vbOK); // the error report
        scriptedUi().answerMessageBox(platform::vbOK);
        if (diskFull)
            platform::fileops::setFaultHook([](platform::fileops::Op, const QString&) { return ENOSPC; });
        c.run();
        platform::fileops::setFaultHook({});
        const QStringList told = messages();
        ASSERT_EQ(told.size(), diskFull ? 3 : 2);
        EXPECT_EQ(told[0], message(c.question));
        EXPECT_EQ(told.last(), message(diskFull ? 50 : 67));
        if (!diskFull) {
            EXPECT_EQ(grid().Row(), 6);
            EXPECT_EQ(grid().Col(), 6);
        }
        EXPECT_TRUE(user().IsChanged());
        EXPECT_EQ(gridTexts(), edited);
        EXPECT_EQ(state().UsrFullFname, demo_);
        EXPECT_EQ(user().CurrentStarting(), kTable + 1);
        EXPECT_EQ(user().cboTable().currentIndex(), 0);
        EXPECT_EQ(readFile(demo_), oldStep_);
        EXPECT_EQ(readFile(note_), oldNote_);
    }
    EXPECT_TRUE(closeCancelled);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenFile).empty());
}

TEST_F(StepSave, ACancelledDrivePromptWritesNothing)
{
    const QString target = dataPath(QStringLiteral("gone/new.stp"));
    fillRow(2, "REG01", "1", "0", {{1, "START", "1", "2"}});
    scriptedUi().answerSaveFile(target);
    scriptedUi().answerMessageBox(platform::vbOK);
    scriptedUi().answerMessageBox(platform::vbCancel);
    EXPECT_FALSE(user().SaveStepData(0));
    EXPECT_EQ(messages(), QStringList({message(69), message(69)}));
    EXPECT_TRUE(state().UsrFullFname.isEmpty());
    EXPECT_TRUE(user().IsChanged());
}

TEST_F(StepSave, TheReferenceWindowNeverSaves)
{
    QelmStp::fStep& reference = showReferenceWindow();
    for (const char* key : {"keySAVE"}) {
        QAction* button = reference.toolKey(QLatin1String(key));
        if (button)
            EXPECT_FALSE(button->isEnabled()) << key;
    }
    EXPECT_FALSE(reference.SaveStepData(0));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StepSave, NeitherFileIsReplacedUnlessBothHaveRoom)
{
    openDemo();
    grid().setTextMatrix(6, 4, QStringLiteral("900"));
    user().ControlChange(true);
    state().print->freeSpaceOf = [](const QString&) { return int64_t{0}; };
    // The step file exists (no room needed to overwrite it); its note file is new.
    const QString target = dataCopy("DEMO.stp", QStringLiteral("other.stp"));
    const QString targetNote = dataPath(QStringLiteral("other.BIN"));
    for (const QString& name : {target, dataPath(QStringLiteral("fresh.stp"))}) {
        SCOPED_TRACE(name.toStdString());
        scriptedUi().clearCalls();
        scriptedUi().answerSaveFile(name);
        scriptedUi().answerMessageBox(platform::vbOK);
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_FALSE(user().SaveStepData(1));
        EXPECT_EQ(messages(), QStringList({message(90), message(79)}));
        EXPECT_EQ(state().UsrFullFname, demo_);
        EXPECT_TRUE(user().IsChanged());
    }
    EXPECT_EQ(readFile(target), oldStep_);
    EXPECT_EQ(readFile(targetNote), "<missing>");
    EXPECT_EQ(readFile(dataPath(QStringLiteral("fresh.stp"))), "<missing>");
    // The working copies still hold the open file.
    EXPECT_EQ(readFile(workingCopy("eusr2.tmp")), oldStep_);
    EXPECT_EQ(readFile(workingCopy("eusr3.tmp")), oldNote_);

    // With room the save goes through.
    state().print->freeSpaceOf = {};
    scriptedUi().answerSaveFile(target);
    EXPECT_TRUE(user().SaveStepData(1));
    EXPECT_EQ(readFile(targetNote), oldNote_);
}
