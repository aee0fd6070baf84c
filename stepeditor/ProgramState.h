#pragma once
// What the step editor holds for its whole run: the library objects it
// creates at start (in creation order), the two step programs, the two step
// windows and their find dialogs, the wait-message box, and the program-wide variables (folders,
// options, the files shown). One object, owned by the main window and reached
// by reference from the step windows.

#include "common/SharedObjects.h"
#include "dialogs/clsSelectKino.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ostrel7 {
class SettingsTable;
}
namespace Telva27 {
class colclsStep;
}

namespace QelmStp {

class fFind;
class fStep;
class WaitMessageBox;

// The library objects both programs create (file, method, property, string,
// resource, selectTable, selectKino, print) come from SharedObjects.
struct ProgramState : QelmCommon::SharedObjects {
    ProgramState();
    ~ProgramState();
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // The program's own objects, created after the shared ones and released before them.
    // The user and the reference step programs. The step windows put new
    // programs here when they clear, read or rebuild one; holders of the old
    // one keep it alive until they let it go.
    std::shared_ptr<Telva27::colclsStep> stepUsr;
    std::shared_ptr<Telva27::colclsStep> stepStd;
    // The functions the reference program offers, as read with its file. The
    // user program's are those the shared selection lists offer: the function
    // dialogs show and edit them and a save writes them, so a reference read
    // leaves them as they were and keeps its own here.
    Sorvi27::StepFunctionFlags functionsStd;
    // The reference and the user step window. Qt owns them once they are
    // shown in the main window; the pointers clear themselves when a window
    // is deleted.
    QPointer<fStep> frmStd;
    QPointer<fStep> frmUsr;
    // The find dialogs of the reference and of the user window (modeless).
    QPointer<fFind> frmFindStd;
    QPointer<fFind> frmFindUsr;
    // The memo window of the user's program while it is open (modeless);
    // a new program is not started under it.
    QPointer<QWidget> frmMemo;
    std::unique_ptr<WaitMessageBox> waitBox;

    // Program-wide variables.
    QString AppPath; // program folder with a trailing separator
    QString AppName; // the executable's name: settings application and message title
    QString UsrFullFname; // the step file of the user window; "" when none
    QString StdFullFname; // the step file of the reference window; "" when none

    // The options kept in the per-user store; DoesAskInEditingMode lives in selectKino.
    QString InitialPath;
    bool DoesViewRemarkColumn = true;
    bool DoesViewButtonCaption = true;
    bool DoesViewInputMethod = true;
    bool DoesReplaceFunction = true;
    bool DoesAskInReplacing = true;
    int32_t RemarkColumnWidth = 1200; // twips
    // The display's too few colours were reported (once in a run).
    bool ColourDepthReported = false;

    // The declared settings of AppName (made when AppName is known).
    std::unique_ptr<Ostrel7::SettingsTable> settings;
};

} // namespace QelmStp
