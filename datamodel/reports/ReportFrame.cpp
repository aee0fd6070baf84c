#include "ReportFrame.h"

#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/workbook/XlConstants.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Telva27 {

namespace wb = platform::workbook;

namespace {

// Written by every report at its start, read by the border routines of all four.
ENUM_EXCELVERSIONINDEX g_excelVersion = eEXCEL2000;

// The application's own error number: a page layout it can't do (no printer,
// too little memory) gets a plain message instead of an error report.
constexpr int32_t kPrinterSettingError = 445;

const QString kCenterHeader = QStringLiteral("&9&F  &A  &P / &N  &D");

} // namespace

ENUM_EXCELVERSIONINDEX ExcelVersion() { return g_excelVersion; }

ReportFrame::ReportFrame(Ostrel7::clsMethod& method, const Doing& doing) : method_(method), doing_(doing) {}

bool ReportFrame::run(ENUM_EXCELVERSIONINDEX version, const QString& sExcelFullFname, const SheetStep& rows,
                      const SheetStep& arrange)
{
    std::shared_ptr<wb::Application> app;
    const bool saved = Ostrel7::trapped(
        method_, QStringLiteral("PrintToExcel"),
        [&] {
            doing(264);
            g_excelVersion = version;
            app = wb::Application::Create();
            if (!app) {
                doing(265);
                return false;
            }
            wb::Workbook& book = app->WorkbooksAdd();
            wb::Worksheet& sheet = book.Worksheets(1);
            rows(*app, sheet);
            arrange(*app, sheet);
            sheet.RangeOf(QStringLiteral("A1")).Select();
            if (sExcelFullFname.isEmpty())
                throw platform::RuntimeError(platform::errBadFileNameOrNumber);
            // An older workbook of that name is replaced only by a whole new one.
            book.SaveReplacing(sExcelFullFname);
            book.Close();
            app->Quit();
            app.reset();
            doing(266);
            return true;
        },
        false);
    // A report that failed after the application was had still lets it go.
    if (app)
        app->Quit();
    return saved;
}

void ReportFrame::arrangeFace(wb::Application& app, wb::Worksheet& sheet, const Face& face)
{
    const auto font = [&] {
        doing(269);
        Ostrel7::trapped(method_, QStringLiteral("SetExcelFont"), face.font);
    };
    const auto columns = [&] {
        doing(268);
        face.columns();
    };
    try {
        doing(267);
        sheet.setName(face.sheetName);
        if (face.columnsBeforeFont) {
            columns();
            font();
        } else {
            font();
            columns();
        }
        doing(270);
        Ostrel7::trapped(method_, QStringLiteral("SetExcelBorders"), face.borders);
        gridLinesOff(app);
        centerHeader(sheet);
        margins(sheet);
        doing(274);
        if (face.landscape)
            sheet.pageSetup().orientation = wb::xlLandscape;
        sheet.pageSetup().zoom = face.zoom;
    } catch (...) {
        const platform::ErrorInfo error = platform::currentErrorInfo();
        if (error.number == wb::kApplicationError)
            platform::ui().messageBox(text(kPrinterSettingError), platform::vbOKOnly, QString());
        else
            method_.ErrReg(error.number, error.description, QStringLiteral("ArrangeFace"));
    }
}

void ReportFrame::doing(int32_t catalogueNumber) const { doing(text(catalogueNumber)); }

void ReportFrame::doing(const QString& text) const
{
    if (doing_)
        doing_(text);
}

QString ReportFrame::text(int32_t catalogueNumber)
{
    // One catalogue object for the library's lifetime.
    static const Resource::clsResource catalogue;
    return catalogue.Res(catalogueNumber);
}

void ReportFrame::gridLinesOff(wb::Application& app) const
{
    doing(271);
    app.setDisplayGridlines(false);
}

void ReportFrame::centerHeader(wb::Worksheet& sheet) const
{
    doing(272);
    sheet.pageSetup().centerHeader = kCenterHeader;
}

void ReportFrame::margins(wb::Worksheet& sheet) const
{
    doing(273);
    wb::PageSetup& page = sheet.pageSetup();
    page.leftMargin = wb::Application::InchesToPoints(0.4);
    page.rightMargin = wb::Application::InchesToPoints(0.4);
    page.topMargin = wb::Application::InchesToPoints(0.4);
    page.bottomMargin = wb::Application::InchesToPoints(0.3);
    page.headerMargin = wb::Application::InchesToPoints(0.1);
    page.footerMargin = wb::Application::InchesToPoints(0.1);
}

void ReportFrame::drawTableBorders(wb::Range& area, bool insideHorizontal)
{
    switch (ExcelVersion()) {
    case eEXCEL2000:
        for (const int32_t edge : {wb::xlEdgeLeft, wb::xlEdgeTop, wb::xlEdgeBottom, wb::xlEdgeRight})
            area.setBorderWeight(edge, wb::xlThin);
        area.setBorderWeight(wb::xlInsideVertical, wb::xlHairline);
        if (insideHorizontal)
            area.setBorderWeight(wb::xlInsideHorizontal, wb::xlHairline);
        break;
    case eEXCEL95:
        for (const int32_t side : {wb::xlLeft, wb::xlTop, wb::xlBottom, wb::xlRight})
            area.setBorderWeight(side, wb::xlHairline);
        area.BorderAround(wb::xlThin, wb::xlColorIndexAutomatic);
        break;
    }
}

} // namespace Telva27
