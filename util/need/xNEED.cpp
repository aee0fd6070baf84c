#include "xNEED.h"

#include "util/method/clsMethod.h"
#include "platform/Clock.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <QWidget>

namespace Ostrel7::xNEED {

namespace {

// True while Language reports its own failure: the report asks IsJapan, which
// must not read the country again and report again without end.
bool reportingLanguageFailure = false;

QString crlf() { return QStringLiteral("\r\n"); }

} // namespace

QString applicationTitle() { return QStringLiteral("Ostrel7"); }

QString Language()
{
    if (reportingLanguageFailure)
        return {};
    try {
        const QString name = platform::countryName();
        const qsizetype nul = name.indexOf(QChar(0));
        return nul < 0 ? name : name.left(nul);
    } catch (...) {
        const auto error = platform::currentErrorInfo();
        reportingLanguageFailure = true;
        clsMethod().ErrReg(error.number, error.description, QStringLiteral("Language"));
        reportingLanguageFailure = false;
        return {};
    }
}

bool IsJapan() { return Language().toUpper() == QLatin1String("JAPAN"); }

void ShowModuleError(const QString& code, const QString& content, const QString& moduleName)
{
    const QString text = QStringLiteral("[ModuleName] ") + crlf() + crlf() + moduleName + crlf() + crlf() +
                         QStringLiteral("[Content] ") + crlf() + crlf() + content + crlf() + crlf() +
                         QStringLiteral("[ErrCode] ") + crlf() + QLatin1Char('\r') + code + crlf() + crlf();
    platform::ui().messageBox(text, platform::vbCritical | platform::vbOKOnly, applicationTitle());
}

std::vector<WindowEntry>& windowList()
{
    static std::vector<WindowEntry> list(1);
    return list;
}

void resetWindowList() { windowList().assign(1, WindowEntry{}); }

bool ChildCallBack(QWidget* hwnd, int32_t /*lParam*/)
{
    try {
        QString caption = hwnd ? hwnd->windowTitle().left(254) : QString();
        const qsizetype nul = caption.indexOf(QChar(0));
        if (nul >= 0)
            caption.truncate(nul);
        windowList().push_back({hwnd, caption});
        return true;
    } catch (...) {
        const auto error = platform::currentErrorInfo();
        ShowModuleError(QString::number(error.number), error.description, QStringLiteral(" ChildCallBack"));
        return false;
    }
}

} // namespace Ostrel7::xNEED
