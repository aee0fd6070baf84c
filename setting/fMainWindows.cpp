// fMain: finding, questioning, resetting and closing the editing windows among
// the MDI children, and growing the parameter menu.

#include "fMain.h"

#include "EditingWindow.h"
#include "ProgramState.h"

#include "dialogs/clsSelectKino.h"

#include "platform/RuntimeError.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <cstdint>
#include <limits>

namespace QelmSet {

QList<QWidget*> fMain::loadedForms() const
{
    QList<QWidget*> forms;
    for (QMdiSubWindow* frame : mdi_->subWindowList())
        if (frame->widget())
            forms << frame->widget();
    return forms;
}

QList<EditingWindow*> fMain::editingWindows() const
{
    QList<EditingWindow*> windows;
    for (QWidget* form : loadedForms())
        if (auto* window = qobject_cast<EditingWindow*>(form); window && IsInputForm(window->objectName()))
            windows << window;
    return windows;
}

bool fMain::IsInputForm(const QString& formName)
{
    return formName == QLatin1String("fCusData") || formName == QLatin1String("fParam") ||
           formName == QLatin1String("fOkuriParam");
}

bool fMain::ExistForm(const QString& tag)
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("ExistForm"), [&] {
        for (EditingWindow* window : editingWindows())
            if (window->Tag() == tag)
                return true;
        return false;
    });
}

void fMain::SetFocusToForm(const QString& tag)
{
    Ostrel7::trapped(*state_->method, QStringLiteral("SetFocusToForm"), [&] {
        for (EditingWindow* window : editingWindows()) {
            if (window->Tag() != tag)
                continue;
            auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
            if (frame && (frame->isHidden() || !frame->isEnabled()))
                throw platform::RuntimeError(platform::errInvalidCall,
                                             QStringLiteral("Invalid procedure call: the window cannot take the focus"));
            if (frame)
                mdi_->setActiveSubWindow(frame);
            window->setFocus();
            return;
        }
    });
}

bool fMain::anyChanged(const QString& label)
{
    return Ostrel7::trapped(*state_->method, label, [&] {
        for (EditingWindow* window : editingWindows())
            if (window->IsChanged())
                return true;
        return false;
    });
}

bool fMain::IsExistChanged() { return anyChanged(QStringLiteral("IsExistChanged")); }

// Asked before the data copy; the same question under its own label.
bool fMain::QueryChanged() { return anyChanged(QStringLiteral("QueryChanged")); }

void fMain::CancelAllUpdate()
{
    Ostrel7::trapped(*state_->method, QStringLiteral("CancelAllUpdate"), [&] {
        for (EditingWindow* window : editingWindows())
            window->ControlChange(false);
    });
}

bool fMain::CloseAllForm()
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("CloseAllForm"), [&] {
        // Each window asks its own question about unsaved edits as it closes.
        bool allClosed = true;
        for (EditingWindow* window : editingWindows()) {
            auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
            allClosed = (frame ? frame->close() : window->close()) && allClosed;
        }
        // The customize selection dialogs hold the lists of the closed windows' pins.
        state_->selectKino->UnloadCustomForms();
        return allClosed;
    });
}

EditingWindow* fMain::IsLoadedFormByTag(const QString& tag)
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("IsLoadedFormByTag"), [&]() -> EditingWindow* {
        for (EditingWindow* window : editingWindows())
            if (window->objectName() == QLatin1String("fParam") && window->Tag() == tag)
                return window;
        return nullptr;
    });
}

int32_t fMain::Load_mnuParamCotentn()
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("Load_mnuParamCotentn"), [&]() -> int32_t {
        const qsizetype index = mnuParamContent_.size();
        // The menu array is indexed by a 16-bit number.
        if (index > std::numeric_limits<int16_t>::max())
            throw platform::RuntimeError(platform::errOverflow);
        QAction* item = mnuParam_->addAction(QString());
        item->setObjectName(QStringLiteral("mnuParamContent%1").arg(index));
        mnuParamContent_ << item;
        return static_cast<int32_t>(index);
    });
}

QAction* fMain::mnuParamContent(int32_t index) const
{
    return index >= 0 && index < mnuParamContent_.size() ? mnuParamContent_[index] : nullptr;
}

} // namespace QelmSet
