#include "EditingWindow.h"

#include "mMOD.h"

#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "resource/clsResource.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPixmapCache>
#include <QPushButton>

#include <algorithm>

namespace QelmSet {

namespace {

// The button bar's margin below its last button, and its inset from the
// window's top and bottom edges together (twips).
constexpr int32_t kButtonBarMargin = 120;
constexpr int32_t kButtonBarInset = 3 + 3;

} // namespace

EditingWindow::EditingWindow(const QString& formName, QWidget* parent) : QWidget(parent)
{
    setObjectName(formName);
}

void EditingWindow::ControlChange(bool changed)
{
    changed_ = changed;
    if (auto* save = findChild<QPushButton*>(QStringLiteral("BTN1")))
        save->setEnabled(changed);
}

QSize EditingWindow::minimumSizeHint() const
{
    // All the buttons of the button bar stay in view.
    const QWidget* bar = findChild<QWidget*>(QStringLiteral("picCMD"));
    if (!bar)
        return QWidget::minimumSizeHint();
    int bottom = 0;
    for (const QWidget* button : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!button->isHidden())
            bottom = std::max(bottom, button->geometry().bottom() + 1);
    return {bar->width(), bottom + platform::twipsToPixels(kButtonBarMargin + kButtonBarInset)};
}

QPixmap EditingWindow::picture(int32_t id, bool masked)
{
    const QString key = QStringLiteral("QelmSet.EditingWindow.%1.%2").arg(id).arg(masked);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    const auto resource = Resource::clsResource().PicRes(id);
    if (!resource)
        return {};
    cached = resource->pixmap();
    if (masked)
        cached.setMask(cached.createMaskFromColor(QColor(255, 0, 255)));
    QPixmapCache::insert(key, cached);
    return cached;
}

bool EditingWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowIconChange || event->type() == QEvent::ParentChange) {
        auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
        // The frame tells its children of its new icon in turn: set it once.
        if (frame && testAttribute(Qt::WA_SetWindowIcon) && frame->windowIcon().cacheKey() != windowIcon().cacheKey())
            frame->setWindowIcon(windowIcon());
    }
    return QWidget::event(event);
}

void EditingWindow::closeEvent(QCloseEvent* event)
{
    platform::guarded(QStringLiteral("Form_QueryUnload"), [&] {
        bool cancel = false;
        mMOD::Form_Unload(*this, IsChanged(), cancel);
        if (cancel)
            event->ignore();
        else
            event->accept();
    });
}

} // namespace QelmSet
