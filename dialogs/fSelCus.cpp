#include "fSelCus.h"

#include "mMOD.h"
#include "mMODTree.h"

#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/Val.h"
#include "platform/forms/ControlDesign.h"
#include "platform/forms/FormBuilder.h"
#include "platform/tree/SelectionTree.h"

#include <QPushButton>

namespace Sorvi27 {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;
using platform::forms::control;

constexpr auto kButton = ControlKind::CommandButton;

// Places in twips; the tree and the Option button follow the window's size.
const ControlDesign kControls[] = {
    {.kind = kButton, .name = "btnFind", .place = QRect(45, 60, 1335, 330), .caption = 119},
    {.kind = kButton, .name = "BTN", .index = 1, .place = QRect(1740, 60, 1335, 330), .caption = 117},
    {.kind = kButton, .name = "BTN", .index = 2, .place = QRect(3180, 60, 1335, 330), .caption = 118},
    {.kind = ControlKind::Custom, .name = "tv", .place = QRect(30, 450, 4650, 5100),
     .create = &platform::forms::make<platform::tree::SelectionTree>},
    {.kind = kButton, .name = "btnOption", .place = QRect(3345, 5640, 1335, 270), .caption = 120},
};

// The node pictures, in the order the list gets them.
constexpr TreeImage kImages[] = {
    {"keyParent", 6},
    {"keyRArrowRed", 7},
    {"keyRArrowBlue", 9},
    {"keyRArrow2", 8},
};

constexpr int32_t kResTitle = 121;
constexpr int32_t kResFindPrompt = 108;

// Pixels between the window's inner edges and the tree (left and right
// together), and below the tree for the Option button.
constexpr int kTreeTop = 30;
constexpr int kTreeSides = 4;
constexpr int kTreeBelow = 54;
constexpr int kOptionGap = 6;

// A category is never an answer, also one whose items are all hidden.
bool isCategory(const platform::tree::SelectionNode& node)
{
    return node.Level() == 1 || node.Children() > 0;
}

} // namespace

fSelCus::fSelCus(QWidget* parent) : SelectionForm(eSelCusIn, eSelCusOut, parent)
{
    setObjectName(QStringLiteral("fSelCus"));
    platform::forms::buildControls(*this, kControls);
    attachTree();
    for (int index : {1, 2})
        connect(&control<QPushButton>(*this, QStringLiteral("BTN%1").arg(index)), &QPushButton::clicked, this,
                [this, index] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(index); }); });
    connect(&control<QPushButton>(*this, QStringLiteral("btnFind")), &QPushButton::clicked, this,
            [this] { Find(kResFindPrompt); });
    connect(&control<QPushButton>(*this, QStringLiteral("btnOption")), &QPushButton::clicked, this,
            [this] { platform::guarded(QStringLiteral("btnOption_Click"), [&] { btnOption_Click(); }); });
    connect(&tv(), &platform::tree::SelectionTree::Confirm, this,
            [this] { platform::guarded(QStringLiteral("tv_DblClick"), [&] { tv_Confirm(); }); });
    LayoutTree();
}

void fSelCus::Load()
{
    if (IsLoaded())
        return;
    Form_Load();
}

void fSelCus::Form_Load()
{
    MoveToPlace();
    SetCaptions();
    CreateImageList(kImages);
    SetTreeStyle();
    BuildTree();
    if (state().DoesExpandInOpening)
        mMOD::ExpandRoot(tv(), dicParentKeys);
    setLoaded(true);
}

void fSelCus::SetCaptions()
{
    setWindowTitle(catalogueText(kResTitle));
    platform::forms::applyCaptions(*this, kControls, &SelectionForm::catalogueText);
}

void fSelCus::BuildTree()
{
    // A failed builder has reported itself; the tree keeps what it got.
    BuildNodes(mMOD::kChildCustomize);
}

void fSelCus::BTN_Click(int index)
{
    SaveRegData();
    if (index == 1) {
        if (SelectNode())
            QDialog::done(QDialog::Accepted);
        return;
    }
    retValue_ = orgValue_;
    QDialog::done(QDialog::Rejected);
}

// Takes the selected item's code as the answer; False (after a message or a
// report) when there is none to take, and the dialog stays open.
bool fSelCus::SelectNode()
{
    platform::tree::SelectionNode* node = tv().SelectedItem();
    if (!node) {
        mMOD::ShowMessage(26, 2);
        return false;
    }
    if (isCategory(*node)) {
        mMOD::ShowMessage(25, 2);
        tv().setFocus();
        return false;
    }
    // A pin's function is one byte: a listed code outside 0 to 255 is an
    // overflow, reported, and never taken for another code.
    return Ostrel7::trapped(reporter(), QStringLiteral("BTN_Click"), [&] {
        retValue_ = platform::toWhole<uint8_t>(node->TagVariant().toDouble());
        return true;
    });
}

void fSelCus::tv_Confirm()
{
    const platform::tree::SelectionNode* node = tv().SelectedItem();
    if (node && !isCategory(*node))
        BTN_Click(1);
}

void fSelCus::btnOption_Click()
{
    const auto& button = control<QPushButton>(*this, QStringLiteral("btnOption"));
    ShowOptionMenu(button.geometry().bottomLeft() + QPoint(0, 1));
}

void fSelCus::LayoutTree()
{
    const QSize inner = size();
    tv().setGeometry(tv().x(), kTreeTop, inner.width() - kTreeSides, inner.height() - kTreeBelow);
    auto& option = control<QPushButton>(*this, QStringLiteral("btnOption"));
    option.move(tv().geometry().right() + 1 - option.width(), tv().geometry().bottom() + 1 + kOptionGap);
}

} // namespace Sorvi27
