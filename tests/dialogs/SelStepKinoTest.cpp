// The step function selection in normal mode, played through clsSelectKino
// as the step editor uses it.

#include "SelectionDialogFixture.h"

#include "dialogs/LibraryState.h"
#include "dialogs/mMOD.h"
#include "FormLayoutCheck.h"
#include "platform/Twips.h"
#include "platform/tree/NodeKeys.h"

#include <QAction>
#include <QToolBar>

namespace selectiontest {
namespace {

using Sorvi27::mMOD::MessageText;
using platform::tree::kStepInput2Key;
using platform::tree::kStepInputKey;

const Entry kInputs[] = {
    {"NONE", 0, "IN"}, {"START", 1, "IN"}, {"STOP", 2, "IN"}, {"CNT1", 192, "COUNT"}, {"S001", -32768, "STEP"},
};
const Entry kOutputs[] = {
    {"NONE", 0, "OUT"}, {"TRIM", 2, "OUT"}, {"J001", -32768, "JMP"}, {"C001", -16384, "CALL"},
    {"RET", 32767, "RETURN"},
};

class SelStepKinoTest : public SelectionDialogTest {
protected:
    void SetUp() override
    {
        SelectionDialogTest::SetUp();
        fill(kino->stpinp(), kInputs);
        fill(kino->stpout(), kOutputs);
        kino->LoadStepForms();
    }

    // Shows the output (2) or input dialog, plays the user, answers.
    int16_t choose(int32_t inOut, int16_t current, const std::function<void(QDialog&, SelectionTree&)>& play)
    {
        scriptedUi().answerDialog([&](QDialog& d) {
            finished = 0;
            QObject::connect(&d, &QDialog::finished, &d, [this] { ++finished; });
            play(d, treeOf(d));
            stillOpen = d.isVisible();
        });
        return kino->GetKinoValue(inOut, current, 2, false);
    }
    // Clicks the prompt under a category with the mouse, as a user opens it.
    static void clickPrompt(SelectionTree& tv, const char* category, const QString& prompt)
    {
        doubleClick(tv, QString::fromLatin1(category) + "key");
        click(tv, prompt);
    }
    static QAction* tool(QDialog& d, const char* key)
    {
        return WindowDriver(d).child<QToolBar>("tBar")->findChild<QAction*>(QString::fromLatin1(key));
    }

    int finished = 0;
    bool stillOpen = false;
};

TEST_F(SelStepKinoTest, AFunctionIsChosenBySelectDoubleClickOrEnterOnce)
{
    EXPECT_EQ(choose(2, -1, [](QDialog& d, SelectionTree& tv) {
                  doubleClick(tv, "OUTkey");
                  click(tv, "2key");
                  WindowDriver(d).ok();
              }),
              2);
    EXPECT_EQ(choose(2, -1, [](QDialog&, SelectionTree& tv) {
                  doubleClick(tv, "RETURNkey");
                  doubleClick(tv, "32767key");
              }),
              32767);
    EXPECT_EQ(choose(1, -1, [](QDialog&, SelectionTree& tv) {
                  arrowTo(tv, "192key");
                  QTest::keyClick(&tv, Qt::Key_Return);
              }),
              192);
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SelStepKinoTest, StepNumbersBecomeJumpAndCallCodes)
{
    struct Case {
        int32_t inOut;
        const char* category;
        QString prompt;
        const char* answer;
        int16_t code;
    };
    const Case cases[] = {
        {1, "STEP", kStepInputKey, "1", int16_t(0x8000)},   {1, "STEP", kStepInputKey, "192", int16_t(0x80BF)},
        {2, "JMP", kStepInputKey, "1", int16_t(0x8000)},    {2, "CALL", kStepInput2Key, "1", int16_t(0xC000)},
        {2, "CALL", kStepInput2Key, "192", int16_t(0xC0BF)}, {1, "STEP", kStepInputKey, "1.5", int16_t(0x8001)},
        {1, "STEP", kStepInputKey, "2.5", int16_t(0x8001)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(choose(c.inOut, -1,
                         [&](QDialog&, SelectionTree& tv) {
                             scriptedUi().answerInput(c.answer);
                             clickPrompt(tv, c.category, c.prompt);
                         }),
                  c.code)
            << c.category << " " << c.answer;
        EXPECT_FALSE(stillOpen);
    }
    const auto asked = scriptedUi().callsOf(UiCall::InputBox);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked[0].text, "Input step number.\r\n\r\nmin = 1\r\nmax = 192");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SelStepKinoTest, WrongStepNumbersAreAskedAgainAndEmptyGivesUp)
{
    const std::pair<const char*, int16_t> wrong[] = {{"0", 40}, {"193", 40}, {"-5", 40}, {"abc", 39}, {"00001", 47}};
    EXPECT_EQ(choose(1, 77, [&](QDialog& d, SelectionTree& tv) {
                  for (const auto& [answer, message] : wrong) {
                      scriptedUi().answerInput(answer);
                      scriptedUi().answerMessageBox(platform::vbOK);
                  }
                  scriptedUi().answerInput(""); // the input box's Cancel
                  clickPrompt(tv, "STEP", kStepInputKey);
                  EXPECT_TRUE(d.isVisible());
                  WindowDriver(d).cancel();
              }),
              77);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), std::size(wrong));
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, MessageText(wrong[i].second)) << wrong[i].first;
        EXPECT_EQ(shown[i].style, platform::vbExclamation);
    }
    EXPECT_EQ(scriptedUi().callsOf(UiCall::InputBox).size(), std::size(wrong) + 1);
}

TEST_F(SelStepKinoTest, APromptReachedByKeysAsksNothingAndAnEmptyPromptIsRefusedOnce)
{
    EXPECT_EQ(choose(1, 5, [&](QDialog& d, SelectionTree& tv) {
                  scriptedUi().answerMessageBox(platform::vbOK);
                  scriptedUi().answerMessageBox(platform::vbOK);
                  arrowTo(tv, kStepInputKey);
                  QTest::keyClick(&tv, Qt::Key_Return);
                  EXPECT_TRUE(d.isVisible());
                  WindowDriver(d).ok();
                  EXPECT_TRUE(d.isVisible());
                  WindowDriver(d).cancel();
              }),
              5);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::InputBox).empty());
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, MessageText(41));
    EXPECT_EQ(shown[1].text, MessageText(41));
}

TEST_F(SelStepKinoTest, BothPromptsAreEmptiedAtEachOpening)
{
    EXPECT_EQ(choose(2, -1,
                     [](QDialog&, SelectionTree& tv) {
                         scriptedUi().answerInput("5");
                         clickPrompt(tv, "CALL", kStepInput2Key);
                     }),
              int16_t(0xC004));
    EXPECT_EQ(choose(2, -1,
                     [](QDialog&, SelectionTree& tv) {
                         scriptedUi().answerInput("9");
                         click(tv, kStepInputKey);
                     }),
              int16_t(0x8008));

    // The numbers entered before never answer again unasked.
    for (const QString& prompt : {kStepInput2Key, kStepInputKey}) {
        EXPECT_EQ(choose(2, 3, [&](QDialog& d, SelectionTree& tv) {
                      scriptedUi().answerMessageBox(platform::vbOK);
                      arrowTo(tv, prompt);
                      WindowDriver(d).ok();
                      WindowDriver(d).cancel();
                  }),
                  3);
    }
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, MessageText(41));
}

TEST_F(SelStepKinoTest, CategoriesAndNoSelectionAreRefusedAndEveryCancelAnswersTheCodeGiven)
{
    EXPECT_EQ(choose(1, 11, [](QDialog& d, SelectionTree& tv) {
                  scriptedUi().answerMessageBox(platform::vbOK);
                  scriptedUi().answerMessageBox(platform::vbOK);
                  WindowDriver w(d);
                  w.ok();
                  click(tv, "COUNTkey");
                  w.ok();
                  EXPECT_TRUE(tv.hasFocus());
                  EXPECT_TRUE(d.isVisible());
                  w.cancel();
              }),
              11);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, MessageText(26));
    EXPECT_EQ(shown[1].text, MessageText(25));

    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    for (const auto& leave : ways) {
        EXPECT_EQ(choose(2, 12, [&](QDialog& d, SelectionTree& tv) {
                      doubleClick(tv, "OUTkey");
                      click(tv, "2key");
                      leave(d);
                  }),
                  12);
        EXPECT_FALSE(stillOpen);
    }
}

TEST_F(SelStepKinoTest, FindByToolbarOrCtrlFTakesTheWholeNameOfAnOfferedFunction)
{
    kino->stpinp().Item(QStringLiteral("2"))->setHidden(true);
    kino->UnLoadStepForms();
    kino->LoadStepForms();
    choose(1, 0, [&](QDialog& d, SelectionTree& tv) {
        scriptedUi().answerInput("start");
        scriptedUi().answerInput("STO");  // a part of a name
        scriptedUi().answerInput("stop"); // hidden: not in the tree
        tool(d, "keyFIND")->trigger();
        ASSERT_NE(tv.SelectedItem(), nullptr);
        EXPECT_EQ(tv.SelectedItem()->Key(), "1key");
        EXPECT_TRUE(tv.hasFocus());
        QTest::keyClick(&tv, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(&d, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(tv.SelectedItem()->Key(), "1key");
        WindowDriver(d).cancel();
    });
    const auto asked = scriptedUi().callsOf(UiCall::InputBox);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text, "Input digital character to find.");
    EXPECT_EQ(asked[0].title, "Find");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SelStepKinoTest, TheOptionMenuSharesTheExpandFlag)
{
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        scriptedUi().answerPopupMenu("mnuDoesExpandInOpening");
        tool(d, "keyOption")->trigger();
        EXPECT_TRUE(node(tv, "CALLkey")->Expanded());
        WindowDriver(d).cancel();
    });
    EXPECT_TRUE(Sorvi27::LibraryState::acquire()->DoesExpandInOpening);
    EXPECT_EQ(platform::settings::read(kApp, "General", "DoesExpandInOpening"), "True");
    kino->UnLoadStepForms();
    kino->LoadStepForms();
    choose(1, 0, [&](QDialog& d, SelectionTree& tv) {
        EXPECT_TRUE(node(tv, "STEPkey")->Expanded());
        WindowDriver(d).cancel();
    });
}

TEST_F(SelStepKinoTest, EachDialogKeepsItsOwnPlace)
{
    choose(1, 0, [](QDialog& d, SelectionTree&) {
        d.move(20, 40);
        WindowDriver(d).cancel();
    });
    choose(2, 0, [](QDialog& d, SelectionTree& tv) {
        EXPECT_EQ(d.pos(), platform::twipsToPixels(QPoint(7485, 1605)));
        d.resize(1, 1);
        EXPECT_EQ(d.size(), platform::twipsToPixels(QSize(2500, 3525)));
        EXPECT_EQ(tv.geometry(), QRect(2, 30, d.width() - 4, d.height() - 34));
        WindowDriver(d).cancel();
    });
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelStepIn_Left"), "300");
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelStepIn_Top"), "600");
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelStepOut_Left"), "7485");
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelStepOut_Height"), "3525");
    // Each opening takes the place kept last.
    choose(1, 0, [](QDialog& d, SelectionTree&) {
        EXPECT_EQ(d.pos(), QPoint(20, 40));
        WindowDriver(d).cancel();
    });
}

TEST_F(SelStepKinoTest, KindsOtherThanOutputUseTheInputDialog)
{
    for (int32_t kind : {0, 1, 3})
        choose(kind, 0, [](QDialog& d, SelectionTree& tv) {
            EXPECT_NE(node(tv, "STEPkey"), nullptr);
            EXPECT_EQ(node(tv, "CALLkey"), nullptr);
            WindowDriver(d).cancel();
        });
}

TEST_F(SelStepKinoTest, AListWithoutItsStepCategoryIsBuiltWithoutThePrompt)
{
    kino->UnLoadStepForms();
    kino->stpinp().Remove(QStringLiteral("-32768"));
    kino->LoadStepForms();
    EXPECT_TRUE(boxes().empty()); // the dialog is built when first asked for
    scriptedUi().answerMessageBox(platform::vbOK); // BuildTree
    scriptedUi().answerMessageBox(platform::vbOK); // ClearStepTagVariant, before the showing
    EXPECT_EQ(choose(1, 4, [](QDialog&, SelectionTree& tv) { doubleClick(tv, "1key"); }), 1);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].text.startsWith("BuildTree"));
    EXPECT_TRUE(shown[1].text.startsWith("ClearStepTagVariant"));
}

TEST_F(SelectionDialogTest, TheStepDialogsLookRightOnTheDemoLists)
{
    ASSERT_TRUE(kino->stpinp().ReadSet6_7_8_9e(demoFile("Set09.e")));
    ASSERT_TRUE(kino->stpout().ReadSet6_7_8_9e(demoFile("Set08.e")));
    kino->stpinp().SwitchHidden(false);
    kino->stpout().SwitchHidden(false);
    kino->LoadStepForms();
    for (int32_t inOut : {1, 2}) {
        scriptedUi().answerDialog([&](QDialog& d) {
            SelectionTree& tv = treeOf(d);
            for (SelectionNode* n : tv.Nodes())
                if (n->Level() == 1)
                    n->setExpanded(true);
            click(tv, inOut == 1 ? "5key" : "7key");
            testsupport::expectLaidOutCleanly(d);
            keepLook(d, QStringLiteral("fSelStepKino%1").arg(inOut));
            WindowDriver(d).cancel();
        });
        kino->GetKinoValue(inOut, 0, 2, false);
    }
}

} // namespace
} // namespace selectiontest
