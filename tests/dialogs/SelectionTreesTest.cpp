// The module's tree routines: a selection list becomes categories and items.

#include "dialogs/mMODTree.h"

#include "ScriptedUi.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Ui.h"
#include "platform/tree/ImageList.h"
#include "platform/tree/SelectionTree.h"

#include <gtest/gtest.h>

#include <span>

using namespace Sorvi27;
using platform::tree::SelectionNode;
using platform::tree::SelectionTree;
using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

struct Entry {
    const char* name;
    int16_t value;
    const char* category;
    bool hidden;
};

// The shape of a step list: items, counters, a category whose items are all
// hidden, and the categories whose codes come from step numbers.
const Entry kList[] = {
    {"START", 1, "IN", false},   {"STOP", 2, "IN", true},      {"CNT1", 192, "COUNT", false},
    {"REG01", 128, "RGST", true}, {"S001", -32768, "STEP", false}, {"PEDAL", 3, "IN", false},
    {"J001", -32767, "JMP", false}, {"C001", -16384, "CALL", false},
};

class SelectionTrees : public testing::Test {
protected:
    SelectionTrees()
    {
        auto images = std::make_shared<platform::tree::ImageList>();
        for (const char* key : {"keyParent", "keyRArrowRed", "keyRArrowBlue", "keyRArrow2"})
            images->Add(QString::fromLatin1(key), QPixmap(16, 16));
        tree.setImages(images);
    }

    void fill(std::span<const Entry> entries)
    {
        for (const Entry& e : entries)
            list.Add(e.name, e.value, QStringLiteral("about %1").arg(e.name), e.category)->setHidden(e.hidden);
    }
    bool build(int32_t kind, int32_t inOrOut = 1)
    {
        return mMOD::Create_ParentKey(list, tree, keys) && mMOD::Create_Child(kind, inOrOut, list, tree);
    }
    // "Category: item, item" for each category in display order.
    QStringList shape() const
    {
        QStringList rows;
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            const QTreeWidgetItem* category = tree.topLevelItem(i);
            QStringList items;
            for (int c = 0; c < category->childCount(); ++c)
                items << category->child(c)->text(0).section(QLatin1Char('\t'), 0, 0);
            rows << category->text(0) + QStringLiteral(": ") + items.join(QStringLiteral(", "));
        }
        return rows;
    }

    Telva27::colclsCusSelection list;
    SelectionTree tree;
    QStringList keys;
};

TEST_F(SelectionTrees, StepKindLeavesOutHiddenItemsAndStepNumberCategories)
{
    fill(kList);
    ASSERT_TRUE(build(mMOD::kChildStep));
    EXPECT_EQ(shape(), (QStringList{"IN: START, PEDAL", "COUNT: CNT1", "RGST: ", "STEP: ", "JMP: ", "CALL: "}));
    EXPECT_EQ(keys, (QStringList{"INkey", "COUNTkey", "RGSTkey", "STEPkey", "JMPkey", "CALLkey"}));
}

TEST_F(SelectionTrees, CustomizeKindKeepsEveryCategory)
{
    fill(kList);
    ASSERT_TRUE(build(mMOD::kChildCustomize));
    EXPECT_EQ(shape(), (QStringList{"IN: START, PEDAL", "COUNT: CNT1", "RGST: ", "STEP: S001", "JMP: J001",
                                    "CALL: C001"}));
}

TEST_F(SelectionTrees, NodesCarryTheirKeysTextsTagsPicturesAndLook)
{
    list.Add("START", 1, "Start switch", "IN")->setHidden(false);
    list.Add("NOTE", -5, "", "IN")->setHidden(false);
    ASSERT_TRUE(build(mMOD::kChildStep, 1));

    const SelectionNode* category = tree.Nodes().CategoryItem("INkey");
    EXPECT_EQ(category->Text(), "IN");
    EXPECT_EQ(category->Image(), "keyParent");
    EXPECT_EQ(category->ForeColor(), 0x804000); // RGB(0, 64, 128)
    EXPECT_EQ(category->FontSize(), 11.0);
    EXPECT_TRUE(category->FontBold());

    const SelectionNode* start = tree.Nodes().ChildItem("1key");
    EXPECT_EQ(start->Text(), "START\tStart switch");
    EXPECT_EQ(start->TagString(), "START");
    EXPECT_EQ(start->TagVariant().toInt(), 1);
    EXPECT_EQ(start->Image(), "keyRArrowRed");
    EXPECT_EQ(start->SelectedImage(), "keyRArrow2");
    // An empty description leaves the TAB at the end.
    EXPECT_EQ(tree.Nodes().ChildItem("-5key")->Text(), "NOTE\t");

    // The output dialogs' items carry the blue arrow.
    tree.Nodes().Clear();
    keys.clear();
    ASSERT_TRUE(build(mMOD::kChildStep, 2));
    EXPECT_EQ(tree.Nodes().ChildItem("1key")->Image(), "keyRArrowBlue");
}

TEST_F(SelectionTrees, ACategoryNamedLikeACodeAndThatCodeBothAppear)
{
    list.Add("X12", 12, "", "12")->setHidden(false);
    ASSERT_TRUE(build(mMOD::kChildCustomize));
    EXPECT_EQ(shape(), (QStringList{"12: X12"}));
    EXPECT_EQ(tree.Nodes().CategoryItem("12key")->Level(), 1);
    EXPECT_EQ(tree.Nodes().ChildItem("12key")->Level(), 2);
}

TEST_F(SelectionTrees, AnEmptyListGivesAnEmptyTreeThatExpandsQuietly)
{
    ASSERT_TRUE(build(mMOD::kChildStep));
    EXPECT_EQ(tree.Nodes().Count(), 0);
    mMOD::ExpandRoot(tree, keys);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
}

TEST_F(SelectionTrees, ExpandRootOpensEveryCategoryFromTheTop)
{
    fill(kList);
    ASSERT_TRUE(build(mMOD::kChildCustomize));
    tree.resize(200, 80);
    tree.show();
    tree.scrollToItem(tree.Nodes().CategoryItem("CALLkey")->item());
    mMOD::ExpandRoot(tree, keys);
    for (const QString& key : keys)
        EXPECT_TRUE(tree.Nodes().CategoryItem(key)->Expanded()) << key.toStdString();
    EXPECT_EQ(tree.TopNode(), tree.Nodes().Item(1));
}

TEST_F(SelectionTrees, AFailingBuilderReportsAndKeepsWhatItAdded)
{
    fill(kList);
    ASSERT_TRUE(build(mMOD::kChildStep));
    const int before = tree.Nodes().Count();
    scriptedUi().answerMessageBox(platform::vbOK);
    // A second pass over the same tree meets its own keys.
    EXPECT_FALSE(mMOD::Create_Child(mMOD::kChildStep, 1, list, tree));
    EXPECT_EQ(tree.Nodes().Count(), before);
    const auto shown = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith("Create_Child")) << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains("35602"));
}

TEST(SelectionTreesText, OnlyTheStepNumberCategoriesAreNotSelectable)
{
    const std::pair<const char*, bool> cases[] = {
        {"CALL", false}, {"JMP", false}, {"STEP", false}, {"step", true},
        {"Call", true},  {"STEP ", true}, {"", true},     {"COUNT", true},
    };
    for (const auto& [text, selectable] : cases)
        EXPECT_EQ(mMOD::IsSelectableText(QString::fromLatin1(text)), selectable) << text;
}

} // namespace
