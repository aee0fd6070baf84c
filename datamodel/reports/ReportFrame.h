#pragma once
// What the four workbook reports share: the frame every PrintToExcel follows
// (create the application, fill a new workbook's first sheet, arrange it,
// replace the file, save, close, quit, with progress through Doing), the
// library-wide border setting, the one ArrangeFace, and the page and border
// steps they have in common.

#include "datamodel/common/Enums.h"
#include "platform/workbook/Application.h"

#include <QString>
#include <functional>

namespace Ostrel7 {
class clsMethod;
}

namespace Telva27 {

// The border setting of the last report started; every report writes it first.
ENUM_EXCELVERSIONINDEX ExcelVersion();

class ReportFrame {
public:
    using Doing = std::function<void(const QString&)>;
    using SheetStep = std::function<void(platform::workbook::Application&, platform::workbook::Worksheet&)>;

    // method reports failures; doing is the collection's progress event (may be empty).
    ReportFrame(Ostrel7::clsMethod& method, const Doing& doing);

    // The whole report: Doing 264, keep the border setting, create the
    // application (Doing 265 and False when there is none), add a workbook,
    // rows(sheet), arrange(sheet), select A1, delete an older file, SaveAs,
    // Close, Quit, Doing 266, True. A failure of the frame itself is reported
    // as "PrintToExcel" and answers False.
    bool run(ENUM_EXCELVERSIONINDEX version, const QString& sExcelFullFname, const SheetStep& rows,
             const SheetStep& arrange);

    // What the reports' faces differ in.
    struct Face {
        QString sheetName;
        // The customize report fits its columns before any font is set, so on the default font.
        bool columnsBeforeFont = false;
        std::function<void()> columns;
        // Fonts and borders report their own failure (as "SetExcelFont" and
        // "SetExcelBorders") and the face goes on.
        std::function<void()> font;
        std::function<void()> borders;
        bool landscape = false;
        int32_t zoom = 100;
    };

    // The ArrangeFace of every report: Doing 267 the sheet's name, Doing 269
    // the fonts and Doing 268 the columns (or the columns first), Doing 270
    // the borders, the common page steps, Doing 274 orientation and zoom.
    // A failure ends the steps; error 1004 shows catalogue text 445 in a box
    // (OK only, no title of its own), any other is reported as "ArrangeFace".
    // Never throws.
    void arrangeFace(platform::workbook::Application& app, platform::workbook::Worksheet& sheet, const Face& face);

    // Where the reports' trapped routines report their failures.
    Ostrel7::clsMethod& reporter() const { return method_; }

    // Progress: catalogue text n, or a text of its own.
    void doing(int32_t catalogueNumber) const;
    void doing(const QString& text) const;
    // Catalogue text n.
    static QString text(int32_t catalogueNumber);

    // The common page steps: Doing 271 grid lines off; Doing 272 the centre
    // header "&9&F  &A  &P / &N  &D"; Doing 273 margins 0.4, 0.4, 0.4, 0.3,
    // 0.1, 0.1 inches.
    void gridLinesOff(platform::workbook::Application& app) const;
    void centerHeader(platform::workbook::Worksheet& sheet) const;
    void margins(platform::workbook::Worksheet& sheet) const;

    // The borders of a table area by the border setting: eEXCEL2000 thin outer
    // edges and hairline inside lines (the inside horizontal ones only when
    // insideHorizontal); eEXCEL95 hairline sides of every cell and a thin
    // outline in automatic colour.
    static void drawTableBorders(platform::workbook::Range& area, bool insideHorizontal = true);

private:
    Ostrel7::clsMethod& method_;
    // A copy: the frame must not depend on how long the caller's function lives.
    Doing doing_;
};

} // namespace Telva27
