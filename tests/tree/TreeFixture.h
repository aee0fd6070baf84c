#pragma once
// A selection tree with the pictures the dialogs use, and builders for the
// two node kinds in the shape the dialogs add them.

#include "platform/RuntimeError.h"
#include "platform/tree/NodeKeys.h"
#include "platform/tree/SelectionTree.h"

#include <gtest/gtest.h>
#include <functional>

#include <ostream>

// Readable QStrings and QStringLists in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) { *out << '[' << texts.join(", ").toStdString() << ']'; }

namespace treetest {

using namespace platform::tree;

inline QPixmap solid(Qt::GlobalColor color)
{
    QPixmap picture(16, 16);
    picture.fill(color);
    return picture;
}

// The runtime error number a call raises, 0 when it raises none.
inline int32_t errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
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
