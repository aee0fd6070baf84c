#include "ProgramApplication.h"

#include "DemoFiles.h"
#include "RatioMain.h"

#include "platform/Folders.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

namespace benchsupport {

void ensureProgramApplication(const char* name)
{
    if (QApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        const QString dir = QDir(scratchFolder()).filePath(QLatin1String(variable));
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv(variable, QFile::encodeName(dir).constData(), 1);
    }
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    new QApplication(argc, argv);

    const QString program = QDir(scratchFolder()).filePath(QStringLiteral("program"));
    const QString library = QDir(scratchFolder()).filePath(QStringLiteral("library"));
    QDir().mkpath(program);
    QDir().mkpath(library);
    QFile::copy(demo("QEL.e"), QDir(program).filePath(QStringLiteral("QEL.e")));
    platform::folders::setProgramFolderForTesting(program);
    platform::folders::setLibraryFolderForTesting(library);
}

} // namespace benchsupport
