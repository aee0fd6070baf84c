#pragma once
// Starts the real main window of the setting program as a user's start would
// (see ProgramWindowFixture).

#include "ProgramWindowFixture.h"
#include "ScriptedUi.h"
#include "TestFiles.h"
#include "WindowLook.h"

#include "setting/ProgramState.h"
#include "setting/fMain.h"
#include "setting/mMOD.h"

#include "datamodel/common/Enums.h"
#include "platform/Settings.h"

#include <QCoreApplication>

namespace settingtest {

using testsupport::demoFile;
using testsupport::grabIfAsked;

class MainWindowFixture : public testsupport::ProgramWindowFixture<QelmSet::fMain> {
protected:
    // Reads copies of the demo's factory and user tables into the started window.
    void loadDemoTables()
    {
        window_->ReadQELMData(Telva27::eSTD, dataCopy("DEMO_STD.etb"));
        window_->ReadQELMData(Telva27::eUSR, dataCopy("DEMO_USR.etb"));
    }
};

} // namespace settingtest
