// The events of a selection tree under real mouse and key input, in the
// order the dialogs rely on, and scrolling a node to the top.

#include "TreeFixture.h"

#include "ReportedErrors.h"
#include "platform/KeyCodes.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace treetest {
namespace {

class TreeEvents : public TreeFixture {
protected:
    TreeEvents()
    {
        category("IN");
        item("IN", 1, "X01");
        item("IN", 2, "X02");
        category("OUT");
        item("OUT", 3, "Y03");
        for (SelectionNode* node : tree.Nodes())
            node->setExpanded(true);
        tree.resize(240, 300);
        tree.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&tree));

        QObject::connect(&tree, &SelectionTree::NodeClick, [this](SelectionNode* node) {
            log << "NodeClick " + node->Key();
        });
        QObject::connect(&tree, &SelectionTree::MouseDown, [this](int32_t button, int32_t shift, int32_t, int32_t) {
            log << QStringLiteral("MouseDown %1 %2").arg(button).arg(shift);
        });
        QObject::connect(&tree, &SelectionTree::KeyDown, [this](int32_t& keyCode, int32_t shift) {
            log << QStringLiteral("KeyDown %1 %2").arg(keyCode).arg(shift);
            if (keyCode == consumeKeyCode)
                keyCode = 0;
        });
        QObject::connect(&tree, &SelectionTree::KeyPress, [this](int32_t& keyAscii) {
            log << QStringLiteral("KeyPress %1").arg(keyAscii);
            if (keyAscii == consumeKeyAscii)
                keyAscii = 0;
        });
        QObject::connect(&tree, &SelectionTree::Confirm, [this] { log << "Confirm"; });
    }

    QPoint labelOf(const QString& key) { return tree.visualItemRect(tree.Nodes().Item(key)->item()).center(); }
    void click(const QString& key, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(tree.viewport(), button, {}, labelOf(key));
    }

    QStringList log;
    int32_t consumeKeyCode = -1;
    int32_t consumeKeyAscii = -1;
};

TEST_F(TreeEvents, MouseDownComesBeforeNodeClick)
{
    click("2key");
    EXPECT_EQ(log, (QStringList{"MouseDown 1 0", "NodeClick 2key"}));
    EXPECT_EQ(tree.SelectedItem()->Key(), "2key");

    // A click on the node already selected is a node click as well.
    log.clear();
    click("2key");
    EXPECT_EQ(log, (QStringList{"MouseDown 1 0", "NodeClick 2key"}));
}

TEST_F(TreeEvents, ClicksOffALabelRaiseNoNodeClick)
{
    SelectionNode* in = tree.Nodes().Item("INkey");
    // The expand mark sits left of the label.
    const QRect label = tree.visualItemRect(in->item());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(label.left() - 8, label.center().y()));
    EXPECT_FALSE(in->Expanded());
    // Empty space below the last row.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(20, tree.viewport()->height() - 5));
    click("1key", Qt::RightButton);
    EXPECT_EQ(log, (QStringList{"MouseDown 1 0", "MouseDown 1 0", "MouseDown 2 0"}));
}

TEST_F(TreeEvents, DeselectedNodeClickedAgainIsANodeClick)
{
    // Marking in button-edit mode deselects the node it toggled; the next click must reach it again.
    click("1key");
    tree.SelectedItem()->setSelected(false);
    log.clear();
    click("1key");
    EXPECT_EQ(log, (QStringList{"MouseDown 1 0", "NodeClick 1key"}));
}

TEST_F(TreeEvents, ArrowKeysRaiseKeyDownThenNodeClick)
{
    tree.Nodes().Item("INkey")->setSelected(true);
    EXPECT_TRUE(log.isEmpty()) << "selecting from code raises nothing";
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Down);
    EXPECT_EQ(log, (QStringList{"KeyDown 40 0", "NodeClick 1key"}));
    EXPECT_EQ(tree.SelectedItem()->Key(), "1key");

    // A consumed key does not move the selection.
    log.clear();
    consumeKeyCode = 40;
    QTest::keyClick(&tree, Qt::Key_Down);
    EXPECT_EQ(log, (QStringList{"KeyDown 40 0"}));
    EXPECT_EQ(tree.SelectedItem()->Key(), "1key");
}

TEST_F(TreeEvents, EnterConfirmsUnlessKeyPressConsumedIt)
{
    tree.Nodes().Item("1key")->setSelected(true);
    QTest::keyClick(&tree, Qt::Key_Return);
    EXPECT_EQ(log, (QStringList{"KeyDown 13 0", "KeyPress 13", "Confirm"}));

    log.clear();
    consumeKeyAscii = 13;
    QTest::keyClick(&tree, Qt::Key_Enter);
    EXPECT_EQ(log, (QStringList{"KeyDown 13 0", "KeyPress 13"}));
}

TEST_F(TreeEvents, DoubleClickOnANodeConfirmsOnce)
{
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, labelOf("3key"));
    EXPECT_EQ(log.count("Confirm"), 1);
    EXPECT_EQ(log.first(), "MouseDown 1 0");
    EXPECT_EQ(tree.SelectedItem()->Key(), "3key");

    log.clear();
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, QPoint(20, tree.viewport()->height() - 5));
    EXPECT_EQ(log.count("Confirm"), 0);
}

TEST_F(TreeEvents, EnterStopsInTheTree)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* select = new QPushButton("Select", &dialog);
    select->setDefault(true);
    auto* inDialog = new SelectionTree(&dialog);
    layout->addWidget(select);
    layout->addWidget(inDialog);
    inDialog->Nodes().Add(QString(), Relationship::Last, "k", "node")->setSelected(true);
    int confirms = 0;
    int selects = 0;
    QObject::connect(inDialog, &SelectionTree::Confirm, [&] { ++confirms; });
    QObject::connect(select, &QPushButton::clicked, [&] { ++selects; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    inDialog->setFocus();
    QTest::keyClick(inDialog, Qt::Key_Return);
    EXPECT_EQ(confirms, 1);
    EXPECT_EQ(selects, 0);
}

TEST_F(TreeEvents, TypedCharactersArriveAsKeyPressBeforeTheSearch)
{
    tree.Nodes().Item("INkey")->setSelected(true);
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_X, Qt::NoModifier);
    EXPECT_EQ(log, (QStringList{"KeyDown 88 0", "KeyPress 120", "NodeClick 1key"}));

    // The find shortcut: the modifier goes down first, then the letter with the Ctrl bit.
    log.clear();
    QTest::keyClick(&tree, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(log.contains("KeyDown 70 2")) << qPrintable(log.join(", "));
}

TEST_F(TreeEvents, AFailingHandlerIsReportedAndEndsTheEvent)
{
    QObject::connect(&tree, &SelectionTree::KeyDown, [](int32_t&, int32_t) {
        throw platform::RuntimeError(platform::errObjectNotSet);
    });
    tree.Nodes().Item("1key")->setSelected(true);
    QTest::keyClick(&tree, Qt::Key_Down);
    EXPECT_EQ(tree.SelectedItem()->Key(), "1key"); // the tree's own handling did not run
    const auto reports = testsupport::reportedErrors().take();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].number, platform::errObjectNotSet);
    EXPECT_EQ(reports[0].label, QStringLiteral("SelectionTree.KeyDown"));
}

TEST(TreeKeyCodes, DesignKeyCodes)
{
    using namespace platform::keys;
    struct Case {
        int key;
        int32_t code;
    };
    const Case cases[] = {{Qt::Key_F, 70},      {Qt::Key_5, 53},    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
                          {Qt::Key_Escape, 27}, {Qt::Key_Left, 37}, {Qt::Key_Down, 40},   {Qt::Key_F1, 112},
                          {Qt::Key_F7, 118},    {Qt::Key_Delete, 46}, {Qt::Key_unknown, 0}};
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier);
        EXPECT_EQ(keyCodeOf(event), c.code) << c.key;
    }
    EXPECT_EQ(keyAsciiOf(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a")), 'a');
    EXPECT_EQ(keyAsciiOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier)), 0);
    EXPECT_EQ(keyAsciiOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, "\x7f")), 0);
    EXPECT_EQ(shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Minus, true), 109); // the keypad's own code
    EXPECT_EQ(virtualKeyCode(Qt::Key_Minus), 189);
}

TEST(TreeTopNode, ScrollsANodeToTheTop)
{
    SelectionTree tree;
    tree.Nodes().Add(QString(), Relationship::Last, "CATkey", "CAT");
    for (int16_t v = 1; v <= 60; ++v)
        tree.Nodes().Add("CATkey", Relationship::Child, itemKey(v), QStringLiteral("F%1").arg(v));
    tree.resize(200, 120);
    tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));

    SelectionNode* thirtieth = tree.Nodes().Item("30key");
    tree.setTopNode(thirtieth);
    EXPECT_TRUE(tree.Nodes().Item("CATkey")->Expanded()) << "the parents open";
    EXPECT_EQ(tree.TopNode(), thirtieth);
    tree.setTopNode(tree.Nodes().Item(1));
    EXPECT_EQ(tree.TopNode(), tree.Nodes().Item(1));
}

} // namespace
} // namespace treetest
