#pragma once
// The few fixed boxes the data model shows itself, under the library's title.

#include <QString>

namespace Telva27 {

QString libraryTitle();
// OK button, no icon.
void showModelMessage(const QString& text);
// OK button, critical icon.
void showModelCritical(const QString& text);

} // namespace Telva27
