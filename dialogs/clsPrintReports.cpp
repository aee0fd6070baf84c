// clsPrint's export to workbooks: the four export members over the export
// dialog, and the export settings read when clsPrint is created.

#include "clsPrint.h"

#include "ExportSettings.h"
#include "LibraryState.h"
#include "fPrint.h"
#include "mMOD.h"

#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "util/method/Trap.h"
#include "util/property/clsProperty.h"


namespace Sorvi27 {

namespace {

// A loosely typed flag as a Boolean: a Boolean, a number (True unless 0), or
// the text "True", "False" or a number. Anything else is a type mismatch.
bool toBoolean(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (isNumber)
        return number != 0;
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    throw platform::RuntimeError(platform::errTypeMismatch);
}

} // namespace

bool clsPrint::CheckRegData()
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("CheckRegData"),
                            [&] { return exportSettings_->writeMissingDefaults(state_->Property()); });
}

bool clsPrint::ReadRegData()
{
    // The folder clsSelectKino fixed; the platform's when it was not made first.
    QString folder = state_->LibraryFolder;
    if (folder.isEmpty())
        folder = platform::folders::libraryFolder() + QLatin1Char('/');
    exportSettings_ = std::make_shared<ExportSettings>(folder);
    // A stored value that does not convert reads as its default and the user
    // is told once; creating clsPrint never fails over a setting.
    bool complete = CheckRegData();
    complete = Ostrel7::trapped(state_->reporter(), QStringLiteral("ReadRegData"),
                                [&] { return exportSettings_->read(); }) &&
               complete;
    if (!complete)
        mMOD::ShowMessage(2, 1);
    return true;
}

fPrint& clsPrint::printDialog()
{
    if (!fPrint_)
        fPrint_ = std::make_shared<fPrint>(*state_, *exportSettings_);
    return *fPrint_;
}

void clsPrint::ShowPrintDialog(QWidget* hwnd)
{
    fPrint& dialog = printDialog();
    dialog.Form_Load();
    platform::ui().runDialog(dialog);
    dialog.releaseData();
    if (!dialog.ExcelFullFname().isEmpty())
        state_->Property().RunAssociatedApp(hwnd, dialog.ExcelFullFname(), Ostrel7::SW_MAXIMIZE);
}

void clsPrint::exportKind(QWidget* hwnd, const QString& label, int32_t kind, bool killDoesPrintOnlyDif,
                          const std::function<void(fPrint&)>& hand)
{
    Ostrel7::trapped(state_->reporter(), label, [&] {
        fPrint& dialog = printDialog();
        dialog.setPrintKind(kind);
        hand(dialog);
        dialog.setKillDoesPrintOnlyDif(killDoesPrintOnlyDif);
        ShowPrintDialog(hwnd);
    });
}

void clsPrint::PrintCustomize(QWidget* hwnd, Telva27::colclsCustom& cusUsr, Telva27::colclsCustom& cusStd,
                              Telva27::colclsCusSelection& cusinp, Telva27::colclsCusSelection& cusout)
{
    exportKind(hwnd, QStringLiteral("PrintCustomize"), ePrintCustomize, false, [&](fPrint& dialog) {
        dialog.setCusUsr(&cusUsr);
        dialog.setCusStd(&cusStd);
        dialog.setCusinp(&cusinp);
        dialog.setCusout(&cusout);
    });
}

void clsPrint::PrintParameter(QWidget* hwnd, Telva27::colclsFunction& prms, const QString& sFunctionName,
                              const QVariant& doesPrintTokushu)
{
    exportKind(hwnd, QStringLiteral("PrintParameter"), ePrintParameter, false, [&](fPrint& dialog) {
        dialog.setPrms(&prms);
        dialog.setFunctionName(sFunctionName);
        dialog.setPrintTokushu(toBoolean(doesPrintTokushu));
    });
}

void clsPrint::PrintOkuriParameter(QWidget* hwnd, Telva27::colclsOkuri& colOkuriX, Telva27::colclsOkuri& colOkuriY)
{
    exportKind(hwnd, QStringLiteral("PrintOkuriParameter"), ePrintOkuri, true, [&](fPrint& dialog) {
        dialog.setColOkuriX(&colOkuriX);
        dialog.setColOkuriY(&colOkuriY);
    });
}

void clsPrint::PrintStep(QWidget* hwnd, Telva27::colclsStep& step)
{
    // Trapped like the other three: the step editor's print command gets no error back.
    exportKind(hwnd, QStringLiteral("PrintStep"), ePrintStep, true, [&](fPrint& dialog) { dialog.setStep(&step); });
}

} // namespace Sorvi27
