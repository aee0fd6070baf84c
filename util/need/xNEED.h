#pragma once
// Helpers the utility library shares between its classes: the language test
// that picks Japanese or English wording, the local error box, and the list of
// windows filled by the child-window enumeration.

#include <QString>
#include <cstdint>
#include <vector>

class QWidget;

namespace Ostrel7::xNEED {

// The English name of the system locale's country; "" when it can't be read.
QString Language();

// True when the country name, upper-cased, is "JAPAN".
bool IsJapan();

// A critical box naming module, content and code; writes no log.
void ShowModuleError(const QString& code, const QString& content, const QString& moduleName);

struct WindowEntry {
    QWidget* hwnd = nullptr;
    QString caption;
};

// Entry 0 is an empty record; enumerated windows start at entry 1.
std::vector<WindowEntry>& windowList();
void resetWindowList();

// Called once per child window: records its handle and caption (at most 254
// characters, cut before a NUL) and answers True so the enumeration goes on.
bool ChildCallBack(QWidget* hwnd, int32_t lParam);

// The title of the library's own boxes.
QString applicationTitle();

} // namespace Ostrel7::xNEED
