// Opening step tables into the step windows: the file dialog, the table
// choice, the file tests, the password, the table list and New, and what a
// refused open leaves behind.

#include "StepEditorFixture.h"
#include "WindowDriver.h"

#include "datamodel/customize/clsCusSelection.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepFileFormat.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsSelectKino.h"
#include "platform/FileOps.h"
#include "platform/Twips.h"
#include "platform/grid/FlexGrid.h"
#include "platform/tree/SelectionTree.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

QString message(int16_t number) { return QelmStp::mMOD::MessageText(number); }

QString workingCopy(const char* name) { return QDir(platform::folders::workingFolder()).filePath(QLatin1String(name)); }

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

// How many entries of a selection list are shown.
int shownEntries(const Telva27::colclsCusSelection& list)
{
    int shown = 0;
    for (const auto& entry : list)
        shown += entry->Hidden() ? 0 : 1;
    return shown;
}

// The first entry of a list that is not offered, leaving out the jump
// entries, which a note file never lists; -1 when there is none.
int firstNotOffered(const Telva27::colclsCusSelection& list)
{
    for (const auto& entry : list) {
        const QString category = entry->Category();
        if (entry->Hidden() && category != QLatin1String("STEP") && category != QLatin1String("JMP") &&
            category != QLatin1String("CALL"))
            return entry->Value();
    }
    return -1;
}

// Writes the function lists of note table `table`: each offers the codes given.
void writeNoteLists(QByteArray& note, int table, std::initializer_list<int> outputs, std::initializer_list<int> inputs)
{
    using namespace Telva27::stepfile;
    for (const auto& [at, codes] : {std::pair{kOutListAt, outputs}, std::pair{kInListAt, inputs}}) {
        char* list = note.data() + table * kTableSize + at;
        std::memset(list, 0, kListSize);
        int count = 0;
        for (int code : codes)
            putWord(list + 2 * count++, static_cast<uint16_t>(code));
        putWord(list + 2 * count, kListEnd);
    }
}

} // namespace

class StepOpen : public StepEditorFixture {
protected:

    void SetUp() override
    {
        StepEditorFixture::SetUp();
        ASSERT_TRUE(start());
        demo_ = dataCopy("DEMO.stp");
        dataCopy("DEMO.BIN");
    }

    void TearDown() override
    {
        platform::fileops::setFaultHook({});
        StepEditorFixture::TearDown();
    }

    // Chooses an item of a drop-down button's menu of a window.
    void chooseItem(QelmStp::fStep& w, const char* buttonKey, const char* itemKey)
    {
        QMenu* menu = w.buttonMenu(QLatin1String(buttonKey));
        ASSERT_NE(menu, nullptr) << buttonKey;
        QAction* item = menu->findChild<QAction*>(QLatin1String(itemKey));
        ASSERT_NE(item, nullptr) << itemKey;
        ASSERT_TRUE(item->isEnabled()) << itemKey;
        item->trigger();
    }

    // Opens table `table` of a file through the menu item, giving the password.
    void open(const char* item, const QString& file, int table = 1)
    {
        scriptedUi().answerOpenFile(file);
        chooseTable(table);
        scriptedUi().answerInput(QLatin1String(kPassword));
        chooseItem(userWindow(), "keyOPEN", item);
    }

    // The user picks table `table` (1 to 7) in a window's table list.
    static void pickTable(QelmStp::fStep& w, int table)
    {
        QComboBox& list = w.cboTable();
        ASSERT_TRUE(list.isEnabled());
        list.setCurrentIndex(table - 1);
        emit list.activated(table - 1);
    }

    QStringList messages() const
    {
        return testsupport::scriptedUi().messageTexts();
    }

    QString cell(QelmStp::fStep& w, int row, int col) { return w.fg().data().TextMatrix(row, col); }

    // What a window shows and holds, to compare before and after a refused open.
    struct Shown {
        QString file;
        std::shared_ptr<Telva27::colclsStep> program;
        QString title;
        int32_t position;
        int listIndex;
        bool listEnabled;
        QString firstOutput;
        QByteArray stepCopy;
        QByteArray noteCopy;
        int shownOutputs;
        bool operator==(const Shown&) const = default;
    };
    Shown userShows()
    {
        QelmStp::fStep& user = userWindow();
        return {state().UsrFullFname,       state().stepUsr,     user.windowTitle(),
                user.CurrentStarting(),     user.cboTable().currentIndex(), user.cboTable().isEnabled(),
                cell(user, 1, 2),           readFile(workingCopy("eusr2.tmp")), readFile(workingCopy("eusr3.tmp")),
                shownEntries(state().selectKino->stpout())};
    }

    // The functions the user window's function dialog offers for a cell, one
    // a line: F2 on the cell shows the dialog, which is then closed.
    std::string offeredAt(int row, int col)
    {
        QStringList names;
        scriptedUi().answerDialog([&](QDialog& d) {
            const auto* tree = WindowDriver(d).child<platform::tree::SelectionTree>("tv");
            for (const platform::tree::SelectionNode* node : tree->Nodes())
                if (node->Level() == 2)
                    names << node->Text();
            d.reject();
        });
        platform::grid::FlexGrid& fg = userWindow().fg();
        fg.data().Select(row, col);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QApplication::sendEvent(&fg, &press);
        names.sort();
        return names.join(QLatin1Char('\n')).toStdString();
    }

    QString demo_;
};

TEST_F(StepOpen, UserFileOpensThroughTheDialogTheTableChoiceAndItsPassword)
{
    state().InitialPath = dataFolder_.path();
    open("keyREAD_USER", demo_);
    QelmStp::fStep& user = userWindow();
    EXPECT_TRUE(messages().isEmpty());
    const auto dialogs = scriptedUi().callsOf(UiCall::OpenFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, QStringLiteral("Open user file."));
    EXPECT_EQ(dialogs[0].title, QStringLiteral("stp file (*.stp)|*.stp"));
    EXPECT_EQ(dialogs[0].arguments.value(0), dataFolder_.path());

    EXPECT_EQ(state().UsrFullFname, demo_);
    EXPECT_EQ(user.CurrentStarting(), 8193);
    EXPECT_EQ(user.windowTitle(), demo_ + QStringLiteral(" written by QD10 demo team"));
    EXPECT_TRUE(user.cboTable().isEnabled());
    EXPECT_EQ(user.cboTable().currentIndex(), 0);
    EXPECT_FALSE(user.IsChanged());
    EXPECT_EQ(cell(user, 1, 1), QStringLiteral("Cycle start"));
    EXPECT_EQ(cell(user, 1, 2), QStringLiteral("REG01"));
    EXPECT_EQ(cell(user, 10, 8), QStringLiteral("100")); // a counter constant
    EXPECT_EQ(state().stepUsr->Author(), QStringLiteral("QD10 demo team"));
    // The working copies are the file's; nothing staged is left.
    EXPECT_EQ(readFile(workingCopy("eusr2.tmp")), readFile(demo_));
    EXPECT_EQ(readFile(workingCopy("eusr3.tmp")), readFile(dataPath("DEMO.BIN")));
    EXPECT_FALSE(QFileInfo::exists(workingCopy("eusr2.tmp.new")));
    EXPECT_FALSE(QFileInfo::exists(workingCopy("eusr3.tmp.new")));
    EXPECT_GT(shownEntries(state().selectKino->stpout()), 0);
    EXPECT_FALSE(state().frmStd->IsLoaded());

    // The Open button itself opens a user file too, from the open file's folder,
    // here an empty program of table 3.
    const QString copy = dataCopy("DEMO.stp", QStringLiteral("COPY.stp"));
    dataCopy("DEMO.BIN", QStringLiteral("copy.bin")); // the note file in any letter case
    scriptedUi().answerOpenFile(copy);
    chooseTable(3);
    scriptedUi().answerInput(QLatin1String(kPassword));
    user.toolKey(QStringLiteral("keyOPEN"))->trigger();
    EXPECT_EQ(scriptedUi().callsOf(UiCall::OpenFile).back().arguments.value(0), dataFolder_.path());
    EXPECT_EQ(state().UsrFullFname, copy);
    EXPECT_EQ(user.CurrentStarting(), 3 * 8192 + 1);
    EXPECT_EQ(user.cboTable().currentIndex(), 2);
    EXPECT_EQ(cell(user, 1, 2), QString());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StepOpen, ProtectedTableIsAskedForUntilTheRightPasswordAndKeepsTheLastAnswer)
{
    scriptedUi().answerOpenFile(demo_);
    chooseTable(1);
    for (const char* wrong : {"sew2024", "SEW"}) {
        scriptedUi().answerInput(QLatin1String(wrong));
        scriptedUi().answerMessageBox(platform::vbOK);
    }
    scriptedUi().answerInput(QLatin1String(kPassword));
    chooseItem(userWindow(), "keyOPEN", "keyREAD_USER");

    EXPECT_EQ(messages(), QStringList({message(99), message(99)}));
    EXPECT_EQ(platform::msgIcon(scriptedUi().callsOf(UiCall::MessageBox)[0].style), platform::vbExclamation);
    const auto prompts = scriptedUi().callsOf(UiCall::InputBox);
    ASSERT_EQ(prompts.size(), 3u);
    const QStringList defaults = {"", "sew2024", "SEW"};
    for (size_t i = 0; i < prompts.size(); ++i) {
        EXPECT_EQ(prompts[i].text, QStringLiteral("Input password."));
        EXPECT_EQ(prompts[i].title, state().AppName);
        EXPECT_EQ(prompts[i].arguments.value(0), defaults[static_cast<int>(i)]);
    }
    EXPECT_EQ(state().UsrFullFname, demo_);
}

TEST_F(StepOpen, ARefusedOrFailedOpenLeavesTheWindowAsItWas)
{
    open("keyREAD_USER", demo_);
    ASSERT_EQ(state().UsrFullFname, demo_);
    // Another file whose working copies would differ from the open one's.
    QByteArray other = readFile(demo_);
    other[3 * 8192 + 100] = '\x55';
    const QString otherFile = dataPath(QStringLiteral("OTHER.stp"));
    writeFile(otherFile, other);
    QByteArray otherNote = readFile(dataPath("DEMO.BIN"));
    otherNote[5 * 8192 + 100] = '\x55';
    writeFile(dataPath(QStringLiteral("OTHER.BIN")), otherNote);
    userWindow().ControlChange(false);
    const Shown before = userShows();

    struct Case {
        const char* what;
        std::function<void()> script;
        QStringList told;
    };
    const Case cases[] = {
        {"password given up", [&] { scriptedUi().answerInput(QString()); }, {message(100)}},
        {"working copy can't be made",
         [&] {
             platform::fileops::setFaultHook([](platform::fileops::Op op, const QString& path) {
                 return op == platform::fileops::Op::Write && path.contains(QLatin1String("eusr2.tmp")) ? EIO : 0;
             });
             scriptedUi().answerMessageBox(platform::vbOK); // the error report
         },
         {"ReadStepData", message(4)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scriptedUi().clearCalls();
        scriptedUi().answerOpenFile(otherFile);
        chooseTable(1);
        c.script();
        scriptedUi().answerMessageBox(platform::vbOK);
        chooseItem(userWindow(), "keyOPEN", "keyREAD_USER");
        platform::fileops::setFaultHook({});
        const QStringList told = messages();
        ASSERT_EQ(told.size(), c.told.size());
        for (int i = 0; i < told.size(); ++i)
            EXPECT_TRUE(told[i].startsWith(c.told[i])) << told[i].toStdString();
        EXPECT_TRUE(userShows() == before);
        EXPECT_FALSE(QFileInfo::exists(workingCopy("eusr2.tmp.new")));
    }
    EXPECT_EQ(platform::msgIcon(scriptedUi().callsOf(UiCall::MessageBox).back().style), platform::vbExclamation);

    // A missing note file is told before anything is read.
    scriptedUi().clearCalls();
    QFile::remove(dataPath(QStringLiteral("OTHER.BIN")));
    scriptedUi().answerOpenFile(otherFile);
    chooseTable(1);
    scriptedUi().answerMessageBox(platform::vbOK);
    chooseItem(userWindow(), "keyOPEN", "keyREAD_USER");
    EXPECT_EQ(messages(), QStringList({message(57)}));
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::InputBox).empty());
    EXPECT_TRUE(userShows() == before);
}

TEST_F(StepOpen, ARefusedPasswordPutsBackWhatTheSelectionListsShowed)
{
    // Nothing open: a new program shows no function.
    const int shownBefore = shownEntries(state().selectKino->stpout());
    scriptedUi().answerOpenFile(demo_);
    chooseTable(1);
    scriptedUi().answerInput(QString());
    scriptedUi().answerMessageBox(platform::vbOK);
    chooseItem(userWindow(), "keyOPEN", "keyREAD_USER");
    EXPECT_EQ(messages(), QStringList({message(100)}));
    EXPECT_EQ(platform::msgIcon(scriptedUi().callsOf(UiCall::MessageBox)[0].style), platform::vbCritical);
    EXPECT_EQ(shownEntries(state().selectKino->stpout()), shownBefore);
    EXPECT_EQ(userWindow().windowTitle(), QStringLiteral("STEP SEQUENCE"));
    EXPECT_FALSE(userWindow().cboTable().isEnabled());
    EXPECT_FALSE(QFileInfo::exists(workingCopy("eusr2.tmp")));
}

TEST_F(StepOpen, FilesAreTestedForExtensionAndSize)
{
    QByteArray bytes = readFile(demo_);
    const struct {
        const char* name;
        int size;
        int16_t refusal; // 0: passes, and the table choice follows
    } cases[] = {
        {"short.stp", 65535, 9}, {"long.stp", 65537, 9}, {"A.STP", 65536, 0},
        {"a.stp", 65536, 0},     {"a.txt", 65536, 8},    {"noext", 65536, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        scriptedUi().clearCalls();
        const QString file = dataPath(QLatin1String(c.name));
        QByteArray content = bytes;
        content.resize(c.size, '\0');
        writeFile(file, content);
        scriptedUi().answerOpenFile(file);
        if (c.refusal)
            scriptedUi().answerMessageBox(platform::vbOK);
        else
            chooseTable(-1);
        chooseItem(userWindow(), "keyOPEN", "keyREAD_USER");
        EXPECT_EQ(messages(), c.refusal ? QStringList({message(c.refusal)}) : QStringList());
        EXPECT_EQ(scriptedUi().callsOf(UiCall::Dialog).size(), c.refusal ? 0u : 1u);
        EXPECT_TRUE(state().UsrFullFname.isEmpty());
    }
    EXPECT_EQ(message(9), QStringLiteral("File size of *.stp must be as follows.\r\n\r\n65536"));
    // A cancelled file dialog says nothing.
    scriptedUi().clearCalls();
    scriptedUi().answerOpenFile(QString());
    chooseItem(userWindow(), "keyOPEN", "keyREAD_USER");
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::Dialog).empty());
}

TEST_F(StepOpen, TableSwitchAsksNoPasswordAndItsSaveQuestionMayStopIt)
{
    open("keyREAD_USER", demo_);
    QelmStp::fStep& user = userWindow();
    scriptedUi().clearCalls();
    pickTable(user, 2);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::InputBox).empty());
    EXPECT_EQ(user.CurrentStarting(), 2 * 8192 + 1);
    EXPECT_EQ(cell(user, 1, 2), QString());
    EXPECT_EQ(state().UsrFullFname, demo_);
    pickTable(user, 1);
    EXPECT_EQ(cell(user, 1, 2), QStringLiteral("REG01"));
    EXPECT_TRUE(scriptedUi().calls().empty());

    // Changed: Cancel reads nothing and the list shows the loaded table again.
    user.ControlChange(true);
    scriptedUi().answerMessageBox(platform::vbCancel);
    pickTable(user, 3);
    EXPECT_EQ(messages(), QStringList({message(13)}));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style, platform::vbQuestion | platform::vbYesNoCancel);
    EXPECT_EQ(user.cboTable().currentIndex(), 0);
    EXPECT_EQ(user.CurrentStarting(), 8193);
    EXPECT_EQ(cell(user, 1, 2), QStringLiteral("REG01"));
    EXPECT_TRUE(user.IsChanged());
    // Yes saves first; a save the checks refuse reads nothing either.
    user.fg().data().setTextMatrix(50, 5, QStringLiteral("START"));
    scriptedUi().answerMessageBox(platform::vbYes);
    scriptedUi().answerMessageBox(platform::vbOK);
    pickTable(user, 3);
    EXPECT_EQ(user.cboTable().currentIndex(), 0);
    EXPECT_EQ(cell(user, 1, 2), QStringLiteral("REG01"));
    EXPECT_EQ(messages().mid(1), QStringList({message(13), message(76)}));
    user.fg().data().setTextMatrix(50, 5, QString());
    // No drops the changes and reads the table.
    scriptedUi().answerMessageBox(platform::vbNo);
    pickTable(user, 3);
    EXPECT_EQ(user.cboTable().currentIndex(), 2);
    EXPECT_EQ(user.CurrentStarting(), 3 * 8192 + 1);
    EXPECT_FALSE(user.IsChanged());
    EXPECT_EQ(messages().size(), 4);
}

TEST_F(StepOpen, ReferenceFileOpensInAWindowItsFirstOpenCreatesAndTiles)
{
    QelmStp::fStep& user = userWindow();
    user.ControlChange(true); // no save question for a reference file
    open("keyREAD_STD", demo_);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(scriptedUi().callsOf(UiCall::OpenFile)[0].text, QStringLiteral("Open std file."));
    QelmStp::fStep& reference = *state().frmStd;
    ASSERT_TRUE(reference.IsLoaded());
    EXPECT_EQ(reference.STDUSR(), 1);
    EXPECT_EQ(state().StdFullFname, demo_);
    EXPECT_EQ(reference.windowTitle(), QStringLiteral("Refer:") + demo_ + QStringLiteral(" written by QD10 demo team"));
    EXPECT_EQ(cell(reference, 1, 2), QStringLiteral("REG01"));
    EXPECT_EQ(reference.cboTable().currentIndex(), 0);
    // The user window keeps what it had.
    EXPECT_TRUE(user.IsChanged());
    EXPECT_TRUE(state().UsrFullFname.isEmpty());
    EXPECT_EQ(cell(user, 1, 2), QString());

    // Tiled: one above the other, each as wide as the area.
    const QList<QMdiSubWindow*> frames = window().mdiArea().subWindowList();
    ASSERT_EQ(frames.size(), 2);
    const int width = window().mdiArea().viewport()->width();
    EXPECT_EQ(frames[0]->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(frames[0]->width(), width);
    EXPECT_EQ(frames[1]->width(), width);
    EXPECT_EQ(frames[1]->y(), frames[0]->geometry().bottom() + 1);

    // The copies its open made stay: a table switch in it reads them, without a password.
    EXPECT_EQ(readFile(workingCopy("estd2.tmp")), readFile(demo_));
    scriptedUi().clearCalls();
    pickTable(reference, 2);
    EXPECT_EQ(reference.CurrentStarting(), 2 * 8192 + 1);
    EXPECT_EQ(cell(reference, 1, 2), QString());
    pickTable(reference, 1);
    EXPECT_EQ(cell(reference, 1, 2), QStringLiteral("REG01"));
    EXPECT_TRUE(scriptedUi().calls().empty());

    // A later open leaves the windows where they are.
    frames[1]->setGeometry(10, 20, 300, 200);
    open("keyREAD_STD", demo_, 2);
    EXPECT_EQ(frames[1]->geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(reference.cboTable().currentIndex(), 1);
}

TEST_F(StepOpen, NewClearsTheWindowAfterTheSaveQuestion)
{
    open("keyREAD_USER", demo_);
    QelmStp::fStep& user = userWindow();
    QAction& newButton = *user.toolKey(QStringLiteral("keyNew"));

    // Changed: Cancel keeps everything.
    user.ControlChange(true);
    scriptedUi().answerMessageBox(platform::vbCancel);
    newButton.trigger();
    EXPECT_EQ(messages(), QStringList({message(53)}));
    EXPECT_EQ(state().UsrFullFname, demo_);
    EXPECT_EQ(cell(user, 1, 2), QStringLiteral("REG01"));

    // Not while the memo window is open.
    QWidget memo;
    memo.show();
    state().frmMemo = &memo;
    scriptedUi().answerMessageBox(platform::vbOK);
    newButton.trigger();
    EXPECT_EQ(messages().back(), message(72));
    EXPECT_EQ(cell(user, 1, 2), QStringLiteral("REG01"));
    memo.hide();

    // No: a new empty program.
    const auto old = state().stepUsr;
    scriptedUi().answerMessageBox(platform::vbNo);
    newButton.trigger();
    EXPECT_EQ(messages().size(), 3);
    EXPECT_TRUE(state().UsrFullFname.isEmpty());
    EXPECT_NE(state().stepUsr, old);
    EXPECT_EQ(state().stepUsr->Count(), 0);
    EXPECT_EQ(cell(user, 1, 2), QString());
    EXPECT_EQ(cell(user, 1, 1), QString());
    EXPECT_EQ(user.windowTitle(), QStringLiteral("STEP SEQUENCE"));
    EXPECT_EQ(user.CurrentStarting(), 0);
    EXPECT_FALSE(user.cboTable().isEnabled());
    EXPECT_EQ(user.cboTable().currentIndex(), 0);
    EXPECT_FALSE(user.IsChanged());
    EXPECT_EQ(shownEntries(state().selectKino->stpout()), 0);
    EXPECT_FALSE(QFileInfo::exists(workingCopy("eusr2.tmp")));
    EXPECT_FALSE(QFileInfo::exists(workingCopy("eusr3.tmp")));
}

TEST_F(StepOpen, AWorkingCopyThatCannotBeDeletedIsTold)
{
    // A folder in the place of the working copy can't be removed as a file.
    ASSERT_TRUE(QDir().mkpath(workingCopy("eusr2.tmp")));
    scriptedUi().answerEveryMessageBox(platform::vbOK);
    userWindow().toolKey(QStringLiteral("keyNew"))->trigger();
    const QStringList told = messages();
    ASSERT_FALSE(told.isEmpty());
    EXPECT_EQ(told.back(), message(78));
    EXPECT_EQ(platform::msgIcon(scriptedUi().callsOf(UiCall::MessageBox).back().style), platform::vbCritical);
    EXPECT_TRUE(told.filter(QStringLiteral("DeleteTemporaryFiles")).size() == 1);
    QDir(workingCopy("eusr2.tmp")).removeRecursively();
}

TEST_F(StepOpen, GrabOfBothWindowsOnTheDemoProgram)
{
    open("keyREAD_USER", demo_);
    open("keyREAD_STD", demo_);
    // Every output and input function name shown fits its cell in the bold grid font.
    for (QelmStp::fStep* w : {state().frmUsr.data(), state().frmStd.data()}) {
        const auto& g = w->fg().data();
        QFont bold = g.Font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        for (int col = 2; col < g.Cols(); ++col) {
            if (g.ColData(col) != 2 && g.ColData(col) != 5)
                continue;
            for (int row = 1; row <= 192; ++row) {
                const QString text = g.TextMatrix(row, col);
                EXPECT_LT(metrics.horizontalAdvance(text), platform::twipsToPixels(g.ColWidth(col)))
                    << text.toStdString() << " in column " << col;
            }
        }
    }
    for (const QSize size : {QSize(1280, 800), QSize(800, 600)}) {
        window().resize(size);
        window().ArrangeTiled();
        const QString name = QStringLiteral("stp_open_%1x%2.png").arg(size.width()).arg(size.height());
        EXPECT_FALSE(grabIfAsked(window(), name).isNull());
        // The table lists of both windows look alike.
        EXPECT_EQ(state().frmUsr->cboTable().width(), state().frmStd->cboTable().width());
    }
}

TEST_F(StepOpen, AReferenceFileLeavesTheUserProgramsFunctionsAsTheyWere)
{
    const QString demoNote = dataPath(QStringLiteral("DEMO.BIN"));
    const QByteArray userNote = readFile(demoNote);
    open("keyREAD_USER", demo_);
    Sorvi27::clsSelectKino& kino = *state().selectKino;
    const Sorvi27::StepFunctionFlags userFlags = kino.StepFlags();
    ASSERT_FALSE(userFlags.outputs.isEmpty());
    const std::string outputsOffered = offeredAt(1, 2);
    const std::string inputsOffered = offeredAt(1, 5);
    ASSERT_FALSE(outputsOffered.empty());
    ASSERT_FALSE(inputsOffered.empty());

    // A reference file whose table 1 offers one function on each side that
    // the user's does not, and whose table 2 offers none.
    const int output = firstNotOffered(kino.stpout());
    const int input = firstNotOffered(kino.stpinp());
    ASSERT_NE(output, -1);
    ASSERT_NE(input, -1);
    const QString other = dataCopy("DEMO.stp", QStringLiteral("OTHER.stp"));
    QByteArray otherNote = userNote;
    writeNoteLists(otherNote, 1, {output}, {input});
    writeNoteLists(otherNote, 2, {}, {});
    writeFile(dataPath(QStringLiteral("OTHER.BIN")), otherNote);

    open("keyREAD_STD", other);
    QelmStp::fStep& reference = *state().frmStd;
    ASSERT_EQ(state().StdFullFname, other);
    const Sorvi27::StepFunctionFlags referenceFlags{{static_cast<int16_t>(output)}, {static_cast<int16_t>(input)}};
    EXPECT_TRUE(state().functionsStd == referenceFlags);
    EXPECT_TRUE(kino.StepFlags() == userFlags);
    pickTable(reference, 2);
    ASSERT_EQ(reference.CurrentStarting(), 2 * 8192 + 1);
    EXPECT_TRUE(state().functionsStd == Sorvi27::StepFunctionFlags{});
    EXPECT_TRUE(kino.StepFlags() == userFlags);
    EXPECT_TRUE(messages().isEmpty());

    // The user window offers what it offered, and its save writes its own
    // flags: its note file stays as it was.
    EXPECT_EQ(offeredAt(1, 2), outputsOffered);
    EXPECT_EQ(offeredAt(1, 5), inputsOffered);
    userWindow().ControlChange(true);
    ASSERT_TRUE(userWindow().SaveStepData(0));
    EXPECT_EQ(readFile(demoNote), userNote);
    open("keyREAD_USER", demo_);
    EXPECT_TRUE(kino.StepFlags() == userFlags);
    EXPECT_EQ(offeredAt(1, 2), outputsOffered);
}
