// The header dialog: the three header values of the user table, edited and
// saved through the main window, and the model-name rule.

#include "MainWindowFixture.h"

#include "FormLayoutCheck.h"
#include "WindowDriver.h"

#include "datamodel/common/Enums.h"
#include "datamodel/parameters/colclsFunction.h"
#include "setting/mMOD.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

struct Shown {
    int tableNo;
    QString version;
    QString name;
    bool saveEnabled;
};

Shown shownIn(const WindowDriver& w)
{
    return {w.child<QComboBox>(QStringLiteral("cboSettingTableNo"))->currentIndex(),
            w.child<QComboBox>(QStringLiteral("cboDataVersion"))->currentText(),
            w.child<QLineEdit>(QStringLiteral("txtKishuName"))->text(),
            w.child<QPushButton>(QStringLiteral("BTN1"))->isEnabled()};
}

// Empties the name box and types into it key by key.
void typeName(const WindowDriver& w, const QString& keys)
{
    w.press(QStringLiteral("txtKishuName"), Qt::Key_A, Qt::ControlModifier);
    w.press(QStringLiteral("txtKishuName"), Qt::Key_Backspace);
    auto* box = w.child<QLineEdit>(QStringLiteral("txtKishuName"));
    for (const QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

} // namespace

class HeaderDialog : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        window().show();
        window().ReadQELMData(Telva27::eSTD, dataCopy("DEMO_STD.etb"));
        usr_ = dataCopy("DEMO_USR.etb");
        window().ReadQELMData(Telva27::eUSR, usr_);
    }

    // The main window's question before a save overwrites the one-table user
    // file: queued before the click that saves.
    static void answerSave(bool yes) { scriptedUi().answerMessageBox(yes ? platform::vbYes : platform::vbNo); }
    // How many saves were asked for: each asks that question first.
    int saves() const
    {
        int asked = 0;
        for (const UiCall& call : scriptedUi().callsOf(UiCall::MessageBox))
            asked += call.text == QelmSet::mMOD::MessageText(45) ? 1 : 0;
        return asked;
    }

    Telva27::colclsFunction& header() { return *state().functions; }

    void setHeader(int tableNo, int version, const QString& name)
    {
        header().setSettingTableNo(tableNo);
        header().setDataVersion(version);
        header().setKishuName(name);
    }

    // Opens the dialog from its toolbar button and plays the user with drive.
    void openDialog(std::function<void(QDialog&, const WindowDriver&)> drive)
    {
        scriptedUi().answerDialog([drive](QDialog& d) { drive(d, WindowDriver(d)); });
        window().toolKey(QStringLiteral("keyHEADDER"))->trigger();
    }

    QString usr_;
};

TEST_F(HeaderDialog, ShowsTheStoredValuesAndSavesNothingOnCancel)
{
    setHeader(3, 10, QStringLiteral("QD10"));
    openDialog([&](QDialog& d, const WindowDriver& w) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Setting header"));
        const Shown shown = shownIn(w);
        EXPECT_EQ(shown.tableNo, 3);
        EXPECT_EQ(shown.version, QStringLiteral("A"));
        EXPECT_EQ(shown.name, QStringLiteral("QD10"));
        EXPECT_FALSE(shown.saveEnabled);
        EXPECT_EQ(w.child<QComboBox>(QStringLiteral("cboDataVersion"))->itemText(15), QStringLiteral("F"));
        EXPECT_EQ(w.child<QComboBox>(QStringLiteral("cboSettingTableNo"))->count(), 8);
        testsupport::expectLaidOutCleanly(d);
        w.press(QStringLiteral("cboSettingTableNo"), Qt::Key_Down);
        typeName(w, QStringLiteral("X"));
        EXPECT_TRUE(shownIn(w).saveEnabled);
        w.cancel();
    });
    EXPECT_EQ(saves(), 0);
    EXPECT_EQ(header().SettingTableNo(), 3);
    EXPECT_EQ(header().KishuName(), QStringLiteral("QD10"));
}

TEST_F(HeaderDialog, RoundTripThroughTheUserFile)
{
    // The save writes the user file through the main window, and it is read back.
    const QString saved = usr_;
    setHeader(3, 10, QStringLiteral("QD10"));
    openDialog([&](QDialog&, const WindowDriver& w) {
        w.type(QStringLiteral("cboSettingTableNo"), QStringLiteral("5"));
        w.type(QStringLiteral("cboDataVersion"), QStringLiteral("C"));
        typeName(w, QStringLiteral("ab7"));
        EXPECT_EQ(shownIn(w).name, QStringLiteral("AB7"));
        answerSave(true);
        w.ok();
    });
    EXPECT_EQ(saves(), 1);
    const QByteArray bytes = readFile(saved);
    ASSERT_EQ(bytes.size(), 8192);
    EXPECT_EQ(bytes.mid(0, 1).toHex(), QByteArray("05"));
    EXPECT_EQ(bytes.mid(2, 2).toHex(), QByteArray("0c00"));
    EXPECT_EQ(bytes.mid(4, 3).toHex(), QByteArray("0a0b07")); // A = 10, B = 11, 7
    EXPECT_EQ(bytes.mid(8, 3), QByteArray("AB7"));

    setHeader(0, 0, QString());
    window().ReadQELMData(Telva27::eUSR, saved);
    openDialog([&](QDialog&, const WindowDriver& w) {
        const Shown shown = shownIn(w);
        EXPECT_EQ(shown.tableNo, 5);
        EXPECT_EQ(shown.version, QStringLiteral("C"));
        EXPECT_EQ(shown.name, QStringLiteral("AB7"));
        EXPECT_FALSE(shown.saveEnabled);
        w.cancel();
    });
}

TEST_F(HeaderDialog, TheModelNameTakesFourDigitsOrCapitals)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"ab12", "AB12"},   {"zZ9", "ZZ9"},       {"a-b_c.d", "ABCD"}, {"12 3", "123"},
        {"ABCDE", "ABCD"},  {"\uFF21\u3042x", "X"}, {"", ""},
    };
    setHeader(1, 1, QStringLiteral("QD10"));
    for (const auto& c : cases) {
        openDialog([&](QDialog&, const WindowDriver& w) {
            typeName(w, QString::fromUtf8(c.typed));
            EXPECT_EQ(shownIn(w).name, QLatin1String(c.shown)) << c.typed;
            answerSave(false);
            w.ok();
        });
        EXPECT_EQ(header().KishuName(), QLatin1String(c.shown)) << c.typed;
    }
}

TEST_F(HeaderDialog, APastedNameGetsCapitalsAndAnyOtherCharacterStopsTheSave)
{
    setHeader(1, 1, QStringLiteral("QD10"));
    openDialog([&](QDialog& d, const WindowDriver& w) {
        auto* box = w.child<QLineEdit>(QStringLiteral("txtKishuName"));
        box->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("q-1"));
        w.press(QStringLiteral("txtKishuName"), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), QStringLiteral("Q-1"));
        scriptedUi().answerMessageBox(platform::vbOK);
        w.ok();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(saves(), 0);
        EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).back().text,
                  QStringLiteral("Number of character must be less than as follows.\r\n\r\n4 (0-9, A-Z)"));
        typeName(w, QStringLiteral("q1"));
        answerSave(false);
        w.ok();
    });
    EXPECT_EQ(saves(), 1);
    EXPECT_EQ(header().KishuName(), QStringLiteral("Q1"));
}

TEST_F(HeaderDialog, AVersionTheListCannotShowIsReportedAndKept)
{
    // A table written by something else than this suite: data version 260.
    setHeader(3, 260, QStringLiteral("QD10"));
    scriptedUi().answerMessageBox(platform::vbOK);
    openDialog([&](QDialog&, const WindowDriver& w) {
        const Shown shown = shownIn(w);
        EXPECT_EQ(shown.tableNo, 3);
        EXPECT_EQ(shown.version, QString());
        EXPECT_EQ(shown.name, QStringLiteral("QD10")); // the fields after it are still filled
        EXPECT_FALSE(shown.saveEnabled);
        settingtest::grabIfAsked(w.window(), "fHeader.png");
        w.type(QStringLiteral("cboSettingTableNo"), QStringLiteral("6"));
        answerSave(false);
        w.ok();
    });
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("PasteValue")));
    EXPECT_EQ(saves(), 1);
    EXPECT_EQ(header().SettingTableNo(), 6);
    EXPECT_EQ(header().DataVersion(), 260);
    EXPECT_EQ(header().KishuName(), QStringLiteral("QD10"));
}

TEST_F(HeaderDialog, EveryDemoTableOpensWithoutAnError)
{
    struct Case {
        const char* file;
        int table; // of an eight-table file, else 0
    };
    const Case cases[] = {{"DEMO_USR.etb", 0}, {"DEMO.stg", 1}, {"DEMO.stg", 7}};
    dataCopy("DEMO.SEK");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << " table " << c.table);
        scriptedUi().clearCalls();
        if (c.table > 0) {
            scriptedUi().answerDialog([&c](QDialog& d) {
                const WindowDriver w(d);
                w.click(QStringLiteral("op%1").arg(c.table));
                w.ok();
            });
        }
        window().ReadQELMData(Telva27::eUSR, dataCopy(c.file));
        ASSERT_EQ(window().UsrFilePath(), dataPath(QLatin1String(c.file)));
        openDialog([&](QDialog&, const WindowDriver& w) {
            const Shown shown = shownIn(w);
            EXPECT_EQ(shown.version, QString::number(header().DataVersion(), 16).toUpper());
            EXPECT_FALSE(shown.version.isEmpty());
            EXPECT_EQ(shown.name, QStringLiteral("QD10"));
            w.cancel();
        });
        EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
    }
}

TEST_F(HeaderDialog, SaveStaysEnabledAndAnUnsavedFileKeepsTheNewValues)
{
    setHeader(2, 4, QStringLiteral("QD10"));
    const QByteArray before = readFile(usr_);
    openDialog([&](QDialog& d, const WindowDriver& w) {
        w.press(QStringLiteral("cboSettingTableNo"), Qt::Key_Down);
        EXPECT_TRUE(shownIn(w).saveEnabled);
        w.press(QStringLiteral("cboSettingTableNo"), Qt::Key_Up);
        EXPECT_TRUE(shownIn(w).saveEnabled);
        answerSave(false); // the user answers No to the main window's question
        w.ok();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(saves(), 1);
    EXPECT_EQ(readFile(usr_), before);
    EXPECT_EQ(header().SettingTableNo(), 2);
    EXPECT_EQ(header().DataVersion(), 4);
    EXPECT_EQ(header().KishuName(), QStringLiteral("QD10"));
}

TEST_F(HeaderDialog, TrailingZeroBytesOfAStoredNameAreNoChange)
{
    setHeader(1, 1, QString::fromUtf8("QD\0\0", 4));
    openDialog([&](QDialog&, const WindowDriver& w) {
        EXPECT_EQ(shownIn(w).name, QStringLiteral("QD"));
        EXPECT_FALSE(shownIn(w).saveEnabled);
        w.press(QStringLiteral("cboDataVersion"), Qt::Key_Down);
        answerSave(false);
        w.ok();
    });
    EXPECT_EQ(header().DataVersion(), 2);
    EXPECT_EQ(header().KishuName(), QString(QString::fromUtf8("QD\0\0", 4)));
}
