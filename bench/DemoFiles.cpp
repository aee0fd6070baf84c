#include "DemoFiles.h"

#include "RatioMain.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>

namespace benchsupport {

QString demo(const char* name) { return QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(QLatin1String(name)); }

QString scratch(const char* name) { return QDir(scratchFolder()).filePath(QLatin1String(name)); }

void installSetFiles(std::initializer_list<const char*> names)
{
    platform::folders::setLibraryFolderForTesting(scratchFolder());
    for (const char* name : names)
        if (!QFile::exists(scratch(name)))
            QFile::copy(demo(name), scratch(name));
}

QByteArray readRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace benchsupport
