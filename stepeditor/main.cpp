// QELM_STP, the step-sequence editor.

#include "fMain.h"

#include "platform/EventGuard.h"
#include "platform/QtUi.h"
#include "platform/SingleInstance.h"
#include "util/method/clsMethod.h"

#include <QApplication>
#include <QStringList>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::installUi(std::make_shared<platform::QtUi>());
    Ostrel7::clsMethod reporter;
    platform::installErrorReporter([&reporter](int32_t number, const QString& description, const QString& label) {
        reporter.ErrReg(number, description, label);
    });

    const platform::SingleInstance instance(QStringLiteral("QELM_STP"));
    if (!QelmStp::fMain::MDIForm_Initialize(instance))
        return 1;

    // The whole command line names one step file, as typed.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    QelmStp::fMain window;
    // An error the start-up does not trap itself ends the program after its report.
    if (!platform::guarded(QStringLiteral("MDIForm_Load"), [&] { return window.MDIForm_Load(commandLine); }, false))
        return 1;
    window.show();
    return QApplication::exec();
}
