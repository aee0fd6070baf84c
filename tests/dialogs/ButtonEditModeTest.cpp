// The button-edit mode of the step function selection: which functions the
// normal tree offers, chosen by marks and kept in the lists' Hidden flags,
// which travel with the step file.

#include "SelectionDialogFixture.h"

#include "dialogs/mMOD.h"
#include "datamodel/steps/colclsStep.h"
#include "FormLayoutCheck.h"
#include "platform/tree/NodeKeys.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>

namespace selectiontest {
namespace {

using Sorvi27::mMOD::MessageText;
using platform::tree::kStepInput2Key;
using platform::tree::kStepInputKey;

constexpr int32_t kRed = 255;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kTable1 = 8193;

const Entry kOutputs[] = {
    {"NONE", 0, "OUT"},     {"TRIM", 2, "OUT"},      {"LAMP", 6, "OUT"},
    {"CNT1", 192, "COUNT"}, {"J001", -32768, "JMP"}, {"C001", -16384, "CALL"},
};
const Entry kInputs[] = {{"START", 1, "IN"}, {"STOP", 2, "IN"}, {"S001", -32768, "STEP"}};

class ButtonEditMode : public SelectionDialogTest {
protected:
    void SetUp() override
    {
        SelectionDialogTest::SetUp();
        fill(kino->stpout(), kOutputs);
        fill(kino->stpinp(), kInputs);
        // As a step file left them: TRIM and the counter not offered.
        for (int code : {2, 192, -32768, -16384})
            outputs().Item(QString::number(code))->setHidden(true);
        kino->LoadStepForms();
    }

    Telva27::colclsCusSelection& outputs() { return kino->stpout(); }
    // The codes of the output list that are hidden, in list order.
    QList<int> hiddenOutputs()
    {
        QList<int> codes;
        for (const auto& entry : outputs())
            if (entry->Hidden())
                codes << entry->Value();
        return codes;
    }

    int16_t choose(int32_t inOut, int16_t current, const std::function<void(QDialog&, SelectionTree&)>& play)
    {
        scriptedUi().answerDialog([&](QDialog& d) {
            play(d, treeOf(d));
            stillOpen = d.isVisible();
        });
        return kino->GetKinoValue(inOut, current, 2, false);
    }
    static QAction* tool(QDialog& d, const char* key)
    {
        return WindowDriver(d).child<QToolBar>("tBar")->findChild<QAction*>(QString::fromLatin1(key));
    }
    static QStringList enabledTools(QDialog& d)
    {
        QStringList keys;
        for (QAction* action : WindowDriver(d).child<QToolBar>("tBar")->actions())
            if (action->isEnabled())
                keys << action->objectName();
        return keys;
    }
    // key: mark, for the nodes below the categories.
    static QStringList marks(SelectionTree& tv)
    {
        QStringList shown;
        for (const SelectionNode* n : tv.Nodes())
            if (n->Level() == 2)
                shown << n->Key() + (n->BackColor() == kRed ? " red" : n->BackColor() == kWhite ? " white" : " ?");
        return shown;
    }
    static QString selectCaption(QDialog& d) { return WindowDriver(d).child<QPushButton>("BTN1")->text(); }
    static bool offered(SelectionTree& tv, const QString& key)
    {
        const SelectionNode* n = tv.Nodes().Find(key);
        return n && n->Level() == 2;
    }

    bool stillOpen = false;
};

TEST_F(ButtonEditMode, ShowsEveryFunctionMarkedAndCancelDropsTheClicks)
{
    EXPECT_EQ(choose(2, 5, [&](QDialog& d, SelectionTree& tv) {
                  tool(d, "keyCHANGEMODE")->trigger();
                  EXPECT_EQ(d.windowTitle(), "*** Button-Editing Mode ***");
                  EXPECT_EQ(selectCaption(d), "&Update");
                  EXPECT_EQ(enabledTools(d), QStringList{"keyHAND1"});
                  EXPECT_TRUE(tool(d, "keyCHANGEMODE")->isChecked());
                  EXPECT_EQ(marks(tv), (QStringList{"0key white", "2key red", "6key white", "192key red",
                                                    "keyStepInput white", "keyStepInput2 white"}));
                  // The list is as it was, but for the step-number categories.
                  EXPECT_EQ(hiddenOutputs(), (QList<int>{2, 192}));

                  click(tv, "0key");
                  click(tv, "2key");
                  click(tv, "COUNTkey"); // a category is no function
                  EXPECT_EQ(marks(tv).mid(0, 4),
                            (QStringList{"0key red", "2key white", "6key white", "192key red"}));
                  EXPECT_EQ(tv.SelectedItem()->Key(), "COUNTkey");

                  WindowDriver(d).cancel();
                  EXPECT_TRUE(d.isVisible());
                  EXPECT_EQ(d.windowTitle(), "Select function");
                  EXPECT_EQ(selectCaption(d), "&Select");
                  EXPECT_EQ(enabledTools(d), (QStringList{"keyFIND", "keyOption", "keyCHANGEMODE"}));
                  EXPECT_FALSE(tool(d, "keyCHANGEMODE")->isChecked());
                  EXPECT_TRUE(offered(tv, "0key"));
                  EXPECT_FALSE(offered(tv, "2key"));
                  WindowDriver(d).cancel();
              }),
              5);
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(hiddenOutputs(), (QList<int>{2, 192}));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ButtonEditMode, UpdateOrEnterWritesTheMarksAndTheDialogStaysOpen)
{
    const std::function<void(QDialog&)> updates[] = {
        [](QDialog& d) { WindowDriver(d).ok(); },
        [](QDialog& d) { QTest::keyClick(&treeOf(d), Qt::Key_Return); },
    };
    for (const auto& update : updates) {
        EXPECT_EQ(choose(2, 5, [&](QDialog& d, SelectionTree& tv) {
                      tool(d, "keyCHANGEMODE")->trigger();
                      click(tv, "0key");
                      click(tv, "2key");
                      click(tv, kStepInput2Key); // a prompt changes colour and nothing else
                      update(d);
                      EXPECT_TRUE(d.isVisible());
                      EXPECT_EQ(d.windowTitle(), "Select function");
                      EXPECT_FALSE(offered(tv, "0key"));
                      EXPECT_TRUE(offered(tv, "2key"));
                      doubleClick(tv, "2key");
                  }),
                  2);
        EXPECT_EQ(hiddenOutputs(), (QList<int>{0, 192}));
        // Back for the second way.
        outputs().Item("0")->setHidden(false);
        outputs().Item("2")->setHidden(true);
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ButtonEditMode, UpdateWithoutClicksOnlyOffersTheStepNumberCategories)
{
    choose(2, 0, [&](QDialog& d, SelectionTree&) {
        tool(d, "keyCHANGEMODE")->trigger();
        WindowDriver(d).ok();
        WindowDriver(d).cancel();
    });
    EXPECT_EQ(hiddenOutputs(), (QList<int>{2, 192}));
    EXPECT_FALSE(outputs().Item("-32768")->Hidden());
}

TEST_F(ButtonEditMode, MarkAllOrNoneAlternatesForTheDialogsLife)
{
    const QStringList white = {"0key white", "2key white", "6key white", "192key white", "keyStepInput white",
                               "keyStepInput2 white"};
    QStringList red = white;
    red.replaceInStrings(" white", " red");
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        tool(d, "keyCHANGEMODE")->trigger();
        tool(d, "keyHAND1")->trigger();
        EXPECT_EQ(marks(tv), white);
        tool(d, "keyHAND1")->trigger();
        EXPECT_EQ(marks(tv), red);
        tool(d, "keyHAND1")->trigger();
        EXPECT_EQ(marks(tv), white);
        WindowDriver(d).cancel();
        WindowDriver(d).cancel();
    });
    // The next press, in a later opening, goes on from there.
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        tool(d, "keyCHANGEMODE")->trigger();
        tool(d, "keyHAND1")->trigger();
        EXPECT_EQ(marks(tv), red);
        WindowDriver(d).ok();
        // Nothing offered: categories and prompts only.
        for (const SelectionNode* n : tv.Nodes()) {
            if (n->Level() == 2) {
                EXPECT_EQ(n->Text(), "Click here to input step number");
            }
        }
        EXPECT_FALSE(offered(tv, "0key"));
        EXPECT_FALSE(offered(tv, "6key"));
        WindowDriver(d).cancel();
    });
    EXPECT_EQ(hiddenOutputs(), (QList<int>{0, 2, 6, 192}));
}

TEST_F(ButtonEditMode, AnOpeningWithNothingOfferedProposesTheMode)
{
    outputs().SwitchHidden(true);
    kino->UnLoadStepForms();
    kino->LoadStepForms();

    // Asked: Yes tells how the mode works and opens in it.
    kino->setDoesAskInEditingMode(true);
    scriptedUi().answerMessageBox(platform::vbYes);
    scriptedUi().answerMessageBox(platform::vbOK);
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        EXPECT_EQ(d.windowTitle(), "*** Button-Editing Mode ***");
        EXPECT_EQ(marks(tv).mid(0, 4), (QStringList{"0key red", "2key red", "6key red", "192key red"}));
        WindowDriver(d).cancel();
        WindowDriver(d).cancel();
    });
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, MessageText(60));
    EXPECT_EQ(shown[0].style, platform::vbQuestion | platform::vbYesNo);
    EXPECT_EQ(shown[1].text, MessageText(58));
    EXPECT_EQ(shown[1].style, platform::vbInformation);

    // No opens the normal tree as it is.
    scriptedUi().clearCalls();
    scriptedUi().answerMessageBox(platform::vbNo);
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        EXPECT_EQ(d.windowTitle(), "Select function");
        EXPECT_FALSE(offered(tv, "0key"));
        WindowDriver(d).cancel();
    });
    EXPECT_EQ(boxes().size(), 1u);

    // Not asked: straight into the mode, without a word.
    scriptedUi().clearCalls();
    kino->setDoesAskInEditingMode(false);
    choose(2, 0, [&](QDialog& d, SelectionTree&) {
        EXPECT_EQ(d.windowTitle(), "*** Button-Editing Mode ***");
        WindowDriver(d).cancel();
        WindowDriver(d).cancel();
    });
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(hiddenOutputs(), (QList<int>{0, 2, 6, 192}));
}

TEST_F(ButtonEditMode, TheCloseBoxDropsTheMarksAndAnswersTheCodeGiven)
{
    EXPECT_EQ(choose(2, 9, [&](QDialog& d, SelectionTree& tv) {
                  tool(d, "keyCHANGEMODE")->trigger();
                  click(tv, "0key");
                  d.close();
              }),
              9);
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(hiddenOutputs(), (QList<int>{2, 192}));
    choose(2, 9, [&](QDialog& d, SelectionTree& tv) {
        EXPECT_EQ(d.windowTitle(), "Select function");
        EXPECT_EQ(enabledTools(d), (QStringList{"keyFIND", "keyOption", "keyCHANGEMODE"}));
        EXPECT_TRUE(offered(tv, "0key"));
        WindowDriver(d).cancel();
    });
}

TEST_F(ButtonEditMode, TheChoiceIsStoredAndReadBackWithTheStepFile)
{
    // Offer TRIM instead of NONE among the outputs, and no more STOP among the inputs.
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        tool(d, "keyCHANGEMODE")->trigger();
        click(tv, "0key");
        click(tv, "2key");
        WindowDriver(d).ok();
        WindowDriver(d).cancel();
    });
    choose(1, 0, [&](QDialog& d, SelectionTree& tv) {
        tool(d, "keyCHANGEMODE")->trigger();
        click(tv, "2key");
        WindowDriver(d).ok();
        WindowDriver(d).cancel();
    });

    QTemporaryDir dir;
    const QString stp = dir.filePath("CHOICE.stp");
    const QString bin = dir.filePath("CHOICE.BIN");
    Telva27::colclsStep table;
    ASSERT_TRUE(table.SaveData(bin, stp, bin, kTable1, true, outputs(), kino->stpinp()));

    // Another choice in the meantime; reading the file brings the saved one back.
    outputs().SwitchHidden(false);
    kino->stpinp().SwitchHidden(true);
    Telva27::colclsStep back;
    ASSERT_TRUE(back.ReadData(stp, bin, kTable1, outputs(), kino->stpinp()));
    EXPECT_EQ(hiddenOutputs(), (QList<int>{0, 192, -32768, -16384}));
    EXPECT_FALSE(kino->stpinp().Item("1")->Hidden());
    EXPECT_TRUE(kino->stpinp().Item("2")->Hidden());

    // The step editor reloads its dialogs after reading: the tree offers the file's choice.
    kino->UnLoadStepForms();
    kino->LoadStepForms();
    choose(2, 0, [&](QDialog& d, SelectionTree& tv) {
        EXPECT_FALSE(offered(tv, "0key"));
        EXPECT_TRUE(offered(tv, "2key"));
        EXPECT_TRUE(offered(tv, "6key"));
        WindowDriver(d).cancel();
    });
}

TEST_F(ButtonEditMode, TheHiddenFlagsComeBackAfterAnError)
{
    // Two functions with one code: the marking tree cannot be built whole.
    outputs().Item("6")->setValue(2);
    scriptedUi().answerDialog([&](QDialog& d) {
        scriptedUi().answerMessageBox(platform::vbOK); // Create_Child
        scriptedUi().answerMessageBox(platform::vbOK); // CheckUnUsedNode
        tool(d, "keyCHANGEMODE")->trigger();
        EXPECT_EQ(d.windowTitle(), "*** Button-Editing Mode ***");
        EXPECT_EQ(hiddenOutputs(), (QList<int>{2, 192}));
        WindowDriver(d).cancel();
        WindowDriver(d).cancel();
    });
    kino->GetKinoValue(2, 0, 2, false);
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].text.startsWith("Create_Child"));
    EXPECT_TRUE(shown[1].text.startsWith("CheckUnUsedNode"));
    EXPECT_EQ(hiddenOutputs(), (QList<int>{2, 192}));
}

TEST_F(SelectionDialogTest, TheButtonEditModeLooksRightOnTheDemoList)
{
    ASSERT_TRUE(kino->stpout().ReadSet6_7_8_9e(demoFile("Set08.e")));
    ASSERT_TRUE(kino->stpinp().ReadSet6_7_8_9e(demoFile("Set09.e")));
    for (const auto& entry : kino->stpout())
        entry->setHidden(entry->Value() % 3 == 0);
    kino->LoadStepForms();
    scriptedUi().answerDialog([](QDialog& d) {
        SelectionTree& tv = treeOf(d);
        WindowDriver(d).child<QToolBar>("tBar")->findChild<QAction*>("keyCHANGEMODE")->trigger();
        click(tv, "7key");
        testsupport::expectLaidOutCleanly(d);
        keepLook(d, QStringLiteral("fSelStepKino-edit"));
        WindowDriver(d).cancel();
        WindowDriver(d).cancel();
    });
    kino->GetKinoValue(2, 0, 2, false);
}

} // namespace
} // namespace selectiontest
