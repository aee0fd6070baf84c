#include "fMain.h"

#include "ProgramSettings.h"
#include "ProgramState.h"
#include "WaitMessageBox.h"
#include "fFind.h"
#include "fInpMemo.h"
#include "fStep.h"
#include "mMOD.h"

#include "common/SharedObjects.h"
#include "common/ToolbarImage.h"
#include "common/mMODCOMMON.h"
#include "datamodel/common/Enums.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "dialogs/clsSelectTable.h"
#include "platform/EventGuard.h"
#include "platform/Folders.h"
#include "platform/SingleInstance.h"
#include "platform/SystemColors.h"
#include "resource/clsResource.h"
#include "util/file/clsFILE.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/property/SettingsTable.h"
#include "util/property/clsProperty.h"
#include "util/string/clsString.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>

namespace QelmStp {

namespace {

// The toolbar pictures by their image keys ("keySETPARAM" has no button).
const std::pair<const char*, int32_t> kImages[] = {
    {"keyCLOSE", 101}, {"keySETPARAM", 104}, {"keyWARRANGE", 111}, {"keyOption", 135}, {"DataCopy", 162},
};

// A step window the start made: deleted with the frame it is shown in.
void destroyWindow(QPointer<fStep>& window)
{
    if (!window)
        return;
    QWidget* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    delete (frame ? frame : window.data());
    window.clear();
}

} // namespace

fMain::fMain() : state_(std::make_unique<ProgramState>()), mdi_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("fMain"));
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    // Windows beyond the area's edges are scrolled to.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    // The cool bar: one band spanning the window, carrying pictBar with the toolbar.
    band_ = addToolBar(QString());
    band_->setObjectName(QStringLiteral("keytBar"));
    band_->setMovable(false);
    band_->setFloatable(false);
    pictBar_ = new QWidget(band_);
    pictBar_->setObjectName(QStringLiteral("pictBar"));
    pictBar_->setAutoFillBackground(true);
    band_->addWidget(pictBar_);
    buildMenus();
}

fMain::~fMain() { MDIForm_Unload(); }

bool fMain::MDIForm_Initialize(const platform::SingleInstance& instance)
{
    if (instance.isFirst())
        return true;
    mMOD::ShowMessage(83, 2);
    return false;
}

// ---- start-up ------------------------------------------------------------

bool fMain::MDIForm_Load(const QString& commandLine)
{
    if (!CreateActiveX())
        return false;
    InitApp();
    if (!QelmCommon::mMODCOMMON::CheckNeedFiles(state_->AppPath))
        return false;
    ReadSettings();
    QelmCommon::mMODCOMMON::FitToWorkArea(*this);
    SetImageList();
    if (!state_->selectKino->ReadStepSelection())
        mMOD::ShowMessage(19, 1);
    SetToolBar();
    SetCoolBarBandWidth();
    state_->frmUsr->setSTDUSR(Telva27::eUSR);
    state_->frmUsr->Show();
    ArrangeTiled();
    OpenCommandLineFile(commandLine);
    return true;
}

bool fMain::CreateActiveX()
{
    ProgramState& s = *state_;
    return QelmCommon::CreateActiveX(s, [&] {
        s.stepUsr = std::make_shared<Telva27::colclsStep>();
        s.stepStd = std::make_shared<Telva27::colclsStep>();
        s.frmStd = new fStep(*this);
        s.frmUsr = new fStep(*this);
        s.frmFindStd = new fFind(*this);
        s.frmFindUsr = new fFind(*this);
        s.waitBox = std::make_unique<WaitMessageBox>();
    });
}

void fMain::ReleaseActiveX()
{
    ProgramState& s = *state_;
    QelmCommon::ReleaseActiveX(s, [&] {
        s.stepUsr.reset();
        s.stepStd.reset();
        destroyWindow(s.frmStd);
        destroyWindow(s.frmUsr);
        delete s.frmFindStd.data();
        delete s.frmFindUsr.data();
        s.waitBox.reset();
    });
}

void fMain::InitApp()
{
    ProgramState& s = *state_;
    setWindowTitle(s.resource->Res(261) + QStringLiteral("Ver 1.18"));
    s.AppPath = s.file->YenCheck(Ostrel7::eAddYen, platform::folders::programFolder());
    s.AppName = mMOD::ProgramName();
    QPalette palette = pictBar_->palette();
    palette.setColor(QPalette::Window, platform::oleColor(0x8000000F)); // button face
    pictBar_->setPalette(palette);
    SetCaptions();
    s.settings = makeProgramSettings(s.AppName, s.AppPath);
}

void fMain::SetCaptions()
{
    const Resource::clsResource& res = *state_->resource;
    mnuView_->setTitle(res.Res(355));
    for (int32_t i = 1; i <= 3; ++i) {
        mnuViewContent_[static_cast<size_t>(i)]->setText(res.Res(196 + i));
        mnuOptionContent_[static_cast<size_t>(i)]->setText(res.Res(i == 3 ? 356 : 349 + i));
    }
}

void fMain::OpenCommandLineFile(const QString& commandLine)
{
    // The whole text names one file, taken as it stands.
    if (commandLine.isEmpty() || !QFileInfo(commandLine).isFile())
        return;
    state_->frmUsr->ReadStep(Telva27::eUSR, 0, commandLine);
}

// ---- settings --------------------------------------------------------------

bool fMain::CheckRegData()
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("CheckRegData"),
                            [&] { return state_->settings->writeMissingDefaults(*state_->property); });
}

bool fMain::ReadSettings()
{
    using namespace settingkeys;
    ProgramState& s = *state_;
    if (!CheckRegData())
        mMOD::ShowMessage(2, 1);
    // The folder as the system gives it: no trailing separator but for the root.
    writeMyPath(*s.settings, QDir::cleanPath(platform::folders::programFolder()));
    // A store that cannot be read leaves the defaults in place; a value that
    // does not convert reads as its default.
    Ostrel7::trapped(*s.method, QStringLiteral("ReadSettings"), [&] {
        const Ostrel7::SettingsTable& table = *s.settings;
        s.InitialPath = table.readText(kInitialPath);
        s.DoesViewRemarkColumn = table.readBool(kDoesViewRemarkColumn);
        s.DoesViewButtonCaption = table.readBool(kDoesViewButtonCaption);
        s.DoesViewInputMethod = table.readBool(kDoesViewInputMethod);
        s.DoesReplaceFunction = table.readBool(kDoesReplaceFunction);
        s.DoesAskInReplacing = table.readBool(kDoesAskInReplacing);
        s.selectKino->setDoesAskInEditingMode(table.readBool(kDoesAskInEditingMode));
        s.RemarkColumnWidth = table.readInt(kRemarkColumnWidth);
    });
    if (s.InitialPath.isEmpty())
        s.InitialPath = s.AppPath;
    return true;
}

void fMain::SaveSettings()
{
    using namespace settingkeys;
    const ProgramState& s = *state_;
    const Ostrel7::SettingsTable& table = *s.settings;
    table.write(kInitialPath, s.InitialPath);
    table.write(kDoesViewRemarkColumn, s.DoesViewRemarkColumn);
    table.write(kDoesViewButtonCaption, s.DoesViewButtonCaption);
    table.write(kDoesViewInputMethod, s.DoesViewInputMethod);
    table.write(kDoesReplaceFunction, s.DoesReplaceFunction);
    table.write(kDoesAskInReplacing, s.DoesAskInReplacing);
    table.write(kDoesAskInEditingMode, s.selectKino->DoesAskInEditingMode());
    table.write(kRemarkColumnWidth, s.RemarkColumnWidth);
}

// ---- toolbar ---------------------------------------------------------------

void fMain::SetImageList()
{
    for (const auto& [key, id] : kImages)
        imgListToolBar_.insert(QLatin1String(key),
                               QelmCommon::ToolbarImage(state_->resource->PicRes(id)->bitmap(), QSize(19, 19)));
}

void fMain::SetToolBar()
{
    tBar_ = new QToolBar(pictBar_);
    tBar_->setObjectName(QStringLiteral("tBar"));
    tBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tBar_->setIconSize(QSize(19, 19));
    auto* layout = new QHBoxLayout(pictBar_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tBar_);
    const std::pair<const char*, int32_t> buttons[] = {
        {"keyCLOSE", 194}, {"keyOption", 195}, {"DataCopy", 371}, {"keyWARRANGE", 196}};
    for (const auto& [key, caption] : buttons) {
        QAction* button = tBar_->addAction(imgListToolBar_.value(QLatin1String(key)), state_->resource->Res(caption));
        button->setObjectName(QLatin1String(key));
    }
    connectCommands();
}

void fMain::SetCoolBarBandWidth()
{
    Ostrel7::trapped(*state_->method, QStringLiteral("SetCoolBarBandWidth"), [&] {
        // The band spans the window and shows the whole toolbar on one row.
        pictBar_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        tBar_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        band_->setMinimumHeight(tBar_->sizeHint().height());
    });
}

QAction* fMain::toolKey(const QString& key) const { return tBar_ ? tBar_->findChild<QAction*>(key) : nullptr; }

// ---- shut-down -----------------------------------------------------------

QList<fStep*> fMain::loadedStepWindows() const
{
    QList<fStep*> windows;
    for (const QPointer<fStep>& window : {state_->frmUsr, state_->frmStd})
        if (window && window->IsLoaded())
            windows << window.data();
    return windows;
}

bool fMain::MDIForm_QueryUnload()
{
    if (unloaded_)
        return true;
    for (fStep* window : loadedStepWindows()) {
        bool cancel = false;
        window->Form_QueryUnload(cancel, fStep::vbFormMDIForm);
        if (cancel)
            return false;
    }
    return true;
}

void fMain::UnloadStepWindows()
{
    for (fStep* window : loadedStepWindows())
        window->Form_Unload();
}

void fMain::closeEvent(QCloseEvent* event)
{
    // However the window is closed (the Close command, its close box, the
    // desktop), nothing is torn down unless the step windows agreed.
    const bool agreed =
        platform::guarded(QStringLiteral("MDIForm_QueryUnload"), [&] { return MDIForm_QueryUnload(); }, false);
    if (!agreed) {
        event->ignore();
        return;
    }
    platform::guarded(QStringLiteral("MDIForm_Unload"), [&] { MDIForm_Unload(); });
    event->accept();
}

void fMain::MDIForm_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    fInpMemo::UnloadOpen(*state_);
    UnloadStepWindows();
    ReleaseActiveX();
}

} // namespace QelmStp
