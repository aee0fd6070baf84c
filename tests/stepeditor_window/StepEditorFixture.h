#pragma once
// Starts the real main window of the step editor as a user's start would: a
// program folder of its own holding the setting archive, the test's private
// settings, library and working folders, and the scripted Ui answering.

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "WindowLook.h"

#include "stepeditor/ProgramState.h"
#include "stepeditor/fMain.h"
#include "stepeditor/fStep.h"
#include "stepeditor/mMOD.h"

#include "platform/Folders.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace steptest {

using testsupport::demoFile;
using testsupport::grabIfAsked;

class StepEditorFixture : public testing::Test {
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

    // Creates the main window and runs its start-up with the command line.
    bool start(const QString& commandLine = {})
    {
        window_ = std::make_unique<QelmStp::fMain>();
        return window_->MDIForm_Load(commandLine);
    }

    QelmStp::fMain& window() { return *window_; }
    QelmStp::ProgramState& state() { return window_->state(); }
    QelmStp::fStep& userWindow() { return *state().frmUsr; }
    // Shows the reference window as the first opening of a reference file does.
    QelmStp::fStep& showReferenceWindow()
    {
        QelmStp::fStep& reference = *state().frmStd;
        reference.setSTDUSR(1);
        reference.Show();
        return reference;
    }

    QTemporaryDir programFolder_;
    QTemporaryDir dataFolder_;
    std::unique_ptr<QelmStp::fMain> window_;
};

} // namespace steptest
