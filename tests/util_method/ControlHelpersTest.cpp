#include "util/method/clsMethod.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/Clock.h"
#include "platform/RuntimeError.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using Ostrel7::clsMethod;
using testsupport::errorOf;
using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

struct Selection {
    int start;
    int length;
    bool operator==(const Selection&) const = default;
};

Selection selectionOf(const QLineEdit& edit)
{
    return edit.hasSelectedText() ? Selection{edit.selectionStart(), int(edit.selectedText().length())}
                                  : Selection{edit.cursorPosition(), 0};
}

void PrintTo(const Selection& s, std::ostream* os) { *os << "{" << s.start << ", " << s.length << "}"; }

} // namespace

TEST(TextSelOp, SelectsAllOnlyWhileTabIsDown)
{
    QWidget window;
    auto* edit = new QLineEdit("abcdef", &window);
    window.show();
    clsMethod method;

    // A click left the caret at 2: it stays there.
    edit->setCursorPosition(2);
    method.TextSelOp(edit);
    EXPECT_EQ(selectionOf(*edit), (Selection{2, 0}));

    // A selection is dropped, the caret at its start.
    edit->setSelection(1, 3);
    method.TextSelOp(edit);
    EXPECT_EQ(selectionOf(*edit), (Selection{1, 0}));

    QTest::keyPress(&window, Qt::Key_Tab);
    method.TextSelOp(edit);
    EXPECT_EQ(selectionOf(*edit), (Selection{0, 6}));
    QTest::keyRelease(&window, Qt::Key_Tab);
    method.TextSelOp(edit);
    EXPECT_EQ(selectionOf(*edit), (Selection{0, 0}));

    method.TextSelOpABS(edit);
    EXPECT_EQ(selectionOf(*edit), (Selection{0, 6}));
}

TEST(TextSelOp, WorksOnMultiLineTextAndIgnoresControlsWithoutText)
{
    QTextEdit text;
    text.setPlainText("one\ntwo");
    clsMethod method;
    method.TextSelOpABS(&text);
    EXPECT_EQ(text.textCursor().selectedText(), QString("one") + QChar(0x2029) + "two");
    method.TextSelOp(&text);
    EXPECT_FALSE(text.textCursor().hasSelection());

    QPlainTextEdit plain;
    plain.setPlainText("one\ntwo");
    method.TextSelOpABS(&plain);
    EXPECT_EQ(plain.textCursor().selectedText(), QString("one") + QChar(0x2029) + "two");
    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText("abc");
    method.TextSelOpABS(&combo);
    EXPECT_EQ(combo.lineEdit()->selectedText(), QString("abc"));

    QPushButton button("OK");
    method.TextSelOp(&button);
    method.TextSelOpABS(&button);
    method.TextSelOpABS(nullptr);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST(SendTab, EnterMovesTheFocusOnAndIsSwallowed)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    clsMethod method;

    int16_t other = 65;
    method.SendTab(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(other, 65);
    EXPECT_TRUE(first->hasFocus());

    int16_t enter = 13;
    method.SendTab(enter);
    EXPECT_EQ(enter, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(second->hasFocus());
}

TEST(SetTextRect, MarginsFromTheRectangleOrSymmetricWithoutARight)
{
    struct Case {
        int32_t left, top, right, bottom;
        QMargins margins;
    };
    const Case cases[] = {
        {4, 2, 0, 0, QMargins(4, 2, 4, 2)},
        {4, 2, 0, 99, QMargins(4, 2, 4, 2)}, // bottom ignored without a right
        {4, 2, 90, 15, QMargins(4, 2, 10, 5)},
        {4, 2, 150, 40, QMargins(4, 2, 0, 0)}, // beyond the control
    };
    QLineEdit edit;
    edit.resize(100, 20);
    clsMethod method;
    for (const Case& c : cases) {
        method.SetTextRect(&edit, c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(edit.textMargins(), c.margins) << c.right << " " << c.bottom;
    }
    EXPECT_THROW(method.SetTextRect(&edit, std::numeric_limits<int32_t>::min(), 0), platform::RuntimeError);
    method.SetTextRect(nullptr, 1, 1); // no edit control: nothing
}

TEST(ComboHelpers, ListSizeAndOpening)
{
    QWidget window;
    auto* combo = new QComboBox(&window);
    for (int i = 0; i < 30; ++i)
        combo->addItem(QString("item %1").arg(i));
    window.show();
    clsMethod method;

    const int row = combo->view()->sizeHintForRow(0);
    ASSERT_GT(row, 0);
    method.SetComboListHeight(combo, combo->height() + 5 * row);
    EXPECT_EQ(combo->maxVisibleItems(), 5);
    method.SetComboListHeight(combo, combo->height() + 12 * row + row / 2);
    EXPECT_EQ(combo->maxVisibleItems(), 12);
    method.SetComboListHeight(combo, 0); // no room: still one row
    EXPECT_EQ(combo->maxVisibleItems(), 1);

    method.SetComboListWidth(combo, 333);
    EXPECT_EQ(combo->view()->minimumWidth(), 333);

    method.msgOpenComboBox(combo);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
    method.msgOpenComboBox(&window); // not a combo box

    EXPECT_THROW(method.SetComboListHeight(nullptr, 100), platform::RuntimeError);
    EXPECT_THROW(method.SetComboListWidth(nullptr, 100), platform::RuntimeError);
}

TEST(PutFormAtCenter, CentresTheWindowOnItsScreen)
{
    QWidget form;
    form.resize(201, 100);
    clsMethod method;
    method.PutFormAtCenter(&form);
    const QRect screen = form.screen()->geometry();
    EXPECT_LE(std::abs(form.frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(form.frameGeometry().center().y() - screen.center().y()), 1);
    EXPECT_EQ(errorOf([&] { method.PutFormAtCenter(nullptr); }), 424);
}

TEST(RunHelp32, OpensAnExistingFileAndTellsAboutAMissingOne)
{
    QTemporaryDir dir;
    const QString help = dir.filePath("manual.html");
    testsupport::writeFile(help, QByteArray());
    clsMethod method;

    scriptedUi().answerStartProgram(true);
    method.RunHelp32(nullptr, help);
    ASSERT_EQ(scriptedUi().calls().size(), 1u);
    EXPECT_EQ(scriptedUi().calls()[0].kind, UiCall::StartProgram);
    EXPECT_EQ(scriptedUi().calls()[0].text, QStringLiteral("xdg-open"));
    EXPECT_EQ(scriptedUi().calls()[0].arguments, QStringList{help});

    const QString missing = dir.filePath("gone.html");
    const struct {
        const char* country;
        QString lead;
    } cases[] = {
        {"Germany", QStringLiteral("I cannot find help files.")},
        {"Japan", QString::fromUtf8("次のヘルプファイルが見つかりません ")},
    };
    for (const auto& c : cases) {
        platform::setCountryForTesting([&] { return QString(c.country); });
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        method.RunHelp32(nullptr, missing);
        ASSERT_EQ(scriptedUi().calls().size(), 1u);
        const UiCall& box = scriptedUi().calls()[0];
        EXPECT_EQ(box.kind, UiCall::MessageBox);
        EXPECT_EQ(box.title, QStringLiteral("ERROR"));
        EXPECT_EQ(box.style, platform::vbCritical | platform::vbOKOnly);
        EXPECT_EQ(box.text, c.lead + "\r\n\r\n" + missing);
    }
}

TEST(Wait, WithEventsYieldsAtLeastOnceAndWithoutNever)
{
    clsMethod method;
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    method.WaitChottoWithoutEvent(0.03f);
    EXPECT_FALSE(handled);

    method.WaitChotto(0);
    EXPECT_TRUE(handled);

    QElapsedTimer timer;
    timer.start();
    method.WaitChotto(0.05f);
    EXPECT_GE(timer.elapsed(), 50);
    timer.restart();
    method.WaitChottoWithoutEvent(0.03f);
    EXPECT_GE(timer.elapsed(), 30);

    timer.restart();
    method.WaitChotto(std::numeric_limits<float>::quiet_NaN());
    method.WaitChottoWithoutEvent(-5);
    EXPECT_LT(timer.elapsed(), 1000);
}
