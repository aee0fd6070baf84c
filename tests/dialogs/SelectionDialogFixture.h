#pragma once
// A selection service with the library's settings at their defaults, small
// selection lists laid out per test, and the gestures a user makes on a
// selection tree: clicking, double-clicking and opening nodes by key.

#include "dialogs/clsSelectKino.h"

#include "ScriptedUi.h"
#include "WindowDriver.h"
#include "WindowLook.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "platform/tree/SelectionTree.h"

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <span>

namespace selectiontest {

using platform::tree::SelectionNode;
using platform::tree::SelectionTree;
using testsupport::scriptedUi;
using testsupport::UiCall;
using testsupport::WindowDriver;

inline const QString kApp = QStringLiteral("Sorvi27");

struct Entry {
    const char* name;
    int32_t value;
    const char* category;
};

// Adds the entries, all offered (not hidden).
inline void fill(Telva27::colclsCusSelection& list, std::span<const Entry> entries)
{
    for (const Entry& e : entries)
        list.Add(QString::fromUtf8(e.name), e.value, QStringLiteral("about %1").arg(e.name),
                 QString::fromUtf8(e.category))
            ->setHidden(false);
}

using testsupport::demoFile;

// Saves a window's look where QEL_GRAB_DIR asks for it, for a person to see.
inline void keepLook(QWidget& window, const QString& name)
{
    EXPECT_FALSE(testsupport::grabIfAsked(window, name + QStringLiteral(".png")).isNull());
}

class SelectionDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        kino = std::make_unique<Sorvi27::clsSelectKino>();
    }
    void TearDown() override { kino.reset(); }

    static SelectionTree& treeOf(QDialog& d) { return *WindowDriver(d).child<SelectionTree>("tv"); }
    static SelectionNode* node(SelectionTree& tree, const QString& key) { return tree.Nodes().Find(key); }
    static QPoint labelOf(SelectionTree& tree, const QString& key)
    {
        SelectionNode* n = node(tree, key);
        EXPECT_NE(n, nullptr) << key.toStdString();
        if (!n)
            return {};
        tree.scrollToItem(n->item());
        return tree.visualItemRect(n->item()).center();
    }
    static void click(SelectionTree& tree, const QString& key)
    {
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, labelOf(tree, key));
    }
    static void doubleClick(SelectionTree& tree, const QString& key)
    {
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, labelOf(tree, key));
    }
    // Selects a node with the keyboard: the tree's first node, then arrows
    // down (opening closed categories with Right) until the node is reached.
    static void arrowTo(SelectionTree& tree, const QString& key)
    {
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_Home);
        for (int step = 0; step < 400; ++step) {
            const SelectionNode* at = tree.SelectedItem();
            if (at && at->item() == node(tree, key)->item())
                return;
            if (at && at->Children() > 0 && !at->Expanded())
                QTest::keyClick(&tree, Qt::Key_Right);
            else
                QTest::keyClick(&tree, Qt::Key_Down);
        }
        ADD_FAILURE() << "the arrow keys never reached " << key.toStdString();
    }
    static std::vector<UiCall> boxes() { return scriptedUi().callsOf(UiCall::MessageBox); }

    std::unique_ptr<Sorvi27::clsSelectKino> kino;
};

} // namespace selectiontest
