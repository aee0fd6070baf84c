#pragma once
// Starts the real main window of the setting program as a user's start would:
// a program folder of its own holding the setting archive, the test's private
// settings, library and working folders, and the scripted Ui answering.

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "WindowLook.h"

#include "setting/ProgramState.h"
#include "setting/fMain.h"
#include "setting/mMOD.h"

#include "datamodel/common/Enums.h"
#include "platform/Folders.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace settingtest {

using testsupport::demoFile;
using testsupport::grabIfAsked;

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder_.isValid());
        ASSERT_TRUE(dataFolder_.isValid());
        QFile::copy(demoFile("QEL.e"), programPath("QEL.e"));
        platform::folders::setProgramFolderForTesting(programFolder_.path());
    }

    void TearDown() override
    {
        window_.reset();
        platform::folders::setProgramFolderForTesting({});
    }

    // A copy of a demo file in the test's data folder (the user's files).
    QString dataCopy(const char* name, const QString& as = {})
    {
        const QString target = dataPath(as.isEmpty() ? QLatin1String(name) : as);
        QFile::remove(target);
        QFile::copy(demoFile(name), target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    QString programPath(const QString& name) const { return QDir(programFolder_.path()).filePath(name); }
    QString dataPath(const QString& name) const { return QDir(dataFolder_.path()).filePath(name); }

    // Creates the main window and runs its start-up.
    bool start(const QString& commandLine = {})
    {
        window_ = std::make_unique<QelmSet::fMain>();
        return window_->MDIForm_Load(commandLine);
    }

    // Reads copies of the demo's factory and user tables into the started window.
    void loadDemoTables()
    {
        window_->ReadQELMData(Telva27::eSTD, dataCopy("DEMO_STD.etb"));
        window_->ReadQELMData(Telva27::eUSR, dataCopy("DEMO_USR.etb"));
    }

    QelmSet::fMain& window() { return *window_; }
    QelmSet::ProgramState& state() { return window_->state(); }

    QTemporaryDir programFolder_;
    QTemporaryDir dataFolder_;
    std::unique_ptr<QelmSet::fMain> window_;
};

} // namespace settingtest
