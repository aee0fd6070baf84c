#include "clsToolTip.h"

#include "platform/SystemColors.h"
#include "platform/Ui.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QStyleHints>
#include <QWidget>
#include <algorithm>

namespace Ostrel7 {

namespace {

// The tip appears this far below the mouse position, clear of the pointer.
constexpr int kPointerClearance = 20;

// The platform's default delays follow the double-click time.
int32_t doubleClickTime() { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); }
int32_t defaultInitialTime() { return doubleClickTime(); }
int32_t defaultAutoPopTime() { return doubleClickTime() * 10; }
int32_t defaultReShowTime() { return doubleClickTime() / 5; }

// Every widget under the parent reports plain mouse moves, so resting on a
// tool is seen wherever the pointer is inside the parent.
void trackMouse(QWidget* parent)
{
    parent->setMouseTracking(true);
    for (QWidget* child : parent->findChildren<QWidget*>())
        child->setMouseTracking(true);
}

} // namespace

clsToolTip::clsToolTip()
{
    showTimer_.setSingleShot(true);
    popTimer_.setSingleShot(true);
    QObject::connect(&showTimer_, &QTimer::timeout, this, [this] { showHoverTip(); });
    QObject::connect(&popTimer_, &QTimer::timeout, this, [this] { hideTip(); });
}

clsToolTip::~clsToolTip()
{
    // The tip window only lives through this object's handlers; without them
    // it would stay on screen unchanged.
    delete tip_.data();
}

bool clsToolTip::Create(QWidget* hwnd)
{
    if (!hwnd)
        return false;
    // A second Create starts afresh: the tools belonged to the old window.
    delete tip_.data();
    tools_.clear();
    hoverKey_.reset();
    shownKey_.reset();
    trackKey_.reset();

    parent_ = hwnd;
    auto* tip = new QLabel(hwnd, Qt::ToolTip | Qt::FramelessWindowHint);
    tip->setTextFormat(Qt::PlainText);
    // No frame: Qt draws a frame inside the contents margins, where the
    // tip's margins must show its back colour.
    tip->setFrameStyle(QFrame::NoFrame);
    tip->setAutoFillBackground(true);
    tip->setAttribute(Qt::WA_ShowWithoutActivating);
    tip_ = tip;

    const QPalette palette = QGuiApplication::palette();
    backColor_ = static_cast<int32_t>(platform::toOleColor(palette.color(QPalette::ToolTipBase)));
    foreColor_ = static_cast<int32_t>(platform::toOleColor(palette.color(QPalette::ToolTipText)));
    initialTime_ = defaultInitialTime();
    autoPopTime_ = defaultAutoPopTime();
    reShowTime_ = defaultReShowTime();
    std::fill(std::begin(margins_), std::end(margins_), 0);
    maxWidth_ = -1;
    active_ = true;
    applyLook();

    trackMouse(hwnd);
    if (!filtering_ && qApp) {
        qApp->installEventFilter(this);
        filtering_ = true;
    }
    return true;
}

bool clsToolTip::Add(int32_t lngKey, const QString& sText, int32_t lngLeft, int32_t lngTop, int32_t lngRight,
                     int32_t lngBottom)
{
    if (!bound())
        return false;
    Tool tool{lngKey, lngLeft, lngTop, lngRight, lngBottom, sText};
    if (lngLeft == 0 && lngTop == 0 && lngRight == 0 && lngBottom == 0) {
        tool.right = parent_->width();
        tool.bottom = parent_->height();
    }
    tools_.push_back(tool);
    return true;
}

void clsToolTip::Remove(int32_t lngKey)
{
    if (!bound())
        return;
    const auto it = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.id == lngKey; });
    if (it == tools_.end())
        return;
    tools_.erase(it);
    if (shownKey_ == lngKey)
        hideTip();
    if (hoverKey_ == lngKey)
        hoverKey_.reset();
    if (trackKey_ == lngKey)
        trackKey_.reset();
}

clsToolTip::Tool* clsToolTip::find(int32_t id)
{
    const auto it = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return t.id == id; });
    return it == tools_.end() ? nullptr : &*it;
}

const clsToolTip::Tool* clsToolTip::find(int32_t id) const { return const_cast<clsToolTip*>(this)->find(id); }

// Rectangles include their left and top edges, not their right and bottom ones.
const clsToolTip::Tool* clsToolTip::toolAt(const QPoint& pos) const
{
    for (const Tool& t : tools_)
        if (pos.x() >= t.left && pos.x() < t.right && pos.y() >= t.top && pos.y() < t.bottom)
            return &t;
    return nullptr;
}

int32_t clsToolTip::side(int32_t which, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    switch (which) {
    case eTIMarginLeft: return left;
    case eTIMarginTop: return top;
    case eTIMarginRight: return right;
    case eTIMarginBottom: return bottom;
    default: return 0;
    }
}

int32_t clsToolTip::BackColor() const { return bound() ? backColor_ : 0; }
int32_t clsToolTip::ForeColor() const { return bound() ? foreColor_ : 0; }

void clsToolTip::setBackColor(int32_t value)
{
    if (!bound())
        return;
    backColor_ = value;
    applyLook();
}

void clsToolTip::setForeColor(int32_t value)
{
    if (!bound())
        return;
    foreColor_ = value;
    applyLook();
}

int32_t clsToolTip::InitialTime() const { return bound() ? initialTime_ : 0; }
int32_t clsToolTip::AutoPopTime() const { return bound() ? autoPopTime_ : 0; }
int32_t clsToolTip::ReShowTime() const { return bound() ? reShowTime_ : 0; }

void clsToolTip::setInitialTime(int32_t value)
{
    if (bound())
        initialTime_ = value < 0 ? defaultInitialTime() : value;
}

void clsToolTip::setAutoPopTime(int32_t value)
{
    if (bound())
        autoPopTime_ = value < 0 ? defaultAutoPopTime() : value;
}

void clsToolTip::setReShowTime(int32_t value)
{
    if (bound())
        reShowTime_ = value < 0 ? defaultReShowTime() : value;
}

void clsToolTip::SetMargin(int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom)
{
    if (!bound())
        return;
    margins_[0] = lngLeft;
    margins_[1] = lngTop;
    margins_[2] = lngRight;
    margins_[3] = lngBottom;
    applyLook();
}

int32_t clsToolTip::GetMargin(int32_t Which) const
{
    return bound() ? side(Which, margins_[0], margins_[1], margins_[2], margins_[3]) : 0;
}

int32_t clsToolTip::MaxWidth() const { return bound() ? maxWidth_ : 0; }

void clsToolTip::setMaxWidth(int32_t value)
{
    if (!bound())
        return;
    maxWidth_ = value;
    if (shownKey_ || trackKey_)
        layoutTip(tip_->text());
}

void clsToolTip::SetBoundingRect(int32_t lngKey, int32_t lngLeft, int32_t lngTop, int32_t lngRight,
                                 int32_t lngBottom)
{
    if (!bound())
        return;
    if (Tool* tool = find(lngKey)) {
        tool->left = lngLeft;
        tool->top = lngTop;
        tool->right = lngRight;
        tool->bottom = lngBottom;
    }
}

int32_t clsToolTip::GetBoundingRect(int32_t lngKey, int32_t Which) const
{
    const Tool* tool = bound() ? find(lngKey) : nullptr;
    return tool ? side(Which, tool->left, tool->top, tool->right, tool->bottom) : 0;
}

int32_t clsToolTip::ToolCount() const { return bound() ? static_cast<int32_t>(tools_.size()) : 0; }

void clsToolTip::setToolText(int32_t lngKey, const QString& text)
{
    Tool* tool = bound() ? find(lngKey) : nullptr;
    if (!tool)
        return;
    tool->text = text;
    if (shownKey_ == lngKey) {
        if (text.isEmpty())
            hideTip();
        else
            layoutTip(text);
    } else if (hoverKey_ == lngKey && !trackKey_ && !text.isEmpty() && !showTimer_.isActive()) {
        // The owner usually sets the text while the pointer moves over the tool.
        arm(initialTime_);
    }
}

void clsToolTip::setActivate(bool value)
{
    if (!bound())
        return;
    active_ = value;
    if (!value) {
        showTimer_.stop();
        hideTip();
    } else if (trackKey_) {
        if (const Tool* tool = find(*trackKey_))
            display(*tool, trackPos_);
    }
}

void clsToolTip::setToolTrack(int32_t lngKey, bool value)
{
    const Tool* tool = bound() ? find(lngKey) : nullptr;
    if (!tool)
        return;
    if (value) {
        showTimer_.stop();
        hideTip();
        trackKey_ = lngKey;
        if (active_)
            display(*tool, trackPos_);
    } else if (trackKey_ == lngKey) {
        trackKey_.reset();
        hideTip();
    }
}

void clsToolTip::ToolTrackPosition(int32_t lngX, int32_t lngY)
{
    if (!bound())
        return;
    trackPos_ = QPoint(lngX, lngY);
    if (trackKey_ && shownKey_ == trackKey_)
        tip_->move(trackPos_);
}

bool clsToolTip::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::Leave && type != QEvent::MouseButtonPress &&
        type != QEvent::Wheel)
        return false;
    if (!bound() || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != parent_ && !parent_->isAncestorOf(widget))
        return false;
    if (type == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        mouseMoved(widget->mapTo(parent_.data(), mouse->position().toPoint()), mouse->globalPosition().toPoint());
    } else if (type == QEvent::Leave) {
        if (widget == parent_)
            mouseLeft();
    } else if (!trackKey_) {
        // A click or a wheel turn puts the tip away, as the pointer's owner is busy.
        showTimer_.stop();
        hideTip();
    }
    return false;
}

void clsToolTip::mouseMoved(const QPoint& pos, const QPoint& globalPos)
{
    mouseGlobal_ = globalPos;
    if (trackKey_)
        return;
    const Tool* tool = toolAt(pos);
    const std::optional<int32_t> key = tool ? std::optional<int32_t>(tool->id) : std::nullopt;
    if (key != hoverKey_) {
        const bool wasShowing = shownKey_.has_value();
        showTimer_.stop();
        hideTip();
        hoverKey_ = key;
        if (key)
            arm(wasShowing ? reShowTime_ : initialTime_);
    } else if (key && !shownKey_ && !showTimer_.isActive()) {
        arm(initialTime_);
    }
}

void clsToolTip::mouseLeft()
{
    hoverKey_.reset();
    showTimer_.stop();
    if (!trackKey_)
        hideTip();
}

void clsToolTip::arm(int32_t delay)
{
    if (delay <= 0)
        showHoverTip();
    else
        showTimer_.start(delay);
}

void clsToolTip::showHoverTip()
{
    if (!bound() || !active_ || trackKey_ || !hoverKey_)
        return;
    const Tool* tool = find(*hoverKey_);
    if (!tool || tool->text.isEmpty())
        return;
    display(*tool, mouseGlobal_ + QPoint(0, kPointerClearance));
    if (autoPopTime_ > 0)
        popTimer_.start(autoPopTime_);
}

void clsToolTip::display(const Tool& tool, const QPoint& globalPos)
{
    if (tool.text.isEmpty())
        return;
    layoutTip(tool.text);
    QPoint pos = globalPos;
    // A hover tip stays on the screen; a tracked tip goes exactly where it is put.
    if (!trackKey_) {
        if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
            const QRect area = screen->availableGeometry();
            pos.setX(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() + 1 - tip_->width())));
            pos.setY(std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom() + 1 - tip_->height())));
        }
    }
    tip_->move(pos);
    tip_->show();
    shownKey_ = tool.id;
}

// Long texts wrap at the maximum width; short ones keep their natural width.
void clsToolTip::layoutTip(const QString& text)
{
    const QString shown = platform::displayText(text);
    tip_->setText(shown);
    const QMargins m = tip_->contentsMargins();
    const int frame = 2 * tip_->frameWidth();
    const int natural = tip_->fontMetrics().boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, shown).width();
    const bool wrap = maxWidth_ > 0 && natural > maxWidth_;
    tip_->setWordWrap(wrap);
    if (wrap) {
        const int width = maxWidth_ + m.left() + m.right() + frame;
        tip_->resize(width, tip_->heightForWidth(width));
    } else {
        tip_->resize(tip_->sizeHint());
    }
}

void clsToolTip::applyLook()
{
    QPalette palette = tip_->palette();
    const QColor back = platform::oleColor(static_cast<uint32_t>(backColor_));
    const QColor fore = platform::oleColor(static_cast<uint32_t>(foreColor_));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::ToolTipBase, back);
        palette.setColor(group, QPalette::WindowText, fore);
        palette.setColor(group, QPalette::ToolTipText, fore);
    }
    tip_->setPalette(palette);
    tip_->setContentsMargins(margins_[0], margins_[1], margins_[2], margins_[3]);
    if (shownKey_)
        layoutTip(tip_->text());
}

void clsToolTip::hideTip()
{
    popTimer_.stop();
    shownKey_.reset();
    if (tip_)
        tip_->hide();
}

} // namespace Ostrel7
