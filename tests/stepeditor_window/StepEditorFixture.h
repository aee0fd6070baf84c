#pragma once
// Starts the real main window of the step editor as a user's start would (see
// ProgramWindowFixture).

#include "ProgramWindowFixture.h"
#include "ScriptedUi.h"
#include "TestFiles.h"
#include "WindowLook.h"

#include "stepeditor/ProgramState.h"
#include "stepeditor/fMain.h"
#include "stepeditor/fStep.h"
#include "stepeditor/mMOD.h"

#include "platform/Settings.h"

#include <QCoreApplication>

namespace steptest {

using testsupport::demoFile;
using testsupport::grabIfAsked;

class StepEditorFixture : public testsupport::ProgramWindowFixture<QelmStp::fMain> {
protected:
    static constexpr const char* kPassword = "SEW2024"; // the password of the demo step file's tables

    // Starts the program and opens table 1 of a copy of the demo step file
    // in the user window, answering its password; answers the copy's path.
    QString startOnDemoProgram()
    {
        if (!start())
            return {};
        const QString demo = dataCopy("DEMO.stp");
        dataCopy("DEMO.BIN");
        testsupport::scriptedUi().answerInput(QLatin1String(kPassword));
        const bool read = userWindow().ReadStep(0, 0, demo);
        testsupport::scriptedUi().clearCalls();
        return read ? demo : QString();
    }

    QelmStp::fStep& userWindow() { return *state().frmUsr; }
    // Shows the reference window as the first opening of a reference file does.
    QelmStp::fStep& showReferenceWindow()
    {
        QelmStp::fStep& reference = *state().frmStd;
        reference.setSTDUSR(1);
        reference.Show();
        return reference;
    }
};

} // namespace steptest
