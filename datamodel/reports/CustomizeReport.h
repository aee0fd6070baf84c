#pragma once
// The customize report: one worksheet with every connector pin's factory and
// user function side by side, a mark where they differ, and the user pin's
// switches, delays, chopping and duty.

#include "datamodel/reports/ReportFrame.h"

#include <QString>
#include <memory>

namespace Telva27 {

class clsCusSelection;
class clsCustom;
class colclsCusSelection;
class colclsCustom;

class CustomizeReport {
public:
    // cusUsr supplies the pins printed (and the progress event); the others are only read.
    CustomizeReport(colclsCustom& cusUsr, colclsCustom& cusStd, colclsCusSelection& selinp,
                    colclsCusSelection& selout, bool booOnlyDif);

    bool PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname);

private:
    void PrintExcelRows(platform::workbook::Worksheet& sheet);
    void PrintPin(platform::workbook::Worksheet& sheet, int32_t row, const std::shared_ptr<clsCustom>& pinStd,
                  const std::shared_ptr<clsCustom>& pinUsr);
    void ArrangeFace(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelColumns(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelFont(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelBorders(platform::workbook::Application& app);

    // The function cell of a pin: the name of its code in the fixed-width form, then its description.
    static QString functionText(colclsCusSelection& list, uint8_t kino);

    colclsCustom& cusUsr_;
    colclsCustom& cusStd_;
    colclsCusSelection& selinp_;
    colclsCusSelection& selout_;
    bool booOnlyDif_;
    ReportFrame frame_;
};

} // namespace Telva27
