#pragma once
// Export to workbooks and the table copy of the dialog library. Created by each
// program after clsSelectKino, whose library-wide state it uses.

#include "datamodel/common/Enums.h"

#include <QString>
#include <QVariant>
#include <memory>

class QWidget;

namespace Telva27 {
class colclsFunction;
class colclsCustom;
class colclsCusSelection;
class colclsOkuri;
class colclsStep;
}

namespace Sorvi27 {

class ExportSettings;
class LibraryState;
class fPrint;

class clsPrint {
public:
    // Takes its part of the library-wide state: a clsString. Reads the export
    // settings, writing their defaults where they are missing.
    clsPrint();
    ~clsPrint();
    clsPrint(const clsPrint&) = delete;
    clsPrint& operator=(const clsPrint&) = delete;

    // Export to a workbook: each opens the export dialog on its data and,
    // when the user asked for it, opens the saved workbook with the
    // desktop's program for it; hwnd owns that program.
    void PrintCustomize(QWidget* hwnd, Telva27::colclsCustom& cusUsr, Telva27::colclsCustom& cusStd,
                        Telva27::colclsCusSelection& cusinp, Telva27::colclsCusSelection& cusout);
    // sFunctionName is the parameter window's view ("AllFunctions",
    // "ViewDif" or one group); doesPrintTokushu whether special groups may be listed.
    void PrintParameter(QWidget* hwnd, Telva27::colclsFunction& prms, const QString& sFunctionName,
                        const QVariant& doesPrintTokushu);
    void PrintOkuriParameter(QWidget* hwnd, Telva27::colclsOkuri& colOkuriX, Telva27::colclsOkuri& colOkuriY);
    void PrintStep(QWidget* hwnd, Telva27::colclsStep& step);

    // The password and author of a step table in their dialog: editable for
    // eUSR, shown only for eSTD. Answers password, TAB, author as the dialog
    // holds them when it closes (the values given when it was cancelled).
    QString InputPassword(Telva27::ENUM_USRSTD eSTDUSR, const QString& sPassword, const QString& sAuthor);

private:
    // The export settings: defaults written, values read (message 2 when that fails).
    bool ReadRegData();
    bool CheckRegData();
    // Shows the export dialog as prepared and opens the saved workbook when asked.
    void ShowPrintDialog(QWidget* hwnd);
    fPrint& printDialog();

    std::shared_ptr<LibraryState> state_;
    std::shared_ptr<ExportSettings> exportSettings_;
    std::shared_ptr<fPrint> fPrint_;
};

} // namespace Sorvi27
