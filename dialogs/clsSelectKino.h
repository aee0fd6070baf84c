#pragma once
// The setting archive and the function-selection lists of the dialog library.
// Each program creates one object at start (after clsSelectTable, before
// clsPrint) and holds it for the run. Creating it sets up the library-wide
// state every class and dialog of the library uses (utility objects, library
// folder, the library's settings), extracts the setting archive QEL.e into
// Set01.e .. Set10.e on request, reads the four selection lists and deletes
// the extracted files again.

#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace Telva27 {
class colclsCusSelection;
}

namespace Sorvi27 {

class LibraryState;
class fSelCus;
class fSelStepKino;

// Which functions of the step output and input lists a step program offers,
// by code: data of the program's note file, read with the program and saved
// with it. The default offers nothing, as a new program does.
struct StepFunctionFlags {
    QSet<int16_t> outputs;
    QSet<int16_t> inputs;
    bool operator==(const StepFunctionFlags&) const = default;
};

class clsSelectKino {
public:
    clsSelectKino();
    ~clsSelectKino();
    clsSelectKino(const clsSelectKino&) = delete;
    clsSelectKino& operator=(const clsSelectKino&) = delete;

    // The shared lists themselves: callers may change them (SwitchHidden).
    Telva27::colclsCusSelection& cusinp();
    Telva27::colclsCusSelection& cusout();
    Telva27::colclsCusSelection& stpinp();
    Telva27::colclsCusSelection& stpout();

    // The functions the step lists offer now (their entries not Hidden), and
    // making them offer exactly a program's functions. The lists are shared
    // by both step windows while the flags belong to one program: these carry
    // a program's flags out of the lists and back into them.
    StepFunctionFlags StepFlags();
    void setStepFlags(const StepFunctionFlags& flags);

    // Whether the step selection dialog asks before it enters editing mode.
    bool DoesAskInEditingMode() const;
    void setDoesAskInEditingMode(bool v);

    // Step editor start: extracts the archive, reads the step input (Set09.e)
    // and output (Set08.e) lists, deletes the extracted files. False after a
    // message.
    bool ReadStepSelection();
    // Reads the customize input (Set06.e) and output (Set07.e) lists from the
    // files a DoneMelt extracted. False after message 21 or 22.
    bool ReadCustomSelection();
    // Deletes the ten extracted files when the ILoveTide setting is True.
    // Always True; a file that cannot be deleted raises RuntimeError.
    bool DeleteSettingFiles();
    // Extracts QEL.e from the program folder into the library folder and
    // checks that Set01.e .. Set10.e are there. False after a report.
    bool DoneMelt();

    // The customize window's function choice. Load builds the input dialog's
    // tree from cusinp and the output dialog's from cusout; Unload drops both.
    void LoadCustomForms();
    void UnloadCustomForms();
    // Shows the input (eINOUT 1) or output (2) pin list's dialog and answers
    // the code chosen, bytOrg when the user cancels or on an error (reported);
    // any other eINOUT answers bytOrg at once.
    uint8_t GetCustomValue(int32_t eINOUT, uint8_t bytOrg);

    // The step grid's function choice. Load builds the output dialog's tree
    // from stpout, then the input dialog's from stpinp, each when it is first
    // asked for unless the dialog is already made; Unload drops both.
    void LoadStepForms();
    void UnLoadStepForms();
    // Shows the output (eINOUT 2) or else the input list's dialog, and answers
    // the code chosen, intOrg when the user cancels or on an error
    // (reported). Col and IsLastColGroup are not used.
    int16_t GetKinoValue(int32_t eINOUT, int16_t intOrg, int32_t Col, bool IsLastColGroup);

    // The setting-file paths: index 0 empty, 1 to 10 Set01.e .. Set10.e in the
    // library folder.
    const QStringList& SettingFilePaths() const { return paths_; }

private:
    // Start-up, in this order.
    void CreateActiveX();
    void SetLibraryFolder();
    void BuildSettingFilePaths();
    bool ReadRegData();
    bool CheckRegData();

    bool MeltSettingFiles();
    bool ExistAllSettingFiles();
    // Empties the slots of the library-wide state this object filled.
    void ReleaseActiveX();

    // The step dialog of the output (eOUTPUT) or the input list, empty until made.
    std::unique_ptr<fSelStepKino>& stepSlot(int32_t inOrOut);
    // Gives a step dialog its side and that side's list as it is now.
    void configure(fSelStepKino& dialog, int32_t inOrOut);

    // A shared list; RuntimeError(91) when it could not be created.
    Telva27::colclsCusSelection& list(const std::shared_ptr<Telva27::colclsCusSelection>& slot) const;

    std::shared_ptr<LibraryState> state_;
    QStringList paths_;
    // The customize input and output dialogs, made on their first use, loaded on request.
    std::unique_ptr<fSelCus> cusInDialog_;
    std::unique_ptr<fSelCus> cusOutDialog_;
    // The step input and output dialogs, likewise.
    std::unique_ptr<fSelStepKino> stepInDialog_;
    std::unique_ptr<fSelStepKino> stepOutDialog_;
};

} // namespace Sorvi27
