#pragma once
// One node of a selection tree: a row of the tree widget with the key, tags,
// colours and font the selection dialogs read and set. Nodes are made only by
// SelectionNodes::Add and live until the tree's Clear or its destruction.

#include <QFont>
#include <QString>
#include <QVariant>
#include <cstdint>

class QTreeWidgetItem;

namespace platform::tree {

class SelectionNodes;

// A node colour that was never set (or was set back): the tree's own colour.
constexpr int32_t kDefaultColor = -1;

class SelectionNode {
public:
    SelectionNode(const SelectionNode&) = delete;
    SelectionNode& operator=(const SelectionNode&) = delete;

    QString Text() const;
    void setText(const QString& text);
    // Empty for a node added without a key.
    const QString& Key() const { return key_; }
    // 1 for a top-level node, 2 for its children...
    int32_t Level() const;
    // The number of direct children.
    int32_t Children() const;
    // nullptr for a top-level node.
    SelectionNode* Parent() const;
    // The 1-based position in the node collection (the order of adding).
    int32_t Index() const;

    // Colours as 0x00BBGGRR (or 0x80000000 + system colour); kDefaultColor
    // reads back while the node shows the tree's colour, and restores it.
    int32_t ForeColor() const { return foreColor_; }
    void setForeColor(int32_t color);
    int32_t BackColor() const { return backColor_; }
    void setBackColor(int32_t color);

    double FontSize() const;
    void setFontSize(double points);
    bool FontBold() const;
    void setFontBold(bool bold);

    bool Expanded() const;
    void setExpanded(bool expanded);
    // False hides the node with its children; it stays in the collection.
    bool Visible() const;
    void setVisible(bool visible);
    // Selecting makes the node the tree's current node; neither raises NodeClick.
    bool Selected() const;
    void setSelected(bool selected);

    // Two values kept with the node and never shown.
    const QString& TagString() const { return tagString_; }
    void setTagString(const QString& tag) { tagString_ = tag; }
    const QVariant& TagVariant() const { return tagVariant_; }
    void setTagVariant(const QVariant& tag) { tagVariant_ = tag; }

    // Keys into the tree's image list given at Add (empty: none).
    const QString& Image() const { return image_; }
    const QString& SelectedImage() const { return selectedImage_; }

    QTreeWidgetItem* item() const { return item_; }

private:
    friend class SelectionNodes;
    SelectionNode(SelectionNodes& owner, QTreeWidgetItem* item, const QString& key, const QString& image,
                  const QString& selectedImage);

    QFont font() const;
    void applyFont(const QFont& font);

    SelectionNodes* owner_;
    QTreeWidgetItem* item_;
    QString key_;
    QString image_;
    QString selectedImage_;
    QString tagString_;
    QVariant tagVariant_;
    int32_t foreColor_ = kDefaultColor;
    int32_t backColor_ = kDefaultColor;
};

} // namespace platform::tree
