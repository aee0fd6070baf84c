#include "fPrint.h"

#include "ExportSettings.h"
#include "LibraryState.h"
#include "mMOD.h"

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/EventGuard.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>

#include <functional>

namespace Sorvi27 {

using platform::forms::Arrange;
using platform::forms::ControlKind;
using platform::forms::ControlDesign;
using platform::forms::control;

namespace {

// The status bar with its one panel, keyMSG.
QWidget* makeStatusBar(QWidget* parent)
{
    auto* bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(false);
    auto* panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("keyMSG"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumHeight(panel->fontMetrics().height() + 6);
    bar->addWidget(panel, 1);
    return bar;
}

// The list and the buttons beside it, the options below, the status bar at the bottom.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Panel, .name = "panelMain", .arrange = Arrange::Horizontal},
    {.kind = ControlKind::Frame, .name = "framePrint", .caption = 115, .container = "panelMain"},
    {.kind = ControlKind::Panel, .name = "panelSel", .container = "framePrint", .arrange = Arrange::Horizontal},
    {.kind = ControlKind::CommandButton, .name = "btnSel", .index = 1, .caption = 111, .container = "panelSel"},
    {.kind = ControlKind::CommandButton, .name = "btnSel", .index = 2, .caption = 112, .container = "panelSel"},
    {.kind = ControlKind::ListBox, .name = "lst", .container = "framePrint"},
    {.kind = ControlKind::Panel, .name = "panelBTN", .container = "panelMain"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .caption = 109, .container = "panelBTN"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .caption = 110, .container = "panelBTN"},
    {.kind = ControlKind::CheckBox, .name = "chkDoesPrintOnlyDif", .caption = 113},
    {.kind = ControlKind::CheckBox, .name = "chkDoesOpenSavedFile", .caption = 114},
    {.kind = ControlKind::CheckBox, .name = "chkDoesOverWrite", .caption = 441},
    {.kind = ControlKind::Panel, .name = "panelVersion", .arrange = Arrange::Horizontal},
    {.kind = ControlKind::Label, .name = "LabelExcelVersion", .caption = 321, .container = "panelVersion"},
    {.kind = ControlKind::ComboBox, .name = "cboExcelVersion", .container = "panelVersion"},
    {.kind = ControlKind::Custom, .name = "sBar", .create = &makeStatusBar},
};

// Room beside a button's caption, in pixels.
constexpr int kButtonPadding = 12;

// Captions of the kinds that offer one item, and of the window.
constexpr int32_t kResCustomize = 96;
constexpr int32_t kResPitch = 97;
constexpr int32_t kResFileDialogTitle = 98;
constexpr int32_t kResPrint = 116;
constexpr int32_t kResStep = 317;

// The parameter window's views that export every group.
const QString kAllFunctions = QStringLiteral("AllFunctions");
const QString kViewDif = QStringLiteral("ViewDif");

const QString kWorkbookFilter = QStringLiteral("Excel file (*.xlsx)|*.xlsx");
const QString kWorkbookSuffix = QStringLiteral("xlsx");

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

// The folder part of a path, "" for an empty path.
QString parentFolder(const QString& path) { return path.isEmpty() ? QString() : QFileInfo(path).path(); }

template <typename T>
T& dataObject(T* object)
{
    if (!object)
        throw platform::RuntimeError(platform::errObjectNotSet);
    return *object;
}

// Routes a collection's Doing event to the dialog while a report runs, and
// gives the collection back its own handler afterwards.
class DoingListener {
public:
    DoingListener(std::function<void(const QString&)>& event, std::function<void(const QString&)> handler)
        : event_(event), previous_(std::exchange(event, std::move(handler)))
    {
    }
    ~DoingListener() { event_ = std::move(previous_); }
    DoingListener(const DoingListener&) = delete;
    DoingListener& operator=(const DoingListener&) = delete;

private:
    std::function<void(const QString&)>& event_;
    std::function<void(const QString&)> previous_;
};

// Whether the folder of this path is there but takes no new file (the library
// folder of an install in a system folder).
bool inClosedFolder(const QString& path)
{
    const QString folder = parentFolder(path);
    return !path.isEmpty() && QFileInfo(folder).isDir() && !platform::folders::isWritableFolder(folder);
}

// The path the file dialog proposes: the same name in the user's documents
// folder in place of a folder that would refuse the save.
QString proposedPath(const QString& path)
{
    if (!inClosedFolder(path))
        return path;
    return QDir(platform::folders::documentsFolder()).filePath(QFileInfo(path).fileName());
}

} // namespace

fPrint::fPrint(LibraryState& state, ExportSettings& settings) : state_(state), settings_(settings)
{
    setObjectName(QStringLiteral("fPrint"));
    platform::forms::buildControls(*this, kControls);
    lst_ = &control<QListWidget>(*this, QStringLiteral("lst"));
    lst_->setSelectionMode(QAbstractItemView::MultiSelection);
    chkDoesPrintOnlyDif_ = &control<QCheckBox>(*this, QStringLiteral("chkDoesPrintOnlyDif"));
    chkDoesOpenSavedFile_ = &control<QCheckBox>(*this, QStringLiteral("chkDoesOpenSavedFile"));
    chkDoesOverWrite_ = &control<QCheckBox>(*this, QStringLiteral("chkDoesOverWrite"));
    cboExcelVersion_ = &control<QComboBox>(*this, QStringLiteral("cboExcelVersion"));
    keyMSG_ = &control<QLabel>(*this, QStringLiteral("keyMSG"));
    // The boxes take the width of their captions, so that a click beside one does not tick it.
    for (QCheckBox* box : {chkDoesPrintOnlyDif_, chkDoesOpenSavedFile_, chkDoesOverWrite_})
        box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    // The buttons stand at the top beside the list, the version box at the left.
    control<QWidget>(*this, QStringLiteral("panelBTN")).layout()->setContentsMargins(0, 0, 0, 0);
    static_cast<QBoxLayout*>(control<QWidget>(*this, QStringLiteral("panelBTN")).layout())->addStretch();
    control<QWidget>(*this, QStringLiteral("panelVersion")).layout()->setContentsMargins(0, 0, 0, 0);
    static_cast<QBoxLayout*>(control<QWidget>(*this, QStringLiteral("panelVersion")).layout())->addStretch();
    control<QWidget>(*this, QStringLiteral("panelSel")).layout()->setContentsMargins(0, 0, 0, 0);
    control<QWidget>(*this, QStringLiteral("panelMain")).layout()->setContentsMargins(0, 0, 0, 0);

    for (int i = 1; i <= 2; ++i) {
        connect(&control<QPushButton>(*this, QStringLiteral("btnSel%1").arg(i)), &QPushButton::clicked, this,
                [this, i] { platform::guarded(QStringLiteral("btnSel_Click"), [&] { btnSel_Click(i); }); });
        connect(&control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i)), &QPushButton::clicked, this,
                [this, i] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); }); });
    }
}

Ostrel7::clsMethod& fPrint::reporter() const { return state_.reporter(); }

void fPrint::releaseData()
{
    prms_ = nullptr;
    cusUsr_ = cusStd_ = nullptr;
    cusinp_ = cusout_ = nullptr;
    colOkuriX_ = colOkuriY_ = nullptr;
    step_ = nullptr;
}

void fPrint::Form_Load()
{
    excelFullFname_.clear();
    keyMSG_->clear();
    SetCaptions();
    chkDoesPrintOnlyDif_->setEnabled(!killDoesPrintOnlyDif_);
    FillExcelVersions();
    lst_->clear();
    switch (printKind_) {
    case ePrintParameter: Create_lst_prms(); break;
    case ePrintCustomize: Create_lst_cus(); break;
    case ePrintOkuri: Create_lst_okuri(); break;
    case ePrintStep: Create_lst_step(); break;
    default: break;
    }
    LoadOptions();
}

void fPrint::SetCaptions()
{
    setWindowTitle(catalogueText(kResPrint));
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
    // A button's size hint is the style's minimum, not its caption's width.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        const int margin = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        button->setMinimumWidth(caption + margin + kButtonPadding);
    }
}

void fPrint::FillExcelVersions()
{
    cboExcelVersion_->clear();
    cboExcelVersion_->addItems({QStringLiteral("Excel 2000"), QStringLiteral("Excel 95")});
}

void fPrint::Create_lst_prms()
{
    Ostrel7::trapped(reporter(), QStringLiteral("Create_lst_prms"), [&] {
        Telva27::colclsFunction& prms = dataObject(prms_);
        const bool all = functionName_ == kAllFunctions || functionName_ == kViewDif;
        // A view of one group preselects every item with that group's heading.
        const QString shown = all ? QString() : prms.Item(functionName_)->TOPKMK();
        for (const auto& group : prms) {
            if (group->isSpecial() && !printTokushu_)
                continue;
            auto* item = new QListWidgetItem(group->TOPKMK(), lst_);
            item->setSelected(all || group->TOPKMK() == shown);
        }
    });
}

void fPrint::addSelectedItem(int32_t caption)
{
    auto* item = new QListWidgetItem(catalogueText(caption), lst_);
    item->setSelected(true);
}

void fPrint::Create_lst_cus()
{
    Ostrel7::trapped(reporter(), QStringLiteral("Create_lst_cus"), [&] { addSelectedItem(kResCustomize); });
}

void fPrint::Create_lst_okuri()
{
    Ostrel7::trapped(reporter(), QStringLiteral("Create_lst_okuri"), [&] { addSelectedItem(kResPitch); });
}

void fPrint::Create_lst_step()
{
    Ostrel7::trapped(reporter(), QStringLiteral("Create_lst_step"), [&] { addSelectedItem(kResStep); });
}

void fPrint::LoadOptions()
{
    chkDoesOpenSavedFile_->setChecked(settings_.DoesOpenSavedFile);
    chkDoesOverWrite_->setChecked(settings_.DoesOverWrite);
    chkDoesPrintOnlyDif_->setChecked(functionName_ == kViewDif);
    cboExcelVersion_->setCurrentIndex(settings_.ExcelVersionIndex);
}

bool fPrint::AnySelected() const { return !lst_->selectedItems().isEmpty(); }

QSet<QString> fPrint::Create_dicTOPKMK() const
{
    QSet<QString> headings;
    for (int i = 0; i < lst_->count(); ++i)
        if (lst_->item(i)->isSelected())
            headings.insert(lst_->item(i)->text());
    return headings;
}

QString fPrint::GetExcelFullFname(const QString& sFullFname)
{
    return Ostrel7::trapped(reporter(), QStringLiteral("GetExcelFullFname"), [&] {
        platform::FileDialogRequest request;
        request.title = catalogueText(kResFileDialogTitle);
        request.filter = kWorkbookFilter;
        request.filterIndex = 1;
        request.initialFolder = parentFolder(sFullFname);
        request.fileName = QFileInfo(sFullFname).fileName();
        request.defaultSuffix = kWorkbookSuffix;
        return platform::ui().saveFileName(request);
    });
}

bool fPrint::StartPrinting()
{
    return Ostrel7::trapped(reporter(), QStringLiteral("StartPrinting"), [&] {
        // The options are kept even when this export then stops or fails.
        settings_.DoesOpenSavedFile = chkDoesOpenSavedFile_->isChecked();
        settings_.DoesOverWrite = chkDoesOverWrite_->isChecked();
        settings_.ExcelVersionIndex = std::max(0, cboExcelVersion_->currentIndex());
        settings_.writeOptions();
        if (!AnySelected()) {
            mMOD::ShowMessage(15, 2);
            return false;
        }
        const QString path = settlePath();
        if (path.isEmpty())
            return false;
        settings_.LatestExcelFullFname = path;
        settings_.writeLatestExcelFullFname();
        if (!Export(path)) {
            mMOD::ShowMessage(5, 2);
            return false;
        }
        if (chkDoesOpenSavedFile_->isChecked())
            excelFullFname_ = path;
        else
            mMOD::ShowMessage(6, 4, path);
        return true;
    });
}

QString fPrint::settlePath()
{
    const QString& latest = settings_.LatestExcelFullFname;
    // Writing over the last workbook asks nothing while its folder is there and takes it.
    if (settings_.DoesOverWrite && !latest.isEmpty() && QFileInfo(parentFolder(latest)).isDir() &&
        !inClosedFolder(latest))
        return latest;
    return GetExcelFullFname(proposedPath(latest));
}

bool fPrint::Export(const QString& path)
{
    const auto version = static_cast<Telva27::ENUM_EXCELVERSIONINDEX>(settings_.ExcelVersionIndex);
    const bool onlyDif = chkDoesPrintOnlyDif_->isChecked();
    const auto handler = [this](const QString& sMSG) { Doing(sMSG); };
    exporting_ = true;
    const struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{exporting_};
    switch (printKind_) {
    case ePrintParameter: {
        Telva27::colclsFunction& prms = dataObject(prms_);
        const QSet<QString> headings = Create_dicTOPKMK();
        const DoingListener listen(prms.Doing, handler);
        return prms.PrintToExcel(version, path, headings, onlyDif);
    }
    case ePrintCustomize: {
        Telva27::colclsCustom& usr = dataObject(cusUsr_);
        const DoingListener listen(usr.Doing, handler);
        return usr.PrintToExcel(version, path, dataObject(cusStd_), dataObject(cusinp_), dataObject(cusout_),
                                onlyDif);
    }
    case ePrintOkuri: {
        Telva27::colclsOkuri& x = dataObject(colOkuriX_);
        const DoingListener listen(x.Doing, handler);
        return x.PrintToExcel(version, path, x, dataObject(colOkuriY_));
    }
    case ePrintStep: {
        Telva27::colclsStep& step = dataObject(step_);
        const DoingListener listen(step.Doing, handler);
        return step.PrintToExcel(version, path, dataObject(state_.stpout.get()), dataObject(state_.stpinp.get()));
    }
    default: return false;
    }
}

void fPrint::btnSel_Click(int index)
{
    for (int i = 0; i < lst_->count(); ++i)
        lst_->item(i)->setSelected(index == 1);
}

void fPrint::BTN_Click(int index)
{
    if (index == 1) {
        if (StartPrinting())
            accept();
        return;
    }
    excelFullFname_.clear();
    QDialog::reject();
}

void fPrint::Doing(const QString& sMSG)
{
    keyMSG_->setText(sMSG);
    // The report runs on this thread: let the window paint the new step (and
    // anything uncovered meanwhile); the user's clicks and keys wait.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void fPrint::closeEvent(QCloseEvent* e)
{
    if (exporting_) {
        e->ignore();
        return;
    }
    excelFullFname_.clear();
    QDialog::closeEvent(e);
}

void fPrint::reject()
{
    if (exporting_)
        return;
    excelFullFname_.clear();
    QDialog::reject();
}

} // namespace Sorvi27
