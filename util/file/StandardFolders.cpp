#include "StandardFolders.h"

#include "FileTypes.h"

#include <QDir>
#include <QStandardPaths>

namespace Ostrel7::specialfolders {

namespace {

QString standard(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location);
}

} // namespace

QString path(int32_t csidl)
{
    switch (csidl) {
    case eCSIDL_DESKTOP:
    case eCSIDL_DESKTOPDIRECTORY: return standard(QStandardPaths::DesktopLocation);
    case eCSIDL_PERSONAL: return standard(QStandardPaths::DocumentsLocation);
    case eCSIDL_APPDATA: return standard(QStandardPaths::GenericDataLocation);
    case eCSIDL_FONTS: return standard(QStandardPaths::FontsLocation);
    case eCSIDL_INTERNET_CACHE: return standard(QStandardPaths::GenericCacheLocation);
    case eCSIDL_PROGRAMS:
    case eCSIDL_STARTMENU: return standard(QStandardPaths::ApplicationsLocation);
    case eCSIDL_STARTUP:
    case eCSIDL_ALTSTARTUP:
        return QDir(standard(QStandardPaths::GenericConfigLocation)).filePath(QStringLiteral("autostart"));
    case eCSIDL_PROGRAM_FILES: return QStringLiteral("/opt");
    default: return {};
    }
}

} // namespace Ostrel7::specialfolders
