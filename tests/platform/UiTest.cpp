#include "platform/QtUi.h"
#include "platform/Ui.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Ui, StyleFlagsDecodeIntoButtonsIconAndDefault)
{
    const int32_t style = platform::vbYesNoCancel | platform::vbQuestion | platform::vbDefaultButton2;
    EXPECT_EQ(platform::msgButtons(style), platform::vbYesNoCancel);
    EXPECT_EQ(platform::msgIcon(style), platform::vbQuestion);
    EXPECT_EQ(platform::msgDefaultButton(style), 2);
    EXPECT_EQ(platform::msgDefaultButton(platform::vbOKOnly), 1);
}

TEST(Ui, LineBreaksBecomeNewlinesOnlyForDisplay)
{
    EXPECT_EQ(platform::displayText("a\r\n\r\nb\rc"), QStringLiteral("a\n\nb\nc"));
}

TEST(Ui, FileFiltersTranslateToQtForm)
{
    EXPECT_EQ(platform::qtFileFilter("Table (*.etb)|*.etb;*.stg|All|*.*"),
              QStringLiteral("Table (*.etb) (*.etb *.stg);;All (*.*)"));
}

TEST(Ui, FileDialogsOpenWithTheRequestedFilterAndFile)
{
    QTemporaryDir dir;
    const QString filter = QStringLiteral("etb file (*.etb) 8192 byte|*.etb|stg file (*.stg) 65536 byte|*.stg");
    const QStringList filters = platform::qtFileFilters(filter);
    ASSERT_EQ(filters.size(), 2);
    struct Case {
        int index;
        QString selected;
    };
    const Case cases[] = {{1, filters[0]}, {2, filters[1]}, {0, filters[0]}, {3, filters[0]}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        platform::FileDialogRequest request;
        request.title = QStringLiteral("Save file");
        request.filter = filter;
        request.filterIndex = c.index;
        request.initialFolder = dir.path();
        request.fileName = QStringLiteral("DEMO.stg");
        request.defaultSuffix = QStringLiteral("STG");
        platform::prepareFileDialog(dialog, request);
        EXPECT_EQ(dialog.windowTitle(), request.title);
        EXPECT_EQ(dialog.nameFilters(), filters);
        EXPECT_EQ(dialog.selectedNameFilter(), c.selected);
        EXPECT_EQ(QFileInfo(dialog.directory().path()).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("STG"));
        ASSERT_EQ(dialog.selectedFiles().size(), 1);
        EXPECT_EQ(QFileInfo(dialog.selectedFiles().first()).fileName(), QStringLiteral("DEMO.stg"));
    }
}

#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

TEST(SystemColors, StoredColoursAreBlueGreenRedAndSystemColoursFollowThePalette)
{
    EXPECT_EQ(platform::oleColor(0x00FF0000), QColor(0, 0, 255)); // blue, not red
    EXPECT_EQ(platform::oleColor(0x000080FF), QColor(255, 128, 0));
    EXPECT_EQ(platform::toOleColor(QColor(255, 128, 0)), 0x000080FFu);
    EXPECT_EQ(platform::oleColor(0x8000000D), QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(platform::oleColor(0x80000005), QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
}

#include "ScriptedUi.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

TEST(Ui, TheSuitesOwnDialogsAreDrivenByTheTestLikeAUser)
{
    QDialog dialog;
    dialog.setWindowTitle("Choose");
    auto* edit = new QLineEdit(&dialog);
    auto* ok = new QPushButton("OK", &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    testsupport::scriptedUi().answerDialog([&](QDialog& shown) {
        EXPECT_TRUE(shown.isVisible());
        QTest::keyClicks(edit, "table 3");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(platform::ui().runDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(edit->text(), QStringLiteral("table 3"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(testsupport::scriptedUi().calls().back().title, QStringLiteral("Choose"));

    testsupport::scriptedUi().answerDialog([](QDialog&) {}); // closed without a choice
    EXPECT_EQ(platform::ui().runDialog(dialog), QDialog::Rejected);
}

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <gtest/gtest-spi.h>

TEST(Ui, ATestThatEntersARealModalLoopFailsAtOnceAndTheLoopEnds)
{
    // Each would wait for a user for ever; the test main's watch fails the
    // test, names the widget and closes it.
    EXPECT_NONFATAL_FAILURE(
        {
            QMessageBox box(QMessageBox::Warning, "Save", "Save the table?", QMessageBox::Yes | QMessageBox::No);
            box.exec();
        },
        "real modal loop: QMessageBox");
    EXPECT_NONFATAL_FAILURE(
        {
            QMenu menu;
            menu.addAction("Copy");
            EXPECT_EQ(menu.exec(QPoint(10, 10)), nullptr);
        },
        "real modal loop: QMenu");
    // The programs' own service runs the real loops, so a test never uses it.
    EXPECT_NONFATAL_FAILURE(platform::QtUi().messageBox("Done", platform::vbOKOnly, "Info"), "QMessageBox");
}

TEST(Ui, PopUpMenusAreAnsweredWithTheChosenEntryTriggeredAsByAClick)
{
    QMenu menu;
    menu.setObjectName("mnuPopup");
    QAction* copy = menu.addAction("&Copy");
    copy->setObjectName("keyCOPY");
    menu.addSeparator();
    QAction* paste = menu.addAction("Paste");
    paste->setEnabled(false);
    QMenu* insert = menu.addMenu("Insert");
    QAction* row = insert->addAction("Row");
    int copies = 0;
    QObject::connect(copy, &QAction::triggered, [&] { ++copies; });
    std::vector<QAction*> told;
    QObject::connect(&menu, &QMenu::triggered, [&](QAction* action) { told.push_back(action); });

    auto& scripted = testsupport::scriptedUi();
    scripted.answerPopupMenu("keyCOPY");
    scripted.answerPopupMenu("Row"); // in a submenu, named by its text
    scripted.answerPopupMenu("");    // dismissed
    EXPECT_EQ(platform::ui().popupMenu(menu, QPoint(5, 5)), copy);
    EXPECT_EQ(platform::ui().popupMenu(menu, QPoint(5, 5)), row);
    EXPECT_EQ(platform::ui().popupMenu(menu, QPoint(5, 5)), nullptr);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(told, (std::vector<QAction*>{copy, row}));
    const auto calls = scripted.callsOf(testsupport::UiCall::PopupMenu);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, QStringLiteral("mnuPopup"));
    EXPECT_EQ(calls[0].arguments, (QStringList{"keyCOPY", "Paste", "Insert"}));

    // A user cannot click a disabled entry, nor one the menu does not have.
    scripted.answerPopupMenu("Paste");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(platform::ui().popupMenu(menu, QPoint(5, 5)), nullptr), "disabled");
    scripted.answerPopupMenu("Cut");
    EXPECT_NONFATAL_FAILURE(platform::ui().popupMenu(menu, QPoint(5, 5)), "no entry \"Cut\"");
}

// A modal dialog of the service carries the stays-on-top hint while another
// shown window of the program has it, so the window manager cannot open it
// behind that window; the dialog's own flags come back when it ends.
TEST(Ui, AModalDialogIsKeptOnTopWhileAnotherWindowOfTheProgramIs)
{
    const struct {
        const char* what;
        bool otherShown;
        bool otherOnTop;
        bool dialogOnTop; // as the dialog was made
        bool keptOnTop;   // while it runs
    } cases[] = {
        {"no window kept on top", true, false, false, false},
        {"a shown window kept on top", true, true, false, true},
        {"a hidden window kept on top", false, true, false, false},
        {"a dialog kept on top of its own", true, false, true, true},
        {"a dialog kept on top of its own, beside one", true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget other;
        other.setWindowFlag(Qt::WindowStaysOnTopHint, c.otherOnTop);
        other.setVisible(c.otherShown);
        QDialog dialog;
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, c.dialogOnTop);
        const Qt::WindowFlags made = dialog.windowFlags();
        {
            const platform::KeptAboveOwnWindows above(dialog);
            EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.keptOnTop);
            EXPECT_EQ(dialog.windowFlags() & ~Qt::WindowStaysOnTopHint, made & ~Qt::WindowStaysOnTopHint);
        }
        EXPECT_EQ(dialog.windowFlags(), made);
    }
}

TEST(Ui, ADialogThatDeletesItselfOnClosingLeavesNothingToRestore)
{
    QWidget other;
    other.setWindowFlag(Qt::WindowStaysOnTopHint);
    other.show();
    auto* dialog = new QDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const platform::KeptAboveOwnWindows above(*dialog);
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    dialog->show();
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
