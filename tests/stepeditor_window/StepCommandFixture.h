#pragma once
// The user's step window on the demo program (table 1), driven through its
// toolbar commands, with what the grid shows gathered for comparing before
// and after a command.

#include "StepEditorFixture.h"

#include "platform/Folders.h"
#include "platform/grid/FlexGrid.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include <string>

namespace steptest {

class StepCommandFixture : public StepEditorFixture {
protected:
    static constexpr int kLastRow = 192;
    static constexpr int kLastCol = 28;

    void SetUp() override
    {
        StepEditorFixture::SetUp();
        demo_ = startOnDemoProgram();
        ASSERT_FALSE(demo_.isEmpty());
    }

    QelmStp::fStep& user() { return userWindow(); }
    platform::grid::GridData& grid() { return user().fg().data(); }
    QString cell(int row, int col) { return grid().TextMatrix(row, col); }

    // Runs a toolbar command of the user window; it must be enabled.
    void command(const char* key)
    {
        QAction* button = user().toolKey(QLatin1String(key));
        ASSERT_NE(button, nullptr) << key;
        ASSERT_TRUE(button->isEnabled()) << key;
        button->trigger();
    }

    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    static void setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

    // Pastes the text at a cell of the user window.
    void pasteAt(const QString& text, int row, int col)
    {
        setClipboardText(text);
        grid().Select(row, col);
        command("keyPASTE");
    }

    // Every cell text and REM mark of the step rows, one line per row, to
    // compare whole grids (a failure shows the lines that differ).
    std::string shown()
    {
        QStringList rows;
        for (int row = 1; row <= kLastRow; ++row) {
            QStringList cells{QString::number(row), user().IsREM(row) ? QStringLiteral("REM") : QString()};
            for (int col = 1; col <= kLastCol; ++col)
                cells << cell(row, col);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows.join(QLatin1Char('\n')).toStdString();
    }

    // The texts of the message boxes shown since the last call.
    QStringList messages()
    {
        return testsupport::scriptedUi().takeMessageTexts();
    }

    static QString message(int16_t number, const std::optional<QVariant>& x1 = std::nullopt,
                           const std::optional<QVariant>& x2 = std::nullopt)
    {
        return QelmStp::mMOD::MessageText(number, x1, x2);
    }

    // The undo snapshot files in the program's working folder.
    static QStringList snapshotFiles()
    {
        QStringList files;
        const QDir folder(platform::folders::workingFolder());
        for (const QString& name : folder.entryList({QStringLiteral("~qe*")}, QDir::Files))
            files << folder.filePath(name);
        return files;
    }

    QString demo_;
};

} // namespace steptest
