#include "util/dialog/clsDialogColor.h"
#include "util/dialog/clsDialogOpenSave.h"
#include "util/dialog/mDialog.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"

#include <QFileDialog>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

using namespace Ostrel7;
using testsupport::errorOf;
using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

const QString kTextFilter = QStringLiteral("Text (*.txt)") + QChar(u'\0') + QStringLiteral("*.txt");

} // namespace

TEST(DialogOpenSave, OffersTheCallersFilterThenAllFiles)
{
    clsDialogOpenSave dlg;
    scriptedUi().answerOpenFile(QString());
    EXPECT_EQ(dlg.OpenDialog(eDLG_OPEN, nullptr, QStringLiteral("Open table"), 0), QString());
    scriptedUi().answerOpenFile(QStringLiteral("/data/a.txt"));
    EXPECT_EQ(dlg.OpenDialog(eDLG_OPEN, nullptr, QStringLiteral("Open table"), 0, kTextFilter,
                             QStringLiteral("/data"), QStringLiteral("a.txt")),
              QStringLiteral("/data/a.txt"));

    const auto calls = scriptedUi().callsOf(UiCall::OpenFile);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, QStringLiteral("Open table"));
    EXPECT_EQ(calls[0].title, QStringLiteral("All Files|*.*"));
    EXPECT_EQ(calls[1].title, QStringLiteral("Text (*.txt)|*.txt|All Files|*.*"));
    EXPECT_EQ(calls[1].arguments, (QStringList{QStringLiteral("/data"), QStringLiteral("a.txt")}));
}

TEST(DialogOpenSave, FilterIndexFollowsTheChosenFileAndSurvivesACancel)
{
    clsDialogOpenSave dlg;
    EXPECT_EQ(dlg.FilterIndex(), 0);
    const struct {
        QString answer;
        int32_t expectedIndex;
    } steps[] = {
        {QStringLiteral("/d/a.TXT"), 1},
        {QStringLiteral("/d/a.dat"), 2}, // only "All Files" fits
        {QString(), 2},                  // cancelled: kept
    };
    for (const auto& s : steps) {
        scriptedUi().answerOpenFile(s.answer);
        EXPECT_EQ(dlg.OpenDialog(eDLG_OPEN, nullptr, QStringLiteral("t"), 0, kTextFilter), s.answer);
        EXPECT_EQ(dlg.FilterIndex(), s.expectedIndex) << s.answer.toStdString();
    }
}

TEST(DialogOpenSave, SaveAddsTheDefaultExtensionToABareName)
{
    clsDialogOpenSave dlg;
    scriptedUi().answerSaveFile(QStringLiteral("/d/out"));
    EXPECT_EQ(dlg.OpenDialog(eDLG_SAVE, nullptr, QStringLiteral("Save as"), 0, kTextFilter, QStringLiteral("/d"),
                             QString(), QStringLiteral("txt")),
              QStringLiteral("/d/out.txt"));
    scriptedUi().answerSaveFile(QStringLiteral("/d/out.csv"));
    EXPECT_EQ(dlg.OpenDialog(eDLG_SAVE, nullptr, QStringLiteral("Save as"), 0, kTextFilter, QStringLiteral("/d"),
                             QString(), QStringLiteral("txt")),
              QStringLiteral("/d/out.csv"));
    scriptedUi().answerSaveFile(QString());
    EXPECT_EQ(dlg.OpenDialog(eDLG_SAVE, nullptr, QStringLiteral("Save as"), 0, kTextFilter, QStringLiteral("/d"),
                             QString(), QStringLiteral("txt")),
              QString());
    EXPECT_EQ(scriptedUi().callsOf(UiCall::SaveFile).size(), 3u);
}

TEST(DialogOpenSave, NoDialogForAnUnknownKindOrAnOverlongInitialFile)
{
    clsDialogOpenSave dlg;
    EXPECT_EQ(dlg.OpenDialog(2, nullptr, QStringLiteral("t"), 0), QString());
    EXPECT_EQ(errorOf([&] {
                  dlg.OpenDialog(eDLG_OPEN, nullptr, QStringLiteral("t"), 0, QString(), QString(), QString(1025, u'a'));
              }),
              platform::errInvalidCall)
        << "an initial file beyond the buffer was accepted";
    EXPECT_TRUE(scriptedUi().calls().empty());
    EXPECT_EQ(dlg.GetLong(12345), 12345);
}

TEST(DialogOpenSave, CaptionsAndPlacementStayForLaterDialogs)
{
    clsDialogOpenSave first, second;
    scriptedUi().answerOpenFile(QString());
    first.OpenDialog(eDLG_OPEN, nullptr, QStringLiteral("t"), 0x80020, QString(), QString(), QString(), QString(), 1,
                     QStringLiteral("Load"), QStringLiteral("Table:"), eDLGPOS_RIGHT_BOTTOM);
    scriptedUi().answerOpenFile(QString());
    second.OpenDialog(eDLG_OPEN, nullptr, QStringLiteral("t"), 0x80020, QString(), QString(), QString(), QString(), 1,
                      QString(), QString(), eDLGPOS_RIGHT_BOTTOM);
    EXPECT_EQ(mDialog::okCaption(), QStringLiteral("Load"));
    EXPECT_EQ(mDialog::labelCaption(), QStringLiteral("Table:"));
    EXPECT_EQ(mDialog::placement(), eDLGPOS_RIGHT_BOTTOM);

    // The hook puts them on the dialog while it opens.
    QFileDialog fileDialog;
    fileDialog.setOption(QFileDialog::DontUseNativeDialog);
    fileDialog.resize(300, 200);
    EXPECT_EQ(mDialog::OpenSaveHookProc(&fileDialog, mDialog::kInitDialog, 0, 0), 0);
    EXPECT_EQ(fileDialog.labelText(QFileDialog::Accept), QStringLiteral("Load"));
    EXPECT_EQ(fileDialog.labelText(QFileDialog::FileName), QStringLiteral("Table:"));
    EXPECT_EQ(mDialog::OpenSaveHookProc(&fileDialog, mDialog::kNotify, 0, mDialog::kInitDone), -1);
    const QSize area = fileDialog.screen()->availableGeometry().size();
    EXPECT_EQ(fileDialog.pos(), QPoint(area.width() - 300, area.height() - 200));
    EXPECT_EQ(mDialog::OpenSaveHookProc(&fileDialog, 1, 0, 0), 0);
}

TEST(DialogOpenSave, PlacementOnTheWorkArea)
{
    const QSize area(1024, 738), dialog(425, 301);
    const struct {
        int32_t position;
        QPoint expected;
    } cases[] = {
        {eDLGPOS_CENTER, {299, 218}},   {eDLGPOS_LEFT_TOP, {0, 0}},       {eDLGPOS_LEFT_BOTTOM, {0, 437}},
        {eDLGPOS_RIGHT_TOP, {599, 0}}, {eDLGPOS_RIGHT_BOTTOM, {599, 437}}, {9, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mDialog::placedAt(c.position, area, dialog), c.expected) << c.position;
}

TEST(DialogColor, ChosenColourAndCustomColoursCarryOver)
{
    std::vector<QColor> custom(16, Qt::black);
    custom[3] = QColor(0x56, 0x34, 0x12); // 0x123456 in 0x00BBGGRR
    scriptedUi().answerColor(QColor(0, 255, 0), custom);
    scriptedUi().answerColor(std::nullopt); // cancelled

    QWidget owner;
    clsDialogColor dlg;
    dlg.setflags(0x3);
    dlg.setInitialColor(0x0000FF);
    dlg.setOwnerInstance(&owner, 7);
    EXPECT_EQ(dlg.OpenColorDialog(), 1);
    EXPECT_EQ(dlg.Result(), 0x00FF00);
    EXPECT_EQ(dlg.CustomColors()[3], 0x123456u);
    EXPECT_EQ(dlg.Flags(), 0x3);
    EXPECT_EQ(dlg.Instance(), 7);

    dlg.setInitialColor(0xABCDEF);
    EXPECT_EQ(dlg.OpenColorDialog(), 0);
    EXPECT_EQ(dlg.Result(), 0xABCDEF); // a cancel keeps the colour as it was

    const auto calls = scriptedUi().callsOf(UiCall::ColorDialog);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, QStringLiteral("#ff0000")); // 0x0000FF is red
    EXPECT_EQ(calls[0].owner, &owner);
    EXPECT_EQ(calls[1].text, QStringLiteral("#efcdab"));
    ASSERT_EQ(calls[1].arguments.size(), 16);
    EXPECT_EQ(calls[1].arguments[3], QStringLiteral("#563412")); // the custom colours of the first dialog
}
