#include "DesktopEntry.h"

#include <QProcess>
#include <QStringList>

namespace Ostrel7::desktopentry {

namespace {

// The escapes of a string value: a value is one line.
QString valueText(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': escaped += QLatin1String("\\\\"); break;
        case u'\n': escaped += QLatin1String("\\n"); break;
        case u'\r': escaped += QLatin1String("\\r"); break;
        case u'\t': escaped += QLatin1String("\\t"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

// One argument of the Exec key, quoted so that no character is taken for a
// field code or by a shell.
QString execArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    return quoted + u'"';
}

} // namespace

QString launcher(const QString& name, const QString& program, const QString& arguments)
{
    QStringList exec{execArgument(program)};
    for (const QString& argument : QProcess::splitCommand(arguments))
        exec << execArgument(argument);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Terminal=false\n")
        .arg(valueText(name), valueText(exec.join(u' ')));
}

} // namespace Ostrel7::desktopentry
