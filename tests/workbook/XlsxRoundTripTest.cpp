// Writes real workbooks and reads them back with openpyxl, the reader the
// checks of the suite rely on.

#include "WorkbookReader.h"

#include "TestFiles.h"
#include "platform/Folders.h"
#include "platform/workbook/Application.h"
#include "platform/workbook/XlConstants.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform::workbook;
using testsupport::errorOf;
using testsupport::readFile;
using testsupport::writeFile;

namespace {


// What the file holds, as openpyxl (and the zip's drawing part) sees it.
const char* const kReader = R"PY(
import json, re, sys, zipfile, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
def side(s): return s.style or ""
def cell(ref):
    c = ws[ref]
    return {"value": c.value, "bold": bool(c.font.b), "italic": bool(c.font.i), "size": c.font.sz,
            "font": c.font.name, "left": side(c.border.left), "top": side(c.border.top),
            "right": side(c.border.right), "bottom": side(c.border.bottom),
            "fill": c.fill.patternType or "", "wrap": bool(c.alignment.wrap_text)}
with zipfile.ZipFile(sys.argv[1]) as z:
    names = z.namelist()
    drawing = next((z.read(n).decode() for n in names if n.startswith("xl/drawings/drawing")), "")
anchor = re.search(r"<xdr:from><xdr:col>(\d+)</xdr:col><xdr:colOff>(\d+)</xdr:colOff><xdr:row>(\d+)</xdr:row><xdr:rowOff>(\d+)", drawing)
print(json.dumps({
    "title": ws.title,
    "cells": {r: cell(r) for r in ["A1", "B1", "A2", "B2", "C2"]},
    "widthA": ws.column_dimensions["A"].width,
    "columns": [[d.min, d.max, d.font.sz] for d in ws.column_dimensions.values()],
    "height1": ws.row_dimensions[1].height,
    "merged": sorted(str(m) for m in ws.merged_cells.ranges),
    "header": ws.oddHeader.center.text or "", "headerSize": ws.oddHeader.center.size,
    "landscape": ws.page_setup.orientation == "landscape", "scale": ws.page_setup.scale,
    "grid": ws.sheet_view.showGridLines, "leftMargin": ws.page_margins.left,
    "media": [n for n in names if n.startswith("xl/media/")],
    "anchor": [int(x) for x in anchor.groups()] if anchor else [],
    "pictures": drawing.count("<xdr:pic>"),
}))
)PY";

QJsonObject readBack(const QString& file) { return testsupport::readWorkbook(kReader, file); }

class XlsxRoundTripTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::haveOpenpyxl())
            GTEST_SKIP() << "/usr/bin/python3 with openpyxl is needed to read workbooks back (apt-get install python3-openpyxl)";
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

TEST_F(XlsxRoundTripTest, WritesValuesFormatsLayoutPictureAndMemo)
{
    Application app;
    Workbook& book = app.WorkbooksAdd();
    Worksheet& sheet = book.Worksheets(1);
    sheet.Cells(1, 1).setValue(QStringLiteral("Größe"));
    sheet.Cells(1, 2).setValue(QStringLiteral("送りピッチ"));
    sheet.Cells(2, 1).setValue(12.5);
    sheet.Cells(2, 2).setValue(QStringLiteral("0010"));
    sheet.Cells().setFontSize(9);
    Range heading = sheet.RangeOf(sheet.RangeOf("A1"), sheet.RangeOf("A1").End(xlToRight));
    heading.setBold(true);
    heading.setInteriorColorIndex(15);
    heading.setInteriorPattern(xlPatternGray25);
    heading.setInteriorPatternColorIndex(xlColorIndexAutomatic);
    Range table = sheet.RangeOf(sheet.RangeOf("A1"), sheet.RangeOf("A1").SpecialCells(xlCellTypeLastCell));
    for (int index : {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight})
        table.setBorderWeight(index, xlThin);
    table.setBorderWeight(xlInsideVertical, xlHairline);
    sheet.Columns("A:A").setColumnWidth(20);
    sheet.Cells().setRowHeight(14);
    sheet.Rows("1:1").setRowHeight(30);

    const QString pictureFile = dir.filePath(QStringLiteral("Jyotai0.png"));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(pictureFile));
    sheet.Cells(2, 3).Select();
    ShapeRef picture = sheet.PicturesInsert(pictureFile);
    picture.IncrementLeft(3);
    picture.IncrementTop(2.5);

    sheet.setName(QStringLiteral("QEL-M Parameters"));
    app.setDisplayGridlines(false);
    sheet.pageSetup().centerHeader = QStringLiteral("&9&F  &A  &P / &N  &D");
    sheet.pageSetup().leftMargin = Application::InchesToPoints(0.4);
    sheet.pageSetup().orientation = xlLandscape;
    sheet.pageSetup().zoom = 70;
    // The memo box goes below the table: rows 1 and 2 take 44 points.
    const double top = std::nearbyint(sheet.RangeOf("A1:A2").Height()) + 20;
    ShapeRef memo = sheet.AddTextbox(msoTextOrientationHorizontal, 9.75, top, 300, 42);
    memo.setCharacters(QStringLiteral("first line\nsecond line"));
    app.RangeOf("A1").Select();

    const QString file = dir.filePath(QStringLiteral("QELMFUNC.xlsx"));
    book.SaveAs(file);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "a temporary file stayed behind";

    const QJsonObject got = readBack(file);
    const QJsonObject cells = got["cells"].toObject();
    const QJsonObject a1 = cells["A1"].toObject(), b1 = cells["B1"].toObject();
    const QJsonObject a2 = cells["A2"].toObject(), b2 = cells["B2"].toObject();
    EXPECT_EQ(got["title"].toString(), "QEL-M Parameters");
    EXPECT_EQ(a1["value"].toString(), "Größe");
    EXPECT_EQ(b1["value"].toString(), "送りピッチ");
    EXPECT_EQ(a2["value"].toDouble(), 12.5);
    EXPECT_EQ(b2["value"].toString(), "0010"); // a text stays a text
    EXPECT_TRUE(a1["bold"].toBool());
    EXPECT_FALSE(a2["bold"].toBool());
    EXPECT_EQ(a2["size"].toDouble(), 9);
    EXPECT_EQ(a1["fill"].toString(), "lightGray");
    EXPECT_EQ(a1["left"].toString(), "thin");
    EXPECT_EQ(a1["right"].toString(), "hair");
    EXPECT_EQ(b2["bottom"].toString(), "thin");
    EXPECT_EQ(cells["C2"].toObject()["left"].toString(), ""); // nothing outside the table
    // Empty cells take the sheet's format from their column.
    bool columnD = false;
    for (const auto& group : got["columns"].toArray()) {
        const QJsonArray g = group.toArray();
        if (g[0].toInt() <= 4 && g[1].toInt() >= 4)
            columnD = g[2].toDouble() == 9;
    }
    EXPECT_TRUE(columnD) << QJsonDocument(got["columns"].toArray()).toJson().toStdString();
    EXPECT_NEAR(got["widthA"].toDouble(), 20, 0.72);
    EXPECT_EQ(got["height1"].toDouble(), 30);
    // 44 + 20 points = 85 pixels from the top: row 4 (rows of 40, 18, 18, 18 pixels);
    // 56 pixels high to row 7; 400 pixels wide from 13: column A (145) and B to F (64 each).
    EXPECT_EQ(got["merged"].toArray(), QJsonArray{QStringLiteral("A4:F7")});
    EXPECT_EQ(got["header"].toString().contains("&A"), true);
    EXPECT_EQ(got["headerSize"].toDouble(), 9);
    EXPECT_TRUE(got["landscape"].toBool());
    EXPECT_EQ(got["scale"].toInt(), 70);
    EXPECT_FALSE(got["grid"].toBool());
    EXPECT_NEAR(got["leftMargin"].toDouble(), 0.4, 1e-9);
    EXPECT_EQ(got["media"].toArray().size(), 1);
    // Column C (index 2), row 2 (index 1), moved 4 by 3 pixels (9525 EMU each).
    const QJsonArray anchor = got["anchor"].toArray();
    ASSERT_EQ(anchor.size(), 4);
    EXPECT_EQ(anchor[0].toInt(), 2);
    EXPECT_EQ(anchor[1].toInt(), 4 * 9525);
    EXPECT_EQ(anchor[2].toInt(), 1);
    EXPECT_EQ(anchor[3].toInt(), 3 * 9525);
}

TEST_F(XlsxRoundTripTest, PicturesPlacedManyTimesAreAllWrittenAndLeaveNoCopies)
{
    QImage image(8, 8, QImage::Format_RGB32);
    const QString black = dir.filePath(QStringLiteral("black.bmp"));
    const QString white = dir.filePath(QStringLiteral("white.png"));
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(black, "BMP"));
    image.fill(Qt::white);
    ASSERT_TRUE(image.save(white, "PNG"));
    const QStringList before = QDir(platform::folders::workingFolder()).entryList(QDir::Files | QDir::Hidden);

    Workbook book;
    Worksheet& sheet = book.Worksheets(1);
    for (int row = 1; row <= 30; ++row) {
        sheet.Cells(row, 1).Select();
        sheet.PicturesInsert(row % 3 ? black : white);
    }
    const QString file = dir.filePath(QStringLiteral("pictures.xlsx"));
    book.SaveAs(file);

    const QJsonObject got = readBack(file);
    EXPECT_EQ(got["pictures"].toInt(), 30);
    EXPECT_EQ(got["media"].toArray().size(), 2); // each content stored once
    EXPECT_EQ(QDir(platform::folders::workingFolder()).entryList(QDir::Files | QDir::Hidden), before);
}

TEST_F(XlsxRoundTripTest, SaveAsNeverReplacesAndReportsFailures)
{
    Workbook book;
    book.Worksheets(1).Cells(1, 1).setValue(1);
    const QString existing = dir.filePath(QStringLiteral("old.xlsx"));
    writeFile(existing, "keep");
    for (const QString& path : {existing, dir.filePath(QStringLiteral("no/such/folder/x.xlsx"))})
        EXPECT_EQ(errorOf([&] { book.SaveAs(path); }), 1004) << "saved as " << path.toStdString();
    EXPECT_EQ(readFile(existing), "keep");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
