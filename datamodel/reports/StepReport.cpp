#include "StepReport.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/StepEnums.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/Val.h"
#include "platform/workbook/XlConstants.h"
#include "util/method/Trap.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace Telva27 {

namespace wb = platform::workbook;

namespace {

constexpr int32_t kResNote = 168;
constexpr int32_t kResOutput = 169;
constexpr int32_t kResLogic = 170;
constexpr int32_t kResDelay = 171;
constexpr int32_t kResFunction = 172;
constexpr int32_t kResState = 173;
constexpr int32_t kResPrinting = 294;
constexpr int32_t kResRow = 295;
constexpr int32_t kResTitle = 318;

constexpr int32_t kBlocks = 8;
// A memo goes into its text box in pieces of this many characters.
constexpr qsizetype kMemoPiece = 200;
// Function codes with both of these bits name a function even where a value is expected.
constexpr int32_t kFunctionBits = 0x6000;

enum Column : int32_t { A = 1, B, C, D, E };

// The function column of condition block k (1-8); its state and relation columns follow.
int32_t functionColumn(int32_t block) { return 3 * block + 3; }

// "A", "Z", "AA", "AC" ...
QString columnLetters(int32_t column)
{
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar(u'A' + (column - 1) % 26));
    return letters;
}

wb::Range wholeColumn(wb::Worksheet& sheet, int32_t column)
{
    const QString letters = columnLetters(column);
    return sheet.Columns(letters + QLatin1Char(':') + letters);
}

// Operations that leave nothing to show in the delay column.
bool hasNoDelay(int32_t logic)
{
    switch (logic) {
    case eLOGIC_JMP:
    case eLOGIC_INC:
    case eLOGIC_DEC:
    case eLOGIC_CLR:
    case eLOGIC_CALL:
    case eLOGIC_RET:
        return true;
    default:
        return false;
    }
}

} // namespace

StepReport::StepReport(colclsStep& step, colclsCusSelection& stpout, colclsCusSelection& stpinp)
    : step_(step), stpout_(stpout), stpinp_(stpinp), frame_(step.method(), step.Doing)
{
}

bool StepReport::PrintToExcel(ENUM_EXCELVERSIONINDEX eExcelVersionIndex, const QString& sExcelFullFname)
{
    return frame_.run(
        eExcelVersionIndex, sExcelFullFname,
        [this](wb::Application& app, wb::Worksheet& sheet) {
            Ostrel7::trapped(frame_.reporter(), QStringLiteral("PrintExcelRows"), [&] { PrintExcelRows(app, sheet); });
        },
        [this](wb::Application& app, wb::Worksheet& sheet) {
            ArrangeFace(app, sheet);
            Ostrel7::trapped(frame_.reporter(), QStringLiteral("AddMemo"), [&] { AddMemo(app, sheet); });
        });
}

QString StepReport::PicturePath(int32_t jyotai)
{
    return QDir(platform::folders::installFolder())
        .filePath(QStringLiteral("Pictures/Jyotai%1.bmp").arg(jyotai));
}

void StepReport::PrintExcelRows(wb::Application& app, wb::Worksheet& sheet)
{
    // A picture file that appears or goes away shows from the next report on.
    statePictures_.clear();
    if (!SetTitle(app, sheet))
        return;
    int32_t row = 2;
    const int32_t lastRow = step_.GetLastRow();
    for (const auto& line : step_) {
        frame_.doing(ReportFrame::text(kResPrinting) + QString::number(row) + ReportFrame::text(kResRow));
        PrintLine(sheet, row, *line);
        ++row;
        // Lines after the last one in use are left out.
        if (lastRow <= line->Row())
            break;
    }
}

bool StepReport::SetTitle(wb::Application&, wb::Worksheet& sheet)
{
    return Ostrel7::trapped(
        step_.method(), QStringLiteral("SetTitle"),
        [&] {
            frame_.doing(kResTitle);
            sheet.Cells(1, A).setValue(QStringLiteral("STEP"));
            sheet.Cells(1, B).setValue(ReportFrame::text(kResNote));
            sheet.Cells(1, C).setValue(ReportFrame::text(kResOutput));
            sheet.Cells(1, D).setValue(ReportFrame::text(kResLogic));
            sheet.Cells(1, E).setValue(ReportFrame::text(kResDelay));
            for (int32_t block = 1; block <= kBlocks; ++block) {
                const int32_t column = functionColumn(block);
                sheet.Cells(1, column).setValue(ReportFrame::text(kResFunction));
                sheet.Cells(1, column + 1).setValue(ReportFrame::text(kResState));
                // The relation column is headed by a glyph of the symbol font.
                wb::Range relation = sheet.Cells(1, column + 2);
                relation.setValue(QStringLiteral("8"));
                relation.setFontName(QStringLiteral("Marlett"));
            }
            return true;
        },
        false);
}

void StepReport::PrintLine(wb::Worksheet& sheet, int32_t row, const clsStepOut& line)
{
    sheet.Cells(row, A).setValue(row - 1);
    if (line.NOP())
        return;
    sheet.Cells(row, B).setValue(line.Remark());
    // A code the list does not hold fails here and ends the rows.
    const QString output = stpout_.Item(QString::number(line.Kino()))->Ditigal();
    sheet.Cells(row, C).setValue(output);
    sheet.Cells(row, D).setValue(clsStepOut::LogicJ(line.Logic()));
    if (hasNoDelay(line.Logic()))
        sheet.Cells(row, E).setValue(QString());
    else
        sheet.Cells(row, E).setValue(line.DelayEtc());
    // A return line has no conditions worth showing.
    if (output != QLatin1String("RET"))
        PrintConditions(sheet, row, *line.ins());
}

void StepReport::PrintConditions(wb::Worksheet& sheet, int32_t row, const colclsStepIn& ins)
{
    // After a counter function the line's conditions hold values, not functions.
    bool values = false;
    for (const auto& condition : ins) {
        // Only blocks 1-8 have columns; any other would overwrite the line's own cells.
        if (condition->block() < 1 || condition->block() > kBlocks)
            throw platform::RuntimeError(platform::errSubscript);
        const int32_t column = functionColumn(condition->block());
        if (values) {
            sheet.Cells(row, column).setValue(ValueText(condition->Kino()));
        } else {
            const auto entry = stpinp_.Item(QString::number(condition->Kino()));
            sheet.Cells(row, column).setValue(entry->Ditigal());
            values = entry->Category() == QLatin1String("COUNT");
        }
        if (!values)
            PlacePicture(sheet, row, column + 1, condition->Jyotai());
        sheet.Cells(row, column + 2).setValue(colclsStepIn::RelJ(condition->Rel()));
        if (condition->Rel() == eREL_END)
            break;
    }
}

QString StepReport::ValueText(int32_t kino)
{
    if ((kino & kFunctionBits) == kFunctionBits)
        return stpinp_.Item(QString::number(kino))->Ditigal();
    if (kino < std::numeric_limits<int16_t>::min() || kino > std::numeric_limits<int16_t>::max())
        throw platform::RuntimeError(platform::errOverflow);
    // The controller reads a value as an unsigned 16-bit word.
    return QString::number(static_cast<uint16_t>(static_cast<int16_t>(kino)));
}

void StepReport::PlacePicture(wb::Worksheet& sheet, int32_t row, int32_t column, int32_t jyotai)
{
    sheet.Cells(row, column).Select();
    const QString& path = StatePicture(jyotai);
    // A state without a picture leaves its cell empty.
    if (path.isEmpty())
        return;
    wb::ShapeRef picture = sheet.PicturesInsert(path);
    if (ExcelVersion() == eEXCEL2000) {
        picture.IncrementLeft(3);
        picture.IncrementTop(2.5);
    }
}

const QString& StepReport::StatePicture(int32_t jyotai)
{
    auto known = statePictures_.find(jyotai);
    if (known == statePictures_.end()) {
        const QString path = PicturePath(jyotai);
        known = statePictures_.insert(jyotai, QFileInfo(path).isFile() ? path : QString());
    }
    return *known;
}

int32_t StepReport::GetExcelLastRow(wb::Application& app)
{
    return Ostrel7::trapped(
        step_.method(), QStringLiteral("GetExcelLastRow"),
        [&] {
            app.RangeOf(QStringLiteral("A1")).Select();
            return app.ActiveCell().SpecialCells(wb::xlCellTypeLastCell).Row();
        },
        int32_t{0});
}

void StepReport::ArrangeFace(wb::Application& app, wb::Worksheet& sheet)
{
    frame_.arrangeFace(app, sheet,
                       {.sheetName = QStringLiteral("STEP"),
                        .columns = [&] { SetExcelColumns(app, sheet); },
                        .font = [&] { SetExcelFont(app, sheet); },
                        .borders = [&] { SetExcelBorders(app, sheet); },
                        .landscape = true,
                        .zoom = 75});
}

void StepReport::SetExcelFont(wb::Application& app, wb::Worksheet& sheet)
{
    wb::Range all = sheet.Cells();
    all.setFontSize(9);
    all.setHorizontalAlignment(wb::xlHAlignCenter);
    all.setVerticalAlignment(wb::xlVAlignCenter);

    const int32_t lastRow = GetExcelLastRow(app);
    // The remarks read from the left; a sheet of the title row alone has none.
    if (lastRow >= 2)
        sheet.RangeOf(QStringLiteral("B2:B%1").arg(lastRow)).setHorizontalAlignment(wb::xlHAlignLeft);
    if (ExcelVersion() == eEXCEL2000) {
        // White on the dark fill the borders step lays under the title row.
        const wb::Range start = sheet.RangeOf(QStringLiteral("A1:B1"));
        sheet.RangeOf(start, start.End(wb::xlToRight)).setFontColorIndex(2);
    }
    sheet.RangeOf(QStringLiteral("B1:B1")).setFontColorIndex(1);

    sheet.Columns(QStringLiteral("A:A")).setBold(true);
    sheet.Columns(QStringLiteral("C:E")).setBold(true);
    for (int32_t block = 1; block <= kBlocks; ++block)
        wholeColumn(sheet, functionColumn(block)).setBold(true);
}

void StepReport::SetExcelColumns(wb::Application&, wb::Worksheet& sheet)
{
    sheet.Columns(QStringLiteral("A:A")).setColumnWidth(4);
    sheet.Columns(QStringLiteral("B:B")).setColumnWidth(12);
    sheet.Columns(QStringLiteral("E:E")).setColumnWidth(5);
    for (int32_t block = 1; block <= kBlocks; ++block) {
        const int32_t column = functionColumn(block);
        wholeColumn(sheet, column).setColumnWidth(6);
        wholeColumn(sheet, column + 1).setColumnWidth(3.5);
        wholeColumn(sheet, column + 2).setColumnWidth(2.5);
    }
    wb::Range all = sheet.Cells();
    all.Select();
    all.setRowHeight(14);
}

void StepReport::SetExcelBorders(wb::Application& app, wb::Worksheet& sheet)
{
    const int32_t lastRow = GetExcelLastRow(app);
    // The title row alone gets no lines and no fills.
    if (lastRow <= 1)
        return;
    wb::Range table = app.RangeOf(app.ActiveCell().SpecialCells(wb::xlCellTypeLastCell), app.RangeOf(QStringLiteral("A1")));
    table.Select();
    wb::Range remarks = sheet.RangeOf(sheet.Cells(1, B), sheet.Cells(lastRow, B));
    const auto blockColumn = [&](int32_t block) {
        const int32_t column = functionColumn(block);
        wb::Range range = sheet.RangeOf(sheet.Cells(1, column), sheet.Cells(lastRow, column));
        range.Select();
        return range;
    };

    if (ExcelVersion() == eEXCEL95) {
        for (const int32_t side : {wb::xlLeft, wb::xlRight, wb::xlTop, wb::xlBottom})
            table.setBorderWeight(side, wb::xlHairline);
        table.BorderAround(wb::xlHairline, wb::xlColorIndexAutomatic);
        remarks.Select();
        remarks.setBorderWeight(wb::xlLeft, wb::xlHairline);
        remarks.setBorderWeight(wb::xlRight, wb::xlHairline);
        for (int32_t block = 1; block <= kBlocks; ++block)
            blockColumn(block).setBorderWeight(wb::xlLeft, wb::xlHairline);
        return;
    }

    table.setBorderWeight(wb::xlInsideHorizontal, wb::xlHairline);
    for (const int32_t edge : {wb::xlEdgeLeft, wb::xlEdgeTop, wb::xlEdgeBottom, wb::xlEdgeRight})
        table.setBorderWeight(edge, wb::xlThin);
    remarks.Select();
    remarks.setBorderWeight(wb::xlEdgeLeft, wb::xlHairline);
    remarks.setBorderWeight(wb::xlEdgeRight, wb::xlHairline);
    // The only other vertical lines part the condition blocks.
    for (int32_t block = 1; block <= kBlocks; ++block)
        blockColumn(block).setBorderWeight(wb::xlEdgeLeft, wb::xlHairline);

    wb::Range title = sheet.RangeOf(sheet.RangeOf(QStringLiteral("A1:B1")), app.Selection().End(wb::xlToRight));
    title.setInteriorColorIndex(1);
    title.setInteriorPattern(wb::xlPatternGray25);
    title.setInteriorPatternColorIndex(wb::xlColorIndexAutomatic);
    const auto fill = [&](const QString& address, int32_t pattern) {
        wb::Range range = sheet.RangeOf(address);
        range.setInteriorColorIndex(15);
        range.setInteriorPattern(pattern);
    };
    fill(QStringLiteral("A2:A%1").arg(lastRow), wb::xlPatternGray50);
    fill(QStringLiteral("B1:B1"), wb::xlPatternGray50);
    fill(QStringLiteral("C2:E%1").arg(lastRow), wb::xlPatternGray25);
}

void StepReport::AddMemo(wb::Application& app, wb::Worksheet& sheet)
{
    const int32_t lastRow = GetExcelLastRow(app);
    QString memo = step_.Memo();
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (ExcelVersion() == eEXCEL95) {
        sheet.Cells(lastRow + 2, A).setValue(memo);
        return;
    }
    const double tableHeight = sheet.RangeOf(sheet.Cells(1, A), sheet.Cells(std::max(lastRow, 1), A)).Height();
    const double top = platform::toWhole<int32_t>(tableHeight) + 20;
    wb::ShapeRef box = sheet.AddTextbox(wb::msoTextOrientationHorizontal, 9.75, top, 1000, 350);
    // The box takes a long text in pieces, each replacing the box's text from
    // its own start position on, so that the box ends with the whole memo.
    if (memo.size() < kMemoPiece) {
        box.setCharacters(memo);
    } else {
        box.setCharacters(memo.left(kMemoPiece));
        for (qsizetype p = kMemoPiece; p <= memo.size(); p += kMemoPiece)
            box.setCharacters(static_cast<int32_t>(p), memo.mid(p - 1, kMemoPiece));
    }
    box.setFontSize(9);
    box.setFillVisible(false);
    box.setFillTransparency(0);
    box.setLineVisible(false);
}

} // namespace Telva27
