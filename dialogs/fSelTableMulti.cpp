#include "fSelTableMulti.h"

#include "TableChoice.h"
#include "mMOD.h"
#include "resource/clsResource.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

namespace Sorvi27 {

using TableChoice::px;

namespace {

// Designed layout, in twips.
constexpr int32_t kClientWidth = 3870, kClientHeight = 4635;
constexpr int32_t kFrameLeft = 180, kFrameTop = 120, kFrameWidth = 1935, kFrameHeight = 4395;
constexpr int32_t kCheckLeft = 180, kCheckWidth = 1575, kCheckHeight = 400;
constexpr int32_t kButtonLeft = 2310, kButtonWidth = 1350, kButtonHeight = 390;
constexpr int32_t kOkTop = 240, kCancelTop = 750, kSelAllTop = 1260;
constexpr std::array<int32_t, 8> kRowTops = {240, 754, 1268, 1782, 2296, 2810, 3324, 3840};
// With table 0 hidden the frame shrinks to this many pixels.
constexpr int kHiddenFrameHeight = 255;
// The dialog opens at this place of the screen, in twips.
constexpr int32_t kLeft = 400, kTop = 1200;
// "At least, one table must be selected!", exclamation.
constexpr int16_t kMsgNothingTicked = 61, kKindExclamation = 2;

QString res(int32_t n) { return Resource::clsResource().Res(n); }

} // namespace

fSelTableMulti::fSelTableMulti(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fSelTableMulti"));
    buildControls();
}

void fSelTableMulti::buildControls()
{
    setFixedSize(px(kClientWidth), px(kClientHeight));
    frameWaku_ = new QGroupBox(this);
    frameWaku_->setObjectName(QStringLiteral("frameWaku"));
    frameWaku_->setGeometry(px(kFrameLeft), px(kFrameTop), px(kFrameWidth), px(kFrameHeight));
    for (int i = 0; i < 8; ++i) {
        chk_[i] = new QCheckBox(frameWaku_);
        chk_[i]->setObjectName(QStringLiteral("chk%1").arg(i));
        chk_[i]->setGeometry(px(kCheckLeft), px(kRowTops[i]), px(kCheckWidth), px(kCheckHeight));
        connect(chk_[i], &QCheckBox::clicked, this, [this, i] { chk_Click(i); });
    }
    chk_[0]->setText(QStringLiteral("テーブル　０"));
    btnOk_ = new QPushButton(this);
    btnOk_->setObjectName(QStringLiteral("BTN1"));
    btnOk_->setGeometry(px(kButtonLeft), px(kOkTop), px(kButtonWidth), px(kButtonHeight));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, [this] { BTN_Click(1); });
    btnCancel_ = new QPushButton(this);
    btnCancel_->setObjectName(QStringLiteral("BTN2"));
    btnCancel_->setGeometry(px(kButtonLeft), px(kCancelTop), px(kButtonWidth), px(kButtonHeight));
    connect(btnCancel_, &QPushButton::clicked, this, [this] { BTN_Click(2); });
    chkSelAll_ = new QCheckBox(QStringLiteral("全選択(&A)"), this);
    chkSelAll_->setObjectName(QStringLiteral("chkSelAll"));
    chkSelAll_->setGeometry(px(kButtonLeft), px(kSelAllTop), px(kButtonWidth), px(kButtonHeight));
    connect(chkSelAll_, &QCheckBox::clicked, this, [this] { chkSelAll_Click(); });
    // The dialog sees key presses before its controls.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

void fSelTableMulti::Form_Load()
{
    InitTableRows();
    move(px(kLeft), px(kTop));
    SetCaptions();
    // Table 0 is hidden at load, so it is never preselected.
    if (tableIndex_ < 1 || tableIndex_ > 7)
        tableIndex_ = 1;
    chk_[tableIndex_]->setChecked(true);
    ShowTableZero(false);
}

void fSelTableMulti::InitTableRows()
{
    arTableIndex_ = {0};
    rowTops_ = kRowTops;
    frameHeight_ = frameWaku_->height();
    windowHeight_ = height();
}

void fSelTableMulti::SetCaptions()
{
    setWindowTitle(res(125));
    frameWaku_->setTitle(res(335));
    btnOk_->setText(res(122));
    btnCancel_->setText(res(123));
    const QString table = res(124);
    for (int i = 1; i < 8; ++i)
        chk_[i]->setText(QStringLiteral("%1 %2").arg(table).arg(i));
}

void fSelTableMulti::ShowTableZero(bool visible)
{
    chk_[0]->setHidden(!visible);
    const int shift = visible ? 0 : 1;
    for (int i = 1; i < 8; ++i)
        chk_[i]->move(chk_[i]->x(), px(rowTops_[i - shift]));
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

// Every ticked table, hidden table 0 included, after the leading 0.
std::vector<int32_t> fSelTableMulti::GetCheckedTables() const
{
    std::vector<int32_t> tables{0};
    for (int i = 0; i < 8; ++i)
        if (chk_[i]->isChecked())
            tables.push_back(i);
    return tables;
}

bool fSelTableMulti::Form_KeyDown(const QKeyEvent& e)
{
    if (!TableChoice::isTableZeroToggle(e) || !viewZero_)
        return false;
    ShowTableZero(chk_[0]->isHidden());
    return true;
}

void fSelTableMulti::chk_Click(int index) { tableIndex_ = index; }

// Select-all sets the visible tables only: table 0 only while it is shown.
void fSelTableMulti::chkSelAll_Click()
{
    const int first = chk_[0]->isHidden() ? 1 : 0;
    for (int i = first; i < 8; ++i)
        chk_[i]->setChecked(chkSelAll_->isChecked());
}

void fSelTableMulti::BTN_Click(int index)
{
    if (index == 1) {
        arTableIndex_ = GetCheckedTables();
        if (arTableIndex_.size() > 1)
            accept();
        else
            mMOD::ShowMessage(kMsgNothingTicked, kKindExclamation);
    } else {
        arTableIndex_ = {0};
        reject();
    }
}

void fSelTableMulti::keyPressEvent(QKeyEvent* e)
{
    if (Form_KeyDown(*e))
        return;
    QDialog::keyPressEvent(e); // Escape rejects: a cancel
}

bool fSelTableMulti::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && Form_KeyDown(static_cast<const QKeyEvent&>(*e)))
        return true;
    return QDialog::eventFilter(watched, e);
}

} // namespace Sorvi27
