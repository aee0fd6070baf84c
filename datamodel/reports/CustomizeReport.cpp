#include "CustomizeReport.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "platform/workbook/XlConstants.h"
#include "util/method/Trap.h"

#include <array>

namespace Telva27 {

namespace wb = platform::workbook;

namespace {

constexpr int32_t kResPrinting = 294;
constexpr int32_t kResDifferenceMark = 289;

// A heading: one catalogue text, or two on two lines.
struct Heading {
    int32_t first;
    int32_t second; // 0: one line
};

// Columns A to M.
constexpr std::array<Heading, 13> kHeadings = {{
    {275, 0},   // Signal
    {276, 0},   // Std value
    {277, 0},   // Dif
    {278, 0},   // User value
    {279, 280}, // Logic / Exchange
    {281, 0},   // Action
    {282, 283}, // ON delay / ON/OFF
    {282, 284}, // ON delay / Time
    {285, 283}, // OFF Delay / ON/OFF
    {285, 284}, // OFF Delay / Time
    {286, 283}, // Chopping / ON/OFF
    {287, 284}, // All wave / Time
    {288, 0},   // Duty
}};

enum Column : int32_t { A = 1, B, C, D, E, F, G, H, I, J, K, L, M };

QString headingText(const Heading& heading)
{
    QString text = ReportFrame::text(heading.first);
    if (heading.second != 0)
        text += QStringLiteral("\r\n") + ReportFrame::text(heading.second);
    return text;
}

// The upper-cased first character of a pin name: 'I' input, 'O' output.
QChar pinKind(const QString& location)
{
    return location.isEmpty() ? QChar() : location.front().toUpper();
}

// A function name or duty code left-aligned in five character positions,
// blanks filling the rest, so the descriptions after it line up; a longer
// name is kept whole rather than cut.
QString fixedWidthName(const QString& text)
{
    return text.leftJustified(5, QLatin1Char(' '));
}

} // namespace

CustomizeReport::CustomizeReport(colclsCustom& cusUsr, colclsCustom& cusStd, colclsCusSelection& selinp,
                                 colclsCusSelection& selout, bool booOnlyDif)
    : cusUsr_(cusUsr), cusStd_(cusStd), selinp_(selinp), selout_(selout), booOnlyDif_(booOnlyDif),
      frame_(cusUsr.method(), cusUsr.Doing)
{
}

bool CustomizeReport::PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname)
{
    return frame_.run(
        eExcelVersionIndex, sExcelFullFname,
        [this](wb::Application&, wb::Worksheet& sheet) {
            Ostrel7::trapped(frame_.reporter(), QStringLiteral("PrintExcelRows"), [&] { PrintExcelRows(sheet); });
        },
        [this](wb::Application& app, wb::Worksheet& sheet) { ArrangeFace(app, sheet); });
}

void CustomizeReport::PrintExcelRows(wb::Worksheet& sheet)
{
    for (int32_t column = A; column <= M; ++column)
        sheet.Cells(1, column).setValue(headingText(kHeadings[static_cast<size_t>(column - 1)]));

    int32_t row = 2;
    for (const auto& pinUsr : cusUsr_) {
        const QString& location = pinUsr->Location();
        frame_.doing(ReportFrame::text(kResPrinting) + location);
        // A pin missing from the factory table fails here and ends the rows.
        const auto pinStd = cusStd_.Item(location);
        if (!cusUsr_.MustWrite(booOnlyDif_, pinStd, pinUsr))
            continue;
        PrintPin(sheet, row, pinStd, pinUsr);
        // The last input pin is set apart from the outputs by an empty row.
        row += location == QLatin1String("IP") ? 2 : 1;
    }
}

void CustomizeReport::PrintPin(wb::Worksheet& sheet, int32_t row, const std::shared_ptr<clsCustom>& pinStd,
                               const std::shared_ptr<clsCustom>& pinUsr)
{
    const clsCustom& pin = *pinUsr;
    const QChar kind = pinKind(pin.Location());
    colclsCusSelection& list = kind == QLatin1Char('I') ? selinp_ : selout_;

    sheet.Cells(row, A).setValue(pin.Location());
    sheet.Cells(row, B).setValue(functionText(list, pinStd->Kino()));
    sheet.Cells(row, D).setValue(functionText(list, pin.Kino()));
    if (cusUsr_.DoesDiff(pinUsr, pinStd))
        sheet.Cells(row, C).setValue(ReportFrame::text(kResDifferenceMark));
    sheet.Cells(row, E).setValue(pin.LogicJ());
    sheet.Cells(row, F).setValue(pin.DosaJ());
    if (kind != QLatin1Char('O'))
        return;
    sheet.Cells(row, G).setValue(pin.OnDelayJ());
    sheet.Cells(row, H).setValue(int32_t{pin.OnDelayTime()});
    sheet.Cells(row, I).setValue(pin.OffDelayJ());
    sheet.Cells(row, J).setValue(int32_t{pin.OffDelayTime()});
    if (pin.OutIsLack())
        return;
    sheet.Cells(row, K).setValue(pin.ChoppingJ());
    sheet.Cells(row, L).setValue(int32_t{pin.ZenpaTime()});
    const int32_t duty = pin.Duty();
    sheet.Cells(row, M).setValue(fixedWidthName(cusUsr_.GetDutyInfo1(duty)) + QLatin1Char(' ') +
                                 cusUsr_.GetDutyInfo2(duty));
}

QString CustomizeReport::functionText(colclsCusSelection& list, uint8_t kino)
{
    // A code the list does not hold fails here and ends the rows.
    const auto entry = list.Item(QString::number(kino));
    return fixedWidthName(entry->Ditigal()) + entry->Advice();
}

void CustomizeReport::ArrangeFace(wb::Application& app, wb::Worksheet& sheet)
{
    frame_.arrangeFace(app, sheet,
                       {.sheetName = QStringLiteral("QEL-M Customize"),
                        .columnsBeforeFont = true,
                        .columns = [&] { SetExcelColumns(app, sheet); },
                        .font = [&] { SetExcelFont(app, sheet); },
                        .borders = [&] { SetExcelBorders(app); },
                        .landscape = true,
                        .zoom = 70});
}

void CustomizeReport::SetExcelColumns(wb::Application&, wb::Worksheet& sheet)
{
    // Runs before the fonts are set, so the fitted widths are those of the default font.
    sheet.Columns(QStringLiteral("A:A")).AutoFitColumns();
    sheet.Columns(QStringLiteral("B:B")).setColumnWidth(30);
    sheet.Columns(QStringLiteral("C:C")).AutoFitColumns();
    sheet.Columns(QStringLiteral("D:D")).setColumnWidth(30);
    sheet.Columns(QStringLiteral("D:D")).AutoFitColumns();
    for (const char* column : {"E:E", "F:F", "G:G", "H:H", "I:I", "J:J", "K:K", "L:L", "M:M"})
        sheet.Columns(QString::fromLatin1(column)).AutoFitColumns();
    wb::Range all = sheet.Cells();
    all.Select();
    all.setRowHeight(14);
    wb::Range heading = sheet.Rows(QStringLiteral("1:1"));
    heading.Select();
    heading.setRowHeight(30);
}

void CustomizeReport::SetExcelFont(wb::Application&, wb::Worksheet& sheet)
{
    const QString tahoma = QStringLiteral("Tahoma");
    sheet.Cells().setFontSize(9);

    const wb::Range a1 = sheet.RangeOf(QStringLiteral("A1"));
    wb::Range heading = sheet.RangeOf(a1, a1.End(wb::xlToRight));
    heading.setWrapText(true);
    heading.setHorizontalAlignment(wb::xlHAlignCenter);
    heading.setVerticalAlignment(wb::xlVAlignCenter);
    heading.setBold(true);
    heading.setInteriorColorIndex(15);
    heading.setInteriorPattern(wb::xlPatternGray25);
    heading.setInteriorPatternColorIndex(wb::xlColorIndexAutomatic);

    wb::Range signal = sheet.Columns(QStringLiteral("A:A"));
    signal.setBold(true);
    signal.setFontSize(10);
    signal.setHorizontalAlignment(wb::xlHAlignCenter);
    signal.setFontName(tahoma);
    sheet.Columns(QStringLiteral("B:B")).setFontName(tahoma);
    sheet.Columns(QStringLiteral("C:C")).setHorizontalAlignment(wb::xlHAlignCenter);
    wb::Range user = sheet.Columns(QStringLiteral("D:D"));
    user.setBold(true);
    user.setFontName(tahoma);
    for (const char* address : {"E:E", "F:F", "G:G", "H:H", "I:I", "J:J", "K:K", "L:L"}) {
        wb::Range column = sheet.Columns(QString::fromLatin1(address));
        column.setHorizontalAlignment(wb::xlHAlignCenter);
        column.setFontName(tahoma);
    }
    sheet.Columns(QStringLiteral("M:M")).setFontName(tahoma);
}

void CustomizeReport::SetExcelBorders(wb::Application& app)
{
    app.RangeOf(QStringLiteral("A1")).Select();
    const wb::Range last = app.ActiveCell().SpecialCells(wb::xlCellTypeLastCell);
    wb::Range table = app.RangeOf(last, app.Selection());
    table.Select();
    // A sheet of the heading row alone has no rows to part.
    ReportFrame::drawTableBorders(table, last.Row() != 1);
}

} // namespace Telva27
