#pragma once
// The node collection of a selection tree: adds nodes relative to others,
// finds them by key or by 1-based index, counts, clears and enumerates them
// in the order they were added.
//
// Keys live in two tables: a top-level node's key in the category table, a
// deeper node's key in the item table. A category named "12" and the code 12
// both key their node "12key"; each table is unique on its own, so both
// nodes exist. Keys are compared exactly (case matters), as the dialogs'
// own category lookups are: "STEP" and "step" are two categories.
//
// Errors (platform::RuntimeError, see TreeErrors.h): a key its table already
// holds 35602; an unknown key, relative key or image key 35601; an index
// outside 1..Count 35600; an image without an image list 35613; a
// relationship outside the enumeration 5. A failed Add leaves the tree as it was.

#include "SelectionNode.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QTreeWidgetItem;

namespace platform::tree {

class SelectionTree;

// Where Add puts a node, seen from its relative.
enum class Relationship : int32_t {
    First = 0,    // first among the relative's siblings
    Last = 1,     // last among the relative's siblings
    Next = 2,     // right after the relative
    Previous = 3, // right before the relative
    Child = 4,    // last child of the relative
};

class SelectionNodes {
public:
    explicit SelectionNodes(SelectionTree& tree);
    ~SelectionNodes();
    SelectionNodes(const SelectionNodes&) = delete;
    SelectionNodes& operator=(const SelectionNodes&) = delete;

    // An empty relative key adds a top-level node: first for Relationship::First,
    // else last. A relative key is looked up as Item(key) does. An empty key
    // adds a node that no key finds. Images are keys into the tree's image list.
    SelectionNode* Add(const QString& relativeKey, Relationship relationship, const QString& key,
                       const QString& text, const QString& image = {}, const QString& selectedImage = {});
    // The same with the relative node itself (nullptr: none), for a relative
    // whose key the category table shadows.
    SelectionNode* Add(SelectionNode* relative, Relationship relationship, const QString& key,
                       const QString& text, const QString& image = {}, const QString& selectedImage = {});

    // 1-based, in the order of adding.
    SelectionNode* Item(int32_t index) const;
    // A key in the category table first, then in the item table.
    SelectionNode* Item(const QString& key) const;
    // One table only; unknown is error 35601.
    SelectionNode* CategoryItem(const QString& key) const;
    SelectionNode* ChildItem(const QString& key) const;
    // Item(key) without the error: nullptr when neither table holds the key.
    SelectionNode* Find(const QString& key) const;

    int32_t Count() const { return static_cast<int32_t>(nodes_.size()); }
    void Clear();

    class const_iterator {
    public:
        using Inner = std::vector<std::unique_ptr<SelectionNode>>::const_iterator;
        explicit const_iterator(Inner at) : at_(at) {}
        SelectionNode* operator*() const { return at_->get(); }
        const_iterator& operator++() { ++at_; return *this; }
        bool operator==(const const_iterator&) const = default;

    private:
        Inner at_;
    };
    const_iterator begin() const { return const_iterator(nodes_.begin()); }
    const_iterator end() const { return const_iterator(nodes_.end()); }

    // The node of a row of the tree widget (nullptr for none).
    SelectionNode* nodeOf(const QTreeWidgetItem* item) const;
    int32_t indexOf(const SelectionNode* node) const;
    SelectionTree& tree() const { return *tree_; }

private:
    QHash<QString, SelectionNode*>& tableFor(int32_t level);
    void place(QTreeWidgetItem* row, SelectionNode* relative, Relationship relationship);
    void checkImage(const QString& image) const;

    SelectionTree* tree_;
    std::vector<std::unique_ptr<SelectionNode>> nodes_;
    QHash<QString, SelectionNode*> categories_;
    QHash<QString, SelectionNode*> items_;
    QHash<const QTreeWidgetItem*, SelectionNode*> byItem_;
};

} // namespace platform::tree
