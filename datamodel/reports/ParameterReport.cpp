#include "ParameterReport.h"

#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"
#include "platform/workbook/XlConstants.h"
#include "util/method/Trap.h"

namespace Telva27 {

namespace wb = platform::workbook;

namespace {

enum Column : int32_t { colFunction = 1, colDigital, colRemark, colUnit, colMin, colMax, colStd, colUser, colDif };

const QString kSheetName = QStringLiteral("QEL-M Parameters");
constexpr int32_t kZoom = 70;
constexpr double kFontSize = 9;
constexpr double kRowHeight = 14;

// Row 1 from A1 to its last filled cell.
wb::Range headingRow(wb::Worksheet& sheet)
{
    const wb::Range first = sheet.RangeOf(QStringLiteral("A1"));
    return sheet.RangeOf(first, first.End(wb::xlToRight));
}

// A choice shows its text and, in parentheses, the value it stands for.
QString selectionText(clsDigital& digital, int32_t value)
{
    return digital.Selections()->GetSelection(value) + QLatin1Char('(') + QString::number(value) + QLatin1Char(')');
}

} // namespace

ParameterReport::ParameterReport(ReportFrame& frame, colclsFunction& functions)
    : frame_(frame), functions_(functions)
{
}

void ParameterReport::PrintExcelRows(wb::Worksheet& sheet, const QSet<QString>& dicTOPKMK, bool booOnlyDif)
{
    Ostrel7::trapped(frame_.reporter(), QStringLiteral("PrintExcelRows"), [&] {
        printHeadings(sheet);
        int32_t row = 2;
        for (const auto& group : functions_) {
            if (!dicTOPKMK.contains(group->TOPKMK()))
                continue;
            for (const auto& digital : *group->Items()) {
                // Progress for every parameter of a chosen group, printed or not.
                frame_.doing(ReportFrame::text(294) + group->TOPKMK() + QStringLiteral("  ") + digital->Digital());
                if (booOnlyDif && digital->StdValue() == digital->UserValue())
                    continue;
                printDigital(sheet, row++, group->TOPKMK(), *digital);
            }
        }
    });
}

void ParameterReport::printHeadings(wb::Worksheet& sheet)
{
    const QString headings[] = {ReportFrame::text(296), ReportFrame::text(297), ReportFrame::text(298),
                                ReportFrame::text(299), QStringLiteral("MIN"),  QStringLiteral("MAX"),
                                ReportFrame::text(300), ReportFrame::text(301), ReportFrame::text(302)};
    int32_t column = colFunction;
    for (const QString& heading : headings)
        sheet.Cells(1, column++).setValue(heading);
}

void ParameterReport::printDigital(wb::Worksheet& sheet, int32_t row, const QString& sTOPKMK, clsDigital& digital)
{
    sheet.Cells(row, colFunction).setValue(sTOPKMK);
    sheet.Cells(row, colDigital).setValue(digital.Digital());
    sheet.Cells(row, colRemark).setValue(digital.Advice());
    sheet.Cells(row, colUnit).setValue(digital.Unit());
    sheet.Cells(row, colMin).setValue(digital.Min());
    sheet.Cells(row, colMax).setValue(digital.Max());
    const int32_t stdValue = digital.StdValue();
    const int32_t userValue = digital.UserValue();
    if (digital.isSelection()) {
        sheet.Cells(row, colStd).setValue(selectionText(digital, stdValue));
        sheet.Cells(row, colUser).setValue(selectionText(digital, userValue));
    } else if (functions_.DoesSpecialKinoNo(digital.KinoNO())) {
        // The special kinds (angles, times) are shown at twice their stored
        // value; in 64 bits, so that no stored value overflows on the way.
        sheet.Cells(row, colStd).setValue(qint64{stdValue} * 2);
        sheet.Cells(row, colUser).setValue(qint64{userValue} * 2);
    } else {
        sheet.Cells(row, colStd).setValue(stdValue);
        sheet.Cells(row, colUser).setValue(userValue);
    }
    // An empty text leaves the cell empty, as it would in the application.
    if (stdValue != userValue)
        sheet.Cells(row, colDif).setValue(QStringLiteral("DIF"));
}

void ParameterReport::ArrangeFace(wb::Application& app, wb::Worksheet& sheet)
{
    frame_.arrangeFace(app, sheet,
                       {.sheetName = kSheetName,
                        .columns = [&] { SetExcelColumns(app, sheet); },
                        .font = [&] { SetExcelFont(app, sheet); },
                        .borders = [&] { SetExcelBorders(app); },
                        .zoom = kZoom});
}

void ParameterReport::SetExcelFont(wb::Application&, wb::Worksheet& sheet)
{
    sheet.Cells().setFontSize(kFontSize);
    wb::Range headings = headingRow(sheet);
    headings.setWrapText(false);
    headings.setHorizontalAlignment(wb::xlHAlignCenter);
    headings.setVerticalAlignment(wb::xlVAlignCenter);
    headings.setInteriorColorIndex(15);
    headings.setInteriorPattern(wb::xlPatternGray25);
    headings.setInteriorPatternColorIndex(wb::xlColorIndexAutomatic);
    sheet.Columns(QStringLiteral("A:A")).setItalic(true);
    wb::Range digital = sheet.Columns(QStringLiteral("B:B"));
    digital.setFontName(QStringLiteral("Arial Black"));
    digital.setHorizontalAlignment(wb::xlHAlignCenter);
    sheet.RangeOf(QStringLiteral("B1")).setFontName(QStringLiteral("Tahoma"));
    for (const char* column : {"D:D", "G:G", "I:I"})
        sheet.Columns(QString::fromLatin1(column)).setHorizontalAlignment(wb::xlHAlignCenter);
    wb::Range user = sheet.Columns(QStringLiteral("H:H"));
    user.setHorizontalAlignment(wb::xlHAlignCenter);
    user.setBold(true);
    headingRow(sheet).setBold(true);
}

void ParameterReport::SetExcelColumns(wb::Application&, wb::Worksheet& sheet)
{
    sheet.Columns(QStringLiteral("A:D")).AutoFitColumns();
    sheet.Columns(QStringLiteral("E:F")).setColumnWidth(5.25);
    sheet.Columns(QStringLiteral("G:H")).AutoFitColumns();
    sheet.Columns(QStringLiteral("I:I")).setColumnWidth(5);
    wb::Range all = sheet.Cells();
    all.Select();
    all.setRowHeight(kRowHeight);
}

void ParameterReport::SetExcelBorders(wb::Application& app)
{
    // The table: from A1 to the last used cell of the sheet.
    app.RangeOf(app.RangeOf(QStringLiteral("A1")), app.ActiveCell().SpecialCells(wb::xlCellTypeLastCell)).Select();
    wb::Range table = app.Selection();
    ReportFrame::drawTableBorders(table);
}

} // namespace Telva27
