#include "EditingWindow.h"

#include "mMOD.h"

#include "platform/EventGuard.h"
#include "resource/clsResource.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QPixmapCache>
#include <QPushButton>

namespace QelmSet {

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
