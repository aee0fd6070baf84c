#pragma once
// What the open/save dialogs of the library share for the whole run: the OK
// button caption, the file-name label caption and where the dialog is placed,
// and the hook that applies them to a dialog while it opens.

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>

class QWidget;

namespace Ostrel7 {

enum ENUM_DLG_POSITION : int32_t {
    eDLGPOS_NONE = 0,
    eDLGPOS_CENTER = 1,
    eDLGPOS_LEFT_TOP = 2,
    eDLGPOS_LEFT_BOTTOM = 3,
    eDLGPOS_RIGHT_TOP = 4,
    eDLGPOS_RIGHT_BOTTOM = 5,
};

namespace mDialog {

// Messages the hook answers, with the numbers dialogs have always sent.
constexpr uint32_t kInitDialog = 272;
constexpr uint32_t kNotify = 78;
constexpr intptr_t kInitDone = -601;

QString okCaption();
QString labelCaption();
int32_t placement();
// An empty caption leaves the one in force.
void setCaptions(const QString& okCaption, const QString& labelCaption);
void setPlacement(int32_t position);

// Top-left corner, from the screen's origin, of a dialog of outer size
// `dialog` placed on a work area of size `workArea`.
QPoint placedAt(int32_t position, const QSize& workArea, const QSize& dialog);

// The dialog hook. hdlg is the hook window or the dialog itself; the dialog
// is its top-level window. On kInitDialog the captions go to the dialog's OK
// button and file-name label; on kNotify with lParam kInitDone (the
// notification code) the dialog is placed. Answers -1 to the notification
// and 0 otherwise.
int32_t OpenSaveHookProc(QWidget* hdlg, uint32_t uMsg, intptr_t wParam, intptr_t lParam);

} // namespace mDialog
} // namespace Ostrel7
