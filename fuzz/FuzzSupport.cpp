#include "FuzzSupport.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fuzzsupport {

QString libraryFolder()
{
    static QTemporaryDir folder;
    static const bool installed = [] {
        platform::folders::setLibraryFolderForTesting(folder.path());
        return true;
    }();
    (void)installed;
    return folder.path();
}

QString writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(libraryFolder()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

void copyDemoFile(const QString& name)
{
    QFile demo(QDir(QStringLiteral(QEL_DEMO_DIR)).filePath(name));
    if (demo.open(QIODevice::ReadOnly))
        writeFile(name, demo.readAll());
}

QList<QByteArray> split(const uint8_t* data, size_t size, int count)
{
    QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\f');
    while (parts.size() > count) {
        parts[count - 1] += '\f' + parts.takeLast();
    }
    while (parts.size() < count)
        parts.append(QByteArray());
    return parts;
}

} // namespace fuzzsupport
