// The driver later window tests play the user with: it must reach controls by
// their design names, and a control the user could not reach must fail the
// test instead of crashing it or passing silently.

#include "ScriptedUi.h"
#include "WindowDriver.h"
#include "platform/Ui.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

using testsupport::scriptedUi;
using testsupport::WindowDriver;

namespace {

// A dialog with a field, a control array member, a hidden button and OK /
// Cancel buttons named as the caller chooses.
class SmallForm : public QDialog {
public:
    SmallForm(const QString& okName, const QString& cancelName)
    {
        setObjectName("fSmall");
        auto* layout = new QVBoxLayout(this);
        author->setObjectName("txtAuthor");
        layout->addWidget(author);
        for (QPushButton* b : {op2, hidden, ok, cancel})
            layout->addWidget(b);
        op2->setObjectName("op2");
        hidden->setObjectName("btnHidden");
        hidden->hide();
        ok->setObjectName(okName);
        cancel->setObjectName(cancelName);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        for (QPushButton* b : {op2, hidden})
            connect(b, &QPushButton::clicked, this, [this, b] { clicked << b->objectName(); });
    }

    QLineEdit* author = new QLineEdit(this);
    QPushButton* op2 = new QPushButton("two", this);
    QPushButton* hidden = new QPushButton("hidden", this);
    QPushButton* ok = new QPushButton("OK", this);
    QPushButton* cancel = new QPushButton("Cancel", this);
    QStringList clicked;
};

} // namespace

TEST(WindowDriver, TypesClicksAndClosesByDesignNames)
{
    const struct {
        const char* how;
        QString okName, cancelName;
        bool pressOk;
        int result;
    } cases[] = {
        {"OK", "BTN1", "BTN2", true, QDialog::Accepted},
        {"Cancel", "BTN1", "BTN2", false, QDialog::Rejected},
        {"OK of other names", "cmdOK", "cmdCancel", true, QDialog::Accepted},
        {"Cancel of other names", "cmdOK", "cmdCancel", false, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        SmallForm form(c.okName, c.cancelName);
        form.author->setText("Sa");
        form.author->setCursorPosition(2);
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d, c.okName, c.cancelName);
            w.type("txtAuthor", "to");
            w.click(w.child<QPushButton>("op", 2));
            c.pressOk ? w.ok() : w.cancel();
        });
        EXPECT_EQ(platform::ui().runDialog(form), c.result);
        EXPECT_EQ(form.author->text(), "Sato");
        EXPECT_EQ(form.clicked, QStringList{"op2"});
    }
}

TEST(WindowDriver, AMissingOrHiddenControlFailsTheTestAndIsNotWorked)
{
    SmallForm form("BTN1", "BTN2");
    const WindowDriver w(form);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(w.child<QLineEdit>("txtNone"), nullptr),
                            "window fSmall has no QLineEdit named txtNone");
    EXPECT_NONFATAL_FAILURE(w.child<QLineEdit>("op2"), "has no QLineEdit named op2");
    EXPECT_NONFATAL_FAILURE(w.click("op3"), "named op3");
    EXPECT_NONFATAL_FAILURE(w.type("txtNone", "x"), "named txtNone");
    EXPECT_NONFATAL_FAILURE(w.press("txtNone", Qt::Key_A), "named txtNone");
    EXPECT_NONFATAL_FAILURE(w.click("btnHidden"), "btnHidden is hidden");
    EXPECT_TRUE(form.clicked.isEmpty());
}
