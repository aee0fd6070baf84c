#pragma once
// The export dialog: the user picks what to export from a list, whether only
// differing values are exported, whether the workbook is opened afterwards,
// whether the last workbook is written over without asking and the version
// the borders are drawn for; the create button settles the workbook's path
// and runs the data model's report for the kind, whose progress shows in the
// status panel.
//
// clsPrint keeps one dialog for its whole life: its properties keep their
// values from one export to the next, and each export loads it anew
// (Form_Load) before it is shown.

#include <QDialog>
#include <QSet>
#include <QString>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {
class colclsFunction;
class colclsCustom;
class colclsCusSelection;
class colclsOkuri;
class colclsStep;
} // namespace Telva27

namespace Sorvi27 {

class ExportSettings;
class LibraryState;

// What the dialog exports, the value of PrintKind.
enum PrintKindValue : int32_t { ePrintParameter = 0, ePrintCustomize = 1, ePrintOkuri = 2, ePrintStep = 3 };

class fPrint : public QDialog {
public:
    // The settings are the library's export settings, read and written here.
    fPrint(LibraryState& state, ExportSettings& settings);

    void setPrintKind(int32_t v) { printKind_ = v; }
    // The data objects of the kinds; the dialog never owns them.
    void setPrms(Telva27::colclsFunction* v) { prms_ = v; }
    void setCusUsr(Telva27::colclsCustom* v) { cusUsr_ = v; }
    void setCusStd(Telva27::colclsCustom* v) { cusStd_ = v; }
    void setCusinp(Telva27::colclsCusSelection* v) { cusinp_ = v; }
    void setCusout(Telva27::colclsCusSelection* v) { cusout_ = v; }
    void setColOkuriX(Telva27::colclsOkuri* v) { colOkuriX_ = v; }
    void setColOkuriY(Telva27::colclsOkuri* v) { colOkuriY_ = v; }
    void setStep(Telva27::colclsStep* v) { step_ = v; }
    // Forgets every data object (the caller's objects need not outlive the export).
    void releaseData();
    // The parameter window's view: "AllFunctions", "ViewDif" or one group.
    const QString& FunctionName() const { return functionName_; }
    void setFunctionName(const QString& v) { functionName_ = v; }
    // Special groups may be listed.
    void setPrintTokushu(bool v) { printTokushu_ = v; }
    // The only-differences box is disabled.
    void setKillDoesPrintOnlyDif(bool v) { killDoesPrintOnlyDif_ = v; }
    // After the dialog has closed: the workbook the caller is to open, or "".
    const QString& ExcelFullFname() const { return excelFullFname_; }

    // Prepares the dialog for one export from the properties set above.
    void Form_Load();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void SetCaptions();
    void FillExcelVersions();
    void Create_lst_prms();
    void Create_lst_cus();
    void Create_lst_okuri();
    void Create_lst_step();
    // Adds one item, selected.
    void addSelectedItem(int32_t caption);
    void LoadOptions();
    bool AnySelected() const;
    QSet<QString> Create_dicTOPKMK() const;
    QString GetExcelFullFname(const QString& sFullFname);
    bool StartPrinting();
    // The workbook's path, "" when the user cancelled the file dialog.
    QString settlePath();
    // Runs the kind's report into the path; False when it failed.
    bool Export(const QString& path);

    void btnSel_Click(int index);
    void BTN_Click(int index);
    // The Doing event of the data objects: the report's step in the status
    // panel, painted at once.
    void Doing(const QString& sMSG);

    Ostrel7::clsMethod& reporter() const;

    LibraryState& state_;
    ExportSettings& settings_;

    QListWidget* lst_ = nullptr;
    QCheckBox* chkDoesPrintOnlyDif_ = nullptr;
    QCheckBox* chkDoesOpenSavedFile_ = nullptr;
    QCheckBox* chkDoesOverWrite_ = nullptr;
    QComboBox* cboExcelVersion_ = nullptr;
    QLabel* keyMSG_ = nullptr;

    int32_t printKind_ = -1;
    Telva27::colclsFunction* prms_ = nullptr;
    Telva27::colclsCustom* cusUsr_ = nullptr;
    Telva27::colclsCustom* cusStd_ = nullptr;
    Telva27::colclsCusSelection* cusinp_ = nullptr;
    Telva27::colclsCusSelection* cusout_ = nullptr;
    Telva27::colclsOkuri* colOkuriX_ = nullptr;
    Telva27::colclsOkuri* colOkuriY_ = nullptr;
    Telva27::colclsStep* step_ = nullptr;
    QString functionName_;
    bool printTokushu_ = false;
    bool killDoesPrintOnlyDif_ = false;
    QString excelFullFname_;
    // True while a report is being written: the window paints, but does not close.
    bool exporting_ = false;
};

} // namespace Sorvi27
