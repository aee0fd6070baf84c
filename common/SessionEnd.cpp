#include "SessionEnd.h"

#include "platform/EventGuard.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace QelmCommon {

void AskBeforeSessionEnds(QGuiApplication& app, QObject& window, std::function<bool()> mayEnd)
{
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [mayEnd = std::move(mayEnd)](QSessionManager& manager) {
                         platform::guarded(QStringLiteral("commitDataRequest"), [&] {
                             // Without leave to ask, nothing is saved or dropped here:
                             // the user's files stay as they were last saved.
                             if (!manager.allowsInteraction())
                                 return;
                             const bool agreed = mayEnd();
                             manager.release();
                             if (!agreed)
                                 manager.cancel();
                         });
                     });
}

} // namespace QelmCommon
