#pragma once
// Starts the real main window of the step editor as a user's start would (see
// ProgramWindowFixture). The opening of step files is recorded, not carried out.

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

#include <vector>

namespace steptest {

using testsupport::demoFile;
using testsupport::grabIfAsked;

// One request to open a step file in a step window.
struct ReadStepCall {
    int32_t role;
    int32_t kind;
    int32_t position;
    QString path;
};

class StepEditorFixture : public testsupport::ProgramWindowFixture<QelmStp::fMain> {
protected:
    void beforeStart(QelmStp::fMain& window) override
    {
        window.extensions().readStep = [this](QelmStp::fStep& w, int32_t kind, int32_t position,
                                              const QString& path) {
            readSteps_.push_back({w.STDUSR(), kind, position, path});
            return true;
        };
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

    std::vector<ReadStepCall> readSteps_;
};

} // namespace steptest
