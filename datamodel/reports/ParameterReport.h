#pragma once
// The parameter report: one row per parameter of the chosen function groups,
// with its limits, factory and user values and a mark where they differ.

#include "datamodel/reports/ReportFrame.h"

#include <QSet>
#include <QString>

namespace Telva27 {

class colclsFunction;
class clsDigital;

class ParameterReport {
public:
    ParameterReport(ReportFrame& frame, colclsFunction& functions);

    // Headings in row 1, then the parameters of the groups whose TOPKMK is in
    // dicTOPKMK (only those that differ when booOnlyDif). Reports its own failure.
    void PrintExcelRows(platform::workbook::Worksheet& sheet, const QSet<QString>& dicTOPKMK, bool booOnlyDif);
    // Sheet name, fonts, widths, borders and page setup.
    void ArrangeFace(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);

private:
    void printHeadings(platform::workbook::Worksheet& sheet);
    void printDigital(platform::workbook::Worksheet& sheet, int32_t row, const QString& sTOPKMK,
                      clsDigital& digital);
    void SetExcelFont(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelColumns(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelBorders(platform::workbook::Application& app);

    ReportFrame& frame_;
    colclsFunction& functions_;
};

} // namespace Telva27
