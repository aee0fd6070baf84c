// fMain: what the toolbar buttons, their menus and the parameter and customize
// menus do.

#include "fMain.h"

#include "EditingWindow.h"
#include "ProgramState.h"
#include "SettingFiles.h"
#include "fCusData.h"
#include "fHeader.h"
#include "fOkuriParam.h"
#include "fParam.h"
#include "mMOD.h"

#include "common/MdiArrangement.h"
#include "common/ProgramLaunch.h"
#include "common/PublishedFolders.h"
#include "datamodel/common/Enums.h"
#include "dialogs/clsPrint.h"
#include "platform/EventGuard.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/clsMethod.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace QelmSet {

using settingfiles::upperExtension;

void fMain::connectCommands()
{
    heldModifiers = [] { return QGuiApplication::queryKeyboardModifiers(); };
    for (QAction* button : tBar_->actions()) {
        const QString key = button->objectName();
        connect(button, &QAction::triggered, this, [this, key] {
            platform::guarded(QStringLiteral("tBar_ButtonClick"), [&] { tBar_ButtonClick(key); });
        });
        if (QMenu* menu = button->menu()) {
            connect(menu, &QMenu::aboutToShow, this, [this, key] {
                platform::guarded(QStringLiteral("tBar_ButtonDropDown"), [&] { tBar_ButtonDropDown(key); });
            });
            connect(menu, &QMenu::triggered, this, [this](QAction* item) {
                const QString itemKey = item->objectName();
                platform::guarded(QStringLiteral("tBar_ButtonMenuClick"), [&] { tBar_ButtonMenuClick(itemKey); });
            });
        }
    }
    for (QAction* button : tBar2_->actions()) {
        const QString key = button->objectName();
        connect(button, &QAction::triggered, this, [this, key] {
            platform::guarded(QStringLiteral("tBar2_ButtonClick"), [&] { tBar2_ButtonClick(key); });
        });
    }
    connect(mnuParam_, &QMenu::triggered, this, [this](QAction* item) {
        const auto index = static_cast<int32_t>(mnuParamContent_.indexOf(item));
        platform::guarded(QStringLiteral("mnuParamContent_Click"), [&] { mnuParamContent_Click(index); });
    });
    connect(mnuCustomize_, &QMenu::triggered, this, [this](QAction* item) {
        const auto index = static_cast<int32_t>(std::find(mnuCustomizeContent_.begin(), mnuCustomizeContent_.end(), item) -
                                                mnuCustomizeContent_.begin());
        platform::guarded(QStringLiteral("mnuCustomizeContent_Click"), [&] { mnuCustomizeContent_Click(index); });
    });
}

void fMain::tBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("keyCLOSE"))
        close();
    else if (key == QLatin1String("keyOPEN"))
        tBar_ButtonMenuClick(QStringLiteral("keyREAD_STD_USER"));
    else if (key == QLatin1String("keySAVE"))
        tBar_ButtonMenuClick(QStringLiteral("keyOVERWRITE"));
    else if (key == QLatin1String("DataCopy"))
        DataCopy();
    else if (key == QLatin1String("keySTD") || key == QLatin1String("keyUSR"))
        DispFileInfo(toolKey(key)->data().toString());
}

void fMain::tBar_ButtonDropDown(const QString& /*key*/)
{
    toolKey(QStringLiteral("keySAVEASOTHERTB"))->setEnabled(upperExtension(usrFilePath_) == QLatin1String("STG"));
}

void fMain::tBar_ButtonMenuClick(const QString& key)
{
    if (key == QLatin1String("keyREADINITIALPATH")) {
        SetReadingPath(this, state_->StdReadingPath);
        return;
    }
    if (key == QLatin1String("keyOVERWRITE") || key == QLatin1String("keySAVEAS") ||
        key == QLatin1String("keySAVEASOTHERTB")) {
        if (SaveAllFiles(key))
            CancelAllUpdate();
        return;
    }
    const bool std = key == QLatin1String("keyREAD_STD_USER") || key == QLatin1String("keyREAD_STD");
    const bool usr = key == QLatin1String("keyREAD_STD_USER") || key == QLatin1String("keyREAD_USER");
    if (!(std || usr) || !OpenSequence())
        return;
    // Each reading stands alone: the USR dialog follows a cancelled STD one.
    if (std)
        ReadQELMData(Telva27::eSTD, QString());
    if (usr)
        ReadQELMData(Telva27::eUSR, QString());
}

bool fMain::OpenSequence()
{
    if (IsExistChanged()) {
        switch (mMOD::ShowMessage(38, 6).toInt()) {
        case platform::vbYes:
            // Nothing is closed or read when the changes could not be saved.
            if (!SaveAllFiles(QStringLiteral("keyOVERWRITE")))
                return false;
            CancelAllUpdate();
            break;
        case platform::vbNo: CancelAllUpdate(); break;
        default: return false;
        }
    }
    return CloseAllForm();
}

void fMain::SetReadingPath(QWidget* owner, const QString& folder)
{
    const QString chosen =
        state_->file->OpenFolder(owner, state_->resource->Res(69), Ostrel7::eCSIDL_DESKTOP, folder);
    if (chosen.isEmpty())
        return;
    state_->StdReadingPath = chosen;
    mMOD::SaveRegSettings(*state_);
}

void fMain::DataCopy()
{
    hide();
    // The window comes back however the copy ends.
    const std::unique_ptr<fMain, void (*)(fMain*)> showAgain(this, [](fMain* window) { window->show(); });
    const QString source = upperExtension(usrFilePath_) == QLatin1String("STG") ? usrFilePath_ : QString();
    const bool changed = QueryChanged();
    state_->print->CopyData(Sorvi27::eCOPY_STG, source, changed);
}

void fMain::tBar2_ButtonClick(const QString& key)
{
    if (key == QLatin1String("keyHEADDER")) {
        fHeader dialog(*this, this);
        dialog.Form_Load();
        platform::ui().runDialog(dialog);
    } else if (key == QLatin1String("keyPARAM")) {
        popUnder(*mnuParam_, key);
    } else if (key == QLatin1String("keyOKURIPARAM")) {
        OpenOkuriWindow();
    } else if (key == QLatin1String("keyCUSTOMIZE")) {
        popUnder(*mnuCustomize_, key);
    } else if (key == QLatin1String("keySTEPSEQUENCE")) {
        StartStepEditor();
    } else if (key == QLatin1String("keyWARRANGE")) {
        ArrangeWindows();
    }
}

void fMain::popUnder(QMenu& menu, const QString& buttonKey)
{
    // The menu opens at the lower-left corner of the clicked button.
    QWidget* button = tBar2_->widgetForAction(toolKey(buttonKey));
    const QPoint corner = button ? button->mapToGlobal(QPoint(0, button->height())) : mapToGlobal(QPoint());
    platform::ui().popupMenu(menu, corner);
}

void fMain::mnuParamContent_Click(int32_t index)
{
    QAction* item = mnuParamContent(index);
    if (!item)
        return;
    const QString tag = item->data().toString();
    if (tag.toUpper() == QLatin1String("SPECIAL") && !mMOD::ExactPassWord(*state_)) {
        mMOD::ShowMessage(32, 2);
        return;
    }
    if (ExistForm(tag))
        SetFocusToForm(tag);
    else
        OpenEditingWindow(fParam::create(*this, tag), item);
    keepCheckMark(*item, tag);
    ArrangeWindows();
}

void fMain::mnuCustomizeContent_Click(int32_t index)
{
    if (index < 1 || index > 7)
        return;
    QAction* item = mnuCustomizeContent_[static_cast<size_t>(index)];
    const QString tag = item->data().toString();
    if (ExistForm(tag)) {
        SetFocusToForm(tag);
    } else if (Telva27::colclsStyle* table = FindColConStyle(tag)) {
        auto* window = new fCusData(*this);
        window->setColConStyle(*table);
        OpenEditingWindow(window, item);
    }
    keepCheckMark(*item, tag);
    ArrangeWindows();
}

void fMain::keepCheckMark(QAction& item, const QString& tag)
{
    // A click toggles a checkable item; its mark says whether its window is open.
    item.setChecked(item.isCheckable() && ExistForm(tag));
}

void fMain::OpenEditingWindow(EditingWindow* window, QAction* item)
{
    if (!window)
        return;
    item->setCheckable(true);
    item->setChecked(true);
    showInArea(*window);
    toolKey(QStringLiteral("keyWARRANGE"))->setEnabled(true);
}

void fMain::showInArea(EditingWindow& window)
{
    QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget());
    if (!frame)
        frame = mdi_->addSubWindow(&window);
    frame->show();
}

// The editing windows one above the other, each as wide as the area.
void fMain::ArrangeWindows() { QelmCommon::TileHorizontally(*mdi_); }

void fMain::OpenOkuriWindow()
{
    const Qt::KeyboardModifiers held = heldModifiers();
    if (!(held & Qt::ShiftModifier) || !(held & Qt::ControlModifier)) {
        mMOD::ShowMessage(52, 2);
        return;
    }
    if (mMOD::ShowMessage(36, 8).toInt() == platform::vbNo)
        return;
    // One pitch window at a time: an open one is shown again.
    EditingWindow* window = nullptr;
    for (EditingWindow* open : editingWindows())
        if (open->objectName() == QLatin1String("fOkuriParam"))
            window = open;
    if (!window)
        window = new fOkuriParam(*this);
    showInArea(*window);
    ArrangeWindows();
}

void fMain::StartStepEditor()
{
    const QString executable = QStringLiteral("QELM_STP");
    const QString folder = state_->settings->readText(QelmCommon::kStepEditorFolder);
    QString path = QDir(folder).filePath(executable);
    if (folder.isEmpty() || !QFileInfo(path).isFile()) {
        const QString programs = state_->file->GetSpecialFolder(this, Ostrel7::eCSIDL_PROGRAM_FILES);
        path = QDir(programs).filePath(QStringLiteral("QELM Software/QELM_STEP/") + executable);
        if (programs.isEmpty() || !QFileInfo(path).isFile()) {
            mMOD::ShowMessage(51, 2);
            return;
        }
    }
    // Minimised, with the focus; the setting program does not wait for it.
    if (!QelmCommon::StartProgramMinimized(path))
        throw platform::RuntimeError(platform::errFileNotFound, QStringLiteral("The step editor could not be started: ") + path);
}

} // namespace QelmSet
