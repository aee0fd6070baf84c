// fStep: the editing and the drawing of the grid's cells, wired to the
// window (its role, changed flag, function dialog, find and edit menu), and
// the check of the display's colours.

#include "fStep.h"

#include "ProgramState.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "dialogs/clsSelectKino.h"
#include "platform/grid/FlexGrid.h"
#include "util/method/Trap.h"
#include "util/property/clsProperty.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QPixmap>

namespace QelmStp {

namespace {

constexpr int16_t kMsgFewColours = 70;

// The find dialog is open somewhere in the program.
bool findDialogShown()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("fFind") && widget->isVisible())
            return true;
    return false;
}

} // namespace

void fStep::attachEditing()
{
    ProgramState& s = state();
    editing_ = std::make_unique<CellEditing>(*fg_, s.selectKino->stpout(), s.selectKino->stpinp(), *cells_,
                                             *lblHint_, reporter_);
    CellEditing::Hooks& hooks = editing_->hooks;
    hooks.isReference = [this] { return stdUsr_ != Telva27::eUSR; };
    hooks.ControlChange = [this](bool changed) { ControlChange(changed); };
    hooks.GetKinoValue = [this](int32_t direction, int16_t org, int32_t col, bool lastGroup) {
        return state().selectKino->GetKinoValue(direction, org, col, lastGroup);
    };
    hooks.findLoaded = &findDialogShown;
    hooks.find = [this] { tBar_ButtonClick(QStringLiteral("keyFIND")); };
    hooks.colourGroup = [this](int32_t row, int32_t col) { layout_->ColourGroup(row, col); };
    hooks.popupMenu = [this] { PopupEditMenu(QCursor::pos()); };
    editing_->attach();
    painter_ = std::make_unique<StepCellPainter>(*fg_, reporter_);
    painter_->attach();
}

void fStep::CheckColorCount()
{
    Ostrel7::trapped(reporter_, QStringLiteral("CheckColorCount"), [&] {
        ProgramState& s = state();
        if (s.ColourDepthReported)
            return;
        // A pixmap has the depth of the screen it is made for.
        QPixmap screen(1, 1);
        QPainter hdc(&screen);
        const double colours = s.property->DeviceColors(&hdc);
        hdc.end();
        if (!StepCellPainter::TooFewColours(colours))
            return;
        s.ColourDepthReported = true;
        mMOD::ShowMessage(kMsgFewColours, 2);
    });
}

} // namespace QelmStp
