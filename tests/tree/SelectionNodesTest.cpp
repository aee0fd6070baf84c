// Building a selection tree: order, the two key tables, errors, and the node
// settings as the view shows them.

#include "TreeFixture.h"

#include "platform/SystemColors.h"
#include "platform/tree/TreeErrors.h"

#include <QApplication>
#include <QScrollBar>

namespace treetest {
namespace {

using TreeNodes = TreeFixture;

TEST_F(TreeNodes, CategoriesAtTopItemsAsLastChildInOrderOfAdding)
{
    category("IN");
    category("OUT");
    item("IN", 3, "X03");
    item("OUT", 7, "Y07");
    item("IN", 1, "X01");

    EXPECT_EQ(rowsUnder(), (QStringList{"IN", "OUT"}));
    EXPECT_EQ(rowsUnder(tree.topLevelItem(0)), (QStringList{"X03\t", "X01\t"}));
    EXPECT_EQ(rowsUnder(tree.topLevelItem(1)), (QStringList{"Y07\t"}));

    // The collection keeps the order of adding, not the display order.
    SelectionNodes& nodes = tree.Nodes();
    ASSERT_EQ(nodes.Count(), 5);
    QStringList keys;
    for (SelectionNode* node : nodes)
        keys << node->Key();
    EXPECT_EQ(keys, (QStringList{"INkey", "OUTkey", "3key", "7key", "1key"}));
    EXPECT_EQ(nodes.Item(5)->Key(), "1key");
    EXPECT_EQ(nodes.Item("1key")->Index(), 5);

    SelectionNode* x01 = nodes.Item("1key");
    EXPECT_EQ(x01->Level(), 2);
    EXPECT_EQ(x01->Parent(), nodes.Item("INkey"));
    EXPECT_EQ(x01->Children(), 0);
    EXPECT_EQ(x01->TagVariant().toInt(), 1);
    EXPECT_EQ(x01->TagString(), "X01");
    EXPECT_EQ(nodes.Item("INkey")->Level(), 1);
    EXPECT_EQ(nodes.Item("INkey")->Parent(), nullptr);
    EXPECT_EQ(nodes.Item("INkey")->Children(), 2);
}

TEST_F(TreeNodes, CategoryAndItemWithTheSameKeyTextBothExist)
{
    category("12");
    SelectionNode* code = item("12", 12, "X12");
    SelectionNodes& nodes = tree.Nodes();

    EXPECT_EQ(nodes.Count(), 2);
    EXPECT_EQ(nodes.CategoryItem("12key")->Text(), "12");
    EXPECT_EQ(nodes.ChildItem("12key"), code);
    // The general lookup answers the category.
    EXPECT_EQ(nodes.Item("12key")->Level(), 1);
    // Level decides the table, whatever the relationship: a sibling of an item is an item.
    SelectionNode* sibling = nodes.Add(code, Relationship::Next, "12key-2", "X13");
    EXPECT_EQ(nodes.ChildItem("12key-2"), sibling);
    EXPECT_EQ(errorOf([&] { nodes.Add(code, Relationship::Previous, "12key", "again"); }), errKeyNotUnique);
}

TEST_F(TreeNodes, KeysAreCaseSensitive)
{
    category("STEP");
    category("step");
    EXPECT_EQ(tree.Nodes().Item("stepkey")->Text(), "step");
    EXPECT_EQ(errorOf([&] { tree.Nodes().Item("Stepkey"); }), errElementNotFound);
}

TEST_F(TreeNodes, ErrorsLeaveTheTreeAsItWas)
{
    SelectionNodes& nodes = tree.Nodes();
    // An empty tree has no first node.
    EXPECT_EQ(errorOf([&] { nodes.Item(1); }), errIndexOutOfBounds);

    category("IN");
    item("IN", 1, "X01");
    struct Case {
        const char* what;
        std::function<void()> call;
        int32_t number;
    };
    const Case cases[] = {
        {"duplicate category", [&] { category("IN"); }, errKeyNotUnique},
        {"duplicate item", [&] { item("IN", 1, "X01 again"); }, errKeyNotUnique},
        {"unknown relative", [&] { item("OUT", 2, "Y02"); }, errElementNotFound},
        {"unknown image", [&] { nodes.Add(QString(), Relationship::Last, "k", "t", "keyNone"); }, errElementNotFound},
        {"unknown selected image",
         [&] { nodes.Add(QString(), Relationship::Last, "k", "t", "keyParent", "keyNone"); }, errElementNotFound},
        {"bad relationship", [&] { nodes.Add(QString(), static_cast<Relationship>(9), "k", "t"); },
         platform::errInvalidCall},
        {"unknown key", [&] { nodes.Item("2key"); }, errElementNotFound},
        {"index 0", [&] { nodes.Item(0); }, errIndexOutOfBounds},
        {"index past the end", [&] { nodes.Item(3); }, errIndexOutOfBounds},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.call), c.number) << c.what;
        EXPECT_EQ(nodes.Count(), 2) << c.what;
        EXPECT_EQ(rowsUnder(), QStringList{"IN"}) << c.what;
        EXPECT_EQ(tree.topLevelItem(0)->childCount(), 1) << c.what;
    }
    EXPECT_EQ(platform::tree::treeError(errKeyNotUnique).description(), "Key is not unique in collection");
}

TEST_F(TreeNodes, ImagesNeedAnImageList)
{
    SelectionTree bare;
    EXPECT_EQ(errorOf([&] { bare.Nodes().Add(QString(), Relationship::Last, "k", "t", "keyParent"); }),
              errImageListNotSet);
    EXPECT_EQ(bare.Nodes().Add(QString(), Relationship::Last, "k", "t")->Text(), "t");
}

TEST_F(TreeNodes, RelationshipsPlaceTheNodeAroundItsRelative)
{
    struct Case {
        Relationship relationship;
        const char* relative;
        QStringList top;
        QStringList underB;
    };
    const Case cases[] = {
        {Relationship::First, "B", {"N", "A", "B", "C"}, {}},
        {Relationship::Last, "B", {"A", "B", "C", "N"}, {}},
        {Relationship::Next, "B", {"A", "B", "N", "C"}, {}},
        {Relationship::Previous, "B", {"A", "N", "B", "C"}, {}},
        {Relationship::Child, "B", {"A", "B", "C"}, {"b1", "N"}},
        {Relationship::First, "", {"N", "A", "B", "C"}, {}},
        {Relationship::Next, "", {"A", "B", "C", "N"}, {}},
        {Relationship::First, "b1", {"A", "B", "C"}, {"N", "b1"}},
    };
    for (const Case& c : cases) {
        SelectionNodes& nodes = tree.Nodes();
        nodes.Clear();
        for (const char* name : {"A", "B", "C"})
            nodes.Add(QString(), Relationship::Last, name, name);
        nodes.Add("B", Relationship::Child, "b1", "b1");
        SelectionNode* added = nodes.Add(c.relative, c.relationship, "N", "N");
        const QString label = QStringLiteral("%1 of '%2'").arg(int(c.relationship)).arg(c.relative);
        EXPECT_EQ(rowsUnder(), c.top) << qPrintable(label);
        if (!c.underB.isEmpty()) {
            EXPECT_EQ(rowsUnder(nodes.Item("B")->item()), c.underB) << qPrintable(label);
        }
        EXPECT_EQ(nodes.Item(5), added) << qPrintable(label);
    }
}

TEST_F(TreeNodes, ClearEmptiesBothTablesAndTheView)
{
    category("IN");
    item("IN", 1, "X01")->setSelected(true);
    tree.Nodes().Clear();
    EXPECT_EQ(tree.Nodes().Count(), 0);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.SelectedItem(), nullptr);
    EXPECT_EQ(tree.Nodes().Find("INkey"), nullptr);
    category("IN");
    EXPECT_NE(item("IN", 1, "X01"), nullptr);
}

TEST_F(TreeNodes, ColoursAreStoredAsTheSuiteWritesThem)
{
    SelectionNode* node = category("IN");
    QTreeWidgetItem* row = node->item();
    EXPECT_EQ(node->ForeColor(), kDefaultColor);
    EXPECT_EQ(node->BackColor(), kDefaultColor);

    node->setForeColor(0x804000); // RGB(0, 64, 128)
    EXPECT_EQ(row->foreground(0).color(), QColor(0, 64, 128));
    node->setBackColor(255); // red
    EXPECT_EQ(row->background(0).color(), QColor(255, 0, 0));
    EXPECT_EQ(node->BackColor(), 255);
    node->setBackColor(static_cast<int32_t>(0x8000000Fu)); // button face
    EXPECT_EQ(row->background(0).color(), QApplication::palette().color(QPalette::Button));
    node->setBackColor(kDefaultColor);
    EXPECT_EQ(row->background(0).style(), Qt::NoBrush);
    EXPECT_EQ(node->BackColor(), kDefaultColor);

    tree.setBackColor(0xFFFFFF);
    EXPECT_EQ(tree.BackColor(), 0xFFFFFF);
    EXPECT_EQ(tree.palette().color(QPalette::Base), QColor(255, 255, 255));
    tree.setBackColor(0x00FF00);
    EXPECT_EQ(tree.palette().color(QPalette::Base), QColor(0, 255, 0));
}

TEST_F(TreeNodes, FontStateAndTags)
{
    SelectionNode* in = category("IN");
    SelectionNode* x01 = item("IN", 1, "X01");
    in->setFontSize(11);
    in->setFontBold(true);
    EXPECT_DOUBLE_EQ(in->FontSize(), 11);
    EXPECT_TRUE(in->FontBold());
    EXPECT_DOUBLE_EQ(in->item()->font(0).pointSizeF(), 11);
    EXPECT_TRUE(in->item()->font(0).bold());
    // Only the node changes; its items keep the tree's font.
    EXPECT_DOUBLE_EQ(x01->FontSize(), tree.font().pointSizeF());
    EXPECT_FALSE(x01->FontBold());

    EXPECT_FALSE(in->Expanded());
    in->setExpanded(true);
    EXPECT_TRUE(in->item()->isExpanded());
    x01->setVisible(false);
    EXPECT_TRUE(x01->item()->isHidden());
    EXPECT_FALSE(x01->Visible());

    x01->setText("X01\tnew");
    EXPECT_EQ(x01->Text(), "X01\tnew");
    x01->setTagVariant(QVariant());
    EXPECT_FALSE(x01->TagVariant().isValid());
}

TEST_F(TreeNodes, SelectionFromCode)
{
    category("IN");
    SelectionNode* x01 = item("IN", 1, "X01");
    EXPECT_EQ(tree.SelectedItem(), nullptr);
    x01->setSelected(true);
    EXPECT_EQ(tree.SelectedItem(), x01);
    EXPECT_TRUE(x01->Selected());
    x01->setSelected(false);
    EXPECT_EQ(tree.SelectedItem(), nullptr);
    tree.setSelectedItem(tree.Nodes().Item("INkey"));
    EXPECT_EQ(tree.SelectedItem()->Key(), "INkey");
    tree.setSelectedItem(nullptr);
    EXPECT_EQ(tree.SelectedItem(), nullptr);
}

TEST_F(TreeNodes, NodeShowsItsSelectedPictureWhileSelected)
{
    category("IN");
    SelectionNode* x01 = item("IN", 1, "X01");
    SelectionNode* prompt = tree.Nodes().Add("INkey", Relationship::Child, kStepInputKey, "Click here");
    EXPECT_EQ(x01->Image(), "keyRArrowRed");
    EXPECT_EQ(x01->SelectedImage(), "keyRArrow2");
    const QIcon icon = x01->item()->icon(0);
    EXPECT_EQ(icon.pixmap(16, QIcon::Normal).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(icon.pixmap(16, QIcon::Selected).toImage().pixelColor(8, 8), QColor(Qt::green));
    EXPECT_TRUE(prompt->item()->icon(0).isNull());
}

TEST_F(TreeNodes, ALabelWiderThanTheTreeIsShownWholeAndScrollsSideways)
{
    category("IN");
    SelectionNode* wide = item("IN", 1, QStringLiteral("X01 with a description far wider than the tree"));
    wide->Parent()->setExpanded(true);
    tree.resize(120, 200);
    tree.show();
    QApplication::processEvents();
    const int needed = tree.fontMetrics().horizontalAdvance(wide->Text());
    EXPECT_GE(tree.columnWidth(0), needed);
    EXPECT_GT(tree.horizontalScrollBar()->maximum(), 0);
}

TEST(TreeImageList, KeyedPicturesAtTheListSize)
{
    ImageList images;
    images.Add("big", solid(Qt::red).scaled(32, 32));
    EXPECT_EQ(images.Picture("big").size(), QSize(16, 16));
    EXPECT_EQ(errorOf([&] { images.Add("big", solid(Qt::red)); }), errKeyNotUnique);
    EXPECT_EQ(errorOf([&] { images.Picture("Big"); }), errElementNotFound);
    images.Add("small", solid(Qt::blue));
    EXPECT_EQ(images.Keys(), (QStringList{"big", "small"}));
    images.Clear();
    EXPECT_EQ(images.Count(), 0);
}

} // namespace
} // namespace treetest
