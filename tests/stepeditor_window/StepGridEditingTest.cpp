// The user's step window edited from the keyboard as a real keyboard sends
// its keys (Delete as character 127, Space, F2, Escape), the program built
// back from what was typed, and the demo names and marks as the grid shows them.

#include "StepEditorFixture.h"

#include "datamodel/customize/clsCusSelection.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "datamodel/steps/colclsStep.h"
#include "dialogs/clsSelectKino.h"
#include "platform/SystemColors.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/grid/StepCellPainter.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>

using steptest::StepEditorFixture;

namespace {

class StepGridEditing : public StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
        ASSERT_TRUE(start());
        window().resize(1900, 1000);
        user().parentWidget()->showMaximized();
        QCoreApplication::processEvents();
    }

    QelmStp::fStep& user() { return userWindow(); }
    platform::grid::FlexGrid& fg() { return user().fg(); }
    platform::grid::GridData& grid() { return fg().data(); }

    // A key as the X server delivers it, to the widget that has the keyboard:
    // the cell editor while one is open, else the grid.
    void strike(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = fg().isEditing() ? fg().editor() : static_cast<QWidget*>(&fg());
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(fg().isEditing() ? fg().editor() : static_cast<QWidget*>(&fg()), &release);
    }
    void typeText(const QString& text)
    {
        for (QChar c : text)
            strike(c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A'))
                   : c.isDigit() ? Qt::Key(Qt::Key_0 + (c.unicode() - '0'))
                                 : Qt::Key_unknown,
                   QString(c));
    }

    // The first name of a category in a list.
    static QString nameIn(Telva27::colclsCusSelection& list, const QString& category)
    {
        for (auto it = list.dicDigital().cbegin(); it != list.dicDigital().cend(); ++it)
            if (list.CategoryByValue(it.value()) == category)
                return it.key();
        return {};
    }

    QStringList messages()
    {
        return testsupport::scriptedUi().takeMessageTexts();
    }
};

TEST_F(StepGridEditing, TheKeyboardBuildsAStepThatUpdateStepTakes)
{
    Sorvi27::clsSelectKino& kino = *state().selectKino;
    const QString out = nameIn(kino.stpout(), QStringLiteral("OUT"));
    const QString in = nameIn(kino.stpinp(), QStringLiteral("IN"));
    ASSERT_FALSE(out.isEmpty());
    ASSERT_FALSE(in.isEmpty());
    grid().Select(3, 2);
    typeText(out.toLower());
    ASSERT_TRUE(fg().isEditing());
    strike(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(grid().TextMatrix(3, 2), out);
    EXPECT_TRUE(user().IsChanged());

    strike(Qt::Key_Right);
    EXPECT_TRUE(user().lblHint().text().contains(QStringLiteral("[1]HIGH")));
    strike(Qt::Key_Space, QStringLiteral(" "));
    strike(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(grid().TextMatrix(3, 3), QStringLiteral("1"));
    EXPECT_EQ(grid().TextMatrix(3, 4), QStringLiteral("0"));

    strike(Qt::Key_Right);
    typeText(QStringLiteral("250"));
    strike(Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_FALSE(fg().isEditing());
    EXPECT_EQ(grid().TextMatrix(3, 4), QStringLiteral("250"));
    // Escape leaves the cell as it was.
    typeText(QStringLiteral("9"));
    strike(Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(grid().TextMatrix(3, 4), QStringLiteral("250"));

    strike(Qt::Key_Right);
    // F2 on a function cell asks the function dialog; closed with Escape, it
    // changes nothing. (Its first opening offers the button-editing mode: No.)
    testsupport::scriptedUi().answerMessageBox(platform::vbNo);
    testsupport::scriptedUi().answerDialog([](QDialog& d) { d.reject(); });
    strike(Qt::Key_F2);
    EXPECT_EQ(grid().TextMatrix(3, 5), QString());
    EXPECT_EQ(messages().size(), 1); // the dialog's question
    typeText(in);
    strike(Qt::Key_Return, QStringLiteral("\r"));
    strike(Qt::Key_Right);
    strike(Qt::Key_Space, QStringLiteral(" "));
    strike(Qt::Key_Right);
    typeText(QStringLiteral("2"));
    EXPECT_EQ(grid().TextMatrix(3, 5), in);
    EXPECT_EQ(grid().TextMatrix(3, 6), QStringLiteral("0"));
    EXPECT_EQ(grid().TextMatrix(3, 7), QStringLiteral("2"));

    // Delete, character 127: a code stays (message 36), the remark goes.
    testsupport::scriptedUi().answerMessageBox(platform::vbOK);
    grid().Select(3, 3);
    strike(Qt::Key_Delete, QStringLiteral("\x7f"));
    EXPECT_EQ(grid().TextMatrix(3, 3), QStringLiteral("1"));
    EXPECT_EQ(messages(), QStringList({QelmStp::mMOD::MessageText(36)}));
    grid().setTextMatrix(4, 1, QStringLiteral("note"));
    grid().Select(4, 1);
    strike(Qt::Key_Delete, QStringLiteral("\x7f"));
    EXPECT_EQ(grid().TextMatrix(4, 1), QString());

    std::shared_ptr<Telva27::colclsStep> program;
    ASSERT_TRUE(user().exchange().Update_step(program));
    const auto line = program->Item(QStringLiteral("3"));
    EXPECT_EQ(line->Kino(), kino.stpout().ValueByDigital(out));
    EXPECT_EQ(line->Logic(), 1);
    EXPECT_EQ(line->DelayEtc(), 250);
    const auto first = line->ins()->Item(QStringLiteral("1"));
    EXPECT_EQ(first->Kino(), kino.stpinp().ValueByDigital(in));
    EXPECT_EQ(first->Jyotai(), 0);
    EXPECT_EQ(first->Rel(), 2);
}

TEST_F(StepGridEditing, AClickOnAStepNumberSelectsTheWholeRow)
{
    const QRect number = fg().cellRect(5, 0);
    QMouseEvent press(QEvent::MouseButtonPress, number.center(), fg().viewport()->mapToGlobal(number.center()),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(fg().viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, number.center(), fg().viewport()->mapToGlobal(number.center()),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(fg().viewport(), &release);
    EXPECT_EQ(grid().SelectionMode(), platform::grid::selByRow);
    EXPECT_EQ(grid().Row(), 5);
    const QRect cell = fg().cellRect(6, 3);
    QMouseEvent onCell(QEvent::MouseButtonPress, cell.center(), fg().viewport()->mapToGlobal(cell.center()),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(fg().viewport(), &onCell);
    EXPECT_EQ(grid().SelectionMode(), platform::grid::selFree);

    // The right button on a cell outside the selection makes it current and
    // pops the edit menu up there.
    testsupport::scriptedUi().answerPopupMenu(QString());
    const QRect other = fg().cellRect(8, 5);
    QMouseEvent right(QEvent::MouseButtonPress, other.center(), fg().viewport()->mapToGlobal(other.center()),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(fg().viewport(), &right);
    EXPECT_EQ(grid().Row(), 8);
    EXPECT_EQ(grid().Col(), 5);
    EXPECT_EQ(testsupport::scriptedUi().callsOf(testsupport::UiCall::PopupMenu).size(), 1u);
}

TEST_F(StepGridEditing, AnUnknownNameStopsUpdateStepAtItsCell)
{
    const QString out = nameIn(state().selectKino->stpout(), QStringLiteral("OUT"));
    const struct {
        int col;
        const char* text;
    } cases[] = {{2, "NO_SUCH"}, {8, "NO_SUCH"}};
    for (const auto& c : cases) {
        for (int col = 1; col < grid().Cols(); ++col)
            grid().setTextMatrix(9, col, QString());
        grid().setTextMatrix(9, 2, out);
        grid().setTextMatrix(9, c.col, QLatin1String(c.text));
        grid().Select(1, 1);
        std::shared_ptr<Telva27::colclsStep> program;
        EXPECT_FALSE(user().exchange().Update_step(program)) << c.col;
        EXPECT_EQ(program, nullptr);
        EXPECT_EQ(grid().Row(), 9);
        EXPECT_EQ(grid().Col(), c.col);
        EXPECT_TRUE(messages().isEmpty());
    }
}

TEST_F(StepGridEditing, EveryDemoNameFitsItsColumnAndTheMarksAreDrawn)
{
    Sorvi27::clsSelectKino& kino = *state().selectKino;
    QStringList outputs = kino.stpout().dicDigital().keys();
    QStringList inputs = kino.stpinp().dicDigital().keys();
    outputs.sort();
    inputs.sort();
    const int rows = 40;
    const int batches = static_cast<int>(std::max(outputs.size(), inputs.size()) + rows - 1) / rows;
    for (int batch = 0; batch < batches; ++batch) {
        for (int r = 1; r <= rows; ++r) {
            const int i = batch * rows + r - 1;
            grid().setTextMatrix(r, 2, outputs.value(i));
            grid().setTextMatrix(r, 5, inputs.value(i));
            grid().setTextMatrix(r, 6, inputs.value(i).isEmpty() ? QString() : QString::number(i % 4));
        }
        grid().Select(rows + 5, 1);
        fg().setTopRow(1);
        const QImage image = fg().viewport()->grab().toImage();
        for (int r = 1; r <= rows; ++r) {
            for (int col : {2, 5, 6}) {
                const QString text = grid().TextMatrix(r, col);
                if (text.isEmpty())
                    continue;
                const QRect cell = fg().cellRect(r, col);
                ASSERT_FALSE(cell.isEmpty()) << r;
                const QRgb back = platform::oleColor(grid().CellBackColor(r, col)).rgb();
                for (int y = cell.top(); y < cell.bottom(); ++y) {
                    for (int x = cell.left(); x < cell.right(); ++x) {
                        if (image.pixel(x, y) == back)
                            continue;
                        // Names keep off the edges; a mark stays in its picture's place.
                        if (col == 6)
                            EXPECT_TRUE(x >= cell.left() + 5 && x < cell.left() + 22 && y >= cell.top() + 2 &&
                                        y < cell.top() + 13)
                                << "state " << text.toStdString() << " at " << x - cell.left();
                        else
                            EXPECT_TRUE(x > cell.left() + 2 && x < cell.right() - 3)
                                << text.toStdString() << " touches the edge of column " << col;
                    }
                }
            }
        }
    }
}

TEST_F(StepGridEditing, TheDemoProgramAsTheStepWindowShowsIt)
{
    Sorvi27::clsSelectKino& kino = *state().selectKino;
    auto program = std::make_shared<Telva27::colclsStep>();
    ASSERT_TRUE(program->ReadData(testsupport::demoFile(QStringLiteral("DEMO.stp")),
                                  testsupport::demoFile(QStringLiteral("DEMO.BIN")), 8193, kino.stpout(),
                                  kino.stpinp()));
    user().exchange().PasteData(*program);
    grid().Select(2, 3);
    steptest::grabIfAsked(window(), QStringLiteral("step-window-demo.png"));
    // The program comes back unchanged.
    std::shared_ptr<Telva27::colclsStep> rebuilt = program;
    ASSERT_TRUE(user().exchange().Update_step(rebuilt));
    for (int row = 1; row <= 192; ++row) {
        const auto a = program->Item(QString::number(row));
        const auto b = rebuilt->Item(QString::number(row));
        ASSERT_TRUE(a && b) << row;
        EXPECT_EQ(a->NOP(), b->NOP()) << row;
        if (a->NOP())
            continue;
        EXPECT_EQ(a->Kino(), b->Kino()) << row;
        EXPECT_EQ(a->Logic(), b->Logic()) << row;
    }
}

} // namespace
