// The export to workbooks: clsPrint's four export members over the export
// dialog, played as a user would, on the demo controller; the workbooks are
// read back with openpyxl.

#include "WorkbookReader.h"

#include "dialogs/clsPrint.h"
#include "dialogs/clsSelectKino.h"

#include "FormLayoutCheck.h"
#include "ScriptedUi.h"
#include "TestFiles.h"
#include "WindowDriver.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Folders.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "platform/workbook/Application.h"
#include "resource/clsResource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Sorvi27;
using testsupport::readFile;
using testsupport::scriptedUi;
using testsupport::UiCall;
using testsupport::WindowDriver;
using testsupport::writeFile;
namespace settings = platform::settings;

namespace {

const QString kApp = QStringLiteral("Sorvi27");

// Title, size and column A of the workbook's first sheet.
const char* const kReader = R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
print(json.dumps({"name": ws.title, "rows": ws.max_row,
                  "A": [ws.cell(row=r, column=1).value for r in range(1, ws.max_row + 1)]}, default=str))
)";

QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }
QString res(int n) { return Resource::clsResource().Res(n); }

QString stored(const char* section, const char* key)
{
    return settings::read(kApp, QLatin1String(section), QLatin1String(key)).value_or(QStringLiteral("<missing>"));
}

QListWidget* lst(const WindowDriver& w) { return w.child<QListWidget>(QStringLiteral("lst")); }
QCheckBox* chk(const WindowDriver& w, const char* name) { return w.child<QCheckBox>(QLatin1String(name)); }

QStringList itemTexts(const QListWidget& list, bool selectedOnly)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        if (!selectedOnly || list.item(i)->isSelected())
            texts << list.item(i)->text();
    return texts;
}

// A click on a list item, as the user selects or deselects it.
void clickItem(QListWidget& list, int row)
{
    const QRect place = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
}

// Message boxes shown so far: number of calls, and the last one's text and style.
std::vector<UiCall> boxes() { return scriptedUi().callsOf(UiCall::MessageBox); }

class PrintTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(outDir.isValid());
        settings::clear(kApp);
        for (const char* name : {"Set01.e", "Set02.e", "Set03.e", "Set04.e", "Set05.e", "Set10.e"}) {
            QFile::remove(libraryFile(name));
            ASSERT_TRUE(QFile::copy(demo(name), libraryFile(name)));
        }
    }
    void TearDown() override { platform::workbook::Application::setFactoryForTesting({}); }

    // The demo parameters with their factory and user values.
    void loadParameters()
    {
        ASSERT_TRUE(prms.ReadSet01e() && prms.ReadSet02e() && prms.ReadSet03e() && prms.ReadSet10e());
        ASSERT_TRUE(prms.ReadData(Telva27::eSTD, demo("DEMO_STD.etb"), 1, QString()) &&
                    prms.ReadData(Telva27::eUSR, demo("DEMO_USR.etb"), 1, QString()));
    }
    // The other three kinds' demo data; the step lists are the library's own.
    void loadOthers(clsSelectKino& kino)
    {
        ASSERT_TRUE(cusinp.ReadSet6_7_8_9e(demo("Set06.e")) && cusout.ReadSet6_7_8_9e(demo("Set07.e")));
        for (Telva27::colclsCustom* pins : {&cusUsr, &cusStd})
            ASSERT_TRUE(pins->ReadSet04e() && pins->ReadSet05e());
        ASSERT_TRUE(cusUsr.ReadData(demo("DEMO_USR.etb"), 1) && cusStd.ReadData(demo("DEMO_STD.etb"), 1));
        ASSERT_TRUE(okuriX.ReadData(demo("DEMO_USR.etb"), 1 + 512) && okuriY.ReadData(demo("DEMO_USR.etb"), 1 + 640));
        ASSERT_TRUE(kino.stpout().ReadSet6_7_8_9e(demo("Set08.e")) && kino.stpinp().ReadSet6_7_8_9e(demo("Set09.e")));
        ASSERT_TRUE(step.ReadData(demo("DEMO.stp"), demo("DEMO.BIN"), 8192 + 1, kino.stpout(), kino.stpinp()));
    }

    // Title, number of rows and column A of the workbook.
    static QJsonObject readBack(const QString& file) { return testsupport::readWorkbook(kReader, file); }

    // The test process's library folder, where the data model reads the Set files.
    static QString libraryFile(const char* name)
    {
        return QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name));
    }
    QString out(const char* name) const { return outDir.filePath(QLatin1String(name)); }

    QTemporaryDir outDir;
    Telva27::colclsFunction prms;
    Telva27::colclsCustom cusUsr, cusStd;
    Telva27::colclsCusSelection cusinp, cusout;
    Telva27::colclsOkuri okuriX, okuriY;
    Telva27::colclsStep step;
};

} // namespace

TEST_F(PrintTest, CreationWritesTheDefaultsAndFallsBackFromValuesThatDoNotConvert)
{
    {
        const clsSelectKino kino;
        const clsPrint print;
        EXPECT_TRUE(boxes().empty());
    }
    EXPECT_EQ(stored("FileInfo", "LatestExcelFullFname"), libraryFile("QELMFUNC.xlsx"));
    EXPECT_EQ(stored("General", "DoesOpenSavedFile"), QStringLiteral("False"));
    EXPECT_EQ(stored("General", "DoesOverWrite"), QStringLiteral("False"));
    EXPECT_EQ(stored("General", "ExcelVersionIndex"), QStringLiteral("0"));

    // A stored option that does not convert reads as its default: the user is
    // told once, and the export still works.
    const struct {
        const char* key;
        const char* value;
        bool open, overwrite;
        int version;
        bool told;
    } cases[] = {
        {"DoesOpenSavedFile", "True", true, false, 0, false},
        {"DoesOverWrite", "true", false, true, 0, false},
        {"ExcelVersionIndex", "1", false, false, 1, false},
        {"DoesOpenSavedFile", "maybe", false, false, 0, true},
        {"DoesOverWrite", "2x", false, false, 0, true},
        {"ExcelVersionIndex", "abc", false, false, 0, true},
        {"ExcelVersionIndex", "7", false, false, 0, true},
        {"ExcelVersionIndex", "-1", false, false, 0, true},
    };
    loadParameters();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << "=" << c.value);
        settings::clear(kApp);
        settings::write(kApp, QStringLiteral("General"), QLatin1String(c.key), QLatin1String(c.value));
        scriptedUi().clearCalls();
        clsSelectKino kino;
        scriptedUi().clearCalls();
        if (c.told)
            scriptedUi().answerMessageBox(platform::vbOK);
        clsPrint print;
        ASSERT_EQ(boxes().size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(boxes()[0].text, res(127));
            EXPECT_EQ(boxes()[0].style, platform::vbCritical);
        }
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            EXPECT_EQ(chk(w, "chkDoesOpenSavedFile")->isChecked(), c.open);
            EXPECT_EQ(chk(w, "chkDoesOverWrite")->isChecked(), c.overwrite);
            EXPECT_EQ(w.child<QComboBox>(QStringLiteral("cboExcelVersion"))->currentIndex(), c.version);
            w.cancel();
        });
        print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
    }
}

TEST_F(PrintTest, ListsOfWhatToExportAndTheirPreselection)
{
    loadParameters();
    const clsSelectKino kino;
    clsPrint print;
    const QStringList ordinary = {QStringLiteral("Sewing speed"), QStringLiteral("Thread trimming"),
                                  QStringLiteral("Feed"), QStringLiteral("Timing"), QStringLiteral("Presser foot")};
    const QStringList withSpecial = ordinary + QStringList{QStringLiteral("SPECIAL")};
    const struct {
        const char* view;
        QVariant tokushu;
        QStringList items;
        QStringList selected;
        bool onlyDif;
    } cases[] = {
        {"AllFunctions", false, ordinary, ordinary, false},
        {"ViewDif", true, withSpecial, withSpecial, true},
        {"TRIM", QStringLiteral("False"), ordinary, {QStringLiteral("Thread trimming")}, false},
        {"SPECIAL", -1, withSpecial, {QStringLiteral("SPECIAL")}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view);
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            EXPECT_EQ(d.windowTitle(), res(116));
            EXPECT_EQ(itemTexts(*lst(w), false), c.items);
            EXPECT_EQ(itemTexts(*lst(w), true), c.selected);
            EXPECT_EQ(chk(w, "chkDoesPrintOnlyDif")->isChecked(), c.onlyDif);
            EXPECT_TRUE(chk(w, "chkDoesPrintOnlyDif")->isEnabled());
            testsupport::expectLaidOutCleanly(d);
            w.click("btnSel2");
            EXPECT_TRUE(itemTexts(*lst(w), true).isEmpty());
            w.click("btnSel1");
            EXPECT_EQ(itemTexts(*lst(w), true), c.items);
            d.close(); // the close box
        });
        print.PrintParameter(nullptr, prms, QLatin1String(c.view), c.tokushu);
    }

    // Groups sharing a heading give items of the same text, all preselected by
    // a view of one of them.
    prms.Add(QStringLiteral("FEED2"), QStringLiteral("Feed"));
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        EXPECT_EQ(itemTexts(*lst(w), true), (QStringList{QStringLiteral("Feed"), QStringLiteral("Feed")}));
        w.cancel();
    });
    print.PrintParameter(nullptr, prms, QStringLiteral("FEED2"), false);
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenDocument).empty());
}

TEST_F(PrintTest, TheOtherKindsOfferOneItem)
{
    loadParameters();
    clsSelectKino kino;
    loadOthers(kino);
    clsPrint print;
    // The only-differences box keeps the parameter window's last view.
    scriptedUi().answerDialog([](QDialog& d) { WindowDriver(d).cancel(); });
    print.PrintParameter(nullptr, prms, QStringLiteral("ViewDif"), false);

    const struct {
        const char* kind;
        std::function<void()> print;
        int item;
        bool onlyDifEnabled;
    } cases[] = {
        {"customize", [&] { print.PrintCustomize(nullptr, cusUsr, cusStd, cusinp, cusout); }, 96, true},
        {"pitch", [&] { print.PrintOkuriParameter(nullptr, okuriX, okuriY); }, 97, false},
        {"step", [&] { print.PrintStep(nullptr, step); }, 317, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            EXPECT_EQ(itemTexts(*lst(w), false), QStringList{res(c.item)});
            EXPECT_EQ(itemTexts(*lst(w), true), QStringList{res(c.item)});
            EXPECT_EQ(chk(w, "chkDoesPrintOnlyDif")->isEnabled(), c.onlyDifEnabled);
            EXPECT_TRUE(chk(w, "chkDoesPrintOnlyDif")->isChecked());
            w.cancel();
        });
        c.print();
    }
}

TEST_F(PrintTest, ExportsTheDemoDataAndReadsItBack)
{
    if (!testsupport::haveOpenpyxl())
        GTEST_SKIP() << "/usr/bin/python3 with openpyxl is needed to read the workbooks back";
    loadParameters();
    clsSelectKino kino;
    loadOthers(kino);
    clsPrint print;

    const struct {
        const char* kind;
        std::function<void()> print;
        const char* file;
        const char* sheet;
        int rows;
    } cases[] = {
        {"parameters", [&] { print.PrintParameter(nullptr, prms, QStringLiteral("ViewDif"), false); },
         "params.xlsx", "QEL-M Parameters", 1 + 11}, // the differences outside SPECIAL
        // Only differences still ticked: the parameter window's view was "ViewDif".
        {"customize", [&] { print.PrintCustomize(nullptr, cusUsr, cusStd, cusinp, cusout); }, "custom.xlsx",
         "QEL-M Customize", 1 + 10},
        {"pitch", [&] { print.PrintOkuriParameter(nullptr, okuriX, okuriY); }, "pitch.xlsx", "QEL-M Pitch prameters", 37},
        {"step", [&] { print.PrintStep(nullptr, step); }, "step.xlsx", "STEP", 51},
    };
    QString expectedStart = libraryFile("QELMFUNC.xlsx");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        scriptedUi().clearCalls();
        const QString path = out(c.file);
        QString status;
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            // Only differences as the view left it: ticked for the parameters, ignored by pitch and step.
            scriptedUi().answerSaveFile(path);
            scriptedUi().answerMessageBox(platform::vbOK);
            w.ok();
            status = w.child<QLabel>(QStringLiteral("keyMSG"))->text();
            EXPECT_EQ(d.result(), QDialog::Accepted);
        });
        c.print();

        const auto dialogs = scriptedUi().callsOf(UiCall::SaveFile);
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].text, res(98));
        EXPECT_EQ(dialogs[0].title, QStringLiteral("Excel file (*.xlsx)|*.xlsx"));
        // The first export starts in the library folder; each next one where the last was saved.
        EXPECT_EQ(QDir(dialogs[0].arguments[0]).filePath(dialogs[0].arguments[1]), expectedStart);
        expectedStart = path;
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text, res(129) + QStringLiteral("\r\n\r\n") + path);
        EXPECT_EQ(boxes()[0].style, platform::vbInformation);
        EXPECT_EQ(status, res(266)); // the report's last step
        EXPECT_EQ(stored("FileInfo", "LatestExcelFullFname"), path);
        EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenDocument).empty());

        const QJsonObject sheet = readBack(path);
        EXPECT_EQ(sheet["name"].toString(), QLatin1String(c.sheet));
        EXPECT_EQ(sheet["rows"].toInt(), c.rows);
    }
}

TEST_F(PrintTest, TheCreateButtonStopsKeepsTheOptionsAndTriesAgain)
{
    loadParameters();
    const clsSelectKino kino;
    clsPrint print;
    const QString path = out("again.xlsx");
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        // Nothing selected: message 15; the options are stored all the same.
        w.click("chkDoesOpenSavedFile");
        w.child<QComboBox>(QStringLiteral("cboExcelVersion"))->setCurrentIndex(1);
        w.click("btnSel2");
        scriptedUi().answerMessageBox(platform::vbOK);
        w.ok();
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text, res(130));
        EXPECT_EQ(boxes()[0].style, platform::vbExclamation);
        EXPECT_EQ(stored("General", "DoesOpenSavedFile"), QStringLiteral("True"));
        EXPECT_EQ(stored("General", "ExcelVersionIndex"), QStringLiteral("1"));
        EXPECT_TRUE(d.isVisible());

        // The file dialog cancelled: silence, nothing remembered.
        clickItem(*lst(w), 1);
        EXPECT_EQ(itemTexts(*lst(w), true), QStringList{QStringLiteral("Thread trimming")});
        scriptedUi().answerSaveFile(QString());
        w.ok();
        EXPECT_EQ(boxes().size(), 1u);
        EXPECT_EQ(stored("FileInfo", "LatestExcelFullFname"), libraryFile("QELMFUNC.xlsx"));
        EXPECT_TRUE(d.isVisible());

        // A writer that fails: message 5, and the dialog stays for another try.
        platform::workbook::Application::setFactoryForTesting([] { return nullptr; });
        scriptedUi().answerSaveFile(path);
        scriptedUi().answerMessageBox(platform::vbOK);
        w.ok();
        ASSERT_EQ(boxes().size(), 2u);
        EXPECT_EQ(boxes()[1].text, res(128));
        EXPECT_EQ(boxes()[1].style, platform::vbExclamation);
        EXPECT_EQ(readFile(path), QByteArray("<missing>"));
        EXPECT_TRUE(d.isVisible());

        // The next try saves; with open-after-saving ticked there is no message,
        // and the workbook opens once the dialog has closed.
        platform::workbook::Application::setFactoryForTesting({});
        scriptedUi().answerSaveFile(path);
        scriptedUi().answerOpenDocument(true);
        w.ok();
        EXPECT_EQ(boxes().size(), 2u);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
    const auto opened = scriptedUi().callsOf(UiCall::OpenDocument);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, path);
    EXPECT_NE(readFile(path), QByteArray("<missing>"));
    EXPECT_EQ(stored("FileInfo", "LatestExcelFullFname"), path);

    // With open-after-saving ticked, the close button and the close box open nothing.
    scriptedUi().clearCalls();
    scriptedUi().answerDialog([](QDialog& d) { WindowDriver(d).cancel(); });
    scriptedUi().answerDialog([](QDialog& d) { d.close(); });
    print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
    print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::OpenDocument).empty());
}

TEST_F(PrintTest, OverwriteAsksNothingWhileTheLastFolderIsThere)
{
    loadParameters();
    QTemporaryDir lastDir;
    const QString last = QDir(lastDir.path()).filePath(QStringLiteral("last.xlsx"));
    writeFile(last, "an older workbook");
    settings::write(kApp, QStringLiteral("FileInfo"), QStringLiteral("LatestExcelFullFname"), last);
    const clsSelectKino kino;
    clsPrint print;

    // Ticked: the last workbook is written over at once.
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        w.click("chkDoesOverWrite");
        scriptedUi().answerMessageBox(platform::vbOK);
        w.ok();
    });
    print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::SaveFile).empty());
    EXPECT_TRUE(readFile(last).startsWith("PK")); // a workbook now
    EXPECT_EQ(stored("General", "DoesOverWrite"), QStringLiteral("True"));

    // The folder has gone: the file dialog asks, starting from the last name.
    ASSERT_TRUE(lastDir.remove());
    const QString path = out("elsewhere.xlsx");
    scriptedUi().clearCalls();
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        EXPECT_TRUE(chk(w, "chkDoesOverWrite")->isChecked());
        scriptedUi().answerSaveFile(path);
        scriptedUi().answerMessageBox(platform::vbOK);
        w.ok();
    });
    print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
    const auto dialogs = scriptedUi().callsOf(UiCall::SaveFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].arguments, (QStringList{lastDir.path(), QStringLiteral("last.xlsx")}));
    EXPECT_TRUE(readFile(path).startsWith("PK"));
    EXPECT_EQ(stored("FileInfo", "LatestExcelFullFname"), path);
}

TEST_F(PrintTest, ALibraryFolderThatTakesNoFileProposesTheDocumentsFolder)
{
    loadParameters();
    // The user's documents folder as the desktop names it; without it, the home folder.
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QTemporaryDir documents;
    writeFile(config + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + documents.path().toUtf8() + "\"\n");
    // An install in a system folder: the library folder takes no new file
    // (named to the platform, since a test may run as root, who can write anywhere).
    platform::folders::setUnwritableFolderForTesting(platform::folders::libraryFolder());
    const struct Restore {
        QString dirs;
        ~Restore()
        {
            platform::folders::setUnwritableFolderForTesting({});
            QFile::remove(dirs);
        }
    } restore{config + "/user-dirs.dirs"};
    const clsSelectKino kino;
    clsPrint print;
    ASSERT_EQ(stored("FileInfo", "LatestExcelFullFname"), libraryFile("QELMFUNC.xlsx"));
    for (const QString& expected : {documents.path(), QDir::homePath()}) {
        SCOPED_TRACE(expected.toStdString());
        scriptedUi().clearCalls();
        scriptedUi().answerDialog([&](QDialog& d) {
            const WindowDriver w(d);
            // Writing over the last workbook asks too: its folder would refuse it.
            if (!chk(w, "chkDoesOverWrite")->isChecked())
                w.click("chkDoesOverWrite");
            clickItem(*lst(w), 1);
            scriptedUi().answerSaveFile(QString());
            w.ok();
            w.cancel();
        });
        print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
        const auto dialogs = scriptedUi().callsOf(UiCall::SaveFile);
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].arguments, (QStringList{expected, QStringLiteral("QELMFUNC.xlsx")}));
        ASSERT_TRUE(documents.remove());
    }
    EXPECT_EQ(stored("FileInfo", "LatestExcelFullFname"), libraryFile("QELMFUNC.xlsx"));
}

TEST_F(PrintTest, ProgressIsPaintedWhileTheWorkbookIsWritten)
{
    loadParameters();
    const clsSelectKino kino;
    clsPrint print;

    // Records the panel's text each time it is painted.
    struct PaintWatch : QObject {
        QStringList painted;
        bool eventFilter(QObject* watched, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                painted << static_cast<QLabel*>(watched)->text();
            return false;
        }
    } watch;
    scriptedUi().answerDialog([&](QDialog& d) {
        const WindowDriver w(d);
        auto* panel = w.child<QLabel>(QStringLiteral("keyMSG"));
        panel->installEventFilter(&watch);
        // QEL_GRAB_DIR=folder keeps pictures of the dialog before and after the export.
        const char* grabDir = std::getenv("QEL_GRAB_DIR");
        if (grabDir)
            d.grab().save(QDir(QString::fromLocal8Bit(grabDir)).filePath(QStringLiteral("fPrint.png")));
        scriptedUi().answerSaveFile(out("progress.xlsx"));
        scriptedUi().answerMessageBox(platform::vbOK);
        w.ok();
        if (grabDir)
            d.grab().save(QDir(QString::fromLocal8Bit(grabDir)).filePath(QStringLiteral("fPrint-done.png")));
        panel->removeEventFilter(&watch);
    });
    print.PrintParameter(nullptr, prms, QStringLiteral("AllFunctions"), false);
    watch.painted.removeAll(QString()); // before the export
    watch.painted.removeDuplicates();
    EXPECT_GT(watch.painted.size(), 10); // each row of the report, as it is written
    ASSERT_FALSE(watch.painted.isEmpty());
    EXPECT_EQ(watch.painted.first(), res(264));
    EXPECT_EQ(watch.painted.last(), res(266));
}
