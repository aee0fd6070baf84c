// Editing in the parameter window: typed and chosen values with their checks,
// the write-back into the data model, reset, find, save and close.

#include "ParamWindowFixture.h"
#include "WindowDriver.h"

#include "platform/grid/FlexGrid.h"
#include "setting/mMOD.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

using namespace testsupport;
using QelmSet::fParam;
using namespace settingtest;

class ParamEditTest : public ParamWindowFixture {
protected:
    // Clicks the row's value and opens its editor, as F2 does.
    void startEdit(fParam& w, const char* name)
    {
        const QRect cell = w.grid().cellRect(rowOf(w, name), fParam::colUser);
        QTest::mouseClick(w.grid().viewport(), Qt::LeftButton, {}, cell.center());
        QTest::keyClick(&w.grid(), Qt::Key_F2);
    }

    // Opens the row's editor, types keys (each one as the keyboard sends it)
    // and presses Enter; the messages shown in between are answered OK.
    void typeValue(fParam& w, const char* name, const QString& keys, int messages = 0)
    {
        startEdit(w, name);
        auto* line = qobject_cast<QLineEdit*>(w.grid().editor());
        ASSERT_NE(line, nullptr);
        line->clear();
        QTest::keyClicks(line, keys);
        for (int i = 0; i < messages; ++i)
            scriptedUi().answerMessageBox(platform::vbOK);
        QTest::keyClick(line, Qt::Key_Return);
    }

    QStringList messages()
    {
        return testsupport::scriptedUi().takeMessageTexts();
    }

    static QPushButton& button(fParam& w, int index)
    {
        return *w.findChild<QPushButton*>(QStringLiteral("BTN%1").arg(index));
    }
};

TEST_F(ParamEditTest, TypedValuesAreCheckedAgainstTheRange)
{
    const QString outOfRange = QStringLiteral("Input value is out of range.");
    const QString noValue = QStringLiteral("Input value!");
    fParam* w = open(itemTiming); // M06: Min 0, Max 255
    ASSERT_NE(w, nullptr);
    const struct {
        const char* keys;
        const char* pasted; // put into the editor as a paste does, past the key filter
        QStringList shown;
        const char* stored; // nullptr: refused, the editor stays open
    } cases[] = {
        {"0", nullptr, {}, "0"},
        {"255", nullptr, {}, "255"},
        {"256", nullptr, {outOfRange}, nullptr},
        {"", nullptr, {noValue}, nullptr},
        {"-.a", nullptr, {noValue}, nullptr}, // no key of these reaches the editor
        {"1-2.a3", nullptr, {}, "123"},
        {"", "12a", {noValue}, nullptr},
        {"", "99999999999999999999", {outOfRange}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + "|" + (c.pasted ? c.pasted : ""));
        startEdit(*w, "M06");
        auto* line = qobject_cast<QLineEdit*>(w->grid().editor());
        ASSERT_NE(line, nullptr);
        line->clear();
        QTest::keyClicks(line, QLatin1String(c.keys));
        if (c.pasted)
            line->setText(QLatin1String(c.pasted));
        for (qsizetype i = 0; i < c.shown.size(); ++i)
            scriptedUi().answerMessageBox(platform::vbOK);
        QTest::keyClick(line, Qt::Key_Return);
        EXPECT_EQ(messages(), c.shown);
        EXPECT_EQ(w->grid().isEditing(), c.stored == nullptr);
        if (c.stored) {
            EXPECT_EQ(text(*w, "M06", fParam::colUser), QLatin1String(c.stored));
        }
        w->grid().cancelEdit();
    }

    // An empty value where the minimum is above 0 is out of range as well.
    typeValue(*w, "M03", QString(), 1); // Min 0: one message
    EXPECT_EQ(messages(), QStringList{noValue});
    w->grid().cancelEdit();
    fParam* p = open(itemPresser);
    typeValue(*p, "P02", QString(), 2); // Min 10
    EXPECT_EQ(messages(), (QStringList{noValue, outOfRange}));
    p->grid().cancelEdit();
}

TEST_F(ParamEditTest, WithoutANumericMinimumAnyThirtyTwoBitValuePasses)
{
    digital("SPEED", "S07").setMin(QStringLiteral("-"));
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    typeValue(*w, "S07", QStringLiteral("2147483647"));
    EXPECT_FALSE(w->grid().isEditing());
    typeValue(*w, "S07", QStringLiteral("2147483648"), 1);
    EXPECT_TRUE(w->grid().isEditing());
    EXPECT_EQ(messages().back(), QStringLiteral("Input value is out of range."));
    w->grid().cancelEdit();
    EXPECT_TRUE(w->Update_Variable());
    EXPECT_EQ(digital("SPEED", "S07").UserValue(), 2147483647);
}

TEST_F(ParamEditTest, ShownDoubledValuesAreWrittenBackHalved)
{
    fParam* w = open(itemTrim);
    ASSERT_NE(w, nullptr);
    typeValue(*w, "T02", QStringLiteral("15"));
    typeValue(*w, "T04", QStringLiteral("14"));
    EXPECT_EQ(text(*w, "T04", fParam::colDif), QStringLiteral("DIF"));
    EXPECT_TRUE(w->IsChanged());
    EXPECT_TRUE(button(*w, 1).isEnabled());
    EXPECT_TRUE(w->Update_Variable());
    EXPECT_EQ(digital("TRIM", "T02").UserValue(), 7);
    EXPECT_EQ(digital("TRIM", "T04").UserValue(), 7);
    EXPECT_EQ(digital("TRIM", "T03").UserValue(), 160); // not edited
}

TEST_F(ParamEditTest, AChoiceIsPickedFromTheListAndStoredAsItsValue)
{
    fParam* w = open(itemTrim);
    ASSERT_NE(w, nullptr);
    startEdit(*w, "T01");
    auto* list = qobject_cast<QComboBox*>(w->grid().editor());
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("OFF"));
    EXPECT_EQ(list->currentText(), QStringLiteral("TRIM"));
    w->grid().setEditText(QStringLiteral("TRIM+WIPE"));
    EXPECT_TRUE(w->grid().commitEdit());
    EXPECT_EQ(text(*w, "T01", fParam::colDif), QString()); // now as the factory value
    // A number row right after gets a plain text box again.
    startEdit(*w, "T02");
    EXPECT_NE(qobject_cast<QLineEdit*>(w->grid().editor()), nullptr);
    w->grid().cancelEdit();
    EXPECT_TRUE(w->Update_Variable());
    EXPECT_EQ(digital("TRIM", "T01").UserValue(), 2);
}

TEST_F(ParamEditTest, EditingBackToTheOldTextChangesNothing)
{
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    typeValue(*w, "S04", QStringLiteral("3"));
    EXPECT_FALSE(w->IsChanged());
    EXPECT_FALSE(button(*w, 1).isEnabled());
}

TEST_F(ParamEditTest, TwoWindowsOnOneParameterKeepEachOthersEdits)
{
    fParam* speed = open(itemSpeed);
    fParam* all = open(itemAll, "4829");
    ASSERT_NE(speed, nullptr);
    ASSERT_NE(all, nullptr);
    typeValue(*speed, "S04", QStringLiteral("5")); // "all" still shows 3
    typeValue(*all, "S03", QStringLiteral("600"));
    for (fParam* first : {all, speed}) {
        EXPECT_TRUE(first->Update_Variable());
        EXPECT_TRUE((first == all ? speed : all)->Update_Variable());
    }
    EXPECT_EQ(digital("SPEED", "S04").UserValue(), 5);
    EXPECT_EQ(digital("SPEED", "S03").UserValue(), 600);

    // A written edit is not written again over a later one made elsewhere.
    digital("SPEED", "S03").setUserValue(700);
    EXPECT_TRUE(all->Update_Variable());
    EXPECT_EQ(digital("SPEED", "S03").UserValue(), 700);
}

TEST_F(ParamEditTest, ResetShowsTheFactoryValuesEvenInGreyRows)
{
    digital("SPEED", "S03").setAllowEdit(false);
    digital("SPEED", "S03").setUserValue(450);
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    scriptedUi().answerMessageBox(platform::vbNo);
    button(*w, 3).click();
    EXPECT_EQ(text(*w, "S03", fParam::colUser), QStringLiteral("450"));
    EXPECT_FALSE(w->IsChanged());
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).back().text,
              QStringLiteral("Are you sure to reset all value on this window ?"));

    scriptedUi().answerMessageBox(platform::vbYes);
    button(*w, 3).click();
    for (const char* name : {"S01", "S03", "S04", "S05"}) {
        EXPECT_EQ(text(*w, name, fParam::colUser), text(*w, name, fParam::colStd)) << name;
        EXPECT_EQ(text(*w, name, fParam::colDif), QString()) << name;
    }
    EXPECT_TRUE(w->IsChanged());
    EXPECT_EQ(digital("SPEED", "S01").UserValue(), 3200); // the model follows at the write-back
    EXPECT_TRUE(w->Update_Variable());
    for (const char* name : {"S01", "S03", "S04", "S05"})
        EXPECT_EQ(digital("SPEED", name).UserValue(), digital("SPEED", name).StdValue()) << name;
}

TEST_F(ParamEditTest, FindSelectsTheDigitalCellOfTheNamedParameter)
{
    fParam* w = open(itemAll, "4829");
    ASSERT_NE(w, nullptr);
    scriptedUi().answerInput(QStringLiteral("f04"));
    button(*w, 4).click();
    EXPECT_EQ(cells(*w).Row(), rowOf(*w, "F04"));
    EXPECT_EQ(cells(*w).Col(), fParam::colDigital);
    EXPECT_EQ(cells(*w).RowSel(), rowOf(*w, "F04"));
    EXPECT_EQ(cells(*w).ColSel(), fParam::colDigital);
    EXPECT_EQ(scriptedUi().callsOf(UiCall::InputBox).back().text, QStringLiteral("Input digital value."));
    for (const char* answer : {"F4", ""}) {
        scriptedUi().answerInput(QLatin1String(answer));
        button(*w, 4).click();
        EXPECT_EQ(cells(*w).Row(), rowOf(*w, "F04")) << answer;
        EXPECT_EQ(cells(*w).Col(), fParam::colDigital) << answer;
    }
}

TEST_F(ParamEditTest, SaveGoesThroughTheMainWindow)
{
    const QString usr = window().UsrFilePath();
    const QByteArray before = readFile(usr);
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    typeValue(*w, "S04", QStringLiteral("9"));
    // The main window asks before it overwrites the one-table file: No saves nothing.
    scriptedUi().answerMessageBox(platform::vbNo);
    button(*w, 1).click();
    EXPECT_TRUE(w->IsChanged()); // a failed save keeps the edits marked
    EXPECT_EQ(readFile(usr), before);
    scriptedUi().answerMessageBox(platform::vbYes);
    button(*w, 1).click();
    EXPECT_FALSE(w->IsChanged());
    EXPECT_FALSE(button(*w, 1).isEnabled());
    EXPECT_EQ(messages(), QStringList(2, QelmSet::mMOD::MessageText(45)));
    EXPECT_EQ(readFile(usr).at(38), 9) << "S04, a byte at 38";
}

TEST_F(ParamEditTest, ClosingWithEditsAsksFirst)
{
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    typeValue(*w, "S04", QStringLiteral("9"));
    scriptedUi().answerMessageBox(platform::vbCancel);
    button(*w, 5).click();
    EXPECT_EQ(windowOf(QStringLiteral("SPEED")), w);
    EXPECT_TRUE(messages().back().startsWith(QLatin1String("Data is chaneged on this window. Do you save it ?")));

    scriptedUi().answerMessageBox(platform::vbNo);
    button(*w, 5).click();
    EXPECT_EQ(windowOf(QStringLiteral("SPEED")), nullptr);
    EXPECT_EQ(digital("SPEED", "S04").UserValue(), 3);
}

TEST_F(ParamEditTest, PrintingWithUnsavedEditsAsksFirst)
{
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    int exports = 0;
    const auto closeExport = [&](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("fPrint"));
        ++exports;
        WindowDriver(d).cancel();
    };
    scriptedUi().answerDialog(closeExport);
    button(*w, 2).click(); // nothing changed: no question, the export dialog at once
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(exports, 1);

    typeValue(*w, "S04", QStringLiteral("9"));
    scriptedUi().answerMessageBox(platform::vbYes); // abort printing
    button(*w, 2).click();
    const QString question = QStringLiteral("Data is changed. To print what you see, save data.\r\n\r\n"
                                            "Click save all on toolbar.\r\n\r\nDo you abort printing ?");
    EXPECT_EQ(messages(), QStringList{question});
    EXPECT_EQ(exports, 1);

    scriptedUi().answerMessageBox(platform::vbNo); // print what is saved
    scriptedUi().answerDialog(closeExport);
    button(*w, 2).click();
    EXPECT_EQ(exports, 2);
}

TEST_F(ParamEditTest, AFailedWriteBackIsReportedAndAnswersFalse)
{
    fParam* w = open(itemSpeed);
    ASSERT_NE(w, nullptr);
    typeValue(*w, "S03", QStringLiteral("600"));
    typeValue(*w, "S04", QStringLiteral("5"));
    typeValue(*w, "S07", QStringLiteral("900"));
    state().functions->Item(QStringLiteral("SPEED"))->Items()->Remove(QStringLiteral("S04"));
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(w->Update_Variable());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QLatin1String("Update_Variable"))) << boxes[0].text.toStdString();
    EXPECT_EQ(digital("SPEED", "S03").UserValue(), 600); // the rows before the failing one are written
    EXPECT_EQ(digital("SPEED", "S07").UserValue(), 800);
    EXPECT_TRUE(w->IsChanged());
}

// The value columns are measured when the window is filled; a value typed
// later that would be cut off widens its column at once, and a resize, which
// measures nothing, keeps it wide.
TEST_F(ParamEditTest, AValueTypedWiderThanItsColumnWidensItAndAResizeKeepsIt)
{
    fParam* w = open(itemTiming);
    ASSERT_NE(w, nullptr);
    platform::grid::GridData& g = w->grid().data();
    const int32_t row = rowOf(*w, "M06");
    g.setCell(platform::grid::CellProperty::FontSize, row, fParam::colUser, 40);
    const auto fits = [&] {
        const int needed =
            QFontMetrics(g.CellFont(row, fParam::colUser)).horizontalAdvance(g.TextMatrix(row, fParam::colUser));
        return needed < w->grid().cellRect(row, fParam::colUser).width() - 4;
    };
    typeValue(*w, "M06", QStringLiteral("255"));
    ASSERT_EQ(text(*w, "M06", fParam::colUser), QStringLiteral("255"));
    EXPECT_TRUE(fits());
    w->resize(w->width() - 20, w->height());
    EXPECT_TRUE(fits());
}
