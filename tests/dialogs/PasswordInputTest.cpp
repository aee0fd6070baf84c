// The password and author input of a step table (clsPrint.InputPassword).

#include "FormLayoutCheck.h"
#include "ScriptedUi.h"
#include "WindowDriver.h"
#include "WindowLook.h"

#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

const QString kPasswordMessage = QStringLiteral("Password must be alphanumeric. Max length = 8.");
const QString kAuthorMessage = QStringLiteral("Autohr must be alphanumeric. Max length = 16.");

QStringList messageTexts()
{
    return testsupport::scriptedUi().messageTexts();
}

using testsupport::grabIfAsked;

class PasswordInput : public testing::Test {
protected:
    // Opens the dialog with the given values; the user types the texts and
    // presses OK; on a refusal (its message answered) the user cancels.
    QString enter(const QString& password, const QString& author, bool refused, bool* stayedOpen)
    {
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            w.child<QLineEdit>(QStringLiteral("txtPassword"))->setText(password);
            w.child<QLineEdit>(QStringLiteral("txtAuthor"))->setText(author);
            w.ok();
            if (stayedOpen)
                *stayedOpen = d.isVisible();
            if (d.isVisible())
                w.cancel();
        });
        if (refused)
            scriptedUi().answerMessageBox(platform::vbOK);
        return print.InputPassword(Telva27::eUSR, QStringLiteral("old1"), QStringLiteral("Sato"));
    }

    // Made as the programs make it: after clsSelectKino, whose library-wide
    // objects clsPrint uses.
    Sorvi27::clsSelectKino kino;
    Sorvi27::clsPrint print;
};

} // namespace

TEST_F(PasswordInput, ShowsTheValuesAndTheirConditions)
{
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Input password, author"));
        EXPECT_EQ(w.child<QLineEdit>(QStringLiteral("txtPassword"))->text(), QStringLiteral("abc12"));
        EXPECT_EQ(w.child<QLineEdit>(QStringLiteral("txtAuthor"))->text(), QStringLiteral("Sato"));
        EXPECT_EQ(w.child<QPushButton>(QStringLiteral("BTN1"))->text(), QStringLiteral("OK"));
        EXPECT_TRUE(w.child<QPushButton>(QStringLiteral("BTN1"))->isEnabled());
        testsupport::expectLaidOutCleanly(d);
        grabIfAsked(d, "fInpPasword.png");
        w.type(QStringLiteral("txtAuthor"), QStringLiteral("2"));
        w.ok();
    });
    EXPECT_EQ(print.InputPassword(Telva27::eUSR, QStringLiteral("abc12"), QStringLiteral("Sato")),
              QStringLiteral("abc12\tSato2"));
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(PasswordInput, LettersAndDigitsUpToTheirLengths)
{
    const struct {
        const char* password;
        const char* author;
        const char* result; // "" when refused
        const char* message;
    } cases[] = {
        {"Ab345678", "", "Ab345678\t", nullptr},
        {"Ab3456789", "", "", "password"},
        {"", "A234567890123456", "\tA234567890123456", nullptr},
        {"", "A2345678901234567", "", "author"},
        {"", "", "\t", nullptr},                 // no password, no author
        {"  pw1  ", " Kato ", "pw1\tKato", nullptr}, // blanks around are dropped
        {"pw 1", "", "", "password"},
        {"\tpw1", "", "", "password"},           // only blanks are trimmed
        {"pw-1", "", "", "password"},
        {"pw_1", "", "", "password"},
        {"pw.1", "", "", "password"},
        {"\uFF41\uFF11", "", "", "password"},    // full-width letter and digit
        {"\u00E9t\u00E9", "", "", "password"},
        {"", "Sato-san", "", "author"},
        {"", "\u4F50\u85E4", "", "author"},
        {"a!", "b!", "", "password"},            // the password is checked first
    };
    for (const auto& c : cases) {
        scriptedUi().clearCalls();
        bool stayedOpen = false;
        const QString result =
            enter(QString::fromUtf8(c.password), QString::fromUtf8(c.author), c.message != nullptr, &stayedOpen);
        if (c.message) {
            EXPECT_TRUE(stayedOpen) << c.password << "|" << c.author;
            EXPECT_EQ(result, QStringLiteral("old1\tSato")) << c.password << "|" << c.author; // cancelled
            EXPECT_EQ(messageTexts(),
                      QStringList{std::string_view(c.message) == "password" ? kPasswordMessage : kAuthorMessage})
                << c.password << "|" << c.author;
        } else {
            EXPECT_EQ(result, QString::fromUtf8(c.result)) << c.password << "|" << c.author;
            EXPECT_TRUE(messageTexts().isEmpty()) << c.password << "|" << c.author;
        }
    }
}

TEST_F(PasswordInput, TheReferenceWindowOnlyShowsTheValues)
{
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        EXPECT_FALSE(w.child<QPushButton>(QStringLiteral("BTN1"))->isEnabled());
        auto* password = w.child<QLineEdit>(QStringLiteral("txtPassword"));
        EXPECT_EQ(password->text(), QStringLiteral("ref1"));
        EXPECT_TRUE(password->isReadOnly());
        w.type(QStringLiteral("txtAuthor"), QStringLiteral("X"));
        w.cancel();
    });
    EXPECT_EQ(print.InputPassword(Telva27::eSTD, QStringLiteral("ref1"), QStringLiteral("Ito")),
              QStringLiteral("ref1\tIto"));
}
