#include "WindowLook.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace testsupport {

QString demoFile(const QString& name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(name); }

QImage grabIfAsked(QWidget& widget, const QString& name)
{
    QCoreApplication::processEvents(); // the layouts settle first
    const QImage picture = widget.grab().toImage();
    const QString folder = qEnvironmentVariable("QEL_GRAB_DIR");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(name));
    return picture;
}

} // namespace testsupport
