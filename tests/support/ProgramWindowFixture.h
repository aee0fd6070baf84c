#pragma once
// Starts the real main window of a program as a user's start would: a program
// folder of its own holding the setting archive, the test's private settings,
// library and working folders, and the scripted Ui answering. Each program's
// fixture names its main window and adds what only it needs.

#include "WindowLook.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace testsupport {

// Window is the program's main window: it has MDIForm_Load(commandLine) and state().
template <class Window>
class ProgramWindowFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder_.isValid());
        ASSERT_TRUE(dataFolder_.isValid());
        QFile::copy(demoFile(QStringLiteral("QEL.e")), programPath("QEL.e"));
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
        QFile::copy(demoFile(QLatin1String(name)), target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    QString programPath(const QString& name) const { return QDir(programFolder_.path()).filePath(name); }
    QString dataPath(const QString& name) const { return QDir(dataFolder_.path()).filePath(name); }

    // Creates the main window and runs its start-up with the command line.
    bool start(const QString& commandLine = {})
    {
        window_ = std::make_unique<Window>();
        beforeStart(*window_);
        return window_->MDIForm_Load(commandLine);
    }

    // What a fixture sets on the new window before its start-up runs.
    virtual void beforeStart(Window&) {}

    Window& window() { return *window_; }
    auto& state() { return window_->state(); }

    QTemporaryDir programFolder_;
    QTemporaryDir dataFolder_;
    std::unique_ptr<Window> window_;
};

} // namespace testsupport
