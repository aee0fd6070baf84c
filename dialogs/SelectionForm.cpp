#include "SelectionForm.h"

#include "mMODTree.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/EventGuard.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "platform/tree/ImageList.h"
#include "platform/tree/SelectionTree.h"
#include "resource/clsResource.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace Sorvi27 {

namespace {

// The smallest window, in twips.
constexpr int32_t kMinimumHeight = 3525;
constexpr int32_t kMinimumWidth = 2500;
// The place a dialog has before it takes a kept one, in twips.
constexpr int32_t kDesignedWidth = 4755;
constexpr int32_t kDesignedHeight = 6255;

constexpr int32_t kResFindTitle = 102;
constexpr int32_t kResExpandInOpening = 346;

} // namespace

SelectionForm::SelectionForm(SelectionDialog inputPlace, SelectionDialog outputPlace, QWidget* parent)
    : QDialog(parent), state_(LibraryState::acquire()), inputPlace_(inputPlace), outputPlace_(outputPlace),
      images_(std::make_shared<platform::tree::ImageList>(QSize(16, 16)))
{
    setMinimumSize(platform::twipsToPixels(QSize(kMinimumWidth, kMinimumHeight)));
    resize(platform::twipsToPixels(QSize(kDesignedWidth, kDesignedHeight)));

    mnuOption_ = new QMenu(this);
    mnuOption_->setObjectName(QStringLiteral("mnuOption"));
    mnuDoesExpandInOpening_ = mnuOption_->addAction(QString());
    mnuDoesExpandInOpening_->setObjectName(QStringLiteral("mnuDoesExpandInOpening"));
    mnuDoesExpandInOpening_->setCheckable(true);
    connect(mnuDoesExpandInOpening_, &QAction::triggered, this, [this] {
        platform::guarded(QStringLiteral("mnuDoesExpandInOpening_Click"), [&] { mnuDoesExpandInOpening_Click(); });
    });
}

SelectionForm::~SelectionForm() = default;

void SelectionForm::attachTree()
{
    tv_ = findChild<platform::tree::SelectionTree*>(QStringLiteral("tv"));
    if (!tv_)
        throw std::logic_error("a selection form needs its tree tv");
}

Telva27::colclsCusSelection& SelectionForm::colSel() const
{
    if (!colSel_)
        throw platform::RuntimeError(platform::errObjectNotSet);
    return *colSel_;
}

QString SelectionForm::catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

void SelectionForm::Unload()
{
    tv().Nodes().Clear();
    dicParentKeys.clear();
    loaded_ = false;
}

void SelectionForm::CreateImageList(std::span<const TreeImage> pictures)
{
    if (images_->Count() == 0) {
        const Resource::clsResource catalogue;
        for (const TreeImage& image : pictures) {
            const auto picture = catalogue.PicRes(image.picture);
            images_->Add(QString::fromLatin1(image.key),
                         picture ? picture->icon().pixmap(images_->ImageSize()) : QPixmap());
        }
    }
    tv().setImages(images_);
}

void SelectionForm::SetTreeStyle()
{
    // Labels are read-only and the lines, indentation and pictures are the
    // tree's own; only the pictures come from the dialog.
    tv().setImages(images_);
    mnuDoesExpandInOpening_->setText(catalogueText(kResExpandInOpening));
}

SelectionDialog SelectionForm::placeOf() const
{
    return inOrOut_ == 1 ? inputPlace_ : outputPlace_;
}

void SelectionForm::MoveToPlace()
{
    if (inOrOut_ != 1 && inOrOut_ != 2)
        return;
    const WindowPlace& place = state_->places[static_cast<size_t>(placeOf())];
    move(platform::twipsToPixels(QPoint(place.Left, place.Top)));
    resize(platform::twipsToPixels(QSize(place.Width, place.Height)));
}

void SelectionForm::SaveRegData()
{
    Ostrel7::trapped(reporter(), QStringLiteral("SaveRegData"), [&] {
        if (inOrOut_ != 1 && inOrOut_ != 2)
            return;
        const SelectionDialog dialog = placeOf();
        WindowPlace& place = state_->places[static_cast<size_t>(dialog)];
        place = {.Height = platform::pixelsToTwips(height()),
                 .Left = platform::pixelsToTwips(x()),
                 .Top = platform::pixelsToTwips(y()),
                 .Width = platform::pixelsToTwips(width())};
        const Ostrel7::SettingsTable& table = state_->settings();
        const settingkeys::PlaceNames& names = settingkeys::kPlaces[dialog];
        table.write(names.Height, place.Height);
        table.write(names.Left, place.Left);
        table.write(names.Top, place.Top);
        table.write(names.Width, place.Width);
    });
}

bool SelectionForm::BuildNodes(int32_t kind)
{
    tv().Nodes().Clear();
    dicParentKeys.clear();
    if (!mMOD::Create_ParentKey(colSel(), tv(), dicParentKeys))
        return false;
    return mMOD::Create_Child(kind, inOrOut_, colSel(), tv());
}

void SelectionForm::Find(int32_t promptCaption)
{
    Ostrel7::trapped(reporter(), QStringLiteral("btnFind_Click"), [&] {
        const QString answer =
            platform::ui().inputBox(catalogueText(promptCaption), catalogueText(kResFindTitle), QString()).toUpper();
        if (answer.isEmpty())
            return;
        for (platform::tree::SelectionNode* node : tv().Nodes()) {
            if (node->TagString().toUpper() != answer)
                continue;
            tv().setSelectedItem(node);
            tv().scrollToItem(node->item());
            tv().setFocus();
            return;
        }
    });
}

void SelectionForm::ShowOptionMenu(const QPoint& at)
{
    mnuDoesExpandInOpening_->setChecked(state_->DoesExpandInOpening);
    platform::ui().popupMenu(*mnuOption_, mapToGlobal(at));
}

void SelectionForm::mnuDoesExpandInOpening_Click()
{
    state_->DoesExpandInOpening = !state_->DoesExpandInOpening;
    state_->settings().write(settingkeys::kDoesExpandInOpening, state_->DoesExpandInOpening);
    if (state_->DoesExpandInOpening)
        mMOD::ExpandRoot(tv(), dicParentKeys);
}

void SelectionForm::closeEvent(QCloseEvent* e)
{
    if (isVisible())
        platform::guarded(QStringLiteral("Form_QueryUnload"), [&] { CloseBox(); });
    // However the answer went, the close box closes the window.
    if (isVisible())
        QDialog::done(QDialog::Rejected);
    e->accept();
}

void SelectionForm::reject()
{
    platform::guarded(QStringLiteral("Form_KeyDown"), [&] { EscapeKey(); });
}

void SelectionForm::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    if (tv_)
        platform::guarded(QStringLiteral("Form_Resize"), [&] { LayoutTree(); });
}

} // namespace Sorvi27
