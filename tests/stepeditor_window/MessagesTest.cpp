// The step editor's numbered messages and its quiet file removal.

#include "ReportedErrors.h"
#include "ScriptedUi.h"
#include "TestFiles.h"

#include "stepeditor/mMOD.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testsupport;
using QelmStp::mMOD::MessageText;
using QelmStp::mMOD::ShowMessage;

TEST(StepMessages, TextsAreBuiltFromTheCatalogueAndTheCallersValues)
{
    const QString blank = QStringLiteral("\r\n\r\n");
    const struct {
        int16_t number;
        std::optional<QVariant> x1;
        std::optional<QVariant> x2;
        QString text;
    } cases[] = {
        {2, {}, {}, QStringLiteral("Failed to read registry. ")},
        {8, {}, {}, QStringLiteral("Extension must be as follows") + blank + QStringLiteral("*.stp")},
        {9, {}, {}, QStringLiteral("File size of *.stp must be as follows.") + blank + QStringLiteral("65536")},
        {13, {}, {}, QStringLiteral("Data is chaneged. Do you save it ?")},
        {29, {}, {}, QStringLiteral("Data is changed. To print what you see, save data.") + blank +
                         QStringLiteral("Click save all on toolbar.") + blank + QStringLiteral("Do you abort printing ?")},
        {43, 0, 65000, QStringLiteral("Value is out of range.") + blank + QStringLiteral("Min = 0, Max = 65000")},
        {43, -30000, 30000, QStringLiteral("Value is out of range.") + blank + QStringLiteral("Min = -30000, Max = 30000")},
        {46, QStringLiteral("Output"), {}, QStringLiteral("At first, input the following column.") + blank + QStringLiteral("Output")},
        {56, 3152, {}, QStringLiteral("The number of characters of note must be within following number.") + blank +
                           QStringLiteral("3152")},
        {58, {}, {}, QStringLiteral("Clipboard is vacant or data type is different.") + blank + QStringLiteral("Cannot paste.")},
        {70, {}, {}, QStringLiteral("The number of color is less than 16 bit(65536).") + blank +
                         QStringLiteral("You are strongly recomended to adjust control panel.") + blank + QStringLiteral(" ") +
                         blank + QStringLiteral(" ")},
        {75, 12, {}, QStringLiteral("The following numbre are replaced.") + blank + QStringLiteral("12 ")},
        {79, {}, {}, QStringLiteral("Failed to copy temporary files. Data is not saved.") + blank +
                         QStringLiteral("Quit this application and reload.")},
        {81, 0, 8000, QStringLiteral("This column must be numeric or input COUNT.") + blank + QStringLiteral("Min = 0, Max = 8000")},
        {83, {}, {}, QStringLiteral("This S/W runs already!\"")},
        {85, QStringLiteral("JMP12"), {}, QStringLiteral("The following function cannot be replaced because of invalid address.") +
                                              blank + QStringLiteral("JMP12")},
        {88, QStringLiteral("XYZ"), {}, QStringLiteral("The following function does not exist.") + blank + QStringLiteral("XYZ")},
        {92, 8, {}, QStringLiteral("The number of characters must be within following number.") + blank + QStringLiteral("8")},
        {93, {}, {}, QStringLiteral("Unknow error. Filename lost. Retry to save again. Sorry...")},
        {100, {}, {}, QStringLiteral("Cannot read file. Because password is not correct.")},
        {3, {}, {}, QString()}, // a gap in the numbering
        {101, {}, {}, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageText(c.number, c.x1, c.x2), c.text) << c.number;
    // A message that names a value needs it.
    EXPECT_EQ(errorOf([] { MessageText(43, 0); }), platform::errTypeMismatch);
    EXPECT_EQ(errorOf([] { MessageText(92); }), platform::errTypeMismatch);
}

TEST(StepMessages, KindsChooseIconButtonsAndWhetherTheAnswerComesBack)
{
    const struct {
        int16_t kind;
        int32_t style;
        bool answers;
    } cases[] = {
        {1, platform::vbCritical | platform::vbOKOnly, false},
        {2, platform::vbExclamation | platform::vbOKOnly, false},
        {3, platform::vbQuestion | platform::vbYesNo, true},
        {4, platform::vbInformation | platform::vbOKOnly, false},
        {5, platform::vbCritical | platform::vbYesNo, true},
        {6, platform::vbQuestion | platform::vbYesNoCancel, true},
        {7, platform::vbQuestion | platform::vbYesNo | platform::vbDefaultButton2, true},
        {8, platform::vbExclamation | platform::vbYesNo, true},
        {9, platform::vbQuestion | platform::vbOKCancel, true},
        {10, platform::vbExclamation | platform::vbOKCancel, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbCancel);
        const QVariant answer = ShowMessage(13, c.kind);
        const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].style, c.style);
        EXPECT_EQ(boxes[0].title, QelmStp::mMOD::ProgramName());
        EXPECT_EQ(boxes[0].text, QStringLiteral("Data is chaneged. Do you save it ?"));
        EXPECT_EQ(answer.isValid(), c.answers);
        if (c.answers) {
            EXPECT_EQ(answer.toInt(), platform::vbCancel);
        }
        // An empty answer is never taken for Yes.
        EXPECT_FALSE(!c.answers && answer == QVariant(platform::vbYes));
    }
    scriptedUi().clearCalls();
    for (const int16_t kind : {0, 11, -1})
        EXPECT_FALSE(ShowMessage(2, kind).isValid());
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST(StepMessages, DelRemovesAFileAndLeavesWhatItMayNot)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("eusr2.tmp"));
    writeFile(file, "step");
    QelmStp::mMOD::Del(file);
    EXPECT_EQ(readFile(file), "<missing>");
    QelmStp::mMOD::Del(file); // gone already: nothing to tell
    QelmStp::mMOD::Del(folder.filePath(QStringLiteral("never/there.tmp")));
    EXPECT_TRUE(scriptedUi().calls().empty());

    // Without forcing, a read-only file stays; the failure is reported.
    writeFile(file, "step");
    QFile(file).setPermissions(QFile::ReadOwner);
    scriptedUi().answerMessageBox(platform::vbOK);
    QelmStp::mMOD::Del(file);
    EXPECT_EQ(readFile(file), "step");
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("Del\r\n"))) << boxes[0].text.toStdString();
}
