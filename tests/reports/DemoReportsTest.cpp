// The four reports on the demo controller, written as real workbooks and read
// back with openpyxl, the way a user's spreadsheet program would open them.

#include "WorkbookReader.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/steps/colclsStep.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Telva27;

namespace {


// Sheet name, size and a few cells of the workbook's first sheet.
const char* const kReader = R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
cells = {c: ws[c].value for c in sys.argv[2:]}
print(json.dumps({"name": ws.title, "rows": ws.max_row, "columns": ws.max_column, "cells": cells}, default=str))
)";

QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }

class DemoReports : public testing::Test {
protected:
    void SetUp() override
    {
        if (!testsupport::haveOpenpyxl())
            GTEST_SKIP() << "/usr/bin/python3 with openpyxl is needed to read the workbooks back";
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set10.e", "Set04.e", "Set05.e"}) {
            const QString copy = QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name));
            QFile::remove(copy);
            ASSERT_TRUE(QFile::copy(demo(name), copy));
        }
    }

    static QJsonObject read(const QString& file, const QStringList& cells)
    {
        return testsupport::readWorkbook(kReader, file, cells);
    }
    QString out(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DemoReports, ParametersAndFeedPitches)
{
    colclsFunction parameters;
    ASSERT_TRUE(parameters.ReadSet01e() && parameters.ReadSet02e() && parameters.ReadSet03e() &&
                parameters.ReadSet10e());
    ASSERT_TRUE(parameters.ReadData(eSTD, demo("DEMO_STD.etb"), 1, QString()) &&
                parameters.ReadData(eUSR, demo("DEMO_USR.etb"), 1, QString()));
    QSet<QString> headings;
    for (const auto& group : parameters)
        headings.insert(group->TOPKMK());
    ASSERT_TRUE(parameters.PrintToExcel(eEXCEL2000, out("QELMFUNC.xlsx"), headings, true));
    const QJsonObject sheet = read(out("QELMFUNC.xlsx"), {"A1", "I1", "I2"});
    EXPECT_EQ(sheet["name"].toString(), QStringLiteral("QEL-M Parameters"));
    EXPECT_EQ(sheet["rows"].toInt(), 1 + 12); // the heading and the twelve differences
    EXPECT_EQ(sheet["cells"].toObject()["A1"].toString(), QStringLiteral("Function"));
    EXPECT_EQ(sheet["cells"].toObject()["I2"].toString(), QStringLiteral("DIF"));

    colclsOkuri x;
    colclsOkuri y;
    ASSERT_TRUE(x.ReadData(demo("DEMO_USR.etb"), 1 + 512) && y.ReadData(demo("DEMO_USR.etb"), 1 + 640));
    ASSERT_TRUE(x.PrintToExcel(eEXCEL95, out("pitch.xlsx"), x, y));
    const QJsonObject pitch = read(out("pitch.xlsx"), {"A1", "A20", "B3", "D7"});
    EXPECT_EQ(pitch["rows"].toInt(), 37);
    EXPECT_EQ(pitch["cells"].toObject()["A20"].toString(), QStringLiteral("Y"));
    EXPECT_EQ(pitch["cells"].toObject()["B3"].toInt(), 3);    // X row 1, P1
    EXPECT_EQ(pitch["cells"].toObject()["D7"].toInt(), 2210); // X row 5, T1
}

TEST_F(DemoReports, CustomizePinsAndStepProgram)
{
    colclsCusSelection selinp, selout, stpout, stpinp;
    ASSERT_TRUE(selinp.ReadSet6_7_8_9e(demo("Set06.e")) && selout.ReadSet6_7_8_9e(demo("Set07.e")) &&
                stpout.ReadSet6_7_8_9e(demo("Set08.e")) && stpinp.ReadSet6_7_8_9e(demo("Set09.e")));
    colclsCustom usr, std_;
    for (colclsCustom* pins : {&usr, &std_})
        ASSERT_TRUE(pins->ReadSet04e() && pins->ReadSet05e());
    ASSERT_TRUE(usr.ReadData(demo("DEMO_USR.etb"), 1) && std_.ReadData(demo("DEMO_STD.etb"), 1));
    ASSERT_TRUE(usr.PrintToExcel(eEXCEL2000, out("custom.xlsx"), std_, selinp, selout, false));
    const QJsonObject custom = read(out("custom.xlsx"), {"A2", "C4"});
    EXPECT_EQ(custom["name"].toString(), QStringLiteral("QEL-M Customize"));
    EXPECT_EQ(custom["rows"].toInt(), 1 + 49 + 1); // heading, every pin, the gap after IP
    EXPECT_EQ(custom["cells"].toObject()["A2"].toString(), QStringLiteral("I1"));
    EXPECT_EQ(custom["cells"].toObject()["C4"].toString(), QStringLiteral("*")); // I3 differs

    colclsStep program;
    ASSERT_TRUE(program.ReadData(demo("DEMO.stp"), demo("DEMO.BIN"), 8192 + 1, stpout, stpinp));
    ASSERT_TRUE(program.PrintToExcel(eEXCEL2000, out("step.xlsx"), stpout, stpinp));
    const QJsonObject steps = read(out("step.xlsx"), {"A1", "A2", "D5"});
    EXPECT_EQ(steps["name"].toString(), QStringLiteral("STEP"));
    EXPECT_EQ(steps["cells"].toObject()["A1"].toString(), QStringLiteral("STEP"));
    EXPECT_EQ(steps["cells"].toObject()["A2"].toInt(), 1);
}
