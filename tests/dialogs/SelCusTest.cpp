// The customize function selection, played through clsSelectKino as the
// customize window uses it.

#include "SelectionDialogFixture.h"

#include "dialogs/LibraryState.h"
#include "dialogs/mMOD.h"
#include "FormLayoutCheck.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace selectiontest {
namespace {

const Entry kInputs[] = {
    {"NONE", 0, "GENERAL"}, {"TRIM_SW", 1, "TRIM"}, {"WIPE_SW", 2, "TRIM"}, {"TRIM_SWX", 3, "TRIM"},
    {"TEST_IN", 200, "SPARE"},
};
const Entry kOutputs[] = {{"NONE", 0, "GENERAL"}, {"LAMP", 8, "SIGNAL"}, {"WIDE", 300, "SIGNAL"}};

class SelCusTest : public SelectionDialogTest {
protected:
    void SetUp() override
    {
        SelectionDialogTest::SetUp();
        fill(kino->cusinp(), kInputs);
        fill(kino->cusout(), kOutputs);
        kino->LoadCustomForms();
    }

    // Shows the input (1) or output (2) dialog, plays the user, answers.
    uint8_t choose(int32_t inOut, uint8_t current, const std::function<void(QDialog&, SelectionTree&)>& play)
    {
        scriptedUi().answerDialog([&](QDialog& d) {
            ++shown;
            play(d, treeOf(d));
            stillOpen = d.isVisible();
        });
        return kino->GetCustomValue(inOut, current);
    }

    int shown = 0;
    bool stillOpen = false;
};

TEST_F(SelCusTest, AnItemIsChosenByClickAndSelectByDoubleClickAndByEnter)
{
    EXPECT_EQ(choose(1, 0, [](QDialog& d, SelectionTree& tv) {
                  click(tv, "TRIMkey");
                  QTest::keyClick(&tv, Qt::Key_Right);
                  click(tv, "2key");
                  WindowDriver(d).ok();
              }),
              2);
    EXPECT_EQ(choose(1, 0, [](QDialog&, SelectionTree& tv) { doubleClick(tv, "3key"); }), 3);

    int answers = 0;
    EXPECT_EQ(choose(1, 0, [&](QDialog& d, SelectionTree& tv) {
                  QObject::connect(&d, &QDialog::finished, [&] { ++answers; });
                  arrowTo(tv, "200key");
                  QTest::keyClick(&tv, Qt::Key_Return);
              }),
              200);
    EXPECT_EQ(answers, 1);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SelCusTest, CancelEscAndTheCloseBoxAnswerTheCodeGiven)
{
    const std::function<void(QDialog&)> ways[] = {
        [](QDialog& d) { WindowDriver(d).cancel(); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    for (const auto& leave : ways) {
        EXPECT_EQ(choose(1, 7, [&](QDialog& d, SelectionTree& tv) {
                      doubleClick(tv, "TRIMkey"); // opens the category, selects nothing
                      click(tv, "1key");
                      leave(d);
                  }),
                  7);
        EXPECT_FALSE(stillOpen);
    }
}

TEST_F(SelCusTest, CategoriesAndNoSelectionAreRefusedAndTheDialogStaysOpen)
{
    EXPECT_EQ(choose(1, 9, [&](QDialog& d, SelectionTree& tv) {
                  scriptedUi().answerMessageBox(platform::vbOK);
                  scriptedUi().answerMessageBox(platform::vbOK);
                  WindowDriver w(d);
                  w.ok(); // nothing selected yet
                  EXPECT_TRUE(d.isVisible());
                  click(tv, "TRIMkey");
                  w.ok();
                  EXPECT_TRUE(d.isVisible());
                  EXPECT_TRUE(tv.hasFocus());
                  // Enter or a double click on a category selects nothing.
                  QTest::keyClick(&tv, Qt::Key_Return);
                  EXPECT_TRUE(d.isVisible());
                  w.cancel();
              }),
              9);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, Sorvi27::mMOD::MessageText(26));
    EXPECT_EQ(shown[1].text, Sorvi27::mMOD::MessageText(25));
    EXPECT_EQ(shown[1].style, platform::vbExclamation);
}

TEST_F(SelCusTest, ACodeAboveAByteIsRefusedWithAReport)
{
    EXPECT_EQ(choose(2, 8, [&](QDialog& d, SelectionTree& tv) {
                  scriptedUi().answerMessageBox(platform::vbOK);
                  doubleClick(tv, "SIGNALkey");
                  doubleClick(tv, "300key");
                  EXPECT_TRUE(d.isVisible());
                  click(tv, "8key");
                  WindowDriver(d).ok();
              }),
              8);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "ERROR");
    EXPECT_TRUE(shown[0].text.startsWith("BTN_Click")) << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains("[ErrCode] 6"));
}

TEST_F(SelCusTest, OtherKindsAnswerTheCodeWithoutADialog)
{
    EXPECT_EQ(kino->GetCustomValue(0, 5), 5);
    EXPECT_EQ(kino->GetCustomValue(3, 5), 5);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::Dialog).empty());
}

TEST_F(SelCusTest, FindTakesTheWholeNameInAnyCase)
{
    choose(1, 0, [&](QDialog& d, SelectionTree& tv) {
        scriptedUi().answerInput("trim_sw");
        scriptedUi().answerInput("TRIM"); // only the start of names
        scriptedUi().answerInput("");     // Cancel of the input box
        WindowDriver w(d);
        w.click("btnFind");
        ASSERT_NE(tv.SelectedItem(), nullptr);
        EXPECT_EQ(tv.SelectedItem()->Key(), "1key");
        EXPECT_TRUE(tv.SelectedItem()->item()->parent()->isExpanded());
        w.click("btnFind");
        w.click("btnFind");
        EXPECT_EQ(tv.SelectedItem()->Key(), "1key");
        w.cancel();
    });
    const auto asked = scriptedUi().callsOf(UiCall::InputBox);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text, "Input value to find");
    EXPECT_EQ(asked[0].title, "Find");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SelCusTest, TheExpandOptionIsKeptAndOpensEveryCategory)
{
    const auto state = Sorvi27::LibraryState::acquire();
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        scriptedUi().answerPopupMenu("mnuDoesExpandInOpening");
        EXPECT_FALSE(node(tv, "SIGNALkey")->Expanded());
        WindowDriver(d).click("btnOption");
        EXPECT_TRUE(node(tv, "SIGNALkey")->Expanded());
        EXPECT_TRUE(node(tv, "GENERALkey")->Expanded());
        WindowDriver(d).cancel();
    });
    EXPECT_TRUE(state->DoesExpandInOpening);
    EXPECT_EQ(platform::settings::read(kApp, "General", "DoesExpandInOpening"), "True");

    // A dialog loaded with the option on opens with every category open.
    kino->UnloadCustomForms();
    kino->LoadCustomForms();
    choose(1, 0, [&](QDialog& d, SelectionTree& tv) {
        for (const char* key : {"GENERALkey", "TRIMkey", "SPAREkey"})
            EXPECT_TRUE(node(tv, key)->Expanded()) << key;
        WindowDriver(d).cancel();
    });

    // Turning it off closes nothing.
    choose(1, 0, [&](QDialog& d, SelectionTree& tv) {
        scriptedUi().answerPopupMenu("mnuDoesExpandInOpening");
        WindowDriver(d).click("btnOption");
        EXPECT_TRUE(node(tv, "TRIMkey")->Expanded());
        WindowDriver(d).cancel();
    });
    EXPECT_EQ(platform::settings::read(kApp, "General", "DoesExpandInOpening"), "False");
    const auto menus = scriptedUi().callsOf(UiCall::PopupMenu);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].text, "mnuOption");
}

TEST_F(SelCusTest, TheTreeStaysAsLeftUntilTheDialogsAreReloaded)
{
    choose(1, 0, [](QDialog& d, SelectionTree& tv) {
        doubleClick(tv, "TRIMkey");
        click(tv, "2key");
        WindowDriver(d).cancel();
    });
    choose(1, 0, [](QDialog& d, SelectionTree& tv) {
        EXPECT_TRUE(node(tv, "TRIMkey")->Expanded());
        EXPECT_EQ(tv.SelectedItem()->Key(), "2key");
        WindowDriver(d).cancel();
    });

    // Reloading builds the tree anew from the list as it is now.
    kino->cusinp().Item(QStringLiteral("2"))->setHidden(true);
    kino->UnloadCustomForms();
    kino->LoadCustomForms();
    choose(1, 0, [](QDialog& d, SelectionTree& tv) {
        EXPECT_FALSE(node(tv, "TRIMkey")->Expanded());
        EXPECT_EQ(node(tv, "2key"), nullptr);
        EXPECT_EQ(tv.SelectedItem(), nullptr);
        WindowDriver(d).cancel();
    });
}

TEST_F(SelCusTest, EachListKeepsItsOwnPlaceAndTheSmallestSizeHolds)
{
    choose(1, 0, [](QDialog& d, SelectionTree&) {
        d.move(40, 60);
        d.resize(400, 500);
        WindowDriver(d).cancel();
    });
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelCusIn_Left"), "600");
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelCusIn_Top"), "900");
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelCusIn_Width"), "6000");
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelCusIn_Height"), "7500");
    EXPECT_EQ(platform::settings::read(kApp, "Location", "fSelCusOut_Left"), "7485");

    // The next load takes the kept place; a window made too small springs back.
    kino->UnloadCustomForms();
    kino->LoadCustomForms();
    choose(1, 0, [](QDialog& d, SelectionTree& tv) {
        EXPECT_EQ(d.size(), QSize(400, 500));
        d.resize(10, 10);
        EXPECT_EQ(d.size(), platform::twipsToPixels(QSize(2500, 3525)));
        // The tree follows the window, the Option button stays below it.
        auto* option = WindowDriver(d).child<QPushButton>("btnOption");
        EXPECT_EQ(tv.geometry(), QRect(2, 30, d.width() - 4, d.height() - 54));
        EXPECT_GT(option->y(), tv.geometry().bottom());
        WindowDriver(d).cancel();
    });
}

TEST_F(SelectionDialogTest, TheCustomizeDialogLooksRightOnTheDemoList)
{
    auto& inputs = kino->cusinp();
    ASSERT_TRUE(inputs.ReadSet6_7_8_9e(demoFile("Set06.e")));
    inputs.SwitchHidden(false);
    kino->LoadCustomForms();
    scriptedUi().answerDialog([](QDialog& d) {
        SelectionTree& tv = treeOf(d);
        EXPECT_EQ(d.windowTitle(), "Select function");
        for (SelectionNode* n : tv.Nodes())
            if (n->Level() == 1)
                n->setExpanded(true);
        click(tv, "8key");
        testsupport::expectLaidOutCleanly(d);
        keepLook(d, QStringLiteral("fSelCus"));
        WindowDriver(d).cancel();
    });
    kino->GetCustomValue(1, 0);
}

} // namespace
} // namespace selectiontest
