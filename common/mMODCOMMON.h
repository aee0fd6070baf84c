#pragma once
// Start-up helpers both programs link: the names of the private working
// copies they edit instead of the user's files, making such a copy, the check
// for the setting archive, and placing a main window on the desktop.

#include <QRect>
#include <QString>
#include <cstdint>

class QWidget;

namespace Ostrel7 {
class clsMethod;
}

namespace QelmCommon::mMODCOMMON {

// The step editor's working copy of a step file (isStp) or of its note file:
// kind 0 (USR) "eusr2.tmp" / "eusr3.tmp", kind 1 (STD) "estd2.tmp" / "estd3.tmp";
// "" for any other kind (after a report).
QString CreateStepTempName(Ostrel7::clsMethod& method, int32_t kind, bool isStp);

// The setting program's working copy of a table file: "estd.tmp" for kind 1,
// "eusr.tmp" for every other kind.
QString CreateParaTempName(Ostrel7::clsMethod& method, int32_t kind);

// Copies src (a regular file no larger than a table or step file) whole over
// its working copy and answers the copy's path; "" when src does not exist or
// the copy failed (after a report). A failed copy leaves no half-written copy.
QString CopyFromFDToHD(Ostrel7::clsMethod& method, bool isStep, int32_t kind, const QString& src);

// True when the setting archive QEL.e lies in appPath; otherwise a critical
// box names the missing file and the answer is False.
bool CheckNeedFiles(const QString& appPath);

// The outer rectangle, frame and title bar included, that a main window is
// given in a work area (both in pixels): 5 twips in from its top left, 5 twips
// narrower and 15 twips less tall, and never beyond it.
QRect WorkAreaFrame(const QRect& workArea);

// Places the window, frame and title bar included, in that rectangle of the
// desktop's work area (the screen less its panels). While the window manager
// has not framed it yet, the frame is estimated from the title bar height of
// the style and the place is corrected once the window is first shown framed.
void FitToWorkArea(QWidget& form);

} // namespace QelmCommon::mMODCOMMON
