// fMain: the toolbar commands, the Option pop-up menu with its View submenu,
// and the arrangement of the step windows.

#include "fMain.h"

#include "ProgramState.h"
#include "fStep.h"

#include "common/MdiArrangement.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "platform/EventGuard.h"
#include "platform/Ui.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>

namespace QelmStp {

void fMain::buildMenus()
{
    mnuOption_ = new QMenu(this);
    mnuOption_->setObjectName(QStringLiteral("mnuOption"));
    mnuView_ = mnuOption_->addMenu(QString());
    mnuView_->setObjectName(QStringLiteral("mnuView"));
    mnuView_->menuAction()->setObjectName(QStringLiteral("mnuViewItem"));
    for (int32_t i = 1; i <= 3; ++i) {
        QAction* view = mnuView_->addAction(QString());
        view->setObjectName(QStringLiteral("mnuViewContent%1").arg(i));
        view->setCheckable(true);
        mnuViewContent_[static_cast<size_t>(i)] = view;
    }
    for (int32_t i = 1; i <= 3; ++i) {
        QAction* option = mnuOption_->addAction(QString());
        option->setObjectName(QStringLiteral("mnuOptionContent%1").arg(i));
        option->setCheckable(true);
        mnuOptionContent_[static_cast<size_t>(i)] = option;
    }
    for (int32_t i = 1; i <= 3; ++i) {
        connect(mnuViewContent_[static_cast<size_t>(i)], &QAction::triggered, this, [this, i] {
            platform::guarded(QStringLiteral("mnuViewContent_Click"), [&] { mnuViewContent_Click(i); });
        });
        connect(mnuOptionContent_[static_cast<size_t>(i)], &QAction::triggered, this, [this, i] {
            platform::guarded(QStringLiteral("mnuOptionContent_Click"), [&] { mnuOptionContent_Click(i); });
        });
    }
}

QAction* fMain::mnuViewContent(int32_t index) const
{
    return index >= 1 && index <= 3 ? mnuViewContent_[static_cast<size_t>(index)] : nullptr;
}

QAction* fMain::mnuOptionContent(int32_t index) const
{
    return index >= 1 && index <= 3 ? mnuOptionContent_[static_cast<size_t>(index)] : nullptr;
}

void fMain::connectCommands()
{
    for (QAction* button : tBar_->actions()) {
        const QString key = button->objectName();
        connect(button, &QAction::triggered, this, [this, key] {
            platform::guarded(QStringLiteral("tBar_ButtonClick"), [&] { tBar_ButtonClick(key); });
        });
    }
}

void fMain::tBar_ButtonClick(const QString& key)
{
    Ostrel7::trapped(*state_->method, QStringLiteral("tBar_ButtonClick"), [&] {
        if (key == QLatin1String("keyCLOSE")) {
            close();
        } else if (key == QLatin1String("keyOption")) {
            CheckOptionMenu();
            PopupOptionMenu();
        } else if (key == QLatin1String("DataCopy")) {
            DataCopy();
        } else if (key == QLatin1String("keyWARRANGE")) {
            ArrangeTiled();
        }
    });
}

void fMain::PopupOptionMenu()
{
    // The menu opens at the lower-left corner of the button.
    QWidget* button = tBar_->widgetForAction(toolKey(QStringLiteral("keyOption")));
    const QPoint corner = button ? button->mapToGlobal(QPoint(0, button->height())) : mapToGlobal(QPoint());
    platform::ui().popupMenu(*mnuOption_, corner);
}

void fMain::DataCopy()
{
    // The main window comes back whatever the copy does.
    struct ShowAgain {
        fMain& window;
        ~ShowAgain() { window.show(); }
    } showAgain{*this};
    hide();
    const QString& user = state_->UsrFullFname;
    const QString source = QFileInfo(user).suffix().toUpper() == QLatin1String("STP") ? user : QString();
    const bool changed = state_->frmUsr && state_->frmUsr->IsChanged();
    state_->print->CopyData(Sorvi27::eCOPY_STP, source, changed);
}

void fMain::ArrangeTiled() { QelmCommon::TileHorizontally(*mdi_); }

void fMain::CheckOptionMenu()
{
    Ostrel7::trapped(*state_->method, QStringLiteral("CheckOptionMenu"), [&] {
        const ProgramState& s = *state_;
        mnuViewContent_[1]->setChecked(s.DoesViewRemarkColumn);
        mnuViewContent_[2]->setChecked(s.DoesViewButtonCaption);
        mnuViewContent_[3]->setChecked(s.DoesViewInputMethod);
        mnuOptionContent_[1]->setChecked(s.DoesReplaceFunction);
        mnuOptionContent_[2]->setChecked(s.DoesAskInReplacing);
        mnuOptionContent_[3]->setChecked(s.selectKino->DoesAskInEditingMode());
    });
}

void fMain::mnuViewContent_Click(int32_t index)
{
    Ostrel7::trapped(*state_->method, QStringLiteral("mnuViewContent_Click"), [&] {
        ProgramState& s = *state_;
        fStep* reference = s.frmStd && s.frmStd->IsLoaded() ? s.frmStd.data() : nullptr;
        switch (index) {
        case 1:
            s.DoesViewRemarkColumn = !s.DoesViewRemarkColumn;
            s.frmUsr->ControlRemarkColumn(s.DoesViewRemarkColumn);
            if (reference)
                reference->ControlRemarkColumn(s.DoesViewRemarkColumn);
            break;
        case 2:
            s.DoesViewButtonCaption = !s.DoesViewButtonCaption;
            UpdateButtonDisplay(*s.frmUsr);
            if (reference)
                UpdateButtonDisplay(*reference);
            break;
        case 3:
            s.DoesViewInputMethod = !s.DoesViewInputMethod;
            s.frmUsr->SetHintBandVisible(s.DoesViewInputMethod);
            break;
        default: break;
        }
        SaveSettings();
    });
}

void fMain::mnuOptionContent_Click(int32_t index)
{
    Ostrel7::trapped(*state_->method, QStringLiteral("mnuOptionContent_Click"), [&] {
        ProgramState& s = *state_;
        switch (index) {
        case 1: s.DoesReplaceFunction = !s.DoesReplaceFunction; break;
        case 2: s.DoesAskInReplacing = !s.DoesAskInReplacing; break;
        case 3: s.selectKino->setDoesAskInEditingMode(!s.selectKino->DoesAskInEditingMode()); break;
        default: break;
        }
        SaveSettings();
    });
}

void fMain::UpdateButtonDisplay(fStep& window)
{
    Ostrel7::trapped(*state_->method, QStringLiteral("UpdateButtonDisplay"), [&] {
        window.ShowButtonCaption(state_->DoesViewButtonCaption);
        // The toolbar band follows the height of the user window's toolbar.
        window.band(QStringLiteral("keyTOOLBAR")).setMinimumHeight(state_->frmUsr->tBar().sizeHint().height());
        window.Form_Resize();
    });
}

} // namespace QelmStp
