// fCusData: the window's controls, its loading, placement, button bar,
// buttons and closing.

#include "fCusData.h"

#include "ProgramState.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/customize/colclsStyle.h"
#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"
#include "platform/EventGuard.h"
#include "platform/MessageKinds.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QAction>
#include <QBitmap>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace QelmSet {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;
using platform::grid::FlexGrid;

// The designed window: the grid, and the button bar at its right with the
// buttons from top to bottom in the order their captions are set.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Custom, .name = "fg", .place = QRect(45, 45, 11000, 6500),
     .create = &platform::forms::make<FlexGrid>},
    {.kind = ControlKind::Panel, .name = "picCMD", .place = QRect(11100, 45, 1800, 6500)},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(120, 120, 1560, 480),
     .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(120, 720, 1560, 480),
     .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 3, .place = QRect(120, 1320, 1560, 480),
     .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 5, .place = QRect(120, 1920, 1560, 480),
     .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 6, .place = QRect(120, 2520, 1560, 480),
     .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 4, .place = QRect(120, 3120, 1560, 480),
     .container = "picCMD"},
};

constexpr int32_t kDesignedWidth = 13000;
constexpr int32_t kDesignedHeight = 6600;

} // namespace

fCusData::fCusData(fMain& main) : EditingWindow(QStringLiteral("fCusData")), main_(main)
{
    platform::forms::buildControls(*this, kControls);
    fg_ = &platform::forms::control<FlexGrid>(*this, QStringLiteral("fg"));
    resize(platform::twipsToPixels(QSize(kDesignedWidth, kDesignedHeight)));
    QWidget& bar = platform::forms::control<QWidget>(*this, QStringLiteral("picCMD"));
    bar.installEventFilter(this);
    for (int index = 1; index <= 6; ++index) {
        auto& button = platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(index));
        button.setIconSize(QSize(20, 22));
        if (index == 6) {
            // "View dif" acts while the mouse holds it, never on a click.
            button.installEventFilter(this);
            continue;
        }
        connect(&button, &QPushButton::clicked, this, [this, index] {
            platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(index); });
        });
    }
    connectGrid();
}

fCusData::~fCusData() = default;

ProgramState& fCusData::state() const { return main_.state(); }
Telva27::colclsCustom& fCusData::usrPins() const { return *state().customUsr; }
Telva27::colclsCustom& fCusData::stdPins() const { return *state().customStd; }
platform::grid::GridData& fCusData::grid() const { return fg_->data(); }

void fCusData::setColConStyle(Telva27::colclsStyle& table)
{
    colConStyle_ = &table;
    setTag(QString::number(table.ConId()));
}

// ---- loading ------------------------------------------------------------------

void fCusData::showEvent(QShowEvent* event)
{
    EditingWindow::showEvent(event);
    if (loaded_)
        return;
    loaded_ = true;
    platform::guarded(QStringLiteral("Form_Load"), [&] { Form_Load(); });
}

void fCusData::Form_Load()
{
    prevRow_ = 0;
    LocateMe();
    SetConnectorCaption(*colConStyle_);
    ControlChange(false);
    tigaiCells_.clear();
    SetButtonCaptions();
    setWindowIcon(state().resource->PicRes(3)->icon());
    SetButtonPictures();
    Format_fg();
    PasteValue();
    Sorvi27::clsSelectKino& selectKino = *state().selectKino;
    selectKino.cusinp().SwitchHidden(false);
    selectKino.cusout().SwitchHidden(false);
    selectKino.LoadCustomForms();
    // The current cell decides what the grid lets the user edit.
    fg_AfterRowColChange(grid().Row(), grid().Col());
}

void fCusData::LocateMe()
{
    Ostrel7::trapped(*state().method, QStringLiteral("LocateMe"), [&] {
        // The main window's client area lies between its toolbars and its
        // bottom edge: the window fills it from the top left, 70 twips short.
        auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
        QWidget& window = frame ? static_cast<QWidget&>(*frame) : *this;
        const int32_t client = platform::pixelsToTwips(main_.mdiArea().viewport()->height());
        window.move(0, 0);
        window.resize(window.width(), platform::twipsToPixels(std::max(client - 70, 0)));
    });
}

void fCusData::SetConnectorCaption(const Telva27::colclsStyle& table)
{
    const Resource::clsResource& resource = *state().resource;
    switch (table.ConId()) {
    case Telva27::eCONALL: setWindowTitle(resource.Res(304)); break;
    case Telva27::eCONI: setWindowTitle(QStringLiteral("CONI  ") + resource.Res(305)); break;
    case Telva27::eCONG: setWindowTitle(QStringLiteral("CONG  ") + resource.Res(306)); break;
    case Telva27::eTE1: setWindowTitle(resource.Res(307)); break;
    case Telva27::eTE2: setWindowTitle(resource.Res(308)); break;
    case Telva27::eTEOTHER: setWindowTitle(resource.Res(309)); break;
    }
}

void fCusData::SetButtonCaptions()
{
    const std::pair<int, int32_t> captions[] = {{1, 78}, {2, 79}, {3, 80}, {5, 81}, {6, 82}, {4, 83}};
    for (const auto& [index, text] : captions)
        platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(index))
            .setText(state().resource->Res(text));
}

void fCusData::SetButtonPictures()
{
    const std::pair<int, int32_t> pictures[] = {{1, 109}, {2, 108}, {3, 112}, {4, 101}, {5, 149}, {6, 151}};
    for (const auto& [index, picture] : pictures)
        platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(index))
            .setIcon(QIcon(EditingWindow::picture(picture, true)));
}

// ---- layout and painting ---------------------------------------------------

void fCusData::resizeEvent(QResizeEvent* event)
{
    EditingWindow::resizeEvent(event);
    platform::guarded(QStringLiteral("Form_Resize"), [&] { mMOD::ExpandToMax(*this, false); });
}

bool fCusData::eventFilter(QObject* watched, QEvent* event)
{
    return platform::guarded(
        QStringLiteral("fCusData.eventFilter"),
        [&] {
            if (watched->objectName() == QLatin1String("picCMD") && event->type() == QEvent::Paint) {
                QPainter painter(static_cast<QWidget*>(watched));
                mMOD::PaintButtonBar(*this, painter);
                return false;
            }
            if (watched->objectName() != QLatin1String("BTN6"))
                return false;
            const bool press = event->type() == QEvent::MouseButtonPress;
            const bool release = event->type() == QEvent::MouseButtonRelease;
            if ((press || release) && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                if (press)
                    TigaiIppatuDo();
                else
                    TigaiIppatuRetore();
            }
            return false;
        },
        false);
}

// ---- buttons ------------------------------------------------------------------

void fCusData::BTN_Click(int index)
{
    switch (index) {
    case 1:
        if (main_.SaveAllFiles(QStringLiteral("keyOVERWRITE")))
            ControlChange(false);
        break;
    case 2:
        if (IsChanged() && mMOD::ShowMessage(29, 3).toInt() == platform::vbYes)
            return;
        state().print->PrintCustomize(this, usrPins(), stdPins(), state().selectKino->cusinp(),
                                      state().selectKino->cusout());
        break;
    case 3:
        if (mMOD::ShowMessage(11, 7).toInt() == platform::vbNo)
            return;
        ResetAllRow();
        ControlChange(true);
        break;
    case 4:
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
        break;
    case 5: {
        const bool hidden = grid().ColHidden(colStdLogic);
        ShowStdColumns(hidden);
        platform::forms::control<QPushButton>(*this, QStringLiteral("BTN5"))
            .setIcon(QIcon(picture(hidden ? 150 : 149, true)));
        break;
    }
    default: break;
    }
}

// ---- closing ------------------------------------------------------------------

void fCusData::closeEvent(QCloseEvent* event)
{
    EditingWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    platform::guarded(QStringLiteral("Form_Unload"), [&] {
        // The selection dialogs serve every customize window; the next one to open loads them again.
        state().selectKino->UnloadCustomForms();
        RemoveMenuCeck(Tag());
    });
}

void fCusData::RemoveMenuCeck(const QString& tag)
{
    Ostrel7::trapped(*state().method, QStringLiteral("RemoveMenuCeck"), [&] {
        for (QAction* item : main_.mnuCustomize().actions()) {
            if (!item->isSeparator() && item->data().toString() == tag) {
                item->setChecked(false);
                return;
            }
        }
    });
}

} // namespace QelmSet
