#pragma once
// The start of both programs: the Qt application, the real Ui service and the
// error report, the one-running-copy check, then the main window started with
// the whole command line and shown as the starting program asked.

#include "ProgramLaunch.h"
#include "SessionEnd.h"

#include "platform/EventGuard.h"
#include "platform/Folders.h"
#include "platform/QtUi.h"
#include "platform/ReplacementJournal.h"
#include "platform/RuntimeError.h"
#include "platform/SingleInstance.h"
#include "util/method/clsMethod.h"

#include <QApplication>
#include <QStringList>

#include <memory>

namespace QelmCommon {

// MainWindow offers MDIForm_Initialize(instance) and MDIForm_Load(commandLine),
// both answering whether the start may go on, and MDIForm_QueryUnload(), which
// asks about unsaved work and answers whether the program may end. `instanceName` is the name the
// running copy is known by, whatever the executable is called.
template <typename MainWindow>
int runProgram(int argc, char** argv, const QString& instanceName)
{
    QApplication app(argc, argv);
    platform::installUi(std::make_shared<platform::QtUi>());
    Ostrel7::clsMethod reporter;
    platform::installErrorReporter([&reporter](int32_t number, const QString& description, const QString& label) {
        reporter.ErrReg(number, description, label);
    });

    const platform::SingleInstance instance(instanceName);
    if (!MainWindow::MDIForm_Initialize(instance))
        return 1;

    // The whole command line names one file, as typed.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    // What killed runs left: their working folders, and a save of the given
    // file cut off half way (completed or undone before anything reads it;
    // should that fail, reading the file reports it).
    platform::folders::removeDeadWorkingFolders();
    if (!commandLine.isEmpty()) {
        try {
            platform::recoverFor(commandLine);
        } catch (const platform::RuntimeError&) {
        }
    }
    MainWindow window;
    // An error the start-up does not trap itself ends the program after its report.
    if (!platform::guarded(QStringLiteral("MDIForm_Load"), [&] { return window.MDIForm_Load(commandLine); }, false))
        return 1;
    AskBeforeSessionEnds(app, window, [&window] { return window.MDIForm_QueryUnload(); });
    ShowMainWindow(window);
    return QApplication::exec();
}

} // namespace QelmCommon
