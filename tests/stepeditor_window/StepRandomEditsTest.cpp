// Seeded random edit sequences in the user's step window, made through the
// window's own entry points as a user makes them (typed cells, Space, Delete,
// the function dialog, cut, copy and paste, rows inserted and marked, undo,
// replace all), every question answered with its default button; then the
// program is saved over its file and opened again. The grid read back must be
// the grid that was saved, cell for cell and mark for mark; or the save was
// refused, wrote nothing, and left the faulty cell it names current.
//
// Switches:
//   QEL_RANDOM_EDITS_COUNT   sequences per program      QEL_RANDOM_EDITS_LENGTH  edits per sequence
//   QEL_RANDOM_EDITS_SEED    base seed (sequence i uses base + i)
//   QEL_RANDOM_EDITS_OPS     replay these ops (as a failure prints them) instead of random ones
//   QEL_RANDOM_EDITS_SHRINK=1  cut a failing sequence down to the fewest ops that still fail alike

#include "StepEditOps.h"
#include "StepEditorFixture.h"
#include "WindowDriver.h"

#include "ReportedErrors.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "dialogs/clsSelectKino.h"
#include "platform/grid/FlexGrid.h"
#include "platform/tree/NodeKeys.h"
#include "platform/tree/SelectionTree.h"
#include "stepeditor/fFind.h"
#include "stepeditor/grid/StepColumns.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>

using steptest::StepEditOp;
using testsupport::scriptedUi;

namespace {

using Op = StepEditOp;
using Ops = std::vector<Op>;

constexpr uint32_t kBaseSeed = 7100;
// Sized for about half a minute per program in the sanitizer build (some 2600 edits each).
constexpr int kDefaultSequences = 32;
constexpr int kDefaultEdits = 80;
constexpr int kEditsBetweenSaves = 15;
constexpr int kMendsPerSave = 3;
constexpr uint32_t kCounterSeeds = 50000; // the counter program's seeds start this far from the base
constexpr int kFirstCounterRow = 40, kCounterRows = 4;
// The messages of the whole-program checks and of a grid that does not convert.
constexpr int kNoEnd = 52, kNoLogicOrDelay = 64, kNoOutput = 76, kNotConverted = 80;
// Two messages of the cell rules: a column to fill first, and a cell that must stay empty.
constexpr int16_t kFillFirst = 46, kCannotEdit = 42;
constexpr int kLastRow = QelmStp::kStepRows;
constexpr int kLastCol = QelmStp::kStepGridCols - 1;

int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : fallback;
}

Op makeOp(Op::Kind kind, int row1 = 0, int col1 = 0, int row2 = 0, int col2 = 0, const QString& text = {},
          const QString& text2 = {}, Op::End end = Op::None)
{
    return Op{kind, row1, col1, row2, col2, text, text2, end};
}

bool verbose() { return qEnvironmentVariable("QEL_RANDOM_EDITS_VERBOSE") == QLatin1String("1"); }
QString oneLine(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String(" ")); }

// What kind of cell a data column holds.
QelmStp::StepColumnKind kindOfCol(int col)
{
    if (col <= QelmStp::eColDelay)
        return static_cast<QelmStp::StepColumnKind>(col);
    return static_cast<QelmStp::StepColumnKind>(QelmStp::eColFunc + (col - QelmStp::eColFunc) % 3);
}
const char* kindName(int col)
{
    static const char* names[] = {"REM mark", "remark", "output", "logic", "delay", "function", "state", "relation"};
    return names[col < 0 ? 0 : kindOfCol(col)];
}
bool isCodeCol(int col)
{
    const auto k = kindOfCol(col);
    return k == QelmStp::eColLogic || k == QelmStp::eColState || k == QelmStp::eColRel;
}

// The answer of a message box's default button.
int32_t defaultAnswer(int32_t style)
{
    static const std::vector<int32_t> buttons[] = {
        {platform::vbOK},
        {platform::vbOK, platform::vbCancel},
        {platform::vbAbort, platform::vbRetry, platform::vbIgnore},
        {platform::vbYes, platform::vbNo, platform::vbCancel},
        {platform::vbYes, platform::vbNo},
        {platform::vbRetry, platform::vbCancel},
    };
    const int32_t set = platform::msgButtons(style);
    if (set < 0 || set >= static_cast<int32_t>(std::size(buttons)))
        return platform::vbOK;
    const auto& b = buttons[set];
    const size_t index = static_cast<size_t>(platform::msgDefaultButton(style) - 1);
    return index < b.size() ? b[index] : b.front();
}

// The Ui of a sequence: message boxes get their default button and are
// logged; a dialog is played by the op that asked for it, else by its
// default (the renumbering question's Yes, any other dialog closed).
// Everything else goes to the scripted Ui.
class DefaultAnswerUi final : public platform::Ui {
public:
    struct Box {
        QString text;
        QString title;
    };
    std::vector<Box> boxes;
    QStringList unexpected;
    std::function<void(QDialog&)> player;

    int32_t messageBox(const QString& text, int32_t style, const QString& title) override
    {
        boxes.push_back({text, title});
        return defaultAnswer(style);
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        if (scriptedUi().pendingAnswers() > 0)
            return scriptedUi().inputBox(prompt, title, defaultText);
        unexpected << QStringLiteral("input box \"%1\"").arg(prompt);
        return {};
    }
    QString openFileName(const platform::FileDialogRequest& r) override { return scriptedUi().openFileName(r); }
    QString saveFileName(const platform::FileDialogRequest& r) override { return scriptedUi().saveFileName(r); }
    QString folderName(const QString& title, const QString& start) override
    {
        return scriptedUi().folderName(title, start);
    }
    bool startProgram(const QString& program, const QStringList& arguments, bool minimized) override
    {
        return scriptedUi().startProgram(program, arguments, minimized);
    }
    bool openDocument(const QString& path) override { return scriptedUi().openDocument(path); }
    int runDialog(QDialog& dialog) override
    {
        std::function<void(QDialog&)> play = player;
        if (!play) {
            if (dialog.objectName() == QLatin1String("fDlgReplace")) {
                play = [](QDialog& d) { testsupport::WindowDriver(d).click(QStringLiteral("BTN1")); };
            } else {
                unexpected << QStringLiteral("dialog %1").arg(dialog.objectName());
                play = [](QDialog& d) { d.reject(); };
            }
        }
        scriptedUi().answerDialog(play);
        return scriptedUi().runDialog(dialog);
    }
    QAction* popupMenu(QMenu& menu, const QPoint& at) override { return scriptedUi().popupMenu(menu, at); }
    platform::ColorDialogAnswer colorDialog(const platform::ColorDialogRequest& r) override
    {
        return scriptedUi().colorDialog(r);
    }
};

// The step rows as the window shows them: per row its REM mark and the texts of columns 1 to 28.
using Shown = std::vector<QStringList>;

struct Outcome {
    QString kind;   // the failure's class; "" when the sequence passed
    QString detail; // what was seen
    bool refused = false;
};

class StepRandomEdits : public steptest::StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
    }

    void TearDown() override
    {
        window_.reset();
        platform::installUi(std::shared_ptr<platform::Ui>(&scriptedUi(), [](platform::Ui*) {}));
        StepEditorFixture::TearDown();
    }

    QelmStp::fStep& user() { return userWindow(); }
    platform::grid::FlexGrid& fg() { return user().fg(); }
    platform::grid::GridData& grid() { return fg().data(); }
    Telva27::colclsCusSelection& outputs() { return state().selectKino->stpout(); }
    Telva27::colclsCusSelection& inputs() { return state().selectKino->stpinp(); }

    // ---- a fresh program on a fresh copy of the demo file --------------------------

    // Starts the program anew, as far as a process can: no settings, no clipboard.
    bool freshStart()
    {
        window_.reset();
        const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
        QDir(config).removeRecursively();
        QDir().mkpath(config);
        scriptedUi().reset();
        testsupport::reportedErrors().reset();
        ui_ = std::make_shared<DefaultAnswerUi>();
        platform::installUi(ui_);
        QGuiApplication::clipboard()->clear();
        file_ = startOnDemoProgram();
        if (file_.isEmpty())
            return false;
        note_ = dataPath(QStringLiteral("DEMO.BIN"));
        window().resize(1600, 1000);
        user().parentWidget()->showMaximized();
        QCoreApplication::processEvents();
        ui_->boxes.clear();
        return true;
    }

    // The names the generator picks from, sorted so that a seed picks the same.
    void gatherNames()
    {
        auto gather = [](Telva27::colclsCusSelection& list, const std::function<bool(const QString&)>& take) {
            QStringList names;
            for (auto it = list.dicDigital().cbegin(); it != list.dicDigital().cend(); ++it)
                if (take(list.CategoryByDigital(it.key())))
                    names << it.key();
            names.sort();
            return names;
        };
        auto is = [](const char* c) { return [c](const QString& cat) { return cat == QLatin1String(c); }; };
        outNames_ = gather(outputs(), [](const QString&) { return true; });
        plainOutNames_ = gather(outputs(), is("OUT"));
        inNames_ = gather(inputs(), [](const QString& cat) { return cat != QLatin1String("COUNT"); });
        plainInNames_ = gather(inputs(), is("IN"));
        counterNames_ = gather(inputs(), is("COUNT"));
        hotRows_.clear();
        for (int row = 1; row <= kLastRow; ++row)
            if (user().InputSomething(row) || user().IsREM(row))
                hotRows_ << row;
    }

    // ---- generating a sequence ----------------------------------------------------

    struct Gen {
        std::mt19937 rng;
        int below(int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); }
        bool chance(int percent) { return below(100) < percent; }
        template <class T>
        const T& pick(const QList<T>& list) { return list[below(static_cast<int>(list.size()))]; }
        QString pickText(std::initializer_list<const char*> texts)
        {
            return QString::fromUtf8(*(texts.begin() + below(static_cast<int>(texts.size()))));
        }
    };

    int pickRow(Gen& g, const QList<int>& hot)
    {
        if (!hot.isEmpty() && g.chance(70))
            return std::clamp(g.pick(hot) + (g.chance(80) ? 0 : g.below(5) - 2), 1, kLastRow);
        return g.chance(10) ? kLastRow - g.below(3) : 1 + g.below(kLastRow);
    }

    // A name in a random letter case: typing takes any case.
    static QString anyCase(Gen& g, const QString& name)
    {
        return g.chance(60) ? name : g.chance(50) ? name.toLower() : name.left(1) + name.mid(1).toLower();
    }

    QString textFor(Gen& g, int col)
    {
        switch (kindOfCol(col)) {
        case QelmStp::eColRemark:
            return g.pickText({"x", "Clamp open", "12345678901234567890", "123456789012345678901",
                               "x\xef\xbc\xa1\xef\xbc\xa2\xef\xbc\xa3\xef\xbc\xa4\xef\xbc\xa5\xef\xbc\xa6\xef\xbc\xa7"
                               "\xef\xbc\xa8\xef\xbc\xa9",
                               "x\xef\xbc\xa1\xef\xbc\xa2\xef\xbc\xa3\xef\xbc\xa4\xef\xbc\xa5\xef\xbc\xa6\xef\xbc\xa7"
                               "\xef\xbc\xa8\xef\xbc\xa9\xef\xbc\xaa",
                               "a|b", "#1;x", "trail ", "s\xc3\xa4tze", "REM", "***", "x\xe9\x80\x81\xe3\x82\x8a"});
        case QelmStp::eColOutput:
            if (g.chance(80))
                return anyCase(g, g.pick(g.chance(60) ? plainOutNames_ : outNames_));
            return g.pickText({"NOSUCH", "5", "***", "RET", "ret", "J200", "IN1X"});
        case QelmStp::eColDelay:
            return g.pickText({"0", "1", "50", "300", "65000", "65001", "30000", "-1", "-30000", "5x", "1.5", "007",
                               "99999999", "***", "0"});
        case QelmStp::eColFunc:
            if (g.chance(55))
                return anyCase(g, g.pick(g.chance(70) ? plainInNames_ : inNames_));
            if (g.chance(35) && !counterNames_.isEmpty())
                return g.pick(counterNames_);
            return g.pickText({"0", "100", "8000", "8001", "65535", "65536", "-1", "40000", "NOSUCH", "***", "1.5"});
        default: // a code cell: one typed character
            return g.pickText({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "x"});
        }
    }

    Op randomOp(Gen& g, const QList<int>& hot)
    {
        struct Weighted {
            Op::Kind kind;
            int weight;
        };
        static const Weighted kinds[] = {
            {Op::Type, 40}, {Op::Space, 8},    {Op::Delete, 8}, {Op::F2, 4},      {Op::Step, 8},
            {Op::Copy, 4},  {Op::CopyRows, 3}, {Op::Cut, 3},    {Op::CutRows, 3}, {Op::Paste, 8},
            {Op::Insert, 3}, {Op::Rem, 3},     {Op::Undo, 4},   {Op::Replace, 3},
        };
        int total = 0;
        for (const auto& k : kinds)
            total += k.weight;
        int roll = g.below(total);
        Op op;
        for (const auto& k : kinds) {
            if (roll < k.weight) {
                op.kind = k.kind;
                break;
            }
            roll -= k.weight;
        }
        op.row1 = pickRow(g, hot);
        op.col1 = 1 + g.below(kLastCol);
        op.row2 = std::clamp(op.row1 + g.below(4) - (g.chance(30) ? 3 : 0), 1, kLastRow);
        op.col2 = std::clamp(op.col1 + g.below(6) - 2, 1, kLastCol);
        switch (op.kind) {
        case Op::Type:
            // A new output mostly goes where a step is, so that more saves are taken.
            if (op.col1 == QelmStp::eColOutput && !hot.isEmpty() && g.chance(80))
                op.row1 = g.pick(hot);
            op.text = textFor(g, op.col1);
            op.end = isCodeCol(op.col1) ? Op::None : g.chance(70) ? Op::Return : g.chance(50) ? Op::Tab : Op::Escape;
            break;
        case Op::F2:
            op.col1 = g.chance(40) ? QelmStp::eColOutput : QelmStp::groupColumn(1 + g.below(QelmStp::kInputGroups));
            op.text = g.chance(15) ? QString() : g.pick(op.col1 == QelmStp::eColOutput ? outNames_ : inNames_);
            break;
        case Op::Step:
            op.text = g.pick(plainOutNames_);
            op.text2 = g.pick(plainInNames_);
            break;
        case Op::Replace: {
            const bool out = g.chance(50);
            op.text = g.pick(out ? plainOutNames_ : plainInNames_);
            op.text2 = g.chance(85) ? g.pick(g.chance(70) ? (out ? plainOutNames_ : plainInNames_) : outNames_)
                                    : QStringLiteral("NOSUCH");
            break;
        }
        default: break;
        }
        return op;
    }

    // The ops that make the counter rows, typed as a user types
    // them: output, logic, delay, a COUNT function in group 1 and a compared
    // constant in group 2 that ends the step.
    Ops counterRows(Gen& g)
    {
        Ops ops;
        for (int row = kFirstCounterRow; row < kFirstCounterRow + kCounterRows; ++row) {
            auto type = [&](int col, const QString& text) {
                ops.push_back({Op::Type, row, col, 0, 0, text, {}, isCodeCol(col) ? Op::None : Op::Return});
            };
            type(QelmStp::eColOutput, g.pick(plainOutNames_));
            type(QelmStp::eColLogic, QStringLiteral("1"));
            type(QelmStp::eColDelay, QStringLiteral("0"));
            type(5, g.pick(counterNames_));
            type(7, QString::number(3 + g.below(4))); // a comparison: group 2 then ends the step
            type(8, QString::number(g.below(8001)));
        }
        return ops;
    }

    // ---- playing the ops ------------------------------------------------------------

    // A key as the X server delivers it, to the cell editor while one is open, else to the grid.
    void strike(Qt::Key key, const QString& text = {})
    {
        QWidget* target = fg().isEditing() ? fg().editor() : static_cast<QWidget*>(&fg());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(fg().isEditing() ? fg().editor() : static_cast<QWidget*>(&fg()), &release);
    }
    void typeText(const QString& text)
    {
        for (QChar c : text) {
            const char16_t u = c.toUpper().unicode();
            strike(u >= 'A' && u <= 'Z'   ? Qt::Key(Qt::Key_A + (u - 'A'))
                   : u >= '0' && u <= '9' ? Qt::Key(Qt::Key_0 + (u - '0'))
                   : u == ' '             ? Qt::Key_Space
                                          : Qt::Key_unknown,
                   QString(c));
        }
    }

    // Makes the cell current as a user's move does (its list is offered).
    void enter(int row, int col)
    {
        grid().setSelectionMode(platform::grid::selFree);
        grid().Select(row, col == 1 ? 2 : 1);
        grid().Select(row, col);
    }

    void select(int mode, int row1, int col1, int row2, int col2)
    {
        grid().setSelectionMode(mode);
        grid().Select(row1, col1, row2, col2);
    }

    // A toolbar button as a click runs it; a disabled one does nothing.
    void click(const char* key)
    {
        QAction* button = user().toolKey(QLatin1String(key));
        if (button && button->isEnabled())
            button->trigger();
    }

    // Plays the function dialog: the named function double-clicked, else Cancel.
    std::function<void(QDialog&)> chooseFunction(const QString& name, int col)
    {
        const int16_t code = (col == QelmStp::eColOutput ? outputs() : inputs()).ValueByDigital(name);
        return [name, code](QDialog& d) {
            auto* tree = d.findChild<platform::tree::SelectionTree*>(QStringLiteral("tv"));
            platform::tree::SelectionNode* found = nullptr;
            if (tree && !name.isEmpty()) {
                const QString key = QString::number(code) + QStringLiteral("key");
                for (platform::tree::SelectionNode* n : tree->Nodes())
                    if (n->Level() >= 2 && n->Key() == key)
                        found = n;
            }
            if (!found || !found->Visible() || (found->Parent() && !found->Parent()->Visible())) {
                d.reject();
                return;
            }
            tree->scrollToItem(found->item());
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found->item()).center());
            if (d.isVisible())
                d.reject();
        };
    }

    void typeInto(int row, int col, const QString& text, Op::End end)
    {
        enter(row, col);
        typeText(text);
        switch (end) {
        case Op::Return: strike(Qt::Key_Return, QStringLiteral("\r")); break;
        case Op::Tab: strike(Qt::Key_Tab, QStringLiteral("\t")); break;
        case Op::Escape: strike(Qt::Key_Escape, QStringLiteral("\x1b")); break;
        case Op::None: break;
        }
        // A key the cell refused may leave its editor open: Escape leaves it.
        if (fg().isEditing())
            strike(Qt::Key_Escape, QStringLiteral("\x1b"));
    }

    void replaceAll(const QString& from, const QString& to)
    {
        click("keyFIND");
        QelmStp::fFind* dialog = state().frmFindUsr;
        if (!dialog || !dialog->isVisible())
            return;
        const testsupport::WindowDriver w(*dialog);
        w.click(QStringLiteral("BTN3"));
        dialog->findChild<QLineEdit*>(QStringLiteral("txtWord1"))->setText(from);
        dialog->findChild<QLineEdit*>(QStringLiteral("txtWord2"))->setText(to);
        w.click(QStringLiteral("BTN4"));
        w.click(QStringLiteral("BTN2"));
    }

    void play(const Op& op)
    {
        switch (op.kind) {
        case Op::Type: typeInto(op.row1, op.col1, op.text, op.end); break;
        case Op::Space:
            enter(op.row1, op.col1);
            strike(Qt::Key_Space, QStringLiteral(" "));
            break;
        case Op::Delete:
            enter(op.row1, op.col1);
            strike(Qt::Key_Delete, QStringLiteral("\x7f"));
            break;
        case Op::F2:
            enter(op.row1, op.col1);
            ui_->player = chooseFunction(op.text, op.col1);
            strike(Qt::Key_F2);
            ui_->player = nullptr;
            if (fg().isEditing())
                strike(Qt::Key_Escape, QStringLiteral("\x1b"));
            break;
        case Op::Step:
            typeInto(op.row1, QelmStp::eColOutput, op.text, Op::Return);
            typeInto(op.row1, QelmStp::eColLogic, QStringLiteral("1"), Op::None);
            typeInto(op.row1, QelmStp::eColDelay, QStringLiteral("0"), Op::Return);
            typeInto(op.row1, QelmStp::groupColumn(1), op.text2, Op::Return);
            typeInto(op.row1, QelmStp::groupColumn(1) + 1, QStringLiteral("0"), Op::None);
            typeInto(op.row1, QelmStp::groupColumn(1) + 2, QStringLiteral("2"), Op::None);
            break;
        case Op::Copy:
            select(platform::grid::selFree, op.row1, op.col1, op.row2, op.col2);
            click("keyCOPY");
            break;
        case Op::CopyRows:
            select(platform::grid::selByRow, op.row1, 1, op.row2, 1);
            click("keyCOPY");
            break;
        case Op::Cut:
            select(platform::grid::selFree, op.row1, op.col1, op.row2, op.col2);
            click("keyCUT");
            break;
        case Op::CutRows:
            select(platform::grid::selByRow, op.row1, 1, op.row2, 1);
            click("keyCUT");
            break;
        case Op::Paste:
            enter(op.row1, op.col1);
            click("keyPASTE");
            break;
        case Op::Insert:
            select(platform::grid::selFree, op.row1, 2, op.row2, 2);
            click("keyROWINSERT");
            break;
        case Op::Rem:
            select(platform::grid::selFree, op.row1, 2, op.row2, 2);
            click("keyREM");
            break;
        case Op::Undo: click("keyUNDO"); break;
        case Op::Replace: replaceAll(op.text, op.text2); break;
        case Op::Save: break; // judged by step()
        }
        grid().setSelectionMode(platform::grid::selFree);
    }

    // ---- judging the save -----------------------------------------------------------

    Shown shown()
    {
        Shown rows;
        for (int row = 1; row <= kLastRow; ++row) {
            QStringList cells{user().IsREM(row) ? QStringLiteral("REM") : QString()};
            for (int col = 1; col <= kLastCol; ++col)
                cells << grid().TextMatrix(row, col);
            rows.push_back(cells);
        }
        return rows;
    }

    static QString firstDifference(const Shown& saved, const Shown& reread)
    {
        for (int row = 1; row <= kLastRow; ++row)
            for (int col = 0; col <= kLastCol; ++col)
                if (saved[row - 1][col] != reread[row - 1][col])
                    return QStringLiteral("row %1, col %2 (%3): shown \"%4\", reread \"%5\"")
                        .arg(row)
                        .arg(col)
                        .arg(QLatin1String(kindName(col)), saved[row - 1][col], reread[row - 1][col]);
        return {};
    }

    // The first incomplete step by the whole-program checks: the message
    // and the cell it makes current; message 0 when every step is complete.
    struct Fault {
        int message = 0, row = 0, col = 0;
    };
    Fault firstIncompleteStep(const Shown& s)
    {
        auto text = [&](int row, int col) { return s[row - 1][col]; };
        for (int row = 1; row <= kLastRow; ++row) {
            const QString out = text(row, QelmStp::eColOutput);
            if (out.isEmpty() || outputs().CategoryByDigital(out) == QLatin1String("RETURN"))
                continue;
            bool end = false;
            for (int col = QelmStp::groupColumn(1) + 2; col <= kLastCol; col += 3)
                end = end || text(row, col).trimmed() == QLatin1String("2");
            if (!end)
                return {52, row, QelmStp::groupColumn(1)};
            if (text(row, QelmStp::eColLogic).isEmpty() || text(row, QelmStp::eColDelay).isEmpty())
                return {64, row, QelmStp::eColLogic};
        }
        for (int row = 1; row <= kLastRow; ++row) {
            if (!text(row, QelmStp::eColOutput).isEmpty())
                continue;
            for (int col = QelmStp::groupColumn(1); col <= kLastCol; col += 3)
                if (!text(row, col).isEmpty())
                    return {76, row, QelmStp::eColOutput};
        }
        return {};
    }

    // The number of a message of the checks or of a failed save; 0 for any other.
    static int messageNumber(const QString& text)
    {
        for (int n : {kNoEnd, kNoLogicOrDelay, kNoOutput, kNotConverted, 50, 79, 90, 93, 69})
            if (text == QelmStp::mMOD::MessageText(static_cast<int16_t>(n)))
                return n;
        return 0;
    }

    // Whether a refused save left current the cell its message names; "" when it did.
    QString judgeRefusal(const QString& box, const Shown& s)
    {
        const int message = messageNumber(box);
        const int row = grid().Row(), col = grid().Col();
        if (row < 1 || row > kLastRow || col < 1 || col > kLastCol)
            return QStringLiteral("\"%1\" with current cell (%2,%3) outside the steps").arg(oneLine(box)).arg(row).arg(col);
        const QStringList& cells = s[row - 1];
        const QString& text = cells[col];
        const QString& output = cells[QelmStp::eColOutput];
        auto holdsAnything = [&] {
            for (int c = QelmStp::eColLogic; c <= kLastCol; ++c)
                if (!cells[c].isEmpty())
                    return true;
            return !cells[0].isEmpty(); // the REM mark
        };
        auto holdsEnd = [&] {
            for (int c = QelmStp::groupColumn(1) + 2; c <= kLastCol; c += 3)
                if (cells[c].trimmed() == QLatin1String("2"))
                    return true;
            return false;
        };
        bool named = false;
        switch (message) {
        case kNoEnd:
            named = col == QelmStp::groupColumn(1) && !output.isEmpty() && !holdsEnd() &&
                    outputs().CategoryByDigital(output) != QLatin1String("RETURN");
            break;
        case kNoLogicOrDelay:
            named = col == QelmStp::eColLogic && !output.isEmpty() &&
                    (cells[QelmStp::eColLogic].isEmpty() || cells[QelmStp::eColDelay].isEmpty());
            break;
        case kNoOutput: named = col == QelmStp::eColOutput && output.isEmpty() && holdsAnything(); break;
        case 0:
            // A cell rule's message: a cell to fill first, one that must stay
            // empty, or one whose text is refused.
            if (box.startsWith(QelmStp::mMOD::MessageText(kFillFirst, QString()).left(20)))
                named = text.isEmpty() && oneLine(box).endsWith(grid().TextMatrix(0, col));
            else if (box == QelmStp::mMOD::MessageText(kCannotEdit))
                named = !text.isEmpty();
            else
                named = true;
            break;
        case kNotConverted: named = !text.isEmpty(); break; // a name or a text the program cannot hold
        default: return QStringLiteral("the save failed: ") + oneLine(box);
        }
        if (named)
            return {};
        return QStringLiteral("\"%1\" with current cell (%2,%3) \"%4\" in row %5")
            .arg(oneLine(box))
            .arg(row)
            .arg(col)
            .arg(text, cells.join(QLatin1Char('|')));
    }

    // Saves over the file; a save taken is opened again and compared.
    Outcome saveAndReread()
    {
        const Shown before = shown();
        const QByteArray step = testsupport::readFile(file_), note = testsupport::readFile(note_);
        ui_->boxes.clear();
        click("keySAVE");
        const auto boxes = ui_->boxes;
        ui_->boxes.clear();
        if (verbose())
            for (const auto& box : boxes)
                std::printf("  save: %s at (%d,%d): %s\n", qPrintable(oneLine(box.text)), grid().Row(), grid().Col(),
                            qPrintable(before[std::clamp(grid().Row(), 1, kLastRow) - 1].join(QLatin1Char('|'))));
        if (!boxes.empty()) {
            ++tally_[oneLine(boxes.front().text).left(40)];
            QStringList problems;
            if (testsupport::readFile(file_) != step || testsupport::readFile(note_) != note)
                problems << QStringLiteral("a refused save wrote the file");
            if (const QString d = firstDifference(before, shown()); !d.isEmpty())
                problems << QStringLiteral("a refused save changed the grid: ") + d;
            if (const QString j = judgeRefusal(boxes.front().text, before); !j.isEmpty())
                problems << QStringLiteral("refused with ") + j;
            if (problems.isEmpty())
                return {QString(), QString(), true};
            return {problems.front().section(QLatin1Char(' '), 0, 3), problems.join(QLatin1String("; ")), true};
        }
        ++tally_[QStringLiteral("(saved)")];
        if (const Fault f = firstIncompleteStep(before); f.message != 0)
            return {QStringLiteral("saved an incomplete step"),
                    QStringLiteral("saved although message %1 at (%2,%3) applies").arg(f.message).arg(f.row).arg(f.col)};
        scriptedUi().answerInput(QLatin1String(kPassword));
        if (!user().ReadStep(0, 0, file_))
            return {QStringLiteral("reopen failed"), QStringLiteral("the saved file does not open")};
        const QString difference = firstDifference(before, shown());
        if (difference.isEmpty())
            return {};
        const int col = difference.section(QLatin1String(", col "), 1).section(QLatin1Char(' '), 0, 0).toInt();
        return {QStringLiteral("reread differs in a %1 cell").arg(QLatin1String(kindName(col))), difference};
    }

    // Plays one op and judges what it showed; a save is judged by its reread.
    Outcome step(const Op& op)
    {
        if (op.kind == Op::Save)
            return saveAndReread();
        play(op);
        QStringList problems = ui_->unexpected;
        ui_->unexpected.clear();
        for (const auto& box : ui_->boxes) {
            opBoxes_ << box.text;
            if (verbose())
                std::printf("  after %s: %s\n", qPrintable(toText(op)), qPrintable(oneLine(box.text)));
            if (box.title == QLatin1String("ERROR"))
                problems << QStringLiteral("run-time error: ") + oneLine(box.text);
        }
        ui_->boxes.clear();
        for (const auto& report : testsupport::reportedErrors().take())
            problems << QStringLiteral("handler failed: %1 error %2 %3")
                            .arg(report.label)
                            .arg(report.number)
                            .arg(report.description);
        if (problems.isEmpty())
            return {};
        return {QStringLiteral("op failed: ") + problems.front().section(QLatin1Char(' '), 0, 3),
                QStringLiteral("at %1: %2").arg(toText(op), problems.join(QLatin1String("; ")))};
    }

    // Plays ops on a fresh program, then saves; the first failure ends it.
    Outcome run(const Ops& ops)
    {
        if (!freshStart())
            return {QStringLiteral("start failed"), QStringLiteral("the demo program did not open")};
        for (const Op& op : ops)
            if (Outcome o = step(op); !o.kind.isEmpty())
                return o;
        return saveAndReread();
    }

    // A seeded sequence, played as it is drawn: every so many edits a save,
    // and after a refused save the user mends the step it names (types the
    // step again, or cuts its row) and saves again, a few times at most.
    // `played` gets the ops as played, to replay them.
    Outcome runSeed(uint32_t seed, int edits, bool counters, Ops& played)
    {
        played.clear();
        if (!freshStart())
            return {QStringLiteral("start failed"), QStringLiteral("the demo program did not open")};
        Gen g{std::mt19937(seed)};
        QList<int> hot = hotRows_;
        auto playOne = [&](const Op& op) {
            played.push_back(op);
            return step(op);
        };
        if (counters) {
            for (const Op& op : counterRows(g))
                if (Outcome o = playOne(op); !o.kind.isEmpty())
                    return o;
            for (int row = kFirstCounterRow; row < kFirstCounterRow + kCounterRows; ++row)
                hot << row << row;
        }
        for (int i = 1; i <= edits; ++i) {
            if (Outcome o = playOne(randomOp(g, hot)); !o.kind.isEmpty())
                return o;
            if (i % kEditsBetweenSaves != 0 && i != edits)
                continue;
            for (int attempt = 0; attempt <= kMendsPerSave; ++attempt) {
                const Outcome o = playOne(makeOp(Op::Save));
                if (!o.kind.isEmpty())
                    return o;
                if (!o.refused || attempt == kMendsPerSave)
                    break;
                const int row = grid().Row();
                if (row < 1 || row > kLastRow)
                    break;
                const Op mend = g.chance(65) ? makeOp(Op::Step, row, 0, 0, 0, g.pick(plainOutNames_), g.pick(plainInNames_))
                                             : makeOp(Op::CutRows, row, 0, row);
                if (Outcome m = playOne(mend); !m.kind.isEmpty())
                    return m;
            }
        }
        return {};
    }

    // The fewest ops (taken out a block at a time, then one at a time) that still fail alike.
    Ops shrink(Ops ops, const QString& kind)
    {
        for (size_t chunk = std::max<size_t>(ops.size() / 2, 1);; chunk /= 2) {
            for (size_t at = 0; at < ops.size();) {
                Ops fewer = ops;
                fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(at),
                            fewer.begin() + static_cast<std::ptrdiff_t>(std::min(at + chunk, ops.size())));
                if (run(fewer).kind == kind)
                    ops = fewer;
                else
                    at += chunk;
            }
            if (chunk <= 1)
                break;
        }
        return ops;
    }

    void report(const QString& what, const Ops& ops, const Outcome& o)
    {
        QString text = QStringLiteral("%1: %2\n  %3\n  ops (%4): %5")
                           .arg(what, o.kind, o.detail)
                           .arg(ops.size())
                           .arg(toText(ops));
        if (qEnvironmentVariable("QEL_RANDOM_EDITS_SHRINK") == QLatin1String("1")) {
            const Ops fewest = shrink(ops, o.kind);
            const Outcome again = run(fewest);
            text += QStringLiteral("\n  shortest (%1): %2\n  %3").arg(fewest.size()).arg(toText(fewest), again.detail);
        }
        ADD_FAILURE() << text.toStdString();
    }

    // Runs the seeded sequences (or the ops given to replay) on the demo
    // program, with counter rows typed first when asked.
    void runSequences(bool counters)
    {
        const QString replay = qEnvironmentVariable("QEL_RANDOM_EDITS_OPS");
        if (!replay.isEmpty() && counters)
            GTEST_SKIP() << "the ops to replay run in the demo program's test";
        ASSERT_TRUE(freshStart());
        gatherNames();
        ASSERT_FALSE(plainOutNames_.isEmpty() || plainInNames_.isEmpty() || counterNames_.isEmpty());
        if (!replay.isEmpty()) {
            const auto ops = steptest::opsFromText(replay);
            ASSERT_TRUE(ops.has_value()) << "QEL_RANDOM_EDITS_OPS does not read as ops";
            if (const Outcome o = run(*ops); !o.kind.isEmpty())
                report(QStringLiteral("replay"), *ops, o);
            return;
        }
        const uint32_t base =
            static_cast<uint32_t>(envInt("QEL_RANDOM_EDITS_SEED", kBaseSeed)) + (counters ? kCounterSeeds : 0);
        const int sequences = envInt("QEL_RANDOM_EDITS_COUNT", kDefaultSequences);
        const int edits = envInt("QEL_RANDOM_EDITS_LENGTH", kDefaultEdits);
        int failed = 0;
        const auto started = std::chrono::steady_clock::now();
        for (int i = 0; i < sequences; ++i) {
            const uint32_t seed = base + static_cast<uint32_t>(i);
            Ops played;
            if (const Outcome o = runSeed(seed, edits, counters, played); !o.kind.isEmpty()) {
                ++failed;
                report(QStringLiteral("seed %1").arg(seed), played, o);
            }
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("%d sequences of %d edits from seed %u: %d failed, %.1f s; the saves:\n", sequences, edits, base,
                    failed, seconds);
        for (auto it = tally_.cbegin(); it != tally_.cend(); ++it)
            std::printf("  %5d  %s\n", it.value(), qPrintable(it.key()));
    }

    std::shared_ptr<DefaultAnswerUi> ui_;
    QString file_, note_;
    QStringList outNames_, plainOutNames_, inNames_, plainInNames_, counterNames_;
    QList<int> hotRows_;
    QMap<QString, int> tally_; // the saves by their first message
    QStringList opBoxes_;      // the texts of the boxes the edits (not the saves) showed
};

// Ways into a cell that once let through what the next open does not show,
// each played through the window on the demo program: the edit is refused
// with the message typing gives, and the save that follows reads back as shown.
TEST_F(StepRandomEdits, EachWayIntoACellIsRefusedAsTypingRefusesIt)
{
    using QelmStp::mMOD::MessageText;
    const auto title = [&](int col) { return std::optional<QVariant>(grid().TextMatrix(0, col)); };
    const struct {
        const char* what;
        const char* ops;
        std::function<QString()> told;
    } cases[] = {
        {"the counter function cut from a counter row", "cut(10,5,10,5)", [&] { return MessageText(46, title(5)); }},
        {"logic INC pasted onto an ordinary row", "copy(9,3,9,3); paste(2,3)", [] { return MessageText(67); }},
        {"the unused mark replaced in a return line", "replace(\"***\",\"START\")", [] { return MessageText(42); }},
        {"a pulse output's delay kept under another output", "type(5,2,\"SEW\",Return)",
         [] { return MessageText(43, QVariant(0), QVariant(65000)); }},
        {"a function typed after the step's END", "type(9,8,\"START\",Return)", [] { return MessageText(42); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto ops = steptest::opsFromText(QLatin1String(c.ops));
        ASSERT_TRUE(ops.has_value());
        opBoxes_.clear();
        const Outcome o = run(*ops);
        EXPECT_TRUE(o.kind.isEmpty()) << o.detail.toStdString();
        ASSERT_FALSE(opBoxes_.isEmpty());
        EXPECT_EQ(opBoxes_.front(), c.told());
    }
}

TEST_F(StepRandomEdits, EverySaveOfTheDemoProgramReadsBackAsTheGridShowedIt)
{
    runSequences(false);
}

TEST_F(StepRandomEdits, EverySaveOfAProgramWithCounterRowsReadsBackAsTheGridShowedIt)
{
    runSequences(true);
}

} // namespace
