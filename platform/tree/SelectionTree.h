#pragma once
// The tree of the function-selection dialogs: keyed nodes (SelectionNodes),
// pictures from an image list, and the events the dialogs bind.
//
// Events, in the order a gesture raises them:
// - mouse: MouseDown (any button), then NodeClick when the left button went
//   down on a node's label and made it the selected node; a press on the
//   expand mark or on empty space raises no NodeClick.
// - keys: KeyDown with the key code (set it to 0 to consume the key: nothing
//   else happens), KeyPress with the character code when the key gives one (set
//   it to 0 to consume the character), then the tree's own handling; when that
//   moves the selection to another node, NodeClick.
// - Confirm (no arguments): a left double-click on a node, and Enter that
//   KeyPress did not consume. Enter stops in the tree, so a dialog's default
//   button never answers it a second time.
// Selecting a node from code raises no event. The key and mouse signals pass
// references: connect them directly (the default for one thread). Slots must
// not throw; a stray exception is reported (platform::guarded) so it never
// crosses Qt.

#include "ImageList.h"
#include "SelectionNodes.h"

#include <QIcon>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform::tree {

class SelectionTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit SelectionTree(QWidget* parent = nullptr);
    ~SelectionTree() override;

    SelectionNodes& Nodes() { return nodes_; }
    const SelectionNodes& Nodes() const { return nodes_; }

    // The pictures the nodes name at Add; shared with the dialog's toolbar.
    const std::shared_ptr<const ImageList>& Images() const { return images_; }
    void setImages(std::shared_ptr<const ImageList> images);

    // The selected node, nullptr when none is selected.
    SelectionNode* SelectedItem() const;
    // Selects the node and makes it current (nullptr: no selection); no event.
    void setSelectedItem(SelectionNode* node);

    // The node in the top row of the view; setting it scrolls the node there
    // (as far as the view can scroll), opening its parents.
    SelectionNode* TopNode() const;
    void setTopNode(SelectionNode* node);

    // 0x00BBGGRR or a system colour; the window colour at first.
    int32_t BackColor() const { return backColor_; }
    void setBackColor(int32_t color);

    // False holds the painting back while many nodes change.
    bool Redraw() const { return updatesEnabled(); }
    void setRedraw(bool redraw) { setUpdatesEnabled(redraw); }

    // The icon of a new node: image normally, selectedImage while selected.
    QIcon iconFor(const QString& image, const QString& selectedImage) const;

signals:
    void NodeClick(platform::tree::SelectionNode* node);
    void MouseDown(int32_t button, int32_t shift, int32_t x, int32_t y);
    void KeyDown(int32_t& keyCode, int32_t shift);
    void KeyPress(int32_t& keyAscii);
    void Confirm();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The node whose label is under a viewport point (not its expand mark).
    QTreeWidgetItem* labelAt(const QPoint& point) const;
    void handleKey(QKeyEvent* event);

    SelectionNodes nodes_;
    std::shared_ptr<const ImageList> images_;
    int32_t backColor_ = 0;
};

} // namespace platform::tree
