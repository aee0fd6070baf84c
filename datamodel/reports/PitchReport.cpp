#include "PitchReport.h"

#include "datamodel/okuri/colclsOkuri.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"
#include "util/method/Trap.h"

namespace Telva27 {

namespace wb = platform::workbook;

namespace {

constexpr int32_t kBands = 16;
constexpr int32_t kZoom = 100;
constexpr double kFontSize = 9;
constexpr double kTitleFontSize = 12;
constexpr double kRowHeight = 14;
constexpr double kCaptionWidth = 15;

// Both tables with their heading rows, without the titles.
const QString kTables = QStringLiteral("A2:F18,A21:F37");

// A heading row from column A to its last filled cell.
wb::Range headingRow(wb::Worksheet& sheet, const QString& first)
{
    const wb::Range start = sheet.RangeOf(first);
    return sheet.RangeOf(start, start.End(wb::xlToRight));
}

void title(wb::Worksheet& sheet, const QString& address)
{
    wb::Range cell = sheet.RangeOf(address);
    cell.setHorizontalAlignment(wb::xlHAlignLeft);
    cell.setFontSize(kTitleFontSize);
}

} // namespace

PitchReport::PitchReport(ReportFrame& frame, const colclsOkuri& captions) : frame_(frame), captions_(captions) {}

void PitchReport::PrintExcelRows(wb::Worksheet& sheet, const colclsOkuri& table, int32_t firstRow)
{
    Ostrel7::trapped(frame_.reporter(), QStringLiteral("PrintExcelRows"), [&] {
        sheet.Cells(firstRow, 1).setValue(ReportFrame::text(firstRow == 1 ? 291 : 292));
        const QString headings[] = {ReportFrame::text(293), QStringLiteral("P1"), QStringLiteral("P2"),
                                    QStringLiteral("T1"),   QStringLiteral("T2"), QStringLiteral("B")};
        int32_t column = 1;
        for (const QString& heading : headings)
            sheet.Cells(firstRow + 1, column++).setValue(heading);
        for (int32_t band = 1; band <= kBands; ++band)
            sheet.Cells(firstRow + 1 + band, 1).setValue(captions_.GetPitchCaption(band));
        // A table has one row per band: more would run past its captions and
        // borders into the table below.
        if (table.Count() > kBands)
            throw platform::RuntimeError(platform::errSubscript);
        int32_t row = firstRow + 2;
        for (const auto& okuri : table) {
            sheet.Cells(row, 2).setValue(int32_t{okuri->P1()});
            sheet.Cells(row, 3).setValue(int32_t{okuri->P2()});
            sheet.Cells(row, 4).setValue(okuri->T1());
            sheet.Cells(row, 5).setValue(okuri->T2());
            sheet.Cells(row, 6).setValue(okuri->B());
            frame_.doing(ReportFrame::text(294) + QString::number(row) + ReportFrame::text(295));
            ++row;
        }
    });
}

void PitchReport::ArrangeFace(wb::Application& app, wb::Worksheet& sheet)
{
    frame_.arrangeFace(app, sheet,
                       {.sheetName = ReportFrame::text(290),
                        .columns = [&] { SetExcelColumns(app, sheet); },
                        .font = [&] { SetExcelFont(app, sheet); },
                        .borders = [&] { SetExcelBorders(app); },
                        .zoom = kZoom});
}

void PitchReport::SetExcelFont(wb::Application&, wb::Worksheet& sheet)
{
    sheet.Cells().setFontSize(kFontSize);
    headingRow(sheet, QStringLiteral("A2")).setHorizontalAlignment(wb::xlHAlignCenter);
    headingRow(sheet, QStringLiteral("A21")).setHorizontalAlignment(wb::xlHAlignCenter);
    sheet.Columns(QStringLiteral("A:A")).setHorizontalAlignment(wb::xlHAlignCenter);
    title(sheet, QStringLiteral("A1"));
    title(sheet, QStringLiteral("A20"));
}

void PitchReport::SetExcelColumns(wb::Application&, wb::Worksheet& sheet)
{
    sheet.Columns(QStringLiteral("A:A")).setColumnWidth(kCaptionWidth);
    wb::Range all = sheet.Cells();
    all.Select();
    all.setRowHeight(kRowHeight);
}

void PitchReport::SetExcelBorders(wb::Application& app)
{
    app.RangeOf(kTables).Select();
    wb::Range tables = app.Selection();
    ReportFrame::drawTableBorders(tables);
}

} // namespace Telva27
