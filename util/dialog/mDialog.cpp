#include "mDialog.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Ostrel7::mDialog {

namespace {

struct Shared {
    QString okCaption;
    QString labelCaption;
    int32_t placement = eDLGPOS_NONE;
};

Shared& shared()
{
    static Shared state;
    return state;
}

void applyCaptions(QWidget* dialog)
{
    auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
    if (!fileDialog)
        return;
    if (!shared().okCaption.isEmpty())
        fileDialog->setLabelText(QFileDialog::Accept, shared().okCaption);
    if (!shared().labelCaption.isEmpty())
        fileDialog->setLabelText(QFileDialog::FileName, shared().labelCaption);
}

// Moves the dialog without resizing it or changing its stacking.
void place(QWidget* dialog)
{
    if (shared().placement == eDLGPOS_NONE)
        return;
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPoint corner = placedAt(shared().placement, screen->availableGeometry().size(),
                                   dialog->frameGeometry().size());
    dialog->move(screen->geometry().topLeft() + corner);
}

} // namespace

QString okCaption() { return shared().okCaption; }
QString labelCaption() { return shared().labelCaption; }
int32_t placement() { return shared().placement; }

void setCaptions(const QString& okCaption, const QString& labelCaption)
{
    if (!okCaption.isEmpty())
        shared().okCaption = okCaption;
    if (!labelCaption.isEmpty())
        shared().labelCaption = labelCaption;
}

void setPlacement(int32_t position) { shared().placement = position; }

QPoint placedAt(int32_t position, const QSize& workArea, const QSize& dialog)
{
    const int freeX = workArea.width() - dialog.width();
    const int freeY = workArea.height() - dialog.height();
    switch (position) {
    case eDLGPOS_CENTER: return {freeX / 2, freeY / 2};
    case eDLGPOS_LEFT_TOP: return {0, 0};
    case eDLGPOS_LEFT_BOTTOM: return {0, freeY};
    case eDLGPOS_RIGHT_TOP: return {freeX, 0};
    case eDLGPOS_RIGHT_BOTTOM: return {freeX, freeY};
    default: return {0, 0};
    }
}

int32_t OpenSaveHookProc(QWidget* hdlg, uint32_t uMsg, intptr_t wParam, intptr_t lParam)
{
    Q_UNUSED(wParam);
    QWidget* dialog = hdlg ? hdlg->window() : nullptr;
    if (uMsg == kInitDialog) {
        if (dialog)
            applyCaptions(dialog);
        return 0;
    }
    if (uMsg == kNotify) {
        if (dialog && lParam == kInitDone)
            place(dialog);
        return -1;
    }
    return 0;
}

} // namespace Ostrel7::mDialog
