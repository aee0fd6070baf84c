// The password and author of the step program through the Info menu: the
// dialog library's password dialog, what the window stores, when it counts
// as a change, and the caption that names the author; and what the Info
// menu stores reaching the step file.

#include "InfoFixture.h"

#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsSelectKino.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace testsupport;
using steptest::InfoFixture;

class InputPassword : public InfoFixture {
protected:
    // Plays the password dialog: shows what it was filled with, then types
    // the values and confirms, or cancels when password is null.
    void playPassword(QelmStp::fStep& w, const QString& password, const QString& author, QString* shown = nullptr)
    {
        scriptedUi().answerDialog([=](QDialog& d) {
            const WindowDriver driver(d);
            auto* txtPassword = driver.child<QLineEdit>(QStringLiteral("txtPassword"));
            auto* txtAuthor = driver.child<QLineEdit>(QStringLiteral("txtAuthor"));
            if (shown)
                *shown = txtPassword->text() + u'|' + txtAuthor->text() + u'|' +
                         (driver.child<QPushButton>(QStringLiteral("BTN1"))->isEnabled() ? "OK" : "-");
            if (password.isNull()) {
                txtAuthor->setText(QStringLiteral("typed"));
                driver.cancel();
                return;
            }
            txtPassword->setText(password);
            txtAuthor->setText(author);
            driver.ok();
        });
        chooseInfo(w, "keyPASS");
    }
};

TEST_F(InputPassword, TheDialogChangesPasswordAuthorAndCaption)
{
    QelmStp::fStep& user = userWindow();
    userProgram().setAuthor(QStringLiteral("Sato"));
    const struct {
        const char* what;
        QString password; // null: Cancel
        QString author;
        QString storedPassword;
        QString storedAuthor;
        bool changed;
    } cases[] = {
        {"the same values", "SEW2024", "Sato", "SEW2024", "Sato", false},
        {"blanks around are dropped", " SEW2024 ", "  Sato ", "SEW2024", "Sato", false},
        {"Cancel keeps both", QString(), "", "SEW2024", "Sato", false},
        {"only the author's letter case", "SEW2024", "SATO", "SEW2024", "SATO", true},
        {"only the password", "abc12345", "SATO", "abc12345", "SATO", true},
        {"no author", "abc12345", "", "abc12345", "", true},
        {"no password", "", "Ito", "", "Ito", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        user.ControlChange(false);
        const QString password = userProgram().Password();
        const QString author = userProgram().Author();
        QString shown;
        playPassword(user, c.password, c.author, &shown);
        EXPECT_EQ(shown, password + u'|' + author + QStringLiteral("|OK"));
        EXPECT_EQ(userProgram().Password(), c.storedPassword);
        EXPECT_EQ(userProgram().Author(), c.storedAuthor);
        EXPECT_EQ(user.IsChanged(), c.changed);
        EXPECT_EQ(user.windowTitle(),
                  c.storedAuthor.isEmpty() ? demo_ : demo_ + QStringLiteral(" written by ") + c.storedAuthor);
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(InputPassword, ARefusedValueKeepsTheDialogOpen)
{
    QelmStp::fStep& user = userWindow();
    scriptedUi().answerDialog([](QDialog& d) {
        const WindowDriver w(d);
        w.child<QLineEdit>(QStringLiteral("txtPassword"))->setText(QStringLiteral("toolong123"));
        w.child<QLineEdit>(QStringLiteral("txtAuthor"))->setText(QStringLiteral("Sato"));
        scriptedUi().answerMessageBox(platform::vbOK);
        w.ok();
        EXPECT_TRUE(d.isVisible());
        w.cancel();
    });
    chooseInfo(user, "keyPASS");
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(userProgram().Password(), QLatin1String(kPassword));
    EXPECT_FALSE(user.IsChanged());
}

TEST_F(InputPassword, TheReferenceWindowsValuesAreOnlyShown)
{
    QelmStp::fStep& reference = showReferenceWindow();
    state().stepStd->setPassword(QStringLiteral("REF1"));
    state().stepStd->setAuthor(QStringLiteral("Std"));
    QString shown;
    playPassword(reference, QString(), QString(), &shown);
    EXPECT_EQ(shown, QStringLiteral("REF1|Std|-"));
    EXPECT_EQ(state().stepStd->Author(), QStringLiteral("Std"));
    EXPECT_FALSE(reference.IsChanged());
    EXPECT_EQ(userProgram().Password(), QLatin1String(kPassword));
}

TEST_F(InputPassword, WhatTheInfoMenuStoresReachesTheFileAtTheNextSave)
{
    QelmStp::fStep& user = userWindow();
    // The memo window stays open over a save; its OK then stores into the program saved next.
    user.tBar_ButtonMenuClick(QStringLiteral("keyREM"));
    auto* memo = state().frmMemo.data();
    ASSERT_NE(memo, nullptr);
    WindowDriver(*memo).child<QPlainTextEdit>(QStringLiteral("txtMemo"))->setPlainText(QStringLiteral("line 1\nline 2"));
    playPassword(user, QStringLiteral("NEWPW1"), QStringLiteral("Ito"));
    scriptedUi().answerMessageBox(platform::vbOK);
    chooseInfo(user, "keyCOUNTER"); // refused: the memo window is open
    ASSERT_EQ(messages(), QStringList({message(91)}));
    scriptedUi().clearCalls();
    user.toolKey(QStringLiteral("keySAVE"))->trigger();
    ASSERT_FALSE(user.IsChanged());
    WindowDriver(*memo).ok();
    ASSERT_TRUE(user.IsChanged());
    scriptedUi().answerDialog([](QDialog& d) {
        const WindowDriver w(d);
        scriptedUi().answerInput(QStringLiteral("ケース"));
        w.click(QStringLiteral("btnLCDCaption2"));
        w.child<QComboBox>(QStringLiteral("cboCUNT7"))->setCurrentIndex(5);
        w.ok();
    });
    chooseInfo(user, "keyCOUNTER");
    user.toolKey(QStringLiteral("keySAVE"))->trigger();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(user.IsChanged());

    Telva27::colclsStep program;
    ASSERT_TRUE(program.ReadData(demo_, Telva27::colclsStep::NoteFileFor(demo_), 8193, state().selectKino->stpout(),
                                 state().selectKino->stpinp()));
    EXPECT_EQ(program.Memo(), QStringLiteral("line 1\r\nline 2"));
    EXPECT_EQ(program.Password(), QStringLiteral("NEWPW1"));
    EXPECT_EQ(program.Author(), QStringLiteral("Ito"));
    EXPECT_EQ(program.arLcdCaption()[2], QStringLiteral("ケース"));
    EXPECT_EQ(program.arLcdCaption()[0], QStringLiteral("START"));
    EXPECT_EQ(program.arCountBytes()[7], 5);
    EXPECT_EQ(program.arCountCaption()[0], QStringLiteral("PIECES"));
}
