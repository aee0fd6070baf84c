// The memo of the step program: the modeless memo window fInpMemo, its byte
// limit counted on the memo as stored (CR LF breaks, double-byte characters),
// what its OK stores, and the programs the user window refuses to take up
// while it is open.

#include "InfoFixture.h"

#include "FormLayoutCheck.h"
#include "stepeditor/fInpMemo.h"

#include "datamodel/steps/colclsStep.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

using namespace testsupport;
using steptest::InfoFixture;

class InpMemo : public InfoFixture {
protected:
    // Runs the memo command of the window and answers the memo window it opened.
    QelmStp::fInpMemo& openMemo(QelmStp::fStep& w)
    {
        w.tBar_ButtonMenuClick(QStringLiteral("keyREM"));
        auto* memo = qobject_cast<QelmStp::fInpMemo*>(state().frmMemo.data());
        EXPECT_NE(memo, nullptr);
        return *memo;
    }
    static QPlainTextEdit& txtMemo(QelmStp::fInpMemo& memo)
    {
        return *WindowDriver(memo).child<QPlainTextEdit>(QStringLiteral("txtMemo"));
    }
    // Every memo window of the program, open or not yet deleted.
    int memoWindows() const { return int(window_->findChildren<QelmStp::fInpMemo*>().size()); }
};

TEST_F(InpMemo, OpensBesideTheGridOnTopWithTheProgramsMemo)
{
    const QString stored = userProgram().Memo();
    ASSERT_TRUE(stored.contains("\r\n"));
    QelmStp::fInpMemo& memo = openMemo(userWindow());
    EXPECT_TRUE(memo.isVisible());
    EXPECT_FALSE(memo.isModal());
    EXPECT_TRUE(memo.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(memo.windowTitle(), QStringLiteral("Input note"));
    EXPECT_EQ(WindowDriver(memo).child<QPushButton>(QStringLiteral("BTN1"))->text(), QStringLiteral("OK(&G)"));
    EXPECT_EQ(WindowDriver(memo).child<QPushButton>(QStringLiteral("BTN2"))->text(), QStringLiteral("&Cancel"));
    // The text box shows its own line breaks.
    EXPECT_EQ(txtMemo(memo).toPlainText(), QString(stored).replace("\r\n", "\n"));
    EXPECT_TRUE(scriptedUi().calls().empty());
    expectLaidOutCleanly(memo);
    grabIfAsked(memo, QStringLiteral("stp_inpmemo.png"));

    // The grid stays usable, and a second memo command opens no second window.
    userWindow().tBar_ButtonMenuClick(QStringLiteral("keyREM"));
    EXPECT_EQ(state().frmMemo.data(), &memo);
    EXPECT_EQ(memoWindows(), 1);
}

TEST_F(InpMemo, TheLimitCountsTheStoredBytes)
{
    const QString a(3149, u'a');
    const struct {
        const char* what;
        QString typed; // as the text box holds it
        bool accepted;
    } cases[] = {
        {"3152 single bytes", QString(3152, u'a'), true},
        {"3153 single bytes", QString(3153, u'a'), false},
        {"1576 double-byte characters", QString(1576, QChar(0x8A08)), true},
        {"1577 double-byte characters", QString(1577, QChar(0x8A08)), false},
        {"a line break stored as two bytes, to the limit", a + "\nb", true},
        {"a line break stored as two bytes, one over", a + "\nbc", false},
        {"breaks and double bytes mixed, to the limit", QString(1000, QChar(0x8A08)) + "\n" + QString(1150, u'x'), true},
        {"breaks and double bytes mixed, one over", QString(1000, QChar(0x8A08)) + "\n\n" + QString(1149, u'x'), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        scriptedUi().clearCalls();
        userWindow().ControlChange(false);
        const QString before = userProgram().Memo();
        QelmStp::fInpMemo& memo = openMemo(userWindow());
        txtMemo(memo).setPlainText(c.typed);
        if (!c.accepted)
            scriptedUi().answerMessageBox(platform::vbOK);
        WindowDriver(memo).ok();
        if (c.accepted) {
            EXPECT_TRUE(messages().isEmpty());
            EXPECT_EQ(userProgram().Memo(), QString(c.typed).replace("\n", "\r\n"));
            EXPECT_TRUE(userWindow().IsChanged());
            EXPECT_FALSE(memo.isVisible());
            EXPECT_EQ(state().frmMemo, nullptr);
        } else {
            EXPECT_EQ(messages(), QStringList({message(56, 3152)}));
            EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style, platform::vbExclamation);
            // Nothing stored; the window stays with the text as typed.
            EXPECT_EQ(userProgram().Memo(), before);
            EXPECT_FALSE(userWindow().IsChanged());
            EXPECT_TRUE(memo.isVisible());
            EXPECT_EQ(txtMemo(memo).toPlainText(), c.typed);
            WindowDriver(memo).cancel();
        }
    }
    EXPECT_EQ(message(56, 3152),
              QStringLiteral("The number of characters of note must be within following number.\r\n\r\n3152"));
}

TEST_F(InpMemo, OkStoresOnlyAChange)
{
    // The demo's memo with CR LF breaks, and one stored with bare LF breaks:
    // confirmed untouched, neither changes nor marks anything.
    for (const QString& stored : {userProgram().Memo(), QStringLiteral("one\ntwo\rthree")}) {
        userProgram().setMemo(stored);
        QelmStp::fInpMemo& memo = openMemo(userWindow());
        WindowDriver(memo).ok();
        EXPECT_EQ(userProgram().Memo(), stored);
        EXPECT_FALSE(userWindow().IsChanged());
    }

    // Typed: stored with CR LF breaks, and marked.
    userProgram().setMemo(QStringLiteral("first"));
    QelmStp::fInpMemo& memo = openMemo(userWindow());
    txtMemo(memo).moveCursor(QTextCursor::End);
    WindowDriver(memo).press(QStringLiteral("txtMemo"), Qt::Key_Return);
    WindowDriver(memo).type(QStringLiteral("txtMemo"), QStringLiteral("second"));
    WindowDriver(memo).ok();
    EXPECT_EQ(userProgram().Memo(), QStringLiteral("first\r\nsecond"));
    EXPECT_TRUE(userWindow().IsChanged());

    // Typed back to what it was: no change.
    userWindow().ControlChange(false);
    QelmStp::fInpMemo& again = openMemo(userWindow());
    txtMemo(again).setPlainText(QStringLiteral("first\nsecond"));
    WindowDriver(again).ok();
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(InpMemo, CancelTheCloseBoxAndEscapeStoreNothing)
{
    const QString stored = userProgram().Memo();
    const std::function<void(QelmStp::fInpMemo&)> leave[] = {
        [](QelmStp::fInpMemo& m) { WindowDriver(m).cancel(); },
        [](QelmStp::fInpMemo& m) { m.close(); },
        [](QelmStp::fInpMemo& m) { WindowDriver(m).press(Qt::Key_Escape); },
    };
    for (const auto& close : leave) {
        QelmStp::fInpMemo& memo = openMemo(userWindow());
        txtMemo(memo).setPlainText(QStringLiteral("typed"));
        close(memo);
        EXPECT_FALSE(memo.isVisible());
        EXPECT_EQ(state().frmMemo, nullptr);
        EXPECT_EQ(userProgram().Memo(), stored);
        EXPECT_FALSE(userWindow().IsChanged());
    }
    // A closed memo window goes away.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(memoWindows(), 0);
}

TEST_F(InpMemo, TheReferenceWindowsMemoIsOnlyShown)
{
    QelmStp::fStep& reference = showReferenceWindow();
    state().stepStd->setMemo(QStringLiteral("reference\r\nmemo"));
    const QString stored = userProgram().Memo();
    QelmStp::fInpMemo& memo = openMemo(reference);
    EXPECT_EQ(txtMemo(memo).toPlainText(), QStringLiteral("reference\nmemo"));
    EXPECT_FALSE(WindowDriver(memo).child<QPushButton>(QStringLiteral("BTN1"))->isEnabled());
    WindowDriver(memo).cancel();
    EXPECT_EQ(userProgram().Memo(), stored);
    EXPECT_EQ(state().stepStd->Memo(), QStringLiteral("reference\r\nmemo"));
    EXPECT_FALSE(userWindow().IsChanged());
    EXPECT_FALSE(reference.IsChanged());
}

TEST_F(InpMemo, TheReferencesMemoWindowClosesWhenTheReferenceTakesUpAnotherTable)
{
    scriptedUi().answerInput(QLatin1String(kPassword));
    ASSERT_TRUE(userWindow().ReadStep(1, 0, demo_));
    QelmStp::fStep& reference = *state().frmStd;
    QPointer<QelmStp::fInpMemo> memo = &openMemo(reference);
    ASSERT_TRUE(memo->isVisible());
    reference.cboTable().setCurrentIndex(1);
    emit reference.cboTable().activated(1);
    EXPECT_EQ(reference.CurrentStarting(), 2 * 8192 + 1);
    EXPECT_TRUE(!memo || !memo->isVisible()) << "it would go on showing table 1's memo";
    EXPECT_EQ(state().frmMemo, nullptr);
}

TEST_F(InpMemo, WhileItIsOpenTheUserWindowTakesUpNoOtherProgram)
{
    QelmStp::fStep& user = userWindow();
    const auto program = state().stepUsr;
    QelmStp::fInpMemo& memo = openMemo(user);
    txtMemo(memo).setPlainText(QStringLiteral("for table 1"));
    user.ControlChange(true); // no save question comes before the refusal

    const std::function<void()> takeUps[] = {
        [&] { user.toolKey(QStringLiteral("keyOPEN"))->trigger(); },
        [&] { user.tBar_ButtonMenuClick(QStringLiteral("keyREAD_USER")); },
        [&] { user.toolKey(QStringLiteral("keyNew"))->trigger(); },
        [&] {
            user.cboTable().setCurrentIndex(1);
            emit user.cboTable().activated(1);
        },
    };
    for (const auto& takeUp : takeUps) {
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        takeUp();
        EXPECT_EQ(messages(), QStringList({message(72)}));
        EXPECT_EQ(scriptedUi().calls().size(), 1u); // no save question, no file dialog
        EXPECT_EQ(state().stepUsr, program);
        EXPECT_EQ(user.CurrentStarting(), 8193);
        EXPECT_EQ(user.cboTable().currentIndex(), 0);
    }
    EXPECT_EQ(message(72), QStringLiteral("Close note window."));

    // OK stores into the program it was opened on; then the table switch goes ahead.
    WindowDriver(memo).ok();
    EXPECT_EQ(program->Memo(), QStringLiteral("for table 1"));
    scriptedUi().clearCalls();
    scriptedUi().answerMessageBox(platform::vbNo); // drop the changes
    user.cboTable().setCurrentIndex(1);
    emit user.cboTable().activated(1);
    EXPECT_EQ(user.CurrentStarting(), 2 * 8192 + 1);
    EXPECT_NE(state().stepUsr, program);
}

TEST_F(InpMemo, TheMainWindowsUnloadClosesIt)
{
    const auto program = state().stepUsr;
    const QString stored = program->Memo();
    QPointer<QelmStp::fInpMemo> memo = &openMemo(userWindow());
    txtMemo(*memo).setPlainText(QStringLiteral("typed"));
    ASSERT_TRUE(window().close());
    EXPECT_TRUE(!memo || !memo->isVisible());
    EXPECT_EQ(state().frmMemo, nullptr);
    EXPECT_EQ(program->Memo(), stored);
}

TEST_F(InpMemo, ResizingKeepsTheButtonsAtTheRightAndTheTextFillingTheRest)
{
    QelmStp::fInpMemo& memo = openMemo(userWindow());
    const WindowDriver w(memo);
    for (const QSize size : {QSize(700, 500), QSize(420, 260)}) {
        memo.resize(size);
        EXPECT_EQ(w.child<QPushButton>(QStringLiteral("BTN1"))->x(), size.width() - 96);
        EXPECT_EQ(w.child<QPushButton>(QStringLiteral("BTN2"))->x(), size.width() - 96);
        EXPECT_EQ(txtMemo(memo).width(), size.width() - 111);
        EXPECT_EQ(txtMemo(memo).height(), size.height() - 16);
        expectLaidOutCleanly(memo);
    }
    // Minimized, nothing moves.
    const QRect text = txtMemo(memo).geometry();
    memo.showMinimized();
    memo.Form_Resize();
    EXPECT_EQ(txtMemo(memo).geometry(), text);
    WindowDriver(memo).cancel();
}
