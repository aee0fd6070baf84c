#pragma once
// Export to workbooks and the table copy of the dialog library. Created by each
// program after clsSelectKino, whose library-wide state it uses.

#include "datamodel/common/Enums.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>
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

// What the table copy makes: eight-table setting files with their SEK file,
// or step files with their note file.
enum ENUM_STGorSTP : int32_t { eCOPY_STG = 0, eCOPY_STP = 1 };

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

    // Whether sSrcFullFname may be copied to sDestFullFname as far as disk
    // space goes: always for an existing destination or a network path
    // ("\\" or "//"), else when the file system of the destination's folder
    // has room for the source. False after a report when it can't be told.
    bool CheckFreeSpace(const QString& sSrcFullFname, const QString& sDestFullFname);
    // The table copy dialog, shown modally. The source is the file the caller
    // has open (may be empty); with IsChangedSrc the user is asked first
    // whether to go on, since the copy reads the files as saved.
    void CopyData(ENUM_STGorSTP eSTGorSTP, const QString& sSrcFileFullFname, bool IsChangedSrc);

    // The bytes free for this user on the file system that holds the folder,
    // as the free-space checks measure them; empty (the default) measures the
    // real file system. Tests put a smaller disk here.
    std::function<int64_t(const QString& folder)> freeSpaceOf;

private:
    // The export settings: defaults written, values read (message 2 when that fails).
    bool ReadRegData();
    bool CheckRegData();
    // Shows the export dialog as prepared and opens the saved workbook when asked.
    void ShowPrintDialog(QWidget* hwnd);
    // The body of the four export members, trapped under the member's label:
    // the dialog set to the kind, handed its data by `hand`, then shown.
    void exportKind(QWidget* hwnd, const QString& label, int32_t kind, bool killDoesPrintOnlyDif,
                    const std::function<void(fPrint&)>& hand);
    fPrint& printDialog();
    // The free space of a folder's file system: freeSpaceOf, or the real one.
    int64_t bytesFreeIn(const QString& folder) const;

    std::shared_ptr<LibraryState> state_;
    std::shared_ptr<ExportSettings> exportSettings_;
    std::shared_ptr<fPrint> fPrint_;
    // The folder of the file last saved by the copy dialog, kept for its next showing.
    QString copyFolder_;
};

} // namespace Sorvi27
