#include "ModelMessages.h"

#include "platform/Ui.h"

namespace Telva27 {

QString libraryTitle() { return QStringLiteral("Telva27"); }

void showModelMessage(const QString& text) { platform::ui().messageBox(text, platform::vbOKOnly, libraryTitle()); }

void showModelCritical(const QString& text)
{
    platform::ui().messageBox(text, platform::vbCritical | platform::vbOKOnly, libraryTitle());
}

} // namespace Telva27
