#include "ProgramLaunch.h"

#include "platform/Ui.h"

#include <QByteArray>
#include <QWidget>
#include <QtGlobal>

#include <optional>

namespace QelmCommon {

namespace {

// Sets the variable for as long as it lives and then puts back what was there.
class StartStateRequest {
public:
    StartStateRequest()
    {
        if (qEnvironmentVariableIsSet(kStartStateVariable))
            previous_ = qgetenv(kStartStateVariable);
        qputenv(kStartStateVariable, kStartMinimized);
    }
    ~StartStateRequest()
    {
        if (previous_)
            qputenv(kStartStateVariable, *previous_);
        else
            qunsetenv(kStartStateVariable);
    }
    StartStateRequest(const StartStateRequest&) = delete;
    StartStateRequest& operator=(const StartStateRequest&) = delete;

private:
    std::optional<QByteArray> previous_;
};

} // namespace

bool StartProgramMinimized(const QString& program)
{
    // The started program inherits this program's environment at the start.
    const StartStateRequest request;
    return platform::ui().startProgram(program, {}, true);
}

void ShowMainWindow(QWidget& window)
{
    const bool minimized = qgetenv(kStartStateVariable) == kStartMinimized;
    qunsetenv(kStartStateVariable);
    if (minimized) {
        window.showMinimized();
        window.activateWindow();
    } else {
        window.show();
    }
}

} // namespace QelmCommon
