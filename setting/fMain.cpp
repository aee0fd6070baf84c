#include "fMain.h"

#include "ConnectorTables.h"
#include "EditingWindow.h"
#include "ProgramSettings.h"
#include "ProgramState.h"
#include "mFormTiledBitmap.h"
#include "mMOD.h"

#include "common/SharedObjects.h"
#include "common/mMODCOMMON.h"
#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/customize/colclsStyle.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
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

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace QelmSet {

namespace {

// Catalogue texts of the customize menu items 1 and 3 to 7.
constexpr int32_t kCustomizeCaptions[] = {310, 0, 311, 312, 313, 314, 315};

} // namespace

fMain::fMain() : state_(std::make_unique<ProgramState>()), mdi_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("fMain"));
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    // Windows beyond the area's edges are scrolled to.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    // The hosts of the two toolbars.
    // Two bands, one below the other, each spanning the window: tBar2 above tBar.
    pictBar2_ = addToolBar(QString());
    pictBar2_->setObjectName(QStringLiteral("pictBar2"));
    addToolBarBreak();
    pictBar_ = addToolBar(QString());
    pictBar_->setObjectName(QStringLiteral("pictBar"));
    for (QToolBar* band : {pictBar_, pictBar2_}) {
        band->setMovable(false);
        band->setFloatable(false);
    }
    // The status bar, one panel wide; the editing windows fit between it and the toolbars.
    sBar_ = new QStatusBar(this);
    sBar_->setObjectName(QStringLiteral("sBar"));
    auto* message = new QLabel(sBar_);
    message->setObjectName(QStringLiteral("keyMSG"));
    sBar_->addWidget(message, 1);
    setStatusBar(sBar_);
    buildCustomizeMenu();
}

fMain::~fMain()
{
    MDIForm_Unload();
}

bool fMain::MDIForm_Initialize(const platform::SingleInstance& instance)
{
    if (instance.isFirst())
        return true;
    mMOD::ShowMessage(46, 2);
    return false;
}

// ---- start-up ------------------------------------------------------------

bool fMain::MDIForm_Load(const QString& commandLine)
{
    if (!CreateActiveX())
        return false;
    InitGlobals();
    if (!QelmCommon::mMODCOMMON::CheckNeedFiles(state_->AppPath))
        return false;
    LoadRegSettings();
    if (!ReadSettingTables()) {
        mMOD::ShowMessage(19, 1);
        return false;
    }
    QelmCommon::mMODCOMMON::FitToWorkArea(*this);
    SetImageList();
    CreateToolBars();
    SetCoolBarBandWidth();
    EnableToolButtons();
    Create_mnuParam();
    SetCustomizeMenuTags();
    SetCaption();
    CreateConStyles();
    if (const auto background = state_->resource->PicRes(110))
        mFormTiledBitmap::SetTiledBackground(*background, *mdi_);
    OpenCommandLineFile(commandLine);
    return true;
}

bool fMain::CreateActiveX()
{
    ProgramState& s = *state_;
    return QelmCommon::CreateActiveX(s, [&] {
        s.functions = std::make_unique<Telva27::colclsFunction>();
        s.customUsr = std::make_unique<Telva27::colclsCustom>();
        s.customUsr->setUsrOrStd(Telva27::eUSR);
        s.customStd = std::make_unique<Telva27::colclsCustom>();
        s.customStd->setUsrOrStd(Telva27::eSTD);
        conStyles_ = std::make_unique<ConnectorTables>();
        for (auto& table : s.okuri)
            table = std::make_unique<Telva27::colclsOkuri>();
    });
}

void fMain::ReleaseActiveX()
{
    ProgramState& s = *state_;
    QelmCommon::ReleaseActiveX(s, [&] {
        s.functions.reset();
        s.customUsr.reset();
        s.customStd.reset();
        conStyles_.reset();
        for (auto& table : s.okuri)
            table.reset();
    });
}

void fMain::InitGlobals()
{
    ProgramState& s = *state_;
    s.AppPath = s.file->YenCheck(Ostrel7::eAddYen, platform::folders::programFolder());
    s.RegAppName = mMOD::ProgramName();
    s.EtbFileSize = kEtbFileSize;
    s.StgFileSize = kStgFileSize;
    for (QToolBar* bar : {pictBar_, pictBar2_}) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, platform::oleColor(0x8000000F)); // button face
        bar->setPalette(palette);
    }
    s.IsSmallScreen = s.property->CrtResolution() < 1024;
    for (int i = 1; i <= 7; ++i)
        if (kCustomizeCaptions[i - 1] != 0)
            mnuCustomizeContent_[i]->setText(s.resource->Res(kCustomizeCaptions[i - 1]));
    s.settings = makeProgramSettings(s.RegAppName, s.AppPath);
}

bool fMain::LoadRegSettings()
{
    const bool defaultsWritten = CheckRegData();
    writeMyPath(*state_->settings, state_->file->YenCheck(Ostrel7::eRemoveYen, platform::folders::programFolder()));
    // A default that could not be written and a value that no longer converts
    // are told once.
    if (!ReadRegValues() || !defaultsWritten)
        mMOD::ShowMessage(2, 1);
    return true;
}

bool fMain::CheckRegData()
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("CheckRegData"),
                            [&] { return state_->settings->writeMissingDefaults(*state_->property); });
}

bool fMain::ReadRegValues()
{
    // A store that cannot be read (a folder or a pipe where its file belongs)
    // leaves the values the program starts with and is told once; start-up
    // goes on.
    return Ostrel7::trapped(*state_->method, QStringLiteral("ReadRegValues"), [&] {
        using namespace settingkeys;
        ProgramState& s = *state_;
        const Ostrel7::SettingsTable& table = *s.settings;
        // A value that no longer converts reads as its default.
        const bool allConverted = table.everyStoredValueConverts();
        s.StdReadingPath = table.readText(kStdReadingPath);
        s.PrevStd_ExtFilterIndex = table.readInt(kPrevStd_ExtFilterIndex);
        s.PrevUsr_ExtFilterIndex = table.readInt(kPrevUsr_ExtFilterIndex);
        s.PassWordSpecial = table.readText(kPassWordSpecial);
        s.DoesNeedPassWord = table.readBool(kDoesNeedPassWord);
        s.wdt_Custom_StdKino = table.readInt(kWdt_Custom_StdKino);
        s.wdt_Custom_UsrKino = table.readInt(kWdt_Custom_UsrKino);
        return allConverted;
    });
}

void fMain::OpenCommandLineFile(const QString& commandLine)
{
    // The same checks as a file chosen in the dialog: the file is read twice,
    // so a wrong one is refused once, before either reading.
    if (commandLine.isEmpty() || !QFileInfo(commandLine).isFile() || !ExactFile(commandLine))
        return;
    ReadQELMData(Telva27::eSTD, commandLine);
    ReadQELMData(Telva27::eUSR, commandLine);
}

// ---- shut-down -----------------------------------------------------------

void fMain::closeEvent(QCloseEvent* event)
{
    // However the window is closed (the Close command, its close box, the
    // desktop), nothing is torn down unless every changed window agreed.
    const bool agreed =
        platform::guarded(QStringLiteral("MDIForm_QueryUnload"), [&] { return MDIForm_QueryUnload(); }, false);
    if (!agreed) {
        event->ignore();
        return;
    }
    platform::guarded(QStringLiteral("MDIForm_Unload"), [&] {
        if (!unloaded_ && state_->method) {
            // The windows' questions were answered: they close without asking again.
            CancelAllUpdate();
            CloseAllForm();
        }
        MDIForm_Unload();
    });
    event->accept();
}

bool fMain::MDIForm_QueryUnload()
{
    if (unloaded_)
        return true;
    for (EditingWindow* window : editingWindows()) {
        bool cancel = false;
        mMOD::Form_Unload(*window, window->IsChanged(), cancel);
        if (cancel)
            return false;
    }
    return true;
}

void fMain::MDIForm_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (state_->method)
        DeleteTempFiles();
    ReleaseActiveX();
    mFormTiledBitmap::RemoveTiledBackground();
}

// ---- caption, buttons and menus --------------------------------------------

void fMain::buildCustomizeMenu()
{
    mnuParam_ = new QMenu(this);
    mnuParam_->setObjectName(QStringLiteral("mnuParam"));
    QAction* first = mnuParam_->addAction(QString());
    first->setObjectName(QStringLiteral("mnuParamContent0"));
    first->setVisible(false); // the designed item the loaded ones are copies of
    mnuParamContent_ << first;

    mnuCustomize_ = new QMenu(this);
    mnuCustomize_->setObjectName(QStringLiteral("mnuCustomize"));
    for (int i = 1; i <= 7; ++i) {
        QAction* item = mnuCustomize_->addAction(QString());
        item->setObjectName(QStringLiteral("mnuCustomizeContent%1").arg(i));
        item->setSeparator(i == 2);
        mnuCustomizeContent_[i] = item;
    }
}

void fMain::CreateConStyles() { conStyles_->CreateConStyles(*state_->customUsr); }

void fMain::SetCustomizeMenuTags()
{
    // Each item carries the connector id of its table.
    const std::pair<int, int> tags[] = {{1, 0}, {3, 1}, {4, 2}, {5, 3}, {6, 4}, {7, 5}};
    for (const auto& [item, id] : tags)
        mnuCustomizeContent_[item]->setData(QString::number(id));
}

Telva27::colclsStyle* fMain::FindColConStyle(const QString& tag)
{
    return Ostrel7::trapped(*state_->method, QStringLiteral("FindColConStyle"),
                            [&] { return conStyles_->Find(tag); });
}

Telva27::colclsCustom& fMain::customOf(int32_t kind)
{
    return kind == Telva27::eSTD ? *state_->customStd : *state_->customUsr;
}

} // namespace QelmSet
