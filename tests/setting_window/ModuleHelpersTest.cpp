// The setting program's module: numbered messages, the password of the
// special group, the close question and layout of editing windows, and
// writing the settings back.

#include "ScriptedUi.h"

#include "platform/Settings.h"
#include "platform/Twips.h"
#include "setting/EditingWindow.h"
#include "setting/ProgramSettings.h"
#include "setting/ProgramState.h"
#include "setting/mMOD.h"
#include "util/method/clsMethod.h"
#include "util/property/SettingsTable.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

using namespace testsupport;
namespace mMOD = QelmSet::mMOD;

TEST(SettingMessages, TextIconButtonsAndAnswerByKind)
{
    const struct {
        int16_t number;
        int16_t kind;
        int32_t style;
        bool answers;
        QString text;
    } cases[] = {
        {2, 1, platform::vbCritical, false, QStringLiteral("Failed to read registry. ")},
        {9, 2, platform::vbExclamation, false, QStringLiteral("File size of *.etb must be as follows.\r\n\r\n8192")},
        {10, 2, platform::vbExclamation, false, QStringLiteral("File size of *.stg must be as follows.\r\n\r\n65536")},
        {8, 2, platform::vbExclamation, false, QStringLiteral("Extension must be as follows\r\n\r\n*.etb , *.stg")},
        {28, 2, platform::vbExclamation, false,
         QStringLiteral("Input value is out of range.\r\n\r\nMin = 0\u3001Max = 255")},
        {46, 2, platform::vbExclamation, false, QStringLiteral("This S/W runs already!")},
        {3, 4, platform::vbInformation, false, QString()},
        {45, 3, platform::vbQuestion | platform::vbYesNo, true,
         QStringLiteral("Are you sure to change the default value ?")},
        {11, 7, platform::vbQuestion | platform::vbYesNo | platform::vbDefaultButton2, true,
         QStringLiteral("Are you sure to reset all value on this window ?")},
        {36, 8, platform::vbExclamation | platform::vbYesNo, true,
         QStringLiteral("Great risk to edit this mode.\r\n\r\nDo you go ahead ?")},
        {38, 6, platform::vbQuestion | platform::vbYesNoCancel, true,
         QStringLiteral("Data is not saved. Do you save it ?")},
    };
    for (const auto& c : cases) {
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(c.answers ? platform::vbNo : platform::vbOK);
        const QVariant answer = mMOD::ShowMessage(c.number, c.kind);
        const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
        ASSERT_EQ(boxes.size(), 1u) << c.number;
        EXPECT_EQ(boxes[0].text, c.text) << c.number;
        EXPECT_EQ(boxes[0].style, c.style) << c.number;
        EXPECT_EQ(boxes[0].title, mMOD::ProgramName());
        EXPECT_EQ(answer.isValid(), c.answers) << c.number;
        if (c.answers) {
            EXPECT_EQ(answer.toInt(), platform::vbNo);
        }
    }
    for (int16_t kind : {0, 9})
        EXPECT_FALSE(mMOD::ShowMessage(2, kind).isValid());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).size() == 1u);
    EXPECT_EQ(mMOD::MessageText(18, QStringLiteral("Set02.e")),
              QStringLiteral("Failed to initialize address. Cannot load.\r\n\r\nSet02.e"));
}

class SettingModule : public testing::Test {
protected:
    void SetUp() override
    {
        state.method = std::make_unique<Ostrel7::clsMethod>();
        state.RegAppName = QStringLiteral("ModuleTest");
        state.settings = QelmSet::makeProgramSettings(state.RegAppName, QStringLiteral("/x/"));
    }
    QelmSet::ProgramState state;
};

TEST_F(SettingModule, PasswordIsComparedExactly)
{
    state.DoesNeedPassWord = false;
    EXPECT_TRUE(mMOD::ExactPassWord(state));
    EXPECT_TRUE(scriptedUi().calls().empty());

    state.DoesNeedPassWord = true;
    state.PassWordSpecial = QStringLiteral("ab12");
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {{"ab12", true}, {"AB12", false}, {"", false}, {"ab123", false}};
    for (const auto& c : cases) {
        scriptedUi().answerInput(QLatin1String(c.typed));
        EXPECT_EQ(mMOD::ExactPassWord(state), c.accepted) << c.typed;
    }
    EXPECT_EQ(scriptedUi().callsOf(UiCall::InputBox)[0].text, QStringLiteral("Input password."));
}

TEST_F(SettingModule, SaveRegSettingsWritesTheFiveAndNeverTheGeneralOnes)
{
    state.StdReadingPath = QStringLiteral("/data/tables");
    state.PrevStd_ExtFilterIndex = 2;
    state.PrevUsr_ExtFilterIndex = 1;
    state.wdt_Custom_StdKino = 2100;
    state.wdt_Custom_UsrKino = 2200;
    state.PassWordSpecial = QStringLiteral("9999");
    mMOD::SaveRegSettings(state);
    auto read = [&](const char* section, const char* key) {
        return platform::settings::read(state.RegAppName, QLatin1String(section), QLatin1String(key));
    };
    EXPECT_EQ(read("FileInfo", "StdReadingPath"), QStringLiteral("/data/tables"));
    EXPECT_EQ(read("FileInfo", "PrevStd_ExtFilterIndex"), QStringLiteral("2"));
    EXPECT_EQ(read("FileInfo", "PrevUsr_ExtFilterIndex"), QStringLiteral("1"));
    EXPECT_EQ(read("Location", "wdt_Custom_StdKino"), QStringLiteral("2100"));
    EXPECT_EQ(read("Location", "wdt_Custom_UsrKino"), QStringLiteral("2200"));
    EXPECT_EQ(read("General", "PassWordSpecial"), std::nullopt);
    EXPECT_EQ(read("General", "DoesNeedPassWord"), std::nullopt);
}

namespace {

// An editing window as far as the close question sees it.
class StandInWindow : public QelmSet::EditingWindow {
public:
    StandInWindow() : EditingWindow(QStringLiteral("fParam")) {}
    int saves = 0;
    bool Update_Variable() override { return true; }
    void BTN_Click(int index) override
    {
        if (index == 1)
            ++saves;
    }
};

} // namespace

TEST(SettingCloseQuestion, AnswersDecideSavingAndClosing)
{
    StandInWindow form;
    form.setWindowTitle(QStringLiteral("Parameters"));
    bool cancel = false;
    mMOD::Form_Unload(form, false, cancel);
    EXPECT_TRUE(scriptedUi().calls().empty());

    const struct {
        int32_t answer;
        int saves;
        bool cancel;
    } cases[] = {{platform::vbYes, 1, false}, {platform::vbNo, 0, false}, {platform::vbCancel, 0, true}};
    for (const auto& c : cases) {
        form.saves = 0;
        cancel = false;
        scriptedUi().answerMessageBox(c.answer);
        mMOD::Form_Unload(form, true, cancel);
        EXPECT_EQ(form.saves, c.saves) << c.answer;
        EXPECT_EQ(cancel, c.cancel) << c.answer;
    }
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].text,
              QStringLiteral("Data is chaneged on this window. Do you save it ?\r\n\r\nParameters"));
}

TEST(SettingLayout, GridsFillWhatTheButtonBarLeaves)
{
    QMainWindow main;
    main.resize(1200, 800);
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    auto* form = new QWidget;
    auto* bar = new QWidget(form);
    bar->setObjectName(QStringLiteral("picCMD"));
    bar->resize(platform::twipsToPixels(1500), 100);
    for (int i = 1; i <= 4; ++i)
        (new QWidget(form))->setObjectName(QStringLiteral("fg%1").arg(i));
    QMdiSubWindow* frame = area->addSubWindow(form);
    main.show();
    frame->show();

    frame->move(30, 20);
    mMOD::ExpandToMax(*form, true);
    // As wide as the area that holds it (the design's main window width less its borders).
    EXPECT_EQ(frame->width(), area->viewport()->width());
    // Nothing reaches beyond the area's height: no room is kept for a scroll bar.
    EXPECT_EQ(area->viewport()->width(), main.width());
    EXPECT_EQ(bar->geometry().right(), form->width() - 1);
    QRect grids[4];
    for (int i = 0; i < 4; ++i)
        grids[i] = form->findChild<QWidget*>(QStringLiteral("fg%1").arg(i + 1))->geometry();
    EXPECT_EQ(grids[0].size(), grids[3].size());
    EXPECT_EQ(grids[1].left(), grids[0].left());
    EXPECT_EQ(grids[2].top(), grids[0].top());
    EXPECT_LE(grids[2].right(), bar->geometry().left());
    EXPECT_LE(grids[1].bottom(), bar->geometry().bottom() + 1);

    // A minimised window keeps its place.
    frame->showMinimized();
    const QRect before = frame->geometry();
    mMOD::ExpandToMax(*form, true);
    EXPECT_EQ(frame->geometry(), before);
}

