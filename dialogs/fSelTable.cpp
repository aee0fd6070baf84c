#include "fSelTable.h"

#include "TableChoice.h"
#include "resource/clsResource.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace Sorvi27 {

using TableChoice::px;

namespace {

// Designed layout, in twips.
constexpr int32_t kClientWidth = 3765, kClientHeight = 4110;
constexpr int32_t kFrameLeft = 240, kFrameTop = 120, kFrameWidth = 1935, kFrameHeight = 3855;
constexpr int32_t kOptionLeft = 240, kOptionWidth = 1455, kOptionHeight = 360;
constexpr int32_t kButtonLeft = 2310, kButtonWidth = 1350, kButtonHeight = 390;
constexpr int32_t kOkTop = 480, kCancelTop = 990;
constexpr std::array<int32_t, 8> kRowTops = {240, 705, 1140, 1560, 1995, 2430, 2865, 3300};
// With table 0 hidden the frame shrinks to this many pixels.
constexpr int kHiddenFrameHeight = 225;
// The dialog opens at this place of the screen, in twips.
constexpr int32_t kLeft = 400, kTop = 1200;

QString res(int32_t n) { return Resource::clsResource().Res(n); }

} // namespace

fSelTable::fSelTable(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fSelTable"));
    buildControls();
}

void fSelTable::buildControls()
{
    setFixedSize(px(kClientWidth), px(kClientHeight));
    frameWaku_ = new QGroupBox(this);
    frameWaku_->setObjectName(QStringLiteral("frameWaku"));
    frameWaku_->setGeometry(px(kFrameLeft), px(kFrameTop), px(kFrameWidth), px(kFrameHeight));
    for (int i = 0; i < 8; ++i) {
        op_[i] = new QRadioButton(frameWaku_);
        op_[i]->setObjectName(QStringLiteral("op%1").arg(i));
        op_[i]->setGeometry(px(kOptionLeft), px(kRowTops[i]), px(kOptionWidth), px(kOptionHeight));
        // Moving among the options with the arrow keys selects as a click does.
        connect(op_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                op_Click(i);
        });
    }
    op_[0]->setText(QStringLiteral("テーブル０"));
    btnOk_ = new QPushButton(this);
    btnOk_->setObjectName(QStringLiteral("BTN1"));
    btnOk_->setGeometry(px(kButtonLeft), px(kOkTop), px(kButtonWidth), px(kButtonHeight));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, [this] { BTN_Click(1); });
    btnCancel_ = new QPushButton(this);
    btnCancel_->setObjectName(QStringLiteral("BTN2"));
    btnCancel_->setGeometry(px(kButtonLeft), px(kCancelTop), px(kButtonWidth), px(kButtonHeight));
    connect(btnCancel_, &QPushButton::clicked, this, [this] { BTN_Click(2); });
    // The dialog sees key presses before its controls.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

void fSelTable::Form_Load()
{
    InitTableRows();
    move(px(kLeft), px(kTop));
    SetCaptions();
    // Table 0 is hidden at load, so it is never preselected.
    const bool valid = tableIndex_ >= 1 && tableIndex_ <= 7;
    if (!valid)
        tableIndex_ = 1;
    op_[tableIndex_]->setChecked(true);
    op_[tableIndex_]->setFocus();
    ShowTableZero(false);
}

void fSelTable::InitTableRows()
{
    rowTops_ = kRowTops;
    frameHeight_ = frameWaku_->height();
    windowHeight_ = height();
    if (stdUsr_ == -1)
        setWindowTitle(res(423));
    else if (stdUsr_ == 1)
        setWindowTitle(res(421));
    else
        setWindowTitle(res(422));
}

void fSelTable::SetCaptions()
{
    frameWaku_->setTitle(res(335));
    btnOk_->setText(res(122));
    btnCancel_->setText(res(123));
    const QString table = res(124);
    for (int i = 1; i < 8; ++i)
        op_[i]->setText(QStringLiteral("%1 %2").arg(table).arg(i));
}

void fSelTable::ShowTableZero(bool visible)
{
    op_[0]->setHidden(!visible);
    const int shift = visible ? 0 : 1;
    for (int i = 1; i < 8; ++i)
        op_[i]->move(op_[i]->x(), px(rowTops_[i - shift]));
    if (visible) {
        frameWaku_->resize(frameWaku_->width(), frameHeight_);
        setFixedHeight(windowHeight_);
    } else {
        // The window keeps the designed margin below the shrunken frame.
        const int margin = windowHeight_ - frameWaku_->y() - frameHeight_;
        frameWaku_->resize(frameWaku_->width(), kHiddenFrameHeight);
        setFixedHeight(frameWaku_->y() + kHiddenFrameHeight + margin);
    }
}

bool fSelTable::Form_KeyDown(const QKeyEvent& e)
{
    if (!TableChoice::isTableZeroToggle(e) || !viewZero_)
        return false;
    ShowTableZero(op_[0]->isHidden());
    return true;
}

void fSelTable::op_Click(int index) { tableIndex_ = index; }

void fSelTable::BTN_Click(int index)
{
    if (index == 1) {
        accept();
    } else {
        tableIndex_ = -1;
        reject();
    }
}

void fSelTable::keyPressEvent(QKeyEvent* e)
{
    if (Form_KeyDown(*e))
        return;
    // Escape means Cancel; only the close box keeps the selected table.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        BTN_Click(2);
        return;
    }
    QDialog::keyPressEvent(e);
}

bool fSelTable::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && Form_KeyDown(static_cast<const QKeyEvent&>(*e)))
        return true;
    return QDialog::eventFilter(watched, e);
}

} // namespace Sorvi27
