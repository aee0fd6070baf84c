#pragma once
// The feed-pitch report: the X table from row 1 and the Y table from row 20,
// each a title, a heading row and the 16 pitch bands with their values.

#include "datamodel/reports/ReportFrame.h"

namespace Telva27 {

class colclsOkuri;

class PitchReport {
public:
    // captions names the pitch bands (any table does).
    PitchReport(ReportFrame& frame, const colclsOkuri& captions);

    // One table with its title at firstRow (1: "X", otherwise "Y"). Reports its own failure.
    void PrintExcelRows(platform::workbook::Worksheet& sheet, const colclsOkuri& table, int32_t firstRow);
    // Sheet name, fonts, widths, borders and page setup.
    void ArrangeFace(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);

private:
    void SetExcelFont(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelColumns(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelBorders(platform::workbook::Application& app);

    ReportFrame& frame_;
    const colclsOkuri& captions_;
};

} // namespace Telva27
