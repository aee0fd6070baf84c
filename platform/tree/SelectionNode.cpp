#include "SelectionNode.h"

#include "SelectionNodes.h"
#include "SelectionTree.h"
#include "platform/SystemColors.h"

#include <QTreeWidgetItem>

namespace platform::tree {

namespace {

// An unset colour is an empty brush, so the view paints the tree's own colour.
QBrush brushOf(int32_t color)
{
    return color == kDefaultColor ? QBrush() : QBrush(oleColor(static_cast<uint32_t>(color)));
}

} // namespace

SelectionNode::SelectionNode(SelectionNodes& owner, QTreeWidgetItem* item, const QString& key,
                             const QString& image, const QString& selectedImage)
    : owner_(&owner), item_(item), key_(key), image_(image), selectedImage_(selectedImage)
{
}

QString SelectionNode::Text() const
{
    return item_->text(0);
}

void SelectionNode::setText(const QString& text)
{
    item_->setText(0, text);
}

int32_t SelectionNode::Level() const
{
    int32_t level = 1;
    for (const QTreeWidgetItem* up = item_->parent(); up; up = up->parent())
        ++level;
    return level;
}

int32_t SelectionNode::Children() const
{
    return item_->childCount();
}

SelectionNode* SelectionNode::Parent() const
{
    return owner_->nodeOf(item_->parent());
}

int32_t SelectionNode::Index() const
{
    return owner_->indexOf(this);
}

void SelectionNode::setForeColor(int32_t color)
{
    foreColor_ = color;
    item_->setForeground(0, brushOf(color));
}

void SelectionNode::setBackColor(int32_t color)
{
    backColor_ = color;
    item_->setBackground(0, brushOf(color));
}

QFont SelectionNode::font() const
{
    const QVariant own = item_->data(0, Qt::FontRole);
    return own.isValid() ? own.value<QFont>() : owner_->tree().font();
}

void SelectionNode::applyFont(const QFont& font)
{
    item_->setFont(0, font);
}

double SelectionNode::FontSize() const
{
    return font().pointSizeF();
}

void SelectionNode::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    applyFont(f);
}

bool SelectionNode::FontBold() const
{
    return font().bold();
}

void SelectionNode::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    applyFont(f);
}

bool SelectionNode::Expanded() const
{
    return item_->isExpanded();
}

void SelectionNode::setExpanded(bool expanded)
{
    item_->setExpanded(expanded);
}

bool SelectionNode::Visible() const
{
    return !item_->isHidden();
}

void SelectionNode::setVisible(bool visible)
{
    item_->setHidden(!visible);
}

bool SelectionNode::Selected() const
{
    return item_->isSelected();
}

void SelectionNode::setSelected(bool selected)
{
    if (selected)
        owner_->tree().setSelectedItem(this);
    else
        item_->setSelected(false);
}

} // namespace platform::tree
