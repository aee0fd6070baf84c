#pragma once
// A selection tree with the pictures the dialogs use, and builders for the
// two node kinds in the shape the dialogs add them.

#include "TestFiles.h"
#include "platform/RuntimeError.h"
#include "platform/tree/NodeKeys.h"
#include "platform/tree/SelectionTree.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable QStrings and QStringLists in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) { *out << '[' << texts.join(", ").toStdString() << ']'; }

namespace treetest {

using namespace platform::tree;
using testsupport::errorOf;

inline QPixmap solid(Qt::GlobalColor color)
{
    QPixmap picture(16, 16);
    picture.fill(color);
    return picture;
}

class TreeFixture : public testing::Test {
protected:
    TreeFixture()
    {
        auto images = std::make_shared<ImageList>();
        images->Add(QStringLiteral("keyParent"), solid(Qt::blue));
        images->Add(QStringLiteral("keyRArrowRed"), solid(Qt::red));
        images->Add(QStringLiteral("keyRArrow2"), solid(Qt::green));
        tree.setImages(images);
    }

    SelectionNode* category(const QString& name)
    {
        return tree.Nodes().Add(QString(), Relationship::Last, categoryKey(name), name, QStringLiteral("keyParent"));
    }
    SelectionNode* item(const QString& categoryName, int16_t value, const QString& name)
    {
        SelectionNode* node = tree.Nodes().Add(categoryKey(categoryName), Relationship::Child, itemKey(value),
                                               name + QLatin1Char('\t'), QStringLiteral("keyRArrowRed"),
                                               QStringLiteral("keyRArrow2"));
        node->setTagVariant(value);
        node->setTagString(name);
        return node;
    }
    // The texts of the rows under parent (top level when nullptr), in display order.
    QStringList rowsUnder(const QTreeWidgetItem* parent = nullptr) const
    {
        QStringList texts;
        const int count = parent ? parent->childCount() : tree.topLevelItemCount();
        for (int i = 0; i < count; ++i)
            texts << (parent ? parent->child(i) : tree.topLevelItem(i))->text(0);
        return texts;
    }

    SelectionTree tree;
};

} // namespace treetest
