#pragma once
// The library module's routines that fill the tree of the two
// function-selection dialogs from one selection list: one category node per
// distinct Category (hidden entries count), and under it one item node per
// entry that is not hidden. They keep no state: the dialog owns the tree and
// the list of category keys it has added (dicParentKeys).
//
// Calling order: clear the nodes, empty dicParentKeys, Create_ParentKey; only
// when it answered True, Create_Child; only when that answered True, the
// dialog's own nodes and, when wanted, ExpandRoot. The builders report an
// error under their own name and answer False, keeping the nodes added so far.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace Telva27 {
class colclsCusSelection;
}
namespace platform::tree {
class SelectionTree;
}

namespace Sorvi27::mMOD {

// The fore colour of a category node, RGB(0, 64, 128) as 0x00BBGGRR.
constexpr int32_t kCategoryForeColor = 0x804000;

// Create_Child's kinds: the step dialogs leave out "CALL", "JMP" and "STEP".
constexpr int32_t kChildStep = 1;
constexpr int32_t kChildCustomize = 0;

// Adds a top-level node per category not yet in dicParentKeys (exact
// comparison), in the order the categories first occur in the list, and
// appends its key to dicParentKeys.
bool Create_ParentKey(const Telva27::colclsCusSelection& colSel, platform::tree::SelectionTree& tv,
                      QStringList& dicParentKeys);

// Appends an item node under its category for every entry that is not hidden
// (kind 1: and whose category IsSelectableText), in list order. In_or_Out 1
// (inputs) gives the red arrow picture, any other the blue one.
bool Create_Child(int32_t kind, int32_t In_or_Out, const Telva27::colclsCusSelection& colSel,
                  platform::tree::SelectionTree& tv);

// Expands every category of dicParentKeys and shows the tree from its first
// node. An empty tree is left as it is.
void ExpandRoot(platform::tree::SelectionTree& tv, const QStringList& dicParentKeys);

// False for exactly "CALL", "JMP" and "STEP", the categories whose codes a
// step dialog builds from a step number.
bool IsSelectableText(const QString& sText);

} // namespace Sorvi27::mMOD
