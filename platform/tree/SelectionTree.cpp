#include "SelectionTree.h"

#include "platform/EventGuard.h"
#include "platform/KeyCodes.h"
#include "platform/SystemColors.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace platform::tree {

namespace {

constexpr int32_t kWindowColor = static_cast<int32_t>(0x80000005u);

bool isEnter(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

SelectionTree::SelectionTree(QWidget* parent)
    : QTreeWidget(parent), nodes_(*this)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setRootIsDecorated(true);
    setIndentation(16);
    // A label is shown whole; a tree narrower than its labels scrolls sideways.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setBackColor(kWindowColor);
}

SelectionTree::~SelectionTree()
{
    // The rows go before the nodes that point at them.
    clear();
}

void SelectionTree::setImages(std::shared_ptr<const ImageList> images)
{
    images_ = std::move(images);
    if (images_)
        setIconSize(images_->ImageSize());
}

QIcon SelectionTree::iconFor(const QString& image, const QString& selectedImage) const
{
    if (image.isEmpty() && selectedImage.isEmpty())
        return {};
    QIcon icon;
    if (!image.isEmpty()) {
        icon.addPixmap(images_->Picture(image), QIcon::Normal);
    } else {
        // Without its own picture the node shows nothing until it is selected.
        QPixmap blank(images_->ImageSize());
        blank.fill(Qt::transparent);
        icon.addPixmap(blank, QIcon::Normal);
    }
    if (!selectedImage.isEmpty())
        icon.addPixmap(images_->Picture(selectedImage), QIcon::Selected);
    return icon;
}

SelectionNode* SelectionTree::SelectedItem() const
{
    QTreeWidgetItem* current = currentItem();
    if (current && current->isSelected())
        return nodes_.nodeOf(current);
    const QList<QTreeWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? nullptr : nodes_.nodeOf(chosen.first());
}

void SelectionTree::setSelectedItem(SelectionNode* node)
{
    if (!node) {
        clearSelection();
        return;
    }
    setCurrentItem(node->item());
    node->item()->setSelected(true);
}

SelectionNode* SelectionTree::TopNode() const
{
    return nodes_.nodeOf(itemAt(QPoint(0, 0)));
}

void SelectionTree::setTopNode(SelectionNode* node)
{
    if (node)
        scrollToItem(node->item(), QAbstractItemView::PositionAtTop);
}

void SelectionTree::setBackColor(int32_t color)
{
    backColor_ = color;
    QPalette shades = palette();
    shades.setColor(QPalette::Base, oleColor(static_cast<uint32_t>(color)));
    setPalette(shades);
}

QTreeWidgetItem* SelectionTree::labelAt(const QPoint& point) const
{
    QTreeWidgetItem* row = itemAt(point);
    return row && visualItemRect(row).contains(point) ? row : nullptr;
}

void SelectionTree::mousePressEvent(QMouseEvent* event)
{
    guarded(QStringLiteral("SelectionTree.MouseDown"), [&] {
        const QPoint at = event->position().toPoint();
        emit MouseDown(keys::mouseButtonCode(event->button()), keys::shiftState(event->modifiers()), at.x(), at.y());
        QTreeWidget::mousePressEvent(event);
        // Looked up afresh: a MouseDown handler may have rebuilt the tree.
        QTreeWidgetItem* row = labelAt(at);
        if (event->button() == Qt::LeftButton && row && row == currentItem() && row->isSelected())
            emit NodeClick(nodes_.nodeOf(row));
    });
}

void SelectionTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    guarded(QStringLiteral("SelectionTree.DblClick"), [&] {
        QTreeWidget::mouseDoubleClickEvent(event);
        if (event->button() == Qt::LeftButton && labelAt(event->position().toPoint()))
            emit Confirm();
    });
}

void SelectionTree::keyPressEvent(QKeyEvent* event)
{
    guarded(QStringLiteral("SelectionTree.KeyDown"), [&] { handleKey(event); });
}

void SelectionTree::handleKey(QKeyEvent* event)
{
    int32_t keyCode = keys::keyCodeOf(*event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, keys::shiftState(event->modifiers()));
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    int32_t keyAscii = keys::keyAsciiOf(*event);
    const bool gaveCharacter = keyAscii != 0;
    if (gaveCharacter) {
        emit KeyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    if (isEnter(*event)) {
        event->accept();
        emit Confirm();
        return;
    }
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem* after = currentItem();
    if (after && after != before)
        emit NodeClick(nodes_.nodeOf(after));
}

} // namespace platform::tree
