#include "dialogs/clsSelectTable.h"

#include "FormLayoutCheck.h"
#include "ScriptedUi.h"
#include "WindowDriver.h"
#include "datamodel/common/Enums.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace Sorvi27;
using testsupport::scriptedUi;
using testsupport::WindowDriver;

namespace {

// The table dialogs: options op0..op7 or boxes chk0..chk7, OK BTN1, Cancel BTN2.
QRadioButton* op(const WindowDriver& w, int i) { return w.child<QRadioButton>(QStringLiteral("op"), i); }
QCheckBox* chk(const WindowDriver& w, int i) { return w.child<QCheckBox>(QStringLiteral("chk"), i); }
void altZero(const WindowDriver& w) { w.press(Qt::Key_0, Qt::AltModifier); }

// Which table the single dialog has selected when it opens.
int preselected(const WindowDriver& w)
{
    for (int i = 0; i < 8; ++i)
        if (op(w, i)->isChecked())
            return i;
    return -1;
}

} // namespace

TEST(TableChoice, SingleChoiceRemembersTheLastTable)
{
    clsSelectTable tables;
    EXPECT_EQ(tables.prevTableIndex(), 1);
    int seen = -1;
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        seen = preselected(w);
        w.ok();
    });
    EXPECT_EQ(tables.SelectStartingLocation(true, Telva27::eUSR), 8193);
    EXPECT_EQ(seen, 1);

    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        w.click("op3");
        w.ok();
    });
    EXPECT_EQ(tables.SelectStartingLocation(true, Telva27::eUSR), 24577);
    EXPECT_EQ(tables.prevTableIndex(), 3);

    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        seen = preselected(w);
        w.ok();
    });
    EXPECT_EQ(tables.SelectStartingLocation(false, -1), 24577);
    EXPECT_EQ(seen, 3);
}

TEST(TableChoice, ReadingAnStdTableKeepsTheTableTheUserFileIsSavedInto)
{
    // The USR choice is the table a later save writes into; the STD choice is
    // remembered apart, each preselected by its own kind of question.
    clsSelectTable tables;
    const struct {
        int32_t kind;
        const char* choose;
        int preselected;
        int32_t answer;
        int32_t prev;
    } steps[] = {
        {Telva27::eUSR, "op3", 1, 24577, 3},
        {Telva27::eSTD, "op5", 1, 40961, 3},
        {Telva27::eSTD, "op6", 5, 49153, 3},
        {Telva27::eUSR, "op2", 3, 16385, 2},
        {-1, "op4", 2, 32769, 4},
        {Telva27::eSTD, nullptr, 6, -1, 4}, // a cancelled STD question changes nothing
        {Telva27::eSTD, "op7", 6, 57345, 4},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.kind << " " << (s.choose ? s.choose : "cancel"));
        int seen = -1;
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            seen = preselected(w);
            if (!s.choose) {
                w.cancel();
                return;
            }
            w.click(s.choose);
            w.ok();
        });
        EXPECT_EQ(tables.SelectStartingLocation(false, s.kind), s.answer);
        EXPECT_EQ(seen, s.preselected);
        EXPECT_EQ(tables.prevTableIndex(), s.prev);
    }
}

TEST(TableChoice, CancelEscapeAndCloseBox)
{
    clsSelectTable tables;
    // Cancel and Escape answer -1 and keep the last table; the close box answers
    // the selected table.
    const struct {
        const char* how;
        std::function<void(QDialog&)> end;
        int32_t answer;
        int32_t prev;
    } cases[] = {
        {"cancel", [](QDialog& d) { const WindowDriver w(d); w.click("op4"); w.cancel(); }, -1, 1},
        {"escape", [](QDialog& d) { const WindowDriver w(d); w.click("op4"); w.press(Qt::Key_Escape); }, -1, 1},
        {"close box", [](QDialog& d) { const WindowDriver w(d); w.click("op4"); d.close(); }, 32769, 4},
    };
    for (const auto& c : cases) {
        scriptedUi().answerDialog(c.end);
        EXPECT_EQ(tables.SelectStartingLocation(false, -1), c.answer) << c.how;
        EXPECT_EQ(tables.prevTableIndex(), c.prev) << c.how;
    }
}

TEST(TableChoice, AltZeroTogglesTableZeroOnlyWhenAllowed)
{
    const struct {
        bool viewZero;
        Qt::KeyboardModifiers modifiers;
        bool shown;
    } cases[] = {
        {true, Qt::AltModifier, true},
        {false, Qt::AltModifier, false},
        {true, Qt::AltModifier | Qt::KeypadModifier, false}, // the keypad's 0 never toggles
        {true, Qt::NoModifier, false},
    };
    for (const auto& c : cases) {
        clsSelectTable tables;
        bool hiddenAtLoad = false, shown = false;
        int row1Top = -1, frameHeight = -1;
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            hiddenAtLoad = op(w, 0)->isHidden();
            // Sent to the focused option: the dialog sees keys before its controls.
            w.press("op1", Qt::Key_0, c.modifiers);
            shown = !op(w, 0)->isHidden();
            row1Top = op(w, 1)->y();
            frameHeight = w.child<QGroupBox>("frameWaku")->height();
            w.ok();
        });
        tables.SelectStartingLocation(c.viewZero, Telva27::eSTD);
        EXPECT_TRUE(hiddenAtLoad);
        EXPECT_EQ(shown, c.shown) << c.viewZero << " " << c.modifiers;
        // Table 1 takes row 0 while table 0 is hidden (240 or 705 twips).
        EXPECT_EQ(row1Top, c.shown ? 47 : 16);
        EXPECT_EQ(frameHeight, c.shown ? 257 : 225);
    }
}

TEST(TableChoice, TableZeroChosenThenHiddenStillAnswersTableZero)
{
    clsSelectTable tables;
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        altZero(w);
        w.click("op0");
        altZero(w);
        EXPECT_TRUE(op(w, 0)->isHidden());
        w.ok();
    });
    EXPECT_EQ(tables.SelectStartingLocation(true, Telva27::eUSR), 1);
    EXPECT_EQ(tables.prevTableIndex(), 0);

    // Table 0 is hidden at load, so the next question preselects table 1.
    int seen = -1;
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        seen = preselected(w);
        w.ok();
    });
    EXPECT_EQ(tables.SelectStartingLocation(true, Telva27::eUSR), 8193);
    EXPECT_EQ(seen, 1);
}

TEST(TableChoice, CaptionsFollowTheKindOfFile)
{
    const struct {
        int32_t kind;
        const char* title;
    } cases[] = {{-1, "Select table"}, {Telva27::eSTD, "Select table(STD)"}, {Telva27::eUSR, "Select table(USER)"}};
    for (const auto& c : cases) {
        clsSelectTable tables;
        QString frame, table0, table7, okText, cancelText;
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            frame = w.child<QGroupBox>("frameWaku")->title();
            table0 = op(w, 0)->text();
            table7 = op(w, 7)->text();
            okText = w.child<QPushButton>("BTN1")->text();
            cancelText = w.child<QPushButton>("BTN2")->text();
            w.ok();
        });
        tables.SelectStartingLocation(false, c.kind);
        EXPECT_EQ(scriptedUi().callsOf(testsupport::UiCall::Dialog).back().title, QString::fromUtf8(c.title));
        EXPECT_EQ(frame, QStringLiteral("Select table."));
        EXPECT_EQ(table0, QStringLiteral("テーブル０"));
        EXPECT_EQ(table7, QStringLiteral("Table 7"));
        EXPECT_EQ(okText, QStringLiteral("OK"));
        EXPECT_EQ(cancelText, QStringLiteral("&Cancel"));
    }
}

TEST(TableChoice, MultiChoiceAnswersTheTickedTablesInOrder)
{
    clsSelectTable tables;
    bool table1Ticked = false;
    QString title, table0, selAll;
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        title = d.windowTitle();
        table0 = chk(w, 0)->text();
        selAll = w.child<QCheckBox>("chkSelAll")->text();
        table1Ticked = chk(w, 1)->isChecked();
        w.click("chk5");
        w.click("chk1");
        w.click("chk2");
        w.ok();
    });
    EXPECT_EQ(tables.SelectStartingLocationMulti(true), (std::vector<int32_t>{0, 16385, 40961}));
    EXPECT_TRUE(table1Ticked);
    EXPECT_EQ(tables.prevTableIndex(), 2);
    EXPECT_EQ(title, QStringLiteral("Select table"));
    EXPECT_EQ(table0, QStringLiteral("テーブル　０"));
    EXPECT_EQ(selAll, QStringLiteral("全選択(&A)"));

    // The next question ticks the lowest table of the last answer.
    std::vector<bool> ticked;
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        for (int i = 0; i < 8; ++i)
            ticked.push_back(chk(w, i)->isChecked());
        w.cancel();
    });
    EXPECT_EQ(tables.SelectStartingLocationMulti(true), std::vector<int32_t>{0});
    EXPECT_EQ(ticked, (std::vector<bool>{false, false, true, false, false, false, false, false}));
    EXPECT_EQ(tables.prevTableIndex(), 2);

    scriptedUi().answerDialog([&](QDialog& d) {
        WindowDriver(d).click("chk6");
        d.close(); // the close box is a cancel
    });
    EXPECT_EQ(tables.SelectStartingLocationMulti(true), std::vector<int32_t>{0});
    EXPECT_EQ(tables.prevTableIndex(), 2);
}

TEST(TableChoice, SelectAllCoversTheShownTables)
{
    const struct {
        bool showZero;
        std::vector<int32_t> answer;
    } cases[] = {
        {false, {0, 8193, 16385, 24577, 32769, 40961, 49153, 57345}},
        {true, {0, 1, 8193, 16385, 24577, 32769, 40961, 49153, 57345}},
    };
    for (const auto& c : cases) {
        clsSelectTable tables;
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            if (c.showZero)
                altZero(w);
            w.click("chkSelAll");
            w.ok();
        });
        EXPECT_EQ(tables.SelectStartingLocationMulti(true), c.answer) << c.showZero;
        EXPECT_EQ(tables.prevTableIndex(), c.answer[1] / 8192);
    }
}

TEST(TableChoice, NothingTickedWarnsAndKeepsTheDialogOpen)
{
    clsSelectTable tables;
    bool stillOpen = false;
    // The answers are taken in order: the dialog first, then its warning.
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        w.click("chk1");
        w.ok();
        stillOpen = d.isVisible();
        w.click("chk3");
        w.ok();
    });
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(tables.SelectStartingLocationMulti(false), (std::vector<int32_t>{0, 24577}));
    EXPECT_TRUE(stillOpen);
    const auto boxes = scriptedUi().callsOf(testsupport::UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("At least, one table must be selected!"));
    EXPECT_EQ(boxes[0].style, platform::vbExclamation);
}

TEST(TableChoice, EveryCaptionShowsWholeWithTableZeroHiddenOrShown)
{
    const auto check = [](QDialog& d) {
        SCOPED_TRACE(d.objectName().toStdString());
        const WindowDriver w(d);
        testsupport::expectLaidOutCleanly(d);
        altZero(w);
        testsupport::expectLaidOutCleanly(d);
        w.cancel();
    };
    clsSelectTable tables;
    scriptedUi().answerDialog(check);
    tables.SelectStartingLocation(true, Telva27::eUSR);
    scriptedUi().answerDialog(check);
    tables.SelectStartingLocationMulti(true);
}
