#include "EditingWindow.h"

#include "mMOD.h"

#include "platform/EventGuard.h"

#include <QCloseEvent>
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
