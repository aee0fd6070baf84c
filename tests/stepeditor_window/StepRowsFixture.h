#pragma once
// The user's step window with rows to insert, delete, mark and renumber:
// rows filled as steps, the references they hold, the messages shown and the
// replace question answered.

#include "StepEditorFixture.h"
#include "WindowDriver.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "dialogs/clsSelectKino.h"
#include "platform/grid/FlexGrid.h"

#include <QAction>
#include <QDialog>
#include <QLabel>

namespace steptest {

class StepRowsFixture : public StepEditorFixture {
protected:
    void SetUp() override
    {
        StepEditorFixture::SetUp();
        ASSERT_TRUE(start());
        state().DoesReplaceFunction = true;
        state().DoesAskInReplacing = false;
        testsupport::scriptedUi().clearCalls();
    }

    QelmStp::fStep& user() { return userWindow(); }
    platform::grid::GridData& grid() { return user().fg().data(); }
    QString cell(int row, int col) { return grid().TextMatrix(row, col); }

    // A step: its output with a logic and delay, and one input condition ending the step.
    void step(int row, const QString& output, const QString& input = QStringLiteral("SEWING"))
    {
        const QString category = state().selectKino->stpout().CategoryByDigital(output);
        grid().setTextMatrix(row, 2, output);
        grid().setTextMatrix(row, 3, category == QLatin1String("JMP")    ? QStringLiteral("3")
                                     : category == QLatin1String("CALL") ? QStringLiteral("10")
                                                                         : QStringLiteral("1"));
        // A jump or a call takes no delay: the cell shows the unused mark.
        const bool noDelay = category == QLatin1String("JMP") || category == QLatin1String("CALL");
        grid().setTextMatrix(row, 4, noDelay ? QStringLiteral("***") : QStringLiteral("0"));
        grid().setTextMatrix(row, 5, input);
        grid().setTextMatrix(row, 6, QStringLiteral("0"));
        grid().setTextMatrix(row, 7, QStringLiteral("2"));
    }
    // A jump to step n at row.
    void jumpTo(int row, int n) { step(row, QStringLiteral("J%1").arg(n, 3, 10, QLatin1Char('0'))); }

    // Runs a toolbar button as a click does.
    void click(const char* key)
    {
        QAction* button = user().toolKey(QLatin1String(key));
        ASSERT_NE(button, nullptr) << key;
        ASSERT_TRUE(button->isEnabled()) << key;
        button->trigger();
    }

    // The texts of the message boxes shown since the last call.
    QStringList takeMessages()
    {
        return testsupport::scriptedUi().takeMessageTexts();
    }

    // The replace question is answered with button 1 to 4; `asked` gets what it showed.
    void answerReplace(int button, QStringList* asked = nullptr)
    {
        testsupport::scriptedUi().answerDialog([button, asked](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("fDlgReplace"));
            if (asked)
                *asked << testsupport::WindowDriver(dialog).child<QLabel>(QStringLiteral("lblData"))->text();
            testsupport::WindowDriver(dialog).click(QStringLiteral("BTN%1").arg(button));
        });
    }
};

} // namespace steptest
