#include "SelectionNodes.h"

#include "ImageList.h"
#include "SelectionTree.h"
#include "TreeErrors.h"

#include <QIcon>
#include <QTreeWidgetItem>

namespace platform::tree {

namespace {

bool isRelationship(Relationship relationship)
{
    const auto value = static_cast<int32_t>(relationship);
    return value >= static_cast<int32_t>(Relationship::First) && value <= static_cast<int32_t>(Relationship::Child);
}

// The level a node gets, which decides the table its key goes into.
int32_t levelFor(const SelectionNode* relative, Relationship relationship)
{
    if (!relative)
        return 1;
    return relationship == Relationship::Child ? relative->Level() + 1 : relative->Level();
}

// Inserts a new row among the children of parent (top level when parent is nullptr).
void insertRow(QTreeWidget& view, QTreeWidgetItem* parent, int position, QTreeWidgetItem* row)
{
    if (parent)
        parent->insertChild(position, row);
    else
        view.insertTopLevelItem(position, row);
}

int rowCount(const QTreeWidget& view, const QTreeWidgetItem* parent)
{
    return parent ? parent->childCount() : view.topLevelItemCount();
}

int rowOf(const QTreeWidget& view, const QTreeWidgetItem* parent, QTreeWidgetItem* row)
{
    return parent ? parent->indexOfChild(row) : view.indexOfTopLevelItem(row);
}

} // namespace

SelectionNodes::SelectionNodes(SelectionTree& tree)
    : tree_(&tree)
{
}

SelectionNodes::~SelectionNodes() = default;

SelectionNode* SelectionNodes::Add(const QString& relativeKey, Relationship relationship, const QString& key,
                                   const QString& text, const QString& image, const QString& selectedImage)
{
    SelectionNode* relative = relativeKey.isEmpty() ? nullptr : Item(relativeKey);
    return Add(relative, relationship, key, text, image, selectedImage);
}

SelectionNode* SelectionNodes::Add(SelectionNode* relative, Relationship relationship, const QString& key,
                                   const QString& text, const QString& image, const QString& selectedImage)
{
    if (!isRelationship(relationship))
        throw RuntimeError(errInvalidCall);
    QHash<QString, SelectionNode*>& table = tableFor(levelFor(relative, relationship));
    if (!key.isEmpty() && table.contains(key))
        throw treeError(errKeyNotUnique);
    checkImage(image);
    checkImage(selectedImage);

    auto* row = new QTreeWidgetItem(QStringList{text});
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    row->setIcon(0, tree_->iconFor(image, selectedImage));
    nodes_.push_back(std::unique_ptr<SelectionNode>(new SelectionNode(*this, row, key, image, selectedImage)));
    SelectionNode* node = nodes_.back().get();
    byItem_.insert(row, node);
    if (!key.isEmpty())
        table.insert(key, node);
    // Placed last: the view announces the new row, and by then the node is complete.
    place(row, relative, relationship);
    return node;
}

SelectionNode* SelectionNodes::Item(int32_t index) const
{
    if (index < 1 || index > Count())
        throw treeError(errIndexOutOfBounds);
    return nodes_[static_cast<size_t>(index - 1)].get();
}

SelectionNode* SelectionNodes::Item(const QString& key) const
{
    SelectionNode* node = Find(key);
    if (!node)
        throw treeError(errElementNotFound);
    return node;
}

SelectionNode* SelectionNodes::CategoryItem(const QString& key) const
{
    SelectionNode* node = categories_.value(key);
    if (!node)
        throw treeError(errElementNotFound);
    return node;
}

SelectionNode* SelectionNodes::ChildItem(const QString& key) const
{
    SelectionNode* node = items_.value(key);
    if (!node)
        throw treeError(errElementNotFound);
    return node;
}

SelectionNode* SelectionNodes::Find(const QString& key) const
{
    if (SelectionNode* category = categories_.value(key))
        return category;
    return items_.value(key);
}

void SelectionNodes::Clear()
{
    // The rows go first: the view must never show a row whose node is gone.
    tree_->clear();
    byItem_.clear();
    categories_.clear();
    items_.clear();
    nodes_.clear();
}

SelectionNode* SelectionNodes::nodeOf(const QTreeWidgetItem* item) const
{
    return item ? byItem_.value(item) : nullptr;
}

int32_t SelectionNodes::indexOf(const SelectionNode* node) const
{
    for (size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i].get() == node)
            return static_cast<int32_t>(i + 1);
    }
    return 0;
}

void SelectionNodes::place(QTreeWidgetItem* row, SelectionNode* relative, Relationship relationship)
{
    if (!relative) {
        insertRow(*tree_, nullptr, relationship == Relationship::First ? 0 : tree_->topLevelItemCount(), row);
        return;
    }
    if (relationship == Relationship::Child) {
        insertRow(*tree_, relative->item(), relative->Children(), row);
        return;
    }
    QTreeWidgetItem* parent = relative->item()->parent();
    const int at = rowOf(*tree_, parent, relative->item());
    switch (relationship) {
    case Relationship::First: insertRow(*tree_, parent, 0, row); break;
    case Relationship::Previous: insertRow(*tree_, parent, at, row); break;
    case Relationship::Next: insertRow(*tree_, parent, at + 1, row); break;
    default: insertRow(*tree_, parent, rowCount(*tree_, parent), row); break;
    }
}

QHash<QString, SelectionNode*>& SelectionNodes::tableFor(int32_t level)
{
    return level == 1 ? categories_ : items_;
}

void SelectionNodes::checkImage(const QString& image) const
{
    if (image.isEmpty())
        return;
    const ImageList* images = tree_->Images().get();
    if (!images)
        throw treeError(errImageListNotSet);
    if (!images->Contains(image))
        throw treeError(errElementNotFound);
}

} // namespace platform::tree
