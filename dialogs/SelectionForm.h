#pragma once
// What the two function-selection dialogs share (fSelCus for the customize
// pins, fSelStepKino for the steps): a tree `tv` of one selection list filled
// by the module's tree routines, the pictures of its nodes, the option menu
// with the library-wide "expand at opening" flag, the find by function name,
// the window place kept per dialog in the library's settings, the smallest
// size, and the close box that answers as Cancel.
//
// The window place is the window's position and inner size in twips; the
// settings keep it per dialog (input or output list) and the next load in
// the same run uses what was saved last.

#include "LibraryState.h"

#include "util/method/Trap.h"

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>

class QAction;
class QMenu;

namespace Telva27 {
class colclsCusSelection;
}
namespace platform::tree {
class ImageList;
class SelectionNode;
class SelectionTree;
} // namespace platform::tree

namespace Sorvi27 {

// One picture of a dialog's image list: its key and its icon in the catalogue.
struct TreeImage {
    const char* key;
    int32_t picture;
};

class SelectionForm : public QDialog {
public:
    // 1 inputs, 2 outputs: the pictures of the items and the place kept.
    void setIn_or_Out(int32_t v) { inOrOut_ = v; }
    int32_t In_or_Out() const { return inOrOut_; }
    // The list the tree shows; shared with the library, which may change it.
    void setColSel(std::shared_ptr<Telva27::colclsCusSelection> list) { colSel_ = std::move(list); }

    // Loaded: the tree is built and kept, with its selection and expansion,
    // from one showing to the next until Unload.
    bool IsLoaded() const { return loaded_; }
    // Drops the tree and its category keys; the answers are kept.
    void Unload();

    platform::tree::SelectionTree& tv() const { return *tv_; }

protected:
    // The places kept for the input and the output dialog.
    SelectionForm(SelectionDialog inputPlace, SelectionDialog outputPlace, QWidget* parent);
    ~SelectionForm() override;

    // Call once the form's controls (among them `tv`) exist.
    void attachTree();

    LibraryState& state() const { return *state_; }
    Telva27::colclsCusSelection& colSel() const;
    static QString catalogueText(int32_t number);

    // Fills the image list the first time (while it is empty) and hands it
    // to the tree.
    void CreateImageList(std::span<const TreeImage> pictures);
    const platform::tree::ImageList& images() const { return *images_; }
    void SetTreeStyle();

    // Moves the window to the place kept for its list (other In_or_Out: where
    // it is).
    void MoveToPlace();
    // Keeps the window's place for the next load and in the settings.
    void SaveRegData();

    // Empties the tree and adds the category and item nodes of colSel
    // (kind as Create_Child). False when a builder failed.
    bool BuildNodes(int32_t kind);
    QStringList dicParentKeys;

    // Asks for a function name (prompt: that catalogue text) and selects the
    // first node whose function name is the answer, letters compared in
    // capitals; nothing found says nothing.
    void Find(int32_t promptCaption);

    // Pops the option menu up at that point of the window.
    void ShowOptionMenu(const QPoint& at);

    void setLoaded(bool loaded) { loaded_ = loaded; }

    // Where the form's trapped members report their errors.
    Ostrel7::clsMethod& reporter() const { return state_->reporter(); }

    // The close box: the dialog answers as its Cancel does.
    virtual void CloseBox() = 0;
    // Esc.
    virtual void EscapeKey() = 0;
    // Lays the tree (and what follows it) out in the inner size.
    virtual void LayoutTree() = 0;

    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void mnuDoesExpandInOpening_Click();
    SelectionDialog placeOf() const;

    std::shared_ptr<LibraryState> state_;
    SelectionDialog inputPlace_;
    SelectionDialog outputPlace_;
    int32_t inOrOut_ = 0;
    std::shared_ptr<Telva27::colclsCusSelection> colSel_;
    std::shared_ptr<platform::tree::ImageList> images_;
    platform::tree::SelectionTree* tv_ = nullptr;
    QMenu* mnuOption_ = nullptr;
    QAction* mnuDoesExpandInOpening_ = nullptr;
    bool loaded_ = false;
};

} // namespace Sorvi27
