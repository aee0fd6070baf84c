#pragma once
// The step report: one worksheet with a title row, one row per step line (its
// number, remark, output function, logic, delay and up to eight conditions,
// each as function, state picture and relation sign) and the table's memo
// below the table.

#include "datamodel/reports/ReportFrame.h"

#include <QHash>
#include <QString>

namespace Telva27 {

class clsStepOut;
class colclsCusSelection;
class colclsStep;
class colclsStepIn;

class StepReport {
public:
    // step supplies the lines, the memo and the progress event; the lists are only read.
    StepReport(colclsStep& step, colclsCusSelection& stpout, colclsCusSelection& stpinp);

    bool PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname);

    // The picture of a condition's state: Pictures/Jyotai<n>.bmp in the folder of the suite's libraries.
    static QString PicturePath(int32_t jyotai);

private:
    void PrintExcelRows(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    bool SetTitle(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void PrintLine(platform::workbook::Worksheet& sheet, int32_t row, const clsStepOut& line);
    void PrintConditions(platform::workbook::Worksheet& sheet, int32_t row, const colclsStepIn& ins);
    QString ValueText(int32_t kino);
    void PlacePicture(platform::workbook::Worksheet& sheet, int32_t row, int32_t column, int32_t jyotai);
    // The picture file of a state, "" when there is none; looked up once per report.
    const QString& StatePicture(int32_t jyotai);
    int32_t GetExcelLastRow(platform::workbook::Application& app);
    void ArrangeFace(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelFont(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelColumns(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void SetExcelBorders(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);
    void AddMemo(platform::workbook::Application& app, platform::workbook::Worksheet& sheet);

    colclsStep& step_;
    colclsCusSelection& stpout_;
    colclsCusSelection& stpinp_;
    ReportFrame frame_;
    QHash<int32_t, QString> statePictures_; // of the report being written
};

} // namespace Telva27
