#pragma once
// What the step editor holds for its whole run: the library objects it
// creates at start (in creation order), the two step programs, the two step
// windows, the wait-message box, and the program-wide variables (folders,
// options, the files shown). One object, owned by the main window and reached
// by reference from the step windows.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ostrel7 {
class clsFILE;
class clsMethod;
class clsProperty;
class clsString;
class SettingsTable;
} // namespace Ostrel7
namespace Resource {
class clsResource;
}
namespace Telva27 {
class colclsStep;
}
namespace Sorvi27 {
class clsSelectTable;
class clsSelectKino;
class clsPrint;
} // namespace Sorvi27

namespace QelmStp {

class fStep;
class WaitMessageBox;

struct ProgramState {
    ProgramState();
    ~ProgramState();
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // Library objects, in the order they are created and released.
    std::unique_ptr<Ostrel7::clsFILE> file;
    std::unique_ptr<Ostrel7::clsMethod> method;
    std::unique_ptr<Ostrel7::clsProperty> property;
    std::unique_ptr<Ostrel7::clsString> string;
    std::unique_ptr<Resource::clsResource> resource;
    std::unique_ptr<Sorvi27::clsSelectTable> selectTable;
    // The user and the reference step programs. The step windows put new
    // programs here when they clear, read or rebuild one; holders of the old
    // one keep it alive until they let it go.
    std::shared_ptr<Telva27::colclsStep> stepUsr;
    std::shared_ptr<Telva27::colclsStep> stepStd;
    // The reference and the user step window. Qt owns them once they are
    // shown in the main window; the pointers clear themselves when a window
    // is deleted.
    QPointer<fStep> frmStd;
    QPointer<fStep> frmUsr;
    // The memo window of the user's program while it is open (modeless);
    // a new program is not started under it.
    QPointer<QWidget> frmMemo;
    std::unique_ptr<Sorvi27::clsSelectKino> selectKino;
    std::unique_ptr<Sorvi27::clsPrint> print;
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

    // The declared settings of AppName (made when AppName is known).
    std::unique_ptr<Ostrel7::SettingsTable> settings;
};

} // namespace QelmStp
