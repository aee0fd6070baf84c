// Editing the user side of the customize window as a user does: Space on the
// letter and switch cells, typing times, the duty list, the write-back into
// the user pins.

#include "CusDataFixture.h"
#include "ReportedErrors.h"
#include "WindowDriver.h"

#include "setting/ProgramSettings.h"
#include "setting/mMOD.h"
#include "util/property/SettingsTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace testsupport;
using settingtest::CusDataFixture;

namespace {

constexpr uint32_t kDisabledBack = 0x808080;
constexpr uint32_t kWhite = 0xFFFFFF;

// Every value of every pin of a table, one text per pin.
QStringList valuesOf(const Telva27::colclsCustom& pins)
{
    QStringList values;
    for (const auto& pin : pins)
        values << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11")
                      .arg(pin->Location())
                      .arg(pin->Kino())
                      .arg(pin->LogicJ(), pin->DosaJ(), pin->OnDelayJ())
                      .arg(pin->OnDelayTime())
                      .arg(pin->OffDelayJ())
                      .arg(pin->OffDelayTime())
                      .arg(pin->ChoppingJ())
                      .arg(pin->ZenpaTime())
                      .arg(pin->Duty());
    return values;
}

} // namespace

class CusEdit : public CusDataFixture {
protected:
    QLineEdit* lineEditor(Cus& cus) { return qobject_cast<QLineEdit*>(cus.fg().editor()); }
};

TEST_F(CusEdit, SpaceCyclesLettersAndSwitchesWhereThePinHasThem)
{
    Cus& cus = open(0);
    const struct {
        const char* pin;
        int col;
        const char* before;
        const char* after;
    } cases[] = {
        {"I3", 14, "REV", "-"},   {"I3", 14, "-", "REV"},   {"I1", 15, "-", "ALT"},
        {"I1", 16, "", ""},       {"I1", 18, "", ""},       {"I1", 20, "", ""},    // no switches on inputs
        {"O3", 16, "ON", "OFF"},  {"O3", 18, "OFF", "ON"},  {"O1", 20, "ON", "OFF"},
        {"O9", 20, "", ""},       // no chopping on this pin
        {"O3", 17, "15", "15"},   {"O3", 13, "TENSION:Tension release solenoid", "TENSION:Tension release solenoid"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pin) + " col " + std::to_string(c.col));
        const int row = rowOf(cus, QLatin1String(c.pin));
        clickCell(cus, row, c.col);
        EXPECT_EQ(text(cus, row, c.col), QLatin1String(c.before));
        cus.ControlChange(false);
        key(cus, Qt::Key_Space);
        EXPECT_EQ(text(cus, row, c.col), QLatin1String(c.after));
        EXPECT_EQ(cus.IsChanged(), QLatin1String(c.before) != QLatin1String(c.after));
        EXPECT_FALSE(cus.fg().isEditing());
    }
    // A switch turned off greys its cells; turned on they are usable again.
    const int o3 = rowOf(cus, QStringLiteral("O3"));
    EXPECT_EQ(back(cus, o3, 17), kDisabledBack);
    EXPECT_EQ(fore(cus, o3, 17), kWhite);
    EXPECT_EQ(back(cus, o3, 19), kWhite);
    EXPECT_EQ(fore(cus, o3, 19), 0u);
    // A double click acts as Space.
    doubleClickCell(cus, o3, 16);
    EXPECT_EQ(text(cus, o3, 16), QStringLiteral("ON"));
    EXPECT_EQ(back(cus, o3, 17), kWhite);
}

TEST_F(CusEdit, TimesAreTypedWithinTheirRange)
{
    Cus& cus = open(0);
    const int o3 = rowOf(cus, QStringLiteral("O3"));
    clickCell(cus, o3, 17);
    // Only digits start an edit, and only digits reach the editor.
    typeKeys(cus, QStringLiteral("x"));
    EXPECT_FALSE(cus.fg().isEditing());
    typeKeys(cus, QStringLiteral("2a5-6"));
    ASSERT_NE(lineEditor(cus), nullptr);
    EXPECT_EQ(lineEditor(cus)->text(), QStringLiteral("256"));
    keepPicture(*cus.parentWidget(), QStringLiteral("fCusData0-time"));

    // 256 is refused with message 28 and the editor stays; 255 is taken.
    scriptedUi().answerMessageBox(platform::vbOK);
    key(cus, Qt::Key_Return);
    ASSERT_EQ(scriptedUi().callsOf(UiCall::MessageBox).size(), 1u);
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox)[0].text, QelmSet::mMOD::MessageText(28));
    EXPECT_TRUE(cus.fg().isEditing());
    EXPECT_FALSE(cus.IsChanged());
    lineEditor(cus)->setText(QStringLiteral("255"));
    key(cus, Qt::Key_Return);
    EXPECT_FALSE(cus.fg().isEditing());
    EXPECT_EQ(text(cus, o3, 17), QStringLiteral("255"));
    EXPECT_TRUE(cus.IsChanged());

    // An empty text is refused without a word.
    scriptedUi().clearCalls();
    typeKeys(cus, QStringLiteral("7"));
    lineEditor(cus)->clear();
    key(cus, Qt::Key_Return);
    EXPECT_TRUE(cus.fg().isEditing());
    EXPECT_TRUE(scriptedUi().calls().empty());
    key(cus, Qt::Key_Escape);
    EXPECT_EQ(text(cus, o3, 17), QStringLiteral("255"));

    // The same value again changes nothing.
    cus.ControlChange(false);
    typeKeys(cus, QStringLiteral("255\r"));
    EXPECT_FALSE(cus.IsChanged());
}

TEST_F(CusEdit, TypingATimeOfASwitchedOffGroupSwitchesItOnAndMarksTheWindowChanged)
{
    Cus& cus = open(0);
    const int o3 = rowOf(cus, QStringLiteral("O3"));
    const int o9 = rowOf(cus, QStringLiteral("O9"));
    const int i1 = rowOf(cus, QStringLiteral("I1"));
    const struct {
        int row;
        int col;
        int switchCol; // -1: no edit starts
    } cases[] = {
        {o3, 19, 18}, // OFF delay off
        {o9, 21, -1}, // no chopping on this pin
        {i1, 17, -1}, // no delays on an input
        {i1, 21, -1},
        {rowOf(cus, QStringLiteral("O5")), 21, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.col);
        cus.ControlChange(false);
        clickCell(cus, c.row, c.col);
        typeKeys(cus, QStringLiteral("4"));
        EXPECT_EQ(cus.fg().isEditing(), c.switchCol >= 0);
        if (c.switchCol < 0) {
            EXPECT_FALSE(cus.IsChanged());
            continue;
        }
        // Abandoned: the switch stays on, and that is a change to save.
        key(cus, Qt::Key_Escape);
        EXPECT_EQ(text(cus, c.row, c.switchCol), QStringLiteral("ON"));
        EXPECT_EQ(back(cus, c.row, c.col), kWhite);
        EXPECT_TRUE(cus.IsChanged());
    }
}

TEST_F(CusEdit, DutyIsChosenFromItsList)
{
    Cus& cus = open(0);
    const int o1 = rowOf(cus, QStringLiteral("O1"));
    clickCell(cus, o1, 22);
    key(cus, Qt::Key_F2);
    auto* list = qobject_cast<QComboBox*>(cus.fg().editor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 8);
    EXPECT_EQ(list->itemText(0), QStringLiteral("ALL  100%all wave output"));
    keepPicture(*cus.parentWidget(), QStringLiteral("fCusData0-duty"));
    list->setCurrentIndex(6);
    key(cus, Qt::Key_Return);
    EXPECT_EQ(text(cus, o1, 22), QStringLiteral("6"));
    EXPECT_EQ(grid(cus).data().TextDisplay(o1, 22), QStringLiteral("17"));
    EXPECT_TRUE(cus.IsChanged());
    ASSERT_TRUE(cus.Update_Variable());
    EXPECT_EQ(usrPin("O1").Duty(), 6);
}

TEST_F(CusEdit, WriteBackChangesOnlyTheEditedValuesOfTheUserPins)
{
    Cus& cus = open(0);
    QStringList usrBefore = valuesOf(*state().customUsr);
    const QStringList stdBefore = valuesOf(*state().customStd);

    const int i5 = rowOf(cus, QStringLiteral("I5"));
    clickCell(cus, i5, 15);
    key(cus, Qt::Key_Space); // I5 action ALT
    const int o2 = rowOf(cus, QStringLiteral("O2"));
    clickCell(cus, o2, 17);
    typeKeys(cus, QStringLiteral("42\r")); // O2 ON delay switched on, 42
    clickCell(cus, o2, 19);
    typeKeys(cus, QStringLiteral("9\r")); // O2 OFF delay switched on, 9 instead of 0
    const int oc = rowOf(cus, QStringLiteral("OC"));
    clickCell(cus, oc, 19);
    typeKeys(cus, QStringLiteral("0\r")); // OC OFF delay switched on, 0

    ASSERT_TRUE(cus.Update_Variable());
    const auto changed = [&](QStringList& list, const char* location, const QString& now) {
        for (QString& entry : list)
            if (entry.startsWith(QLatin1String(location) + QLatin1Char(' ')))
                entry = now;
    };
    changed(usrBefore, "I5", QStringLiteral("I5 3 - ALT OFF 0 OFF 0 OFF 0 0"));
    changed(usrBefore, "O2", QStringLiteral("O2 2 - - ON 42 ON 9 ON 20 1"));
    changed(usrBefore, "OC", QStringLiteral("OC 16 - - OFF 0 ON 0 OFF 0 0"));
    EXPECT_EQ(valuesOf(*state().customUsr), usrBefore);
    EXPECT_EQ(valuesOf(*state().customStd), stdBefore);
}

TEST_F(CusEdit, AValueThatDoesNotFitStopsTheWriteBackBeforeAnyPinChanges)
{
    Cus& cus = open(0);
    const QStringList before = valuesOf(*state().customUsr);
    const int o1 = rowOf(cus, QStringLiteral("O1"));
    clickCell(cus, o1, 14);
    key(cus, Qt::Key_Space);
    // A value no edit lets through, put in behind the window's back.
    grid(cus).data().setTextMatrix(rowOf(cus, QStringLiteral("OO")), 19, QStringLiteral("300"));
    scriptedUi().answerMessageBox(platform::vbOK); // the error report
    EXPECT_FALSE(cus.Update_Variable());
    EXPECT_EQ(valuesOf(*state().customUsr), before);
}

TEST_F(CusEdit, FunctionColumnWidthsAreKeptInTheSettings)
{
    Cus& cus = open(0);
    Grid& g = grid(cus);
    const auto drag = [&](int col, int dx) {
        const QRect title = g.cellRect(0, col);
        const QPoint edge(title.right() + 1, title.center().y());
        QTest::mousePress(g.viewport(), Qt::LeftButton, {}, edge);
        QMouseEvent move(QEvent::MouseMove, edge + QPoint(dx, 0), g.viewport()->mapToGlobal(edge + QPoint(dx, 0)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g.viewport(), &move);
        QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, edge + QPoint(dx, 0));
    };
    const auto stored = [&](const Ostrel7::SettingName& name) { return state().settings->readInt(name); };
    using QelmSet::settingkeys::kWdt_Custom_StdKino;
    using QelmSet::settingkeys::kWdt_Custom_UsrKino;
    // The widths in twips of the columns dragged wider or narrower by whole pixels.
    const int32_t wider = platform::pixelsToTwips(platform::twipsToPixels(1900) + 20);
    const int32_t narrower = platform::pixelsToTwips(platform::twipsToPixels(1900) - 10);
    drag(2, 20);
    EXPECT_EQ(stored(kWdt_Custom_StdKino), wider);
    drag(13, -10);
    EXPECT_EQ(stored(kWdt_Custom_UsrKino), narrower);
    drag(14, 10); // any other column stores nothing
    EXPECT_EQ(stored(kWdt_Custom_StdKino), wider);
    EXPECT_EQ(stored(kWdt_Custom_UsrKino), narrower);
    // A window opened later starts with them.
    Cus& other = open(3);
    EXPECT_EQ(grid(other).data().ColWidth(2), wider);
    EXPECT_EQ(grid(other).data().ColWidth(13), narrower);
}


TEST_F(CusEdit, TheFunctionIsChosenInTheSelectionDialog)
{
    Cus& cus = open(0);
    const int i1 = rowOf(cus, QStringLiteral("I1"));
    const int ok = rowOf(cus, QStringLiteral("OK"));

    // The cell's button opens the input functions, preselected on the code.
    clickCell(cus, i1, 13);
    chooseFunction(2);
    const QRect cell = cus.fg().cellRect(i1, 13);
    QTest::mouseClick(cus.fg().viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 4, cell.center().y()));
    EXPECT_EQ(code(cus, i1, 13), 2);
    EXPECT_EQ(text(cus, i1, 13), QStringLiteral("WIPE_SW:Wiper switch"));
    EXPECT_EQ(code(cus, i1, 2), 7); // the factory side stays
    EXPECT_TRUE(cus.IsChanged());

    // A double click opens the output functions on an output row; the same
    // code, or Cancel, changes nothing.
    cus.ControlChange(false);
    chooseFunction(0);
    doubleClickCell(cus, ok, 13);
    chooseFunction(-1);
    doubleClickCell(cus, ok, 13);
    EXPECT_EQ(code(cus, ok, 13), 0);
    EXPECT_FALSE(cus.IsChanged());
    chooseFunction(200);
    doubleClickCell(cus, ok, 13);
    EXPECT_EQ(text(cus, ok, 13), QStringLiteral("TEST_OUT:Service test output"));
    EXPECT_TRUE(cus.IsChanged());
    ASSERT_TRUE(cus.Update_Variable());
    EXPECT_EQ(usrPin("I1").Kino(), 2);
    EXPECT_EQ(usrPin("OK").Kino(), 200);

    // An other pin has no function to choose.
    Cus& coni = open(1);
    doubleClickCell(coni, rowOf(coni, QStringLiteral("GND")), 13);
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::Dialog).size() == 4u);
}
