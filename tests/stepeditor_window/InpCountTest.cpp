// The counter and LCD key captions of the step program: the dialog fInpCount
// as the Info menu opens it, the title input with its byte limit, and what
// the user window takes back.

#include "InfoFixture.h"

#include "FormLayoutCheck.h"
#include "stepeditor/fInpCount.h"

#include "datamodel/steps/colclsStep.h"
#include "platform/Cp932.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

using namespace testsupport;
using steptest::InfoFixture;

namespace {

using Captions = Telva27::colclsStep::Captions;
using CountBytes = Telva27::colclsStep::CountBytes;

// The demo's step-input list holds these counter functions, in this order.
const QStringList kCounterEntries = {
    "CNT1     Piece counter", "CNT2     Bobbin counter", "CNT3     Cycle counter",
    "CNT4     Repeat counter", "CNT5     Error counter", "CNT6     Total counter",
};

QComboBox* cboCUNT(const WindowDriver& w, int i) { return w.child<QComboBox>(QStringLiteral("cboCUNT"), i); }
QPushButton* btnCaption(const WindowDriver& w, int i) { return w.child<QPushButton>(QStringLiteral("btnCaption"), i); }
QPushButton* btnLCDCaption(const WindowDriver& w, int i)
{
    return w.child<QPushButton>(QStringLiteral("btnLCDCaption"), i);
}

} // namespace

class InpCount : public InfoFixture {
protected:
    // Opens the counter dialog from the Info menu of the window and plays it.
    void playCounterDialog(QelmStp::fStep& w, std::function<void(QDialog&, const WindowDriver&)> play)
    {
        scriptedUi().answerDialog([play](QDialog& d) { play(d, WindowDriver(d)); });
        chooseInfo(w, "keyCOUNTER");
    }
};

TEST_F(InpCount, TheDialogShowsTheProgramsCountersAndTitles)
{
    playCounterDialog(userWindow(), [&](QDialog& d, const WindowDriver& w) {
        EXPECT_EQ(d.objectName(), QStringLiteral("fInpCount"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Set counter, Lcd Key"));
        EXPECT_EQ(w.child<QWidget>(QStringLiteral("Frame1"))->property("title").toString(), QStringLiteral("DISP Counter"));
        EXPECT_EQ(w.child<QPushButton>(QStringLiteral("BTN1"))->text(), QStringLiteral("OK(&G)"));
        EXPECT_TRUE(w.child<QPushButton>(QStringLiteral("BTN1"))->isEnabled());
        const int selected[] = {0, 1, 2, 5, 0, 0, 0, 0};
        const QStringList counterTitles = {"PIECES", "BOBBIN", "CYCLE", "TOTAL", "", "", "", ""};
        const QStringList lcdTitles = {"START", "STOP", "CLAMP", "HOME", QStringLiteral("手動"), "", "", "TEST"};
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(i);
            QStringList entries;
            for (int e = 0; e < cboCUNT(w, i)->count(); ++e)
                entries << cboCUNT(w, i)->itemText(e);
            EXPECT_EQ(entries, kCounterEntries);
            EXPECT_EQ(cboCUNT(w, i)->currentIndex(), selected[i]);
            EXPECT_EQ(btnCaption(w, i)->text(), counterTitles[i]);
            EXPECT_EQ(btnLCDCaption(w, i)->text(), lcdTitles[i]);
        }
        expectLaidOutCleanly(d);
        grabIfAsked(d, QStringLiteral("stp_inpcount.png"));
        w.cancel();
    });
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(userWindow().IsChanged());
}

TEST_F(InpCount, ALongNameIsShownWholeAndAShortOneIsPadded)
{
    EXPECT_EQ(QelmStp::fInpCount::CounterEntry("C1", "One"), QStringLiteral("C1       One"));
    EXPECT_EQ(QelmStp::fInpCount::CounterEntry("COUNTER10", "Ten"), QStringLiteral("COUNTER10 Ten"));
}

TEST_F(InpCount, TitlesFitInEightBytesOfTheCodePage)
{
    const QString old = QStringLiteral("PIECES");
    const struct {
        const char* what;
        QStringList answers; // the input box's answers, in turn
        QString title;       // the title afterwards
        int refused;         // how many of the first answers message 92 refused
    } cases[] = {
        {"eight single bytes", {"ABCDEFGH"}, "ABCDEFGH", 0},
        {"nine single bytes, then Cancel", {"ABCDEFGHI", ""}, old, 1},
        {"four double-byte characters", {QStringLiteral("計数回数")}, QStringLiteral("計数回数"), 0},
        {"five double-byte characters, then four", {QStringLiteral("計数回数値"), QStringLiteral("計数回数")},
         QStringLiteral("計数回数"), 1},
        {"seven single and one double byte, then Cancel", {QStringLiteral("ABCDEFG計"), ""}, old, 1},
        {"six single and one double byte", {QStringLiteral("ABCDEF計")}, QStringLiteral("ABCDEF計"), 0},
        {"blanks around are trimmed before counting", {"  ABCDEFGH  "}, "ABCDEFGH", 0},
        {"a star empties the title", {"*"}, "", 0},
        {"a star with blanks around too", {" * "}, "", 0},
        {"blanks only keep it", {"    "}, old, 0},
        {"Cancel keeps it", {""}, old, 0},
        {"an ampersand is text", {"A&B"}, "A&B", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        scriptedUi().clearCalls();
        userWindow().ControlChange(false);
        userProgram().setArCountCaption({old});
        QString shown;
        playCounterDialog(userWindow(), [&](QDialog&, const WindowDriver& w) {
            // The first answers are the refused ones, each followed by its message.
            for (int i = 0; i < c.answers.size(); ++i) {
                scriptedUi().answerInput(c.answers[i]);
                if (i < c.refused)
                    scriptedUi().answerMessageBox(platform::vbOK);
            }
            w.click(btnCaption(w, 0));
            shown = btnCaption(w, 0)->text();
            w.ok();
        });
        const auto inputs = scriptedUi().callsOf(UiCall::InputBox);
        ASSERT_EQ(inputs.size(), size_t(c.answers.size()));
        for (const UiCall& input : inputs) {
            EXPECT_EQ(input.text, QStringLiteral("Input title caption.\r\n\r\nTo Erase title = input *"));
            // A refused answer asks again with the old title.
            EXPECT_EQ(input.arguments.value(0), old);
        }
        EXPECT_EQ(messages(), QStringList(c.refused, message(92, 8)));
        EXPECT_EQ(userProgram().arCountCaption()[0], c.title);
        EXPECT_LE(platform::cp932::byteLength(userProgram().arCountCaption()[0]), 8);
        EXPECT_EQ(shown, QString(c.title).replace("&", "&&"));
        EXPECT_EQ(userWindow().IsChanged(), c.title != old);
    }
    EXPECT_EQ(message(92, 8), QStringLiteral("The number of characters must be within following number.\r\n\r\n8"));
}

TEST_F(InpCount, OkTakesTheDialogsValuesAndMarksOnlyAChange)
{
    const CountBytes bytes = userProgram().arCountBytes();
    const Captions counters = userProgram().arCountCaption();
    const Captions keys = userProgram().arLcdCaption();

    // OK without a change.
    playCounterDialog(userWindow(), [](QDialog&, const WindowDriver& w) { w.ok(); });
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_EQ(userProgram().arCountBytes(), bytes);
    EXPECT_EQ(userProgram().arCountCaption(), counters);
    EXPECT_EQ(userProgram().arLcdCaption(), keys);

    // Only one LCD key title, and only in letter case.
    playCounterDialog(userWindow(), [](QDialog&, const WindowDriver& w) {
        scriptedUi().answerInput(QStringLiteral("Test"));
        w.click(btnLCDCaption(w, 7));
        w.ok();
    });
    EXPECT_TRUE(userWindow().IsChanged());
    Captions expectedKeys = keys;
    expectedKeys[7] = QStringLiteral("Test");
    EXPECT_EQ(userProgram().arLcdCaption(), expectedKeys);
    EXPECT_EQ(userProgram().arCountCaption(), counters);

    // Only one counter; Cancel then gives nothing back.
    userWindow().ControlChange(false);
    playCounterDialog(userWindow(), [](QDialog&, const WindowDriver& w) {
        cboCUNT(w, 6)->setCurrentIndex(4);
        w.ok();
    });
    EXPECT_TRUE(userWindow().IsChanged());
    EXPECT_EQ(userProgram().arCountBytes()[6], 4);
    userWindow().ControlChange(false);
    playCounterDialog(userWindow(), [](QDialog&, const WindowDriver& w) {
        cboCUNT(w, 0)->setCurrentIndex(3);
        scriptedUi().answerInput(QStringLiteral("X"));
        w.click(btnCaption(w, 1));
        w.cancel();
    });
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_EQ(userProgram().arCountBytes()[0], 0);
    EXPECT_EQ(userProgram().arCountCaption()[1], counters[1]);

    // The close box is a Cancel.
    playCounterDialog(userWindow(), [](QDialog& d, const WindowDriver& w) {
        cboCUNT(w, 0)->setCurrentIndex(3);
        d.close();
    });
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_EQ(userProgram().arCountBytes()[0], 0);
}

TEST_F(InpCount, ACounterThatNamesNoFunctionEmptiesOnlyItsOwnBox)
{
    CountBytes bytes = userProgram().arCountBytes();
    bytes[1] = 200; // there are six counter functions
    userProgram().setArCountBytes(bytes);
    playCounterDialog(userWindow(), [](QDialog&, const WindowDriver& w) {
        EXPECT_EQ(cboCUNT(w, 1)->currentIndex(), -1);
        // Every other box and every title is filled all the same.
        EXPECT_EQ(cboCUNT(w, 2)->currentIndex(), 2);
        EXPECT_EQ(cboCUNT(w, 3)->currentIndex(), 5);
        EXPECT_EQ(btnCaption(w, 3)->text(), QStringLiteral("TOTAL"));
        EXPECT_EQ(btnLCDCaption(w, 7)->text(), QStringLiteral("TEST"));
        w.ok();
    });
    // OK keeps the counter it could not show, and nothing changed.
    EXPECT_EQ(userProgram().arCountBytes(), bytes);
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(InpCount, TheReferenceWindowsValuesAreOnlyShown)
{
    QelmStp::fStep& reference = showReferenceWindow();
    Telva27::colclsStep& program = *state().stepStd;
    program.setArCountBytes({3, 4});
    program.setArCountCaption({QStringLiteral("REF")});
    playCounterDialog(reference, [](QDialog&, const WindowDriver& w) {
        EXPECT_FALSE(w.child<QPushButton>(QStringLiteral("BTN1"))->isEnabled());
        EXPECT_EQ(cboCUNT(w, 0)->currentIndex(), 3);
        EXPECT_EQ(cboCUNT(w, 1)->currentIndex(), 4);
        EXPECT_EQ(btnCaption(w, 0)->text(), QStringLiteral("REF"));
        cboCUNT(w, 0)->setCurrentIndex(0);
        w.cancel();
    });
    EXPECT_EQ(program.arCountBytes()[0], 3);
    EXPECT_FALSE(reference.IsChanged());
    EXPECT_EQ(userProgram().arCountCaption()[0], QStringLiteral("PIECES"));
}

TEST_F(InpCount, RefusedWhileTheMemoWindowIsOpen)
{
    userWindow().tBar_ButtonMenuClick(QStringLiteral("keyREM"));
    ASSERT_NE(state().frmMemo, nullptr);
    scriptedUi().answerMessageBox(platform::vbOK);
    chooseInfo(userWindow(), "keyCOUNTER"); // no dialog: none is scripted
    EXPECT_EQ(messages(), QStringList({message(91)}));
    EXPECT_EQ(message(91), QStringLiteral("Close memo window."));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style, platform::vbExclamation);
}
