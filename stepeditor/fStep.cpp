#include "fStep.h"

#include "ProgramState.h"
#include "fFind.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "datamodel/customize/clsCusSelection.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "dialogs/clsSelectKino.h"
#include "platform/EventGuard.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QEvent>
#include <QFrame>
#include <QBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>


namespace QelmStp {

using platform::grid::FlexGrid;

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

// A band of the cool bar: a raised panel laying out its controls in a row.
QWidget* newBand(QWidget* parent)
{
    auto* band = new QFrame(parent);
    band->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return band;
}

// The sunken box the input-method hint is written in.
QWidget* newHintBox(QWidget* parent)
{
    auto* box = new QFrame(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setMinimumHeight(20);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

// The cool bar CoolBar1 with its two bands, and the step grid below it. The
// cool bar and the grid are placed by Form_Resize, the hint by its box.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Panel, .name = "CoolBar1", .place = QRect(0, 0, 9600, 780)},
    {.kind = ControlKind::Custom, .name = "keyTOOLBAR", .container = "CoolBar1",
     .arrange = platform::forms::Arrange::Horizontal, .create = &newBand},
    {.kind = ControlKind::Custom, .name = "tBar", .container = "keyTOOLBAR", .create = &platform::forms::make<QToolBar>},
    {.kind = ControlKind::ComboBox, .name = "cboTable", .container = "keyTOOLBAR"},
    {.kind = ControlKind::Custom, .name = "keyHINT", .container = "CoolBar1",
     .arrange = platform::forms::Arrange::Horizontal, .create = &newBand},
    {.kind = ControlKind::Label, .name = "keyHINTCaption", .container = "keyHINT"},
    {.kind = ControlKind::Custom, .name = "picHint", .container = "keyHINT", .create = &newHintBox},
    {.kind = ControlKind::Label, .name = "lblHint", .place = QRect(45, 0, 6000, 300), .container = "picHint"},
    {.kind = ControlKind::Custom, .name = "fg", .place = QRect(0, 800, 9600, 4000),
     .create = &platform::forms::make<FlexGrid>},
};

// Every name of a selection list, shown or not, so that the columns keep their widths from file to file.
QStringList namesOf(const Telva27::colclsCusSelection& list)
{
    QStringList names;
    for (const auto& entry : list)
        names << entry->Ditigal();
    return names;
}

// The width of a table list that shows its widest item whole; measured
// afresh, since a list keeps the size it measured before it was shown.
int tableListWidth(QComboBox& list)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    const QFontMetrics metrics(list.font());
    int widest = 0;
    for (int i = 0; i < list.count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list.itemText(i)));
    return list.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &list).width();
}

} // namespace

fStep::fStep(fMain& main) : main_(main)
{
    setObjectName(QStringLiteral("fStep"));
    buildControls();
    layout_ = std::make_unique<StepGridLayout>(fg_->data(), reporter_);
}

fStep::~fStep() = default;

ProgramState& fStep::state() { return main_.state(); }

void fStep::buildControls()
{
    using platform::forms::control;
    platform::forms::buildControls(*this, kControls);
    coolBar_ = &control<QWidget>(*this, QStringLiteral("CoolBar1"));
    toolbarBand_ = &control<QWidget>(*this, QStringLiteral("keyTOOLBAR"));
    tBar_ = &control<QToolBar>(*this, QStringLiteral("tBar"));
    cboTable_ = &control<QComboBox>(*this, QStringLiteral("cboTable"));
    hintBand_ = &control<QWidget>(*this, QStringLiteral("keyHINT"));
    hintCaption_ = &control<QLabel>(*this, QStringLiteral("keyHINTCaption"));
    picHint_ = &control<QWidget>(*this, QStringLiteral("picHint"));
    lblHint_ = &control<QLabel>(*this, QStringLiteral("lblHint"));
    fg_ = &control<FlexGrid>(*this, QStringLiteral("fg"));
    // The bands sit close together, each with a narrow margin round its row.
    coolBar_->layout()->setContentsMargins(0, 0, 0, 0);
    coolBar_->layout()->setSpacing(0);
    for (QWidget* band : {toolbarBand_, hintBand_})
        band->layout()->setContentsMargins(2, 1, 2, 1);
    static_cast<QBoxLayout*>(toolbarBand_->layout())->addStretch(1);
    tBar_->setIconSize(QSize(20, 20));

    // Only the user's choice reads a table; the window sets the list quietly.
    connect(cboTable_, &QComboBox::activated, this,
            [this] { platform::guarded(QStringLiteral("cboTable_Click"), [&] { cboTable_Click(); }); });
    connect(fg_, &FlexGrid::beforeUserResize, this, [this](int row, int col, bool& cancel) {
        platform::guarded(QStringLiteral("fg_BeforeUserResize"), [&] { fg_BeforeUserResize(row, col, cancel); });
    });
    connect(fg_, &FlexGrid::afterUserResize, this, [this](int row, int col) {
        platform::guarded(QStringLiteral("fg_AfterUserResize"), [&] { fg_AfterUserResize(row, col); });
    });
    buildEditMenu();
    // The cool bar changes its height when a band is shown or hidden or the
    // toolbar's texts change; the hint follows its box.
    coolBar_->installEventFilter(this);
    picHint_->installEventFilter(this);
}

QWidget& fStep::band(const QString& key)
{
    if (key == QLatin1String("keyTOOLBAR"))
        return *toolbarBand_;
    if (key == QLatin1String("keyHINT"))
        return *hintBand_;
    throw platform::RuntimeError(platform::errInvalidCall, QStringLiteral("The cool bar has no band ") + key);
}

// ---- loading and closing ---------------------------------------------------

QMdiSubWindow* fStep::frame() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void fStep::Show()
{
    QMdiSubWindow* shownIn = frame();
    if (!shownIn) {
        // Closing the window hides it; it is loaded again when next shown.
        shownIn = new QMdiSubWindow;
        shownIn->setAttribute(Qt::WA_DeleteOnClose, false);
        shownIn->setWidget(this);
        main_.mdiArea().addSubWindow(shownIn);
        connect(&main_.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
            if (active && active == frame())
                platform::guarded(QStringLiteral("Form_Activate"), [&] { Form_Activate(); });
        });
    }
    if (!loaded_)
        Form_Load();
    if (!main_.isVisible())
        main_.show();
    shownIn->show();
}

void fStep::Form_Load()
{
    ProgramState& s = state();
    const bool user = stdUsr_ == Telva27::eUSR;
    InitForm();
    PastePicture();
    if (user)
        s.selectKino->LoadStepForms();
    CreateToolbar();
    layout_->FitNames(namesOf(s.selectKino->stpout()), namesOf(s.selectKino->stpinp()));
    layout_->Format_fg(s.DoesViewRemarkColumn, s.RemarkColumnWidth);
    // Each cell's category decides whether an edit of it may start.
    if (!cells_) {
        cells_ = std::make_unique<CellCategories>(*fg_, s.selectKino->stpout(), s.selectKino->stpinp(), reporter_);
        cells_->attach();
        exchange_ = std::make_unique<StepExchange>(*fg_, s.selectKino->stpout(), s.selectKino->stpinp(), *cells_,
                                                   reporter_);
        exchange_->ControlChange = [this](bool changed) { ControlChange(changed); };
        attachEditing();
    }
    Form_Resize();
    // The reference window only shows: no input-method hint, and of the
    // right-click menu only Copy.
    SetHintBandVisible(user && s.DoesViewInputMethod);
    mnuCut_->setEnabled(user);
    mnuInsert_->setEnabled(user);
    mnuPaste_->setEnabled(user);
    CheckColorCount();
    NewOp();
}

void fStep::InitForm()
{
    ControlChange(false);
    if (stdUsr_ == Telva27::eUSR)
        DeleteTemporaryFiles();
    lblHint_->clear();
    lblHint_->setBackgroundRole(picHint_->backgroundRole());
    cboTable_->clear();
    for (int i = 1; i <= 7; ++i)
        cboTable_->addItem(QString::number(i));
    // As wide as its items need, in both windows alike, however the band is laid out.
    cboTable_->setFixedWidth(tableListWidth(*cboTable_));
    cboTable_->setCurrentIndex(-1);
    cboTable_->setEnabled(false);
    QFont font = lblHint_->font();
    font.setFamily(QStringLiteral("Liberation Sans"));
    lblHint_->setFont(font);
    QFont gridFont = fg_->data().Font();
    gridFont.setFamily(StepCellPainter::kGridFontFamily);
    fg_->data().setFont(gridFont);
    SetCaptions();
    dicUndoFiles_.clear();
    loaded_ = true;
}

void fStep::SetCaptions()
{
    const Resource::clsResource& res = *state().resource;
    setWindowTitle(res.Res(261));
    hintCaption_->setText(res.Res(200));
    mnuCut_->setText(res.Res(406));
    mnuCopy_->setText(res.Res(202));
    mnuPaste_->setText(res.Res(203));
    mnuInsert_->setText(res.Res(204));
    QFont font = lblHint_->font();
    font.setPointSizeF(8);
    lblHint_->setFont(font);
}

void fStep::Form_Activate() { Form_Resize(); }

void fStep::Form_QueryUnload(bool& cancel, int32_t unloadMode)
{
    if (stdUsr_ != Telva27::eUSR)
        return;
    Ostrel7::trapped(reporter_, QStringLiteral("Form_Unload"), [&] {
        // The user window closes only with the program.
        if (unloadMode == vbFormControlMenu) {
            mMOD::ShowMessage(62, 2);
            fg_->setFocus();
            cancel = true;
            return;
        }
        if (!changed_)
            return;
        switch (mMOD::ShowMessage(13, 6).toInt()) {
        case platform::vbYes:
            // Unsaved data is never dropped by a save that failed.
            if (!SaveStepData(0))
                cancel = true;
            break;
        case platform::vbNo:
            ControlChange(false);
            break;
        default:
            cancel = true;
            break;
        }
    });
}

void fStep::Form_Unload()
{
    // Its find dialog would go on searching a grid nobody sees.
    fFind* find = stdUsr_ == Telva27::eUSR ? state().frmFindUsr.data() : state().frmFindStd.data();
    if (find && find->IsLoaded() && find->Target_fStep() == this)
        find->Form_Unload();
    if (stdUsr_ == Telva27::eUSR)
        state().selectKino->UnLoadStepForms();
    DeleteTemporaryFiles();
    loaded_ = false;
}

void fStep::closeEvent(QCloseEvent* event)
{
    const bool accept = platform::guarded(
        QStringLiteral("Form_QueryUnload"),
        [&] {
            if (!loaded_)
                return true;
            bool cancel = false;
            Form_QueryUnload(cancel, vbFormControlMenu);
            if (!cancel)
                Form_Unload();
            return !cancel;
        },
        false);
    event->setAccepted(accept);
}

// ---- toolbar and hint --------------------------------------------------------

void fStep::SetHintBandVisible(bool visible)
{
    hintBand_->setVisible(visible);
    Form_Resize();
}

// ---- layout ----------------------------------------------------------------

void fStep::ControlRemarkColumn(bool visible) { layout_->ControlRemarkColumn(visible, state().RemarkColumnWidth); }

void fStep::fg_BeforeUserResize(int32_t /*row*/, int32_t col, bool& cancel)
{
    if (!StepGridLayout::MayResize(col))
        cancel = true;
}

void fStep::fg_AfterUserResize(int32_t /*row*/, int32_t col)
{
    Ostrel7::trapped(reporter_, QStringLiteral("fg_AfterUserResize"), [&] {
        if (!StepGridLayout::MayResize(col))
            return;
        const int32_t width = StepGridLayout::RemarkWidthAfterResize(fg_->data().ColWidth(col));
        if (width != fg_->data().ColWidth(col))
            fg_->data().setColWidth(col, width);
        state().RemarkColumnWidth = width;
        main_.SaveSettings();
    });
}

void fStep::Form_Resize()
{
    Ostrel7::trapped(reporter_, QStringLiteral("Form_Resize"), [&] {
        if (isMinimized() || (frame() && frame()->isMinimized()))
            return;
        coolBar_->setGeometry(0, 0, width(), coolBar_->sizeHint().height());
        using platform::pixelsToTwips;
        const int32_t top = pixelsToTwips(coolBar_->y() + coolBar_->height()) + 2;
        const int32_t innerWidth = pixelsToTwips(width());
        const int32_t innerHeight = pixelsToTwips(height());
        fg_->setGeometry(platform::twipsToPixels(
            QRect(3, top, std::max(innerWidth - 3, 0), std::max(innerHeight - top - 3, 0))));
        // The hint box measures in pixels.
        const int labelHeight = lblHint_->sizeHint().height();
        lblHint_->setGeometry(3, (picHint_->height() - labelHeight) / 2, picHint_->width(), labelHeight);
    });
}

void fStep::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

bool fStep::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest && watched == coolBar_)
        Form_Resize();
    else if (event->type() == QEvent::Resize && watched == picHint_)
        Form_Resize();
    return QWidget::eventFilter(watched, event);
}

} // namespace QelmStp
