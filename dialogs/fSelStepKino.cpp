#include "fSelStepKino.h"

#include "mMOD.h"
#include "mMODTree.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "util/method/Trap.h"

#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "platform/Val.h"
#include "platform/forms/ControlDesign.h"
#include "platform/forms/FormBuilder.h"
#include "platform/tree/ImageList.h"
#include "platform/tree/NodeKeys.h"
#include "platform/tree/SelectionTree.h"
#include "platform/tree/TreeErrors.h"

#include <QAction>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace Sorvi27 {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;
using platform::forms::control;
using platform::tree::SelectionNode;

constexpr auto kButton = ControlKind::CommandButton;

QWidget* makeToolbar(QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

// Places in twips; the tree follows the window's size.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Custom, .name = "tBar", .place = QRect(45, 45, 1620, 390), .create = &makeToolbar},
    {.kind = kButton, .name = "BTN", .index = 1, .place = QRect(1740, 60, 1335, 330)},
    {.kind = kButton, .name = "BTN", .index = 2, .place = QRect(3180, 60, 1335, 330)},
    {.kind = ControlKind::Custom, .name = "tv", .place = QRect(30, 450, 4650, 5400),
     .create = &platform::forms::make<platform::tree::SelectionTree>},
};

// The pictures of the nodes and of the toolbar.
constexpr TreeImage kImages[] = {
    {"keyParent", 6}, {"keyRArrowRed", 7}, {"keyRArrow2", 8}, {"keyRArrowBlue", 9},
    {"keyFIND", 10},  {"keyOption", 11},   {"keyCHANGEMODE", 12}, {"keyHAND1", 15},
};

// The toolbar's buttons: key and tooltip (0: none).
struct ToolSpec {
    const char* key;
    int32_t tooltip;
};
constexpr ToolSpec kTools[] = {{"keyFIND", 105}, {"keyOption", 0}, {"keyCHANGEMODE", 106}, {"keyHAND1", 329}};

constexpr int32_t kResTitle = 121;
constexpr int32_t kResSelect = 117;
constexpr int32_t kResCancel = 118;
constexpr int32_t kResFindPrompt = 101;
constexpr int32_t kResStepPrompt = 103;
constexpr int32_t kResPromptNode = 104;

// The tree's place in the window, in pixels.
constexpr int kTreeTop = 30;
constexpr int kTreeSides = 4;
constexpr int kTreeBelow = 34;

// Step numbers and the codes made from them.
constexpr int32_t kFirstStep = 1;
constexpr int32_t kLastStep = 192;
constexpr int32_t kCallBase = -16385; // &HC000 - 1 as a signed 16-bit value
constexpr int32_t kJumpBase = -32769; // &H8000 - 1
// An answer this long is too large whatever its value.
constexpr int kLongestAnswer = 4;

const QString kCall = QStringLiteral("CALL");

// Button-edit mode: the marks (node background) and the tree's background.
constexpr int32_t kNotOffered = 255;        // red
constexpr int32_t kOffered = 0xFFFFFF;      // white
constexpr int32_t kButtonFace = static_cast<int32_t>(0x80000000u + 15);
constexpr int32_t kResEditTitle = 357;
constexpr int32_t kResNormalTitle = 358;
constexpr int32_t kResUpdate = 99;
constexpr int32_t kResSelectAgain = 100;

// What a step-number answer is.
enum class StepAnswer { Number, NotNumeric, TooLong, OutOfRange };

StepAnswer judge(const QString& answer, int32_t& step)
{
    double value = 0;
    try {
        value = platform::NumberOf(answer);
    } catch (const platform::RuntimeError&) {
        return StepAnswer::NotNumeric;
    }
    if (answer.size() > kLongestAnswer)
        return StepAnswer::TooLong;
    const double rounded = platform::roundHalfEven(value);
    if (rounded < kFirstStep || rounded > kLastStep)
        return StepAnswer::OutOfRange;
    step = static_cast<int32_t>(rounded);
    return StepAnswer::Number;
}

} // namespace

fSelStepKino::fSelStepKino(QWidget* parent) : SelectionForm(eSelStepIn, eSelStepOut, parent)
{
    setObjectName(QStringLiteral("fSelStepKino"));
    platform::forms::buildControls(*this, kControls);
    attachTree();
    tBar_ = &control<QToolBar>(*this, QStringLiteral("tBar"));
    connect(tBar_, &QToolBar::actionTriggered, this, [this](QAction* action) {
        platform::guarded(QStringLiteral("tBar_ButtonClick"), [&] { tBar_ButtonClick(action->objectName()); });
    });
    auto& select = control<QPushButton>(*this, QStringLiteral("BTN1"));
    select.setDefault(true);
    for (int index : {1, 2})
        connect(&control<QPushButton>(*this, QStringLiteral("BTN%1").arg(index)), &QPushButton::clicked, this,
                [this, index] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(index); }); });

    platform::tree::SelectionTree& tree = tv();
    connect(&tree, &platform::tree::SelectionTree::NodeClick, this, [this](SelectionNode* node) {
        platform::guarded(QStringLiteral("tv_NodeClick"), [&] { tv_NodeClick(node); });
    });
    connect(&tree, &platform::tree::SelectionTree::MouseDown, this, [this](int32_t, int32_t, int32_t, int32_t) {
        if (mode_ == 1)
            isMouseClick_ = true;
    });
    connect(&tree, &platform::tree::SelectionTree::KeyDown, this, [this](int32_t&, int32_t) {
        if (mode_ == 1)
            isMouseClick_ = false;
    });
    connect(&tree, &platform::tree::SelectionTree::KeyPress, this, [this](int32_t& keyAscii) {
        platform::guarded(QStringLiteral("tv_KeyPress"), [&] { tv_KeyPress(keyAscii); });
    });
    connect(&tree, &platform::tree::SelectionTree::Confirm, this,
            [this] { platform::guarded(QStringLiteral("tv_DblClick"), [&] { tv_Confirm(); }); });

    // The dialog sees key presses before its controls.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    LayoutTree();
}

void fSelStepKino::Load()
{
    if (!IsLoaded())
        Form_Load();
}

void fSelStepKino::Form_Load()
{
    MoveToPlace();
    InitForm();
    CreateImageList(kImages);
    SetTreeStyle();
    CreateToolbar();
    if (tv().Nodes().Count() == 0)
        BuildTree(In_or_Out(), false);
    setLoaded(true);
    if (changeTodEditMode_)
        tBar_ButtonClick(QStringLiteral("keyCHANGEMODE"));
}

void fSelStepKino::InitForm()
{
    mode_ = 1;
    promptText_ = catalogueText(kResPromptNode);
    SetCaptions();
}

void fSelStepKino::SetCaptions()
{
    setWindowTitle(catalogueText(kResTitle));
    control<QPushButton>(*this, QStringLiteral("BTN1")).setText(catalogueText(kResSelect));
    control<QPushButton>(*this, QStringLiteral("BTN2")).setText(catalogueText(kResCancel));
}

void fSelStepKino::CreateToolbar()
{
    if (!tBar_->actions().isEmpty())
        return;
    for (const ToolSpec& tool : kTools) {
        const QString key = QString::fromLatin1(tool.key);
        QAction* action = tBar_->addAction(QIcon(images().Picture(key)), QString());
        action->setObjectName(key);
        if (tool.tooltip != 0)
            action->setToolTip(catalogueText(tool.tooltip));
        if (QWidget* button = tBar_->widgetForAction(action))
            button->installEventFilter(this);
    }
    tBar_->actions().at(2)->setCheckable(true);
    tBar_->actions().at(3)->setEnabled(false);
}

void fSelStepKino::BuildTree(int32_t inOrOut, bool expand)
{
    Ostrel7::trapped(reporter(), QStringLiteral("BuildTree"), [&] {
        if (!BuildNodes(mMOD::kChildStep))
            return;
        AddPrompts(inOrOut);
        if (state().DoesExpandInOpening || expand)
            mMOD::ExpandRoot(tv(), dicParentKeys);
    });
}

// The prompt nodes under the categories whose codes are made from a step
// number: "STEP" in the input dialog, "JMP" and "CALL" in the output dialog.
// A list without such a category raises "element not found".
void fSelStepKino::AddPrompts(int32_t inOrOut)
{
    platform::tree::SelectionNodes& nodes = tv().Nodes();
    const auto addPrompt = [&](const char* category, const QString& key) {
        SelectionNode* parent = nodes.CategoryItem(platform::tree::categoryKey(QString::fromLatin1(category)));
        nodes.Add(parent, platform::tree::Relationship::Child, key, promptText_);
    };
    if (inOrOut == 1) {
        addPrompt("STEP", platform::tree::kStepInputKey);
    } else if (inOrOut == 2) {
        addPrompt("JMP", platform::tree::kStepInputKey);
        addPrompt("CALL", platform::tree::kStepInput2Key);
    }
}

bool fSelStepKino::DoesChangeEditMode()
{
    return Ostrel7::trapped(reporter(), QStringLiteral("DoesChangeEditMode"), [&] {
        for (const SelectionNode* node : tv().Nodes())
            if (node->Level() == 2 && node->Text() != promptText_)
                return false;
        if (!state().AskInEditingMode)
            return true;
        return mMOD::ShowMessage(60, 3).toInt() != platform::vbNo;
    });
}

void fSelStepKino::ClearStepTagVariant()
{
    Ostrel7::trapped(reporter(), QStringLiteral("ClearStepTagVariant"), [&] {
        // A dialog never built has no prompts to empty: its first opening builds them.
        platform::tree::SelectionNodes& nodes = tv().Nodes();
        if (nodes.Count() == 0)
            return;
        // Both prompts: a CALL number entered before must not answer again unasked.
        if (SelectionNode* call = nodes.Find(platform::tree::kStepInput2Key))
            call->setTagVariant(0);
        nodes.ChildItem(platform::tree::kStepInputKey)->setTagVariant(0);
    });
}

void fSelStepKino::setDoesKillCUNT(bool kill)
{
    Ostrel7::trapped(reporter(), QStringLiteral("DoesKillCUNT"), [&] {
        const QString count = QStringLiteral("COUNT");
        tv().Nodes().CategoryItem(platform::tree::categoryKey(count))->setVisible(!kill);
        for (SelectionNode* node : tv().Nodes())
            if (node->Parent() && node->Parent()->Text() == count)
                node->setVisible(!kill);
    });
}

void fSelStepKino::BTN_Click(int index)
{
    SaveRegData();
    if (mode_ == 0)
        ChangeModeOp(1, index == 1);
    else if (index == 1)
        OKOp1();
    else
        Cancel();
}

void fSelStepKino::OKOp1()
{
    Ostrel7::trapped(reporter(), QStringLiteral("OKOp1"), [&] {
        SelectionNode* node = tv().SelectedItem();
        if (!node) {
            mMOD::ShowMessage(26, 2);
            return;
        }
        if (node->Level() == 1) {
            mMOD::ShowMessage(25, 2);
            tv().setFocus();
            return;
        }
        if (node->Text() == promptText_ && node->TagVariant().toInt() == 0) {
            mMOD::ShowMessage(41, 2);
            return;
        }
        retValue_ = platform::toWhole<int16_t>(node->TagVariant().toDouble());
        QDialog::done(QDialog::Accepted);
    });
}

void fSelStepKino::Cancel()
{
    retValue_ = orgValue_;
    QDialog::done(QDialog::Rejected);
}

void fSelStepKino::CloseBox()
{
    // The marks are dropped and the window closes as Cancel.
    SaveRegData();
    if (mode_ == 0)
        ChangeModeOp(1, false);
    Cancel();
}

void fSelStepKino::tv_NodeClick(SelectionNode* node)
{
    if (mode_ == 1)
        NodeClick_NotEditOp();
    else
        NodeClick_EditOp(node);
}

// A mouse click on a prompt node asks for the step number and answers its
// code at once; a prompt reached with the keys asks nothing.
void fSelStepKino::NodeClick_NotEditOp()
{
    Ostrel7::trapped(reporter(), QStringLiteral("NodeClick_NotEditOp"), [&] {
        SelectionNode* node = tv().SelectedItem();
        if (!isMouseClick_ || !node || node->Text() != promptText_)
            return;
        const int32_t step = AskStepNumber();
        if (step == 0)
            return;
        const bool call = node->Parent() && node->Parent()->Text() == kCall;
        node->setTagVariant(step + (call ? kCallBase : kJumpBase));
        BTN_Click(1);
    });
}

int32_t fSelStepKino::AskStepNumber()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString prompt = catalogueText(kResStepPrompt) + crlf + crlf + QStringLiteral("min = 1") + crlf +
                           QStringLiteral("max = ") + QString::number(kLastStep);
    for (;;) {
        const QString answer = platform::ui().inputBox(prompt, mMOD::LibraryTitle(), QString());
        if (answer.isEmpty())
            return 0;
        int32_t step = 0;
        switch (judge(answer, step)) {
        case StepAnswer::Number: return step;
        case StepAnswer::NotNumeric: mMOD::ShowMessage(39, 2); break;
        case StepAnswer::TooLong: mMOD::ShowMessage(47, 2); break;
        case StepAnswer::OutOfRange: mMOD::ShowMessage(40, 2); break;
        }
    }
}

void fSelStepKino::tBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("keyFIND")) {
        Find(kResFindPrompt);
    } else if (key == QLatin1String("keyOption")) {
        const QWidget* button = tBar_->widgetForAction(tBar_->actions().at(1));
        ShowOptionMenu(tBar_->pos() + button->geometry().bottomLeft() + QPoint(0, 1));
    } else if (key == QLatin1String("keyCHANGEMODE")) {
        tool("keyCHANGEMODE")->setChecked(true);
        ChangeModeOp(0, false);
    } else if (key == QLatin1String("keyHAND1")) {
        ChangeAllSelctions(isAllSelected_);
        isAllSelected_ = !isAllSelected_;
    }
}

QAction* fSelStepKino::tool(const char* key) const
{
    auto* action = tBar_->findChild<QAction*>(QString::fromLatin1(key));
    if (!action)
        throw platform::tree::treeError(platform::tree::errElementNotFound);
    return action;
}

// ---- button-edit mode ----------------------------------------------------------

void fSelStepKino::ChangeModeOp(int32_t mode, bool apply)
{
    Ostrel7::trapped(reporter(), QStringLiteral("ChangeModeOp"), [&] {
        auto& select = control<QPushButton>(*this, QStringLiteral("BTN1"));
        if (mode == 0) {
            mode_ = 0;
            setWindowTitle(catalogueText(kResEditTitle));
            tv().setBackColor(kButtonFace);
            select.setText(catalogueText(kResUpdate));
            if (state().AskInEditingMode)
                mMOD::ShowMessage(58, 4);
            EnabledAllButton(false);
            tool("keyHAND1")->setEnabled(true);
            ReMakeTreeToEdit();
        } else {
            mode_ = 1;
            setWindowTitle(catalogueText(kResNormalTitle));
            tv().setBackColor(kOffered);
            select.setText(catalogueText(kResSelectAgain));
            EnabledAllButton(true);
            tool("keyHAND1")->setEnabled(false);
            tool("keyCHANGEMODE")->setChecked(false);
            if (apply)
                OKOp2();
            BuildTree(In_or_Out(), false);
            changeTodEditMode_ = false;
        }
    });
}

// Shows every function of the list (but those of "CALL", "JMP" and "STEP"),
// the ones not offered marked red. The list's flags end as they were: the
// entries un-hidden to build the tree are hidden again whatever fails on the
// way, so entering the mode never changes what a step file offers.
void fSelStepKino::ReMakeTreeToEdit()
{
    Ostrel7::trapped(reporter(), QStringLiteral("ReMakeTreeToEdit"), [&] {
        const std::optional<HiddenDic> dic = CreaeHidedDic();
        if (!dic)
            return;
        const auto restore = qScopeGuard([&] { RestoreToHidden(*dic); });
        colSel().SwitchHidden(false);
        BuildTree(In_or_Out(), true);
        for (SelectionNode* node : tv().Nodes())
            if (node->Level() != 1)
                node->setBackColor(kOffered);
        CheckUnUsedNode(*dic);
    });
}

std::optional<fSelStepKino::HiddenDic> fSelStepKino::CreaeHidedDic()
{
    return Ostrel7::trapped(reporter(), QStringLiteral("CreaeHidedDic"), [&]() -> std::optional<HiddenDic> {
        HiddenDic dic;
        for (const auto& entry : colSel())
            if (entry->Hidden() && mMOD::IsSelectableText(entry->Category()))
                dic.append({platform::tree::itemKey(entry->Value()), entry->Value()});
        return dic;
    });
}

void fSelStepKino::CheckUnUsedNode(const HiddenDic& dic)
{
    Ostrel7::trapped(reporter(), QStringLiteral("CheckUnUsedNode"), [&] {
        // Every node there is gets its mark; a missing one (a tree that could
        // not be built whole) is reported once.
        bool missing = false;
        for (const auto& [key, value] : dic) {
            SelectionNode* node = tv().Nodes().Find(key);
            if (node && node->Level() == 2)
                node->setBackColor(kNotOffered);
            else
                missing = true;
        }
        if (missing)
            throw platform::tree::treeError(platform::tree::errElementNotFound);
    });
}

void fSelStepKino::RestoreToHidden(const HiddenDic& dic)
{
    Ostrel7::trapped(reporter(), QStringLiteral("RestoreToHidden"), [&] {
        Telva27::colclsCusSelection& list = colSel();
        for (const auto& [key, value] : dic) {
            const QString code = QString::number(value);
            if (list.Contains(code))
                list.Item(code)->setHidden(true);
        }
    });
}

void fSelStepKino::NodeClick_EditOp(SelectionNode* node)
{
    Ostrel7::trapped(reporter(), QStringLiteral("NodeClick_EditOp"), [&] {
        if (!node || node->Level() == 1)
            return;
        node->setSelected(false);
        const int32_t mark = node->BackColor();
        if (mark == kNotOffered)
            node->setBackColor(kOffered);
        else if (mark == kOffered || mark == platform::tree::kDefaultColor)
            node->setBackColor(kNotOffered);
    });
}

void fSelStepKino::ChangeAllSelctions(bool flag)
{
    Ostrel7::trapped(reporter(), QStringLiteral("ChangeAllSelctions"), [&] {
        tv().setRedraw(false);
        const auto redraw = qScopeGuard([&] { tv().setRedraw(true); });
        for (SelectionNode* node : tv().Nodes())
            if (node->Level() != 1)
                SetNodeColor(*node, flag ? 0 : 1);
    });
}

void fSelStepKino::SetNodeColor(SelectionNode& node, int32_t colour)
{
    if (colour == 0)
        node.setBackColor(kNotOffered);
    else if (colour == 1)
        node.setBackColor(kOffered);
}

void fSelStepKino::EnabledAllButton(bool flag)
{
    Ostrel7::trapped(reporter(), QStringLiteral("EnabledAllButton"), [&] {
        for (QAction* action : tBar_->actions())
            action->setEnabled(flag);
    });
}

// Writes the marks into the list: a function is offered unless it is red.
// The prompt nodes carry no code and are skipped.
void fSelStepKino::OKOp2()
{
    Ostrel7::trapped(reporter(), QStringLiteral("OKOp2"), [&] {
        Telva27::colclsCusSelection& list = colSel();
        for (const SelectionNode* node : tv().Nodes()) {
            if (node->Level() == 1 || !node->TagVariant().isValid())
                continue;
            list.Item(QString::number(node->TagVariant().toInt()))->setHidden(node->BackColor() == kNotOffered);
        }
    });
}

void fSelStepKino::tv_KeyPress(int32_t& keyAscii)
{
    if (keyAscii != 13)
        return;
    // Enter answers here, and only here: the tree does not confirm it again.
    keyAscii = 0;
    BTN_Click(1);
}

void fSelStepKino::tv_Confirm()
{
    if (mode_ != 1)
        return;
    const SelectionNode* node = tv().SelectedItem();
    if (node && node->Text() != promptText_ && node->Children() == 0)
        BTN_Click(1);
}

bool fSelStepKino::Form_KeyDown(const QKeyEvent& e)
{
    if (e.key() != Qt::Key_F || !e.modifiers().testFlag(Qt::ControlModifier))
        return false;
    // As a click on the Find button: nothing while the button is disabled.
    QAction* find = tBar_->actions().isEmpty() ? nullptr : tBar_->actions().at(0);
    if (find && find->isEnabled())
        tBar_ButtonClick(find->objectName());
    return true;
}

bool fSelStepKino::eventFilter(QObject* watched, QEvent* e)
{
    bool handled = false;
    if (e->type() == QEvent::KeyPress)
        platform::guarded(QStringLiteral("Form_KeyDown"),
                          [&] { handled = Form_KeyDown(static_cast<const QKeyEvent&>(*e)); });
    return handled || SelectionForm::eventFilter(watched, e);
}

void fSelStepKino::keyPressEvent(QKeyEvent* e)
{
    bool handled = false;
    platform::guarded(QStringLiteral("Form_KeyDown"), [&] { handled = Form_KeyDown(*e); });
    if (!handled)
        SelectionForm::keyPressEvent(e);
}

void fSelStepKino::LayoutTree()
{
    const QSize inner = size();
    tv().setGeometry(tv().x(), kTreeTop, inner.width() - kTreeSides, inner.height() - kTreeBelow);
}

} // namespace Sorvi27
