// Printing from the step window: the program as last read or saved goes to a
// workbook through the export dialog, with its progress shown; a changed
// program asks first, a program without lines gives message 77. The workbook
// is read back with openpyxl.

#include "WorkbookReader.h"

#include "InfoFixture.h"

#include "datamodel/steps/colclsStep.h"
#include "platform/grid/FlexGrid.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTimer>

using namespace testsupport;
using steptest::InfoFixture;

namespace {


// The first sheet's title and its values, row by row, as openpyxl reads them.
const char* const kReader = R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
print(json.dumps({"name": ws.title,
                  "rows": [[c.value for c in row] for row in ws.iter_rows(min_col=1, max_col=6)]}, default=str))
)";

QJsonObject readBack(const QString& file) { return testsupport::readWorkbook(kReader, file); }

// A cell read back as text ("" for an empty one; numbers without a fraction).
QString text(const QJsonValue& value)
{
    if (value.isDouble())
        return QString::number(value.toDouble());
    return value.isNull() ? QString() : value.toString();
}

} // namespace

class StepPrint : public InfoFixture {
protected:
    // Plays the export dialog: exports to path, or cancels when path is "".
    // Answers the status texts the dialog showed while it exported.
    void playExport(const QString& path, QStringList* progress = nullptr)
    {
        scriptedUi().answerDialog([path, progress](QDialog& d) {
            const WindowDriver w(d);
            EXPECT_EQ(d.objectName(), QStringLiteral("fPrint"));
            // The step report has no "differences only".
            EXPECT_FALSE(w.child<QCheckBox>(QStringLiteral("chkDoesPrintOnlyDif"))->isEnabled());
            if (path.isEmpty()) {
                w.cancel();
                return;
            }
            ASSERT_FALSE(w.child<QCheckBox>(QStringLiteral("chkDoesOpenSavedFile"))->isChecked());
            QLabel* status = w.child<QLabel>(QStringLiteral("keyMSG"));
            QTimer watch;
            QStringList seen;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                if (!status->text().isEmpty() && (seen.isEmpty() || seen.back() != status->text()))
                    seen << status->text();
            });
            watch.start(0);
            scriptedUi().answerSaveFile(path);
            scriptedUi().answerMessageBox(platform::vbOK); // the workbook is saved
            w.ok();
            if (progress)
                *progress = seen;
            EXPECT_EQ(d.result(), QDialog::Accepted);
        });
    }
    QAction& printButton(QelmStp::fStep& w)
    {
        QAction* button = w.toolKey(QStringLiteral("keyPRINT"));
        EXPECT_TRUE(button && button->isEnabled());
        return *button;
    }
};

TEST_F(StepPrint, TheProgramGoesCellByCellIntoTheWorkbook)
{
    if (!testsupport::haveOpenpyxl())
        GTEST_SKIP() << "openpyxl is not installed";
    const QString path = dataPath(QStringLiteral("step.xlsx"));
    QStringList progress;
    playExport(path, &progress);
    printButton(userWindow()).trigger();

    const auto saves = scriptedUi().callsOf(UiCall::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].title, QStringLiteral("Excel file (*.xlsx)|*.xlsx"));
    // The progress of the report showed while it ran.
    EXPECT_TRUE(progress.contains(QStringLiteral("Creating row Header..."))) << progress.join("|").toStdString();
    EXPECT_TRUE(progress.contains(QStringLiteral("Printing:2 row"))) << progress.join("|").toStdString();
    EXPECT_FALSE(userWindow().IsChanged());

    const QJsonObject sheet = readBack(path);
    EXPECT_EQ(sheet["name"].toString(), QStringLiteral("STEP"));
    const QJsonArray rows = sheet["rows"].toArray();
    ASSERT_GT(rows.size(), 10);
    const QStringList titles = {"STEP", "Note", "Output", "Logic", "Delay", "Func."};
    for (int c = 0; c < titles.size(); ++c)
        EXPECT_EQ(text(rows[0].toArray()[c]), titles[c]) << c;
    // Each line as the grid shows it, to the last line in use: step number,
    // remark, output and first input function; an empty line shows its number alone.
    const platform::grid::GridData& g = userWindow().fg().data();
    int lines = 0;
    while (lines + 1 < rows.size() && rows[lines + 1].toArray()[0].isDouble())
        ++lines;
    EXPECT_EQ(lines, 21);
    for (int row = 1; row <= lines; ++row) {
        SCOPED_TRACE(row);
        const QJsonArray cells = rows[row].toArray();
        const bool empty = g.TextMatrix(row, 2).isEmpty();
        EXPECT_EQ(text(cells[0]), QString::number(row));
        EXPECT_EQ(text(cells[1]), empty ? QString() : g.TextMatrix(row, 1));
        EXPECT_EQ(text(cells[2]), g.TextMatrix(row, 2));
        if (!empty && g.TextMatrix(row, 3) != QLatin1String("11")) // a return line lists no conditions
            EXPECT_EQ(text(cells[5]), g.TextMatrix(row, 5) == QLatin1String("***") ? QString() : g.TextMatrix(row, 5));
    }
    EXPECT_EQ(text(rows[1].toArray()[1]), QStringLiteral("Cycle start"));
    EXPECT_EQ(text(rows[1].toArray()[2]), QStringLiteral("REG01"));
}

TEST_F(StepPrint, AChangedProgramAsksAndExportsWhatWasLastSaved)
{
    if (!testsupport::haveOpenpyxl())
        GTEST_SKIP() << "openpyxl is not installed";
    QelmStp::fStep& user = userWindow();
    user.fg().data().setTextMatrix(1, 1, QStringLiteral("edited"));
    user.ControlChange(true);

    // Yes aborts the printing.
    scriptedUi().answerMessageBox(platform::vbYes);
    printButton(user).trigger();
    EXPECT_EQ(messages(), QStringList({message(29)}));
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style, platform::vbQuestion | platform::vbYesNo);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::Dialog).empty());

    // No exports the program as it was read, not the edited grid.
    const QString path = dataPath(QStringLiteral("saved.xlsx"));
    scriptedUi().answerMessageBox(platform::vbNo);
    playExport(path);
    printButton(user).trigger();
    const QJsonArray rows = readBack(path)["rows"].toArray();
    ASSERT_GT(rows.size(), 1);
    EXPECT_EQ(text(rows[1].toArray()[1]), QStringLiteral("Cycle start"));
    EXPECT_TRUE(user.IsChanged());
    EXPECT_EQ(user.fg().data().TextMatrix(1, 1), QStringLiteral("edited"));
}

TEST_F(StepPrint, AProgramWithoutLinesGivesMessage77AndNoDialog)
{
    // A new program in the user window, and the reference window before any reference file.
    scriptedUi().clearCalls();
    userWindow().toolKey(QStringLiteral("keyNew"))->trigger();
    ASSERT_EQ(state().stepUsr->Count(), 0);
    QelmStp::fStep& reference = showReferenceWindow();
    ASSERT_EQ(state().stepStd->Count(), 0);
    for (QelmStp::fStep* w : {&userWindow(), &reference}) {
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        printButton(*w).trigger();
        EXPECT_EQ(messages(), QStringList({message(77)}));
        EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].style, platform::vbExclamation);
        EXPECT_TRUE(scriptedUi().callsOf(UiCall::Dialog).empty());
    }
    EXPECT_EQ(message(77), QStringLiteral("No data to print!"));
}

TEST_F(StepPrint, TheReferenceWindowPrintsItsOwnProgramAndCancelWritesNothing)
{
    QelmStp::fStep& reference = showReferenceWindow();
    scriptedUi().answerOpenFile(demo_);
    scriptedUi().answerDialog([](QDialog& d) { WindowDriver(d).ok(); }); // table 1
    scriptedUi().answerInput(QLatin1String(kPassword));
    reference.tBar_ButtonMenuClick(QStringLiteral("keyREAD_STD"));
    ASSERT_GT(state().stepStd->Count(), 0);
    scriptedUi().clearCalls();
    playExport(QString());
    printButton(reference).trigger();
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::SaveFile).empty());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenDocument).empty());
    EXPECT_TRUE(messages().isEmpty());
}
